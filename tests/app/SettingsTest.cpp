#include "app/KelvaneSettings.h"

#include <gtest/gtest.h>

#include "platform/core/FileUtils.h"
#include "platform/core/WinApi.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

SettingsDefaults Pinned() {
  return {"D:\\Docs\\VARNEL Output\\", "English (Test)", "C:\\Prog\\Skins\\VARNEL\\Skin.ini"};
}

// The keys of [Settings] in file order, each followed by a comma.
String KeysInOrder(const String& text) {
  String keys;
  size_t at = text.find("[Settings]\r\n");
  if (at == String::npos) return keys;
  for (size_t begin = at + 12; begin < text.size();) {
    size_t end = text.find("\r\n", begin);
    String line = text.substr(begin, end - begin);
    if (line.empty() || line[0] == '[') break;
    keys += line.substr(0, line.find('=')) + ",";
    if (end == String::npos) break;
    begin = end + 2;
  }
  return keys;
}

}  // namespace

TEST(KelvaneSettingsTest, MissingFileGivesTheDefaults) {
  TempProgramFolder folder;
  KelvaneSettings settings;
  settings.Load(Pinned());
  EXPECT_EQ(settings.DefaultDVDRom, "");
  EXPECT_EQ(settings.DefaultOutputFolder, "D:\\Docs\\VARNEL Output\\");
  EXPECT_EQ(settings.SingleFileSymbols, "<volumelabel>_T<title_index>[angle_index][clips_number]");
  EXPECT_EQ(settings.MultiFilesSymbols, "<volumelabel>_T<title_index>[angle_index]_<clips_number>");
  EXPECT_EQ(settings.ByChapterMultiFilesSymbols, "<volumelabel>_T<title_index>[angle_index]_C<chapter_index>");
  EXPECT_FALSE(settings.Shutdown);
  EXPECT_TRUE(settings.PreviewMovie);
  EXPECT_TRUE(settings.OnlySelectMainMovie);
  EXPECT_TRUE(settings.DontShowNotAvailableTitles);
  EXPECT_EQ(settings.DefaultAudioLang, "English (Test)");
  EXPECT_EQ(settings.DefaultSubtitleLang, "English (Test)");
  EXPECT_TRUE(settings.ClearExistsTasks);
  EXPECT_TRUE(settings.OpenOutputFolder);
  EXPECT_EQ(settings.Skin, "C:\\Prog\\Skins\\VARNEL\\Skin.ini");
}

TEST(KelvaneSettingsTest, PresentKeysWinEmptyTextsStayEmptyFlagsAreAnyNonZero) {
  TempProgramFolder folder;
  folder.Write("DUZORERAVE.ini",
               "[Settings]\r\n"
               "DefaultOutputFolder=\r\n"          // present but empty: stays empty
               "DefaultAudioLang=Deutsch\r\n"
               "Shutdown=5\r\n"                    // any non-zero integer is true
               "PreviewMovie=0\r\n"
               "OpenOutputFolder=yes\r\n"          // no number: the default
               "Skin=E:\\Skins\\Dark\\Skin.ini\r\n");
  KelvaneSettings settings;
  settings.Load(Pinned());
  EXPECT_EQ(settings.DefaultOutputFolder, "");
  EXPECT_EQ(settings.DefaultAudioLang, "Deutsch");
  EXPECT_EQ(settings.DefaultSubtitleLang, "English (Test)");  // missing key
  EXPECT_TRUE(settings.Shutdown);
  EXPECT_FALSE(settings.PreviewMovie);
  EXPECT_TRUE(settings.OpenOutputFolder);
  EXPECT_EQ(settings.Skin, "E:\\Skins\\Dark\\Skin.ini");

  settings.Save();
  String text = folder.Read("DUZORERAVE.ini");
  EXPECT_NE(text.find("Shutdown=1\r\n"), String::npos) << text;
  EXPECT_NE(text.find("DefaultOutputFolder=\r\n"), String::npos) << text;
}

