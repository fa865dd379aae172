#include "skin/controls/memos/SkinMemo2.h"

#include "platform/controls/Menus.h"
#include "skin/controls/EditMenuSeam.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinPaintMessages.h"

TspSkinMemo2::TspSkinMemo2(TComponent* owner) : TMemo(owner), defaultFont_(std::make_unique<TFont>()) {
  SetAutoSize(false);
  SetRecordFont(defaultFont_.get(), "Arial", 0, 14);
  defaultFont_->SetColor(clBlack);
  defaultFont_->OnChange = TNotifyEvent(this, &TspSkinMemo2::OnDefaultFontChange);
  Font()->Assign(defaultFont_.get());
  SetScrollBars(ssBoth);
}

TspSkinMemo2::~TspSkinMemo2() {
  defaultFont_->OnChange = nullptr;
  FreeContextMenu();
}

void TspSkinMemo2::SetDefaultFont(const TFont* value) {
  defaultFont_->Assign(value);
  if (!HasRecord()) Font()->Assign(value);
}

void TspSkinMemo2::OnDefaultFontChange(TObject*) {
  if (!HasRecord()) Font()->Assign(defaultFont_.get());
}

void TspSkinMemo2::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value && !value->Empty && !HasState(csDesigning)) ChangeSkinData();
}

void TspSkinMemo2::SetVScrollBar(TspSkinScrollBar* value) {
  vScrollBar_ = value;
  if (value) {
    value->FreeNotification(this);
    value->SetMin(0);
    value->SetMax(0);
    value->SetPosition(0);
    value->OnChange = TNotifyEvent(this, &TspSkinMemo2::OnVScrollBarChange);
  }
  UpDateScrollRange();
}

void TspSkinMemo2::SetHScrollBar(TspSkinScrollBar* value) {
  hScrollBar_ = value;
  if (value) {
    value->FreeNotification(this);
    value->SetMin(0);
    value->SetMax(0);
    value->SetPosition(0);
    value->OnChange = TNotifyEvent(this, &TspSkinMemo2::OnHScrollBarChange);
  }
  UpDateScrollRange();
}

void TspSkinMemo2::Notification(TComponent* component, TOperation operation) {
  TMemo::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == vScrollBar_) vScrollBar_ = nullptr;
  if (component == hScrollBar_) hScrollBar_ = nullptr;
  if (component == menu_) menu_ = nullptr;
}

void TspSkinMemo2::OnVScrollBarChange(TObject*) {
  ScrollMemoToBar(this, vScrollBar_, true);
  Invalidate();
}

void TspSkinMemo2::OnHScrollBarChange(TObject*) {
  ScrollMemoToBar(this, hScrollBar_, false);
  Invalidate();
}

void TspSkinMemo2::UpDateScrollRange() { UpdateMemoScrollBars(this, vScrollBar_, hScrollBar_); }

void TspSkinMemo2::ChangeSkinData() {
  auto* r = FindRecord<TspDataSkinMemoControl>(skinData_, SkinDataName, &recordIndex_);
  look_.Read(r);
  look_.ApplyFont(Font(), defaultFont_.get(), UseSkinFont);
  if (r) {
    if (UseSkinFontColor) Font()->SetColor(HandleAllocated() && Focused() ? look_.ActiveFontColor : look_.FontColor);
    SetColor(look_.BGColor);
  }
  Font()->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
  if (vScrollBar_) vScrollBar_->SetAlign(vScrollBar_->Align());
  if (hScrollBar_) hScrollBar_->SetAlign(hScrollBar_->Align());
  UpDateScrollRange();
}

void TspSkinMemo2::CreateParams(TCreateParams& params) {
  TMemo::CreateParams(params);
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
  params.Style &= ~WS_BORDER;
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TspSkinMemo2::Change() {
  TMemo::Change();
  UpDateScrollRange();
}

void TspSkinMemo2::StateColors(bool active) {
  if (!HasRecord()) return;
  if (UseSkinFontColor) Font()->SetColor(active ? look_.ActiveFontColor : look_.FontColor);
  SetColor(active ? look_.ActiveBGColor : look_.BGColor);
}

// A disabled memo draws its lines itself, into the formatting rectangle.
void TspSkinMemo2::PaintMessage(TMessage& message) {
  if (Enabled()) return TMemo::Dispatch(message);
  TFont font;
  look_.ApplyFont(&font, defaultFont_.get(), UseSkinFont);
  font.SetColor(MemoDisabledFontColor(skinData_, HasRecord()));
  font.SetCharset(SkinCharset(skinData_, defaultFont_.get()));
  RECT native{};
  ::SendMessageA(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&native));
  TRect rect{native.left, native.top, native.right, native.bottom};
  if (message.WParam != 0) return DrawDisabledMemoLines(this, reinterpret_cast<HDC>(message.WParam), rect, &font);
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(Handle(), &ps);
  DrawDisabledMemoLines(this, dc, rect, &font);
  ::EndPaint(Handle(), &ps);
}

void TspSkinMemo2::ContextMenuMessage(TMessage& message) {
  if (PopupMenu()) return TMemo::Dispatch(message);
  FreeContextMenu();
  menu_ = BuildMemoContextMenu(this, skinData_, ReadOnly());
  menu_->FreeNotification(this);
  int x = static_cast<short>(LOWORD(message.LParam)), y = static_cast<short>(HIWORD(message.LParam));
  if (x < 0 || y < 0) {
    TPoint origin = ClientOrigin();
    x = origin.X + Width() / 2;
    y = origin.Y + Height() / 2;
  }
  SPEditMenuHooks().Popup2(menu_, this, x, y);
  message.Result = 1;
}

void TspSkinMemo2::FreeContextMenu() {
  TPopupMenu* menu = menu_;
  menu_ = nullptr;
  delete menu;
}

void TspSkinMemo2::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      message.Result = 0;
      return;
    case WM_PAINT:
      return PaintMessage(message);
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_SETTEXT:
    case WM_SIZE:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_LBUTTONUP:
      TMemo::Dispatch(message);
      return UpDateScrollRange();
    case WM_MOUSEWHEEL:
      ::SendMessageA(Handle(), WM_VSCROLL, GET_WHEEL_DELTA_WPARAM(message.WParam) <= 0 ? SB_LINEDOWN : SB_LINEUP, 0);
      message.Result = 0;
      return;
    case CM_ENABLEDCHANGED:
      if (HandleAllocated()) ::SendMessageA(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
      TMemo::Dispatch(message);
      return UpDateScrollRange();
    case WM_CONTEXTMENU:
      return ContextMenuMessage(message);
    case WM_AFTERDISPATCH:
      return FreeContextMenu();
    case CM_SENCPAINT:
      message.Result = 12851;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TMemo::Dispatch(message);
      if (!mouseIn_) StateColors(message.Msg == WM_SETFOCUS);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TMemo::Dispatch(message);
      mouseIn_ = message.Msg == CM_MOUSEENTER;
      if (!(HandleAllocated() && Focused())) StateColors(mouseIn_);
      if (HasState(csDesigning)) return;
      if (mouseIn_) OnMouseEnter(this);
      else OnMouseLeave(this);
      return;
    default:
      break;
  }
  TMemo::Dispatch(message);
}
