// The tray icon: the record it hands the shell (tip and balloon texts cut to
// their fields), single against double clicks on the system's double-click
// timer, cycling through an image list, the icon of a list without images,
// re-adding after the taskbar is re-created, and starting hidden in the tray.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/Application.h"
#include "platform/controls/Menus.h"
#include "platform/core/SystemCalls.h"
#include "skin/form/TrayIcon.h"
#include "skin/menus/SkinPopupMenu.h"

namespace {

// Records every call to the shell and answers `answer`.
struct ShellRecorder {
  struct Call {
    DWORD message;
    TspNotifyIconData data;
  };
  std::vector<Call> calls;
  BOOL answer = TRUE;
  ShellRecorder() {
    SystemCalls().ShellNotifyIcon = [this](DWORD message, PNOTIFYICONDATAA data) {
      calls.push_back({message, *reinterpret_cast<TspNotifyIconData*>(data)});
      return answer;
    };
  }
  ~ShellRecorder() { RestoreSystemCalls(); }
  int Count(DWORD message) const {
    int n = 0;
    for (const Call& c : calls) n += c.message == message ? 1 : 0;
    return n;
  }
};

void Tray(TspTrayIcon& icon, UINT mouse) { ::SendMessageA(icon.MessageWindow(), WM_TRAYNOTIFY, 1, mouse); }

TBitmap* Solid(TColor color) {
  auto* b = new TBitmap(16, 16);
  b->Canvas()->Brush()->SetColor(color);
  b->Canvas()->FillRect(TRect{0, 0, 16, 16});
  return b;
}

}  // namespace

TEST(TrayIcon, TheRecordCarriesTheIconTipAndBalloonCutToTheirFields) {
  ShellRecorder shell;
  TspTrayIcon tray(nullptr);
  tray.SetHint(std::string(200, 'h'));
  ASSERT_EQ(shell.calls.size(), 1u);
  const TspNotifyIconData& d = shell.calls.back().data;
  EXPECT_EQ(shell.calls.back().message, DWORD(NIM_MODIFY));
  EXPECT_EQ(d.cbSize, sizeof(TspNotifyIconData));
  EXPECT_EQ(d.hWnd, tray.MessageWindow());
  EXPECT_EQ(d.uID, 1u);
  EXPECT_EQ(d.uFlags, 7u);
  EXPECT_EQ(d.uCallbackMessage, 2048u);
  EXPECT_EQ(d.hIcon, tray.Icon()->Handle());
  EXPECT_EQ(std::string(d.szTip), std::string(127, 'h'));

  tray.SetShowHint(false);
  EXPECT_STREQ(shell.calls.back().data.szTip, "");

  shell.calls.clear();
  EXPECT_TRUE(tray.ShowBalloonHint(std::string(80, 't'), std::string(300, 'x'), spbitWarning));
  ASSERT_EQ(shell.calls.size(), 2u) << "the old balloon is hidden first";
  EXPECT_EQ(shell.calls[0].data.uFlags, 7u | NIF_INFO);
  EXPECT_STREQ(shell.calls[0].data.szInfo, "");
  const TspNotifyIconData& b = shell.calls[1].data;
  EXPECT_EQ(b.uFlags, 7u | NIF_INFO);
  EXPECT_EQ(std::string(b.szInfoTitle), std::string(63, 't'));
  EXPECT_EQ(std::string(b.szInfo), std::string(255, 'x'));
  EXPECT_EQ(b.dwInfoFlags, 2u);
  EXPECT_EQ(tray.IconData().uFlags, 7u) << "plain calls again after the balloon";

  shell.answer = FALSE;
  EXPECT_FALSE(tray.Refresh()) << "a shell without a tray answers false";
}

