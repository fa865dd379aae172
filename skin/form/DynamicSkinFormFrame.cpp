// Frame geometry: the skin's frame picture laid out at the window's size (fixed
// corners moved with the right and bottom edges), the non-client size, the
// caption-button row, the window's shape from the skin's mask, and the three
// hit tests (skinned frame, default frame, client-area mode).
#include "skin/draw/SkinMask.h"
#include "skin/draw/SkinRects.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/SkinCaptionObject.h"
#include "skin/menus/SkinMainMenuItem.h"

namespace {

constexpr Integer kDefBorder = 3;

bool InZone(const TRect& zone, const TPoint& p) { return p.X >= zone.Left && p.X < zone.Right && p.Y >= zone.Top && p.Y < zone.Bottom; }

TRect Moved(TRect r, Integer dx, Integer dy) { return Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy); }

TPoint Shifted(TPoint p, Integer dx, Integer dy) { return Point(p.X + dx, p.Y + dy); }

bool IsToolWindow(TFormBorderStyle style) { return style == bsToolWindow || style == bsSizeToolWin; }

}  // namespace

bool TspDynamicSkinForm::CanScale() const {
  if (!skinData_) return false;
  return skinData_->RightBottomPoint.X != skinData_->LeftTopPoint.X &&
         skinData_->RightBottomPoint.Y != skinData_->LeftTopPoint.Y;
}

// A client rectangle that leaves the picture describes no frame: the default
// frame's sizes apply then.
bool TspDynamicSkinForm::CanNCSupport() const {
  if (!supportNCArea_ || !HasUsableSkin() || skinData_->Picture->Empty()) return false;
  const TRect& c = skinData_->ClientRect;
  return !IsNullRect(c) && c.Left >= 0 && c.Top >= 0 && c.Right <= skinData_->Picture->Width() &&
         c.Bottom <= skinData_->Picture->Height();
}

Integer TspDynamicSkinForm::GetDefCaptionHeight() const { return IsToolWindow(form_->BorderStyle()) ? 15 : 19; }

Integer TspDynamicSkinForm::GetDefButtonSize() const { return IsToolWindow(form_->BorderStyle()) ? 13 : 17; }

void TspDynamicSkinForm::CalcRects() {
  if (NewWidth == 0) NewWidth = form_->Width();
  if (NewHeight == 0) NewHeight = form_->Height();
  if (!HasUsableSkin()) return;
  const TspSkinData& s = *skinData_;
  const Integer dx = NewWidth - s.Picture->Width(), dy = NewHeight - s.Picture->Height();
  const Integer picW = s.Picture->Width();
  TargetLeftTop = s.LeftTopPoint;
  TargetRightTop = Shifted(s.RightTopPoint, dx, 0);
  TargetLeftBottom = Shifted(s.LeftBottomPoint, 0, dy);
  TargetRightBottom = Shifted(s.RightBottomPoint, dx, dy);
  TargetClientRect = Rect(s.ClientRect.Left, s.ClientRect.Top, s.ClientRect.Right + dx, s.ClientRect.Bottom + dy);
  NewCaptionRect = s.CaptionRect;
  if (!IsNullRect(s.CaptionRect)) NewCaptionRect.Right += dx;
  NewButtonsRect = s.ButtonsRect;
  if (!IsNullRect(s.ButtonsRect) && s.ButtonsRect.Left > picW / 2) NewButtonsRect = Moved(s.ButtonsRect, dx, 0);
  ButtonsOffset = s.ButtonsOffset;
  ButtonsInLeft = s.ButtonsInLeft;
  NewHitTestLTPoint = s.HitTestLeftTopPoint;
  NewHitTestRTPoint = Shifted(s.HitTestRightTopPoint, dx, 0);
  NewHitTestLBPoint = Shifted(s.HitTestLeftBottomPoint, 0, dy);
  NewHitTestRBPoint = Shifted(s.HitTestRightBottomPoint, dx, dy);
  NewMaskRectArea = s.MaskRectArea;
  NewMaskRectArea.Right += dx;
  NewMaskRectArea.Bottom += dy;
  NewIconRect = CalcRealObjectRect(s.IconRect);
  NewMainMenuRect = s.MainMenuRect;
  if (CanScale()) {
    NewMainMenuRect.Right += dx;
    const TRect lb = Rect(0, s.LeftBottomPoint.Y, s.LeftBottomPoint.X, s.Picture->Height());
    if (InZone(lb, s.MainMenuRect.TopLeft())) NewMainMenuRect = Moved(NewMainMenuRect, 0, dy);
  }
}

