#include "engines/DiscEngine/TitleDecoder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/cpu.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace disc {
namespace {

constexpr int kIoBufferSize = 32 * 1024;

std::uint8_t Clamp255(int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

void RgbToYuv(std::uint32_t rgb, std::uint8_t& y, std::uint8_t& u, std::uint8_t& v) {
  int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  y = Clamp255(((66 * r + 129 * g + 25 * b + 128) >> 8) + 16);
  u = Clamp255(((-38 * r - 74 * g + 112 * b + 128) >> 8) + 128);
  v = Clamp255(((112 * r - 94 * g - 18 * b + 128) >> 8) + 128);
}

}  // namespace

TitleDecoder::TitleDecoder() {
  packet_ = av_packet_alloc();
  frame_ = av_frame_alloc();
}

TitleDecoder::~TitleDecoder() {
  CloseFormat();
  av_packet_free(&packet_);
  av_frame_free(&frame_);
  if (swr_) swr_free(&swr_);
  if (sws_) sws_freeContext(sws_);
}

void TitleDecoder::CloseDecoders() {
  avcodec_free_context(&video_);
  avcodec_free_context(&audio_);
  avcodec_free_context(&subtitle_);
  videoIndex_ = audioIndex_ = subtitleIndex_ = -1;
  if (swr_) swr_free(&swr_);
}

void TitleDecoder::CloseFormat() {
  CloseDecoders();
  if (format_) avformat_close_input(&format_);
  if (io_) {
    av_freep(&io_->buffer);
    avio_context_free(&io_);
  }
}

int TitleDecoder::ReadPacket(void* opaque, std::uint8_t* buffer, int size) {
  auto* self = static_cast<TitleDecoder*>(opaque);
  int n = self->stream_->Read(buffer, size);
  if (n < 0) {
    self->failed_ = true;
    return AVERROR(EIO);
  }
  return n == 0 ? AVERROR_EOF : n;
}

std::int64_t TitleDecoder::SeekStream(void* opaque, std::int64_t offset, int whence) {
  auto* self = static_cast<TitleDecoder*>(opaque);
  TitleStream& stream = *self->stream_;
  if (whence & AVSEEK_SIZE) return static_cast<std::int64_t>(stream.Size());
  std::int64_t target;
  switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET: target = offset; break;
    case SEEK_CUR: target = static_cast<std::int64_t>(stream.Position()) + offset; break;
    case SEEK_END: target = static_cast<std::int64_t>(stream.Size()) + offset; break;
    default: return -1;
  }
  if (target < 0 || !stream.Seek(static_cast<std::uint64_t>(target))) return -1;
  return target;
}

bool TitleDecoder::OpenFormat() {
  auto* buffer = static_cast<std::uint8_t*>(av_malloc(kIoBufferSize));
  if (!buffer) return false;
  io_ = avio_alloc_context(buffer, kIoBufferSize, 0, this, &TitleDecoder::ReadPacket, nullptr,
                           &TitleDecoder::SeekStream);
  if (!io_) {
    av_free(buffer);
    return false;
  }
  format_ = avformat_alloc_context();
  if (!format_) return false;
  format_->pb = io_;
  format_->flags |= AVFMT_FLAG_CUSTOM_IO;
  const AVInputFormat* mpeg = av_find_input_format("mpeg");
  if (avformat_open_input(&format_, "", mpeg, nullptr) < 0) {
    format_ = nullptr;  // freed by avformat_open_input
    return false;
  }
  return true;
}

bool TitleDecoder::Open(std::unique_ptr<TitleStream> stream, const DecodeOptions& options, std::uint64_t position) {
  av_log_set_level(AV_LOG_QUIET);
  stream_ = std::move(stream);
  options_ = options;
  if (options.Palette) std::memcpy(palette_, options.Palette, sizeof palette_);
  if (!stream_ || !stream_->IsOpen()) return false;
  return Restart(position);
}

bool TitleDecoder::Restart(std::uint64_t position) {
  CloseFormat();
  videoOut_.clear();
  audioOut_.clear();
  subtitles_.clear();
  ended_ = failed_ = false;
  position -= position % kBlockSize;
  if (!stream_->Seek(std::min(position, stream_->Size()))) return false;
  return OpenFormat();
}

