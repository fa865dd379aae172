// TspSkinMenu: the popup menu engine each form skinning component owns. It
// shows a TMenuItem tree (never owning it) as one non-activating top-level
// window per open level, places the levels against the monitor's work area,
// opens sub-menus after a delay, dispatches the chosen command and tells the
// control that opened the menu when it closes. CanMenuClose names the form
// messages that must close an open menu.
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/Controls.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Menus.h"
#include "platform/core/Timer.h"
#include "platform/graphics/GraphicsObjects.h"
#include "skin/data/SkinData.h"
#include "skin/form/FormMenuSeams.h"  // WM_CLOSESKINMENU

class TspSkinPopupWindow;
class TspSkinMenuItem;

// To the control that opened the last menu, after the chosen command ran.
constexpr UINT WM_AFTERDISPATCH = WM_USER + 205;

// True for the form messages that close every open menu.
bool CanMenuClose(Cardinal msg);

// Sends a menu notice to a control: SendMessage to a windowed one, Perform otherwise.
void SendMenuNotice(TControl* control, UINT msg);

class TspSkinMenu : public TComponent {
public:
  TspSkinMenu(TComponent* owner, TCustomForm* form);
  ~TspSkinMenu() override;

  bool UseSkinFont = true;
  bool FreshOpen = false;  // the level being shown opens a menu that was closed
  Integer DefMenuItemHeight = 20;
  TFont* DefaultMenuItemFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultMenuItemFont(const TFont* font);
  TControl* Opener = nullptr;      // borrowed: told when the menu closes
  TControl* LastOpener = nullptr;  // borrowed: the opener of the menu that closed last
  TCustomForm* OwnerForm = nullptr;  // borrowed: its monitor gives the work area
  TTimer* SubmenuTimer() const { return submenuTimer_.get(); }
  TspSkinMenuItem* PendingItem = nullptr;  // borrowed from a level: waits for SubmenuTimer
  TRect WorkArea;
  bool MenuVisible = false;
  bool Visible() const { return MenuVisible; }
  TspSkinData* CurrentSkinData() const { return currentSkinData_; }  // borrowed, freed-notified
  TNotifyEvent OnMenuClose;  // fired once when the whole menu closes, then cleared
  bool AlphaBlend = false;
  Byte AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;
  Integer MaxMenuItemsInWindow = 0;  // 0: no limit

  // The open levels, index 0 the first (owned).
  Integer LevelCount() const { return static_cast<Integer>(levels_.size()); }
  TspSkinPopupWindow* Level(Integer index) const { return levels_.at(index).get(); }
  TspSkinPopupWindow* TopLevel() const { return levels_.empty() ? nullptr : levels_.back().get(); }

  // Opens the children of item from startIndex on beside the screen rectangle
  // (below it, or above with popupUp; a point is an empty rectangle).
  void Popup(TControl* opener, TspSkinData* skinData, Integer startIndex, const TRect& r, TMenuItem* item,
             bool popupUp);
  // One level showing the children of item, then those of item2.
  void Popup2(TControl* opener, TspSkinData* skinData, Integer startIndex, const TRect& r, TMenuItem* item,
              TMenuItem* item2, bool popupUp);
  void PopupSub(const TRect& r, TMenuItem* item, Integer startIndex, bool beside, bool popupUp);
  void PopupSub2(const TRect& r, TMenuItem* item, TMenuItem* item2, Integer startIndex, bool beside, bool popupUp);
  // The reaction to a row being entered (click false) or clicked.
  void CheckItem(TspSkinPopupWindow* window, TspSkinMenuItem* item, bool click, bool byKeyboard);
  // Frees the levels from the top down to `level`; level 0 closes the menu.
  void CloseMenu(Integer level);
  // Closes the menu and tells the form and the opener.
  void Hide();
  // The level's index, or the level count when it is not open.
  Integer GetPWIndex(const TspSkinPopupWindow* window) const;
  // The work area of OwnerForm's monitor (virtual so tests can place a small one).
  virtual TRect GetWorkArea();
  void WaitItem(TObject* sender);
  // Stops a pending sub-menu.
  void StopWaiting();

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  template <class Open>
  void Open(TControl* opener, TspSkinData* skinData, bool hasRows, Open open);
  void SetCurrentSkinData(TspSkinData* value);
  TspSkinPopupWindow* NewLevel();
  // Frees the levels closed earlier; a level may close the menu from inside its
  // own message handler, so it is hidden at once and freed after the message.
  void FreeClosedLevels();

  std::unique_ptr<TFont> defaultFont_;
  std::unique_ptr<TTimer> submenuTimer_;
  std::vector<std::unique_ptr<TspSkinPopupWindow>> levels_;
  std::vector<std::unique_ptr<TspSkinPopupWindow>> closed_;  // hidden, freed by FreeClosedLevels
  TUtilityWindow sweeper_;  // receives the posted request to free closed levels
  TspSkinData* currentSkinData_ = nullptr;
};
