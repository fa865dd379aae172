#include "framed/bars/RzSplitter.h"

#include <algorithm>
#include <cmath>
#include <climits>

#include "framed/common/RzCommon_Bars.h"
#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Routines.h"
#include "platform/controls/CustomForm.h"
#include "platform/published/Filer.h"
#include "platform/published/Reader.h"
#include "platform/published/Writer.h"

namespace {

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

// ---- panes ----

TRzSplitterPane::TRzSplitterPane(TComponent* owner) : TRzCustomPanel(owner) {
  borderOuter_ = fsNone;
  ControlStyle |= csAcceptsControls | csDisplayDragImage;
  splitter_ = dynamic_cast<TRzSplitter*>(owner);
  SetTabStop(false);
}

void TRzSplitterPane::SetPaneVisible(bool value) {
  if (Visible() == value) return;
  SetVisible(value);
  if (splitter_) splitter_->ResizePanes();
}

void TRzSplitterPane::Dispatch(TMessage& message) {
  if (message.Msg == WM_NCHITTEST && !HasState(csDesigning) && !DockSite) {
    message.Result = HTTRANSPARENT;
    return;
  }
  TRzCustomPanel::Dispatch(message);
}

void TRzPaneData::CopyInto(TRzSplitterPane* pane) const {
  pane->SetBorderColor(BorderColor());
  pane->SetBorderInner(BorderInner());
  pane->SetBorderOuter(BorderOuter());
  pane->SetBorderWidth(BorderWidth());
  pane->SetColor(Color());
  pane->SetFlatColor(FlatColor());
  pane->SetFlatColorAdjustment(FlatColorAdjustment());
  pane->DockSite = DockSite();
  pane->ShowDockClientCaptions = ShowDockClientCaptions();
  pane->SetPaneVisible(Visible());
}

void TRzPaneData::Assign(const TPersistent* source) {
  if (auto* other = dynamic_cast<const TRzPaneData*>(source)) return other->CopyInto(pane_);
  TPersistent::Assign(source);
}

// ---- the splitter ----

TRzSplitter::TRzSplitter(TComponent* owner) : TRzCustomPanel(owner) {
  ControlStyle = csCaptureMouse | csOpaque | csDisplayDragImage;
  borderOuter_ = fsNone;
  SetBounds(Left(), Top(), 200, 100);
  pane1_ = new TRzSplitterPane(this);
  pane2_ = new TRzSplitterPane(this);
  names1_ = std::make_unique<TStringList>();
  names2_ = std::make_unique<TStringList>();
  for (TRzSplitterPane* pane : {pane1_, pane2_}) {
    pane->BindSplitter(this);
    pane->SetParent(this);
  }
  BindPaneEvents(pane1_, 1);
  BindPaneEvents(pane2_, 2);
  upperLeft_ = std::make_unique<TRzPaneData>(pane1_);
  lowerRight_ = std::make_unique<TRzPaneData>(pane2_);
  CreateMaskBitmap(&mask_);
  ResizePanes();
}

TRzSplitter::~TRzSplitter() = default;

void TRzSplitter::BindPaneEvents(TRzSplitterPane* pane, int index) {
  pane->OnGetSiteInfo = TGetSiteInfoEvent::Function([this, index](TObject*, TControl* client, TRect& influence, TPoint p, bool& canDock) {
    (index == 1 ? OnULGetSiteInfo : OnLRGetSiteInfo)(this, client, influence, p, canDock);
  });
  pane->OnDockOver = TDockOverEvent::Function([this, index](TObject*, TObject* source, int x, int y, TDragState state, bool& accept) {
    (index == 1 ? OnULDockOver : OnLRDockOver)(this, source, x, y, state, accept);
  });
  pane->OnDockDrop = TDockDropEvent::Function([this, index](TObject*, TObject* source, int x, int y) {
    (index == 1 ? OnULDockDrop : OnLRDockDrop)(this, source, x, y);
  });
  pane->OnUnDock = TUnDockEvent::Function([this, index](TObject*, TControl* client, TObject* target, bool& allow) {
    (index == 1 ? OnULUnDock : OnLRUnDock)(this, client, target, allow);
  });
}

TRect TRzSplitter::ClientRect() const {
  TRect r = TRzCustomPanel::ClientRect();
  if (!DockSite) const_cast<TRzSplitter*>(this)->FixClientRect(r, true);
  return r;
}

void TRzSplitter::CreateParams(TCreateParams& params) {
  TRzCustomPanel::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TRzSplitter::AlignControls(TControl*, TRect&) {
  if (loadingSplitters_ > 0 || HasState(csLoading)) return;
  ResizePanes();
}

int TRzSplitter::GetBorderOffset() {
  int offset = BorderWidth();
  for (TFrameStyleEx style : {BorderOuter(), BorderInner()}) {
    int w = 2;
    if (style == fsNone) w = 0;
    if (style == fsFlat) w = 1;
    if (style == fsStatus || style == fsPopup) w = BevelWidth();
    if (HasSide(BorderSides(), sdLeft)) offset += w;
    if (HasSide(BorderSides(), sdTop)) offset += w;
  }
  return offset;
}

void TRzSplitter::ResizePanes() {
  if (HasState(csLoading) || !pane1_ || !pane2_) return;
  const TRect r = ClientRect();
  const int w = r.Width(), h = r.Height();
  const bool v1 = pane1_->Visible(), v2 = pane2_->Visible();
  const bool horizontal = orientation_ == orHorizontal;
  DisableAlign();
  try {
    if (v1 && !v2)
      pane1_->SetBounds(r.Left, r.Top, w, h);
    else if (v1)
      pane1_->SetBounds(r.Left, r.Top, horizontal ? position_ : w, horizontal ? h : position_);
    else
      pane1_->SetBounds(r.Left, r.Top, horizontal ? 0 : w, horizontal ? h : 0);
    if (v1 && v2)
      bar_ = horizontal ? Bounds(r.Left + position_, r.Top, splitterWidth_, h)
                        : Bounds(r.Left, r.Top + position_, w, splitterWidth_);
    else
      bar_ = Rect(r.Left, r.Top, r.Left, r.Top);
    UpdateHotSpotRect();
    const int rest = position_ + splitterWidth_;
    if (v2 && !v1)
      pane2_->SetBounds(r.Left, r.Top, w, h);
    else if (v2)
      pane2_->SetBounds(horizontal ? r.Left + rest : r.Left, horizontal ? r.Top : r.Top + rest,
                        horizontal ? w - rest : w, horizontal ? h : h - rest);
    else
      pane2_->SetBounds(r.Left, r.Top, horizontal ? 0 : w, horizontal ? h : 0);
    for (TRzSplitterPane* pane : {pane1_, pane2_})
      for (int i = 0; i < pane->ControlCount(); ++i)
        if (auto* nested = dynamic_cast<TRzSplitter*>(pane->Controls(i))) nested->ResizePanes();
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
  if (RealTimeDrag) {
    pane1_->Update();
    pane2_->Update();
  }
  if (HandleAllocated()) DrawSplitterBar();
}

void TRzSplitter::UpdateHotSpotRect() {
  if (orientation_ == orVertical) {
    const int c = bar_.Left + bar_.Width() / 2;
    const int h = RoundHalfEven(hotSpotSizePercent_ / 100.0 * bar_.Width()) / 2;
    hotSpot_ = Rect(c - h, bar_.Top, c + h, bar_.Bottom);
  } else {
    const int c = bar_.Top + bar_.Height() / 2;
    const int h = RoundHalfEven(hotSpotSizePercent_ / 100.0 * bar_.Height()) / 2;
    hotSpot_ = Rect(bar_.Left, c - h, bar_.Right, c + h);
  }
}

void TRzSplitter::CheckPosition(int& value) {
  if (!pane1_ || !pane2_ || !pane1_->Visible() || !pane2_->Visible()) return;
  const bool ignore = hotSpotClosed_ && HotSpotIgnoreMargins;
  const int lower = ignore ? 0 : marginMin_, upper = ignore ? 0 : marginMax_;
  value = std::max(value, lower);
  value = std::min(value, Size() - upper - splitterWidth_ - 2 * GetBorderOffset());
}

bool TRzSplitter::CanChange(int newPos) {
  bool allow = true;
  OnChanging(this, newPos, allow);
  return allow;
}

void TRzSplitter::SetPosition(int value) {
  if (!resizing_ && value == position_) return;
  CheckPosition(value);
  if (!CanChange(value)) return;
  const bool changed = value != position_;
  position_ = value;
  const int e = UsableExtent();
  percent_ = e == 0 ? 0 : RoundHalfEven(static_cast<double>(value) / e * 100);
  ResizePanes();
  UpdateFixedSize();
  Change();
  if (HasState(csDesigning) && loadingSplitters_ == 0 && changed) UpdateObjectInspector(this);
}

void TRzSplitter::SetLockedPosition(int value) {
  if (value == position_) return;
  SetPosition(value);
  UpdateManualPosition(position_);
}

void TRzSplitter::UpdateManualPosition(int value) {
  manualPosition_ = fixedPane_ == fpUpperLeft ? value : Size() - value;
}

void TRzSplitter::UpdateFixedSize() { fixedSize_ = fixedPane_ == fpUpperLeft ? position_ : Size() - position_; }

void TRzSplitter::SetFixedPane(TFixedPane value) {
  if (fixedPane_ == value) return;
  fixedPane_ = value;
  if (value == fpLowerRight) usePercent_ = false;
  UpdateManualPosition(position_);
  UpdateFixedSize();
}

void TRzSplitter::SetMarginMin(int value) {
  marginMin_ = std::max(value, 0);
  if (Size() < marginMin_ + marginMax_) marginMin_ = Size() - marginMax_;
}

void TRzSplitter::SetMarginMax(int value) {
  marginMax_ = std::max(value, 0);
  if (Size() < marginMin_ + marginMax_) marginMax_ = Size() - marginMin_;
}

void TRzSplitter::SetUsePercent(bool value) {
  if (usePercent_ == value) return;
  usePercent_ = value;
  if (value) {
    fixedPane_ = fpUpperLeft;
    SetPercentMin(percentMin_);
    SetPercentMax(percentMax_);
  }
  SetPosition(position_);
}

void TRzSplitter::SetPercent(int value) {
  percent_ = value;
  if (HasState(csLoading)) return;
  usePercent_ = true;
  SetPosition(RoundHalfEven(percent_ / 100.0 * UsableExtent()));
}

void TRzSplitter::SetPercentMin(int value) {
  percentMin_ = std::max(value, 0);
  if (!HasState(csLoading) && usePercent_) marginMin_ = RoundHalfEven(percentMin_ / 100.0 * UsableExtent());
}

void TRzSplitter::SetPercentMax(int value) {
  percentMax_ = std::min(value, 100);
  if (!HasState(csLoading) && usePercent_)
    marginMax_ = UsableExtent() - RoundHalfEven(percentMax_ / 100.0 * UsableExtent());
}

void TRzSplitter::SetOrientation(TOrientation value) {
  if (orientation_ == value) return;
  orientation_ = value;
  if (usePercent_) {
    SetPosition(RoundHalfEven(percent_ / 100.0 * UsableExtent()));
    marginMin_ = RoundHalfEven(percentMin_ / 100.0 * UsableExtent());
    marginMax_ = UsableExtent() - RoundHalfEven(percentMax_ / 100.0 * UsableExtent());
  } else {
    ResizePanes();
  }
  if (HandleAllocated()) DrawSplitterBar();
}

void TRzSplitter::SetSplitterWidth(int value) {
  if (splitterWidth_ == value) return;
  splitterWidth_ = value;
  if (orientation_ == orVertical)
    bar_.Bottom = bar_.Top + value;
  else
    bar_.Right = bar_.Left + value;
  ResizePanes();
  Invalidate();
}

void TRzSplitter::SetSplitterStyle(TSplitterStyle value) {
  if (splitterStyle_ == value) return;
  splitterStyle_ = value;
  if (value != ssStandard && splitterWidth_ < 6) SetSplitterWidth(6);
  Invalidate();
}

void TRzSplitter::SetHotSpotVisible(bool value) {
  if (hotSpotVisible_ == value) return;
  hotSpotVisible_ = value;
  if (value && splitterWidth_ < 7) SetSplitterWidth(7);
  Invalidate();
}

#define RZ_SETTER(Name, Type, field) \
  void TRzSplitter::Set##Name(Type value) { \
    if (field == value) return;         \
    field = value;                      \
    Invalidate();                       \
  }
RZ_SETTER(HotSpotHighlight, TColor, hotSpotHighlight_)
RZ_SETTER(HotSpotDirection, THotSpotDirection, hotSpotDirection_)
RZ_SETTER(GradientColorAdjustment, int, gradientColorAdjustment_)
RZ_SETTER(GradientPath, TRzGroupBarGradientPath, gradientPath_)
#undef RZ_SETTER

void TRzSplitter::SetHotSpotSizePercent(int value) {
  if (hotSpotSizePercent_ == value) return;
  hotSpotSizePercent_ = value;
  UpdateHotSpotRect();
  Invalidate();
}

void TRzSplitter::SetBorderWidthProp(int value) {
  SetBorderWidth(value);
  ResizePanes();
}

void TRzSplitter::SetParentColorProp(bool value) {
  SetParentColor(value);
  pane1_->SetParentColor(value);
  pane2_->SetParentColor(value);
}

void TRzSplitter::SetBorderInner(TFrameStyleEx value) {
  TRzCustomPanel::SetBorderInner(value);
  ResizePanes();
}

void TRzSplitter::SetBorderOuter(TFrameStyleEx value) {
  TRzCustomPanel::SetBorderOuter(value);
  ResizePanes();
}

void TRzSplitter::SetBorderSides(TSides value) {
  TRzCustomPanel::SetBorderSides(value);
  ResizePanes();
}

void TRzSplitter::SetTransparent(bool value) {
  TRzCustomPanel::SetTransparent(value);
  if (pane1_) pane1_->SetTransparent(value);
  if (pane2_) pane2_->SetTransparent(value);
}

// ---- collapsing ----

void TRzSplitter::CloseHotSpot(bool toMin) {
  if (hotSpotClosed_) return;
  hotSpotClosed_ = true;
  hotSpotPosition_ = position_;
  if (toMin) {
    hotSpotClosedToMin_ = true;
    SetPosition(0);
  } else {
    hotSpotClosedToMax_ = true;
    SetPosition(INT_MAX);
  }
}

void TRzSplitter::RestoreHotSpot() {
  if (!hotSpotClosed_) return;
  ResetHotSpot();
  SetPosition(hotSpotPosition_);
  UpdateManualPosition(position_);
}

void TRzSplitter::ResetHotSpot() { hotSpotClosed_ = hotSpotClosedToMin_ = hotSpotClosedToMax_ = false; }

// ---- resizing ----

void TRzSplitter::Resize() {
  TRzCustomPanel::Resize();
  if (HasState(csDestroying) || !pane2_) return;  // the panes are made after the first size
  resizing_ = true;
  try {
    const int e = UsableExtent();
    if (fixedPane_ == fpUpperLeft && usePercent_) {
      marginMin_ = RoundHalfEven(percentMin_ / 100.0 * e);
      marginMax_ = e - RoundHalfEven(percentMax_ / 100.0 * e);
      if (hotSpotClosedToMin_)
        SetPosition(0);
      else if (hotSpotClosedToMax_)
        SetPosition(e);
      else
        SetPosition(RoundHalfEven(percent_ / 100.0 * e));
    } else if (fixedPane_ == fpUpperLeft) {
      SetPosition(position_);
      if (manualPosition_ > position_ && !hotSpotClosed_) SetPosition(manualPosition_);
    } else if (!usePercent_) {
      SetPosition(Size() - fixedSize_);
      if (manualPosition_ > position_ && !hotSpotClosed_) SetPosition(Size() - manualPosition_);
      if (hotSpotClosed_) hotSpotPosition_ = Size() - manualPosition_;
    }
  } catch (...) {
    resizing_ = false;
    throw;
  }
  resizing_ = false;
}

// ---- dragging ----

TRect TRzSplitter::MaskRect(int pos) {
  const int b = GetBorderOffset();
  const TPoint client = orientation_ == orHorizontal ? TPoint{b + pos, b} : TPoint{b, b + pos};
  const TPoint screen = ClientToScreen(client);
  return Bounds(screen.X, screen.Y, bar_.Width(), bar_.Height());
}

void TRzSplitter::DrawMask(int pos) {
  if (RealTimeDrag || !HandleAllocated()) return;
  DrawMaskOnScreen(&mask_, MaskRect(pos));
}

void TRzSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TRzCustomPanel::MouseDown(button, shift, x, y);
  const TPoint p{x, y};
  const bool onSpot = hotSpotVisible_ && hotSpot_.Contains(p);
  if (button != mbLeft || !bar_.Contains(p) || !(onSpot || !LockBar)) return;
  if (!HasState(csDesigning) && !RealTimeDrag && CanFocus()) SetFocus();
  SetMouseCapture(true);
  dragging_ = true;
  hotSpotPressed_ = onSpot;
  grabOffset_ = orientation_ == orVertical ? y - Height() / 2 : x - Width() / 2;
  dragStart_ = position_;
  DrawMask(position_);
  lastDrawn_ = position_;
}

void TRzSplitter::MouseMove(TShiftState shift, int x, int y) {
  TRzCustomPanel::MouseMove(shift, x, y);
  if ((hotSpotPressed_ && LockBar) || !dragging_) return;
  int newPos = (orientation_ == orVertical ? y : x) + dragStart_ - Size() / 2 - grabOffset_;
  CheckPosition(newPos);
  if (!CanChange(newPos)) return;
  if (newPos != lastDrawn_) {
    ResetHotSpot();
    hotSpotPressed_ = false;
    DrawMask(lastDrawn_);
    DrawMask(newPos);
    if (RealTimeDrag) {
      SetPosition(newPos);
      manualPosition_ = fixedPane_ == fpUpperLeft ? newPos : Size() - newPos;
    }
  }
  lastDrawn_ = newPos;
}

void TRzSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TRzCustomPanel::MouseUp(button, shift, x, y);
  if (!((dragging_ && button == mbLeft) || hotSpotPressed_)) return;
  dragging_ = false;
  SetMouseCapture(false);
  if (!RealTimeDrag) {
    DrawMask(lastDrawn_);
    SetPosition(lastDrawn_);
    UpdateManualPosition(lastDrawn_);
  }
  if (hotSpotPressed_) ReleaseHotSpot(x, y);
}

