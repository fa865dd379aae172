// TspFormMenus: the menu side of a form skinning component that needs none of
// its frame: the default and user system menus for the window state, the tray
// menu, the open/close bookkeeping, the application message hook that routes
// keys to the open menu, the form messages that close menus, and Alt+Space.
// The form component owns one and hands it its messages (HandleFormMessage).
#pragma once

#include <functional>
#include <memory>

#include "platform/controls/Application.h"
#include "skin/data/ResourceStrData.h"
#include "skin/menus/SkinMenuHost.h"
#include "skin/menus/SkinPopupMenu.h"

class TspSkinHint;

// What the system menu offers: the form's border icons and its state.
struct TspSystemMenuState {
  bool CanMinimize = true, CanMaximize = true, CanRollUp = false, CanMinimizeToTray = false;
  TWindowState WindowState = wsNormal;
  bool RolledUp = false;
  bool MDIChild = false;
  bool MDIChildMaximized = false;
};

// The actions of the system and tray menu items, carried out by the form component.
enum class TspSystemCommand { Minimize, Maximize, Restore, RollUp, MinimizeToTray, Close, TrayRestore, TrayClose };

class TspFormMenus : public TComponent {
public:
  TspFormMenus(TComponent* owner, TspSkinMenuHost* host, TCustomForm* form, bool mdiChild = false);
  // Takes its hook off the application.
  ~TspFormMenus() override;

  TPopupMenu* DefaultSystemMenu() const { return defaultSystemMenu_.get(); }  // owned
  TspSkinPopupMenu* TrayPopupMenu() const { return trayPopupMenu_.get(); }    // owned
  TPopupMenu* SystemMenu() const { return systemMenu_; }  // borrowed, freed-notified
  void SetSystemMenu(TPopupMenu* menu);
  bool UseDefaultSysMenu = true;
  bool DisableSystemMenu = false;
  bool SkinMenuOpened = false;
  bool MainMenuActive = false;
  bool HookedApp() const { return hooked_; }
  bool ShortCutHandled = false;
  TspSkinHint* SkinHint = nullptr;  // borrowed: the object hint hidden when a menu closes
  bool ShowObjectHint = false;
  // Captions come from here when set (else the fallback texts).
  TspResourceStrData* Strings = nullptr;

  std::function<void(TspSystemCommand)> OnCommand;
  // Shows the system menu for Alt+Space (the form knows its system menu button).
  std::function<void()> OnPopupSystemMenu;
  // While the main menu bar is entered: the bar's answer to a key (true: taken).
  std::function<bool(Word key)> OnMainMenuKey;
  // A shortcut that is not Alt+Space: the main menu's accelerators and shortcuts.
  std::function<void(TMessage&, bool& handled)> OnMainMenuShortCut;
  // Leaves the keyboard main-menu mode (a closing message while no menu is open).
  std::function<void()> OnMainMenuClose;
  TNotifyEvent OnSkinMenuOpen;
  TNotifyEvent OnSkinMenuClose;

  void CreateSysMenu(const TspSystemMenuState& state);
  void CreateUserSysMenu(const TspSystemMenuState& state);
  // The items of the system menu, rebuilt for the state.
  TMenuItem* GetSystemMenu(const TspSystemMenuState& state);
  void CreateSysTrayMenu(bool mdiChild);
  // The system menu at a screen point (a caption's right click) or under a rectangle.
  void TrackSystemMenu(const TspSystemMenuState& state, Integer x, Integer y);
  void TrackSystemMenu2(const TspSystemMenuState& state, const TRect& r);
  // A popup menu at a screen point through the form's engine.
  void PopupSkinMenu(TMenu* menu, const TPoint& p);
  void PopupSkinMenu1(TMenu* menu, const TRect& r, bool popupUp);

  void SkinMenuOpen();
  void SkinMenuClose();
  void HookApp();
  void UnHookApp();
  void NewAppMessage(MSG& msg, bool& handled);
  // Closes open menus (and the object hint) on the messages of CanMenuClose.
  void CheckMenuVisible(UINT msg);
  void FormKeyDown(Word key);
  // The form's OnShortCut: Alt+Space pops the system menu up.
  void FormShortCut(TMessage& msg, bool& handled);
  // A skin is about to change: nothing open may keep the old skin's records.
  void BeforeSkinChange();
  // The form component's messages: WM_CLOSESKINMENU, the skin's before-change
  // message and the closing set. True when the message was handled.
  bool HandleFormMessage(TMessage& message);

  TspSkinMenu* Engine() const { return host_ ? host_->SkinMenu() : nullptr; }

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TMenuItem* AddItem(TMenuItem* parent, Integer index, const char* name, const char* stringName,
                     const char* fallback, void (TspFormMenus::*handler)(TObject*));
  String CaptionOf(const char* stringName, const char* fallback) const;
  void Command(TspSystemCommand command) {
    if (OnCommand) OnCommand(command);
  }
  void SM_Min(TObject*) { Command(TspSystemCommand::Minimize); }
  void SM_Max(TObject*) { Command(TspSystemCommand::Maximize); }
  void SM_Restore(TObject*) { Command(TspSystemCommand::Restore); }
  void SM_RollUp(TObject*) { Command(TspSystemCommand::RollUp); }
  void SM_MinToTray(TObject*) { Command(TspSystemCommand::MinimizeToTray); }
  void SM_Close(TObject*) { Command(TspSystemCommand::Close); }
  void TSM_Restore(TObject*) { Command(TspSystemCommand::TrayRestore); }
  void TSM_Close(TObject*) { Command(TspSystemCommand::TrayClose); }
  void AddSystemItems(TMenuItem* root, const TspSystemMenuState& state, bool atFront);

  TspSkinMenuHost* host_;  // the form component this belongs to
  TCustomForm* form_;      // borrowed: the skinned form
  std::unique_ptr<TPopupMenu> defaultSystemMenu_;
  std::unique_ptr<TspSkinPopupMenu> trayPopupMenu_;
  TPopupMenu* systemMenu_ = nullptr;
  bool hooked_ = false;
  TMessageEvent savedOnMessage_;  // the handler the hook replaced; not called while hooked
  bool mdiChild_ = false;
};