TRect TspDynamicSkinForm::CalcRealObjectRect(const TRect& r) const {
  if (!HasUsableSkin()) return r;
  const TspSkinData& s = *skinData_;
  const Integer picW = s.Picture->Width(), picH = s.Picture->Height();
  const TRect lt = Rect(0, 0, s.LeftTopPoint.X, s.LeftTopPoint.Y);
  const TRect rt = Rect(s.RightTopPoint.X, 0, picW, s.RightTopPoint.Y);
  const TRect lb = Rect(0, s.LeftBottomPoint.Y, s.LeftBottomPoint.X, picH);
  const TRect rb = Rect(s.RightBottomPoint.X, s.RightBottomPoint.Y, picW, picH);
  if (IsNullRect(lt) && IsNullRect(rt) && IsNullRect(lb) && IsNullRect(rb)) return r;
  const Integer dx = TargetRightBottom.X - s.RightBottomPoint.X, dy = TargetRightBottom.Y - s.RightBottomPoint.Y;
  if (RectInRect(r, lt)) return r;
  if (RectInRect(r, rt)) return Moved(r, dx, 0);
  if (RectInRect(r, lb)) return Moved(r, 0, dy);
  if (RectInRect(r, rb)) return Moved(r, dx, dy);
  const TPoint tl = r.TopLeft(), br = r.BottomRight();
  TRect out = r;
  if (InZone(lt, tl) && InZone(rb, br)) {
    out.Right += dx, out.Bottom += dy;
  } else if (InZone(lt, tl) && InZone(rt, br)) {
    out.Right += dx;
  } else if (InZone(lb, tl) && InZone(rb, br)) {
    out.Right += dx;
    out = Moved(out, 0, dy);
  } else if (InZone(lt, tl) && InZone(lb, br)) {
    out.Bottom += dy;
  } else if (InZone(rt, tl) && InZone(rb, br)) {
    out = Moved(out, dx, 0);
    out.Bottom += dy;
  }
  return out;
}

void TspDynamicSkinForm::CalcAllRealObjectRect() {
  // Main-menu items place themselves in the menu rectangle when drawn.
  for (auto& object : objects_)
    if (!dynamic_cast<TspSkinMainMenuItem*>(object.get())) object->ObjectRect = CalcRealObjectRect(object->skinrect);
  NewSizeGripRect = HasUsableSkin() && !IsNullRect(skinData_->SizeGripArea) ? CalcRealObjectRect(skinData_->SizeGripArea)
                                                                             : TRect{};
  if (!supportNCArea_) return;
  if (!IsNullRect(NewButtonsRect))
    LayoutCaptionButtons(NewButtonsRect);
  else if (!IsNullRect(NewCaptionRect))
    LayoutCaptionButtons(NewCaptionRect);
}

