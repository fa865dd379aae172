// TControl: geometry, parent, visibility, text, font and colour, and the mouse
// messages every control handles.
#include "platform/controls/Control.h"

#include <algorithm>

#include "platform/controls/DragDrop.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (keys & MK_MBUTTON) shift |= ssMiddle;
  if (::GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

TShiftState KeyboardStateToShiftState() {
  TShiftState shift = 0;
  if (::GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (::GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  if (::GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  return shift;
}

// ---- TSizeConstraints ----

void TSizeConstraints::SetMinWidth(Integer value) {
  if (value == minWidth_) return;
  minWidth_ = value;
  if (maxWidth_ > 0 && minWidth_ > maxWidth_) maxWidth_ = minWidth_;
  Changed();
}

void TSizeConstraints::SetMinHeight(Integer value) {
  if (value == minHeight_) return;
  minHeight_ = value;
  if (maxHeight_ > 0 && minHeight_ > maxHeight_) maxHeight_ = minHeight_;
  Changed();
}

void TSizeConstraints::SetMaxWidth(Integer value) {
  if (value == maxWidth_) return;
  maxWidth_ = value;
  if (maxWidth_ > 0 && minWidth_ > maxWidth_) minWidth_ = maxWidth_;
  Changed();
}

void TSizeConstraints::SetMaxHeight(Integer value) {
  if (value == maxHeight_) return;
  maxHeight_ = value;
  if (maxHeight_ > 0 && minHeight_ > maxHeight_) minHeight_ = maxHeight_;
  Changed();
}

void TSizeConstraints::Apply(int& width, int& height) const {
  if (maxWidth_ > 0 && width > maxWidth_) width = maxWidth_;
  if (minWidth_ > 0 && width < minWidth_) width = minWidth_;
  if (maxHeight_ > 0 && height > maxHeight_) height = maxHeight_;
  if (minHeight_ > 0 && height < minHeight_) height = minHeight_;
}

void TSizeConstraints::Assign(const TPersistent* source) {
  auto other = dynamic_cast<const TSizeConstraints*>(source);
  if (!other) return TPersistent::Assign(source);
  minWidth_ = other->minWidth_;
  minHeight_ = other->minHeight_;
  maxWidth_ = other->maxWidth_;
  maxHeight_ = other->maxHeight_;
  Changed();
}

// ---- TControl ----

TControl::TControl(TComponent* owner)
    : TComponent(owner), constraints_(std::make_unique<TSizeConstraints>()), font_(std::make_unique<TFont>()) {
  WindowProc = TWndMethod(this, &TControl::WndProc);
  font_->OnChange = TNotifyEvent(this, &TControl::FontChanged);
  constraints_->OnChange = TNotifyEvent(this, &TControl::ConstraintsChanged);
}

TControl::~TControl() {
  Destroying();
  ForgetControl(this);
  DragForgetControl(this);
  if (parent_) parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message = MakeMessage(msg, wParam, lParam);
  if (WindowProc)
    WindowProc(message);
  else
    WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  if (DragTrackMessage(this, message)) return;
  switch (message.Msg) {
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      // A control without double clicks sees a second press as a press.
      if (!HasStyle(csDoubleClicks)) message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
      break;
    default:
      break;
  }
  Dispatch(message);
}

void TControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
    case WM_MOUSEMOVE:
      return HandleMouseMessage(message);
    case WM_MOUSEWHEEL: {
      TWMMouseWheel wheel(message);
      if (DoMouseWheel(KeysToShiftState(wheel.Keys()), wheel.WheelDelta(), wheel.Pos()))
        message.Result = 1;
      else
        DefaultHandler(message);
      return;
    }
    case WM_CONTEXTMENU: return WMContextMenu(message);
    case CM_MOUSEENTER: return CMMouseEnter(message);
    case CM_MOUSELEAVE: return CMMouseLeave(message);
    case CM_ENABLEDCHANGED: return CMEnabledChanged(message);
    case CM_VISIBLECHANGED: return CMVisibleChanged(message);
    case CM_TEXTCHANGED: return CMTextChanged(message);
    case CM_FONTCHANGED: return CMFontChanged(message);
    case CM_COLORCHANGED: return CMColorChanged(message);
    case CM_PARENTFONTCHANGED: return CMParentFontChanged(message);
    case CM_PARENTCOLORCHANGED: return CMParentColorChanged(message);
    case CM_PARENTSHOWHINTCHANGED: return CMParentShowHintChanged(message);
    case CM_HITTEST: return CMHitTest(message);
    default: return DefaultHandler(message);
  }
}

void TControl::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case WM_GETTEXTLENGTH: message.Result = static_cast<LRESULT>(text_.size()); break;
    default: break;
  }
}

