#include "engines/MediaEngine/FrameScaling.h"

#include <algorithm>

#include "MediaEngine.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace {

constexpr int kMaxSide = 8192;

}  // namespace

bool SourceFormatFits(int format, int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  if (format == pfYUV420P) return (width & 1) == 0 && (height & 1) == 0;
  return format == pfBGR32BottomUp;
}

CroppedScaler::~CroppedScaler() { sws_freeContext(sws_); }

bool CroppedScaler::Configure(int sourceWidth, int sourceHeight, int sourceFormat, const CropMargins& crop,
                              int width, int height, AVPixelFormat format, bool keepAspect) {
  sws_freeContext(sws_);
  sws_ = nullptr;
  if (!SourceFormatFits(sourceFormat, sourceWidth, sourceHeight)) return false;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  if (crop.left < 0 || crop.right < 0 || crop.top < 0 || crop.bottom < 0) return false;
  CropMargins c = crop;
  // Chroma planes start at even positions.
  if (sourceFormat == pfYUV420P) {
    c.left &= ~1;
    c.top &= ~1;
  }
  int visibleWidth = sourceWidth - c.left - c.right;
  int visibleHeight = sourceHeight - c.top - c.bottom;
  if (visibleWidth < 2 || visibleHeight < 2) return false;
  if (sourceFormat == pfYUV420P) {
    visibleWidth &= ~1;
    visibleHeight &= ~1;
  }

  innerX_ = innerY_ = 0;
  innerWidth_ = width;
  innerHeight_ = height;
  if (keepAspect) {
    // The largest picture of the visible part's proportions that fits, centred.
    long long byWidth = static_cast<long long>(width) * visibleHeight;
    long long byHeight = static_cast<long long>(height) * visibleWidth;
    if (byWidth > byHeight) {
      innerWidth_ = static_cast<int>(byHeight / visibleHeight);
    } else {
      innerHeight_ = static_cast<int>(byWidth / visibleWidth);
    }
    innerWidth_ = std::max(2, innerWidth_ & ~1);
    innerHeight_ = std::max(2, innerHeight_ & ~1);
    innerWidth_ = std::min(innerWidth_, width);
    innerHeight_ = std::min(innerHeight_, height);
    innerX_ = ((width - innerWidth_) / 2) & ~1;
    innerY_ = ((height - innerHeight_) / 2) & ~1;
  }
  AVPixelFormat from = sourceFormat == pfYUV420P ? AV_PIX_FMT_YUV420P : AV_PIX_FMT_BGR0;
  sws_ = sws_getContext(visibleWidth, visibleHeight, from, innerWidth_, innerHeight_, format, SWS_BICUBIC,
                        nullptr, nullptr, nullptr);
  if (!sws_) return false;
  sourceWidth_ = sourceWidth;
  sourceHeight_ = sourceHeight;
  sourceFormat_ = sourceFormat;
  crop_ = c;
  crop_.right = sourceWidth - c.left - visibleWidth;
  crop_.bottom = sourceHeight - c.top - visibleHeight;
  width_ = width;
  height_ = height;
  format_ = format;
  return true;
}

bool CroppedScaler::Scale(const void* frame, AVFrame* out) {
  if (!sws_ || !frame || !out || out->width != width_ || out->height != height_ || out->format != format_) {
    return false;
  }
  const auto* bytes = static_cast<const std::uint8_t*>(frame);
  const std::uint8_t* planes[4] = {};
  int strides[4] = {};
  int visibleHeight = sourceHeight_ - crop_.top - crop_.bottom;
  if (sourceFormat_ == pfYUV420P) {
    const std::size_t lumaSize = static_cast<std::size_t>(sourceWidth_) * sourceHeight_;
    const int chromaWidth = sourceWidth_ / 2;
    const std::size_t chromaSize = lumaSize / 4;
    planes[0] = bytes + static_cast<std::size_t>(crop_.top) * sourceWidth_ + crop_.left;
    planes[1] = bytes + lumaSize + static_cast<std::size_t>(crop_.top / 2) * chromaWidth + crop_.left / 2;
    planes[2] = planes[1] + chromaSize;
    strides[0] = sourceWidth_;
    strides[1] = strides[2] = chromaWidth;
  } else {
    // Bottom row first: the top visible row lies near the end of the buffer.
    const int stride = sourceWidth_ * 4;
    planes[0] = bytes + static_cast<std::size_t>(sourceHeight_ - 1 - crop_.top) * stride + crop_.left * 4;
    strides[0] = -stride;
  }
  std::uint8_t* target[4] = {};
  int targetStrides[4] = {};
  bool bars = innerWidth_ != width_ || innerHeight_ != height_;
  if (bars) {
    std::ptrdiff_t lines[4] = {};
    for (int i = 0; i < 4; ++i) lines[i] = out->linesize[i];
    if (av_image_fill_black(out->data, lines, format_, AVCOL_RANGE_MPEG, width_, height_) < 0) return false;
  }
  const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(format_);
  for (int i = 0; i < 4 && out->data[i]; ++i) {
    int shiftX = (i == 1 || i == 2) ? desc->log2_chroma_w : 0;
    int shiftY = (i == 1 || i == 2) ? desc->log2_chroma_h : 0;
    int step = desc->comp[0].step;
    if (desc->flags & AV_PIX_FMT_FLAG_PLANAR) step = 1;
    target[i] = out->data[i] + static_cast<std::ptrdiff_t>(innerY_ >> shiftY) * out->linesize[i] +
                (innerX_ >> shiftX) * step;
    targetStrides[i] = out->linesize[i];
  }
  int rows = sws_scale(sws_, planes, strides, 0, visibleHeight, target, targetStrides);
  return rows > 0;
}

bool AllocatePicture(AVFrame*& frame, int width, int height, AVPixelFormat format) {
  av_frame_free(&frame);
  frame = av_frame_alloc();
  if (!frame) return false;
  frame->width = width;
  frame->height = height;
  frame->format = format;
  return av_frame_get_buffer(frame, 0) >= 0;
}
