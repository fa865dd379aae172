// The colour controls: the dialog's conversions and wheel geometry, the
// grids (layout, cursor, values outside the table, AddColor wrapping, cells
// past the table), the colour buttons' palettes, highlighted entries and
// captions, and the dialog driven through its buttons under the display server.
#include <gtest/gtest.h>

#include "platform/controls/Forms.h"
#include "skin/controls/colors/ColorStrings.h"
#include "skin/controls/colors/PSPColor.h"
#include "skin/controls/colors/SkinColorButton.h"
#include "skin/controls/colors/SkinColorDialog.h"
#include "skin/controls/colors/SkinColorGrids.h"
#include "skin/controls/edits2/SkinTrackEdit.h"
#include "skin/data/ResourceStrData.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

TColor Pixel(TBitmap& b, int x, int y) { return ColorToRGB(b.Canvas()->Pixels(x, y)); }

std::unique_ptr<TBitmap> Image(TspSkinPanel* panel) {
  auto b = std::make_unique<TBitmap>(panel->Width(), panel->Height());
  panel->CreateControlDefaultImage(b.get());
  return b;
}

}  // namespace

TEST(SkinColorConversions, HSVFieldsToRGBAndBack) {
  struct Case {
    THSVFields hsv;
    TRGB rgb;
  };
  const Case cases[] = {
      {{120, 100, 100}, {0, 255, 0}}, {{359, 100, 100}, {255, 0, 4}}, {{0, 100, 100}, {255, 0, 0}},
      {{240, 100, 100}, {0, 0, 255}}, {{0, 0, 50}, {128, 128, 128}},  {{60, 50, 100}, {255, 255, 128}},
  };
  for (const Case& c : cases) {
    TRGB got = HSVToRGB(c.hsv);
    EXPECT_TRUE(got == c.rgb) << c.hsv.H << "," << c.hsv.S << "," << c.hsv.V << " -> " << int(got.R) << ","
                              << int(got.G) << "," << int(got.B);
  }
  THSVFields red{7, 0, 0};
  EXPECT_TRUE(RGBToHSV(TRGB{255, 0, 0}, red));
  EXPECT_EQ(red.H, 0);
  EXPECT_EQ(red.S, 100);
  EXPECT_EQ(red.V, 100);
  // A grey has no hue: the field keeps its previous one.
  THSVFields grey{42, 9, 9};
  EXPECT_FALSE(RGBToHSV(TRGB{128, 128, 128}, grey));
  EXPECT_EQ(grey.H, 42);
  EXPECT_EQ(grey.S, 0);
  EXPECT_EQ(grey.V, 50);
}

TEST(SkinColorConversions, PSPColorKeepsItsThreeFormsInStep) {
  TPSPColor c;
  c.SetRGB(TRGB{255, 0, 0});
  EXPECT_DOUBLE_EQ(c.HSL.H, 0);
  EXPECT_DOUBLE_EQ(c.HSL.S, 1);
  EXPECT_DOUBLE_EQ(c.HSL.L, 0.5);
  EXPECT_EQ(c.HSLPSP.L, 128);  // 127.5 rounds half to even
  c.SeTHSLPSP(THSLPSP{85, 255, 128});
  EXPECT_TRUE(c.RGB == (TRGB{1, 255, 1})) << int(c.RGB.R) << "," << int(c.RGB.G) << "," << int(c.RGB.B);
  c.SeTHSL(THSL{0.5, 0, 0.2});
  EXPECT_TRUE(c.RGB == (TRGB{51, 51, 51}));
}

TEST(SkinColorConversions, WheelAngles) {
  EXPECT_NEAR(CalcAnglePoints(0, 0, 10, 0), 0, 1e-9);
  EXPECT_NEAR(CalcAnglePoints(0, 0, 0, 10), 90, 1e-9);
  EXPECT_NEAR(CalcAnglePoints(0, 0, -10, 0), 180, 1e-9);
  EXPECT_NEAR(CalcAnglePoints(0, 0, 0, -10), 270, 1e-9);
  // Clockwise from straight up about the centre.
  EXPECT_NEAR(CalcAngle3Points(97, 0, 97, 97, 10, 97), 270, 1e-9);
  double x, y;
  CalcRotationPoint(97, 97, -90, 97, 10, x, y);
  EXPECT_NEAR(x, 10, 1e-6);
  EXPECT_NEAR(y, 97, 1e-6);
}

