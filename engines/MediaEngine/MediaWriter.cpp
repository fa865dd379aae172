#include "engines/MediaEngine/MediaWriter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engines/EncoderCommon/PluginHost.h"
#include "engines/MediaEngine/CodecNames.h"
#include "engines/MediaEngine/FrameScaling.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

namespace {

constexpr int kMaxSide = 8192;

// A decimal number, whole text, not negative.
bool ParseCount(const char* text, std::int64_t& value) {
  if (!text || !*text) return false;
  char* end = nullptr;
  long long v = std::strtoll(text, &end, 10);
  if (*end || v < 0) return false;
  value = v;
  return true;
}

// "4:3", "16/9" or a decimal number; false for anything not positive and finite.
bool ParseAspect(const char* text, double& value) {
  if (!text || !*text) return false;
  char* end = nullptr;
  double a = std::strtod(text, &end);
  if (*end == ':' || *end == '/') {
    char* end2 = nullptr;
    double b = std::strtod(end + 1, &end2);
    if (*end2 || !(b > 0)) return false;
    a /= b;
  } else if (*end) {
    return false;
  }
  if (!std::isfinite(a) || !(a > 0)) return false;
  value = a;
  return true;
}

// Whether FFmpeg's generic codec or format options know this name.
bool KnownGenericOption(const char* name) {
  const AVClass* codecClass = avcodec_get_class();
  const AVClass* formatClass = avformat_get_class();
  return av_opt_find(&codecClass, name, nullptr, 0, AV_OPT_SEARCH_FAKE_OBJ) ||
         av_opt_find(&formatClass, name, nullptr, 0, AV_OPT_SEARCH_FAKE_OBJ);
}

}  // namespace

// The FFmpeg objects of an open file; freed in reverse order of creation.
struct MediaWriter::Open {
  AVFormatContext* format = nullptr;
  bool fileOpen = false;
  AVCodecContext* video = nullptr;
  AVStream* videoStream = nullptr;
  // Pictures handed to the video encoder; one it still holds is not written over,
  // the next free one (or a new one) takes the frame instead.
  std::vector<AVFrame*> pictures;
  CroppedScaler scaler;
  std::int64_t videoPts = 0;
  AVCodecContext* audio = nullptr;
  AVStream* audioStream = nullptr;
  SwrContext* resampler = nullptr;
  AVAudioFifo* fifo = nullptr;
  AVFrame* samples = nullptr;
  std::uint8_t** converted = nullptr;  // resampler output, kept between blocks
  int convertedRoom = 0;               // its size in samples per channel
  int frameSize = 0;
  std::int64_t audioPts = 0;
  AVPacket* packet = nullptr;

  ~Open() {
    av_packet_free(&packet);
    if (converted) av_freep(&converted[0]);
    av_freep(&converted);
    av_frame_free(&samples);
    if (fifo) av_audio_fifo_free(fifo);
    swr_free(&resampler);
    avcodec_free_context(&audio);
    for (AVFrame*& picture : pictures) av_frame_free(&picture);
    avcodec_free_context(&video);
    if (format && fileOpen) avio_closep(&format->pb);
    avformat_free_context(format);
  }

  bool Drain(AVCodecContext* codec, AVStream* stream) {
    for (;;) {
      int rc = avcodec_receive_packet(codec, packet);
      if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return true;
      if (rc < 0) return false;
      av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
      packet->stream_index = stream->index;
      if (av_interleaved_write_frame(format, packet) < 0) return false;
    }
  }

  // A picture of the output size and format that no one else holds.
  AVFrame* FreePicture(int width, int height) {
    for (AVFrame* picture : pictures)
      if (av_frame_is_writable(picture)) return picture;
    AVFrame* picture = nullptr;
    if (!AllocatePicture(picture, width, height, video->pix_fmt)) {
      av_frame_free(&picture);
      return nullptr;
    }
    pictures.push_back(picture);
    return picture;
  }

