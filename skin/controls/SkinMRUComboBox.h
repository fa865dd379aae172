// TspSkinMRUComboBox: a combo box that keeps its items in most-recently-used order.
#pragma once

#include "skin/controls/SkinCustomComboBox.h"

class TspSkinMRUComboBox : public TspSkinComboBox {
public:
  using TspSkinComboBox::TspSkinComboBox;

  // Puts the text first (inserting it, or moving it when present, found without
  // regard to case); nothing for an empty text. ItemIndex and Text stay.
  void AddMRUItem(const String& text);
};
