// The clipped integer lines draw exactly the pixels of their unclipped forms
// that lie inside the clip rectangle, for lines through every edge and corner.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "GR32AreaLog.h"
#include "GR32BindingFixture.h"

namespace {

constexpr int kSize = 64;
const TRect kClip{16, 12, 47, 40};
constexpr TColor32 kBackground = 0xFF102030;

struct Segment {
  int x1, y1, x2, y2;
  bool l;
};

// Seeded lines with ends anywhere on the large bitmap, and lines aimed at each
// corner of the clip rectangle and along each of its edges.
std::vector<Segment> Segments() {
  std::vector<Segment> lines;
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> coordinate(0, kSize - 1);
  for (int i = 0; i < 400; ++i)
    lines.push_back({coordinate(random), coordinate(random), coordinate(random), coordinate(random), i % 2 == 0});
  const int xs[] = {kClip.Left - 1, kClip.Left, kClip.Right - 1, kClip.Right};
  const int ys[] = {kClip.Top - 1, kClip.Top, kClip.Bottom - 1, kClip.Bottom};
  for (int cx : xs)
    for (int cy : ys) {
      // Through the corner point from far away on both sides, at several slopes.
      for (int k = 1; k <= 5; ++k) {
        lines.push_back({cx - 3 * k, cy - k * k, cx + 4 * k, cy + k * k + 1, k % 2 == 0});
        lines.push_back({cx + 5 * k, cy - 2 * k, cx - k, cy + 3 * k, k % 2 == 1});
        lines.push_back({cx, cy, cx + 9 * k - 20, cy - 7 * k + 13, true});
      }
      lines.push_back({cx, 0, cx, kSize - 1, true});
      lines.push_back({0, cy, kSize - 1, cy, false});
    }
  // The unclipped forms write unchecked: every end stays on the large bitmap.
  const auto inside = [](int v) { return std::clamp(v, 0, kSize - 1); };
  for (Segment& s : lines) s = {inside(s.x1), inside(s.y1), inside(s.x2), inside(s.y2), s.l};
  return lines;
}

struct LineForm {
  const char* name;
  void (TBitmap32::*unclipped)(Integer, Integer, Integer, Integer, TColor32, bool);
  void (TBitmap32::*clipped)(Integer, Integer, Integer, Integer, TColor32, bool);
  TColor32 colour;
};

class GR32ClippedLines : public GR32Binding {};

TEST_P(GR32ClippedLines, DrawTheUnclippedPixelsInsideTheClip) {
  const LineForm forms[] = {
      {"LineS", &TBitmap32::Line, &TBitmap32::LineS, 0xFFFFFFFF},
      {"LineTS", &TBitmap32::LineT, &TBitmap32::LineTS, 0x80FF8040},
      {"LineAS", &TBitmap32::LineA, &TBitmap32::LineAS, 0xC0FFE0A0},
  };
  for (const LineForm& form : forms)
    for (const Segment& s : Segments()) {
      TBitmap32 whole, cut;
      for (TBitmap32* b : {&whole, &cut}) {
        b->SetSize(kSize, kSize);
        b->Clear(kBackground);
      }
      cut.SetClipRect(kClip);
      (whole.*form.unclipped)(s.x1, s.y1, s.x2, s.y2, form.colour, s.l);
      (cut.*form.clipped)(s.x1, s.y1, s.x2, s.y2, form.colour, s.l);
      for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
          const bool inside = kClip.Contains(TPoint{x, y});
          const TColor32 expected = inside ? whole.GetPixel(x, y) : kBackground;
          ASSERT_EQ(cut.GetPixel(x, y), expected)
              << form.name << " (" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ") L=" << s.l
              << " at " << x << "," << y;
        }
    }
}

// Clipped lines report their given ends when anything of them is inside, and
// nothing when they miss the clip rectangle.
TEST_P(GR32ClippedLines, ReportTheGivenEndsOrNothing) {
  for (const Segment& s : Segments()) {
    if (s.x1 == s.x2 || s.y1 == s.y2) continue;  // the runs report their own spans
    TBitmap32 whole, cut;
    whole.SetSize(kSize, kSize);
    whole.Clear(0);
    whole.Line(s.x1, s.y1, s.x2, s.y2, 0xFFFFFFFF, s.l);
    bool drawsInside = false;
    for (int y = kClip.Top; y < kClip.Bottom; ++y)
      for (int x = kClip.Left; x < kClip.Right; ++x) drawsInside |= whole.GetPixel(x, y) != 0;
    cut.SetSize(kSize, kSize);
    cut.SetClipRect(kClip);
    AreaLog log;
    log.Watch(cut);
    cut.LineS(s.x1, s.y1, s.x2, s.y2, 0xFFFFFFFF, s.l);
    if (drawsInside) {
      EXPECT_EQ(log.areas, (std::vector<AreaReport>{{TRect{s.x1, s.y1, s.x2, s.y2}, AREAINFO_LINE_ENDS}}))
          << s.x1 << "," << s.y1 << "-" << s.x2 << "," << s.y2;
    } else if (std::max(s.x1, s.x2) < kClip.Left || std::min(s.x1, s.x2) >= kClip.Right ||
               std::max(s.y1, s.y2) < kClip.Top || std::min(s.y1, s.y2) >= kClip.Bottom) {
      EXPECT_TRUE(log.areas.empty()) << s.x1 << "," << s.y1 << "-" << s.x2 << "," << s.y2;
    }
  }
}

GR32_BOTH_BINDINGS(GR32ClippedLines);

}  // namespace
