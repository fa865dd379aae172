#include <gtest/gtest.h>

#include "platform/comctrls/ComCtrls.h"
#include "platform/published/ComCtrlsPublished.h"
#include "platform/published/FormDefinition.h"
#include "tests/harness/WindowPump.h"

namespace {

struct HotKeyForm : testing::Test {
  void SetUp() override {
    PublishCommonControlClasses();
    form = NewForm<TForm>(nullptr);
    form->SetBounds(20, 20, 300, 120);
  }
  void TearDown() override { delete form; }
  TForm* form = nullptr;
};

// A key as the keyboard sends it: the control reads the typed character back
// through the scan code.
void PostKeyWithScanCode(HWND window, Word key) {
  const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  ::PostMessageA(window, WM_KEYDOWN, key, 1 | scan);
  ::PostMessageA(window, WM_KEYUP, key, 1 | scan | (1u << 30) | (1u << 31));
}

}  // namespace

// The shortcut goes into the window and comes back from it, also across a new window.
TEST_F(HotKeyForm, TheCombinationRoundTripsThroughTheWindow) {
  auto* hotKey = new THotKey(form);
  hotKey->SetParent(form);
  EXPECT_EQ(hotKey->HotKey(), scAlt | 'A');
  form->Show();
  const TShortCut cases[] = {scCtrl | 'K', scShift | scAlt | VK_F5, 'Q', scNone};
  for (TShortCut shortCut : cases) {
    hotKey->SetHotKey(shortCut);
    EXPECT_EQ(LOWORD(::SendMessageA(hotKey->Handle(), HKM_GETHOTKEY, 0, 0)) & 0xFF, shortCut & 0xFF);
    EXPECT_EQ(hotKey->HotKey(), shortCut);
  }
  hotKey->SetHotKey(scCtrl | 'Z');
  hotKey->RecreateWnd();
  PumpMessages();
  EXPECT_EQ(hotKey->HotKey(), scCtrl | 'Z');
}

// A key the user presses shows as the combination and reports a change.
TEST_F(HotKeyForm, ATypedKeyBecomesTheCombinationAndReportsAChange) {
  auto* hotKey = new THotKey(form);
  hotKey->SetParent(form);
  hotKey->SetHotKey(scNone);
  int changes = 0;
  hotKey->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  form->Show();
  ::SetForegroundWindow(form->Handle());
  hotKey->SetFocus();
  PumpMessages();
  PostKeyWithScanCode(hotKey->Handle(), 'K');
  ASSERT_TRUE(PumpUntil([&] { return changes > 0; }, 3000));
  // A bare letter is an invalid combination by default (hcNone): Alt is added.
  EXPECT_EQ(hotKey->HotKey(), scAlt | 'K');
}

TEST_F(HotKeyForm, DefinitionsStreamTheCombinationAndItsRules) {
  ReadComponentText(form,
                    "object Form: TForm\n"
                    "  object Keys: THotKey\n"
                    "    HotKey = 'Ctrl+F2'\n"
                    "    InvalidKeys = [hcNone]\n"
                    "    Modifiers = [hkCtrl]\n"
                    "  end\n"
                    "end\n");
  auto* keys = dynamic_cast<THotKey*>(form->FindComponent("Keys"));
  ASSERT_NE(keys, nullptr);
  EXPECT_EQ(keys->HotKey(), scCtrl | VK_F2);
  EXPECT_EQ(keys->InvalidKeys(), 1u << hcNone);
  EXPECT_EQ(keys->Modifiers(), 1u << hkCtrl);
  const String written = WriteComponentText(form);
  EXPECT_NE(written.find("HotKey = 'Ctrl+F2'"), String::npos) << written;
  EXPECT_NE(written.find("Modifiers = [hkCtrl]"), String::npos) << written;
}