// The caption buttons in a row from the base's right (or left) edge: close,
// maximize, minimize, roll-up, tray, then the buttons of their own; the system
// menu button at the caption's start.
void TspDynamicSkinForm::LayoutCaptionButtons(const TRect& base) {
  std::vector<TspActiveSkinObject*> candidates;
  auto commandOf = [](TspActiveSkinObject* o) -> int {
    if (auto* b = dynamic_cast<TspSkinStdButtonObject*>(o)) return b->Command;
    if (auto* a = dynamic_cast<TspSkinAnimateObject*>(o)) return a->Command;
    return -1;
  };
  for (auto& o : objects_)
    if (commandOf(o.get()) >= 0 && o->Visible && o->skinrectinapicture) candidates.push_back(o.get());
  std::vector<TspActiveSkinObject*> row;
  for (int command : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray})
    for (auto* o : candidates)
      if (commandOf(o) == command) {
        row.push_back(o);
        break;
      }
  for (auto* o : candidates)
    if (commandOf(o) == cmDefault) row.push_back(o);
  TspActiveSkinObject* sysMenu = nullptr;
  for (auto* o : candidates)
    if (commandOf(o) == cmSysMenu) {
      sysMenu = o;
      break;
    }
  auto sizeOf = [this, &commandOf](TspActiveSkinObject* o) {
    if (showIcon_ && commandOf(o) == cmSysMenu) return GetIconSize();
    return Size(RectWidth(o->skinrect), RectHeight(o->skinrect));
  };
  TspSkinCaptionObject* caption = FirstCaption();
  const bool noButtonsRect = IsNullRect(NewButtonsRect);
  Integer y = base.Top;
  if (!ButtonsInLeft) {
    Integer x = base.Right;
    for (auto* o : row) {
      const TSize size = sizeOf(o);
      o->ObjectRect = Rect(x - size.cx, y, x, y + size.cy);
      x -= size.cx + ButtonsOffset;
    }
    if (noButtonsRect && caption) caption->ObjectRect.Right = x + ButtonsOffset;
    if (sysMenu) {
      const TSize size = sizeOf(sysMenu);
      const Integer top = NewCaptionRect.Top + RectHeight(NewCaptionRect) / 2 - size.cy / 2;
      sysMenu->ObjectRect = Rect(NewCaptionRect.Left, top, NewCaptionRect.Left + size.cx, top + size.cy);
      if (caption) caption->ObjectRect.Left = sysMenu->ObjectRect.Right;
    }
    return;
  }
  Integer x = base.Left;
  for (auto* o : row) {
    const TSize size = sizeOf(o);
    o->ObjectRect = Rect(x, y, x + size.cx, y + size.cy);
    x += size.cx + ButtonsOffset;
  }
  if (noButtonsRect) {
    if (sysMenu) {
      const TSize size = sizeOf(sysMenu);
      sysMenu->ObjectRect = Rect(x, y, x + size.cx, y + size.cy);
      x += size.cx + ButtonsOffset;
    }
    if (caption) caption->ObjectRect.Left = x + ButtonsOffset;
  }
}

void TspDynamicSkinForm::CalcDefRects() {
  if (objects_.empty()) return;
  Integer r = NewWidth - kDefBorder;
  DefCaptionRect = Rect(kDefBorder, kDefBorder, r, GetDefCaptionHeight());
  const Integer bs = GetDefButtonSize();
  for (int command : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray})
    for (auto& o : objects_) {
      auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get());
      if (b && b->Visible && b->skinrectinapicture && b->Command == command) {
        b->ObjectRect = Rect(r - bs, 4, r, 4 + bs);
        r -= bs;
        break;
      }
    }
  DefCaptionRect.Right = r;
  for (auto& o : objects_) {
    auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get());
    if (!b || b->Command != cmSysMenu) continue;
    const TSize size = showIcon_ ? GetIconSize() : Size(bs, bs);
    const Integer x = DefCaptionRect.Left;
    b->ObjectRect = Rect(x, 4, x + size.cx, 4 + size.cy);
    if (b->Visible) DefCaptionRect.Left = x + size.cx;
    break;
  }
}

TRect TspDynamicSkinForm::GetDefCaptionRect() {
  CalcDefRects();
  return DefCaptionRect;
}

void TspDynamicSkinForm::CalcNCSize(TRect& r) {
  if (CanNCSupport()) {
    CalcRects();
    const TspSkinData& s = *skinData_;
    r.Left += s.ClientRect.Left;
    r.Top += s.ClientRect.Top;
    r.Right += s.ClientRect.Right - s.Picture->Width();
    r.Bottom += s.ClientRect.Bottom - s.Picture->Height();
  } else {
    r.Left += kDefBorder;
    r.Top += GetDefCaptionHeight() + kDefBorder;
    r.Right -= kDefBorder;
    r.Bottom -= kDefBorder;
  }
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
}

// ---- the window's shape ----

