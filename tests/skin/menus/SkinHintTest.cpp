// Skinned hints: sizes and corner rules, line separators, keeping the window
// on the screen, the delayed show and hide, bad picture indexes, the cursor
// margin, the fade, and what a freed component gives back to the application.
#include <gtest/gtest.h>

#include <vector>

#include "platform/controls/Application.h"
#include "platform/core/Math.h"
#include "skin/menus/SkinHint.h"
#include "skin/menus/SkinMenuClock.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/menus/MenuFixtures.h"

namespace {

TSize Measure(TCanvas* canvas, const String& text) {
  TRect none;
  canvas->TextRect(none, String(), DT_CALCRECT);  // selects the canvas's font
  RECT r{0, 0, 0, 0};
  ::DrawTextA(canvas->Handle(), text.c_str(), -1, &r, DT_CALCRECT | DT_NOPREFIX);
  return {r.right, r.bottom};
}

// A hint skin: picture 0 is 40 x 30 (frame olive, client 5,5,35,25 white), picture 1 its mask.
void HintSkin(TspSkinData& data) {
  auto picture = std::make_unique<TBitmap>();
  PaintZones(*picture, 40, 30, {{{0, 0, 40, 30}, clOlive}, {{5, 5, 35, 25}, clWhite}});
  auto mask = std::make_unique<TBitmap>();
  PaintZones(*mask, 40, 30, {{{0, 0, 40, 30}, clBlack}, {{0, 0, 3, 3}, clWhite}});
  data.ActivePictures.push_back(std::move(picture));
  data.ActivePictures.push_back(std::move(mask));
  TspDataSkinHintWindow& k = *data.HintWindow;
  k.WindowPictureIndex = 0;
  k.maskpictureindex = 1;
  k.LeftTopPoint = {5, 5}, k.RightTopPoint = {35, 5}, k.LeftBottomPoint = {5, 25}, k.RightBottomPoint = {35, 25};
  k.ClientRect = {5, 5, 35, 25};
  k.FontColor = clNavy;
  k.LeftStretch = k.TopStretch = k.RightStretch = k.BottomStretch = k.stretcheffect = true;
  data.Empty = false;
}

class Hints : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(Application.MainForm(), nullptr);
    savedClass = Application.HintWindowClass;
    Application.CreateForm(main);
    main->SetBounds(100, 100, 300, 200);
    HintSkin(skin);
    hint = new TspSkinHint(main);
    hint->SetSkinData(&skin);
    window = hint->SkinHintWindow();
  }
  void TearDown() override {
    delete main;
    PumpMessages();
    EXPECT_EQ(Application.HintWindowClass, savedClass);
    EXPECT_FALSE(Application.OnShowHint);
  }
  THintWindowClass savedClass;
  TForm* main = nullptr;
  TspSkinData skin{nullptr};
  TspSkinHint* hint;
  TspSkinHintWindow* window;
};

TEST_F(Hints, ComponentTakesTheApplicationsHints) {
  EXPECT_EQ(Application.HintWindowClass, HintWindowOf<TspSkinHintWindow>);
  EXPECT_TRUE(Application.OnShowHint == TShowHintEvent(hint, &TspSkinHint::SelfOnShowHint));
  EXPECT_EQ(Application.HintShortPause, 100);
  EXPECT_EQ(TspSkinHintWindow::FindHintComponent(), hint);
  hint->SetActive(false);
  EXPECT_EQ(TspSkinHintWindow::FindHintComponent(), nullptr);
  window->ActivateHint({10, 10, 10, 10}, "Hidden");  // no active component: nothing shows
  EXPECT_FALSE(hint->IsVisible());
  hint->SetActive(true);
}

