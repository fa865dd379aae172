#include "skin/controls/SkinTrackBar.h"

#include "platform/controls/Messages.h"
#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/Speffbmp.h"

TspSkinTrackBar::TspSkinTrackBar(TComponent* owner) : TspSkinCustomControl(owner) {
  ControlStyle |= csOpaque;
  SetBounds(0, 0, 100, 20);
  SkinDataName = "htrackbar";
  SetTabStop(false);
}

// ---- values ----

void TspSkinTrackBar::SetValue(Integer value) {
  if (value > maxValue_) value = maxValue_;
  else if (value < minValue_) value = minValue_;
  if (value == value_) return;
  value_ = value;
  Repaint();
  OnChange(this);
}

void TspSkinTrackBar::SetMinValue(Integer value) {
  minValue_ = value;
  if (value_ < value) value_ = value;
  Repaint();
}

void TspSkinTrackBar::SetMaxValue(Integer value) {
  maxValue_ = value;
  if (value_ > value) value_ = value;
  Repaint();
}

void TspSkinTrackBar::SetVertical(bool value) {
  vertical_ = value;
  Repaint();
  if (Designing() && !HasState(csLoading)) SkinDataName = value ? "trackbar" : "htrackbar";
}

void TspSkinTrackBar::SetCanFocused(bool value) {
  canFocused_ = value;
  SetTabStop(value);
}

bool TspSkinTrackBar::IsFocused() { return HandleAllocated() && Focused() && canFocused_; }

// With MinValue above MaxValue the fraction is still kept within 0..1, so the
// thumb never leaves its track.
Integer TspSkinTrackBar::CalcValue(Integer offset) const {
  Integer length = TrackEnd - TrackStart;
  double t = length > 0 ? static_cast<double>(offset) / length : 0;
  t = t < 0 ? 0 : t > 1 ? 1 : t;
  return minValue_ + RoundEven((static_cast<double>(maxValue_) - minValue_) * t);
}

void TspSkinTrackBar::CalcButtonRect(const TRect& r) {
  double t = Fraction(value_, minValue_, maxValue_);
  Integer tw, th;
  if (SkinRecordIndex != -1) {
    tw = look.buttonrect.Width(), th = look.buttonrect.Height();
  } else if (vertical_) {
    tw = Width() - 4, th = tw / 2;
  } else {
    th = Height() - 4, tw = th / 2;
  }
  if (!vertical_) {
    TrackStart = r.Left + tw / 2;
    TrackEnd = r.Right - tw / 2;
    ThumbOffset = RoundEven((TrackEnd - TrackStart) * t);
    NewButtonRect.Left = TrackStart + ThumbOffset - tw / 2;
    NewButtonRect.Top = r.Top + r.Height() / 2 - th / 2;
  } else {
    TrackStart = r.Top + th / 2;
    TrackEnd = r.Bottom - th / 2;
    ThumbOffset = RoundEven((TrackEnd - TrackStart) * t);
    NewButtonRect.Top = TrackEnd - ThumbOffset - th / 2;
    NewButtonRect.Left = r.Left + r.Width() / 2 - tw / 2;
  }
  NewButtonRect.Right = NewButtonRect.Left + tw;
  NewButtonRect.Bottom = NewButtonRect.Top + th;
}

TRect TspSkinTrackBar::ThumbTrack() {
  return SkinRecordIndex != -1 ? NewTrackArea : TRect{2, 2, Width() - 2, Height() - 2};
}

// ---- record and images ----

void TspSkinTrackBar::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (SkinRecordIndex == -1) return;
  auto* record = dynamic_cast<TspDataSkinTrackBarControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  if (!record) return;
  look.activeskinrect = record->activeskinrect, look.buttonrect = record->buttonrect;
  look.activebuttonrect = record->activebuttonrect.IsEmpty() ? record->buttonrect : record->activebuttonrect;
  look.trackarea = record->trackarea;
  look.buttontransparent = record->buttontransparent;
  look.buttontransparentcolor = record->buttontransparentcolor;
  vertical_ = record->vertical;
}

void TspSkinTrackBar::CalcSize(Integer& width, Integer& height) {
  TspSkinCustomControl::CalcSize(width, height);
  NewTrackArea = look.trackarea;
  if (SkinRecordIndex == -1 || ResizeMode == 0) return;
  if (vertical_) NewTrackArea.Bottom += height - skinrect.Height();
  else NewTrackArea.Right += width - skinrect.Width();
}

void TspSkinTrackBar::CreateControlSkinImage(TBitmap* b) {
  if (!SkinPicture) return CreateControlDefaultImage(b);
  TspSkinCustomControl::CreateControlSkinImage(b);
  Integer w = Width(), h = Height();
  CalcSize(w, h);
  CalcButtonRect(NewTrackArea);
  TCanvas* c = b->Canvas();
  Integer tw = look.buttonrect.Width(), th = look.buttonrect.Height();
  if (!look.activeskinrect.IsEmpty()) {
    TBitmap active(Width(), Height());
    CreateSkinControlImage(&active, SkinPicture, look.activeskinrect);
    if (!vertical_) {
      Integer right = NewButtonRect.Left + tw / 2;
      if (right > 0) c->CopyRect(TRect{0, 0, right, Height()}, active.Canvas(), TRect{0, 0, right, Height()});
    } else {
      Integer top = NewButtonRect.Top + th / 2;
      c->CopyRect(TRect{0, top, Width(), Height()}, active.Canvas(), TRect{0, top, Width(), Height()});
    }
  }
  const TRect& thumb = Dragging || IsFocused() ? look.activebuttonrect : look.buttonrect;
  if (look.buttontransparent)
    return DrawPieceTransparent(c, NewButtonRect.Left, NewButtonRect.Top, SkinPicture, thumb, look.buttontransparentcolor);
  TBitmap piece;
  if (!CopyPictureRect(piece, SkinPicture, thumb)) return;
  if (AlphaBlend()) {
    TBitmap beneath(piece.Width(), piece.Height());
    beneath.Canvas()->CopyRect(TRect{0, 0, piece.Width(), piece.Height()}, c,
                               TRect{NewButtonRect.Left, NewButtonRect.Top, NewButtonRect.Left + piece.Width(),
                                     NewButtonRect.Top + piece.Height()});
    TspEffectBmp own(piece.Handle()), under(beneath.Handle());
    own.Morph(under, 1 - AlphaBlendValue() / 255.0);
    own.Draw(piece.Canvas()->Handle(), 0, 0);
  }
  c->Draw(NewButtonRect.Left, NewButtonRect.Top, &piece);
}