void TControl::HandleMouseMessage(TMessage& message) {
  TWMMouse mouse(message);
  const TShiftState shift = KeysToShiftState(mouse.Keys());
  const UINT msg = message.Msg;
  DefaultHandler(message);
  if (msg == WM_MOUSEMOVE) return MouseMove(shift, mouse.XPos(), mouse.YPos());
  TMouseButton button = mbLeft;
  if (msg >= WM_RBUTTONDOWN && msg <= WM_RBUTTONDBLCLK) button = mbRight;
  if (msg >= WM_MBUTTONDOWN && msg <= WM_MBUTTONDBLCLK) button = mbMiddle;
  const bool down = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
  const bool dbl = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
  if (down || dbl) {
    // The form's active control is told that the mouse went down elsewhere.
    if (TCustomForm* form = GetParentForm(this)) form->SendCancelMode(this);
    if (button == mbLeft) {
      if (HasStyle(csCaptureMouse)) SetMouseCapture(true);
      // A double click is one click and one DblClick: its release clicks no more.
      if (down && HasStyle(csClickEvents)) ControlState |= csClicked;
      if (dbl && HasStyle(csClickEvents)) DblClick();
      ControlState |= csLButtonDown;
    }
    MouseDown(button, shift | (dbl ? static_cast<TShiftState>(ssDouble) : 0u), mouse.XPos(), mouse.YPos());
    if (button == mbLeft && down && DragMode == dmAutomatic && !HasState(csDestroying)) BeginDrag(this, false);
    return;
  }
  // A button came up.
  if (button == mbLeft) {
    ControlState &= ~csLButtonDown;
    if (HasStyle(csCaptureMouse)) SetMouseCapture(false);
    if (HasControlState(csClicked)) {
      ControlState &= ~csClicked;
      if (ClientRect().Contains(mouse.Pos())) Click();
    }
  }
  if (!HasState(csDestroying)) MouseUp(button, shift, mouse.XPos(), mouse.YPos());
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseUp(this, button, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  bool handled = false;
  OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
  return handled;
}

void TControl::Click() {
  TBasicAction* action = Action();
  if (OnClick && action && !(OnClick == action->OnExecute()))
    OnClick(this);
  else if (actionLink_ && action)
    actionLink_->Execute(this);
  else
    OnClick(this);
}
void TControl::DblClick() { OnDblClick(this); }

void TControl::WMContextMenu(TMessage& message) {
  TPoint pos{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  if (message.LParam == -1) pos = ClientToScreen(TPoint{0, 0});  // from the keyboard
  bool handled = false;
  OnContextPopup(this, ScreenToClient(pos), handled);
  if (handled || PopupContextMenu(pos)) {
    message.Result = 1;
    return;
  }
  DefaultHandler(message);
}

// ---- geometry ----

TRect TControl::ClientRect() const { return Rect(0, 0, width_, height_); }

TPoint TControl::ClientOrigin() const {
  if (!parent_) return TPoint{left_, top_};
  TPoint origin = parent_->ClientOrigin();
  return TPoint{origin.X + left_, origin.Y + top_};
}

TPoint TControl::ClientToScreen(const TPoint& p) const {
  TPoint origin = ClientOrigin();
  return TPoint{p.X + origin.X, p.Y + origin.Y};
}

TPoint TControl::ScreenToClient(const TPoint& p) const {
  TPoint origin = ClientOrigin();
  return TPoint{p.X - origin.X, p.Y - origin.Y};
}

bool TControl::CanResize(int& newWidth, int& newHeight) {
  bool resize = true;
  OnCanResize(this, newWidth, newHeight, resize);
  return resize;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (width != width_ || height != height_) {
    constraints_->Apply(width, height);
    if (!CanResize(width, height)) {
      width = width_;
      height = height_;
    }
  }
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
  UpdateAnchorRules();
  RequestAlign();
  if (resized && !HasState(csLoading)) Resize();
}

void TControl::SetClientSize(int width, int height) {
  TRect client = ClientRect();
  SetBounds(left_, top_, width_ - client.Width() + width, height_ - client.Height() + height);
}

void TControl::SetAlign(TAlign value) {
  if (align_ == value) return;
  align_ = value;
  // Anchors follow the alignment, as a new alignment fixes the sides it uses.
  switch (value) {
    case alTop: anchors_ = akLeft | akTop | akRight; break;
    case alBottom: anchors_ = akLeft | akRight | akBottom; break;
    case alLeft: anchors_ = akLeft | akTop | akBottom; break;
    case alRight: anchors_ = akRight | akTop | akBottom; break;
    case alClient: anchors_ = akLeft | akTop | akRight | akBottom; break;
    default: break;
  }
  RequestAlign();
}

void TControl::SetAnchors(TAnchors value) {
  if (anchors_ == value) return;
  anchors_ = value;
  UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (!parent_ || parent_->updatingBounds_ || HasState(csLoading) || parent_->HasState(csLoading)) return;
  TRect client = parent_->ClientRect();
  anchorRight_ = client.Width() - (left_ + width_);
  anchorBottom_ = client.Height() - (top_ + height_);
  anchorRulesSet_ = true;
}

void TControl::ApplyAnchorRules(const TRect& parentClient) {
  if (!anchorRulesSet_ || align_ != alNone) return;
  if ((anchors_ & (akRight | akBottom)) == 0) return;
  int left = left_, top = top_, width = width_, height = height_;
  if (anchors_ & akRight) {
    if (anchors_ & akLeft)
      width = parentClient.Width() - anchorRight_ - left;
    else
      left = parentClient.Width() - anchorRight_ - width;
  }
  if (anchors_ & akBottom) {
    if (anchors_ & akTop)
      height = parentClient.Height() - anchorBottom_ - top;
    else
      top = parentClient.Height() - anchorBottom_ - height;
  }
  const int right = anchorRight_, bottom = anchorBottom_;
  SetBounds(left, top, width, height);
  anchorRight_ = right;  // the distances stay those the control was placed with
  anchorBottom_ = bottom;
}

void TControl::SetAutoSize(bool value) {
  if (autoSize_ == value) return;
  autoSize_ = value;
  if (value) AdjustSize();
}

void TControl::AdjustSize() {
  if (!autoSize_ || HasState(csLoading)) return;
  int width = width_, height = height_;
  if (CanAutoSize(width, height)) SetBounds(left_, top_, width, height);
}

void TControl::RequestAlign() {
  if (parent_ && (align_ != alNone || anchors_ != (akLeft | akTop))) parent_->Realign();
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parent_) {
    if (parentColor_) Perform(CM_PARENTCOLORCHANGED);
    if (parentFont_) Perform(CM_PARENTFONTCHANGED);
  }
  UpdateAnchorRules();
  AdjustSize();
  RequestAlign();
}

void TControl::SetName(const String& name) {
  const bool followName = HasStyle(csSetCaption) && !HasState(csLoading) && Name() == Text() &&
                          !(Owner() && Owner()->HasState(csLoading));
  TComponent::SetName(name);
  if (followName) SetText(name);
}

// ---- parent, visibility, text ----

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

bool TControl::IsVisibleOnScreen() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetVisible(bool value) {
  if (visible_ == value) return;
  VisibleChanging();
  visible_ = value;
  Perform(CM_VISIBLECHANGED, value ? 1 : 0);
  if (parent_) parent_->Realign();
}

void TControl::CMVisibleChanged(TMessage& message) {
  if (parent_) {
    TRect r = BoundsRect();
    if (parent_->HandleAllocated()) {
      RECT area = {r.Left, r.Top, r.Right, r.Bottom};
      ::InvalidateRect(parent_->Handle(), &area, TRUE);
    }
  }
}

void TControl::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::CMEnabledChanged(TMessage& message) { Invalidate(); }

String TControl::Text() const { return GetText(); }

void TControl::SetText(const String& value) {
  if (GetText() == value) return;
  SetTextValue(value);
  Perform(CM_TEXTCHANGED);
}

void TControl::SetTextValue(const String& value) { text_ = value; }

// ---- font, colour, hint ----

void TControl::FontChanged(TObject* sender) {
  if (!settingParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::ConstraintsChanged(TObject* sender) { SetBounds(left_, top_, width_, height_); }

void TControl::SetParentFont(bool value) {
  if (parentFont_ == value) return;
  parentFont_ = value;
  if (parent_ && value && !HasState(csReading)) Perform(CM_PARENTFONTCHANGED);
}

void TControl::CMParentFontChanged(TMessage& message) {
  if (!parentFont_ || !parent_) return;
  settingParentFont_ = true;
  font_->Assign(parent_->Font());
  settingParentFont_ = false;
}

void TControl::CMFontChanged(TMessage& message) { Invalidate(); }

void TControl::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (parentColor_ == value) return;
  parentColor_ = value;
  if (parent_ && value && !HasState(csReading)) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::CMParentColorChanged(TMessage& message) {
  if (!parentColor_ || !parent_) return;
  if (color_ != parent_->Color()) {
    color_ = parent_->Color();
    Perform(CM_COLORCHANGED);
  }
  parentColor_ = true;
}

void TControl::CMColorChanged(TMessage& message) { Invalidate(); }

void TControl::SetShowHint(bool value) {
  showHint_ = value;
  parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool value) {
  if (parentShowHint_ == value) return;
  parentShowHint_ = value;
  if (value && parent_) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::CMParentShowHintChanged(TMessage& message) {
  if (parentShowHint_ && parent_) showHint_ = parent_->ShowHint();
}

void TControl::SetCursor(TCursor value) {
  if (cursor_ == value) return;
  cursor_ = value;
  Perform(CM_CURSORCHANGED);
}

TBiDiMode TControl::BiDiMode() const {
  if (parentBiDiMode_ && parent_) return parent_->BiDiMode();
  return biDiMode_;
}

void TControl::SetBiDiMode(TBiDiMode value) {
  const TBiDiMode before = BiDiMode();
  biDiMode_ = value;
  parentBiDiMode_ = false;
  if (before != value) Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool value) {
  if (parentBiDiMode_ == value) return;
  const TBiDiMode before = BiDiMode();
  biDiMode_ = before;  // leaving the parent keeps the order it gave
  parentBiDiMode_ = value;
  if (BiDiMode() != before) Perform(CM_BIDIMODECHANGED);
}

UINT TControl::DrawTextBiDiModeFlags(UINT flags) const {
  if (UseRightToLeftAlignment()) {
    if ((flags & DT_RIGHT) == DT_RIGHT)
      flags &= ~static_cast<UINT>(DT_RIGHT);
    else if ((flags & DT_CENTER) == 0)
      flags |= DT_RIGHT;
  }
  if (UseRightToLeftReading()) flags |= DT_RTLREADING;
  return flags;
}

void TControl::SetPopupMenu(TPopupMenu* value) {
  if (popupMenu_ == value) return;
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = value;
  if (value) value->FreeNotification(this);
}

bool TControl::PopupContextMenu(const TPoint& screenPos) {
  if (!popupMenu_ || !popupMenu_->AutoPopup) return false;
  if (TCustomForm* form = GetParentForm(this)) form->SendCancelMode(nullptr);
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(screenPos.X, screenPos.Y);
  return true;
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == popupMenu_) popupMenu_ = nullptr;
  if (actionLink_ && component == actionLink_->Action()) SetAction(nullptr);
}

// ---- actions ----

TControl* TControlActionLink::Control() const { return static_cast<TControl*>(client_); }

bool TControlActionLink::IsCaptionLinked() {
  return TActionLink::IsCaptionLinked() && Control()->Caption() == CustomAction()->Caption();
}
bool TControlActionLink::IsEnabledLinked() {
  return TActionLink::IsEnabledLinked() && Control()->Enabled() == CustomAction()->Enabled();
}
bool TControlActionLink::IsHintLinked() {
  return TActionLink::IsHintLinked() && Control()->Hint() == CustomAction()->Hint();
}
bool TControlActionLink::IsVisibleLinked() {
  return TActionLink::IsVisibleLinked() && Control()->Visible() == CustomAction()->Visible();
}
bool TControlActionLink::IsOnExecuteLinked() {
  return action_ && Control()->OnClick == action_->OnExecute();
}
void TControlActionLink::SetCaption(const String& value) {
  if (IsCaptionLinked()) Control()->SetCaption(value);
}
void TControlActionLink::SetEnabled(bool value) {
  if (IsEnabledLinked()) Control()->SetEnabled(value);
}
void TControlActionLink::SetHint(const String& value) {
  if (IsHintLinked()) Control()->SetHint(value);
}
void TControlActionLink::SetVisible(bool value) {
  if (IsVisibleLinked()) Control()->SetVisible(value);
}
void TControlActionLink::SetOnExecute(const TNotifyEvent& value) {
  if (IsOnExecuteLinked()) Control()->OnClick = value;
}

TBasicAction* TControl::Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }

void TControl::SetAction(TBasicAction* action) {
  if (!RelinkAction<TControlActionLink>(this, actionLink_, action)) return;
  ActionChange(action, action->HasState(csLoading));
  action->FreeNotification(this);
}

void TControl::ActionChange(TObject* sender, bool checkDefaults) {
  auto action = dynamic_cast<TCustomAction*>(sender);
  if (!action) return;
  if (!checkDefaults || Caption().empty() || Caption() == Name()) SetCaption(action->Caption());
  if (!checkDefaults || enabled_) SetEnabled(action->Enabled());
  if (!checkDefaults || hint_.empty()) SetHint(action->Hint());
  if (!checkDefaults || visible_) SetVisible(action->Visible());
  if (!checkDefaults || !OnClick) OnClick = action->OnExecute();
}

// ---- mouse capture ----

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool value) {
  if (MouseCapture() == value) return;
  SetCaptureControl(value ? this : nullptr);
}

// ---- painting ----

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
  RECT area = {left_, top_, left_ + width_, top_ + height_};
  ::InvalidateRect(parent_->Handle(), &area, !HasStyle(csOpaque));
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() { SetZOrder(true); }
void TControl::SendToBack() { SetZOrder(false); }

void TControl::SetZOrder(bool topMost) {
  if (!parent_) return;
  auto& list = parent_->controls_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  if (topMost)
    list.push_back(this);
  else
    list.insert(list.begin(), this);
  Invalidate();
  parent_->Realign();
}
