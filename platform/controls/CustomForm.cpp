// TCustomForm: the window of a form with its border, its position on first
// showing, the focus it keeps for its controls, dialog keys, closing and the
// modal loop.
#include "platform/controls/CustomForm.h"

#include <algorithm>

#include "platform/controls/Application.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Icon.h"

TFormLoader FormDefinitionLoader;

TCustomForm::TCustomForm(TComponent* owner)
    : TScrollingWinControl(owner), icon_(std::make_unique<TIcon>()), canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
  ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  SetVisible(false);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  Screen.AddForm(this);
}

TCustomForm::~TCustomForm() {
  // OnDestroy runs here only when its handler belongs to another object: this
  // form's own members are gone by now.
  if (!destroyed_) {
    destroyed_ = true;
    if (OnDestroy.Object() != static_cast<void*>(this)) OnDestroy(this);
  }
  Destroying();
  Screen.RemoveForm(this);
  // A child's window goes through its frame's client while this form is whole.
  if (mdiFrame_) DestroyHandle();
  LeaveMDIFrame();
  ForgetMDIChildren();
  if (Application.mainForm_ == this) Application.mainForm_ = nullptr;
  // Owned components go while the form is still whole, so that components that
  // hooked its window procedure can give it back.
  DestroyComponents();
  activeControl_ = nullptr;
  focusedControl_ = nullptr;
  canvas_->FreeHandle();
}

void TCustomForm::AfterConstruction() {
  if (created_) return;
  created_ = true;
  if (FormDefinitionLoader) FormDefinitionLoader(this);
  DoCreate();
}

void TCustomForm::BeforeDestruction() {
  if (destroyed_) return;
  destroyed_ = true;
  DoDestroy();
}

// ---- window ----

void TCustomForm::CreateParams(TCreateParams& params) {
  TScrollingWinControl::CreateParams(params);
  if (Parent()) return;  // a form placed on another control is a child window
  if (formStyle_ == fsMDIChild) return MDIChildParams(params);
  params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle = 0;
  switch (borderStyle_) {
    case bsNone: params.Style |= WS_POPUP; break;
    case bsSingle: params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      params.Style |= WS_CAPTION;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    if (borderStyle_ == bsSingle || borderStyle_ == bsSizeable) {
      if (borderIcons_ & biMinimize) params.Style |= WS_MINIMIZEBOX;
      if (borderIcons_ & biMaximize) params.Style |= WS_MAXIMIZEBOX;
    }
  }
  if (formStyle_ == fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
  if (!Enabled()) params.Style |= WS_DISABLED;
  params.WndParent = ParentWindow() ? ParentWindow() : Application.Handle();
  params.WindowClass.style = CS_DBLCLKS;
}

void TCustomForm::CreateWnd() {
  TScrollingWinControl::CreateWnd();
  if (formStyle_ == fsMDIForm && !Parent()) CreateMDIClient();
  if (formStyle_ == fsMDIChild && !Parent()) JoinMDIFrame();
  if (menu_ && !Parent()) menu_->SetWindowHandle(Handle());
  if (windowState_ == wsMaximized) ::ShowWindow(Handle(), SW_MAXIMIZE);
}

void TCustomForm::DestroyWnd() {
  // The bar is taken off first: a window that goes destroys its menu.
  if (menu_) menu_->SetWindowHandle(nullptr);
  TScrollingWinControl::DestroyWnd();
  LeaveMDIFrame();
  // The client and the children's windows went with this window.
  clientHandle_ = nullptr;
  ForgetMDIChildren();
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu_ == menu) return;
  if (menu_) {
    menu_->SetWindowHandle(nullptr);
    menu_->RemoveFreeNotification(this);
  }
  const TRect client = ClientRect();
  menu_ = menu;
  if (menu) {
    menu->FreeNotification(this);
    if (HandleAllocated() && !Parent()) menu->SetWindowHandle(Handle());
  }
  // The client keeps its size; the window grows or shrinks by the bar.
  if (HandleAllocated() && !Parent() && !HasState(csLoading)) SetClientSize(client.Width(), client.Height());
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TScrollingWinControl::Notification(component, operation);
  if (operation == opRemove && component == menu_) menu_ = nullptr;
  if (operation == opRemove && component == windowMenu_) windowMenu_ = nullptr;
}