std::vector<int> TitleDecoder::SeenStreamIds() const {
  std::vector<int> ids;
  if (format_)
    for (unsigned i = 0; i < format_->nb_streams; ++i) ids.push_back(format_->streams[i]->id);
  return ids;
}

bool TitleDecoder::OpenDecoderFor(int streamIndex, AVCodecContext*& context) {
  AVStream* st = format_->streams[streamIndex];
  const AVCodec* codec = avcodec_find_decoder(st->codecpar->codec_id);
  if (!codec) return false;
  context = avcodec_alloc_context3(codec);
  if (!context) return false;
  avcodec_parameters_to_context(context, st->codecpar);
  // Slice threads decode parts of one picture at once, so frames still come out of
  // each call in order and with no added delay; frame threads would hold pictures back.
  // One thread a core: FFmpeg's automatic count adds one, and the slices of that extra
  // thread wait for a core and hold the whole picture back (a fifth slower on two cores).
  context->thread_count = codec->type == AVMEDIA_TYPE_VIDEO ? std::max(1, av_cpu_count()) : 1;
  context->thread_type = FF_THREAD_SLICE;
  AVDictionary* opts = nullptr;
  if (codec->type == AVMEDIA_TYPE_SUBTITLE && options_.Palette) {
    char text[16 * 8];
    int at = 0;
    for (int i = 0; i < 16; ++i)
      at += std::snprintf(text + at, sizeof text - at, i ? ",%06x" : "%06x", palette_[i] & 0xFFFFFF);
    av_dict_set(&opts, "palette", text, 0);
  }
  int r = avcodec_open2(context, codec, &opts);
  av_dict_free(&opts);
  if (r < 0) {
    avcodec_free_context(&context);
    return false;
  }
  return true;
}

void TitleDecoder::StoreFrame(const AVFrame* f) {
  int w = f->width & ~1, h = f->height & ~1;
  if (w <= 0 || h <= 0) return;
  VideoFrame out;
  out.Width = w;
  out.Height = h;
  if (!spareBuffers_.empty()) {
    out.Data = std::move(spareBuffers_.back());
    spareBuffers_.pop_back();
  }
  out.Data.resize(static_cast<std::size_t>(w) * h * 3 / 2);
  std::uint8_t* planes[3] = {out.Data.data(), out.Data.data() + w * h, out.Data.data() + w * h + (w / 2) * (h / 2)};
  int strides[3] = {w, w / 2, w / 2};
  if (f->format == AV_PIX_FMT_YUV420P) {
    for (int p = 0; p < 3; ++p) {
      int rows = p ? h / 2 : h, cols = p ? w / 2 : w;
      for (int y = 0; y < rows; ++y) std::memcpy(planes[p] + y * strides[p], f->data[p] + y * f->linesize[p], cols);
    }
  } else {
    sws_ = sws_getCachedContext(sws_, f->width, f->height, static_cast<AVPixelFormat>(f->format), w, h,
                                AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!sws_) return;
    sws_scale(sws_, f->data, f->linesize, 0, f->height, planes, strides);
  }
  const PictureSettings& pic = options_.Picture;
  if (pic.LumaGain != 128 || pic.LumaOffset != 0) {
    std::uint8_t table[256];
    for (int v = 0; v < 256; ++v) table[v] = Clamp255(v * pic.LumaGain / 128 + pic.LumaOffset);
    for (int i = 0; i < w * h; ++i) planes[0][i] = table[planes[0][i]];
  }
  Overlay(out, f->best_effort_timestamp);
  videoOut_.push_back(std::move(out));
}

void TitleDecoder::Recycle(VideoFrame&& frame) {
  constexpr std::size_t kMostSpare = 4;
  if (spareBuffers_.size() < kMostSpare) spareBuffers_.push_back(std::move(frame.Data));
}

