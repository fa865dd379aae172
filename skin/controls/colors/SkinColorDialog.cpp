#include "skin/controls/colors/SkinColorDialog.h"

#include <cstdint>

#include "platform/controls/Forms.h"
#include "platform/stdctrls/Image.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/controls/colors/ColorStrings.h"
#include "skin/controls/colors/ColorViewer.h"
#include "skin/controls/colors/SkinColorGrids.h"
#include "skin/controls/edits2/SkinTrackEdit.h"
#include "skin/draw/ParentImage.h"
#include "skin/form/DynamicSkinForm.h"

namespace {

void SetArial(TFont* font) {
  font->SetName("Arial");
  font->SetStyle(0);
  font->SetHeight(14);
}

}  // namespace

TspSkinColorDialog::TspSkinColorDialog(TComponent* owner)
    : TComponent(owner),
      labelFont_(std::make_unique<TFont>()),
      buttonFont_(std::make_unique<TFont>()),
      editFont_(std::make_unique<TFont>()) {
  SetArial(labelFont_.get());
  SetArial(buttonFont_.get());
  SetArial(editFont_.get());
  UserColors.fill(0xFFFFFF);
}

TspSkinColorDialog::~TspSkinColorDialog() = default;

void TspSkinColorDialog::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinColorDialog::SetCtrlSkinData(TspSkinData* value) {
  ctrlSkinData_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinColorDialog::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == ctrlSkinData_) ctrlSkinData_ = nullptr;
}

void TspSkinColorDialog::ForgetControls() {
  ColorGrid = nullptr;
  CustomColorGrid = nullptr;
  Swatch = nullptr;
  Wheel = nullptr;
  REdit = GEdit = BEdit = HEdit = SEdit = LEdit = nullptr;
}

// ---- the wheel ----

namespace {

void PutPixel(TBitmap* b, int x, int y, const TRGB& c) {
  if (x < 0 || y < 0 || x >= b->Width() || y >= b->Height()) return;
  auto* row = static_cast<std::uint32_t*>(b->ScanLine(y));
  row[x] = (static_cast<std::uint32_t>(c.R) << 16) | (static_cast<std::uint32_t>(c.G) << 8) | c.B;
}

bool InEllipse(const TRect& r, double x, double y) {
  double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
  double cx = r.Left + rx, cy = r.Top + ry;
  double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
  return dx * dx + dy * dy <= 1;
}

}  // namespace

void TspSkinColorDialog::InitPSPPalette() {
  TBitmap* image = Wheel->Picture()->Bitmap();
  image->SetPixelFormat(pf32bit);
  image->SetSize(195, 195);
  TCanvas* c = image->Canvas();
  if (ctrlSkinData_ && !ctrlSkinData_->Empty && ctrlSkinData_->GetControlIndex("panel") != -1 && Wheel->Parent()) {
    GetParentImage(Wheel->Parent(), c);
  } else {
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect{0, 0, 195, 195});
  }
  TRGB hues[360];
  for (int i = 0; i < 360; ++i) hues[i] = HSLToRGB(THSL{i / 359.0, 1.0, 0.47});
  for (int y = 0; y < 195; ++y)
    for (int x = 0; x < 195; ++x) {
      if (!InEllipse(PalettePSPCoord, x, y) || InEllipse(TRect{20, 20, 175, 175}, x, y)) continue;
      int a = RoundEven(CalcAngle3Points(98, 0, 98, 98, x, y));
      if (a == 360) a = 0;
      PutPixel(image, ringLeft_ + x, y, hues[359 - a]);
    }
  DrawSquare();
  c->Pen()->SetColor(clWhite);
  c->Pen()->SetMode(pmXor);
  c->Brush()->SetStyle(bsClear);
  DrawCursor();
  Wheel->Invalidate();
}

