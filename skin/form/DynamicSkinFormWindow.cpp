// The window states a skinned form keeps itself (it has no standard caption):
// size limits, maximize, minimize to a caption bar, restore, roll-up, centring
// on a monitor, snapping to the work area's edges, dragging a caption-less
// window, the fade-in and the drop shadow.
#include "platform/controls/Application.h"
#include "platform/controls/Screen.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinMask.h"
#include "skin/draw/SkinRects.h"
#include "skin/draw/SkinSystem.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/FormMenuSeams.h"
#include "skin/form/SkinCaptionObject.h"

namespace {
constexpr Integer kDefMinWidth = 130;
}

TRect TspDynamicSkinForm::MonitorRect(bool workArea) const {
  return MonitorArea(form_->HandleAllocated() ? form_->Handle() : nullptr, workArea);
}

// ---- size limits ----

Integer TspDynamicSkinForm::GetMinWidth() const {
  const bool skin = skinActive_ && HasUsableSkin();
  if (supportNCArea_) {
    if (!skin) return MinWidth > 0 ? MinWidth : kDefMinWidth;
    const Integer picW = skinData_->Picture->Width();
    if (picW < MinWidth && windowState_ != wsMinimized) return MinWidth;
    if (skinData_->FormMinWidth > 0) return skinData_->FormMinWidth;
    return picW;
  }
  if (!skin) return 0;
  const Integer picW = skinData_->Picture->Width();
  return (MinWidth == 0 || picW < MinWidth) ? picW : MinWidth;
}

Integer TspDynamicSkinForm::GetMinHeight() const {
  const bool skin = skinActive_ && HasUsableSkin();
  const bool caption = rollUpState_ || windowState_ == wsMinimized;
  if (supportNCArea_) {
    const Integer frame = skin ? skinData_->Picture->Height() - RectHeight(skinData_->ClientRect)
                               : GetDefCaptionHeight() + 6;
    return (frame >= MinHeight || caption) ? frame : MinHeight;
  }
  if (!skin) return 0;
  const Integer picH = skinData_->Picture->Height();
  return (MinHeight == 0 || picH < MinHeight) ? picH : MinHeight;
}

Integer TspDynamicSkinForm::GetMaxWidth() const {
  const Integer w = MonitorRect(!MaximizeOnFullScreen).Width();
  return MaxWidth != 0 && MaxWidth < w ? MaxWidth : w;
}

Integer TspDynamicSkinForm::GetMaxHeight() const {
  const Integer h = MonitorRect(!MaximizeOnFullScreen).Height();
  return MaxHeight != 0 && MaxHeight < h ? MaxHeight : h;
}

void TspDynamicSkinForm::UpDateForm() {
  const Integer w = form_->Width();
  if (GetMinWidth() <= w - 1)
    form_->SetWidth(w - 1);
  else
    form_->SetWidth(w + 1);
  form_->SetWidth(w);
}

void TspDynamicSkinForm::CheckSize() {
  if (!HasUsableSkin()) return;
  const Integer picW = skinData_->Picture->Width(), picH = skinData_->Picture->Height();
  if (CanScale()) {
    if (MinWidth != 0 && MinHeight != 0) return;
    if (form_->ClientWidth() < picW) form_->SetClientWidth(picW);
    if (form_->ClientHeight() < picH) form_->SetClientHeight(picH);
    return;
  }
  form_->SetClientWidth(picW);
  form_->SetClientHeight(picH);
  Sizeable = false;
}

// ---- states ----

void TspDynamicSkinForm::SetFormBounds(const TRect& r) { form_->SetBounds(r.Left, r.Top, r.Width(), r.Height()); }

void TspDynamicSkinForm::SetWindowState(TWindowState value) {
  const TWindowState old = windowState_;
  if (value == old) return;
  if (!(value == wsMinimized && IsMainForm())) windowState_ = value;
  switch (value) {
    case wsNormal:
      if (old == wsMaximized && rollUpState_ && !rollUpBeforeMaximize_) SetRollUpState(false);
      rollUpBeforeMaximize_ = false;
      DoNormalize();
      break;
    case wsMinimized: DoMinimize(); break;
    case wsMaximized:
      rollUpBeforeMaximize_ = rollUpState_;
      DoMaximize();
      break;
  }
  RedrawCaptions();
}

void TspDynamicSkinForm::DoMinimize() {
  if (IsMainForm() || !supportNCArea_) {
    Application.Minimize();
  } else {
    if (IsNullRect(restoreBounds_)) restoreBounds_ = FormBounds();
    const TPoint at = GetMinimizeCoord();
    form_->SetBounds(at.X, at.Y, GetMinWidth(), GetMinHeight());
    if (IsMDIChild()) SendToMainForm(WM_MDICHILDRESTORE);
  }
  OnMinimize(this);
}

