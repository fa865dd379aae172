// Menus: the menu item tree, the popup menu shown at a screen point through the
// system's menu tracking, the main menu bar's native handle, menu action links,
// and the shortcut texts ("Ctrl+D", "Alt+P", "F1") shown beside item captions.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/controls/ActnList.h"
#include "platform/core/Geometry.h"
#include "platform/core/Timer.h"
#include "platform/core/WinApi.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TMenu;
class TMenuItem;

// The caption without its "&" accelerator marks ("&&" stays one "&").
String StripHotkey(const String& caption);
// The accelerator character of a caption (upper case), or 0.
char GetHotkey(const String& caption);
// Whether the virtual key or character `key` is the caption's accelerator.
bool IsAccel(Word key, const String& caption);

// ---- Items ----

// (sender, canvas, rectangle, selected)
using TMenuDrawItemEvent = TEvent<TObject*, TCanvas*, const TRect&, bool>;
// (sender, canvas, rectangle, ODS_* state flags of the system's owner-draw call)
using TAdvancedMenuDrawItemEvent = TEvent<TObject*, TCanvas*, const TRect&, UINT>;
// (sender, canvas, width, height): the handler may change the size
using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int&, int&>;

enum TMenuAutoFlag { maAutomatic, maManual, maParent };

// The link of a menu item to its action: copies a changed property into the item
// while the item still shows the action's old value.
class TMenuActionLink : public TActionLink {
public:
  using TActionLink::TActionLink;

  bool IsCaptionLinked() override;
  bool IsCheckedLinked() override;
  bool IsEnabledLinked() override;
  bool IsHelpContextLinked() override;
  bool IsHintLinked() override;
  bool IsGroupIndexLinked() override;
  bool IsImageIndexLinked() override;
  bool IsShortCutLinked() override;
  bool IsVisibleLinked() override;
  bool IsAutoCheckLinked() override;
  bool IsOnExecuteLinked() override;

  void SetCaption(const String& value) override;
  void SetChecked(bool value) override;
  void SetEnabled(bool value) override;
  void SetHelpContext(int value) override;
  void SetHint(const String& value) override;
  void SetImageIndex(int value) override;
  void SetShortCut(TShortCut value) override;
  void SetVisible(bool value) override;
  void SetAutoCheck(bool value) override;
  void SetOnExecute(const TNotifyEvent& value) override;

protected:
  TMenuItem* Item() const;
};

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* owner);
  // Frees the sub-items and leaves the parent item.
  ~TMenuItem() override;

  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  // A caption of exactly "-" makes the item a separator line.
  bool IsLine() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the other radio items of its group index
  // among its siblings.
  void SetChecked(bool value);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  // Clicking an AutoCheck item toggles its Checked first.
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  const String& Hint() const { return hint_; }
  void SetHint(const String& value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value);
  // The item's own picture (owned), made empty on first use.
  TBitmap* Bitmap();
  void SetBitmap(const TBitmap* value);
  bool HasBitmap() const;

  // Binding an action copies its caption, states, shortcut, image and its
  // OnExecute as the item's OnClick; a click then runs the action.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* action);
  TMenuActionLink* ActionLink() const { return actionLink_.get(); }

  // The command number of the item in WM_COMMAND, unique in the process.
  Word Command() const { return command_; }

  // ---- the item tree: sub-items are owned by their parent item ----
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  TMenuItem* operator[](int index) const { return Items(index); }
  TMenuItem* Parent() const { return parent_; }
  // EMenuError for an item that already has a parent or is nullptr.
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Take the sub-item out of the tree without freeing it: the caller owns it.
  void Delete(int index);
  void Remove(TMenuItem* item);
  // Frees every sub-item.
  void Clear();
  int IndexOf(const TMenuItem* item) const;
  // The first sub-item whose caption without "&" equals `caption` (ignoring case).
  TMenuItem* Find(const String& caption) const;
  int MenuIndex() const;
  void SetMenuIndex(int index);
  // The menu whose item tree holds this item, or nullptr.
  TMenu* GetParentMenu() const;
  // Hides separators that would lead, trail or double up among the visible
  // sub-items and shows the others; true when one changed.
  bool RethinkLines();

  // Runs OnClick or the action, when enabled.
  virtual void Click();
  // Lets the bound action update itself (and so this item).
  void InitiateAction();
  // Copies the action's properties; with checkDefaults only into properties that
  // still hold their defaults.
  virtual void ActionChange(TObject* sender, bool checkDefaults);

  // Owner drawing (when the menu's OwnerDraw is set).
  virtual void MeasureItem(TCanvas* canvas, int& width, int& height);
  virtual void AdvancedDrawItem(TCanvas* canvas, const TRect& rect, UINT state);

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  // Tells the menu that this item changed; `rebuild` when the tree changed.
  void MenuChanged(bool rebuild);

