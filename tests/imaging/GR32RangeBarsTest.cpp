// The range and gauge bars: geometry, zones, the press-and-repeat timer driven
// through its handler, the wheel, the limits, and both styles on screen.
#include <gtest/gtest.h>

#include <memory>

#include "imaging/GR32_RangeBars.h"
#include "imaging/GR32_System.h"
#include "platform/controls/Forms.h"
#include "platform/core/Math.h"
#include "platform/published/FormDefinition.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"

void PublishImagingClasses();

namespace {

// A bar whose cursor position the test sets, with its mouse handling at hand.
template <class Base>
struct Probe : Base {
  explicit Probe(TComponent* owner = nullptr) : Base(owner) {}
  TPoint cursor{-100, -100};
  TPoint CursorClientPos() override { return cursor; }
  void Press(int x, int y) {
    cursor = TPoint{x, y};
    Base::MouseDown(mbLeft, 0, x, y);
  }
  void Drag(int x, int y) {
    cursor = TPoint{x, y};
    Base::MouseMove(0, x, y);
  }
  void Release(int x, int y) { Base::MouseUp(mbLeft, 0, x, y); }
};
using RangeProbe = Probe<TRangeBar>;
using GaugeProbe = Probe<TGaugeBar>;

struct Counts {
  int changes = 0, userChanges = 0;
  void Watch(TArrowBar& bar) {
    bar.OnChange = TNotifyEvent::Function([this](TObject*) { ++changes; });
    bar.OnUserChange = TNotifyEvent::Function([this](TObject*) { ++userChanges; });
  }
};

TEST(GR32RangeBar, GeometryOfAHorizontalBar) {
  TRangeBar bar(nullptr);
  EXPECT_EQ(bar.Width(), 100);
  EXPECT_EQ(bar.Height(), 16);
  EXPECT_EQ(bar.BarClientRect(), (TRect{0, 0, 98, 14}));
  EXPECT_EQ(bar.GetButtonSize(), 14);
  EXPECT_EQ(bar.GetTrackBoundary(), (TRect{14, 0, 84, 14}));
  bar.SetParams(1000, 100);
  // Round(70 x 100 / 1000) = 7 is too short: 17 pixels at Round(53 x Position / 900).
  struct Case {
    float position;
    TRect handle;
  } cases[] = {{0, TRect{14, 0, 31, 14}}, {450, TRect{40, 0, 57, 14}}, {900, TRect{67, 0, 84, 14}},
               {5000, TRect{67, 0, 84, 14}}};
  for (const Case& c : cases) {
    bar.SetPosition(c.position);
    EXPECT_EQ(bar.GetHandleRect(), c.handle) << c.position;
  }
  bar.SetParams(1000, 500);  // a long handle: Round(70 x 500 / 1000) = 35 at Round(70 x Position / 1000)
  bar.SetPosition(200);
  EXPECT_EQ(bar.GetHandleRect(), (TRect{28, 0, 63, 14}));
}

TEST(GR32RangeBar, ButtonSizes) {
  struct Case {
    const char* what;
    int width, height, buttonSize;
    bool arrows;
    TRBStyle style;
    int expected;
  } cases[] = {
      {"automatic: the thickness", 100, 16, 0, true, rbsDefault, 14},
      {"thick bars stop at 32", 200, 50, 0, true, rbsDefault, 32},
      {"short bars halve their length", 30, 16, 0, true, rbsDefault, 14},
      {"given", 100, 16, 20, true, rbsDefault, 20},
      {"Mac style one less", 100, 16, 0, true, rbsMac, 13},
      {"no arrows", 100, 16, 0, false, rbsDefault, 0},
      {"too small", 4, 16, 0, true, rbsDefault, 0},
  };
  for (const Case& c : cases) {
    TRangeBar bar(nullptr);
    bar.SetBounds(0, 0, c.width, c.height);
    bar.SetButtonSize(c.buttonSize);
    bar.SetShowArrows(c.arrows);
    bar.SetStyle(c.style);
    EXPECT_EQ(bar.GetButtonSize(), c.expected) << c.what;
  }
}

TEST(GR32RangeBar, ZonesAlongTheBar) {
  TRangeBar bar(nullptr);
  bar.SetParams(1000, 100);
  bar.SetPosition(450);  // the handle covers 40 .. 56
  struct Case {
    int x, y;
    TRBZone zone;
  } cases[] = {{5, 5, zBtnPrev},    {13, 5, zBtnPrev},  {14, 5, zTrackPrev}, {39, 5, zTrackPrev},
               {40, 5, zHandle},    {56, 5, zHandle},   {57, 5, zTrackNext}, {83, 5, zTrackNext},
               {84, 5, zBtnNext},   {97, 5, zBtnNext},  {98, 5, zNone},      {50, 14, zNone},
               {-1, 5, zNone}};
  for (const Case& c : cases) EXPECT_EQ(bar.GetZone(c.x, c.y), c.zone) << c.x << "," << c.y;
  EXPECT_EQ(bar.GetZoneRect(zTrackPrev), (TRect{14, 0, 40, 14}));
  EXPECT_EQ(bar.GetZoneRect(zTrackNext), (TRect{57, 0, 84, 14}));
  EXPECT_EQ(bar.GetZoneRect(zNone), TRect{});

  // Disabled, the handle collapses to the track's middle.
  bar.SetEnabled(false);
  EXPECT_EQ(bar.GetZoneRect(zHandle), (TRect{49, 0, 49, 14}));
  EXPECT_EQ(bar.GetZoneRect(zTrackPrev), (TRect{14, 0, 49, 14}));

  TRangeBar vertical(nullptr);
  vertical.SetKind(sbVertical);
  vertical.SetBounds(0, 0, 16, 100);
  EXPECT_EQ(vertical.GetZone(5, 5), zBtnPrev);
  EXPECT_EQ(vertical.GetZone(5, 90), zBtnNext);
  EXPECT_EQ(vertical.GetZoneRect(zBtnNext), (TRect{0, 84, 14, 98}));
}

TEST(GR32RangeBar, ABarWhoseWindowCoversTheRangeIgnoresPresses) {
  RangeProbe bar;
  EXPECT_EQ(bar.EffectiveWindow(), 100) << "window 0: the bar's width";
  bar.SetRange(50);
  EXPECT_FALSE(bar.DrawEnabled());
  bar.Press(90, 5);
  EXPECT_EQ(bar.DragZone(), zNone);
  EXPECT_EQ(bar.Position(), 0.0f);
  bar.SetWindow(20);
  EXPECT_TRUE(bar.DrawEnabled());
}

TEST(GR32RangeBar, PressAndRepeatThroughTheTimer) {
  RangeProbe bar;
  Counts counts;
  counts.Watch(bar);
  bar.SetParams(30, 10);  // positions 0 .. 20
  bar.Press(90, 5);       // the next arrow: one step at once
  EXPECT_EQ(bar.Position(), 8.0f);
  EXPECT_EQ(bar.TimerMode(), 1);
  EXPECT_EQ(bar.Timer()->Interval(), 600u);
  EXPECT_TRUE(bar.Timer()->Enabled());
  bar.TimerHandler(bar.Timer());  // after the delay: repeating every 100 ms
  EXPECT_EQ(bar.Position(), 16.0f);
  EXPECT_EQ(bar.TimerMode(), 2);
  EXPECT_EQ(bar.Timer()->Interval(), 100u);
  bar.TimerHandler(bar.Timer());
  EXPECT_EQ(bar.Position(), 20.0f);
  bar.TimerHandler(bar.Timer());  // no move at the end: the repetition stops
  EXPECT_EQ(bar.TimerMode(), 3) << "hot tracking instead";
  EXPECT_EQ(bar.Timer()->Interval(), 150u);
  EXPECT_EQ(counts.changes, 3);
  EXPECT_EQ(counts.userChanges, 3);
  bar.Release(90, 5);
  EXPECT_EQ(bar.TimerMode(), 3);
  bar.cursor = TPoint{200, 5};  // the cursor left the bar
  bar.TimerHandler(bar.Timer());
  EXPECT_EQ(bar.TimerMode(), 0);
  EXPECT_FALSE(bar.Timer()->Enabled());
  EXPECT_EQ(bar.HotZone(), zNone);

  bar.SetPosition(3);
  EXPECT_EQ(counts.changes, 4);
  EXPECT_EQ(counts.userChanges, 3) << "a change by code is no user change";
}

TEST(GR32RangeBar, TrackPressesPageWhileTheCursorStaysOnTheirSide) {
  RangeProbe bar;
  bar.SetParams(1000, 100);
  bar.SetPosition(450);
  bar.Press(70, 5);  // the track after the handle
  EXPECT_EQ(bar.DragZone(), zTrackNext);
  EXPECT_EQ(bar.Position(), 550.0f);
  bar.cursor = TPoint{20, 5};  // the cursor went to the other side
  bar.TimerHandler(bar.Timer());
  EXPECT_EQ(bar.Position(), 550.0f);
  bar.cursor = TPoint{300, 5};  // beyond the end: clamped into the bar, the last button
  bar.TimerHandler(bar.Timer());
  EXPECT_EQ(bar.Position(), 650.0f);
  bar.Release(300, 5);
  bar.Press(20, 5);
  EXPECT_EQ(bar.Position(), 550.0f);
}

TEST(GR32RangeBar, HandleDragsFollowTheMouse) {
  struct Case {
    const char* what;
    int width;
    int range, window;
    int from, by;
    float expected;
  } cases[] = {
      // 100 wide: e = 70 - 2 = 68; Round(100 x 68 / 1000) = 7: the short-handle rule.
      {"a short handle", 100, 1000, 100, 22, 11, float(Round(11.0 * 900 / 51))},
      // Round(500 x 68 / 1000) = 34: Range x d / e.
      {"a long handle", 100, 1000, 500, 30, 17, float(1000.0 * 17 / 68)},
      // 49 wide: a = 19, e = 17: the short-handle divisor e - 17 is 0.
      {"a track no longer than the shortest handle", 49, 1000, 10, 17, 5, 0},
  };
  for (const Case& c : cases) {
    RangeProbe bar;
    bar.SetBounds(0, 0, c.width, 16);
    bar.SetParams(c.range, c.window);
    ASSERT_EQ(bar.GetZone(c.from, 5), zHandle) << c.what;
    bar.Press(c.from, 5);
    EXPECT_EQ(bar.TimerMode(), 3) << c.what << ": no repetition on the handle";
    bar.Drag(c.from + c.by, 5);
    EXPECT_FLOAT_EQ(bar.Position(), c.expected) << c.what;
    bar.Release(c.from + c.by, 5);
  }
}

TEST(GR32RangeBar, WheelMovesByTheIncrement) {
  TRangeBar bar(nullptr);
  bar.SetParams(1000, 100);
  bar.SetPosition(100);
  bar.Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(bar.Position(), 108.0f);
  bar.Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-240)), 0);
  EXPECT_EQ(bar.Position(), 92.0f);

  TGaugeBar gauge(nullptr);
  gauge.SetSmallChange(3);
  gauge.SetPosition(50);
  gauge.Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(gauge.Position(), 53);
}

