#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "imaging/GR32_LowLevel.h"
#include "imaging/GR32_Math.h"
#include "imaging/GR32_System.h"

namespace {

TEST(GR32LowLevel, ClampAndConstrain) {
  struct Case {
    int got, want;
  } cases[] = {
      {Clamp(300), 255},       {Clamp(-1), 0},          {Clamp(-5, 10), 0},          {Clamp(12, 10), 10},
      {Clamp(5, 7, 3), 3},     {Constrain(5, 7, 3), 3}, {SwapConstrain(5, 7, 3), 5}, {SwapConstrain(9, 7, 3), 7},
      {SwapConstrain(1, 7, 3), 3},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
  EXPECT_EQ(Constrain(5.0f, 7.0f, 3.0f), 7.0f);
}

TEST(GR32LowLevel, WrapAndMirror) {
  struct Case {
    const char* what;
    int got, want;
  } cases[] = {
      {"Wrap(-1, 9)", Wrap(-1, 9), 9},         {"Wrap(10, 9)", Wrap(10, 9), 0},
      {"Wrap(-1, 2, 5)", Wrap(-1, 2, 5), 3},   {"Wrap(6, 2, 5)", Wrap(6, 2, 5), 2},
      {"Mirror(10, 10)", Mirror(10, 10), 10},  {"Mirror(11, 10)", Mirror(11, 10), 9},
      {"Mirror(-3, 10)", Mirror(-3, 10), 3},   {"Mirror(6, 2, 5)", Mirror(6, 2, 5), 5},
      {"Mirror(1, 2, 5)", Mirror(1, 2, 5), 2}, {"Wrap(3, 0)", Wrap(3, 0), 0},
      // Empty spans would divide by zero: they answer the lower bound.
      {"Wrap(5, -1)", Wrap(5, -1), 0},         {"Mirror(5, 0)", Mirror(5, 0), 0},
      {"Wrap(5, 3, 2)", Wrap(5, 3, 2), 3},     {"Mirror(5, 3, 3)", Mirror(5, 3, 3), 3},
      {"Mirror(INT_MIN, 4)", Mirror(INT_MIN, 4), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
  EXPECT_EQ(WRAP_PROCS_EX[wmClamp](12, 2, 9), 9);
  EXPECT_EQ(WRAP_PROCS_EX[wmRepeat](10, 2, 9), 2);
  EXPECT_EQ(WRAP_PROCS_EX[wmMirror](10, 2, 9), 9);
  EXPECT_EQ(WRAP_PROCS[wmRepeat](-1, 9), 9);
}

TEST(GR32LowLevel, TestClip) {
  int a = 7, b = -3;
  EXPECT_TRUE(TestClip(a, b, 5));
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 4);
  a = 2, b = 9;
  EXPECT_TRUE(TestClip(a, b, 3, 6));
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 5);
  a = 8, b = 9;
  EXPECT_FALSE(TestClip(a, b, 3, 6));
}

TEST(GR32LowLevel, FillAndMove) {
  for (TFillLongword fill : {&FillLongwordPlain, &FillLongwordPacked}) {
    std::vector<Cardinal> cells(11, 7);
    fill(cells.data() + 1, 9, 0xDEADBEEF);
    EXPECT_EQ(cells.front(), 7u);
    EXPECT_EQ(cells.back(), 7u);
    for (int i = 1; i < 10; ++i) EXPECT_EQ(cells[i], 0xDEADBEEFu);
    fill(cells.data(), 0, 1);
    fill(cells.data(), -4, 1);
    EXPECT_EQ(cells.front(), 7u);
  }
  std::vector<Cardinal> cells{1, 2, 3, 4, 5};
  MoveLongword(cells.data() + 1, cells.data(), 4);
  EXPECT_EQ(cells, (std::vector<Cardinal>{2, 3, 4, 5, 5}));
  MoveLongword(cells.data(), cells.data(), 5);
  // Dest above source: copied like memmove, not smeared from the first word.
  cells = {1, 2, 3, 4, 5};
  MoveLongword(cells.data(), cells.data() + 1, 4);
  EXPECT_EQ(cells, (std::vector<Cardinal>{1, 1, 2, 3, 4}));
  std::vector<Word> words(3, 0);
  FillWord(words.data(), 2, 0xABCD);
  EXPECT_EQ(words, (std::vector<Word>{0xABCD, 0xABCD, 0}));
  EXPECT_EQ(SAR_8(-256), -1);
  EXPECT_EQ(SAR_9(-1), -1);
  EXPECT_EQ(SAR_16(0x12345678), 0x1234);
  EXPECT_EQ(ColorSwap(0x000000FF), 0xFFFF0000u);
}

TEST(GR32Math, FixedPoint) {
  struct Case {
    const char* what;
    int got, want;
  } cases[] = {
      {"FixedRound(32768)", FixedRound(32768), 0},
      {"FixedRound(32769)", FixedRound(32769), 1},
      {"FixedFloor(-1)", FixedFloor(-1), -1},
      {"FixedCeil(1)", FixedCeil(1), 1},
      {"FixedMul(1.5, -2)", FixedMul(98304, -131072), -196608},
      {"FixedMul(-1, 1/65536)", FixedMul(-65536, 1), -1},
      {"FixedDiv(1, 2)", FixedDiv(65536, 131072), 32768},
      {"FixedDiv(-3, 2)", FixedDiv(-196608, 131072), -98304},
      {"OneOver(2)", OneOver(131072), 32768},
      {"FixedSqr(1.5)", FixedSqr(98304), 147456},
      {"FixedSqrtLP(4)", FixedSqrtLP(4 << 16), 2 << 16},
      {"FixedSqrtHP(2)", FixedSqrtHP(2 << 16), 92681},  // floor(sqrt(2) * 65536)
      {"FixedSqrtLP(32767.99)", FixedSqrtLP(INT_MAX), 11863040},
      // The low-precision root compares signed: a negative value has none.
      {"FixedSqrtLP(0x80000005)", FixedSqrtLP(TFixed(0x80000005u)), 0},
      {"FixedSqrtLP(-1)", FixedSqrtLP(-1), 0},
      {"FixedCombine(0.25, 4, 0)", FixedCombine(16384, 4 << 16, 0), 1 << 16},
      // Division by zero is guarded: the largest value of the dividend's sign.
      {"FixedDiv(1, 0)", FixedDiv(65536, 0), INT_MAX},
      {"FixedDiv(-1, 0)", FixedDiv(-65536, 0), INT_MIN},
      {"FixedDiv(0, 0)", FixedDiv(0, 0), 0},
      {"OneOver(0)", OneOver(0), INT_MAX},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(GR32Math, IntegerRoutines) {
  struct Case {
    const char* what;
    int got, want;
  } cases[] = {
      {"MulDiv(5, 3, 2)", GR32MulDiv(5, 3, 2), 8},       {"MulDiv(-5, 3, 2)", GR32MulDiv(-5, 3, 2), -8},
      {"MulDiv(1, 1, 0)", GR32MulDiv(1, 1, 0), -1},      {"MulDiv(7, 1, 3)", GR32MulDiv(7, 1, 3), 2},
      {"MulDiv(big)", GR32MulDiv(INT_MAX, INT_MAX, 1), -1},
      // -2^31 fits a negative quotient; +2^31 does not fit a positive one.
      {"MulDiv(-2^31, 1, 1)", GR32MulDiv(INT_MIN, 1, 1), INT_MIN},
      {"MulDiv(-2^31, 3, 3)", GR32MulDiv(INT_MIN, 3, 3), INT_MIN},
      {"MulDiv(65536, -32768, 1)", GR32MulDiv(65536, -32768, 1), INT_MIN},
      {"MulDiv(65536, 32768, 1)", GR32MulDiv(65536, 32768, 1), -1},
      {"MulDiv(-2^31, -1, 1)", GR32MulDiv(INT_MIN, -1, 1), -1},
      {"NextPowerOf2(5)", NextPowerOf2(5), 8},           {"NextPowerOf2(8)", NextPowerOf2(8), 8},
      {"NextPowerOf2(0)", NextPowerOf2(0), 1},           {"PrevPowerOf2(5)", PrevPowerOf2(5), 4},
      {"PrevPowerOf2(0)", PrevPowerOf2(0), 0},           {"IsPowerOf2(0)", IsPowerOf2(0), 1},
      {"IsPowerOf2(6)", IsPowerOf2(6), 0},               {"Average(-3, 0)", Average(-3, 0), -2},
      {"Sign(-7)", Sign(-7), -1},                        {"Sign(0)", Sign(0), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(GR32System, InstructionSets) {
  const Cardinal sse = 0x2000000, mmx = 0x800000;
  struct Case {
    TCPUInstructionSet set;
    bool cpuid;
    Cardinal family, standard, maxExtended, extended;
    bool want;
  } cases[] = {
      {ciMMX, false, 6, mmx, 0, 0, false},               // no identification instruction
      {ciMMX, true, 4, mmx, 0, 0, false},                // family 4
      {ciMMX, true, 6, mmx, 0, 0, true},
      {ciEMMX, true, 6, sse, 0, 0, true},                // SSE implies the extended MMX
      {ciEMMX, true, 6, 0, 0x80000001, 0x400000, true},  // or the extended feature bit
      {ciEMMX, true, 6, 0, 0x80000000, 0x400000, false}, // no extended leaves
      {ci3DNow, true, 6, 0, 0x80000001, 0x80000000, true},
      {ci3DNow, true, 6, 0x80000000, 0, 0, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(InstructionSetOf(c.set, c.cpuid, c.family, c.standard, c.maxExtended, c.extended), c.want)
        << int(c.set) << " " << c.family;
  EXPECT_TRUE(HasMMX());  // every processor Wine runs on here has it
  EXPECT_GE(GetProcessorCount(), 1);
  TPerfTimer timer;
  timer.Start();
  EXPECT_GE(timer.ReadValue(), 0);
}

}  // namespace
