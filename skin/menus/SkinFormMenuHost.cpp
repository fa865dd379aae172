#include "skin/menus/SkinFormMenuHost.h"

#include <algorithm>
#include <map>

#include "platform/controls/ShortCuts.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinMainMenuBar.h"
#include "skin/menus/SkinMainMenuItem.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinPopupWindow.h"

namespace {

std::map<const TspDynamicSkinForm*, TspFormMenuHost*>& Hosts() {
  static std::map<const TspDynamicSkinForm*, TspFormMenuHost*> hosts;
  return hosts;
}

TspDynamicSkinForm* SkinFormOf(TComponent* form) {
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* skinForm = dynamic_cast<TspDynamicSkinForm*>(form->Components(i))) return skinForm;
  return nullptr;
}

TspFormMenuHost* HostOf(const TspDynamicSkinForm* skinForm) { return FormMenuHostOf(skinForm); }

}  // namespace

TspFormMenuHost::TspFormMenuHost(TspDynamicSkinForm* skinForm)
    : TComponent(skinForm), skinForm_(skinForm),
      engine_(new TspSkinMenu(this, skinForm->Form())),
      menus_(new TspFormMenus(this, this, skinForm->Form(), skinForm->IsMDIChild())) {
  menus_->OnCommand = [this](TspSystemCommand command) { Command(command); };
  menus_->OnPopupSystemMenu = [this] { PopupSystemMenu(); };
  menus_->OnSkinMenuClose = TNotifyEvent(this, &TspFormMenuHost::MenuClosed);
  menus_->OnMainMenuKey = [this](Word key) { return MainMenuKey(key); };
  menus_->OnMainMenuShortCut = [this](TMessage& message, bool& handled) { MainMenuShortCut(message, handled); };
  menus_->OnMainMenuClose = [this] { SkinMainMenuClose(); };
  Hosts()[skinForm] = this;
}

bool TspFormMenuHost::MainMenuKey(Word key) { return skinForm_->MainMenuBar() ? BarKey(key) : FrameMenuKey(key); }

// The keys of the entered menu bar: arrows move along the bar (also out of a
// drop-down without sub-levels), Enter presses the hot item, Escape closes the
// drop-down and then leaves the bar, a letter presses the item it names.
bool TspFormMenuHost::BarKey(Word key) {
  TspSkinMainMenuBar* bar = skinForm_->MainMenuBar();
  const Integer levels = engine_->Visible() ? engine_->LevelCount() : 0;
  auto topRowOpensLevel = [this] {
    TspSkinMenuItem* row = engine_->TopLevel() ? engine_->TopLevel()->ActiveItem() : nullptr;
    return row && row->SourceItem->Count() > 0;
  };
  switch (key) {
    case VK_LEFT:
      if (levels > 1) return false;
      bar->PriorMainMenuItem();
      return true;
    case VK_RIGHT:
      if (levels > 1 || (levels == 1 && topRowOpensLevel())) return false;
      bar->NextMainMenuItem();
      return true;
    case VK_RETURN: return levels == 0 && bar->CheckReturnKey();
    case VK_ESCAPE:
      if (levels > 1) return false;
      if (levels == 1) {
        keepBar_ = true;  // the bar stays entered with its item hot
        engine_->Hide();
        keepBar_ = false;
        bar->MenuClose();
        bar->MenuMode = true;
        menus_->MainMenuActive = true;
        skinForm_->MainMenuActive = true;
        menus_->HookApp();
        return true;
      }
      bar->MenuExit();
      menus_->SkinMenuClose();
      skinForm_->MainMenuActive = false;
      return true;
    default: return levels == 0 && bar->FindHotKeyItem(key);
  }
}

TspFormMenuHost::~TspFormMenuHost() {
  // Gone from the lookup first: closing the menu below sends the form a
  // close notice that must find no host half taken down.
  auto& hosts = Hosts();
  if (auto it = hosts.find(skinForm_); it != hosts.end() && it->second == this) hosts.erase(it);
  menus_->UnHookApp();
  menus_->OnSkinMenuClose = nullptr;
  engine_->CloseMenu(0);
}

