// The notebook: pages through Pages, the current page, focus moving with it,
// and deleting or clearing pages.
#include <gtest/gtest.h>

#include "platform/stdctrls/Edit.h"
#include "skin/controls/SkinNotebook.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

class NotebookTest : public ::testing::Test {
protected:
  TspSkinNotebook* Book(std::vector<String> names) {
    auto* book = f.Make<TspSkinNotebook>({0, 0, 200, 150});
    book->Pages()->Clear();
    for (const String& name : names) book->Pages()->Add(name);
    return book;
  }
  FormFixture f;
};

}  // namespace

TEST_F(NotebookTest, NewNotebookHasOneDefaultPage) {
  auto* book = f.Make<TspSkinNotebook>({0, 0, 200, 150});
  EXPECT_EQ(book->Pages()->Count(), 1);
  EXPECT_EQ(book->ActivePage(), "Default");
  EXPECT_EQ(book->PageIndex(), 0);
  EXPECT_EQ(book->VisiblePageCount(), 1);
}

TEST_F(NotebookTest, DeleteAndClearRows) {
  struct Case {
    const char* what;
    std::vector<String> pages;
    int current;
    std::function<void(TspSkinNotebook*)> change;
    int index;
    String active;
  } cases[] = {
      {"delete the current page: its neighbour after it", {"a", "b", "c"}, 1, [](auto* b) { b->Pages()->Delete(1); }, 1, "c"},
      {"delete the current last page: the one before", {"a", "b", "c"}, 2, [](auto* b) { b->Pages()->Delete(2); }, 1, "b"},
      {"delete before the current page: the same page", {"a", "b", "c"}, 2, [](auto* b) { b->Pages()->Delete(0); }, 1, "c"},
      {"delete after the current page: the same page", {"a", "b", "c"}, 0, [](auto* b) { b->Pages()->Delete(2); }, 0, "a"},
      {"delete the only page: none", {"a"}, 0, [](auto* b) { b->Pages()->Delete(0); }, -1, ""},
      {"clear: none", {"a", "b"}, 1, [](auto* b) { b->Pages()->Clear(); }, -1, ""},
      {"insert before the current page: the new one", {"a", "b"}, 1, [](auto* b) { b->Pages()->Insert(0, "n"); }, 0, "n"},
      {"move keeps the current page", {"a", "b", "c"}, 0, [](auto* b) { b->Pages()->Move(0, 2); }, 2, "a"},
      {"an unknown name is ignored", {"a", "b"}, 1, [](auto* b) { b->SetActivePage("zz"); }, 1, "b"},
      {"a name selects its page", {"a", "b"}, 1, [](auto* b) { b->SetActivePage("A"); }, 0, "a"},
  };
  for (const Case& c : cases) {
    TspSkinNotebook* book = Book(c.pages);
    book->SetPageIndex(c.current);
    c.change(book);
    EXPECT_EQ(book->PageIndex(), c.index) << c.what;
    EXPECT_EQ(book->ActivePage(), c.active) << c.what;
    EXPECT_EQ(book->VisiblePageCount(), c.index == -1 ? 0 : 1) << c.what;
    if (c.index >= 0) {
      EXPECT_TRUE(book->PageAt(c.index)->Visible()) << c.what;
    }
    delete book;
  }
  TspSkinNotebook* book = Book({"x", "y", "z"});
  book->Pages()->Move(0, 2);
  EXPECT_EQ(book->Pages()->Text(), "z\r\ny\r\nx\r\n");
  book->Pages()->Put(1, "renamed");
  EXPECT_EQ(book->PageAt(1)->Caption(), "renamed");
}

TEST_F(NotebookTest, FocusMovesToTheNewPage) {
  f.form->Show();
  TspSkinNotebook* book = Book({"first", "second"});
  book->SetPageIndex(0);
  auto* inFirst = f.Make<TEdit>({10, 10, 100, 30}, book->PageAt(0));
  auto* inSecond = f.Make<TEdit>({10, 10, 100, 30}, book->PageAt(1));
  inFirst->SetFocus();
  PumpMessages();
  ASSERT_TRUE(inFirst->Focused());
  int changes = 0;
  book->OnPageChanged = TNotifyEvent::Function([&](TObject*) {
    ++changes;
    EXPECT_TRUE(book->PageAt(1)->Visible());  // fired once the new page shows
  });
  book->SetPageIndex(1);
  PumpMessages();
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(inSecond->Focused());
  EXPECT_FALSE(book->PageAt(0)->Visible());
}

TEST_F(NotebookTest, PagesLetPointerInputThrough) {
  TspSkinNotebook* book = Book({"a"});
  TPoint p = book->PageAt(0)->ClientToScreen(TPoint{5, 5});
  EXPECT_EQ(::SendMessageA(book->PageAt(0)->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y)), HTTRANSPARENT);
}
