// The scrolling image view: its bars, viewport, margin and centring, its size
// grip, and the view and the bitmap list read from definitions.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "imaging/GR32_Bitmap32List.h"
#include "imaging/GR32_ImgView32.h"
#include "platform/controls/Forms.h"
#include "platform/core/SysUtils.h"
#include "platform/published/FormDefinition.h"
#include "platform/stdctrls/Panel.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"

namespace {

// The colour of picture pixel (x, y): both coordinates can be read back.
TColor32 PictureColour(int x, int y) { return 0xFF000000u | TColor32(x * 6) << 16 | TColor32(y * 8) << 8 | 0x40; }

// The "Data" of a w x h picture of PictureColour.
String PictureData(int w, int h) {
  String hex;
  auto put = [&hex](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) hex += Format("%.2X", int((v >> (8 * i)) & 0xFF));
  };
  put(w);
  put(h);
  for (int i = 0; i < w * h; ++i) {
    if (i % 32 == 0) hex += "\r\n        ";
    put(PictureColour(i % w, i / w));
  }
  return hex;
}

struct View {
  std::unique_ptr<TForm> form;
  TImgView32* view;
  View(int w, int h, int bw, int bh) : form(std::make_unique<TForm>(nullptr)) {
    view = new TImgView32(form.get());
    view->SetParent(form.get());
    view->SetBounds(0, 0, w, h);
    view->Bitmap()->SetSize(bw, bh);
  }
};

TEST(GR32ImgView, ConstructionDefaults) {
  View v(200, 150, 10, 10);
  EXPECT_TRUE(v.view->Centered());
  EXPECT_EQ(v.view->ScaleMode(), smScale);
  EXPECT_EQ(v.view->BitmapAlign(), baCustom);
  EXPECT_EQ(v.view->SizeGrip(), sgAuto);
  EXPECT_EQ(v.view->ScrollBars()->Visibility(), svAlways);
  EXPECT_EQ(v.view->ScrollBars()->Increment(), 8);
  EXPECT_EQ(v.view->VertBar()->Kind(), sbVertical);
  EXPECT_EQ(v.view->HorzBar()->BorderStyle(), bsNone);
  EXPECT_TRUE(v.view->HorzBar()->Centered());
}

TEST(GR32ImgView, ViewportLeavesRoomForTheBars) {
  struct Case {
    const char* what;
    TScrollBarVisibility visibility;
    int barSize;
    int bitmapWidth;
    TRect viewport;
    bool barsShown;
  } cases[] = {
      {"always, own size", svAlways, 20, 50, TRect{0, 0, 180, 130}, true},
      {"always, system size", svAlways, 0, 50, TRect{0, 0, 200 - ::GetSystemMetrics(SM_CYHSCROLL),
                                                     150 - ::GetSystemMetrics(SM_CYHSCROLL)}, true},
      {"hidden", svHidden, 20, 500, TRect{0, 0, 200, 150}, false},
      {"automatic, the picture fits", svAuto, 20, 50, TRect{0, 0, 200, 150}, false},
      {"automatic, the picture is wider", svAuto, 20, 500, TRect{0, 0, 180, 130}, true},
  };
  for (const Case& c : cases) {
    View v(200, 150, c.bitmapWidth, 40);
    v.view->ScrollBars()->SetSize(c.barSize);
    v.view->ScrollBars()->SetVisibility(c.visibility);
    EXPECT_EQ(v.view->GetViewportRect(), c.viewport) << c.what;
    EXPECT_EQ(v.view->HorzBar()->Visible(), c.barsShown) << c.what;
    EXPECT_EQ(v.view->VertBar()->Visible(), c.barsShown) << c.what;
    if (c.barsShown) {
      EXPECT_EQ(v.view->HorzBar()->BoundsRect(), (TRect{0, c.viewport.Bottom, c.viewport.Right, 150})) << c.what;
      EXPECT_EQ(v.view->VertBar()->BoundsRect(), (TRect{c.viewport.Right, 0, 200, c.viewport.Bottom})) << c.what;
    }
  }
}

