#include "platform/controls/Dialogs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/harness/SystemCallsGuard.h"

namespace {

// The parts of a zero-separated list that ends with a second zero.
std::vector<String> ZeroSeparated(const char* text) {
  std::vector<String> parts;
  if (!text) return parts;
  while (*text) {
    parts.emplace_back(text);
    text += parts.back().size() + 1;
  }
  return parts;
}

// Writes a dialog's answer (with its zeros) into the request's buffer.
void Answer(OPENFILENAMEA* request, const String& answer) {
  ASSERT_LT(answer.size(), request->nMaxFile);
  std::memcpy(request->lpstrFile, answer.data(), answer.size());
  request->lpstrFile[answer.size()] = '\0';
}

std::vector<String> Lines(const TStrings* strings) {
  std::vector<String> lines;
  for (int i = 0; i < strings->Count(); ++i) lines.push_back(strings->Strings(i));
  return lines;
}

}  // namespace

TEST(Dialogs, OpenDialogHandsItsSettingsToTheSystemAndTakesTheChoice) {
  SystemCallsGuard guard;
  TOpenDialog dialog(nullptr);
  dialog.Filter = "DVD IFO Files|VTS_*.ifo|ALL IFO Files|*.ifo";
  dialog.DefaultExt = "VTS_*.ifo";
  dialog.FilterIndex = 2;
  dialog.InitialDir = "C:\\dvd";
  dialog.Title = "Open IFO";
  dialog.FileName = "VIDEO_TS.IFO";
  OPENFILENAMEA seen{};
  std::vector<String> filter;
  String preset;
  SystemCalls().GetOpenFileName = [&](OPENFILENAMEA* request) {
    seen = *request;
    filter = ZeroSeparated(request->lpstrFilter);
    preset = request->lpstrFile;
    Answer(request, "C:\\dvd\\VIDEO_TS\\VTS_01_0.IFO");
    request->nFilterIndex = 1;
    return TRUE;
  };
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(filter, (std::vector<String>{"DVD IFO Files", "VTS_*.ifo", "ALL IFO Files", "*.ifo"}));
  EXPECT_EQ(seen.nFilterIndex, 2u);
  EXPECT_STREQ(seen.lpstrDefExt, "VTS_*.ifo");
  EXPECT_STREQ(seen.lpstrInitialDir, "C:\\dvd");
  EXPECT_STREQ(seen.lpstrTitle, "Open IFO");
  EXPECT_EQ(preset, "VIDEO_TS.IFO");
  EXPECT_EQ(seen.Flags, DWORD(OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING)) << "the default options";
  EXPECT_EQ(dialog.FileName, "C:\\dvd\\VIDEO_TS\\VTS_01_0.IFO");
  EXPECT_EQ(Lines(dialog.Files()), (std::vector<String>{"C:\\dvd\\VIDEO_TS\\VTS_01_0.IFO"}));
  EXPECT_EQ(dialog.FilterIndex, 1);

  // Cancelled: false, no files, the file name as it was.
  SystemCalls().GetOpenFileName = [](OPENFILENAMEA*) { return FALSE; };
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.Files()->Count(), 0);
  EXPECT_EQ(dialog.FileName, "C:\\dvd\\VIDEO_TS\\VTS_01_0.IFO");
}

TEST(Dialogs, OpenOptionsBecomeTheDialogsFlags) {
  SystemCallsGuard guard;
  struct Case {
    TOpenOptions options;
    DWORD flags;
  };
  const Case cases[] = {
      {0, OFN_EXPLORER},
      {OpenOption(ofAllowMultiSelect) | OpenOption(ofHideReadOnly) | OpenOption(ofEnableSizing),
       OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_ENABLESIZING},
      {OpenOption(ofFileMustExist) | OpenOption(ofPathMustExist), OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST},
      {OpenOption(ofOverwritePrompt) | OpenOption(ofNoChangeDir), OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR},
      {OpenOption(ofOldStyleDialog) | OpenOption(ofReadOnly), OFN_READONLY},
      {OpenOption(ofDontAddToRecent) | OpenOption(ofForceShowHidden),
       OFN_EXPLORER | OFN_DONTADDTORECENT | OFN_FORCESHOWHIDDEN},
  };
  for (const Case& c : cases) {
    TOpenDialog dialog(nullptr);
    dialog.Options = c.options;
    DWORD flags = 0;
    SystemCalls().GetOpenFileName = [&](OPENFILENAMEA* request) {
      flags = request->Flags;
      return FALSE;
    };
    dialog.Execute();
    EXPECT_EQ(flags, c.flags) << "options " << c.options;
  }
}

