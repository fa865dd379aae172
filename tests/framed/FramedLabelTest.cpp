// Labels: angles kept within a turn, rotation switches, sizes grown by frames and
// shadows, text on an arc, the shared blink intervals, and the URL label's shell call.
#include <gtest/gtest.h>

#include <vector>

#include "framed/common/RzCommon_Blink.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzLabel.h"
#include "framed/controls/RzURLLabel.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/framed/FramedPixels.h"
#include "tests/harness/SystemCallsGuard.h"

namespace {

TEST(FramedLabelAngle, AnglesAreKeptWithinOneTurn) {
  struct Case {
    int set, angle;
    TRotation rotation;
  };
  const Case cases[] = {{-90, 270, roFlat}, {450, 90, roFlat}, {-400, 320, roFlat},  // -400 once gave -40
                        {45, 45, roFlat},   {360, 0, roNone},  {-360, 0, roNone},
                        {0, 0, roNone},     {719, 359, roFlat}};
  for (const Case& c : cases) {
    TRzLabel label(nullptr);
    label.Font()->SetName("Arial");
    label.SetAngle(c.set);
    EXPECT_EQ(label.Angle(), c.angle) << c.set;
    EXPECT_EQ(label.Rotation(), c.rotation) << c.set;
  }
}

TEST(FramedLabelAngle, TurningNeedsATrueTypeFontAndRotationNoneResetsTheAngle) {
  TRzLabel label(nullptr);
  String raster;
  for (const char* name : {"MS Sans Serif", "Small Fonts", "Courier", "System", "Fixedsys"}) {
    label.Font()->SetName(name);
    if (!IsTrueTypeFont(label.Font())) {
      raster = name;
      break;
    }
  }
  if (raster.empty()) GTEST_SKIP() << "no raster font on this system";
  label.SetAngle(45);
  EXPECT_EQ(label.Font()->Name(), "Verdana");
  EXPECT_EQ(label.Rotation(), roFlat);
  label.SetRotation(roNone);
  EXPECT_EQ(label.Angle(), 0);
  label.SetAngle(30);
  label.SetRotation(roFlat);
  EXPECT_EQ(label.Angle(), 0) << "roFlat resets the angle too";
  EXPECT_EQ(label.CenterPoint(), cpCenter);
}

// The size an AutoSize label takes for its caption with the given frame and style.
TSize AutoSized(TFrameStyleEx outer, int borderWidth, TTextStyle style, int shadowDepth = 2) {
  TRzLabel label(nullptr);
  label.Font()->SetName("Arial");
  label.SetBorderOuter(outer);
  label.SetBorderWidth(borderWidth);
  label.SetTextStyle(style);
  label.SetShadowDepth(shadowDepth);
  label.SetCaption("Samplerate");
  label.SetAutoSize(false);
  label.SetAutoSize(true);
  return TSize{label.Width(), label.Height()};
}

TEST(FramedLabelAutoSize, FramesAndShadowsGrowTheMeasuredText) {
  const TSize plain = AutoSized(fsNone, 0, tsNormal);
  struct Case {
    const char* name;
    TFrameStyleEx outer;
    int borderWidth;
    TTextStyle style;
    int grow;
  };
  const Case cases[] = {{"groove and border width 1", fsGroove, 1, tsNormal, 6},
                        {"flat bold and border width 1", fsFlatBold, 1, tsNormal, 6},
                        {"flat", fsFlat, 0, tsNormal, 2},
                        {"groove with a shadow", fsGroove, 1, tsShadow, 8},
                        {"shadow alone", fsNone, 0, tsShadow, 2}};
  for (const Case& c : cases) {
    const TSize sized = AutoSized(c.outer, c.borderWidth, c.style);
    EXPECT_EQ(sized.cx, plain.cx + c.grow) << c.name;
    EXPECT_EQ(sized.cy, plain.cy + c.grow) << c.name;
  }
}

TEST(FramedLabelAutoSize, RightAlignedLabelKeepsItsRightEdge) {
  TRzLabel label(nullptr);
  label.SetAlignment(taRightJustify);
  label.SetBounds(100, 10, 50, 17);
  label.SetCaption("A");
  const int right = label.Left() + label.Width();
  label.SetCaption("A much longer caption");
  EXPECT_EQ(label.Left() + label.Width(), right);
  EXPECT_LT(label.Left(), 100);
}

TEST(FramedLabelPaint, ArcTextOnALabelWithoutRadiusIsDrawnFlat) {
  // A border as wide as half the label leaves no radius for the arc.
  for (int borderWidth : {15, 20}) {
    TRzLabel label(nullptr);
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 60, 60);
    label.SetCenterPoint(cpUpperCenter);
    label.Font()->SetName("Arial");
    label.Font()->SetColor(clBlack);
    label.SetColor(clWhite);
    label.SetParentColor(false);
    label.SetRotation(roCurve);
    label.SetBorderWidth(borderWidth);
    label.SetCaption("WW");
    ASSERT_LE(label.CalcRadius().X, 0);
    TPixelSheet sheet(60, 60, clWhite);
    label.Perform(WM_PAINT, reinterpret_cast<WPARAM>(sheet.Canvas()->Handle()), 0);
    int ink = 0;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x) ink += sheet.At(x, y) == clBlack;
    EXPECT_GT(ink, 0) << "the text still shows, flat, at border " << borderWidth;
  }
}

