// The skin reader's indexed INI objects read every key as the platform's INI
// files do: TSkinIniFile as TIniFile (quotes dropped), TSkinTextIniFile as
// TMemIniFile; and a write drops the index.
#include <gtest/gtest.h>

#include "platform/io/IniFiles.h"
#include "skin/data/SkinIniFile.h"
#include "tests/harness/TempProgramFolder.h"

TEST(SkinIniFile, ReadsLikeThePlatformsIniFiles) {
  const String text =
      "stray=before any section\r\n"
      "[A]\r\n"
      "  key = spaced value  \r\n"
      "; comment=no\r\n"
      "Dup=first\r\n"
      "dup=second\r\n"
      "bare\r\n"
      "quoted=\"in quotes\"\r\n"
      "single='x'\r\n"
      "eq=a=b\r\n"
      "\r\n"
      "[ b ]\r\n"
      "k=1\n"
      "[a]\r\n"
      "late=hidden\r\n"
      "[Empty]\r\n"
      "[C]\r"
      "last=end";
  TempProgramFolder folder;
  String path = folder.Write("t.ini", text);
  TIniFile disk(path);
  TMemIniFile memory(path);
  TSkinIniFile skin(path);
  TSkinTextIniFile skinText(text);
  struct Key {
    const char* section;
    const char* key;
  } keys[] = {{"A", "key"},    {"a", "KEY"},   {"A", "dup"},   {"A", "bare"}, {"A", "quoted"}, {"A", "single"},
              {"A", "eq"},     {"A", "late"},  {"B", "k"},     {"C", "last"}, {"", "stray"},   {"A", "comment"},
              {"Empty", "x"},  {"none", "k"},  {"A", "; comment"}};
  for (const Key& k : keys) {
    EXPECT_EQ(skin.ReadString(k.section, k.key, "?"), disk.ReadString(k.section, k.key, "?"))
        << k.section << "/" << k.key;
    EXPECT_EQ(skinText.ReadString(k.section, k.key, "?"), memory.ReadString(k.section, k.key, "?"))
        << k.section << "/" << k.key;
  }
  skinText.WriteString("A", "key", "new");
  skinText.EraseSection("B");
  EXPECT_EQ(skinText.ReadString("A", "key", "?"), "new");
  EXPECT_EQ(skinText.ReadString("B", "k", "?"), "?");
}
