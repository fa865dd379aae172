// The value encodings of skin INI files: rectangle and point texts, flags, font
// styles, enumeration words, counted and line lists, JPEG names and the
// length-prefixed strings of skin streams.
#include <gtest/gtest.h>

#include "platform/Streams.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinCodecs.h"

TEST(SkinCodecs, RectangleTextsKeepDigitsOnly) {
  struct Case {
    const char* text;
    TRect rect;
  } cases[] = {
      {"1,2,3,4", {1, 2, 3, 4}},
      {"-5,2,10,20", {5, 2, 10, 20}},       // minus signs are dropped
      {"10, 20 ,30 , 40", {10, 20, 30, 40}},  // blanks too
      {"1,2,3,4,5", {1, 2, 3, 4}},          // one extra field is ignored
      {"1,2,3,4,5,6,7", {1, 2, 3, 4}},      // and so are more
      {"1.5,2a,3,4", {15, 2, 3, 4}},
  };
  for (const Case& c : cases) EXPECT_EQ(GetRect(c.text), c.rect) << c.text;
  EXPECT_EQ(GetPoint("-3,4"), (TPoint{3, 4}));
  EXPECT_EQ(GetPoint("7,8,9"), (TPoint{7, 8}));
  EXPECT_EQ(SetRect(TRect{1, -2, 3, 4}), "1,-2,3,4");
}

TEST(SkinCodecs, ARectangleFieldWithoutDigitsEndsTheRead) {
  for (const char* text : {"1,2,3", "", "a,b,c,d", "1,2,,4", "1,2,3,99999999999"}) {
    try {
      GetRect(text);
      ADD_FAILURE() << text;
    } catch (const EConvertError& e) {
      EXPECT_NE(e.Message.find("is not a valid integer value"), String::npos) << text;
    }
  }
  EXPECT_THROW(GetPoint("5"), EConvertError);
}

TEST(SkinCodecs, MissingKeysReadAsTheirDefaults) {
  TSkinTextIniFile ini("[S]\r\n");
  EXPECT_EQ(ReadRect(ini, "S", "r"), TRect{});
  EXPECT_EQ(ReadPoint(ini, "S", "p"), TPoint{});
  EXPECT_FALSE(ReadBoolean(ini, "S", "b"));
  EXPECT_EQ(ReadFontStyles(ini, "S", "f"), 0u);
  EXPECT_EQ(ReadAlignment(ini, "S", "a"), taCenter);
  EXPECT_EQ(ReadStretchType(ini, "S", "s"), spstFull);
  EXPECT_EQ(ReadMorphKind(ini, "S", "m"), mkDefault);
  EXPECT_EQ(ReadInActiveEffect(ini, "S", "i"), ieBrightness);
}

TEST(SkinCodecs, WordsCompareExactlyAndFallBack) {
  struct Case {
    const char* value;
    const SkinEnumWords* words;
    int expected;
  } cases[] = {
      {"center", &kAlignmentWords, taRightJustify},  {"tacenter", &kAlignmentWords, taCenter},
      {"taleftjustify", &kAlignmentWords, taLeftJustify}, {"stvertical", &kStretchTypeWords, spstHorz},
      {"stvert", &kStretchTypeWords, spstVert},      {"MKPUSH", &kMorphKindWords, mkDefault},
      {"mkpush", &kMorphKindWords, mkPush},          {"none", &kInActiveEffectWords, ieGrayScale},
      {"ieinvert", &kInActiveEffectWords, ieInvert}, {"GKHORIZONTAL", &kGaugeKindWords, gkVertical},
      {"fphorizontal", &kFramesPlacementWords, fpHorizontal}, {"FPHORIZONTAL", &kFramesPlacementWords, fpVertical},
      {"rkvert", &kRegulatorKindWords, rkVertical},  {"rkround", &kRegulatorKindWords, rkRound},
      {"CMCLOSE", &kStdCommandWords, cmMinimizeToTray}, {"cmrollup", &kStdCommandWords, cmRollUp},
  };
  for (const Case& c : cases) {
    TSkinTextIniFile ini(String("[S]\r\nk=") + c.value + "\r\n");
    EXPECT_EQ(ReadEnumWord(ini, "S", "k", *c.words), c.expected) << c.value;
  }
}

