// A disc engine the window tests control: titles given as records, every call
// written to a log, opens answering what the test says.
#pragma once

#include <cstring>
#include <functional>
#include <vector>

#include "engines/include/DiscEngine.h"
#include "platform/core/System.h"

class FakeDiscEngine : public DiscEngine {
public:
  std::vector<TitleInfo> Titles;
  std::vector<int> FailingTitles;  // GetTitleInfo answers false for these
  double Position = 0.0;           // what GetPosition answers
  std::vector<String> Log;
  bool OpenResult = true;
  // Runs once the scan dialog shows, with the dialog (a test presses Cancel there).
  std::function<void(void* context)> DuringScan;
  // What the preview last set, and the still frame it asks for.
  std::int32_t AudioStream = -1, SubtitleStream = -1, Gain = -1, Offset = -1, SubtitleOffset = -1;
  std::int32_t SeekedChapter = -1;
  double Volume = -1, SeekedTo = -1;
  std::vector<bool> Plays;
  std::function<void()> OnRefreshFrame;
  std::vector<std::uint8_t> Results;
  std::function<void()> DuringConvert;

  void SetConvertOptions(const ConvertOptions*) override { Log.push_back("SetConvertOptions"); }
  void SetCallbacks(const DiscEngineCallbacks*) override { Log.push_back("SetCallbacks"); }
  bool OpenDVD(const char* root) override { return Opened("OpenDVD", root); }
  bool OpenIFO(const char* path) override { return Opened("OpenIFO", path); }
  void SetOutputStreams(std::int32_t) override {}
  void SetSplitMode(std::int32_t, std::int32_t) override {}
  void SetChapterSelection(const std::uint8_t*) override {}
  void CloseSource() override {}
  std::int32_t GetTitleCount() override { return static_cast<std::int32_t>(Titles.size()); }
  bool GetTitleInfo(std::int32_t title, TitleInfo* info) override {
    if (title < 0 || title >= GetTitleCount()) return false;
    for (int failing : FailingTitles)
      if (failing == title) return false;
    *info = Titles[title];
    return true;
  }
  void SelectTitle(std::int32_t) override {}
  void SelectAudioStream(std::int32_t stream) override { AudioStream = stream; }
  void SelectSubtitleStream(std::int32_t stream) override { SubtitleStream = stream; }
  void SelectAngle(std::int32_t) override {}
  void Seek(double seconds) override { SeekedTo = Position = seconds; }
  void SeekChapter(std::int32_t chapter) override {
    SeekedChapter = chapter;
    Log.push_back("SeekChapter " + std::to_string(chapter));
  }
  double GetPosition() override { return Position; }
  void Play(bool withSound) override { Plays.push_back(withSound); }
  void Stop() override {}
  bool IsPlaying() override { return false; }
  void SetLuminanceGain(std::int32_t gain) override { Gain = gain; }
  void SetLuminanceOffset(std::int32_t offset) override { Offset = offset; }
  void SetSubtitleOffset(std::int32_t offset) override { SubtitleOffset = offset; }
  void SetTimeRanges(std::int32_t, const TimeRange*) override {}
  // Convert answers Results in order (0 when none are left), after DuringConvert.
  std::uint8_t Convert() override {
    Log.push_back("Convert");
    if (DuringConvert) DuringConvert();
    if (Results.empty()) return 0;
    const std::uint8_t result = Results.front();
    Results.erase(Results.begin());
    return result;
  }
  void Abort() override { Log.push_back("Abort"); }
  void Pause() override { Log.push_back("Pause"); }
  void Resume() override { Log.push_back("Resume"); }
  void Release() override {}
  void Reserved30() override {}
  void RefreshFrame() override {
    if (OnRefreshFrame) OnRefreshFrame();
  }
  std::int32_t GetLanguageCount() override { return 0; }
  const char* GetLanguageName(std::int32_t) override { return ""; }
  void SetVolume(double volume) override { Volume = volume; }
  // Scans like the engine: shows the dialog, reports each file until told to stop,
  // closes the dialog; a stopped scan fails.
  bool OpenVOBFiles(char** paths, std::int32_t count, ScanShowCallback show, ScanProgressCallback progress,
                    ScanCloseCallback close, void* context) override {
    String joined;
    for (int i = 0; i < count; ++i) joined += (i ? ";" : "") + String(paths[i]);
    bool scanned = true;
    if (show && progress && close) {
      show(context);
      if (DuringScan) DuringScan(context);
      ScanProgressInfo info{};
      info.Total = count;
      info.FileCount = count;
      for (int i = 0; i < count && scanned; ++i) {
        info.Done = i;
        info.FileNumber = i + 1;
        std::strncpy(info.Path, paths[i], sizeof(info.Path) - 1);
        scanned = progress(context, &info) != 0;
      }
      close(context);
    }
    return Opened("OpenVOBFiles", joined.c_str()) && scanned;
  }

private:
  bool Opened(const char* call, const char* source) {
    Log.push_back(String(call) + " " + source);
    return OpenResult;
  }
};

// A title record: its duration, audio streams as {coding, language} and angles.
struct FakeAudio {
  int Coding;
  const char* Language;
  int SampleRate = 48000;
  int Channels = 2;
  int Extension = 0;
};
TitleInfo FakeTitle(double duration, std::vector<FakeAudio> audio, int angles = 1,
                    std::vector<std::pair<const char*, int>> subtitles = {});