TRect TCustomForm::FrameAdjustment() const {
  TCreateParams params;
  const_cast<TCustomForm*>(this)->CreateParams(params);
  RECT r = {0, 0, 0, 0};
  ::AdjustWindowRectEx(&r, params.Style, FALSE, params.ExStyle);
  return Rect(r.left, r.top, r.right, r.bottom);
}

TRect TCustomForm::ClientRect() const {
  if (HandleAllocated() || Parent()) return TScrollingWinControl::ClientRect();
  TRect frame = FrameAdjustment();
  return Rect(0, 0, std::max(0, Width() - frame.Width()), std::max(0, Height() - frame.Height()));
}

void TCustomForm::SetClientSize(int width, int height) {
  if (HandleAllocated() || Parent()) return TScrollingWinControl::SetClientSize(width, height);
  TRect frame = FrameAdjustment();
  SetBounds(Left(), Top(), width + frame.Width(), height + frame.Height());
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (borderStyle_ == value) return;
  const TRect client = ClientRect();
  borderStyle_ = value;
  if (HandleAllocated())
    RecreateWnd();
  else if (!HasState(csLoading))
    SetClientSize(client.Width(), client.Height());
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (borderIcons_ == value) return;
  borderIcons_ = value;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle value) {
  if (formStyle_ == value) return;
  const bool mdiChange = value == fsMDIForm || value == fsMDIChild || formStyle_ == fsMDIForm ||
                         formStyle_ == fsMDIChild;
  formStyle_ = value;
  if (mdiChange) return RecreateWnd();  // another kind of window
  if (HandleAllocated() && !Parent())
    ::SetWindowPos(Handle(), value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TWindowState TCustomForm::WindowState() const {
  if (HandleAllocated()) {
    HWND window = const_cast<TCustomForm*>(this)->Handle();
    if (::IsIconic(window)) return wsMinimized;
    if (::IsZoomed(window)) return wsMaximized;
    return Visible() ? wsNormal : windowState_;
  }
  return windowState_;
}

void TCustomForm::SetWindowState(TWindowState value) {
  windowState_ = value;
  if (!HandleAllocated() || !Visible()) return;
  static const int commands[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
  ::ShowWindow(Handle(), commands[value]);
}

void TCustomForm::PaintWindow(HDC dc) {
  canvas_->PaintOn(dc, [this] { Paint(); });
}

// ---- showing ----

void TCustomForm::ApplyPosition() {
  if (positioned_) return;
  positioned_ = true;
  TRect area;
  switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
      area = Rect(0, 0, Screen.Width(), Screen.Height());
      break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
      TCustomForm* center = position_ == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : nullptr;
      if (!center) center = Application.MainForm();
      if (!center || center == this) center = nullptr;
      area = center ? center->BoundsRect() : Rect(0, 0, Screen.Width(), Screen.Height());
      break;
    }
    default:
      return;
  }
  SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::Show() {
  SetVisible(true);
  if (HandleAllocated() && !Parent()) ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  // A shown child comes to the front of its frame as the active one.
  if (formStyle_ == fsMDIChild && mdiFrame_ && HandleAllocated())
    ::SendMessageA(mdiFrame_->clientHandle_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
}

void TCustomForm::CMVisibleChanged(TMessage& message) {
  if (Parent()) return TScrollingWinControl::CMVisibleChanged(message);
  if (Visible()) {
    ApplyPosition();
    HandleNeeded();
    DoShow();
    if (!Visible()) return;  // OnShow hid the form again
    static const int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ::ShowWindow(Handle(), commands[windowState_]);
    if (formStyle_ == fsMDIChild && mdiFrame_)
      ::SendMessageA(mdiFrame_->clientHandle_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
    else
      ::SetForegroundWindow(Handle());
    if (!activeControl_) SetActiveControl(FindNextControl(nullptr, true, true, false));
    if (activeControl_) FocusControl(activeControl_);
  } else {
    if (HandleAllocated()) {
      DoHide();
      ::ShowWindow(Handle(), SW_HIDE);
    }
  }
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = formStyle_ == fsMDIChild ? caMinimize : caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application.MainForm() == this) {
    Application.Terminate();
    Hide();
  } else if (action == caHide) {
    Hide();
  } else if (action == caMinimize) {
    SetWindowState(wsMinimized);
  } else {
    Release();
  }
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Release() {
  ::PostMessageA(Application.Handle(), CM_RELEASE, 0, reinterpret_cast<LPARAM>(this));
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (action == caNone) modalResult_ = mrNone;
  if (action == caFree) Release();
}

int TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_)
    throw EInvalidOperation("Cannot make a visible window modal");
  SetMouseCapture(false);
  ::ReleaseCapture();
  // Every other visible form waits while this one shows.
  std::vector<HWND> disabled;
  for (int i = 0; i < Screen.FormCount(); ++i) {
    TCustomForm* form = Screen.Forms(i);
    if (form == this || !form->HandleAllocated() || form->Parent()) continue;
    HWND window = form->Handle();
    if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
      ::EnableWindow(window, FALSE);
      disabled.push_back(window);
    }
  }
  HWND previousActive = ::GetActiveWindow();
  modal_ = true;
  modalResult_ = mrNone;
  try {
    Show();
    while (modalResult_ == mrNone) {
      Application.HandleMessage();
      if (Application.Terminated())
        modalResult_ = mrCancel;
      else if (modalResult_ != mrNone)
        CloseModal();
    }
  } catch (...) {
    modal_ = false;
    for (HWND window : disabled) ::EnableWindow(window, TRUE);
    Hide();
    throw;
  }
  const TModalResult result = modalResult_;
  for (HWND window : disabled)
    if (::IsWindow(window)) ::EnableWindow(window, TRUE);
  if (!HasState(csDestroying)) Hide();
  modal_ = false;
  if (previousActive && ::IsWindow(previousActive)) ::SetActiveWindow(previousActive);
  return result;
}

// ---- focus ----

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (activeControl_ == control) return;
  if (control && (control == this || !ContainsControl(control)))
    throw EInvalidOperation("Invalid control to activate: it is not on this form");
  activeControl_ = control;
  if (control && Visible() && HandleAllocated() && active_ && control->CanFocus()) ::SetFocus(control->Handle());
}

