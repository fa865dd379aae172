// The skinned memos: ReadOnly filters and the context menu, the attached
// scroll bars (range, scrolling past 16 bits of lines, a text that fits), the
// wheel, disabled painting of every visible line, the state colours and the
// hover events, and the default look.
#include <gtest/gtest.h>

#include <cstring>

#include "skin/controls/memos/SkinMemo.h"
#include "skin/controls/memos/SkinMemo2.h"
#include "platform/controls/Menus.h"
#include "skin/controls/EditMenuSeam.h"
#include "skin/data/ControlRecords.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

void PutOnClipboard(const char* text) {
  ::OpenClipboard(nullptr);
  ::EmptyClipboard();
  if (text) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::memcpy(::GlobalLock(memory), text, std::strlen(text) + 1);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_TEXT, memory);
  }
  ::CloseClipboard();
}

String ClipboardText() {
  ::OpenClipboard(nullptr);
  HANDLE data = ::GetClipboardData(CF_TEXT);
  String text = data ? static_cast<const char*>(::GlobalLock(data)) : "";
  if (data) ::GlobalUnlock(data);
  ::CloseClipboard();
  return text;
}

// A captured pixel as a colour value (0x00BBGGRR).
TColor Px(const CapturedPixels& shot, int x, int y) {
  std::uint32_t p = shot.At(x, y);
  return static_cast<TColor>(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
}

String Lines(int count, const char* word = "line") {
  String text;
  for (int i = 0; i < count; ++i) text += word + std::to_string(i) + "\r\n";
  return text;
}

// Records the context menu instead of showing a skinned one.
struct MenuRecorder {
  TspEditMenuHooks saved = SPEditMenuHooks();
  TPopupMenu* menu = nullptr;
  MenuRecorder() {
    SPEditMenuHooks().Popup2 = [this](TPopupMenu* m, TControl*, int, int) { menu = m; };
  }
  ~MenuRecorder() { SPEditMenuHooks() = saved; }
  String Enabled() const {
    String s;
    for (int i = 0; i < menu->Items()->Count(); ++i) {
      TMenuItem* item = menu->Items()->Items(i);
      s += item->Caption() == "-" ? '-' : item->Enabled() ? '1' : '0';
    }
    return s;
  }
};

// The container of the list tests with a "memo" record over the list box's zone.
struct MemoSkin : BoxSkin {
  MemoSkin() {
    auto memo = std::make_unique<TspDataSkinMemoControl>("memo");
    memo->pictureindex = 0;
    memo->skinrect = {100, 20, 160, 60};
    memo->lefttoppoint = {4, 4};
    memo->righttoppoint = {56, 4};
    memo->leftbottompoint = {4, 36};
    memo->rightbottompoint = {56, 36};
    memo->clientrect = {4, 4, 56, 36};
    memo->fontcolor = 0x000080;
    memo->activefontcolor = 0x008000;
    memo->bgcolor = 0xFFFFFF;
    memo->activebgcolor = 0xEEEEEE;
    data.CtrlList.push_back(std::move(memo));
  }
};

struct MemoHost {
  BoxForm host;
  TspSkinMemo* memo = host.Make<TspSkinMemo>({10, 10, 200, 120});
  TspSkinScrollBar* vbar = host.Make<TspSkinScrollBar>({200, 10, 217, 120});
  MemoHost() {
    vbar->SetKind(sbVertical);
    memo->SetVScrollBar(vbar);
  }
};

}  // namespace

TEST(SkinMemo, ReadOnlyDropsEditingButCopiesAndDisablesTheMenusEditingItems) {
  struct Case {
    const char* what;
    UINT msg;
    WPARAM wParam;
  };
  const Case cases[] = {{"typing", WM_CHAR, 'x'},   {"delete key", WM_KEYDOWN, VK_DELETE}, {"cut", WM_CUT, 0},
                        {"paste", WM_PASTE, 0},     {"clear", WM_CLEAR, 0},                {"backspace", WM_CHAR, 8}};
  for (const Case& c : cases) {
    for (bool readOnly : {false, true}) {
      MemoHost h;
      h.memo->SetText("hello");
      PutOnClipboard("abc");
      h.memo->SetReadOnly(readOnly);
      h.memo->SelectAll();
      ::SendMessageA(h.memo->Handle(), c.msg, c.wParam, 0);
      EXPECT_EQ(h.memo->Text() != "hello", !readOnly) << c.what << (readOnly ? " (read-only)" : "");
    }
  }
  MemoHost h;
  h.memo->SetText("hello");
  h.memo->SetReadOnly(true);
  h.memo->SelectAll();
  PutOnClipboard(nullptr);
  ::SendMessageA(h.memo->Handle(), WM_CHAR, 3, 0);  // Ctrl+C
  EXPECT_EQ(ClipboardText(), "hello");
  PutOnClipboard("z");
  MenuRecorder menus;
  h.memo->SetSelStart(1);
  h.memo->SetSelLength(2);
  h.memo->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(50, 50));
  ASSERT_NE(menus.menu, nullptr);
  EXPECT_EQ(menus.Enabled(), "0-0100-1");  // Undo - Cut Copy Paste Delete - Select All
  h.memo->SetReadOnly(false);
  h.memo->SelectAll();
  h.memo->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(50, 50));
  EXPECT_EQ(menus.Enabled(), "0-1111-0");
  h.memo->Perform(WM_AFTERDISPATCH);
  EXPECT_EQ(h.memo->ContextMenu(), nullptr);
}

