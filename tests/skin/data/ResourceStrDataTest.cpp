// The interface strings: default lines, lookup by name in any case, texts that
// hold "=", replaced lists and duplicate names.
#include <gtest/gtest.h>

#include "skin/data/ResourceStrData.h"

TEST(ResourceStrData, LooksTextsUpByName) {
  TspResourceStrData strings(nullptr);
  EXPECT_EQ(strings.ResStrings()->Count(), 120);
  EXPECT_EQ(strings.CharSet, 1);
  struct Case {
    const char* name;
    const char* text;
  } cases[] = {{"mi_maxcaption", "Ma&ximize"}, {"MI_MINCAPTION", "Mi&nimize"}, {"FLV_LOOKIN", "Look in: "},
               {"CUSTOMCOLOR", "Custom..."},   {"NO_SUCH_NAME", ""}};
  for (const Case& c : cases) EXPECT_EQ(strings.GetResStr(c.name), c.text) << c.name;

  TStringList lines;
  lines.Add("A=x=y");
  lines.Add("B=first");
  lines.Add("b=second");
  lines.Add("noequals");
  strings.SetResStrs(&lines);
  EXPECT_EQ(strings.GetResStr("A"), "x=y");
  EXPECT_EQ(strings.GetResStr("B"), "first");
  EXPECT_EQ(strings.GetResStr("noequals"), "");
  EXPECT_EQ(strings.GetResStr("MI_MAXCAPTION"), "") << "the defaults were replaced";
  TStringList none;
  strings.SetResStrs(&none);
  EXPECT_EQ(strings.GetResStr("A"), "");
}
