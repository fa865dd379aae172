// The nine-part piece over the skinned bases, and what the windowed one adds:
// the window region from the record's mask and the paint through border pictures.
#include "skin/controls/SkinCtrls.h"

#include "skin/controls/SkinCtrlHelpers.h"

#include "platform/graphics/Regions.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinMask.h"
#include "skin/draw/SkinRects.h"

template <class Base>
TspSkinnedCustomControl<Base>::TspSkinnedCustomControl(TComponent* owner)
    : Base(owner), defaultFont_(std::make_unique<TFont>()) {
  defaultFont_->OnChange = TNotifyEvent(this, &TspSkinnedCustomControl::OnDefaultFontChange);
  defaultFont_->SetName("Arial");
  defaultFont_->SetStyle(0);
  defaultFont_->SetHeight(14);
}

template <class Base>
void TspSkinnedCustomControl<Base>::OnDefaultFontChange(TObject*) {
  DefaultFontChange();
  if (this->SkinRecordIndex == -1) this->Repaint();
}

template <class Base>
void TspSkinnedCustomControl<Base>::SetDefaultFont(const TFont* value) {
  defaultFont_->Assign(value);
  DefaultFontChange();
}

template <class Base>
void TspSkinnedCustomControl<Base>::SetDefaultWidth(Integer value) {
  defaultWidth_ = value;
  if (this->SkinRecordIndex == -1 && value > 0) this->SetWidth(value);
}

template <class Base>
void TspSkinnedCustomControl<Base>::SetDefaultHeight(Integer value) {
  defaultHeight_ = value;
  if (this->SkinRecordIndex == -1 && value > 0) this->SetHeight(value);
}

template <class Base>
void TspSkinnedCustomControl<Base>::GetSkinData() {
  Base::GetSkinData();
  if (this->SkinRecordIndex == -1) return;
  TspSkinData* data = this->SkinData();
  auto* record = dynamic_cast<TspDataSkinCustomControl*>(data->CtrlList[this->SkinRecordIndex].get());
  if (!record) {
    ResizeMode = 0;
    SkinPicture = nullptr;
    return;
  }
  this->SkinCursorIndex = CopyPiece(*record);
  SkinPicture = data->ActivePicture(record->pictureindex);
  ResizeMode = GetResizeMode();
}

template <class Base>
void TspSkinnedCustomControl<Base>::CreateControlDefaultImage(TBitmap* b) {
  TCanvas* canvas = b->Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(this->ClientRect());
}

// A record whose picture index names no picture paints the default look.
template <class Base>
void TspSkinnedCustomControl<Base>::CreateControlSkinImage(TBitmap* b) {
  if (!SkinPicture) return CreateControlDefaultImage(b);
  CreateSkinControlImage(b, SkinPicture, skinrect);
}

template <class Base>
void TspSkinnedCustomControl<Base>::CreateSkinControlImage(TBitmap* b, TBitmap* picture, const TRect& r) {
  ComposePiece(b, picture, r, this->Width(), this->Height(), ComposesBordersOnly());
}

template <class Base>
void TspSkinnedCustomControl<Base>::ChangeSkinData() {
  GetSkinData();
  this->ApplySkinCursor();
  bool changed = false;
  if (this->SkinRecordIndex != -1) {
    Integer w = this->Width(), h = this->Height();
    CalcSize(w, h);
    changed = w != this->Width() || h != this->Height();
    if (w != this->Width()) this->SetWidth(w);
    if (h != this->Height()) this->SetHeight(h);
  } else {
    if (defaultWidth_ > 0) this->SetWidth(defaultWidth_);
    if (defaultHeight_ > 0) this->SetHeight(defaultHeight_);
  }
  if (!changed) SkinAppliedInPlace();
}

template <class Base>
void TspSkinnedCustomControl<Base>::SetBounds(int left, int top, int width, int height) {
  GetSkinData();
  bool resized = (width != this->Width() || height != this->Height()) && this->SkinRecordIndex != -1;
  if (resized) CalcSize(width, height);
  TRect barClient;
  if (SP_SkinToolBarClientRect && this->Parent() && SP_SkinToolBarClientRect(this->Parent(), barClient))
    top = RectHeight(barClient) / 2 + barClient.Top - height / 2;
  Base::SetBounds(left, top, width, height);
  BoundsApplied(resized);
}