TPoint TspDynamicSkinForm::GetMinimizeCoord() const {
  // At least one pixel a step: a minimum size of 0 would never leave the place.
  const Integer minW = std::max<Integer>(1, GetMinWidth()), minH = std::max<Integer>(1, GetMinHeight());
  TRect area = MonitorRect(true);
  TCustomForm* main = Application.MainForm();
  if (IsMDIChild() && main) {
    TspDynamicSkinForm* frame = GetDynamicSkinFormComponent(main);
    const TRect work = frame ? frame->GetMDIWorkArea() : GetMDIWorkArea();
    area = Rect(0, 0, work.Width(), work.Height());
  }
  auto taken = [this, main](Integer x, Integer y) {
    const bool mdi = IsMDIChild() && main;
    const int count = mdi ? main->MDIChildCount() : Screen.FormCount();
    for (int i = 0; i < count; ++i) {
      TCustomForm* other = mdi ? main->MDIChildren(i) : Screen.Forms(i);
      if (other == form_ || other == Application.MainForm() || !other->Visible()) continue;
      TspDynamicSkinForm* component = GetDynamicSkinFormComponent(other);
      if (component && component->WindowState() == wsMinimized && other->Left() == x && other->Top() == y)
        return true;
    }
    return false;
  };
  Integer x = area.Left, y = area.Bottom - minH;
  while (taken(x, y)) {
    x += minW;
    if (x + minW > area.Right) {
      x = area.Left;
      y -= minH;
    }
    if (y < area.Top) {
      y = area.Bottom - minH;
      break;
    }
  }
  return Point(x, y);
}

void TspDynamicSkinForm::SendToMainForm(UINT msg) {
  TCustomForm* main = Application.MainForm();
  if (main && main != form_ && main->HandleAllocated()) ::SendMessageA(main->Handle(), msg, 0, 0);
}

void TspDynamicSkinForm::DoMaximize() {
  if (IsNullRect(restoreBounds_)) restoreBounds_ = FormBounds();
  if (IsMDIChild()) {
    // A maximized child fills the frame's work area, without a frame of its own.
    mouseTimer_->SetEnabled(false);
    TestActive(-1, -1, false);
    TspDynamicSkinForm* frame = Application.MainForm() ? GetDynamicSkinFormComponent(Application.MainForm()) : nullptr;
    const TRect work = frame ? frame->GetMDIWorkArea() : GetMDIWorkArea();
    const TSize oldSize = Size(form_->Width(), form_->Height());
    form_->SetBounds(0, 0, work.Width(), work.Height());
    if (oldSize == Size(form_->Width(), form_->Height())) UpDateForm();
    SendToMainForm(WM_MDICHILDMAX);
    OnMaximize(this);
    return;
  }
  TRect target = MonitorRect(!MaximizeOnFullScreen);
  const TRect whole = MonitorRect(false);
  const TRect primary = GetPrimaryMonitorWorkArea(false);
  if (!MaximizeOnFullScreen && target == whole && whole == primary)
    target = Rect(target.Left + 1, target.Top + 1, target.Right - 1, target.Bottom - 1);
  SetFormBounds(target);
  OnMaximize(this);
}

void TspDynamicSkinForm::DoNormalize() {
  rollUpInMaximized_ = false;
  if (supportNCArea_) {
    const TSize oldSize = Size(form_->Width(), form_->Height());
    if (firstShow_) {
      firstShow_ = false;
      const TPoint at = GetPositionInMonitor(restoreBounds_.Left, restoreBounds_.Top, restoreBounds_.Height(),
                                             restoreBounds_.Width());
      form_->SetBounds(at.X, at.Y, restoreBounds_.Width(), restoreBounds_.Height());
    } else if (!IsNullRect(restoreBounds_)) {
      SetFormBounds(restoreBounds_);
    }
    mouseTimer_->SetEnabled(true);
    if (oldSize == Size(form_->Width(), form_->Height())) UpDateForm();
    form_->Invalidate();
    if (IsMDIChild()) SendToMainForm(WM_MDICHILDRESTORE);
    restoreBounds_ = TRect{};
  } else {
    if (!IsNullRect(restoreBounds_)) SetFormBounds(restoreBounds_);
    restoreBounds_ = TRect{};
    mouseTimer_->SetEnabled(true);
  }
  OnRestore(this);
}

void TspDynamicSkinForm::CaptionDoubleClick() {
  if (Sizeable && windowState_ == wsMinimized)
    SetWindowState(wsNormal);
  else if (Sizeable && windowState_ != wsMaximized && !rollUpState_ && (borderIcons_ & biMaximize))
    SetWindowState(wsMaximized);
  else if (Sizeable && windowState_ == wsMaximized && !rollUpInMaximized_)
    SetWindowState(wsNormal);
  else
    SetRollUpState(!rollUpState_);
}

