// The title tree driven by posted clicks and keys and by its popup menu, on titles
// a fake engine describes; its rows' colours read back from the screen.
#include <gtest/gtest.h>

#include <cstring>

#include "app/main/TitleTree.h"
#include "platform/comctrls/ListItems.h"
#include "platform/controls/Menus.h"
#include "platform/core/Lists.h"
#include "platform/graphics/Colors.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/menus/SkinPopupMenu.h"
#include "tests/app/main/FakeDiscEngine.h"
#include "tests/app/main/TitleWindowFixture.h"

namespace {

constexpr int AC3 = 0;

TitleInfo WithChapters(TitleInfo title, int chapters, double each) {
  title.ChapterCount = chapters;
  for (int c = 0; c < chapters && c < kMaxChapters; ++c) title.ChapterDurations[c] = each;
  return title;
}

// Rows: 0 the source, 1 the main movie (current), 2 a second title, 3 a short one.
class TitleTree : public TitleWindow {
public:
  void SetUp() override {
    TitleWindow::SetUp();
    GetSettings()->DontShowNotAvailableTitles = false;
    engine.Titles = {WithChapters(FakeTitle(3600, {{AC3, "English"}}), 4, 900),
                     WithChapters(FakeTitle(60, {{AC3, "English"}}), 2, 30), FakeTitle(3, {{AC3, "English"}})};
    MakeWindow(&engine);
    form->tbPreview->SetMaxValue(10000000);
    Load();
    ShowWindow();
  }

  void Load() {
    form->LoadTitles("C:\\dvd\\", skDVDFolder);
    form->RebuildTitleTree();
  }

  // A point of a row, from its left edge and from the top of its images.
  TPoint At(int row, int dx, int dy) const {
    const TRect r = Row(row)->DisplayRect(drBounds);
    return Point(r.Left + dx, r.Top + (r.Height() - 16) / 2 + dy);
  }
  void ClickRow(int row, int dx, int dy) {
    const TPoint p = At(row, dx, dy);
    ClickTree(p.X, p.Y);
  }
  int Find(const String& caption) const {
    for (int i = 0; i < form->lvTitles->Items()->Count(); ++i)
      if (Row(i)->Caption() == caption) return i;
    return -1;
  }