TEST(GR32RangeBar, CentringKeepsTheMiddleWhenTheRangeChanges) {
  TRangeBar bar(nullptr);
  bar.SetCentered(true);
  bar.SetParams(1000, 100);
  bar.SetPosition(450);  // the middle of the visible part at 500, half the range
  bar.SetRange(2000);
  EXPECT_FLOAT_EQ(bar.Position(), 950);
  bar.SetParams(50, 100);
  EXPECT_FLOAT_EQ(bar.Position(), 0) << "no room to scroll";
}

TEST(GR32RangeBar, KindAtDesignTimeTurnsTheBar) {
  TRangeBar running(nullptr);
  running.SetKind(sbVertical);
  EXPECT_EQ(running.Width(), 100) << "at run time the size stays";
  TRangeBar designed(nullptr);
  designed.SetDesigning(true);
  designed.SetKind(sbVertical);
  EXPECT_EQ(designed.Width(), 16);
  EXPECT_EQ(designed.Height(), 100);
}

TEST(GR32GaugeBar, LimitsAndHandle) {
  TGaugeBar gauge(nullptr);
  EXPECT_EQ(gauge.Max(), 100);
  gauge.SetMin(100);
  EXPECT_EQ(gauge.Min(), 99) << "Min stays below Max";
  gauge.SetMin(0);
  gauge.SetMax(-5);
  EXPECT_EQ(gauge.Max(), 1);
  gauge.SetMax(100);
  gauge.SetPosition(150);
  EXPECT_EQ(gauge.Position(), 100);
  gauge.SetMax(60);
  EXPECT_EQ(gauge.Position(), 60) << "brought inside the new range";
  gauge.SetSmallChange(0);
  gauge.SetLargeChange(-3);
  EXPECT_EQ(gauge.SmallChange(), 1);
  EXPECT_EQ(gauge.LargeChange(), 1);
  gauge.SetHandleSize(-4);
  EXPECT_EQ(gauge.HandleSize(), 0);
  // Automatic handle: the thickness, 14; the track is 70: offset Round(56 x 30 / 60).
  gauge.SetPosition(30);
  EXPECT_EQ(gauge.GetHandleRect(), (TRect{42, 0, 56, 14}));

  // While a definition is read Min may equal Max: no division by their difference.
  TGaugeBar loading(nullptr);
  loading.BeginLoading();
  loading.SetMax(0);
  EXPECT_EQ(loading.Max(), 0);
  EXPECT_EQ(loading.GetHandleRect(), (TRect{14, 0, 28, 14}));
}

