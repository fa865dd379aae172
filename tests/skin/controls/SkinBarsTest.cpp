// Status bar grip, status panel pictures, and the tool bar's centring and widths.
#include <gtest/gtest.h>

#include "platform/stdctrls/Edit.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinStatusPanel.h"
#include "skin/controls/SkinToolBar.h"
#include "tests/skin/controls/ControlFixture.h"

TEST(SkinStatusBar, GripHitTestsAndLines) {
  FormFixture f;
  f.form->Show();
  auto* bar = f.Make<TspSkinStatusBar>({0, 0, 300, 21});
  bar->SetSizeGrip(true);
  const int w = bar->Width();  // aligned to the form's bottom
  TRect client = bar->GetSkinClientRect();
  EXPECT_EQ(client, Rect(0, 0, w - 21, 21));  // the grip's square is taken off
  TRect grip = bar->GetGripRect();
  EXPECT_EQ(grip, Rect(w - 19, 0, w, 19));
  auto hit = [&](int x, int y) {
    TPoint p = bar->ClientToScreen(TPoint{x, y});
    return ::SendMessageA(bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y));
  };
  struct Case {
    bool sizeGrip, showGrip;
    TPoint at;
    LRESULT expected;
  } cases[] = {
      {true, true, {w - 10, 10}, HTBOTTOMRIGHT}, {true, true, {100, 10}, HTCLIENT}, {true, true, {0, 0}, HTCLIENT},
      {true, false, {w - 10, 10}, HTCLIENT},     {false, true, {w - 10, 10}, HTCLIENT},
  };
  for (const Case& c : cases) {
    bar->SetSizeGrip(c.sizeGrip);
    bar->SetShowGrip(c.showGrip);
    EXPECT_EQ(hit(c.at.X, c.at.Y), c.expected) << c.sizeGrip << c.showGrip << " " << c.at.X;
  }
  bar->SetSizeGrip(true);
  bar->SetShowGrip(true);
  auto image = Render(bar);
  // Pairs of lines three pixels apart: shadow, then highlight one to the right.
  TColor shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
  EXPECT_EQ(PixelOf(*image, w - 1, grip.Top + 4), shadow);
  EXPECT_EQ(PixelOf(*image, w - 1, grip.Top + 5), light);
  EXPECT_EQ(PixelOf(*image, w - 1, grip.Top + 7), shadow);
  bar->SetShowGrip(false);
  EXPECT_EQ(bar->GetSkinClientRect(), Rect(0, 0, w, 21));
  image = Render(bar);
  EXPECT_EQ(PixelOf(*image, w - 1, grip.Top + 4), ColorToRGB(clBtnFace));
}

TEST(SkinStatusPanel, GlyphBeforeImageListAndWidthWithGlyph) {
  FormFixture f;
  auto* panel = f.Make<TspSkinStatusPanel>({0, 0, 120, 21});
  TBitmap glyph;
  glyph.SetSize(20, 10);
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(TRect{0, 0, 20, 10});
  glyph.Canvas()->SetPixels(0, 9, clLime);  // the transparent corner
  TCustomImageList images(nullptr);
  images.SetWidth(8), images.SetHeight(8);
  TBitmap blue(8, 8);
  blue.Canvas()->Brush()->SetColor(clBlue);
  blue.Canvas()->FillRect(TRect{0, 0, 8, 8});
  images.Add(&blue, nullptr);
  panel->SetImageList(&images);
  panel->SetImageIndex(0);
  panel->SetGlyph(&glyph);
  auto image = Render(panel);
  EXPECT_EQ(PixelOf(*image, 8, 10), clRed);  // the glyph, not the list's image
  panel->SetEnabled(false);
  image = Render(panel);
  EXPECT_EQ(PixelOf(*image, 8, 10), clRed);  // one state: also when disabled
  panel->SetCaption("Ready");
  panel->SetAutoSizeX(true);
  TBitmap b(1, 1);
  b.Canvas()->SetFont(panel->DefaultFont());
  EXPECT_EQ(panel->Width(), 20 + 3 + b.Canvas()->TextWidth("Ready") + 4);
}

TEST(SkinToolBar, CentresChildrenAndSwitchesWidths) {
  FormFixture f;
  auto* bar = f.Make<TspSkinToolBar>({0, 0, 300, 40});
  auto* edit = f.Make<TEdit>({10, 0, 110, 20}, bar);
  auto* skinned = f.Make<TspSkinToolBar>({120, 0, 160, 10}, bar);
  bar->SetBounds(0, 0, 300, 50);
  TRect client = bar->GetSkinClientRect();
  EXPECT_EQ(edit->Top(), client.Top + client.Height() / 2 - edit->Height() / 2);
  EXPECT_EQ(skinned->Top(), client.Top + client.Height() / 2 - 5);
  bar->SetBounds(0, 0, 300, 30);
  client = bar->GetSkinClientRect();
  EXPECT_EQ(edit->Top(), client.Top + client.Height() / 2 - edit->Height() / 2);

  bar->WidthWithCaptions = 280;
  bar->SetShowCaptions(true);
  EXPECT_EQ(bar->Width(), 300);  // one width unset: the width stays
  bar->SetShowCaptions(false);
  bar->WidthWithoutCaptions = 180;
  bar->SetShowCaptions(true);
  EXPECT_EQ(bar->Width(), 280);
  bar->SetShowCaptions(false);
  EXPECT_EQ(bar->Width(), 180);
  bar->SetScrollTimerInterval(0);
  bar->SetScrollOffset(-1);
  EXPECT_EQ(bar->ScrollTimerInterval(), 50);
  EXPECT_EQ(bar->ScrollOffset(), 0);
}