  // Room for `count` converted samples per channel; false when out of memory.
  bool ConvertedRoom(int count) {
    if (count <= convertedRoom) return true;
    if (converted) av_freep(&converted[0]);
    av_freep(&converted);
    convertedRoom = 0;
    if (av_samples_alloc_array_and_samples(&converted, nullptr, audio->ch_layout.nb_channels, count,
                                           audio->sample_fmt, 0) < 0) {
      return false;
    }
    convertedRoom = count;
    return true;
  }

  bool EncodeAudioFrame(int count) {
    // The frame's buffer is used again unless the encoder still holds it.
    if (!samples->buf[0] || samples->nb_samples != count || !av_frame_is_writable(samples)) {
      av_frame_unref(samples);
      samples->nb_samples = count;
      samples->format = audio->sample_fmt;
      samples->sample_rate = audio->sample_rate;
      if (av_channel_layout_copy(&samples->ch_layout, &audio->ch_layout) < 0) return false;
      if (av_frame_get_buffer(samples, 0) < 0) return false;
    }
    int got = av_audio_fifo_read(fifo, reinterpret_cast<void**>(samples->data), count);
    if (got < 0) return false;
    if (got < count) {
      av_samples_set_silence(samples->data, got, count - got, audio->ch_layout.nb_channels, audio->sample_fmt);
    }
    samples->pts = audioPts;
    audioPts += count;
    if (avcodec_send_frame(audio, samples) < 0) return false;
    return Drain(audio, audioStream);
  }
};

MediaWriter::MediaWriter(const char* outputPath) : path_(outputPath ? outputPath : "") {
  // Failures reach the caller as results; FFmpeg's own messages stay quiet.
  av_log_set_level(AV_LOG_QUIET);
}

MediaWriter::~MediaWriter() {
  if (open_) End();
}

std::uint8_t MediaWriter::SetVideoCodec(const char* name) {
  const EncoderName* codec = FindVideoEncoder(name);
  if (!codec || open_) return 1;
  videoEncoder_ = codec->ffmpegName;
  videoTag_ = codec->tag ? codec->tag : "";
  return 0;
}

std::uint8_t MediaWriter::SetAudioCodec(const char* name) {
  const EncoderName* codec = FindAudioEncoder(name);
  if (!codec || open_) return 1;
  audioEncoder_ = codec->ffmpegName;
  return 0;
}

std::uint8_t MediaWriter::SetFormat(const char* container) {
  const char* muxer = FindContainer(container);
  if (!muxer || open_) return 1;
  container_ = muxer;
  return 0;
}

std::uint8_t MediaWriter::SetAudioParams(std::int32_t outRate, std::int32_t outChannels, std::int32_t bitRate,
                                         std::int32_t inRate, std::int32_t inChannels) {
  if (open_) return 1;
  if (outRate <= 0 || outRate > 192000 || inRate <= 0 || inRate > 192000) return 1;
  if (outChannels < 1 || outChannels > 2 || inChannels < 1 || inChannels > 8 || bitRate < 0) return 1;
  outRate_ = outRate;
  outChannels_ = outChannels;
  audioBitRate_ = bitRate;
  inRate_ = inRate;
  inChannels_ = inChannels;
  hasAudioParams_ = true;
  return 0;
}

std::uint8_t MediaWriter::SetVideoParams(std::int32_t width, std::int32_t height, std::int32_t bitRate,
                                         double frameRate, std::int32_t sourceWidth, std::int32_t sourceHeight,
                                         std::int32_t pixelFormat, std::int32_t cropLeft, std::int32_t cropRight,
                                         std::int32_t cropTop, std::int32_t cropBottom, std::int32_t,
                                         std::int32_t, std::int32_t, std::int32_t) {
  if (open_) return 1;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || bitRate < 0) return 1;
  if (!std::isfinite(frameRate) || frameRate <= 0 || frameRate > 1000) return 1;
  if (!SourceFormatFits(pixelFormat, sourceWidth, sourceHeight)) return 1;
  if (cropLeft < 0 || cropRight < 0 || cropTop < 0 || cropBottom < 0) return 1;
  if (static_cast<std::int64_t>(cropLeft) + cropRight + 2 > sourceWidth ||
      static_cast<std::int64_t>(cropTop) + cropBottom + 2 > sourceHeight) {
    return 1;
  }
  width_ = width;
  height_ = height;
  videoBitRate_ = bitRate;
  frameRate_ = frameRate;
  sourceWidth_ = sourceWidth;
  sourceHeight_ = sourceHeight;
  pixelFormat_ = pixelFormat;
  cropLeft_ = cropLeft;
  cropRight_ = cropRight;
  cropTop_ = cropTop;
  cropBottom_ = cropBottom;
  hasVideoParams_ = true;
  return 0;
}

