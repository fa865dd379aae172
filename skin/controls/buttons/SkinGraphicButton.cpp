#include "skin/controls/buttons/SkinGraphicButton.h"

#include "skin/draw/SkinLayout.h"
#include "skin/draw/SkinMask.h"

TspSkinGraphicButton::TspSkinGraphicButton(TComponent* owner)
    : TspSkinMenuSpeedButton(owner),
      images_(std::make_unique<TCustomImageList>(nullptr)),
      menu_(std::make_unique<TspSkinImagesMenu>(nullptr)) {
  menu_->SetImages(images_.get());
  SetSkinImagesMenu(menu_.get());
  UseImagesMenuImage = true;
  SetWidth(65);
}

TspSkinGraphicButton::~TspSkinGraphicButton() {
  SetSkinImagesMenu(nullptr);
  menu_.reset();
  images_->Clear();
}

void TspSkinGraphicButton::Fill() {
  InitImages();
  InitItems();
}

void TspSkinGraphicButton::SetItemIndex(Integer value) {
  menu_->ItemIndex = value;
  Repaint();
}

void TspSkinGraphicButton::Loaded() {
  TspSkinMenuSpeedButton::Loaded();
  SetSkinImagesMenu(menu_.get());
  menu_->SetSkinData(SkinData());
}

void TspSkinGraphicButton::AddPicture(const char* name, TColor transparent) {
  TBitmap picture;
  try {
    picture.LoadFromResourceName(::GetModuleHandleA(nullptr), name);
  } catch (const Exception&) {
    return;  // a program built without the pictures offers an empty grid
  }
  if (images_->Count() == 0 && images_->Width() != picture.Width())
    images_->SetSize(picture.Width(), picture.Height());
  if (transparent == clNone) images_->Add(&picture, nullptr);
  else images_->AddMasked(&picture, transparent);
}

TspImagesMenuItem* TspSkinGraphicButton::AddItem(Integer imageIndex, const String& caption, const String& hint,
                                                 bool button) {
  TspImagesMenuItem* item = menu_->ImagesItems()->Add();
  item->ImageIndex = imageIndex;
  item->Caption = caption;
  item->Hint = hint;
  item->Button = button;
  return item;
}

// ---- the pickers ----

void TspSkinGradientStyleButton::InitImages() {
  for (const char* name : {"SP_GRAD_HORZ_IN", "SP_GRAD_HORZ_OUT", "SP_GRAD_HORZ_INOUT", "SP_GRAD_VERT_IN",
                           "SP_GRAD_VERT_OUT", "SP_GRAD_VERT_INOUT"})
    AddPicture(name);
}

void TspSkinGradientStyleButton::InitItems() {
  const char* hints[] = {"HorizotalIn", "HorizotalOut", "HorizotalInOut", "VerticalIn", "VerticalOut", "VerticalInOut"};
  for (Integer i = 0; i < 6; ++i) AddItem(i, String(), hints[i]);
  Menu()->SetColumnsCount(2);
  Menu()->ItemIndex = 0;
}

void TspSkinBrushStyleButton::InitImages() {
  for (const char* name : {"SP_BRUSH_CLEAR", "SP_BRUSH_SOLID", "SP_BRUSH_CROSS", "SP_BRUSH_DCROSS", "SP_BRUSH_FD",
                           "SP_BRUSH_BD", "SP_BRUSH_H", "SP_BRUSH_V"})
    AddPicture(name);
}

void TspSkinBrushStyleButton::InitItems() {
  for (Integer i = 0; i < 8; ++i) AddItem(i);
  Menu()->SetColumnsCount(2);
  Menu()->ItemIndex = 0;
}

void TspSkinPenStyleButton::InitImages() {
  for (const char* name : {"SP_PEN_SOLID", "SP_PEN_DASH", "SP_PEN_DASHDOT", "SP_PEN_DOT", "SP_PEN_DASHDOTDOT"})
    AddPicture(name);
}

void TspSkinPenStyleButton::InitItems() {
  for (Integer i = 0; i < 5; ++i) AddItem(i);
  Menu()->SetColumnsCount(1);
  Menu()->ItemIndex = 0;
}

void TspSkinPenWidthButton::InitImages() {
  for (const char* name : {"SP_PEN1", "SP_PEN1", "SP_PEN2", "SP_PEN2", "SP_PEN2", "SP_PEN3", "SP_PEN3", "SP_PEN3",
                           "SP_PEN3", "SP_PEN4", "SP_PEN4", "SP_PEN6"})
    AddPicture(name);
}

