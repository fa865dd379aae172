// The tabbed list box: automatic tab stops, cells, both kinds of header, the
// stream of the stop list refreshing the window once, and the limits.
#include <gtest/gtest.h>

#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/lists/RzTabbedListBox.h"
#include "platform/comctrls/HeaderControl.h"
#include "platform/core/Exceptions.h"
#include "platform/published/FormDefinition.h"
#include "platform/stdctrls/Header.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class CountingTabbedListBox : public TRzTabbedListBox {
public:
  using TRzTabbedListBox::TRzTabbedListBox;
  int refreshes = 0;
  void UpdateTabStops() override {
    ++refreshes;
    TRzTabbedListBox::UpdateTabStops();
  }
};

class FramedTabbedListBox : public FramedForm {
protected:
  CountingTabbedListBox* List(std::initializer_list<const char*> items) {
    auto* list = Make<CountingTabbedListBox>({10, 10, 200, 150});
    for (const char* s : items) list->Items()->Add(s);
    return list;
  }
  static std::vector<Integer> Stops(TRzCustomTabbedListBox* list) {
    std::vector<Integer> stops;
    for (int i = 0; i < list->TabStops()->Count(); ++i) stops.push_back(list->TabStops()->GetItem(i));
    return stops;
  }
};

TEST_F(FramedTabbedListBox, AutomaticStopsLeaveFourCharactersAfterTheWidestCell) {
  ShowForm();
  auto* list = List({"a\tbb", "ccc\td\te"});
  list->SetTabStopsMode(tsmAutomatic);
  const int cw = list->CharWidth();
  const int col0 = ScreenTextExtent(list->Font(), "ccc").cx;
  const int col1 = std::max(ScreenTextExtent(list->Font(), "bb").cx, ScreenTextExtent(list->Font(), "d").cx);
  const Integer first = col0 / cw + 4;
  EXPECT_EQ(Stops(list), (std::vector<Integer>{first, first + col1 / cw + 4}));
  EXPECT_EQ(list->GetTabArray(), (std::vector<int>{first * 4, (first + col1 / cw + 4) * 4}));
  list->Items()->Clear();
  list->Items()->Add("no tabs");
  EXPECT_TRUE(Stops(list).empty());
}

TEST_F(FramedTabbedListBox, CellsAreReadAndWritten) {
  auto* list = List({"x\ty\tz", "one\ttwo"});
  EXPECT_EQ(list->GetCellText(1, 1), "two");
  EXPECT_EQ(list->GetCellText(0, 0), "x");
  list->SetCellText(1, 0, "w");
  EXPECT_EQ(list->Items()->Strings(0), "x\tw\tz");
  struct Case {
    int col, row;
    const char* message;
  } errors[] = {{2, 1, "Column parameter out of range"},
                {-1, 0, "Column parameter out of range"},
                {0, 2, "Row parameter out of range"},
                {0, -1, "Row parameter out of range"}};
  for (const Case& c : errors) {
    try {
      list->GetCellText(c.col, c.row);
      ADD_FAILURE() << c.col << "," << c.row;
    } catch (const EListError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_THROW(list->SetCellText(c.col, c.row, "v"), EListError);
  }
  EXPECT_EQ(list->Items()->Strings(1), "one\ttwo");
}

TEST_F(FramedTabbedListBox, BothHeaderKindsSetTheStops) {
  auto* list = List({});
  const int cw = list->CharWidth();

  auto* control = Make<THeaderControl>({10, 160, 200, 180});
  control->Sections()->Add()->SetWidth(100);
  control->Sections()->Add()->SetWidth(50);
  list->TabStops()->Add(3);
  list->TabStops()->Add(-5);
  list->UpdateFromHeader(control);
  EXPECT_EQ(Stops(list), (std::vector<Integer>{100 / cw + 1, 1 - list->Width() / cw}));

  auto* old = Make<THeader>({10, 190, 200, 210});
  for (const char* s : {"A", "B", "C"}) old->Sections()->Add(s);
  old->SetSectionWidth(0, 60);
  old->SetSectionWidth(1, 40);
  list->TabStops()->SetItem(0, 1);
  list->TabStops()->SetItem(1, -1);
  list->UpdateFromHeader(old);
  EXPECT_EQ(Stops(list), (std::vector<Integer>{60 / cw + 1, 1 - (100 + 64) / cw}));

  auto* other = Make<TRzTabbedListBox>({0, 0, 10, 10});
  EXPECT_THROW(list->UpdateFromHeader(other), EHeaderError);
}

TEST_F(FramedTabbedListBox, AWholeStopListRefreshesTheWindowOnce) {
  ShowForm();
  auto* list = List({"a\tb"});
  TRzTabStopList source;
  for (Integer v : {5, 10, 15, 20}) source.Add(v);
  list->refreshes = 0;
  list->SetTabStops(&source);
  EXPECT_LE(list->refreshes, 2);  // the assignment and the setter's own refresh
  form->SetName("Form");
  list->SetName("Tabs");
  const String text = WriteComponentText(form);
  delete list;
  TForm* copy = NewForm<TForm>(nullptr);
  auto* read = new CountingTabbedListBox(copy);
  read->SetName("Tabs");
  read->SetParent(copy);
  ReadComponentText(copy, text);
  EXPECT_EQ(Stops(read), (std::vector<Integer>{5, 10, 15, 20}));
  EXPECT_LE(read->refreshes, 3);  // one for the values, and the window's own
  delete copy;
}

TEST_F(FramedTabbedListBox, OnlyTheFirstThousandStopsAreUsed) {
  auto* list = List({});
  TRzTabStopList many;
  for (int i = 1; i <= 1200; ++i) many.Add(i);
  list->SetTabStops(&many);
  EXPECT_EQ(list->GetTabArray().size(), 1000u);
  EXPECT_THROW(list->TabStops()->Add(-2147483647 - 1), EOutOfRange);
}

TEST_F(FramedTabbedListBox, CellsLineUpWhenDrawn) {
  ShowForm();
  auto* list = List({"a\tb"});
  list->SetStyle(lbOwnerDrawFixed);
  list->TabStops()->Add(10);
  list->SetColor(clWhite);
  list->Font()->SetColor(clBlack);
  PumpMessages();
  list->Repaint();
  const TRect r = list->ItemRect(0);
  const int cellX = r.Left + 2 + 10 * list->CharWidth();
  bool inked = false;
  for (int x = cellX; x < cellX + 8 && !inked; ++x)
    for (int y = r.Top; y < r.Bottom && !inked; ++y) inked = ShownPixel(list, x, y) != ColorToRGB(clWhite);
  EXPECT_TRUE(inked);
  bool gap = true;
  for (int x = cellX - 20; x < cellX - 2; ++x)
    for (int y = r.Top; y < r.Bottom; ++y) gap = gap && ShownPixel(list, x, y) == ColorToRGB(clWhite);
  EXPECT_TRUE(gap);
}

}  // namespace