std::uint8_t MediaWriter::SetOption(const char* name, const char* value) {
  if (!name || !value || open_) return 1;
  const std::string key = name;
  auto flag = [&](bool& field) -> std::uint8_t {
    if (std::strcmp(value, "0") && std::strcmp(value, "1")) return 1;
    field = value[0] == '1';
    return 0;
  };
  auto count = [&](std::int64_t& field) -> std::uint8_t { return ParseCount(value, field) ? 0 : 1; };
  if (key == "bitexact") return flag(bitExact_);
  if (key == "fix_aspect_ratio") return flag(keepAspect_);
  if (key == "aspect") return ParseAspect(value, displayAspect_) ? 0 : 1;
  if (key == "video_rc_max_rate") return count(rcMax_);
  if (key == "video_rc_min_rate") return count(rcMin_);
  if (key == "video_rc_buffer_size") return count(rcBuffer_);
  if (key == "video_bit_rate_tolerance") return count(tolerance_);
  if (key == "vcodecTag") {
    if (std::strlen(value) != 4) return 1;
    videoTag_ = value;
    return 0;
  }
  static const std::map<std::string, std::string> kTagKeys = {
      {"str_title", "title"},     {"str_author", "author"},    {"str_copyright", "copyright"},
      {"str_comment", "comment"}, {"rec_timestamp", "date"},
  };
  if (auto tag = kTagKeys.find(key); tag != kTagKeys.end()) {
    if (*value) tags_[tag->second] = value;
    else tags_.erase(tag->second);
    return 0;
  }
  // Any other name is one of FFmpeg's codec or format options, applied on Begin.
  if (!KnownGenericOption(name)) return 1;
  codecOptions_[key] = value;
  return 0;
}

