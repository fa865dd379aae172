// Crops a frame of one of the engine's pixel formats and scales it into a frame
// of the output size and an FFmpeg pixel format, keeping the picture's proportions
// (black bars) when asked to.
#pragma once

#include <cstdint>

extern "C" {
#include <libavutil/pixfmt.h>
}

struct AVFrame;
struct SwsContext;

struct CropMargins {
  int left = 0, right = 0, top = 0, bottom = 0;
};

class CroppedScaler {
public:
  CroppedScaler() = default;
  ~CroppedScaler();
  CroppedScaler(const CroppedScaler&) = delete;
  CroppedScaler& operator=(const CroppedScaler&) = delete;

  // False for sizes, margins or formats the scaler cannot take; the source format
  // is pfYUV420P (even sizes) or pfBGR32BottomUp.
  bool Configure(int sourceWidth, int sourceHeight, int sourceFormat, const CropMargins& crop, int width,
                 int height, AVPixelFormat format, bool keepAspect);
  // Fills `out` (allocated by the caller at the output size and format).
  bool Scale(const void* frame, AVFrame* out);

  int Width() const { return width_; }
  int Height() const { return height_; }

private:
  SwsContext* sws_ = nullptr;  // owned
  int sourceWidth_ = 0, sourceHeight_ = 0, sourceFormat_ = 0;
  CropMargins crop_;
  int width_ = 0, height_ = 0;
  AVPixelFormat format_ = AV_PIX_FMT_NONE;
  int innerX_ = 0, innerY_ = 0, innerWidth_ = 0, innerHeight_ = 0;  // the picture inside the bars
};

// Whether a frame of this engine format and size can be read (sizes in range, even for pfYUV420P).
bool SourceFormatFits(int format, int width, int height);

// Makes `frame` (freeing the one it held) a picture of the size and format with
// its buffers allocated; false when FFmpeg refuses (the frame may then have no buffers).
bool AllocatePicture(AVFrame*& frame, int width, int height, AVPixelFormat format);
