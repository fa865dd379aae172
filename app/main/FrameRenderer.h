// Turns the frames the disc engine delivers into a 32-bit picture: a frame scaler
// to the display size, the colour converter to 32-bit pixels, the converted frame
// and the bitmap it is copied into. The preview and the crop and split dialogs
// each keep one.
//
// Frames may arrive on an engine thread while the window's thread frees or
// rebuilds the renderer: one lock guards everything here. The engine's side only
// tries it (a frame that finds it taken is dropped, not queued); the window's side
// waits for it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engines/include/EngineRecords.h"
#include "platform/core/WinApi.h"

class TBitmap32;
class FrameScaler;
class ColorConverter;

// Frame format codes of the media engine the renderer uses: what comes out of a
// frame scaler, and 32-bit pixels.
constexpr std::int32_t kScaledPixelFormat = 5;
constexpr std::int32_t kBGR32PixelFormat = 3;

class TFrameRenderer {
public:
  TFrameRenderer();
  ~TFrameRenderer();
  TFrameRenderer(const TFrameRenderer&) = delete;
  TFrameRenderer& operator=(const TFrameRenderer&) = delete;

  // The lock, held by the window's thread while it releases, reads or rebuilds.
  class Hold {
  public:
    explicit Hold(TFrameRenderer& renderer) : renderer_(renderer) { ::EnterCriticalSection(&renderer_.lock_); }
    ~Hold() { ::LeaveCriticalSection(&renderer_.lock_); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

  private:
    TFrameRenderer& renderer_;
  };
  // For the engine's thread: true when the lock was free and is now held (Leave
  // gives it back).
  bool TryEnter() { return ::TryEnterCriticalSection(&lock_) != 0; }
  void Leave() { ::LeaveCriticalSection(&lock_); }

  // True when the frame's size or display aspect differ from those the scaler
  // was made for (or none was made, or Forget was called).
  bool FormatChanged(const VideoFrameInfo& info) const;
  // Remembers the frame's format and makes a scaler from it to width x height and
  // a converter at that size: the unsqueeze scaler (the frame's own pixel format,
  // no aspect keeping) or the plain one (the scaled format, `keepAspect`). False
  // when no converter can be made: nothing is left made then.
  bool Configure(const VideoFrameInfo& info, std::int32_t width, std::int32_t height, bool unsqueeze,
                 bool keepAspect);
  // Scales and converts a frame into the bitmap (rows turned the right way up);
  // false drops the frame. A failed conversion releases the converter.
  bool Render(const std::uint8_t* frame);

  // The last converted frame; null before the first.
  TBitmap32* Bitmap() const { return bitmap_.get(); }
  double DisplayAspect() const { return aspect_; }
  // The frame size the scaler was made for.
  std::int32_t FrameWidth() const { return frameWidth_; }
  std::int32_t FrameHeight() const { return frameHeight_; }

  // The next frame makes a new scaler and converter.
  void Forget() { frameWidth_ = frameHeight_ = 0; }
  // Releases the scalers, the converter and the converted frame and forgets the
  // format; the bitmap stays until a frame of another size replaces it.
  void Release();
  // Release, and the bitmap too.
  void ReleaseAll();

private:
  void ReleaseConverter();

  CRITICAL_SECTION lock_;
  FrameScaler* unsqueezeScaler_ = nullptr;
  FrameScaler* plainScaler_ = nullptr;
  ColorConverter* converter_ = nullptr;
  std::vector<std::uint8_t> buffer_;
  std::int32_t converterWidth_ = 0, converterHeight_ = 0;
  double aspect_ = 0;
  std::int32_t frameWidth_ = 0, frameHeight_ = 0;
  std::unique_ptr<TBitmap32> bitmap_;
};

// Makes n even by halving (cutting toward zero) and doubling.
inline std::int32_t MakeEven(std::int32_t n) { return n / 2 * 2; }
// A display aspect that can divide: a frame's own width / height when the given
// one is 0, negative or not a number.
double UsableAspect(double aspect, std::int32_t width, std::int32_t height);
