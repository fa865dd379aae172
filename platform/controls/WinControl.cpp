// TWinControl: the child list with alignment and anchors, bounds kept in step
// with the window, painting of the windowless children, and the message
// dispatch of windowed controls (mouse routing, reflection, colours and fonts).
#include <algorithm>

#include "platform/controls/Forms.h"
#include "platform/controls/WinControl.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  Destroying();
  // The focus leaves quietly before the window goes.
  if (TCustomForm* form = GetParentForm(this); form && form != this) form->DefocusControl(this, true);
  // The children go first, whoever owns them; their owners hear of it.
  while (!controls_.empty()) {
    TControl* control = controls_.back();
    RemoveControl(control);
    delete control;
  }
  if (handle_) DestroyWindowHandle();
  if (brush_) ::DeleteObject(brush_);
}

// ---- children ----

void TWinControl::InsertControl(TControl* control) {
  if (!control || control->parent_ == this) return;
  if (control->parent_) control->parent_->RemoveControl(control);
  control->parent_ = this;
  controls_.push_back(control);
  auto windowed = dynamic_cast<TWinControl*>(control);
  if (windowed) tabList_.push_back(windowed);
  if (!control->HasState(csReading)) {
    control->Perform(CM_PARENTCOLORCHANGED);
    control->Perform(CM_PARENTFONTCHANGED);
    control->Perform(CM_PARENTSHOWHINTCHANGED);
  }
  if (windowed && windowed->handle_) {
    // A window moves with its control into the new parent's window.
    if (handle_) {
      if (::GetWindowLongPtrA(windowed->handle_, GWL_STYLE) & WS_CHILD) ::SetParent(windowed->handle_, handle_);
      ::SetWindowPos(windowed->handle_, nullptr, windowed->left_, windowed->top_, windowed->width_,
                     windowed->height_, SWP_NOZORDER | SWP_NOACTIVATE);
      windowed->UpdateShowing();
    } else {
      windowed->DestroyHandle();
    }
  } else if (windowed && handle_ && !HasState(csLoading) && !control->HasState(csLoading)) {
    windowed->CreateHandle();
  }
  control->UpdateAnchorRules();
  control->Invalidate();
  Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  if (TCustomForm* form = GetParentForm(this)) form->ControlRemoved(control);
  for (TControl* c = MouseControl(); c; c = c->Parent())
    if (c == control) SetMouseControl(nullptr);
  control->Invalidate();
  controls_.erase(std::find(controls_.begin(), controls_.end(), control));
  tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
  control->parent_ = nullptr;
  auto windowed = dynamic_cast<TWinControl*>(control);
  if (windowed && windowed->handle_ && !windowed->parentWindow_ && !HasState(csDestroying) &&
      (::GetWindowLongPtrA(windowed->handle_, GWL_STYLE) & WS_CHILD))
    windowed->DestroyHandle();
  if (!HasState(csDestroying)) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(const TPoint& pos, bool allowDisabled, bool allowWinControls) const {
  auto hit = [&](TControl* control) {
    if (!control->Visible() || (!control->Enabled() && !allowDisabled)) return false;
    if (!control->BoundsRect().Contains(pos)) return false;
    TPoint inner{pos.X - control->Left(), pos.Y - control->Top()};
    return control->Perform(CM_HITTEST, 0, PointToLParam(inner)) != 0;
  };
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
    if (!dynamic_cast<TWinControl*>(*it) && hit(*it)) return *it;
  if (allowWinControls)
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
      if (dynamic_cast<TWinControl*>(*it) && hit(*it)) return *it;
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  std::vector<TControl*> children = controls_;  // a handler may change the list
  for (TControl* control : children) {
    if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) continue;
    control->WindowProc(message);
    if (message.Result != 0) return;
  }
}

// ---- alignment ----

void TWinControl::DisableAlign() { ++alignLevel_; }

