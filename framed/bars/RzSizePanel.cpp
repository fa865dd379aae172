#include "framed/bars/RzSizePanel.h"

#include <algorithm>
#include <cmath>

#include "framed/common/RzCommon_Bars.h"
#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/common/RzCommon_Routines.h"
#include "platform/core/Exceptions.h"
#include "platform/published/Filer.h"
#include "platform/published/Reader.h"
#include "platform/published/Writer.h"

TRzCustomSizePanel::TRzCustomSizePanel(TComponent* owner) : TRzCustomPanel(owner) {
  borderOuter_ = fsNone;
  UseDockManager = true;
  CreateMaskBitmap(&mask_);
  SetAlign(alLeft);
}

int TRzCustomSizePanel::Edge() const {
  switch (Align()) {
    case alTop: return sdTop;
    case alBottom: return sdBottom;
    case alLeft: return sdLeft;
    case alRight: return sdRight;
    case alClient: return -1;
    default: return side_;
  }
}

void TRzCustomSizePanel::SetAlignProp(TAlign value) {
  SetAlign(value);
  Realign();
}

void TRzCustomSizePanel::SetSizeBarWidth(int value) {
  if (value < 1 || sizeBarWidth_ == value) return;
  sizeBarWidth_ = value;
  Realign();
  Invalidate();
}

void TRzCustomSizePanel::SetSizeBarStyle(TSplitterStyle value) {
  if (sizeBarStyle_ == value) return;
  sizeBarStyle_ = value;
  if (value != ssStandard && sizeBarWidth_ < 6) SetSizeBarWidth(6);
  Invalidate();
}

void TRzCustomSizePanel::SetHotSpotVisible(bool value) {
  if (hotSpotVisible_ == value) return;
  hotSpotVisible_ = value;
  if (!value) hotSpotClosed_ = false;
  if (value && sizeBarWidth_ < 7) SetSizeBarWidth(7);
  Invalidate();
}

#define RZ_SETTER(Name, Type, field) \
  void TRzCustomSizePanel::Set##Name(Type value) { \
    if (field == value) return;                \
    field = value;                             \
    Invalidate();                              \
  }
RZ_SETTER(HotSpotHighlight, TColor, hotSpotHighlight_)
RZ_SETTER(HotSpotSizePercent, int, hotSpotSizePercent_)
RZ_SETTER(Side, TSide, side_)
RZ_SETTER(GradientColorAdjustment, int, gradientColorAdjustment_)
RZ_SETTER(GradientPath, TRzGroupBarGradientPath, gradientPath_)
#undef RZ_SETTER

TRect TRzCustomSizePanel::GetSizeBarRect() {
  const int d = DockSite ? 1 : 0, w = sizeBarWidth_;
  TRect bar;
  switch (Edge()) {
    case sdTop: bar = Rect(0, Height() - w - d, Width(), Height()); break;
    case sdBottom: bar = Rect(0, 0, Width(), w + d); break;
    case sdLeft: bar = Rect(Width() - w - d, 0, Width(), Height()); break;
    case sdRight: bar = Rect(0, 0, w + d, Height()); break;
    default: bar = Rect(0, 0, 0, 0); break;
  }
  UpdateHotSpotRect(bar);
  return bar;
}

void TRzCustomSizePanel::UpdateHotSpotRect(const TRect& bar) {
  if (HotSpotTopBottom()) {
    const int c = bar.Left + bar.Width() / 2;
    const int h = static_cast<int>(std::nearbyint(hotSpotSizePercent_ / 100.0 * bar.Width())) / 2;
    hotSpot_ = Rect(c - h, bar.Top, c + h, bar.Bottom);
  } else {
    const int c = bar.Top + bar.Height() / 2;
    const int h = static_cast<int>(std::nearbyint(hotSpotSizePercent_ / 100.0 * bar.Height())) / 2;
    hotSpot_ = Rect(bar.Left, c - h, bar.Right, c + h);
  }
}

TRect TRzCustomSizePanel::ClientRect() const {
  TRect r = TRzCustomPanel::ClientRect();
  const int w = sizeBarWidth_ + 1;
  switch (Edge()) {
    case sdTop: r.Bottom -= w; break;
    case sdBottom: r.Top += w; break;
    case sdLeft: r.Right -= w; break;
    case sdRight: r.Left += w; break;
    default: break;
  }
  return r;
}

TRect TRzCustomSizePanel::GetControlRect() {
  TRect r = Rect(0, 0, Width(), Height());
  switch (Edge()) {
    case sdTop: r.Bottom -= sizeBarWidth_; break;
    case sdBottom: r.Top += sizeBarWidth_; break;
    case sdLeft: r.Right -= sizeBarWidth_; break;
    case sdRight: r.Left += sizeBarWidth_; break;
    default: break;
  }
  return r;
}

