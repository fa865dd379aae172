// TspSkinComboBoxEx: a combo box whose items carry an indent and images
// (ItemsEx), drawn before each entry in the drop-down list and on the face.
#pragma once

#include <memory>

#include "skin/controls/ComboExItems.h"
#include "skin/controls/SkinCustomComboBox.h"

class TspSkinComboBoxEx : public TspSkinCustomComboBox {
public:
  explicit TspSkinComboBoxEx(TComponent* owner);
  ~TspSkinComboBoxEx() override;

  TspComboExItems* ItemsEx() const { return itemsEx_.get(); }  // owned
  void SetItemsEx(const TspComboExItems* value) { itemsEx_->Assign(value); }
  void ClearItemsEx() { itemsEx_->Clear(); }

  void Loaded() override;

  // The list entry's and the face's drawing (public for the tests).
  void DrawItem(TCanvas* canvas, Integer index, Integer width, Integer height, TRect textRect, TOwnerDrawState state);
  void ComboDrawItem(TCanvas* canvas, Integer index, Integer width, Integer height, TRect textRect,
                     TOwnerDrawState state);

private:
  std::unique_ptr<TspComboExItems> itemsEx_;
};
