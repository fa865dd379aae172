#include "app/MultiLang.h"

#include <gtest/gtest.h>

#include "app/LangFile.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

// Two languages and two files that are not listed; their file names sort the other way.
void WriteLanguages(const TempProgramFolder& folder) {
  folder.Write("Lang\\a-english.ini", "[GENERAL]\r\nname=English\r\nauthor=Ann\r\n[AUDIO_PRESET]\r\n100=Near CD\r\n");
  folder.Write("Lang\\b-german.ini",
               "[GENERAL]\r\n"
               "name=Deutsch\r\n"
               "\r\n"
               "[AUDIOSETTING_FORM]\r\n"
               "00=Einstellungen\r\n"
               "01=\r\n"                    // present and empty
               "02 = \"  OK  \"\r\n"        // blanks dropped, quotes removed
               "00=second occurrence\r\n"   // the first occurrence wins
               "Key=upper\r\n"
               "key=lower\r\n"
               "; 03=comment\r\n"
               "[audiosetting_form]\r\n"    // another section: names are exact
               "00=lower-case section\r\n"
               "[AUDIOSETTING_FORM]\r\n"    // a repeated section is not read
               "04=repeated\r\n");
  folder.Write("Lang\\c-noname.ini", "[GENERAL]\r\nauthor=Nobody\r\n");
  folder.Write("Lang\\d-unknow.ini", "[GENERAL]\r\nname=Unknow\r\n");
  folder.Write("Lang\\readme.txt", "[GENERAL]\r\nname=Text\r\n");
}

}  // namespace

TEST(MultiLangManagerTest, ListsNamedFilesSortedByName) {
  TempProgramFolder folder;
  WriteLanguages(folder);
  folder.Write("Lang\\e-lower.ini", "[GENERAL]\r\nname=deutsch\r\n");  // lower case sorts after upper
  MultiLangManager manager;
  ASSERT_EQ(manager.Files().size(), 3u);
  EXPECT_EQ(manager.Files()[0].Name, "Deutsch");
  EXPECT_EQ(manager.Files()[0].Path, folder.Path() + "Lang\\b-german.ini");
  EXPECT_EQ(manager.Files()[0].Author, "Unknow");
  EXPECT_EQ(manager.Files()[1].Name, "English");
  EXPECT_EQ(manager.Files()[1].Author, "Ann");
  EXPECT_EQ(manager.Files()[2].Name, "deutsch");
  EXPECT_EQ(manager.LanguageIndex(), -1);  // no settings file
  EXPECT_FALSE(manager.Loaded());
}

TEST(MultiLangManagerTest, LoadsTheChosenLanguageAndWritesItsIndexBack) {
  struct Case {
    const char* langIndex;
    int index;
    const char* translated;  // of AUDIO_PRESET 100
    const char* written;
  } cases[] = {
      {"1", 1, "Near CD", "LangIndex=1"},
      {"0", 0, "default", "LangIndex=0"},
      {"2", -1, "default", "LangIndex=-1"},   // beyond the list
      {"-7", -1, "default", "LangIndex=-1"},
      {"abc", -1, "default", "LangIndex=-1"},
  };
  for (const Case& c : cases) {
    TempProgramFolder folder;
    WriteLanguages(folder);
    folder.Write("DUZORERAVE.ini", String("[Settings]\r\nLangIndex=") + c.langIndex + "\r\nShutdown=1\r\n");
    {
      MultiLangManager manager;
      EXPECT_EQ(manager.LanguageIndex(), c.index) << c.langIndex;
      EXPECT_EQ(manager.Translate("AUDIO_PRESET", "100", "default"), c.translated) << c.langIndex;
    }
    String text = folder.Read("DUZORERAVE.ini");
    EXPECT_NE(text.find(String(c.written) + "\r\n"), String::npos) << text;
    EXPECT_NE(text.find("Shutdown=1\r\n"), String::npos) << text;
  }
}

