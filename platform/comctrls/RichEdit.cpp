#include "platform/comctrls/RichEdit.h"

#include <richedit.h>

namespace {
// The rich edit 2 window class comes with its module, loaded once for the run.
void LoadRichEditModule() {
  static HMODULE module = ::LoadLibraryA("riched20.dll");
  (void)module;
}
}  // namespace

TCustomRichEdit::TCustomRichEdit(TComponent* owner) : TCustomMemo(owner) { LoadRichEditModule(); }

void TCustomRichEdit::CreateParams(TCreateParams& params) {
  TCustomMemo::CreateParams(params);
  CreateSubClass(params, RICHEDIT_CLASSA);
}

// The rich edit reports changes only when asked to.
void TCustomRichEdit::CreateWnd() {
  TCustomMemo::CreateWnd();
  ::SendMessageA(Handle(), EM_SETEVENTMASK, 0, ENM_CHANGE);
}
