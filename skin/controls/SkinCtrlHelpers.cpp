#include "skin/controls/SkinCtrlHelpers.h"

#include <cmath>

#include "skin/data/ResourceStrData.h"
#include "skin/draw/SkinGlyphs.h"

using enum TspSkinBorderStyle;

bool CopyPictureRect(TBitmap& into, TBitmap* picture, const TRect& r) {
  if (!picture || r.IsEmpty() || r.Left < 0 || r.Top < 0 || r.Right > picture->Width() ||
      r.Bottom > picture->Height())
    return false;
  into.SetSize(r.Width(), r.Height());
  into.Canvas()->CopyRect(TRect{0, 0, r.Width(), r.Height()}, picture->Canvas(), r);
  return true;
}

void DrawPieceTransparent(TCanvas* canvas, Integer x, Integer y, TBitmap* picture, const TRect& r, TColor fixedColor) {
  TBitmap piece;
  if (!CopyPictureRect(piece, picture, r)) return;
  if (fixedColor != clNone) {
    piece.SetTransparentMode(tmFixed);
    piece.SetTransparentColor(fixedColor);
  }
  piece.SetTransparent(true);
  canvas->Draw(x, y, &piece);
}

void DrawPiece(TCanvas* canvas, Integer x, Integer y, TBitmap* picture, const TRect& r) {
  TBitmap piece;
  if (CopyPictureRect(piece, picture, r)) canvas->Draw(x, y, &piece);
}

void FillPieceClient(TCanvas* canvas, TBitmap* picture, const TRect& piece, const TRect& clientPart,
                     const TRect& r, bool stretch, TspStretchType stretchType) {
  Integer cw = clientPart.Width(), ch = clientPart.Height();
  if (!picture || cw <= 0 || ch <= 0 || cw > picture->Width() || ch > picture->Height()) return;
  TBitmap client(cw, ch);
  client.Canvas()->CopyRect(TRect{0, 0, cw, ch}, picture->Canvas(),
                            TRect{piece.Left + clientPart.Left, piece.Top + clientPart.Top,
                                  piece.Left + clientPart.Right, piece.Top + clientPart.Bottom});
  HDC dc = canvas->Handle();
  int saved = ::SaveDC(dc);
  ::IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
  if (!stretch) {
    for (Integer i = 0; i <= r.Width() / cw; ++i)
      for (Integer j = 0; j <= r.Height() / ch; ++j) canvas->Draw(r.Left + i * cw, r.Top + j * ch, &client);
  } else if (r.Width() > 0 && r.Height() > 0) {
    if (stretchType == spstFull) {
      canvas->StretchDraw(r, &client);
    } else if (stretchType == spstHorz || stretchType == spstVert) {
      bool horizontal = stretchType == spstHorz;
      TBitmap strip(horizontal ? cw : r.Width(), horizontal ? r.Height() : ch);
      strip.Canvas()->StretchDraw(TRect{0, 0, strip.Width(), strip.Height()}, &client);
      Integer count = horizontal ? r.Width() / cw : r.Height() / ch;
      for (Integer i = 0; i <= count; ++i)
        canvas->Draw(horizontal ? r.Left + i * cw : r.Left, horizontal ? r.Top : r.Top + i * ch, &strip);
    }
  }
  ::RestoreDC(dc, saved);
}

Byte SkinCharset(const TspSkinData* data, const TFont* defaultFont) {
  if (data && data->ResourceStrData()) return data->ResourceStrData()->CharSet;
  return defaultFont->Charset();
}

void SetRecordFont(TCanvas* canvas, bool useSkinFont, const String& name, Integer height, TFontStyles style,
                   const TFont* defaultFont, const TspSkinData* data) {
  if (useSkinFont) {
    canvas->Font()->SetName(name);
    canvas->Font()->SetHeight(height);
    canvas->Font()->SetStyle(style);
  } else {
    canvas->SetFont(defaultFont);
  }
  canvas->Font()->SetCharset(SkinCharset(data, defaultFont));
}

void SetCanvasDefaultFont(TCanvas* canvas, const TFont* defaultFont, const TspSkinData* data) {
  canvas->SetFont(defaultFont);
  canvas->Font()->SetCharset(SkinCharset(data, defaultFont));
}

void DrawBorderStyle(TCanvas* canvas, const TRect& r, TspSkinBorderStyle style) {
  switch (style) {
    case bvFrame: canvas->Brush()->SetColor(clBtnShadow), canvas->FrameRect(r); break;
    case bvRaised: Frm3D(canvas, r, clBtnHighlight, clBtnShadow); break;
    case bvLowered: Frm3D(canvas, r, clBtnShadow, clBtnHighlight); break;
    case bvNone: break;
  }
}

void FillAndFrame(TCanvas* canvas, const TRect& r, TColor frame, TColor fill) {
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(fill);
  canvas->FillRect(r);
  canvas->Brush()->SetColor(frame);
  canvas->FrameRect(r);
}

Integer RoundEven(double value) { return static_cast<Integer>(std::nearbyint(value)); }

double Fraction(Integer value, Integer min, Integer max) {
  if (max == min) return 0;
  double t = (static_cast<double>(value) - min) / (static_cast<double>(max) - min);
  return t < 0 ? 0 : t > 1 ? 1 : t;
}

TspMorphFade::TspMorphFade(std::function<bool()> target, std::function<void()> repaint,
                           std::function<bool()> enabled)
    : target_(std::move(target)), repaint_(std::move(repaint)), enabled_(std::move(enabled)) {}

void TspMorphFade::Start() {
  if (Running()) return;
  if (!timer_) {
    timer_ = SkinClock().MakeTimer();
    timer_->OnTimer = TNotifyEvent::Function([this](TObject*) { Step(); });
    timer_->SetInterval(20);
  }
  timer_->SetEnabled(true);
}

void TspMorphFade::Stop() {
  if (timer_) timer_->SetEnabled(false);
}

void TspMorphFade::Step() {
  bool hot = target_();
  if (!enabled_()) {
    Kf = hot ? 1 : 0;
    return Stop();
  }
  if (hot && Kf < 1) {
    Kf += 0.2;
    return repaint_();
  }
  if (!hot && Kf > 0) {
    Kf -= 0.2;
    return repaint_();
  }
  Kf = hot ? 1 : 0;
  Stop();
  repaint_();
}
