#include "platform/core/FormatFloat.h"

#include <gtest/gtest.h>

TEST(FormatFloat, PicturesSectionsAndLiterals) {
  struct Case {
    const char* format;
    double value;
    const char* text;
  } cases[] = {
      // the numeric edit's own format: thousands, negatives in parentheses
      {",0;(,0)", -1234, "(1,234)"},
      {",0;(,0)", 1234567, "1,234,567"},
      {",0;(,0)", 0, "0"},
      {",0;(,0)", -0.4, "0"},  // rounds to zero: no parentheses
      {"#,##0.00", 1234.5, "1,234.50"},
      {"#,##0.00", -1234.5, "-1,234.50"},  // no negative section: a leading minus
      {"0.###", 1.5, "1.5"},
      {"0.###", 2, "2"},
      {"0.00", 2.345, "2.35"},
      {"000", 7, "007"},
      {"#", 0, ""},
      {"#.##", 0.5, ".5"},
      {"0", 2.5, "2"},  // ties go to even
      {"0", 3.5, "4"},
      {"0;-0;'zero'", 0, "zero"},
      {"0;;'zero'", -3, "-3"},  // empty negative section: the first with a minus
      {"\"$\"#,##0", 1500, "$1,500"},
      {"0.0 'kg'", 12.25, "12.2 kg"},
      {"0.00E+00", 1234, "1.23E+03"},
      {"0.00E-00", 0.00125, "1.25E-03"},
      {"0.0E-0", 1234, "1.2E3"},
      {"", 23.97, "23.97"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFloat(c.format, c.value), c.text) << c.format << " " << c.value;
}
