// The drop-down colour buttons: a menu speed button whose image grid menu
// offers a palette (with an automatic entry first and a more-colours entry
// last) and whose content is marked with the chosen colour. The more-colours
// entry opens the skinned colour dialog. TspSkinBrushColorButton is the same
// button under a second name; TspSkinTextColorButton has a 16-colour palette
// built when it is loaded.
#pragma once

#include <memory>

#include "platform/graphics/ImageList.h"
#include "skin/controls/buttons/SkinMenuSpeedButton.h"
#include "skin/menus/SkinImagesMenu.h"

class TspSkinColorDialog;

class TspSkinColorButton : public TspSkinMenuSpeedButton {
public:
  explicit TspSkinColorButton(TComponent* owner);
  ~TspSkinColorButton() override;

  TColor AutoColor = 0;
  TColor GetColorValue() const { return ColorValue; }
  // Stores, repaints and reports, also an unchanged colour.
  void SetColorValue(TColor value);
  bool ShowAutoColor() const { return showAutoColor_; }
  void SetShowAutoColor(bool value);
  bool ShowMoreColor() const { return showMoreColor_; }
  void SetShowMoreColor(bool value);
  TspSkinColorDialog* ColorDialog() const { return colorDialog_; }
  void SetColorDialog(TspSkinColorDialog* value);
  TspSkinImagesMenu* PaletteMenu() const { return menu_; }  // owned
  TCustomImageList* PaletteImages() const { return images_.get(); }  // owned
  TNotifyEvent OnChangeColor;

  void InitColors();
  void OnImagesMenuPopup(TObject*);
  void OnImagesMenuClick(TObject*);
  void Loaded() override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  // The palette after the automatic entry.
  virtual std::vector<TColor> PaletteColors() const;
  virtual bool RebuildsOnShowChange() const { return true; }

private:
  TspImagesMenuItem* AddItem(Integer imageIndex, TColor color, bool button, const String& caption);

  std::unique_ptr<TCustomImageList> images_;
  TspSkinImagesMenu* menu_;  // owned (a component of this button)
  TspSkinColorDialog* colorDialog_ = nullptr;  // borrowed, freed-notified
  bool showAutoColor_ = true, showMoreColor_ = true;
};

class TspSkinBrushColorButton : public TspSkinColorButton {
public:
  using TspSkinColorButton::TspSkinColorButton;
};

class TspSkinTextColorButton : public TspSkinColorButton {
public:
  explicit TspSkinTextColorButton(TComponent* owner);

protected:
  std::vector<TColor> PaletteColors() const override;
  bool RebuildsOnShowChange() const override { return false; }
};
