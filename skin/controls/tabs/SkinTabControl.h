// TspSkinTabControl: the platform tab control (tabs given as strings, no
// pages) drawn from a "tab" record like the skinned page control: frame,
// background, tabs, close buttons, hover look and the skinned up-down in
// place of the native tab scroller. PaintBG paints the page background alone,
// for transparent children capturing their parent's picture. SetSkinData and
// ChangeSkinData are plain: the skin-change table calls them.
#pragma once

#include <memory>
#include <vector>

#include "platform/comctrls/TabControl.h"
#include "skin/controls/SkinPageControl.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/SkinData.h"

// Asked before the tab at Index is deleted by its close button.
using TspCloseEvent2 = TEvent<Integer, bool&>;

class TspSkinTabControl : public TTabControl {
public:
  explicit TspSkinTabControl(TComponent* owner);
  ~TspSkinTabControl() override;

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
  TspCloseEvent2 OnClose;
  TNotifyEvent OnAfterClose;
  TspDrawSkinTabEvent OnDrawSkinTab;

  void GetSkinData();
  void ChangeSkinData();
  bool HasRecord() const { return record_ != nullptr; }
  Integer SkinRecordIndex() const { return HasRecord() ? skinData_->GetControlIndex(SkinDataName) : -1; }
  void SetItemSize(Integer width, Integer height);
  TRect GetItemRect(Integer index);
  TRect GetActiveTabRect();
  void DrawTabs(TCanvas* canvas);
  void DrawTab(Integer index, const TRect& r, bool active, bool mouseIn, TCanvas* canvas);
  void UpDateTabs();
  Integer GetCloseSize();
  TRect FrameRect();
  // The page background alone (no frame, no tabs) into the DC.
  void PaintBG(HDC dc);
  void CheckControlsBackground();

  // Hover, close buttons and scrolling (SkinTabControlTabs.cpp).
  void TestActive(int x, int y);
  void DoClose();
  void CheckScroll();
  Integer GetInVisibleItemCount();
  Integer GetPosition();
  TspSkinUpDown* UpDown() const { return upDown_; }  // owned (child), nullptr when absent
  Integer HoverTab() const { return hoverTab_; }
  // The close state of a tab; the entries follow the tabs, so every tab has one.
  struct TCloseState {
    bool Hot = false, Pressed = false;
    TRect Rect;
  };
  TCloseState& CloseState(Integer tab);
  void PaintWindow(HDC dc) override;
  void Loaded() override;

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
  void DrawCloseButton(TCanvas* canvas, const TRect& r, Integer index, Integer w, Integer h);
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
  TspSkinData* skinData_ = nullptr;          // borrowed, freed-notified
  TspDataSkinTabControl* record_ = nullptr;  // borrowed from the container
  Integer closeSize_ = 14;
  Integer hoverTab_ = -1, oldHoverTab_ = -1;
  std::vector<TCloseState> closeStates_;
  bool inPaint_ = false;
  TspSkinUpDown* upDown_ = nullptr;
  String upDownName_;
};
