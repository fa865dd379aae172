#include "skin/controls/panels/ScrollArrows.h"

#include <algorithm>

#include "skin/controls/SkinButtonRecord.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/draw/SkinClock.h"
#include "skin/draw/SkinGlyphs.h"

namespace {
constexpr TColor kNavy = 0x800000;
}  // namespace

void TspScrollArrows::SetVisible(bool visible) {
  if (Shown() == visible) return;
  Arrows[0].Visible = Arrows[1].Visible = visible;
  if (VisibilityChanged) VisibilityChanged();
}

void TspScrollArrows::Reset() {
  ScrollPos = LastScrollPos = ScrollRange = ScrollClientWidth = GrowDelta = 0;
  Arrows[0].Visible = Arrows[1].Visible = false;
}

void TspScrollArrows::TakeRange(Integer a, Integer client) {
  if (inRange_) return;
  inRange_ = true;
  if (a == 0) {
    SetVisible(false);
  } else if (a + ScrollPos <= client) {
    if (ScrollPos > 0 && ScrollChildren) ScrollChildren(-ScrollPos);
    GrowDelta = ScrollRange = ScrollPos = ScrollClientWidth = 0;
    SetVisible(false);
  } else {
    SetVisible(true);
    Integer r = ScrollPos + a - 1;
    if (ScrollPos > 0 && a < client && GrowDelta > 0) {  // the owner grew while scrolled
      GrowDelta = std::min(GrowDelta, ScrollPos);
      ScrollRange = r;
      ScrollPos -= GrowDelta;
      ScrollClientWidth = client;
      if (ScrollChildren) ScrollChildren(-GrowDelta);
    } else {
      Integer oldRange = ScrollRange;
      ScrollRange = r;
      ScrollClientWidth = client;
      if (GrowDelta == 0 && r < oldRange && ScrollPos > 0 && a < client) {  // the content shrank while scrolled
        ScrollPos += a - client;
        if (ScrollChildren) ScrollChildren(a - client);
      }
      GrowDelta = 0;
    }
    LastScrollPos = ScrollPos;
  }
  inRange_ = false;
}

void TspScrollArrows::ButtonClick(int i, Integer stepLength) {
  Integer s = ScrollOffset != 0 ? ScrollOffset : stepLength;
  if (i == 0) ScrollPos = std::max(0, ScrollPos - s);
  else if (i == 1) ScrollPos = std::min(ScrollPos + s, ScrollRange - ScrollClientWidth + 1);
  else return;
  if (ScrollPos == LastScrollPos) return StopTimer();
  Integer d = ScrollPos - LastScrollPos;
  LastScrollPos = ScrollPos;
  if (ScrollChildren) ScrollChildren(d);
}

void TspScrollArrows::ButtonDown(int i) {
  if (i != 0 && i != 1) return;
  TimerMode = i + 1;
  StartTimer();
}

void TspScrollArrows::ButtonUp(int i, Integer stepLength) {
  if (i != 0 && i != 1) return;
  StopTimer();
  ButtonClick(i, stepLength);
}

void TspScrollArrows::StartTimer() {
  if (!owner_->HandleAllocated()) return;
  SkinClock().KillWindowTimer(owner_->Handle(), kScrollArrowTimer);
  SkinClock().SetWindowTimer(owner_->Handle(), kScrollArrowTimer, ScrollTimerInterval);
}

void TspScrollArrows::StopTimer() {
  if (owner_->HandleAllocated()) SkinClock().KillWindowTimer(owner_->Handle(), kScrollArrowTimer);
  TimerMode = 0;
}

void TspScrollArrows::TimerTick(Integer stepLength) {
  if (TimerMode == 1) ButtonClick(0, stepLength);
  else if (TimerMode == 2) ButtonClick(1, stepLength);
}

// ---- non-client area ----

void TspScrollArrows::ShrinkClient(RECT& r) const {
  if (Vertical) {
    if (Arrows[0].Visible) r.top += kScrollArrowSize;
    if (Arrows[1].Visible) r.bottom -= kScrollArrowSize;
  } else {
    if (Arrows[0].Visible) r.left += kScrollArrowSize;
    if (Arrows[1].Visible) r.right -= kScrollArrowSize;
  }
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
}

void TspScrollArrows::PlaceArrows(Integer width, Integer height) {
  if (Vertical) {
    Arrows[0].R = TRect{0, 0, width, kScrollArrowSize};
    Arrows[1].R = TRect{0, height - kScrollArrowSize, width, height};
  } else {
    Arrows[0].R = TRect{0, 0, kScrollArrowSize, height};
    Arrows[1].R = TRect{width - kScrollArrowSize, 0, width, height};
  }
}

