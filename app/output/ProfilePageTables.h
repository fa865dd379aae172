// The values behind the lists of the profile editor's format pages: list item i
// shows entry i (the 3GP lists store an entry's index with each item instead).
// The pages read and show profiles through these tables, in both directions.
#pragma once

#include <cstdint>
#include <span>

struct FrameSize {
  std::int32_t Width;
  std::int32_t Height;
  bool operator==(const FrameSize&) const = default;
};

namespace page_tables {

// Frame-size lists; each list ends with "Custom" at the index equal to the length.
extern const std::span<const FrameSize> kSizesAVI;   // AVI, WMV, RealMedia (16)
extern const std::span<const FrameSize> kSizesMP4;   // MP4, MOV, FLV (17)
extern const std::span<const FrameSize> kSizesMPEG;  // MPEG (18)

// Frame rates, compared as doubles for exact equality.
extern const std::span<const double> kRatesAVI;
extern const std::span<const double> kRatesWMV;  // WMV and RealMedia
extern const std::span<const double> kRatesMP4;  // MP4 and MOV
extern const std::span<const double> kRatesMPEG;
extern const std::span<const double> kRatesFLV;
extern const std::span<const double> kRates3GP;

// Audio, in Hz and bit/s.
extern const std::span<const std::int32_t> kFrequencies;  // AVI, MP4, MOV, FLV
extern const std::span<const std::int32_t> kFrequenciesMPEG;
extern const std::span<const std::int32_t> kAudioBitratesAVI;
extern const std::span<const std::int32_t> kAudioBitratesFLV;
extern const std::span<const std::int32_t> kAudioBitratesMP4;  // MP4 and MOV
extern const std::span<const std::int32_t> kAudioBitratesMPEG;

// 3GP: by the index stored with each item (video bit rates by list index).
extern const std::span<const FrameSize> kSizes3GP;
extern const std::span<const std::int32_t> kVideoBitrates3GP;
extern const std::span<const std::int32_t> kFrequencies3GP;
extern const std::span<const std::int32_t> kAudioBitrates3GP;

}  // namespace page_tables