TEST(KelvaneSettingsTest, SaveWritesFourteenKeysInLoadOrderAndLeavesOthersAlone) {
  TempProgramFolder folder;
  KelvaneSettings settings;
  settings.Load(Pinned());
  settings.Save();
  EXPECT_EQ(KeysInOrder(folder.Read("DUZORERAVE.ini")),
            "DefaultDVDRom,DefaultOutputFolder,SingleFileSymbols,MultiFilesSymbols,ByChapterMultiFilesSymbols,"
            "Shutdown,PreviewMovie,OnlySelectMainMovie,DontShowNotAvailableTitles,DefaultAudioLang,"
            "DefaultSubtitleLang,ClearExistsTasks,OpenOutputFolder,Skin,");

  const String others =
      "[Settings]\r\nLangIndex=1\r\nShutdown=0\r\n\r\n[LastSettings]\r\nFormat=MP3\r\nShowPreviewPrompt=0\r\n";
  folder.Write("DUZORERAVE.ini", others);
  settings.Shutdown = true;
  settings.DefaultDVDRom = "E:";
  settings.Save();
  String text = folder.Read("DUZORERAVE.ini");
  EXPECT_NE(text.find("LangIndex=1\r\n"), String::npos) << text;
  EXPECT_NE(text.find("[LastSettings]\r\nFormat=MP3\r\nShowPreviewPrompt=0\r\n"), String::npos) << text;
  EXPECT_NE(text.find("Shutdown=1\r\n"), String::npos) << text;
  EXPECT_NE(text.find("DefaultDVDRom=E:\r\n"), String::npos) << text;
}

TEST(KelvaneSettingsTest, SaveToAnUnwritableFileReportsNothingAndKeepsTheFile) {
  TempProgramFolder folder;
  folder.Write("DUZORERAVE.ini", "[Settings]\r\nShutdown=1\r\n");
  HANDLE lock = ::CreateFileA((folder.Path() + "DUZORERAVE.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  KelvaneSettings settings;
  settings.Shutdown = false;
  EXPECT_NO_THROW(settings.Save());
  ::CloseHandle(lock);
  EXPECT_EQ(folder.Read("DUZORERAVE.ini"), "[Settings]\r\nShutdown=1\r\n");
}

TEST(KelvaneSettingsTest, TheSingletonLoadsOnceAndFreeingSavesIt) {
  TempProgramFolder folder;
  FreeSettings();  // nothing to free: does nothing
  KelvaneSettings* first = GetSettings();
  EXPECT_EQ(GetSettings(), first);
  first->DefaultDVDRom = "F:";
  first->PreviewMovie = false;
  FreeSettings();
  EXPECT_NE(folder.Read("DUZORERAVE.ini").find("DefaultDVDRom=F:"), String::npos);
  KelvaneSettings* second = GetSettings();
  EXPECT_EQ(second->DefaultDVDRom, "F:");
  EXPECT_FALSE(second->PreviewMovie);
  FreeSettings();
}

TEST(KelvaneSettingsTest, SystemDefaultsFollowTheProgramFolderAndTheLocale) {
  TempProgramFolder folder;
  SettingsDefaults defaults = SystemSettingsDefaults();
  EXPECT_EQ(defaults.Skin, folder.Path() + "Skins\\VARNEL\\Skin.ini");
  EXPECT_EQ(SettingsFileName(), folder.Path() + "DUZORERAVE.ini");
  const String suffix = "\\VARNEL Output\\";
  ASSERT_GT(defaults.OutputFolder.size(), suffix.size());
  EXPECT_EQ(defaults.OutputFolder.substr(defaults.OutputFolder.size() - suffix.size()), suffix);
  char name[50] = {};
  ::GetLocaleInfoA(1033, LOCALE_SLANGUAGE, name, sizeof name);
  EXPECT_EQ(defaults.Language, name);
  EXPECT_FALSE(defaults.Language.empty());
}
