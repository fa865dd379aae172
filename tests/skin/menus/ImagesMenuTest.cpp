// The images menu: the grid's layout, the columns it accepts, the arrow keys'
// moves, the closing sequence and its events, what closes the grid, keys kept
// from the focused control, and the application's handler and the capture given
// back (also when the menu goes while open).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/Forms.h"
#include "skin/menus/SkinImagesMenu.h"
#include "tests/harness/WindowPump.h"

namespace {

enum Kind { C, H, B };  // cell, header, button

// A 16 x 16 image list of three pictures and a menu over it on a shown form.
struct GridFixture {
  TForm* form = NewForm<TForm>(nullptr);
  TCustomImageList images{nullptr};
  TspSkinImagesMenu* menu = new TspSkinImagesMenu(form);
  GridFixture() {
    images.SetSize(16, 16);
    for (int i = 0; i < 3; ++i) {
      TBitmap b(16, 16);
      images.AddMasked(&b, clFuchsia);
    }
    menu->SetImages(&images);
    form->SetBounds(100, 100, 300, 200);
    form->Show();
  }
  ~GridFixture() { delete form; }
  void Items(const std::vector<Kind>& kinds) {
    menu->ImagesItems()->Clear();
    for (Kind k : kinds) {
      TspImagesMenuItem* item = menu->ImagesItems()->Add();
      item->Header = k == H;
      item->Button = k == B;
      item->ImageIndex = 0;
    }
  }
  TspSkinImagesMenuPopupWindow* Open() {
    menu->Popup(120, 120);
    return menu->GridWindow();
  }
};

// Records what a control's window receives.
class KeyRecorder : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  int keys = 0;

protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_KEYDOWN) ++keys;
    TCustomControl::WndProc(message);
  }
};

}  // namespace

TEST(ImagesMenu, LayoutRowsHeadersAndButtons) {
  // Cells 26 x 26 (16 + 10), rows a pixel apart, two columns from (5, 5).
  struct Case {
    std::vector<Kind> kinds;
    std::vector<TRect> rects;
  } cases[] = {
      {{C, C, C, H}, {{5, 5, 31, 31}, {31, 5, 57, 31}, {5, 32, 31, 58}, {5, 59, 57, 85}}},
      {{H, C, B, C}, {{5, 5, 57, 31}, {5, 32, 31, 58}, {5, 59, 57, 85}, {5, 86, 31, 112}}},
      {{C, C, B}, {{5, 5, 31, 31}, {31, 5, 57, 31}, {5, 32, 57, 58}}},
  };
  for (const Case& c : cases) {
    GridFixture f;
    f.menu->SetColumnsCount(2);
    f.Items(c.kinds);
    TspSkinImagesMenuPopupWindow* grid = f.Open();
    ASSERT_NE(grid, nullptr);
    for (size_t i = 0; i < c.rects.size(); ++i)
      EXPECT_EQ(f.menu->ImagesItems()->Items(int(i))->ItemRect, c.rects[i]) << "item " << i;
    EXPECT_EQ(grid->Width(), 2 * 26 + 10);
    EXPECT_EQ(grid->Height(), c.rects.back().Bottom - 5 + 10);
    f.menu->Hide();
  }
}

TEST(ImagesMenu, ColumnsFromOneToFifty) {
  TspSkinImagesMenu menu(nullptr);
  for (auto [value, expected] : {std::pair{0, 1}, {51, 1}, {50, 50}, {-3, 50}, {1, 1}}) {
    menu.SetColumnsCount(value);
    EXPECT_EQ(menu.ColumnsCount(), expected) << value;
  }
}

TEST(ImagesMenu, ArrowKeysMoveTheHotItem) {
  GridFixture f;
  f.menu->SetColumnsCount(2);
  // Row 1: header; row 2: cells 1, 2; row 3: cell 3; row 4: button 4; row 5: cell 5.
  f.Items({H, C, C, C, B, C});
  TspSkinImagesMenuPopupWindow* grid = f.Open();
  ASSERT_NE(grid, nullptr);
  struct Case {
    void (TspSkinImagesMenuPopupWindow::*find)();
    Integer from, to;
  } cases[] = {
      {&TspSkinImagesMenuPopupWindow::FindDown, -1, 1},  {&TspSkinImagesMenuPopupWindow::FindDown, 1, 3},
      {&TspSkinImagesMenuPopupWindow::FindDown, 2, 4},   {&TspSkinImagesMenuPopupWindow::FindDown, 4, 5},
      {&TspSkinImagesMenuPopupWindow::FindDown, 5, 5},   {&TspSkinImagesMenuPopupWindow::FindUp, -1, 5},
      {&TspSkinImagesMenuPopupWindow::FindUp, 3, 1},     {&TspSkinImagesMenuPopupWindow::FindUp, 5, 4},
      {&TspSkinImagesMenuPopupWindow::FindUp, 1, 1},     {&TspSkinImagesMenuPopupWindow::FindRight, -1, 1},
      {&TspSkinImagesMenuPopupWindow::FindRight, 5, 1},  {&TspSkinImagesMenuPopupWindow::FindRight, 2, 3},
      {&TspSkinImagesMenuPopupWindow::FindLeft, -1, 5},  {&TspSkinImagesMenuPopupWindow::FindLeft, 1, 5},
      {&TspSkinImagesMenuPopupWindow::FindLeft, 3, 2},
  };
  for (const Case& c : cases) {
    grid->HotIndex = c.from;
    (grid->*c.find)();
    EXPECT_EQ(grid->HotIndex, c.to) << "from " << c.from;
  }
  f.menu->Hide();
}

