#include <vector>

#include "GR32BindingFixture.h"

namespace {

// The formulas, written out channel by channel.
TColor32 PlainMixRef(TColor32 x, TColor32 y, int w, bool keepAlpha) {
  int v[4];
  for (int c = 0; c < 4; ++c) v[c] = ((Ch(x, c) * w + 128) >> 8) + ((Ch(y, c) * (255 - w) + 128) >> 8);
  if (!keepAlpha) v[3] = 0;
  return FromChannels(v);
}

TColor32 PackedMixRef(TColor32 x, TColor32 y, int w) {
  int v[4];
  for (int c = 0; c < 4; ++c) v[c] = (Ch(x, c) * w + Ch(y, c) * (256 - w) + 128) >> 8;
  return FromChannels(v);
}

TColor32 CombineRef(bool packed, TColor32 x, TColor32 y, int w) {
  if (packed) return PackedMixRef(x, y, w);
  if (w == 0) return y;
  if (w == 255) return x;
  return PlainMixRef(x, y, w, true);
}

TColor32 BlendRef(bool packed, TColor32 f, TColor32 b) {
  int fa = f >> 24;
  if (packed) return PackedMixRef(f, b, fa);
  if (fa == 255) return f;
  if (fa == 0) return b;
  return PlainMixRef(f, b, fa, true);
}

TColor32 BlendMemRef(bool packed, TColor32 f, TColor32 b) {
  int fa = f >> 24;
  if (fa == 0) return b;
  if (fa == 255) return f;
  return BlendRef(packed, f, b);
}

TColor32 BlendExRef(bool packed, TColor32 f, TColor32 b, int m) {
  int fa = f >> 24;
  if (fa == 0) return b;
  int w = ((m + 1) * fa) >> 8;
  if (w == 0) return b;
  return packed ? PackedMixRef(f, b, w) : PlainMixRef(f, b, w, false);
}

// The packed run form weighs (Fa + 1) * M.
TColor32 BlendLineExRef(bool packed, TColor32 f, TColor32 b, int m) {
  if (!packed) return BlendExRef(false, f, b, m);
  int w = (((f >> 24) + 1) * m) >> 8;
  return w == 0 ? b : PackedMixRef(f, b, w);
}

const TColor32 kColors[] = {0x00000000, 0xFFFFFFFF, 0x80FF4010, 0xFF102030, 0x00FFFFFF, 0x01FEFDFC,
                            0x7F7F8081, 0xFE00FF00, 0x40C0A0E0, 0xC0123456};
const int kWeights[] = {0, 1, 2, 127, 128, 129, 254, 255};

class GR32BlendForms : public GR32Binding {};

TEST_P(GR32BlendForms, PixelFormsFollowTheirFormulas) {
  for (TColor32 f : kColors)
    for (TColor32 b : kColors) {
      SCOPED_TRACE(::testing::Message() << std::hex << f << " over " << b);
      EXPECT_EQ(BlendReg(f, b), BlendRef(Packed(), f, b));
      TColor32 mem = b;
      BlendMem(f, mem);
      EXPECT_EQ(mem, BlendMemRef(Packed(), f, b));
      for (int w : kWeights) {
        EXPECT_EQ(CombineReg(f, b, w), CombineRef(Packed(), f, b, w)) << w;
        TColor32 cm = b;
        CombineMem(f, cm, w);
        EXPECT_EQ(cm, w == 0 ? b : (w == 255 ? f : CombineRef(Packed(), f, b, w))) << w;
        EXPECT_EQ(BlendRegEx(f, b, w), BlendExRef(Packed(), f, b, w)) << w;
        TColor32 ex = b;
        BlendMemEx(f, ex, w);
        EXPECT_EQ(ex, BlendExRef(Packed(), f, b, w)) << w;
      }
    }
}

TEST_P(GR32BlendForms, AlphaEdges) {
  const TColor32 b = 0xFF204060;
  EXPECT_EQ(BlendReg(0x00ABCDEF, b), b);
  // Opaque F: the plain form answers F, the packed one (Fc * 255 + Bc + 128) shr 8.
  TColor32 f = 0xFF102030;
  EXPECT_EQ(BlendReg(f, b), Packed() ? PackedMixRef(f, b, 255) : f);
  EXPECT_EQ(BlendRegEx(0x80FFFFFF, 0xFF000000, 255) >> 24, Packed() ? 0xC0u : 0u);
}

TEST_P(GR32BlendForms, RunsMatchThePixelForms) {
  std::vector<TColor32> src, dst;
  for (TColor32 f : kColors)
    for (TColor32 b : kColors) {
      src.push_back(f);
      dst.push_back(b);
    }
  for (int m : {0, 1, 128, 254, 255}) {
    std::vector<TColor32> blend = dst, blendEx = dst, combine = dst, merge = dst, mergeEx = dst;
    BlendLine(src.data(), blend.data(), int(src.size()));
    BlendLineEx(src.data(), blendEx.data(), int(src.size()), m);
    CombineLine(src.data(), combine.data(), int(src.size()), m);
    MergeLine(src.data(), merge.data(), int(src.size()));
    MergeLineEx(src.data(), mergeEx.data(), int(src.size()), m);
    for (size_t i = 0; i < src.size(); ++i) {
      SCOPED_TRACE(::testing::Message() << std::hex << src[i] << " over " << dst[i] << std::dec << " m " << m);
      EXPECT_EQ(blend[i], BlendMemRef(Packed(), src[i], dst[i]));
      EXPECT_EQ(blendEx[i], BlendLineExRef(Packed(), src[i], dst[i], m));
      EXPECT_EQ(combine[i], m == 0 ? dst[i] : (m == 255 ? src[i] : CombineRef(Packed(), src[i], dst[i], m)));
      EXPECT_EQ(merge[i], MergeReg(src[i], dst[i]));
      EXPECT_EQ(mergeEx[i], MergeRegEx(src[i], dst[i], m));
    }
  }
}

TEST_P(GR32BlendForms, EmptyRunsTouchNothing) {
  TColor32 src[2] = {0xFFFFFFFF, 0xFFFFFFFF}, dst[2] = {0x12345678, 0x9ABCDEF0};
  for (int count : {0, -3}) {
    BlendLine(src, dst, count);
    BlendLineEx(src, dst, count, 200);
    CombineLine(src, dst, count, 100);
    MergeLine(src, dst, count);
    MergeLineEx(src, dst, count, 100);
  }
  EXPECT_EQ(dst[0], 0x12345678u);
  EXPECT_EQ(dst[1], 0x9ABCDEF0u);
}

TEST_P(GR32BlendForms, MergeSpecialCases) {
  TColor32 f = 0x80FF0000;
  EXPECT_EQ(MergeReg(0x00123456, 0x80654321), 0x80654321u);             // transparent F
  EXPECT_EQ(MergeReg(f, 0x00654321), f);                                // transparent background
  EXPECT_EQ(MergeReg(0xFF123456, 0x80654321), 0xFF123456u);             // opaque F
  EXPECT_EQ(MergeReg(f, 0xFF0000FF), BlendReg(f, 0xFF0000FF) | 0xFF000000);  // opaque background
  // Half over half: alpha 128 + 128 - 64 = 192; red (128*255/255 ... ) through the tables.
  TColor32 r = MergeReg(0x80FF0000, 0x800000FF);
  EXPECT_EQ(r >> 24, 192u);
  EXPECT_EQ(Ch(r, 2), MergeQuotient[192][MergeProduct[128][255]]);
  EXPECT_EQ(MergeRegEx(f, 0x00654321, 0) , 0x00654321u);  // F's alpha scaled to 0
}

TEST_P(GR32BlendForms, ColourArithmetic) {
  struct Case {
    TColorOp* op;
    TColor32 a, b, plain, packed;
  } cases[] = {
      {&ColorAdd, 0x80FF1020, 0x90023040, 0xFFFF4060, 0xFFFF4060},
      {&ColorSub, 0x80FF1020, 0x90023040, 0x00FD0000, 0x00FD0000},
      {&ColorDiv, 0x00800240, 0x10404080, 0xFF80FFFF, 0xFF80FFFF},
      {&ColorModulate, 0xFF80FF10, 0x80808080, 0x7F407F08, 0x7F407F08},
      {&ColorMax, 0x10FF0080, 0x2000FF40, 0x20FFFF80, 0x20FFFF80},
      {&ColorMin, 0x10FF0080, 0x2000FF40, 0x10000040, 0x10000040},
      {&ColorDifference, 0x10FF0080, 0x2000FF40, 0x10FFFF40, 0x10FFFF40},
      {&ColorAverage, 0x00000100, 0x00000000, 0x00000000, 0x00000100},
      {&ColorExclusion, 0xFF80FF00, 0xFF80FF00, 0x02800200, 0x02800200},
  };
  for (const Case& c : cases) EXPECT_EQ((*c.op)(c.a, c.b), Packed() ? c.packed : c.plain) << std::hex << c.a;
  EXPECT_EQ(ColorScale(0xFF804020, 128), 0x7F402010u);
  EXPECT_EQ(ColorScale(0x80804020, 512), 0xFFFF8040u);  // weights above a byte saturate in both forms
  EXPECT_EQ(Lighten(0x80F00010, 20), 0x80FF1424u);
  EXPECT_EQ(Lighten(0x80F00010, -20), 0x80DC0000u);
}

TEST_P(GR32BlendForms, TablesFollowTheBinding) {
  EXPECT_EQ(MMX_ACTIVE, Packed());
  EXPECT_EQ(BLEND_MEM[cmBlend], BlendMem);
  EXPECT_EQ(BLEND_MEM[cmMerge], MergeMem);
  EXPECT_EQ(BLEND_LINE_EX[cmBlend], BlendLineEx);
  EXPECT_EQ(BLEND_LINE[cmMerge], MergeLine);
}

GR32_BOTH_BINDINGS(GR32BlendForms);

TEST(GR32MergeTables, ProductAndQuotient) {
  EXPECT_EQ(MergeProduct[255][255], 255);
  EXPECT_EQ(MergeProduct[128][255], 128);
  EXPECT_EQ(MergeProduct[1][128], 1);  // 0.502 rounds up
  EXPECT_EQ(MergeQuotient[0][100], 0);
  EXPECT_EQ(MergeQuotient[255][100], 100);
  EXPECT_EQ(MergeQuotient[128][64], 128);
  EXPECT_EQ(MergeQuotient[1][1], 255);
  EXPECT_EQ(MergeQuotient[1][2], 254);  // 510 kept to its low byte
}

}  // namespace