void TspSkinColorDialog::DrawSquare() {
  TBitmap* image = Wheel->Picture()->Bitmap();
  TPSPColor cell;
  for (int y = RectPSP.Top; y <= RectPSP.Bottom; ++y)
    for (int x = RectPSP.Left; x <= RectPSP.Right; ++x) {
      cell.SeTHSL(THSL{WheelColor.HSL.H, (x - 44) / 106.0, (y - 44) / 106.0});
      PutPixel(image, squareLeft_ + x, y, cell.RGB);
    }
}

void TspSkinColorDialog::DrawPSPPalette() {
  if (!Wheel) return;
  DrawSquare();
  DrawCursor();
  Wheel->Invalidate();
}

// In XOR: a second call removes the marks.
void TspSkinColorDialog::DrawCursor() {
  if (!Wheel) return;
  TCanvas* c = Wheel->Picture()->Bitmap()->Canvas();
  c->Pen()->SetColor(clWhite);
  c->Pen()->SetMode(pmXor);
  c->Brush()->SetStyle(bsClear);
  int sx = RoundEven(106 * WheelColor.HSL.S + 44 + squareLeft_), sy = RoundEven(106 * WheelColor.HSL.L + 44);
  c->Ellipse(sx - 5, sy - 5, sx + 5, sy + 5);
  double hx, hy;
  CalcRotationPoint(97, 97, -RoundEven(WheelColor.HSL.H * 360), 97, 10, hx, hy);
  int ix = RoundEven(hx), iy = RoundEven(hy);
  c->Ellipse(ix - 5, iy - 5, ix + 5, iy + 5);
  c->Pen()->SetMode(pmCopy);
}

void TspSkinColorDialog::ChangeEdits() {
  fromWheel_ = true;
  REdit->SetValue(WheelColor.RGB.R);
  GEdit->SetValue(WheelColor.RGB.G);
  BEdit->SetValue(WheelColor.RGB.B);
  fromWheel_ = false;
}

void TspSkinColorDialog::RingAction(int x, int y) {
  int centre = squareLeft_ + 44 + 106 / 2;
  int a = RoundEven(CalcAngle3Points(centre, 0, centre, centre, x, y));
  if (a == 360) a = 0;
  auto h = static_cast<Byte>(RoundEven((359 - a) / 359.0 * 255));
  if (h == WheelColor.HSLPSP.H) return;
  DrawCursor();
  WheelColor.SeTHSLPSP(THSLPSP{h, WheelColor.HSLPSP.S, WheelColor.HSLPSP.L});
  ChangeEdits();
  DrawPSPPalette();
}

void TspSkinColorDialog::SquareAction(int x, int y) {
  x = std::clamp(x, squareLeft_ + 44, squareLeft_ + 150);
  y = std::clamp(y, 44, 150);
  DrawCursor();
  WheelColor.SeTHSLPSP(THSLPSP{WheelColor.HSLPSP.H, static_cast<Byte>(RoundEven((x - squareLeft_ - 44) / 106.0 * 255)),
                               static_cast<Byte>(RoundEven((y - 44) / 106.0 * 255))});
  ChangeEdits();
  DrawCursor();
  Wheel->Invalidate();
}

void TspSkinColorDialog::ZoneAction(int x, int y) {
  if (ClickZone == czpspPCircle) RingAction(x, y);
  else if (ClickZone == czpspPCar) SquareAction(x, y);
}

void TspSkinColorDialog::PalettePSPMouseDown(TObject*, TMouseButton button, TShiftState, int x, int y) {
  if (x >= squareLeft_ + 44 && x < squareLeft_ + 150 && y >= 44 && y < 150) ClickZone = czpspPCar;
  else if (InEllipse(PalettePSPCoord, x, y) && !InEllipse(TRect{20, 20, 174, 174}, x, y)) ClickZone = czpspPCircle;
  else ClickZone = czpspPnone;
  if (button == mbLeft) ZoneAction(x, y);
}

void TspSkinColorDialog::PalettePSPMouseMove(TObject*, TShiftState shift, int x, int y) {
  if (shift & ssLeft) ZoneAction(x, y);
}

