// Decodes one title: demultiplexes its program stream with FFmpeg and delivers, in
// the order they come out of the decoders, picture frames as tightly packed planar
// 4:2:0 (luminance adjusted, the chosen subtitle laid over) and audio blocks as
// 16-bit interleaved stereo at the stream's own rate (downmixed, volume applied).
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "engines/DiscEngine/TitleStream.h"

struct AVFormatContext;
struct AVIOContext;
struct AVCodecContext;
struct AVPacket;
struct AVFrame;
struct SwrContext;
struct SwsContext;

namespace disc {

struct PictureSettings {
  int LumaGain = 128;         // 0-256, 128 keeps the picture
  int LumaOffset = 0;         // -150..150
  int SubtitleOffset = 0;     // rows the subtitle moves down (negative: up)
};

struct DecodeOptions {
  bool WantVideo = true;
  bool WantAudio = true;
  int AudioId = -1;           // demuxer stream id, -1 none
  int SubtitleId = -1;        // demuxer stream id, -1 none
  const std::uint32_t* Palette = nullptr;  // 16 colours 0x00RRGGBB, or null
  PictureSettings Picture;
  double Gain = 1.0;          // audio factor
};

struct VideoFrame {
  std::vector<std::uint8_t> Data;  // I420, Width x Height
  int Width = 0;
  int Height = 0;
};

struct AudioBlock {
  std::vector<std::int16_t> Samples;  // interleaved stereo
  int Rate = 0;
};

enum class DecodeStatus { Video, Audio, End, Error };

class TitleDecoder {
public:
  TitleDecoder();
  ~TitleDecoder();
  TitleDecoder(const TitleDecoder&) = delete;
  TitleDecoder& operator=(const TitleDecoder&) = delete;

  // Starts decoding the stream (owned) at the given byte position.
  bool Open(std::unique_ptr<TitleStream> stream, const DecodeOptions& options, std::uint64_t position = 0);
  // The next frame or block; Video fills frame, Audio fills block.
  DecodeStatus Next(VideoFrame& frame, AudioBlock& block);
  // Restarts at a byte position (decoders flushed, queues emptied).
  bool Restart(std::uint64_t position);
  void SetPicture(const PictureSettings& picture) { options_.Picture = picture; }
  void SetGain(double gain) { options_.Gain = gain; }
  // Takes back a delivered frame, whose buffer the next picture reuses: a fresh
  // buffer of a frame's size costs its allocation and clearing for every picture.
  void Recycle(VideoFrame&& frame);
  bool Scrambled() const { return stream_ && stream_->ScrambledSeen(); }
  std::uint64_t StreamSize() const { return stream_ ? stream_->Size() : 0; }

  // Ids of the streams the demuxer has met so far.
  std::vector<int> SeenStreamIds() const;

private:
  static int ReadPacket(void* opaque, std::uint8_t* buffer, int size);
  static std::int64_t SeekStream(void* opaque, std::int64_t offset, int whence);
  void CloseFormat();
  void CloseDecoders();
  bool OpenFormat();
  bool ReadMore();           // demuxes and decodes one packet; false at the end or on error
  bool OpenDecoderFor(int streamIndex, AVCodecContext*& context);
  void ReceiveVideo();
  void ReceiveAudio();
  void DecodeSubtitle(AVPacket* packet);
  void StoreFrame(const AVFrame* frame);
  void StoreAudio(const AVFrame* frame);
  void Overlay(VideoFrame& frame, std::int64_t pts);

  std::unique_ptr<TitleStream> stream_;
  DecodeOptions options_;
  std::uint32_t palette_[16] = {};
  AVFormatContext* format_ = nullptr;
  AVIOContext* io_ = nullptr;
  AVCodecContext* video_ = nullptr;
  AVCodecContext* audio_ = nullptr;
  AVCodecContext* subtitle_ = nullptr;
  int videoIndex_ = -1, audioIndex_ = -1, subtitleIndex_ = -1;
  AVPacket* packet_ = nullptr;
  AVFrame* frame_ = nullptr;
  SwrContext* swr_ = nullptr;
  SwsContext* sws_ = nullptr;
  bool ended_ = false;
  bool failed_ = false;
  std::deque<VideoFrame> videoOut_;
  std::vector<std::vector<std::uint8_t>> spareBuffers_;  // recycled frame buffers
  std::deque<AudioBlock> audioOut_;
  // The subtitle on screen: a picture in the frame's coordinates, luma/chroma/alpha.
  struct SubtitlePicture {
    int X = 0, Y = 0, W = 0, H = 0;
    std::vector<std::uint8_t> Y_, U_, V_, A_;
    std::int64_t Start = 0, End = 0;  // 90 kHz clock
  };
  std::vector<SubtitlePicture> subtitles_;
};

}  // namespace disc
