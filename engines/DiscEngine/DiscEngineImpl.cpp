// The disc engine object behind CreateDiscEngine: every operation of the table,
// each guarded so that no exception leaves the module.
#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "DiscEngine.h"
#include "ModuleBoundary.h"
#include "engines/DiscEngine/EngineState.h"
#include "engines/DiscEngine/Languages.h"
#include "engines/DiscEngine/VobScan.h"
#include "engines/DiscEngine/WaveOut.h"

namespace disc {
namespace {

// The folder libdvdread opens for an IFO file, and the title set it names (0 for the
// whole disc, -1 for a name that is not an IFO file of a DVD).
int TitleSetOfIfo(const std::string& path, std::string& folder) {
  std::size_t slash = path.find_last_of("\\/");
  folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (name == "VIDEO_TS.IFO") return 0;
  if (name.size() == 12 && name.compare(0, 4, "VTS_") == 0 && name.compare(6, 6, "_0.IFO") == 0 &&
      std::isdigit(static_cast<unsigned char>(name[4])) && std::isdigit(static_cast<unsigned char>(name[5]))) {
    int set = (name[4] - '0') * 10 + (name[5] - '0');
    return set >= 1 ? set : -1;
  }
  return -1;
}

class Engine final : public DiscEngine {
public:
  ~Engine() { StopPreview(); }

  void SetConvertOptions(const ConvertOptions* options) override {
    if (!options) return;
    s_.Options = *options;
    s_.Volume = options->Volume;
  }
  void SetCallbacks(const DiscEngineCallbacks* callbacks) override {
    std::lock_guard<std::mutex> lock(s_.CallbacksLock);
    s_.Callbacks = callbacks ? *callbacks : DiscEngineCallbacks{};
  }
  bool OpenDVD(const char* root) override {
    if (!root || !*root) return false;
    return Guard([&] { return Replace(OpenDvdSource(root, 0)); });
  }
  bool OpenIFO(const char* path) override {
    if (!path || !*path) return false;
    return Guard([&] {
      std::string folder;
      int set = TitleSetOfIfo(path, folder);
      if (set < 0) return false;
      return Replace(OpenDvdSource(folder, set));
    });
  }
  void SetOutputStreams(std::int32_t streams) override {
    s_.OutputStreams = streams == kOutputAudioOnly ? kOutputAudioOnly : kOutputVideoAndAudio;
  }
  void SetSplitMode(std::int32_t mode, std::int32_t value) override {
    s_.SplitMode = mode >= smClips && mode <= smByTime ? mode : smClips;
    s_.SplitValue = value;
  }
  void SetChapterSelection(const std::uint8_t* flags) override {
    if (flags) std::memcpy(s_.Chapters, flags, kChapterFlagCount);
  }
  void CloseSource() override {
    StopPreview();
    s_.Opened.reset();
  }
  std::int32_t GetTitleCount() override {
    return s_.Opened ? static_cast<std::int32_t>(s_.Opened->Titles.size()) : 0;
  }
  bool GetTitleInfo(std::int32_t title, TitleInfo* info) override {
    if (!info || !s_.Opened || title < 0 || title >= GetTitleCount()) return false;
    *info = s_.Opened->Titles[title].Info;
    return true;
  }
  void SelectTitle(std::int32_t title) override { Selection([&] { s_.Title = title; s_.Position = 0.0; }); }
  void SelectAudioStream(std::int32_t stream) override { Selection([&] { s_.Audio = stream; }); }
  void SelectSubtitleStream(std::int32_t stream) override { Selection([&] { s_.Subtitle = stream; }); }
  void SelectAngle(std::int32_t angle) override { Selection([&] { s_.Angle = angle; }); }
  void Seek(double seconds) override {
    const TitleLayout* t = s_.SelectedTitle();
    double duration = t ? t->Info.Duration : 0.0;
    if (!(seconds >= 0.0)) seconds = 0.0;
    if (seconds > duration) seconds = duration;
    bool playing = IsPlaying();
    if (playing) StopPreview();
    s_.Position = seconds;
    if (playing) StartPreview(withSound_);
  }
  void SeekChapter(std::int32_t chapter) override {
    const TitleLayout* t = s_.SelectedTitle();
    if (!t || chapter < 0 || chapter >= t->Info.ChapterCount) return;
    double at = 0.0;
    for (int c = 0; c < chapter; ++c) at += t->Info.ChapterDurations[c];
    Seek(at);
  }
  double GetPosition() override { return s_.Position; }
  void Play(bool withSound) override {
    StopPreview();
    StartPreview(withSound);
  }
  void Stop() override { StopPreview(); }
  bool IsPlaying() override { return playing_; }
  void SetLuminanceGain(std::int32_t gain) override { s_.Picture.LumaGain = std::clamp(gain, 0, 256); }
  void SetLuminanceOffset(std::int32_t offset) override { s_.Picture.LumaOffset = std::clamp(offset, -150, 150); }
  void SetSubtitleOffset(std::int32_t offset) override { s_.Picture.SubtitleOffset = std::clamp(offset, -500, 200); }
  void SetTimeRanges(std::int32_t count, const TimeRange* ranges) override {
    s_.Ranges.clear();
    if (ranges && count > 0) s_.Ranges.assign(ranges, ranges + std::min(count, 1000));
    if (s_.Ranges.empty()) s_.Ranges.push_back({-1.0, -1.0});
  }
  std::uint8_t Convert() override {
    StopPreview();
    try {
      return RunConversion(s_);
    } catch (...) {
      TraceCaughtException("DiscEngine conversion");
      return crDecodingError;
    }
  }
  void Abort() override { s_.AbortRequested = true; }
  void Pause() override { s_.Paused = true; }
  void Resume() override { s_.Paused = false; }
  void Release() override { delete this; }
  void Reserved30() override {}
  void RefreshFrame() override {
    if (IsPlaying()) return;
    try {
      TitleDecoder decoder;
      const TitleLayout* t = s_.SelectedTitle();
      if (!t || !s_.MakeDecoder(decoder, true, false, s_.Position)) return;
      auto skip = static_cast<std::int64_t>(s_.Position * t->FrameRateNum / t->FrameRateDen);
      VideoFrame frame, last;
      AudioBlock block;
      for (std::int64_t index = 0;;) {
        DecodeStatus st = decoder.Next(frame, block);
        if (st == DecodeStatus::Audio) continue;
        if (st != DecodeStatus::Video) break;
        last = std::move(frame);
        if (index++ >= skip) break;
      }
      // At the very end of the title the last frame stands in.
      if (!last.Data.empty() && !decoder.Scrambled()) DeliverPreview(last);
    } catch (...) {
      TraceCaughtException("DiscEngine preview frame");
    }
  }
  std::int32_t GetLanguageCount() override { return LanguageCount(); }
  const char* GetLanguageName(std::int32_t index) override {
    const char* name = LanguageNameAt(index);
    return name ? name : "";
  }
  void SetVolume(double volume) override { s_.Volume = volume; }
  bool OpenVOBFiles(char** paths, std::int32_t count, ScanShowCallback show, ScanProgressCallback progress,
                    ScanCloseCallback close, void* context) override {
    if (show) show(context);
    bool opened = Guard([&] { return Replace(ScanVobFiles(paths, count, progress, context)); });
    if (close) close(context);
    return opened;
  }

private:
  template <class F>
  bool Guard(F&& f) {
    try {
      return f();
    } catch (...) {
      TraceCaughtException("DiscEngine call");
      return false;
    }
  }
  template <class F>
  void Selection(F&& f) {
    StopPreview();
    f();
  }
  bool Replace(std::unique_ptr<Source> source) {
    if (!source) return false;
    StopPreview();
    s_.Opened = std::move(source);
    s_.Title = s_.Audio = s_.Subtitle = s_.Angle = 0;
    s_.Position = 0.0;
    return true;
  }

