#include <cmath>
#include <vector>

#include "GR32BindingFixture.h"
#include "platform/core/WinApi.h"

namespace {

// A bitmap whose pixel (x, y) is opaque with blue x and green y.
void Gradient(TBitmap32& b, int w, int h) {
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, 0xFF000000u | y << 8 | x);
}

struct AreaLog : TObject {
  std::vector<TRect> areas;
  void Area(TObject*, const TRect& r, Cardinal) { areas.push_back(r); }
};

class GR32Transfers : public GR32Binding {};

TEST_P(GR32Transfers, BlockTransferClipsAndReportsTheUnclippedArea) {
  TBitmap32 src, dst;
  Gradient(src, 4, 3);
  dst.SetSize(5, 5);
  dst.Clear(0xFFFFFFFF);
  AreaLog log;
  dst.OnAreaChanged = TAreaChangedEvent(&log, &AreaLog::Area);
  BlockTransfer(&dst, 3, -1, dst.BoundsRect(), &src, TRect{0, 0, 4, 3}, dmOpaque);
  EXPECT_EQ(dst.GetPixel(3, 0), src.GetPixel(0, 1));
  EXPECT_EQ(dst.GetPixel(4, 1), src.GetPixel(1, 2));
  EXPECT_EQ(dst.GetPixel(2, 0), 0xFFFFFFFFu);
  EXPECT_EQ(dst.GetPixel(3, 2), 0xFFFFFFFFu);
  ASSERT_EQ(log.areas.size(), 1u);
  EXPECT_EQ(log.areas[0], (TRect{3, -1, 7, 2}));
  EXPECT_THROW(BlockTransfer(nullptr, 0, 0, TRect{}, &src, src.BoundsRect(), dmOpaque), EBitmapException);
  try {
    BlockTransfer(&dst, 0, 0, TRect{}, nullptr, TRect{}, dmOpaque);
    FAIL();
  } catch (const EBitmapException& e) {
    EXPECT_EQ(e.Message, "Source bitmap is nil");
  }
}

TEST_P(GR32Transfers, DrawModes) {
  TBitmap32 src, dst;
  src.SetSize(3, 1);
  src.SetPixel(0, 0, 0x80FF0000);
  src.SetPixel(1, 0, 0x00000000);
  src.SetPixel(2, 0, 0xFF00FF00);
  const TColor32 back = 0xFF0000FF;
  struct Hook : TObject {
    void Combine(TColor32 f, TColor32& b, TColor32 m) { b = f ^ m; }
  } hook;
  struct Case {
    TDrawMode mode;
    Cardinal master;
    bool callback;
  } cases[] = {{dmOpaque, 255, false}, {dmBlend, 255, false}, {dmBlend, 100, false}, {dmBlend, 0, false},
               {dmTransparent, 255, false}, {dmCustom, 7, true}, {dmCustom, 255, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << int(c.mode) << " " << c.master);
    dst.SetSize(3, 1);
    dst.Clear(back);
    src.SetDrawMode(c.mode);
    src.SetMasterAlpha(c.master);
    src.OnPixelCombine = c.callback ? TPixelCombineEvent(&hook, &Hook::Combine) : nullptr;
    src.DrawTo(&dst);
    for (int x = 0; x < 3; ++x) {
      TColor32 s = src.GetPixel(x, 0), want = back;
      switch (c.mode) {
        case dmOpaque: want = s; break;
        case dmBlend:
          if (c.master == 255) BlendMem(s, want);
          else if (c.master > 0) BlendLineEx(&s, &want, 1, c.master);
          break;
        case dmTransparent: want = s == src.OuterColor ? back : s; break;
        case dmCustom: want = c.callback ? s ^ c.master : s; break;
      }
      EXPECT_EQ(dst.GetPixel(x, 0), want) << x;
    }
  }
}

