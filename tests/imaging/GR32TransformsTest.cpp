// Matrices and transformations, drawing through them, and their displacement
// stored in a vector map.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "GR32AreaLog.h"
#include "imaging/GR32_Rasterizers.h"
#include "imaging/GR32_Resamplers.h"
#include "imaging/GR32_Transforms.h"

namespace {

void ExpectNear(const TFloatPoint& got, const TFloatPoint& expected, float tolerance, const char* what) {
  EXPECT_NEAR(got.X, expected.X, tolerance) << what;
  EXPECT_NEAR(got.Y, expected.Y, tolerance) << what;
}

TEST(GR32Matrices, InversionAndProducts) {
  TFloatMatrix m = IdentityMatrix;
  m[0][0] = 2;
  m[1][1] = 4;
  m[2][0] = 6;
  TFloatMatrix inverse = m;
  Invert(inverse);
  const TFloatMatrix product = Mult(m, inverse);
  for (int c = 0; c < 3; ++c)
    for (int r = 0; r < 3; ++r) EXPECT_NEAR(product[c][r], IdentityMatrix[c][r], 1e-6f) << c << "," << r;
  EXPECT_FLOAT_EQ(Determinant(m), 8);

  TFloatMatrix nearlySingular = IdentityMatrix;
  nearlySingular[0][0] = 1e-6f;  // determinant 1e-6
  Invert(nearlySingular);
  EXPECT_EQ(nearlySingular, IdentityMatrix);

  const TVector3f v = VectorTransform(m, TVector3f{1, 1, 1});
  EXPECT_EQ(v, (TVector3f{8, 4, 1}));
  EXPECT_EQ(FixedMatrix(m)[2][0], Fixed(6));
  EXPECT_EQ(FloatMatrix(FixedMatrix(m)), m);
}

TEST(GR32Affine, CompositionOrderAndRotation) {
  struct Case {
    const char* what;
    std::function<void(TAffineTransformation&)> build;
    TFloatPoint from, to;
  } cases[] = {
      {"scale, then translate", [](TAffineTransformation& t) { t.Scale(2, 2); t.Translate(10, 0); }, {1, 1}, {12, 2}},
      {"translate, then scale", [](TAffineTransformation& t) { t.Translate(10, 0); t.Scale(2, 2); }, {1, 1}, {22, 2}},
      {"a quarter turn about the origin", [](TAffineTransformation& t) { t.Rotate(0, 0, 90); }, {3, 5}, {5, -3}},
      {"a half turn about (10, 10)", [](TAffineTransformation& t) { t.Rotate(10, 10, 180); }, {12, 10}, {8, 10}},
      {"skew", [](TAffineTransformation& t) { t.Skew(0.5f, 0); }, {2, 4}, {4, 4}},
  };
  for (const Case& c : cases) {
    TAffineTransformation t;
    c.build(t);
    ExpectNear(t.Transform(c.from), c.to, 1e-4f, c.what);
    ExpectNear(t.ReverseTransform(c.to), c.from, 1e-3f, c.what);
    const TFixedPoint fixed = t.Transform(FixedPoint(c.from));
    ExpectNear(FloatPoint(fixed), c.to, 1e-3f, c.what);
  }
  TAffineTransformation quarter;
  quarter.Rotate(0, 0, 90);
  EXPECT_FLOAT_EQ(quarter.Matrix()[2][0], 0) << "no translation";
  EXPECT_FLOAT_EQ(quarter.Matrix()[2][1], 0);
}

TEST(GR32Affine, BoundsOfTheMappedCorners) {
  TAffineTransformation t;
  t.SetSrcRect(FloatRect(0, 0, 10, 20));
  t.Scale(2, 3);
  t.Translate(0.2f, 0.3f);  // corners (0.2, 0.3) .. (20.2, 60.3), widened by half a pixel
  EXPECT_EQ(t.GetTransformedBounds(), (TRect{0, 0, 21, 61}));
}

TEST(GR32Projective, CornersOfTheSourceGiveTheIdentity) {
  TProjectiveTransformation t;
  t.SetSrcRect(FloatRect(10, 20, 110, 70));
  t.SetCorners({TFloatPoint{10, 20}, TFloatPoint{110, 20}, TFloatPoint{110, 70}, TFloatPoint{10, 70}});
  for (TFloatPoint p : {TFloatPoint{10, 20}, TFloatPoint{60, 45}, TFloatPoint{109, 69}}) {
    ExpectNear(t.Transform(p), p, 1e-3f, "forward");
    ExpectNear(t.ReverseTransform(p), p, 1e-3f, "reverse");
  }
  EXPECT_EQ(t.GetTransformedBounds(), (TRect{10, 20, 110, 70}));

  // A trapezoid: the source corners land on the given corners.
  TProjectiveTransformation k;
  k.SetSrcRect(FloatRect(0, 0, 1, 1));
  k.SetCorners({TFloatPoint{0, 0}, TFloatPoint{10, 2}, TFloatPoint{10, 8}, TFloatPoint{0, 10}});
  ExpectNear(k.Transform(TFloatPoint{1, 0}), TFloatPoint{10, 2}, 1e-3f, "second corner");
  ExpectNear(k.Transform(TFloatPoint{1, 1}), TFloatPoint{10, 8}, 1e-3f, "third corner");
  ExpectNear(k.ReverseTransform(k.Transform(TFloatPoint{0.3f, 0.7f})), TFloatPoint{0.3f, 0.7f}, 1e-3f, "round trip");
}

// A point of weight 0 has no image: the point itself comes back, not what the
// outputs held before. For the corners (0, 0), (2, 0), (2, 2), (0, 1) over the
// unit square the weight is 1 - x / 2: zero on the line x = 2.
TEST(GR32Projective, APointWithoutImageComesBackUnchanged) {
  TProjectiveTransformation k;
  k.SetSrcRect(FloatRect(0, 0, 1, 1));
  k.SetCorners({TFloatPoint{0, 0}, TFloatPoint{2, 0}, TFloatPoint{2, 2}, TFloatPoint{0, 1}});
  k.PrepareTransform();
  float x = 123, y = 456;
  k.TransformFloat(2, 5, x, y);
  EXPECT_EQ(x, 2.0f);
  EXPECT_EQ(y, 5.0f);
  TFixed fx = 123, fy = 456;
  k.TransformFixed(Fixed(2), Fixed(5), fx, fy);
  EXPECT_EQ(fx, Fixed(2));
  EXPECT_EQ(fy, Fixed(5));
  ExpectNear(k.Transform(TFloatPoint{1, 1}), TFloatPoint{2, 2}, 1e-4f, "a corner still maps");
}

TEST(GR32Warps, PolarRoundTripsForAnyDestination) {
  const TFloatRect dstRects[] = {FloatRect(0, 0, 200, 100), FloatRect(50, 70, 250, 170), FloatRect(-40, -20, 60, 180)};
  for (const TFloatRect& d : dstRects) {
    TPolarTransformation t;
    t.SetSrcRect(FloatRect(0, 0, 360, 100));
    t.SetDstRect(d);
    t.SetPhase(0.3f);
    for (TFloatPoint p : {TFloatPoint{10, 20}, TFloatPoint{180, 50}, TFloatPoint{300, 90}}) {
      const TFloatPoint there = t.Transform(p);
      ExpectNear(t.ReverseTransform(there), p, 0.05f, "polar round trip");
    }
  }
}

TEST(GR32Warps, PathWithTwoPointCurvesIsABilinearPatch) {
  TPathTransformation t;
  t.SetSrcRect(FloatRect(0, 0, 10, 10));
  t.SetTopCurve({TFloatPoint{0, 0}, TFloatPoint{100, 0}});
  t.SetBottomCurve({TFloatPoint{0, 50}, TFloatPoint{100, 80}});
  ExpectNear(t.Transform(TFloatPoint{5, 5}), TFloatPoint{50, 32.5f}, 1e-3f, "the middle");
  ExpectNear(t.Transform(TFloatPoint{10, 10}), TFloatPoint{100, 80}, 1e-3f, "the far corner");

  TPathTransformation bent;
  bent.SetSrcRect(FloatRect(0, 0, 30, 1));
  bent.SetTopCurve({TFloatPoint{0, 0}, TFloatPoint{10, 0}, TFloatPoint{10, 0}, TFloatPoint{10, 20}});
  bent.SetBottomCurve({TFloatPoint{0, 0}, TFloatPoint{30, 0}});
  ExpectNear(bent.Transform(TFloatPoint{25, 0}), TFloatPoint{10, 15}, 1e-3f, "on the last segment");
  ExpectNear(bent.Transform(TFloatPoint{10, 0}), TFloatPoint{10, 0}, 1e-3f, "at a segment of no length");

  TPathTransformation collapsed;
  collapsed.SetSrcRect(FloatRect(0, 0, 10, 10));
  collapsed.SetTopCurve({TFloatPoint{5, 5}, TFloatPoint{5, 5}});
  collapsed.SetBottomCurve({TFloatPoint{0, 0}, TFloatPoint{10, 0}, TFloatPoint{10, 0}});
  ExpectNear(collapsed.Transform(TFloatPoint{5, 0}), TFloatPoint{5, 5}, 1e-6f, "a curve of no length");
  ExpectNear(collapsed.Transform(TFloatPoint{15, 10}), TFloatPoint{10, 0}, 1e-6f, "beyond a last segment of no length");

  TPathTransformation flat;
  flat.SetTopCurve({TFloatPoint{0, 0}, TFloatPoint{10, 0}});
  flat.SetBottomCurve({TFloatPoint{0, 5}, TFloatPoint{10, 5}});
  const TFloatPoint p = flat.Transform(TFloatPoint{3, 3});  // no source rectangle: its start
  EXPECT_FALSE(std::isnan(p.X));
  ExpectNear(p, TFloatPoint{0, 0}, 1e-6f, "an empty source rectangle");
}

TEST(GR32Warps, TwirlBloatFishEyeAndDisturbance) {
  TTwirlTransformation twirl;
  twirl.SetSrcRect(FloatRect(0, 0, 100, 100));
  ExpectNear(twirl.ReverseTransform(TFloatPoint{50, 50}), TFloatPoint{50, 50}, 1e-4f, "the twirl's centre stays");
  EXPECT_EQ(twirl.GetTransformedBounds(), (TRect{-29, -29, 129, 129}));

  TBloatTransformation bloat;
  bloat.SetSrcRect(FloatRect(0, 0, 100, 100));
  ExpectNear(bloat.ReverseTransform(TFloatPoint{0, 30}), TFloatPoint{0, 30}, 1e-4f, "the bloat's edge stays");

  TFishEyeTransformation fish;
  fish.SetSrcRect(FloatRect(0, 0, 100, 60));
  ExpectNear(fish.ReverseTransform(TFloatPoint{99, 1}), TFloatPoint{99, 1}, 1e-4f, "outside the lens");
  ExpectNear(fish.ReverseTransform(TFloatPoint{50, 30}), TFloatPoint{50, 30}, 1e-4f, "the centre");
  TFishEyeTransformation empty;
  const TFloatPoint e = empty.ReverseTransform(TFloatPoint{3, 4});
  EXPECT_FALSE(std::isnan(e.X));

  TDisturbanceTransformation d;
  d.SetDisturbance(4);
  float next = 0.75f;
  d.SetRandomSource([&next] { return next; });
  ExpectNear(d.ReverseTransform(TFloatPoint{10, 10}), TFloatPoint{11, 11}, 1e-5f, "(0.75 - 0.5) x 4");
  EXPECT_EQ(d.GetTransformedBounds(FloatRect(0, 0, 10, 10)), (TRect{-2, -2, 12, 12}));
}

TEST(GR32Warps, UnimplementedDirectionsAreReported) {
  struct Case {
    const char* what;
    std::function<void()> call;
    const char* text;
  } cases[] = {
      {"twirl forward", [] { TTwirlTransformation().Transform(TFloatPoint{1, 1}); },
       "Forward transformation is not implemented in TTwirlTransformation."},
      {"path reverse", [] { TPathTransformation().ReverseTransform(TFloatPoint{1, 1}); },
       "Reverse transformation is not implemented in TPathTransformation."},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << c.what;
    } catch (const ETransformNotImplemented& e) {
      EXPECT_EQ(e.Message, c.text) << c.what;
    }
  }
}

