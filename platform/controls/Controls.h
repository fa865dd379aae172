// Controls: TControl (a rectangle on a parent with caption, font, colour and mouse
// handling), TWinControl (a control with a window of its own and child controls),
// TGraphicControl (a windowless control painted by its parent) and TCustomControl
// (a windowed control that paints itself on a canvas). Messages reach a control
// through its WindowProc hook, which starts as the virtual WndProc; WndProc hands
// them to Dispatch, where each class handles the message numbers it knows and
// passes the rest on, ending in DefaultHandler.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/controls/ActnList.h"
#include "platform/graphics/Canvas.h"
#include "platform/core/Component.h"
#include "platform/core/Events.h"
#include "platform/controls/Messages.h"

class TWinControl;
class TCustomForm;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

// What a control is and does (ControlStyle).
enum TControlStyleFlag : unsigned {
  csAcceptsControls = 1u << 0,
  csCaptureMouse = 1u << 1,
  csDesignInteractive = 1u << 2,
  csClickEvents = 1u << 3,
  csFramed = 1u << 4,
  csSetCaption = 1u << 5,
  csOpaque = 1u << 6,
  csDoubleClicks = 1u << 7,
  csFixedWidth = 1u << 8,
  csFixedHeight = 1u << 9,
  csNoDesignVisible = 1u << 10,
  csReplicatable = 1u << 11,
  csNoStdEvents = 1u << 12,
  csDisplayDragImage = 1u << 13,
  csReflector = 1u << 14,
  csActionClient = 1u << 15,
  csMenuEvents = 1u << 16,
};
using TControlStyle = unsigned;

// What a control is going through (ControlState).
enum TControlStateFlag : unsigned {
  csLButtonDown = 1u << 0,
  csClicked = 1u << 1,
  csPalette = 1u << 2,
  csReadingState = 1u << 3,
  csAlignmentNeeded = 1u << 4,
  csFocusing = 1u << 5,
  csCreating = 1u << 6,
  csPaintCopy = 1u << 7,
  csCustomPaint = 1u << 8,
  csDestroyingHandle = 1u << 9,
  csDocking = 1u << 10,
};
using TControlState = unsigned;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The shift state of a mouse message's key flags, and of the keyboard now.
TShiftState KeysToShiftState(WPARAM keys);
TShiftState KeyboardStateToShiftState();

// Cursor numbers: the screen's standard cursors are negative, custom cursors
// added to Screen.Cursors positive.
using TCursor = short;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = -22;

using TWndMethod = TEvent<TMessage&>;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TMouseWheelEvent = TEvent<TObject*, TShiftState, int, TPoint, bool&>;
using TKeyEvent = TEvent<TObject*, Word&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;
using TContextPopupEvent = TEvent<TObject*, TPoint, bool&>;
using TCanResizeEvent = TEvent<TObject*, int&, int&, bool&>;

// Size limits of a control; 0 means no limit.
class TSizeConstraints : public TPersistent {
public:
  Integer MinWidth() const { return minWidth_; }
  Integer MinHeight() const { return minHeight_; }
  Integer MaxWidth() const { return maxWidth_; }
  Integer MaxHeight() const { return maxHeight_; }
  void SetMinWidth(Integer value);
  void SetMinHeight(Integer value);
  void SetMaxWidth(Integer value);
  void SetMaxHeight(Integer value);
  // Brings a size within the limits.
  void Apply(int& width, int& height) const;
  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

private:
  void Changed() { OnChange(this); }
  Integer minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

class TControl;

// The link of a control to its action: copies a changed caption, enabled state,
// hint or visibility into the control while the control still shows the
// action's old value, and the action's OnExecute into OnClick.
class TControlActionLink : public TActionLink {
public:
  using TActionLink::TActionLink;

