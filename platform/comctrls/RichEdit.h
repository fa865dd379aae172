// The rich edit over the system's rich edit 2 control ("RichEdit20A"): a memo
// whose window is the rich edit, which reports its text changes and keeps its
// scroll state for both directions.
#pragma once

#include "platform/stdctrls/Memo.h"

class TCustomRichEdit : public TCustomMemo {
public:
  explicit TCustomRichEdit(TComponent* owner);

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
};

class TRichEdit : public TCustomRichEdit {
public:
  using TCustomRichEdit::TCustomRichEdit;
};