void TspDynamicSkinForm::CheckWindowState() {
  if (supportNCArea_ || activeObject_ < 0 || activeObject_ >= Integer(objects_.size())) return;
  if (!dynamic_cast<TspSkinCaptionObject*>(objects_[activeObject_].get())) return;
  if (rollUpState_)
    SetRollUpState(false);
  else if (Sizeable)
    SetWindowState(windowState_ == wsMaximized ? wsNormal : wsMaximized);
  else
    SetRollUpState(true);
}

// ---- roll-up ----

void TspDynamicSkinForm::SetRollUpState(bool value) {
  if ((!supportNCArea_ && !skinActive_) || !(borderIcons_ & biRollUp)) return;
  if ((rollUpState_ && windowState_ == wsMaximized && !rollUpInMaximized_) || windowState_ == wsMinimized) return;
  if (windowState_ == wsMaximized) rollUpInMaximized_ = value;
  rollUpState_ = value;
  if (supportNCArea_) {
    if (value) {
      realHeight_ = form_->Height();
      form_->SetHeight(GetMinHeight());
    } else if (ClientHeight != 0) {
      form_->SetClientHeight(ClientHeight);
    } else {
      form_->SetHeight(realHeight_);
    }
  } else if (skinData_->RollUpPicture->Empty()) {
    rollUpState_ = false;
  } else if (value) {
    realHeight_ = form_->Height();
    CreateRollUpForm();
  } else {
    RestoreRollUpForm();
  }
  RedrawCaptions();
  OnChangeRollUpState(this);
}

void TspDynamicSkinForm::CreateRollUpForm() {
  if (!HasUsableSkin() || skinData_->RollUpPicture->Empty()) return;
  const TspSkinData& s = *skinData_;
  TBitmap* roll = s.RollUpPicture.get();
  const bool stretched = s.RollUpLeftPoint.X < s.RollUpRightPoint.X;
  const Integer width = stretched ? form_->Width() : roll->Width();
  const Integer shift = stretched ? form_->Width() - roll->Width() : 0;
  if (stretched)
    for (auto& o : objects_) {
      if (!o->RollUp) continue;
      TRect r = o->skinrect;
      if (r.Left >= s.RollUpRightPoint.X)
        r = Rect(r.Left + shift, r.Top, r.Right + shift, r.Bottom);
      else if (r.Left <= s.RollUpLeftPoint.X && r.Right >= s.RollUpRightPoint.X)
        r.Right += shift;
      o->ObjectRect = r;
    }
  TestActive(-1, -1, true);
  mouseTimer_->SetEnabled(false);
  morphTimer_->SetEnabled(false);
  if (rollUpHiddenControls_.empty())
    for (int i = 0; i < form_->ControlCount(); ++i)
      if (TControl* c = form_->Controls(i); c->Visible()) {
        c->Hide();
        rollUpHiddenControls_.push_back(c);
      }
  if (stretched)
    form_->SetClientHeight(roll->Height());
  else
    form_->SetWidth(width), form_->SetClientHeight(roll->Height());
  SetRollUpFormRegion();
  form_->Invalidate();
  mouseTimer_->SetEnabled(true);
}

void TspDynamicSkinForm::SetRollUpFormRegion() {
  if (!form_->HandleAllocated() || !HasUsableSkin()) return;
  const TspSkinData& s = *skinData_;
  HRGN region = nullptr;
  if (!s.RollUpMask->Empty()) {
    TBitmap* mask = s.RollUpMask.get();
    TBitmap stretched;
    if (s.RollUpLeftPoint.X < s.RollUpRightPoint.X) {
      CreateHSkinImage(s.RollUpLeftPoint.X, mask->Width() - s.RollUpRightPoint.X, &stretched, mask,
                       Rect(0, 0, mask->Width(), mask->Height()), form_->Width(), mask->Height(), false);
      mask = &stretched;
    }
    region = RegionFromRuns(MaskRuns(mask, 0, 0));
  } else if (!formRegion_) {
    return;
  }
  ::SetWindowRgn(form_->Handle(), region, TRUE);
  formRegion_ = region;
}

void TspDynamicSkinForm::RestoreRollUpForm() {
  TestActive(-1, -1, true);
  mouseTimer_->SetEnabled(false);
  morphTimer_->SetEnabled(false);
  for (TControl* c : rollUpHiddenControls_) c->Show();
  rollUpHiddenControls_.clear();
  if (CanScale() && realHeight_ > 0) form_->SetHeight(realHeight_);
  CheckSize();
  mouseTimer_->SetEnabled(true);
}

// ---- position, snapping, dragging ----

