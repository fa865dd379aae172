#include "skin/menus/SkinFormMenus.h"

#include <algorithm>
#include <vector>

#include "platform/controls/ShortCuts.h"
#include "skin/menus/SkinHint.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupWindow.h"

namespace {

const char* const kSystemItemNames[] = {"DSF_MINITEM", "DSF_MAXITEM", "DSF_CLOSE",
                                        "DSF_MINTOTRAY", "DSF_ROLLUP", "DSF_RESTORE"};

bool IsSystemItem(const TMenuItem* item) {
  return std::any_of(std::begin(kSystemItemNames), std::end(kSystemItemNames),
                     [&](const char* name) { return item->Name() == name; });
}

// The hooks installed now, so that one taken off splices itself out of the chain.
std::vector<TspFormMenus*>& Hooks() {
  static std::vector<TspFormMenus*> hooks;
  return hooks;
}

}  // namespace

TspFormMenus::TspFormMenus(TComponent* owner, TspSkinMenuHost* host, TCustomForm* form, bool mdiChild)
    : TComponent(owner), host_(host), form_(form), defaultSystemMenu_(std::make_unique<TPopupMenu>(nullptr)),
      trayPopupMenu_(std::make_unique<TspSkinPopupMenu>(nullptr)), mdiChild_(mdiChild) {
  trayPopupMenu_->SetHostForm(form);
  CreateSysTrayMenu(mdiChild);
}

TspFormMenus::~TspFormMenus() {
  UnHookApp();
  SetSystemMenu(nullptr);
}

void TspFormMenus::SetSystemMenu(TPopupMenu* menu) {
  if (systemMenu_ == menu) return;
  if (systemMenu_) systemMenu_->RemoveFreeNotification(this);
  systemMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TspFormMenus::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == systemMenu_) systemMenu_ = nullptr;
  if (component == SkinHint) SkinHint = nullptr;
  if (component == Strings) Strings = nullptr;
}

// ---- building ----

String TspFormMenus::CaptionOf(const char* stringName, const char* fallback) const {
  return Strings ? Strings->GetResStr(stringName) : String(fallback);
}

TMenuItem* TspFormMenus::AddItem(TMenuItem* parent, Integer index, const char* name, const char* stringName,
                                 const char* fallback, void (TspFormMenus::*handler)(TObject*)) {
  auto* item = new TMenuItem(parent);
  item->SetName(name);
  item->SetCaption(CaptionOf(stringName, fallback));
  item->OnClick = TNotifyEvent(this, handler);
  if (index < 0)
    parent->Add(item);
  else
    parent->Insert(index, item);
  return item;
}

void TspFormMenus::AddSystemItems(TMenuItem* root, const TspSystemMenuState& s, bool atFront) {
  const bool minimized = s.WindowState == wsMinimized;
  struct Entry {
    bool shown;
    const char *name, *string, *fallback;
    void (TspFormMenus::*handler)(TObject*);
  };
  const Entry entries[] = {
      {s.CanMinimize && !minimized, "DSF_MINITEM", "MI_MINCAPTION", "Mi&nimize", &TspFormMenus::SM_Min},
      {s.CanMaximize && s.WindowState != wsMaximized, "DSF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize",
       &TspFormMenus::SM_Max},
      {s.WindowState != wsNormal || s.RolledUp, "DSF_RESTORE", "MI_RESTORECAPTION", "&Restore",
       &TspFormMenus::SM_Restore},
      {s.CanRollUp && !s.RolledUp && !minimized && !(s.MDIChild && s.MDIChildMaximized), "DSF_ROLLUP",
       "MI_ROLLUPCAPTION", "Ro&llUp", &TspFormMenus::SM_RollUp},
      {s.CanMinimizeToTray, "DSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray",
       &TspFormMenus::SM_MinToTray},
  };
  if (!atFront) {
    for (const Entry& e : entries)
      if (e.shown) AddItem(root, -1, e.name, e.string, e.fallback, e.handler);
    return;
  }
  // Inserted at the front in the order tray, roll-up, maximize, restore, minimize.
  for (int i : {4, 3, 1, 2, 0})
    if (entries[i].shown) AddItem(root, 0, entries[i].name, entries[i].string, entries[i].fallback, entries[i].handler);
}

