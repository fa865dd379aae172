// TspSkinGraphicButton: a menu speed button that owns an image grid menu and
// shows the chosen picture on its face; its five style pickers fill the grid
// from pictures stored with the program (gradients, brushes, pen styles and
// widths, shadows). TspSkinXFormButton: a push button that, without a skin
// record, draws itself from bitmaps of its own and takes its shape from a mask.
#pragma once

#include <memory>

#include "skin/controls/SkinButton.h"
#include "skin/controls/buttons/SkinMenuSpeedButton.h"
#include "skin/menus/SkinImagesMenu.h"

class TspSkinGraphicButton : public TspSkinMenuSpeedButton {
public:
  explicit TspSkinGraphicButton(TComponent* owner);
  ~TspSkinGraphicButton() override;

  Integer ItemIndex() const { return menu_->ItemIndex; }
  void SetItemIndex(Integer value);  // stores without a range test, repaints
  TspSkinHint* MenuSkinHint() const { return menu_->SkinHint(); }
  void SetMenuSkinHint(TspSkinHint* value) { menu_->SetSkinHint(value); }
  bool MenuShowHints() const { return menu_->ShowHints; }
  void SetMenuShowHints(bool value) { menu_->ShowHints = value; }
  TspImagesMenuItems* GraphicItems() const { return menu_->ImagesItems(); }
  bool MenuUseSkinFont() const { return menu_->UseSkinFont; }
  void SetMenuUseSkinFont(bool value) { menu_->UseSkinFont = value; }
  TFont* MenuDefaultFont() const { return menu_->DefaultFont(); }
  void SetMenuDefaultFont(const TFont* value) { menu_->SetDefaultFont(value); }
  bool MenuAlphaBlend() const { return menu_->AlphaBlend; }
  void SetMenuAlphaBlend(bool value) { menu_->AlphaBlend = value; }
  Integer MenuAlphaBlendValue() const { return menu_->AlphaBlendValue; }
  void SetMenuAlphaBlendValue(Integer value) { menu_->AlphaBlendValue = static_cast<Byte>(value); }
  bool MenuAlphaBlendAnimation() const { return menu_->AlphaBlendAnimation; }
  void SetMenuAlphaBlendAnimation(bool value) { menu_->AlphaBlendAnimation = value; }

  TspImagesMenuItem* GetSelectedItem() const { return menu_->GetSelectedItem(); }
  TspSkinImagesMenu* Menu() const { return menu_.get(); }
  TCustomImageList* Images() const { return images_.get(); }
  void Loaded() override;

protected:
  virtual void InitImages() {}
  virtual void InitItems() {}
  // The picture `name` of the program added to the list (with a fixed transparent colour).
  void AddPicture(const char* name, TColor transparent = clNone);
  TspImagesMenuItem* AddItem(Integer imageIndex, const String& caption = String(), const String& hint = String(),
                             bool button = false);
  // Runs the pickers' filling once their object is complete.
  void Fill();

private:
  std::unique_ptr<TCustomImageList> images_;
  std::unique_ptr<TspSkinImagesMenu> menu_;
};

class TspSkinGradientStyleButton : public TspSkinGraphicButton {
public:
  explicit TspSkinGradientStyleButton(TComponent* owner) : TspSkinGraphicButton(owner) { Fill(); }

protected:
  void InitImages() override;
  void InitItems() override;
};

class TspSkinBrushStyleButton : public TspSkinGraphicButton {
public:
  explicit TspSkinBrushStyleButton(TComponent* owner) : TspSkinGraphicButton(owner) { Fill(); }

protected:
  void InitImages() override;
  void InitItems() override;
};

class TspSkinPenStyleButton : public TspSkinGraphicButton {
public:
  explicit TspSkinPenStyleButton(TComponent* owner) : TspSkinGraphicButton(owner) { Fill(); }

protected:
  void InitImages() override;
  void InitItems() override;
};

class TspSkinPenWidthButton : public TspSkinGraphicButton {
public:
  explicit TspSkinPenWidthButton(TComponent* owner) : TspSkinGraphicButton(owner) { Fill(); }

protected:
  void InitImages() override;
  void InitItems() override;
};

class TspSkinShadowStyleButton : public TspSkinGraphicButton {
public:
  explicit TspSkinShadowStyleButton(TComponent* owner) : TspSkinGraphicButton(owner) { Fill(); }

protected:
  void InitImages() override;
  void InitItems() override;
};

class TspSkinXFormButton : public TspSkinButton {
public:
  explicit TspSkinXFormButton(TComponent* owner);

  TBitmap* DefImage() const { return images_[0].get(); }  // the four bitmaps: owned
  void SetDefImage(const TBitmap* value);
  TBitmap* DefActiveImage() const { return images_[1].get(); }
  void SetDefActiveImage(const TBitmap* value) { images_[1]->Assign(value); }
  TBitmap* DefDownImage() const { return images_[2].get(); }
  void SetDefDownImage(const TBitmap* value) { images_[2]->Assign(value); }
  TBitmap* DefMask() const { return images_[3].get(); }
  void SetDefMask(const TBitmap* value);
  TColor DefActiveFontColor = 0, DefDownFontColor = 0;

  void Loaded() override;
  void SetBounds(int left, int top, int width, int height) override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void ChangeSkinData() override;
  void SetControlRegion() override;

private:
  bool OwnLook() { return SkinRecordIndex == -1 && !images_[0]->Empty(); }
  std::unique_ptr<TBitmap> images_[4];
};
