// The nested samplers: transformers, super-samplers, patterns and the kernel
// samplers with the one-call filters.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "GR32AreaLog.h"
#include "imaging/GR32_Blend.h"
#include "imaging/GR32_Samplers.h"
#include "imaging/GR32_Transforms.h"

namespace {

// A grid of whole pixels: the colour of the pixel a position falls in.
class GridSampler : public TCustomSampler {
public:
  std::function<TColor32(Integer, Integer)> colour = [](Integer x, Integer y) {
    return 0xFF000000u | TColor32((x + 8) * 10 & 0xFF) << 16 | TColor32((y + 8) * 10 & 0xFF) << 8;
  };
  TColor32 GetSampleInt(Integer x, Integer y) override { return colour(x, y); }
  TColor32 GetSampleFixed(TFixed x, TFixed y) override { return colour(x >> 16, y >> 16); }
  TColor32 GetSampleFloat(float x, float y) override { return GetSampleFixed(Fixed(x), Fixed(y)); }
};

std::unique_ptr<GridSampler> Uniform(TColor32 c) {
  auto s = std::make_unique<GridSampler>();
  s->colour = [c](Integer, Integer) { return c; };
  return s;
}

// A 3 x 3 kernel, its cells given row by row.
std::unique_ptr<TIntegerMap> Kernel3(std::initializer_list<Integer> cells) {
  auto k = std::make_unique<TIntegerMap>();
  k->SetSize(3, 3);
  Integer i = 0;
  for (Integer v : cells) {
    k->SetValue(i % 3, i / 3, v);
    ++i;
  }
  return k;
}

TEST(GR32Samplers, BufferRoutines) {
  TBufferEntry b;
  IncBuffer(b, 0x04030201);
  IncBuffer(b, 0x04030201);
  EXPECT_EQ(b, (TBufferEntry{2, 4, 6, 8}));
  MultiplyBuffer(b, 0x8000);
  EXPECT_EQ(BufferToColor32(b, 16), 0x04030201u);
  ShrBuffer(b, 15);
  EXPECT_EQ(b, (TBufferEntry{2, 4, 6, 8}));
  EXPECT_EQ(EMPTY_ENTRY, TBufferEntry{});
}

TEST(GR32Samplers, SuperSamplersOfAUniformSourceGiveItsColour) {
  const auto source = Uniform(0xC8643219);
  TSuperSampler regular(source.get());
  TAdaptiveSuperSampler adaptive(source.get());
  TPatternSampler pattern(source.get());
  // Four offsets a cell: 65536 div 4 weighs them exactly.
  pattern.SetPattern(CreateJitteredPattern(2, 3, 2, 2, [] { return 12345; }));
  for (TCustomSampler* s : std::initializer_list<TCustomSampler*>{&regular, &adaptive, &pattern}) {
    EXPECT_EQ(s->GetSampleInt(3, 4), 0xC8643219u);
    EXPECT_EQ(s->GetSampleFloat(3.3f, 4.6f), 0xC8643219u);
  }
}

TEST(GR32Samplers, OneByOneSuperSamplingIsTheSampleItself) {
  GridSampler source;
  TSuperSampler s(&source);
  s.SetSamplingX(1);
  s.SetSamplingY(1);
  EXPECT_EQ(s.GetSampleFixed(Fixed(2.5f), Fixed(-1.5f)), source.GetSampleFixed(Fixed(2.5f), Fixed(-1.5f)));
  s.SetSamplingX(0);
  EXPECT_EQ(s.SamplingX(), 1) << "at least one sample";
}

// 4 x 4 samples at -3/8 .. 3/8 around the point: half of them fall left of 0.
TEST(GR32Samplers, RegularSuperSamplingAveragesAcrossAnEdge) {
  GridSampler edge;
  edge.colour = [](Integer x, Integer) { return x < 0 ? 0xFF000000u : 0xFFFFFFFFu; };
  TSuperSampler s(&edge);
  const TColor32 c = s.GetSampleInt(0, 0);
  EXPECT_NEAR(int(c & 0xFF), 127, 1);
  EXPECT_EQ(c >> 24, 0xFFu);
}

TEST(GR32Samplers, AdaptiveSamplerWithoutSubdivision) {
  GridSampler source;
  TAdaptiveSuperSampler s(&source);
  s.SetTolerance(765);
  const TFixed x = Fixed(3.0f), y = Fixed(2.0f);
  const TColor32 a = source.GetSampleFixed(x - 0x8000, y - 0x8000), b = source.GetSampleFixed(x + 0x8000, y - 0x8000);
  const TColor32 c = source.GetSampleFixed(x + 0x8000, y + 0x8000), d = source.GetSampleFixed(x - 0x8000, y + 0x8000);
  const TColor32 e = source.GetSampleFixed(x, y);
  const TColor32 expected =
      ColorAverage(ColorAverage(ColorAverage(a, e), ColorAverage(b, e)), ColorAverage(ColorAverage(e, c), ColorAverage(e, d)));
  EXPECT_EQ(s.GetSampleFixed(x, y), expected);
}

TEST(GR32Samplers, AdaptiveSamplerSubdividesWhereColoursDiffer) {
  struct Counting : GridSampler {
    int calls = 0;
    TColor32 GetSampleFixed(TFixed x, TFixed y) override {
      ++calls;
      return GridSampler::GetSampleFixed(x, y);
    }
  } source;
  source.colour = [](Integer x, Integer) { return x < 3 ? 0xFF000000u : 0xFFFFFFFFu; };
  TAdaptiveSuperSampler s(&source);
  s.GetSampleInt(10, 0);
  EXPECT_EQ(source.calls, 5) << "flat: five samples";
  source.calls = 0;
  s.GetSampleFixed(Fixed(3.0f), 0);
  EXPECT_GT(source.calls, 5) << "an edge: quadrants subdivided";
}

TEST(GR32Samplers, PatternCells) {
  GridSampler source;
  TPatternSampler s(&source);
  EXPECT_EQ(s.GetSampleInt(2, 3), source.GetSampleInt(2, 3)) << "no pattern yet";
  s.SetPattern({{{TFixedPoint{0, 0}}}});
  EXPECT_EQ(s.GetSampleFixed(Fixed(5.25f), Fixed(-2.5f)), source.GetSampleFixed(Fixed(5.25f), Fixed(-2.5f)));
  s.SetPattern({});
  EXPECT_EQ(s.Pattern().size(), 1u) << "an empty pattern is not taken";
  s.SetPattern({{{}}});
  EXPECT_EQ(s.GetSampleInt(1, 1), source.GetSampleInt(1, 1)) << "a cell without offsets";
}

TEST(GR32Samplers, JitteredPatternStrata) {
  int calls = 0;
  const TFixedSamplePattern p = CreateJitteredPattern(3, 2, 2, 2, [&calls] {
    ++calls;
    return 32768;
  });
  ASSERT_EQ(p.size(), 2u);
  ASSERT_EQ(p[0].size(), 3u);
  EXPECT_EQ(calls, 3 * 2 * 2 * 2 * 2) << "two numbers for each offset of each cell";
  EXPECT_EQ(p[1][2], (TArrayOfFixedPoint{{-16384, -16384}, {16384, -16384}, {-16384, 16384}, {16384, 16384}}));
  EXPECT_TRUE(CreateJitteredPattern(2, 2, 0, 3)[0][0].empty()) << "no samples, no division";
  EXPECT_TRUE(CreateJitteredPattern(-1, 2, 2, 2)[1].empty()) << "rows without cells";
}

TEST(GR32Samplers, TransformersReadThroughTheReverseMapping) {
  GridSampler source;
  TAffineTransformation shift;
  shift.Translate(2, 1);
  TTransformer transformer(&source, &shift);
  transformer.PrepareSampling();
  EXPECT_EQ(transformer.GetSampleInt(5, 5), source.GetSampleInt(3, 4));
  EXPECT_EQ(transformer.GetSampleFloat(5.5f, 5.5f), source.GetSampleFloat(3.5f, 4.5f));

  TAffineTransformation back;
  back.Translate(0.5f, 0);
  TNearestTransformer nearest(&source, &back);
  nearest.PrepareSampling();
  EXPECT_EQ(nearest.GetSampleFixed(0, 0), source.GetSampleInt(-1, 0)) << "-0.5 lies in pixel -1";
  EXPECT_EQ(nearest.GetSampleInt(3, 2), source.GetSampleInt(2, 2)) << "2.5 rounded in 16.16 (plus 0x7FFF, shifted)";
}

TEST(GR32Samplers, AMissingSamplerOrTransformationIsReported) {
  GridSampler source;
  TAffineTransformation t;
  struct Case {
    const char* what;
    std::function<void()> call;
  } cases[] = {
      {"sampling without a sampler", [] { TSuperSampler(nullptr).GetSampleInt(0, 0); }},
      {"preparing without a sampler", [] { TConvolver(nullptr).PrepareSampling(); }},
      {"bounds without a sampler", [] { TPatternSampler(nullptr).GetSampleBounds(); }},
      {"transforming without a transformation", [&source] { TTransformer(&source, nullptr).GetSampleInt(1, 1); }},
      {"a sampler set to nothing", [&source, &t] {
         TTransformer tr(&source, &t);
         tr.SetSampler(nullptr);
         tr.GetSampleFixed(0, 0);
       }},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << c.what;
    } catch (const ENestedException& e) {
      EXPECT_EQ(e.Message, "Nested sampler is nil") << c.what;
    }
  }
}

