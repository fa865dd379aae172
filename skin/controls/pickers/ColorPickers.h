// The colour pickers: TspSkinColorComboBox and TspSkinColorListBox list
// named colours by ExStyle with a swatch, and an optional custom entry first
// whose colour is chosen in the skinned colour dialog.
#pragma once

#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinCustomListBox.h"
#include "skin/controls/pickers/PickerLists.h"

class TspSkinColorComboBox : public TspSkinCustomComboBox {
public:
  explicit TspSkinColorComboBox(TComponent* owner);

  TspColorBoxStyle ExStyle() const { return exStyle_; }
  void SetExStyle(TspColorBoxStyle value);
  TColor Selected();
  void SetSelected(TColor value);
  TColor DefaultColorColor() const { return defaultColorColor_; }
  void SetDefaultColorColor(TColor value);
  TColor NoneColorColor() const { return noneColorColor_; }
  void SetNoneColorColor(TColor value);
  bool ShowNames() const { return showNames_; }
  void SetShowNames(bool value);
  TColor GetColor(Integer index) const;
  String GetColorName(Integer index) const { return Items()->Strings(index); }
  void PopulateList();
  virtual bool PickCustomColor();
  void Loaded() override;

protected:
  void CreateWnd() override;
  void KeyDown(Word& key, TShiftState shift) override;

private:
  void DrawColorItem(TCanvas* c, Integer index, Integer w, Integer h, TRect text, TOwnerDrawState state);
  void CloseUpHandler(TObject*);
  String CustomName() const;

  TspColorBoxStyle exStyle_ = kDefaultColorBoxStyle;
  TColor selectedColor_ = clBlack, defaultColorColor_ = clBlack, noneColorColor_ = clBlack;
  bool showNames_ = true;
  bool populated_ = false;  // the list has been filled from ExStyle
};

class TspSkinColorListBox : public TspSkinListBox {
public:
  explicit TspSkinColorListBox(TComponent* owner);

  TspColorBoxStyle ExStyle() const { return exStyle_; }
  void SetExStyle(TspColorBoxStyle value);
  TColor Selected();
  void SetSelected(TColor value);
  TColor DefaultColorColor() const { return defaultColorColor_; }
  void SetDefaultColorColor(TColor value);
  TColor NoneColorColor() const { return noneColorColor_; }
  void SetNoneColorColor(TColor value);
  bool ShowNames() const { return showNames_; }
  void SetShowNames(bool value);
  TColor GetColor(Integer index) const;
  String GetColorName(Integer index) const { return Items()->Strings(index); }
  void PopulateList();
  virtual bool PickCustomColor();
  void Loaded() override;
  void ListBoxCreateWnd() override;
  void ListBoxDblClick() override;
  void ListBoxKeyDown(Word& key, TShiftState s) override;

private:
  void DrawColorItem(TCanvas* c, Integer index, Integer w, Integer h, TRect text, TOwnerDrawState state);

  TspColorBoxStyle exStyle_ = kDefaultColorBoxStyle;
  TColor selectedColor_ = clBlack, defaultColorColor_ = clBlack, noneColorColor_ = clBlack;
  bool showNames_ = true;
  bool populated_ = false;  // the list has been filled from ExStyle
};
