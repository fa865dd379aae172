#include "skin/controls/colors/SkinColorButton.h"

#include "skin/controls/colors/ColorStrings.h"
#include "skin/controls/colors/SkinColorDialog.h"

namespace {

constexpr TColor Rgb(int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }

bool Building(const TComponent* c) { return c->HasState(csDesigning) || c->HasState(csLoading); }

}  // namespace

TspSkinColorButton::TspSkinColorButton(TComponent* owner)
    : TspSkinMenuSpeedButton(owner), images_(std::make_unique<TCustomImageList>(nullptr)) {
  images_->SetSize(12, 12);
  menu_ = new TspSkinImagesMenu(this);
  menu_->SetImages(images_.get());
  menu_->OnItemClick = TNotifyEvent(this, &TspSkinColorButton::OnImagesMenuClick);
  menu_->OnMenuPopup = TNotifyEvent(this, &TspSkinColorButton::OnImagesMenuPopup);
  DrawColorMarker = true;
  InitColors();
}

TspSkinColorButton::~TspSkinColorButton() {
  SetSkinImagesMenu(nullptr);
  menu_->SetImages(nullptr);
  images_->Clear();
}

void TspSkinColorButton::SetColorValue(TColor value) {
  ColorValue = value;
  Repaint();
  if (!Building(this)) OnChangeColor(this);
}

void TspSkinColorButton::SetShowAutoColor(bool value) {
  showAutoColor_ = value;
  if (RebuildsOnShowChange() && !Building(this)) InitColors();
}

void TspSkinColorButton::SetShowMoreColor(bool value) {
  showMoreColor_ = value;
  if (RebuildsOnShowChange() && !Building(this)) InitColors();
}

void TspSkinColorButton::SetColorDialog(TspSkinColorDialog* value) {
  colorDialog_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinColorButton::Notification(TComponent* component, TOperation operation) {
  TspSkinMenuSpeedButton::Notification(component, operation);
  if (operation == opRemove && component == colorDialog_) colorDialog_ = nullptr;
}

void TspSkinColorButton::Loaded() {
  TspSkinMenuSpeedButton::Loaded();
  InitColors();
}

std::vector<TColor> TspSkinColorButton::PaletteColors() const {
  return {Rgb(0, 0, 0),       Rgb(153, 51, 0),    Rgb(51, 51, 0),     Rgb(0, 51, 0),      Rgb(0, 51, 102),
          Rgb(0, 0, 128),     Rgb(51, 51, 53),    Rgb(51, 51, 51),    Rgb(128, 0, 0),     Rgb(255, 102, 0),
          Rgb(128, 128, 0),   Rgb(0, 128, 0),     Rgb(0, 128, 128),   Rgb(0, 0, 255),     Rgb(102, 102, 153),
          Rgb(128, 128, 128), Rgb(255, 0, 0),     Rgb(255, 153, 0),   Rgb(153, 204, 0),   Rgb(51, 153, 102),
          Rgb(51, 204, 204),  Rgb(51, 102, 255),  Rgb(128, 0, 128),   Rgb(153, 153, 153), Rgb(255, 0, 255),
          Rgb(255, 204, 0),   Rgb(255, 255, 0),   Rgb(0, 255, 0),     Rgb(0, 255, 255),   Rgb(0, 204, 255),
          Rgb(153, 51, 102),  Rgb(192, 192, 192), Rgb(255, 153, 204), Rgb(255, 204, 153), Rgb(255, 255, 153),
          Rgb(204, 255, 204), Rgb(204, 255, 255), Rgb(153, 204, 255), Rgb(204, 153, 255), Rgb(255, 255, 255)};
}

TspImagesMenuItem* TspSkinColorButton::AddItem(Integer imageIndex, TColor color, bool button, const String& caption) {
  TspImagesMenuItem* item = menu_->ImagesItems()->Add();
  item->ImageIndex = imageIndex;
  item->Tag = static_cast<Integer>(color);
  item->Button = button;
  item->Caption = caption;
  return item;
}

// A skin whose interface strings lack the entry's name keeps the built-in caption.
void TspSkinColorButton::InitColors() {
  SetSkinImagesMenu(menu_);
  SetSkinPopupMenu(nullptr);
  images_->Clear();
  menu_->ImagesItems()->Clear();
  menu_->SetColumnsCount(8);
  menu_->SetSkinData(SkinData());
  menu_->ItemIndex = 0;
  if (showAutoColor_) AddItem(0, AutoColor, true, ColorControlText(SkinData(), "AUTOCOLOR", SP_AUTOCOLOR));
  Integer index = 1;
  for (TColor color : PaletteColors()) AddItem(index++, color, false, String());
  auto addImage = [this](TColor color) {
    TBitmap image(12, 12);
    image.Canvas()->Brush()->SetColor(color);
    image.Canvas()->FillRect(TRect{0, 0, 12, 12});
    images_->Add(&image, nullptr);
  };
  if (!showAutoColor_) addImage(clBlack);
  for (int i = 0; i < menu_->ImagesItems()->Count(); ++i) addImage(static_cast<TColor>(menu_->ImagesItems()->Items(i)->Tag));
  if (showMoreColor_) AddItem(-1, 0, true, ColorControlText(SkinData(), "MORECOLORS", SP_MORECOLORS));
}

void TspSkinColorButton::OnImagesMenuPopup(TObject*) {
  int count = menu_->ImagesItems()->Count() - (showMoreColor_ ? 1 : 0);
  for (int i = 0; i < count; ++i) {
    if (ColorToRGB(static_cast<TColor>(menu_->ImagesItems()->Items(i)->Tag)) == ColorToRGB(ColorValue)) {
      menu_->ItemIndex = i;
      return;
    }
  }
  menu_->ItemIndex = showMoreColor_ ? count : -1;
}

void TspSkinColorButton::OnImagesMenuClick(TObject*) {
  Integer index = menu_->ItemIndex;
  if (index < 0 || index >= menu_->ImagesItems()->Count()) return;
  bool more = showMoreColor_ && index == menu_->ImagesItems()->Count() - 1;
  if (!more) return SetColorValue(static_cast<TColor>(menu_->ImagesItems()->Items(index)->Tag));
  if (colorDialog_) {
    colorDialog_->Color = ColorValue;
    if (colorDialog_->Execute()) SetColorValue(colorDialog_->Color);
    return;
  }
  auto dialog = std::make_unique<TspSkinColorDialog>(this);
  dialog->SetSkinData(SkinData());
  dialog->SetCtrlSkinData(SkinData());
  dialog->Color = ColorValue;
  if (dialog->Execute()) SetColorValue(dialog->Color);
}

// ---- the text colour button ----

TspSkinTextColorButton::TspSkinTextColorButton(TComponent* owner) : TspSkinColorButton(owner) {
  // Its palette is built when it is loaded.
  PaletteMenu()->ImagesItems()->Clear();
  PaletteImages()->Clear();
}

std::vector<TColor> TspSkinTextColorButton::PaletteColors() const {
  return {0x000000, 0x808080, 0x000080, 0x008080, 0x008000, 0x800000, 0x808000, 0x800080,
          0xFFFFFF, 0xC0C0C0, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF};
}