TEST_F(Hints, SizesAndCornerRules) {
  TBitmap scratch;
  scratch.SetSize(1, 1);
  TCanvas* c = scratch.Canvas();
  c->Font()->SetName("Arial");
  c->Font()->SetHeight(14);
  const String text = "A hint of some width";
  const TSize t = Measure(c, text);
  struct Case {
    const char* what;
    TPoint lt, rt, lb, rb;
    int extraW, extraH;  // over text + frame
  } cases[] = {
      {"text + client margins + 5 (the 40 x 30 example)", {5, 5}, {35, 5}, {5, 25}, {35, 25}, 0, 0},
      {"right-top point left of the left-top point at this width", {5, 5}, {5 - t.cx, 5}, {5, 25}, {35, 25}, 0, 0},
      {"right-bottom point above the right-top point", {5, 5}, {35, 20}, {5, 25}, {35, 40 - t.cy}, 0, 0},
  };
  for (const Case& k : cases) {
    TspDataSkinHintWindow& r = *skin.HintWindow;
    r.LeftTopPoint = k.lt, r.RightTopPoint = k.rt, r.LeftBottomPoint = k.lb, r.RightBottomPoint = k.rb;
    window->HintComponent = hint;
    window->ActiveSkinData = &skin;
    int w = 0, h = 0;
    window->CalcHintSize(c, text, w, h);
    int expectW = t.cx + 5 + (40 - 35) + 5, expectH = t.cy + 5 + (30 - 25);
    int dw = expectW - 40, dh = expectH - 30;
    if (k.rt.X + dw < k.lt.X) expectW += k.lt.X - (k.rt.X + dw), dw = expectW - 40;
    if (k.rb.Y + dh < k.rt.Y) expectH += k.rt.Y - (k.rb.Y + dh), dh = expectH - 30;
    EXPECT_EQ(w, expectW) << k.what;
    EXPECT_EQ(h, expectH) << k.what;
    EXPECT_EQ(window->NewClientRect, (TRect{5, 5, 35 + dw, 25 + dh})) << k.what;
    EXPECT_EQ(window->NewRightBottomPoint, (TPoint{k.rb.X + dw, k.rb.Y + dh})) << k.what;
    EXPECT_EQ(window->NewLeftBottomPoint, (TPoint{k.lb.X, k.lb.Y + dh})) << k.what;
  }
  HintSkin(skin);
  // Without a skin: the text and 4 pixels.
  window->ActiveSkinData = nullptr;
  int w = 0, h = 0;
  window->CalcHintSize(c, text, w, h);
  EXPECT_EQ(w, t.cx + 4);
  EXPECT_EQ(h, t.cy + 4);
  // A title and an image.
  TImageList images(nullptr);
  images.SetSize(16, 16);
  TBitmap tile;
  PaintZones(tile, 16, 16, {});
  images.AddMasked(&tile, clFuchsia);
  const TSize title = Measure(c, "Title");
  window->CalcHintSizeEx(c, text, "Title", 0, &images, w, h);
  EXPECT_EQ(w, Max(t.cx, title.cx) + 16 + 10 + 4);
  EXPECT_EQ(h, Max<int>(t.cy + title.cy + 10, 16 + title.cy + 5) + 4);
  window->CalcHintSizeEx(c, text, "", 1, &images, w, h);  // an index equal to the count: no image
  EXPECT_EQ(w, t.cx + 4);
  EXPECT_EQ(h, t.cy + 4);
}

TEST_F(Hints, LineSeparatorBecomesLfCr) {
  window->HintComponent = hint;
  String text = "one@two@three";
  window->CheckText(text);
  EXPECT_EQ(text, "one\n\rtwo\n\rthree");
  hint->LineSeparator = "||";
  text = "a||b";
  window->CheckText(text);
  EXPECT_EQ(text, "a\n\rb");
  hint->LineSeparator = "@";
  hint->ActivateHint({50, 50}, "first@second");
  EXPECT_EQ(window->Caption(), "first\n\rsecond");
  EXPECT_GT(window->Height(), 2 * Measure(window->Canvas(), "first").cy);
}

TEST_F(Hints, ShownAtThePointAndKeptOnTheScreen) {
  const TRect screen{0, 0, Screen.Width(), Screen.Height()};
  hint->ActivateHint({200, 300}, "Plain hint");
  ASSERT_TRUE(hint->IsVisible());
  EXPECT_EQ(window->Left(), 200);
  EXPECT_EQ(window->Top(), 300);
  EXPECT_NE(window->ActiveSkinData, nullptr);
  EXPECT_TRUE(window->WindowRegion);
  PumpMessages();
  CapturedPixels shot = CaptureWindow(window->Handle());
  shot.SaveBmp(CaptureFolder() + "hint-zones.bmp");
  EXPECT_EQ(shot.At(window->Width() / 2, 1), 0x808000u);  // the olive frame
  const int w = window->Width(), h = window->Height();
  hint->ActivateHint({screen.Right - 10, screen.Bottom - 5}, "Plain hint");
  EXPECT_EQ(window->Left(), screen.Right - 10 - w - 2);
  EXPECT_EQ(window->Top(), screen.Bottom - 5 - h - 2);
  hint->HideHint();
  EXPECT_FALSE(hint->IsVisible());
}

TEST_F(Hints, PictureIndexesOutsideTheListGiveTheDefaultLook) {
  skin.HintWindow->WindowPictureIndex = 9;
  hint->ActivateHint({100, 100}, "Text");
  EXPECT_TRUE(hint->IsVisible());
  EXPECT_EQ(window->ActiveSkinData, nullptr);
  EXPECT_FALSE(window->WindowRegion);
  skin.HintWindow->WindowPictureIndex = 0;
  skin.HintWindow->maskpictureindex = 9;
  hint->ActivateHint({100, 100}, "Text");
  EXPECT_NE(window->ActiveSkinData, nullptr);
  EXPECT_FALSE(window->WindowRegion);
  skin.HintWindow->LeftTopPoint = {40, 30};  // degenerate corners
  skin.HintWindow->RightBottomPoint = {0, 0};
  hint->ActivateHint({100, 100}, "Text");
  PumpMessages();
}