template class TspSkinnedCustomControl<TspSkinControl>;
template class TspSkinnedCustomControl<TspGraphicSkinControl>;

// ---- TspSkinCustomControl ----

void TspSkinCustomControl::GetSkinData() {
  TspSkinnedCustomControl<TspSkinControl>::GetSkinData();
  if (SkinRecordIndex == -1) return;
  auto* record = dynamic_cast<TspDataSkinCustomControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  SkinMaskPicture = record ? SkinData()->ActivePicture(record->maskpictureindex) : nullptr;
}

void TspSkinCustomControl::SkinAppliedInPlace() {
  SetControlRegion();
  Repaint();
}

void TspSkinCustomControl::BoundsApplied(bool resized) {
  if (resized) {
    SetControlRegion();
    Repaint();
  }
  if (SkinRecordIndex != -1 && stretcheffect) CheckControlsBackground();
}

void TspSkinCustomControl::SetControlRegion() {
  if (SkinMaskPicture && SkinRecordIndex != -1) return CreateControlRegion();
  if (!RegionHandle) return;
  if (HandleAllocated()) ::SetWindowRgn(Handle(), nullptr, TRUE);
  RegionHandle = nullptr;
}

// The region goes to the window, which frees it when it is replaced or destroyed.
void TspSkinCustomControl::CreateControlRegion() {
  Integer w = Width(), h = Height();
  CalcSize(w, h);
  HRGN region = nullptr;
  Integer pieceWidth = RectWidth(skinrect), pieceHeight = RectHeight(skinrect);
  switch (ResizeMode) {
    case 0:
      CreateSkinSimplyRegion(region, SkinMaskPicture);
      break;
    case 1:
      CreateSkinRegion(region, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint, clientrect,
                       SizedLeftTop, SizedRightTop, SizedLeftBottom, SizedRightBottom, RealClientRect,
                       SkinMaskPicture, Width(), Height());
      break;
    case 2: {
      TPoint p{righttoppoint.X + Width() - pieceWidth, righttoppoint.Y};
      CreateSkinRegion(region, lefttoppoint, righttoppoint, lefttoppoint, righttoppoint, clientrect, lefttoppoint, p,
                       lefttoppoint, p, RealClientRect, SkinMaskPicture, Width(), Height());
      break;
    }
    case 3: {
      TPoint q{leftbottompoint.X, leftbottompoint.Y + Height() - pieceHeight};
      CreateSkinRegion(region, lefttoppoint, lefttoppoint, leftbottompoint, leftbottompoint, clientrect, lefttoppoint,
                       lefttoppoint, q, q, RealClientRect, SkinMaskPicture, Width(), Height());
      break;
    }
    default:
      break;  // no usable piece: the window loses its region
  }
  if (!Parent() && !HandleAllocated()) {
    // No window to take it yet: the region is applied at the next resize or skin change.
    if (region) ::DeleteObject(region);
    return;
  }
  RegionHandle = region;
  ::SetWindowRgn(Handle(), region, TRUE);
}

void TspSkinCustomControl::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  Integer w = Width(), h = Height();
  CalcSize(w, h);
  if (SkinRecordIndex == -1 || !PaintByBorders || ResizeMode != 1 || AlphaBlend() || !SkinPicture)
    return TspSkinControl::Paint();
  PaintBorders();
}

void TspSkinCustomControl::PaintBorders() {
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages(lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint, clientrect, SizedLeftTop,
                         SizedRightTop, SizedLeftBottom, SizedRightBottom, RealClientRect, &left, &top, &right,
                         &bottom, SkinPicture, skinrect, Width(), Height(), leftstretch, topstretch, rightstretch,
                         bottomstretch);
  CreateControlSkinImage(&top);
  TCanvas* canvas = Canvas();
  if (FillSkinClient) FillClient(canvas);
  canvas->Draw(0, 0, &top);
  canvas->Draw(0, top.Height(), &left);
  canvas->Draw(Width() - right.Width(), top.Height(), &right);
  canvas->Draw(0, Height() - bottom.Height(), &bottom);
}

// The piece's client straight on the canvas inside RealClientRect; nothing for a
// client rectangle without width or height.
void TspSkinCustomControl::FillClient(TCanvas* canvas) {
  FillPieceClient(canvas, SkinPicture, skinrect, clientrect, RealClientRect, stretcheffect, stretchtype);
}
