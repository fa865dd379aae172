#include "skin/controls/edits2/SkinPasswordEdit.h"

#include <algorithm>

#include "platform/controls/Messages.h"
#include "skin/draw/SPUtils.h"

TspSkinPasswordEdit::TspSkinPasswordEdit(TComponent* owner) : TspSkinCustomControl(owner) {
  SkinDataName = "edit";
  ControlStyle |= csCaptureMouse;
  ControlStyle &= ~csSetCaption;
  SetTabStop(true);
  SetWidth(121);
  SetHeight(21);
  SetColor(clWindow);
  TControl::SetCursor(crIBeam);
}

// ---- text ----

void TspSkinPasswordEdit::SetText(const String& value) {
  if (!ValidText(value)) return;
  String s = value;
  if (charCase_ != ecNormal && !s.empty()) {
    if (charCase_ == ecUpperCase) ::CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
    else ::CharLowerBuffA(s.data(), static_cast<DWORD>(s.size()));
  }
  bool changed = s != text_;
  text_ = s;
  Invalidate();
  if (changed) Change();
}

void TspSkinPasswordEdit::Change() {
  Perform(CM_CHANGED, 0, 0);
  if (Enabled() && HandleAllocated()) SetCaretPosition(caretPosition_);
  OnChange(this);
}

void TspSkinPasswordEdit::SetCharCase(TEditCharCase value) {
  if (value == charCase_) return;
  charCase_ = value;
  if (!text_.empty()) SetText(text_);
}

void TspSkinPasswordEdit::SetHideSelection(bool value) {
  if (value == hideSelection_) return;
  hideSelection_ = value;
  Invalidate();
}

void TspSkinPasswordEdit::SetTextAlignment(TAlignment value) {
  if (value == textAlignment_) return;
  textAlignment_ = value;
  Invalidate();
}

void TspSkinPasswordEdit::SetPasswordKind(TspPasswordKind value) {
  if (value == passwordKind_) return;
  passwordKind_ = value;
  Invalidate();
}

void TspSkinPasswordEdit::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (SkinRecordIndex == -1) Invalidate();
}

void TspSkinPasswordEdit::SetCursor(TCursor value) { TControl::SetCursor(value == crDefault ? crIBeam : value); }

// ---- caret and selection ----

// The anchor stays inside the text too, so a later selection never reaches
// characters that are not there.
void TspSkinPasswordEdit::SetCaretPosition(Integer value) {
  auto length = static_cast<Integer>(text_.size());
  caretPosition_ = std::clamp<Integer>(value, 0, length);
  UpdateFirstVisibleChar();
  if (selLength_ == 0) selAnchor_ = caretPosition_;
  if (HandleAllocated() && Focused()) PlaceCaret();
}

void TspSkinPasswordEdit::PlaceCaret() { ::SetCaretPos(GetCharX(caretPosition_), GetEditRect().Top); }

Integer TspSkinPasswordEdit::SelStart() const {
  if (selLength_ > 0) return selAnchor_;
  if (selLength_ < 0) return selAnchor_ + selLength_;
  return caretPosition_;
}

void TspSkinPasswordEdit::SetSelLength(Integer value) {
  if (value == selLength_) return;
  selLength_ = value;
  Invalidate();
}

void TspSkinPasswordEdit::SetSelStart(Integer value) {
  if (value == selAnchor_) return;
  selLength_ = 0;
  selAnchor_ = value;
  SetCaretPosition(value);
  Invalidate();
}

String TspSkinPasswordEdit::SelText() const {
  auto start = static_cast<size_t>(std::clamp<Integer>(SelStart(), 0, static_cast<Integer>(text_.size())));
  return text_.substr(start, static_cast<size_t>(SelLength()));
}

void TspSkinPasswordEdit::SelectAll() {
  SetCaretPosition(static_cast<Integer>(text_.size()));
  SetSelStart(0);
  SetSelLength(static_cast<Integer>(text_.size()));
  Invalidate();
}

void TspSkinPasswordEdit::ClearSelection() {
  if (ReadOnly) return;
  Integer start = SelStart();
  String s = text_;
  s.erase(static_cast<size_t>(start), static_cast<size_t>(SelLength()));
  selLength_ = 0;
  SetText(s);
  SetCaretPosition(start);
}