void TCustomForm::FocusControl(TWinControl* control) {
  if (!control) return;
  activeControl_ = control;
  if (!Visible() || !control->CanFocus()) return;
  if (!HandleAllocated()) return;
  ::SetFocus(control->Handle());
  // Without a window manager the window may not be activated; the control is
  // still the form's focused one.
  if (::GetFocus() == control->Handle() && focusedControl_ != control) SetFocusedControl(control);
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
  if (!control) return;
  if (removing && control->ContainsControl(activeControl_)) activeControl_ = control->Parent();
  if (!control->ContainsControl(focusedControl_)) return;
  // The parent takes the focus quietly: the control may be going away.
  TWinControl* parent = control->Parent();
  focusedControl_ = parent;
  HWND focus = ::GetFocus();
  if (parent && parent->HandleAllocated() && control->HandleAllocated() && focus &&
      (focus == control->Handle() || ::IsChild(control->Handle(), focus)))
    ::SetFocus(parent->Handle());
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  if (control == focusedControl_) return true;
  TWinControl* previous = focusedControl_;
  if (control != this) activeControl_ = control;
  focusedControl_ = control;
  // CM_EXIT up the old chain to the common parent, CM_ENTER down the new one.
  for (TWinControl* c = previous; c && !c->ContainsControl(control); c = c->Parent()) {
    if (c == this) break;
    c->Perform(CM_EXIT);
    if (focusedControl_ != control) return false;  // a handler moved the focus
  }
  std::vector<TWinControl*> entering;
  for (TWinControl* c = control; c && c != this && !c->ContainsControl(previous); c = c->Parent())
    entering.push_back(c);
  for (auto it = entering.rbegin(); it != entering.rend(); ++it) {
    (*it)->Perform(CM_ENTER);
    if (focusedControl_ != control) return false;
  }
  Perform(CM_FOCUSCHANGED, 0, SenderParam(control));
  return true;
}