TEST(GR32GaugeBar, StepsAndDrags) {
  GaugeProbe gauge;
  gauge.SetLargeChange(10);
  gauge.SetSmallChange(2);
  gauge.Press(90, 5);
  EXPECT_EQ(gauge.Position(), 2);
  gauge.Release(90, 5);
  gauge.Press(70, 5);
  EXPECT_EQ(gauge.Position(), 12);
  gauge.Release(70, 5);
  // The handle (14 long at offset Round(56 x 12 / 100) = 7) dragged by 28 pixels: 50 more.
  gauge.Press(25, 5);
  ASSERT_EQ(gauge.DragZone(), zHandle);
  gauge.Drag(53, 5);
  EXPECT_EQ(gauge.Position(), 62);
  gauge.Release(53, 5);
  // A bar too short for a track: no handle, and no division by its length.
  TGaugeBar tiny(nullptr);
  tiny.SetBounds(0, 0, 30, 16);
  EXPECT_EQ(tiny.GetHandleSize(), 0);
  EXPECT_EQ(tiny.GetHandleRect(), (TRect{14, 0, 14, 14}));
}

// ---------------------------------------------------------------------------
// On screen, both styles

const char* const kBarsForm = R"(object BarsForm: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object Classic: TRangeBar
    Left = 10
    Top = 10
    Width = 200
    Height = 18
    Range = 1000
    Window = 200
    Position = 300.000000000000000000
  end
  object ClassicDisabled: TRangeBar
    Left = 10
    Top = 40
    Width = 200
    Height = 18
    Range = 100
  end
  object Mac: TRangeBar
    Left = 10
    Top = 70
    Width = 200
    Height = 18
    Range = 1000
    Window = 200
    Position = 500.000000000000000000
    Style = rbsMac
    HandleColor = clGray
  end
  object MacVertical: TGaugeBar
    Left = 230
    Top = 10
    Width = 18
    Height = 150
    Kind = sbVertical
    Position = 40
    Style = rbsMac
    Backgnd = bgSolid
  end
  object Gauge: TGaugeBar
    Left = 10
    Top = 100
    Width = 200
    Height = 18
    Max = 10
    Position = 4
  end