TEST(GR32KernelSamplers, ConvolutionAndMorphology) {
  GridSampler source;
  const auto identity = Kernel3({0, 0, 0, 0, 256, 0, 0, 0, 0});
  const auto zeros = Kernel3({0, 0, 0, 0, 0, 0, 0, 0, 0});
  struct Case {
    const char* what;
    std::function<TKernelSampler*()> make;
    const TIntegerMap* kernel;
    Integer cx, cy;
    TColor32 expected;
  } cases[] = {
      {"identity kernel, centred", [&] { return new TConvolver(&source); }, identity.get(), 1, 1, source.GetSampleInt(4, 4)},
      {"identity kernel, default centre: shifted", [&] { return new TConvolver(&source); }, identity.get(), 0, 0,
       source.GetSampleInt(3, 3)},
      {"dilation of zeros: the maximum", [&] { return new TDilater(&source); }, zeros.get(), 1, 1, source.GetSampleInt(5, 5)},
      {"erosion of zeros: the minimum", [&] { return new TEroder(&source); }, zeros.get(), 1, 1, source.GetSampleInt(3, 3)},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TKernelSampler> s(c.make());
    s->SetKernel(c.kernel);
    s->SetCenterX(c.cx);
    s->SetCenterY(c.cy);
    EXPECT_EQ(s->GetSampleInt(4, 4), c.expected) << c.what;
    EXPECT_EQ(s->GetSampleFixed(Fixed(4), Fixed(4)), c.expected) << c.what;
  }
}