void TWinControl::EnableAlign() {
  if (alignLevel_ > 0) --alignLevel_;
  if (alignLevel_ == 0 && HasControlState(csAlignmentNeeded)) Realign();
}

void TWinControl::ScrollBy(int deltaX, int deltaY) {
  if (deltaX == 0 && deltaY == 0) return;
  DisableAlign();
  try {
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* child = Controls(i);
      child->SetBounds(child->Left() + deltaX, child->Top() + deltaY, child->Width(), child->Height());
    }
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
  Invalidate();
  Realign();
}

void TWinControl::Realign() {
  if (HasState(csDestroying)) return;
  if (alignLevel_ > 0 || HasState(csLoading)) {
    ControlState |= csAlignmentNeeded;
    return;
  }
  DisableAlign();
  TRect rect = ClientRect();
  AlignControls(nullptr, rect);
  ControlState &= ~csAlignmentNeeded;
  --alignLevel_;
}

void TWinControl::AdjustClientRect(TRect& rect) {
  rect.Left += borderWidth_;
  rect.Top += borderWidth_;
  rect.Right -= borderWidth_;
  rect.Bottom -= borderWidth_;
}

void TWinControl::SetBorderWidth(Integer value) {
  if (borderWidth_ == value) return;
  borderWidth_ = value;
  Realign();
  Invalidate();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Alignment asked for while the definition was read runs now.
  if (HasControlState(csAlignmentNeeded)) Realign();
}

void TWinControl::AlignControls(TControl* control, TRect& rect) {
  AdjustClientRect(rect);
  static const TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
  for (TAlign align : order) {
    std::vector<TControl*> list;
    for (TControl* c : controls_)
      if (c->Align() == align && c->Visible()) list.push_back(c);
    // Controls of one alignment keep the order of their positions.
    std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
      switch (align) {
        case alTop: return a->Top() < b->Top();
        case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft: return a->Left() < b->Left();
        case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
      }
    });
    for (TControl* c : list) {
      switch (align) {
        case alTop:
          c->SetBounds(rect.Left, rect.Top, rect.Width(), c->Height());
          rect.Top += c->Height();
          break;
        case alBottom:
          c->SetBounds(rect.Left, rect.Bottom - c->Height(), rect.Width(), c->Height());
          rect.Bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(rect.Left, rect.Top, c->Width(), std::max(0, rect.Height()));
          rect.Left += c->Width();
          break;
        case alRight:
          c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), std::max(0, rect.Height()));
          rect.Right -= c->Width();
          break;
        default:
          c->SetBounds(rect.Left, rect.Top, std::max(0, rect.Width()), std::max(0, rect.Height()));
          break;
      }
    }
  }
  const TRect client = ClientRect();
  for (TControl* c : controls_)
    if (c->Align() == alNone) c->ApplyAnchorRules(client);
}

// ---- geometry ----

TRect TWinControl::ClientRect() const {
  if (!handle_) return TControl::ClientRect();
  RECT r;
  ::GetClientRect(handle_, &r);
  return Rect(r.left, r.top, r.right, r.bottom);
}

TPoint TWinControl::ClientOrigin() const {
  if (!handle_) return TControl::ClientOrigin();
  POINT p = {0, 0};
  ::ClientToScreen(handle_, &p);
  return TPoint{p.x, p.y};
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (width != width_ || height != height_) {
    Constraints()->Apply(width, height);
    if (!CanResize(width, height)) {
      width = width_;
      height = height_;
    }
  }
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (handle_ && !::IsIconic(handle_)) {
    updatingBounds_ = true;
    ::SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    updatingBounds_ = false;
  }
  UpdateAnchorRules();
  RequestAlign();
  if (resized) {
    Realign();
    if (!HasState(csLoading)) Resize();
  }
}