LRESULT TspScrollArrows::HitTest(const TPoint& p, Integer clientLength) const {
  Integer along = Vertical ? p.Y : p.X;
  if (Arrows[0].Visible && along < 0) return kHitFirstArrow;
  if (Arrows[1].Visible && along > clientLength) return kHitSecondArrow;
  return 0;
}

void TspScrollArrows::DrawArrow(TCanvas* canvas, int i, TspSkinData* data) {
  const TspScrollArrow& arrow = Arrows[i];
  Integer w = arrow.R.Width(), h = arrow.R.Height();
  if (w < 1 || h < 1) return;
  TBitmap b(w, h);
  TCanvas* c = b.Canvas();
  bool pressed = arrow.Hot && (arrow.Down || HotScroll);
  TColor colour = clBtnText;
  TspButtonRecordLook record;
  if (record.Find(data, "resizebutton")) {
    const TspDataSkinButtonControl& k = *record.Record;
    bool downPiece = pressed && !k.downskinrect.IsEmpty();
    bool activePiece = !downPiece && arrow.Hot && !k.activeskinrect.IsEmpty();
    record.Compose(&b, arrow.Hot && (downPiece || activePiece), downPiece);
    colour = downPiece ? k.downfontcolor : activePiece ? k.activefontcolor : k.fontcolor;
  } else if (pressed) {
    FillAndFrame(c, TRect{0, 0, w, h}, kNavy, RGB(133, 147, 181));
  } else if (arrow.Hot) {
    FillAndFrame(c, TRect{0, 0, w, h}, kNavy, RGB(182, 189, 210));
  } else {
    FillAndFrame(c, TRect{0, 0, w, h}, clBtnShadow, clBtnFace);
  }
  Integer kind = Vertical ? (i == 0 ? 3 : 4) : (i == 0 ? 1 : 2);
  DrawArrowImage(c, TRect{0, 0, w, h}, colour, kind);
  canvas->Draw(arrow.R.Left, arrow.R.Top, &b);
}

void TspScrollArrows::DrawArrows(HDC dc, TspSkinData* data) {
  TCanvas canvas;
  canvas.SetHandle(dc);
  for (int i = 0; i < 2; ++i)
    if (Arrows[i].Visible) DrawArrow(&canvas, i, data);
  canvas.SetHandle(nullptr);
}

void TspScrollArrows::Repaint(TspSkinData* data) {
  if (!owner_->HandleAllocated() || !Shown()) return;
  HDC dc = ::GetWindowDC(owner_->Handle());
  DrawArrows(dc, data);
  ::ReleaseDC(owner_->Handle(), dc);
}

// ---- pointer ----

bool TspScrollArrows::NcMouseMove(LRESULT hit, TspSkinData* data) {
  if (hit != kHitFirstArrow && hit != kHitSecondArrow) return false;
  int i = hit == kHitFirstArrow ? 0 : 1;
  if (Arrows[i].Hot) return true;
  Arrows[i].Hot = true;
  Arrows[1 - i].Hot = false;
  Repaint(data);
  if (HotScroll) {
    TimerMode = i + 1;
    StartTimer();
  }
  return true;
}

bool TspScrollArrows::NcButtonDown(LRESULT hit, TspSkinData* data) {
  if (hit != kHitFirstArrow && hit != kHitSecondArrow) return false;
  int i = hit == kHitFirstArrow ? 0 : 1;
  Arrows[i].Down = true;
  Repaint(data);
  ButtonDown(i);
  return true;
}

bool TspScrollArrows::NcButtonUp(LRESULT hit, TspSkinData* data, Integer stepLength) {
  if (hit != kHitFirstArrow && hit != kHitSecondArrow) return false;
  int i = hit == kHitFirstArrow ? 0 : 1;
  Arrows[i].Down = false;
  Repaint(data);
  ButtonUp(i, stepLength);
  return true;
}

void TspScrollArrows::ClientMouseMove(TspSkinData* data) { MouseLeft(data); }

void TspScrollArrows::MouseLeft(TspSkinData* data) {
  for (auto& arrow : Arrows) {
    if (!arrow.Hot) continue;
    arrow.Hot = false;
    if (TimerMode != 0) StopTimer();
    Repaint(data);
    return;
  }
}