TEST(ImagesMenu, ClosingEventsInOrderAndEnterWithoutAHotCellChoosesAgain) {
  GridFixture f;
  f.Items({C, C, C});
  std::vector<std::string> events;
  auto log = [&](const char* name) { return TNotifyEvent::Function([&events, name](TObject*) { events.push_back(name); }); };
  f.menu->OnMenuPopup = log("popup");
  f.menu->OnInternalClose = log("internal close");
  f.menu->OnMenuClose = log("close");
  f.menu->ImagesItems()->Items(1)->OnClick = log("item");
  f.menu->ImagesItems()->Items(2)->OnClick = log("item 2");
  f.menu->OnItemClick = log("click");
  f.menu->OnInternalChange = log("internal change");
  f.menu->OnChange = log("change");

  f.menu->ItemIndex = 1;
  f.Open()->ProcessKey(VK_RETURN);
  EXPECT_EQ(events, (std::vector<std::string>{"popup", "internal close", "close", "item", "click"}));
  EXPECT_EQ(f.menu->GridWindow(), nullptr);

  events.clear();
  TspSkinImagesMenuPopupWindow* grid = f.Open();
  grid->HotIndex = 2;
  grid->ProcessKey(VK_SPACE);
  EXPECT_EQ(f.menu->ItemIndex, 2);
  EXPECT_EQ(events, (std::vector<std::string>{"popup", "internal close", "close", "item 2", "click",
                                              "internal change", "change"}));

  events.clear();
  f.Open()->ProcessKey(VK_ESCAPE);
  EXPECT_EQ(events, (std::vector<std::string>{"popup", "internal close", "close"}));
}

TEST(ImagesMenu, NothingOpensWithoutPicturesOrWithoutItems) {
  GridFixture f;
  int popups = 0;
  f.menu->OnMenuPopup = TNotifyEvent::Function([&](TObject*) { ++popups; });
  EXPECT_EQ(f.Open(), nullptr) << "pictures but no items";
  f.Items({C});
  TCustomImageList empty(nullptr);
  f.menu->SetImages(&empty);
  EXPECT_EQ(f.Open(), nullptr);
  EXPECT_EQ(popups, 2);
  f.menu->SetImages(nullptr);
}

TEST(ImagesMenu, ARightPressAnywhereClosesAndKeysNeverReachTheFocusedControl) {
  GridFixture f;
  f.Items({C, C});
  auto* edit = new KeyRecorder(f.form);
  edit->SetParent(f.form);
  edit->SetBounds(0, 0, 50, 20);
  edit->SetTabStop(true);
  edit->SetFocus();
  PumpMessages();  // nothing left over may close the grid
  TspSkinImagesMenuPopupWindow* grid = f.Open();
  ASSERT_NE(grid, nullptr);
  PostKey(edit->Handle(), 'A');
  PostKey(edit->Handle(), VK_RIGHT);
  PumpMessages();
  EXPECT_EQ(edit->keys, 0);
  ASSERT_EQ(f.menu->GridWindow(), grid);
  EXPECT_EQ(grid->HotIndex, 0) << "the grid took the arrow";

  bool closed = false;
  f.menu->OnMenuClose = TNotifyEvent::Function([&](TObject*) { closed = true; });
  ::PostMessageA(f.form->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  PumpMessages();
  EXPECT_TRUE(closed);
  EXPECT_EQ(f.menu->GridWindow(), nullptr);
  PostKey(edit->Handle(), 'A');
  PumpMessages();
  EXPECT_EQ(edit->keys, 1) << "keys reach the control again once the grid is closed";
}

TEST(ImagesMenu, TheHandlerAndTheCaptureComeBackAlsoWhenTheMenuGoesOpen) {
  int own = 0;
  Application.OnMessage = TMessageEvent::Function([&](MSG&, bool&) { ++own; });
  {
    GridFixture f;
    f.Items({C});
    TspSkinImagesMenuPopupWindow* grid = f.Open();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(::GetCapture(), grid->Handle());
    grid->ProcessKey(VK_ESCAPE);
    EXPECT_EQ(::GetCapture(), nullptr);
    MSG msg{};
    bool handled = false;
    Application.OnMessage(msg, handled);
    EXPECT_EQ(own, 1) << "the handler before the grid is back";

    f.Open();
    delete f.menu;  // destroyed while open
    EXPECT_EQ(::GetCapture(), nullptr);
    Application.OnMessage(msg, handled);
    EXPECT_EQ(own, 2);
  }
  Application.OnMessage = nullptr;
}