TEST_P(GR32Transfers, EqualSizeStretchIsABlockTransfer) {
  TBitmap32 src, a, b;
  Gradient(src, 6, 5);
  for (TBitmap32* d : {&a, &b}) {
    d->SetSize(8, 8);
    d->Clear(0xFF123456);
  }
  TRect clip{3, 2, 6, 8};
  src.SetResamplerClassName("TKernelResampler");
  StretchTransfer(&a, TRect{1, 1, 5, 4}, clip, &src, TRect{1, 1, 5, 4}, src.Resampler(), dmOpaque);
  TRect block = clip;
  BlockTransfer(&b, 1, 1, block, &src, TRect{1, 1, 5, 4}, dmOpaque);
  EXPECT_TRUE(a.Equal(&b));
  EXPECT_THROW(StretchTransfer(&a, TRect{0, 0, 4, 4}, a.BoundsRect(), &src, TRect{0, 0, 7, 2}, src.Resampler(),
                               dmOpaque),
               ESrcInvalidException);
  AreaLog log;
  a.OnAreaChanged = TAreaChangedEvent(&log, &AreaLog::Area);
  StretchTransfer(&a, TRect{0, 0, 4, 4}, a.BoundsRect(), &src, TRect{2, 2, 2, 4}, src.Resampler(), dmOpaque);
  EXPECT_TRUE(log.areas.empty());  // an empty source rectangle does nothing
}

TEST_P(GR32Transfers, NearestColumnMaps) {
  struct Case {
    bool fullEdge;
    int srcLo, srcHi, dstLo, dstHi, clipLo, clipHi;
    std::vector<Integer> want;
  } cases[] = {
      {true, 0, 2, 0, 4, 0, 4, {0, 0, 1, 1}},
      {false, 0, 2, 0, 4, 0, 4, {0, 0, 1, 1}},  // 0, 0.33, 0.67, 1 rounded
      {true, 0, 4, 0, 2, 0, 2, {0, 2}},
      {true, 2, 7, 10, 11, 10, 11, {4}},        // one column: the middle
      {true, 0, 3, 0, 9, 4, 7, {1, 1, 2}},      // clipped
      {false, 0, 5, 0, 3, 0, 3, {0, 2, 4}},
  };
  for (const Case& c : cases) {
    FullEdge = c.fullEdge;
    EXPECT_EQ(NearestMap(c.dstLo, c.dstHi, c.clipLo, c.clipHi, c.srcLo, c.srcHi), c.want)
        << c.fullEdge << " " << c.srcHi << "->" << c.dstHi;
  }
  FullEdge = true;
  // Through a whole stretch: 3 x 2 onto 6 x 5 at an offset, clipped by the target.
  TBitmap32 src, dst;
  Gradient(src, 3, 2);
  dst.SetSize(5, 5);
  StretchTransfer(&dst, TRect{-1, 0, 5, 5}, dst.BoundsRect(), &src, src.BoundsRect(), src.Resampler(), dmOpaque);
  auto mapX = NearestMap(-1, 5, 0, 5, 0, 3), mapY = NearestMap(0, 5, 0, 5, 0, 2);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(dst.GetPixel(x, y), src.GetPixel(mapX[x], mapY[y])) << x << "," << y;
}

TEST_P(GR32Transfers, NearestStretchModesAndTransparency) {
  TBitmap32 src, dst;
  src.SetSize(2, 1);
  src.SetPixel(0, 0, 0x80FF0000);
  src.SetPixel(1, 0, 0xFF00FF00);
  src.OuterColor = 0xFF00FF00;
  src.SetDrawMode(dmTransparent);
  dst.SetSize(4, 2);
  dst.Clear(0xFF0000FF);
  src.DrawTo(&dst, dst.BoundsRect());
  EXPECT_EQ(dst.GetPixel(1, 1), 0x80FF0000u);
  EXPECT_EQ(dst.GetPixel(2, 1), 0xFF0000FFu);
  src.SetDrawMode(dmBlend);
  src.SetMasterAlpha(200);
  dst.Clear(0xFF0000FF);
  src.DrawTo(&dst, dst.BoundsRect());
  TColor32 want = 0xFF0000FF;
  BlendLineEx(&src.Bits()[0], &want, 1, 200);
  EXPECT_EQ(dst.GetPixel(0, 1), want);
}