  FakeDiscEngine engine;
};

TEST_F(TitleTree, RowsOfASourceAndItsTitles) {
  EXPECT_EQ(Rows(), (std::vector<String>{"DVD(C:\\dvd\\) | 2", "Title 01(Main Movie) | 01:00:00  | Ready | 0 | x",
                                         "Title 02 | 00:01:00  | Ready | 0 | -",
                                         "Title 03 - Not Available | 00:00:03  | Ready | 5"}));
  EXPECT_EQ(form->CurrentTask, form->Task(0));
  EXPECT_FALSE(form->FileListBackgroundPanel->Visible());
}

TEST_F(TitleTree, ClicksHitTheGlyphAndTheCheckBoxUpToTheirEdges) {
  enum Effect { None, Expands, Toggles };
  struct Case {
    const char* name;
    int dx, dy;
    Effect effect;
  } cases[] = {
      {"glyph, top left", 2, 2, Expands},         {"glyph, bottom right", 14, 14, Expands},
      {"left of the glyph", 1, 2, None},          {"right of the glyph", 15, 2, None},
      {"above the glyph", 2, 1, None},            {"below the glyph", 14, 15, None},
      {"box, top left", 20, 3, Toggles},          {"box, bottom right", 32, 14, Toggles},
      {"left of the box", 19, 3, None},           {"right of the box", 33, 3, None},
      {"above the box", 20, 2, None},             {"below the box", 32, 15, None},
  };
  DVDConvertTask* second = form->Task(1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    second->Split = smClips;
    second->Checked = false;
    form->RebuildTitleTree();
    ClickRow(2, c.dx, c.dy);
    EXPECT_EQ(second->Split, c.effect == Expands ? smByChapter : smClips);
    EXPECT_EQ(second->Checked, c.effect != None);
    if (c.effect == None) {
      EXPECT_EQ(form->CurrentTask, second) << "a click beside the glyphs makes the title current";
      EXPECT_EQ(form->lvTitles->Selected(), Row(2));
    }
    form->CurrentTask = form->Task(0);
  }
}

TEST_F(TitleTree, ExpandingChecksTheTitleAndCollapsingKeepsTheChapterFlags) {
  DVDConvertTask* main = form->Task(0);
  main->Checked = false;
  form->RebuildTitleTree();
  ClickRow(1, 8, 8);
  EXPECT_TRUE(main->Checked);
  EXPECT_EQ(Rows(), (std::vector<String>{"DVD(C:\\dvd\\) | 2", "Title 01(Main Movie) | 01:00:00  | Ready | 0 | x",
                                         "Chapter 1 | 00:15:00  | Ready | 1 | x", "Chapter 2 | 00:15:00  | Ready | 1 | x",
                                         "Chapter 3 | 00:15:00  | Ready | 1 | x", "Chapter 4 | 00:15:00  | Ready | 1 | x",
                                         "Title 02 | 00:01:00  | Ready | 0 | -",
                                         "Title 03 - Not Available | 00:00:03  | Ready | 5"}));
  EXPECT_EQ(RowRecord(1)->Kind, rkChapterTitle);

  ClickRow(3, 26, 8);  // chapter 2's box
  EXPECT_EQ(main->ChapterFlags[1], 0);
  ClickRow(1, 26, 8);  // where a title has its box: a split title takes no check there
  EXPECT_TRUE(main->Checked);

  ClickRow(1, 8, 8);  // collapse
  EXPECT_EQ(main->Split, smClips);
  EXPECT_EQ(form->lvTitles->Items()->Count(), 4);
  EXPECT_EQ(main->ChapterFlags[1], 0);

  ClickRow(1, 8, 8);  // and expand again
  EXPECT_EQ(Rows()[3], "Chapter 2 | 00:15:00  | Ready | 1 | -");
  EXPECT_EQ(Rows()[4], "Chapter 3 | 00:15:00  | Ready | 1 | x");
}

TEST_F(TitleTree, AnUnavailableTitleOnlyBecomesSelectedAndCurrent) {
  DVDConvertTask* shortTitle = form->Task(2);
  ClickRow(3, 8, 8);
  ClickRow(3, 26, 8);
  EXPECT_EQ(shortTitle->Split, smClips);
  EXPECT_FALSE(shortTitle->Checked);
  EXPECT_EQ(form->CurrentTask, shortTitle);
  EXPECT_EQ(Rows()[3], "Title 03 - Not Available | 00:00:03  | Ready | 5") << "drawn without glyph and box";
}

// The chapter seeks among the engine calls (the preview's opening calls aside).
std::vector<String> SeeksOf(const std::vector<String>& log) {
  std::vector<String> seeks;
  for (const String& call : log)
    if (call.rfind("SeekChapter", 0) == 0) seeks.push_back(call);
  return seeks;
}

TEST_F(TitleTree, ClickingAChapterSeeksItAndMakesItsTitleCurrent) {
  form->Task(1)->Split = smByChapter;
  form->RebuildTitleTree();
  engine.Log.clear();
  ClickRow(Find("Chapter 2"), 60, 8);
  EXPECT_EQ(form->CurrentTask, form->Task(1));
  EXPECT_EQ(SeeksOf(engine.Log), std::vector<String>{"SeekChapter 1"}) << "after the title is opened for the preview";
  EXPECT_EQ(form->tbPreview->Value(), int(engine.Position * 1000)) << "the slider follows the engine";
  EXPECT_EQ(form->lvTitles->SelCount(), 1);
  EXPECT_EQ(form->lvTitles->Selected(), Row(Find("Chapter 2")));
}

TEST_F(TitleTree, SpaceTogglesOnlyTheTitlesAndChaptersOfAvailableTasks) {
  DVDConvertTask* main = form->Task(0);
  DVDConvertTask* second = form->Task(1);
  DVDConvertTask* shortTitle = form->Task(2);
  main->Split = smByChapter;
  form->RebuildTitleTree();
  // The source, the split main movie, its chapter 1, the second title, the short one.
  SelectRows({0, 1, 2, Find("Title 02"), Find("Title 03 - Not Available")});
  PressKey(VK_SPACE);
  EXPECT_TRUE(main->Checked) << "a split title is not toggled";
  EXPECT_EQ(main->ChapterFlags[0], 0);
  EXPECT_EQ(main->ChapterFlags[1], 1);
  EXPECT_TRUE(second->Checked);
  EXPECT_FALSE(shortTitle->Checked);
  PressKey(VK_SPACE);
  EXPECT_EQ(main->ChapterFlags[0], 1);
  EXPECT_FALSE(second->Checked);
}

TEST_F(TitleTree, EnterActsAsAClickOnTheOneSelectedRow) {
  form->Task(1)->Split = smByChapter;
  form->RebuildTitleTree();
  engine.Log.clear();
  SelectRows({Find("Chapter 1"), Find("Title 03 - Not Available")});
  PressKey(VK_RETURN);
  EXPECT_EQ(form->CurrentTask, form->Task(0)) << "two rows: nothing is chosen";
  EXPECT_TRUE(engine.Log.empty());

  SelectRows({Find("Chapter 2")});
  PressKey(VK_RETURN);
  EXPECT_EQ(form->CurrentTask, form->Task(1));
  EXPECT_EQ(SeeksOf(engine.Log), std::vector<String>{"SeekChapter 1"});
  EXPECT_EQ(form->lvTitles->Selected(), Row(Find("Chapter 2")));
}

TEST_F(TitleTree, TwoSelectedRowsLeaveTheCurrentTask) {
  SelectRows({2, 3});
  form->SelectCurrentTask();
  EXPECT_EQ(form->CurrentTask, form->Task(0));
}

TEST_F(TitleTree, ThePopupMenuEnablesItsItemsByTheSelection) {
  form->Task(0)->Split = smByChapter;
  form->RebuildTitleTree();
  // Remove, Clear, Check, Uncheck, Check All, Uncheck All, the two Subitem checks,
  // Select All, Select All Subitem.
  struct Case {
    const char* name;
    std::vector<int> rows;
    bool clearFirst;
    std::vector<bool> enabled;
  } cases[] = {
      {"nothing selected", {}, false, {0, 1, 0, 0, 1, 1, 0, 0, 1, 0}},
      {"source", {0}, false, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"split title", {1}, false, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"chapter", {2}, false, {1, 1, 1, 1, 1, 1, 0, 0, 1, 0}},
      {"title", {6}, false, {1, 1, 1, 1, 1, 1, 0, 0, 1, 0}},
      {"empty tree", {}, true, {0, 0, 0, 0, 0, 0, 0, 0, 1, 0}},
  };
  TMenuItem* items[] = {form->mnuRemove,           form->mnuClear,        form->mnuCheck,
                        form->mnuUncheck,          form->mnuCheckAll,     form->mnuUncheckAll,
                        form->mnuCheckAllChapters, form->mnuUncheckAllChapters, form->mnuSelectAll,
                        form->mnuSelectAllChildren};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.clearFirst) form->mnuClear->Click();
    SelectRows(c.rows);
    form->TitlesPopupMenu->OnPopup(form->TitlesPopupMenu);
    std::vector<bool> enabled;
    for (TMenuItem* item : items) enabled.push_back(item->Enabled());
    EXPECT_EQ(enabled, c.enabled);
  }
}

