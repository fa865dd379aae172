#include "skin/controls/SkinGauge.h"

#include "platform/controls/Messages.h"
#include "skin/draw/ParentImage.h"
#include "skin/draw/Speffbmp.h"

TspSkinGauge::TspSkinGauge(TComponent* owner) : TspSkinCustomControl(owner), run_([this] { Repaint(); }) {
  ControlStyle |= csOpaque;
  SetBounds(0, 0, 100, 20);
  SkinDataName = "gauge";
}

TspSkinGauge::~TspSkinGauge() = default;

// ---- values ----

void TspSkinGauge::SetValue(Integer value) {
  if (value > maxValue_) value = maxValue_;
  else if (value < minValue_) value = minValue_;
  if (value == value_) return;
  value_ = value;
  Invalidate();
}

void TspSkinGauge::SetMinValue(Integer value) {
  minValue_ = value;
  if (value_ < value) value_ = value;
  Repaint();
}

void TspSkinGauge::SetMaxValue(Integer value) {
  maxValue_ = value;
  if (value_ > value) value_ = value;
  Repaint();
}

void TspSkinGauge::SetVertical(bool value) {
  vertical_ = value;
  Repaint();
  if (Designing() && !HasState(csLoading)) SkinDataName = value ? "vgauge" : "gauge";
}

void TspSkinGauge::SetShowPercent(bool value) {
  showPercent_ = value;
  Repaint();
}

void TspSkinGauge::SetShowProgressText(bool value) {
  showProgressText_ = value;
  Repaint();
}

void TspSkinGauge::SetProgressText(const String& value) {
  progressText_ = value;
  Repaint();
}

void TspSkinGauge::SetTextAlphaBlend(bool value) {
  textAlphaBlend_ = value;
  if (SkinRecordIndex != -1 && !GaugeText().empty()) Repaint();
}

void TspSkinGauge::SetTextAlphaBlendValue(Byte value) {
  textAlphaBlendValue_ = value;
  if (SkinRecordIndex != -1 && textAlphaBlend_ && !GaugeText().empty()) Repaint();
}

void TspSkinGauge::SetProgressAnimationPause(Integer value) {
  if (value >= 0) animationPause_ = value;
}

// With MinValue above MaxValue the fraction is kept within 0..1, so the fill
// never leaves its area and the percentage stays within 0..100.
TRect TspSkinGauge::CalcProgressRect(const TRect& r) const {
  double t = Fraction(value_, minValue_, maxValue_);
  TRect p = r;
  if (!vertical_) p.Right = r.Left + static_cast<Integer>(r.Width() * t);
  else p.Top = r.Bottom - static_cast<Integer>(r.Height() * t);
  return p;
}

Integer TspSkinGauge::Percent() const { return static_cast<Integer>(Fraction(value_, minValue_, maxValue_) * 100); }

String TspSkinGauge::GaugeText() const {
  String text = showProgressText_ ? progressText_ : String();
  if (showPercent_) text += std::to_string(Percent()) + "%";
  return text;
}

// ---- record and size ----

void TspSkinGauge::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (SkinRecordIndex == -1) return;
  auto* record = dynamic_cast<TspDataSkinGaugeControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  if (!record) return;
  if (!UseSkinSize) SkinMaskPicture = nullptr;
  vertical_ = record->vertical;
  look.progressrect = record->progressrect, look.progressarea = record->progressarea;
  look.beginoffset = record->beginoffset, look.endoffset = record->endoffset;
  look.fontname = record->fontname, look.fontheight = record->fontheight;
  look.fontstyle = record->fontstyle, look.fontcolor = record->fontcolor;
  look.progresstransparent = record->progresstransparent;
  look.progresstransparentcolor = record->progresstransparentcolor;
  look.progressstretch = record->progressstretch;
  look.progressanimationskinrect = record->progressanimationskinrect;
  look.progressanimationcountframes = record->progressanimationcountframes;
  look.progressanimationtimerinterval = record->progressanimationtimerinterval;
}

void TspSkinGauge::CalcSize(Integer& width, Integer& height) {
  Integer w = width, h = height;
  TspSkinCustomControl::CalcSize(width, height);
  if (!UseSkinSize) width = w, height = h;
  NewProgressArea = look.progressarea;
  if (ResizeMode > 0) {
    if (vertical_) NewProgressArea.Bottom += height - skinrect.Height();
    else NewProgressArea.Right += width - skinrect.Width();
  }
}

