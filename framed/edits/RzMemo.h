// TRzMemo: the framed multi-line editor over the platform memo: the frame and
// colours of the framed edits, the caret's line and column, clipboard reports,
// wheel scrolling by lines and Enter as Tab.
#pragma once

#include "framed/edits/RzMultiLineEdit.h"
#include "platform/stdctrls/Memo.h"

class TRzMemo : public TRzMultiLineEdit<TMemo> {
public:
  using TRzMultiLineEdit<TMemo>::TRzMultiLineEdit;
};