TEST(GR32Remap, DisplacesByTheMapAndRefusesEmptyRectangles) {
  TRemapTransformation t;
  struct Case {
    const char* what;
    TFloatRect src, mapping;
    const char* text;
  } cases[] = {{"no source", FloatRect(0, 0, 0, 0), FloatRect(0, 0, 10, 10), "SrcRect is empty!"},
               {"no mapping", FloatRect(0, 0, 10, 10), FloatRect(0, 0, 0, 10), "MappingRect is empty!"}};
  for (const Case& c : cases) {
    t.SetSrcRect(c.src);
    t.SetMappingRect(c.mapping);
    try {
      t.PrepareTransform();
      ADD_FAILURE() << c.what;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, c.text) << c.what;
    }
  }
  // The map it starts with has one cell: no span to divide by.
  t.SetSrcRect(FloatRect(0, 0, 10, 10));
  t.SetMappingRect(FloatRect(0, 0, 10, 10));
  const TFloatPoint p = t.ReverseTransform(TFloatPoint{4, 5});
  EXPECT_FALSE(std::isnan(p.X) || std::isinf(p.X));

  // An 11 x 11 map over 10 x 10: one cell a pixel; cell (3, 3) displaced by (2, -1).
  t.VectorMap()->SetSize(11, 11);
  t.VectorMap()->SetFixedVector(3, 3, TFixedPoint{Fixed(2), Fixed(-1)});
  t.PrepareTransform();
  ExpectNear(t.ReverseTransform(TFloatPoint{3, 3}), TFloatPoint{5, 2}, 1e-3f, "float");
  EXPECT_EQ(t.ReverseTransform(TPoint{3, 3}), (TPoint{5, 2}));
  EXPECT_EQ(t.ReverseTransform(TPoint{40, 3}), (TPoint{40, 3})) << "outside the map nothing is displaced";
  EXPECT_FALSE(t.HasTransformedBounds());
}