void TspDynamicSkinForm::CreateNewRegion(bool rebuild) {
  if (!form_->HandleAllocated()) return;
  HWND window = form_->Handle();
  auto give = [&](HRGN region) {
    ::SetWindowRgn(window, region, TRUE);  // the window owns it from now on
    formRegion_ = region;
  };
  if (!skinnableForm_ || (supportNCArea_ && !HasBorder())) {
    if (formRegion_) give(nullptr);
    return;
  }
  if (NewWidth == 0) NewWidth = form_->Width();
  if (NewHeight == 0) NewHeight = form_->Height();
  const bool usable = HasUsableSkin();
  if (!usable || skinData_->Mask->Empty() || IsMDIChildMaximized()) {
    if (!usable)
      MaskTop->SetSize(0, 0), MaskBottom->SetSize(0, 0), MaskLeft->SetSize(0, 0), MaskRight->SetSize(0, 0);
    give(::CreateRectRgn(0, 0, NewWidth, NewHeight));
    return;
  }
  const TspSkinData& s = *skinData_;
  if (!rebuild) {
    HRGN region = nullptr;
    CreateSkinSimplyRegion(region, s.Mask.get());
    if (region) give(region);
    return;
  }
  CreateSkinMask(s.LeftTopPoint, s.RightTopPoint, s.LeftBottomPoint, s.RightBottomPoint, s.MaskRectArea,
                 TargetLeftTop, TargetRightTop, TargetLeftBottom, TargetRightBottom, NewMaskRectArea, s.Mask.get(),
                 MaskTop.get(), MaskLeft.get(), MaskRight.get(), MaskBottom.get(), NewWidth, NewHeight);
  HRGN region = ::CreateRectRgn(NewMaskRectArea.Left, NewMaskRectArea.Top, NewMaskRectArea.Right,
                                NewMaskRectArea.Bottom);
  auto unite = [&](TBitmap* piece, Integer x, Integer y) {
    if (piece->Empty()) return;
    HRGN part = RegionFromRuns(MaskRuns(piece, x, y));
    if (!part) return;
    ::CombineRgn(region, region, part, RGN_OR);
    ::DeleteObject(part);
  };
  unite(MaskTop.get(), 0, 0);
  unite(MaskBottom.get(), 0, NewMaskRectArea.Bottom);
  unite(MaskLeft.get(), 0, NewMaskRectArea.Top);
  unite(MaskRight.get(), NewMaskRectArea.Right, NewMaskRectArea.Top);
  give(region);
}

bool TspDynamicSkinForm::PtInMask(const TPoint& p) const {
  const TRect& area = NewMaskRectArea;
  if (InZone(area, p)) return true;
  // A point outside the piece that should cover it is outside the shape.
  auto black = [this](TBitmap* piece, Integer x, Integer y) {
    if (x < 0 || y < 0 || x >= piece->Width() || y >= piece->Height()) return false;
    return (piece->Canvas()->Pixels(x, y) & 0xFFFFFF) == 0;
  };
  if (p.Y <= area.Top) return black(MaskTop.get(), p.X, p.Y);
  if (p.Y < area.Bottom) {
    if (p.X > area.Left) return black(MaskRight.get(), p.X - area.Right, p.Y - area.Top);
    return black(MaskLeft.get(), p.X, p.Y - area.Top);
  }
  return black(MaskBottom.get(), p.X, p.Y - area.Bottom);
}

bool TspDynamicSkinForm::InForm(const TPoint& screenPoint) const {
  return form_->HandleAllocated() && ::WindowFromPoint(POINT{screenPoint.X, screenPoint.Y}) == form_->Handle();
}

TPoint TspDynamicSkinForm::PointToNCPoint(const TPoint& screen) const {
  if (!IsMDIChild() || !form_->HandleAllocated()) {
    RECT r = {};
    if (form_->HandleAllocated()) ::GetWindowRect(form_->Handle(), &r);
    else r = RECT{form_->Left(), form_->Top(), 0, 0};
    return Point(screen.X - r.left, screen.Y - r.top);
  }
  POINT p = {screen.X, screen.Y};
  ::ScreenToClient(form_->Handle(), &p);
  if (skinActive_) return Point(p.x + TargetClientRect.Left, p.y + TargetClientRect.Top);
  return Point(p.x + kDefBorder, p.y + GetDefCaptionHeight() + kDefBorder);
}

// ---- hit tests ----

bool TspDynamicSkinForm::OverCaption(const TPoint& p, bool rollUpTest) const {
  for (auto& o : objects_)
    if (dynamic_cast<TspSkinCaptionObject*>(o.get()) && (!rollUpTest || CanObjectTest(o->RollUp)) &&
        InZone(o->ObjectRect, p))
      return true;
  return false;
}

bool TspDynamicSkinForm::PointNearEdge(const TPoint& p) const {
  const Integer b = HasUsableSkin() ? skinData_->BorderWidth : 0;
  const Integer w = supportNCArea_ ? form_->Width() : form_->ClientWidth();
  const Integer h = supportNCArea_ ? form_->Height() : form_->ClientHeight();
  const bool masked = HasUsableSkin() && !skinData_->Mask->Empty();
  const TRect window = Rect(0, 0, w, h);
  for (TPoint probe : {Point(p.X - b, p.Y), Point(p.X, p.Y - b), Point(p.X + b, p.Y), Point(p.X, p.Y + b)}) {
    if (!masked) {
      if (!InZone(window, probe)) return true;
    } else if (!InZone(NewMaskRectArea, probe) && !PtInMask(probe)) {
      return true;
    }
  }
  return false;
}