void TspFormMenus::CreateSysMenu(const TspSystemMenuState& state) {
  TMenuItem* root = defaultSystemMenu_->Items();
  root->Clear();
  AddSystemItems(root, state, false);
  if (root->Count() > 0) {
    auto* line = new TMenuItem(root);
    line->SetCaption("-");
    root->Add(line);
  }
  TMenuItem* close = AddItem(root, -1, "DSF_CLOSE", "MI_CLOSECAPTION", "&Close", &TspFormMenus::SM_Close);
  close->SetShortCut(TextToShortCut(state.MDIChild ? "Ctrl+F4" : "Alt+F4"));
}

void TspFormMenus::CreateUserSysMenu(const TspSystemMenuState& state) {
  if (!UseDefaultSysMenu || !systemMenu_) return;
  TMenuItem* root = systemMenu_->Items();
  for (bool found = true; found;) {
    found = false;
    for (int i = 0; i < root->Count(); ++i) {
      if (!IsSystemItem(root->Items(i))) continue;
      delete root->Items(i);
      found = true;
      break;
    }
  }
  AddSystemItems(root, state, true);
  TMenuItem* close = AddItem(root, -1, "DSF_CLOSE", "MI_CLOSECAPTION", "&Close", &TspFormMenus::SM_Close);
  close->SetShortCut(TextToShortCut(state.MDIChild ? "Ctrl+F4" : "Alt+F4"));
}

TMenuItem* TspFormMenus::GetSystemMenu(const TspSystemMenuState& state) {
  if (systemMenu_) {
    CreateUserSysMenu(state);
    return systemMenu_->Items();
  }
  CreateSysMenu(state);
  return defaultSystemMenu_->Items();
}

void TspFormMenus::CreateSysTrayMenu(bool mdiChild) {
  TMenuItem* root = trayPopupMenu_->Items();
  root->Clear();
  // Built before any skin is assigned: the captions are the fallback texts.
  auto add = [&](const char* name, const char* caption, void (TspFormMenus::*handler)(TObject*)) {
    auto* item = new TMenuItem(root);
    item->SetName(name);
    item->SetCaption(caption);
    item->OnClick = TNotifyEvent(this, handler);
    root->Add(item);
    return item;
  };
  add("TRAY_DSF_RESTORE", "&Restore", &TspFormMenus::TSM_Restore);
  auto* line = new TMenuItem(root);
  line->SetCaption("-");
  root->Add(line);
  add("TRAY_DSF_CLOSE", "&Close", &TspFormMenus::TSM_Close)
      ->SetShortCut(TextToShortCut(mdiChild ? "Ctrl+F4" : "Alt+F4"));
}

// ---- popping up ----

void TspFormMenus::TrackSystemMenu(const TspSystemMenuState& state, Integer x, Integer y) {
  TrackSystemMenu2(state, {x, y, x, y});
}

void TspFormMenus::TrackSystemMenu2(const TspSystemMenuState& state, const TRect& r) {
  TspSkinMenu* engine = Engine();
  if (!engine || DisableSystemMenu) return;
  TMenuItem* items = GetSystemMenu(state);
  SkinMenuOpen();
  engine->Popup(nullptr, host_->MenuSkinData(), 0, r, items, false);
}

void TspFormMenus::PopupSkinMenu(TMenu* menu, const TPoint& p) { PopupSkinMenu1(menu, {p.X, p.Y, p.X, p.Y}, false); }

void TspFormMenus::PopupSkinMenu1(TMenu* menu, const TRect& r, bool popupUp) {
  TspSkinMenu* engine = Engine();
  if (!engine || !menu) return;
  SkinMenuOpen();
  engine->Popup(nullptr, host_->MenuSkinData(), 0, r, menu->Items(), popupUp);
}