void TspSkinGauge::ChangeSkinData() {
  bool running = AnimationRunning();
  if (running) StopProgressAnimation();
  TspSkinCustomControl::ChangeSkinData();
  if (running) StartProgressAnimation();
}

// ---- images ----

void TspSkinGauge::DrawProgressText(TCanvas* c) {
  if (SkinRecordIndex == -1) {
    SetCanvasDefaultFont(c, DefaultFont(), SkinData());
  } else {
    SetRecordFont(c, UseSkinFont, look.fontname, look.fontheight, look.fontstyle, DefaultFont(), SkinData());
    c->Font()->SetColor(look.fontcolor);
  }
  String text = GaugeText();
  if (text.empty()) return;
  c->Brush()->SetStyle(bsClear);
  if (!vertical_) {
    c->TextOut(Width() / 2 - c->TextWidth(text) / 2, Height() / 2 - c->TextHeight(text) / 2, text);
    return;
  }
  // Rotated to read upward.
  LOGFONTA lf{};
  ::GetObjectA(c->Font()->Handle(), sizeof(lf), &lf);
  lf.lfEscapement = lf.lfOrientation = 900;
  HFONT rotated = ::CreateFontIndirectA(&lf);
  HDC dc = c->Handle();
  HGDIOBJ old = ::SelectObject(dc, rotated);
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(c->Font()->Color()));
  ::TextOutA(dc, Width() / 2 - size.cy / 2, size.cx / 2 + Height() / 2, text.c_str(), static_cast<int>(text.size()));
  ::SelectObject(dc, old);
  ::DeleteObject(rotated);
}

TRect TspSkinGauge::FrameRect(Integer k) const {
  const TRect& a = look.progressanimationskinrect;
  Integer n = look.progressanimationcountframes;
  if (a.Width() > look.progressrect.Width()) {
    Integer w = a.Width() / n;
    return TRect{a.Left + w * (k - 1), a.Top, a.Left + w * k, a.Bottom};
  }
  Integer h = a.Height() / n;
  return TRect{a.Left, a.Top + h * (k - 1), a.Right, a.Top + h * k};
}

// The filled part: caps from ProgressRect at both ends, the middle tiled or
// stretched from the source's middle. The caps are drawn even when the source
// has no middle, so a thin skin still shows the bar's ends.
void TspSkinGauge::DrawFill(TCanvas* canvas, const TRect& p) {
  bool frameShown = run_.FrameTimerOn() && run_.Frame != 0 && look.progressanimationcountframes != 0;
  TRect source = frameShown ? FrameRect(run_.Frame) : look.progressrect;
  const TRect& pr = look.progressrect;
  Integer b = look.beginoffset, e = look.endoffset;
  TBitmap fill(p.Width(), p.Height());
  TCanvas* f = fill.Canvas();
  Integer length = vertical_ ? p.Height() : p.Width();
  if (!vertical_) {
    TRect middle{source.Left + b, source.Top, source.Right - e, source.Bottom};
    if (length > b + e && !middle.IsEmpty()) {
      TBitmap piece;
      if (CopyPictureRect(piece, SkinPicture, middle)) {
        TRect into{b, 0, p.Width() - e, p.Height()};
        if (look.progressstretch || frameShown) f->StretchDraw(into, &piece);
        else
          for (Integer x = into.Left; x < into.Right; x += piece.Width())
            f->CopyRect(TRect{x, 0, std::min(x + piece.Width(), into.Right), p.Height()}, piece.Canvas(),
                        TRect{0, 0, std::min(piece.Width(), into.Right - x), std::min(piece.Height(), p.Height())});
      }
    }
    if (b > 0) f->CopyRect(TRect{0, 0, b, p.Height()}, SkinPicture->Canvas(), TRect{pr.Left, pr.Top, pr.Left + b, pr.Top + p.Height()});
    if (e > 0)
      f->CopyRect(TRect{p.Width() - e, 0, p.Width(), p.Height()}, SkinPicture->Canvas(),
                  TRect{pr.Right - e, pr.Top, pr.Right, pr.Top + p.Height()});
  } else {
    TRect middle{source.Left, source.Top + b, source.Right, source.Bottom - e};
    if (length > b + e && !middle.IsEmpty()) {
      TBitmap piece;
      if (CopyPictureRect(piece, SkinPicture, middle)) {
        TRect into{0, b, p.Width(), p.Height() - e};
        if (look.progressstretch || frameShown) f->StretchDraw(into, &piece);
        else
          for (Integer y = into.Bottom; y > into.Top; y -= piece.Height()) {
            Integer top = std::max(y - piece.Height(), into.Top);
            f->CopyRect(TRect{0, top, p.Width(), y}, piece.Canvas(),
                        TRect{0, piece.Height() - (y - top), std::min(piece.Width(), p.Width()), piece.Height()});
          }
      }
    }
    if (b > 0) f->CopyRect(TRect{0, 0, p.Width(), b}, SkinPicture->Canvas(), TRect{pr.Left, pr.Top, pr.Left + p.Width(), pr.Top + b});
    if (e > 0)
      f->CopyRect(TRect{0, p.Height() - e, p.Width(), p.Height()}, SkinPicture->Canvas(),
                  TRect{pr.Left, pr.Bottom - e, pr.Left + p.Width(), pr.Bottom});
  }
  if (look.progresstransparent) {
    fill.SetTransparentMode(tmFixed);
    fill.SetTransparentColor(look.progresstransparentcolor);
    fill.SetTransparent(true);
  }
  canvas->Draw(p.Left, p.Top, &fill);
}

