#include "platform/controls/Menus.h"

#include <algorithm>
#include <set>

#include "platform/core/SysUtils.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"

namespace {

// Command numbers of living items: 1..0xFFFF, handed out round-robin.
std::set<Word>& UsedCommands() {
  static std::set<Word> used;
  return used;
}

Word AllocateCommand() {
  static Word next = 0;
  std::set<Word>& used = UsedCommands();
  if (used.size() >= 0xFFFF) throw EMenuError("Too many menu items");
  do {
    next = static_cast<Word>(next + 1);
  } while (next == 0 || used.count(next));
  used.insert(next);
  return next;
}

}  // namespace

// ---- TMenuActionLink ----

TMenuItem* TMenuActionLink::Item() const { return static_cast<TMenuItem*>(client_); }

bool TMenuActionLink::IsCaptionLinked() {
  return TActionLink::IsCaptionLinked() && Item()->Caption() == CustomAction()->Caption();
}
bool TMenuActionLink::IsCheckedLinked() {
  return TActionLink::IsCheckedLinked() && Item()->Checked() == CustomAction()->Checked();
}
bool TMenuActionLink::IsEnabledLinked() {
  return TActionLink::IsEnabledLinked() && Item()->Enabled() == CustomAction()->Enabled();
}
bool TMenuActionLink::IsHelpContextLinked() {
  return TActionLink::IsHelpContextLinked() && Item()->HelpContext() == CustomAction()->HelpContext();
}
bool TMenuActionLink::IsHintLinked() {
  return TActionLink::IsHintLinked() && Item()->Hint() == CustomAction()->Hint();
}
bool TMenuActionLink::IsGroupIndexLinked() {
  return TActionLink::IsGroupIndexLinked() && Item()->GroupIndex() == CustomAction()->GroupIndex();
}
bool TMenuActionLink::IsImageIndexLinked() {
  return TActionLink::IsImageIndexLinked() && Item()->ImageIndex() == CustomAction()->ImageIndex();
}
bool TMenuActionLink::IsShortCutLinked() {
  return TActionLink::IsShortCutLinked() && Item()->ShortCut() == CustomAction()->ShortCut();
}
bool TMenuActionLink::IsVisibleLinked() {
  return TActionLink::IsVisibleLinked() && Item()->Visible() == CustomAction()->Visible();
}
bool TMenuActionLink::IsAutoCheckLinked() {
  return TActionLink::IsAutoCheckLinked() && Item()->AutoCheck() == CustomAction()->AutoCheck();
}
bool TMenuActionLink::IsOnExecuteLinked() {
  return TActionLink::IsOnExecuteLinked() && action_ && Item()->OnClick == action_->OnExecute();
}

void TMenuActionLink::SetCaption(const String& value) {
  if (IsCaptionLinked()) Item()->SetCaption(value);
}
void TMenuActionLink::SetChecked(bool value) {
  if (IsCheckedLinked()) Item()->SetChecked(value);
}
void TMenuActionLink::SetEnabled(bool value) {
  if (IsEnabledLinked()) Item()->SetEnabled(value);
}
void TMenuActionLink::SetHelpContext(int value) {
  if (IsHelpContextLinked()) Item()->SetHelpContext(value);
}
void TMenuActionLink::SetHint(const String& value) {
  if (IsHintLinked()) Item()->SetHint(value);
}
void TMenuActionLink::SetImageIndex(int value) {
  if (IsImageIndexLinked()) Item()->SetImageIndex(value);
}
void TMenuActionLink::SetShortCut(TShortCut value) {
  if (IsShortCutLinked()) Item()->SetShortCut(value);
}
void TMenuActionLink::SetVisible(bool value) {
  if (IsVisibleLinked()) Item()->SetVisible(value);
}
void TMenuActionLink::SetAutoCheck(bool value) {
  if (IsAutoCheckLinked()) Item()->SetAutoCheck(value);
}
void TMenuActionLink::SetOnExecute(const TNotifyEvent& value) {
  if (IsOnExecuteLinked()) Item()->OnClick = value;
}

// ---- TMenuItem ----

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateCommand()) {}

TMenuItem::~TMenuItem() {
  Destroying();
  actionLink_.reset();
  while (!items_.empty()) delete items_.back();  // each leaves this item as it goes
  if (parent_) parent_->Remove(this);
  UsedCommands().erase(command_);
}