TEST(GR32ImgView, CentringAndMargins) {
  // 200 x 150 with 16-pixel bars: a viewport of 184 x 134.
  View v(200, 150, 100, 300);
  v.view->ScrollBars()->SetSize(16);
  v.view->Scroll(0, 40);
  EXPECT_FLOAT_EQ(v.view->OffsetHorz(), 42) << "half the free width whatever the bar position";
  v.view->HorzBar()->SetPosition(30);
  v.view->Scroll(0, 0);
  EXPECT_FLOAT_EQ(v.view->OffsetHorz(), 42);
  EXPECT_FLOAT_EQ(v.view->OffsetVert(), -v.view->VertBar()->Position());

  v.view->SetCentered(false);
  EXPECT_FLOAT_EQ(v.view->OffsetHorz(), 0) << "Ofs less the (clamped) position";
  v.view->Scroll(0, 25);
  EXPECT_FLOAT_EQ(v.view->OffsetVert(), -25);

  // OverSize 10 at scale 2: each range grows by 40, the picture lies 20 inside.
  View m(200, 150, 100, 80);
  m.view->ScrollBars()->SetSize(16);
  m.view->SetCentered(false);
  m.view->SetScale(2);
  m.view->SetOverSize(10);
  EXPECT_EQ(m.view->HorzBar()->Range(), 240);
  EXPECT_EQ(m.view->VertBar()->Range(), 200);
  m.view->ScrollToCenter(0, 0);
  EXPECT_FLOAT_EQ(m.view->HorzBar()->Position(), 0);
  EXPECT_FLOAT_EQ(m.view->OffsetHorz(), 20);
  EXPECT_FLOAT_EQ(m.view->OffsetVert(), 20);
}

TEST(GR32ImgView, ScrollToCenterPutsThePointInTheMiddle) {
  View v(216, 166, 400, 300);
  v.view->ScrollBars()->SetSize(16);  // a 200 x 150 viewport
  v.view->SetCentered(false);
  v.view->ScrollToCenter(250, 120);
  EXPECT_FLOAT_EQ(v.view->HorzBar()->Position(), 150);
  EXPECT_FLOAT_EQ(v.view->VertBar()->Position(), 45);
  EXPECT_EQ(v.view->BitmapToControl(TPoint{250, 120}), (TPoint{100, 75}));
  v.view->ScrollToCenter(399, 299);
  EXPECT_FLOAT_EQ(v.view->HorzBar()->Position(), 200) << "clamped to the range";
}

TEST(GR32ImgView, SizeGripByStyleAndAlignment) {
  struct Case {
    const char* what;
    TSizeGripStyle style;
    TAlign panelAlign, viewAlign;
    bool visible;
  } cases[] = {
      {"client-aligned in a client-aligned panel", sgAuto, alClient, alClient, true},
      {"in a panel that is not client-aligned", sgAuto, alNone, alClient, false},
      {"not client-aligned itself", sgAuto, alClient, alTop, false},
      {"always", sgAlways, alNone, alNone, true},
      {"never", sgNone, alClient, alClient, false},
  };
  for (const Case& c : cases) {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(c.panelAlign);
    auto* view = new TImgView32(&form);
    view->SetParent(panel);
    view->SetAlign(c.viewAlign);
    view->SetSizeGrip(c.style);
    EXPECT_EQ(view->IsSizeGripVisible(), c.visible) << c.what;
  }
  TImgView32 orphan(nullptr);
  orphan.SetAlign(alClient);
  EXPECT_FALSE(orphan.IsSizeGripVisible()) << "no parent, no form";
  orphan.SetBounds(0, 0, 100, 80);
  orphan.ScrollBars()->SetSize(12);
  EXPECT_EQ(orphan.GetSizeGripRect(), (TRect{88, 68, 100, 80}));
}

TEST(GR32ImgView, ScrollBarGroupForwardsToBothBars) {
  View v(200, 150, 10, 10);
  TIVScrollProperties* bars = v.view->ScrollBars();
  bars->SetStyle(rbsMac);
  bars->SetHandleColor(clRed);
  bars->SetIncrement(5);
  for (TCustomRangeBar* bar : {v.view->HorzBar(), v.view->VertBar()}) {
    EXPECT_EQ(bar->Style(), rbsMac);
    EXPECT_EQ(bar->HandleColor(), clRed);
    EXPECT_EQ(bar->Increment(), 5);
  }
  View other(200, 150, 10, 10);
  other.view->SetScrollBars(bars);
  EXPECT_EQ(other.view->VertBar()->Style(), rbsMac);
  EXPECT_EQ(other.view->ScrollBars()->Increment(), 5);
}

// ---------------------------------------------------------------------------
// Read from a definition and shown

String ViewFormText() {
  return R"(object ViewForm: TForm
  Left = 0
  Top = 0
  Width = 340
  Height = 280
  object Holder: TPanel
    Left = 0
    Top = 0
    Width = 332
    Height = 253
    Align = alClient
    BevelOuter = bvNone
    object View: TImgView32
      Left = 0
      Top = 0
      Width = 332
      Height = 253
      Align = alClient
      Bitmap.Data = {)" +
         PictureData(40, 30) + R"(}
      BitmapAlign = baCustom
      Scale = 12.000000000000000000
      ScaleMode = smScale
      ScrollBars.ShowHandleGrip = True
      ScrollBars.Size = 18
      ScrollBars.Visibility = svAlways
      OnScroll = ViewScroll
    end
  end
end
)";
}

