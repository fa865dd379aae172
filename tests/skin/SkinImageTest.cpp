// Skin composition: pictures whose zones are distinct solid colours, composed at
// other sizes; each check names the zone that must show at a pixel.
#include <gtest/gtest.h>

#include "skin/draw/SkinImage.h"
#include "tests/skin/SkinTestPictures.h"

namespace {

// Zone colours of the 100 x 40 frame piece (corner points (10, 10), (90, 10),
// (10, 30), (90, 30), client (10, 10, 90, 30)); the first column or row of each
// edge and the client's first pixel carry a marker colour, so tile starts show.
constexpr TColor C1 = 0x000011, C3 = 0x000033, C5 = 0x000055, C7 = 0x000077;
constexpr TColor Top = 0x00AA00, TopMark = 0x00AA01, Bottom = 0x00BB00, BottomMark = 0x00BB01;
constexpr TColor Left = 0xCC0000, LeftMark = 0xCC0001, Right = 0xDD0000, RightMark = 0xDD0001;
constexpr TColor Client = 0x808000, ClientMark = 0x808001;

class FramePiece : public ::testing::Test {
protected:
  void SetUp() override {
    PaintZones(picture, 100, 40,
               {{{0, 0, 10, 10}, C1}, {{90, 0, 100, 10}, C3}, {{0, 30, 10, 40}, C5}, {{90, 30, 100, 40}, C7},
                {{10, 0, 90, 10}, Top}, {{10, 0, 11, 10}, TopMark}, {{10, 30, 90, 40}, Bottom},
                {{10, 30, 11, 40}, BottomMark}, {{0, 10, 10, 30}, Left}, {{0, 10, 10, 11}, LeftMark},
                {{90, 10, 100, 30}, Right}, {{90, 10, 100, 11}, RightMark}, {{10, 10, 90, 30}, Client},
                {{10, 10, 11, 11}, ClientMark}});
  }

  // Composes the piece to width x 40 with the right column starting at width - 10.
  void Compose(int width, bool stretchEdges = false) {
    int r = width - 10;
    CreateSkinImage({10, 10}, {90, 10}, {10, 30}, {90, 30}, {10, 10, 90, 30}, {10, 10}, {r, 10}, {10, 30},
                    {r, 30}, {10, 10, r, 30}, &dest, &picture, {0, 0, 100, 40}, width, 40, true, stretchEdges,
                    stretchEdges, stretchEdges, stretchEdges, false, spstFull);
  }

  void Expect(const std::vector<PixelCheck>& checks) {
    for (const PixelCheck& c : checks)
      EXPECT_EQ(At(dest, c.X, c.Y), c.Color) << c.What << " at (" << c.X << ", " << c.Y << ")";
  }