TEST(TrayIcon, ASingleClickWaitsForTheDoubleClickTimeADoubleClickRunsTheDefaultItem) {
  ShellRecorder shell;
  TspTrayIcon tray(nullptr);
  std::vector<String> events;
  tray.OnClick = TNotifyEvent::Function([&](TObject*) { events.push_back("click"); });
  tray.OnDblClick = TNotifyEvent::Function([&](TObject*) { events.push_back("dblclick"); });
  TspSkinPopupMenu menu(nullptr);
  auto* other = new TMenuItem(&menu);
  auto* open = new TMenuItem(&menu);
  open->SetDefault(true);
  open->OnClick = TNotifyEvent::Function([&](TObject*) { events.push_back("default"); });
  menu.Items()->Add(other);
  menu.Items()->Add(open);
  tray.SetPopupMenu(&menu);
  EXPECT_EQ(tray.ClickTimer()->Interval(), ::GetDoubleClickTime());

  Tray(tray, WM_LBUTTONDOWN);
  Tray(tray, WM_LBUTTONUP);
  EXPECT_TRUE(events.empty()) << "not before the double-click time";
  tray.TimerClick(nullptr);
  EXPECT_EQ(events, (std::vector<String>{"click"}));

  events.clear();
  Tray(tray, WM_LBUTTONDOWN);
  Tray(tray, WM_LBUTTONUP);
  Tray(tray, WM_LBUTTONDBLCLK);
  Tray(tray, WM_LBUTTONUP);
  tray.TimerClick(nullptr);
  EXPECT_EQ(events, (std::vector<String>{"dblclick", "default"}));

  events.clear();
  Tray(tray, WM_LBUTTONDOWN);
  tray.TimerClick(nullptr);  // held longer than the double-click time
  Tray(tray, WM_LBUTTONUP);
  EXPECT_EQ(events, (std::vector<String>{"click"}));

  events.clear();
  tray.Enabled = false;
  Tray(tray, WM_LBUTTONDOWN);
  Tray(tray, WM_LBUTTONUP);
  tray.TimerClick(nullptr);
  EXPECT_TRUE(events.empty());
}

TEST(TrayIcon, CyclingWalksTheListAndAListWithoutImagesKeepsTheIcon) {
  ShellRecorder shell;
  TspTrayIcon tray(nullptr);
  TCustomImageList list(nullptr);
  list.SetSize(16, 16);
  for (TColor c : {clRed, clLime, clBlue}) {
    std::unique_ptr<TBitmap> b(Solid(c));
    list.AddMasked(b.get(), clFuchsia);
  }
  tray.SetIconList(&list);
  tray.SetIconIndex(7);
  EXPECT_EQ(tray.IconIndex(), 2) << "beyond the end: the last";

  std::vector<Integer> next, shown;
  tray.OnCycle = TCycleEvent::Function([&](TObject*, Integer n) {
    next.push_back(n);
    shown.push_back(tray.IconIndex());
  });
  tray.SetCycleIcons(true);
  EXPECT_TRUE(tray.CycleTimer()->Enabled());
  for (int i = 0; i < 3; ++i) tray.TimerCycle(nullptr);
  EXPECT_EQ(next, (std::vector<Integer>{1, 2, 0}));
  EXPECT_EQ(shown, (std::vector<Integer>{0, 1, 2}));
  EXPECT_EQ(tray.IconIndex(), 0);

  const HICON before = tray.Icon()->Handle();
  TCustomImageList empty(nullptr);
  tray.SetIconList(&empty);
  EXPECT_EQ(tray.IconIndex(), -1);
  EXPECT_EQ(tray.Icon()->Handle(), before) << "no picture to take: the icon stays";
  tray.TimerCycle(nullptr);
  EXPECT_EQ(tray.Icon()->Handle(), before);
  tray.SetIconList(nullptr);
}

TEST(TrayIcon, ARecreatedTaskbarGetsOnlyAVisibleIconBack) {
  ShellRecorder shell;
  TspTrayIcon tray(nullptr);
  tray.SetIconVisible(true);
  shell.calls.clear();
  ::SendMessageA(Application.Handle(), TspTrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_EQ(shell.Count(NIM_ADD), 1);

  tray.SetIconVisible(false);
  shell.calls.clear();
  ::SendMessageA(Application.Handle(), TspTrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(shell.calls.empty());
}

TEST(TrayIcon, MinimizedOnStartKeepsTheMainFormHiddenAndShowsTheIcon) {
  ShellRecorder shell;
  TForm* main = nullptr;
  Application.CreateForm(main);
  auto* tray = new TspTrayIcon(main);
  tray->MinimizedOnStart = true;
  tray->Loaded();
  EXPECT_FALSE(Application.ShowMainForm);
  EXPECT_TRUE(tray->MinimizeToTray);
  EXPECT_TRUE(tray->IconVisible());
  EXPECT_EQ(shell.Count(NIM_ADD), 1);
  EXPECT_FALSE(::IsWindowVisible(Application.Handle()));

  tray->ShowMainForm();
  EXPECT_TRUE(main->Visible());
  tray->HideMainForm();
  EXPECT_FALSE(main->Visible());
  Application.ShowMainForm = true;
  delete main;  // the tray goes with its owner, taking the icon away
  EXPECT_EQ(shell.calls.back().message, DWORD(NIM_DELETE));
}

TEST(TrayIcon, ABitmapBecomesAnIcon) {
  std::unique_ptr<TBitmap> b(Solid(clRed));
  TIcon icon;
  EXPECT_TRUE(TspTrayIcon::BitmapToIcon(b.get(), &icon, clFuchsia));
  EXPECT_NE(icon.Handle(), nullptr);
}
