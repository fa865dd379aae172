// TspSkinTabs<Base>: the skinned tab strip the page control and the tab control
// share, over the platform control Base (TPageControl or TTabControl): the
// "tab" record (or the default look) for frame, page background and tabs,
// images and close buttons on the tabs, the hover look, and the skinned
// up-down in place of the native tab scroller. The native control keeps the
// tab list, selection and layout; the strip adjusts its display and item
// rectangles and paints. A tab stands for an item of its control (a page or a
// tab string); the control answers for the items through the hooks below.
#pragma once

#include <memory>

#include "platform/comctrls/TabControl.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/SkinData.h"

using TspDrawSkinTabEvent = TEvent<Integer, TRect, bool, bool, TCanvas*>;

// The close button of one item, kept by its control: where it was drawn (in
// the tab's own coordinates, after rotation for side tabs) and how it shows.
struct TspTabCloseRef {
  bool* Hot = nullptr;
  bool* Pressed = nullptr;
  TRect* Rect = nullptr;
  explicit operator bool() const { return Hot != nullptr; }
};

template <class Base>
class TspSkinTabs : public Base {
public:
  explicit TspSkinTabs(TComponent* owner);
  ~TspSkinTabs() override;

  bool ShowCloseButtons() const { return showCloseButtons_; }
  void SetShowCloseButtons(bool value);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  bool TabsBGTransparent() const { return tabsBGTransparent_; }
  void SetTabsBGTransparent(bool value);
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value) { defaultFont_->Assign(value); }
  bool UseSkinFont = true;
  Integer DefaultItemHeight() const { return defaultItemHeight_; }
  void SetDefaultItemHeight(Integer value);
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "tab";
  TNotifyEvent OnAfterClose;
  TspDrawSkinTabEvent OnDrawSkinTab;  // Index: the item (page or tab string)

  void GetSkinData();
  virtual void ChangeSkinData();
  bool HasRecord() const { return record_ != nullptr; }
  void SetItemSize(Integer width, Integer height);
  TRect GetItemRect(Integer tab);
  TRect GetActiveTabRect();
  void DrawTabs(TCanvas* canvas);
  void DrawTab(Integer item, const TRect& r, bool active, bool mouseIn, TCanvas* canvas);
  void UpDateTabs();
  // The placeholder list's width (height for side tabs): the room each native
  // tab keeps for the image and close button the strip draws.
  Integer PlaceholderSize() const;
  Integer CloseSize() const { return closeSize_; }
  Integer GetCloseSize();
  TRect FrameRect();
  void PaintWindow(HDC dc) override;
  void Loaded() override;

  // Hover, close buttons and scrolling (SkinTabsMouse.cpp).
  void TestActive(int x, int y);
  virtual void DoClose() = 0;  // the close button of the active tab was clicked
  void CheckScroll();
  Integer GetInVisibleItemCount();
  Integer GetPosition();
  TspSkinUpDown* UpDown() const { return upDown_; }  // owned (child), nullptr when absent
  Integer HoverTab() const { return hoverTab_; }

  // Copies of the "tab" record, valid while HasRecord().
  TRect skinRect, clientRect, tabRect, activeTabRect, focusTabRect, mouseInTabRect, tabsBGRect;
  TRect closeButtonRect, closeButtonActiveRect, closeButtonDownRect;
  TBitmap* Picture = nullptr;  // borrowed from the container

protected:
  // The items behind the tabs.
  virtual Integer ItemCount() const = 0;
  virtual Integer ItemOfTab(Integer tab) const = 0;  // -1 for none
  virtual String ItemCaption(Integer item) const = 0;
  virtual Integer ItemImage(Integer item) const = 0;  // in Images, -1 for none
  virtual bool ItemEnabled(Integer) const { return true; }
  virtual TspTabCloseRef ItemClose(Integer item) = 0;  // empty: the item has no close button
  // How the strip differs between the controls.
  virtual bool TabsShown() const { return true; }
  virtual bool HasActiveTab() const { return true; }
  virtual Integer CaptionShift() const { return 1; }  // of an inactive caption beside taller active tabs
  virtual TSize UpDownSize() const { return {36, 18}; }
  virtual bool FramelessBackground() const { return false; }  // a background picture leaves no frame

  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Change() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  virtual void AdjustRect(RECT& r);
  void Change2();
  void FillPageArea(TCanvas* canvas, const TRect& area, Integer width, Integer height);
  void HideSkinUpDown();
  bool SideTabs() const { return this->TabPosition() == tpLeft || this->TabPosition() == tpRight; }
  TspDataSkinTabControl* Record() const { return record_; }
  Integer DefaultHeight() const { return defaultItemHeight_; }

private:
  void PaintDefaultWindow(TCanvas* canvas);
  void PaintSkinWindow(TCanvas* canvas);
  void DrawTabStrip(TCanvas* canvas, Integer active);
  void DrawTabFace(TBitmap& b, bool active, bool mouseIn, bool focused, Integer& shift);
  void DrawCloseButton(TCanvas* canvas, const TRect& r, Integer item, Integer w, Integer h);
  void ShowSkinUpDown();
  void OnUpDownChange(TObject*);
  void ResizePlaceholder(Integer delta);
  void MouseLeft();
  bool InCloseRect(Integer tab, int x, int y);
  TspTabCloseRef CloseUnder(TMouseButton button, int x, int y, bool& inside);
  void ClearClose(Integer item);

  std::unique_ptr<TCustomImageList> placeholder_;
  TCustomImageList* images_ = nullptr;  // borrowed, freed-notified
  bool showCloseButtons_ = false;
  bool tabsBGTransparent_ = false;
  std::unique_ptr<TFont> defaultFont_;
  Integer defaultItemHeight_ = 20;
  TspSkinData* skinData_ = nullptr;          // borrowed, freed-notified
  TspDataSkinTabControl* record_ = nullptr;  // borrowed from the container
  Integer closeSize_ = 14;
  Integer hoverTab_ = -1, oldHoverTab_ = -1;
  TspSkinUpDown* upDown_ = nullptr;
  String upDownName_;
};