void TitleDecoder::Overlay(VideoFrame& frame, std::int64_t pts) {
  if (subtitles_.empty() || pts == AV_NOPTS_VALUE) return;
  int w = frame.Width, h = frame.Height;
  std::uint8_t* yPlane = frame.Data.data();
  std::uint8_t* uPlane = yPlane + w * h;
  std::uint8_t* vPlane = uPlane + (w / 2) * (h / 2);
  for (const SubtitlePicture& s : subtitles_) {
    if (pts < s.Start || pts >= s.End) continue;
    int top = s.Y + options_.Picture.SubtitleOffset;
    for (int y = 0; y < s.H; ++y) {
      int fy = top + y;
      if (fy < 0 || fy >= h) continue;
      for (int x = 0; x < s.W; ++x) {
        int fx = s.X + x;
        if (fx < 0 || fx >= w) continue;
        int i = y * s.W + x, a = s.A_[i];
        if (a == 0) continue;
        std::uint8_t& py = yPlane[fy * w + fx];
        py = static_cast<std::uint8_t>((s.Y_[i] * a + py * (255 - a)) / 255);
        if ((fx & 1) == 0 && (fy & 1) == 0) {
          int c = (fy / 2) * (w / 2) + fx / 2;
          uPlane[c] = static_cast<std::uint8_t>((s.U_[i] * a + uPlane[c] * (255 - a)) / 255);
          vPlane[c] = static_cast<std::uint8_t>((s.V_[i] * a + vPlane[c] * (255 - a)) / 255);
        }
      }
    }
  }
}

void TitleDecoder::DecodeSubtitle(AVPacket* packet) {
  AVSubtitle sub{};
  int got = 0;
  if (avcodec_decode_subtitle2(subtitle_, &sub, &got, packet) < 0 || !got) return;
  std::int64_t start = packet->pts;
  if (start == AV_NOPTS_VALUE) {
    avsubtitle_free(&sub);
    return;
  }
  // Keep only pictures that can still show.
  std::int64_t begin = start + static_cast<std::int64_t>(sub.start_display_time) * 90;
  std::int64_t end = sub.end_display_time ? start + static_cast<std::int64_t>(sub.end_display_time) * 90 : INT64_MAX;
  for (SubtitlePicture& old : subtitles_)
    if (old.End == INT64_MAX) old.End = begin;
  for (unsigned r = 0; r < sub.num_rects; ++r) {
    const AVSubtitleRect* rect = sub.rects[r];
    if (rect->type != SUBTITLE_BITMAP || rect->w <= 0 || rect->h <= 0 || !rect->data[0] || !rect->data[1]) continue;
    SubtitlePicture pic;
    pic.X = rect->x; pic.Y = rect->y; pic.W = rect->w; pic.H = rect->h;
    pic.Start = begin; pic.End = end;
    std::size_t n = static_cast<std::size_t>(rect->w) * rect->h;
    pic.Y_.resize(n); pic.U_.resize(n); pic.V_.resize(n); pic.A_.resize(n);
    const auto* colours = reinterpret_cast<const std::uint32_t*>(rect->data[1]);
    for (int y = 0; y < rect->h; ++y)
      for (int x = 0; x < rect->w; ++x) {
        std::uint32_t argb = colours[rect->data[0][y * rect->linesize[0] + x]];
        std::size_t i = static_cast<std::size_t>(y) * rect->w + x;
        RgbToYuv(argb, pic.Y_[i], pic.U_[i], pic.V_[i]);
        pic.A_[i] = static_cast<std::uint8_t>(argb >> 24);
      }
    subtitles_.push_back(std::move(pic));
  }
  avsubtitle_free(&sub);
  subtitles_.erase(std::remove_if(subtitles_.begin(), subtitles_.end(),
                                  [&](const SubtitlePicture& s) { return s.End <= s.Start; }),
                   subtitles_.end());
  if (subtitles_.size() > 16) subtitles_.erase(subtitles_.begin(), subtitles_.end() - 16);
}