void TRzCustomSizePanel::FixClientRect(TRect& rect, bool shrinkByBorder) {
  if (hotSpotClosed_) return;
  TRzCustomPanel::FixClientRect(rect, shrinkByBorder);
}

TRect TRzCustomSizePanel::GetParentWorkingRect() {
  TWinControl* parent = Parent();
  if (!parent) throw Exception("No parent specified");
  TRect r = parent->ClientRect();
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    TAlign align = child->Align();
    if (align == alNone || align == alCustom) {
      static const TAlign bySide[] = {alLeft, alTop, alRight, alBottom};
      align = bySide[side_];
    }
    switch (align) {
      case alTop: r.Top += child->Height(); break;
      case alBottom: r.Bottom -= child->Height(); break;
      case alLeft: r.Left += child->Width(); break;
      case alRight: r.Right -= child->Width(); break;
      default: break;
    }
  }
  return r;
}

int TRzCustomSizePanel::GetMarginExtent() {
  const TRect w = GetParentWorkingRect();
  switch (Edge()) {
    case sdTop: return w.Bottom - Top();
    case sdBottom: return w.Bottom - w.Top + Height();
    case sdLeft: return w.Right - Left();
    case sdRight: return w.Right - w.Left + Width();
    default: return 0;
  }
}

void TRzCustomSizePanel::SetMarginMin(int value) {
  marginMin_ = std::max(value, 0);
  const int extent = GetMarginExtent();
  if (extent < marginMin_ + marginMax_) marginMin_ = extent - marginMax_;
}

void TRzCustomSizePanel::SetMarginMax(int value) {
  marginMax_ = std::max(value, 0);
  const int extent = GetMarginExtent();
  if (extent < marginMin_ + marginMax_) marginMax_ = extent - marginMin_;
}

void TRzCustomSizePanel::CheckPosition(int& e) {
  const int edge = Edge();
  if (edge < 0) return;
  const TRect w = GetParentWorkingRect();
  const int least = marginMin_ + sizeBarWidth_ + 1;
  switch (edge) {
    case sdTop: e = std::min(std::max(e, least), w.Bottom - marginMax_ - Top()); break;
    case sdLeft: e = std::min(std::max(e, least), w.Right - marginMax_ - Left()); break;
    case sdBottom: e = std::min(std::max(e, w.Top + marginMax_ - Top()), Height() - least); break;
    case sdRight: e = std::min(std::max(e, w.Left + marginMax_ - Left()), Width() - least); break;
  }
}

void TRzCustomSizePanel::SetMovingSize(int size) {
  if (HotSpotTopBottom())
    SetHeight(size);
  else
    SetWidth(size);
}

void TRzCustomSizePanel::CloseHotSpot() {
  if (hotSpotClosed_) return;
  hotSpotClosed_ = true;
  hotSpotPosition_ = HotSpotTopBottom() ? Height() : Width();
  SetMovingSize(marginMin_ + sizeBarWidth_ + 1);
}

void TRzCustomSizePanel::RestoreHotSpot() {
  if (!hotSpotClosed_) return;
  hotSpotClosed_ = false;
  if (TopOrLeft()) CheckPosition(hotSpotPosition_);
  SetMovingSize(hotSpotPosition_);
}

// ---- dragging ----

TRect TRzCustomSizePanel::MaskRect(int e) {
  TPoint client{0, 0};
  switch (Edge()) {
    case sdTop: client = TPoint{0, e - sizeBarWidth_}; break;
    case sdBottom: client = TPoint{0, e + 1}; break;
    case sdLeft: client = TPoint{e - sizeBarWidth_, 0}; break;
    case sdRight: client = TPoint{e + 1, 0}; break;
    default: break;
  }
  const TPoint screen = ClientToScreen(client);
  const TRect bar = GetSizeBarRect();
  return Bounds(screen.X, screen.Y, bar.Width(), bar.Height());
}

void TRzCustomSizePanel::DrawMask(int e) {
  if (RealTimeDrag || !HandleAllocated()) return;
  DrawMaskOnScreen(&mask_, MaskRect(e));
}

void TRzCustomSizePanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TRzCustomPanel::MouseDown(button, shift, x, y);
  const TPoint p{x, y};
  const TRect bar = GetSizeBarRect();
  const bool onSpot = hotSpotVisible_ && hotSpot_.Contains(p);
  if (button != mbLeft || !bar.Contains(p) || !(onSpot || !LockBar)) return;
  if (!HasState(csDesigning) && !RealTimeDrag && CanFocus()) SetFocus();
  SetMouseCapture(true);
  dragging_ = true;
  hotSpotPressed_ = onSpot;
  if (HotSpotTopBottom()) {
    grabOffset_ = y - Height() / 2;
    dragStart_ = Edge() == sdTop ? Height() : 0;
  } else {
    grabOffset_ = x - Width() / 2;
    dragStart_ = Edge() == sdLeft ? Width() : 0;
  }
  widthAtPress_ = Width();
  heightAtPress_ = Height();
  DrawMask(dragStart_);
  lastDrawn_ = dragStart_;
}

// Sizes the panel for an edge coordinate; the live drag keeps one pixel more,
// as the outline drag ends one pixel short of it.
void TRzCustomSizePanel::ApplyEdge(int e, bool live) {
  const int extra = live ? 1 : 0;
  switch (Edge()) {
    case sdTop: SetHeight(e + extra); break;
    case sdLeft: SetWidth(e + extra); break;
    case sdBottom: SetHeight(Height() + dragStart_ - e - extra); break;
    case sdRight: SetWidth(Width() + dragStart_ - e - extra); break;
    default: return;
  }
  if (Align() >= alTop && Align() <= alRight) UpdateObjectInspector(this);
}

void TRzCustomSizePanel::MouseMove(TShiftState shift, int x, int y) {
  TRzCustomPanel::MouseMove(shift, x, y);
  if ((hotSpotPressed_ && LockBar) || !dragging_) return;
  const bool across = HotSpotTopBottom();
  int e = (across ? y : x) + dragStart_ - (across ? heightAtPress_ : widthAtPress_) / 2 - grabOffset_;
  CheckPosition(e);
  if (e == lastDrawn_) return;
  if (TopOrLeft() ? e > lastDrawn_ : e < lastDrawn_) hotSpotClosed_ = false;
  hotSpotPressed_ = false;
  DrawMask(lastDrawn_);
  DrawMask(e);
  if (RealTimeDrag) ApplyEdge(e, true);
  lastDrawn_ = e;
}

void TRzCustomSizePanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TRzCustomPanel::MouseUp(button, shift, x, y);
  if (!((dragging_ && button == mbLeft) || hotSpotPressed_)) return;
  dragging_ = false;
  SetMouseCapture(false);
  if (!RealTimeDrag) {
    DrawMask(lastDrawn_);
    ApplyEdge(lastDrawn_, false);
  }
  if (!hotSpotPressed_) return;
  hotSpotPressed_ = false;
  if (!hotSpot_.Contains(TPoint{x, y})) return;
  if (!hotSpotClosed_) {
    hotSpotClosed_ = true;
    hotSpotPosition_ = HotSpotTopBottom() ? Height() : Width();
    SetMovingSize((HotSpotIgnoreMargins ? sizeBarWidth_ : marginMin_ + sizeBarWidth_) + 1);
  } else {
    hotSpotClosed_ = false;
    if (TopOrLeft()) CheckPosition(hotSpotPosition_);
    SetMovingSize(hotSpotPosition_);
  }
  HotSpotClick();
}

void TRzCustomSizePanel::KeyDown(Word& key, TShiftState shift) {
  TRzCustomPanel::KeyDown(key, shift);
  if (key != VK_ESCAPE || !dragging_) return;
  dragging_ = false;
  SetMouseCapture(false);
  if (!RealTimeDrag) DrawMask(lastDrawn_);
}

void TRzCustomSizePanel::HighlightStep(const TPoint& p) {
  if (!hotSpotVisible_ || !HandleAllocated()) return;
  GetSizeBarRect();
  if (hotSpot_.Contains(p)) {
    if (hotSpotDrawnPlain_) DrawHotSpot(true);
    hotSpotDrawnPlain_ = false;
  } else {
    if (!hotSpotDrawnPlain_) DrawHotSpot(false);
    hotSpotDrawnPlain_ = true;
  }
}

void TRzCustomSizePanel::WMSetCursor(TMessage& message) {
  const TPoint p = CursorPosition();
  HighlightStep(p);
  const TRect bar = GetSizeBarRect();
  if (!bar.Contains(p) || LockBar) return TRzCustomPanel::WMSetCursor(message);
  const bool overSpot = hotSpotVisible_ && hotSpot_.Contains(p);
  if (HCURSOR cursor = cursors_.For(HotSpotTopBottom(), overSpot)) ::SetCursor(cursor);
  message.Result = 1;
}

void TRzCustomSizePanel::WMWindowPosChanged(TMessage& message) {
  TRzCustomPanel::WMWindowPosChanged(message);
  if (!HasState(csLoading)) Resize();
}

