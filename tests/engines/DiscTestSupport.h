// Shared pieces of the disc engine's tests: the engine loaded from the built
// DiscEngine.dll, the paths of the DVD fixtures, and a recorder of the conversion
// and preview callbacks.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "DiscEngine.h"
#include "platform/core/System.h"

namespace disctest {

struct EngineDeleter {
  void operator()(DiscEngine* engine) const { if (engine) engine->Release(); }
};
using EnginePtr = std::unique_ptr<DiscEngine, EngineDeleter>;

// A new engine from the built module (null when the module cannot be loaded).
EnginePtr NewEngine();
// A path under the fixture folder, as Wine sees it ("dvd\\" gives the disc's root).
String Fixture(const String& relative);

// One output piece as the callbacks saw it.
struct PieceRecord {
  TitleBeginInfo Title{};
  VideoFrameInfo Video{};
  int AudioRate = 0, AudioChannels = 0;
  int Frames = 0;
  long long SampleFrames = 0;
  bool Ended = false;
};

class Recorder {
public:
  // The conversion callback record pointing at this recorder.
  DiscEngineCallbacks Callbacks(bool preview = false);

  std::vector<PieceRecord> Pieces;
  std::vector<ProgressInfo> Progress;
  std::vector<std::uint8_t> KeptFrame;   // the frame numbered KeepFrame, when set
  int KeepFrame = -1;
  int TotalFrames = 0;
  long long TotalSampleFrames = 0;
  bool AllSamplesZero = true;
  bool BeginAnswer = true;
  bool VideoAnswer = true;
  int FrameDelayMs = 0;                  // slows the conversion down for timer tests
  long long BytesWritten = 0;            // what OnGetOutputSize reports for the open piece
  // Preview.
  std::atomic<int> PreviewFrames{0};
  std::atomic<unsigned long> PreviewThread{0};
  VideoFrameInfo PreviewInfo{};
  std::mutex Lock;
};

}  // namespace disctest
