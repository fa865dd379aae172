#include <climits>
#include <vector>

#include "GR32BindingFixture.h"
#include "imaging/GR32_Math.h"
#include "platform/io/Streams.h"

namespace {

// Counts the change events of a bitmap.
struct Recorder : TObject {
  int changes = 0;
  std::vector<std::pair<TRect, Cardinal>> areas;
  void Change(TObject*) { ++changes; }
  void Area(TObject*, const TRect& r, Cardinal info) { areas.push_back({r, info}); }
  void Watch(TBitmap32& b) {
    b.OnChange = TNotifyEvent(this, &Recorder::Change);
    b.OnAreaChanged = TAreaChangedEvent(this, &Recorder::Area);
  }
};

TBitmap32* Filled(TBitmap32& b, int w, int h) {
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, 0xFF000000u | (y * 16 + x) * 0x010101u);
  return &b;
}

TEST(GR32Bitmap, SizingAndStore) {
  TBitmap32 b;
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.ResamplerClassName(), "TNearestResampler");
  Recorder rec;
  rec.Watch(b);
  EXPECT_TRUE(b.SetSize(3, 2));
  EXPECT_NE(b.Bits(), nullptr);
  EXPECT_NE(b.Handle(), nullptr);
  EXPECT_NE(b.DCHandle(), nullptr);
  EXPECT_EQ(b.GetPixel(2, 1), 0u);  // a new section is zero
  EXPECT_EQ(b.GetScanLine(1), b.Bits() + 3);
  EXPECT_EQ(b.GetPixelPtr(2, 1), b.Bits() + 5);
  EXPECT_EQ(b.ClipRect(), (TRect{0, 0, 3, 2}));
  EXPECT_EQ(rec.changes, 1);
  EXPECT_FALSE(b.SetSize(3, 2));  // same size: no notification
  EXPECT_EQ(rec.changes, 1);
  b.SetWidth(4);
  EXPECT_EQ(b.Width(), 4);
  EXPECT_EQ(b.Height(), 2);
}

TEST(GR32Bitmap, OneNegativeSideEmptiesTheWholeBitmap) {
  struct Case {
    int w, h;
  } cases[] = {{-5, 10}, {10, -5}, {0, 7}, {7, 0}};
  for (const Case& c : cases) {
    TBitmap32 b;
    b.SetSize(4, 4);
    b.SetSize(c.w, c.h);
    EXPECT_EQ(b.Width(), 0) << c.w << "x" << c.h;
    EXPECT_EQ(b.Height(), 0) << c.w << "x" << c.h;
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Bits(), nullptr);
    EXPECT_EQ(b.DCHandle(), nullptr);
    EXPECT_EQ(b.ClipRect(), TRect{});
  }
}

TEST(GR32Bitmap, NotificationWithNestedUpdates) {
  TBitmap32 b;
  b.SetSize(2, 2);
  Recorder rec;
  rec.Watch(b);
  b.BeginUpdate();
  b.BeginUpdate();
  b.Changed();
  b.Changed(TRect{0, 0, 1, 1}, AREAINFO_RECT);
  b.EndUpdate();
  b.Changed();
  b.EndUpdate();  // sends nothing itself
  EXPECT_EQ(rec.changes, 0);
  EXPECT_TRUE(rec.areas.empty());
  b.Changed(TRect{1, 1, 2, 2}, AREAINFO_LINE | 2);
  EXPECT_EQ(rec.changes, 1);
  ASSERT_EQ(rec.areas.size(), 1u);
  EXPECT_EQ(rec.areas[0].second, AREAINFO_LINE | 2);
  EXPECT_THROW(b.EndUpdate(), EAssertionFailed);
  // Property writers notify only on a change.
  b.SetDrawMode(dmBlend);
  b.SetDrawMode(dmBlend);
  b.SetMasterAlpha(255);
  EXPECT_EQ(rec.changes, 2);
  b.PropertyChanged();
  EXPECT_EQ(rec.changes, 3);
  EXPECT_EQ(rec.areas.size(), 2u);
}

TEST(GR32Bitmap, MeasuringReportsWithoutDrawing) {
  TBitmap32 b;
  b.SetSize(3, 3);
  b.Clear(0xFF112233);
  Recorder rec, measure;
  rec.Watch(b);
  b.BeginMeasuring(TAreaChangedEvent(&measure, &Recorder::Area));
  b.BeginUpdate();
  b.Clear(0xFFFFFFFF);  // measured even inside an update
  b.ResetAlpha(0);
  b.EndUpdate();
  b.EndMeasuring();
  EXPECT_EQ(b.GetPixel(1, 1), 0xFF112233u);
  ASSERT_EQ(measure.areas.size(), 2u);
  EXPECT_EQ(measure.areas[0].first, (TRect{0, 0, 3, 3}));
  EXPECT_EQ(rec.changes, 0);
  EXPECT_TRUE(rec.areas.empty());
  b.Clear(0xFF445566);
  EXPECT_EQ(rec.areas.size(), 1u);  // the handler is back
}