TEST(SkinMemo, BarFollowsTheTextAndScrollsTheMemo) {
  MemoHost h;
  h.memo->SetText("short");
  EXPECT_FALSE(h.vbar->Enabled()) << "a text that fits disables the bar";
  h.memo->SetText(Lines(100));
  ASSERT_TRUE(h.vbar->Enabled());
  EXPECT_EQ(h.vbar->Max(), 100);  // 100 lines and the empty last one
  EXPECT_GT(h.vbar->PageSize(), 0);
  h.vbar->SetPosition(40);
  EXPECT_EQ(::SendMessageA(h.memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 40);
  // Typing past the last line widens the range.
  h.memo->SetSelStart(static_cast<int>(h.memo->Text().size()));
  for (char c : String("x\ry\rz\r")) ::SendMessageA(h.memo->Handle(), WM_CHAR, static_cast<WPARAM>(c), 0);
  EXPECT_EQ(h.vbar->Max(), 103);
}

// A bar attached to a memo that already holds its text shows the range at once,
// not only after the next edit or scroll.
TEST(SkinMemo, BarAttachedToAFilledMemoShowsItsRangeAtOnce) {
  for (bool light : {false, true}) {
    BoxForm host;
    TspSkinMemoBase* memo = light ? static_cast<TspSkinMemoBase*>(host.Make<TspSkinMemo2>({10, 10, 200, 120}))
                                  : host.Make<TspSkinMemo>({10, 10, 200, 120});
    memo->SetText(Lines(100));
    auto* bar = host.Make<TspSkinScrollBar>({200, 10, 217, 120});
    bar->SetKind(sbVertical);
    memo->SetVScrollBar(bar);
    EXPECT_TRUE(bar->Enabled()) << (light ? "light memo" : "memo");
    EXPECT_EQ(bar->Max(), 100) << (light ? "light memo" : "memo");
  }
}

// Positions are lines in 32 bits: the bar reaches a line past 65535, which the
// 16-bit thumb word would wrap.
TEST(SkinMemo, BarReachesLinesPastSixteenBits) {
  MemoHost h;
  h.memo->SetText(Lines(70000, ""));
  ASSERT_TRUE(h.vbar->Enabled());
  ASSERT_GE(h.vbar->Max(), 70000);
  h.vbar->SetPosition(66000);
  EXPECT_EQ(::SendMessageA(h.memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 66000);
}

TEST(SkinMemo, WheelScrollsOneLinePerMessage) {
  for (bool light : {false, true}) {
    BoxForm host;
    TMemo* memo = light ? static_cast<TMemo*>(host.Make<TspSkinMemo2>({10, 10, 200, 120}))
                        : static_cast<TMemo*>(host.Make<TspSkinMemo>({10, 10, 200, 120}));
    memo->SetText(Lines(50));
    auto first = [&] { return ::SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0); };
    ::SendMessageA(memo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -3 * WHEEL_DELTA), 0);
    EXPECT_EQ(first(), 1) << "toward the user: one line down";
    ::SendMessageA(memo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(first(), 2);
    ::SendMessageA(memo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(first(), 1) << "away from the user: one line up";
  }
}

// Disabled, the memo draws the lines itself: every whole line of the
// formatting rectangle (as many as the enabled memo shows), from the first
// visible line, in the "edit" record's disabled colour.
TEST(SkinMemo, DisabledMemoDrawsEveryVisibleLineInTheEditsDisabledColour) {
  MemoSkin skin;
  for (bool light : {false, true}) {
    BoxForm host;
    TMemo* memo = nullptr;
    if (light) {
      auto* m = host.Make<TspSkinMemo2>({10, 10, 200, 120});
      m->SetSkinData(&skin.data);
      memo = m;
    } else {
      auto* m = host.Make<TspSkinMemo>({10, 10, 200, 120});
      m->SetSkinData(&skin.data);
      memo = m;
    }
    memo->SetText(Lines(30, "WWWW"));
    ::SendMessageA(memo->Handle(), EM_LINESCROLL, 0, 3);
    RECT formatting{};
    ::SendMessageA(memo->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&formatting));
    TEXTMETRICA metrics{};
    HDC dc = ::GetDC(memo->Handle());
    HGDIOBJ old = ::SelectObject(dc, memo->Font()->Handle());
    ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(memo->Handle(), dc);
    int lineHeight = metrics.tmHeight;
    int whole = (formatting.bottom - formatting.top) / lineHeight;
    ASSERT_GE(whole, 3);
    memo->SetEnabled(false);
    memo->Repaint();
    PumpMessages();
    CapturedPixels shot = CaptureWindow(memo->Handle());
    std::vector<bool> band(whole + 1, false);
    for (int y = formatting.top; y < formatting.bottom && y < shot.Height; ++y)
      for (int x = formatting.left; x < formatting.right && x < shot.Width; ++x)
        if (Px(shot, x, y) == 0x808080) band[(y - formatting.top) / lineHeight] = true;
    for (int i = 0; i < whole; ++i) EXPECT_TRUE(band[i]) << (light ? "light memo" : "memo") << " line " << i;
    EXPECT_FALSE(band[whole]) << "no part line below the whole ones";
    EXPECT_EQ(::SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 3);
  }
}

TEST(SkinMemo, DisablingScrollsBackToTheLeftAndDisablesTheBars) {
  MemoHost h;
  auto* hbar = h.host.Make<TspSkinScrollBar>({10, 120, 200, 137});
  h.memo->SetHScrollBar(hbar);
  h.memo->SetWordWrap(false);
  h.memo->SetText(String(400, 'w') + "\r\n" + Lines(30));
  ::SendMessageA(h.memo->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 60), 0);
  ASSERT_GT(::GetScrollPos(h.memo->Handle(), SB_HORZ), 0);
  EXPECT_TRUE(hbar->Enabled());
  h.memo->SetEnabled(false);
  EXPECT_EQ(::GetScrollPos(h.memo->Handle(), SB_HORZ), 0);
  EXPECT_FALSE(hbar->Enabled());
  EXPECT_FALSE(h.vbar->Enabled());
}

