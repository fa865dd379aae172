// TCustomRichEdit and TRichEdit: the multi-line editor over the system's rich edit
// window ("RichEdit20A" of riched20.dll). It is a memo to the program: Lines, the
// selection and the edit messages work as on the memo; the caret position counts
// the window's own paragraphs, and every move of the selection is reported.
#pragma once

#include "platform/stdctrls/Memo.h"

class TCustomRichEdit : public TCustomMemo {
public:
  explicit TCustomRichEdit(TComponent* owner);

  // The caret's line and column (0-based) as the window counts them.
  TPoint CaretPos() const;

  TNotifyEvent OnSelectionChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& message) override;
  void CMColorChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  // Runs OnSelectionChange; called after every change of the selection or caret.
  virtual void SelectionChange();

private:
  void ApplyColors();
};

class TRichEdit : public TCustomRichEdit {
public:
  using TCustomRichEdit::TCustomRichEdit;
};