  TBitmap picture, dest;
};

TEST_F(FramePiece, TiledEdgesRepeatFromTheirStartAndCutTheLastTile) {
  Compose(250);
  ASSERT_EQ(dest.Width(), 250);
  ASSERT_EQ(dest.Height(), 40);
  Expect({{0, 0, C1, "corner 1"},          {10, 0, TopMark, "top tile 1"},   {90, 0, TopMark, "top tile 2"},
          {170, 0, TopMark, "top tile 3"}, {239, 9, Top, "cut top tile"},    {240, 0, C3, "corner 3"},
          {249, 39, C7, "corner 7"},       {0, 39, C5, "corner 5"},          {170, 35, BottomMark, "bottom tile 3"},
          {0, 10, LeftMark, "left edge"},  {240, 10, RightMark, "right edge"}, {245, 29, Right, "right edge"},
          {10, 10, ClientMark, "client tile 1"}, {90, 10, ClientMark, "client tile 2"},
          {170, 10, ClientMark, "client tile 3"}, {239, 29, Client, "cut client tile"}});
}

TEST_F(FramePiece, SpanOfWholeTilesEndsInAnEmptyTile) {
  Compose(180);
  Expect({{90, 0, TopMark, "second tile"}, {169, 5, Top, "end of second tile"}, {170, 0, C3, "corner 3"},
          {179, 39, C7, "corner 7"}, {169, 20, Client, "client end"}, {170, 20, Right, "right edge"}});
}

TEST_F(FramePiece, TargetSmallerThanTheCornersLetsLaterCornersWin) {
  Compose(15);  // the right column starts at 5, inside the left corners
  Expect({{4, 0, C1, "corner 1 left of corner 3"}, {5, 0, C3, "corner 3 over corner 1"},
          {14, 39, C7, "corner 7"}, {4, 39, C5, "corner 5"}});
}

TEST_F(FramePiece, StretchedEdgesFillTheirSpan) {
  Compose(250, true);
  Expect({{10, 0, TopMark, "stretched start"}, {100, 0, Top, "no marker inside"}, {239, 0, Top, "stretched end"},
          {240, 0, C3, "corner 3"}, {100, 35, Bottom, "bottom"}});
}

TEST_F(FramePiece, EmptySourceOnlySizesTheTarget) {
  TBitmap empty;
  CreateSkinImage({10, 10}, {90, 10}, {10, 30}, {90, 30}, {10, 10, 90, 30}, {10, 10}, {240, 10}, {10, 30},
                  {240, 30}, {10, 10, 240, 30}, &dest, &empty, {0, 0, 100, 40}, 250, 40, true, false, false,
                  false, false, false, spstFull);
  EXPECT_EQ(dest.Width(), 250);
  EXPECT_EQ(At(dest, 0, 0), clWhite);
}

TEST_F(FramePiece, ZeroLengthTiledPiecesAreSkipped) {
  // The top edge and the client have no width; the rest still draws.
  CreateSkinImage({10, 10}, {10, 10}, {10, 30}, {90, 30}, {10, 10, 10, 30}, {10, 10}, {240, 10}, {10, 30},
                  {240, 30}, {10, 10, 240, 30}, &dest, &picture, {0, 0, 100, 40}, 250, 40, true, false, false,
                  false, false, false, spstFull);
  Expect({{100, 0, clWhite, "no top edge"}, {100, 20, clWhite, "no client"}, {0, 10, LeftMark, "left edge"},
          {0, 0, C1, "corner 1"}, {90, 35, BottomMark, "bottom edge"}});
}

TEST_F(FramePiece, PiecesOutsideThePictureDrawNothingOutsideTheTarget) {
  // A skin rectangle far outside its picture and target points beyond the target.
  CreateSkinImage({10, 10}, {90, 10}, {10, 30}, {90, 30}, {10, 10, 90, 30}, {-5000, 10}, {900000, 10},
                  {-5000, 30}, {900000, 30}, {-5000, 10, 900000, 30}, &dest, &picture, {5000, 5000, 5100, 5040},
                  60, 40, true, false, false, false, false, false, spstHorz);
  EXPECT_EQ(dest.Width(), 60);
}

// A 25 x 20 piece whose 15 x 10 client (5, 5, 20, 15) has a marked first column.
class ClientPiece : public ::testing::Test {
protected:
  void SetUp() override {
    PaintZones(picture, 25, 20,
               {{{0, 0, 25, 20}, Left}, {{5, 5, 20, 15}, Client}, {{5, 5, 6, 15}, ClientMark}});
  }
  TBitmap picture, dest;
};

TEST_F(ClientPiece, HorizontalStripsAreCutByTheClientClip) {
  CreateSkinImage({5, 5}, {20, 5}, {5, 15}, {20, 15}, {5, 5, 20, 15}, {5, 5}, {45, 5}, {5, 15}, {45, 15},
                  {5, 5, 45, 15}, &dest, &picture, {0, 0, 25, 20}, 50, 20, true, false, false, false, false, true,
                  spstHorz);
  EXPECT_EQ(At(dest, 5, 10), ClientMark);
  EXPECT_EQ(At(dest, 20, 10), ClientMark);
  EXPECT_EQ(At(dest, 35, 10), ClientMark);
  EXPECT_EQ(At(dest, 44, 10), Client);
  EXPECT_EQ(At(dest, 45, 10), Left) << "the third strip stops at the client's edge";
}

TEST_F(ClientPiece, BackgroundStripsRunPastTheClient) {
  CreateSkinBG({5, 5, 20, 15}, {5, 5, 45, 15}, &dest, &picture, {0, 0, 25, 20}, 50, 20, true, spstHorz);
  EXPECT_EQ(At(dest, 35, 10), ClientMark);
  EXPECT_EQ(At(dest, 45, 10), Client);
  EXPECT_EQ(At(dest, 49, 14), Client);
  EXPECT_EQ(At(dest, 4, 10), clWhite);
}

TEST_F(ClientPiece, TiledBackgroundStartsAtTheOrigin) {
  CreateSkinBG({5, 5, 20, 15}, {5, 5, 45, 15}, &dest, &picture, {0, 0, 25, 20}, 50, 20, false, spstFull);
  EXPECT_EQ(At(dest, 0, 0), ClientMark);
  EXPECT_EQ(At(dest, 15, 0), ClientMark);
  EXPECT_EQ(At(dest, 39, 9), Client);
  EXPECT_EQ(At(dest, 40, 0), clWhite);
}

TEST_F(ClientPiece, VerticalStripsRepeatDownwards) {
  CreateSkinImage({5, 5}, {20, 5}, {5, 15}, {20, 15}, {5, 5, 20, 15}, {5, 5}, {20, 5}, {5, 30}, {20, 30},
                  {5, 5, 20, 30}, &dest, &picture, {0, 0, 25, 20}, 25, 35, true, false, false, false, false, true,
                  spstVert);
  EXPECT_EQ(At(dest, 5, 5), ClientMark);
  EXPECT_EQ(At(dest, 5, 15), ClientMark);
  EXPECT_EQ(At(dest, 5, 25), ClientMark);
  EXPECT_EQ(At(dest, 6, 29), Client);
}

// A strip 30 x 10: left end 5 wide, middle 20 (marked first column), right end 5.
class StripPiece : public ::testing::Test {
protected:
  void SetUp() override {
    PaintZones(picture, 30, 10,
               {{{0, 0, 5, 10}, C1}, {{5, 0, 25, 10}, Top}, {{5, 0, 6, 10}, TopMark}, {{25, 0, 30, 10}, C3}});
  }
  TBitmap picture, dest;
};

TEST_F(StripPiece, HorizontalStripTilesTheMiddleBetweenItsEnds) {
  CreateHSkinImage(5, 5, &dest, &picture, {0, 0, 30, 10}, 60, 99, false);
  ASSERT_EQ(dest.Height(), 10);
  EXPECT_EQ(At(dest, 0, 0), C1);
  EXPECT_EQ(At(dest, 5, 0), TopMark);
  EXPECT_EQ(At(dest, 25, 0), TopMark);
  EXPECT_EQ(At(dest, 45, 0), TopMark);
  EXPECT_EQ(At(dest, 54, 0), Top);
  EXPECT_EQ(At(dest, 55, 0), C3);
}

TEST_F(StripPiece, EndsOnlyWhenTheWidthHoldsJustTheEnds) {
  CreateHSkinImage(5, 5, &dest, &picture, {0, 0, 30, 10}, 10, 0, false);
  EXPECT_EQ(At(dest, 4, 0), C1);
  EXPECT_EQ(At(dest, 5, 0), C3);
}

TEST_F(StripPiece, VariantsWithoutEnds) {
  CreateHSkinImage2(5, 5, &dest, &picture, {0, 0, 30, 10}, 50, 0, false);
  EXPECT_EQ(At(dest, 45, 0), TopMark) << "no right end: the middle runs to the edge";
  CreateHSkinImage3(5, 5, &dest, &picture, {0, 0, 30, 10}, 50, 0, false);
  EXPECT_EQ(At(dest, 0, 0), TopMark) << "no ends: the middle starts at 0";
  EXPECT_EQ(At(dest, 20, 0), TopMark);
}

TEST_F(StripPiece, VerticalStripFromTheTurnedPiece) {
  TBitmap tall;
  PaintZones(tall, 10, 30, {{{0, 0, 10, 5}, C1}, {{0, 5, 10, 25}, Left}, {{0, 5, 10, 6}, LeftMark},
                            {{0, 25, 10, 30}, C7}});
  CreateVSkinImage(5, 5, &dest, &tall, {0, 0, 10, 30}, 0, 60, false);
  ASSERT_EQ(dest.Width(), 10);
  EXPECT_EQ(At(dest, 0, 25), LeftMark);
  EXPECT_EQ(At(dest, 0, 54), Left);
  EXPECT_EQ(At(dest, 0, 55), C7);
}

TEST_F(FramePiece, NinePartStretchKeepsTheClientCorners) {
  dest.SetSize(200, 60);
  CreateStretchImage(&dest, &picture, {0, 0, 100, 40}, {10, 10, 90, 30}, true);
  EXPECT_EQ(At(dest, 0, 0), C1);
  EXPECT_EQ(At(dest, 199, 0), C3);
  EXPECT_EQ(At(dest, 199, 59), C7);
  EXPECT_EQ(At(dest, 100, 30), Client);
}

TEST_F(FramePiece, HeaderRowHasNoRightColumn) {
  CreateSkinImage2({10, 10}, {90, 10}, {10, 30}, {90, 30}, {10, 10, 90, 30}, {10, 10}, {140, 10}, {10, 30},
                   {140, 30}, {10, 10, 140, 30}, &dest, &picture, {0, 0, 100, 40}, 150, 40, true, false, false,
                   false, false, false, spstFull);
  EXPECT_EQ(At(dest, 90, 0), TopMark);
  EXPECT_EQ(At(dest, 149, 0), Top) << "the top runs to the full width";
  EXPECT_EQ(At(dest, 149, 20), Client) << "the client too";
}

TEST_F(FramePiece, BorderPicturesTileFromZeroUnderTheirCorners) {
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages({10, 10}, {90, 10}, {10, 30}, {90, 30}, {10, 10, 90, 30}, {10, 10}, {240, 10}, {10, 50},
                         {240, 50}, {10, 10, 240, 50}, &left, &top, &right, &bottom, &picture, {0, 0, 100, 40},
                         250, 60, false, false, false, false);
  ASSERT_EQ(top.Width(), 250);
  ASSERT_EQ(top.Height(), 10);
  EXPECT_EQ(At(top, 0, 0), C1) << "left corner over the first tile";
  EXPECT_EQ(At(top, 80, 0), TopMark) << "tiles start at 0, step 80";
  EXPECT_EQ(At(top, 160, 0), TopMark);
  EXPECT_EQ(At(top, 240, 0), C3);
  ASSERT_EQ(bottom.Height(), 10);
  EXPECT_EQ(At(bottom, 80, 5), BottomMark);
  ASSERT_EQ(left.Width(), 10);
  ASSERT_EQ(left.Height(), 40);
  EXPECT_EQ(At(left, 0, 0), LeftMark);
  EXPECT_EQ(At(left, 0, 20), LeftMark);
  ASSERT_EQ(right.Width(), 10);
  EXPECT_EQ(At(right, 5, 39), Right);
}

}  // namespace
