// TspSkinToolBar: a skinned panel holding a row of controls, kept vertically
// centred in its skin client area. It hands its skin container, flat look and
// image lists to its speed buttons and its container to its bevels, renames
// their records to match its own at design time, switches between two widths
// when ShowCaptions changes and, with CanScroll, shows two scroll arrows in its
// non-client area when the children are wider than the bar.
#pragma once

#include "skin/controls/SkinPanel.h"
#include "skin/controls/panels/ScrollArrows.h"

class TspSkinToolBar : public TspSkinPanel {
public:
  explicit TspSkinToolBar(TComponent* owner);

  bool AdjustControls = true;
  bool CanScroll = false;
  bool HotScroll() const { return arrows_.HotScroll; }
  void SetHotScroll(bool value) { arrows_.HotScroll = value; }
  Integer ScrollOffset() const { return arrows_.ScrollOffset; }
  void SetScrollOffset(Integer value);  // values below 0 are ignored
  Integer ScrollTimerInterval() const { return arrows_.ScrollTimerInterval; }
  void SetScrollTimerInterval(Integer value);  // values of 0 or less are ignored
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool value);
  bool AutoShowHideCaptions = false;
  Integer WidthWithCaptions = 0, WidthWithoutCaptions = 0;
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  TCustomImageList* HotImages() const { return hotImages_; }
  void SetHotImages(TCustomImageList* value);
  TCustomImageList* DisabledImages() const { return disabledImages_; }
  void SetDisabledImages(TCustomImageList* value);

  // Centres the children that have no skinned base and no alignment.
  void AdjustAllControls();
  void SetBounds(int left, int top, int width, int height) override;
  void SetSkinData(TspSkinData* value) override;
  void SetSkinDataName(const String& value) override;
  void CreateControlSkinImage(TBitmap* b) override;

  // The scroll arrows: their state, the range and one step.
  TspScrollArrows& Arrows() { return arrows_; }
  void GetScrollInfo();
  void ButtonClick(int i) { arrows_.ButtonClick(i, ClientWidth()); }
  void ButtonDown(int i) { arrows_.ButtonDown(i); }
  void ButtonUp(int i) { arrows_.ButtonUp(i, ClientWidth()); }

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Dispatch(TMessage& message) override;
  void WndProc(TMessage& message) override;
  void AdjustClientRect(TRect& rect) override;

private:
  void HScrollControls(Integer d);
  void ArrowsChanged();
  bool ArrowMessage(TMessage& message);

  TspScrollArrows arrows_{this, false};
  bool showCaptions_ = false;
  bool flat_ = false;
  TCustomImageList* images_ = nullptr;  // the three lists: borrowed, freed-notified
  TCustomImageList* hotImages_ = nullptr;
  TCustomImageList* disabledImages_ = nullptr;
  bool settingBounds_ = false;
};
