// The drop-down host of the framed family. A TRzPopupPanel holds child controls
// (a calendar, a clock, a colour picker) while staying hidden; Popup shows them in
// a borderless pop-up under a control, runs a local message loop until the pop-up
// closes, and answers whether the panel's Close ended it (accepted) or the user
// dismissed it (Escape, a click elsewhere, another application).
#pragma once

#include <memory>

#include "framed/common/RzCommon_Types.h"
#include "framed/controls/RzPanel.h"
#include "platform/controls/ScrollingWinControl.h"

// WM_CLOSEPOPUP (the family's types) is posted to the pop-up's window to end its loop.

// The framed base of the panel and of the pop-up window.
class TRzCustomPopup : public TRzCustomPanel {
public:
  explicit TRzCustomPopup(TComponent* owner);

protected:
  void AdjustClientRect(TRect& rect) override;
  void AlignControls(TControl* control, TRect& rect) override;
  void Paint() override;
};

class TRzPopup;

class TRzPopupPanel : public TRzCustomPopup {
public:
  explicit TRzPopupPanel(TComponent* owner);
  ~TRzPopupPanel() override;

  // Shows the children under `popupControl` until the pop-up closes; true when
  // Close ended it. False at once while a pop-up is already open.
  bool Popup(TControl* popupControl);
  // Ends an open pop-up as accepted; bindable to a child's OnClick.
  void Close(TObject* sender = nullptr);
  bool Active() const { return popup_ != nullptr; }
  TControl* PopupControl() const { return popupControl_; }
  TRzPopup* PopupWindow() const { return popup_; }

  TNotifyEvent OnClose;
  TNotifyEvent OnPopup;

protected:
  // The children's extent inside the frame; the children move to the frame's inside.
  bool CanAutoSize(int& width, int& height) override;
  virtual void DoClose() { OnClose(this); }
  virtual void DoPopup() { OnPopup(this); }
  void DestroyWnd() override;

private:
  void EndPopup(HWND focused);

  TControl* popupControl_ = nullptr;  // borrowed while open
  TRzPopup* popup_ = nullptr;         // owned (component tree) while open
  TScrollingWinControl* rangeForm_ = nullptr;  // borrowed while open: its auto range is suspended
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The borderless window that shows a panel's children while it is open.
class TRzPopup : public TRzCustomPopup {
public:
  explicit TRzPopup(TRzPopupPanel* panel);
  ~TRzPopup() override;

  bool Popup(TControl* control, TAlignment alignment);
  void Close();
  void PostClose();
  // Hides the window and gives the children back to the panel (once).
  void End();
  static void MoveChildren(TWinControl* from, TWinControl* to);
  bool IsOwnWindow(HWND window);
  // Where a window of `width` x `height` drops from a control at `control` (screen
  // coordinates), kept inside `workArea`; it opens above when there is no room below.
  static TPoint Placement(const TRect& control, int width, int height, TAlignment alignment, const TRect& workArea);
  TControl* ActiveControl() const { return activeControl_; }
  bool Cancelled() const { return cancelled_; }
  // Pop-ups in existence (each is freed once, by its panel).
  static int LiveCount();

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

private:
  enum class TLoopEnd { Closed, Dismissed, Gone };
  TLoopEnd RunLoop();

  TControl* control_ = nullptr;           // borrowed while open
  TRzPopupPanel* panel_;                  // borrowed: the owner
  TControl* activeControl_ = nullptr;     // borrowed: a child while open
  bool cancelled_ = true;
  bool ended_ = true;
  bool loopDone_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