void TspSkinGauge::CreateControlSkinImage(TBitmap* b) {
  if (!SkinPicture) return CreateControlDefaultImage(b);
  TspSkinCustomControl::CreateControlSkinImage(b);
  Integer w = Width(), h = Height();
  CalcSize(w, h);
  TCanvas* c = b->Canvas();
  TRect p = CalcProgressRect(NewProgressArea);
  if (OnGaugePaint) {
    OnGaugePaint(c, NewProgressArea, p);
  } else if (p.Width() > 0 && p.Height() > 0) {
    DrawFill(c, p);
  }
  if (!UseSkinSize || OnGaugePaint) return;
  if (textAlphaBlend_ && !GaugeText().empty()) {
    TBitmap copy;
    copy.Assign(b);
    DrawProgressText(copy.Canvas());
    TspEffectBmp image(b->Handle()), withText(copy.Handle());
    image.Morph(withText, textAlphaBlendValue_ / 255.0);
    image.Draw(c->Handle(), 0, 0);
    return;
  }
  DrawProgressText(c);
}

void TspSkinGauge::CreateControlDefaultImage(TBitmap* b) {
  TCanvas* c = b->Canvas();
  FillAndFrame(c, TRect{0, 0, Width(), Height()}, clBtnShadow, clWindow);
  TRect area{1, 1, Width() - 1, Height() - 1};
  TRect p = CalcProgressRect(area);
  if (OnGaugePaint) return OnGaugePaint(c, area, p);
  if (p.Width() > 0 && p.Height() > 0) {
    c->Brush()->SetColor(RGB(182, 189, 210));
    c->FillRect(p);
  }
  DrawProgressText(c);
}

void TspSkinGauge::Paint() {
  GetSkinData();
  if (UseSkinSize || SkinRecordIndex == -1 || !SkinPicture) return TspSkinCustomControl::Paint();
  if (Width() < 1 || Height() < 1) return;
  Integer w = skinrect.Width(), h = skinrect.Height();
  TspSkinCustomControl::CalcSize(w, h);
  TBitmap image(std::max<Integer>(w, 1), std::max<Integer>(h, 1));
  CreateControlSkinImage(&image);
  TBitmap stretched(Width(), Height());
  stretched.Canvas()->StretchDraw(TRect{0, 0, Width(), Height()}, &image);
  DrawProgressText(stretched.Canvas());
  if (!AlphaBlend()) return Canvas()->Draw(0, 0, &stretched);
  TBitmap parent(Width(), Height());
  GetParentImage(this, parent.Canvas());
  TspEffectBmp own(stretched.Handle()), behind(parent.Handle());
  own.Morph(behind, 1 - AlphaBlendValue() / 255.0);
  own.Draw(Canvas()->Handle(), 0, 0);
}

void TspSkinGauge::WMEraseBkgnd(TMessage& message) {
  if (!InPaintMessage && MessageDC(message)) PaintWindow(MessageDC(message));
  message.Result = 1;
}

// ---- progress animation ----

void TspSkinGauge::StartProgressAnimation() {
  GetSkinData();
  if (SkinRecordIndex == -1 || look.progressanimationskinrect.IsEmpty()) return;
  run_.Start(animationPause_, look.progressanimationtimerinterval, look.progressanimationcountframes);
}

void TspSkinGauge::StopProgressAnimation() { run_.Stop(); }
