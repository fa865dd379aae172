// RateConverter.dll: sample-rate and channel conversion of 16-bit interleaved audio
// over FFmpeg's swresample. A converter keeps its filter state between calls, so a
// stream fed block by block comes out as one continuous signal; channel changes use
// swresample's standard down- and up-mix of the default layouts.
#include "engines/RateConverter/RateConverterApi.h"

#include <new>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
}

namespace {

constexpr int kMaxChannels = 8;
constexpr int kMaxRate = 384000;

struct Converter {
  SwrContext* swr = nullptr;
  int inChannels = 0, inRate = 0, outChannels = 0, outRate = 0;
};

bool ValidFormat(int channels, int rate) {
  return channels >= 1 && channels <= kMaxChannels && rate >= 1000 && rate <= kMaxRate;
}

}  // namespace

extern "C" {

RateConverterHandle VARNEL_STDCALL CreateRateConverter(int inChannels, int inRate, int outChannels,
                                                       int outRate) {
  if (!ValidFormat(inChannels, inRate) || !ValidFormat(outChannels, outRate)) return nullptr;
  AVChannelLayout inLayout, outLayout;
  av_channel_layout_default(&inLayout, inChannels);
  av_channel_layout_default(&outLayout, outChannels);
  SwrContext* swr = nullptr;
  int rc = swr_alloc_set_opts2(&swr, &outLayout, AV_SAMPLE_FMT_S16, outRate, &inLayout,
                               AV_SAMPLE_FMT_S16, inRate, 0, nullptr);
  av_channel_layout_uninit(&inLayout);
  av_channel_layout_uninit(&outLayout);
  if (rc < 0 || !swr || swr_init(swr) < 0) {
    swr_free(&swr);
    return nullptr;
  }
  auto* converter = new (std::nothrow) Converter{swr, inChannels, inRate, outChannels, outRate};
  if (!converter) swr_free(&swr);
  return converter;
}

int VARNEL_STDCALL ConvertRate(RateConverterHandle handle, const std::int16_t* input, int frames,
                               std::int16_t* output) {
  auto* converter = static_cast<Converter*>(handle);
  if (!converter || !input || !output || frames <= 0) return 0;
  std::int64_t room = RateConverterMaxOutput(frames, converter->inRate, converter->outRate);
  const std::uint8_t* in[1] = {reinterpret_cast<const std::uint8_t*>(input)};
  std::uint8_t* out[1] = {reinterpret_cast<std::uint8_t*>(output)};
  int written = swr_convert(converter->swr, out, static_cast<int>(room), in, frames);
  return written < 0 ? 0 : written;
}

void VARNEL_STDCALL ReleaseRateConverter(RateConverterHandle handle) {
  auto* converter = static_cast<Converter*>(handle);
  if (!converter) return;
  swr_free(&converter->swr);
  delete converter;
}

}  // extern "C"