TEST(SkinCodecs, FlagsAndFontStyles) {
  struct Case {
    const char* value;
    bool flag;
  } flags[] = {{"1", true}, {"0", false}, {"true", false}, {"2", false}, {"-1", false}, {"0x1", true}};
  for (const Case& c : flags) {
    TSkinTextIniFile ini(String("[S]\r\nb=") + c.value + "\r\n");
    EXPECT_EQ(ReadBoolean(ini, "S", "b"), c.flag) << c.value;
  }
  struct Styles {
    const char* value;
    TFontStyles styles;
  } styles[] = {{"fsbold,fsitalic", fsBold | fsItalic}, {"fsitalicfsbold", fsBold | fsItalic}, {"FSBOLD", 0},
                {"fsunderline,fsstrikeout", fsUnderline | fsStrikeOut}};
  for (const Styles& c : styles) {
    TSkinTextIniFile ini(String("[S]\r\nf=") + c.value + "\r\n");
    EXPECT_EQ(ReadFontStyles(ini, "S", "f"), c.styles) << c.value;
  }
  TSkinTextIniFile ini;
  WriteFontStyles(ini, "S", "f", fsBold | fsStrikeOut);
  WriteFontStyles(ini, "S", "g", 0);
  EXPECT_EQ(ini.ReadString("S", "f", "?"), "fsbold,fsstrikeout");
  EXPECT_EQ(ini.ReadString("S", "g", "?"), "");
}

TEST(SkinCodecs, CountedAndLineListsAppendAndKeepGaps) {
  TSkinTextIniFile ini("[S]\r\nnamescount=3\r\n0=a\r\n2=c\r\nlineslinecount=2\r\nlinesline0=x\r\nlinesline1=y\r\n");
  TStringList list;
  list.Add("kept");
  ReadStrings1(ini, "S", "names", &list);
  EXPECT_EQ(list.Text(), "kept\r\na\r\n\r\nc\r\n");  // key "1" is missing: an empty item
  TStringList lines;
  ReadStrings(ini, "S", "lines", &lines);
  EXPECT_EQ(lines.Text(), "x\r\ny\r\n");

  TSkinTextIniFile out;
  WriteStrings1(out, "T", "names", &lines);
  WriteStrings(out, "T", "lines", &lines);
  EXPECT_EQ(out.ReadString("T", "namescount", ""), "2");
  EXPECT_EQ(out.ReadString("T", "1", ""), "y");
  EXPECT_EQ(out.ReadString("T", "linesline1", ""), "y");
}

TEST(SkinCodecs, AGarbledCountIsBounded) {
  TSkinTextIniFile ini("[S]\r\nnamescount=2000000000\r\nbadcount=-4\r\n");
  TStringList list;
  ReadStrings1(ini, "S", "names", &list);
  EXPECT_EQ(list.Count(), kMaxSkinListCount);
  ReadStrings1(ini, "S", "bad", &list);
  EXPECT_EQ(list.Count(), kMaxSkinListCount);
}

TEST(SkinCodecs, JpegNamesAreJudgedByTheirExtensionInAnyCase) {
  struct Case {
    const char* name;
    bool jpeg;
  } cases[] = {{"sky.jpg", true},       {"sky.JPG", true},  {"sky.Jpeg", true}, {"a.jpg.bmp", false},
               {"sub\\photo.jpeg", true}, {"jpg.bmp", false}, {"sky", false}};
  for (const Case& c : cases) EXPECT_EQ(IsJpegFile(c.name), c.jpeg) << c.name;
}

TEST(SkinCodecs, StreamStringsRefuseLengthsPastTheEnd) {
  TMemoryStream stream;
  WriteStringToStream("hello", stream);
  WriteStringToStream("", stream);
  stream.SetPosition(0);
  String text;
  ReadStringFromStream(text, stream);
  EXPECT_EQ(text, "hello");
  ReadStringFromStream(text, stream);
  EXPECT_EQ(text, "");

  for (Integer length : {-1, 6, 0x7FFFFFFF}) {
    TMemoryStream bad;
    bad.WriteBuffer(&length, 4);
    bad.WriteBuffer("abcde", 5);
    bad.SetPosition(0);
    text = "kept";
    EXPECT_THROW(ReadStringFromStream(text, bad), EReadError) << length;
    EXPECT_EQ(text, "kept");
  }
}
