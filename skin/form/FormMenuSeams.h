// The menu side of a skinned form, as a registration point: the popup-menu unit
// fills these hooks once at start-up (the skinned system and tray menus, menus
// opened from frame objects, the keyboard menu, shortcuts). Until it does, every
// hook is empty and the form behaves as if no menu were ever open.
#pragma once

#include <functional>

#include "platform/controls/Messages.h"
#include "platform/core/Geometry.h"

// To the form (and to the control that opened a menu) when a skinned menu closes.
constexpr UINT WM_CLOSESKINMENU = WM_USER + 204;

class TspDynamicSkinForm;
class TspActiveSkinObject;
class TMenuItem;

struct TspFormMenuSeams {
  // After the form component is made, and before it goes (its menu engine,
  // default system menu and tray menu live with it).
  std::function<void(TspDynamicSkinForm*)> Created;
  std::function<void(TspDynamicSkinForm*)> Destroying;
  // Closes open skin menus on a message that ends a menu.
  std::function<void(TspDynamicSkinForm*, const TMessage&)> CheckMenuVisible;
  // True while the form's menu engine shows a menu.
  std::function<bool(TspDynamicSkinForm*)> MenuVisible;
  // Hides the menu engine's menus (the form's SkinMenuClose).
  std::function<void(TspDynamicSkinForm*)> SkinMenuClose;
  // The system menu at a screen point; the keyboard menu (SC_KEYMENU).
  std::function<void(TspDynamicSkinForm*, TPoint)> TrackSystemMenu;
  std::function<void(TspDynamicSkinForm*)> ActivateMenu;
  // Leaves the keyboard main-menu mode (Alt pressed again).
  std::function<void(TspDynamicSkinForm*)> SkinMainMenuClose;
  // The form's OnShortCut: sets `handled` when a menu took the key.
  std::function<void(TspDynamicSkinForm*, TMessage&, bool& handled)> FormShortCut;
  // Opens a menu item's sub-menu below (or above) a screen rectangle for an object.
  std::function<void(TspDynamicSkinForm*, TspActiveSkinObject*, TMenuItem*, TRect, bool popupUp)> TrackMenu;
  // The items of the skinned system menu; nullptr without a menu unit.
  std::function<TMenuItem*(TspDynamicSkinForm*)> GetSystemMenu;
  // Appends the main-menu items to the form's objects after a skin is loaded.
  std::function<void(TspDynamicSkinForm*)> CreateMainMenu;
};

// The program's one set of hooks.
TspFormMenuSeams& FormMenuSeams();