void TspSkinColorDialog::PalettePSPMouseUp(TObject*, TMouseButton button, TShiftState, int x, int y) {
  if (button == mbLeft) ZoneAction(x, y);
  ClickZone = czpspPnone;
}

// ---- fields and grids ----

// A grey colour has no hue: the H field keeps its value.
void TspSkinColorDialog::RGBEditChange(TObject*) {
  if (rgbLock_ || !REdit || !GEdit || !BEdit) return;
  TRGB rgb{static_cast<Byte>(REdit->Value() & 0xFF), static_cast<Byte>(GEdit->Value() & 0xFF),
           static_cast<Byte>(BEdit->Value() & 0xFF)};
  Swatch->SetColorValue(RGBBytesToColor(rgb));
  hsvLock_ = true;
  THSVFields hsv{HEdit->Value(), 0, 0};
  RGBToHSV(rgb, hsv);
  HEdit->SetValue(hsv.H);
  SEdit->SetValue(hsv.S);
  LEdit->SetValue(hsv.V);
  if (!fromWheel_) {
    DrawCursor();
    WheelColor.SetRGB(rgb);
    DrawPSPPalette();
  }
  hsvLock_ = false;
}

void TspSkinColorDialog::HSLEditChange(TObject*) {
  if (hsvLock_ || !HEdit || !SEdit || !LEdit) return;
  TRGB rgb = HSVToRGB(THSVFields{HEdit->Value(), SEdit->Value(), LEdit->Value()});
  Swatch->SetColorValue(RGBBytesToColor(rgb));
  rgbLock_ = true;
  REdit->SetValue(rgb.R);
  GEdit->SetValue(rgb.G);
  BEdit->SetValue(rgb.B);
  if (!fromWheel_) {
    DrawCursor();
    WheelColor.SetRGB(rgb);
    DrawPSPPalette();
  }
  rgbLock_ = false;
}

void TspSkinColorDialog::GridColorChange(TColor color) {
  if (!REdit) return;
  TRGB rgb = ColorToRGBBytes(color);
  rgbLock_ = true;
  REdit->SetValue(rgb.R);
  GEdit->SetValue(rgb.G);
  BEdit->SetValue(rgb.B);
  rgbLock_ = false;
  Swatch->SetColorValue(color);
  hsvLock_ = true;
  THSVFields hsv{HEdit->Value(), 0, 0};
  RGBToHSV(rgb, hsv);
  HEdit->SetValue(hsv.H);
  SEdit->SetValue(hsv.S);
  LEdit->SetValue(hsv.V);
  if (!fromWheel_) {
    DrawCursor();
    WheelColor.SetRGB(rgb);
    DrawPSPPalette();
  }
  hsvLock_ = false;
}

void TspSkinColorDialog::ColorGridChange(TObject*) { GridColorChange(ColorGrid->ColorValue()); }
void TspSkinColorDialog::CustomColorGridChange(TObject*) { GridColorChange(CustomColorGrid->ColorValue()); }
void TspSkinColorDialog::AddCustomColorButtonClick(TObject*) { CustomColorGrid->AddColor(Swatch->ColorValue()); }

// ---- building and running ----