// ---- bookkeeping and the hook ----

void TspFormMenus::SkinMenuOpen() {
  if (!MainMenuActive) HookApp();
  if (SkinMenuOpened) return;
  SkinMenuOpened = true;
  OnSkinMenuOpen(this);
}

void TspFormMenus::SkinMenuClose() {
  SkinMenuOpened = false;
  UnHookApp();
  OnSkinMenuClose(this);
  MainMenuActive = false;
}

void TspFormMenus::HookApp() {
  if (hooked_) return;
  savedOnMessage_ = Application.OnMessage;
  Application.OnMessage = TMessageEvent(this, &TspFormMenus::NewAppMessage);
  hooked_ = true;
  Hooks().push_back(this);
}

void TspFormMenus::UnHookApp() {
  if (!hooked_) return;
  hooked_ = false;
  auto& hooks = Hooks();
  hooks.erase(std::remove(hooks.begin(), hooks.end(), this), hooks.end());
  const TMessageEvent mine(this, &TspFormMenus::NewAppMessage);
  if (Application.OnMessage == mine) {
    Application.OnMessage = savedOnMessage_;
  } else {
    // Another form hooked over this one: it restores this one's saved handler later.
    for (TspFormMenus* other : hooks)
      if (other->savedOnMessage_ == mine) other->savedOnMessage_ = savedOnMessage_;
  }
  savedOnMessage_ = nullptr;
}

void TspFormMenus::NewAppMessage(MSG& msg, bool& handled) {
  if (msg.message == WM_KEYDOWN) {
    FormKeyDown(static_cast<Word>(msg.wParam));
    msg.message = 0;
    handled = true;
  } else if (msg.message == WM_MOUSEWHEEL) {
    msg.message = 0;
    handled = true;
  }
}

void TspFormMenus::FormKeyDown(Word key) {
  if (MainMenuActive && OnMainMenuKey && OnMainMenuKey(key)) return;
  TspSkinMenu* engine = Engine();
  if (engine && engine->Visible())
    if (TspSkinPopupWindow* top = engine->TopLevel()) top->PopupKeyDown(key);
  if (key == VK_ESCAPE && (!engine || engine->LevelCount() == 0) && SkinMenuOpened) SkinMenuClose();
}

void TspFormMenus::CheckMenuVisible(UINT msg) {
  if (!CanMenuClose(msg)) return;
  if (ShowObjectHint && SkinHint) SkinHint->HideHint();
  TspSkinMenu* engine = Engine();
  if (MainMenuActive && !SkinMenuOpened && OnMainMenuClose) {
    OnMainMenuClose();
    return;
  }
  if (engine && engine->Visible())
    engine->Hide();
  else if (SkinMenuOpened)
    SkinMenuClose();
}

void TspFormMenus::FormShortCut(TMessage& msg, bool& handled) {
  const Word key = static_cast<Word>(msg.WParam);
  const bool altOnly = (msg.LParam & (1 << 29)) != 0 && ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_SHIFT) >= 0;
  if (key == VK_SPACE && altOnly) {
    if (!DisableSystemMenu && OnPopupSystemMenu) OnPopupSystemMenu();
    ShortCutHandled = false;
    handled = true;
    return;
  }
  if (ShortCutHandled) {
    ShortCutHandled = false;
    handled = false;
  }
  if (OnMainMenuShortCut) OnMainMenuShortCut(msg, handled);
}

void TspFormMenus::BeforeSkinChange() {
  if (SkinHint) SkinHint->HideHint();
  TspSkinMenu* engine = Engine();
  if (engine && engine->Visible()) engine->Hide();
  if (SkinMenuOpened) SkinMenuClose();
}

bool TspFormMenus::HandleFormMessage(TMessage& message) {
  if (message.Msg == WM_CLOSESKINMENU) {
    if (SkinMenuOpened) SkinMenuClose();
    return true;
  }
  if (message.Msg == SkinMsgBeforeChange) BeforeSkinChange();
  CheckMenuVisible(message.Msg);
  return false;
}
