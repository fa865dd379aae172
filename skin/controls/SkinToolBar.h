// TspSkinToolBar: a skinned panel holding a row of controls, kept vertically
// centred in its skin client area; it hands its skin container to its bevels
// and switches between two widths when ShowCaptions changes.
#pragma once

#include "skin/controls/SkinPanel.h"

class TspSkinToolBar : public TspSkinPanel {
public:
  explicit TspSkinToolBar(TComponent* owner);

  bool AdjustControls = true;
  bool CanScroll = false;
  bool HotScroll = false;
  Integer ScrollOffset() const { return scrollOffset_; }
  void SetScrollOffset(Integer value);  // values below 0 are ignored
  Integer ScrollTimerInterval() const { return scrollTimerInterval_; }
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

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Dispatch(TMessage& message) override;

private:
  Integer scrollOffset_ = 0;
  Integer scrollTimerInterval_ = 50;
  bool showCaptions_ = false;
  bool flat_ = false;
  TCustomImageList* images_ = nullptr;  // the three lists: borrowed, freed-notified
  TCustomImageList* hotImages_ = nullptr;
  TCustomImageList* disabledImages_ = nullptr;
  bool settingBounds_ = false;
};
