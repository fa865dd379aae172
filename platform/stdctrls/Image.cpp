// TImage: a picture drawn as it is, centred, stretched or scaled in proportion.
#include "platform/stdctrls/Image.h"

#include <algorithm>

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  ControlStyle |= csReplicatable;
  picture_->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() { picture_->OnChange = nullptr; }

void TImage::PictureChanged(TObject*) {
  if (TGraphic* graphic = picture_->Graphic()) graphic->SetTransparent(transparent_);
  AdjustSize();
  Invalidate();
}

bool TImage::CanAutoSize(int& newWidth, int& newHeight) {
  if (picture_->Width() <= 0 || picture_->Height() <= 0) return false;
  newWidth = picture_->Width();
  newHeight = picture_->Height();
  return true;
}

void TImage::SetCenter(bool value) {
  if (center_ == value) return;
  center_ = value;
  Invalidate();
}

void TImage::SetStretch(bool value) {
  if (stretch_ == value) return;
  stretch_ = value;
  Invalidate();
}

void TImage::SetProportional(bool value) {
  if (proportional_ == value) return;
  proportional_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  if (TGraphic* graphic = picture_->Graphic()) graphic->SetTransparent(value);
  Invalidate();
}

TRect TImage::DestRect() const {
  int w = picture_->Width(), h = picture_->Height();
  const int cw = Width(), ch = Height();
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (proportional_ && w > 0 && h > 0) {
      // The larger of the two ratios decides; the picture keeps its shape.
      if (static_cast<long long>(cw) * h > static_cast<long long>(ch) * w) {
        w = static_cast<int>(static_cast<long long>(w) * ch / h);
        h = ch;
      } else {
        h = static_cast<int>(static_cast<long long>(h) * cw / w);
        w = cw;
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  int x = 0, y = 0;
  if (center_) {
    x = (cw - w) / 2;
    y = (ch - h) / 2;
  }
  return TRect(x, y, x + w, y + h);
}

void TImage::Paint() {
  TGraphic* graphic = picture_->Graphic();
  if (!graphic || graphic->Empty()) return;
  Canvas()->StretchDraw(DestRect(), graphic);
}
