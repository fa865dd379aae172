#include "skin/menus/SkinMenu.h"

#include "skin/draw/SkinSystem.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinPopupWindow.h"

namespace {
constexpr UINT kFreeClosedLevels = WM_USER + 1;
}

bool CanMenuClose(Cardinal msg) {
  switch (msg) {
    case WM_MOVE: case WM_SIZE: case WM_ACTIVATE: case WM_KILLFOCUS: case WM_CANCELMODE:
    case WM_MOUSEACTIVATE: case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_PARENTNOTIFY:
      return true;
    default:
      return false;
  }
}

void SendMenuNotice(TControl* control, UINT msg) {
  if (!control) return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed && windowed->HandleAllocated())
    ::SendMessageA(windowed->Handle(), msg, 0, 0);
  else
    control->Perform(msg, 0, 0);
}

TspSkinMenu::TspSkinMenu(TComponent* owner, TCustomForm* form)
    : TComponent(owner), OwnerForm(form), defaultFont_(std::make_unique<TFont>()),
      submenuTimer_(std::make_unique<TTimer>(nullptr)),
      sweeper_([this](UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message != kFreeClosedLevels) return false;
        FreeClosedLevels();
        return true;
      }) {
  defaultFont_->SetName("Arial");
  defaultFont_->SetStyle(0);
  defaultFont_->SetHeight(14);
  submenuTimer_->SetEnabled(false);
  submenuTimer_->SetInterval(500);
  submenuTimer_->SetOnTimer(TNotifyEvent(this, &TspSkinMenu::WaitItem));
  if (form) form->FreeNotification(this);
}

TspSkinMenu::~TspSkinMenu() {
  CloseMenu(0);
  FreeClosedLevels();
  SetCurrentSkinData(nullptr);
}

void TspSkinMenu::FreeClosedLevels() { closed_.clear(); }

void TspSkinMenu::SetDefaultMenuItemFont(const TFont* font) { defaultFont_->Assign(font); }

void TspSkinMenu::SetCurrentSkinData(TspSkinData* value) {
  if (currentSkinData_ == value) return;
  if (currentSkinData_) currentSkinData_->RemoveFreeNotification(this);
  currentSkinData_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  // A container freed under an open menu takes the levels' pictures with it.
  if (component == currentSkinData_) {
    CloseMenu(0);
    currentSkinData_ = nullptr;
  }
  if (component == Opener) Opener = nullptr;
  if (component == LastOpener) LastOpener = nullptr;
  if (component == static_cast<TComponent*>(OwnerForm)) OwnerForm = nullptr;
}

namespace {
void Watch(TComponent* watcher, TControl* control) {
  if (control) control->FreeNotification(watcher);
}
}  // namespace

template <class OpenLevel>
void TspSkinMenu::Open(TControl* opener, TspSkinData* skinData, bool hasRows, OpenLevel open) {
  FreshOpen = !MenuVisible;
  Opener = opener;
  Watch(this, opener);
  // Closing the old menu here tells the opener just stored, so a menu opened
  // over another one keeps no opener.
  if (!levels_.empty()) CloseMenu(0);
  WorkArea = GetWorkArea();
  SetCurrentSkinData(skinData);
  if (!hasRows) return;
  MenuVisible = true;
  open();
  FreshOpen = false;
}

void TspSkinMenu::Popup(TControl* opener, TspSkinData* skinData, Integer startIndex, const TRect& r,
                        TMenuItem* item, bool popupUp) {
  bool hasRows = item && item->Count() > 0 && startIndex < item->Count();
  Open(opener, skinData, hasRows, [&] { PopupSub(r, item, startIndex, false, popupUp); });
}

void TspSkinMenu::Popup2(TControl* opener, TspSkinData* skinData, Integer startIndex, const TRect& r,
                         TMenuItem* item, TMenuItem* item2, bool popupUp) {
  bool hasRows = item && item2 && item->Count() > 0 && startIndex < item->Count() + item2->Count();
  Open(opener, skinData, hasRows, [&] { PopupSub2(r, item, item2, startIndex, false, popupUp); });
}

