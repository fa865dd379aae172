// The disc engine's object: opens a DVD source, describes its titles, plays the
// preview and runs conversions. DiscEngine.dll exports CreateDiscEngine (ordinal 10).
// The virtual operations stand in the order of the engine's table; the program
// links against the same layout, so never reorder, insert or remove one.
#pragma once

#include "EngineRecords.h"

constexpr int kChapterFlagCount = 100;
constexpr int kMaxVOBFiles = 20;

// Results of DiscEngine::Convert.
enum ConvertResult : std::uint8_t {
  crCompleted = 0,
  crDecoderInitFailed = 1,
  crEncoderInitFailed = 2,
  crDecodingError = 3,
  crEncodingError = 4,
  crInterrupted = 5,
};

// Values of DiscEngine::SetOutputStreams.
constexpr int kOutputVideoAndAudio = 1;
constexpr int kOutputAudioOnly = 3;

// Split modes of DiscEngine::SetSplitMode: custom clips, by size (value in MB),
// by chapter (the chapter selection), by time (value in seconds).
enum DiscSplitMode : std::int32_t { smClips = 0, smBySize = 1, smByChapter = 2, smByTime = 3 };

class DiscEngine {
public:
  virtual void SetConvertOptions(const ConvertOptions* options) = 0;           // 1
  virtual void SetCallbacks(const DiscEngineCallbacks* callbacks) = 0;         // 2
  virtual bool OpenDVD(const char* root) = 0;                                  // 3
  virtual bool OpenIFO(const char* path) = 0;                                  // 4
  virtual void SetOutputStreams(std::int32_t streams) = 0;                     // 5
  virtual void SetSplitMode(std::int32_t mode, std::int32_t value) = 0;        // 6
  virtual void SetChapterSelection(const std::uint8_t* flags /* [100] */) = 0; // 7
  virtual void CloseSource() = 0;  // 8: the program never calls it
  virtual std::int32_t GetTitleCount() = 0;                                    // 9
  virtual bool GetTitleInfo(std::int32_t title, TitleInfo* info) = 0;          // 10
  virtual void SelectTitle(std::int32_t title) = 0;                            // 11
  virtual void SelectAudioStream(std::int32_t stream) = 0;                     // 12
  virtual void SelectSubtitleStream(std::int32_t stream /* 0 none */) = 0;     // 13
  virtual void SelectAngle(std::int32_t angle) = 0;                            // 14
  virtual void Seek(double seconds) = 0;                                       // 15
  virtual void SeekChapter(std::int32_t chapter /* 0-based */) = 0;            // 16
  virtual double GetPosition() = 0;                                            // 17
  virtual void Play(bool withSound) = 0;                                       // 18
  virtual void Stop() = 0;                                                     // 19
  virtual bool IsPlaying() = 0;                                                // 20
  virtual void SetLuminanceGain(std::int32_t gain /* 0-256 */) = 0;            // 21
  virtual void SetLuminanceOffset(std::int32_t offset /* -150..150 */) = 0;    // 22
  virtual void SetSubtitleOffset(std::int32_t offset /* -500..200 */) = 0;     // 23
  virtual void SetTimeRanges(std::int32_t count, const TimeRange* ranges) = 0; // 24
  virtual std::uint8_t Convert() = 0;                                          // 25
  virtual void Abort() = 0;                                                    // 26
  virtual void Pause() = 0;                                                    // 27
  virtual void Resume() = 0;                                                   // 28
  // 29: the program never calls it; tests and tools free the engine with it.
  virtual void Release() = 0;
  virtual void Reserved30() = 0;   // 30: the program never calls it; does nothing
  virtual void RefreshFrame() = 0;                                             // 31
  virtual std::int32_t GetLanguageCount() = 0;                                 // 32
  virtual const char* GetLanguageName(std::int32_t index) = 0;                 // 33
  virtual void SetVolume(double volume) = 0;                                   // 34
  virtual bool OpenVOBFiles(char** paths, std::int32_t count,                  // 35
                            ScanShowCallback show, ScanProgressCallback progress,
                            ScanCloseCallback close, void* context) = 0;

protected:
  ~DiscEngine() = default;  // the engine lives for the whole run; Release frees it
};

// The module's one export (ordinal 10, by its .def file).
extern "C" {
#if !defined(VARNEL_BUILDING_DISC_ENGINE)
__declspec(dllimport)
#endif
DiscEngine* VARNEL_STDCALL CreateDiscEngine();
}
using CreateDiscEngineFunc = DiscEngine*(VARNEL_STDCALL*)();
