// The edit base and the skinned edit: ReadOnly filters, the context menu's
// items and captions, Enter and Esc as dialog keys, the edit button's click,
// the URL edit's targets, and disabled painting.
#include <gtest/gtest.h>

#include "platform/core/SystemCalls.h"
#include "platform/stdctrls/Button.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinURLEdit.h"
#include "skin/data/ResourceStrData.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

// Records the context menu's showing instead of a skinned menu.
struct MenuRecorder {
  TspEditMenuHooks saved = SPEditMenuHooks();
  TPopupMenu* menu = nullptr;
  TPoint at{-1, -1};
  int shown = 0;
  TspSkinData* formData = nullptr;
  MenuRecorder() {
    SPEditMenuHooks().Popup2 = [this](TPopupMenu* m, TControl*, int x, int y) {
      menu = m;
      at = {x, y};
      ++shown;
    };
    SPEditMenuHooks().FormSkinData = [this](TCustomForm*) { return formData; };
  }
  ~MenuRecorder() { SPEditMenuHooks() = saved; }
  // The items' enabled states, "U-CPD-S" order, as 1 and 0.
  String Enabled() const {
    String s;
    for (int i = 0; i < menu->Items()->Count(); ++i) {
      TMenuItem* item = menu->Items()->Items(i);
      s += item->Caption() == "-" ? '-' : item->Enabled() ? '1' : '0';
    }
    return s;
  }
};

struct EditHost {
  BoxForm host;
  TspSkinEdit* edit = host.Make<TspSkinEdit>({10, 10, 150, 30});
  EditHost() { edit->SetText("hello"); }
};

TEST(SkinEdit, ReadOnlyFiltersEditingButKeepsCopy) {
  struct Case {
    const char* what;
    UINT msg;
    WPARAM wParam;
    bool changesText;
  };
  const Case cases[] = {
      {"typing", WM_CHAR, 'x', true},
      {"delete key", WM_KEYDOWN, VK_DELETE, true},
      {"cut", WM_CUT, 0, true},
      {"paste", WM_PASTE, 0, true},
      {"clear", WM_CLEAR, 0, true},
      {"backspace", WM_CHAR, 8, true},
  };
  for (const Case& c : cases) {
    for (bool readOnly : {false, true}) {
      EditHost h;
      ::OpenClipboard(nullptr);
      ::EmptyClipboard();
      HGLOBAL text = ::GlobalAlloc(GMEM_MOVEABLE, 4);
      std::memcpy(::GlobalLock(text), "abc", 4);
      ::GlobalUnlock(text);
      ::SetClipboardData(CF_TEXT, text);
      ::CloseClipboard();
      h.edit->SetReadOnly(readOnly);
      h.edit->SelectAll();
      ::SendMessageA(h.edit->Handle(), c.msg, c.wParam, 0);
      bool changed = h.edit->Text() != "hello";
      EXPECT_EQ(changed, c.changesText && !readOnly) << c.what << (readOnly ? " (read-only)" : "");
    }
  }
  EditHost h;
  h.edit->SetReadOnly(true);
  h.edit->SelectAll();
  ::OpenClipboard(nullptr);
  ::EmptyClipboard();
  ::CloseClipboard();
  ::SendMessageA(h.edit->Handle(), WM_CHAR, 3, 0);  // Ctrl+C
  EXPECT_EQ(h.edit->Text(), "hello");
  ::OpenClipboard(nullptr);
  HANDLE copied = ::GetClipboardData(CF_TEXT);
  String clip = copied ? static_cast<const char*>(::GlobalLock(copied)) : "";
  if (copied) ::GlobalUnlock(copied);
  ::CloseClipboard();
  EXPECT_EQ(clip, "hello") << "Ctrl+C copies from a read-only edit";
}

TEST(SkinEdit, ContextMenuEnablingRows) {
  struct Case {
    const char* what;
    bool readOnly;
    int selStart, selLength;
    const char* enabled;  // Undo - Cut Copy Paste Delete - SelectAll
  };
  const Case cases[] = {
      {"nothing selected", false, 0, 0, "0-0010-1"},
      {"part selected", false, 1, 2, "0-1111-1"},
      {"all selected", false, 0, 5, "0-1111-0"},
      {"read-only with a selection", true, 1, 2, "0-0100-1"},
  };
  for (const Case& c : cases) {
    EditHost h;
    MenuRecorder menus;
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    HGLOBAL text = ::GlobalAlloc(GMEM_MOVEABLE, 2);
    std::memcpy(::GlobalLock(text), "z", 2);
    ::GlobalUnlock(text);
    ::SetClipboardData(CF_TEXT, text);
    ::CloseClipboard();
    h.edit->SetReadOnly(c.readOnly);
    h.edit->SetSelStart(c.selStart);
    h.edit->SetSelLength(c.selLength);
    h.edit->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(50, 50));
    ASSERT_EQ(menus.shown, 1) << c.what;
    EXPECT_EQ(menus.Enabled(), c.enabled) << c.what;
  }
}

TEST(SkinEdit, KeyboardMenuAtTheCentreAndFreedAfterTheCommand) {
  EditHost h;
  MenuRecorder menus;
  h.edit->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1));
  TPoint origin = h.edit->ClientOrigin();
  EXPECT_EQ(menus.at, (TPoint{origin.X + h.edit->Width() / 2, origin.Y + h.edit->Height() / 2}));
  EXPECT_NE(h.edit->ContextMenu(), nullptr);
  h.edit->Perform(WM_AFTERDISPATCH);
  EXPECT_EQ(h.edit->ContextMenu(), nullptr);
}

