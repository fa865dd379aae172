// The small routines of the skin engine: rectangles, points, dates, version
// tests and the system entry points with their fallbacks.
#include <gtest/gtest.h>

#include "skin/draw/SkinRects.h"
#include "skin/draw/SkinSystem.h"

namespace {

TEST(SkinRects, RectangleAndPointTests) {
  EXPECT_EQ(RectWidth(Rect(3, 4, 10, 20)), 7);
  EXPECT_EQ(RectHeight(Rect(3, 4, 10, 20)), 16);
  EXPECT_EQ(NullRect(), Rect(0, 0, 0, 0));
  struct Case {
    TRect r;
    bool null;
  } cases[] = {{{0, 0, 0, 0}, true}, {{0, 0, 5, 0}, true}, {{0, 0, 0, 5}, true}, {{5, 5, 2, 9}, true},
               {{0, 0, 1, 1}, false}, {{-5, -5, -4, -4}, false}};
  for (const Case& c : cases) EXPECT_EQ(IsNullRect(c.r), c.null) << c.r.Left << "," << c.r.Top << "," << c.r.Right;
  EXPECT_TRUE(IsNullPoint({0, 7}));
  EXPECT_TRUE(IsNullPoint({7, 0}));
  EXPECT_FALSE(IsNullPoint({1, 1}));
  EXPECT_TRUE(EqPoints({1, 2}, {1, 2}));
  EXPECT_FALSE(EqRects(Rect(0, 0, 1, 1), Rect(0, 0, 1, 2)));
  EXPECT_TRUE(PointInRect(Rect(0, 0, 10, 10), {10, 10}));
  EXPECT_FALSE(PointInRect(Rect(0, 0, 10, 10), {11, 10}));
  EXPECT_FALSE(RectInRect(Rect(0, 0, 10, 10), Rect(0, 0, 10, 10)));
  EXPECT_TRUE(RectInRect(Rect(1, 1, 9, 9), Rect(0, 0, 10, 10)));
  TRect r = Rect(50, 50, 60, 54);
  EXPECT_EQ(RectToCenter(r, Rect(100, 200, 131, 221)), Rect(110, 208, 120, 212));
  EXPECT_EQ(r, Rect(110, 208, 120, 212));
  EXPECT_EQ(Max(-3, 2), 2);
  EXPECT_EQ(Min(-3, 2), -3);
}

TEST(SkinRects, Dates) {
  TDateTime date = EncodeDate(2004, 2, 29);
  EXPECT_EQ(ExtractDay(date), 29);
  EXPECT_EQ(ExtractMonth(date), 2);
  EXPECT_EQ(ExtractYear(date), 2004);
  struct Case {
    int year, month, days;
  } cases[] = {{1900, 2, 28}, {2000, 2, 29}, {2004, 2, 29}, {2023, 2, 28}, {2023, 1, 31}, {2023, 4, 30},
               {2023, 12, 31}, {2023, 0, 0}, {2023, 13, 0}, {2023, -1, 0}};
  for (const Case& c : cases) EXPECT_EQ(DaysPerMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(2100));
}

// GetVersion packs the major version in the lowest byte, the minor in the next.
class PinnedVersion : public ::testing::Test {
protected:
  static DWORD Version() { return version; }
  void Pin(int major, int minor) {
    version = static_cast<DWORD>(major | minor << 8);
    SP_GetVersion = &PinnedVersion::Version;
  }
  void TearDown() override { SP_GetVersion = saved; }
  static inline DWORD version = 0;
  DWORD (*saved)() = SP_GetVersion;
};

TEST_F(PinnedVersion, VersionTable) {
  struct Case {
    int major, minor;
    bool vista, nine, xp, w2kxp;
  } cases[] = {{4, 10, false, true, false, false}, {5, 0, false, false, false, true},
               {5, 1, false, false, true, true},   {5, 2, false, false, false, true},
               {6, 0, true, false, true, true},    {10, 0, true, false, true, true}};
  for (const Case& c : cases) {
    Pin(c.major, c.minor);
    Integer major = -1, minor = -1;
    GetWindowsVersion(major, minor);
    EXPECT_EQ(major, c.major);
    EXPECT_EQ(minor, c.minor);
    EXPECT_EQ(IsVistaOs(), c.vista) << c.major << "." << c.minor;
    EXPECT_EQ(Is9XOS(), c.nine) << c.major << "." << c.minor;
    EXPECT_EQ(CheckWXP(), c.xp) << c.major << "." << c.minor;
    EXPECT_EQ(CheckW2KWXP(), c.w2kxp) << c.major << "." << c.minor;
  }
}

TEST(SkinSystem, TestPrefixReportsWindowsSeven) {
  // The test prefix is the Wine default: Windows 7, version 6.1.
  Integer major = 0, minor = 0;
  GetWindowsVersion(major, minor);
  EXPECT_EQ(major, 6);
  EXPECT_EQ(minor, 1);
  EXPECT_TRUE(IsVistaOs());
}

TEST(SkinSystem, EntryPointsAreBoundByNameWithFallbacks) {
  const TspUser32Entries& entries = SPUser32();
  EXPECT_NE(entries.MonitorFromWindow, nullptr);
  EXPECT_NE(entries.GetMonitorInfoA, nullptr);
  EXPECT_NE(entries.GetScrollBarInfo, nullptr);
  EXPECT_NE(entries.SetLayeredWindowAttributes, nullptr);
  TRect primary = GetPrimaryMonitorWorkArea(false);
  EXPECT_EQ(primary, Rect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
  EXPECT_FALSE(IsNullRect(GetPrimaryMonitorWorkArea(true)));
  EXPECT_EQ(GetMonitorWorkArea(nullptr, false), primary);

  SPUser32() = TspUser32Entries{};  // a system without the entry points
  SCROLLBARINFO info = {};
  info.cbSize = sizeof(info);
  EXPECT_FALSE(MyGetScrollBarInfo(nullptr, OBJID_HSCROLL, info));
  EXPECT_EQ(info.rgstate[0], static_cast<DWORD>(STATE_SYSTEM_INVISIBLE));
  EXPECT_EQ(GetMonitorWorkArea(nullptr, false), primary);
  SetAlphaBlendTransparent(nullptr, 100);  // no call at all
  BindUser32Entries();
  EXPECT_NE(SPUser32().GetScrollBarInfo, nullptr);
}

}  // namespace
