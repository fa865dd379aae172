#include "platform/comctrls/RichEdit.h"

#include <richedit.h>

#include "platform/controls/Messages.h"

namespace {

// The rich edit classes live in riched20.dll, loaded once for the program's life.
void LoadRichEditLibrary() {
  static HMODULE library = ::LoadLibraryA("riched20.dll");
  if (!library) throw EOSError("The rich edit library riched20.dll could not be loaded");
}

COLORREF Rgb(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return RGB(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

}  // namespace

TCustomRichEdit::TCustomRichEdit(TComponent* owner) : TCustomMemo(owner) {}

void TCustomRichEdit::CreateParams(TCreateParams& params) {
  LoadRichEditLibrary();
  TCustomMemo::CreateParams(params);
  CreateSubClass(params, RICHEDIT_CLASSA);
}

void TCustomRichEdit::CreateWnd() {
  TCustomMemo::CreateWnd();
  // The window reports changes and selection moves only when asked to.
  ::SendMessageA(Handle(), EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
  ApplyColors();
}

// The rich edit window asks no one for its colours: it is told them.
void TCustomRichEdit::ApplyColors() {
  if (!HandleAllocated()) return;
  ::SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(Rgb(Color())));
  CHARFORMAT2A format = {};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_COLOR | CFM_FACE | CFM_SIZE;
  format.crTextColor = Rgb(Font()->Color());
  format.yHeight = Font()->Size() * 20;  // twips
  lstrcpynA(format.szFaceName, Font()->Name().c_str(), LF_FACESIZE);
  ::SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  ::SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

void TCustomRichEdit::CMColorChanged(TMessage& message) {
  TCustomMemo::CMColorChanged(message);
  ApplyColors();
}

void TCustomRichEdit::CMFontChanged(TMessage& message) {
  TCustomMemo::CMFontChanged(message);
  ApplyColors();
}

TPoint TCustomRichEdit::CaretPos() const {
  if (!HandleAllocated()) return TPoint{};
  CHARRANGE range = {};
  SendToWindow(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  const int line = static_cast<int>(SendToWindow(EM_EXLINEFROMCHAR, 0, range.cpMax));
  const int start = static_cast<int>(SendToWindow(EM_LINEINDEX, static_cast<WPARAM>(line), 0));
  return TPoint{range.cpMax - start, line};
}

void TCustomRichEdit::SelectionChange() { OnSelectionChange(this); }

void TCustomRichEdit::Dispatch(TMessage& message) {
  if (message.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(message.LParam)->code == EN_SELCHANGE) {
    if (!HasControlState(csCreating)) SelectionChange();
    message.Result = 0;
    return;
  }
  TCustomMemo::Dispatch(message);
}