// The corner and edge codes of a point near the edge; 0 when none applies.
LRESULT TspDynamicSkinForm::EdgeHitTest(const TPoint& p) const {
  const Integer w = supportNCArea_ ? form_->Width() : form_->ClientWidth();
  const Integer h = supportNCArea_ ? form_->Height() : form_->ClientHeight();
  if (p.X <= NewHitTestLTPoint.X && p.Y <= NewHitTestLTPoint.Y) return HTTOPLEFT;
  if (p.X >= NewHitTestRTPoint.X && p.Y <= NewHitTestRTPoint.Y) return HTTOPRIGHT;
  if (p.X <= NewHitTestLBPoint.X && p.Y >= NewHitTestLBPoint.Y) return HTBOTTOMLEFT;
  if (p.X >= NewHitTestRBPoint.X && p.Y >= NewHitTestRBPoint.Y) return HTBOTTOMRIGHT;
  if (InZone(Rect(NewHitTestLTPoint.X, 0, NewHitTestRTPoint.X, TargetClientRect.Top), p)) return HTTOP;
  if (InZone(Rect(NewHitTestLBPoint.X, TargetClientRect.Bottom, NewHitTestRBPoint.X, h), p)) return HTBOTTOM;
  if (InZone(Rect(0, NewHitTestLTPoint.Y, TargetClientRect.Left, NewHitTestLBPoint.Y), p)) return HTLEFT;
  if (InZone(Rect(TargetClientRect.Right, NewHitTestRTPoint.Y, w, NewHitTestRBPoint.Y), p)) return HTRIGHT;
  return 0;
}

LRESULT TspDynamicSkinForm::NewNCHitTest(const TPoint& p) const {
  if (rollUpState_ || windowState_ == wsMinimized) return OverCaption(p, true) ? HTCAPTION : HTOBJECT;
  if (activeObject_ != -1 && !OverCaption(p, false) && !InZone(TargetClientRect, p) && !inSizeMove_) return HTOBJECT;
  if (windowState_ != wsMaximized && Sizeable) {
    if (!PointNearEdge(p)) {
      if (InZone(TargetClientRect, p)) return HTCLIENT;
      return OverCaption(p, false) ? HTCAPTION : HTOBJECT;
    }
    if (LRESULT code = EdgeHitTest(p)) return code;
  }
  if (InZone(TargetClientRect, p)) return HTCLIENT;
  return OverCaption(p, false) ? HTCAPTION : HTOBJECT;
}

LRESULT TspDynamicSkinForm::NewDefNCHitTest(TPoint p) {
  const Integer w = form_->Width(), h = form_->Height();
  if (windowState_ == wsNormal && !rollUpState_ && Sizeable) {
    if (activeObject_ != -1) return HTOBJECT;
    const bool left = p.X <= 2, top = p.Y <= 2, right = p.X >= w - 2, bottom = p.Y >= h - 2;
    if (left && top) return HTTOPLEFT;
    if (right && top) return HTTOPRIGHT;
    if (left && bottom) return HTBOTTOMLEFT;
    if (right && bottom) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (top) return HTTOP;
    if (right) return HTRIGHT;
    if (bottom) return HTBOTTOM;
  }
  if (InZone(GetDefCaptionRect(), p)) return HTCAPTION;
  const Integer caption = GetDefCaptionHeight();
  if (InZone(Rect(kDefBorder, caption + kDefBorder, w - kDefBorder, h - kDefBorder), p)) return HTCLIENT;
  return HTOBJECT;
}

LRESULT TspDynamicSkinForm::NewHitTest(const TPoint& p) const {
  if (!Sizeable || windowState_ == wsMaximized || rollUpState_ || activeObject_ != -1 || !HasUsableSkin())
    return HTCLIENT;
  if (!IsNullRect(NewSizeGripRect) && InZone(NewSizeGripRect, p)) return HTBOTTOMRIGHT;
  if (!PointNearEdge(p)) return HTCLIENT;
  if (LRESULT code = EdgeHitTest(p)) return code;
  return HTCLIENT;
}
