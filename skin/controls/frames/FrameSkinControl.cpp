#include "skin/controls/frames/FrameSkinControl.h"

#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/draw/SkinMask.h"

TspFrameSkinControl::TspFrameSkinControl(TComponent* owner)
    : TspSkinControl(owner), defaultImage_(std::make_unique<TBitmap>()), defaultMask_(std::make_unique<TBitmap>()) {
  SkinDataName.clear();
}

TspFrameSkinControl::~TspFrameSkinControl() {
  if (region_ && HandleAllocated()) ::SetWindowRgn(Handle(), nullptr, FALSE);
  if (region_) ::DeleteObject(region_);
}

void TspFrameSkinControl::CalcDefaultFrameSize() {
  if (defaultImage_->Empty()) return;
  FramesCount = defaultCount_;
  FramesPlacement = defaultPlacement_;
  if (FramesPlacement == fpHorizontal) {
    FrameWidth = defaultImage_->Width() / FramesCount;
    FrameHeight = defaultImage_->Height();
  } else {
    FrameWidth = defaultImage_->Width();
    FrameHeight = defaultImage_->Height() / FramesCount;
  }
}

void TspFrameSkinControl::GetSkinData() {
  TspSkinControl::GetSkinData();
  skinPicture_ = skinMask_ = nullptr;
  if (SkinRecordIndex == -1) return;
  auto* record = dynamic_cast<TspDataSkinFrameControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  TBitmap* picture = record ? SkinData()->ActivePicture(record->pictureindex) : nullptr;
  // A record of another kind, or one without a picture, is no strip.
  if (!picture || record->skinrect.IsEmpty()) {
    SkinRecordIndex = -1;
    return;
  }
  skinRect_ = record->skinrect;
  SkinCursorIndex = record->cursorindex;
  skinPicture_ = picture;
  skinMask_ = SkinData()->ActivePicture(record->maskpictureindex);
  FramesCount = record->framescount < 2 ? 2 : record->framescount;
  FramesPlacement = record->framesplacement;
  FrameWidth = FramesPlacement == fpHorizontal ? skinRect_.Width() / FramesCount : skinRect_.Width();
  FrameHeight = FramesPlacement == fpHorizontal ? skinRect_.Height() : skinRect_.Height() / FramesCount;
}

void TspFrameSkinControl::SetFrame(Integer value) {
  if (!HasStrip()) return;
  value = value <= 0 ? 1 : value > FramesCount ? FramesCount : value;
  if (value == frame_) return;
  frame_ = value;
  Repaint();
}

void TspFrameSkinControl::SetBounds(int left, int top, int width, int height) {
  bool resized = width != Width() || height != Height();
  if (resized && HasStrip() && FrameWidth > 0 && FrameHeight > 0) width = FrameWidth, height = FrameHeight;
  TspSkinControl::SetBounds(left, top, width, height);
  if (!resized || !HasStrip()) return;
  SetControlRegion();
  Repaint();
}

void TspFrameSkinControl::SetFrameBounds() {
  if (FrameWidth > 0 && FrameHeight > 0) TspSkinControl::SetBounds(Left(), Top(), FrameWidth, FrameHeight);
}

void TspFrameSkinControl::ChangeSkinData() {
  GetSkinData();
  if (SkinRecordIndex == -1 && !defaultImage_->Empty()) {
    CalcDefaultFrameSize();
    SetControlRegion();
    SetFrameBounds();
    return Repaint();
  }
  if (SkinRecordIndex != -1 && frame_ > FramesCount) frame_ = FramesCount;
  ApplySkinCursor();
  Integer w = Width(), h = Height();
  if (SkinRecordIndex != -1) SetFrameBounds();
  if (SkinRecordIndex == -1 || (w == Width() && h == Height())) {
    SetControlRegion();
    Repaint();
  }
}

void TspFrameSkinControl::Loaded() {
  TspSkinControl::Loaded();
  CalcDefaultFrameSize();
  if (SkinRecordIndex == -1 && !SkinData()) SetControlRegion();
}

void TspFrameSkinControl::SetDefaultImage(const TBitmap* value) {
  defaultImage_->Assign(value);
  frame_ = 1;
  CalcDefaultFrameSize();
  if (!defaultImage_->Empty()) SetFrameBounds();
  Repaint();
}

void TspFrameSkinControl::SetDefaultFramesCount(Integer value) {
  defaultCount_ = value < 1 ? 1 : value;
  CalcDefaultFrameSize();
  if (!defaultImage_->Empty()) SetFrameBounds();
  Repaint();
}

void TspFrameSkinControl::SetDefaultFramesPlacement(TFramesPlacement value) {
  defaultPlacement_ = value;
  CalcDefaultFrameSize();
  if (!defaultImage_->Empty()) SetFrameBounds();
  Repaint();
}

void TspFrameSkinControl::SetDefaultMask(const TBitmap* value) {
  defaultMask_->Assign(value);
  SetControlRegion();
  Repaint();
}

void TspFrameSkinControl::SetControlRegion() {
  if (!HandleAllocated()) return;
  TBitmap* mask = SkinRecordIndex == -1 ? (defaultMask_->Empty() ? nullptr : defaultMask_.get()) : skinMask_;
  HRGN region = nullptr;
  if (mask) CreateSkinSimplyRegion(region, mask);
  ::SetWindowRgn(Handle(), region, TRUE);
  if (region_) ::DeleteObject(region_);
  region_ = region;
}

TRect TspFrameSkinControl::FrameRect(Integer n) const {
  if (FramesPlacement == fpHorizontal) return TRect{(n - 1) * FrameWidth, 0, n * FrameWidth, FrameHeight};
  return TRect{0, (n - 1) * FrameHeight, FrameWidth, n * FrameHeight};
}

void TspFrameSkinControl::CreateControlDefaultImage(TBitmap* b) {
  if (defaultImage_->Empty()) {
    FillAndFrame(b->Canvas(), ClientRect(), clBtnShadow, clBtnFace);
    return;
  }
  CalcDefaultFrameSize();
  b->SetSize(FrameWidth, FrameHeight);
  TRect r = FrameRect(frame_);
  b->Canvas()->CopyRect(TRect{0, 0, FrameWidth, FrameHeight}, defaultImage_->Canvas(), r);
}

void TspFrameSkinControl::CreateControlSkinImage(TBitmap* b) {
  if (!skinPicture_) return CreateControlDefaultImage(b);
  TRect r = FrameRect(frame_);
  r = TRect{r.Left + skinRect_.Left, r.Top + skinRect_.Top, r.Right + skinRect_.Left, r.Bottom + skinRect_.Top};
  b->Canvas()->CopyRect(TRect{0, 0, r.Width(), r.Height()}, skinPicture_->Canvas(), r);
}

void TspFrameSkinControl::WMEraseBkgnd(TMessage& message) {
  if (!InPaintMessage && MessageDC(message)) PaintWindow(MessageDC(message));
  message.Result = 1;
}