TEST(SkinColorGrid, LayoutCursorAndValuesOutsideTheTable) {
  BoxForm host;
  auto* grid = host.Make<TspSkinColorGrid>({10, 10, 290, 125});
  int changes = 0;
  grid->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  TspColorGridLayout layout = grid->Layout();
  EXPECT_EQ(layout.Cell(2).Left - layout.Cell(1).Left, layout.CellWidth + 2);
  EXPECT_EQ(layout.Cell(13).Top - layout.Cell(1).Top, layout.CellHeight + 2);
  grid->SetColorValue(0xFFFFFF);
  EXPECT_EQ(changes, 1);
  auto image = Image(grid);
  for (int n = 1; n <= 48; ++n) {
    TRect cell = layout.Cell(n);
    TColor frame = Pixel(*image, cell.Left - 1, cell.Top + cell.Height() / 2);
    EXPECT_EQ(frame == ColorToRGB(TColor(0x800000)), n == 43) << "the cursor marks cell 43 only, not " << n;
  }
  grid->SetColorValue(0x123456);
  EXPECT_EQ(grid->ColorValue(), 0x123456);
  EXPECT_EQ(changes, 1) << "a colour outside the table fires nothing";
  image = Image(grid);
  for (int n = 1; n <= 48; ++n) {
    TRect cell = layout.Cell(n);
    EXPECT_NE(Pixel(*image, cell.Left - 1, cell.Top + cell.Height() / 2), ColorToRGB(TColor(0x800000))) << n;
  }
  // Cells past the table are drawn empty: no colour of another cell spills there.
  grid->SetRowCount(5);
  image = Image(grid);
  TspColorGridLayout five = grid->Layout();
  TRect past = five.Cell(50);
  EXPECT_EQ(Pixel(*image, (past.Left + past.Right) / 2, (past.Top + past.Bottom) / 2), ColorToRGB(clBtnFace));
  grid->SetRowCount(0);
  EXPECT_EQ(grid->RowCount(), 5) << "values below 1 are ignored";
}

TEST(SkinCustomColorGrid, AddColorWrapsAfterTwelveAndPressSelects) {
  BoxForm host;
  auto* grid = host.Make<TspSkinCustomColorGrid>({10, 10, 177, 78});
  for (int i = 1; i <= 13; ++i) grid->AddColor(static_cast<TColor>(i));
  EXPECT_EQ(grid->UserColors[0], 13);
  EXPECT_EQ(grid->UserColors[11], 12);
  EXPECT_EQ(grid->UserColorCount, 1);
  auto* fresh = host.Make<TspSkinCustomColorGrid>({10, 100, 177, 168});
  int changes = 0;
  fresh->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  TPoint at = Centre(fresh->Layout().Cell(3));
  fresh->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.X, at.Y));
  fresh->Perform(WM_LBUTTONUP, 0, MAKELPARAM(at.X, at.Y));
  EXPECT_EQ(fresh->ColorValue(), 0xFFFFFF);
  EXPECT_EQ(fresh->SelectedSlot, 3);
  EXPECT_EQ(changes, 1);
}

TEST(SkinColorButton, PaletteCountsAndTheHighlightedEntry) {
  struct Case {
    const char* what;
    bool autoColor, moreColor;
    TColor value;
    int items, images, highlighted;
  };
  const Case cases[] = {
      {"both entries, colour 0 is the automatic entry", true, true, 0, 42, 41, 0},
      {"white without more colours", true, false, 0xFFFFFF, 41, 41, 40},
      {"outside the palette: more colours", true, true, 0x123456, 42, 41, 41},
      {"outside the palette, no more colours", false, false, 0x123456, 40, 41, -1},
  };
  for (const Case& c : cases) {
    BoxForm host;
    auto* button = host.Make<TspSkinColorButton>();
    button->SetShowAutoColor(c.autoColor);
    button->SetShowMoreColor(c.moreColor);
    button->SetColorValue(c.value);
    EXPECT_EQ(button->PaletteMenu()->ImagesItems()->Count(), c.items) << c.what;
    EXPECT_EQ(button->PaletteImages()->Count(), c.images) << c.what;
    button->OnImagesMenuPopup(nullptr);
    EXPECT_EQ(button->PaletteMenu()->ItemIndex, c.highlighted) << c.what;
  }
  BoxForm host;
  auto* text = host.Make<TspSkinTextColorButton>();
  text->Loaded();
  EXPECT_EQ(text->PaletteMenu()->ImagesItems()->Count(), 1 + 16 + 1);
}

