// TRzRichEdit: the framed editor over the platform rich edit. It counts lines and
// columns by the rich edit's caret, reports the clipboard after every selection
// change, and when disabled keeps drawing its text in its own colours: only the
// window's disabled style is set, so input is refused while the text stays readable.
#pragma once

#include "framed/edits/RzMultiLineEdit.h"
#include "platform/comctrls/RichEdit.h"

class TRzRichEdit : public TRzMultiLineEdit<TRichEdit> {
public:
  using TRzMultiLineEdit<TRichEdit>::TRzMultiLineEdit;

  int GetLine() override { return CaretPos().Y + 1; }
  int GetColumn() override { return CaretPos().X + 1; }

protected:
  void SelectionChange() override;
  void CMEnabledChanged(TMessage& message) override;
};
