// The rate converter module's three entries (exported by ordinal) and the bound on
// what one call writes, which callers size their output buffers by.
#pragma once

#include <cstdint>

#include "engines/include/EngineRecords.h"

inline constexpr char kRateConverterModule[] = "RateConverter.dll";
inline constexpr int kCreateRateConverterOrdinal = 10;
inline constexpr int kReleaseRateConverterOrdinal = 20;
inline constexpr int kConvertRateOrdinal = 30;

using RateConverterHandle = void*;
// 16-bit interleaved frames of inChannels at inRate into outChannels at outRate;
// channel counts 1..8. Null when the format is not supported.
using CreateRateConverterEntry = RateConverterHandle(VARNEL_STDCALL*)(int inChannels, int inRate,
                                                                      int outChannels, int outRate);
// Converts `frames` input frames; returns the frames written to `output`.
using ConvertRateEntry = int(VARNEL_STDCALL*)(RateConverterHandle handle, const std::int16_t* input,
                                              int frames, std::int16_t* output);
using ReleaseRateConverterEntry = void(VARNEL_STDCALL*)(RateConverterHandle handle);

// The converter keeps at most this many frames back inside itself between calls,
// so one call never writes more than RateConverterMaxOutput frames.
inline constexpr int kRateConverterDelay = 64;

inline std::int64_t RateConverterMaxOutput(std::int64_t frames, int inRate, int outRate) {
  if (inRate <= 0 || outRate <= 0 || frames <= 0) return 0;
  if (inRate == outRate) return frames;
  return (frames * outRate + inRate - 1) / inRate + kRateConverterDelay;
}
