// TspTrayIcon: an icon in the notification area. It shows, changes and removes
// the icon, cycles it through an image list, shows balloon hints, tells single
// from double clicks with the system's double-click time, pops up a skinned menu,
// hides the application to the tray and brings it back, and adds its icon again
// when the taskbar is re-created. The shell is reached through the system-call
// hooks, so a shell without a tray only answers false.
#pragma once

#include <cstddef>
#include <memory>

#include "platform/controls/Forms.h"
#include "platform/controls/WindowSubclass.h"
#include "platform/core/Timer.h"
#include "platform/graphics/ImageList.h"

class TspSkinPopupMenu;

// The notification record of Windows 2000 (488 bytes in the 32-bit program).
struct TspNotifyIconData {
  DWORD cbSize;
  HWND hWnd;
  UINT uID;
  UINT uFlags;
  UINT uCallbackMessage;
  HICON hIcon;
  char szTip[128];
  DWORD dwState;
  DWORD dwStateMask;
  char szInfo[256];
  UINT uTimeout;
  char szInfoTitle[64];
  DWORD dwInfoFlags;
};
#if !defined(_WIN64)
static_assert(sizeof(TspNotifyIconData) == 488, "the shell reads 488 bytes");
static_assert(offsetof(TspNotifyIconData, hIcon) == 20 && offsetof(TspNotifyIconData, szTip) == 24);
static_assert(offsetof(TspNotifyIconData, dwState) == 152 && offsetof(TspNotifyIconData, szInfo) == 160);
static_assert(offsetof(TspNotifyIconData, uTimeout) == 416 && offsetof(TspNotifyIconData, szInfoTitle) == 420);
static_assert(offsetof(TspNotifyIconData, dwInfoFlags) == 484);
#endif

enum TspBalloonHintIcon { spbitNone, spbitInfo, spbitWarning, spbitError };

// The shell's callback message of the icon, and the balloon click it reports.
constexpr UINT WM_TRAYNOTIFY = WM_USER + 1024;
constexpr UINT NIN_BALLOONUSERCLICK_MSG = WM_USER + 5;

using TCycleEvent = TEvent<TObject*, Integer>;

class TspTrayIcon : public TComponent {
public:
  explicit TspTrayIcon(TComponent* owner);
  ~TspTrayIcon() override;

  // ---- published ----
  bool Enabled = true;
  TIcon* Icon() const { return icon_.get(); }  // owned
  void SetIcon(const TIcon* value);
  bool IconVisible() const { return iconVisible_; }
  void SetIconVisible(bool value);
  const String& Hint() const { return hint_; }
  void SetHint(const String& value);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  TCustomImageList* IconList() const { return iconList_; }
  void SetIconList(TCustomImageList* value);
  Integer IconIndex() const { return iconIndex_; }
  void SetIconIndex(Integer value);
  bool CycleIcons() const { return cycleIcons_; }
  void SetCycleIcons(bool value);
  Cardinal AnimateTimerInterval() const { return animateTimerInterval_; }
  void SetAnimateTimerInterval(Cardinal value);
  bool DesignPreview() const { return designPreview_; }
  void SetDesignPreview(bool value);
  TspSkinPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TspSkinPopupMenu* value);
  bool PopupByLeftButton = false;
  bool MinimizedOnStart = false;
  bool MinimizeToTray = false;

  TNotifyEvent OnClick, OnDblClick, OnBalloonHintClick;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TCycleEvent OnCycle;

  // ---- operations ----
  bool ShowBalloonHint(const String& title, const String& text, TspBalloonHintIcon icon);
  bool HideBalloonHint();
  void ShowMainForm();
  void HideMainForm();
  void PopupAtCursor();
  bool Refresh() { return ModifyIcon(); }
  static bool BitmapToIcon(TBitmap* bitmap, TIcon* icon, TColor maskColor);

  virtual bool LoadDefaultIcon() { return true; }
  virtual bool ShowIcon();
  virtual bool HideIcon();
  virtual bool ModifyIcon();
  void Loaded() override;

  // The record kept between calls, the message window and the timers.
  const TspNotifyIconData& IconData() const { return data_; }
  HWND MessageWindow() { return window_.Handle(); }
  TTimer* CycleTimer() const { return cycleTimer_.get(); }
  TTimer* ClickTimer() const { return clickTimer_.get(); }
  void TimerCycle(TObject* sender);
  void TimerClick(TObject* sender);
  static UINT TaskbarCreatedMessage();

protected:
  void Notification(TComponent* component, TOperation operation) override;
  virtual void Click() { OnClick(this); }
  virtual void DblClick() { OnDblClick(this); }
  virtual void CycleIcon();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y) { OnMouseDown(this, button, shift, x, y); }
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y) { OnMouseUp(this, button, shift, x, y); }
  virtual void MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }
  virtual void DoMinimizeToTray();

private:
  bool Designing() const { return HasState(csDesigning); }
  bool InitIcon();
  bool Call(DWORD message);
  bool HandleIconMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void HandleTrayMouse(LPARAM mouseMessage);
  void HookAppProc(TMessage& message);
  void HookFormProc(TMessage& message);
  TWinControl* OwnerControl() const { return dynamic_cast<TWinControl*>(Owner()); }
  void ClickDefaultItem();

  std::unique_ptr<TIcon> icon_;
  bool iconVisible_ = true;
  String hint_;
  bool showHint_ = true;
  TCustomImageList* iconList_ = nullptr;  // borrowed, freed-notified
  Integer iconIndex_ = 0;
  bool cycleIcons_ = false;
  Cardinal animateTimerInterval_ = 0;
  bool designPreview_ = false;
  TspSkinPopupMenu* popupMenu_ = nullptr;  // borrowed, freed-notified
  bool leftPressed_ = false, leftReleased_ = false, doubleClicked_ = false;
  bool previewSwitching_ = false, firstShowPending_ = true;
  TspNotifyIconData data_{};
  TUtilityWindow window_;
  std::unique_ptr<TTimer> cycleTimer_, clickTimer_;
  TWindowSubclass appHook_, formHook_;
};