TEST_P(GR32Transfers, AverageBlockTruncates) {
  std::vector<TColor32> block(16, 0xFF7F0164);  // a 4 x 4 block of one colour
  EXPECT_EQ(AverageBlock(4, 4, block.data(), 16), 0xFF7F0164u);
  // 3 x 3 inside a wider row stride: 100 gives 99, 255 gives 254.
  EXPECT_EQ(AverageBlock(3, 3, block.data(), 16), 0xFE7E0063u);
  std::vector<TColor32> mixed{0xFF000000, 0xFF000003, 0xFF000001, 0xFF000000};
  EXPECT_EQ(AverageBlock(2, 2, mixed.data(), 8), 0xFF000001u);
}

TEST_P(GR32Transfers, DraftAndLinearStretch) {
  TBitmap32 src, dst;
  src.SetSize(4, 4);
  src.Clear(0xFF204060);
  src.SetResamplerClassName("TDraftResampler");
  dst.SetSize(2, 2);
  src.DrawTo(&dst, dst.BoundsRect());
  for (int i = 0; i < 4; ++i) EXPECT_EQ(dst.GetPixel(i % 2, i / 2), AverageBlock(2, 2, src.Bits(), 16));
  // Enlarging 2 x 2 to 4 x 4: the last columns read the last source column only.
  TBitmap32 small, big;
  small.SetSize(2, 2);
  small.SetPixel(0, 0, 0xFF000000);
  small.SetPixel(1, 0, 0xFFFFFFFF);
  small.SetPixel(0, 1, 0xFF000000);
  small.SetPixel(1, 1, 0xFFFFFFFF);
  small.SetResamplerClassName("TLinearResampler");
  big.SetSize(4, 4);
  small.DrawTo(&big, big.BoundsRect());
  EXPECT_EQ(big.GetPixel(0, 0), 0xFF000000u);
  EXPECT_EQ(big.GetPixel(3, 3), 0xFFFFFFFFu);
  EXPECT_EQ(big.GetPixel(3, 0), 0xFFFFFFFFu);
  EXPECT_LT(Ch(big.GetPixel(1, 0), 0), Ch(big.GetPixel(2, 0), 0));
}

TEST_P(GR32Transfers, MeasuringReportsTheAreaWithoutDrawing) {
  TBitmap32 src, dst;
  Gradient(src, 3, 3);
  dst.SetSize(4, 4);
  dst.Clear(0xFF000000);
  AreaLog log;
  dst.BeginMeasuring(TAreaChangedEvent(&log, &AreaLog::Area));
  BlockTransfer(&dst, 2, 2, dst.BoundsRect(), &src, src.BoundsRect(), dmOpaque);
  StretchTransfer(&dst, TRect{-1, 0, 7, 2}, dst.BoundsRect(), &src, src.BoundsRect(), src.Resampler(), dmOpaque);
  dst.EndMeasuring();
  EXPECT_EQ(log.areas, (std::vector<TRect>{TRect{2, 2, 5, 5}, TRect{-1, 0, 7, 2}}));
  for (int i = 0; i < 16; ++i) EXPECT_EQ(dst.Bits()[i], 0xFF000000u);
}

TEST_P(GR32Transfers, BlendTransferOfTwoSources) {
  TBitmap32 f, b, dst;
  f.SetSize(3, 2);
  f.Clear(0x80102030);
  b.SetSize(2, 3);
  b.Clear(0x40010203);
  dst.SetSize(4, 4);
  dst.Clear(0);
  AreaLog log;
  dst.OnAreaChanged = TAreaChangedEvent(&log, &AreaLog::Area);
  BlendTransfer(&dst, 1, 1, dst.BoundsRect(), &f, f.BoundsRect(), &b, b.BoundsRect(), ColorAdd);
  EXPECT_EQ(dst.GetPixel(1, 1), 0xC0112233u);
  EXPECT_EQ(dst.GetPixel(2, 2), 0xC0112233u);
  EXPECT_EQ(dst.GetPixel(3, 1), 0u);  // outside the back source
  EXPECT_EQ(dst.GetPixel(1, 3), 0u);  // outside the front source
  ASSERT_EQ(log.areas.size(), 1u);
  EXPECT_EQ(log.areas[0], (TRect{1, 1, 3, 3}));
  BlendTransfer(&dst, 0, 0, dst.BoundsRect(), &f, f.BoundsRect(), &b, b.BoundsRect(),
                [](TColor32 fc, TColor32, TColor32 m) { return fc ^ m; }, 0x55);
  EXPECT_EQ(dst.GetPixel(0, 0), 0x80102030u ^ 0x55u);
  EXPECT_THROW(BlendTransfer(&dst, 0, 0, TRect{}, nullptr, TRect{}, &b, TRect{}, ColorAdd), EBitmapException);
}