TEST(SkinMemo, FocusAndHoverColoursAndTheHoverEvents) {
  MemoSkin skin;
  for (bool useSkinFontColor : {true, false}) {
    MemoHost h;
    h.memo->UseSkinFontColor = useSkinFontColor;
    h.memo->SetSkinData(&skin.data);
    h.memo->Font()->SetColor(useSkinFontColor ? h.memo->Font()->Color() : clPurple);
    TColor before = h.memo->Font()->Color();
    int entered = 0, left = 0;
    h.memo->OnMouseEnter = TNotifyEvent::Function([&](TObject*) { ++entered; });
    h.memo->OnMouseLeave = TNotifyEvent::Function([&](TObject*) { ++left; });
    h.memo->Perform(CM_MOUSEENTER);
    EXPECT_EQ(h.memo->Font()->Color(), useSkinFontColor ? 0x008000 : before);
    h.memo->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(h.memo->Font()->Color(), useSkinFontColor ? 0x000080 : before);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
    h.memo->SetFocus();
    EXPECT_EQ(h.memo->Font()->Color(), useSkinFontColor ? 0x008000 : before);
  }
}

TEST(SkinMemo, DefaultLookAndSkinnedLookKeepTheTextInsideTheFrame) {
  MemoSkin skin;
  for (bool skinned : {false, true}) {
    MemoHost h;
    if (skinned) h.memo->SetSkinData(&skin.data);
    EXPECT_EQ(h.memo->SkinRecordIndex() != -1, skinned);
    h.memo->SetText("abc");
    h.memo->Repaint();
    PumpMessages();
    CapturedPixels shot = CaptureWindow(h.memo->Handle());
    TRect text = h.memo->TextRect();
    if (skinned) {
      EXPECT_EQ(Px(shot, 1, 1), kFace);
      EXPECT_EQ(text.Left, 4 + 1);
      EXPECT_EQ(text.Top, 4 + 1);
    } else {
      EXPECT_EQ(Px(shot, 0, 0), ColorToRGB(clBtnShadow));
      EXPECT_EQ(Px(shot, 1, 1), ColorToRGB(clBtnFace));
      EXPECT_EQ(Px(shot, 50, 50), ColorToRGB(clWindow));
      EXPECT_EQ(text, (TRect{3, 2, 186, 108}));
    }
  }
}
