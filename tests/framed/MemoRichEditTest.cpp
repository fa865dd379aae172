// The framed memo and rich edit, driven through their windows: line and column,
// JumpTo and its limits, the clipboard reports, the wheel that scrolls without
// moving the caret, Enter as Tab, the disabled rich edit; and the hot-key edit's
// frame switch.
#include <gtest/gtest.h>

#include <vector>

#include "framed/edits/RzHotKeyEdit.h"
#include "framed/edits/RzMemo.h"
#include "framed/edits/RzRichEdit.h"
#include "platform/controls/Mouse.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/WindowCapture.h"

namespace {

const char* const kTenLines =
    "line one\r\nline two\r\nthird line\r\nfour\r\nfive\r\nsix\r\nseven\r\neight\r\nnine\r\nten";

template <class E>
class FramedMultiLine : public FramedForm {
protected:
  E* edit = nullptr;
  std::vector<std::pair<int, int>> reports;
  std::vector<std::pair<bool, bool>> clipboard;

  void SetUp() override {
    FramedForm::SetUp();
    edit = Make<E>({10, 10, 200, 60});  // three lines of text show at a time
    edit->OnLineColChange = TLineColChangeEvent::Function([this](TObject*, int l, int c) { reports.emplace_back(l, c); });
    edit->OnClipboardChange =
        TClipboardChangeEvent::Function([this](TObject*, bool s, bool t) { clipboard.emplace_back(s, t); });
    ShowForm();
    edit->SetFocus();
    edit->SetText(kTenLines);
    PumpMessages();
  }
  int FirstVisibleLine() { return static_cast<int>(::SendMessageA(edit->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }
  int LineStart(int line) { return static_cast<int>(::SendMessageA(edit->Handle(), EM_LINEINDEX, line, 0)); }
  void PostWheel(int delta, WPARAM keys) {
    const TPoint p = edit->ClientToScreen(TPoint{20, 20});
    ::PostMessageA(edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(delta)), MAKELPARAM(p.X, p.Y));
    PumpMessages();
  }
};

using Editors = testing::Types<TRzMemo, TRzRichEdit>;
TYPED_TEST_SUITE(FramedMultiLine, Editors);

TYPED_TEST(FramedMultiLine, TheCaretAtTheStartIsLineOneColumnOne) {
  auto* edit = this->edit;
  edit->SetSelStart(0);
  this->reports.clear();
  PostKey(edit->Handle(), VK_HOME);
  PumpMessages();
  EXPECT_EQ(edit->GetLine(), 1);
  EXPECT_EQ(edit->GetColumn(), 1);
  ASSERT_FALSE(this->reports.empty());
  EXPECT_EQ(this->reports.back(), std::make_pair(1, 1));
}

TYPED_TEST(FramedMultiLine, JumpToPlacesTheCaretAndScrollsItsLineToTheTop) {
  auto* edit = this->edit;
  struct Case {
    int line, column;
    int caret;  // characters from the start of line 3, or -1: not moved
    int line2, column2, top;
  } cases[] = {
      {3, 5, 4, 3, 5, 2},    // before the fifth character of "third line"
      {3, 20, 0, 3, 1, 2},   // past the end: the line, not the column
      {5, 1, -1, 5, 1, 4},
  };
  for (const auto& c : cases) {
    edit->SetSelStart(0);
    ::SendMessageA(edit->Handle(), EM_LINESCROLL, 0, -100);
    this->reports.clear();
    edit->JumpTo(c.line, c.column);
    if (c.caret >= 0) {
      EXPECT_EQ(edit->SelStart(), this->LineStart(2) + c.caret) << c.line << "," << c.column;
    }
    EXPECT_EQ(edit->GetLine(), c.line2);
    EXPECT_EQ(edit->GetColumn(), c.column2);
    EXPECT_EQ(this->FirstVisibleLine(), c.top);
    ASSERT_FALSE(this->reports.empty());
    EXPECT_EQ(this->reports.back(), std::make_pair(c.line2, c.column2));
  }
}

TYPED_TEST(FramedMultiLine, ALineBeyondTheTextReportsNothing) {
  auto* edit = this->edit;
  this->reports.clear();
  edit->SetLine(40);
  EXPECT_TRUE(this->reports.empty());
}

TYPED_TEST(FramedMultiLine, ClipboardReportsFollowTheSelectionAndTheNextReport) {
  auto* edit = this->edit;
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  ::CloseClipboard();
  edit->SetSelStart(0);
  edit->SetSelLength(4);
  this->clipboard.clear();
  ::PostMessageA(edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpMessages();
  ASSERT_FALSE(this->clipboard.empty());
  EXPECT_EQ(this->clipboard.back(), std::make_pair(true, false));
  // Text put into the clipboard elsewhere is seen only at the next report.
  ASSERT_TRUE(::OpenClipboard(nullptr));
  HGLOBAL data = ::GlobalAlloc(GMEM_MOVEABLE, 6);
  std::memcpy(::GlobalLock(data), "hello", 6);
  ::GlobalUnlock(data);
  ::SetClipboardData(CF_TEXT, data);
  ::CloseClipboard();
  const size_t before = this->clipboard.size();
  EXPECT_EQ(this->clipboard.back(), std::make_pair(true, false));
  edit->SetSelLength(0);
  ::PostMessageA(edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpMessages();
  ASSERT_GT(this->clipboard.size(), before);
  EXPECT_EQ(this->clipboard.back(), std::make_pair(false, true));
}

TYPED_TEST(FramedMultiLine, TheWheelScrollsLinesWithoutMovingTheCaret) {
  auto* edit = this->edit;
  edit->SetSelStart(3);
  ::SendMessageA(edit->Handle(), EM_LINESCROLL, 0, -100);
  struct Case {
    int delta;
    WPARAM keys;
    int top;
  } cases[] = {
      {-WHEEL_DELTA, 0, 1},
      {-2 * WHEEL_DELTA, 0, 3},
      {WHEEL_DELTA, 0, 2},
      {-WHEEL_DELTA, MK_CONTROL, 2 + Mouse()->WheelScrollLines()},
      {WHEEL_DELTA, MK_CONTROL, 2},
  };
  for (const auto& c : cases) {
    this->PostWheel(c.delta, c.keys);
    EXPECT_EQ(this->FirstVisibleLine(), c.top) << c.delta << " " << c.keys;
    EXPECT_EQ(edit->SelStart(), 3);
  }
}

TYPED_TEST(FramedMultiLine, EnterBreaksTheLineUnlessItMovesOn) {
  auto* edit = this->edit;
  auto* next = this->template Make<TRzMemo>({10, 100, 200, 150});
  edit->SetText("ab");
  edit->SetSelStart(1);
  // The memo breaks the line on the character, the rich edit on the key.
  edit->Perform(WM_KEYDOWN, VK_RETURN, 0);
  edit->Perform(WM_CHAR, '\r', 0);
  EXPECT_EQ(edit->Lines()->Count(), 2);
  edit->TabOnEnter = true;
  edit->SetFocus();
  edit->Perform(WM_CHAR, '\r', 0);
  ASSERT_TRUE(PumpUntil([&] { return next->Focused(); }, 3000));
  EXPECT_EQ(edit->Lines()->Count(), 2);
}

using FramedRichEdit = FramedForm;

// Disabled, the rich edit takes no input but keeps its text's colour, on its
// disabled face colour.
TEST_F(FramedRichEdit, ADisabledRichEditRefusesInputAndKeepsItsTextColour) {
  auto* edit = Make<TRzRichEdit>({10, 10, 200, 60});
  auto* other = Make<TRzMemo>({10, 80, 200, 130});
  edit->SetDisabledColor(clYellow);
  edit->Font()->SetColor(clRed);
  edit->Font()->SetName("Arial");
  edit->Font()->SetSize(14);
  edit->SetText("WWWW");
  ShowForm();
  edit->SetFocus();
  PumpMessages();
  // The window is not told it is disabled (no WM_ENABLE), which would grey its text.
  int enableMessages = 0;
  TWndMethod inherited = edit->WindowProc;
  edit->WindowProc = TWndMethod::Function([&](TMessage& message) {
    if (message.Msg == WM_ENABLE) ++enableMessages;
    inherited(message);
  });
  edit->SetEnabled(false);
  PumpMessages();
  EXPECT_EQ(enableMessages, 0);
  EXPECT_FALSE(::IsWindowEnabled(edit->Handle()));
  EXPECT_FALSE(edit->Focused()) << "the form took the focus away";
  // Keys typed now go elsewhere; a click on it does not bring the focus back.
  ::SetFocus(other->Handle());
  PostClick(edit, 20, 10);
  PumpMessages();
  EXPECT_FALSE(edit->Focused());
  EXPECT_EQ(edit->Text(), "WWWW");
  edit->Update();
  CapturedPixels shot = CaptureClient(edit->Handle());
  shot.SaveBmp("framed_rich_edit_disabled.bmp");
  int red = 0, gray = 0;
  const std::uint32_t grayText = [] {
    const TColor c = ColorToRGB(clGrayText);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }();
  for (int y = 0; y < shot.Height; ++y)
    for (int x = 0; x < shot.Width; ++x) {
      red += shot.At(x, y) == 0xFF0000u;
      gray += shot.At(x, y) == grayText;
    }
  EXPECT_GT(red, 20) << "the text keeps its own colour";
  EXPECT_EQ(gray, 0) << "no greyed text";
  EXPECT_EQ(shot.At(shot.Width - 4, shot.Height - 4), 0xFFFF00u) << "the disabled face colour";
  edit->SetEnabled(true);
  EXPECT_TRUE(::IsWindowEnabled(edit->Handle()));
  EXPECT_EQ(edit->Color(), clWindow);
}

using FramedHotKeyEdit = FramedForm;

TEST_F(FramedHotKeyEdit, TheFrameTurnsHotWithFocusOrMouse) {
  auto* keys = Make<TRzHotKeyEdit>({10, 10, 150, 31});
  auto* other = Make<TRzHotKeyEdit>({10, 50, 150, 71});
  EXPECT_EQ(keys->Height(), 21);
  keys->SetFrameColor(clRed);
  keys->SetFrameHotColor(clBlue);
  keys->SetFrameHotTrack(true);
  EXPECT_TRUE(keys->FrameVisible());
  ShowForm();
  auto frameAt = [&](int x, int y) {
    keys->Perform(WM_NCPAINT, 1, 0);
    HDC dc = ::GetWindowDC(keys->Handle());
    const COLORREF c = ::GetPixel(dc, x, y);
    ::ReleaseDC(keys->Handle(), dc);
    return static_cast<TColor>(c);
  };
  struct Step {
    const char* name;
    std::function<void()> act;
    bool hot;
    TColor outer, inner;  // the frame's first and second ring
  } steps[] = {
      {"idle", [&] { other->SetFocus(); }, false, clRed, ColorToRGB(keys->Color())},
      {"focused", [&] { keys->SetFocus(); }, true, clBlue, clBlue},
      {"focus leaves", [&] { other->SetFocus(); }, false, clRed, ColorToRGB(keys->Color())},
      {"mouse over", [&] { keys->Perform(CM_MOUSEENTER, 0, 0); }, true, clBlue, clBlue},
      {"mouse gone", [&] { keys->Perform(CM_MOUSELEAVE, 0, 0); }, false, clRed, ColorToRGB(keys->Color())},
  };
  for (const Step& s : steps) {
    s.act();
    PumpMessages();
    EXPECT_EQ(keys->FrameHot(), s.hot) << s.name;
    EXPECT_EQ(frameAt(0, 10), s.outer) << s.name;
    EXPECT_EQ(frameAt(1, 10), s.inner) << s.name;
  }
}

TEST_F(FramedHotKeyEdit, AFreedFrameControllerIsForgotten) {
  auto* keys = Make<TRzHotKeyEdit>({10, 10, 150, 31});
  auto* controller = new TRzFrameController(form);
  controller->SetFrameColor(clLime);
  controller->SetFrameVisible(true);
  keys->SetFrameController(controller);
  EXPECT_EQ(keys->FrameColor(), clLime);
  delete controller;
  EXPECT_EQ(keys->FrameController(), nullptr);
}

}  // namespace

namespace {

using FramedTwinDefinitions = FramedForm;

// The framing properties of older versions are translated on the memo, the rich
// edit and the hot-key edit as on the framed edit, and are not written again.
TEST_F(FramedTwinDefinitions, OldFramePropertiesAreTranslated) {
  ReadComponentText(form,
                    "object Form: TForm\n"
                    "  object Notes: TRzMemo\n    FrameFlat = True\n  end\n"
                    "  object Story: TRzRichEdit\n    FrameFocusStyle = fsGroove\n    FrameFlatStyle = fsFlat\n  end\n"
                    "  object Keys: TRzHotKeyEdit\n    FrameFlat = True\n  end\n"
                    "end\n");
  auto* notes = dynamic_cast<TRzMemo*>(form->FindComponent("Notes"));
  auto* story = dynamic_cast<TRzRichEdit*>(form->FindComponent("Story"));
  auto* keys = dynamic_cast<TRzHotKeyEdit*>(form->FindComponent("Keys"));
  ASSERT_TRUE(notes && story && keys);
  EXPECT_TRUE(notes->FrameHotTrack());
  EXPECT_EQ(notes->FrameStyle(), fsStatus);
  EXPECT_EQ(notes->FrameHotStyle(), fsLowered);
  EXPECT_EQ(story->FrameHotStyle(), fsGroove);
  EXPECT_TRUE(keys->FrameHotTrack());
  const String written = WriteComponentText(form);
  EXPECT_EQ(written.find("FrameFlat"), String::npos);
  EXPECT_EQ(written.find("FrameFocusStyle"), String::npos);
  EXPECT_NE(written.find("ParentCtl3D = False"), String::npos) << "a shown frame brings the 3D look of its own";
}

}  // namespace
