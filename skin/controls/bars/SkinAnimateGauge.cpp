#include "skin/controls/bars/SkinAnimateGauge.h"

#include <algorithm>

#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/draw/SkinImage.h"

TspSkinAnimateGauge::TspSkinAnimateGauge(TComponent* owner) : TspSkinCustomControl(owner), run_([this] { Repaint(); }) {
  ControlStyle |= csOpaque;
  SetBounds(Left(), Top(), 100, 20);
  SkinDataName = "gauge";
}

TspSkinAnimateGauge::~TspSkinAnimateGauge() { run_.Stop(); }

void TspSkinAnimateGauge::SetProgressText(const String& value) {
  progressText_ = value;
  Repaint();
}

void TspSkinAnimateGauge::SetShowProgressText(bool value) {
  showProgressText_ = value;
  Repaint();
}

void TspSkinAnimateGauge::SetAnimationPause(Integer value) {
  if (value < 0) return;
  animationPause_ = value;
  run_.SetPause(value);
}

// ---- record and size ----

void TspSkinAnimateGauge::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (SkinRecordIndex == -1) return;
  auto* record = dynamic_cast<TspDataSkinGaugeControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  if (!record) return;
  look.progressrect = record->progressrect, look.progressarea = record->progressarea;
  look.beginoffset = record->beginoffset, look.endoffset = record->endoffset;
  look.fontname = record->fontname, look.fontheight = record->fontheight;
  look.fontstyle = record->fontstyle, look.fontcolor = record->fontcolor;
  look.progresstransparent = record->progresstransparent;
  look.progresstransparentcolor = record->progresstransparentcolor;
  look.progressstretch = record->progressstretch;
  look.animationskinrect = record->animationskinrect;
  look.animationcountframes = record->animationcountframes;
  look.animationtimerinterval = record->animationtimerinterval;
  look.animationbeginoffset = record->animationbeginoffset;
  look.animationendoffset = record->animationendoffset;
}

// One step is a third of the picture's width, at least 1 pixel.
Integer TspSkinAnimateGauge::SweepFrameCount() const {
  Integer w = look.animationskinrect.Width();
  Integer step = std::max<Integer>(1, w / 3);
  return std::max<Integer>(1, (NewProgressArea.Width() + 2 * w) / step);
}

void TspSkinAnimateGauge::CalcSize(Integer& width, Integer& height) {
  TspSkinCustomControl::CalcSize(width, height);
  NewProgressArea = look.progressarea;
  if (ResizeMode > 0) NewProgressArea.Right += width - skinrect.Width();
  if (SkinRecordIndex == -1 || look.animationskinrect.IsEmpty() || look.animationcountframes != 1) return;
  run_.Frames = SweepFrameCount();
  if (run_.FrameTimerOn() && run_.Frames < run_.Frame) run_.Frame = 1;
}

void TspSkinAnimateGauge::ChangeSkinData() {
  bool running = AnimationRunning();
  if (running) StopAnimation();
  TspSkinCustomControl::ChangeSkinData();
  if (running) StartAnimation();
}

// ---- animation ----

void TspSkinAnimateGauge::StartAnimation() {
  GetSkinData();
  Integer w = Width(), h = Height();
  CalcSize(w, h);
  defaultAnimation_ = SkinRecordIndex == -1 || look.animationskinrect.IsEmpty();
  if (defaultAnimation_) return run_.Start(animationPause_, 40, 15);
  Integer frames = look.animationcountframes == 1 ? SweepFrameCount() : look.animationcountframes;
  run_.Start(animationPause_, look.animationtimerinterval, frames);
}

void TspSkinAnimateGauge::StopAnimation() {
  run_.Stop();
  Repaint();
}

// ---- images ----

