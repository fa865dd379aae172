// TBevel and TCustomPanel: 3-D lines, boxes and frames in the button colours.
#include <algorithm>

#include "platform/stdctrls/ExtCtrls.h"

void Frame3D(TCanvas* canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width) {
  canvas->Pen()->SetWidth(1);
  --rect.Bottom;
  --rect.Right;
  for (int i = 0; i < width; ++i) {
    canvas->Pen()->SetColor(topLeft);
    canvas->Polyline({{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}});
    canvas->Pen()->SetColor(bottomRight);
    canvas->Polyline({{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}});
    rect = TRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
  }
  ++rect.Bottom;
  ++rect.Right;
}

// ---- bevel ----

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  ControlStyle |= csReplicatable;
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value) {
  if (shape_ == value) return;
  shape_ = value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
  if (style_ == value) return;
  style_ = value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas* canvas = Canvas();
  TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
  TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
  const int w = Width(), h = Height();
  auto box = [&](TColor topLeft, TColor bottomRight, int left, int top, int right, int bottom) {
    canvas->Pen()->SetColor(topLeft);
    canvas->Polyline({{left, bottom}, {left, top}, {right, top}});
    canvas->Pen()->SetColor(bottomRight);
    canvas->Polyline({{right, top}, {right, bottom}, {left, bottom}});
  };
  auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
    canvas->Pen()->SetColor(color);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  canvas->Pen()->SetWidth(1);
  switch (shape_) {
    case bsBox: box(first, second, 0, 0, w - 1, h - 1); break;
    case bsFrame:
      box(second, second, 1, 1, w - 1, h - 1);
      box(first, first, 0, 0, w - 2, h - 2);
      break;
    case bsTopLine:
      line(first, 0, 0, w, 0);
      line(second, 0, 1, w, 1);
      break;
    case bsBottomLine:
      line(first, 0, h - 2, w, h - 2);
      line(second, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      line(first, 0, 0, 0, h);
      line(second, 1, 0, 1, h);
      break;
    case bsRightLine:
      line(first, w - 2, 0, w - 2, h);
      line(second, w - 1, 0, w - 1, h);
      break;
    case bsSpacer: break;
  }
}

// ---- panel ----

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks |
                 csReplicatable;
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

int TCustomPanel::FrameWidth() const {
  int width = borderWidth_;
  if (bevelOuter_ != bvNone) width += bevelWidth_;
  if (bevelInner_ != bvNone) width += bevelWidth_;
  return width;
}

void TCustomPanel::AdjustClientRect(TRect& rect) {
  const int width = FrameWidth();
  rect = TRect(rect.Left + width, rect.Top + width, rect.Right - width, rect.Bottom - width);
}

void TCustomPanel::FrameChanged() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  if (bevelInner_ == value) return;
  bevelInner_ = value;
  FrameChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (bevelOuter_ == value) return;
  bevelOuter_ = value;
  FrameChanged();
}

void TCustomPanel::SetBevelWidth(int value) {
  value = std::max(1, value);
  if (bevelWidth_ == value) return;
  bevelWidth_ = value;
  FrameChanged();
}

void TCustomPanel::SetBorderWidth(int value) {
  value = std::max(0, value);
  if (borderWidth_ == value) return;
  borderWidth_ = value;
  FrameChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    const TColor topLeft = cut == bvLowered ? clBtnShadow : (cut == bvRaised ? clBtnHighlight : Color());
    const TColor bottomRight = cut == bvLowered ? clBtnHighlight : (cut == bvRaised ? clBtnShadow : Color());
    Frame3D(canvas, rect, topLeft, bottomRight, bevelWidth_);
  };
  bevel(bevelOuter_);
  Frame3D(canvas, rect, Color(), Color(), borderWidth_);
  bevel(bevelInner_);
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(rect);
  const String caption = Caption();
  if (caption.empty()) return;
  static const UINT kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(bsClear);
  HDC dc = canvas->Handle();
  const TColor text = ColorToRGB(Enabled() ? Font()->Color() : clGrayText);
  ::SetTextColor(dc, RGB(text & 0xFF, (text >> 8) & 0xFF, (text >> 16) & 0xFF));
  ::SetBkMode(dc, TRANSPARENT);
  RECT r = {rect.Left, rect.Top, rect.Right, rect.Bottom};
  ::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
              DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | kAlignments[alignment_]);
}

void TCustomPanel::Dispatch(TMessage& message) {
  TCustomControl::Dispatch(message);
  if (message.Msg == CM_TEXTCHANGED) Invalidate();
  if (message.Msg == WM_SIZE && FullRepaint) Invalidate();
}