GR32_BOTH_BINDINGS(GR32Transfers);

TEST(GR32Kernels, ClustersSumTo256) {
  TBoxKernel box;
  TLinearKernel linear;
  TCosineKernel cosine;
  TSplineKernel spline;
  TMitchellKernel mitchell;
  TCubicKernel cubic;
  THermiteKernel hermite;
  TLanczosKernel lanczos;
  TGaussianKernel gaussian;
  TBlackmanKernel blackman;
  THannKernel hann;
  THammingKernel hamming;
  TSinshKernel sinsh;
  const TCustomKernel* kernels[] = {&box,      &linear,   &cosine, &spline, &mitchell, &cubic, &hermite,
                                    &lanczos,  &gaussian, &blackman, &hann, &hamming,  &sinsh};
  struct Size {
    int src, dst;
  } sizes[] = {{2, 4}, {7, 3}, {5, 5}, {3, 17}, {20, 6}};
  for (bool fullEdge : {true, false}) {
    FullEdge = fullEdge;
    for (const TCustomKernel* k : kernels)
      for (const Size& s : sizes) {
        TMappingTable table = BuildKernelClusters(0, s.dst, 0, s.dst, 0, s.src, k);
        ASSERT_EQ(int(table.size()), s.dst);
        for (const TCluster& c : table) {
          int sum = 0;
          for (const TClusterEntry& e : c) {
            sum += e.Weight;
            EXPECT_GE(e.Pos, 0);
            EXPECT_LT(e.Pos, s.src);
          }
          EXPECT_EQ(sum, 256) << k->ClassName() << " " << s.src << "->" << s.dst;
        }
      }
  }
  FullEdge = true;
  // Two columns onto four: the box replicates, the linear kernel gives 64 and 192 on column 0.
  TMappingTable boxTable = BuildKernelClusters(0, 4, 0, 4, 0, 2, &box);
  EXPECT_EQ(boxTable[0].size(), 1u);
  EXPECT_EQ(boxTable[0][0].Weight, 256);
  TMappingTable linearTable = BuildKernelClusters(0, 4, 0, 4, 0, 2, &linear);
  ASSERT_EQ(linearTable[0].size(), 2u);
  EXPECT_EQ(linearTable[0][0].Pos, 0);
  EXPECT_EQ(linearTable[0][0].Weight, 64);
  EXPECT_EQ(linearTable[0][1].Pos, 0);
  EXPECT_EQ(linearTable[0][1].Weight, 192);
  TMappingTable one = BuildKernelClusters(0, 3, 0, 3, 5, 6, &lanczos);
  for (const TCluster& c : one) EXPECT_EQ(c[0].Pos, 5);
}

TEST(GR32Kernels, ParametersAndTables) {
  TLanczosKernel lanczos;
  lanczos.SetWidth(5);
  EXPECT_EQ(lanczos.GetWidth(), 4.0f);
  TGaussianKernel gaussian;
  gaussian.SetSigma(0);  // a divisor: refused
  EXPECT_EQ(gaussian.Sigma(), 1.33f);
  gaussian.SetSigma(2);
  EXPECT_EQ(gaussian.Sigma(), 2.0f);
  TSinshKernel sinsh;
  sinsh.SetCoeff(0);
  EXPECT_EQ(sinsh.Coeff(), 0.5f);
  EXPECT_TRUE(std::isfinite(sinsh.Filter(0.5f)));
  TKernelResampler r;
  r.SetTableSize(1);
  EXPECT_EQ(r.TableSize(), 2);
  r.SetTableSize(0);
  EXPECT_EQ(r.TableSize(), 2);
  TBitmap32 b;
  b.SetSize(4, 4);
  auto kr = new TKernelResampler(&b);
  kr->SetKernelClassName("TLanczosKernel");
  EXPECT_EQ(kr->KernelClassName(), "TLanczosKernel");
  kr->SetKernelClassName("TNoKernel");
  EXPECT_EQ(kr->KernelClassName(), "TLanczosKernel");
  kr->SetKernelMode(kmTableLinear);
  kr->PrepareSampling();
  ASSERT_EQ(kr->WeightTable().size(), 33u);
  for (const auto& row : kr->WeightTable()) {
    int sum = 0;
    for (int w : row) sum += w;
    EXPECT_EQ(sum, 256);
  }
  kr->FinalizeSampling();
  EXPECT_TRUE(kr->WeightTable().empty());
}

