// Gradient fills: every direction at every small size stays inside its
// rectangle, the colours sit where each direction puts them, and the smoothing
// factor sets the band length.
#include <gtest/gtest.h>

#include <set>

#include "framed/graphics/RzGrafx.h"
#include "tests/framed/FramedPixels.h"

namespace {

constexpr TColor kStart = 0x0000FF;
constexpr TColor kStop = 0xFF0000;

TEST(Gradient, EveryDirectionAtSmallSizesStaysInside) {
  for (int direction = gdDiagonalUp; direction <= gdBigSquareBox; ++direction) {
    for (int w = 0; w <= 5; ++w) {
      for (int h = 0; h <= 5; ++h) {
        TPixelSheet sheet(12, 12);
        TRect r = Rect(3, 3, 3 + w, 3 + h);
        PaintGradient(sheet.Canvas(), r, static_cast<TGradientDirection>(direction), kStart, kStop, 1);
        EXPECT_EQ(sheet.ChangedOutside(r), 0) << "direction " << direction << " " << w << "x" << h;
        for (int y = r.Top; y < r.Bottom; ++y)
          for (int x = r.Left; x < r.Right; ++x)
            EXPECT_NE(sheet.At(x, y), kBackground) << "direction " << direction << " " << w << "x" << h;
      }
    }
  }
}

TEST(Gradient, AnInvertedRectangleDrawsInsideItsCorners) {
  TPixelSheet sheet;
  PaintGradient(sheet.Canvas(), Rect(15, 15, 5, 5), gdVerticalEnd, kStart, kStop, 1);
  EXPECT_EQ(sheet.ChangedOutside(Rect(5, 5, 15, 15)), 0);
}

struct EndsCase {
  const char* Name;
  TGradientDirection Direction;
  int StartX, StartY;  // a pixel in the start colour's region
  int StopX, StopY;    // a pixel close to the stop colour
};

TEST(Gradient, ColoursSitWhereTheDirectionPutsThem) {
  const EndsCase cases[] = {
      {"horizontal end", gdHorizontalEnd, 20, 0, 20, 39},
      {"horizontal centre", gdHorizontalCenter, 20, 0, 20, 20},
      {"vertical end", gdVerticalEnd, 0, 20, 39, 20},
      {"vertical centre", gdVerticalCenter, 39, 20, 20, 20},
      {"square box", gdSquareBox, 0, 0, 20, 20},
      {"diagonal up", gdDiagonalUp, 0, 39, 39, 0},
      {"diagonal down", gdDiagonalDown, 0, 0, 39, 39},
  };
  for (const EndsCase& c : cases) {
    TPixelSheet sheet(40, 40);
    PaintGradient(sheet.Canvas(), Rect(0, 0, 40, 40), c.Direction, kStart, kStop, 1);
    TColor start = sheet.At(c.StartX, c.StartY), stop = sheet.At(c.StopX, c.StopY);
    EXPECT_GE(GetRValue(start), 230) << c.Name;  // red start
    EXPECT_LE(GetBValue(start), 25) << c.Name;
    EXPECT_GE(GetBValue(stop), 200) << c.Name;   // blue stop
    EXPECT_LE(GetRValue(stop), 55) << c.Name;
  }
}

TEST(Gradient, BoxesAreSymmetric) {
  for (TGradientDirection direction : {gdSquareBox, gdBigSquareBox, gdHorizontalBox, gdVerticalBox}) {
    for (int size : {9, 10}) {
      TPixelSheet sheet(size, size + 3);
      PaintGradient(sheet.Canvas(), Rect(0, 0, size, size + 3), direction, kStart, kStop, 1);
      for (int y = 0; y < size + 3; ++y)
        for (int x = 0; x < size; ++x) {
          ASSERT_EQ(sheet.At(x, y), sheet.At(size - 1 - x, y)) << direction << " " << x << "," << y;
          ASSERT_EQ(sheet.At(x, y), sheet.At(x, size + 2 - y)) << direction << " " << x << "," << y;
        }
    }
  }
}

TEST(Gradient, EqualColoursFillOneColour) {
  for (TGradientDirection direction : {gdDiagonalUp, gdDiagonalDown, gdSquareBox}) {
    TPixelSheet sheet;
    PaintGradient(sheet.Canvas(), Rect(0, 0, 20, 20), direction, 0x00AA00, 0x00AA00, 1);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) ASSERT_EQ(sheet.At(x, y), 0x00AA00) << direction << " " << x << "," << y;
  }
}

// Lengths of the runs of equal colour down column 0.
std::vector<int> Bands(TPixelSheet& sheet, int height) {
  std::vector<int> bands;
  TColor current = sheet.At(0, 0);
  int length = 0;
  for (int y = 0; y < height; ++y) {
    if (sheet.At(0, y) != current) {
      bands.push_back(length);
      current = sheet.At(0, y);
      length = 0;
    }
    ++length;
  }
  bands.push_back(length);
  return bands;
}

TEST(Gradient, SmoothingSetsTheBandLength) {
  TPixelSheet fine(8, 256);
  PaintGradient(fine.Canvas(), Rect(0, 0, 8, 256), gdHorizontalEnd, clWhite, clBlack, 1);
  std::vector<int> bands = Bands(fine, 256);
  EXPECT_GT(bands.size(), 200u);
  for (int length : bands) EXPECT_LE(length, 2);

  TPixelSheet coarse(8, 256);
  PaintGradient(coarse.Canvas(), Rect(0, 0, 8, 256), gdHorizontalEnd, clWhite, clBlack, 8);
  bands = Bands(coarse, 256);
  for (size_t i = 1; i + 1 < bands.size(); ++i) EXPECT_GE(bands[i], 8) << "band " << i;
  EXPECT_LT(bands.size(), 40u);
}

}  // namespace