TspSkinData* TspFormMenuHost::MenuSkinData() {
  return skinForm_->MenusSkinData() ? skinForm_->MenusSkinData() : skinForm_->SkinData();
}

void TspFormMenuHost::SyncOptions() {
  menus_->DisableSystemMenu = skinForm_->DisableSystemMenu;
  menus_->UseDefaultSysMenu = skinForm_->UseDefaultSysMenu;
  menus_->ShowObjectHint = skinForm_->ShowObjectHint;
}

TspSystemMenuState TspFormMenuHost::SystemMenuState() const {
  const TspBorderIcons icons = skinForm_->BorderIcons();
  TspSystemMenuState s;
  s.CanMinimize = (icons & biMinimize) != 0;
  s.CanMaximize = (icons & biMaximize) != 0;
  s.CanRollUp = (icons & biRollUp) != 0;
  s.CanMinimizeToTray = (icons & biMinimizeToTray) != 0;
  s.WindowState = skinForm_->WindowState();
  s.RolledUp = skinForm_->RollUpState();
  s.MDIChild = skinForm_->IsMDIChild();
  s.MDIChildMaximized = skinForm_->IsMDIChildMaximized();
  return s;
}

TMenuItem* TspFormMenuHost::GetSystemMenu() {
  SyncOptions();
  // Captions come from the container's interface strings while they are read.
  TspSkinData* data = skinForm_->SkinData();
  menus_->Strings = data ? data->ResourceStrData() : nullptr;
  TMenuItem* items = menus_->GetSystemMenu(SystemMenuState());
  menus_->Strings = nullptr;
  return items;
}

void TspFormMenuHost::TrackSystemMenu(TPoint p) { TrackMenu(GetSystemMenu(), {p.X, p.Y, p.X, p.Y}, false); }

void TspFormMenuHost::PopupSystemMenu() {
  SyncOptions();
  if (skinForm_->DisableSystemMenu) return;
  TCustomForm* form = skinForm_->Form();
  for (auto& object : skinForm_->Objects()) {
    TStdCommand command = cmDefault;
    if (auto* button = dynamic_cast<TspSkinStdButtonObject*>(object.get())) command = button->Command;
    if (auto* animate = dynamic_cast<TspSkinAnimateObject*>(object.get())) command = animate->Command;
    if (command != cmSysMenu || !object->Enabled) continue;
    const TRect& r = object->ObjectRect;
    TrackMenu(GetSystemMenu(), {r.Left + form->Left(), r.Top + form->Top(), r.Right + form->Left(),
                                r.Bottom + form->Top()}, false);
    return;
  }
}

void TspFormMenuHost::TrackMenu(TMenuItem* item, const TRect& r, bool popupUp) {
  SyncOptions();
  if (!item) return;
  if (engine_->Visible()) HideMenu();
  menus_->SkinMenuOpen();
  engine_->Popup(nullptr, MenuSkinData(), 0, r, item, popupUp);
  // A menu with nothing to show closes at once.
  if (!engine_->Visible() && menus_->SkinMenuOpened) menus_->SkinMenuClose();
}

// A linked skinned popup menu pops itself up (its OnPopup and OnMenuClose
// fire); any other menu goes to the engine, in the skin of a skinned main menu
// that carries one (an animation always takes the form's menu skin).
void TspFormMenuHost::TrackObjectMenu(TspActiveSkinObject* object, TMenuItem* item, const TRect& r, bool popupUp) {
  if (!item) return;
  TMenu* parent = item->GetParentMenu();
  if (auto* popup = dynamic_cast<TspSkinPopupMenu*>(parent); popup && popup->Items() == item) {
    popup->PopupFromRect(r, popupUp);
    return;
  }
  TspSkinData* data = MenuSkinData();
  auto* main = dynamic_cast<TspSkinMainMenu*>(parent);
  if (main && main->SkinData() && !dynamic_cast<TspSkinAnimateObject*>(object)) data = main->SkinData();
  SyncOptions();
  if (engine_->Visible()) HideMenu();
  menus_->SkinMenuOpen();
  engine_->Popup(nullptr, data, 0, r, item, popupUp);
  if (!engine_->Visible() && menus_->SkinMenuOpened) menus_->SkinMenuClose();
}