TEST(GR32Bitmap, ClearHonoursTheClipAndResetAlpha) {
  TBitmap32 b;
  b.SetSize(4, 3);
  b.Clear();
  EXPECT_EQ(b.GetPixel(3, 2), 0xFF000000u);
  b.SetClipRect(TRect{1, 1, 9, 2});
  EXPECT_EQ(b.ClipRect(), (TRect{1, 1, 4, 2}));
  EXPECT_TRUE(b.Clipping());
  b.Clear(0x80FFFFFF);
  EXPECT_EQ(b.GetPixel(0, 1), 0xFF000000u);
  EXPECT_EQ(b.GetPixel(1, 1), 0x80FFFFFFu);
  EXPECT_EQ(b.GetPixel(1, 2), 0xFF000000u);
  b.ResetAlpha(0x10);  // the whole bitmap, whatever the clip
  EXPECT_EQ(b.GetPixel(0, 0), 0x10000000u);
  EXPECT_EQ(b.GetPixel(1, 1), 0x10FFFFFFu);
  b.SetClipRect(TRect{5, 5, 6, 6});
  EXPECT_EQ(b.ClipRect(), TRect{});
  b.ResetClipRect();
  EXPECT_FALSE(b.Clipping());
}

class GR32BitmapPixels : public GR32Binding {};

TEST_P(GR32BitmapPixels, ClippedWrappedAndClampedAccess) {
  TBitmap32 b;
  Filled(b, 4, 3);
  b.OuterColor = 0x12345678;
  b.SetClipRect(TRect{1, 1, 3, 3});
  EXPECT_EQ(b.GetPixelS(0, 1), 0x12345678u);
  EXPECT_EQ(b.GetPixelS(1, 1), b.GetPixel(1, 1));
  b.SetPixelS(3, 1, 0);
  EXPECT_NE(b.GetPixel(3, 1), 0u);
  b.SetPixelS(2, 2, 0x11);
  EXPECT_EQ(b.GetPixel(2, 2), 0x11u);
  EXPECT_EQ(b.GetPixelB(-3, b.Height() + 7), b.GetPixel(0, 2));
  struct Case {
    TWrapMode mode;
    int x, y, wantX, wantY;
  } cases[] = {
      {wmClamp, -4, 9, 1, 2}, {wmRepeat, 3, 0, 1, 2}, {wmRepeat, 4, 3, 2, 1}, {wmMirror, 3, 0, 2, 1},
  };
  for (const Case& c : cases) {
    b.SetWrapMode(c.mode);
    EXPECT_EQ(b.GetPixelW(c.x, c.y), b.GetPixel(c.wantX, c.wantY)) << int(c.mode) << " " << c.x << "," << c.y;
  }
  b.SetWrapMode(wmRepeat);
  b.SetPixelW(3, 3, 0x22);
  EXPECT_EQ(b.GetPixel(1, 1), 0x22u);
}

TEST_P(GR32BitmapPixels, TransparentWritesUseTheCombineMode) {
  TBitmap32 b;
  b.SetSize(2, 1);
  b.Clear(0xFF0000FF);
  b.SetPixelT(0, 0, 0x80FF0000);
  EXPECT_EQ(b.GetPixel(0, 0), BlendReg(0x80FF0000, 0xFF0000FF));
  TColor32* p = b.GetPixelPtr(1, 0);
  b.SetCombineMode(cmMerge);
  b.SetPixelT(p, 0x80FF0000);
  EXPECT_EQ(p, b.GetPixelPtr(2, 0));
  EXPECT_EQ(b.GetPixel(1, 0), MergeReg(0x80FF0000, 0xFF0000FF));
  b.SetClipRect(TRect{0, 0, 1, 1});
  TColor32 before = b.GetPixel(1, 0);
  b.SetPixelTS(1, 0, 0xFFFFFFFF);
  EXPECT_EQ(b.GetPixel(1, 0), before);
}