// A text that would pass MaxLength is refused whole.
void TspSkinPasswordEdit::InsertText(const String& inserted) {
  if (ReadOnly) return;
  Integer start = std::clamp<Integer>(SelStart(), 0, static_cast<Integer>(text_.size()));
  String s = text_;
  s.erase(static_cast<size_t>(start), std::min<size_t>(static_cast<size_t>(SelLength()), s.size() - start));
  s.insert(static_cast<size_t>(start), inserted);
  if (MaxLength > 0 && static_cast<Integer>(s.size()) > MaxLength) {
    SetSelLength(0);
    return;
  }
  selLength_ = 0;
  SetText(s);
  SetCaretPosition(start + static_cast<Integer>(inserted.size()));
  Invalidate();
}

void TspSkinPasswordEdit::PasteFromClipboard() {
  if (ReadOnly || !::OpenClipboard(nullptr)) return;
  String pasted;
  if (HANDLE wide = ::GetClipboardData(CF_UNICODETEXT)) {
    if (auto* w = static_cast<const wchar_t*>(::GlobalLock(wide))) {
      int n = ::WideCharToMultiByte(CP_ACP, 0, w, -1, nullptr, 0, nullptr, nullptr);
      if (n > 1) {
        pasted.resize(static_cast<size_t>(n));
        ::WideCharToMultiByte(CP_ACP, 0, w, -1, pasted.data(), n, nullptr, nullptr);
        pasted.resize(static_cast<size_t>(n - 1));
      }
      ::GlobalUnlock(wide);
    }
  } else if (HANDLE plain = ::GetClipboardData(CF_TEXT)) {
    if (auto* a = static_cast<const char*>(::GlobalLock(plain))) {
      pasted = a;
      ::GlobalUnlock(plain);
    }
  }
  ::CloseClipboard();
  InsertText(pasted);
}

void TspSkinPasswordEdit::InsertAfter(Integer position, const String& s, bool select) {
  position = std::clamp<Integer>(position, 0, static_cast<Integer>(text_.size()));
  String inserted = s;
  if (MaxLength > 0) {
    Integer room = std::max<Integer>(MaxLength - static_cast<Integer>(text_.size()), 0);
    if (static_cast<Integer>(inserted.size()) > room) inserted.resize(static_cast<size_t>(room));
  }
  String result = text_;
  result.insert(static_cast<size_t>(position), inserted);
  SetText(result);
  if (!select) return;
  selAnchor_ = position;
  selLength_ = static_cast<Integer>(inserted.size());
  caretPosition_ = position + selLength_;
  UpdateFirstVisibleChar();
}

void TspSkinPasswordEdit::DeleteFrom(Integer position, Integer count, bool select) {
  Integer start = std::clamp<Integer>(position - 1, 0, static_cast<Integer>(text_.size()));
  String result = text_;
  result.erase(static_cast<size_t>(start), static_cast<size_t>(std::max<Integer>(count, 0)));
  SetText(result);
  if (!select) return;
  selLength_ = 0;
  SetSelStart(start);
}

// ---- word steps ----

Integer TspSkinPasswordEdit::GetPrivWordBeging(Integer p) const {
  p = std::clamp<Integer>(p, 0, static_cast<Integer>(text_.size()));
  while (p > 0 && text_[static_cast<size_t>(p - 1)] == ' ') --p;
  while (p > 0 && text_[static_cast<size_t>(p - 1)] != ' ') --p;
  return p;
}

// Never scans the last character: a text ending in a word steps to its end.
Integer TspSkinPasswordEdit::GetNextWordBeging(Integer p) const {
  auto length = static_cast<Integer>(text_.size());
  p = std::max<Integer>(p, 0);
  if (p >= length - 1) return length;
  bool word = false, gap = false;
  for (Integer j = p; j <= length - 2; ++j) {
    if (text_[static_cast<size_t>(j)] != ' ') {
      if (gap) return j;
      word = true;
    } else if (word) {
      gap = true;
    }
  }
  return text_[static_cast<size_t>(length - 2)] == ' ' ? length - 1 : length;
}

void TspSkinPasswordEdit::SelectWord() {
  Integer start = GetPrivWordBeging(caretPosition_);
  Integer end = GetNextWordBeging(start);
  selLength_ = 0;
  SetSelStart(start);
  SetSelLength(end - start);
  caretPosition_ = end;
  UpdateFirstVisibleChar();
  if (HandleAllocated() && Focused()) PlaceCaret();
}

// ---- keys and mouse ----

