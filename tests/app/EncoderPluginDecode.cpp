#include "tests/app/EncoderPluginDecode.h"

#include <cctype>
#include <cmath>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

void CollectTags(const AVDictionary* dict, std::map<std::string, std::string>& tags) {
  const AVDictionaryEntry* e = nullptr;
  while ((e = av_dict_get(dict, "", e, AV_DICT_IGNORE_SUFFIX)) != nullptr) {
    std::string key = e->key;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    tags.emplace(key, e->value);
  }
}

std::int16_t Sample(const AVFrame* f, int format, int channels, int i, int c) {
  switch (format) {
    case AV_SAMPLE_FMT_S16: return reinterpret_cast<const std::int16_t*>(f->data[0])[i * channels + c];
    case AV_SAMPLE_FMT_S16P: return reinterpret_cast<const std::int16_t*>(f->data[c])[i];
    case AV_SAMPLE_FMT_S32: return static_cast<std::int16_t>(reinterpret_cast<const std::int32_t*>(f->data[0])[i * channels + c] >> 16);
    case AV_SAMPLE_FMT_S32P: return static_cast<std::int16_t>(reinterpret_cast<const std::int32_t*>(f->data[c])[i] >> 16);
    case AV_SAMPLE_FMT_FLT: return static_cast<std::int16_t>(std::lrint(reinterpret_cast<const float*>(f->data[0])[i * channels + c] * 32767.0f));
    case AV_SAMPLE_FMT_FLTP: return static_cast<std::int16_t>(std::lrint(reinterpret_cast<const float*>(f->data[c])[i] * 32767.0f));
    default: return 0;
  }
}

}  // namespace

DecodedAudio DecodeAudioFile(const std::string& path, bool keepSamples) {
  DecodedAudio out;
  AVFormatContext* fmt = nullptr;
  if (avformat_open_input(&fmt, path.c_str(), nullptr, nullptr) < 0) return out;
  AVCodecContext* dec = nullptr;
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  int stream = -1;
  if (avformat_find_stream_info(fmt, nullptr) >= 0)
    stream = av_find_best_stream(fmt, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  if (stream >= 0) {
    AVStream* s = fmt->streams[stream];
    const AVCodec* codec = avcodec_find_decoder(s->codecpar->codec_id);
    dec = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (dec && avcodec_parameters_to_context(dec, s->codecpar) >= 0 && avcodec_open2(dec, codec, nullptr) >= 0) {
      out.container = fmt->iformat->name;
      out.codec = avcodec_get_name(s->codecpar->codec_id);
      out.rate = dec->sample_rate;
      out.channels = dec->ch_layout.nb_channels;
      CollectTags(fmt->metadata, out.tags);
      CollectTags(s->metadata, out.tags);
      bool failed = false;
      auto take = [&]() {
        while (avcodec_receive_frame(dec, frame) >= 0) {
          out.frames += frame->nb_samples;
          if (keepSamples)
            for (int i = 0; i < frame->nb_samples; ++i)
              for (int c = 0; c < out.channels; ++c)
                out.samples.push_back(Sample(frame, frame->format, out.channels, i, c));
        }
      };
      while (av_read_frame(fmt, packet) >= 0) {
        if (packet->stream_index == stream) {
          if (avcodec_send_packet(dec, packet) < 0) failed = true;
          take();
        }
        av_packet_unref(packet);
      }
      avcodec_send_packet(dec, nullptr);
      take();
      out.ok = !failed;
    }
  }
  av_frame_free(&frame);
  av_packet_free(&packet);
  avcodec_free_context(&dec);
  avformat_close_input(&fmt);
  return out;
}
