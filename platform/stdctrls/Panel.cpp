// TCustomPanel: bevels, border and caption around its children.
#include "platform/stdctrls/Panel.h"

#include <algorithm>

#include "platform/graphics/Frame3D.h"

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
