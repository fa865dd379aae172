// The skins the build generates: both load and pass the validator; broken copies
// are rejected for the fault they carry; the form definitions name no control
// record that the table of required records lacks.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>

#include "platform/core/FileUtils.h"
#include "platform/io/Streams.h"
#include "skin/data/RequiredSkinRecords.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinTypeWords.h"
#include "tests/skin/data/SkinFixtures.h"
#include "tools/skins/SkinValidation.h"

namespace {

String Joined(const std::vector<String>& lines) {
  String text;
  for (const String& line : lines) text += line + "\n";
  return text;
}

// A copy of the VARNEL folder with one INI text replaced by another.
String BrokenCopy(TempProgramFolder& folder, const String& from, const String& to) {
  String source = ExtractFilePath(VarnelSkinIni());
  CopyFolder(source, folder.Path());
  String text;
  EXPECT_TRUE(ReadFileToString(source + "Skin.ini", text));
  size_t at = text.find(from);
  EXPECT_NE(at, String::npos) << from;
  if (at != String::npos) text.replace(at, from.size(), to);
  return folder.Write("Skin.ini", text);
}

// A field of a record's table chain by key, or nullptr.
const SkinField* FieldOf(const SkinRecordTable& table, const char* key) {
  for (const SkinRecordTable* t = &table; t; t = t->base)
    if (const SkinField* field = t->Find(key)) return field;
  return nullptr;
}

double Luminance(TColor color) {
  auto channel = [](int c) {
    double v = c / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(color & 255) + 0.7152 * channel((color >> 8) & 255) + 0.0722 * channel((color >> 16) & 255);
}

double Contrast(TColor a, TColor b) {
  double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text colour of a record on the middle pixel of its piece, for the normal
// and the active look.
void ExpectReadableText(const String& name, const SkinRecordTable& table, TObject* record, TBitmap* picture) {
  const char* looks[][2] = {{"fontcolor", "skinrect"}, {"activefontcolor", "activeskinrect"}};
  for (auto& [colorKey, rectKey] : looks) {
    const SkinField* color = FieldOf(table, colorKey);
    const SkinField* rect = FieldOf(table, rectKey);
    if (!color || !picture) continue;
    TRect piece = rect ? rect->Of<TRect>(record) : TRect{};
    if (piece.IsEmpty()) piece = FieldOf(table, "skinrect")->Of<TRect>(record);
    if (piece.IsEmpty()) continue;
    TColor back = picture->Canvas()->Pixels((piece.Left + piece.Right) / 2, (piece.Top + piece.Bottom) / 2);
    EXPECT_GE(Contrast(color->Of<Integer>(record), back), 4.5) << name << " " << colorKey;
  }
}

}  // namespace

TEST(GeneratedSkins, BothLoadAndPassTheValidator) {
  for (const String& ini : {VarnelSkinIni(), StressSkinIni()}) {
    TspSkinData skin(nullptr);
    ASSERT_TRUE(skin.LoadFromFile(ini)) << ini;
    EXPECT_EQ(Joined(ValidateSkinFolder(ini)), "") << ini;
    for (const RequiredSkinRecord& record : kRequiredSkinRecords) {
      Integer index = record.list == SkinList::Objects ? skin.GetIndex(record.name) : skin.GetControlIndex(record.name);
      EXPECT_GE(index, 0) << record.name;
    }
  }
  TspSkinData stress(nullptr);
  ASSERT_TRUE(stress.LoadFromFile(StressSkinIni()));
  EXPECT_FALSE(stress.Mask->Empty());
  EXPECT_FALSE(stress.RollUpMask->Empty());
  EXPECT_FALSE(stress.InActivePicture->Empty());
  EXPECT_GE(stress.PopupWindow->maskpictureindex, 0);
  EXPECT_GE(stress.HintWindow->maskpictureindex, 0);
}

TEST(GeneratedSkins, VarnelTextIsReadableAndStressHasEveryObjectWord) {
  TspSkinData skin(nullptr);
  ASSERT_TRUE(skin.LoadFromFile(VarnelSkinIni()));
  for (auto& record : skin.CtrlList)
    ExpectReadableText(record->RecordName, record->Table(), record.get(), skin.ActivePicture(record->pictureindex));
  for (auto& record : skin.ObjectList) {
    TBitmap* picture = record->skinrectinapicture ? skin.ActivePicture(record->activepictureindex) : skin.Picture.get();
    ExpectReadableText(record->IDName, record->Table(), record.get(), picture);
  }

  TspSkinData stress(nullptr);
  ASSERT_TRUE(stress.LoadFromFile(StressSkinIni()));
  std::set<String> words;
  for (auto& record : stress.ObjectList) words.insert(TypeWordOf(SkinObjectWords(), record.get()));
  for (const SkinObjectWord& row : SkinObjectWords()) EXPECT_TRUE(words.count(row.word)) << row.word;
}

TEST(GeneratedSkins, TheValidatorRejectsBrokenCopies) {
  struct Case {
    const char* fault;
    const char* from;
    const char* to;
    const char* report;
  } cases[] = {
      {"bad index", "[POPUPWINDOW]\r\nwindowpictureindex=1", "[POPUPWINDOW]\r\nwindowpictureindex=9",
       "windowpictureindex 9 is outside ActivePictures"},
      {"rectangle outside its picture", "captionrect=32,0,194,30", "captionrect=32,0,900,30", "captionrect"},
      {"missing record", "=closebutton:stdbutton", "=closebuttonx:stdbutton", "the required record closebutton"},
      {"missing colour key", "cbtnface=", "cbtnfaceX=", "the key cbtnface is missing"},
      {"zero hit-test point", "hittestlefttoppoint=4,4", "hittestlefttoppoint=0,4", "a hit-test point is zero"},
      {"no tiled piece", "righttoppoint=190,30", "righttoppoint=40,30", "the top piece has no width"},
  };
  for (const Case& c : cases) {
    TempProgramFolder folder;
    String report = Joined(ValidateSkinFolder(BrokenCopy(folder, c.from, c.to)));
    EXPECT_NE(report.find(c.report), String::npos) << c.fault << ":\n" << report;
  }
  TempProgramFolder folder;
  String report = Joined(ValidateSkinFolder(folder.Path() + "Skin.ini"));
  EXPECT_NE(report.find("required section"), String::npos) << report;
}

TEST(GeneratedSkins, FormsNameOnlyRecordsOfTheTable) {
  std::set<String> known;
  for (const RequiredSkinRecord& record : kRequiredSkinRecords) known.insert(record.name);
  String forms = SourceTreePath("resources/");
  std::regex stored(R"(SkinDataName\s*=\s*'([^']*)')", std::regex::icase);
  TSearchRec rec;
  if (FindFirst(forms + "*.form", faAnyFile, rec) != 0) return;  // no form definitions yet
  do {
    String text;
    ASSERT_TRUE(ReadFileToString(forms + rec.Name, text));
    for (std::sregex_iterator it(text.begin(), text.end(), stored), end; it != end; ++it)
      EXPECT_TRUE(known.count((*it)[1].str())) << rec.Name << " names " << (*it)[1].str();
  } while (FindNext(rec) == 0);
  FindClose(rec);
}
