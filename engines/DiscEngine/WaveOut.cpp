#include "engines/DiscEngine/WaveOut.h"

namespace disc {

namespace {
constexpr std::size_t kMaxQueued = 64;
}

void WaveOut::Reclaim() {
  for (auto it = queued_.begin(); it != queued_.end();) {
    if (!(it->Header.dwFlags & WHDR_DONE)) break;
    ::waveOutUnprepareHeader(device_, &it->Header, sizeof(WAVEHDR));
    it = queued_.erase(it);
  }
}

void WaveOut::Write(const std::vector<std::int16_t>& samples, int rate) {
  if (failed_ || samples.empty() || rate <= 0) return;
  if (!device_) {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = static_cast<DWORD>(rate);
    format.wBitsPerSample = 16;
    format.nBlockAlign = 4;
    format.nAvgBytesPerSec = format.nSamplesPerSec * 4;
    if (::waveOutOpen(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
      device_ = nullptr;
      failed_ = true;  // no sound device: the preview goes on silently
      return;
    }
    rate_ = rate;
  }
  if (rate != rate_) return;
  Reclaim();
  if (queued_.size() >= kMaxQueued) return;
  queued_.emplace_back();
  Buffer& b = queued_.back();
  b.Samples = samples;
  b.Header.lpData = reinterpret_cast<LPSTR>(b.Samples.data());
  b.Header.dwBufferLength = static_cast<DWORD>(b.Samples.size() * sizeof(std::int16_t));
  if (::waveOutPrepareHeader(device_, &b.Header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR ||
      ::waveOutWrite(device_, &b.Header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
    ::waveOutUnprepareHeader(device_, &b.Header, sizeof(WAVEHDR));
    queued_.pop_back();
  }
}

void WaveOut::Close() {
  if (!device_) return;
  ::waveOutReset(device_);
  for (Buffer& b : queued_) ::waveOutUnprepareHeader(device_, &b.Header, sizeof(WAVEHDR));
  queued_.clear();
  ::waveOutClose(device_);
  device_ = nullptr;
}

}  // namespace disc