TEST_F(TitleTree, CheckCommandsReachTitlesAndChapters) {
  DVDConvertTask* main = form->Task(0);
  DVDConvertTask* second = form->Task(1);
  main->Split = smByChapter;
  form->RebuildTitleTree();

  SelectRows({2, Find("Title 02")});
  form->mnuUncheck->Click();
  EXPECT_EQ(main->ChapterFlags[0], 0);
  EXPECT_FALSE(second->Checked);
  form->mnuCheck->Click();
  EXPECT_EQ(main->ChapterFlags[0], 1);
  EXPECT_TRUE(second->Checked);

  form->mnuUncheckAll->Click();
  EXPECT_EQ(Rows()[2], "Chapter 1 | 00:15:00  | Ready | 1 | -");
  EXPECT_EQ(Rows()[5], "Chapter 4 | 00:15:00  | Ready | 1 | -");
  EXPECT_FALSE(second->Checked);
  EXPECT_TRUE(main->Checked) << "a split title is checked through its chapters";

  SelectRows({0});
  form->mnuCheckAllChapters->Click();
  EXPECT_TRUE(second->Checked);
  EXPECT_TRUE(form->Task(2)->Checked) << "the source's subitems are checked whether available or not";
  for (std::uint8_t flag : main->ChapterFlags) EXPECT_EQ(flag, 1);

  SelectRows({1});
  form->mnuUncheckAllChapters->Click();
  for (std::uint8_t flag : main->ChapterFlags) EXPECT_EQ(flag, 0);

  SelectRows({0});
  form->mnuSelectAllChildren->Click();
  std::vector<bool> selected;
  for (int i = 0; i < form->lvTitles->Items()->Count(); ++i) selected.push_back(Row(i)->Selected());
  EXPECT_EQ(selected, (std::vector<bool>{true, false, true, true, true, true, true, true}))
      << "the chapters of a split title, not the split title itself";
  form->mnuSelectAll->Click();
  EXPECT_EQ(form->lvTitles->SelCount(), 8);
}