void TspFormMenuHost::HideMenu() {
  if (engine_->Visible())
    engine_->Hide();
  else if (menus_->SkinMenuOpened)
    menus_->SkinMenuClose();
}

void TspFormMenuHost::Command(TspSystemCommand command) {
  TspDynamicSkinForm* f = skinForm_;
  switch (command) {
    case TspSystemCommand::Minimize:
      if (f->AlwaysMinimizeToTray)
        f->MinimizeToTray();
      else
        f->SetWindowState(wsMinimized);
      break;
    case TspSystemCommand::Maximize: f->SetWindowState(wsMaximized); break;
    case TspSystemCommand::Restore:
      // Rolled up (normal or maximized): unrolling is the restore.
      if (f->RollUpState() && f->WindowState() != wsMinimized)
        f->SetRollUpState(false);
      else
        f->SetWindowState(wsNormal);
      break;
    case TspSystemCommand::RollUp: f->SetRollUpState(true); break;
    case TspSystemCommand::MinimizeToTray: f->MinimizeToTray(); break;
    case TspSystemCommand::Close:
    case TspSystemCommand::TrayClose: f->Form()->Close(); break;
    case TspSystemCommand::TrayRestore: f->RestoreFromTray(); break;
  }
}

void TspFormMenuHost::MenuClosed(TObject*) {
  skinForm_->SkinMenuOpened = false;
  ReleaseMenuObject();
  if (keepBar_) return;
  const bool wasActive = skinForm_->MainMenuActive;
  // The bar's pressed item lets go and the bar is left.
  if (TspSkinMainMenuBar* bar = skinForm_->MainMenuBar()) bar->MenuExit();
  skinForm_->MainMenuActive = false;
  if (wasActive) skinForm_->OnMainMenuExit(skinForm_);
}

// The first frame object whose menu was open lets go.
void TspFormMenuHost::ReleaseMenuObject() {
  for (auto& object : skinForm_->Objects()) {
    if (auto* item = dynamic_cast<TspSkinMainMenuItem*>(object.get()); item && item->Down) {
      item->Active = false;
      item->SetDown(false);
      return;
    }
    if (auto* button = dynamic_cast<TspSkinButtonObject*>(object.get()); button && button->MenuItem && button->Down) {
      button->SetDown(false);
      return;
    }
    if (auto* animate = dynamic_cast<TspSkinAnimateObject*>(object.get()); animate && animate->MenuItem && animate->MenuOpened) {
      // Played back from its last frame.
      animate->Active = true;
      animate->Frame = animate->countframes;
      animate->Down = false;
      animate->MenuOpened = false;
      animate->PlayForward = false;
      if (!skinForm_->AnimateTimer()->Enabled()) skinForm_->AnimateTimer()->SetEnabled(true);
      return;
    }
  }
}

// ---- the main menu in the frame ----

void TspFormMenuHost::SetMainMenuActive(bool value) {
  menus_->MainMenuActive = value;
  skinForm_->MainMenuActive = value;
}

void TspFormMenuHost::ActivateMenu() {
  std::vector<TspSkinMainMenuItem*> items = KeyboardMainMenuItemsOf(skinForm_);
  // Without items the mode would only swallow the keys.
  if (items.empty()) return;
  auto hot = std::find_if(items.begin(), items.end(), [](TspSkinMainMenuItem* i) { return i->Active; });
  (hot != items.end() ? *hot : items.front())->MouseEnter();
  SetMainMenuActive(true);
  menus_->HookApp();
  skinForm_->OnMainMenuEnter(skinForm_);
}

void TspFormMenuHost::SkinMainMenuClose() {
  SetMainMenuActive(false);
  if (engine_->Visible()) engine_->Hide();
  if (TspSkinMainMenuBar* bar = skinForm_->MainMenuBar()) {
    bar->MenuExit();
  } else {
    for (TspSkinMainMenuItem* item : MainMenuItemsOf(skinForm_)) {
      if (!item->Active) continue;
      item->MouseLeave();
      break;
    }
  }
  menus_->UnHookApp();
  skinForm_->OnMainMenuExit(skinForm_);
}

