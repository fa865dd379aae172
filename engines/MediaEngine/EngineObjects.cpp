// The frame scaler and colour converter objects and the module's six exports.
#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "MediaEngine.h"
#include "engines/MediaEngine/FrameScaling.h"
#include "engines/MediaEngine/MediaWriter.h"

extern "C" {
#include <libavutil/frame.h>
}

namespace {

// Crops and scales into pfYUV420P frames of the output size.
class FrameScalerObject final : public FrameScaler {
public:
  ~FrameScalerObject() { av_frame_free(&frame_); }

  std::uint8_t Configure(std::int32_t width, std::int32_t height, std::int32_t sourceWidth,
                         std::int32_t sourceHeight, std::int32_t pixelFormat, std::uint8_t keepAspect,
                         std::int32_t cropLeft, std::int32_t cropRight, std::int32_t cropTop,
                         std::int32_t cropBottom, std::int32_t, std::int32_t, std::int32_t,
                         std::int32_t) override {
    configured_ = false;
    if (YUV420PFrameSize(width, height) == 0) return 0;
    CropMargins crop{cropLeft, cropRight, cropTop, cropBottom};
    if (!scaler_.Configure(sourceWidth, sourceHeight, pixelFormat, crop, width, height, AV_PIX_FMT_YUV420P,
                           keepAspect != 0)) {
      return 0;
    }
    if (!AllocatePicture(frame_, width, height, AV_PIX_FMT_YUV420P)) return 0;
    output_.assign(YUV420PFrameSize(width, height), 0);
    configured_ = true;
    return 1;
  }

  std::uint8_t Process(const void* frame) override {
    if (!configured_ || !frame) return 0;
    if (!scaler_.Scale(frame, frame_)) return 0;
    // Packed planes, as format 5 lays them out.
    const int w = frame_->width, h = frame_->height;
    std::uint8_t* out = output_.data();
    for (int plane = 0; plane < 3; ++plane) {
      int pw = plane ? w / 2 : w, ph = plane ? h / 2 : h;
      for (int y = 0; y < ph; ++y) {
        std::copy_n(frame_->data[plane] + static_cast<std::ptrdiff_t>(y) * frame_->linesize[plane], pw, out);
        out += pw;
      }
    }
    return 1;
  }

  const void* GetOutput() override { return configured_ ? output_.data() : nullptr; }
  std::int32_t GetWidth() override { return configured_ ? scaler_.Width() : 0; }
  std::int32_t GetHeight() override { return configured_ ? scaler_.Height() : 0; }

private:
  CroppedScaler scaler_;
  AVFrame* frame_ = nullptr;          // owned, the scaler's target
  std::vector<std::uint8_t> output_;  // the last processed frame, packed
  bool configured_ = false;
};

// Turns pfYUV420P frames into pfBGR32BottomUp pixels.
class ColorConverterObject final : public ColorConverter {
public:
  ~ColorConverterObject() { av_frame_free(&frame_); }

  std::uint8_t Init(std::int32_t width, std::int32_t height, std::int32_t fromFormat,
                    std::int32_t toFormat) override {
    size_ = 0;
    if (toFormat != pfBGR32BottomUp || !SourceFormatFits(fromFormat, width, height)) return 0;
    if (!scaler_.Configure(width, height, fromFormat, CropMargins{}, width, height, AV_PIX_FMT_BGR0, false)) {
      return 0;
    }
    if (!AllocatePicture(frame_, width, height, AV_PIX_FMT_BGR0)) return 0;
    size_ = width * height * 4;
    return 1;
  }

  std::int32_t GetOutputSize() override { return size_; }

  std::uint8_t Convert(const void* frame, void* output) override {
    if (size_ == 0 || !frame || !output) return 0;
    if (!scaler_.Scale(frame, frame_)) return 0;
    // Bottom row first.
    const int row = frame_->width * 4;
    auto* out = static_cast<std::uint8_t*>(output);
    for (int y = 0; y < frame_->height; ++y) {
      const std::uint8_t* src = frame_->data[0] + static_cast<std::ptrdiff_t>(frame_->height - 1 - y) * frame_->linesize[0];
      std::copy_n(src, row, out + static_cast<std::ptrdiff_t>(y) * row);
    }
    return 1;
  }

private:
  CroppedScaler scaler_;
  AVFrame* frame_ = nullptr;  // owned
  std::int32_t size_ = 0;
};

}  // namespace

extern "C" {

MediaEncoder* VARNEL_STDCALL CreateMediaEncoder(const char* outputPath) {
  return new (std::nothrow) MediaWriter(outputPath ? outputPath : "");
}

void VARNEL_STDCALL ReleaseMediaEncoder(MediaEncoder* encoder) {
  delete static_cast<MediaWriter*>(encoder);
}

FrameScaler* VARNEL_STDCALL CreateFrameScaler() {
  return new (std::nothrow) FrameScalerObject();
}

void VARNEL_STDCALL ReleaseFrameScaler(FrameScaler* scaler) {
  delete static_cast<FrameScalerObject*>(scaler);
}

ColorConverter* VARNEL_STDCALL CreateColorConverter() {
  return new (std::nothrow) ColorConverterObject();
}

void VARNEL_STDCALL ReleaseColorConverter(ColorConverter* converter) {
  delete static_cast<ColorConverterObject*>(converter);
}

}  // extern "C"
