// Micro tiles and the repaint optimiser: grid sizes, adding rectangles and lines,
// tile and grid unions (plain and packed), merging into rectangles, Reset, and the
// adaptive levels driven by a test clock.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "imaging/GR32_MicroTiles.h"
#include "tests/imaging/GR32BindingFixture.h"

namespace {

std::vector<TRect> RectsOf(const TRectList& list) {
  std::vector<TRect> rects;
  for (Integer i = 0; i < list.Count(); ++i) rects.push_back(*list.Items(i));
  return rects;
}

std::vector<TRect> CalcRects(const TMicroTiles& tiles) {
  TRectList list;
  MicroTilesCalcRects(tiles, &list);
  return RectsOf(list);
}

// A grid that frees its words when the test ends.
struct Grid {
  TMicroTiles tiles;
  explicit Grid(const TRect& bounds) { MicroTilesSetSize(tiles, bounds); }
  ~Grid() { MicroTilesDestroy(tiles); }
  TMicroTile At(Integer x, Integer y) const { return tiles.Tiles[y * tiles.Columns + x]; }
};

TEST(GR32MicroTiles, GridSizes) {
  struct Case {
    const char* what;
    TRect bounds;
    Integer columns, rows, count;
  } cases[] = {
      {"64 x 64", {0, 0, 64, 64}, 3, 3, 16},
      {"0 x 0", {0, 0, 0, 0}, 1, 1, 4},
      {"852 x 480", {0, 0, 852, 480}, 27, 16, 28 * 17},
      // Reversed bounds are an empty buffer, not 2^27 columns.
      {"reversed", {100, 100, 0, 0}, 1, 1, 4},
      {"reversed horizontally", {500, 0, 0, 64}, 1, 3, 8},
  };
  for (const Case& c : cases) {
    Grid g(c.bounds);
    EXPECT_EQ(g.tiles.Columns, c.columns) << c.what;
    EXPECT_EQ(g.tiles.Rows, c.rows) << c.what;
    EXPECT_EQ(g.tiles.Count, c.count) << c.what;
    EXPECT_EQ(g.tiles.BoundsUsedTiles, TRect(c.columns, c.rows, 0, 0)) << c.what << ": nothing used";
    EXPECT_EQ(MicroTilesCountEmptyTiles(g.tiles), c.columns * c.rows) << c.what;
  }
}

class GR32MicroTilesAdd : public GR32Binding {};

TEST_P(GR32MicroTilesAdd, AreasComeOutAsMergedRectangles) {
  struct Case {
    const char* what;
    std::function<void(TMicroTiles&)> add;
    std::vector<TRect> rects;
  } cases[] = {
      {"one tile", [](TMicroTiles& t) { MicroTilesAddRect(t, {5, 5, 10, 10}); }, {{5, 5, 10, 10}}},
      {"a row of tiles ending on a boundary", [](TMicroTiles& t) { MicroTilesAddRect(t, {0, 0, 64, 10}); },
       {{0, 0, 64, 10}}},
      {"rows merged vertically", [](TMicroTiles& t) { MicroTilesAddRect(t, {40, 10, 70, 90}); }, {{40, 10, 70, 90}}},
      {"reversed rectangle", [](TMicroTiles& t) { MicroTilesAddRect(t, {70, 90, 40, 10}); }, {{40, 10, 70, 90}}},
      {"several rows and columns", [](TMicroTiles& t) { MicroTilesAddRect(t, {3, 7, 150, 100}); },
       {{3, 7, 150, 100}}},
      {"entirely negative", [](TMicroTiles& t) { MicroTilesAddRect(t, {-20, -20, -5, -5}); }, {}},
      {"clamped to a zero-size piece", [](TMicroTiles& t) { MicroTilesAddRect(t, {-10, -10, 0, 0}); }, {}},
      {"beyond the grid", [](TMicroTiles& t) { MicroTilesAddRect(t, {180, 5, 400, 9}); }, {{180, 5, 200, 9}}},
      {"two areas apart", [](TMicroTiles& t) {
         MicroTilesAddRect(t, {2, 2, 6, 6});
         MicroTilesAddRect(t, {100, 100, 104, 120});
       },
       {{2, 2, 6, 6}, {100, 100, 104, 120}}},
      {"a run starting in another column is not merged", [](TMicroTiles& t) {
         MicroTilesAddRect(t, {40, 10, 70, 32});
         MicroTilesAddRect(t, {10, 32, 70, 50});
       },
       {{40, 10, 70, 32}, {10, 32, 70, 50}}},
      {"horizontal line of width 1", [](TMicroTiles& t) { MicroTilesAddLine(t, 10, 10, 100, 10, 1); },
       {{8, 8, 102, 12}}},
      {"whole tiles", [](TMicroTiles& t) { MicroTilesAddRect(t, {5, 5, 10, 40}, true); }, {{0, 0, 32, 64}}},
  };
  for (const Case& c : cases) {
    Grid g({0, 0, 200, 160});
    c.add(g.tiles);
    EXPECT_EQ(CalcRects(g.tiles), c.rects) << c.what;
  }
}

TEST_P(GR32MicroTilesAdd, TilesAndUsedRangeOfARectangle) {
  Grid g({0, 0, 200, 160});
  MicroTilesAddRect(g.tiles, {5, 5, 10, 10});
  EXPECT_EQ(g.At(0, 0), MakeMicroTile(5, 5, 10, 10));
  EXPECT_EQ(g.tiles.BoundsUsedTiles, TRect(0, 0, 0, 0));

  Grid row({0, 0, 200, 160});
  MicroTilesAddRect(row.tiles, {0, 0, 64, 10});
  EXPECT_EQ(row.At(1, 0), MakeMicroTile(0, 0, 32, 10));
  EXPECT_EQ(row.At(2, 0), MICROTILE_EMPTY) << "the zero-width piece adds nothing";
  EXPECT_EQ(row.tiles.BoundsUsedTiles, TRect(0, 0, 2, 0));
}

TEST_P(GR32MicroTilesAdd, SlantedLinesAreCutIntoBoxes) {
  // 100 pixels along x: 3.125 steps of 32, rounded up to 4 boxes; the last one
  // reaches past the end point, to x 128.
  Grid g({0, 0, 300, 300});
  MicroTilesAddLine(g.tiles, 0, 0, 100, 50, 0);
  EXPECT_EQ(g.tiles.BoundsUsedTiles.Right, 4);
  EXPECT_EQ(g.tiles.BoundsUsedTiles.Bottom, 2);
  EXPECT_EQ(g.At(3, 1), MakeMicroTile(0, 16, 32, 32));
}

TEST_P(GR32MicroTilesAdd, UnionOfTiles) {
  const TMicroTile partial = MakeMicroTile(1, 1, 5, 5);
  struct Case {
    const char* what;
    TMicroTile dst, src, want;
  } cases[] = {
      {"into a full tile", MICROTILE_FULL, partial, MICROTILE_FULL},
      {"a full source", partial, MICROTILE_FULL, MICROTILE_FULL},
      {"bounding box", partial, MakeMicroTile(3, 0, 9, 4), MakeMicroTile(1, 0, 9, 5)},
      {"into an empty tile", MICROTILE_EMPTY, MakeMicroTile(2, 2, 3, 3), MakeMicroTile(2, 2, 3, 3)},
      {"zero-width source", partial, MakeMicroTile(3, 3, 3, 9), partial},
      {"zero-height source", partial, MakeMicroTile(0, 7, 20, 7), partial},
      {"empty source", partial, MICROTILE_EMPTY, partial},
  };
  for (const Case& c : cases) {
    TMicroTile d = c.dst;
    MicroTileUnion(d, c.src);
    EXPECT_EQ(d, c.want) << c.what;
  }
}

TEST_P(GR32MicroTilesAdd, GridUnionAndCopy) {
  Grid a({0, 0, 300, 100}), b({0, 0, 300, 100});
  MicroTilesAddRect(a.tiles, {10, 10, 20, 20});
  MicroTilesAddRect(b.tiles, {15, 5, 250, 30});
  MicroTilesUnion(a.tiles, b.tiles);
  EXPECT_EQ(a.At(0, 0), MakeMicroTile(10, 5, 32, 30));
  EXPECT_EQ(a.tiles.BoundsUsedTiles, TRect(0, 0, 7, 0));
  Grid whole({0, 0, 300, 100});
  MicroTilesUnion(whole.tiles, b.tiles, true);
  EXPECT_EQ(CalcRects(whole.tiles), (std::vector<TRect>{{0, 0, 256, 32}}));

  Grid copy({0, 0, 10, 10});
  MicroTilesCopy(copy.tiles, a.tiles);
  EXPECT_EQ(copy.tiles.Columns, a.tiles.Columns);
  EXPECT_EQ(CalcRects(copy.tiles), CalcRects(a.tiles));
  MicroTilesClearUsed(copy.tiles);
  EXPECT_EQ(MicroTilesCountEmptyTiles(copy.tiles), copy.tiles.Columns * copy.tiles.Rows);
}

GR32_BOTH_BINDINGS(GR32MicroTilesAdd);

// The packed grid union gives the plain one's tiles, four at a time and in the rest.
TEST(GR32MicroTiles, PackedGridUnionMatchesThePlainOne) {
  std::uint32_t seed = 7;
  auto next = [&seed](Integer n) { return Integer((seed = seed * 1103515245u + 12345u) >> 16) % n; };
  auto randomTile = [&]() -> TMicroTile {
    switch (next(6)) {
      case 0: return MICROTILE_EMPTY;
      case 1: return MICROTILE_FULL;
      default: {
        const Integer l = next(33), t = next(33);
        return MakeMicroTile(l, t, l + next(33 - l), t + next(33 - t));
      }
    }
  };
  for (int round = 0; round < 20; ++round) {
    Grid dst({0, 0, 300, 200}), src({0, 0, 300, 200});
    for (Integer i = 0; i < dst.tiles.Columns * dst.tiles.Rows; ++i) {
      dst.tiles.Tiles[i] = randomTile();
      src.tiles.Tiles[i] = randomTile();
    }
    src.tiles.BoundsUsedTiles = TRect{next(3), next(3), 3 + next(7), 3 + next(4)};
    Grid plain({0, 0, 1, 1});
    MicroTilesCopy(plain.tiles, dst.tiles);
    std::copy(dst.tiles.Tiles, dst.tiles.Tiles + dst.tiles.Count, plain.tiles.Tiles);
    MicroTilesUnionPlain(plain.tiles, src.tiles);
    MicroTilesUnionPacked(dst.tiles, src.tiles);
    for (Integer i = 0; i < dst.tiles.Count; ++i) ASSERT_EQ(dst.tiles.Tiles[i], plain.tiles.Tiles[i]) << round << " " << i;
  }
}

// ---------------------------------------------------------------------------
// The optimiser

class TTestClock : public TRepaintClock {
public:
  explicit TTestClock(Int64& ticks, Int64& elapsed) : ticks_(ticks), elapsed_(elapsed) {}
  Int64 Ticks() override { return ticks_; }
  void StartTimer() override {}
  Int64 ReadTimer() override { return elapsed_; }

private:
  Int64& ticks_;
  Int64& elapsed_;
};

struct OptimizerFixture {
  TBitmap32 buffer;
  TRectList rects;
  TLayerCollection layers{nullptr};
  TMicroTilesRepaintOptimizer optimizer{&buffer, &rects};
  Int64 ticks = 0, elapsed = 0;