void TRzCustomSizePanel::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSELEAVE:
      TRzCustomPanel::Dispatch(message);
      if (!(hotSpotPressed_ && LockBar)) HighlightStep(CursorPosition());
      return;
    case CM_DESIGNHITTEST:
      message.Result = dragging_ || GetSizeBarRect().Contains(CursorPosition()) ? 1 : 0;
      return;
    default: return TRzCustomPanel::Dispatch(message);
  }
}

// ---- painting ----

void TRzCustomSizePanel::Paint() {
  TRzCustomPanel::Paint();
  DrawSizeBar();
}

// The low byte of the adjustment alone would wrap large values; it is clamped
// to the colour range instead.
void TRzCustomSizePanel::DrawSizeBar() {
  TCanvas* c = Canvas();
  TRect b = GetSizeBarRect();
  TColor fill = Color();
  const bool groupBar = UseGradients() && sizeBarStyle_ == ssGroupBar;
  if (groupBar) {
    switch (Edge()) {
      case sdLeft: --b.Left; break;
      case sdRight: ++b.Right; break;
      case sdBottom:
        ++b.Bottom;
        fill = LighterColor(Color(), ClampAmount(gradientColorAdjustment_));
        break;
      default: break;
    }
  }
  c->Pen()->SetStyle(psClear);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(fill);
  c->Rectangle(b.Left, b.Top, b.Right + 1, b.Bottom + 1);
  c->Pen()->SetStyle(psSolid);
  if (sizeBarStyle_ == ssGroove || sizeBarStyle_ == ssBump) DrawBarStrips(c, b, HotSpotTopBottom(), sizeBarStyle_);
  if (groupBar && !HotSpotTopBottom())
    DrawGroupBarBackground(c, b, ThemeAware(), gradientPath_, Color(), gradientColorAdjustment_);
  if (hotSpotVisible_) DrawHotSpot(false);
}

void TRzCustomSizePanel::DrawHotSpot(bool highlight) {
  TCanvas* c = Canvas();
  GetSizeBarRect();
  const TRect s = hotSpot_;
  const TRect inside = DrawSides(c, s, clBtnShadow, clBtnShadow, sdAllSides);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(highlight ? hotSpotHighlight_ : clBtnFace);
  c->FillRect(inside);
  DrawSides(c, inside, clBtnHighlight, clNone, sdAllSides);
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(clHighlight);
  c->Brush()->SetColor(clHighlight);
  const int edge = Edge();
  if (HotSpotTopBottom()) {
    const int m = s.Top + s.Height() / 2;
    const bool up = (edge == sdTop && !hotSpotClosed_) || (edge == sdBottom && hotSpotClosed_);
    for (int x0 : {s.Left + 6, s.Right - 10}) {
      if (up)
        c->Polygon({{x0, m + 1}, {x0 + 2, m - 1}, {x0 + 4, m + 1}});
      else
        c->Polygon({{x0, m - 1}, {x0 + 2, m + 1}, {x0 + 4, m - 1}});
    }
    for (int i = 0; s.Width() >= 32 && i <= (s.Width() - 32) / 3; ++i) {
      const int x = s.Left + 15 + 3 * i;
      c->SetPixels(x, m, clHighlightText);
      c->SetPixels(x + 1, m + 1, clHighlight);
    }
  } else {
    const int m = s.Left + s.Width() / 2;
    const bool left = (edge == sdLeft && !hotSpotClosed_) || (edge == sdRight && hotSpotClosed_);
    for (int y0 : {s.Top + 6, s.Bottom - 10}) {
      if (left)
        c->Polygon({{m + 1, y0}, {m - 1, y0 + 2}, {m + 1, y0 + 4}});
      else
        c->Polygon({{m - 1, y0}, {m + 1, y0 + 2}, {m - 1, y0 + 4}});
    }
    for (int i = 0; s.Height() >= 32 && i <= (s.Height() - 32) / 3; ++i) {
      const int y = s.Top + 15 + 3 * i;
      c->SetPixels(m, y, clHighlightText);
      c->SetPixels(m + 1, y + 1, clHighlight);
    }
  }
}

void TRzCustomSizePanel::DefineProperties(TFiler* filer) {
  TRzCustomPanel::DefineProperties(filer);
  filer->DefineProperty(
      "HotSpotClosed", [this](TReader& reader) { hotSpotClosed_ = reader.ReadBoolean(); },
      [this](TWriter& writer) { writer.WriteBoolean(hotSpotClosed_); }, hotSpotClosed_);
  filer->DefineProperty(
      "HotSpotPosition", [this](TReader& reader) { hotSpotPosition_ = static_cast<int>(reader.ReadInteger()); },
      [this](TWriter& writer) { writer.WriteInteger(hotSpotPosition_); }, hotSpotClosed_);
}