void TspSkinColorDialog::BuildDialog(TCustomForm* form) {
  form->SetBorderStyle(bsDialog);
  form->SetCaption(Caption);
  form->SetPosition(poScreenCenter);
  auto* skin = new TspDynamicSkinForm(form);
  skin->Sizeable = false;
  skin->SetBorderIcons(0);
  skin->SetSkinData(skinData_);
  skin->SetMenusSkinData(ctrlSkinData_);
  skin->SetAlphaBlend(AlphaBlend);
  skin->AlphaBlendAnimation = AlphaBlendAnimation;
  skin->SetAlphaBlendValue(AlphaBlendValue);
  form->SetClientWidth(378);

  ColorGrid = new TspSkinColorGrid(form);
  ColorGrid->SetParent(form);
  ColorGrid->SetBounds(5, 5, 167, 195);
  ColorGrid->SetBorderStyle(TspSkinBorderStyle::bvNone);
  ColorGrid->SetTransparentMode(GroupBoxTransparentMode);
  ColorGrid->SetRowCount(8);
  ColorGrid->SetColCount(6);
  ColorGrid->SkinDataName = "groupbox";
  ColorGrid->SetSkinData(ctrlSkinData_);
  ColorGrid->SetCaption(ColorControlText(ctrlSkinData_, "COLORGRID_CAP", SP_COLORGRID_CAP));
  ColorGrid->OnChange = TNotifyEvent(this, &TspSkinColorDialog::ColorGridChange);

  CustomColorGrid = new TspSkinCustomColorGrid(form);
  CustomColorGrid->SetParent(form);
  CustomColorGrid->SetBounds(5, ColorGrid->Top() + ColorGrid->Height() + 10, 167, 68);
  CustomColorGrid->SetTransparentMode(GroupBoxTransparentMode);
  CustomColorGrid->SkinDataName = "groupbox";
  CustomColorGrid->SetSkinData(ctrlSkinData_);
  CustomColorGrid->SetCaption(ColorControlText(ctrlSkinData_, "CUSTOMCOLORGRID_CAP", SP_CUSTOMCOLORGRID_CAP));
  CustomColorGrid->OnChange = TNotifyEvent(this, &TspSkinColorDialog::CustomColorGridChange);
  CustomColorGrid->UserColors = UserColors;
  CustomColorGrid->UserColorCount = UserColorCount;

  auto* holder = new TspEmptyControl(form);
  holder->SetParent(form);
  holder->SetBounds(ColorGrid->Left() + ColorGrid->Width() + 5, 5, 195, 195);
  Wheel = new TImage(form);
  Wheel->SetParent(holder);
  Wheel->SetBounds(0, 0, 195, 195);
  Wheel->OnMouseDown = TMouseEvent(this, &TspSkinColorDialog::PalettePSPMouseDown);
  Wheel->OnMouseMove = TMouseMoveEvent(this, &TspSkinColorDialog::PalettePSPMouseMove);
  Wheel->OnMouseUp = TMouseEvent(this, &TspSkinColorDialog::PalettePSPMouseUp);
  ClickZone = czpspPnone;
  WheelColor.SetRGB(TRGB{0, 0, 0});
  ringLeft_ = squareLeft_ = (195 - PalettePSPCoord.Right) / 2;

  Integer fieldsTop = ColorGrid->Top() + ColorGrid->Height();
  auto label = [&](const char* text, Integer x, Integer y) {
    auto* l = new TspSkinStdLabel(form);
    l->SetParent(form);
    l->SetDefaultFont(labelFont_.get());
    l->UseSkinFont = UseSkinFont;
    l->SetSkinData(ctrlSkinData_);
    l->SetCaption(text);
    l->SetLeft(x);
    l->SetTop(y);
    return l;
  };
  auto field = [&](TControl* after, Integer y, Integer trackWidth, Integer maxValue, bool rgb) {
    auto* e = new TspSkinTrackEdit(form);  // freed with the dialog, whatever happens
    e->SetParent(form);
    e->PopupKind = tbpLeft;
    e->SetBounds(after->Left() + after->Width() + 5, y, 50, 21);
    e->MinValue = 0;
    e->MaxValue = maxValue;
    e->SetValue(0);
    e->TrackBarWidth = trackWidth;
    e->SetSkinData(ctrlSkinData_);
    e->JumpWhenClick = true;
    e->OnChange = rgb ? TNotifyEvent(this, &TspSkinColorDialog::RGBEditChange)
                      : TNotifyEvent(this, &TspSkinColorDialog::HSLEditChange);
    return e;
  };
  REdit = field(label("R:", holder->Left(), fieldsTop + 12), fieldsTop + 10, 200, 255, true);
  GEdit = field(label("G:", holder->Left(), REdit->Top() + REdit->Height() + 12), REdit->Top() + REdit->Height() + 10, 200, 255, true);
  GEdit->SetLeft(REdit->Left());
  BEdit = field(label("B:", holder->Left(), GEdit->Top() + GEdit->Height() + 12), GEdit->Top() + GEdit->Height() + 10, 200, 255, true);
  BEdit->SetLeft(REdit->Left());
  Integer hsLeft = REdit->Left() + REdit->Width() + 5;
  HEdit = field(label("H:", hsLeft, fieldsTop + 12), fieldsTop + 10, 250, 359, false);
  SEdit = field(label("S:", hsLeft, HEdit->Top() + HEdit->Height() + 12), HEdit->Top() + HEdit->Height() + 10, 120, 100, false);
  SEdit->SetLeft(HEdit->Left());
  LEdit = field(label("L:", hsLeft, SEdit->Top() + SEdit->Height() + 12), SEdit->Top() + SEdit->Height() + 10, 120, 100, false);
  LEdit->SetLeft(HEdit->Left());

  Swatch = new TspColorViewer(form);
  Swatch->SetParent(form);
  Integer swatchLeft = HEdit->Left() + HEdit->Width() + 5;
  Integer size = holder->Left() + holder->Width() - swatchLeft;
  Swatch->SetBounds(swatchLeft, holder->Top() + holder->Height() + 10, size, size);

  Integer top = LEdit->Top() + LEdit->Height() + 15;
  auto button = [&](const char* name, const char* builtIn, Integer x, Integer width) {
    auto* b = new TspSkinButton(form);
    b->SetParent(form);
    b->SetDefaultFont(buttonFont_.get());
    b->UseSkinFont = UseSkinFont;
    b->SetDefaultHeight(25);
    b->SkinDataName = ButtonSkinDataName;
    b->SetSkinData(ctrlSkinData_);
    b->SetBounds(x, top, width, 25);
    b->SetCaption(ColorControlText(ctrlSkinData_, name, builtIn));
    return b;
  };
  TspSkinButton* ok = button("MSG_BTN_OK", SP_MSG_BTN_OK, 5, 70);
  ok->ModalResult = mrOk;
  ok->SetDefault(true);
  TspSkinButton* cancel = button("MSG_BTN_CANCEL", SP_MSG_BTN_CANCEL, 90, 70);
  cancel->ModalResult = mrCancel;
  cancel->Cancel = true;
  TspSkinButton* add = button("ADDCUSTOMCOLORBUTTON_CAP", SP_ADDCUSTOMCOLORBUTTON_CAP, holder->Left(), holder->Width());
  add->OnClick = TNotifyEvent(this, &TspSkinColorDialog::AddCustomColorButtonClick);
  form->SetClientHeight(add->Top() + add->Height() + 10);
}

bool TspSkinColorDialog::Execute() {
  auto form = std::make_unique<TForm>(nullptr);
  bool accepted = false;
  try {
    BuildDialog(form.get());
    InitPSPPalette();
    Swatch->SetColorValue(Color);
    ColorGrid->SetColorValue(Color);
    TRGB rgb = ColorToRGBBytes(Color);
    REdit->SetValue(rgb.R);
    GEdit->SetValue(rgb.G);
    BEdit->SetValue(rgb.B);
    if (OnDialogShow) form->OnShow = TNotifyEvent::Function([this, f = form.get()](TObject*) { OnDialogShow(f); });
    if (form->ShowModal() == mrOk) {
      Color = Swatch->ColorValue();
      UserColors = CustomColorGrid->UserColors;
      UserColorCount = CustomColorGrid->UserColorCount;
      accepted = true;
    }
  } catch (...) {
    ForgetControls();
    throw;
  }
  ForgetControls();
  return accepted;
}