TEST(FramedLabelPaint, DisabledRaisedLabelShowsOnlyTheEmbossedText) {
  TRzLabel label(nullptr);
  label.SetAutoSize(false);
  label.SetBounds(0, 0, 60, 20);
  label.SetColor(clWhite);
  label.SetParentColor(false);
  label.SetTextStyle(tsRaised);
  label.SetHighlightColor(clRed);
  label.SetShadowColor(clBlue);
  label.SetCaption("WWW");
  label.SetEnabled(false);
  TPixelSheet sheet(60, 20, clWhite);
  label.Perform(WM_PAINT, reinterpret_cast<WPARAM>(sheet.Canvas()->Handle()), 0);
  int raised = 0, shadow = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) {
      raised += sheet.At(x, y) == clRed || sheet.At(x, y) == clBlue;
      shadow += sheet.At(x, y) == ColorToRGB(clBtnShadow);
    }
  EXPECT_EQ(raised, 0);
  EXPECT_GT(shadow, 0);
}

using FramedLabelDefinition = FramedForm;

TEST_F(FramedLabelDefinition, StreamedBlinkIntervalsSetTheSharedList) {
  ReadComponentText(form,
                    "object Form: TForm\n"
                    "  object Title: TRzLabel\n"
                    "    Caption = 'Title'\n"
                    "    BlinkIntervalOff = 200\n"
                    "    BlinkIntervalOn = 200\n"
                    "  end\n"
                    "end\n");
  ASSERT_NE(BlinkingControls, nullptr);
  EXPECT_EQ(BlinkingControls->IntervalOn(), 200);
  EXPECT_EQ(BlinkingControls->IntervalOff(), 200);
  BlinkingControls->SetIntervalOn(500);
  BlinkingControls->SetIntervalOff(500);
}

TEST(FramedLabelBlink, BlinkingShowsBlinkColorInTheOffPhase) {
  TManualClockScope clock;
  TRzLabel label(nullptr);
  label.Font()->SetColor(clBlack);
  label.SetBlinkColor(clRed);
  label.SetBlinking(true);
  label.Perform(CM_BLINK, bsOff, 0);
  EXPECT_EQ(label.CurrentTextColor(), clRed);
  label.Perform(CM_BLINK, bsOn, 0);
  EXPECT_EQ(label.CurrentTextColor(), clBlack);
  EXPECT_EQ(label.Perform(CM_GETBLINKING), 1);
  label.Perform(CM_BLINK, bsOff, 0);
  label.SetBlinking(false);
  EXPECT_EQ(label.CurrentTextColor(), clBlack) << "switching off shows the normal colour";
  EXPECT_EQ(label.Perform(CM_GETBLINKING), 0);
}

TEST(FramedURLLabel, ClickOpensTheURLOrTheCaptionThroughTheShell) {
  struct Case {
    const char* url;
    const char* caption;
    bool succeeds;
    const char* opened;      // nullptr: no shell call
    const char* fallback;    // the WinExec command line, nullptr for none
    bool visited;
  };
  const Case cases[] = {
      {"http://example.org/", "Home", true, "http://example.org/", nullptr, true},
      {"   ", "mailto:someone@example.org", true, "mailto:someone@example.org", nullptr, true},
      {"", "  ", true, nullptr, nullptr, false},
      {"page.htm", "", false, "page.htm", "RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", false},
      {"page.html", "", false, "page.html", nullptr, false},
      {"docs\\Page.HTM", "", false, "docs\\Page.HTM", "RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", false},
  };
  for (const Case& c : cases) {
    SystemCallsGuard guard;
    std::vector<String> opened, executed;
    SystemCalls().ShellExecuteEx = [&](SHELLEXECUTEINFOA* info) {
      EXPECT_EQ(String(info->lpVerb), "Open");
      EXPECT_EQ(info->nShow, SW_SHOWNORMAL);
      EXPECT_EQ(info->fMask, static_cast<ULONG>(SEE_MASK_FLAG_NO_UI | SEE_MASK_FLAG_DDEWAIT));
      opened.push_back(info->lpFile);
      return c.succeeds ? TRUE : FALSE;
    };
    SystemCalls().WinExec = [&](const String& line, UINT) {
      executed.push_back(line);
      return 33u;
    };
    TRzURLLabel label(nullptr);
    label.URL = c.url;
    label.SetCaption(c.caption);
    label.SetVisitedColor(clPurple);
    label.Click();
    EXPECT_EQ(opened.size(), c.opened ? 1u : 0u) << c.url << "|" << c.caption;
    if (c.opened && !opened.empty()) {
      EXPECT_EQ(opened[0], c.opened);
    }
    EXPECT_EQ(executed.size(), c.fallback ? 1u : 0u) << c.url;
    if (c.fallback && !executed.empty()) {
      EXPECT_EQ(executed[0], c.fallback);
    }
    EXPECT_EQ(label.Visited(), c.visited) << c.url;
    if (c.visited) {
      EXPECT_EQ(label.Font()->Color(), clPurple);
    }
  }
}

TEST(FramedURLLabel, ShowsTheHandUnderlinedInTheUnvisitedColour) {
  TRzURLLabel label(nullptr);
  EXPECT_EQ(label.Cursor(), crRzHand);
  EXPECT_TRUE(label.Font()->Style() & fsUnderline);
  EXPECT_EQ(label.Font()->Color(), clHighlight);
}

}  // namespace
