// TControl: a rectangle on a parent with caption, font, colour and mouse handling,
// and what every control shares: alignment, anchors, cursors, the mouse and key
// event types, the link to an action. Messages reach a control through its
// WindowProc hook, which starts as the virtual WndProc; WndProc hands them to
// Dispatch, where each class handles the message numbers it knows and passes the
// rest on, ending in DefaultHandler.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/controls/ActnList.h"
#include "platform/controls/DragDock.h"
#include "platform/controls/Messages.h"
#include "platform/core/Component.h"
#include "platform/core/Events.h"
#include "platform/graphics/GraphicsObjects.h"

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

  // Reading order: the parent's while ParentBiDiMode is on. Setting a mode turns
  // ParentBiDiMode off and sends CM_BIDIMODECHANGED.
  TBiDiMode BiDiMode() const;
  void SetBiDiMode(TBiDiMode value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool value);
  // Right-aligned layout (bdRightToLeft only) and right-to-left reading (any
  // mode but bdLeftToRight).
  bool UseRightToLeftAlignment() const { return BiDiMode() == bdRightToLeft; }
  bool UseRightToLeftReading() const { return BiDiMode() != bdLeftToRight; }
  // DrawText flags for this reading order: DT_LEFT and DT_RIGHT swapped when
  // aligned right to left, DT_RTLREADING added when reading right to left.
  UINT DrawTextBiDiModeFlags(UINT flags) const;

  // DragMode dmAutomatic starts a drag on a left press (DragDrop.h); the rest is
  // kept and streamed, and nothing in the layer shows help by it.
  TCursor DragCursor = crDrag;
  TDragKind DragKind = dkDrag;
  TDragMode DragMode = dmManual;
  THelpContext HelpContext = 0;
  TDragDropEvent OnDragDrop;
  TDragOverEvent OnDragOver;
  TEndDragEvent OnEndDrag;
  TEndDragEvent OnEndDock;
  TStartDragEvent OnStartDrag;
  TStartDragEvent OnStartDock;
  TConstrainedResizeEvent OnConstrainedResize;

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
  // The parent aligns its controls again (after a change of Align, size or
  // visibility); descendants that follow their alignment add to it.
  virtual void RequestAlign();
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
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
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
