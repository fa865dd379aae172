// The state of the disc engine object: the opened source, the selections and
// settings that hold until the next open, and the flags a running conversion or
// preview watches.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "DiscEngine.h"
#include "engines/DiscEngine/SourceLayout.h"
#include "engines/DiscEngine/TitleDecoder.h"

namespace disc {

struct EngineState {
  std::unique_ptr<Source> Opened;
  DiscEngineCallbacks Callbacks{};
  std::mutex CallbacksLock;          // the preview thread reads the record too
  ConvertOptions Options{1, 1, 255, 0, 1, 0, {0, 0}, 3.0};
  int OutputStreams = kOutputVideoAndAudio;
  int SplitMode = smClips;
  int SplitValue = 0;
  std::uint8_t Chapters[kChapterFlagCount];
  std::vector<TimeRange> Ranges{{-1.0, -1.0}};
  int Title = 0, Audio = 0, Subtitle = 0, Angle = 0;
  PictureSettings Picture;
  double Volume = 3.0;
  std::atomic<double> Position{0.0};
  std::atomic<bool> AbortRequested{false};
  std::atomic<bool> Paused{false};

  EngineState() { std::fill(std::begin(Chapters), std::end(Chapters), 1); }

  const TitleLayout* SelectedTitle() const;
  // The decoder set-up for the selected title and streams, reading from the title's
  // start (the caller skips what lies before its position); false when there is none.
  bool MakeDecoder(TitleDecoder& decoder, bool wantVideo, bool wantAudio, double startSeconds) const;
  // Audio factor of a volume value: 3.0 plays the disc's own level, 0 is silence.
  static double GainOf(double volume);
};

// Runs a conversion of the selected title; answers a ConvertResult.
std::uint8_t RunConversion(EngineState& state);

}  // namespace disc