void TspSkinTrackBar::CreateControlDefaultImage(TBitmap* b) {
  TspSkinCustomControl::CreateControlDefaultImage(b);
  TCanvas* c = b->Canvas();
  Integer w = Width(), h = Height();
  c->Brush()->SetColor(clBtnShadow);
  c->FrameRect(TRect{0, 0, w, h});
  TRect groove = vertical_ ? TRect{w / 2 - 1, 4, w / 2 + 1, h - 4} : TRect{4, h / 2 - 1, w - 4, h / 2 + 1};
  Frm3D(c, groove, clBtnShadow, clBtnHighlight);
  CalcButtonRect(TRect{2, 2, w - 2, h - 2});
  if (Dragging) FillAndFrame(c, NewButtonRect, 0x800000, RGB(133, 147, 181));
  else if (IsFocused()) FillAndFrame(c, NewButtonRect, 0x800000, RGB(182, 189, 210));
  else FillAndFrame(c, NewButtonRect, clBtnShadow, clBtnFace);
}

// ---- mouse ----

void TspSkinTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseDown(button, shift, x, y);
  if (!MouseSupport) return;
  if (x < NewButtonRect.Left || x > NewButtonRect.Right || y < NewButtonRect.Top || y > NewButtonRect.Bottom) return;
  dragStartPos_ = vertical_ ? y : x;
  dragStartOffset_ = ThumbOffset;
  Dragging = true;
  Repaint();
  OnStartDragButton(this);
}

void TspSkinTrackBar::MouseMove(TShiftState shift, int x, int y) {
  if (MouseSupport && Dragging) {
    Integer offset = vertical_ ? dragStartPos_ - y + dragStartOffset_ : x - dragStartPos_ + dragStartOffset_;
    SetValue(CalcValue(offset));
  }
  TspSkinCustomControl::MouseMove(shift, x, y);
}

void TspSkinTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  if (!MouseSupport) return;
  if (Dragging) {
    Dragging = false;
    Repaint();
    OnLastChange(this);
    return;
  }
  if (!JumpWhenClick) return;
  Integer m = SkinRecordIndex == -1 ? 2 : vertical_ ? NewTrackArea.Top : NewTrackArea.Left;
  Integer offset = vertical_ ? Height() - y - NewButtonRect.Height() / 2 - m : x - NewButtonRect.Width() / 2 - m;
  SetValue(CalcValue(offset));
}

// ---- keys, wheel, focus ----

void TspSkinTrackBar::KeyDown(Word& key, TShiftState shift) {
  TspSkinCustomControl::KeyDown(key, shift);
  if (!canFocused_) return;
  if (key == VK_LEFT || key == VK_DOWN) {
    SetValue(value_ - 1);
    OnLastChange(this);
  } else if (key == VK_UP || key == VK_RIGHT) {
    SetValue(value_ + 1);
    OnLastChange(this);
  }
}

void TspSkinTrackBar::WheelStep(Integer delta) {
  bool forward = delta > 0;
  if (vertical_) SetValue(forward ? value_ + 1 : value_ - 1);
  else SetValue(forward ? value_ - 1 : value_ + 1);
  OnLastChange(this);
}

void TspSkinTrackBar::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEWHEEL:
      if (canFocused_ && IsFocused()) WheelStep(static_cast<short>(HIWORD(message.WParam)));
      return;
    case CM_WANTSPECIALKEY:
      if (canFocused_) {
        Word key = static_cast<Word>(message.WParam);
        if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
          message.Result = 1;
          return;
        }
      }
      break;
    default:
      break;
  }
  TspSkinCustomControl::Dispatch(message);
}

void TspSkinTrackBar::WndProc(TMessage& message) {
  if (canFocused_) {
    switch (message.Msg) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        if (!Designing() && !Focused()) {
          clicksDisabled_ = true;
          ::SetFocus(Handle());
          clicksDisabled_ = false;
          if (!Focused()) return;
        }
        break;
      case CN_COMMAND:
        if (clicksDisabled_) return;
        break;
      default:
        break;
    }
  }
  TspSkinCustomControl::WndProc(message);
}

void TspSkinTrackBar::WMSetFocus(TMessage& message) {
  TspSkinCustomControl::WMSetFocus(message);
  Repaint();
}

void TspSkinTrackBar::WMKillFocus(TMessage& message) {
  TspSkinCustomControl::WMKillFocus(message);
  Repaint();
}

void TspSkinTrackBar::WMEraseBkgnd(TMessage& message) {
  if (!InPaintMessage && MessageDC(message)) PaintWindow(MessageDC(message));
  message.Result = 1;
}