TEST(GR32Kernels, RangeCheckClampsOvershoot) {
  // A sharp edge through the Lanczos kernel overshoots: the result clamps to 0 and 255.
  TBitmap32 src, dst;
  src.SetSize(4, 1);
  for (int x = 0; x < 4; ++x) src.SetPixel(x, 0, x < 2 ? 0xFF000000 : 0xFFFFFFFF);
  auto kr = new TKernelResampler(&src);
  kr->SetKernelClassName("TLanczosKernel");
  dst.SetSize(16, 1);
  src.DrawTo(&dst, dst.BoundsRect());
  for (int x = 0; x < 16; ++x) {
    EXPECT_EQ(dst.GetPixel(x, 0) >> 24, 0xFFu) << x;
    // Without the clamp an undershoot would wrap round to a bright value and back.
    if (x < 7) {
      EXPECT_LT(Ch(dst.GetPixel(x, 0), 0), 128) << x;
    }
    if (x > 8) {
      EXPECT_GT(Ch(dst.GetPixel(x, 0), 0), 128) << x;
    }
  }
}

TEST(GR32Kernels, PointSampling) {
  TBitmap32 b;
  b.SetSize(3, 3);
  b.Clear(0xFF808080);
  b.OuterColor = 0x00000000;
  auto kr = new TKernelResampler(&b);
  kr->SetKernelClassName("TLinearKernel");
  for (TKernelMode mode : {kmDynamic, kmTableNearest, kmTableLinear}) {
    kr->SetKernelMode(mode);
    kr->PrepareSampling();
    EXPECT_EQ(kr->GetSampleFloat(1, 1), 0xFF808080u) << int(mode);
    EXPECT_EQ(kr->GetSampleFloat(1.5f, 1), 0xFF808080u) << int(mode);
    EXPECT_EQ(kr->GetSampleFloat(-5, 1), 0u) << int(mode);  // outside: OuterColor
    kr->FinalizeSampling();
  }
  kr->SetKernelMode(kmDynamic);
  kr->SetPixelAccessMode(pamWrap);
  kr->PrepareSampling();
  EXPECT_EQ(kr->GetSampleFloat(-5.5f, 7.25f), 0xFF808080u);
  kr->FinalizeSampling();
}

TEST(GR32Resamplers, NearestSamplingByAccessMode) {
  TBitmap32 b;
  Gradient(b, 3, 2);
  b.OuterColor = 0x77;
  b.SetWrapMode(wmRepeat);
  auto r = static_cast<TNearestResampler*>(b.Resampler());
  struct Case {
    TPixelAccessMode mode;
    float x, y;
    TColor32 want;
  } cases[] = {
      {pamSafe, 1.4f, 0.6f, 0xFF000101},   {pamSafe, 3.0f, 0.0f, 0x77},
      {pamWrap, 3.0f, 2.0f, 0xFF000000},   {pamTransparentEdge, 5.0f, 1.0f, 0x00000102},
      {pamTransparentEdge, 2.0f, 1.0f, 0xFF000102},
  };
  for (const Case& c : cases) {
    r->SetPixelAccessMode(c.mode);
    r->PrepareSampling();
    EXPECT_EQ(r->GetSampleFloat(c.x, c.y), c.want) << int(c.mode) << " " << c.x;
    r->FinalizeSampling();
  }
  r->SetPixelAccessMode(pamSafe);
  r->PrepareSampling();
  EXPECT_EQ(b.GetPixelR(2, 1), b.GetPixel(2, 1));
  EXPECT_EQ(r->GetSampleFixed(Fixed(1) + 32768, 0), b.GetPixel(1, 0));  // an exact half goes down
  EXPECT_EQ(r->GetSampleBounds(), (TRect{0, 0, 3, 2}));
}

