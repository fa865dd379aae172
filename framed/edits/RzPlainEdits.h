// TRzEdit and TRzMaskEdit: the published framed edits on the framed edit base:
// the plain edit, and the edit with the platform's edit mask whose right-aligned
// text is the text as shown, mask literals included.
#pragma once

#include "framed/controls/RzEdit.h"

class TRzEdit : public TRzCustomEdit {
public:
  using TRzCustomEdit::TRzCustomEdit;
};

class TRzMaskEdit : public TRzCustomEdit {
public:
  using TRzCustomEdit::TRzCustomEdit;

protected:
  String GetRightJustifiedText() override { return EditText(); }
};
