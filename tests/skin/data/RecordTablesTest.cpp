// The descriptor tables of the skin records: every class of both type-word
// tables, the popup and hint windows, [SKINCOLORS] and [FORMINFO] survive a
// write -> read of random values; a missing section gives the absent values;
// the writer keeps its order and spellings; and the odd rules of single classes.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>

#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinTypeWords.h"
#include "tests/skin/data/RecordFuzz.h"

namespace {

template <class Record>
void ExpectRoundTrips(const std::vector<SkinTypeWord<Record>>& words) {
  std::mt19937 random(1234);
  for (const auto& row : words) {
    for (int round = 0; round < 20; ++round) {
      std::unique_ptr<Record> written(row.create("rec"));
      FillRandom(written->Table(), written.get(), random);
      Normalise(written->Table(), written.get());
      TSkinTextIniFile ini;
      written->SaveToFile(ini);
      std::unique_ptr<Record> read(row.create("rec"));
      read->LoadFromFile(ini);
      ASSERT_EQ(DifferentKeys(written->Table(), written.get(), read.get()), "") << row.word;
    }
  }
}

// The keys of a table chain in writing order (bases first).
std::vector<String> WrittenKeys(const SkinRecordTable& table) {
  std::vector<String> keys = table.base ? WrittenKeys(*table.base) : std::vector<String>();
  if (table.writeOrder.empty())
    for (const SkinField& field : table.fields) keys.push_back(field.writeKey);
  else
    for (const char* key : table.writeOrder) keys.push_back(table.Find(key)->writeKey);
  return keys;
}

String LowerCaseKey(const char* key) {
  String text = key;
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

template <class Record>
void ExpectTablesAreSound(const std::vector<SkinTypeWord<Record>>& words) {
  for (const auto& row : words) {
    std::unique_ptr<Record> record(row.create("rec"));
    for (const SkinRecordTable* table = &record->Table(); table; table = table->base) {
      std::set<String> keys;
      for (const SkinField& field : table->fields) {
        EXPECT_TRUE(keys.insert(LowerCaseKey(field.key)).second) << row.word << " repeats " << field.key;
        EXPECT_EQ(field.pictureIndex, String(field.key).ends_with("pictureindex")) << field.key;
      }
      if (table->writeOrder.empty()) continue;
      EXPECT_EQ(table->writeOrder.size(), table->fields.size()) << row.word;
      for (const char* key : table->writeOrder) EXPECT_NE(table->Find(key), nullptr) << row.word << " " << key;
    }
  }
}

}  // namespace

TEST(RecordTables, EveryRecordClassSurvivesWriteAndRead) {
  ExpectRoundTrips(SkinObjectWords());
  ExpectRoundTrips(SkinControlWords());

  std::mt19937 random(99);
  for (int round = 0; round < 20; ++round) {
    TspDataSkinPopupWindow popup, popupRead;
    TspDataSkinHintWindow hint, hintRead;
    TspSkinColors colors, colorsRead;
    FillRandom(TspDataSkinPopupWindow::RecordTable(), &popup, random);
    FillRandom(TspDataSkinHintWindow::RecordTable(), &hint, random);
    FillRandom(TspSkinColors::RecordTable(), &colors, random);
    TSkinTextIniFile ini;
    popup.SaveToFile(ini);
    hint.SaveToFile(ini);
    colors.SaveToFile(ini);
    popupRead.LoadFromFile(ini);
    hintRead.LoadFromFile(ini);
    colorsRead.LoadFromFile(ini);
    EXPECT_EQ(DifferentKeys(TspDataSkinPopupWindow::RecordTable(), &popup, &popupRead), "");
    EXPECT_EQ(DifferentKeys(TspDataSkinHintWindow::RecordTable(), &hint, &hintRead), "");
    EXPECT_EQ(DifferentKeys(TspSkinColors::RecordTable(), &colors, &colorsRead), "");

    TspSkinData skin(nullptr), skinRead(nullptr);
    FillRandom(TspSkinData::FormInfoTable(), &skin, random);
    Normalise(TspSkinData::FormInfoTable(), &skin);
    skin.WriteFormInfo(ini);
    skinRead.ReadFormInfo(ini);
    EXPECT_EQ(DifferentKeys(TspSkinData::FormInfoTable(), &skin, &skinRead), "");
  }
}

TEST(RecordTables, KeysAreUniqueAndPictureIndexesMarked) {
  ExpectTablesAreSound(SkinObjectWords());
  ExpectTablesAreSound(SkinControlWords());
}

TEST(RecordTables, AMissingSectionGivesTheAbsentValues) {
  TSkinTextIniFile empty;
  TspDataSkinButtonControl button("button");
  button.LoadFromFile(empty);
  EXPECT_EQ(button.fontname, "Arial");
  EXPECT_EQ(button.fontheight, 14);
  EXPECT_EQ(button.fontcolor, 0);
  EXPECT_EQ(button.animateinterval, 25);
  EXPECT_EQ(button.morphkind, mkDefault);
  EXPECT_EQ(button.pictureindex, -1);
  EXPECT_TRUE(button.skinrect.IsEmpty());

  TspDataSkinListBox list("listbox");
  list.LoadFromFile(empty);
  EXPECT_EQ(list.hscrollbarname, "hscrollbar");
  EXPECT_EQ(list.vscrollbarname, "vscrollbar");
  EXPECT_EQ(list.bothhscrollbarname, "bothhscrollbar");
  TspDataSkinStdLabelControl label("stdlabel");
  label.LoadFromFile(empty);
  EXPECT_EQ(label.activefontcolor, 16711680);
  TspDataSkinControlBar bar("bar");
  bar.LoadFromFile(empty);
  EXPECT_EQ(bar.itemoffset1, 3);
  EXPECT_EQ(bar.itemoffset2, 3);
  TspDataSkinPanelControl panel("panel");
  panel.LoadFromFile(empty);
  EXPECT_EQ(panel.alignment, taCenter);

  TspDataSkinAnimate animate("a");
  animate.LoadFromFile(empty);
  EXPECT_EQ(animate.countframes, 1);
  EXPECT_EQ(animate.TimerInterval, 50);
  EXPECT_EQ(animate.Command, cmDefault);

  TspDataSkinHintWindow hint;
  EXPECT_EQ(hint.FontHeight, 12);
  hint.LoadFromFile(empty);
  EXPECT_EQ(hint.FontHeight, 14);
  EXPECT_EQ(hint.FontName, "Arial");
}

TEST(RecordTables, ClassRules) {
  TSkinTextIniFile ini(
      "[u]\r\nhint=Close\r\nrollup=1\r\nskinrect=1,2,3,4\r\ncursorindex=2\r\nmorphing=1\r\n"
      "[t]\r\nmorphing=1\r\n"
      "[m]\r\ncheckimagerect=0,0,16,16\r\nradioimagerect=1,1,9,9\r\nactiveradioimagerect=2,2,3,0\r\n"
      "[ud]\r\nlefttoppoint=3,4\r\nclientrect=1,1,5,5\r\nupbuttonrect=0,0,8,8\r\n"
      "[f]\r\nframescount=-5\r\nframesplacement=FPHORIZONTAL\r\nkind=RKROUND\r\n"
      "[b]\r\nsymbolslinecount=2\r\nsymbolsline0=0\r\nsymbolsline1=1\r\nmorphing=1\r\n"
      "[g]\r\nkind=gkvertical\r\n[s]\r\ncommand=cmminimizetotray\r\n");

  TspDataUserObject user("u");
  user.LoadFromFile(ini);
  EXPECT_EQ(user.Hint, "");  // a user object reads three keys only
  EXPECT_TRUE(user.RollUp);
  EXPECT_EQ(user.skinrect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(user.cursorindex, 2);
  EXPECT_FALSE(user.Morphing);
  TSkinTextIniFile written;
  user.SaveToFile(written);
  TStringList keys;
  written.ReadSection("u", &keys);
  EXPECT_EQ(keys.CommaText(), "rollup,skinrect,cursorindex");

  for (const char* word : {"trackbar", "animate", "bitlabel"}) {
    std::unique_ptr<TspDataSkinObject> record(FindTypeWord(SkinObjectWords(), word)->create(word[0] == 'b' ? "b" : "t"));
    record->LoadFromFile(ini);
    EXPECT_FALSE(record->Morphing) << word;
  }

  TspDataSkinMenuItem item("m");
  item.LoadFromFile(ini);
  EXPECT_EQ(item.ActiveCheckImageRect, (TRect{0, 0, 16, 16}));
  EXPECT_EQ(item.ActiveRadioImageRect, (TRect{1, 1, 9, 9}));  // read empty: the twin
  item.SaveToFile(written);
  EXPECT_EQ(written.ReadString("m", "activecheckimagerect", ""), "0,0,16,16");

  TspDataSkinUpDownControl updown("ud");
  updown.LoadFromFile(ini);
  EXPECT_EQ(updown.lefttoppoint, TPoint{});
  EXPECT_EQ(updown.clientrect, TRect{});
  EXPECT_EQ(updown.upbuttonrect, (TRect{0, 0, 8, 8}));
  updown.lefttoppoint = TPoint{5, 5};
  updown.SaveToFile(written);
  EXPECT_EQ(written.ReadString("ud", "lefttoppoint", ""), "0,0");
  EXPECT_EQ(written.ReadString("ud", "clientrect", ""), "0,0,0,0");

  TspDataSkinFrameRegulator regulator("f");
  regulator.LoadFromFile(ini);
  EXPECT_EQ(regulator.framescount, 1);
  EXPECT_EQ(regulator.framesplacement, fpVertical);
  EXPECT_EQ(regulator.kind, rkVertical);

  TspDataSkinBitLabelControl bits("b");
  bits.LoadFromFile(ini);
  EXPECT_EQ(bits.symbols.Text(), "0\r\n1\r\n");
  TspDataSkinGauge gauge("g");
  gauge.LoadFromFile(ini);
  EXPECT_EQ(gauge.Kind, gkVertical);
  TspDataSkinStdButton button("s");
  button.LoadFromFile(ini);
  EXPECT_EQ(button.Command, cmMinimizeToTray);
}

TEST(RecordTables, WriterSpellingsAndErasure) {
  TSkinTextIniFile ini("[l]\r\nfontName=Tahoma\r\nstray=1\r\n");
  TspDataSkinLabel label("l");
  label.LoadFromFile(ini);
  EXPECT_EQ(label.FontName, "Tahoma");
  label.SaveToFile(ini);
  TStringList keys;
  ini.ReadSection("l", &keys);
  EXPECT_GE(keys.IndexOf("fontname"), 0);
  EXPECT_LT(keys.IndexOf("stray"), 0) << "saving a record removes the keys it does not write";
  EXPECT_EQ(keys.Strings(keys.IndexOf("fontname")), "fontname");

  TspDataSkinMainMenuItem item("i");
  TspDataSkinButton button("b");
  item.SaveToFile(ini);
  button.SaveToFile(ini);
  ini.ReadSection("i", &keys);
  EXPECT_GE(keys.IndexOf("unenabledfontColor"), 0);
  EXPECT_EQ(keys.Strings(keys.IndexOf("unenabledfontColor")), "unenabledfontColor");
  ini.ReadSection("b", &keys);
  EXPECT_GE(keys.IndexOf("disableskinrsect"), 0);

  TspDataSkinCaption caption("c");
  caption.SaveToFile(ini);
  ini.ReadSection("c", &keys);
  std::vector<String> expected = WrittenKeys(caption.Table());
  ASSERT_EQ(keys.Count(), static_cast<int>(expected.size()));
  for (int i = 0; i < keys.Count(); ++i) EXPECT_EQ(keys[i], expected[i]);
  EXPECT_LT(keys.IndexOf("light"), keys.IndexOf("shadow"));
}

TEST(RecordTables, TypeWordsListDescendantsFirst) {
  auto check = [](const auto& words) {
    std::set<String> seen;
    for (size_t i = 0; i < words.size(); ++i) {
      EXPECT_TRUE(seen.insert(words[i].word).second) << words[i].word;
      auto record = std::unique_ptr<std::remove_pointer_t<decltype(words[i].create(""))>>(words[i].create("x"));
      EXPECT_EQ(TypeWordOf(words, record.get()), words[i].word) << "the writer's word of a " << record->ClassName();
      for (size_t j = 0; j < i; ++j)
        EXPECT_FALSE(words[j].is(record.get())) << words[i].word << " comes after its descendant " << words[j].word;
    }
  };
  check(SkinObjectWords());
  check(SkinControlWords());
  EXPECT_EQ(SkinObjectWords().size(), 16u);
  EXPECT_EQ(SkinControlWords().size(), 33u);
  EXPECT_EQ(FindTypeWord(SkinObjectWords(), "cmbutton"), nullptr);
  EXPECT_EQ(FindTypeWord(SkinControlWords(), "Button"), nullptr);
}
