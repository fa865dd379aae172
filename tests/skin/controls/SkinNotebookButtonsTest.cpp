// The notebook's buttons mode: one button per page, those up to the current
// page stacked at the top and the later ones at the bottom; a click on a button
// opens its page; renaming a page renames its button.
#include <gtest/gtest.h>

#include "skin/controls/SkinNotebook.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ControlFixture.h"

TEST(SkinNotebookButtons, StackAtTheTopUpToTheCurrentPageAndFollowIt) {
  FormFixture f;
  auto* book = f.Make<TspSkinNotebook>({0, 0, 200, 250});
  book->Pages()->Clear();
  for (const char* name : {"A", "B", "C", "D"}) book->Pages()->Add(name);
  book->SetPageIndex(1);
  book->SetButtonsMode(true);
  f.form->Show();
  PumpMessages();
  ASSERT_EQ(book->ButtonCount(), 4);
  struct Expect {
    Integer current;
    TAlign aligns[4];
    Integer tops[4];
  } rows[] = {
      {1, {alTop, alTop, alBottom, alBottom}, {1, 26, 199, 224}},
      {3, {alTop, alTop, alTop, alTop}, {1, 26, 51, 76}},
      {0, {alTop, alBottom, alBottom, alBottom}, {1, 174, 199, 224}},
  };
  for (const Expect& e : rows) {
    book->SetPageIndex(e.current);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(book->Button(i)->Align(), e.aligns[i]) << "page " << e.current << " button " << i;
      EXPECT_EQ(book->Button(i)->Top(), e.tops[i]) << "page " << e.current << " button " << i;
      EXPECT_EQ(book->Button(i)->Caption(), String(1, static_cast<char>('A' + i)));
    }
  }
  book->Button(2)->ButtonClick();
  EXPECT_EQ(book->PageIndex(), 2);
  book->Pages()->Put(2, "Third");
  EXPECT_EQ(book->Button(2)->Caption(), "Third");
  book->SetButtonsMode(false);
  EXPECT_EQ(book->ButtonCount(), 0);
}
