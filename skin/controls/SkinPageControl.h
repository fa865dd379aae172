// TspSkinPageControl: the platform page control with its frame, page
// background and tabs drawn from a "tab" record (or the default look), close
// buttons on the tabs, images per tab, and the skinned up-down in place of the
// native tab scroller. The native control keeps the tab list, selection and
// layout; the control adjusts its display and item rectangles and paints.
// SetSkinData and ChangeSkinData are plain: the skin-change table calls them.
#pragma once

#include <memory>

#include "skin/controls/SkinCustomTabSheet.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/SkinData.h"

using TspCloseEvent = TEvent<TObject*, bool&>;
using TspDrawSkinTabEvent = TEvent<Integer, TRect, bool, bool, TCanvas*>;

class TspSkinPageControl : public TPageControl {
public:
  explicit TspSkinPageControl(TComponent* owner);
  ~TspSkinPageControl() override;

  bool FreeOnClose = false;
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
  TspCloseEvent OnClose;
  TNotifyEvent OnAfterClose;
  TspDrawSkinTabEvent OnDrawSkinTab;

  void GetSkinData();
  void ChangeSkinData();
  bool HasRecord() const { return record_ != nullptr; }
  void SetItemSize(Integer width, Integer height);
  TRect GetItemRect(Integer index);
  TRect GetActiveTabRect();
  bool CheckVisibleTabs() const;
  void DrawTabs(TCanvas* canvas);
  void DrawTab(Integer pageIndex, const TRect& r, bool active, bool mouseIn, TCanvas* canvas);
  void UpDateTabs();
  Integer PlaceholderSize() const;  // the placeholder list's width (height for side tabs)
  Integer CloseSize() const { return closeSize_; }
  Integer GetCloseSize();
  TRect FrameRect();

  // Hover, close buttons, scrolling and hidden tabs (SkinPageControlTabs.cpp).
  void TestActive(int x, int y);
  void DoClose();
  void CheckScroll();
  Integer GetInVisibleItemCount();
  Integer GetPosition();
  void HideTabs();
  void ShowTabs();
  bool TabsHidden() const { return tabsHidden_; }
  TspSkinUpDown* UpDown() const { return upDown_; }  // owned (child), nullptr when absent
  Integer HoverTab() const { return hoverTab_; }
  TspSkinCustomTabSheet* SkinPage(Integer pageIndex) const;
  void PaintWindow(HDC dc) override;
  void Loaded() override;

  // Copies of the "tab" record, valid while HasRecord().
  TRect skinRect, clientRect, tabRect, activeTabRect, focusTabRect, mouseInTabRect, tabsBGRect;
  TRect closeButtonRect, closeButtonActiveRect, closeButtonDownRect;
  TBitmap* Picture = nullptr;  // borrowed from the container

protected:
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Change() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  void Change2();
  void AdjustRect(RECT& r);
  void FillPageArea(TCanvas* canvas, const TRect& area, Integer width, Integer height);
  void PaintDefaultWindow(TCanvas* canvas);
  void PaintSkinWindow(TCanvas* canvas);
  void DrawCloseButton(TCanvas* canvas, const TRect& r, Integer pageIndex, Integer w, Integer h);
  Integer PageOfTab(Integer tabIndex) const;
  void ShowSkinUpDown();
  void HideSkinUpDown();
  void OnUpDownChange(TObject*);
  void ResizePlaceholder(Integer delta);
  bool SideTabs() const { return TabPosition() == tpLeft || TabPosition() == tpRight; }
  void MouseLeft();
  bool InCloseRect(Integer tab, int x, int y);

  std::unique_ptr<TCustomImageList> placeholder_;
  TCustomImageList* images_ = nullptr;  // borrowed, freed-notified
  bool showCloseButtons_ = false;
  bool tabsBGTransparent_ = false;
  std::unique_ptr<TFont> defaultFont_;
  Integer defaultItemHeight_ = 20;
  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  TspDataSkinTabControl* record_ = nullptr;  // borrowed from the container
  Integer closeSize_ = 14;
  Integer hoverTab_ = -1, hoverPage_ = -1, oldHoverTab_ = -1, oldHoverPage_ = -1;
  bool tabsHidden_ = false;
  TTabPosition savedPosition_ = tpTop;
  bool savedMultiLine_ = false;
  Integer savedTabHeight_ = -1;
  TspSkinUpDown* upDown_ = nullptr;
  String upDownName_;
};
