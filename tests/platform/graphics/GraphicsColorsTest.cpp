#include <gtest/gtest.h>

#include "platform/core/WinApi.h"
#include "platform/graphics/Colors.h"

TEST(GraphicsColors, ColorToRgbResolvesSystemColoursInBothForms) {
  struct Case {
    TColor color;
    TColor expected;
  } cases[] = {
      {clRed, 0x0000FF},
      {0x123456, 0x123456},
      {clNone, 0xFFFFFF},
      {clDefault, 0x000000},
      {clBtnFace, static_cast<TColor>(::GetSysColor(COLOR_BTNFACE))},
      {static_cast<TColor>(0xFF00000F), static_cast<TColor>(::GetSysColor(COLOR_BTNFACE))},
      {clHighlight, static_cast<TColor>(::GetSysColor(COLOR_HIGHLIGHT))},
      {clWindow, static_cast<TColor>(::GetSysColor(COLOR_WINDOW))},
  };
  for (const Case& c : cases) EXPECT_EQ(ColorToRGB(c.color), c.expected) << std::hex << c.color;
  EXPECT_EQ(clBtnFace, static_cast<TColor>(0x8000000F));
  EXPECT_EQ(clBtnHighlight, static_cast<TColor>(0x80000014));
}

TEST(GraphicsColors, NameTableListsTheFiftyTwoColoursInOrder) {
  int count = 0;
  const TColorName* names = ColorNames(count);
  ASSERT_EQ(count, 52);
  EXPECT_STREQ(names[0].Name, "clBlack");
  EXPECT_STREQ(names[15].Name, "clWhite");
  EXPECT_STREQ(names[16].Name, "clMoneyGreen");
  EXPECT_EQ(names[17].Value, 0xF0CAA6);
  EXPECT_STREQ(names[20].Name, "clActiveBorder");
  EXPECT_STREQ(names[51].Name, "clWindowText");
  std::vector<String> listed;
  GetColorValues([&](const String& name) { listed.push_back(name); });
  ASSERT_EQ(listed.size(), 52u);
  EXPECT_EQ(listed[29], "clDefault");
  EXPECT_EQ(listed[45], "clNone");
}

TEST(GraphicsColors, NamesAndNumbersConvertBothWays) {
  EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToString(0x123456), "$00123456");
  EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
  EXPECT_EQ(StringToColor("$00FF00"), clLime);
  EXPECT_EQ(StringToColor("255"), clRed);
  EXPECT_EQ(StringToColor(ColorToString(0x80000002)), clActiveCaption);
  EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
  EXPECT_THROW(StringToColor(""), EConvertError);
}