void TMenuItem::SetCaption(const String& value) {
  if (value == caption_) return;
  caption_ = value;
  MenuChanged(true);
}

void TMenuItem::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  if (value && radioItem_) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == radioItem_) return;
  radioItem_ = value;
  if (checked_ && radioItem_) TurnSiblingsOff();
  MenuChanged(true);
}

void TMenuItem::SetGroupIndex(int value) {
  if (value == groupIndex_) return;
  groupIndex_ = value;
  if (checked_ && radioItem_) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::TurnSiblingsOff() {
  if (!parent_) return;
  for (TMenuItem* sibling : std::vector<TMenuItem*>(parent_->items_))
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->SetChecked(false);
}

void TMenuItem::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  MenuChanged(false);
}

void TMenuItem::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  MenuChanged(true);
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  MenuChanged(true);
}

void TMenuItem::SetAutoCheck(bool value) { autoCheck_ = value; }

void TMenuItem::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  MenuChanged(true);
}

void TMenuItem::SetHint(const String& value) { hint_ = value; }

void TMenuItem::SetShortCut(TShortCut value) {
  if (value == shortCut_) return;
  shortCut_ = value;
  MenuChanged(true);
}

void TMenuItem::SetHelpContext(int value) { helpContext_ = value; }

TBitmap* TMenuItem::Bitmap() {
  if (!bitmap_) bitmap_ = std::make_unique<TBitmap>();
  return bitmap_.get();
}

void TMenuItem::SetBitmap(const TBitmap* value) {
  Bitmap()->Assign(value);
  MenuChanged(true);
}

bool TMenuItem::HasBitmap() const { return bitmap_ && !bitmap_->Empty(); }

TBasicAction* TMenuItem::Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }

void TMenuItem::SetAction(TBasicAction* action) {
  if (!RelinkAction<TMenuActionLink>(this, actionLink_, action)) return;
  ActionChange(action, action->HasState(csLoading));
  action->FreeNotification(this);
}

void TMenuItem::ActionChange(TObject* sender, bool checkDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (!action) return;
  if (!checkDefaults || !autoCheck_) SetAutoCheck(action->AutoCheck());
  if (!checkDefaults || caption_.empty()) SetCaption(action->Caption());
  if (!checkDefaults || !checked_) SetChecked(action->Checked());
  if (!checkDefaults || enabled_) SetEnabled(action->Enabled());
  if (!checkDefaults || helpContext_ == 0) SetHelpContext(action->HelpContext());
  if (!checkDefaults || hint_.empty()) SetHint(action->Hint());
  if (!checkDefaults || groupIndex_ == 0) SetGroupIndex(action->GroupIndex());
  if (!checkDefaults || imageIndex_ == -1) SetImageIndex(action->ImageIndex());
  if (!checkDefaults || shortCut_ == scNone) SetShortCut(action->ShortCut());
  if (!checkDefaults || visible_) SetVisible(action->Visible());
  if (!checkDefaults || !OnClick) OnClick = action->OnExecute();
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw EMenuError(Format("Menu index out of range (%d)", index));
  return items_[index];
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) throw EMenuError("Menu item is nil");
  if (item->parent_) throw EMenuError("Menu inserted twice");
  for (const TMenuItem* up = this; up; up = up->parent_)
    if (up == item) throw EMenuError("Menu item cannot hold itself");
  if (index < 0 || index > Count()) throw EMenuError(Format("Menu index out of range (%d)", index));
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  if (item->checked_ && item->radioItem_) item->TurnSiblingsOff();
  MenuChanged(true);
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = Items(index);
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  if (!HasState(csDestroying)) MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem* item) {
  int index = IndexOf(item);
  if (index < 0) throw EMenuError("Menu item not found");
  Delete(index);
}

void TMenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenuItem* TMenuItem::Find(const String& caption) const {
  String wanted = StripHotkey(caption);
  for (TMenuItem* item : items_)
    if (SameText(StripHotkey(item->caption_), wanted)) return item;
  return nullptr;
}

