// Taking over foreign windows: the handler sees messages first and calls through
// to the saved procedure; subclasses chain and come off in any order; the window's
// own procedure is back afterwards, and a destroyed window lets its subclasses go.
#include <gtest/gtest.h>

#include "platform/controls/Forms.h"
#include "platform/controls/WindowSubclass.h"

namespace {

struct Taker : TObject {
  explicit Taker(String name, std::vector<String>& journal) : name_(std::move(name)), journal_(journal) {}
  TWindowSubclass subclass;
  bool swallowChars = false;

  void WndProc(TMessage& message) {
    if (message.Msg == WM_USER + 1) journal_.push_back(name_);
    if (message.Msg == WM_CHAR && swallowChars) return;
    subclass.CallPrevious(message);
  }

private:
  String name_;
  std::vector<String>& journal_;
};

String EditText(HWND edit) {
  char text[64] = {};
  ::GetWindowTextA(edit, text, sizeof(text));
  return text;
}

}  // namespace

TEST(ControlsSubclass, ForeignWindowsChainAndComeBackInAnyOrder) {
  TForm* form = NewForm<TForm>(nullptr);
  HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, form->Handle(), nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(edit, nullptr);
  const LONG_PTR original = ::GetWindowLongPtrA(edit, GWLP_WNDPROC);
  std::vector<String> journal;
  Taker first("first", journal), second("second", journal);
  first.subclass.Attach(edit, TWndMethod(&first, &Taker::WndProc));
  second.subclass.Attach(edit, TWndMethod(&second, &Taker::WndProc));

  ::SendMessageA(edit, WM_USER + 1, 0, 0);
  EXPECT_EQ(journal, (std::vector<String>{"second", "first"}));
  first.swallowChars = true;
  ::SendMessageA(edit, WM_CHAR, 'a', 1);
  EXPECT_EQ(EditText(edit), "") << "the inner handler kept the character";
  first.swallowChars = false;
  ::SendMessageA(edit, WM_CHAR, 'b', 1);
  EXPECT_EQ(EditText(edit), "b") << "calls reach the edit's own procedure";

  // The first one comes off while the second still sits above it.
  first.subclass.Restore();
  journal.clear();
  ::SendMessageA(edit, WM_USER + 1, 0, 0);
  EXPECT_EQ(journal, (std::vector<String>{"second"}));
  ::SendMessageA(edit, WM_CHAR, 'c', 1);
  EXPECT_EQ(EditText(edit), "bc");
  second.subclass.Restore();
  EXPECT_EQ(::GetWindowLongPtrA(edit, GWLP_WNDPROC), original);

  // Destroying the window lets go of it.
  first.subclass.Attach(edit, TWndMethod(&first, &Taker::WndProc));
  ::DestroyWindow(edit);
  EXPECT_FALSE(first.subclass.Attached());
  delete form;
}