  bool IsCaptionLinked() override;
  bool IsEnabledLinked() override;
  bool IsHintLinked() override;
  bool IsVisibleLinked() override;
  bool IsOnExecuteLinked() override;
  void SetCaption(const String& value) override;
  void SetEnabled(bool value) override;
  void SetHint(const String& value) override;
  void SetVisible(bool value) override;
  void SetOnExecute(const TNotifyEvent& value) override;

protected:
  TControl* Control() const;
};

// A canvas on a control: a windowed control's own window, or the part of the
// parent's window that a windowless control covers (origin moved, clipped).
// The device context is taken on first drawing and given back by FreeHandle.
class TControlCanvas : public TCanvas {
public:
  ~TControlCanvas() override;
  // Gives back the device contexts that control canvases took outside painting
  // (the application does it whenever its message queue runs empty).
  static void FreeDeviceContexts();
  TControl* Control() const { return control_; }
  void SetControl(TControl* control);
  void FreeHandle();
  // Binds a device context the caller owns (a paint message's), with the origin
  // and clip already set; FreeHandle only unbinds it.
  void BindPaintDC(HDC dc);
  // Paints into a device context the caller owns (a paint or draw-item message's):
  // the canvas takes the control's font and colour, `paint` draws, and the
  // context is unbound and its state restored even when it throws.
  void PaintOn(HDC dc, const std::function<void()>& paint);

protected:
  void CreateHandle() override;

private:
  TControl* control_ = nullptr;  // borrowed: the control owns this canvas
  HDC ownDC_ = nullptr;
  HWND dcWindow_ = nullptr;
};

class TControl : public TComponent {
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // The replaceable window procedure: starts as WndProc; a hook keeps the value
  // it replaces and calls it for what it does not handle itself.
  TWndMethod WindowProc;
  // Sends a message straight to WindowProc and answers its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  // Geometry, in the parent's client coordinates.
  Integer Left() const { return left_; }
  Integer Top() const { return top_; }
  Integer Width() const { return width_; }
  Integer Height() const { return height_; }
  void SetLeft(Integer value) { SetBounds(value, top_, width_, height_); }
  void SetTop(Integer value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(Integer value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(Integer value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect ClientRect() const;
  Integer ClientWidth() const { return ClientRect().Width(); }
  Integer ClientHeight() const { return ClientRect().Height(); }
  void SetClientWidth(Integer value) { SetClientSize(value, ClientHeight()); }
  void SetClientHeight(Integer value) { SetClientSize(ClientWidth(), value); }
  // The screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(const TPoint& p) const;
  TPoint ScreenToClient(const TPoint& p) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors value);
  TSizeConstraints* Constraints() const { return constraints_.get(); }  // owned
  void SetConstraints(const TSizeConstraints* value) { constraints_->Assign(value); }
  bool AutoSize() const { return autoSize_; }
  virtual void SetAutoSize(bool value);

  TWinControl* Parent() const { return parent_; }
  // Moves the control into another parent's list (nullptr: none); a windowed
  // control's window follows it, recreated when needed.
  virtual void SetParent(TWinControl* parent);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);
  // True when the control and all its parents are visible.
  bool IsVisibleOnScreen() const;

  String Caption() const { return Text(); }
  void SetCaption(const String& value) { SetText(value); }
  String Text() const;
  void SetText(const String& value);

  TFont* Font() const { return font_.get(); }  // owned
  void SetFont(const TFont* value) { font_->Assign(value); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);

  const String& Hint() const { return hint_; }
  void SetHint(const String& value) { hint_ = value; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);

  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);

  // Binding an action copies its caption, enabled state, hint and visibility and
  // makes its OnExecute the click; a click then runs the action.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* action);
  TActionLink* ActionLink() const { return actionLink_.get(); }
  // Copies the action's properties; with checkDefaults only into those that still
  // hold their defaults (as when a definition is read).
  virtual void ActionChange(TObject* sender, bool checkDefaults);

  TControlStyle ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TControlState ControlState = 0;
  bool HasStyle(TControlStyleFlag flag) const { return (ControlStyle & flag) != 0; }
  bool HasControlState(TControlStateFlag flag) const { return (ControlState & flag) != 0; }

  bool MouseCapture() const;
  void SetMouseCapture(bool value);

  virtual void Invalidate();
  // Invalidate and Update: the control is painted before the call returns.
  virtual void Repaint();
  void Refresh() { Repaint(); }
  virtual void Update();
  void BringToFront();
  void SendToBack();

  // Called by the layer after a click, a key press that clicks and the like.
  virtual void Click();
  virtual void DblClick();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TMouseWheelEvent OnMouseWheel;
  TNotifyEvent OnResize;
  TCanResizeEvent OnCanResize;
  TContextPopupEvent OnContextPopup;

  // Called after a form definition was read into the control.
  void Loaded() override;
  // A control that takes its name as caption (csSetCaption) keeps doing so while
  // its caption is its name.
  void SetName(const String& name) override;

protected:
  friend class TWinControl;
  friend class TControlCanvas;
  friend class TApplication;