int TMenuItem::MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int index) {
  if (!parent_) return;
  TMenuItem* parent = parent_;
  index = std::clamp(index, 0, parent->Count() - 1);
  int from = parent->IndexOf(this);
  if (from == index) return;
  parent->items_.erase(parent->items_.begin() + from);
  parent->items_.insert(parent->items_.begin() + index, this);
  MenuChanged(true);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

bool TMenuItem::RethinkLines() {
  bool changed = false;
  TMenuItem* pending = nullptr;  // a line waiting for a visible item after it
  bool seenItem = false;
  for (TMenuItem* item : items_) {
    if (item->IsLine()) {
      bool needed = seenItem && !pending;
      if (needed) pending = item;
      if (!needed && item->visible_) {
        item->visible_ = false;
        changed = true;
      }
    } else if (item->visible_) {
      seenItem = true;
      if (pending && !pending->visible_) {
        pending->visible_ = true;
        changed = true;
      }
      pending = nullptr;
    }
  }
  if (pending && pending->visible_) {  // a trailing line
    pending->visible_ = false;
    changed = true;
  }
  if (changed) MenuChanged(true);
  return changed;
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (autoCheck_ && !(actionLink_ && actionLink_->IsAutoCheckLinked())) SetChecked(!checked_);
  TBasicAction* action = Action();
  if (OnClick && action && !(OnClick == action->OnExecute()))
    OnClick(this);
  else if (actionLink_ && action)
    actionLink_->Execute(this);
  else
    OnClick(this);
}

void TMenuItem::InitiateAction() {
  if (actionLink_) actionLink_->Update();
}

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
  if (IsLine()) {
    height = 5;
  } else {
    String text = caption_;
    if (shortCut_ != scNone) text += "    " + ShortCutToText(shortCut_);
    SIZE size{};
    HDC dc = canvas->Handle();
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    width = size.cx + 2 * ::GetSystemMetrics(SM_CXMENUCHECK) + 8;
    height = std::max<int>(size.cy + 4, ::GetSystemMetrics(SM_CYMENUCHECK));
  }
  OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* canvas, const TRect& rect, UINT state) {
  if (OnAdvancedDrawItem) {
    OnAdvancedDrawItem(this, canvas, rect, state);
    return;
  }
  bool selected = (state & ODS_SELECTED) != 0;
  if (OnDrawItem) {
    OnDrawItem(this, canvas, rect, selected);
    return;
  }
  HDC dc = canvas->Handle();
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  ::FillRect(dc, &r, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT line{r.left, (r.top + r.bottom) / 2 - 1, r.right, (r.top + r.bottom) / 2 + 1};
    ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(!enabled_ ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  r.left += ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
  ::DrawTextA(dc, caption_.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (shortCut_ != scNone) {
    String text = ShortCutToText(shortCut_);
    r.right -= 8;
    ::DrawTextA(dc, text.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component && component == Action()) actionLink_.reset();
}

void TMenuItem::MenuChanged(bool rebuild) {
  if (HasState(csDestroying)) return;
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged(this, rebuild);
}

// ---- Captions ----

String StripHotkey(const String& caption) {
  String result;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') result += '&';
      ++i;
      if (i < caption.size() && caption[i] != '&') result += caption[i];
      continue;
    }
    result += caption[i];
  }
  return result;
}

char GetHotkey(const String& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    char c = caption[i + 1];
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return 0;
}

bool IsAccel(Word key, const String& caption) {
  char hotkey = GetHotkey(caption);
  if (!hotkey) return false;
  char c = static_cast<char>(key & 0xFF);
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return key <= 0xFF && c == hotkey;
}

// ---- TMenu ----

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
  Destroying();
  SetImages(nullptr);
  delete items_;
}

void TMenu::SetImages(TCustomImageList* images) {
  if (images == images_) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images_) images_->FreeNotification(this);
  if (!HasState(csDestroying)) MenuChanged(nullptr, false);
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == ownerDraw_) return;
  ownerDraw_ = value;
  MenuChanged(nullptr, true);
}

namespace {

TMenuItem* FindInTree(TMenuItem* parent, unsigned value, TFindItemKind kind) {
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    if (kind == fkCommand && item->Command() == value) return item;
    if (kind == fkShortCut && item->Visible() && item->ShortCut() != scNone && item->ShortCut() == value) return item;
    if (kind == fkShortCut && !item->Visible()) continue;
    if (TMenuItem* found = FindInTree(item, value, kind)) return found;
  }
  return nullptr;
}

}  // namespace

TMenuItem* TMenu::FindItem(unsigned value, TFindItemKind kind) const {
  if (kind == fkHandle) return nullptr;  // native sub-menus are rebuilt for every showing
  return FindInTree(items_, value, kind);
}

