#include "platform/core/SysUtils.h"

#include <gtest/gtest.h>

#include "platform/core/Math.h"

TEST(FloatToStr, GeneralFormatWithFifteenDigits) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {23.97, "23.97"}, {4, "4"},       {0, "0"},          {-2.5, "-2.5"},   {1.0 / 3, "0.333333333333333"},
      {29.97, "29.97"}, {1e15, "1E15"}, {123456789012345, "123456789012345"}, {1e-5, "1E-5"},
      {0.0001, "0.0001"}, {0.1 + 0.2, "0.3"}, {-1.5e20, "-1.5E20"},
  };
  for (const Case& c : cases) EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
}

TEST(FloatToStrF, FixedAndNumber) {
  EXPECT_EQ(FloatToStrF(1234.5678, ffFixed, 15, 2), "1234.57");
  EXPECT_EQ(FloatToStrF(1234.5678, ffNumber, 15, 1), "1,234.6");
  EXPECT_EQ(FloatToStrF(1234.5678, ffExponent, 4, 2), "1.235E+03");
}

TEST(Format, Specifiers) {
  EXPECT_EQ(Format("%d items", 3), "3 items");
  EXPECT_EQ(Format("%5d|%-5d|%.3d", 42, 42, 7), "   42|42   |007");
  EXPECT_EQ(Format("%u", -1), "4294967295");
  EXPECT_EQ(Format("%x %4.4x", 255, 10), "FF 000A");
  EXPECT_EQ(Format("%s=%s", "a", String("b")), "a=b");
  EXPECT_EQ(Format("%.2s|%6s|%-6s|", "abcdef", "ab", "ab"), "ab|    ab|ab    |");
  EXPECT_EQ(Format("%f %.1f %.0f", 1.004, 2.26, 2.7), "1.00 2.3 3");
  EXPECT_EQ(Format("%g", 23.97), "23.97");
  EXPECT_EQ(Format("%.3g", 3.14159), "3.14");
  EXPECT_EQ(Format("100%%"), "100%");
  EXPECT_EQ(Format("%1:s %0:s", "a", "b"), "b a");
  EXPECT_EQ(Format("%*d", 4, 7), "   7");
}

TEST(Format, BadFormatsRaiseConvertError) {
  EXPECT_THROW(Format("%d"), EConvertError);
  EXPECT_THROW(Format("%d", "text"), EConvertError);
  EXPECT_THROW(Format("%s", 1), EConvertError);
  EXPECT_THROW(Format("%f", 1), EConvertError);
  EXPECT_THROW(Format("%q", 1), EConvertError);
  EXPECT_THROW(Format("abc %"), EConvertError);
}

TEST(Round, HalfToEvenAndTruncation) {
  struct Case {
    double value;
    Int64 rounded, truncated;
  } cases[] = {
      {0.5, 0, 0}, {1.5, 2, 1}, {2.5, 2, 2}, {-0.5, 0, 0}, {-1.5, -2, -1}, {-2.5, -2, -2}, {2.51, 3, 2}, {-2.7, -3, -2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Round(c.value), c.rounded) << c.value;
    EXPECT_EQ(Trunc(c.value), c.truncated) << c.value;
  }
  EXPECT_DOUBLE_EQ(static_cast<double>(Frac(-2.75)), -0.75);
  EXPECT_DOUBLE_EQ(static_cast<double>(Power(2, 10)), 1024);
  EXPECT_DOUBLE_EQ(static_cast<double>(Hypot(3, 4)), 5);
}

TEST(Conversions, IntegersAndFloatsFromText) {
  EXPECT_EQ(StrToInt(" 42"), 42);
  EXPECT_EQ(StrToInt("-7"), -7);
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("0x10"), 16);
  EXPECT_EQ(StrToIntDef("", 5), 5);
  EXPECT_EQ(StrToIntDef("12 ", 5), 5);
  EXPECT_EQ(StrToIntDef("99999999999", 5), 5);
  EXPECT_EQ(StrToIntDef("-2147483648", 5), INT32_MIN);
  EXPECT_THROW(StrToInt("x"), EConvertError);

  double value = 0;
  EXPECT_TRUE(TryStrToFloat(" 23.97 ", value));
  EXPECT_DOUBLE_EQ(value, 23.97);
  EXPECT_TRUE(TryStrToFloat("-1e3", value));
  EXPECT_DOUBLE_EQ(value, -1000);
  EXPECT_FALSE(TryStrToFloat("23,97", value));
  EXPECT_FALSE(TryStrToFloat("", value));
  EXPECT_FALSE(TryStrToFloat("1.5x", value));
  EXPECT_FALSE(TryStrToFloat("nan", value));
  EXPECT_EQ(IntToStr(-12), "-12");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
}

TEST(Text, TrimCaseCompareAndSearch) {
  EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(UpperCase("abc\xe9"), "ABC\xe9");
  EXPECT_EQ(LowerCase("ABC"), "abc");
  EXPECT_LT(CompareStr("B", "a"), 0);
  EXPECT_GT(CompareStr("ab", "a"), 0);
  EXPECT_EQ(CompareText("ABC", "abc"), 0);
  EXPECT_EQ(Pos("lo", "hello"), 4);
  EXPECT_EQ(Pos("x", "hello"), 0);
  EXPECT_EQ(Copy("hello", 2, 3), "ell");
  EXPECT_EQ(Copy("hello", 4, 10), "lo");
  EXPECT_EQ(StringReplace("a-b-c", "-", "+", rfReplaceAll), "a+b+c");
  EXPECT_EQ(StringReplace("A-b", "a", "x", rfIgnoreCase), "x-b");
}