void TspSkinAnimateGauge::DrawProgressText(TCanvas* c) {
  if (!showProgressText_ || progressText_.empty()) return;
  if (SkinRecordIndex == -1) {
    SetCanvasDefaultFont(c, DefaultFont(), SkinData());
  } else {
    SetRecordFont(c, UseSkinFont, look.fontname, look.fontheight, look.fontstyle, DefaultFont(), SkinData());
    c->Font()->SetColor(look.fontcolor);
  }
  c->Brush()->SetStyle(bsClear);
  c->TextOut(Width() / 2 - c->TextWidth(progressText_) / 2, Height() / 2 - c->TextHeight(progressText_) / 2,
             progressText_);
}

void TspSkinAnimateGauge::CreateControlDefaultImage(TBitmap* b) {
  FillAndFrame(b->Canvas(), TRect{0, 0, Width(), Height()}, clBtnShadow, clWindow);
  DrawProgressText(b->Canvas());
}

void TspSkinAnimateGauge::CreateControlSkinImage(TBitmap* b) {
  if (!SkinPicture) return CreateControlDefaultImage(b);
  TspSkinCustomControl::CreateControlSkinImage(b);
  Integer w = Width(), h = Height();
  CalcSize(w, h);
  TCanvas* c = b->Canvas();
  if (run_.Made() && run_.Frames != 0 && run_.Frame != 0) {
    HDC dc = c->Handle();
    int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, NewProgressArea.Left, NewProgressArea.Top, NewProgressArea.Right, NewProgressArea.Bottom);
    if (look.animationskinrect.IsEmpty()) DrawBlock(c);
    else if (look.animationcountframes == 1) DrawSweep(c);
    else DrawStrip(c);
    ::RestoreDC(dc, saved);
  }
  DrawProgressText(c);
}

void TspSkinAnimateGauge::DrawBlock(TCanvas* c) {
  Integer w = Width() / 10, l = NewProgressArea.Left + w * (run_.Frame - 4);
  Integer left = l - w / 2, right = l + w + (w + w / 2) / 2;
  if (right <= left || look.progressrect.IsEmpty()) return;
  TBitmap block;
  CreateHSkinImage(look.beginoffset, look.endoffset, &block, SkinPicture, look.progressrect, right - left, 0,
                   look.progressstretch);
  if (look.progresstransparent) {
    block.SetTransparentMode(tmFixed);
    block.SetTransparentColor(look.progresstransparentcolor);
    block.SetTransparent(true);
  }
  c->Draw(left, NewProgressArea.Top, &block);
}

void TspSkinAnimateGauge::DrawSweep(TCanvas* c) {
  if (run_.Frame > run_.Frames) run_.Frame = 1;
  const TRect& a = look.animationskinrect;
  Integer x = NewProgressArea.Left + std::max<Integer>(1, a.Width() / 3) * (run_.Frame - 1) - a.Width();
  TBitmap picture;
  if (!CopyPictureRect(picture, SkinPicture, a)) return;
  if (look.progresstransparent) {
    picture.SetTransparentMode(tmFixed);
    picture.SetTransparentColor(look.progresstransparentcolor);
    picture.SetTransparent(true);
  }
  c->Draw(x, NewProgressArea.Top, &picture);
}

void TspSkinAnimateGauge::DrawStrip(TCanvas* c) {
  const TRect& a = look.animationskinrect;
  Integer n = look.animationcountframes, k = run_.Frame;
  if (n < 1 || k < 1 || k > n) return;
  TRect frame = a.Width() > look.progressrect.Width()
                    ? TRect{a.Left + a.Width() / n * (k - 1), a.Top, a.Left + a.Width() / n * k, a.Bottom}
                    : TRect{a.Left, a.Top + a.Height() / n * (k - 1), a.Right, a.Top + a.Height() / n * k};
  if (frame.IsEmpty() || NewProgressArea.Width() <= 0) return;
  TBitmap strip;
  CreateHSkinImage(look.animationbeginoffset, look.animationendoffset, &strip, SkinPicture, frame,
                   NewProgressArea.Width(), 0, true);
  c->StretchDraw(NewProgressArea, &strip);
}

void TspSkinAnimateGauge::WMEraseBkgnd(TMessage& message) {
  if (!InPaintMessage && MessageDC(message)) PaintWindow(MessageDC(message));
  message.Result = 1;
}
