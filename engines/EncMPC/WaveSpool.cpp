#include "engines/EncMPC/WaveSpool.h"

namespace {

constexpr std::int64_t kMaxDataBytes = 0xFFFFFFFFll - 36;

void PutLE(unsigned char* at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

WaveSpool::~WaveSpool() {
  if (file_) std::fclose(file_);
}

bool WaveSpool::Open(const std::string& path, int rate, int channels) {
  rate_ = rate;
  channels_ = channels;
  blockAlign_ = 2 * channels;
  dataBytes_ = 0;
  failed_ = false;
  file_ = std::fopen(path.c_str(), "wb");
  return file_ && WriteHeader();
}

bool WaveSpool::Append(const std::int16_t* frames, int count) {
  if (!file_ || failed_ || count < 0) return false;
  const std::int64_t bytes = static_cast<std::int64_t>(count) * blockAlign_;
  if (dataBytes_ + bytes > kMaxDataBytes) return !(failed_ = true);
  // Samples go out little-endian, as the host holds them.
  if (std::fwrite(frames, 1, static_cast<std::size_t>(bytes), file_) != static_cast<std::size_t>(bytes))
    return !(failed_ = true);
  dataBytes_ += bytes;
  return true;
}

bool WaveSpool::Finish() {
  if (!file_) return false;
  bool ok = !failed_ && std::fseek(file_, 0, SEEK_SET) == 0 && WriteHeader();
  ok = std::fclose(file_) == 0 && ok;
  file_ = nullptr;
  return ok;
}

bool WaveSpool::WriteHeader() {
  unsigned char h[44] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E',
                         'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 0, 0,
                         0,   0,   0,   0,   0, 0, 0, 0, 0, 0, 16, 0,
                         'd', 'a', 't', 'a', 0, 0, 0, 0};
  PutLE(h + 4, static_cast<std::uint32_t>(36 + dataBytes_), 4);
  PutLE(h + 22, static_cast<std::uint32_t>(channels_), 2);
  PutLE(h + 24, static_cast<std::uint32_t>(rate_), 4);
  PutLE(h + 28, static_cast<std::uint32_t>(rate_ * blockAlign_), 4);
  PutLE(h + 32, static_cast<std::uint32_t>(blockAlign_), 2);
  PutLE(h + 40, static_cast<std::uint32_t>(dataBytes_), 4);
  return std::fwrite(h, 1, sizeof h, file_) == sizeof h;
}