// A skin whose interface strings lack AUTOCOLOR or MORECOLORS keeps the
// built-in captions.
TEST(SkinColorButton, MissingSkinStringsKeepTheBuiltInCaptions) {
  BoxSkin skin;
  auto strings = std::make_unique<TspResourceStrData>(nullptr);
  strings->ResStrings()->Clear();
  strings->ResStrings()->Add("EDIT_COPY=Kopieren");
  skin.data.SetResourceStrData(strings.get());
  BoxForm host;
  auto* button = host.Make<TspSkinColorButton>();
  button->SetSkinData(&skin.data);
  button->InitColors();
  TspImagesMenuItems* items = button->PaletteMenu()->ImagesItems();
  EXPECT_EQ(items->Items(0)->Caption, "Automatic");
  EXPECT_EQ(items->Items(items->Count() - 1)->Caption, "More colors...");
  skin.data.SetResourceStrData(nullptr);
}

TEST(SkinColorButton, PickingAColourAndMoreColoursOpensTheDialog) {
  BoxForm host;
  auto* button = host.Make<TspSkinColorButton>();
  auto* dialog = new TspSkinColorDialog(host.form);
  button->SetColorDialog(dialog);
  int changes = 0;
  button->OnChangeColor = TNotifyEvent::Function([&](TObject*) { ++changes; });
  button->PaletteMenu()->ItemIndex = 17;  // palette colour 17: red
  button->OnImagesMenuClick(nullptr);
  EXPECT_EQ(button->GetColorValue(), 0x0000FF);
  EXPECT_EQ(changes, 1);
  // The dialog opens on the current colour; OK keeps what it shows.
  dialog->OnDialogShow = [&](TCustomForm* form) {
    EXPECT_EQ(dialog->REdit->Value(), 255);
    EXPECT_EQ(dialog->HEdit->Value(), 0);
    EXPECT_EQ(dialog->SEdit->Value(), 100);
    EXPECT_EQ(dialog->LEdit->Value(), 100);
    dialog->HEdit->SetValue(120);
    EXPECT_EQ(dialog->REdit->Value(), 0);
    EXPECT_EQ(dialog->GEdit->Value(), 255);
    EXPECT_TRUE(CaptureWindow(form->Handle()).SaveBmp("color_dialog.bmp"));
    PostKey(form->Handle(), VK_RETURN);
  };
  button->PaletteMenu()->ItemIndex = button->PaletteMenu()->ImagesItems()->Count() - 1;
  button->OnImagesMenuClick(nullptr);
  EXPECT_EQ(button->GetColorValue(), 0x00FF00);
  // Cancel keeps nothing: neither the colour nor the custom colours.
  dialog->OnDialogShow = [&](TCustomForm* form) {
    dialog->CustomColorGrid->AddColor(0x112233);
    PostKey(form->Handle(), VK_ESCAPE);
  };
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(dialog->UserColorCount, 0);
  dialog->OnDialogShow = [&](TCustomForm* form) {
    dialog->CustomColorGrid->AddColor(0x112233);
    PostKey(form->Handle(), VK_RETURN);
  };
  EXPECT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->UserColorCount, 1);
  EXPECT_EQ(dialog->UserColors[0], 0x112233);
}

