#include "skin/controls/SkinMenuButton.h"

#include "platform/controls/Menus.h"
#include "platform/controls/Messages.h"
#include "skin/controls/SkinMenuPopup.h"
#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/SkinImage.h"

namespace {
constexpr Integer kTrackWidth = 15;
constexpr TColor kNavy = 0x800000;
}  // namespace

TspSkinMenuButton::TspSkinMenuButton(TComponent* owner) : TspSkinButton(owner) {
  SkinDataName = "toolmenubutton";
  SpaceClicks = false;
}

void TspSkinMenuButton::SetSkinPopupMenu(TPopupMenu* value) {
  popupMenu_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinMenuButton::SetTrackButtonMode(bool value) {
  trackButtonMode_ = value;
  if (SkinRecordIndex == -1) Repaint();
}

void TspSkinMenuButton::Notification(TComponent* component, TOperation operation) {
  TspSkinButton::Notification(component, operation);
  if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TspSkinMenuButton::GetSkinData() {
  TspSkinButton::GetSkinData();
  if (SkinRecordIndex == -1) return;
  if (auto* record = dynamic_cast<TspDataSkinMenuButtonControl*>(SkinData()->CtrlList[SkinRecordIndex].get()))
    TrackButtonRect = record->trackbuttonrect;
}

bool TspSkinMenuButton::ResizeRecordName() const {
  return SkinDataName == "resizebutton" || SkinDataName == "resizetoolbutton" || SkinDataName == "toolbutton" ||
         SkinDataName == "bigtoolbutton";
}

TRect TspSkinMenuButton::NewTrackButtonRect() const {
  TRect r = TrackButtonRect;
  if (ResizeMode == 2) r = TRect{r.Left + Width() - skinrect.Width(), r.Top, r.Right + Width() - skinrect.Width(), r.Bottom};
  if (ResizeMode == 3) r = TRect{r.Left, r.Top + Height() - skinrect.Height(), r.Right, r.Bottom + Height() - skinrect.Height()};
  return r;
}

TRect TspSkinMenuButton::TrackPart() {
  GetSkinData();
  if (SkinRecordIndex == -1 || ResizeRecordName()) return TRect{Width() - kTrackWidth, 0, Width(), Height()};
  return NewTrackButtonRect();
}

bool TspSkinMenuButton::CanMenuTrack(int x, int y) {
  if (!popupMenu_) return false;
  if (!trackButtonMode_) return true;
  TRect r = TrackPart();
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

void TspSkinMenuButton::TrackMenu() {
  if (!popupMenu_) return;
  OnShowTrackMenu(this);
  TPoint origin = ClientOrigin();
  TRect r{origin.X, origin.Y, origin.X + Width(), origin.Y + Height()};
  PopupMenuFromRect(popupMenu_, this, r);
}

// ---- mouse ----

void TspSkinMenuButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button != mbLeft) return TspSkinButton::MouseDown(button, shift, x, y);
  MenuTracking = CanMenuTrack(x, y);
  MouseIn = true;
  if (SkinRecordIndex != -1 && !look.animateskinrect.IsEmpty()) StopAnimate();
  if (!MenuTracking) return TspSkinButton::MouseDown(button, shift, x, y);
  if (!Down()) SetDown(true);
  TrackMenu();
}

void TspSkinMenuButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (MenuTracking) return;
  TspSkinButton::MouseUp(button, shift, x, y);
}

void TspSkinMenuButton::CMMouseEnter(TMessage& message) {
  if (Designing()) return;
  if (MenuTracking) {
    MouseIn = true;
    return;
  }
  TspSkinButton::CMMouseEnter(message);
}

void TspSkinMenuButton::CMMouseLeave(TMessage& message) {
  if (Designing()) return;
  if (MenuTracking) {
    MouseIn = false;
    return;
  }
  TspSkinButton::CMMouseLeave(message);
}

// ---- keys ----

// Space drops the menu; its release clicks like a mouse click (ModalResult and
// action included) when no menu is open. Enter clicks once, on its key-down.
void TspSkinMenuButton::WndProc(TMessage& message) {
  if (CanFocused() && popupMenu_) {
    if (message.Msg == WM_KEYDOWN && message.WParam == VK_SPACE) {
      if (!trackButtonMode_ && CanMenuTrack(0, 0)) {
        MenuTracking = true;
        SetDown(true);
        TrackMenu();
      }
      return;
    }
    if (message.Msg == WM_KEYUP && message.WParam == VK_SPACE) {
      if (!MenuTracking) {
        SetDown(false);
        ButtonClick();
      }
      return;
    }
  }
  TspSkinButton::WndProc(message);
}

void TspSkinMenuButton::Dispatch(TMessage& message) {
  if (message.Msg != SP_WM_CLOSESKINMENU) return TspSkinButton::Dispatch(message);
  MenuTracking = false;
  SetDown(false);
  MouseIn = false;
  OnHideTrackMenu(this);
  Repaint();
}

void TspSkinMenuButton::CMDialogChar(TMessage& message) {
  if (trackButtonMode_ || !CanMenuTrack(0, 0)) return TspSkinButton::CMDialogChar(message);
  if (IsAccel(static_cast<Word>(message.WParam), Caption()) && CanFocus() && CanFocused()) {
    SetFocus();
    MenuTracking = true;
    SetDown(true);
    TrackMenu();
    message.Result = 1;
    return;
  }
  TspSkinButton::CMDialogChar(message);
}

