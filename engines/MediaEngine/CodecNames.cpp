#include "engines/MediaEngine/CodecNames.h"

#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

// Names whose FFmpeg encoder has another name, or that write a tag of their own.
// Every other name is looked up as FFmpeg's encoder name of the right media type.
constexpr EncoderName kVideoNames[] = {
    {"xvid", "mpeg4", "XVID"},
    {"h264", "libx264", nullptr},
    {"msmpeg4v1", "msmpeg4v1", nullptr},  // FFmpeg has no encoder for it
};
constexpr EncoderName kAudioNames[] = {
    {"mp3", "libmp3lame", nullptr},
    {"amr_nb", "libopencore_amrnb", nullptr},
    {"amr_wb", "libvo_amrwbenc", nullptr},
};

struct ContainerName {
  const char* name;
  const char* muxer;
};
constexpr ContainerName kContainers[] = {
    {"mpeg", "mpeg"}, {"dvd", "dvd"}, {"3gp", "3gp"}, {"3g2", "3g2"}, {"mp4", "mp4"},
    {"mov", "mov"},   {"avi", "avi"}, {"flv", "flv"}, {"asf", "asf"}, {"rm", "rm"},
};

template <std::size_t N>
const EncoderName* Find(const EncoderName (&table)[N], const char* name, AVMediaType type) {
  if (!name || !*name) return nullptr;
  static thread_local EncoderName plain;
  const EncoderName* row = nullptr;
  for (const EncoderName& r : table) {
    if (std::strcmp(r.name, name) == 0) row = &r;
  }
  if (!row) {
    plain = {name, name, nullptr};
    row = &plain;
  }
  const AVCodec* codec = avcodec_find_encoder_by_name(row->ffmpegName);
  if (!codec || codec->type != type) return nullptr;
  return row;
}

}  // namespace

const EncoderName* FindVideoEncoder(const char* name) { return Find(kVideoNames, name, AVMEDIA_TYPE_VIDEO); }

const EncoderName* FindAudioEncoder(const char* name) { return Find(kAudioNames, name, AVMEDIA_TYPE_AUDIO); }

const char* FindContainer(const char* name) {
  if (!name || !*name) return nullptr;
  for (const ContainerName& c : kContainers) {
    if (std::strcmp(c.name, name) == 0) return av_guess_format(c.muxer, nullptr, nullptr) ? c.muxer : nullptr;
  }
  const AVOutputFormat* format = av_guess_format(name, nullptr, nullptr);
  return format && std::strcmp(format->name, name) == 0 ? format->name : nullptr;
}
