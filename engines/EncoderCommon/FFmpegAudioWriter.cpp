#include "engines/EncoderCommon/FFmpegAudioWriter.h"

#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

FFmpegAudioWriter::~FFmpegAudioWriter() { Release(); }

void FFmpegAudioWriter::Release() {
  if (format_ && fileOpen_) avio_closep(&format_->pb);
  fileOpen_ = false;
  avformat_free_context(format_);
  format_ = nullptr;
  avcodec_free_context(&codec_);
  av_frame_free(&frame_);
  av_packet_free(&packet_);
}

bool FFmpegAudioWriter::Open(const char* path, const FFmpegAudioSettings& s, const TagTexts& tags) {
  path_ = path;
  const AVCodec* codec = avcodec_find_encoder_by_name(s.encoder);
  if (!codec || avformat_alloc_output_context2(&format_, nullptr, s.muxer, nullptr) < 0) return false;
  AVStream* stream = avformat_new_stream(format_, nullptr);
  codec_ = avcodec_alloc_context3(codec);
  frame_ = av_frame_alloc();
  packet_ = av_packet_alloc();
  if (!stream || !codec_ || !frame_ || !packet_) return false;

  channels_ = s.channels;
  codec_->sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
  codec_->sample_rate = s.rate;
  av_channel_layout_default(&codec_->ch_layout, s.channels);
  codec_->time_base = AVRational{1, s.rate};
  if (s.bitRate > 0) codec_->bit_rate = s.bitRate;
  if (s.globalQuality > 0) {
    codec_->flags |= AV_CODEC_FLAG_QSCALE;
    codec_->global_quality = s.globalQuality;
  }
  if (s.profile != -99) codec_->profile = s.profile;
  if (s.cutoff > 0) codec_->cutoff = s.cutoff;
  if (format_->oformat->flags & AVFMT_GLOBALHEADER) codec_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  AVDictionary* codecOptions = nullptr;
  for (const auto& [key, value] : s.codecOptions) av_dict_set(&codecOptions, key.c_str(), value.c_str(), 0);
  int rc = avcodec_open2(codec_, codec, &codecOptions);
  av_dict_free(&codecOptions);
  if (rc < 0) return false;
  if (avcodec_parameters_from_context(stream->codecpar, codec_) < 0) return false;
  stream->time_base = codec_->time_base;
  frameSize_ = codec_->frame_size > 0 ? codec_->frame_size : 4096;

  auto tag = [&](const char* key, const std::string& text) {
    if (!text.empty()) av_dict_set(&format_->metadata, key, AnsiToUtf8(text).c_str(), 0);
  };
  tag("title", tags.title);
  tag("artist", tags.artist);
  tag("author", tags.artist);
  tag("album", tags.album);
  tag("comment", tags.comment);
  tag("genre", tags.genre);
  tag("date", tags.year);
  tag("composer", tags.composer);
  tag("copyright", tags.copyright);
  tag("encoded_by", tags.encodedBy);
  if (tags.track > 0) tag("track", std::to_string(tags.track));

  if (avio_open(&format_->pb, AnsiToUtf8(path).c_str(), AVIO_FLAG_WRITE) < 0) return false;
  fileOpen_ = true;
  AVDictionary* muxerOptions = nullptr;
  for (const auto& [key, value] : s.muxerOptions) av_dict_set(&muxerOptions, key.c_str(), value.c_str(), 0);
  rc = avformat_write_header(format_, &muxerOptions);
  av_dict_free(&muxerOptions);
  if (rc < 0) {
    Release();
    RemoveOutputFile(path);
    return false;
  }
  return true;
}

bool FFmpegAudioWriter::Write(const std::int16_t* frames, int count) {
  if (!codec_ || !fileOpen_) return false;
  pending_.insert(pending_.end(), frames, frames + static_cast<std::size_t>(count) * channels_);
  const std::size_t whole = static_cast<std::size_t>(frameSize_) * channels_;
  std::size_t done = 0;
  bool ok = true;
  while (ok && pending_.size() - done >= whole) {
    ok = EncodeFrame(pending_.data() + done, frameSize_);
    done += whole;
  }
  pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(done));
  return ok;
}

bool FFmpegAudioWriter::EncodeFrame(const std::int16_t* frames, int count) {
  // Encoders without small last frames get the last frame padded with silence.
  bool small = codec_->codec->capabilities & (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE);
  int samples = small ? count : frameSize_;
  av_frame_unref(frame_);
  frame_->nb_samples = samples;
  frame_->format = codec_->sample_fmt;
  frame_->sample_rate = codec_->sample_rate;
  if (av_channel_layout_copy(&frame_->ch_layout, &codec_->ch_layout) < 0) return false;
  if (av_frame_get_buffer(frame_, 0) < 0) return false;
  const int c = channels_;
  for (int f = 0; f < samples; ++f) {
    for (int ch = 0; ch < c; ++ch) {
      std::int16_t v = f < count ? frames[static_cast<std::size_t>(f) * c + ch] : 0;
      switch (codec_->sample_fmt) {
        case AV_SAMPLE_FMT_S16: reinterpret_cast<std::int16_t*>(frame_->data[0])[f * c + ch] = v; break;
        case AV_SAMPLE_FMT_S16P: reinterpret_cast<std::int16_t*>(frame_->data[ch])[f] = v; break;
        case AV_SAMPLE_FMT_FLT: reinterpret_cast<float*>(frame_->data[0])[f * c + ch] = v / 32768.0f; break;
        case AV_SAMPLE_FMT_FLTP: reinterpret_cast<float*>(frame_->data[ch])[f] = v / 32768.0f; break;
        case AV_SAMPLE_FMT_S32: reinterpret_cast<std::int32_t*>(frame_->data[0])[f * c + ch] = v * 65536; break;
        case AV_SAMPLE_FMT_S32P: reinterpret_cast<std::int32_t*>(frame_->data[ch])[f] = v * 65536; break;
        default: return false;
      }
    }
  }
  frame_->pts = pts_;
  pts_ += samples;
  if (avcodec_send_frame(codec_, frame_) < 0) return false;
  return DrainPackets();
}

bool FFmpegAudioWriter::DrainPackets() {
  AVStream* stream = format_->streams[0];
  for (;;) {
    int rc = avcodec_receive_packet(codec_, packet_);
    if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return true;
    if (rc < 0) return false;
    av_packet_rescale_ts(packet_, codec_->time_base, stream->time_base);
    packet_->stream_index = 0;
    if (av_interleaved_write_frame(format_, packet_) < 0) return false;
  }
}

bool FFmpegAudioWriter::Finish() {
  if (!codec_ || !fileOpen_) {
    Release();
    return false;
  }
  bool ok = true;
  if (!pending_.empty()) ok = EncodeFrame(pending_.data(), static_cast<int>(pending_.size() / channels_));
  pending_.clear();
  if (avcodec_send_frame(codec_, nullptr) >= 0) ok = DrainPackets() && ok;
  ok = av_write_trailer(format_) >= 0 && ok;
  Release();
  return ok;
}