void TspFormMenuHost::SkinMenuClose2() {
  menus_->SkinMenuOpened = skinForm_->SkinMenuOpened = false;
  if (TspSkinMainMenuBar* bar = skinForm_->MainMenuBar()) {
    bar->MenuClose();
    return;
  }
  for (TspSkinMainMenuItem* item : MainMenuItemsOf(skinForm_)) {
    if (!item->Down) continue;
    item->SetDown(false);
    item->MouseEnter();
    return;
  }
}

bool TspFormMenuHost::FindHotKeyItem(Word key) {
  if (TspSkinMainMenuBar* bar = skinForm_->MainMenuBar()) return bar->FindHotKeyItem(key);
  for (TspSkinMainMenuItem* item : KeyboardMainMenuItemsOf(skinForm_)) {
    if (!IsAccel(key, item->MenuItem->Caption())) continue;
    item->MouseEnter();
    if (!engine_->Visible() || !item->HasChildren()) item->MouseDown(0, 0, mbLeft);
    return true;
  }
  return false;
}

void TspFormMenuHost::NextMainMenuItem() {
  std::vector<TspSkinMainMenuItem*> items = KeyboardMainMenuItemsOf(skinForm_);
  if (items.empty()) return;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i]->Active && !items[i]->Down) continue;
    items[i]->MouseLeave();
    items[(i + 1) % items.size()]->MouseEnter();
    return;
  }
  items.front()->MouseEnter();
}

void TspFormMenuHost::PriorMainMenuItem() {
  std::vector<TspSkinMainMenuItem*> items = KeyboardMainMenuItemsOf(skinForm_);
  if (items.empty()) return;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i]->Active && !items[i]->Down) continue;
    items[i]->MouseLeave();
    items[(i + items.size() - 1) % items.size()]->MouseEnter();
    return;
  }
  items.front()->MouseEnter();
}

// Right leaves a drop-down for the next item unless its selected row opens a level.
bool TspFormMenuHost::CanNextMainMenuItem() const {
  TspSkinPopupWindow* top = engine_->LevelCount() > 0 ? engine_->TopLevel() : nullptr;
  TspSkinMenuItem* row = top ? top->ActiveItem() : nullptr;
  return !row || row->SourceItem->Count() == 0;
}

bool TspFormMenuHost::CanPriorMainMenuItem() const { return engine_->LevelCount() <= 1; }

bool TspFormMenuHost::CheckReturnKey() {
  if (TspSkinMainMenuBar* bar = skinForm_->MainMenuBar()) return bar->CheckReturnKey();
  for (TspSkinMainMenuItem* item : KeyboardMainMenuItemsOf(skinForm_)) {
    if (!((item->Down && !item->HasChildren()) || (item->Active && !menus_->SkinMenuOpened))) continue;
    item->Active = false;
    item->MouseDown(0, 0, mbLeft);
    return true;
  }
  return false;
}

// Keys in the keyboard mode over the frame's items: a letter picks its item,
// arrows walk the items (Right not out of a row that opens a level), Enter or
// Down opens the hot item, Escape closes the drop-down and then the mode; the
// rest goes to the open drop-down.
bool TspFormMenuHost::FrameMenuKey(Word key) {
  if (MainMenuItemsOf(skinForm_).empty()) return false;
  if (FindHotKeyItem(key)) return true;
  if (key == VK_ESCAPE && !menus_->SkinMenuOpened) {
    SkinMainMenuClose();
    return true;
  }
  if (key == VK_LEFT && CanPriorMainMenuItem()) {
    PriorMainMenuItem();
    return true;
  }
  if (key == VK_RIGHT && CanNextMainMenuItem()) {
    NextMainMenuItem();
    return true;
  }
  if ((key == VK_RETURN || key == VK_DOWN) && CheckReturnKey()) return true;
  if (engine_->Visible())
    if (TspSkinPopupWindow* top = engine_->TopLevel()) top->PopupKeyDown(key);
  if (key == VK_ESCAPE && engine_->LevelCount() == 0) SkinMenuClose2();
  return true;
}