// ---- images ----

void TspSkinMenuButton::ComposePart(TBitmap* into, const TRect& state, Integer partWidth, bool) {
  ComposeButtonPart(*this, SkinDataName == "toolbutton" || SkinDataName == "bigtoolbutton", into, state, partWidth,
                    Height());
}

void TspSkinMenuButton::StretchedTrackImage(TBitmap* b, bool) {
  TRect normal = skinrect, hot = look.activeskinrect, pressed = look.downskinrect;
  bool pressedLook = Down() && MouseIn;
  TCanvas* c = b->Canvas();
  if (trackButtonMode_) {
    TRect mainState = MenuTracking ? hot : pressedLook ? pressed : MouseIn ? hot : normal;
    TRect trackState = MenuTracking ? pressed : pressedLook ? pressed : MouseIn ? hot : normal;
    TBitmap main, track;
    ComposePart(&main, mainState, Width() - kTrackWidth, false);
    ComposePart(&track, trackState, kTrackWidth, true);
    c->Draw(0, 0, &main);
    c->Draw(Width() - kTrackWidth, 0, &track);
  } else {
    TBitmap whole;
    ComposePart(&whole, pressedLook ? pressed : MouseIn ? hot : normal, Width(), false);
    c->Draw(0, 0, &whole);
  }
  SetCaptionFont(c, pressedLook, MouseIn);
  TColor captionColour = c->Font()->Color();
  TRect content{clientrect.Left, clientrect.Top, clientrect.Right + Width() - skinrect.Width() - kTrackWidth,
                clientrect.Bottom + Height() - skinrect.Height()};
  if (look.showfocus && HandleAllocated() && Focused()) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(SkinData()->SkinColors->cBtnFace);
    c->DrawFocusRect(content);
  }
  DrawContent(c, content, pressedLook, MouseIn, pressedLook);
  TRect marker = pressedLook || MenuTracking ? TRect{Width() - 13, 2, Width(), Height()}
                                             : TRect{Width() - kTrackWidth, 0, Width(), Height()};
  if (look.menumarkerrect.IsEmpty())
    DrawTrackArrowImage(c, marker, MenuTracking ? look.downfontcolor : captionColour);
  else
    DrawMenuMarker(c, marker, MouseIn, MenuTracking || pressedLook);
}

void TspSkinMenuButton::CreateButtonImage(TBitmap* b, const TRect& r, bool aDown, bool aMouseIn) {
  b->SetSize(Width(), Height());
  if (SkinDataName == "toolbutton" || SkinDataName == "bigtoolbutton" || SkinDataName == "resizebutton" ||
      SkinDataName == "resizetoolbutton")
    return StretchedTrackImage(b, SkinDataName.starts_with("resize"));
  if (MenuTracking && trackButtonMode_ && !TrackButtonRect.IsEmpty() && !look.downskinrect.IsEmpty()) {
    TspSkinButton::CreateButtonImage(b, look.activeskinrect, false, true);
    TRect piece{TrackButtonRect.Left + look.downskinrect.Left, TrackButtonRect.Top + look.downskinrect.Top,
                TrackButtonRect.Right + look.downskinrect.Left, TrackButtonRect.Bottom + look.downskinrect.Top};
    TRect at = NewTrackButtonRect();
    DrawPiece(b->Canvas(), at.Left, at.Top, SkinPicture, piece);
    return;
  }
  TspSkinButton::CreateButtonImage(b, r, aDown, aMouseIn);
}

void TspSkinMenuButton::CreateControlDefaultImage(TBitmap* b) {
  TCanvas* c = b->Canvas();
  Integer w = Width(), h = Height();
  bool pressedLook = false;
  const TColor light = RGB(182, 189, 210), dark = RGB(133, 147, 181);
  if (trackButtonMode_) {
    TRect main{0, 0, w - kTrackWidth, h}, track{w - kTrackWidth, 0, w, h};
    if (MenuTracking) {
      FillAndFrame(c, main, kNavy, light);
      FillAndFrame(c, track, kNavy, dark);
    } else if (Down() && MouseIn) {
      FillAndFrame(c, main, kNavy, dark);
      FillAndFrame(c, track, kNavy, dark);
      pressedLook = true;
    } else if (MouseIn || IsFocused()) {
      FillAndFrame(c, main, kNavy, light);
      FillAndFrame(c, track, kNavy, light);
    } else {
      FillAndFrame(c, main, clBtnShadow, clBtnFace);
      FillAndFrame(c, track, clBtnShadow, clBtnFace);
    }
  } else {
    TRect all{0, 0, w, h};
    if (Down() && MouseIn) FillAndFrame(c, all, kNavy, dark);
    else if (MouseIn || IsFocused()) FillAndFrame(c, all, kNavy, light);
    else FillAndFrame(c, all, clBtnShadow, clBtnFace);
  }
  SetCanvasDefaultFont(c, DefaultFont(), SkinData());
  if (!Enabled()) c->Font()->SetColor(clBtnShadow);
  DrawContent(c, TRect{0, 0, w - kTrackWidth, h}, Down(), MouseIn, pressedLook);
  TRect marker = (Down() && MouseIn) || MenuTracking ? TRect{w - 13, 2, w, h} : TRect{w - kTrackWidth, 0, w, h};
  DrawTrackArrowImage(c, marker, clBtnText);
}