void TWinControl::UpdateBounds() {
  if (!handle_ || ::IsIconic(handle_)) return;
  RECT r;
  ::GetWindowRect(handle_, &r);
  HWND parentWindow = ::GetParent(handle_);
  if ((::GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD) && parentWindow)
    ::MapWindowPoints(nullptr, parentWindow, reinterpret_cast<POINT*>(&r), 2);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (r.left == left_ && r.top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  left_ = r.left;
  top_ = r.top;
  width_ = width;
  height_ = height;
  UpdateAnchorRules();
  RequestAlign();
  if (resized) {
    Realign();
    if (!HasState(csLoading)) Resize();
  }
}

void TWinControl::UpdateShowing() {
  if (HasState(csDestroying)) return;
  const bool show = Visible();
  if (!handle_) {
    if (show && (Parent() ? Parent()->HandleAllocated() : true)) CreateHandle();
    return;
  }
  const bool shown = (::GetWindowLongPtrA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
  if (show == shown) return;
  showing_ = show;
  ::ShowWindow(handle_, show ? (Parent() ? SW_SHOWNOACTIVATE : SW_SHOWNORMAL) : SW_HIDE);
  Perform(CM_SHOWINGCHANGED);
}

void TWinControl::SetZOrder(bool topMost) {
  TControl::SetZOrder(topMost);
  if (handle_)
    ::SetWindowPos(handle_, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// ---- text ----

String TWinControl::GetText() const {
  if (!handle_) return text_;
  int length = ::GetWindowTextLengthA(handle_);
  String text(static_cast<size_t>(length) + 1, '\0');
  length = ::GetWindowTextA(handle_, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(0, length)));
  return text;
}

void TWinControl::SetTextValue(const String& value) {
  text_ = value;
  if (handle_) ::SetWindowTextA(handle_, value.c_str());
}

// ---- painting ----

void TWinControl::Invalidate() {
  if (handle_) ::InvalidateRect(handle_, nullptr, !HasStyle(csOpaque));
}

void TWinControl::Update() {
  if (handle_) ::UpdateWindow(handle_);
}

void TWinControl::Repaint() {
  if (!handle_) return;
  ::RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage message = MakeMessage(WM_PAINT, reinterpret_cast<WPARAM>(dc));
  DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  bool started = first == nullptr;
  std::vector<TControl*> children = controls_;
  for (TControl* control : children) {
    if (!started) {
      if (control != first) continue;
      started = true;
    }
    if (dynamic_cast<TWinControl*>(control) || !control->Visible()) continue;
    RECT area = {control->Left(), control->Top(), control->Left() + control->Width(),
                 control->Top() + control->Height()};
    if (!::RectVisible(dc, &area)) continue;
    const int saved = ::SaveDC(dc);
    ::OffsetViewportOrgEx(dc, control->Left(), control->Top(), nullptr);
    ::IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    ::RestoreDC(dc, saved);
  }
}

void TWinControl::WMPaint(TMessage& message) {
  const bool windowless = std::any_of(controls_.begin(), controls_.end(),
                                      [](TControl* c) { return !dynamic_cast<TWinControl*>(c); });
  if (!HasControlState(csCustomPaint) && !windowless) return DefaultHandler(message);
  HDC dc = MessageDC(message);
  PAINTSTRUCT paint = {};
  if (!dc) dc = ::BeginPaint(handle_, &paint);
  PaintWindow(dc);
  PaintControls(dc, nullptr);
  if (!message.WParam) ::EndPaint(handle_, &paint);
  message.Result = 0;
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  const TColor color = Color();
  if (!brush_ || brushColor_ != color) {
    if (brush_) ::DeleteObject(brush_);
    const TColor rgb = ColorToRGB(color);
    brush_ = ::CreateSolidBrush(RGB(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
    brushColor_ = color;
  }
  RECT r;
  ::GetClientRect(handle_, &r);
  ::FillRect(MessageDC(message), &r, brush_);
  message.Result = 1;
}

// ---- messages ----

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: {
      bool handled = false;
      RouteMouseToChild(message, handled);
      if (handled) return;
      break;
    }
    case WM_MOUSELEAVE: {
      TControl* over = MouseControl();
      if (over == this || (over && over->Parent() == this && !dynamic_cast<TWinControl*>(over)))
        SetMouseControl(nullptr);
      break;
    }
    default:
      break;
  }
  TControl::WndProc(message);
}

void TWinControl::RouteMouseToChild(TMessage& message, bool& handled) {
  TWMMouse mouse(message);
  const TPoint pos = mouse.Pos();
  TControl* target = nullptr;
  TControl* captured = GetCaptureControl();
  if (captured && captured != this && captured->Parent() == this && !dynamic_cast<TWinControl*>(captured))
    target = captured;
  else if (!captured || captured == this)
    target = ControlAtPos(pos, false);
  if (message.Msg == WM_MOUSEMOVE && handle_) {
    TControl* over = nullptr;
    if (ClientRect().Contains(pos))
      over = ControlAtPos(pos, false);
    else
      over = FindDragTarget(ClientToScreen(pos), false);
    if (!over && ClientRect().Contains(pos)) over = this;
    SetMouseControl(over);
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, handle_, 0};
    ::TrackMouseEvent(&track);
  }
  if (!target) return;
  const TPoint inner{pos.X - target->Left(), pos.Y - target->Top()};
  message.Result = target->Perform(message.Msg, message.WParam, PointToLParam(inner));
  handled = true;
  // The window's own default handling still runs (a right button's release
  // asks for the context menu).
  if (message.Result == 0 && handle_)
    message.Result = ::DefWindowProcA(handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMContextMenu(TMessage& message) {
  if (message.LParam != -1) {
    TPoint screen{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    if (TControl* child = ControlAtPos(ScreenToClient(screen), false)) {
      message.Result = child->Perform(WM_CONTEXTMENU, message.WParam, message.LParam);
      if (message.Result != 0) return;
    }
  }
  TControl::WMContextMenu(message);
}

namespace {

// The window a reflected notification is about, nullptr when it names none.
HWND NotifiedWindow(const TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(message.LParam);
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(message.LParam)->hwndFrom;
    case WM_DRAWITEM: {
      auto item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_DELETEITEM:
      return reinterpret_cast<const DELETEITEMSTRUCT*>(message.LParam)->hwndItem;
    case WM_COMPAREITEM:
      return reinterpret_cast<const COMPAREITEMSTRUCT*>(message.LParam)->hwndItem;
    default:
      return nullptr;
  }
}

}  // namespace

bool TWinControl::Ctl3D() const {
  if (parentCtl3D_ && Parent()) return Parent()->Ctl3D();
  return ctl3D_;
}

void TWinControl::SetCtl3D(bool value) {
  const bool before = Ctl3D();
  ctl3D_ = value;
  parentCtl3D_ = false;
  if (before != value) Ctl3DChanged();
}

void TWinControl::SetParentCtl3D(bool value) {
  if (parentCtl3D_ == value) return;
  const bool before = Ctl3D();
  ctl3D_ = before;  // leaving the parent keeps the look it gave
  parentCtl3D_ = value;
  if (Ctl3D() != before) Ctl3DChanged();
}

// The control and each windowed child that follows its parent hear of the change.
void TWinControl::Ctl3DChanged() {
  Perform(CM_CTL3DCHANGED);
  for (TControl* child : controls_)
    if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed && windowed->parentCtl3D_)
      windowed->Ctl3DChanged();
}

void TWinControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: return WMPaint(message);
    case WM_ERASEBKGND: return WMEraseBkgnd(message);
    case WM_WINDOWPOSCHANGED: return WMWindowPosChanged(message);
    case WM_SIZE: DefaultHandler(message); return WMSize(message);
    case WM_MOVE: DefaultHandler(message); return WMMove(message);
    case WM_SETFOCUS: return WMSetFocus(message);
    case WM_KILLFOCUS: return WMKillFocus(message);
    case WM_SETCURSOR: return WMSetCursor(message);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (!DoKeyDown(message)) DefaultHandler(message);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (!DoKeyUp(message)) DefaultHandler(message);
      return;
    case WM_CHAR:
      if (!DoKeyPress(message)) DefaultHandler(message);
      return;
    case WM_COMMAND:
    case WM_HSCROLL: case WM_VSCROLL:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
    case WM_DRAWITEM: case WM_DELETEITEM: case WM_COMPAREITEM:
      return WMCommand(message);
    case WM_NOTIFY: return WMNotify(message);
    case CN_KEYDOWN: case CN_SYSKEYDOWN: return CNKeyDown(message);
    case CN_CHAR: case CN_SYSCHAR: return CNChar(message);
    case CM_ENTER: return CMEnter(message);
    case CM_EXIT: return CMExit(message);
    case CM_DIALOGKEY: return CMDialogKey(message);
    case CM_DIALOGCHAR: return CMDialogChar(message);
    case CM_FOCUSCHANGED: return CMFocusChanged(message);
    case CM_CTL3DCHANGED: return CMCtl3DChanged(message);
    case CM_SHOWINGCHANGED: return CMShowingChanged(message);
    default: return TControl::Dispatch(message);
  }
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!handle_) return TControl::DefaultHandler(message);
  if (message.Msg >= CN_BASE && message.Msg < CN_BASE + 0x400) {
    // A reflected notification nobody handled: the system's default answer.
    message.Result = ::DefWindowProcA(handle_, message.Msg - CN_BASE, message.WParam, message.LParam);
    return;
  }
  if (message.Msg >= CM_BASE && message.Msg < CN_BASE) return;  // the layer's own, unhandled
  message.Result = ::CallWindowProcA(DefWndProc, handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMCommand(TMessage& message) {
  TWinControl* child = FindControl(NotifiedWindow(message));
  if (child && child != this) {
    message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return;
  }
  DefaultHandler(message);
}

void TWinControl::WMNotify(TMessage& message) { WMCommand(message); }

void TWinControl::WMWindowPosChanged(TMessage& message) {
  DefaultHandler(message);
  if (!updatingBounds_) UpdateBounds();
}

void TWinControl::WMSetFocus(TMessage& message) {
  DefaultHandler(message);
  if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& message) { DefaultHandler(message); }

void TWinControl::WMSetCursor(TMessage& message) {
  if (reinterpret_cast<HWND>(message.WParam) == handle_ && LOWORD(message.LParam) == HTCLIENT) {
    TCursor cursor = Screen.Cursor();
    if (cursor == crDefault) {
      POINT p;
      ::GetCursorPos(&p);
      TControl* over = ControlAtPos(ScreenToClient(TPoint{p.x, p.y}), false);
      cursor = over ? over->Cursor() : Cursor();
      if (cursor == crDefault && over) cursor = Cursor();
    }
    if (cursor != crDefault) {
      ::SetCursor(Screen.Cursors(cursor));
      message.Result = 1;
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::CMEnabledChanged(TMessage& message) {
  if (handle_) ::EnableWindow(handle_, Enabled());
  if (!Enabled()) {
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, false);
  }
  Invalidate();
}

void TWinControl::CMVisibleChanged(TMessage& message) {
  TControl::CMVisibleChanged(message);
  if (!Visible()) {
    // A hidden control can be neither focused nor the form's active control.
    if (TCustomForm* form = GetParentForm(this); form && form != this) form->DefocusControl(this, true);
  }
  UpdateShowing();
}

void TWinControl::CMShowingChanged(TMessage& message) {}

void TWinControl::CMColorChanged(TMessage& message) {
  TControl::CMColorChanged(message);
  for (TControl* control : std::vector<TControl*>(controls_)) control->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& message) {
  TControl::CMFontChanged(message);
  if (handle_) ::SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 1);
  for (TControl* control : std::vector<TControl*>(controls_)) control->Perform(CM_PARENTFONTCHANGED);
}