void TspSkinPenWidthButton::InitItems() {
  const char* captions[] = {"1/4 pt", "1/2 pt",     "3/4 pt", "1 pt",         "1 1/4 pt", "1 1/2 pt",
                            "1 3/4 pt", "2 pt", "2 1/2 pt", "3 pt", "4 pt", "6 pt"};
  for (Integer i = 0; i < 12; ++i) AddItem(i, captions[i], String(), true);
  Menu()->SetColumnsCount(2);
  Menu()->ItemIndex = 0;
}

void TspSkinShadowStyleButton::InitImages() {
  Images()->SetSize(20, 20);
  for (int i = 1; i <= 21; ++i) AddPicture(("SP_SHADOW" + std::to_string(i)).c_str(), clWhite);
}

void TspSkinShadowStyleButton::InitItems() {
  AddItem(-1, "No shadow", String(), true);
  for (Integer i = 0; i < 20; ++i) AddItem(i);
  AddItem(20, "More settings", String(), true);
  Menu()->SetColumnsCount(4);
  Menu()->ItemIndex = 0;
}

// ---- XForm button ----

TspSkinXFormButton::TspSkinXFormButton(TComponent* owner) : TspSkinButton(owner) {
  for (auto& image : images_) image = std::make_unique<TBitmap>();
  SetCanFocused(false);
}

void TspSkinXFormButton::SetDefImage(const TBitmap* value) {
  images_[0]->Assign(value);
  if (images_[0]->Empty()) return;
  SetDefaultHeight(images_[0]->Height());
  SetDefaultWidth(images_[0]->Width());
}

void TspSkinXFormButton::SetDefMask(const TBitmap* value) {
  images_[3]->Assign(value);
  if (!images_[0]->Empty()) SetControlRegion();
}

void TspSkinXFormButton::SetControlRegion() {
  if (!OwnLook()) return TspSkinButton::SetControlRegion();
  if (!HandleAllocated()) return;
  HRGN region = nullptr;
  if (!images_[3]->Empty()) CreateSkinSimplyRegion(region, images_[3].get());
  ::SetWindowRgn(Handle(), region, TRUE);
  if (RegionHandle) ::DeleteObject(RegionHandle);
  RegionHandle = region;
}

void TspSkinXFormButton::ChangeSkinData() {
  GetSkinData();
  if (!OwnLook()) return TspSkinButton::ChangeSkinData();
  TspSkinButton::SetBounds(Left(), Top(), images_[0]->Width(), images_[0]->Height());
  SetControlRegion();
  Repaint();
}

void TspSkinXFormButton::SetBounds(int left, int top, int width, int height) {
  TspSkinButton::SetBounds(left, top, width, height);
  if (!OwnLook() || (Width() == images_[0]->Width() && Height() == images_[0]->Height())) return;
  TspSkinButton::SetBounds(Left(), Top(), images_[0]->Width(), images_[0]->Height());
}

void TspSkinXFormButton::Loaded() {
  TspSkinButton::Loaded();
  if (SkinRecordIndex == -1 && !images_[3]->Empty()) SetControlRegion();
}

void TspSkinXFormButton::CreateControlDefaultImage(TBitmap* b) {
  if (!OwnLook()) return TspSkinButton::CreateControlDefaultImage(b);
  TCanvas* c = b->Canvas();
  SetCanvasDefaultFont(c, DefaultFont(), SkinData());
  bool pressed = Down() && (MouseIn || GroupIndex() != 0 || (IsFocused() && !MouseHeld));
  bool hot = MouseIn || IsFocused();
  TBitmap* picture = pressed && !images_[2]->Empty() ? images_[2].get()
                     : hot && !images_[1]->Empty()   ? images_[1].get()
                                                     : images_[0].get();
  c->Draw(0, 0, picture);
  c->Font()->SetColor(pressed ? DefDownFontColor : hot ? DefActiveFontColor : DefaultFont()->Color());
  c->Brush()->SetStyle(bsClear);
  DrawGlyphAndText(c, ClientRect(), Margin(), Spacing(), Layout(), Caption(), Glyph(), NumGlyphs(),
                   GlyphNumber(Down(), MouseIn), pressed, false, clBlack);
}
