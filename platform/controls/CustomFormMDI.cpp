// The multiple-document side of forms: the frame's MDI client window, placed in
// the room its aligned controls leave; child windows made inside the main form's
// client; the frame's and the child's default window procedures; and the frame's
// list of children, kept in the order their windows were made.
#include <algorithm>

#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Menus.h"

namespace {

// Command identifiers the client gives the window list it would keep in a menu.
constexpr UINT kFirstChildId = 0xFF00;

}  // namespace

void TCustomForm::CreateMDIClient() {
  CLIENTCREATESTRUCT client{};
  client.idFirstChild = kFirstChildId;
  // No menu is handed over: window lists are kept by whoever shows them.
  clientHandle_ = ::CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                    0, 0, 0, 0, Handle(), nullptr, ::GetModuleHandleA(nullptr), &client);
  if (!clientHandle_) throw EOSError("Error creating the MDI client window of '" + Name() + "'");
  Realign();
}

void TCustomForm::MDIChildParams(TCreateParams& params) {
  TCustomForm* frame = Application.MainForm();
  if (!frame || frame->FormStyle() != fsMDIForm || frame == this)
    throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
  params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle = WS_EX_MDICHILD;
  if (borderStyle_ != bsNone) params.Style |= WS_CAPTION;
  if (borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin) params.Style |= WS_THICKFRAME;
  if (borderStyle_ == bsSingle || borderStyle_ == bsDialog) params.Style |= WS_BORDER;
  if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    if (borderIcons_ & biMinimize) params.Style |= WS_MINIMIZEBOX;
    if (borderIcons_ & biMaximize) params.Style |= WS_MAXIMIZEBOX;
  }
  if (!Enabled()) params.Style |= WS_DISABLED;
  frame->HandleNeeded();
  params.WndParent = frame->ClientHandle();
  params.WindowClass.style = CS_DBLCLKS;
}

void TCustomForm::JoinMDIFrame() {
  TCustomForm* frame = Application.MainForm();
  if (!frame || frame->clientHandle_ != ::GetParent(Handle())) return;
  mdiFrame_ = frame;
  if (std::find(frame->mdiChildren_.begin(), frame->mdiChildren_.end(), this) == frame->mdiChildren_.end())
    frame->mdiChildren_.push_back(this);
}

void TCustomForm::LeaveMDIFrame() {
  if (!mdiFrame_) return;
  auto& list = mdiFrame_->mdiChildren_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  mdiFrame_ = nullptr;
}

void TCustomForm::ForgetMDIChildren() {
  for (TCustomForm* child : mdiChildren_) child->mdiFrame_ = nullptr;
  mdiChildren_.clear();
}

void TCustomForm::SetWindowMenu(TMenuItem* item) {
  if (windowMenu_ == item) return;
  if (windowMenu_) windowMenu_->RemoveFreeNotification(this);
  windowMenu_ = item;
  if (item) item->FreeNotification(this);
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (formStyle_ != fsMDIForm || !clientHandle_) return nullptr;
  auto window = reinterpret_cast<HWND>(::SendMessageA(clientHandle_, WM_MDIGETACTIVE, 0, 0));
  auto* child = dynamic_cast<TCustomForm*>(FindControl(window));
  return child && child->mdiFrame_ == this ? child : nullptr;
}

void TCustomForm::AlignControls(TControl* control, TRect& rect) {
  TScrollingWinControl::AlignControls(control, rect);
  if (clientHandle_)
    ::MoveWindow(clientHandle_, rect.Left, rect.Top, std::max(0, rect.Width()), std::max(0, rect.Height()), TRUE);
}

// A frame's messages go to the frame procedure, which routes the window menu and
// the system commands of a maximized child; a child's to the child procedure,
// which keeps the client's active child and maximized state. The frame's sizes
// stay with the form: its alignment places the client.
void TCustomForm::DefaultHandler(TMessage& message) {
  const bool own = HandleAllocated() && message.Msg < CM_BASE;
  if (own && formStyle_ == fsMDIForm && clientHandle_ && message.Msg != WM_SIZE) {
    message.Result = ::DefFrameProcA(Handle(), clientHandle_, message.Msg,
                                     message.WParam, message.LParam);
    return;
  }
  if (own && formStyle_ == fsMDIChild && mdiFrame_) {
    message.Result = ::DefMDIChildProcA(Handle(), message.Msg, message.WParam, message.LParam);
    return;
  }
  TScrollingWinControl::DefaultHandler(message);
}

// The client destroys its children, so that it can pass the activation on.
void TCustomForm::DestroyWindowHandle() {
  if (formStyle_ == fsMDIChild && mdiFrame_ && mdiFrame_->clientHandle_) {
    HWND client = mdiFrame_->clientHandle_;
    LeaveMDIFrame();
    ::SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
    if (!HandleAllocated()) return;
  }
  TScrollingWinControl::DestroyWindowHandle();
}
