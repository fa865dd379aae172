// The preview's sound: 16-bit stereo blocks queued to the Win32 wave-out device.
// A machine without a sound device simply plays nothing.
#pragma once

#include <cstdint>
#include <list>
#include <vector>

#include "platform/core/WinApi.h"

#include <mmsystem.h>

namespace disc {

class WaveOut {
public:
  WaveOut() = default;
  ~WaveOut() { Close(); }
  WaveOut(const WaveOut&) = delete;
  WaveOut& operator=(const WaveOut&) = delete;

  // Queues one block; opens the device at the first block's rate.
  void Write(const std::vector<std::int16_t>& samples, int rate);
  void Close();

private:
  struct Buffer {
    WAVEHDR Header{};
    std::vector<std::int16_t> Samples;
  };
  void Reclaim();

  HWAVEOUT device_ = nullptr;
  bool failed_ = false;
  int rate_ = 0;
  std::list<Buffer> queued_;  // owned; each header points into its own samples
};

}  // namespace disc