TEST_F(Hints, DelayedShowingShowsTheLastTextOnceAndHides) {
  Application.HintPause = 500;
  Application.HintHidePause = 2500;
  hint->ActivateHint2("first");
  hint->ActivateHint2("second");
  ASSERT_NE(hint->DelayTimer(), nullptr);
  EXPECT_EQ(hint->DelayTimer()->Interval(), 500u);
  EXPECT_FALSE(hint->IsVisible());
  hint->HintTime1(nullptr);
  EXPECT_TRUE(hint->IsVisible());
  EXPECT_EQ(window->Caption(), "second");
  EXPECT_EQ(hint->DelayTimer()->Interval(), 2500u);
  hint->HintTime2(nullptr);
  EXPECT_FALSE(hint->IsVisible());
  EXPECT_EQ(hint->DelayTimer(), nullptr);
  hint->HintTime1(nullptr);  // a stale tick after the hide: nothing
  EXPECT_FALSE(hint->IsVisible());
}

TEST_F(Hints, HideHintCancelsAPendingShowing) {
  hint->ActivateHintEx2("Title", "text", 0, nullptr);
  ASSERT_NE(hint->DelayTimer(), nullptr);
  hint->HideHint();
  EXPECT_EQ(hint->DelayTimer(), nullptr);
  hint->HintTimeEx1(nullptr);
  EXPECT_FALSE(hint->IsVisible());
}

TEST_F(Hints, FadeEndsForATargetOfZero) {
  TspSteppingSkinClock clock(4, 0xFFFFFFF0u);
  SetSkinClock(&clock);
  hint->AlphaBlend = hint->AlphaBlendAnimation = true;
  for (Byte value : {Byte(0), Byte(200)}) {
    hint->AlphaBlendValue = value;
    hint->ActivateHint({100, 100}, "Fading");
    BYTE alpha = 1;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window->Handle(), nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, value);
  }
  SetSkinClock(nullptr);
}

TEST_F(Hints, TitleAndImageLayout) {
  hint->ActivateHintEx({100, 100}, "Title", "Body text", 0, nullptr);
  EXPECT_TRUE(window->ExtendedLayout);
  EXPECT_TRUE(hint->IsVisible());
  PumpMessages();
  CaptureWindow(window->Handle()).SaveBmp(CaptureFolder() + "hint-title.bmp");
}

TEST(HintComponent, FreedComponentGivesBackTheApplicationsHints) {
  THintWindowClass savedClass = Application.HintWindowClass;
  int calls = 0;
  Application.OnShowHint = TShowHintEvent::Function([&](String&, bool&, THintInfo&) { ++calls; });
  const TShowHintEvent original = Application.OnShowHint;
  {
    TspSkinHint first(nullptr);
    EXPECT_EQ(Application.HintWindowClass, HintWindowOf<TspSkinHintWindow>);
  }
  EXPECT_EQ(Application.HintWindowClass, savedClass);
  EXPECT_TRUE(Application.OnShowHint == original);
  {
    auto first = std::make_unique<TspSkinHint>(nullptr);
    TspSkinHint second(nullptr);
    first.reset();  // the installed handler is the second's: it stays
    EXPECT_TRUE(Application.OnShowHint == TShowHintEvent(&second, &TspSkinHint::SelfOnShowHint));
  }
  Application.OnShowHint = nullptr;
  Application.HintWindowClass = savedClass;
  Application.SetShowHint(false);
  Application.SetShowHint(true);
}

TEST(CursorMargin, MaskScan) {
  const int w = 32, rowBytes = 4, square = w * rowBytes;
  std::vector<Byte> mask(2 * square, 0xFF);  // an AND mask over an XOR mask, bottom row first
  struct Case {
    const char* what;
    size_t size;
    int opaqueRowFromTop;  // -1: fully transparent AND mask
    int hotY;
    int expected;
  } cases[] = {
      {"data shorter than one square: the cursor height", square - 1, 10, 0, 32},
      {"no data: the cursor height", 0, 10, 0, 32},
      {"lowest opaque row 20 from the top, hot spot 3", 2 * square, 19, 3, 20 - 3},
      {"a fully transparent square scans the other block", 2 * square, -1, 0, 0},
  };
  for (const Case& c : cases) {
    std::fill(mask.begin(), mask.end(), 0xFF);
    std::fill(mask.begin(), mask.begin() + square, 0x00);  // the XOR block: all 0 but its top row
    mask[square - 1] = 0x01;
    if (c.opaqueRowFromTop >= 0) {
      // Rows are stored bottom first: row r from the top is block row (w - 1 - r).
      mask[square + (w - 1 - c.opaqueRowFromTop) * rowBytes] = 0x00;
    }
    EXPECT_EQ(CursorMaskMargin(mask.data(), c.size, w, 2 * w, c.hotY, 32), c.expected) << c.what;
  }
}

}  // namespace