// A press on the ring 87 pixels left of its centre picks hue byte 63; a drag
// past the square's edge stops on the edge.
TEST(SkinColorDialog, WheelPressesSetHueAndSquareValues) {
  BoxForm host;
  auto* dialog = new TspSkinColorDialog(host.form);
  dialog->Color = 0x0000FF;
  dialog->OnDialogShow = [&](TCustomForm* form) {
    EXPECT_EQ(dialog->WheelColor.HSLPSP.H, 0);
    dialog->PalettePSPMouseDown(nullptr, mbLeft, 0, 97 - 87, 97);
    dialog->PalettePSPMouseUp(nullptr, mbLeft, 0, 97 - 87, 97);
    EXPECT_EQ(dialog->WheelColor.HSLPSP.H, 63);
    dialog->PalettePSPMouseDown(nullptr, mbLeft, 0, 100, 100);
    EXPECT_EQ(dialog->ClickZone, czpspPCar);
    dialog->PalettePSPMouseMove(nullptr, ssLeft, 400, -30);
    EXPECT_EQ(dialog->WheelColor.HSLPSP.S, 255);
    EXPECT_EQ(dialog->WheelColor.HSLPSP.L, 0);
    dialog->PalettePSPMouseUp(nullptr, mbLeft, 0, 400, -30);
    EXPECT_EQ(dialog->ClickZone, czpspPnone);
    PostKey(form->Handle(), VK_ESCAPE);
  };
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(dialog->Color, 0x0000FF);
}

TEST(SkinTrackEdit, RewriteRulesWithPositiveAndNegativeRanges) {
  struct Case {
    Integer min, max;
    const char* typed;
    const char* shown;
    Integer value;
  };
  const Case cases[] = {
      {10, 100, "5", "5", 10},       {10, 100, "500", "100", 100}, {10, 100, "50", "50", 50},
      {-100, -10, "-5", "-5", -10},  {-100, -10, "-500", "-100", -100}, {-100, -10, "5", "-10", -10},
      {0, 0, "123456", "123456", 123456},
  };
  for (const Case& c : cases) {
    BoxForm host;
    auto* edit = host.Make<TspSkinTrackEdit>();
    edit->MinValue = c.min;
    edit->MaxValue = c.max;
    edit->SetText(c.typed);
    EXPECT_EQ(edit->Text(), c.shown) << c.typed << " in " << c.min << ".." << c.max;
    EXPECT_EQ(edit->Value(), c.value) << c.typed;
  }
  BoxForm host;
  auto* edit = host.Make<TspSkinTrackEdit>();
  edit->MinValue = 10;
  auto* other = host.Make<TspSkinTrackEdit>({10, 40, 130, 60});
  edit->SetFocus();
  edit->SetText("5");
  other->SetFocus();
  EXPECT_EQ(edit->Text(), "10") << "leaving shows the value";
  edit->MinValue = edit->MaxValue = 0;
  edit->SetText("-5");
  EXPECT_FALSE(edit->IsValidChar('-')) << "a second '-' is refused";
}

// The drop-down track bar opens under the button, follows into the value, and
// closes on a cancel request from elsewhere; driven by a posted click.
TEST(SkinTrackEdit, DropDownOpensFollowsAndCloses) {
  BoxForm host;
  auto* edit = host.Make<TspSkinTrackEdit>({10, 10, 130, 30});
  edit->MaxValue = 50;
  TRect button = edit->NewButtonRect();
  POINT p{edit->Width() - 5, 8};
  ::ClientToScreen(edit->Handle(), &p);
  ::PostMessageA(edit->Handle(), WM_NCLBUTTONDOWN, HTHSCROLL, MAKELPARAM(p.x, p.y));
  ::PostMessageA(edit->Handle(), WM_NCLBUTTONUP, HTHSCROLL, MAKELPARAM(p.x, p.y));
  ASSERT_TRUE(PumpUntil([&] { return edit->IsPopupVisible(); })) << button.Left;
  TRect bar = edit->TrackBar()->BoundsRect();
  TPoint below = host.form->ClientToScreen(TPoint{edit->Left(), edit->Top() + edit->Height()});
  EXPECT_EQ(bar.Top, below.Y);
  edit->TrackBar()->SetValue(30);
  EXPECT_EQ(edit->Value(), 30);
  edit->Perform(WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(edit->Value(), 31) << "the arrow steps the open bar";
  edit->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(edit->TrackBar()));
  EXPECT_TRUE(edit->IsPopupVisible());
  edit->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(host.form));
  EXPECT_FALSE(edit->IsPopupVisible());
}