  OptimizerFixture() {
    buffer.SetSize(100, 70);
    optimizer.SetClock(std::make_unique<TTestClock>(ticks, elapsed));
    optimizer.RegisterLayerCollection(&layers);
    optimizer.SetEnabled(true);
  }
  // A paint of the whole scene (no rectangles listed) taking `microseconds`.
  void FullScene(Int64 microseconds) {
    optimizer.PerformOptimization();
    rects.Clear();
    optimizer.BeginPaintBuffer();
    elapsed = microseconds;
    optimizer.EndPaintBuffer();
  }
  // One optimised paint of the buffer taking `microseconds`; answers the rectangles.
  std::vector<TRect> Paint(Int64 microseconds) {
    optimizer.PerformOptimization();
    std::vector<TRect> listed = RectsOf(rects);
    optimizer.BeginPaintBuffer();
    elapsed = microseconds;
    optimizer.EndPaintBuffer();
    rects.Clear();
    return listed;
  }
};

TEST(GR32RepaintOptimizer, ResetListsTheWholeBuffer) {
  OptimizerFixture f;
  f.optimizer.Reset();
  EXPECT_TRUE(f.optimizer.UpdatesAvailable());
  f.optimizer.PerformOptimization();
  EXPECT_EQ(RectsOf(f.rects), (std::vector<TRect>{{0, 0, 100, 70}}));
}

TEST(GR32RepaintOptimizer, ResetKeepsGridsOfAnUnchangedSize) {
  OptimizerFixture f;
  const TMicroTile* tiles = f.optimizer.ForcedInvalidTiles().Tiles;
  for (int frame = 0; frame < 3; ++frame) f.optimizer.Reset();
  EXPECT_EQ(f.optimizer.ForcedInvalidTiles().Tiles, tiles) << "no reallocation per frame";
  f.optimizer.BufferResizedHandler(400, 300);
  EXPECT_EQ(f.optimizer.ForcedInvalidTiles().Columns, 13);
}

TEST(GR32RepaintOptimizer, AreasAndLinesBecomeRectangles) {
  OptimizerFixture f;
  f.FullScene(100);
  f.optimizer.AreaUpdateHandler(nullptr, {5, 5, 10, 10}, AREAINFO_RECT);
  EXPECT_TRUE(f.optimizer.UpdatesAvailable());
  EXPECT_EQ(f.Paint(10), (std::vector<TRect>{{5, 5, 10, 10}}));
  EXPECT_FALSE(f.optimizer.UpdatesAvailable());

  // A line's end points are first pushed out by its width: (9, 9)-(101, 11)
  // in three boxes of 32 pixels along x, each widened by 2.
  f.optimizer.AreaUpdateHandler(nullptr, {10, 10, 100, 10}, AREAINFO_LINE | 1);
  EXPECT_EQ(f.Paint(10), (std::vector<TRect>{{7, 7, 64, 12}, {64, 8, 100, 13}}));
}

TEST(GR32RepaintOptimizer, AdaptiveLevelsFollowTheMeasuredTimes) {
  OptimizerFixture f;
  f.FullScene(1000);
  f.optimizer.AreaUpdateHandler(nullptr, {5, 5, 10, 10}, AREAINFO_RECT);
  f.Paint(2000);  // slower than the full scene: whole tiles
  EXPECT_EQ(f.optimizer.PerformanceLevel(), 1);
  f.optimizer.AreaUpdateHandler(nullptr, {5, 5, 10, 10}, AREAINFO_RECT);
  EXPECT_EQ(f.Paint(2000), (std::vector<TRect>{{0, 0, 32, 32}})) << "level 1 rounds to whole tiles";
  EXPECT_EQ(f.optimizer.PerformanceLevel(), 2);
  f.optimizer.AreaUpdateHandler(nullptr, {5, 5, 10, 10}, AREAINFO_RECT);
  EXPECT_EQ(f.Paint(1000), std::vector<TRect>{}) << "level 2 repaints the full scene";
  EXPECT_EQ(f.optimizer.PerformanceLevel(), 2);

  // Past the next check the optimiser probes one level finer.
  f.ticks = 10;
  f.optimizer.AreaUpdateHandler(nullptr, {5, 5, 10, 10}, AREAINFO_RECT);
  f.Paint(500);  // faster than the full scene: stays, the check passed
  EXPECT_EQ(f.optimizer.PerformanceLevel(), 1);
  EXPECT_EQ(f.optimizer.TimeDelta(), 1000);
  EXPECT_EQ(f.optimizer.NextCheck(), 1010);

  f.ticks = 2000;
  f.optimizer.AreaUpdateHandler(nullptr, {5, 5, 10, 10}, AREAINFO_RECT);
  f.Paint(5000);  // the probe failed: back to level 1 with a longer interval
  EXPECT_EQ(f.optimizer.PerformanceLevel(), 1);
  EXPECT_EQ(f.optimizer.TimeDelta(), 1250);
  EXPECT_EQ(f.optimizer.NextCheck(), 3250);

  f.optimizer.SetAdaptiveMode(false);
  EXPECT_EQ(f.optimizer.PerformanceLevel(), 0);
}

TEST(GR32RepaintOptimizer, LayersAreMeasuredWhereTheyWereAndWhereTheyAre) {
  OptimizerFixture f;
  auto* layer = f.layers.Add<TBitmapLayer>();
  layer->Bitmap()->SetSize(10, 10);
  layer->SetLocation(FloatRect(20, 20, 30, 30));
  f.optimizer.Reset();
  f.FullScene(100);
  layer->SetLocation(FloatRect(60, 20, 70, 30));
  EXPECT_TRUE(f.optimizer.UpdatesAvailable());
  EXPECT_EQ(f.Paint(10), (std::vector<TRect>{{20, 20, 30, 30}, {60, 20, 70, 30}}));
  delete layer;
  EXPECT_EQ(f.Paint(10), (std::vector<TRect>{{60, 20, 70, 30}})) << "a deleted layer's area is repainted";
}

TEST(GR32RepaintOptimizer, DisablingDropsTheGrids) {
  OptimizerFixture f;
  f.optimizer.SetEnabled(false);
  EXPECT_EQ(f.optimizer.ForcedInvalidTiles().Tiles, nullptr);
  EXPECT_FALSE(static_cast<bool>(f.layers.AreaUpdatedEvent));
  EXPECT_FALSE(static_cast<bool>(f.layers.ListNotifyEvent));
  f.optimizer.Reset();  // as every bitmap change of an image control in rmFull does
  EXPECT_EQ(f.optimizer.ForcedInvalidTiles().Columns, 4) << "sized from the last buffer size reported";
}

}  // namespace
