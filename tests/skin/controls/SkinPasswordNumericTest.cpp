// The password edit (marks only, cells and scrolling, keys, paste but no copy
// or cut, MaxLength, AutoSelect, word steps, the anchor kept inside the text)
// and the numeric edit (bounds, rewriting, kill-focus rounding, over-long
// numbers, refused characters), and the time edit (masks, the keystroke filter).
#include <gtest/gtest.h>

#include <cstring>

#include "platform/core/LocaleSettings.h"
#include "skin/controls/edits2/SkinNumericEdit.h"
#include "skin/controls/edits2/SkinPasswordEdit.h"
#include "skin/controls/edits2/SkinTimeEdit.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

void PutOnClipboard(const char* text) {
  ::OpenClipboard(nullptr);
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
  std::memcpy(::GlobalLock(memory), text, std::strlen(text) + 1);
  ::GlobalUnlock(memory);
  ::SetClipboardData(CF_TEXT, memory);
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

// Holds modifier keys down in the thread's keyboard state.
struct HeldKeys {
  BYTE keys[256];
  explicit HeldKeys(std::initializer_list<int> held) {
    ::GetKeyboardState(keys);
    for (int k : held) keys[k] = 0x80;
    ::SetKeyboardState(keys);
  }
  ~HeldKeys() {
    for (int k : {VK_SHIFT, VK_CONTROL, VK_MENU}) keys[k] = 0;
    ::SetKeyboardState(keys);
  }
};

void Key(TWinControl* c, Word key, std::initializer_list<int> held = {}) {
  HeldKeys keys(held);
  c->Perform(WM_KEYDOWN, key, 0);
}

void Type(TWinControl* c, const String& text) {
  for (char ch : text) c->Perform(WM_CHAR, static_cast<unsigned char>(ch), 0);
}

struct PasswordHost {
  BoxForm host;
  TspSkinPasswordEdit* edit = host.Make<TspSkinPasswordEdit>({10, 10, 110, 30});  // 100 x 20
};

TColor Px(const CapturedPixels& shot, int x, int y) {
  std::uint32_t p = shot.At(x, y);
  return static_cast<TColor>(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
}

}  // namespace

TEST(SkinPasswordEdit, CellsElevenWideAtHeightTwentyAndScrollingPastEight) {
  PasswordHost h;
  EXPECT_EQ(h.edit->GetEditRect(), (TRect{2, 2, 98, 18}));
  EXPECT_EQ(h.edit->GetPasswordCharWidth(), 11);
  h.edit->SetText("abc");
  h.edit->Repaint();
  PumpMessages();
  CapturedPixels shot = CaptureWindow(h.edit->Handle());
  for (int cell = 0; cell < 4; ++cell) {
    TColor centre = Px(shot, 2 + cell * 11 + 5, 10);
    if (cell < 3) EXPECT_EQ(centre, clBlack) << "a mark in cell " << cell;
    else EXPECT_EQ(centre, ColorToRGB(clWindow)) << "no mark past the text";
  }
  h.edit->AutoSelect = false;
  h.edit->SetFocus();
  h.edit->SetCaretPosition(3);
  Type(h.edit, "defgh");  // eight characters fill the eight whole cells
  EXPECT_EQ(h.edit->FirstVisibleChar(), 1);
  Type(h.edit, "i");
  EXPECT_EQ(h.edit->Text(), "abcdefghi");
  EXPECT_EQ(h.edit->FirstVisibleChar(), 2);
  Key(h.edit, VK_HOME);
  EXPECT_EQ(h.edit->CaretPosition(), 0);
  EXPECT_EQ(h.edit->FirstVisibleChar(), 1);
}

TEST(SkinPasswordEdit, PastesButNeverCopiesOrCuts) {
  PasswordHost h;
  h.edit->AutoSelect = false;
  h.edit->SetFocus();
  h.edit->SetText("secret");
  h.edit->SelectAll();
  PutOnClipboard("kept");
  Key(h.edit, 'C', {VK_CONTROL});
  Key(h.edit, 'X', {VK_CONTROL});
  EXPECT_EQ(ClipboardText(), "kept");
  EXPECT_EQ(h.edit->Text(), "secret");
  Key(h.edit, 'V', {VK_CONTROL});
  EXPECT_EQ(h.edit->Text(), "kept");
  Key(h.edit, VK_INSERT, {VK_SHIFT});
  EXPECT_EQ(h.edit->Text(), "keptkept");
  h.edit->ReadOnly = true;
  Key(h.edit, 'V', {VK_CONTROL});
  Key(h.edit, VK_BACK);
  Type(h.edit, "z");
  EXPECT_EQ(h.edit->Text(), "keptkept") << "ReadOnly refuses paste, deletion and typing";
  h.edit->InsertAfter(1, "X", false);
  EXPECT_EQ(h.edit->Text(), "kXeptkept") << "but not InsertAfter";
}

TEST(SkinPasswordEdit, MaxLengthRefusesWholeInsertions) {
  PasswordHost h;
  h.edit->AutoSelect = false;
  h.edit->MaxLength = 5;
  h.edit->SetFocus();
  Type(h.edit, "abcde");
  Type(h.edit, "f");
  EXPECT_EQ(h.edit->Text(), "abcde");
  PutOnClipboard("xy");
  h.edit->SetCaretPosition(2);
  Key(h.edit, 'V', {VK_CONTROL});
  EXPECT_EQ(h.edit->Text(), "abcde");
  h.edit->InsertAfter(1, "123", true);  // cut to the room left
  EXPECT_EQ(h.edit->Text(), "abcde");
}

TEST(SkinPasswordEdit, AutoSelectOnFocusThenTypingReplacesEverything) {
  PasswordHost h;
  auto* other = h.host.Make<TspSkinPasswordEdit>({10, 40, 110, 60});
  h.edit->SetText("hello");
  other->SetFocus();
  h.edit->SetFocus();
  EXPECT_EQ(h.edit->CaretPosition(), 0);
  EXPECT_EQ(h.edit->SelStart(), 0);
  EXPECT_EQ(h.edit->SelLength(), 5);
  Type(h.edit, "x");
  EXPECT_EQ(h.edit->Text(), "x");
}

TEST(SkinPasswordEdit, CaretKeysWordStepsAndShiftSelection) {
  struct Case {
    const char* what;
    Integer from;
    Word key;
    std::initializer_list<int> held;
    Integer caret, selStart, selLength;
  };
  const Case cases[] = {
      {"left", 5, VK_LEFT, {}, 4, 4, 0},
      {"right at the end stays", 15, VK_RIGHT, {}, 15, 15, 0},
      {"ctrl+right to the next word", 0, VK_RIGHT, {VK_CONTROL}, 4, 4, 0},
      {"ctrl+right from inside the last word", 10, VK_RIGHT, {VK_CONTROL}, 15, 15, 0},
      {"ctrl+left to the word's start", 7, VK_LEFT, {VK_CONTROL}, 4, 4, 0},
      {"ctrl+left over spaces", 4, VK_LEFT, {VK_CONTROL}, 0, 0, 0},
      {"shift+left selects one", 5, VK_LEFT, {VK_SHIFT}, 4, 4, 1},
      {"shift+right selects one", 5, VK_RIGHT, {VK_SHIFT}, 6, 5, 1},
      {"shift+home selects to the start", 5, VK_HOME, {VK_SHIFT}, 0, 0, 5},
      {"shift+end selects to the end", 5, VK_END, {VK_SHIFT}, 15, 5, 10},
  };
  for (const Case& c : cases) {
    PasswordHost h;
    h.edit->AutoSelect = false;
    h.edit->SetText("one two   three");
    h.edit->SetCaretPosition(c.from);
    Key(h.edit, c.key, c.held);
    EXPECT_EQ(h.edit->CaretPosition(), c.caret) << c.what;
    EXPECT_EQ(h.edit->SelStart(), c.selStart) << c.what;
    EXPECT_EQ(h.edit->SelLength(), c.selLength) << c.what;
  }
}

// The anchor is kept inside the text: a caret set past the end selects nothing
// beyond it.
TEST(SkinPasswordEdit, AnchorClampedToTheText) {
  PasswordHost h;
  h.edit->SetText("abc");
  h.edit->SetCaretPosition(100);
  EXPECT_EQ(h.edit->CaretPosition(), 3);
  EXPECT_EQ(h.edit->SelStart(), 3);
  h.edit->SetSelLength(-2);
  EXPECT_EQ(h.edit->SelStart(), 1);
  EXPECT_EQ(h.edit->SelText(), "bc");
  h.edit->SetCaretPosition(-5);
  EXPECT_EQ(h.edit->CaretPosition(), 0);
}

TEST(SkinPasswordEdit, CharCaseAndBackspaceDelete) {
  PasswordHost h;
  h.edit->AutoSelect = false;
  h.edit->SetText("aBc");
  h.edit->SetCharCase(ecUpperCase);
  EXPECT_EQ(h.edit->Text(), "ABC");
  int changes = 0;
  h.edit->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  h.edit->SetCaretPosition(2);
  Key(h.edit, VK_BACK);
  EXPECT_EQ(h.edit->Text(), "AC");
  EXPECT_EQ(h.edit->CaretPosition(), 1);
  Key(h.edit, VK_DELETE);
  EXPECT_EQ(h.edit->Text(), "A");
  EXPECT_EQ(changes, 2);
}

TEST(SkinNumericEdit, BoundsRewriteAndAnyValueWithoutBounds) {
  BoxForm host;
  auto* edit = host.Make<TspSkinNumericEdit>();
  edit->SetText("");
  Type(edit, "123456");
  EXPECT_EQ(edit->Value(), 123456) << "MinValue = MaxValue accepts any value";
  edit->MinValue = 1;
  edit->MaxValue = 10;
  edit->SetText("");
  Type(edit, "5");
  EXPECT_EQ(edit->Value(), 5);
  Type(edit, "0");
  EXPECT_EQ(edit->Text(), "10");
  EXPECT_EQ(edit->Value(), 10);
  Type(edit, "x");
  EXPECT_EQ(edit->Text(), "10") << "letters are refused";
}

// A number too large for an integer is clamped to the integer range; nothing raises.
TEST(SkinNumericEdit, OverLongNumberIsClamped) {
  BoxForm host;
  auto* edit = host.Make<TspSkinNumericEdit>();
  EXPECT_NO_THROW(edit->SetText(String(30, '9')));
  EXPECT_EQ(edit->Value(), 2147483647.0);
  EXPECT_EQ(edit->Text(), "2147483647");
  EXPECT_NO_THROW(edit->SetText("-" + String(30, '9')));
  EXPECT_EQ(edit->Value(), -2147483648.0);
}

TEST(SkinNumericEdit, KillFocusRoundsAFloatToItsDecimalsAndReports) {
  BoxForm host;
  auto* edit = host.Make<TspSkinNumericEdit>();
  auto* other = host.Make<TspSkinNumericEdit>({10, 40, 130, 60});
  edit->ValueType = vtFloat;
  edit->SetValue(1.25);
  EXPECT_EQ(edit->Text(), "1.25");
  edit->SetValue(1.005);
  int changes = 0;
  edit->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  edit->SetFocus();
  other->SetFocus();
  EXPECT_EQ(edit->Text(), "1.00");
  EXPECT_EQ(edit->Value(), 1.0);
  EXPECT_EQ(changes, 1);
  edit->SupportUpDownKeys = true;
  edit->Increment = 0.5;
  Key(edit, VK_UP);
  EXPECT_EQ(edit->Value(), 1.5);
}

TEST(SkinTimeEdit, MasksByModeAndTheKeystrokeFilter) {
  TLocaleOverride locale(TLocaleSettings::English());
  struct Case {
    bool seconds, milliseconds;
    const char* mask;
    const char* empty;
  };
  const Case cases[] = {{false, false, "!90:00;1; ", "00:00"},
                        {true, false, "!90:00:00;1; ", "00:00:00"},
                        {true, true, "!90:00:00.000;1; ", "00:00:00.000"}};
  for (const Case& c : cases) {
    BoxForm host;
    auto* edit = host.Make<TspSkinTimeEdit>();
    edit->SetShowMilliseconds(c.milliseconds);
    edit->SetShowSeconds(c.seconds);
    EXPECT_EQ(edit->EditMask(), c.mask);
    EXPECT_EQ(edit->Text(), c.empty);
  }
  BoxForm host;
  auto* edit = host.Make<TspSkinTimeEdit>();
  edit->SetFocus();
  edit->SetSelStart(0);
  edit->SetSelLength(0);
  Type(edit, "24");
  EXPECT_EQ(edit->Text().substr(0, 2), "24");
  edit->SetSelStart(3);
  Type(edit, "3");
  EXPECT_EQ(edit->Text(), "24:00:00") << "24:3x is no time";
  edit->SetTime("01:02:03");
  EXPECT_EQ(edit->Milliseconds(), 0) << "no milliseconds field: 0";
  edit->SetShowMilliseconds(true);
  edit->SetTime("01:02:03.004");
  EXPECT_EQ(edit->Milliseconds(), ((1 * 60 + 2) * 60 + 3) * 1000 + 4);
  edit->SetTime("ab:cd:ef.ghi");
  EXPECT_EQ(edit->Text(), "00:00:00.000");
}
