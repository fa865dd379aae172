// The skinned menus joined to the skinned frame: each form skinning component
// gets one TspFormMenuHost (its menu engine and its TspFormMenus), which fills
// the frame's menu hooks, and the skinned controls' menu hooks are bound to
// skinned popup menus. UseSkinMenus binds it all once at start-up.
#pragma once

#include <functional>
#include <memory>

#include "skin/menus/SkinFormMenus.h"
#include "skin/menus/SkinMenuHost.h"

class TspDynamicSkinForm;
class TspActiveSkinObject;

class TspFormMenuHost : public TComponent, public TspSkinMenuHost {
public:
  // Owned by the form component (freed with it at the latest).
  explicit TspFormMenuHost(TspDynamicSkinForm* skinForm);
  ~TspFormMenuHost() override;

  TspSkinMenu* SkinMenu() override { return engine_; }
  TspSkinData* MenuSkinData() override;
  void SkinMenuOpen() override { menus_->SkinMenuOpen(); }
  void SkinMenuClose() override { menus_->SkinMenuClose(); }

  TspDynamicSkinForm* SkinForm() const { return skinForm_; }
  TspFormMenus* Menus() const { return menus_; }
  // The system menu's items for the form's present state.
  TspSystemMenuState SystemMenuState() const;
  TMenuItem* GetSystemMenu();
  void TrackSystemMenu(TPoint p);
  // Alt+Space: the system menu under the first enabled system-menu button.
  void PopupSystemMenu();
  // A frame object's menu below (or above) the screen rectangle.
  void TrackMenu(TMenuItem* item, const TRect& r, bool popupUp);
  // The menu of a frame object (a linked menu, a caption button's system menu).
  void TrackObjectMenu(TspActiveSkinObject* object, TMenuItem* item, const TRect& r, bool popupUp);
  // Hides an open menu (the form's own SkinMenuClose).
  void HideMenu();
  bool MainMenuKey(Word key);

  // The keyboard mode over the main-menu items drawn in the frame (a menu bar,
  // when the form has one, plays these parts itself).
  // Alt: the hot item, else the first, becomes hot and the keys come here.
  void ActivateMenu();
  // Leaves the mode: the open menu closes and the hot item cools.
  void SkinMainMenuClose();
  // Escape closed the last drop-down: its item stays hot, the mode stays.
  void SkinMenuClose2();
  bool FindHotKeyItem(Word key);
  void NextMainMenuItem();
  void PriorMainMenuItem();
  bool CanNextMainMenuItem() const;
  bool CanPriorMainMenuItem() const;
  bool CheckReturnKey();

private:
  void Command(TspSystemCommand command);
  bool BarKey(Word key);
  bool FrameMenuKey(Word key);
  void SetMainMenuActive(bool value);
  // Alt + an accelerator of the main menu, or one of its shortcuts.
  void MainMenuShortCut(TMessage& message, bool& handled);
  // The menu closed: the frame object that opened it is let go.
  void MenuClosed(TObject* sender);
  void ReleaseMenuObject();
  void SyncOptions();

  TspDynamicSkinForm* skinForm_;
  TspSkinMenu* engine_;   // owned as a component
  TspFormMenus* menus_;   // owned as a component
  bool keepBar_ = false;  // a drop-down closes while the menu bar stays entered
};

// The menu host of a form component; nullptr before UseSkinMenus or after it went.
TspFormMenuHost* FormMenuHostOf(const TspDynamicSkinForm* skinForm);
// The skin container of a form's skinning component (nullptr without one).
TspSkinData* FormComponentSkinData(TCustomForm* form);

// Fills the frame's menu hooks, the host lookup and the controls' menu hooks.
void UseSkinMenus();
// Binds the skinned menu button and the skinned edits' context menus (SkinControlMenus.cpp).
void UseSkinControlMenus();
// What puts the controls' menu hooks back as they are now (for tests).
std::function<void()> ControlMenuHooksRestorer();