std::uint8_t MediaWriter::Begin() {
  if (open_ || path_.empty()) return 1;
  if (videoEncoder_.empty() && audioEncoder_.empty()) return 1;
  if (!videoEncoder_.empty() && !hasVideoParams_) return 1;
  if (!audioEncoder_.empty() && !hasAudioParams_) return 1;
  auto state = std::make_unique<Open>();
  Open& s = *state;
  if (avformat_alloc_output_context2(&s.format, nullptr, container_.empty() ? nullptr : container_.c_str(),
                                     path_.c_str()) < 0) {
    return 1;
  }
  s.packet = av_packet_alloc();
  if (!s.packet) return 1;
  if (bitExact_) s.format->flags |= AVFMT_FLAG_BITEXACT;
  const bool globalHeader = s.format->oformat->flags & AVFMT_GLOBALHEADER;

  if (!videoEncoder_.empty()) {
    const AVCodec* codec = avcodec_find_encoder_by_name(videoEncoder_.c_str());
    if (!codec) return 1;
    s.video = avcodec_alloc_context3(codec);
    s.videoStream = avformat_new_stream(s.format, nullptr);
    if (!s.video || !s.videoStream) return 1;
    AVRational rate = av_d2q(frameRate_, 65535);
    if (codec->supported_framerates) {
      rate = codec->supported_framerates[av_find_nearest_q_idx(rate, codec->supported_framerates)];
    }
    s.video->width = width_;
    s.video->height = height_;
    s.video->time_base = av_inv_q(rate);
    s.video->framerate = rate;
    // The encoder's first pixel format (full-range YUV for Motion JPEG).
    s.video->pix_fmt = codec->pix_fmts ? codec->pix_fmts[0] : AV_PIX_FMT_YUV420P;
    if (s.video->pix_fmt == AV_PIX_FMT_YUVJ420P) s.video->color_range = AVCOL_RANGE_JPEG;
    if (videoBitRate_ > 0) s.video->bit_rate = videoBitRate_;
    if (rcMax_ >= 0) s.video->rc_max_rate = rcMax_;
    if (rcMin_ >= 0) s.video->rc_min_rate = rcMin_;
    if (rcBuffer_ >= 0) s.video->rc_buffer_size = static_cast<int>(std::min<std::int64_t>(rcBuffer_, INT32_MAX));
    if (tolerance_ >= 0) s.video->bit_rate_tolerance = static_cast<int>(std::min<std::int64_t>(tolerance_, INT32_MAX));
    if (qscale_ > 0) {
      s.video->flags |= AV_CODEC_FLAG_QSCALE;
      s.video->global_quality = FF_QP2LAMBDA * qscale_;
    }
    s.video->gop_size = gop_ > 0 ? gop_ : 12;
    s.video->max_b_frames = 0;
    if (noiseReduction_ > 0) av_opt_set_int(s.video, "noise_reduction", noiseReduction_, AV_OPT_SEARCH_CHILDREN);
    if (bitExact_) s.video->flags |= AV_CODEC_FLAG_BITEXACT;
    if (globalHeader) s.video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (displayAspect_ > 0) {
      s.video->sample_aspect_ratio = av_d2q(displayAspect_ * height_ / width_, 255);
      s.videoStream->sample_aspect_ratio = s.video->sample_aspect_ratio;
    }
    if (videoTag_.size() == 4) {
      s.video->codec_tag = MKTAG(videoTag_[0], videoTag_[1], videoTag_[2], videoTag_[3]);
    }
    AVDictionary* options = nullptr;
    for (const auto& [key, value] : codecOptions_) av_dict_set(&options, key.c_str(), value.c_str(), 0);
    int rc = avcodec_open2(s.video, codec, &options);
    bool unused = av_dict_count(options) > 0;
    av_dict_free(&options);
    if (rc < 0 || unused) return 1;
    if (avcodec_parameters_from_context(s.videoStream->codecpar, s.video) < 0) return 1;
    s.videoStream->time_base = s.video->time_base;
    s.videoStream->avg_frame_rate = rate;
    CropMargins crop{cropLeft_, cropRight_, cropTop_, cropBottom_};
    if (!s.scaler.Configure(sourceWidth_, sourceHeight_, pixelFormat_, crop, width_, height_, s.video->pix_fmt,
                            keepAspect_)) {
      return 1;
    }
    if (!s.FreePicture(width_, height_)) return 1;
  }

  if (!audioEncoder_.empty()) {
    const AVCodec* codec = avcodec_find_encoder_by_name(audioEncoder_.c_str());
    if (!codec) return 1;
    if (codec->supported_samplerates) {
      bool supported = false;
      for (const int* r = codec->supported_samplerates; *r; ++r) supported |= *r == outRate_;
      if (!supported) return 1;
    }
    s.audio = avcodec_alloc_context3(codec);
    s.audioStream = avformat_new_stream(s.format, nullptr);
    if (!s.audio || !s.audioStream) return 1;
    s.audio->sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    s.audio->sample_rate = outRate_;
    av_channel_layout_default(&s.audio->ch_layout, outChannels_);
    s.audio->time_base = AVRational{1, outRate_};
    if (audioBitRate_ > 0) s.audio->bit_rate = audioBitRate_;
    if (bitExact_) s.audio->flags |= AV_CODEC_FLAG_BITEXACT;
    if (globalHeader) s.audio->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(s.audio, codec, nullptr) < 0) return 1;
    if (avcodec_parameters_from_context(s.audioStream->codecpar, s.audio) < 0) return 1;
    s.audioStream->time_base = s.audio->time_base;
    AVChannelLayout in;
    av_channel_layout_default(&in, inChannels_);
    int rc = swr_alloc_set_opts2(&s.resampler, &s.audio->ch_layout, s.audio->sample_fmt, outRate_, &in,
                                 AV_SAMPLE_FMT_S16, inRate_, 0, nullptr);
    av_channel_layout_uninit(&in);
    if (rc < 0 || swr_init(s.resampler) < 0) return 1;
    s.frameSize = s.audio->frame_size > 0 ? s.audio->frame_size : 1024;
    s.fifo = av_audio_fifo_alloc(s.audio->sample_fmt, outChannels_, s.frameSize * 2);
    s.samples = av_frame_alloc();
    if (!s.fifo || !s.samples) return 1;
  }

  for (const auto& [key, value] : tags_) av_dict_set(&s.format->metadata, key.c_str(), value.c_str(), 0);
  if (avio_open(&s.format->pb, AnsiToUtf8(path_).c_str(), AVIO_FLAG_WRITE) < 0) return 1;
  s.fileOpen = true;
  if (avformat_write_header(s.format, nullptr) < 0) {
    state.reset();
    RemoveOutputFile(path_.c_str());
    return 1;
  }
  open_ = std::move(state);
  finalSize_ = 0;
  return 0;
}

