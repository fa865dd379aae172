// TspSkinEdit and TspSkinMaskEdit: the published forms of the skinned edit; they
// add no behaviour (the registration unit publishes their properties).
#pragma once

#include "skin/controls/SkinCustomEdit.h"

class TspSkinEdit : public TspSkinCustomEdit {
public:
  using TspSkinCustomEdit::TspSkinCustomEdit;
};

class TspSkinMaskEdit : public TspSkinEdit {
public:
  using TspSkinEdit::TspSkinEdit;
};