TEST(GR32Transform, DrawsTheSourceThroughTheTransformation) {
  TBitmap32 src, dst;
  FillDistinct(src, 8, 6);
  dst.SetSize(12, 10);
  dst.Clear(0);
  TAffineTransformation t;
  t.SetSrcRect(FloatRect(0, 0, 8, 6));
  t.Translate(3, 2);
  AreaLog log;
  dst.OnAreaChanged = TAreaChangedEvent(&log, &AreaLog::Area);
  Transform(&dst, &src, &t);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(dst.GetPixel(x + 3, y + 2), src.GetPixel(x, y)) << x << "," << y;
  EXPECT_EQ(dst.GetPixel(1, 1), 0u);
  ASSERT_FALSE(log.areas.empty());
  EXPECT_EQ(log.areas.back(), (AreaReport{TRect{2, 2, 12, 8}, AREAINFO_RECT}));

  // Bounds that miss the clip: nothing drawn, the empty rectangle notified.
  log.Clear();
  const std::vector<TColor32> before = Pixels(dst);
  t.Translate(100, 0);
  Transform(&dst, &src, &t);
  EXPECT_EQ(Pixels(dst), before);
  EXPECT_EQ(log.areas, (std::vector<AreaReport>{{TRect{}, AREAINFO_RECT}}));

  // With the linear resampler the plain transformer is used: a half-pixel shift mixes neighbours.
  TBitmap32 smooth;
  smooth.SetSize(12, 10);
  smooth.Clear(0);
  new TLinearResampler(&src);
  TAffineTransformation half;
  half.SetSrcRect(FloatRect(0, 0, 8, 6));
  half.Translate(0.5f, 0);
  TSwizzlingRasterizer rasterizer;
  Transform(&smooth, &src, &half, &rasterizer);
  EXPECT_NE(smooth.GetPixel(3, 2), src.GetPixel(3, 2));
}

