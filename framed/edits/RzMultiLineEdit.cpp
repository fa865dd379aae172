#include "framed/edits/RzMultiLineEdit.h"

#include "platform/comctrls/RichEdit.h"
#include "platform/controls/Mouse.h"
#include "platform/stdctrls/Memo.h"

template <class Base>
TRzMultiLineEdit<Base>::TRzMultiLineEdit(TComponent* owner) : TRzEditFraming<Base>(owner) {
  this->ControlStyle &= ~csSetCaption;
}

template <class Base>
LRESULT TRzMultiLineEdit<Base>::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
  return this->HandleAllocated() ? ::SendMessageA(this->Handle(), msg, wParam, lParam) : 0;
}

// With a selection the caret's own place tells the line; without one the
// selection's start does.
template <class Base>
int TRzMultiLineEdit<Base>::GetLine() {
  if (this->SelLength() != 0) {
    POINT caret = {};
    ::GetCaretPos(&caret);
    const LRESULT at = Send(EM_CHARFROMPOS, 0, MAKELPARAM(caret.x, caret.y));
    return at == -1 ? 1 : HIWORD(at) + 1;
  }
  return static_cast<int>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(this->SelStart()), 0)) + 1;
}

template <class Base>
int TRzMultiLineEdit<Base>::GetColumn() {
  POINT caret = {};
  ::GetCaretPos(&caret);
  const LRESULT at = Send(EM_CHARFROMPOS, 0, MAKELPARAM(caret.x, caret.y));
  if (at == -1) return 1;
  const int start = static_cast<int>(Send(EM_LINEINDEX, HIWORD(at), 0));
  return LOWORD(at) - start + 1;
}

template <class Base>
void TRzMultiLineEdit<Base>::SetLine(int line) {
  const LRESULT start = Send(EM_LINEINDEX, static_cast<WPARAM>(line - 1), 0);
  Send(EM_SETSEL, static_cast<WPARAM>(start), start);
  if (GetLine() != line) return;
  ScrollLines(line - static_cast<int>(Send(EM_GETFIRSTVISIBLELINE)) - 1);
  LineColChange();
}

template <class Base>
void TRzMultiLineEdit<Base>::SetColumn(int column) {
  const int start = static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(GetLine() - 1), 0));
  const int length = static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(start), 0));
  if (column > length + 1) return;
  const int at = start + column - 1;
  Send(EM_SETSEL, static_cast<WPARAM>(at), at);
  LineColChange();
}

template <class Base>
void TRzMultiLineEdit<Base>::JumpTo(int line, int column) {
  SetLine(line);
  if (GetLine() == line) SetColumn(column);
}

template <class Base>
void TRzMultiLineEdit<Base>::LineColChange() {
  if (OnLineColChange) OnLineColChange(this, GetLine(), GetColumn());
  ClipboardChange();
}

template <class Base>
void TRzMultiLineEdit<Base>::ClipboardChange() {
  if (OnClipboardChange) OnClipboardChange(this, this->SelLength() != 0, ::IsClipboardFormatAvailable(CF_TEXT) != 0);
}

template <class Base>
void TRzMultiLineEdit<Base>::CreateWnd() {
  TRzEditFraming<Base>::CreateWnd();
  LineColChange();
}

template <class Base>
void TRzMultiLineEdit<Base>::Change() {
  TRzEditFraming<Base>::Change();
  LineColChange();
}

template <class Base>
void TRzMultiLineEdit<Base>::Click() {
  TRzEditFraming<Base>::Click();
  LineColChange();
}

template <class Base>
void TRzMultiLineEdit<Base>::KeyDown(Word& key, TShiftState shift) {
  TRzEditFraming<Base>::KeyDown(key, shift);
  LineColChange();
}

template <class Base>
void TRzMultiLineEdit<Base>::KeyUp(Word& key, TShiftState shift) {
  TRzEditFraming<Base>::KeyUp(key, shift);
  LineColChange();
}

template <class Base>
void TRzMultiLineEdit<Base>::KeyPress(char& key) {
  if (TabOnEnter && key == '\r') {
    key = 0;
    if (this->HandleAllocated()) ::PostMessageA(this->Handle(), WM_KEYDOWN, VK_TAB, 0);
    return;
  }
  TRzEditFraming<Base>::KeyPress(key);
}

template <class Base>
void TRzMultiLineEdit<Base>::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TRzEditFraming<Base>::MouseUp(button, shift, x, y);
  ClipboardChange();
}

template <class Base>
bool TRzMultiLineEdit<Base>::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
  bool handled = false;
  OnMouseWheelDown(this, shift, mousePos, handled);
  ScrollLines((shift & ssCtrl) ? Mouse()->WheelScrollLines() : 1);
  return true;
}

template <class Base>
bool TRzMultiLineEdit<Base>::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
  bool handled = false;
  OnMouseWheelUp(this, shift, mousePos, handled);
  ScrollLines((shift & ssCtrl) ? -Mouse()->WheelScrollLines() : -1);
  return true;
}

// OnMouseWheel may take the wheel; otherwise every notch scrolls.
template <class Base>
bool TRzMultiLineEdit<Base>::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  if (TRzEditFraming<Base>::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  const int notches = wheelDelta / WHEEL_DELTA;
  for (int i = 0; i < notches; ++i) DoMouseWheelUp(shift, mousePos);
  for (int i = 0; i > notches; --i) DoMouseWheelDown(shift, mousePos);
  return true;
}

template class TRzMultiLineEdit<TMemo>;
template class TRzMultiLineEdit<TRichEdit>;
