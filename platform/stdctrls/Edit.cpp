// TCustomEdit: the single-line edit over the system's "EDIT" class. The window
// keeps the text, the selection and the undo buffer; the control keeps the
// settings and gives them to each new window.
#include <algorithm>

#include "platform/core/SysUtils.h"
#include "platform/stdctrls/Edit.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csFixedHeight;
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(false);
  TControl::SetAutoSize(true);
}

TCustomEdit::~TCustomEdit() {
  if (brush_) ::DeleteObject(brush_);
}

LRESULT TCustomEdit::SendToWindow(UINT msg, WPARAM wParam, LPARAM lParam) const {
  if (!HandleAllocated()) return 0;
  return ::SendMessageA(const_cast<TCustomEdit*>(this)->Handle(), msg, wParam, lParam);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "EDIT");
  params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  // Without Ctl3D the single border is a flat line instead of the sunken edge.
  if (borderStyle_ == bsSingle) {
    if (Ctl3D())
      params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      params.Style |= WS_BORDER;
  }
  if (!hideSelection_) params.Style |= ES_NOHIDESEL;
  if (readOnly_) params.Style |= ES_READONLY;
  if (charCase_ == ecUpperCase) params.Style |= ES_UPPERCASE;
  if (charCase_ == ecLowerCase) params.Style |= ES_LOWERCASE;
  if (passwordChar_ != 0) params.Style |= ES_PASSWORD;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  HWND window = Handle();
  ::SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  ::SendMessageA(window, EM_SETPASSWORDCHAR, static_cast<Byte>(passwordChar_), 0);
  ::SendMessageA(window, EM_SETMODIFY, modified_ ? 1 : 0, 0);
  AdjustSize();
}

void TCustomEdit::DestroyWnd() {
  modified_ = Modified();
  TWinControl::DestroyWnd();
}

// ---- settings ----

void TCustomEdit::SetHideSelection(bool value) {
  if (hideSelection_ == value) return;
  hideSelection_ = value;
  RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  if (value == bsSingle)
    ControlStyle |= csFixedHeight;
  else
    ControlStyle &= ~csFixedHeight;
  RecreateWnd();
  AdjustSize();
}

String TCustomEdit::CasedText(const String& text) const {
  if (charCase_ == ecUpperCase) return UpperCase(text);
  if (charCase_ == ecLowerCase) return LowerCase(text);
  return text;
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (charCase_ == value) return;
  charCase_ = value;
  const String text = CasedText(Text());
  RecreateWnd();
  if (text != Text()) SetText(text);
}

void TCustomEdit::SetTextValue(const String& value) { TWinControl::SetTextValue(CasedText(value)); }

void TCustomEdit::SetMaxLength(int value) {
  maxLength_ = std::max(0, value);
  SendToWindow(EM_LIMITTEXT, static_cast<WPARAM>(maxLength_));
}

void TCustomEdit::SetPasswordChar(char value) {
  if (passwordChar_ == value) return;
  passwordChar_ = value;
  // The password style is fixed when the window is made.
  RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  SendToWindow(EM_SETREADONLY, value ? 1 : 0);
}

bool TCustomEdit::Modified() const { return HandleAllocated() ? SendToWindow(EM_GETMODIFY) != 0 : modified_; }

void TCustomEdit::SetModified(bool value) {
  modified_ = value;
  SendToWindow(EM_SETMODIFY, value ? 1 : 0);
}

void TCustomEdit::SetAutoSize(bool value) {
  TControl::SetAutoSize(value);
  AdjustSize();
}

// The height of one line of the font plus the frame: only a framed edit sizes itself.
bool TCustomEdit::CanAutoSize(int& newWidth, int& newHeight) {
  if (borderStyle_ != bsSingle) return false;
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ saved = ::SelectObject(dc, Font()->Handle());
  TEXTMETRICA metrics = {};
  ::GetTextMetricsA(dc, &metrics);
  ::SelectObject(dc, saved);
  ::ReleaseDC(nullptr, dc);
  newHeight = metrics.tmHeight + ::GetSystemMetrics(SM_CYBORDER) * 8;
  return true;
}

void TCustomEdit::CMFontChanged(TMessage& message) {
  TWinControl::CMFontChanged(message);
  AdjustSize();
}

// ---- selection ----

int TCustomEdit::SelStart() const {
  DWORD start = 0;
  SendToWindow(EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int value) {
  ::SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(value), static_cast<LPARAM>(value));
}

int TCustomEdit::SelLength() const {
  DWORD start = 0, end = 0;
  SendToWindow(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int value) {
  const int start = SelStart();
  ::SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + std::max(0, value)));
}

String TCustomEdit::SelText() const {
  const String text = Text();
  const size_t start = std::min(static_cast<size_t>(SelStart()), text.size());
  return text.substr(start, static_cast<size_t>(SelLength()));
}

void TCustomEdit::SetSelText(const String& value) {
  ::SendMessageA(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(value.c_str()));
}

void TCustomEdit::SelectAll() { SendToWindow(EM_SETSEL, 0, -1); }

void TCustomEdit::ClearSelection() { SendToWindow(WM_CLEAR); }

bool TCustomEdit::CanUndo() const { return SendToWindow(EM_CANUNDO) != 0; }
void TCustomEdit::Undo() { SendToWindow(WM_UNDO); }
void TCustomEdit::ClearUndo() { SendToWindow(EM_EMPTYUNDOBUFFER); }
void TCustomEdit::CutToClipboard() { SendToWindow(WM_CUT); }
void TCustomEdit::CopyToClipboard() { SendToWindow(WM_COPY); }
void TCustomEdit::PasteFromClipboard() { SendToWindow(WM_PASTE); }

// ---- messages ----

void TCustomEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND: return CNCommand(message);
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: return CNCtlColor(message);
    default: return TWinControl::Dispatch(message);
  }
}

void TCustomEdit::CNCommand(TMessage& message) {
  if (HIWORD(message.WParam) == EN_CHANGE && !HasControlState(csCreating)) Change();
}

void TCustomEdit::Change() { OnChange(this); }

void TCustomEdit::CNCtlColor(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  const TColor background = ColorToRGB(Color());
  const TColor text = ColorToRGB(Font()->Color());
  ::SetTextColor(dc, RGB(text & 0xFF, (text >> 8) & 0xFF, (text >> 16) & 0xFF));
  ::SetBkColor(dc, RGB(background & 0xFF, (background >> 8) & 0xFF, (background >> 16) & 0xFF));
  if (!brush_ || brushColor_ != background) {
    if (brush_) ::DeleteObject(brush_);
    brush_ = ::CreateSolidBrush(RGB(background & 0xFF, (background >> 8) & 0xFF, (background >> 16) & 0xFF));
    brushColor_ = background;
  }
  message.Result = reinterpret_cast<LRESULT>(brush_);
}

// Entering by keyboard selects the whole text; a click places the caret.
void TCustomEdit::CMEnter(TMessage& message) {
  const bool multiLine = HandleAllocated() && (::GetWindowLongPtrA(Handle(), GWL_STYLE) & ES_MULTILINE) != 0;
  if (autoSelect_ && !HasControlState(csLButtonDown) && !multiLine && ::GetKeyState(VK_LBUTTON) >= 0) SelectAll();
  TWinControl::CMEnter(message);
}

void TCustomEdit::CMCtl3DChanged(TMessage& message) {
  if (HandleAllocated() && borderStyle_ == bsSingle) RecreateWnd();
}
