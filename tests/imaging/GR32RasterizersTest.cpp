// The rasterizers: every pixel sampled and assigned once (the progressive one
// refines from new corners), their orders and reports, the combine settings, and
// a sampler that throws.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "GR32AreaLog.h"
#include "imaging/GR32_Blend.h"
#include "imaging/GR32_Rasterizers.h"
#include "imaging/GR32_Resamplers.h"

namespace {

TColor32 ColourAt(Integer x, Integer y) { return 0xFF000000u | TColor32(x & 0xFF) << 16 | TColor32(y & 0xFF) << 8 | 0x33; }

// Counts its samples per position (from any thread) and can fail on the n-th.
class CountingSampler : public TCustomSampler {
public:
  CountingSampler(const TRect& area) : area_(area), counts_(size_t(area.Width() * area.Height())) {}
  TColor32 GetSampleInt(Integer x, Integer y) override {
    if (failAt_ > 0 && ++samples_ == failAt_) throw Exception("sampler failed");
    if (area_.Contains(TPoint{x, y})) ++counts_[size_t((y - area_.Top) * area_.Width() + (x - area_.Left))];
    std::lock_guard<std::mutex> lock(orderLock_);
    order.push_back(TPoint{x, y});
    return ColourAt(x, y);
  }
  void PrepareSampling() override { ++prepared; }
  void FinalizeSampling() override { ++finalized; }
  int Count(Integer x, Integer y) const {
    return counts_[size_t((y - area_.Top) * area_.Width() + (x - area_.Left))];
  }
  void FailAt(int n) { failAt_ = n; }

  std::vector<TPoint> order;
  int prepared = 0, finalized = 0;

private:
  TRect area_;
  std::vector<std::atomic<int>> counts_;
  std::atomic<int> samples_{0};
  int failAt_ = 0;
  std::mutex orderLock_;
};

struct Kind {
  const char* name;
  TRasterizerClass make;
  bool progressive;
};

const Kind kKinds[] = {
    {"regular", &NewRasterizer<TRegularRasterizer>, false},
    {"swizzling", &NewRasterizer<TSwizzlingRasterizer>, false},
    {"tesseral", &NewRasterizer<TTesseralRasterizer>, false},
    {"contour", &NewRasterizer<TContourRasterizer>, false},
    {"multithreaded", &NewRasterizer<TMultithreadedRegularRasterizer>, false},
    {"progressive", &NewRasterizer<TProgressiveRasterizer>, true},
};

TEST(GR32Rasterizers, EveryPixelOnceInItsOwnColour) {
  const TRect areas[] = {TRect{2, 3, 3, 4}, TRect{1, 1, 4, 8}, TRect{0, 5, 64, 22}};
  for (const Kind& kind : kKinds)
    for (const TRect& r : areas) {
      TBitmap32 dst;
      dst.SetSize(70, 30);
      dst.Clear(0);
      CountingSampler sampler(r);
      std::unique_ptr<TRasterizer> rasterizer(kind.make());
      rasterizer->SetSampler(&sampler);
      rasterizer->Rasterize(&dst, r);
      const std::string what = std::string(kind.name) + " " + std::to_string(r.Width()) + "x" + std::to_string(r.Height());
      for (Integer y = 0; y < 30; ++y)
        for (Integer x = 0; x < 70; ++x) {
          const bool inside = r.Contains(TPoint{x, y});
          ASSERT_EQ(dst.GetPixel(x, y), inside ? ColourAt(x, y) : 0u) << what << " at " << x << "," << y;
          if (!inside) continue;
          if (kind.progressive) {
            ASSERT_GE(sampler.Count(x, y), 1) << what;
          } else {
            ASSERT_EQ(sampler.Count(x, y), 1) << what << " at " << x << "," << y;
          }
        }
      EXPECT_EQ(sampler.prepared, 1) << what;
      EXPECT_EQ(sampler.finalized, 1) << what;
    }
}

// A blending draw mode shows that each pixel is combined exactly once.
TEST(GR32Rasterizers, BlendingAssignsEachPixelOnce) {
  for (const Kind& kind : kKinds) {
    if (kind.progressive) continue;
    TBitmap32 dst, once;
    for (TBitmap32* b : {&dst, &once}) {
      b->SetSize(9, 5);
      b->Clear(0xFF000000);
    }
    TCombineInfo info;
    info.DrawMode = dmBlend;
    info.SrcAlpha = 128;
    CountingSampler sampler(dst.BoundsRect());
    std::unique_ptr<TRasterizer> rasterizer(kind.make());
    rasterizer->SetSampler(&sampler);
    rasterizer->Rasterize(&dst, dst.BoundsRect(), info);
    for (Integer y = 0; y < 5; ++y)
      for (Integer x = 0; x < 9; ++x) {
        TColor32 expected = 0xFF000000;
        BLEND_MEM_EX[cmBlend](ColourAt(x, y), expected, 128);
        ASSERT_EQ(dst.GetPixel(x, y), expected) << kind.name << " at " << x << "," << y;
      }
  }
}

TEST(GR32Rasterizers, SwizzlingVisitsInZOrder) {
  TBitmap32 dst;
  dst.SetSize(4, 4);
  CountingSampler sampler(dst.BoundsRect());
  TSwizzlingRasterizer rasterizer;
  rasterizer.SetSampler(&sampler);
  rasterizer.Rasterize(&dst);
  const std::vector<TPoint> expected{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {3, 0}, {2, 1}, {3, 1},
                                     {0, 2}, {1, 2}, {0, 3}, {1, 3}, {2, 2}, {3, 2}, {2, 3}, {3, 3}};
  EXPECT_EQ(sampler.order, expected);
}

TEST(GR32Rasterizers, TesseralStartsWithTheOutline) {
  TBitmap32 dst;
  dst.SetSize(5, 4);
  CountingSampler sampler(dst.BoundsRect());
  TTesseralRasterizer rasterizer;
  rasterizer.SetSampler(&sampler);
  AreaLog log;
  dst.OnAreaChanged = TAreaChangedEvent(&log, &AreaLog::Area);
  rasterizer.Rasterize(&dst);
  ASSERT_GE(sampler.order.size(), 8u);
  EXPECT_EQ(std::vector<TPoint>(sampler.order.begin(), sampler.order.begin() + 8),
            (std::vector<TPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {0, 1}, {0, 2}, {0, 3}}));
  ASSERT_GE(log.areas.size(), 2u);
  EXPECT_EQ(log.areas[0].Area, (TRect{0, 0, 5, 1}));
  EXPECT_EQ(log.areas[1].Area, (TRect{0, 0, 1, 4}));
}

