// The sample gauge: Progress kept within its range, the percentage, and each
// kind drawn with the part done in ForeColor.
#include <gtest/gtest.h>

#include "platform/stdctrls/CGauge.h"
#include "tests/harness/WindowCapture.h"
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

TEST(Gauge, ProgressStaysInItsRangeAndGivesThePercentage) {
  PublishStdControlClasses();
  TForm form(nullptr);
  ReadComponentText(&form, R"(object F: TForm
  object Gauge: TCGauge
    Width = 200
    Height = 20
    MaxValue = 400
    MinValue = 200
    Progress = 300
  end
end)");
  auto* gauge = Find<TCGauge>(&form, "Gauge");
  ASSERT_NE(gauge, nullptr);
  EXPECT_EQ(gauge->MinValue(), 200);
  EXPECT_EQ(gauge->MaxValue(), 400);
  EXPECT_EQ(gauge->Progress(), 300);
  EXPECT_EQ(gauge->PercentDone(), 50);
  gauge->AddProgress(1000);
  EXPECT_EQ(gauge->Progress(), 400);
  gauge->SetProgress(-5);
  EXPECT_EQ(gauge->Progress(), 200);
  EXPECT_THROW(gauge->SetMinValue(500), EInvalidOperation) << "the minimum cannot pass the maximum";
  EXPECT_THROW(gauge->SetMaxValue(100), EInvalidOperation);
  EXPECT_EQ(gauge->MinValue(), 200);
  gauge->SetMaxValue(200);
  EXPECT_EQ(gauge->PercentDone(), 0) << "an empty range is 0 % done";
}

TEST(Gauge, EachKindDrawsThePartDoneInForeColor) {
  struct Case {
    TGaugeKind kind;
    int progress;
    TPoint done, notDone;  // relative to the gauge
  } cases[] = {
      {gkHorizontalBar, 50, {20, 20}, {80, 20}},
      {gkVerticalBar, 25, {50, 90}, {50, 30}},
      {gkPie, 25, {65, 35}, {35, 65}},
      {gkText, 50, {-1, -1}, {10, 10}},
  };
  PublishStdControlClasses();
  for (const Case& c : cases) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(30, 30, 120, 120);
    auto* gauge = new TCGauge(&form);
    gauge->SetParent(&form);
    gauge->SetBounds(0, 0, 100, 100);
    gauge->SetShowText(false);
    gauge->SetForeColor(clRed);
    gauge->SetBackColor(clLime);
    gauge->SetKind(c.kind);
    gauge->SetProgress(c.progress);
    form.Show();
    form.Repaint();
    CapturedPixels pixels = CaptureClient(form.Handle());
    if (c.done.X >= 0) {
      EXPECT_EQ(pixels.At(c.done.X, c.done.Y), 0xFF0000u) << "kind " << c.kind;
    }
    EXPECT_EQ(pixels.At(c.notDone.X, c.notDone.Y), 0x00FF00u) << "kind " << c.kind;
    EXPECT_EQ(pixels.At(0, 50), 0x000000u) << "kind " << c.kind << ": the single border";
  }
}