TEST_P(GR32BitmapPixels, SubPixelReads) {
  TBitmap32 b;
  b.SetSize(2, 2);
  b.SetPixel(0, 0, 0xFF000000);
  b.SetPixel(1, 0, 0xFFFFFFFF);
  b.SetPixel(0, 1, 0xFF0000FF);
  b.SetPixel(1, 1, 0xFFFF0000);
  if (!Packed()) {
    EXPECT_EQ(b.GET_T256(0, 0), b.GetPixel(0, 0));  // weights 255 pick the pixel
  }
  // Half-way between the four: the formula of the bound interpolator.
  Cardinal wx = GAMMA_TABLE[128 ^ 255], wy = GAMMA_TABLE[128 ^ 255];
  TColor32 got = b.GET_T256(128, 128);
  int want[4];
  for (int c = 0; c < 4; ++c) {
    int ul = Ch(0xFF000000, c), ur = Ch(0xFFFFFFFF, c), ll = Ch(0xFF0000FF, c), lr = Ch(0xFFFF0000, c);
    if (Packed()) {
      int u = ((ul - ur) * int(wx) + ur * 256) >> 8, l = ((ll - lr) * int(wx) + lr * 256) >> 8;
      want[c] = ((u - l) * int(wy) + l * 256) >> 8;
    } else {
      auto mix = [](int x, int y, int w) { return ((x * w + 128) >> 8) + ((y * (255 - w) + 128) >> 8); };
      want[c] = mix(mix(ul, ur, wx), mix(ll, lr, wx), wy);
    }
  }
  EXPECT_EQ(got, FromChannels(want));
  EXPECT_EQ(b.GetPixelX(32768, 32768), b.GET_T256(128, 128));  // (X + 127) sar 8
  EXPECT_EQ(b.GetPixelF(0.5f, 0.5f), b.GET_T256(128, 128));
  b.OuterColor = 0xABCDEF01;
  int rx = (b.ClipRect().Right - 1) << 8;
  EXPECT_EQ(b.GET_TS256(rx + 1, 0), 0xABCDEF01u);
  EXPECT_EQ(b.GET_TS256(rx, 0), b.GetPixel(1, 0));
  EXPECT_EQ(b.GET_TS256(0, rx), b.GetPixel(0, 1));
  EXPECT_EQ(b.GET_TS256(-1, 0), 0xABCDEF01u);
  // Wrapped reads mix the four wrapped neighbours with CombineReg.
  b.SetWrapMode(wmRepeat);
  TColor32 upper = CombineReg(b.GetPixel(0, 1), b.GetPixel(1, 1), 0x80);
  TColor32 lower = CombineReg(b.GetPixel(0, 0), b.GetPixel(1, 0), 0x80);
  EXPECT_EQ(b.GetPixelXW(Fixed(1) + 32768, Fixed(1) + 32768), CombineReg(lower, upper, 0x80));
}

TEST_P(GR32BitmapPixels, SubPixelWriteAtAWholePosition) {
  for (TCombineMode mode : {cmBlend, cmMerge}) {
    TBitmap32 b;
    b.SetSize(3, 3);
    b.Clear(0xFF000000);
    b.SetCombineMode(mode);
    b.SetPixelX(Fixed(1), Fixed(1), 0xFFFFFFFF);
    int weight = mode == cmBlend ? 253 : 254;  // 255^3 shr 16, 255^2 shr 8
    TColor32 want = 0xFF000000;
    CombineMem(mode == cmBlend ? 0xFFFFFFFF : MergeReg(0xFFFFFFFF, 0xFF000000), want, weight);
    EXPECT_EQ(b.GetPixel(1, 1), want) << int(mode);
    EXPECT_EQ(b.GetPixel(2, 1), 0xFF000000u);
    EXPECT_EQ(b.GetPixel(1, 2), 0xFF000000u);
    EXPECT_EQ(b.GetPixel(2, 2), 0xFF000000u);
  }
  // Clipped writes leave the pixels outside the clip alone.
  TBitmap32 b;
  b.SetSize(3, 3);
  b.Clear(0xFF000000);
  b.SetClipRect(TRect{0, 0, 2, 2});
  b.SetPixelFS(1.5f, 1.5f, 0xFFFFFFFF);
  EXPECT_NE(b.GetPixel(1, 1), 0xFF000000u);
  EXPECT_EQ(b.GetPixel(2, 2), 0xFF000000u);
  EXPECT_EQ(b.GetPixel(2, 1), 0xFF000000u);
  b.SetPixelXS(Fixed(5), Fixed(0), 0xFFFFFFFF);  // outside: nothing
  EXPECT_EQ(b.GetPixel(2, 0), 0xFF000000u);
}

GR32_BOTH_BINDINGS(GR32BitmapPixels);

TEST(GR32BitmapData, TwoByOneStream) {
  TBitmap32 b;
  b.SetSize(2, 1);
  b.SetPixel(0, 0, 0x44332211);
  b.SetPixel(1, 0, 0x88776655);
  TMemoryStream s;
  b.WriteData(&s);
  ASSERT_EQ(s.Size(), 16);
  std::vector<Byte> bytes(16);
  s.SetPosition(0);
  s.ReadBuffer(bytes.data(), 16);
  EXPECT_EQ(bytes, (std::vector<Byte>{2, 0, 0, 0, 1, 0, 0, 0, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88}));
  TBitmap32 c;
  Recorder rec;
  rec.Watch(c);
  s.SetPosition(0);
  c.ReadData(&s);
  EXPECT_TRUE(c.Equal(&b));
  EXPECT_GE(rec.changes, 1);
}

