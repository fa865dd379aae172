// TSpeedButton: pressing, grouping and painting of the windowless button.
#include "platform/stdctrls/SpeedButton.h"

#include <algorithm>

#include "platform/controls/Menus.h"
#include "platform/controls/WinControl.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
  ControlStyle = csCaptureMouse | csDoubleClicks | csSetCaption | csOpaque;
  glyph_->OnChange = TNotifyEvent(this, &TSpeedButton::GlyphChanged);
  SetBounds(0, 0, 23, 22);
  SetParentFont(true);
}

TSpeedButton::~TSpeedButton() { glyph_->OnChange = nullptr; }

void TSpeedButton::GlyphChanged(TObject*) {
  // A strip of square images tells its own count.
  if (glyph_->Height() > 0 && glyph_->Width() % glyph_->Height() == 0) {
    const int count = glyph_->Width() / glyph_->Height();
    if (count >= 1 && count <= 4) numGlyphs_ = count;
  }
  Invalidate();
}

void TSpeedButton::SetGlyph(const TBitmap* value) { glyph_->Assign(value); }

void TSpeedButton::SetNumGlyphs(int value) {
  value = std::clamp(value, 1, 4);
  if (numGlyphs_ == value) return;
  numGlyphs_ = value;
  Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool value) {
  if (allowAllUp_ == value) return;
  allowAllUp_ = value;
  UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int value) {
  if (groupIndex_ == value) return;
  groupIndex_ = value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  if (down_ && !allowAllUp_ && !HasState(csLoading)) return;  // the group keeps one button down
  down_ = value;
  state_ = value ? bsExclusive : bsUp;
  Invalidate();
  if (value) UpdateExclusive();
}

void TSpeedButton::SetFlat(bool value) {
  if (flat_ == value) return;
  flat_ = value;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
  if (layout_ == value) return;
  layout_ = value;
  Invalidate();
}

void TSpeedButton::SetMargin(int value) {
  if (margin_ == value || value < -1) return;
  margin_ = value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
  if (spacing_ == value) return;
  spacing_ = value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  if (value)
    ControlStyle &= ~csOpaque;
  else
    ControlStyle |= csOpaque;
  Invalidate();
}

// Tells the other buttons of the group on the same parent that this one is down
// now (CM_BUTTONPRESSED), and passes AllowAllUp on to them.
void TSpeedButton::UpdateExclusive() {
  if (groupIndex_ == 0 || !Parent()) return;
  TMessage message = MakeMessage(CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_), SenderParam(this));
  Parent()->Broadcast(message);
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_BUTTONPRESSED: {
      auto* sender = dynamic_cast<TSpeedButton*>(MessageSender(message));
      if (static_cast<int>(message.WParam) == groupIndex_ && sender && sender != this) {
        if (sender->Down() && down_) {
          down_ = false;
          state_ = bsUp;
          Invalidate();
        }
        allowAllUp_ = sender->AllowAllUp();
      }
      return;
    }
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<Word>(message.WParam), Caption()) && Enabled() && Visible() && Parent()) {
        if (groupIndex_ != 0) SetDown(!down_);
        Click();
        message.Result = 1;
        return;
      }
      break;
    case CM_ENABLEDCHANGED:
      TGraphicControl::Dispatch(message);
      if (!Enabled()) dragging_ = false;
      Invalidate();
      return;
    default:
      break;
  }
  TGraphicControl::Dispatch(message);
}

void TSpeedButton::CMMouseEnter(TMessage& message) {
  TGraphicControl::CMMouseEnter(message);
  mouseInControl_ = true;
  if (flat_ && Enabled()) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& message) {
  TGraphicControl::CMMouseLeave(message);
  mouseInControl_ = false;
  if (flat_ && Enabled()) Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (!down_) {
    state_ = bsDown;
    Repaint();
  }
  dragging_ = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!dragging_) return;
  const bool inside = ClientRect().Contains(TPoint{x, y});
  const TButtonState wanted = inside ? bsDown : (down_ ? bsExclusive : bsUp);
  if (wanted != state_) {
    state_ = wanted;
    Invalidate();
  }
}

