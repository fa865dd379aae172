#include "app/output/ProfilePageTables.h"

namespace page_tables {
namespace {

constexpr FrameSize kSizesAVIData[] = {{80, 60},   {96, 72},   {128, 96},  {160, 120}, {176, 120}, {176, 144},
                                       {192, 144}, {240, 180}, {320, 200}, {320, 240}, {352, 240}, {352, 288},
                                       {640, 480}, {720, 480}, {720, 576}, {800, 600}};
constexpr FrameSize kSizesMP4Data[] = {{80, 60},   {96, 72},   {128, 96},  {160, 120}, {176, 120}, {176, 144},
                                       {192, 144}, {240, 180}, {320, 200}, {320, 240}, {352, 240}, {352, 288},
                                       {368, 208}, {640, 480}, {720, 480}, {720, 576}, {800, 600}};
constexpr FrameSize kSizesMPEGData[] = {{80, 60},   {96, 72},   {128, 96},  {160, 120}, {176, 120}, {176, 144},
                                        {192, 144}, {240, 180}, {320, 200}, {320, 240}, {352, 240}, {352, 288},
                                        {480, 480}, {480, 576}, {640, 480}, {720, 480}, {720, 576}, {800, 600}};
static_assert(std::size(kSizesAVIData) == 16 && std::size(kSizesMP4Data) == 17 && std::size(kSizesMPEGData) == 18);

constexpr double kRatesAVIData[] = {1.0, 2.0, 3.0, 5.0, 10.0, 12.0, 15.0, 20.0, 23.97, 24.0, 25.0, 29.97, 30.0};
constexpr double kRatesWMVData[] = {1.0,  2.0,  3.0,  4.0,   5.0,  6.0,  7.0,   8.0, 9.0, 10.0,
                                    11.0, 12.0, 15.0, 20.0, 23.97, 24.0, 25.0, 29.97, 30.0};
constexpr double kRatesMP4Data[] = {1.0, 2.0, 3.0, 5.0, 10.0, 12.0, 14.985, 15.0, 20.0, 23.97, 24.0, 25.0, 29.97, 30.0};
constexpr double kRatesMPEGData[] = {23.97, 24.0, 25.0, 29.97, 30.0};
constexpr double kRatesFLVData[] = {10.0, 12.0, 14.985, 15.0, 20.0, 24.0, 25.0, 29.97, 30.0};
constexpr double kRates3GPData[] = {11.988, 12.5, 14.985, 15.0, 18.0, 20.0, 23.98, 25.0, 29.97, 30.0};
static_assert(std::size(kRatesAVIData) == 13 && std::size(kRatesWMVData) == 19 && std::size(kRatesMP4Data) == 14);
static_assert(std::size(kRatesMPEGData) == 5 && std::size(kRatesFLVData) == 9 && std::size(kRates3GPData) == 10);

constexpr std::int32_t kFrequenciesData[] = {48000, 44100, 32000, 24000, 22050, 16000, 11025, 8000};
constexpr std::int32_t kFrequenciesMPEGData[] = {48000, 44100, 32000};
constexpr std::int32_t kAudioBitratesAVIData[] = {64000,  80000,  96000,  112000, 128000, 160000,
                                                  192000, 224000, 256000, 320000, 384000};
constexpr std::int32_t kAudioBitratesFLVData[] = {64000, 80000, 96000, 112000, 128000, 160000, 192000, 224000, 256000};
constexpr std::int32_t kAudioBitratesMP4Data[] = {32000,  48000,  56000,  64000,  80000,  96000,  112000,
                                                  128000, 160000, 192000, 224000, 256000, 320000, 384000};
constexpr std::int32_t kAudioBitratesMPEGData[] = {32000,  48000,  56000,  64000,  80000,  96000,  112000, 128000,
                                                   160000, 192000, 224000, 256000, 320000, 384000, 448000};
static_assert(std::size(kAudioBitratesAVIData) == 11 && std::size(kAudioBitratesFLVData) == 9);
static_assert(std::size(kAudioBitratesMP4Data) == 14 && std::size(kAudioBitratesMPEGData) == 15);

constexpr FrameSize kSizes3GPData[] = {{128, 96}, {160, 120}, {176, 144}, {220, 176}, {240, 192}, {320, 240}, {352, 288}};
constexpr std::int32_t kVideoBitrates3GPData[] = {40000,  64000,  75000,  80000,  85000,  96000,  120000,
                                                  128000, 144000, 160000, 192000, 240000, 256000, 288000,
                                                  336000, 384000, 432000, 480000, 512000};
constexpr std::int32_t kFrequencies3GPData[] = {48000, 44100, 32000, 24000, 22050, 16000, 12000, 11025, 8000};
constexpr std::int32_t kAudioBitrates3GPData[] = {4750,  5150,  5900,  6600,  6700,  7400,  7950,  8850,  10200,
                                                  12200, 12650, 14250, 15850, 18250, 19850, 20000, 23050, 23850,
                                                  24000, 32000, 48000, 56000, 64000, 96000, 112000, 128000};
static_assert(std::size(kSizes3GPData) == 7 && std::size(kVideoBitrates3GPData) == 19);
static_assert(std::size(kFrequencies3GPData) == 9 && std::size(kAudioBitrates3GPData) == 26);

}  // namespace

const std::span<const FrameSize> kSizesAVI(kSizesAVIData);
const std::span<const FrameSize> kSizesMP4(kSizesMP4Data);
const std::span<const FrameSize> kSizesMPEG(kSizesMPEGData);
const std::span<const double> kRatesAVI(kRatesAVIData);
const std::span<const double> kRatesWMV(kRatesWMVData);
const std::span<const double> kRatesMP4(kRatesMP4Data);
const std::span<const double> kRatesMPEG(kRatesMPEGData);
const std::span<const double> kRatesFLV(kRatesFLVData);
const std::span<const double> kRates3GP(kRates3GPData);
const std::span<const std::int32_t> kFrequencies(kFrequenciesData);
const std::span<const std::int32_t> kFrequenciesMPEG(kFrequenciesMPEGData);
const std::span<const std::int32_t> kAudioBitratesAVI(kAudioBitratesAVIData);
const std::span<const std::int32_t> kAudioBitratesFLV(kAudioBitratesFLVData);
const std::span<const std::int32_t> kAudioBitratesMP4(kAudioBitratesMP4Data);
const std::span<const std::int32_t> kAudioBitratesMPEG(kAudioBitratesMPEGData);
const std::span<const FrameSize> kSizes3GP(kSizes3GPData);
const std::span<const std::int32_t> kVideoBitrates3GP(kVideoBitrates3GPData);
const std::span<const std::int32_t> kFrequencies3GP(kFrequencies3GPData);
const std::span<const std::int32_t> kAudioBitrates3GP(kAudioBitrates3GPData);

}  // namespace page_tables