TEST_F(TitleTree, RemovingASourceRemovesItsTitlesOnce) {
  auto* other = new DVDConvertTask();
  other->SourceListingNumber = 7;
  other->Source = skIFOFile;
  other->SourcePath = "D:\\VTS_01_0.IFO";
  other->VolumeLabel = "DVD";
  other->Name = "Title 01";
  other->Title.Duration = 90;
  form->TaskList->Add(other);
  form->RebuildTitleTree();
  ASSERT_EQ(Rows()[4], "DVD(D:\\VTS_01_0.IFO) | 3");

  SelectRows({0, 1, 2});  // the source and two of its titles: each task goes once
  form->mnuRemove->Click();
  ASSERT_EQ(form->TaskCount(), 1);
  EXPECT_EQ(form->Task(0), other);
  EXPECT_EQ(Rows(), (std::vector<String>{"DVD(D:\\VTS_01_0.IFO) | 3", "Title 01 | 00:01:30  | Ready | 0 | -"}));
  EXPECT_EQ(form->CurrentTask, nullptr);

  other->Split = smByChapter;
  other->Title = WithChapters(other->Title, 2, 45);
  form->RebuildTitleTree();
  SelectRows({2});
  form->mnuRemove->Click();
  EXPECT_EQ(form->TaskCount(), 1) << "a chapter row removes nothing";

  form->mnuClear->Click();
  EXPECT_EQ(form->TaskCount(), 0);
  EXPECT_TRUE(Rows().empty());
  EXPECT_TRUE(form->FileListBackgroundPanel->Visible());
}

TEST_F(TitleTree, ATitleOfManyChaptersListsAHundred) {
  engine.Titles = {WithChapters(FakeTitle(3600, {{AC3, "English"}}), 150, 24)};
  Load();
  ClickRow(1, 8, 8);
  ASSERT_EQ(form->lvTitles->Items()->Count(), 2 + kChapterFlagCount);
  EXPECT_EQ(Rows().back(), "Chapter 100 | 00:00:24  | Ready | 1 | x");
  SelectRows({1 + kChapterFlagCount});
  PressKey(VK_SPACE);
  EXPECT_EQ(form->Task(0)->ChapterFlags[kChapterFlagCount - 1], 0);
}

TEST_F(TitleTree, TheCurrentTitleIsScrolledIntoView) {
  engine.Titles.assign(40, FakeTitle(60, {{AC3, "English"}}));
  Load();
  EXPECT_EQ(form->lvTitles->TopItem(), Row(0)) << "the first title is current";
  form->CurrentTask = form->Task(39);
  form->RebuildTitleTree();
  const TRect last = Row(40)->DisplayRect(drBounds);
  EXPECT_NE(form->lvTitles->TopItem(), Row(0));
  EXPECT_GE(last.Top, 0);
  EXPECT_LE(last.Bottom, form->lvTitles->ClientHeight());
}

TEST_F(TitleTree, ASecondSourceReplacesTheTasksAndCountsOn) {
  DVDConvertTask* first = form->Task(0);
  EXPECT_EQ(first->SourceListingNumber, 0);
  Load();
  ASSERT_EQ(form->TaskCount(), 3);
  for (int i = 0; i < form->TaskCount(); ++i) EXPECT_EQ(form->Task(i)->SourceListingNumber, 1);
  EXPECT_EQ(Rows().size(), 4u);
}