TEST(GR32Transform, PointsKeepTheirShape) {
  TAffineTransformation t;
  t.Translate(1, 2);
  EXPECT_TRUE(TransformPoints({}, &t).empty());
  const TArrayOfArrayOfFixedPoint polygons{{FixedPoint(0, 0), FixedPoint(1, 1)}, {}, {FixedPoint(5, 5)}};
  const TArrayOfArrayOfFixedPoint moved = TransformPoints(polygons, &t);
  ASSERT_EQ(moved.size(), 3u);
  EXPECT_EQ(moved[0][1], FixedPoint(2, 3));
  EXPECT_TRUE(moved[1].empty());
  EXPECT_EQ(moved[2][0], FixedPoint(6, 7));
}

TEST(GR32Transform, DisplacementIntoAVectorMap) {
  TAffineTransformation t;
  t.Translate(-2, 1);  // the reverse mapping moves by (2, -1)
  TVectorMap map;
  map.SetSize(4, 3);
  RasterizeTransformation(&map, &t, map.BoundsRect(), vcmReplace);
  EXPECT_EQ(map.GetFixedVector(3, 2), (TFixedPoint{Fixed(2), Fixed(-1)}));
  RasterizeTransformation(&map, &t, TRect{1, 1, 2, 2}, vcmAdd);
  EXPECT_EQ(map.GetFixedVector(1, 1), (TFixedPoint{Fixed(4), Fixed(-2)}));

  // One column wide: the progress has no step across it.
  std::vector<TFixedPoint> progress;
  RasterizeTransformation(&map, &t, TRect{2, 0, 3, 3}, vcmCustom,
                          TVectorCombineEvent::Function([&progress](const TFixedPoint&, const TFixedPoint& p,
                                                                    TFixedPoint&) { progress.push_back(p); }));
  EXPECT_EQ(progress, (std::vector<TFixedPoint>{{0, 0}, {0, Fixed(0.5f)}, {0, Fixed(1.0f)}}));
}

TEST(GR32Transform, BorderTransparency) {
  struct Case {
    const char* what;
    TRect r;
    int cleared;
  } cases[] = {{"one pixel", TRect{2, 2, 3, 3}, 1},
               {"a 3 x 3 outline", TRect{1, 1, 4, 4}, 8},
               {"cut by the bitmap", TRect{-5, -5, 2, 2}, 4},
               {"outside", TRect{10, 10, 12, 12}, 0}};
  for (const Case& c : cases) {
    TBitmap32 b;
    b.SetSize(5, 5);
    b.Clear(0xFF123456);
    SetBorderTransparent(&b, c.r);
    int cleared = 0;
    for (TColor32 p : Pixels(b)) {
      if (p == 0x00123456) ++cleared;
      else EXPECT_EQ(p, 0xFF123456u) << c.what;
    }
    EXPECT_EQ(cleared, c.cleared) << c.what;
  }
}

}  // namespace