void TspFormMenuHost::MainMenuShortCut(TMessage& message, bool& handled) {
  TspSkinMainMenuBar* bar = skinForm_->MainMenuBar();
  TMainMenu* menu = bar && bar->MainMenu() ? bar->MainMenu() : skinForm_->MainMenu();
  const Word key = static_cast<Word>(message.WParam);
  const bool alt = (message.LParam & (1 << 29)) != 0;
  TShiftState shift = KeyboardStateToShiftState();
  if (alt) shift |= ssAlt;
  const TShortCut shortCut = ShortCut(key, shift);
  auto tryMenu = [&](TMenu* m) {
    if (alt && key != VK_F4 && FindHotKeyItem(key)) {
      handled = true;
      return;
    }
    handled = m->IsShortCut(shortCut);
    menus_->ShortCutHandled = handled;
  };
  if (menu) tryMenu(menu);
  if (menus_->ShortCutHandled || handled || !bar) return;
  if (TMainMenu* child = bar->GetChildMainMenu()) tryMenu(child);
}

TspFormMenuHost* FormMenuHostOf(const TspDynamicSkinForm* skinForm) {
  auto& hosts = Hosts();
  auto it = hosts.find(skinForm);
  return it == hosts.end() ? nullptr : it->second;
}

TspSkinData* FormComponentSkinData(TCustomForm* form) {
  TspDynamicSkinForm* skinForm = SkinFormOf(form);
  return skinForm ? skinForm->SkinData() : nullptr;
}

void UseSkinMenus() {
  TspFormMenuSeams& seams = FormMenuSeams();
  seams.Created = [](TspDynamicSkinForm* f) { new TspFormMenuHost(f); };
  seams.Destroying = [](TspDynamicSkinForm* f) { delete HostOf(f); };
  seams.CheckMenuVisible = [](TspDynamicSkinForm* f, const TMessage& message) {
    TspFormMenuHost* host = HostOf(f);
    if (!host) return;
    TMessage copy = message;
    host->Menus()->ShowObjectHint = f->ShowObjectHint;
    host->Menus()->HandleFormMessage(copy);
  };
  seams.MenuVisible = [](TspDynamicSkinForm* f) {
    TspFormMenuHost* host = HostOf(f);
    return host && host->SkinMenu()->Visible();
  };
  seams.SkinMenuClose = [](TspDynamicSkinForm* f) {
    if (TspFormMenuHost* host = HostOf(f)) host->HideMenu();
  };
  seams.TrackSystemMenu = [](TspDynamicSkinForm* f, TPoint p) {
    if (TspFormMenuHost* host = HostOf(f)) host->TrackSystemMenu(p);
  };
  seams.FormShortCut = [](TspDynamicSkinForm* f, TMessage& message, bool& handled) {
    TspFormMenuHost* host = HostOf(f);
    if (!host) return;
    host->Menus()->DisableSystemMenu = f->DisableSystemMenu;
    host->Menus()->FormShortCut(message, handled);
  };
  seams.TrackMenu = [](TspDynamicSkinForm* f, TspActiveSkinObject* object, TMenuItem* item, TRect r, bool popupUp) {
    if (TspFormMenuHost* host = HostOf(f)) host->TrackObjectMenu(object, item, r, popupUp);
  };
  seams.GetSystemMenu = [](TspDynamicSkinForm* f) -> TMenuItem* {
    TspFormMenuHost* host = HostOf(f);
    return host ? host->GetSystemMenu() : nullptr;
  };
  seams.ActivateMenu = [](TspDynamicSkinForm* f) {
    if (TspFormMenuHost* host = HostOf(f)) host->ActivateMenu();
  };
  seams.SkinMainMenuClose = [](TspDynamicSkinForm* f) {
    if (TspFormMenuHost* host = HostOf(f)) host->SkinMainMenuClose();
  };
  seams.CreateMainMenu = [](TspDynamicSkinForm* f) { CreateFrameMainMenu(f); };

  // Popup menus find the host through the form's skinning component; a host
  // component placed on the form itself (as before) still counts.
  static const TspSkinMenuHostLookup fallback = SkinMenuHostLookup();
  SkinMenuHostLookup() = [](TComponent* form) -> TspSkinMenuHost* {
    if (TspFormMenuHost* host = HostOf(SkinFormOf(form))) return host;
    return fallback ? fallback(form) : nullptr;
  };
  UseSkinControlMenus();
}