void TspSkinPasswordEdit::KeyDown(Word& key, TShiftState shift) {
  TspSkinCustomControl::KeyDown(key, shift);
  Integer before = caretPosition_;
  bool ctrl = (shift & ssCtrl) != 0, withShift = (shift & ssShift) != 0;
  Integer target = -1;
  switch (key) {
    case VK_BACK:
    case VK_DELETE: {
      if (ReadOnly) break;
      if (SelLength() > 0) {
        ClearSelection();
        break;
      }
      String s = text_;
      if (key == VK_DELETE && before < static_cast<Integer>(s.size())) {
        s.erase(static_cast<size_t>(before), 1);
      } else if (key == VK_BACK && before > 0) {
        s.erase(static_cast<size_t>(before - 1), 1);
        caretPosition_ = before - 1;
      }
      SetText(s);
      SetCaretPosition(caretPosition_);
      break;
    }
    case VK_END: target = static_cast<Integer>(text_.size()); break;
    case VK_HOME: target = 0; break;
    case VK_LEFT: target = ctrl ? GetPrivWordBeging(before) : before - 1; break;
    case VK_RIGHT: target = ctrl ? GetNextWordBeging(before) : before + 1; break;
    case VK_INSERT:
      if (shift == ssShift) PasteFromClipboard();
      break;
    case 'V':
      if (shift == ssCtrl) PasteFromClipboard();
      break;
    default:
      break;
  }
  if (target != -1) {
    Integer length = selLength_;
    SetCaretPosition(target);
    // With Shift the far end stays where it was and the caret side moves.
    selLength_ = withShift ? length + (before - caretPosition_) : 0;
    selAnchor_ = caretPosition_;
    Invalidate();
  }
  if (HandleAllocated() && Focused()) PlaceCaret();
}

void TspSkinPasswordEdit::KeyPress(char& key) {
  TspSkinCustomControl::KeyPress(key);
  if (static_cast<unsigned char>(key) >= 32 && !ReadOnly) InsertChar(key);
}

void TspSkinPasswordEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  mouseSelecting_ = true;
  if (CanFocus() && !Focused()) SetFocus();
  selLength_ = 0;
  SetCaretPosition(GetCoordinatePosition(x));
  Invalidate();
}

void TspSkinPasswordEdit::MouseMove(TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseMove(shift, x, y);
  if (!mouseSelecting_) return;
  Integer before = caretPosition_;
  Integer target = GetCoordinatePosition(x) + (x > GetEditRect().Right ? 1 : 0);
  Integer length = selLength_;
  SetCaretPosition(target);
  selAnchor_ = caretPosition_;
  selLength_ = length + (before - caretPosition_);
  Invalidate();
}

void TspSkinPasswordEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  mouseSelecting_ = false;
}

void TspSkinPasswordEdit::DblClick() {
  TspSkinCustomControl::DblClick();
  mouseSelecting_ = false;
  SelectWord();
}

// ---- focus and caret ----

Integer TspSkinPasswordEdit::EditAreaHeight() {
  if (SkinRecordIndex == -1) return Height() - 4;
  Integer h = RectHeight(RealClientRect);
  if (!UseSkinFont) h += Height() - RectHeight(skinrect);
  return h;
}

void TspSkinPasswordEdit::UpdateCarete() {
  ::CreateCaret(Handle(), nullptr, 0, EditAreaHeight());
  PlaceCaret();
  ShowCaret();
}

void TspSkinPasswordEdit::ShowCaret() {
  if (HandleAllocated()) ::ShowCaret(Handle());
}

void TspSkinPasswordEdit::HideCaret() {
  if (HandleAllocated()) ::HideCaret(Handle());
}

void TspSkinPasswordEdit::Loaded() {
  TspSkinCustomControl::Loaded();
  HideCaret();
}

void TspSkinPasswordEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_SETFOCUS:
      TspSkinCustomControl::Dispatch(message);
      UpdateCarete();
      SetCaretPosition(0);
      if (AutoSelect) SelectAll();
      return Invalidate();
    case WM_KILLFOCUS:
      TspSkinCustomControl::Dispatch(message);
      ::DestroyCaret();
      return Invalidate();
    case CM_FONTCHANGED:
      TspSkinCustomControl::Dispatch(message);
      if (HandleAllocated() && Focused()) UpdateCarete();
      return;
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(message);
      SetText(TControl::Text());
      selLength_ = 0;
      return Invalidate();
    case CM_ENABLEDCHANGED:
      TspSkinCustomControl::Dispatch(message);
      if (HandleAllocated()) Invalidate();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(message);
      mouseIn_ = message.Msg == CM_MOUSEENTER;
      if (!(HandleAllocated() && Focused())) Invalidate();
      return;
    default:
      break;
  }
  TspSkinCustomControl::Dispatch(message);
}
