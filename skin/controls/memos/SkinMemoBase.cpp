#include "skin/controls/memos/SkinMemoBase.h"

#include "platform/controls/Menus.h"
#include "skin/controls/EditMenuSeam.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinPaintMessages.h"

TspSkinMemoBase::TspSkinMemoBase(TComponent* owner) : TMemo(owner), defaultFont_(std::make_unique<TFont>()) {
  SetAutoSize(false);
  SetRecordFont(defaultFont_.get(), "Arial", 0, 14);
  defaultFont_->SetColor(clBlack);
  defaultFont_->OnChange = TNotifyEvent(this, &TspSkinMemoBase::OnDefaultFontChange);
  Font()->Assign(defaultFont_.get());
  SetScrollBars(ssBoth);
}

TspSkinMemoBase::~TspSkinMemoBase() {
  defaultFont_->OnChange = nullptr;
  FreeContextMenu();
}

// ---- properties ----

void TspSkinMemoBase::SetDefaultFont(const TFont* value) {
  defaultFont_->Assign(value);
  if (!HasRecord()) Font()->Assign(value);
}

void TspSkinMemoBase::OnDefaultFontChange(TObject*) {
  if (!HasRecord()) Font()->Assign(defaultFont_.get());
}

void TspSkinMemoBase::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value && !value->Empty && !HasState(csDesigning)) ChangeSkinData();
}

void TspSkinMemoBase::SetVScrollBar(TspSkinScrollBar* value) {
  vScrollBar_ = value;
  AttachBar(value, &TspSkinMemoBase::OnVScrollBarChange);
}

void TspSkinMemoBase::SetHScrollBar(TspSkinScrollBar* value) {
  hScrollBar_ = value;
  AttachBar(value, &TspSkinMemoBase::OnHScrollBarChange);
}

// A bar attached to a memo that already holds text shows its range at once.
void TspSkinMemoBase::AttachBar(TspSkinScrollBar* bar, void (TspSkinMemoBase::*onChange)(TObject*)) {
  if (bar) {
    bar->FreeNotification(this);
    bar->SetMin(0);
    bar->SetMax(0);
    bar->SetPosition(0);
    bar->OnChange = TNotifyEvent(this, onChange);
  }
  UpDateScrollRange();
}

void TspSkinMemoBase::Notification(TComponent* component, TOperation operation) {
  TMemo::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == vScrollBar_) vScrollBar_ = nullptr;
  if (component == hScrollBar_) hScrollBar_ = nullptr;
  if (component == menu_) menu_ = nullptr;
}

// ---- scroll bars ----

void TspSkinMemoBase::OnVScrollBarChange(TObject*) {
  ScrollMemoToBar(this, vScrollBar_, true);
  Invalidate();
}

void TspSkinMemoBase::OnHScrollBarChange(TObject*) {
  ScrollMemoToBar(this, hScrollBar_, false);
  Invalidate();
}

void TspSkinMemoBase::UpDateScrollRange() { UpdateMemoScrollBars(this, vScrollBar_, hScrollBar_); }

void TspSkinMemoBase::Change() {
  TMemo::Change();
  UpDateScrollRange();
}

// ---- record ----

const TspDataSkinMemoControl* TspSkinMemoBase::FindMemoRecord() {
  auto* record = FindRecord<TspDataSkinMemoControl>(skinData_, SkinDataName, &recordIndex_);
  look_.Read(record);
  return record;
}

void TspSkinMemoBase::ApplyRecordLook() {
  look_.ApplyFont(Font(), defaultFont_.get(), UseSkinFont);
  if (HasRecord()) {
    if (UseSkinFontColor) Font()->SetColor(HandleAllocated() && Focused() ? look_.ActiveFontColor : look_.FontColor);
    SetColor(look_.BGColor);
  }
  Font()->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
}

void TspSkinMemoBase::StateColors(bool active, bool background) {
  if (!HasRecord()) return;
  if (UseSkinFontColor) Font()->SetColor(active ? look_.ActiveFontColor : look_.FontColor);
  if (background) SetColor(active ? look_.ActiveBGColor : look_.BGColor);
}

void TspSkinMemoBase::DisabledFont(TFont* font) const {
  look_.ApplyFont(font, defaultFont_.get(), UseSkinFont);
  font->SetColor(MemoDisabledFontColor(skinData_, HasRecord()));
  font->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
}

// ---- context menu ----

void TspSkinMemoBase::ContextMenuMessage(TMessage& message) {
  if (PopupMenu()) return TMemo::Dispatch(message);
  FreeContextMenu();
  menu_ = BuildMemoContextMenu(this, skinData_, EditsLocked());
  menu_->FreeNotification(this);
  PopupEditMenu(menu_, this, message.LParam);
  message.Result = 1;
}

void TspSkinMemoBase::FreeContextMenu() {
  TPopupMenu* menu = menu_;
  menu_ = nullptr;
  delete menu;
}

// ---- messages ----

void TspSkinMemoBase::HoverMessage(TMessage& message) {
  TMemo::Dispatch(message);
  mouseIn_ = message.Msg == CM_MOUSEENTER;
  if (!(HandleAllocated() && Focused())) ShowState(mouseIn_);
  // The published events fire, as every other skinned control's do.
  if (HasState(csDesigning)) return;
  if (mouseIn_) OnMouseEnter(this);
  else OnMouseLeave(this);
}

void TspSkinMemoBase::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      message.Result = 0;
      return;
    case WM_MOUSEWHEEL:  // one line a message, whatever the wheel's delta
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
      if (!mouseIn_) ShowState(message.Msg == WM_SETFOCUS);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      return HoverMessage(message);
    default:
      TMemo::Dispatch(message);
  }
}