TEST(GR32Resamplers, AssignCopiesProperties) {
  TBitmap32 a, b;
  auto ka = new TKernelResampler(&a);
  ka->SetKernelClassName("TGaussianKernel");
  static_cast<TGaussianKernel*>(ka->Kernel())->SetSigma(3);
  ka->SetKernelMode(kmTableNearest);
  ka->SetTableSize(9);
  ka->SetPixelAccessMode(pamWrap);
  b.Assign(&a);
  auto kb = dynamic_cast<TKernelResampler*>(b.Resampler());
  ASSERT_NE(kb, nullptr);
  EXPECT_NE(kb, ka);
  EXPECT_EQ(kb->KernelClassName(), "TGaussianKernel");
  EXPECT_EQ(static_cast<TGaussianKernel*>(kb->Kernel())->Sigma(), 3.0f);
  EXPECT_EQ(kb->KernelMode(), kmTableNearest);
  EXPECT_EQ(kb->TableSize(), 9);
  EXPECT_EQ(kb->PixelAccessMode(), pamWrap);
}

TEST(GR32DeviceTransfers, TilesAndDeviceContexts) {
  TBitmap32 src;
  Gradient(src, 5, 2);
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  TBitmap32 target;  // its DIB is the device context to draw on
  target.SetSize(2500, 10);
  EXPECT_EQ(src.TileTo(target.DCHandle(), TRect{0, 0, 2500, 10}, src.BoundsRect()), 3);
  ::GdiFlush();
  auto mapX = NearestMap(0, 2500, 0, 2500, 0, 5);
  for (int x : {0, 1023, 1024, 2047, 2048, 2499})
    EXPECT_EQ(target.GetPixel(x, 9) & 0xFFFFFF, src.GetPixel(mapX[x], 1) & 0xFFFFFF) << x;
  TBitmap32 empty;
  empty.DrawTo(target.DCHandle(), 0, 0);  // nothing to draw
  EXPECT_EQ(empty.TileTo(target.DCHandle(), TRect{0, 0, 0, 5}, TRect{}), 0);
  src.DrawTo(target.DCHandle(), 1, 1);
  ::GdiFlush();
  EXPECT_EQ(target.GetPixel(1, 1) & 0xFFFFFF, src.GetPixel(0, 0) & 0xFFFFFF);
  EXPECT_EQ(target.GetPixel(5, 2) & 0xFFFFFF, src.GetPixel(4, 1) & 0xFFFFFF);
  TBitmap32 back;
  back.SetSize(5, 2);
  back.Draw(back.BoundsRect(), TRect{1, 1, 6, 3}, target.DCHandle());
  ::GdiFlush();
  EXPECT_EQ(back.GetPixel(4, 1) & 0xFFFFFF, src.GetPixel(4, 1) & 0xFFFFFF);
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
}

TEST(GR32Draw, NilSourceAndZeroMasterAlpha) {
  TBitmap32 dst, src;
  dst.SetSize(2, 2);
  dst.Clear(0xFF010203);
  dst.Draw(0, 0, nullptr);
  dst.Draw(TRect{0, 0, 2, 2}, TRect{0, 0, 1, 1}, static_cast<TBitmap32*>(nullptr));
  src.SetSize(2, 2);
  src.Clear(0xFFFFFFFF);
  src.SetDrawMode(dmBlend);
  src.SetMasterAlpha(0);
  dst.Draw(0, 0, &src);
  src.DrawTo(&dst, TRect{0, 0, 1, 1});
  EXPECT_EQ(dst.GetPixel(0, 0), 0xFF010203u);
  EXPECT_THROW(src.DrawTo(static_cast<TBitmap32*>(nullptr)), EBitmapException);
}

}  // namespace