void TRzSplitter::ReleaseHotSpot(int x, int y) {
  hotSpotPressed_ = false;
  if (!hotSpot_.Contains(TPoint{x, y})) return;
  if (!hotSpotClosed_) {
    hotSpotClosed_ = true;
    hotSpotPosition_ = position_;
    const int middle = orientation_ == orHorizontal ? hotSpot_.Top + hotSpot_.Height() / 2
                                                    : hotSpot_.Left + hotSpot_.Width() / 2;
    const bool beforeMiddle = (orientation_ == orHorizontal ? y : x) < middle;
    if (hotSpotDirection_ == hsdMin || (hotSpotDirection_ == hsdBoth && beforeMiddle)) {
      hotSpotClosedToMin_ = true;
      SetPosition(0);
    } else {
      hotSpotClosedToMax_ = true;
      SetPosition(INT_MAX);
    }
  } else {
    ResetHotSpot();
    SetPosition(hotSpotPosition_);
    UpdateManualPosition(position_);
  }
  HotSpotClick();
}

void TRzSplitter::KeyDown(Word& key, TShiftState shift) {
  TRzCustomPanel::KeyDown(key, shift);
  if (key != VK_ESCAPE || !dragging_) return;
  dragging_ = false;
  SetMouseCapture(false);
  if (!RealTimeDrag) {
    DrawMask(lastDrawn_);
    UpdateManualPosition(position_);
  }
}