TPoint TspDynamicSkinForm::GetPositionInMonitor(Integer left, Integer top, Integer height, Integer width) const {
  if (PositionInMonitor == sppDefault) return Point(left, top);
  const TRect area = MonitorRect(PositionInMonitor == sppDesktopCenter);
  return Point(area.Left + area.Width() / 2 - width / 2, area.Top + area.Height() / 2 - height / 2);
}

void TspDynamicSkinForm::ApplyPositionInMonitor() {
  if (PositionInMonitor == sppDefault) return;
  const TPoint at = GetPositionInMonitor(form_->Left(), form_->Top(), form_->Height(), form_->Width());
  form_->SetBounds(at.X, at.Y, form_->Width(), form_->Height());
}

namespace {

// One edge: snaps within `size` of the edge, stays until the cursor has moved
// more than `size` from where it snapped, then follows the cursor.
Integer SnapEdge(Integer position, Integer edge, Integer size, Integer cursor, Integer& anchor, bool& snapped,
                 Integer release) {
  const bool close = edge - size < position && position < edge + size;
  Integer result = position;
  if (close && !snapped) {
    result = edge;
    anchor = cursor;
  }
  if (snapped) result = std::abs(cursor - anchor) > size ? cursor + release - anchor : edge;
  snapped = close;
  return result;
}

}  // namespace

bool TspDynamicSkinForm::DoMagnetic(Integer& left, Integer& top, Integer height, Integer width) {
  const TRect area = MonitorRect(true);
  const Integer size = MagneticSize;
  const TPoint cursor = CursorPos();
  left = SnapEdge(left, area.Left, size, cursor.X, magnetAnchor_.X, magnetLeft_, area.Left);
  top = SnapEdge(top, area.Top, size, cursor.Y, magnetAnchor_.Y, magnetTop_, area.Top);
  left = SnapEdge(left + width, area.Right, size, cursor.X, magnetAnchor_.X, magnetRight_, area.Right) - width;
  top = SnapEdge(top + height, area.Bottom, size, cursor.Y, magnetAnchor_.Y, magnetBottom_, area.Bottom) - height;
  return magnetBottom_;
}

void TspDynamicSkinForm::StartDragg(Integer x, Integer y) {
  dragging_ = true;
  POINT p = {x, y};
  if (form_->HandleAllocated()) ::ClientToScreen(form_->Handle(), &p);
  dragPoint_ = Point(p.x, p.y);
}

bool TspDynamicSkinForm::GetFullDragg() {
  BOOL full = FALSE;
  ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
  return full != FALSE;
}

// ---- fade and shadow ----

void TspDynamicSkinForm::StartFade() {
  if (!form_->HandleAllocated()) return;
  HWND window = form_->Handle();
  ::SetWindowLongPtrA(window, GWL_EXSTYLE, ::GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetAlphaBlendTransparent(window, 0);
  fadeTarget_ = (AlphaBlendAnimation && !alphaBlend_) ? 255 : alphaBlendValue_;
  fadeValue_ = 0;
  fadeTick_ = SP_FadeClock();
  fading_ = true;
  ::SetTimer(window, 1, 1, nullptr);
}

// One tick of the fade: the opacity rises by 10 whenever more than 5 ms have
// passed, never above the target; without animation it jumps to the target.
void TspDynamicSkinForm::FadeStep() {
  HWND window = form_->Handle();
  if (!AlphaBlendAnimation) {
    fadeValue_ = fadeTarget_;
  } else if (SP_FadeClock() - fadeTick_ > 5) {
    fadeValue_ = std::min(fadeValue_ + 10, fadeTarget_);
    fadeTick_ = SP_FadeClock();
  }
  if (fadeValue_ != 255 || AlphaBlendAnimation) SetAlphaBlendTransparent(window, Byte(fadeValue_));
  if (fadeValue_ < fadeTarget_) return;
  ::KillTimer(window, 1);
  fading_ = false;
  if (fadeTarget_ == 255)
    ::SetWindowLongPtrA(window, GWL_EXSTYLE, ::GetWindowLongPtrA(window, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
}

void TspDynamicSkinForm::EnableShadow(bool value, bool reshow) {
  if (!CheckW2KWXP() || value == dropShadow_ || !form_->HandleAllocated()) return;
  dropShadow_ = value;
  if (reshow) form_->Hide();
  HWND window = form_->Handle();
  ULONG_PTR style = ::GetClassLongPtrA(window, GCL_STYLE);
  ::SetClassLongPtrA(window, GCL_STYLE, value ? (style | CS_DROPSHADOW) : (style & ~ULONG_PTR(CS_DROPSHADOW)));
  if (reshow) form_->Show();
}

// The tray icon is a seam of the frame periphery: without one, nothing happens.
void TspDynamicSkinForm::MinimizeToTray() {}
void TspDynamicSkinForm::RestoreFromTray() {}