// A release over the button clicks it; a button of a group toggles first.
void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!dragging_ || button != mbLeft) return;
  dragging_ = false;
  const bool inside = ClientRect().Contains(TPoint{x, y});
  if (groupIndex_ == 0) {
    state_ = bsUp;
    Invalidate();
    if (inside) Click();
    return;
  }
  if (inside) SetDown(!down_);
  state_ = down_ ? bsExclusive : bsUp;
  Invalidate();
  if (inside) Click();
}

void TSpeedButton::DrawGlyph(TCanvas* canvas, int x, int y, int index) {
  const int width = glyph_->Width() / numGlyphs_, height = glyph_->Height();
  if (index >= numGlyphs_) index = 0;
  TBitmap image(width, height);
  image.Canvas()->CopyRect(TRect(0, 0, width, height), glyph_->Canvas(),
                           TRect(index * width, 0, (index + 1) * width, height));
  image.SetTransparent(true);
  canvas->Draw(x, y, &image);
}

void TSpeedButton::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  const bool pressed = state_ == bsDown || state_ == bsExclusive;
  if (!transparent_ || pressed) {
    canvas->Brush()->SetColor(state_ == bsExclusive ? clBtnHighlight : clBtnFace);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(rect);
  }
  if (!flat_ || pressed || (mouseInControl_ && Enabled())) {
    RECT r = {rect.Left, rect.Top, rect.Right, rect.Bottom};
    const UINT edge = pressed ? (flat_ ? BDR_SUNKENOUTER : EDGE_SUNKEN) : (flat_ ? BDR_RAISEDINNER : EDGE_RAISED);
    ::DrawEdge(canvas->Handle(), &r, edge, BF_RECT);
  }
  const int offset = pressed ? 1 : 0;
  const String caption = Caption();
  const int glyphW = glyph_->Empty() ? 0 : glyph_->Width() / numGlyphs_;
  const int glyphH = glyph_->Empty() ? 0 : glyph_->Height();
  canvas->SetFont(Font());
  const TSize textSize = caption.empty() ? TSize{0, 0} : canvas->TextExtent(caption);
  const bool sideways = layout_ == blGlyphLeft || layout_ == blGlyphRight;
  const int spacing = glyphW > 0 && !caption.empty() ? spacing_ : 0;
  const int total = sideways ? glyphW + spacing + textSize.cx : glyphH + spacing + textSize.cy;
  const int room = sideways ? rect.Width() : rect.Height();
  const int start = margin_ < 0 ? (room - total) / 2 : margin_;
  int glyphX = (rect.Width() - glyphW) / 2, glyphY = (rect.Height() - glyphH) / 2;
  int textX = (rect.Width() - textSize.cx) / 2, textY = (rect.Height() - textSize.cy) / 2;
  switch (layout_) {
    case blGlyphLeft: glyphX = start; textX = start + glyphW + spacing; break;
    case blGlyphRight: textX = start; glyphX = start + textSize.cx + spacing; break;
    case blGlyphTop: glyphY = start; textY = start + glyphH + spacing; break;
    case blGlyphBottom: textY = start; glyphY = start + textSize.cy + spacing; break;
  }
  if (glyphW > 0) {
    const int index = !Enabled() ? 1 : (state_ == bsDown ? 2 : (state_ == bsExclusive ? 3 : 0));
    DrawGlyph(canvas, glyphX + offset, glyphY + offset, index);
  }
  if (!caption.empty()) {
    HDC dc = canvas->Handle();
    ::SelectObject(dc, Font()->Handle());
    ::SetBkMode(dc, TRANSPARENT);
    const TColor rgb = ColorToRGB(Enabled() ? Font()->Color() : clGrayText);
    ::SetTextColor(dc, RGB(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
    RECT r = {textX + offset, textY + offset, textX + offset + textSize.cx, textY + offset + textSize.cy};
    ::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_SINGLELINE | DT_CENTER);
  }
}