void TitleDecoder::StoreAudio(const AVFrame* f) {
  if (f->nb_samples <= 0 || f->sample_rate <= 0) return;
  if (!swr_) {
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    AVChannelLayout in{};
    if (f->ch_layout.order != AV_CHANNEL_ORDER_UNSPEC) av_channel_layout_copy(&in, &f->ch_layout);
    else av_channel_layout_default(&in, f->ch_layout.nb_channels);
    int r = swr_alloc_set_opts2(&swr_, &stereo, AV_SAMPLE_FMT_S16, f->sample_rate, &in,
                                static_cast<AVSampleFormat>(f->format), f->sample_rate, 0, nullptr);
    av_channel_layout_uninit(&in);
    if (r < 0 || swr_init(swr_) < 0) {
      if (swr_) swr_free(&swr_);
      failed_ = true;
      return;
    }
  }
  AudioBlock block;
  block.Rate = f->sample_rate;
  block.Samples.resize(static_cast<std::size_t>(f->nb_samples) * 2 + 64);
  std::uint8_t* out[1] = {reinterpret_cast<std::uint8_t*>(block.Samples.data())};
  int got = swr_convert(swr_, out, f->nb_samples + 32, const_cast<const std::uint8_t**>(f->extended_data), f->nb_samples);
  if (got <= 0) return;
  block.Samples.resize(static_cast<std::size_t>(got) * 2);
  if (options_.Gain != 1.0) {
    int gain = static_cast<int>(options_.Gain * 4096.0 + 0.5);
    for (std::int16_t& s : block.Samples) {
      int v = (s * gain) >> 12;
      s = static_cast<std::int16_t>(v < -32768 ? -32768 : v > 32767 ? 32767 : v);
    }
  }
  audioOut_.push_back(std::move(block));
}

void TitleDecoder::ReceiveVideo() {
  while (avcodec_receive_frame(video_, frame_) == 0) {
    StoreFrame(frame_);
    av_frame_unref(frame_);
  }
}

void TitleDecoder::ReceiveAudio() {
  while (avcodec_receive_frame(audio_, frame_) == 0) {
    StoreAudio(frame_);
    av_frame_unref(frame_);
  }
}

bool TitleDecoder::ReadMore() {
  if (ended_ || !format_) return false;
  int r = av_read_frame(format_, packet_);
  if (r < 0) {
    // Drain the decoders.
    ended_ = true;
    if (r != AVERROR_EOF && failed_) return false;
    if (video_ && avcodec_send_packet(video_, nullptr) >= 0) ReceiveVideo();
    if (audio_ && avcodec_send_packet(audio_, nullptr) >= 0) ReceiveAudio();
    return true;
  }
  AVStream* st = format_->streams[packet_->stream_index];
  AVMediaType type = st->codecpar->codec_type;
  int index = packet_->stream_index;
  if (options_.WantVideo && type == AVMEDIA_TYPE_VIDEO && videoIndex_ < 0 && !video_) {
    if (OpenDecoderFor(index, video_)) videoIndex_ = index;
  }
  if (options_.WantAudio && type == AVMEDIA_TYPE_AUDIO && audioIndex_ < 0 && st->id == options_.AudioId) {
    if (OpenDecoderFor(index, audio_)) audioIndex_ = index;
  }
  if (options_.WantVideo && type == AVMEDIA_TYPE_SUBTITLE && subtitleIndex_ < 0 && st->id == options_.SubtitleId) {
    if (OpenDecoderFor(index, subtitle_)) subtitleIndex_ = index;
  }
  if (index == videoIndex_) {
    avcodec_send_packet(video_, packet_);
    ReceiveVideo();
  } else if (index == audioIndex_) {
    avcodec_send_packet(audio_, packet_);
    ReceiveAudio();
  } else if (index == subtitleIndex_) {
    DecodeSubtitle(packet_);
  }
  av_packet_unref(packet_);
  return !failed_;
}

DecodeStatus TitleDecoder::Next(VideoFrame& frame, AudioBlock& block) {
  for (;;) {
    if (Scrambled()) return DecodeStatus::Error;
    if (!videoOut_.empty()) {
      frame = std::move(videoOut_.front());
      videoOut_.pop_front();
      return DecodeStatus::Video;
    }
    if (!audioOut_.empty()) {
      block = std::move(audioOut_.front());
      audioOut_.pop_front();
      return DecodeStatus::Audio;
    }
    if (ended_) return failed_ ? DecodeStatus::Error : DecodeStatus::End;
    if (!ReadMore() && !ended_) return DecodeStatus::Error;
  }
}

}  // namespace disc