struct ViewForm {
  std::unique_ptr<TForm> form;
  TImgView32* view = nullptr;
  int scrolls = 0;
  ViewForm() {
    PublishImagingClasses();
    form = std::make_unique<TForm>(nullptr);
    TFormBindings bindings;
    bindings.Handler("ViewScroll", this, &ViewForm::ViewScroll);
    ReadComponentText(form.get(), ViewFormText(), bindings);
    view = dynamic_cast<TImgView32*>(form->FindComponent("View"));
    form->Show();
    form->Update();
    PumpMessages();
  }
  void ViewScroll(TObject*) { ++scrolls; }
  CapturedPixels Shown() {
    view->Repaint();
    PumpMessages();
    return CaptureClient(view->Handle());
  }
  // Every probed viewport pixel shows the picture pixel that the offsets and the
  // scale put there (probes on the edge between two picture pixels are skipped).
  void ExpectPictureWhereMapped(const CapturedPixels& shown, const char* when) {
    const TRect v = view->GetViewportRect();
    const float scale = view->Scale();
    int probed = 0;
    for (int y = v.Top + 3; y < v.Bottom; y += 37)
      for (int x = v.Left + 5; x < v.Right; x += 41) {
        const float bx = (x - view->OffsetHorz()) / scale, by = (y - view->OffsetVert()) / scale;
        const auto nearEdge = [scale](float b) { return std::abs(b - std::round(b)) * scale < 1.5f; };
        if (bx < 0 || by < 0 || bx >= 40 || by >= 30 || nearEdge(bx) || nearEdge(by)) continue;
        ++probed;
        EXPECT_EQ(shown.At(x, y), PictureColour(int(bx), int(by)) & 0xFFFFFF) << when << " at " << x << "," << y;
      }
    EXPECT_GT(probed, 10) << when;
  }
};

TEST(GR32ImgViewWindow, ReadFromADefinitionItScrollsByItsBars) {
  ViewForm f;
  ASSERT_NE(f.view, nullptr);
  EXPECT_EQ(f.view->Bitmap()->Width(), 40);
  EXPECT_FLOAT_EQ(f.view->Scale(), 12);
  EXPECT_EQ(f.view->ScrollBars()->Size(), 18);
  EXPECT_EQ(f.view->GetViewportRect(), (TRect{0, 0, f.view->Width() - 18, f.view->Height() - 18}));
  EXPECT_EQ(f.view->HorzBar()->Range(), 480);
  EXPECT_EQ(f.view->VertBar()->Range(), 360);
  const TRect v = f.view->GetViewportRect();
  // Centred once loaded: the middle of the picture in the middle of the viewport.
  EXPECT_FLOAT_EQ(f.view->HorzBar()->Position(), 240 - v.Width() / 2.0f);
  f.ExpectPictureWhereMapped(f.Shown(), "centred");

  const float before = f.view->HorzBar()->Position();
  TCustomRangeBar* bar = f.view->HorzBar();
  const int arrowX = bar->ClientWidth() - 3, arrowY = bar->ClientHeight() / 2;
  PostMouse(bar, WM_LBUTTONDOWN, arrowX, arrowY, MK_LBUTTON);
  PostMouse(bar, WM_LBUTTONUP, arrowX, arrowY, 0);
  ASSERT_TRUE(PumpUntil([&f] { return f.scrolls > 0; }));
  PumpMessages();
  EXPECT_FLOAT_EQ(f.view->HorzBar()->Position(), before + 8) << "one increment";
  EXPECT_FLOAT_EQ(f.view->OffsetHorz(), -(before + 8));
  f.ExpectPictureWhereMapped(f.Shown(), "after the arrow");

  // A press in the track beyond the handle moves by a whole window.
  const float atArrow = f.view->VertBar()->Position();
  TCustomRangeBar* vbar = f.view->VertBar();
  const TRect handle = vbar->GetHandleRect();
  const int trackY = handle.Bottom + 2;
  ASSERT_EQ(vbar->GetZone(5, trackY), zTrackNext);
  // The repeating press checks where the cursor is: it is put on the press.
  const TPoint screen = vbar->ClientToScreen(TPoint{5, trackY});
  ::SetCursorPos(screen.X, screen.Y);
  PostMouse(vbar, WM_LBUTTONDOWN, 5, trackY, MK_LBUTTON);
  PostMouse(vbar, WM_LBUTTONUP, 5, trackY, 0);
  ASSERT_TRUE(PumpUntil([&] { return f.view->VertBar()->Position() != atArrow; }));
  EXPECT_FLOAT_EQ(f.view->VertBar()->Position(),
                  std::min(atArrow + vbar->EffectiveWindow(), float(vbar->Range() - vbar->EffectiveWindow())));
  const CapturedPixels shown = f.Shown();
  f.ExpectPictureWhereMapped(shown, "after the track");
  CaptureWindow(f.form->Handle()).SaveBmp("imgview_scrolled.bmp");
}