TEST(MultiLangManagerTest, TranslatesByExactSectionAndKey) {
  TempProgramFolder folder;
  WriteLanguages(folder);
  folder.Write("DUZORERAVE.ini", "[Settings]\r\nLangIndex=0\r\n");
  MultiLangManager manager;
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {"AUDIOSETTING_FORM", "00", "Einstellungen"},
      {"AUDIOSETTING_FORM", "01", ""},           // empty value, not the default
      {"AUDIOSETTING_FORM", "02", "  OK  "},
      {"AUDIOSETTING_FORM", "Key", "upper"},
      {"AUDIOSETTING_FORM", "key", "lower"},
      {"AUDIOSETTING_FORM", "03", "default"},    // a comment
      {"AUDIOSETTING_FORM", "04", "default"},    // in the repeated section
      {"audiosetting_form", "00", "lower-case section"},
      {"Audiosetting_Form", "00", "default"},
      {"GENERAL", "name", "Deutsch"},            // loaded like the other sections
      {"AUDIO_PRESET", "100", "default"},        // not in this language
  };
  for (const Case& c : cases) {
    EXPECT_EQ(manager.Translate(c.section, c.key, "default"), c.expected) << c.section << " " << c.key;
  }
}

TEST(MultiLangManagerTest, LoadingAnotherIndexReplacesTheTexts) {
  TempProgramFolder folder;
  WriteLanguages(folder);
  MultiLangManager manager;
  EXPECT_EQ(manager.Translate("AUDIO_PRESET", "100", "default"), "default");
  manager.LoadLanguage(1);
  EXPECT_TRUE(manager.Loaded());
  EXPECT_EQ(manager.Translate("AUDIO_PRESET", "100", "default"), "Near CD");
  manager.LoadLanguage(0);
  EXPECT_EQ(manager.Translate("AUDIO_PRESET", "100", "default"), "default");
  EXPECT_EQ(manager.Translate("AUDIOSETTING_FORM", "00", "default"), "Einstellungen");
  manager.LoadLanguage(99);  // no such file: no language
  EXPECT_EQ(manager.LanguageIndex(), -1);
}

TEST(MultiLangManagerTest, NoLanguageFolderGivesEveryDefault) {
  TempProgramFolder folder;
  folder.Write("DUZORERAVE.ini", "[Settings]\r\nLangIndex=0\r\n");
  {
    MultiLangManager manager;
    EXPECT_TRUE(manager.Files().empty());
    EXPECT_EQ(manager.LanguageIndex(), -1);
    EXPECT_EQ(manager.Translate("SELECTOUTFORMAT_FORM", "07", "Custom..."), "Custom...");
  }
  EXPECT_NE(folder.Read("DUZORERAVE.ini").find("LangIndex=-1"), String::npos);
}

TEST(LangFileTest, EntriesBeforeAnySectionAndLinesWithoutEqualsAreSkipped) {
  LangFile file;
  file.Parse("\xEF\xBB\xBFstray=1\nno equals here\n[S]\n=empty key\nx=1\r\ny=2\rz=3");
  ASSERT_EQ(file.Sections().size(), 1u);
  EXPECT_EQ(file.Sections()[0].second.size(), 3u);
  EXPECT_EQ(file.Value("S", "z", "-"), "3");
  EXPECT_EQ(file.Value("S", "stray", "-"), "-");
  file.Parse("\xEF\xBB\xBF[GENERAL]\nname=Deutsch\n");
  EXPECT_EQ(file.Value("GENERAL", "name", "Unknow"), "Deutsch");
}

// Lines ending in CR alone are not counted up front, so the key index grows while
// reading; the first section and the first key still win, and names stay exact.
TEST(LangFileTest, FirstOccurrenceWinsAcrossAGrowingIndex) {
  String text = "[S]\r";
  for (int i = 0; i < 200; ++i) text += "k" + std::to_string(i) + "=v" + std::to_string(i) + "\r";
  text += "k5=again\r[S]\rk0=second section\r[s]\rk0=lower\rq='quoted'\r";
  LangFile file;
  file.Parse(text);
  ASSERT_EQ(file.Sections().size(), 2u);
  EXPECT_EQ(file.Sections()[0].second.size(), 200u);
  const struct {
    const char* section;
    const char* key;
    const char* text;
  } cases[] = {
      {"S", "k0", "v0"}, {"S", "k5", "v5"}, {"S", "k199", "v199"}, {"s", "k0", "lower"},
      {"s", "q", "quoted"}, {"S", "K0", "-"}, {"S", "q", "-"}, {"x", "k0", "-"},
  };
  for (const auto& c : cases) EXPECT_EQ(file.Value(c.section, c.key, "-"), c.text) << c.section << " " << c.key;
}