void TCustomForm::SendCancelMode(TControl* sender) {
  if (activeControl_) activeControl_->Perform(CM_CANCELMODE, 0, SenderParam(sender));
}

void TCustomForm::ControlRemoved(TControl* control) {
  auto contains = [control](TControl* c) {
    for (; c; c = c->Parent())
      if (c == control) return true;
    return false;
  };
  if (contains(activeControl_)) activeControl_ = nullptr;
  if (contains(focusedControl_)) focusedControl_ = nullptr;
}

// ---- messages ----

bool TCustomForm::IsShortCut(TMessage& message) {
  bool handled = false;
  OnShortCut(message, handled);
  if (handled) return true;
  TShiftState shift = KeyboardStateToShiftState();
  if (message.LParam & (1 << 29)) shift |= ssAlt;
  const TShortCut shortCut = ::ShortCut(static_cast<Word>(message.WParam), shift);
  if (shortCut == scNone) return false;
  if (menu_ && menu_->IsShortCut(shortCut)) return true;
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto list = dynamic_cast<TCustomActionList*>(Components(i)); list && list->IsShortCut(shortCut)) return true;
  return false;
}

void TCustomForm::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ACTIVATE: return WMActivate(message);
    case WM_CLOSE: return WMClose(message);
    case WM_COMMAND:
    case WM_INITMENUPOPUP:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      // The menu bar's own messages (a command from a menu comes without a window).
      if (menu_ && (message.Msg != WM_COMMAND || message.LParam == 0) &&
          menu_->HandleMenuMessage(message.Msg, message.WParam, message.LParam, message.Result))
        return;
      return TScrollingWinControl::Dispatch(message);
    case WM_DESTROY:
      if (Application.MainForm() == this && !HasState(csDestroying)) ::PostQuitMessage(0);
      return TScrollingWinControl::Dispatch(message);
    default: return TScrollingWinControl::Dispatch(message);
  }
}

void TCustomForm::WMActivate(TMessage& message) {
  DefaultHandler(message);
  const bool activating = LOWORD(message.WParam) != WA_INACTIVE;
  if (activating == active_) return;
  active_ = activating;
  if (activating) {
    Screen.SetActiveForm(this);
    TWinControl* target = focusedControl_ ? focusedControl_ : activeControl_;
    if (target && target != this && target->CanFocus()) ::SetFocus(target->Handle());
    OnActivate(this);
  } else {
    OnDeactivate(this);
  }
}

void TCustomForm::WMClose(TMessage& message) { Close(); }

// Tab and the arrows move the focus; other dialog keys go to the controls.
void TCustomForm::CMDialogKey(TMessage& message) {
  const Word key = static_cast<Word>(message.WParam);
  const bool alt = (message.LParam & (1 << 29)) != 0;
  if (!alt && (::GetKeyState(VK_CONTROL) >= 0)) {
    switch (key) {
      case VK_TAB:
        SelectNext(focusedControl_ ? focusedControl_ : activeControl_, ::GetKeyState(VK_SHIFT) >= 0, true);
        message.Result = 1;
        return;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (TWinControl* current = focusedControl_ ? focusedControl_ : activeControl_) {
          if (TWinControl* parent = current->Parent())
            parent->SelectNext(current, key == VK_RIGHT || key == VK_DOWN, false);
        }
        message.Result = 1;
        return;
      default:
        break;
    }
  }
  TScrollingWinControl::CMDialogKey(message);
}

// ---- TFrame ----

TFrame::TFrame(TComponent* owner) : TScrollingWinControl(owner) {
  ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  SetParentColor(true);
  SetBounds(0, 0, 320, 240);
}