private:
  friend class TMenu;
  void TurnSiblingsOff();

  String caption_, hint_;
  bool checked_ = false, radioItem_ = false, enabled_ = true, visible_ = true;
  bool default_ = false, autoCheck_ = false;
  int groupIndex_ = 0, imageIndex_ = -1, helpContext_ = 0;
  TShortCut shortCut_ = scNone;
  Word command_ = 0;
  std::unique_ptr<TBitmap> bitmap_;               // owned
  std::unique_ptr<TMenuActionLink> actionLink_;   // owned
  std::vector<TMenuItem*> items_;                 // owned
  TMenuItem* parent_ = nullptr;                   // borrowed
  TMenu* menu_ = nullptr;                         // set on a menu's root item only
};

VARNEL_EXCEPTION(EMenuError, Exception);

// ---- Menus ----

enum TFindItemKind { fkCommand, fkHandle, fkShortCut };
// (sender, the changed item or nullptr, whether the tree changed)
using TMenuChangeEvent = TEvent<TObject*, TMenuItem*, bool>;

class TMenu : public TComponent {
public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The root of the item tree (owned); its sub-items are the menu's entries.
  TMenuItem* Items() const { return items_; }
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  TMenuAutoFlag AutoLineReduction = maAutomatic;

  // Runs the item with this command number; true when there was one.
  bool DispatchCommand(Word command);
  // The item with this command number or shortcut (among visible ones), or nullptr.
  TMenuItem* FindItem(unsigned value, TFindItemKind kind) const;
  // Clicks the enabled, visible item with this shortcut; true when there was one.
  bool IsShortCut(TShortCut shortCut);

  TMenuChangeEvent OnChange;

  // Builds a native menu of the visible items: a menu bar, or a popup menu.
  // The caller owns the handle (DestroyMenu).
  HMENU BuildNative(bool bar) const;

  // The window messages of native menus built from this menu that the owner
  // window receives: WM_MEASUREITEM, WM_DRAWITEM, WM_INITMENUPOPUP, WM_COMMAND.
  // True when handled; `result` is the message's answer.
  bool HandleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
  friend class TMenuItem;
  void Notification(TComponent* component, TOperation operation) override;
  virtual void MenuChanged(TMenuItem* source, bool rebuild);

private:
  TMenuItem* items_;                    // owned
  TCustomImageList* images_ = nullptr;  // borrowed, free notification
  bool ownerDraw_ = false;
};

enum TPopupAlignment { paLeft, paRight, paCenter };
enum TTrackButton { tbRightButton, tbLeftButton };

// Shows a native popup menu and answers the chosen command number (0: none).
using TPopupMenuTracker = std::function<UINT(HMENU menu, UINT flags, int x, int y, HWND owner)>;
// The tracker in force: the system's TrackPopupMenu unless a test replaced it.
TPopupMenuTracker& PopupMenuTracker();
void RestorePopupMenuTracker();

class TPopupMenu : public TMenu {
public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // Runs OnPopup, then shows the items at the screen point and runs the chosen
  // item's click once the menu has closed. Descendants show menus of their own.
  virtual void Popup(int x, int y);
  TPoint PopupPoint() const { return popupPoint_; }

  // The control the menu was popped up for (a control's right click sets it).
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component);
  // Whether a control pops the menu up by itself on a right click.
  bool AutoPopup = true;
  TPopupAlignment Alignment = paLeft;
  TTrackButton TrackButton = tbRightButton;

  TNotifyEvent OnPopup;
  TNotifyEvent OnClose;  // after the menu closed, before the chosen item runs

  // The hidden window that owns the tracked menu (made on first use).
  HWND WindowHandle();

protected:
  virtual void DoPopup(TObject* sender) { OnPopup(sender); }
  void Notification(TComponent* component, TOperation operation) override;

private:
  TPoint popupPoint_{-1, -1};
  TComponent* popupComponent_ = nullptr;  // borrowed, free notification
  TUtilityWindow window_;                 // receives the tracked menu's messages
};

// The menu bar of a form: the form attaches the native handle to its window and
// hands its WM_COMMAND and owner-draw messages to HandleMenuMessage.
class TMainMenu : public TMenu {
public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  ~TMainMenu() override;

  // The native menu bar (owned), built on first use and rebuilt after changes.
  HMENU Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  // The window that shows the bar; it is given the rebuilt bar after a change.
  HWND WindowHandle() const { return window_; }
  void SetWindowHandle(HWND window);

protected:
  void MenuChanged(TMenuItem* source, bool rebuild) override;

private:
  void DestroyHandle();
  HMENU handle_ = nullptr;  // owned while no window holds it
  HWND window_ = nullptr;   // borrowed
};