std::uint8_t MediaWriter::WriteVideo(const void* frame, std::int32_t, std::int32_t) {
  if (!open_ || !open_->video || !frame) return 1;
  Open& s = *open_;
  AVFrame* picture = s.FreePicture(width_, height_);
  if (!picture || !s.scaler.Scale(frame, picture)) return 1;
  picture->pts = s.videoPts++;
  if (avcodec_send_frame(s.video, picture) < 0) return 1;
  return s.Drain(s.video, s.videoStream) ? 0 : 1;
}

std::uint8_t MediaWriter::WriteAudio(const std::int16_t* samples, std::int32_t byteCount, std::int32_t,
                                     std::int32_t) {
  if (!open_ || !open_->audio || byteCount < 0 || (byteCount > 0 && !samples)) return 1;
  Open& s = *open_;
  const int inFrames = byteCount / (2 * inChannels_);
  if (inFrames == 0) return 0;
  int room = swr_get_out_samples(s.resampler, inFrames);
  if (room < 0 || !s.ConvertedRoom(room)) return 1;
  const std::uint8_t* in[1] = {reinterpret_cast<const std::uint8_t*>(samples)};
  int made = swr_convert(s.resampler, s.converted, room, in, inFrames);
  bool ok = made >= 0 && av_audio_fifo_write(s.fifo, reinterpret_cast<void**>(s.converted), made) == made;
  while (ok && av_audio_fifo_size(s.fifo) >= s.frameSize) ok = s.EncodeAudioFrame(s.frameSize);
  return ok ? 0 : 1;
}

std::uint8_t MediaWriter::End() {
  if (!open_) return 0;
  Open& s = *open_;
  bool ok = true;
  if (s.audio) {
    // What the resampler still holds, then a last (padded or short) frame.
    for (;;) {
      const int room = s.frameSize;
      if (!s.ConvertedRoom(room)) {
        ok = false;
        break;
      }
      int made = swr_convert(s.resampler, s.converted, room, nullptr, 0);
      if (made > 0 && av_audio_fifo_write(s.fifo, reinterpret_cast<void**>(s.converted), made) != made) ok = false;
      if (made <= 0 || !ok) break;
    }
    while (ok && av_audio_fifo_size(s.fifo) >= s.frameSize) ok = s.EncodeAudioFrame(s.frameSize);
    int rest = av_audio_fifo_size(s.fifo);
    if (ok && rest > 0) {
      bool shortLast = s.audio->codec->capabilities &
                       (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE);
      ok = s.EncodeAudioFrame(shortLast ? rest : s.frameSize);
    }
    if (avcodec_send_frame(s.audio, nullptr) >= 0) ok = s.Drain(s.audio, s.audioStream) && ok;
  }
  if (s.video && avcodec_send_frame(s.video, nullptr) >= 0) ok = s.Drain(s.video, s.videoStream) && ok;
  ok = av_write_trailer(s.format) >= 0 && ok;
  avio_flush(s.format->pb);
  finalSize_ = avio_size(s.format->pb);
  if (finalSize_ < 0) finalSize_ = avio_tell(s.format->pb);
  open_.reset();
  return ok ? 0 : 1;
}

std::int64_t MediaWriter::GetOutputSize() {
  if (!open_) return finalSize_;
  return avio_tell(open_->format->pb);
}