// The kernel's centre cell is 0, so the reference passes with no weight: the
// channel keeps the reference's value instead of dividing by nothing.
TEST(GR32KernelSamplers, SelectiveConvolutionWithAnEmptyCentre) {
  GridSampler source;
  source.colour = [](Integer x, Integer) { return x == 4 ? 0xFF808080u : 0xFF000000u; };
  TSelectiveConvolver s(&source);
  s.SetKernel(Kernel3({1, 1, 1, 1, 0, 1, 1, 1, 1}).get());
  s.SetCenterX(1);
  s.SetCenterY(1);
  EXPECT_EQ(s.GetSampleInt(4, 4), 0xFF808080u) << "no neighbour within Delta of the reference";
  EXPECT_EQ(s.GetSampleInt(8, 4), 0xFF000000u) << "all neighbours alike";
}

TEST(GR32KernelSamplers, ExpansionAndContraction) {
  const auto source = Uniform(0xFF404040);
  TExpander expander(source.get());
  expander.SetKernel(Kernel3({1, 1, 1, 1, 1, 1, 1, 1, 1}).get());
  EXPECT_EQ(expander.GetSampleInt(0, 0), 0x00000000u) << "(1 x c) shr 8";
  TContracter contracter(source.get());
  contracter.SetKernel(Kernel3({256, 256, 256, 256, 256, 256, 256, 256, 256}).get());
  contracter.PrepareSampling();
  // Max weight 255 (capped): grey 255 less the expanded inversion, which is the inverted colour.
  EXPECT_EQ(contracter.GetSampleInt(0, 0), ColorSub(0xFFFFFFFF, 0x00BFBFBF));
}

// The one-call filters copy the caller's kernel: it stays usable afterwards.
TEST(GR32KernelSamplers, OneCallFiltersKeepTheCallersKernel) {
  TBitmap32 src, dst;
  FillDistinct(src, 6, 5);
  const auto owned = Kernel3({0, 0, 0, 0, 256, 0, 0, 0, 0});
  TIntegerMap& kernel = *owned;
  struct Case {
    const char* what;
    void (*filter)(TBitmap32*, TBitmap32*, const TIntegerMap*, Integer, Integer);
  } cases[] = {{"convolve", &Convolve}, {"dilate", &Dilate}, {"erode", &Erode}, {"expand", &Expand},
               {"contract", &Contract}};
  for (const Case& c : cases) {
    c.filter(&src, &dst, &kernel, 1, 1);
    EXPECT_EQ(dst.Width(), 6) << c.what;
    EXPECT_EQ(kernel.GetValue(1, 1), 256) << c.what;
  }
  Convolve(&src, &dst, &kernel, 1, 1);
  EXPECT_EQ(Pixels(dst), Pixels(src)) << "the identity kernel";
  kernel.SetValue(0, 0, 1);
  EXPECT_EQ(kernel.Width(), 3) << "still the caller's";
}

}  // namespace