// The opened task is the one whose source the engine holds; a task destroyed while
// it is the opened one must not leave its address behind for a new task to match.
TEST_F(TitleTree, TheOpenedTaskGoesWithItsTask) {
  struct Case {
    const char* name;
    void (*destroy)(TitleTree& test);
    bool cleared;
  } cases[] = {
      {"a new source", [](TitleTree& t) { t.Load(); }, true},
      {"removed", [](TitleTree& t) { t.SelectRows({1}); t.form->mnuRemove->Click(); }, true},
      {"cleared", [](TitleTree& t) { t.form->mnuClear->Click(); }, true},
      {"another task removed", [](TitleTree& t) { t.SelectRows({2}); t.form->mnuRemove->Click(); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Load();
    DVDConvertTask* opened = form->Task(0);
    form->OpenTaskForPreview(opened, true);
    ASSERT_EQ(form->OpenedTask, opened);
    c.destroy(*this);
    if (!c.cleared) {
      EXPECT_EQ(form->OpenedTask, opened);
      continue;
    }
    EXPECT_EQ(form->OpenedTask, nullptr);
    // New tasks are made until one takes the freed address (the allocator's choice).
    std::vector<std::unique_ptr<DVDConvertTask>> fresh;
    for (int i = 0; i < 8; ++i) {
      fresh.emplace_back(new DVDConvertTask());
      EXPECT_NE(form->OpenedTask, fresh.back().get());
    }
  }
}

TEST_F(TitleTree, RowsShowTheirStateInTheirColours) {
  DVDConvertTask* main = form->Task(0);
  DVDConvertTask* second = form->Task(1);
  main->State = tsProcessing;
  main->Percent = 50;
  second->State = tsProcessing;
  second->Percent = 50;
  SelectRows({2});
  const CapturedPixels shot = CaptureTree();
  auto middle = [&](int row) { return Row(row)->DisplayRect(drBounds).Top + Row(row)->DisplayRect(drBounds).Height() / 2; };
  const int gap = 250;  // in the name column, right of every caption
  const TColor list = ColorToRGB(form->lvTitles->Color());
  const std::uint32_t listPixel = ((list & 0xFF) << 16) | (list & 0xFF00) | ((list >> 16) & 0xFF);
  EXPECT_EQ(shot.At(gap, middle(0)), listPixel) << "source row";
  EXPECT_EQ(shot.At(gap, middle(1)), 0x3D80DFu) << "current row";
  EXPECT_EQ(shot.At(gap, middle(2)), 0xFFCC00u) << "selected row";
  EXPECT_EQ(shot.At(gap, middle(3)), 0xD9FFD9u) << "unavailable row";
  const TColor highlight = ColorToRGB(clHighlight);
  EXPECT_EQ(shot.At(1, middle(1)), ((highlight & 0xFF) << 16) | (highlight & 0xFF00) | ((highlight >> 16) & 0xFF))
      << "the current row's frame";

  // The current task's status cell is a bar; the other task in progress shows its text.
  const int cellLeft = form->lvTitles->Columns()->Items(0)->Width() + form->lvTitles->Columns()->Items(1)->Width();
  const int cellRight = std::min(cellLeft + form->lvTitles->Columns()->Items(2)->Width(), form->lvTitles->Width() - 2);
  const int bar = (cellRight - cellLeft) * 50 / 100;
  EXPECT_EQ(shot.At(cellLeft + 2, middle(1)), 0x008000u);
  EXPECT_EQ(shot.At(cellLeft + bar - 1, Row(1)->DisplayRect(drBounds).Top + 1), 0x008000u);
  EXPECT_EQ(shot.At(cellLeft + bar, Row(1)->DisplayRect(drBounds).Top + 1), 0xFFFFFFu);
  EXPECT_EQ(shot.At(cellRight - 3, middle(1)), 0xFFFFFFu);
  EXPECT_EQ(shot.At(cellLeft, middle(1)), 0x000000u) << "the cell's frame";
  int inverted = 0, green = 0;
  for (int x = cellLeft; x < cellRight; ++x) {
    for (int y = Row(1)->DisplayRect(drBounds).Top; y < Row(1)->DisplayRect(drBounds).Bottom; ++y)
      inverted += shot.At(x, y) == 0xFF7FFFu;  // white text over the bar, by exclusive-or
    for (int y = Row(2)->DisplayRect(drBounds).Top; y < Row(2)->DisplayRect(drBounds).Bottom; ++y)
      green += shot.At(x, y) == 0x008000u;
  }
  EXPECT_GT(inverted, 0) << "the percentage reads over the bar";
  EXPECT_EQ(green, 0) << "no bar for a task that is not the current one";
}

}  // namespace
