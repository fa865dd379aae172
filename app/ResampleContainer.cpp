#include "app/ResampleContainer.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engines/RateConverter/RateConverterApi.h"
#include "platform/core/FileUtils.h"
#include "platform/core/WinApi.h"

namespace {

// The rate converter module, loaded on first use and kept for the program's run.
struct RateConverterLibrary {
  HMODULE module = nullptr;
  CreateRateConverterEntry create = nullptr;
  ConvertRateEntry convert = nullptr;
  ReleaseRateConverterEntry release = nullptr;

  bool Ready() {
    if (module) return true;
    HMODULE m = ::LoadLibraryA((ProgramFolder() + kRateConverterModule).c_str());
    if (!m) m = ::LoadLibraryA(kRateConverterModule);
    if (!m) return false;
    create = reinterpret_cast<CreateRateConverterEntry>(
        ::GetProcAddress(m, MAKEINTRESOURCEA(kCreateRateConverterOrdinal)));
    convert = reinterpret_cast<ConvertRateEntry>(
        ::GetProcAddress(m, MAKEINTRESOURCEA(kConvertRateOrdinal)));
    release = reinterpret_cast<ReleaseRateConverterEntry>(
        ::GetProcAddress(m, MAKEINTRESOURCEA(kReleaseRateConverterOrdinal)));
    if (!create || !convert || !release) {
      ::FreeLibrary(m);
      return false;
    }
    module = m;
    return true;
  }
};

RateConverterLibrary& Library() {
  static RateConverterLibrary library;
  return library;
}

// The converter of the stream in progress, kept between the per-block containers
// so the filter runs over the whole stream instead of restarting at every block.
struct ParkedConverter {
  const AudioFormatRecord* record = nullptr;
  int key[4] = {};
  void* handle = nullptr;
};
ParkedConverter parked;

void ReleaseParked(const AudioFormatRecord* record) {
  if (!parked.handle || parked.record != record) return;
  Library().release(parked.handle);
  parked = ParkedConverter{};
}

// Output buffers carry their size in a header in front of them, so a later file
// that asks for a wider format is seen and the buffers are replaced.
constexpr std::size_t kHeader = 8;

void* AllocBuffer(std::size_t bytes) {
  auto* block = static_cast<char*>(std::calloc(1, bytes + kHeader));
  if (!block) return nullptr;
  std::memcpy(block, &bytes, sizeof bytes);
  return block + kHeader;
}

std::size_t BufferBytes(const void* buffer) {
  if (!buffer) return 0;
  std::size_t bytes;
  std::memcpy(&bytes, static_cast<const char*>(buffer) - kHeader, sizeof bytes);
  return bytes;
}

void FreeBuffer(void* buffer) {
  if (buffer) std::free(static_cast<char*>(buffer) - kHeader);
}

std::size_t PlanarCount(const AudioFormatRecord& r) {
  return BufferBytes(r.PlanarBuffers) / sizeof(void*);
}

void FreePlanar(AudioFormatRecord& r) {
  std::size_t count = PlanarCount(r);
  for (std::size_t i = 0; i < count; ++i) FreeBuffer(r.PlanarBuffers[i]);
  FreeBuffer(r.PlanarBuffers);
  r.PlanarBuffers = nullptr;
}

bool ValidChannels(int channels) { return channels >= 1 && channels <= 8; }

bool ValidBits(int bits) { return bits == 8 || bits == 16 || bits == 24 || bits == 32; }

bool Convertible(const AudioFormatRecord& r) {
  return r.InputBits == 16 && r.InputLayout == kLayoutInterleaved && ValidChannels(r.InputChannels) &&
         r.InputRate > 0 && ValidBits(r.OutputBits) && ValidChannels(r.OutputChannels) &&
         r.OutputRate > 0;
}

// Writes one 16-bit sample at the given width: 8 bits unsigned, wider ones signed
// little-endian with the sample in the top bits.
void PutSample(std::uint8_t* at, int bits, std::int16_t v) {
  switch (bits) {
    case 8: *at = static_cast<std::uint8_t>((v >> 8) + 128); break;
    case 16: std::memcpy(at, &v, 2); break;
    case 24: {
      std::int32_t w = static_cast<std::int32_t>(v) * 256;
      at[0] = static_cast<std::uint8_t>(w);
      at[1] = static_cast<std::uint8_t>(w >> 8);
      at[2] = static_cast<std::uint8_t>(w >> 16);
      break;
    }
    default: {
      std::int32_t w = static_cast<std::int32_t>(v) * 65536;
      std::memcpy(at, &w, 4);
    }
  }
}

}  // namespace

void InitAudioFormatRecord(AudioFormatRecord& record) {
  std::memset(&record, 0, sizeof record);
  record.InputLayout = kLayoutNotSet;
  record.OutputLayout = kLayoutNotSet;
}

void FreeAudioFormatBuffers(AudioFormatRecord& record) {
  if (parked.record == &record) ReleaseParked(&record);
  FreePlanar(record);
  FreeBuffer(record.InterleavedBuffer);
  record.InterleavedBuffer = nullptr;
  record.Capacity = 0;
  record.OutputCount = 0;
}

std::int64_t ConvertedFramesBound(const AudioFormatRecord& record, std::int64_t frames) {
  return RateConverterMaxOutput(frames, record.InputRate, record.OutputRate);
}

ResampleContainer::ResampleContainer(AudioFormatRecord* record) : record_(record) {}

ResampleContainer::~ResampleContainer() {
  if (!converter_) return;
  if (parked.handle) Library().release(parked.handle);
  parked.record = record_;
  std::memcpy(parked.key, key_, sizeof key_);
  parked.handle = converter_;
}

