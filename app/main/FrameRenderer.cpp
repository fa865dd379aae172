#include "app/main/FrameRenderer.h"

#include <cmath>
#include <cstring>

#include "app/MediaEngineLib.h"
#include "imaging/GR32.h"

TFrameRenderer::TFrameRenderer() { ::InitializeCriticalSection(&lock_); }

TFrameRenderer::~TFrameRenderer() {
  ReleaseAll();
  ::DeleteCriticalSection(&lock_);
}

double UsableAspect(double aspect, std::int32_t width, std::int32_t height) {
  if (std::isfinite(aspect) && aspect > 0) return aspect;
  return height > 0 && width > 0 ? double(width) / height : 1.0;
}

bool TFrameRenderer::FormatChanged(const VideoFrameInfo& info) const {
  return info.DisplayAspect != aspect_ || info.Width != frameWidth_ || info.Height != frameHeight_;
}

bool TFrameRenderer::Configure(const VideoFrameInfo& info, std::int32_t width, std::int32_t height,
                               bool unsqueeze, bool keepAspect) {
  Release();
  aspect_ = info.DisplayAspect;
  frameWidth_ = info.Width;
  frameHeight_ = info.Height;
  FrameScaler* scaler = CreateFrameScaler();
  if (scaler) {
    if (unsqueeze)
      scaler->Configure(width, height, info.Width, info.Height, info.PixelFormat, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    else
      scaler->Configure(width, height, info.Width, info.Height, kScaledPixelFormat, keepAspect ? 1 : 0, 0, 0, 0, 0,
                        0, 0, 0, 0);
    (unsqueeze ? unsqueezeScaler_ : plainScaler_) = scaler;
  }
  converter_ = CreateColorConverter();
  if (!converter_ || !converter_->Init(width, height, kScaledPixelFormat, kBGR32PixelFormat) ||
      converter_->GetOutputSize() <= 0) {
    ReleaseConverter();
    return false;
  }
  buffer_.assign(std::size_t(converter_->GetOutputSize()), 0);
  converterWidth_ = width;
  converterHeight_ = height;
  return true;
}

bool TFrameRenderer::Render(const std::uint8_t* frame) {
  FrameScaler* last = unsqueezeScaler_ ? unsqueezeScaler_ : plainScaler_;
  if (!last || !converter_) return false;
  const void* scaled = frame;
  if (unsqueezeScaler_) {
    unsqueezeScaler_->Process(scaled);
    scaled = unsqueezeScaler_->GetOutput();
  }
  if (plainScaler_) {
    plainScaler_->Process(scaled);
    scaled = plainScaler_->GetOutput();
    last = plainScaler_;
  }
  const std::int32_t width = last->GetWidth(), height = last->GetHeight();
  // The buffer holds one frame of the converter's size: a scaler that answers
  // another size would make the copy below read past it.
  if (!scaled || width != converterWidth_ || height != converterHeight_) return false;
  if (std::size_t(width) * std::size_t(height) * 4 > buffer_.size()) return false;
  if (!converter_->Convert(scaled, buffer_.data())) {
    ReleaseConverter();
    return false;
  }
  if (!bitmap_ || bitmap_->Width() != width || bitmap_->Height() != height) {
    bitmap_ = std::make_unique<TBitmap32>();
    bitmap_->SetSize(width, height);
  }
  const std::size_t rowBytes = std::size_t(width) * 4;
  for (std::int32_t row = 0; row < height; ++row)
    std::memcpy(bitmap_->GetScanLine(height - 1 - row), buffer_.data() + row * rowBytes, rowBytes);
  return true;
}

void TFrameRenderer::ReleaseConverter() {
  if (converter_) ReleaseColorConverter(converter_);
  converter_ = nullptr;
  buffer_.clear();
  buffer_.shrink_to_fit();
  converterWidth_ = converterHeight_ = 0;
}

void TFrameRenderer::Release() {
  if (unsqueezeScaler_) ReleaseFrameScaler(unsqueezeScaler_);
  if (plainScaler_) ReleaseFrameScaler(plainScaler_);
  unsqueezeScaler_ = plainScaler_ = nullptr;
  ReleaseConverter();
  aspect_ = 0;
  Forget();
}

void TFrameRenderer::ReleaseAll() {
  Release();
  bitmap_.reset();
}