  void DeliverPreview(const VideoFrame& frame) {
    const TitleLayout* t = s_.SelectedTitle();
    VideoFrameInfo info{};
    info.Width = frame.Width;
    info.Height = frame.Height;
    info.FrameRate1 = t ? t->FrameRateNum : 25;
    info.FrameRate2 = t ? t->FrameRateDen : 1;
    info.PixelFormat = pfYUV420P;
    info.DisplayAspect = t ? t->DisplayAspect : 4.0 / 3.0;
    DiscEngineCallbacks cb;
    {
      std::lock_guard<std::mutex> lock(s_.CallbacksLock);
      cb = s_.Callbacks;
    }
    if (cb.OnPreviewFrame) cb.OnPreviewFrame(cb.Context, frame.Data.data(), &info);
  }

  void StartPreview(bool withSound) {
    const TitleLayout* t = s_.SelectedTitle();
    if (!t) return;
    withSound_ = withSound;
    stopPreview_ = false;
    playing_ = true;
    preview_ = std::thread([this] { PreviewLoop(); });
  }

  void StopPreview() {
    stopPreview_ = true;
    if (preview_.joinable()) preview_.join();
    playing_ = false;
  }

  // Decodes from the position and delivers frames at the title's pace; with sound,
  // the selected audio stream goes to the wave-out device.
  void PreviewLoop() {
    try {
      const TitleLayout* t = s_.SelectedTitle();
      TitleDecoder decoder;
      double start = s_.Position;
      WaveOut sound;
      if (t && s_.MakeDecoder(decoder, true, withSound_, start)) {
        double fps = static_cast<double>(t->FrameRateNum) / t->FrameRateDen;
        auto skipFrames = static_cast<std::int64_t>(start * fps);
        double skipAudio = start;  // seconds of sound still to skip
        auto begin = std::chrono::steady_clock::now();
        std::int64_t frames = 0;
        VideoFrame frame;
        AudioBlock block;
        while (!stopPreview_) {
          decoder.SetPicture(s_.Picture);
          decoder.SetGain(EngineState::GainOf(s_.Volume));
          DecodeStatus st = decoder.Next(frame, block);
          if (st == DecodeStatus::Audio) {
            double seconds = block.Rate > 0 ? block.Samples.size() / 2.0 / block.Rate : 0.0;
            if (skipAudio > 0.0) skipAudio -= seconds;
            else sound.Write(block.Samples, block.Rate);
            continue;
          }
          if (st != DecodeStatus::Video) break;
          if (skipFrames > 0) {
            --skipFrames;
            begin = std::chrono::steady_clock::now();
            continue;
          }
          auto due = begin + std::chrono::microseconds(static_cast<std::int64_t>(frames * 1e6 / fps));
          while (!stopPreview_ && std::chrono::steady_clock::now() < due)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
          if (stopPreview_) break;
          DeliverPreview(frame);
          ++frames;
          s_.Position = std::min(start + frames / fps, t->Info.Duration);
        }
      }
    } catch (...) {
      TraceCaughtException("DiscEngine preview");
    }
    playing_ = false;
  }

  EngineState s_;
  std::thread preview_;
  std::atomic<bool> stopPreview_{false};
  std::atomic<bool> playing_{false};
  bool withSound_ = false;
};

}  // namespace
}  // namespace disc

extern "C" DiscEngine* VARNEL_STDCALL CreateDiscEngine() {
  try {
    return new disc::Engine();
  } catch (...) {
    TraceCaughtException("CreateDiscEngine");
    return nullptr;
  }
}
