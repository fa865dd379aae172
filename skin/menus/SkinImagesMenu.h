// TspSkinImagesMenu: a drop-down picker showing the pictures of an image list as
// a grid of cells, with full-width header rows and caption buttons among them,
// in one skinned pop-up window (TspSkinImagesMenuPopupWindow). The user points
// at a cell, clicks it or moves to it with the arrow keys and presses Enter or
// Space; the window closes, ItemIndex takes the cell and the events fire. While
// open the window holds the mouse capture and the application's messages.
#pragma once

#include <memory>

#include "platform/controls/Application.h"
#include "platform/controls/CustomControl.h"
#include "platform/core/Collection.h"
#include "platform/graphics/ImageList.h"
#include "skin/data/SkinData.h"

class TspSkinHint;
class TspSkinImagesMenu;

class TspImagesMenuItem : public TCollectionItem {
public:
  explicit TspImagesMenuItem(TCollection* collection) : TCollectionItem(collection) {}
  bool Button = false;  // a full-width row with its image and caption
  bool Header = false;  // a full-width title row, never chosen
  String Caption;
  String Hint;
  Integer ImageIndex = -1;
  TNotifyEvent OnClick;  // Sender: the menu
  TRect ItemRect;        // the cell in window pixels, set by the layout
  Integer Tag = 0;       // the item's user keeps a value here (a palette colour); the menu never reads it
  void Assign(const TPersistent* source) override;
};

class TspImagesMenuItems : public TOwnedCollection {
public:
  explicit TspImagesMenuItems(TspSkinImagesMenu* owner);
  TspImagesMenuItem* Items(int index) const { return static_cast<TspImagesMenuItem*>(TCollection::Items(index)); }
  TspImagesMenuItem* Add() { return static_cast<TspImagesMenuItem*>(TCollection::Add()); }
};

class TspSkinImagesMenuPopupWindow;

class TspSkinImagesMenu : public TComponent {
public:
  explicit TspSkinImagesMenu(TComponent* owner);
  ~TspSkinImagesMenu() override;

  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  TspSkinHint* SkinHint() const { return skinHint_; }
  void SetSkinHint(TspSkinHint* value);
  bool ShowHints = true;
  TspImagesMenuItems* ImagesItems() const { return items_.get(); }  // owned
  void SetImagesItems(const TspImagesMenuItems* value) { items_->Assign(value); }
  Integer ItemIndex = -1;
  bool UseSkinFont = true;
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value) { defaultFont_->Assign(value); }
  Integer ColumnsCount() const { return columnsCount_; }
  void SetColumnsCount(Integer value);  // 1..50; other values are ignored
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  bool ShowSelectedItem = true;
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  Byte AlphaBlendValue = 200;
  TNotifyEvent OnItemClick, OnChange, OnMenuPopup, OnMenuClose;

  // Set by the drop-down buttons for themselves (Sender: the menu).
  TNotifyEvent OnInternalChange, OnInternalClose;
  Integer OldItemIndex = -1;
  TspSkinImagesMenuPopupWindow* GridWindow() const { return grid_.get(); }  // owned while open

  void Popup(Integer x, Integer y) { PopupFromRect(TRect{x, y, x, y}); }
  // Opens the grid below the screen rectangle (above it when there is no room).
  void PopupFromRect(const TRect& r);
  void Hide();  // closes an open grid without a choice
  TspImagesMenuItem* GetSelectedItem() const;
  // The closing sequence: frees the window, then the close and choice events.
  void ProcessEvents(bool chosen);

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TCustomImageList* images_ = nullptr;  // borrowed, freed-notified
  TspSkinHint* skinHint_ = nullptr;     // borrowed, freed-notified
  TspSkinData* skinData_ = nullptr;     // borrowed, freed-notified
  std::unique_ptr<TspImagesMenuItems> items_;
  std::unique_ptr<TFont> defaultFont_;
  Integer columnsCount_ = 1;
  std::unique_ptr<TspSkinImagesMenuPopupWindow> grid_;
  std::unique_ptr<TspSkinImagesMenuPopupWindow> retired_;  // closed, freed at the next opening
};

class TspDataSkinPopupWindow;
class TspDataSkinButtonControl;

class TspSkinImagesMenuPopupWindow : public TCustomControl {
public:
  explicit TspSkinImagesMenuPopupWindow(TspSkinImagesMenu* menu);
  ~TspSkinImagesMenuPopupWindow() override;

  TspSkinImagesMenu* Menu;  // the owner
  bool Skinned = false;
  Integer HotIndex = -1, LastHotIndex = -1;
  bool MouseWentDown = false, PressedOnItem = false;

  void Show(const TRect& r);
  void Hide(bool chosen);
  // Hides the window and gives back the application's handler and the capture,
  // without the closing events (and, while the menu goes, without its hint,
  // which may be gone before it).
  void Dismiss(bool hideHint = true);
  void CreateMenu();
  void AssignItemRects();
  Integer GetItemFromPoint(const TPoint& p) const;
  void TestActive(Integer x, Integer y);
  void ProcessKey(Word key);
  void FindUp();
  void FindDown();
  void FindLeft();
  void FindRight();

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void WndProc(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void CMMouseLeave(TMessage& message) override;

private:
  Integer ItemCount() const { return Menu->ImagesItems()->Count(); }
  TspImagesMenuItem* Item(Integer i) const { return Menu->ImagesItems()->Items(i); }
  TspDataSkinButtonControl* ButtonRecord() const;
  TspDataSkinControl* LabelRecord() const;
  void DecideSkinned();
  void DrawItems(TCanvas* canvas, Integer active, Integer selected);
  void DrawHeader(TCanvas* canvas, const TspImagesMenuItem& item);
  void DrawActiveItem(TCanvas* canvas, const TRect& r, bool down);
  void DrawItemCaption(TCanvas* canvas, const String& caption, const TRect& r, bool downLook, bool hotLook);
  void HideHint();
  void HookApp();
  void UnHookApp();
  void NewAppMessage(MSG& msg, bool& handled);
  void SetHot(Integer index);

  TspDataSkinPopupWindow* record_ = nullptr;  // borrowed from the skin
  TBitmap* windowPicture_ = nullptr;           // borrowed from the skin
  TBitmap* maskPicture_ = nullptr;             // borrowed from the skin
  TPoint targetLeftTop_, targetRightTop_, targetLeftBottom_, targetRightBottom_;
  TRect newItemsRect_;
  HRGN region_ = nullptr;  // the window's once set
  TMessageEvent savedOnMessage_;
  bool hooked_ = false;
};
