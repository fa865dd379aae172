#include "framed/edits/RzRichEdit.h"

#include "platform/controls/CustomForm.h"

void TRzRichEdit::SelectionChange() {
  TRzMultiLineEdit<TRichEdit>::SelectionChange();
  ClipboardChange();
}

// Disabling sets only the window's disabled style: the window refuses input but
// is not told to draw itself greyed.
void TRzRichEdit::CMEnabledChanged(TMessage&) {
  if (!Enabled() && Parent())
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, false);
  if (HandleAllocated() && !HasState(csDesigning)) {
    if (Enabled()) {
      ::EnableWindow(Handle(), TRUE);
    } else {
      const LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE);
      ::SetWindowLongPtrA(Handle(), GWL_STYLE, style | WS_DISABLED);
    }
  }
  Invalidate();
  UpdateColors();
}
