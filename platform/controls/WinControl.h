// TWinControl: a control with a window of its own and child controls, the keyboard
// focus and the tab order. Its window side (creation, the window procedure) is in
// WinControlWindow.cpp, its keyboard handling in WinControlKeys.cpp.
#pragma once

#include <vector>

#include "platform/controls/Control.h"

// The parameters a window is created with; descendants change them in CreateParams.
struct TCreateParams {
  String Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  Integer X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSA WindowClass = {};  // its style field is the window-class style (CS_*)
  String WinClassName;
};

// The window is destroyed by ~TWinControl, after a descendant's own part is gone;
// a descendant that handles WM_DESTROY or WM_NCDESTROY itself calls
// DestroyHandle in its own destructor.
class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, created on first request.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window and makes it again with fresh CreateParams.
  void RecreateWnd();
  // The window of another program part to parent this control's window to when it
  // has no parent control.
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND window);

  // Children in the order they were inserted (brought to the front: moved last).
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(const TControl* control) const;
  // The visible child at a client point (windowless children first, as they are
  // painted on top of the parent); nullptr when none.
  TControl* ControlAtPos(const TPoint& pos, bool allowDisabled, bool allowWinControls = false) const;
  // Sends a message to every child; stops at the first that answers non-zero.
  void Broadcast(TMessage& message);

  void DisableAlign();
  void EnableAlign();
  void Realign();
  // Moves every child by (deltaX, deltaY), repaints the client area and realigns.
  void ScrollBy(int deltaX, int deltaY);
  bool AlignDisabled() const { return alignLevel_ > 0; }
  // Space kept free inside the client area's edges for the aligned children.
  Integer BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(Integer value);
  // Kept for the controls that ask for it; painting is not buffered by the layer.
  bool DoubleBuffered = false;

  // Three-dimensional look of the system-drawn border: the parent's while
  // ParentCtl3D is on. A change sends CM_CTL3DCHANGED to the control and to every
  // windowed child that follows it.
  bool Ctl3D() const;
  void SetCtl3D(bool value);
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool value);
  // Kept and streamed: input-method settings and the dock-site switches.
  TImeMode ImeMode = imDontCare;
  String ImeName;
  bool DockSite = false;
  bool UseDockManager = false;
  TDockDropEvent OnDockDrop;
  TDockOverEvent OnDockOver;
  TUnDockEvent OnUnDock;
  TGetSiteInfoEvent OnGetSiteInfo;

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  int TabOrder() const;
  void SetTabOrder(int value);
  // Windowed children in tab order (recursively when `deep`).
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  // Paints the windowless children on `dc` (client coordinates of this control),
  // from `first` on (nullptr: all).
  void PaintControls(HDC dc, TControl* first);
  // Paints the control's own face (not its children) on `dc`: what a parent's
  // picture under a see-through child is made of.
  virtual void PaintWindow(HDC dc);

  // The control that owns a window of this thread, nullptr for a foreign window.
  static TWinControl* FindControl(HWND window);

protected:
  friend class TControl;
  friend class TApplication;
  friend class TCustomForm;

  virtual void CreateParams(TCreateParams& params);
  // Makes the window of a system window class (such as "EDIT") under the
  // control's own class name; its messages fall through to that class.
  void CreateSubClass(TCreateParams& params, const char* controlClassName);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  void CreateHandle();
  void DestroyHandle();

  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  virtual void AlignControls(TControl* control, TRect& rect);
  // The area AlignControls lays the children out in: the client rectangle less
  // BorderWidth on every side.
  virtual void AdjustClientRect(TRect& rect);
  void Loaded() override;
  void WMContextMenu(TMessage& message) override;
  void SetZOrder(bool topMost) override;
  String GetText() const override;
  void SetTextValue(const String& value) override;
  virtual void KeyDown(Word& key, TShiftState shift);
  virtual void KeyUp(Word& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void DoEnter() { OnEnter(this); }
  virtual void DoExit() { OnExit(this); }
  bool DoKeyDown(TMessage& message);
  bool DoKeyUp(TMessage& message);
  bool DoKeyPress(TMessage& message);
  // Reads the window's present bounds into the fields (after a move or resize
  // from outside) and realigns when the size changed.
  void UpdateBounds();
  // Shows or hides the window to match Visible and the parent's showing.
  void UpdateShowing();

  // Message handlers of windowed controls.
  virtual void WMPaint(TMessage& message);
  virtual void WMEraseBkgnd(TMessage& message);
  virtual void WMWindowPosChanged(TMessage& message);
  virtual void WMSize(TMessage& message) {}
  virtual void WMMove(TMessage& message) {}
  virtual void WMSetFocus(TMessage& message);
  virtual void WMKillFocus(TMessage& message);
  virtual void WMSetCursor(TMessage& message);
  virtual void WMCommand(TMessage& message);
  virtual void WMNotify(TMessage& message);
  virtual void CNKeyDown(TMessage& message);
  virtual void CNChar(TMessage& message);
  virtual void CMEnter(TMessage& message) { DoEnter(); }
  virtual void CMExit(TMessage& message) { DoExit(); }
  virtual void CMDialogKey(TMessage& message) { Broadcast(message); }
  virtual void CMDialogChar(TMessage& message) { Broadcast(message); }
  virtual void CMFocusChanged(TMessage& message) { Broadcast(message); }
  virtual void CMCtl3DChanged(TMessage& message) {}
  void CMEnabledChanged(TMessage& message) override;
  void CMVisibleChanged(TMessage& message) override;
  void CMColorChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  void CMShowingChanged(TMessage& message);

  // Where messages go that the control does not handle: the window class's own
  // procedure (DefWindowProcA, or a system class's for subclassed windows).
  WNDPROC DefWndProc = ::DefWindowProcA;

private:
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK InitControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  void AlignAll();
  void Ctl3DChanged();
  void RouteMouseToChild(TMessage& message, bool& handled);
  void BindWindow(HWND window);
  void UnbindWindow();

  HWND handle_ = nullptr;      // owned: destroyed with the control
  HWND parentWindow_ = nullptr;  // borrowed
  std::vector<TControl*> controls_;    // borrowed: children, which are owned by their owners
  std::vector<TWinControl*> tabList_;  // borrowed: windowed children in tab order
  int alignLevel_ = 0;
  Integer borderWidth_ = 0;
  bool tabStop_ = false;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  bool showing_ = false;
  bool recreating_ = false;
  bool updatingBounds_ = false;
  HBRUSH brush_ = nullptr;  // owned: the background brush of Color
  TColor brushColor_ = clNone;
};
