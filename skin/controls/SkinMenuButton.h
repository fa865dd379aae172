// TspSkinMenuButton: the skinned button with a drop-down part. Pressing it (or,
// in TrackButtonMode, only its 15-pixel track part at the right) drops its
// popup menu below it; the button stays down until the menu closes.
#pragma once

#include "platform/controls/Menus.h"
#include "skin/controls/SkinButton.h"

class TspSkinMenuButton : public TspSkinButton {
public:
  explicit TspSkinMenuButton(TComponent* owner);

  TPopupMenu* SkinPopupMenu() const { return popupMenu_; }
  void SetSkinPopupMenu(TPopupMenu* value);
  bool TrackButtonMode() const { return trackButtonMode_; }
  void SetTrackButtonMode(bool value);
  TNotifyEvent OnShowTrackMenu;
  TNotifyEvent OnHideTrackMenu;
  bool MenuTracking = false;
  TRect TrackButtonRect;

  bool CanMenuTrack(int x, int y);
  void TrackMenu();
  // The track part in control coordinates.
  TRect TrackPart();
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateButtonImage(TBitmap* b, const TRect& r, bool aDown, bool aMouseIn) override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;
  void CMDialogChar(TMessage& message) override;

private:
  bool ResizeRecordName() const;
  TRect NewTrackButtonRect() const;
  void ComposePart(TBitmap* into, const TRect& state, Integer partWidth, bool trackPart);
  void StretchedTrackImage(TBitmap* b, bool corner);

  TPopupMenu* popupMenu_ = nullptr;  // borrowed, freed-notified
  bool trackButtonMode_ = false;
};