// The first pass fills whole blocks from their top-left samples.
TEST(GR32Rasterizers, ProgressiveFillsThenRefines) {
  TBitmap32 dst;
  dst.SetSize(40, 20);
  dst.Clear(0);
  CountingSampler sampler(dst.BoundsRect());
  TProgressiveRasterizer rasterizer;
  rasterizer.SetSteps(3);
  rasterizer.SetSampler(&sampler);
  std::vector<TColor32> firstBand;
  std::vector<TRect> reports;
  dst.OnAreaChanged = TAreaChangedEvent::Function([&](TObject*, const TRect& r, Cardinal) {
    if (reports.empty()) firstBand = Pixels(dst);
    reports.push_back(r);
  });
  rasterizer.Rasterize(&dst);
  ASSERT_FALSE(firstBand.empty());
  EXPECT_EQ(firstBand[5 + 3 * 40], ColourAt(0, 0)) << "the 8 x 8 block of the first corner";
  EXPECT_EQ(firstBand[39 + 7 * 40], ColourAt(32, 0)) << "the last block reaches the right edge";
  EXPECT_EQ(reports.front(), (TRect{0, 0, 40, 8}));
  EXPECT_EQ(dst.UpdateCount(), 0);
  // The corners of the coarse pass are not sampled again by the finer ones.
  EXPECT_EQ(sampler.Count(8, 8), 1);
  EXPECT_EQ(sampler.Count(4, 0), 1);
}

TEST(GR32Rasterizers, MultithreadedEqualsRegular) {
  TBitmap32 src;
  FillDistinct(src, 64, 40);
  new TLinearResampler(&src);  // the bitmap owns it from now on
  TBitmap32 a, b;
  for (TBitmap32* d : {&a, &b}) {
    d->SetSize(64, 40);
    d->Clear(0);
  }
  TRegularRasterizer regular;
  TMultithreadedRegularRasterizer threaded;
  regular.SetSampler(src.Resampler());
  threaded.SetSampler(src.Resampler());
  regular.Rasterize(&a, TRect{3, 2, 61, 39});
  AreaLog log;
  b.OnAreaChanged = TAreaChangedEvent(&log, &AreaLog::Area);
  threaded.Rasterize(&b, TRect{3, 2, 61, 39});
  EXPECT_EQ(Pixels(a), Pixels(b));
  EXPECT_EQ(log.areas, (std::vector<AreaReport>{{TRect{3, 2, 61, 39}, AREAINFO_RECT}}));
}

TEST(GR32Rasterizers, RegularReportsExactlyTheFinishedRows) {
  struct Case {
    Integer updateRowCount;
    TRect r;
    std::vector<TRect> reports;
  } cases[] = {
      {0, TRect{0, 0, 4, 3}, {TRect{0, 0, 4, 3}}},
      {1, TRect{1, 2, 4, 5}, {TRect{1, 2, 4, 3}, TRect{1, 3, 4, 4}, TRect{1, 4, 4, 5}}},
      {2, TRect{0, 0, 4, 5}, {TRect{0, 0, 4, 2}, TRect{0, 2, 4, 4}, TRect{0, 4, 4, 5}}},
      {0, TRect{2, 2, 3, 3}, {TRect{2, 2, 3, 3}}},
  };
  for (const Case& c : cases) {
    TBitmap32 dst;
    dst.SetSize(6, 6);
    CountingSampler sampler(dst.BoundsRect());
    TRegularRasterizer rasterizer;
    rasterizer.SetUpdateRowCount(c.updateRowCount);
    rasterizer.SetSampler(&sampler);
    std::vector<TRect> reports;
    dst.OnAreaChanged =
        TAreaChangedEvent::Function([&reports](TObject*, const TRect& r, Cardinal) { reports.push_back(r); });
    rasterizer.Rasterize(&dst, c.r);
    EXPECT_EQ(reports, c.reports) << c.updateRowCount;
  }
}

