#include "skin/controls/buttons/SkinMenuSpeedButton.h"

#include "skin/controls/SkinMenuPopup.h"
#include "skin/menus/SkinImagesMenu.h"

namespace {
constexpr Integer kStrip = 15;
}  // namespace

TspSkinMenuSpeedButton::TspSkinMenuSpeedButton(TComponent* owner) : TspSkinSpeedButton(owner) {
  SkinDataName = "toolmenubutton";
}

void TspSkinMenuSpeedButton::SetNewStyle(bool value) {
  newStyle_ = value;
  if (value) SkinDataName = "resizetoolbutton";
}

void TspSkinMenuSpeedButton::SetTrackPosition(TspTrackPosition value) {
  trackPosition_ = value;
  Repaint();
}

void TspSkinMenuSpeedButton::SetSkinPopupMenu(TPopupMenu* value) {
  popupMenu_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinMenuSpeedButton::SetTrackButtonMode(bool value) {
  trackButtonMode_ = value;
  if (SkinRecordIndex == -1) Repaint();
}

void TspSkinMenuSpeedButton::Notification(TComponent* component, TOperation operation) {
  TspSkinSpeedButton::Notification(component, operation);
  if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TspSkinMenuSpeedButton::GetSkinData() {
  TspSkinSpeedButton::GetSkinData();
  if (SkinRecordIndex == -1) return;
  if (auto* record = dynamic_cast<TspDataSkinMenuButtonControl*>(SkinData()->CtrlList[SkinRecordIndex].get()))
    TrackButtonRect = record->trackbuttonrect;
}

bool TspSkinMenuSpeedButton::ToolRecordName() const {
  return SkinDataName == "resizebutton" || SkinDataName == "resizetoolbutton" || SkinDataName == "toolbutton" ||
         SkinDataName == "bigtoolbutton";
}

TRect TspSkinMenuSpeedButton::NewTrackButtonRect() const {
  TRect r = TrackButtonRect;
  Integer dx = Width() - skinrect.Width(), dy = Height() - skinrect.Height();
  if (ResizeMode == 2) r = TRect{r.Left + dx, r.Top, r.Right + dx, r.Bottom};
  if (ResizeMode == 3) r = TRect{r.Left, r.Top + dy, r.Right, r.Bottom + dy};
  return r;
}

TRect TspSkinMenuSpeedButton::StripRect() const {
  if (newStyle_ && trackPosition_ == sptpBottom) return TRect{0, Height() - kStrip, Width(), Height()};
  return TRect{Width() - kStrip, 0, Width(), Height()};
}

TRect TspSkinMenuSpeedButton::TrackPart() {
  GetSkinData();
  if (SkinRecordIndex == -1 || ToolRecordName()) return StripRect();
  return NewTrackButtonRect();
}

bool TspSkinMenuSpeedButton::CanMenuTrack(int x, int y) {
  if (!popupMenu_ && !SkinImagesMenu()) return false;
  if (!trackButtonMode_) return true;
  return TrackPart().Contains(TPoint{x, y});
}

void TspSkinMenuSpeedButton::TrackMenu() {
  TPoint origin = ClientOrigin();
  TRect r{origin.X, origin.Y, origin.X + Width(), origin.Y + Height()};
  if (popupMenu_) {
    OnShowTrackMenu(this);
    PopupMenuFromRect(popupMenu_, this, r);
  }
  if (TspSkinImagesMenu* grid = SkinImagesMenu()) {
    OnShowTrackMenu(this);
    grid->OnInternalClose = TNotifyEvent(this, &TspSkinMenuSpeedButton::OnImagesMenuClose);
    grid->PopupFromRect(r);
  }
}

void TspSkinMenuSpeedButton::OnImagesMenuClose(TObject*) {
  MenuTracking = false;
  SetDown(false);
  OnHideTrackMenu(this);
  MouseIn = false;
  Repaint();
}

// ---- mouse and the close message ----

void TspSkinMenuSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button != mbLeft) return TspSkinSpeedButton::MouseDown(button, shift, x, y);
  MenuTracking = CanMenuTrack(x, y);
  MouseIn = true;
  if (!MenuTracking) return TspSkinSpeedButton::MouseDown(button, shift, x, y);
  if (!Down()) SetDown(true);
  TrackMenu();
}

void TspSkinMenuSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (MenuTracking) return;
  TspSkinSpeedButton::MouseUp(button, shift, x, y);
}

void TspSkinMenuSpeedButton::CMMouseEnter(TMessage& message) {
  if (Designing()) return;
  if (MenuTracking) {
    MouseIn = true;
    return;
  }
  TspSkinSpeedButton::CMMouseEnter(message);
}

void TspSkinMenuSpeedButton::CMMouseLeave(TMessage& message) {
  if (Designing()) return;
  if (MenuTracking) {
    MouseIn = false;
    return;
  }
  TspSkinSpeedButton::CMMouseLeave(message);
}

void TspSkinMenuSpeedButton::Dispatch(TMessage& message) {
  if (message.Msg != SP_WM_CLOSESKINMENU) return TspSkinSpeedButton::Dispatch(message);
  MenuTracking = false;
  SetDown(false);
  MouseIn = false;
  OnHideTrackMenu(this);
  Repaint();
}