TEST(SkinEdit, MenuCaptionsFallBackToTheBuiltInTexts) {
  EditHost h;
  MenuRecorder menus;
  BoxSkin skin;
  TspResourceStrData strings(nullptr);
  TStringList lines;
  lines.Add("EDIT_COPY=Kopieren");
  strings.SetResStrs(&lines);
  skin.data.SetResourceStrData(&strings);
  menus.formData = &skin.data;
  h.edit->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(menus.menu->Items()->Items(3)->Caption(), "Kopieren");
  EXPECT_EQ(menus.menu->Items()->Items(2)->Caption(), "Cut") << "a name the skin lacks keeps the built-in text";
  skin.data.SetResourceStrData(nullptr);
}

TEST(SkinEdit, EnterAndEscPressTheDefaultAndCancelButtons) {
  EditHost h;
  int ok = 0, cancel = 0;
  auto* okButton = h.host.Make<TButton>({10, 100, 80, 125});
  okButton->SetDefault(true);
  okButton->OnClick = TNotifyEvent::Function([&](TObject*) { ++ok; });
  auto* cancelButton = h.host.Make<TButton>({90, 100, 160, 125});
  cancelButton->SetCancel(true);
  cancelButton->OnClick = TNotifyEvent::Function([&](TObject*) { ++cancel; });
  h.edit->SetFocus();
  PostKey(h.edit->Handle(), VK_RETURN);
  PumpUntil([&] { return ok > 1; }, 300);
  PostKey(h.edit->Handle(), VK_ESCAPE);
  PumpUntil([&] { return cancel > 1; }, 300);
  EXPECT_EQ(ok, 1);
  EXPECT_EQ(cancel, 1);
  EXPECT_EQ(h.edit->Text(), "hello") << "nothing inserted";
}

TEST(SkinEdit, ButtonClickNeedsPressAndReleaseOnTheButton) {
  EditHost h;
  h.edit->SetButtonMode(true);
  int clicks = 0;
  h.edit->OnButtonClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  const WPARAM button = HTHSCROLL;
  h.edit->Perform(WM_NCLBUTTONUP, button, 0);
  EXPECT_EQ(clicks, 0) << "a release without a press";
  h.edit->Perform(WM_NCLBUTTONDOWN, button, 0);
  h.edit->Perform(WM_NCLBUTTONUP, button, 0);
  EXPECT_EQ(clicks, 1);
}

TEST(SkinEdit, RecordPinsTheHeightDefaultKeepsAnySize) {
  EditHost h;
  h.edit->SetHeight(40);
  EXPECT_EQ(h.edit->Height(), 40);
  BoxSkin skin;
  h.edit->SetSkinData(&skin.data);
  EXPECT_EQ(h.edit->Height(), 20);
  h.edit->SetHeight(33);
  EXPECT_EQ(h.edit->Height(), 20);
  EXPECT_EQ(h.edit->Text(), "hello") << "the recreated window keeps the text";
  EXPECT_EQ(h.edit->Font()->Color(), 0x000080);
}

TEST(SkinEdit, DisabledPasswordEditPaintsMaskCharacters) {
  EditHost h;
  h.edit->SetText("WWWW");
  h.edit->SetPasswordChar('.');
  h.edit->SetEnabled(false);
  h.edit->Repaint();
  PumpMessages();
  CapturedPixels shot = CaptureClient(h.edit->Handle());
  int dark = 0;
  for (int y = 0; y < shot.Height; ++y)
    for (int x = 0; x < shot.Width; ++x) dark += (shot.At(x, y) & 0xFF) < 0xA0;
  // Four "W" would darken far more pixels than four dots.
  EXPECT_LT(dark, 40);
}

TEST(SkinURLEdit, OnlyWebAndMailTargetsOpen) {
  struct Case {
    TspURLLinkType type;
    const char* text;
    const char* target;
  };
  const Case cases[] = {
      {spltHTTP, "http://example.org", "http://example.org"},
      {spltHTTP, "HTTPS://example.org/a", "HTTPS://example.org/a"},
      {spltHTTP, "example.org", "http://example.org"},
      {spltHTTP, "mailto:a@b.c", "mailto:a@b.c"},
      {spltHTTP, "file:///c:/windows", ""},
      {spltHTTP, "C:\\Windows\\notepad.exe", ""},
      {spltHTTP, "calc", ""},
      {spltHTTP, "", ""},
      {spltMail, "a@b.c", "mailto:a@b.c"},
      {spltMail, "nobody", ""},
  };
  for (const Case& c : cases) {
    BoxForm host;
    auto* edit = host.Make<TspSkinURLEdit>({10, 10, 200, 30});
    edit->LinkType = c.type;
    edit->SetText(c.text);
    EXPECT_EQ(edit->LinkTarget(), c.target) << c.text;
  }
  BoxForm host;
  auto* edit = host.Make<TspSkinURLEdit>({10, 10, 200, 30});
  edit->SetText("example.org");
  String opened;
  TSystemCalls saved = SystemCalls();
  SystemCalls().ShellExecute = [&](HWND, const String&, const String& file, const String&, const String&, int) {
    opened = file;
    return reinterpret_cast<HINSTANCE>(33);
  };
  edit->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(3, 5));
  edit->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
  edit->Perform(WM_LBUTTONUP, 0, MAKELPARAM(3, 5));
  SystemCalls() = saved;
  EXPECT_EQ(opened, "http://example.org");
}

}  // namespace