TEST(GR32Rasterizers, DrawModes) {
  TBitmap32 src;
  src.SetSize(1, 1);
  struct Case {
    const char* what;
    std::function<void(TRasterizer&, TBitmap32&)> run;
    TColor32 sample, before, after;
  } cases[] = {
      {"transparent keeps the key colour's pixels",
       [](TRasterizer& r, TBitmap32& d) {
         TCombineInfo info;
         info.DrawMode = dmTransparent;
         info.TransparentColor = 0xFF00FF00;
         r.Rasterize(&d, d.BoundsRect(), info);
       },
       0xFF00FF00, 0xFF123456, 0xFF123456},
      {"transparent writes others",
       [](TRasterizer& r, TBitmap32& d) {
         TCombineInfo info;
         info.DrawMode = dmTransparent;
         info.TransparentColor = 0xFF00FF00;
         r.Rasterize(&d, d.BoundsRect(), info);
       },
       0xFF00FF01, 0xFF123456, 0xFF00FF01},
      {"a custom bitmap without a callback is opaque",
       [&src](TRasterizer& r, TBitmap32& d) {
         src.SetDrawMode(dmCustom);
         src.SetMasterAlpha(10);
         r.Rasterize(&d, d.BoundsRect(), &src);
       },
       0x80FFFFFF, 0xFF000000, 0x80FFFFFF},
      {"custom combine info without a callback blends",
       [](TRasterizer& r, TBitmap32& d) {
         TCombineInfo info;
         info.DrawMode = dmCustom;
         r.Rasterize(&d, d.BoundsRect(), info);
       },
       0x80FFFFFF, 0xFF000000, 0},
  };
  for (const Case& c : cases) {
    struct Constant : TCustomSampler {
      TColor32 colour;
      TColor32 GetSampleInt(Integer, Integer) override { return colour; }
    } sampler;
    sampler.colour = c.sample;
    TBitmap32 dst;
    dst.SetSize(2, 2);
    dst.Clear(c.before);
    TRegularRasterizer rasterizer;
    rasterizer.SetSampler(&sampler);
    c.run(rasterizer, dst);
    TColor32 expected = c.after;
    if (expected == 0) {
      expected = c.before;
      BLEND_MEM_EX[cmBlend](c.sample, expected, 255);
    }
    EXPECT_EQ(dst.GetPixel(1, 1), expected) << c.what;
  }
}

TEST(GR32Rasterizers, AFailingSamplerLeavesTheBitmapBalanced) {
  for (const Kind& kind : kKinds) {
    TBitmap32 dst;
    dst.SetSize(20, 10);
    dst.BeginUpdate();
    CountingSampler sampler(dst.BoundsRect());
    sampler.FailAt(37);
    std::unique_ptr<TRasterizer> rasterizer(kind.make());
    rasterizer->SetSampler(&sampler);
    EXPECT_THROW(rasterizer->Rasterize(&dst), Exception) << kind.name;
    EXPECT_EQ(dst.UpdateCount(), 1) << kind.name;
    EXPECT_EQ(sampler.finalized, 1) << kind.name;
    dst.EndUpdate();
  }
  TBitmap32 dst;
  dst.SetSize(2, 2);
  TRegularRasterizer none;
  none.Rasterize(&dst);  // no sampler: nothing happens
}

TEST(GR32Rasterizers, CombineInfoOfABitmapAndAssign) {
  TBitmap32 b;
  b.SetDrawMode(dmBlend);
  b.SetCombineMode(cmMerge);
  b.SetMasterAlpha(77);
  b.OuterColor = 0x11223344;
  const TCombineInfo info = CombineInfo(&b);
  EXPECT_EQ(info.DrawMode, dmBlend);
  EXPECT_EQ(info.CombineMode, cmMerge);
  EXPECT_EQ(info.SrcAlpha, 77);
  EXPECT_EQ(info.TransparentColor, 0x11223344u);
  TRegularRasterizer r;
  r.Assign(&b);
  EXPECT_EQ(r.CombineSettings().SrcAlpha, 77);
  struct Nothing : TCustomSampler {
  } sampler;
  TSwizzlingRasterizer from, to;
  from.SetSampler(&sampler);
  from.SetBlockSize(5);
  to.Assign(&from);
  EXPECT_EQ(to.Sampler(), &sampler);
  EXPECT_EQ(to.BlockSize(), 5);
}

}  // namespace