void ResampleContainer::SetInputFormat(std::int32_t bits, std::uint8_t layout, std::int32_t rate,
                                       std::int32_t channels) {
  record_->InputBits = bits;
  record_->InputLayout = layout;
  record_->InputRate = rate;
  record_->InputChannels = channels;
  if (converter_) {
    Library().release(converter_);
    converter_ = nullptr;
  }
  ReleaseParked(record_);
}

bool ResampleContainer::AcquireConverter() {
  const AudioFormatRecord& r = *record_;
  int key[4] = {r.InputChannels, r.InputRate, r.OutputChannels, r.OutputRate};
  if (converter_ && std::memcmp(key, key_, sizeof key) == 0) return true;
  if (!Library().Ready()) return false;
  if (converter_) {
    Library().release(converter_);
    converter_ = nullptr;
  }
  if (parked.handle && parked.record == record_ && std::memcmp(parked.key, key, sizeof key) == 0) {
    converter_ = parked.handle;
    parked = ParkedConverter{};
  } else {
    ReleaseParked(record_);
    converter_ = Library().create(key[0], key[1], key[2], key[3]);
  }
  std::memcpy(key_, key, sizeof key);
  return converter_ != nullptr;
}

bool ResampleContainer::EnsureBuffers(std::int32_t frames) {
  AudioFormatRecord& r = *record_;
  std::size_t sampleBytes = static_cast<std::size_t>(r.OutputBits / 8);
  std::size_t channels = static_cast<std::size_t>(r.OutputChannels);
  std::size_t need = static_cast<std::size_t>(frames) * sampleBytes;
  bool fits;
  if (r.OutputLayout == kLayoutInterleaved) {
    fits = BufferBytes(r.InterleavedBuffer) >= need * channels;
  } else {
    fits = PlanarCount(r) == channels;
    for (std::size_t i = 0; fits && i < channels; ++i) fits = BufferBytes(r.PlanarBuffers[i]) >= need;
  }
  if (fits && frames <= r.Capacity) return true;
  ResizeBuffers(frames > r.Capacity ? frames : r.Capacity);
  return r.OutputLayout == kLayoutInterleaved ? r.InterleavedBuffer != nullptr
                                              : r.PlanarBuffers != nullptr;
}

void ResampleContainer::ResizeBuffers(std::int32_t frames) {
  AudioFormatRecord& r = *record_;
  r.Capacity = frames;
  if (r.OutputLayout != kLayoutPlanar && r.OutputLayout != kLayoutInterleaved) return;
  if (!ValidBits(r.OutputBits) || !ValidChannels(r.OutputChannels) || frames < 0) {
    r.Capacity = 0;
    return;
  }
  std::size_t bytes = static_cast<std::size_t>(frames) * static_cast<std::size_t>(r.OutputBits / 8);
  std::size_t channels = static_cast<std::size_t>(r.OutputChannels);
  bool ok = true;
  if (r.OutputLayout == kLayoutInterleaved) {
    FreeBuffer(r.InterleavedBuffer);
    r.InterleavedBuffer = AllocBuffer(bytes * channels);
    ok = r.InterleavedBuffer != nullptr;
  } else {
    FreePlanar(r);
    r.PlanarBuffers = static_cast<void**>(AllocBuffer(channels * sizeof(void*)));
    ok = r.PlanarBuffers != nullptr;
    for (std::size_t i = 0; ok && i < channels; ++i) {
      r.PlanarBuffers[i] = AllocBuffer(bytes);
      ok = r.PlanarBuffers[i] != nullptr;
    }
    if (!ok) FreePlanar(r);
  }
  if (!ok) r.Capacity = 0;
}

void ResampleContainer::ConvertBlock(const std::int16_t* samples, std::int32_t frames) {
  AudioFormatRecord& r = *record_;
  if (r.OutputLayout != kLayoutPlanar && r.OutputLayout != kLayoutInterleaved) {
    r.OutputCount = frames;
    return;
  }
  r.OutputCount = 0;
  if (!samples || frames <= 0 || !Convertible(r)) return;
  std::int64_t bound = ConvertedFramesBound(r, frames);
  if (bound * r.OutputChannels * 4 > INT_MAX / 2) return;
  if (!AcquireConverter() || !EnsureBuffers(static_cast<std::int32_t>(bound))) return;

  const int channels = r.OutputChannels;
  const bool direct = r.OutputLayout == kLayoutInterleaved && r.OutputBits == 16;
  static std::vector<std::int16_t> scratch;  // grows only
  std::int16_t* target;
  if (direct) {
    target = static_cast<std::int16_t*>(r.InterleavedBuffer);
  } else {
    if (scratch.size() < static_cast<std::size_t>(bound * channels)) scratch.resize(bound * channels);
    target = scratch.data();
  }
  int got = Library().convert(converter_, samples, frames, target);
  if (got < 0 || got > bound) got = 0;
  if (!direct) {
    const int width = r.OutputBits / 8;
    for (int c = 0; c < channels; ++c) {
      for (int f = 0; f < got; ++f) {
        std::uint8_t* at = r.OutputLayout == kLayoutInterleaved
                               ? static_cast<std::uint8_t*>(r.InterleavedBuffer) +
                                     (static_cast<std::size_t>(f) * channels + c) * width
                               : static_cast<std::uint8_t*>(r.PlanarBuffers[c]) +
                                     static_cast<std::size_t>(f) * width;
        PutSample(at, r.OutputBits, target[static_cast<std::size_t>(f) * channels + c]);
      }
    }
  }
  r.OutputCount = got;
}