TEST(GR32BitmapData, HostileStreamsAreRefused) {
  struct Case {
    const char* what;
    std::vector<Integer> words;
  } cases[] = {
      {"short header", {2}},
      {"negative width", {-1, 1, 0}},
      {"negative height", {1, -2, 0}},
      {"one zero side", {0, 5}},
      {"overflowing size", {0x10000, 0x10000}},
      {"huge size", {INT_MAX, INT_MAX}},
      {"missing pixels", {2, 2, 1, 2, 3}},
  };
  for (const Case& c : cases) {
    TBitmap32 b;
    b.SetSize(1, 1);
    b.SetPixel(0, 0, 0xCAFEBABE);
    TMemoryStream s;
    s.WriteBuffer(c.words.data(), Int64(c.words.size()) * 4);
    if (std::string(c.what) == "short header") s.SetSize(6);
    s.SetPosition(0);
    EXPECT_THROW(b.ReadData(&s), EReadError) << c.what;
    ASSERT_EQ(b.Width(), 1) << c.what;
    EXPECT_EQ(b.GetPixel(0, 0), 0xCAFEBABEu) << c.what;
  }
  TMemoryStream empty;
  Integer zero[2] = {0, 0};
  empty.WriteBuffer(zero, 8);
  empty.SetPosition(0);
  TBitmap32 b;
  b.SetSize(2, 2);
  b.ReadData(&empty);  // an empty bitmap is valid
  EXPECT_TRUE(b.Empty());
}

TEST(GR32BitmapCopies, AssignEqualAndProperties) {
  TBitmap32 a, b;
  EXPECT_TRUE(a.Equal(&b));
  Filled(a, 3, 2);
  EXPECT_FALSE(a.Equal(&b));
  EXPECT_FALSE(a.Equal(nullptr));
  a.SetDrawMode(dmBlend);
  a.SetCombineMode(cmMerge);
  a.SetWrapMode(wmMirror);
  a.SetMasterAlpha(99);
  a.OuterColor = 0x55;
  a.SetResamplerClassName("TLinearResampler");
  Recorder rec;
  rec.Watch(b);
  b.Assign(&a);
  EXPECT_EQ(rec.changes, 1);  // one change for the whole copy
  EXPECT_TRUE(b.Equal(&a));
  EXPECT_EQ(b.DrawMode(), dmBlend);
  EXPECT_EQ(b.CombineMode(), cmMerge);
  EXPECT_EQ(b.WrapMode(), wmMirror);
  EXPECT_EQ(b.MasterAlpha(), 99u);
  EXPECT_EQ(b.OuterColor, 0x55u);
  EXPECT_EQ(b.ResamplerClassName(), "TLinearResampler");
  b.SetPixel(0, 0, 1);
  EXPECT_FALSE(b.Equal(&a));
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(rec.changes, 2);  // one for emptying; the pixel write above sent none
  struct Other : TPersistent {};
  Other other;
  EXPECT_THROW(b.Assign(&other), EConvertError);
}

TEST(GR32BitmapCopies, SizeFromOtherMaps) {
  TBitmap32 a, b;
  a.SetSize(5, 4);
  b.SetSizeFrom(&a);
  EXPECT_EQ(b.Width(), 5);
  b.SetSizeFrom(nullptr);
  EXPECT_TRUE(b.Empty());
  struct Other : TPersistent {};
  Other other;
  b.SetSize(2, 2);
  EXPECT_THROW(b.SetSizeFrom(&other), Exception);
  EXPECT_EQ(b.Width(), 2);
}

TEST(GR32BitmapResampler, SettingTheResampler) {
  TBitmap32 b;
  TCustomResampler* nearest = b.Resampler();
  b.SetResamplerClassName("TNearestResampler");
  EXPECT_EQ(b.Resampler(), nearest);
  b.SetResampler(nullptr);
  EXPECT_EQ(b.Resampler(), nearest);
  b.SetResamplerClassName("NoSuchResampler");
  EXPECT_EQ(b.Resampler(), nearest);
  b.SetResamplerClassName("TKernelResampler");
  auto kernel = dynamic_cast<TKernelResampler*>(b.Resampler());
  ASSERT_NE(kernel, nullptr);
  EXPECT_EQ(kernel->Bitmap(), &b);
  Recorder rec;
  rec.Watch(b);
  kernel->SetPixelAccessMode(pamWrap);  // marks the bitmap changed
  EXPECT_EQ(rec.changes, 1);
}

}  // namespace