  virtual void WndProc(TMessage& message);
  // Hands a message to the handler of its number; what no handler takes goes to
  // DefaultHandler. Descendants override it with their own numbers first.
  virtual void Dispatch(TMessage& message);
  virtual void DefaultHandler(TMessage& message);

  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
  virtual void Resize() { OnResize(this); }
  // Asked before a resize; false keeps the old size.
  virtual bool CanResize(int& newWidth, int& newHeight);
  // An autosizing control answers the size it wants; false keeps the asked one.
  virtual bool CanAutoSize(int& newWidth, int& newHeight) { return false; }
  void AdjustSize();
  // The parent aligns its controls again (after a change of Align, size or visibility).
  void RequestAlign();
  virtual void SetClientSize(int width, int height);
  virtual void SetZOrder(bool topMost);
  virtual void VisibleChanging() {}
  // The control's text as the control keeps it (a window's text for windowed ones).
  virtual String GetText() const { return text_; }
  virtual void SetTextValue(const String& value);

  // Message handlers of every control.
  virtual void CMMouseEnter(TMessage& message) {}
  virtual void CMMouseLeave(TMessage& message) {}
  virtual void CMEnabledChanged(TMessage& message);
  virtual void CMVisibleChanged(TMessage& message);
  virtual void CMTextChanged(TMessage& message) {}
  virtual void CMFontChanged(TMessage& message);
  virtual void CMColorChanged(TMessage& message);
  virtual void CMParentFontChanged(TMessage& message);
  virtual void CMParentColorChanged(TMessage& message);
  virtual void CMParentShowHintChanged(TMessage& message);
  virtual void CMHitTest(TMessage& message) { message.Result = HTCLIENT; }
  virtual void WMContextMenu(TMessage& message);
  // The mouse messages of the client area, in client coordinates.
  void HandleMouseMessage(TMessage& message);

  void Notification(TComponent* component, TOperation operation) override;
  void UpdateAnchorRules();
  void ApplyAnchorRules(const TRect& parentClient);

  Integer left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  String text_;

private:
  void FontChanged(TObject* sender);
  void ConstraintsChanged(TObject* sender);
  bool PopupContextMenu(const TPoint& screenPos);

  TWinControl* parent_ = nullptr;  // borrowed: the parent lists this control
  TAlign align_ = alNone;
  TAnchors anchors_ = akLeft | akTop;
  // Distances to the parent's right and bottom edges, kept for right and bottom anchors.
  Integer anchorRight_ = 0, anchorBottom_ = 0;
  bool anchorRulesSet_ = false;
  std::unique_ptr<TSizeConstraints> constraints_;
  bool autoSize_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  String hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TPopupMenu* popupMenu_ = nullptr;  // borrowed; cleared when it is freed
  std::unique_ptr<TActionLink> actionLink_;  // owned
  TCursor cursor_ = crDefault;
  bool settingParentFont_ = false;
};

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
  bool AlignDisabled() const { return alignLevel_ > 0; }
  // Space kept free inside the client area's edges for the aligned children.
  Integer BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(Integer value);
  // Kept for the controls that ask for it; painting is not buffered by the layer.
  bool DoubleBuffered = false;

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
  bool showing_ = false;
  bool recreating_ = false;
  bool updatingBounds_ = false;
  HBRUSH brush_ = nullptr;  // owned: the background brush of Color
  TColor brushColor_ = clNone;
};

class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const { return canvas_.get(); }  // owned

protected:
  void Dispatch(TMessage& message) override;
  virtual void Paint() {}
  virtual void WMPaint(TMessage& message);

private:
  std::unique_ptr<TControlCanvas> canvas_;
};

class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  TCanvas* Canvas() const { return canvas_.get(); }  // owned

protected:
  void WMPaint(TMessage& message) override;
  void PaintWindow(HDC dc) override;
  virtual void Paint() {}

private:
  std::unique_ptr<TControlCanvas> canvas_;
};

// The form a control lies on (its topmost parent when that is a form), or nullptr.
TCustomForm* GetParentForm(const TControl* control);

// The control that has the mouse captured (windowless controls included), and the
// one the mouse is over (it got CM_MOUSEENTER and has not had CM_MOUSELEAVE).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);
TControl* MouseControl();
// Moves the mouse-over mark to `control`: CM_MOUSELEAVE to the one before it,
// CM_MOUSEENTER to the new one.
void SetMouseControl(TControl* control);
// Clears the capture and mouse-over marks of a control that goes away.
void ForgetControl(TControl* control);
// Shows an exception that a message handler let through (the application's
// exception box); the message loop goes on.
void HandleControlException(TObject* sender);
// The control under a screen point (windowless controls included), nullptr when none.
TControl* FindDragTarget(const TPoint& screenPos, bool allowDisabled);
