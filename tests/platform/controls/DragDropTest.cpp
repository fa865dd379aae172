#include "platform/controls/DragDrop.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/controls/Forms.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/PatternBitmap.h"
#include "platform/stdctrls/ListBox.h"
#include "platform/stdctrls/Panel.h"
#include "tests/harness/WindowPump.h"

namespace {

// A list that starts dragging on its own, and a panel that takes drops, on a
// shown form; the journal records what each side hears.
class DragDrop : public testing::Test {
protected:
  void SetUp() override {
    form = NewForm<TForm>(nullptr);
    form->SetBounds(60, 60, 300, 200);
    list = new TListBox(form);
    list->SetParent(form);
    static_cast<TControl*>(list)->SetBounds(10, 10, 120, 150);
    for (const char* item : {"one", "two", "three"}) list->Items()->Add(item);
    list->DragMode = dmAutomatic;
    panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(150, 10, 120, 150);
    panel->OnDragOver = TDragOverEvent::Function([this](TObject*, TObject* source, int, int, TDragState state, bool& accept) {
      journal.push_back(state == dsDragEnter ? "enter" : state == dsDragLeave ? "leave" : "over");
      accept = source == list;
    });
    panel->OnDragDrop = TDragDropEvent::Function([this](TObject*, TObject*, int x, int y) {
      journal.push_back("drop " + IntToStr(x) + "," + IntToStr(y));
    });
    list->OnEndDrag = TEndDragEvent::Function([this](TObject*, TObject* target, int, int) {
      journal.push_back(target == panel ? "end on panel" : "end nowhere");
    });
    form->Show();
    ::SetForegroundWindow(form->Handle());
    PumpMessages();
  }
  void TearDown() override { delete form; }
  // Posts a mouse message to the list at a point of the form's client area.
  void ToList(UINT msg, int formX, int formY) {
    const TPoint p = list->ScreenToClient(form->ClientToScreen(TPoint{formX, formY}));
    ::PostMessageA(list->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(p.X, p.Y));
    PumpMessages();
  }

  TForm* form = nullptr;
  TListBox* list = nullptr;
  TPanel* panel = nullptr;
  std::vector<String> journal;
};

TEST_F(DragDrop, DropOnAnAcceptingControl) {
  ToList(WM_LBUTTONDOWN, 20, 15);
  EXPECT_EQ(DragSource(), list);
  EXPECT_FALSE(Dragging()) << "no drag before the pointer moved";
  ToList(WM_MOUSEMOVE, 30, 40);
  EXPECT_TRUE(Dragging());
  ToList(WM_MOUSEMOVE, 170, 40);
  ToList(WM_MOUSEMOVE, 175, 45);
  ToList(WM_LBUTTONUP, 175, 45);
  EXPECT_EQ(journal, (std::vector<String>{"enter", "over", "drop 25,35", "end on panel"}));
  EXPECT_EQ(DragSource(), nullptr);
}

TEST_F(DragDrop, EscapeAndStillPressesDoNotDrop) {
  ToList(WM_LBUTTONDOWN, 20, 15);
  ToList(WM_MOUSEMOVE, 170, 40);
  ::PostMessageA(list->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  PumpMessages();
  ToList(WM_LBUTTONUP, 170, 40);
  EXPECT_EQ(journal, (std::vector<String>{"enter", "leave", "end nowhere"}));

  journal.clear();
  ToList(WM_LBUTTONDOWN, 20, 15);
  ToList(WM_LBUTTONUP, 20, 15);
  EXPECT_TRUE(journal.empty()) << "a click is no drag";
  EXPECT_EQ(DragSource(), nullptr);
}

TEST(PatternBitmap, CheckerboardOfTwoColoursIsShared) {
  TBitmap* pattern = AllocPatternBitmap(clBtnFace, clWhite);
  EXPECT_EQ(pattern, AllocPatternBitmap(clBtnFace, clWhite));
  EXPECT_EQ(pattern->Width(), 8);
  EXPECT_EQ(pattern->Canvas()->Pixels(0, 0), ColorToRGB(clBtnFace));
  EXPECT_EQ(pattern->Canvas()->Pixels(1, 0), clWhite);
  EXPECT_EQ(pattern->Canvas()->Pixels(1, 1), ColorToRGB(clBtnFace));
  EXPECT_NE(pattern, AllocPatternBitmap(clWhite, clBtnFace));
}

}  // namespace
