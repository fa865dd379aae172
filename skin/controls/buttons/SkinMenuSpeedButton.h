// TspSkinMenuSpeedButton: the speed button with a drop-down part. A press (in
// TrackButtonMode only a press on its 15-pixel track strip) drops its popup menu
// and/or its image grid menu below it and keeps the button down until the menu
// closes. The new-style look shows the strip only while hovered, at the right or
// at the bottom; the arrow mode draws a plain arrow instead of the marker.
#pragma once

#include "platform/controls/Menus.h"
#include "skin/controls/buttons/SkinSpeedButton.h"

enum TspTrackPosition { sptpRight, sptpBottom };

class TspSkinMenuSpeedButton : public TspSkinSpeedButton {
public:
  explicit TspSkinMenuSpeedButton(TComponent* owner);

  bool NewStyle() const { return newStyle_; }
  void SetNewStyle(bool value);  // True also names the "resizetoolbutton" record
  TspTrackPosition TrackPosition() const { return trackPosition_; }
  void SetTrackPosition(TspTrackPosition value);
  TPopupMenu* SkinPopupMenu() const { return popupMenu_; }
  void SetSkinPopupMenu(TPopupMenu* value);
  bool TrackButtonMode() const { return trackButtonMode_; }
  void SetTrackButtonMode(bool value);
  TNotifyEvent OnShowTrackMenu;
  TNotifyEvent OnHideTrackMenu;
  bool ArrowMode = false;
  Integer ArrowKind = 0;  // 1 left, 2 right, 3 up, 4 down; 0 none

  bool MenuTracking = false;
  TRect TrackButtonRect;

  bool CanMenuTrack(int x, int y);
  void TrackMenu();
  TRect TrackPart();  // in control coordinates
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateButtonImage(TBitmap* b, const TRect& r, bool aDown, bool aMouseIn) override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Dispatch(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;

private:
  bool ToolRecordName() const;  // one of the four resizable tool-button names
  TRect NewTrackButtonRect() const;
  TRect StripRect() const;
  void OnImagesMenuClose(TObject*);
  void PaintFlatIdle();
  void StretchedTrackImage(TBitmap* b, bool stretching, bool aDown, bool aMouseIn);
  void NewStyleImage(TBitmap* b, bool aDown, bool aMouseIn);
  void DefaultLook(TBitmap* b);
  void NewStyleDefaultLook(TBitmap* b);

  bool newStyle_ = false;
  TspTrackPosition trackPosition_ = sptpRight;
  TPopupMenu* popupMenu_ = nullptr;  // borrowed, freed-notified
  bool trackButtonMode_ = false;
};