TEST(GR32ImgViewWindow, TheGripShowsAndAPressInItSizesTheForm) {
  ViewForm f;
  const TRect grip = f.view->GetSizeGripRect();
  ASSERT_EQ(grip.Width(), 18);
  ASSERT_TRUE(f.view->IsSizeGripVisible());
  const CapturedPixels shown = f.Shown();
  const std::uint32_t face = ::GetSysColor(COLOR_BTNFACE);
  const std::uint32_t faceRgb = (face & 0xFF) << 16 | (face & 0xFF00) | (face >> 16 & 0xFF);
  int marks = 0;
  for (int y = grip.Top; y < grip.Bottom; ++y)
    for (int x = grip.Left; x < grip.Right; ++x) marks += shown.At(x, y) != faceRgb ? 1 : 0;
  EXPECT_GT(marks, 6) << "the grip's diagonal marks";

  f.view->SetSizeGrip(sgNone);
  const CapturedPixels plain = f.Shown();
  int unlike = 0;
  for (int y = grip.Top; y < grip.Bottom; ++y)
    for (int x = grip.Left; x < grip.Right; ++x) unlike += plain.At(x, y) != faceRgb ? 1 : 0;
  EXPECT_EQ(unlike, 0) << "without a grip the corner is button face";
  f.view->SetSizeGrip(sgAuto);

  // The sizing press reaches the form, carrying the cursor's screen point; it is
  // not passed on, so no sizing loop starts.
  struct Press {
    WPARAM hit = 0;
    TPoint at;
    int count = 0;
  } press;
  const TWndMethod formProc = f.form->WindowProc;
  f.form->WindowProc = TWndMethod::Function([&press, formProc](TMessage& m) {
    if (m.Msg == WM_NCLBUTTONDOWN) {
      ++press.count;
      press.hit = m.WParam;
      press.at = TPoint{short(LOWORD(m.LParam)), short(HIWORD(m.LParam))};
      return;
    }
    formProc(m);
  });
  const int x = grip.Left + 9, y = grip.Top + 9;
  PostMouse(f.view, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  ASSERT_TRUE(PumpUntil([&press] { return press.count > 0; }));
  f.form->WindowProc = formProc;
  EXPECT_EQ(press.hit, WPARAM(HTBOTTOMRIGHT));
  EXPECT_EQ(press.at, f.view->ClientToScreen(TPoint{x, y}));
  EXPECT_FALSE(f.view->MouseCapture());
  CaptureWindow(f.form->Handle()).SaveBmp("imgview_grip.bmp");
}

TEST(GR32Bitmap32List, ReadFromADefinition) {
  PublishImagingClasses();
  const String text = R"(object ListForm: TForm
  Left = 0
  Top = 0
  Width = 100
  Height = 80
  object Pictures: TBitmap32List
    Bitmaps = <
      item
        Bitmap.Data = {)" + PictureData(3, 2) +
                      R"(}
      end
      item
        Bitmap.Data = {)" + PictureData(2, 4) +
                      R"(}
        Bitmap.MasterAlpha = 128
      end>
  end
end
)";
  TForm form(nullptr);
  ReadComponentText(&form, text, TFormBindings());
  auto* list = dynamic_cast<TBitmap32List*>(form.FindComponent("Pictures"));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->Bitmaps()->Count(), 2);
  EXPECT_EQ(list->Bitmap(0)->Width(), 3);
  EXPECT_EQ(list->Bitmap(1)->Height(), 4);
  EXPECT_EQ(list->Bitmap(1)->GetPixel(1, 3), PictureColour(1, 3));
  EXPECT_EQ(list->Bitmap(1)->MasterAlpha(), 128u);
  EXPECT_EQ(list->Bitmaps()->Owner(), list);

  // Items copy bitmaps into one another; a list copies another's items.
  list->Bitmaps()->Items(0)->Assign(list->Bitmaps()->Items(1));
  EXPECT_TRUE(list->Bitmap(0)->Equal(list->Bitmap(1)));
  TBitmap32List copy(nullptr);
  copy.SetBitmap32Collection(list->Bitmaps());
  ASSERT_EQ(copy.Bitmaps()->Count(), 2);
  EXPECT_TRUE(copy.Bitmap(1)->Equal(list->Bitmap(1)));
  TBitmap32 other;
  other.SetSize(5, 5);
  copy.SetBitmap(0, &other);
  EXPECT_EQ(copy.Bitmap(0)->Width(), 5);
  TBitmap32 plain;
  EXPECT_THROW(list->Bitmaps()->Items(0)->Assign(&plain), EConvertError) << "only items take an item";
}

}  // namespace