end
)";

TEST(GR32RangeBarWindow, BothStylesDrawnFromADefinition) {
  PublishImagingClasses();
  TForm form(nullptr);
  ReadComponentText(&form, kBarsForm, TFormBindings());
  auto* classic = dynamic_cast<TRangeBar*>(form.FindComponent("Classic"));
  auto* mac = dynamic_cast<TRangeBar*>(form.FindComponent("Mac"));
  auto* gauge = dynamic_cast<TGaugeBar*>(form.FindComponent("MacVertical"));
  ASSERT_NE(classic, nullptr);
  ASSERT_NE(mac, nullptr);
  ASSERT_NE(gauge, nullptr);
  EXPECT_EQ(classic->Position(), 300.0f);
  EXPECT_EQ(mac->Style(), rbsMac);
  EXPECT_EQ(gauge->Kind(), sbVertical);
  EXPECT_EQ(gauge->Backgnd(), bgSolid);
  form.Show();
  form.Update();
  PumpMessages();
  CaptureWindow(form.Handle()).SaveBmp("rangebars.bmp");
  // The classic drawing (frame controls and edges), whatever the visual styles say.
  const bool themed = USE_THEMES;
  USE_THEMES = false;
  form.Invalidate();
  for (TControl* bar : {static_cast<TControl*>(classic), static_cast<TControl*>(mac)}) bar->Repaint();
  form.Repaint();
  PumpMessages();
  CaptureWindow(form.Handle()).SaveBmp("rangebars_classic.bmp");
  classic->Repaint();
  const CapturedPixels plain = CaptureClient(classic->Handle());
  USE_THEMES = themed;
  const TRect handleRect = classic->GetHandleRect();
  // A raised handle: its top-left edge is lighter than its bottom-right one.
  const auto brightness = [](std::uint32_t c) { return (c >> 16 & 0xFF) + (c >> 8 & 0xFF) + (c & 0xFF); };
  EXPECT_GT(brightness(plain.At(handleRect.Left, handleRect.Top + 5)),
            brightness(plain.At(handleRect.Right - 1, handleRect.Top + 5)));

  // The Mac handle: a frame of the border colour around the handle colour.
  mac->Repaint();
  const CapturedPixels m = CaptureClient(mac->Handle());
  const TRect h = mac->GetHandleRect();
  const std::uint32_t gray = 0x808080;
  EXPECT_EQ(m.At((h.Left + h.Right) / 2 + 6, h.Top + 3), gray) << "inside the handle";
  // The default handle (themed or classic) stands out from its track.
  classic->Repaint();
  const CapturedPixels c = CaptureClient(classic->Handle());
  const TRect ch = classic->GetHandleRect();
  const TRect track = classic->GetZoneRect(zTrackNext);
  EXPECT_NE(c.At(ch.Left, ch.Top + 5), c.At(track.Left + 3, ch.Top + 5));
  const String written = WriteComponentText(&form);
  EXPECT_NE(written.find("Style = rbsMac"), String::npos);
  EXPECT_NE(written.find("Kind = sbVertical"), String::npos);
}

}  // namespace