TEST(Dialogs, MultipleChoiceGivesFullPathsInTheDialogsOrder) {
  SystemCallsGuard guard;
  TOpenDialog dialog(nullptr);
  dialog.Filter = "VOB, VRO Files(*.vob, *.vro)|*.vob;*.vro";
  dialog.Options |= OpenOption(ofAllowMultiSelect);
  struct Case {
    std::vector<String> answer;  // the dialog writes them with a zero after each and one more at the end
    std::vector<String> files;
  };
  const Case cases[] = {
      {{"C:\\dvd\\VIDEO_TS", "VTS_01_3.VOB", "VTS_01_1.VOB", "VTS_01_2.VOB"},
       {"C:\\dvd\\VIDEO_TS\\VTS_01_3.VOB", "C:\\dvd\\VIDEO_TS\\VTS_01_1.VOB", "C:\\dvd\\VIDEO_TS\\VTS_01_2.VOB"}},
      {{"D:\\", "a.vro", "b.vob"}, {"D:\\a.vro", "D:\\b.vob"}},  // a drive root keeps one backslash
      {{"C:\\dvd\\one file.vob"}, {"C:\\dvd\\one file.vob"}},  // one file: its full path alone
  };
  for (const Case& c : cases) {
    String answer;
    for (const String& part : c.answer) answer += part + '\0';
    DWORD bufferSize = 0;
    SystemCalls().GetOpenFileName = [&](OPENFILENAMEA* request) {
      bufferSize = request->nMaxFile;
      Answer(request, answer);
      return TRUE;
    };
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(Lines(dialog.Files()), c.files);
    EXPECT_EQ(dialog.FileName, c.files.front());
    EXPECT_GT(bufferSize, 20u * MAX_PATH) << "room for many files";
  }
}

TEST(Dialogs, SaveDialogShowsThroughTheSaveHook) {
  SystemCallsGuard guard;
  TSaveDialog dialog(nullptr);
  dialog.Filter = "Profiles|*.pf";
  dialog.DefaultExt = "pf";
  dialog.Options |= OpenOption(ofOverwritePrompt);
  SystemCalls().GetSaveFileName = [](OPENFILENAMEA* request) {
    EXPECT_TRUE(request->Flags & OFN_OVERWRITEPROMPT);
    Answer(request, "C:\\Profiles\\mine.pf");
    return TRUE;
  };
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "C:\\Profiles\\mine.pf");
}

TEST(Dialogs, ColorDialogPassesColorsAndCustomColorsBothWays) {
  SystemCallsGuard guard;
  TColorDialog dialog(nullptr);
  dialog.Color = 0x0080FF;
  dialog.Options = ColorDialogOption(cdFullOpen) | ColorDialogOption(cdAnyColor);
  dialog.CustomColors()->Add("ColorA=0000FF");
  dialog.CustomColors()->Add("colorc=ff8000");
  dialog.CustomColors()->Add("Other=123456");  // not a colour entry: left out
  CHOOSECOLORA seen{};
  std::vector<COLORREF> customSeen;
  SystemCalls().ChooseColor = [&](CHOOSECOLORA* request) {
    seen = *request;
    customSeen.assign(request->lpCustColors, request->lpCustColors + 16);
    request->rgbResult = 0x123456;
    request->lpCustColors[15] = 0x00AB00;
    return TRUE;
  };
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(seen.rgbResult, 0x0080FFu);
  EXPECT_EQ(seen.Flags, DWORD(CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR));
  EXPECT_EQ(customSeen[0], 0x0000FFu);
  EXPECT_EQ(customSeen[1], 0xFFFFFFu) << "a missing entry is white";
  EXPECT_EQ(customSeen[2], 0xFF8000u);
  EXPECT_EQ(dialog.Color, 0x123456);
  ASSERT_EQ(dialog.CustomColors()->Count(), 16);
  EXPECT_EQ(dialog.CustomColors()->Strings(0), "ColorA=0000FF");
  EXPECT_EQ(dialog.CustomColors()->Strings(2), "ColorC=FF8000");
  EXPECT_EQ(dialog.CustomColors()->Strings(15), "ColorP=00AB00");

  // A value that is no number is refused before the dialog shows; nothing changes.
  SystemCalls().ChooseColor = [](CHOOSECOLORA*) {
    ADD_FAILURE() << "shown despite a bad colour";
    return FALSE;
  };
  dialog.CustomColors()->Add("ColorB=zz");
  EXPECT_THROW(dialog.Execute(), EConvertError);
  EXPECT_EQ(dialog.Color, 0x123456);
  EXPECT_EQ(dialog.CustomColors()->Count(), 17);
}

TEST(Dialogs, SelectDirectoryAnswersTheChosenFolderOrEmpty) {
  SystemCallsGuard guard;
  struct Case {
    const char* chosen;  // nullptr: cancelled
    String folder;
  };
  const Case cases[] = {{"C:\\windows", "C:\\windows"}, {"C:\\", "C:\\"}, {nullptr, ""}};
  for (const Case& c : cases) {
    String caption;
    bool presetFolder = true;
    SystemCalls().BrowseForFolder = [&](BROWSEINFOA* request) -> LPITEMIDLIST {
      caption = request->lpszTitle;
      presetFolder = request->pidlRoot != nullptr;
      return c.chosen ? ::ILCreateFromPathA(c.chosen) : nullptr;
    };
    EXPECT_EQ(SelectDirectory("Please select a DVD Root:"), c.folder);
    EXPECT_EQ(caption, "Please select a DVD Root:");
    EXPECT_FALSE(presetFolder);
  }
}
