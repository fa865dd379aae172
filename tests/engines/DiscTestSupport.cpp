#include "tests/engines/DiscTestSupport.h"

#include <cstring>

#include "platform/core/WinApi.h"
#include "tests/harness/BuildFolders.h"

namespace disctest {
namespace {

bool VARNEL_STDCALL OnBegin(void* context, VideoFrameInfo* video, std::int32_t* audio, TitleBeginInfo* title) {
  auto* r = static_cast<Recorder*>(context);
  PieceRecord piece;
  piece.Title = *title;
  piece.Video = *video;
  piece.AudioRate = audio[0];
  piece.AudioChannels = audio[1];
  r->Pieces.push_back(piece);
  r->BytesWritten = 0;
  return r->BeginAnswer;
}

bool VARNEL_STDCALL OnEnd(void* context) {
  auto* r = static_cast<Recorder*>(context);
  if (!r->Pieces.empty()) r->Pieces.back().Ended = true;
  return true;
}

std::int64_t VARNEL_STDCALL OnSize(void* context) { return static_cast<Recorder*>(context)->BytesWritten; }

bool VARNEL_STDCALL OnVideo(void* context, const std::uint8_t* frame, std::int32_t width, std::int32_t height,
                            std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
  auto* r = static_cast<Recorder*>(context);
  std::size_t bytes = YUV420PFrameSize(width, height);
  if (r->TotalFrames == r->KeepFrame) r->KeptFrame.assign(frame, frame + bytes);
  ++r->TotalFrames;
  if (!r->Pieces.empty()) ++r->Pieces.back().Frames;
  r->BytesWritten += static_cast<long long>(bytes);
  if (r->FrameDelayMs > 0) ::Sleep(r->FrameDelayMs);
  return r->VideoAnswer;
}

bool VARNEL_STDCALL OnAudio(void* context, const std::int16_t* samples, std::int32_t bytes, std::int32_t,
                            std::int32_t, std::int32_t, std::int32_t) {
  auto* r = static_cast<Recorder*>(context);
  long long frames = bytes / 4;
  for (int i = 0; i < bytes / 2 && r->AllSamplesZero; ++i)
    if (samples[i] != 0) r->AllSamplesZero = false;
  r->TotalSampleFrames += frames;
  if (!r->Pieces.empty()) r->Pieces.back().SampleFrames += frames;
  r->BytesWritten += bytes;
  return true;
}

void VARNEL_STDCALL OnProgress(void* context, ProgressInfo* progress) {
  static_cast<Recorder*>(context)->Progress.push_back(*progress);
}

bool VARNEL_STDCALL OnPreview(void* context, const std::uint8_t*, VideoFrameInfo* info) {
  auto* r = static_cast<Recorder*>(context);
  {
    std::lock_guard<std::mutex> lock(r->Lock);
    r->PreviewInfo = *info;
  }
  r->PreviewThread = ::GetCurrentThreadId();
  ++r->PreviewFrames;
  return true;
}

}  // namespace

DiscEngineCallbacks Recorder::Callbacks(bool preview) {
  DiscEngineCallbacks cb{};
  cb.Context = this;
  if (preview) {
    cb.OnPreviewFrame = OnPreview;
    return cb;
  }
  cb.OnTitleBegin = OnBegin;
  cb.OnTitleEnd = OnEnd;
  cb.OnGetOutputSize = OnSize;
  cb.OnVideoFrame = OnVideo;
  cb.OnAudioSamples = OnAudio;
  cb.OnProgress = OnProgress;
  return cb;
}

EnginePtr NewEngine() {
  static HMODULE module = ::LoadLibraryA((BuiltProgramFolder() + "DiscEngine.dll").c_str());
  if (!module) return nullptr;
  auto create = reinterpret_cast<CreateDiscEngineFunc>(::GetProcAddress(module, MAKEINTRESOURCEA(10)));
  return EnginePtr(create ? create() : nullptr);
}

String Fixture(const String& relative) {
  return BuiltProgramFolder() + "..\\disc-fixtures\\" + relative;
}

}  // namespace disctest