bool TMenu::DispatchCommand(Word command) {
  TMenuItem* item = command ? FindItem(command, fkCommand) : nullptr;
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  if (shortCut == scNone) return false;
  TMenuItem* item = FindItem(shortCut, fkShortCut);
  if (!item) return false;
  item->InitiateAction();
  if (!item->Enabled()) return false;
  item->Click();
  return true;
}

namespace {

void SetAllItemsFromActions(TMenuItem* parent) {
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    item->InitiateAction();
    SetAllItemsFromActions(item);
  }
}

void AddNativeItems(HMENU menu, TMenuItem* parent, bool ownerDraw) {
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    if (!item->Visible()) continue;
    String text = item->Caption();
    if (item->ShortCut() != scNone && !item->IsLine()) text += "\t" + ShortCutToText(item->ShortCut());
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    info.fType = item->IsLine() ? MFT_SEPARATOR : 0;
    if (item->RadioItem()) info.fType |= MFT_RADIOCHECK;
    if (ownerDraw) info.fType |= MFT_OWNERDRAW;
    if (!item->IsLine() && !ownerDraw) {
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
      info.cch = static_cast<UINT>(text.size());
    }
    info.fState = (item->Checked() ? MFS_CHECKED : 0) | (item->Enabled() ? 0 : MFS_GRAYED) |
                  (item->Default() ? MFS_DEFAULT : 0);
    info.wID = item->Command();
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    if (item->Count() > 0) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = ::CreatePopupMenu();
      // The sub-menu knows its item, so the item can refill it when it opens.
      MENUINFO menuInfo{};
      menuInfo.cbSize = sizeof menuInfo;
      menuInfo.fMask = MIM_MENUDATA;
      menuInfo.dwMenuData = reinterpret_cast<ULONG_PTR>(item);
      ::SetMenuInfo(info.hSubMenu, &menuInfo);
      AddNativeItems(info.hSubMenu, item, ownerDraw);
    }
    ::InsertMenuItemA(menu, ::GetMenuItemCount(menu), TRUE, &info);
  }
}

// The item a native menu entry stands for (its item data), checked against the tree.
TMenuItem* ItemOfData(const TMenu* menu, ULONG_PTR data) {
  auto* item = reinterpret_cast<TMenuItem*>(data);
  return item && menu->FindItem(item->Command(), fkCommand) == item ? item : nullptr;
}

}  // namespace

HMENU TMenu::BuildNative(bool bar) const {
  HMENU menu = bar ? ::CreateMenu() : ::CreatePopupMenu();
  if (!menu) throw EOutOfResources("Cannot create a menu");
  AddNativeItems(menu, items_, ownerDraw_);
  return menu;
}

bool TMenu::HandleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) != 0 || lParam != 0 || !DispatchCommand(LOWORD(wParam))) return false;
      result = 0;
      return true;
    case WM_INITMENUPOPUP: {
      // A sub-menu opens: its item's click may still change its sub-items,
      // which then replace the native entries.
      auto submenu = reinterpret_cast<HMENU>(wParam);
      MENUINFO menuInfo{};
      menuInfo.cbSize = sizeof menuInfo;
      menuInfo.fMask = MIM_MENUDATA;
      if (!::GetMenuInfo(submenu, &menuInfo)) return false;
      TMenuItem* item = ItemOfData(this, menuInfo.dwMenuData);
      if (!item) return false;
      item->Click();
      SetAllItemsFromActions(item);
      while (::GetMenuItemCount(submenu) > 0) ::DeleteMenu(submenu, 0, MF_BYPOSITION);
      AddNativeItems(submenu, item, ownerDraw_);
      result = 0;
      return true;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure->CtlType != ODT_MENU) return false;
      TMenuItem* item = ItemOfData(this, measure->itemData);
      if (!item) return false;
      TCanvas canvas;
      HDC dc = ::GetDC(nullptr);
      HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
      canvas.SetHandle(dc);
      int width = 0, height = 0;
      try {
        item->MeasureItem(&canvas, width, height);
      } catch (...) {
        canvas.SetHandle(nullptr);
        ::SelectObject(dc, oldFont);
        ::ReleaseDC(nullptr, dc);
        throw;
      }
      canvas.SetHandle(nullptr);
      ::SelectObject(dc, oldFont);
      ::ReleaseDC(nullptr, dc);
      measure->itemWidth = static_cast<UINT>(std::max(width, 0));
      measure->itemHeight = static_cast<UINT>(std::max(height, 0));
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (draw->CtlType != ODT_MENU) return false;
      TMenuItem* item = ItemOfData(this, draw->itemData);
      if (!item) return false;
      TCanvas canvas;
      int saved = ::SaveDC(draw->hDC);
      canvas.SetHandle(draw->hDC);
      TRect rect{draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom};
      try {
        item->AdvancedDrawItem(&canvas, rect, draw->itemState);
      } catch (...) {
        canvas.SetHandle(nullptr);
        ::RestoreDC(draw->hDC, saved);
        throw;
      }
      canvas.SetHandle(nullptr);
      ::RestoreDC(draw->hDC, saved);
      result = TRUE;
      return true;
    }
  }
  return false;
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component && component == images_) {
    images_ = nullptr;
    MenuChanged(nullptr, false);
  }
}

void TMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  if (HasState(csDestroying) || HasState(csLoading)) return;
  OnChange(this, source, rebuild);
}

// ---- TPopupMenu ----

namespace {

TPopupMenuTracker SystemTracker() {
  return [](HMENU menu, UINT flags, int x, int y, HWND owner) -> UINT {
    return static_cast<UINT>(::TrackPopupMenu(menu, flags | TPM_RETURNCMD, x, y, 0, owner, nullptr));
  };
}

}  // namespace

TPopupMenuTracker& PopupMenuTracker() {
  static TPopupMenuTracker tracker = SystemTracker();
  return tracker;
}

void RestorePopupMenuTracker() { PopupMenuTracker() = SystemTracker(); }

TPopupMenu::TPopupMenu(TComponent* owner)
    : TMenu(owner), window_([this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return HandleMenuMessage(message, wParam, lParam, result);
      }) {}

TPopupMenu::~TPopupMenu() {
  Destroying();
  SetPopupComponent(nullptr);
}

HWND TPopupMenu::WindowHandle() { return window_.Handle(); }

void TPopupMenu::Popup(int x, int y) {
  popupPoint_ = TPoint{x, y};
  DoPopup(this);
  SetAllItemsFromActions(Items());
  if (AutoLineReduction == maAutomatic) Items()->RethinkLines();
  static const UINT alignments[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  UINT flags = alignments[Alignment] | (TrackButton == tbLeftButton ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON);
  HMENU native = BuildNative(false);
  UINT command = 0;
  if (::GetMenuItemCount(native) <= 0) {  // nothing to show
    ::DestroyMenu(native);
    OnClose(this);
    return;
  }
  try {
    command = PopupMenuTracker()(native, flags, x, y, WindowHandle());
  } catch (...) {
    ::DestroyMenu(native);
    throw;
  }
  ::DestroyMenu(native);
  OnClose(this);
  if (command) DispatchCommand(static_cast<Word>(command));
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
  if (component == popupComponent_) return;
  if (popupComponent_) popupComponent_->RemoveFreeNotification(this);
  popupComponent_ = component;
  if (popupComponent_) popupComponent_->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == opRemove && component && component == popupComponent_) popupComponent_ = nullptr;
}

// ---- TMainMenu ----

TMainMenu::~TMainMenu() {
  Destroying();
  DestroyHandle();
}

HMENU TMainMenu::Handle() {
  if (!handle_ || !::IsMenu(handle_)) handle_ = BuildNative(true);
  return handle_;
}

void TMainMenu::SetWindowHandle(HWND window) {
  if (window == window_) return;
  if (window_ && ::IsWindow(window_) && ::GetMenu(window_) == handle_) ::SetMenu(window_, nullptr);
  window_ = window;
  if (window_) ::SetMenu(window_, Handle());
}

void TMainMenu::DestroyHandle() {
  if (!handle_) return;
  // A window that is destroyed destroys its menu with it.
  if (window_ && ::IsWindow(window_) && ::GetMenu(window_) == handle_) ::SetMenu(window_, nullptr);
  if (::IsMenu(handle_)) ::DestroyMenu(handle_);
  handle_ = nullptr;
}

void TMainMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  if (!HasState(csDestroying) && handle_) {
    HWND window = window_;
    DestroyHandle();
    if (window && ::IsWindow(window)) {
      ::SetMenu(window, Handle());
      ::DrawMenuBar(window);
    }
  }
  TMenu::MenuChanged(source, rebuild);
}