TspSkinPopupWindow* TspSkinMenu::NewLevel() {
  TspSkinData* data = currentSkinData_;
  TspDataSkinPopupWindow* record = data && !data->Empty ? data->PopupWindow.get() : nullptr;
  levels_.push_back(std::make_unique<TspSkinPopupWindow>(nullptr, this, record));
  return levels_.back().get();
}

void TspSkinMenu::PopupSub(const TRect& r, TMenuItem* item, Integer startIndex, bool beside, bool popupUp) {
  NewLevel()->Show(r, item, startIndex, beside, popupUp);
}

void TspSkinMenu::PopupSub2(const TRect& r, TMenuItem* item, TMenuItem* item2, Integer startIndex, bool beside,
                            bool popupUp) {
  NewLevel()->Show2(r, item, item2, startIndex, beside, popupUp);
}

void TspSkinMenu::StopWaiting() {
  submenuTimer_->SetEnabled(false);
  PendingItem = nullptr;
}

void TspSkinMenu::CheckItem(TspSkinPopupWindow* window, TspSkinMenuItem* item, bool click, bool byKeyboard) {
  TMenuItem* source = item->SourceItem;
  Integer level = GetPWIndex(window);
  if (source->Count() == 0) {
    StopWaiting();
    if (!click) {
      if (level < LevelCount() - 1) CloseMenu(level + 1);
      return;
    }
    // Every level is gone before the command runs; the item may free the menu.
    Hide();
    if (TMenu* menu = source->GetParentMenu())
      menu->DispatchCommand(source->Command());
    else
      source->Click();
    SendMenuNotice(LastOpener, WM_AFTERDISPATCH);
    return;
  }
  if (click) {
    // The item's own OnClick may fill its sub-menu before it opens.
    if (TMenu* menu = source->GetParentMenu()) menu->DispatchCommand(source->Command());
    StopWaiting();
    if (GetPWIndex(window) >= LevelCount()) return;  // the click closed the menu
    item->Pressed = true;
    TRect r = item->ItemRect;
    r = {r.Left + window->Left(), r.Top + window->Top(), r.Right + window->Left(), r.Bottom + window->Top()};
    PopupSub(r, source, 0, true, false);
    return;
  }
  if (byKeyboard) return;
  StopWaiting();
  if (level < LevelCount() - 1) CloseMenu(level + 1);
  PendingItem = item;
  submenuTimer_->SetEnabled(true);
}

void TspSkinMenu::WaitItem(TObject*) {
  submenuTimer_->SetEnabled(false);
  TspSkinMenuItem* item = PendingItem;
  if (!item) return;
  PendingItem = nullptr;
  CheckItem(item->Window, item, true, false);
}

void TspSkinMenu::CloseMenu(Integer level) {
  if (level < 0) level = 0;
  while (LevelCount() > level) {
    std::unique_ptr<TspSkinPopupWindow> top = std::move(levels_.back());
    levels_.pop_back();
    if (PendingItem && PendingItem->Window == top.get()) StopWaiting();
    top->HideLevel();
    top->MorphTimer()->SetEnabled(false);
    top->ShowTimer()->SetEnabled(false);
    closed_.push_back(std::move(top));
    ::PostMessageA(sweeper_.Handle(), kFreeClosedLevels, 0, 0);
  }
  if (level != 0) return;
  submenuTimer_->SetEnabled(false);
  PendingItem = nullptr;
  MenuVisible = false;
  LastOpener = Opener;
  if (TControl* opener = Opener) {
    Opener = nullptr;
    SendMenuNotice(opener, WM_CLOSESKINMENU);
  }
  TNotifyEvent closed = OnMenuClose;
  OnMenuClose = nullptr;
  closed(this);
}

void TspSkinMenu::Hide() {
  CloseMenu(0);
  StopWaiting();
  SendMenuNotice(OwnerForm, WM_CLOSESKINMENU);
  SendMenuNotice(Opener, WM_CLOSESKINMENU);
}

Integer TspSkinMenu::GetPWIndex(const TspSkinPopupWindow* window) const {
  for (Integer i = 0; i < LevelCount(); ++i)
    if (levels_[i].get() == window) return i;
  return LevelCount();
}

TRect TspSkinMenu::GetWorkArea() {
  HWND handle = OwnerForm && OwnerForm->HandleAllocated() ? OwnerForm->Handle() : nullptr;
  return GetMonitorWorkArea(handle, true);
}