void TRzSplitter::HotSpotHighlightStep(const TPoint& p, bool onlyWhenPlain) {
  if (!hotSpotVisible_ || !HandleAllocated()) return;
  if (hotSpot_.Contains(p)) {
    if (hotSpotDrawnPlain_ || (!onlyWhenPlain && hotSpotDirection_ == hsdBoth)) DrawHotSpot(true, p);
    hotSpotDrawnPlain_ = false;
  } else {
    if (!hotSpotDrawnPlain_) DrawHotSpot(false, p);
    hotSpotDrawnPlain_ = true;
  }
}

void TRzSplitter::WMSetCursor(TMessage& message) {
  const TPoint p = CursorPosition();
  HotSpotHighlightStep(p, false);
  if (!bar_.Contains(p) || LockBar) return TRzCustomPanel::WMSetCursor(message);
  const bool overSpot = hotSpotVisible_ && hotSpot_.Contains(p);
  if (HCURSOR cursor = cursors_.For(orientation_ == orVertical, overSpot)) ::SetCursor(cursor);
  message.Result = 1;
}

void TRzSplitter::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSELEAVE:
      TRzCustomPanel::Dispatch(message);
      HotSpotHighlightStep(CursorPosition(), true);
      return;
    case CM_DESIGNHITTEST: {
      const bool shiftCtrl = ::GetKeyState(VK_SHIFT) < 0 && ::GetKeyState(VK_CONTROL) < 0;
      message.Result = (dragging_ || bar_.Contains(CursorPosition())) && !shiftCtrl ? 1 : 0;
      return;
    }
    case WM_SHOWWINDOW:
      TRzCustomPanel::Dispatch(message);
      if (!HasState(csDestroying)) {
        pane1_->Invalidate();
        pane2_->Invalidate();
      }
      return;
    default: return TRzCustomPanel::Dispatch(message);
  }
}

