// The conversion driver: starting a run, running the checked tasks through the
// disc engine, and the engine's callbacks that open, feed and close each output
// file, report progress and keep the converting preview.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "app/DVDConvertTask.h"
#include "app/EncoderPlugin.h"
#include "app/KelvaneSettings.h"
#include "app/MediaEngineLib.h"
#include "app/Myshelllib.h"
#include "app/OutputFileName.h"
#include "app/ResampleContainer.h"
#include "app/TimeText.h"
#include "app/VideoEncoder.h"
#include "app/VideoProfile.h"
#include "app/main/ConversionSizes.h"
#include "app/main/FrameRenderer.h"
#include "app/main/HourGlass.h"
#include "app/main/MainFrm.h"
#include "app/main/ProcessingFrm.h"
#include "app/main/ShutDownFrm.h"
#include "app/main/TitleTree.h"
#include "app/main/WaitScanFrm.h"
#include "imaging/GR32.h"
#include "imaging/GR32_Image.h"
#include "platform/comctrls/ListItems.h"
#include "platform/controls/Forms.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Timer.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinStdLabel.h"

// What the driver holds while a run converts: the encoder of the open output file
// and the frame sizes it was opened with.
struct TConversionState {
  TEncoderObject* VideoEncoder = nullptr;
  EncoderPlugin* AudioPlugin = nullptr;
  AudioFormatRecord AudioFormat{};
  FrameScaler* Scaler = nullptr;
  ColorConverter* PreviewConverter = nullptr;
  std::vector<std::uint8_t> PreviewBuffer;
  std::unique_ptr<TBitmap32> PreviewBitmap;
  std::int32_t EncoderPixelFormat = 0;
  std::int32_t SourceWidth = 0, SourceHeight = 0;
  std::int32_t OutputWidth = 0, OutputHeight = 0;
  String OutputPath;

  TConversionState() { InitAudioFormatRecord(AudioFormat); }
  ~TConversionState() {
    CloseEncoders(false);
    ReleaseFrameTools();
    FreeAudioFormatBuffers(AudioFormat);
  }
  // Closes the open encoder: the video object (its destructor ends its file), and
  // the plug-in, ended first unless `end` is false.
  void CloseEncoders(bool end) {
    delete VideoEncoder;
    VideoEncoder = nullptr;
    if (AudioPlugin && end) AudioPlugin->EndEncoding(1);
    delete AudioPlugin;
    AudioPlugin = nullptr;
  }
  void ReleaseFrameTools() {
    if (Scaler) ReleaseFrameScaler(Scaler);
    Scaler = nullptr;
    if (PreviewConverter) ReleaseColorConverter(PreviewConverter);
    PreviewConverter = nullptr;
    PreviewBuffer.clear();
  }
};

namespace {

constexpr char kCaption[] = "Varnel Revo";
constexpr int kInformation = 64;
constexpr int kYesNoInformation = 68;

std::int32_t Trunc(double value) { return static_cast<std::int32_t>(std::trunc(value)); }

const String& NamingPattern(const KelvaneSettings& settings, SplitMode mode) {
  static const String none;
  switch (mode) {
    case smClips: return settings.SingleFileSymbols;
    case smByChapter: return settings.ByChapterMultiFilesSymbols;
    case smBySize:
    case smByTime: return settings.MultiFilesSymbols;
    default: return none;
  }
}

TMainForm* Driver(void* context) { return static_cast<TMainForm*>(context); }

}  // namespace

ConversionSizes ComputeConversionSizes(std::int32_t sourceWidth, std::int32_t sourceHeight, double aspect,
                                       bool unsqueeze, const ConversionCrop& crop, bool hasProfile,
                                       std::int32_t profileWidth, std::int32_t profileHeight) {
  ConversionSizes s;
  aspect = UsableAspect(aspect, sourceWidth, sourceHeight);
  s.SourceWidth = sourceWidth;
  s.SourceHeight = sourceHeight;
  std::int32_t t = Trunc(sourceHeight * aspect);
  if (t >= sourceWidth) {
    s.UnsqueezedWidth = t;
    s.UnsqueezedHeight = sourceHeight;
  } else {
    s.UnsqueezedWidth = sourceWidth;
    s.UnsqueezedHeight = Trunc(sourceWidth / aspect);
  }
  s.UnsqueezedWidth = MakeEven(s.UnsqueezedWidth);
  s.UnsqueezedHeight = MakeEven(s.UnsqueezedHeight);
  s.BoxWidth = 320;
  s.BoxHeight = 240;
  if (hasProfile) {
    if (profileWidth == 0)
      s.BoxWidth = MakeEven((unsqueeze ? s.UnsqueezedWidth : sourceWidth) - crop.Left - crop.Right);
    if (profileHeight == 0)
      s.BoxHeight = MakeEven((unsqueeze ? s.UnsqueezedHeight : sourceHeight) - crop.Top - crop.Bottom);
  }
  t = Trunc(s.BoxHeight * aspect);
  if (t >= s.BoxWidth) {
    s.OutputWidth = t;
    s.OutputHeight = s.BoxHeight;
  } else {
    s.OutputWidth = s.BoxWidth;
    s.OutputHeight = Trunc(s.BoxWidth / aspect);
  }
  s.OutputWidth = MakeEven(s.OutputWidth);
  s.OutputHeight = MakeEven(s.OutputHeight);
  if (s.OutputWidth == s.BoxWidth && s.OutputHeight == s.BoxHeight) {
    s.OutputWidth -= 2;
    s.OutputHeight -= 2;
  }
  s.Usable = s.SourceWidth > 0 && s.SourceHeight > 0 && s.UnsqueezedHeight > 0 && s.BoxWidth > 0 &&
             s.BoxHeight > 0 && s.OutputWidth > 0 && s.OutputHeight > 0;
  s.Ratio = s.Usable ? double(s.OutputHeight) / s.UnsqueezedHeight : 0;
  return s;
}

// ---- starting and running ----

void TMainForm::StartConversion() {
  if (TaskCount() == 0) {
    AppMessageBox("Please open a valid DVD source at first!", kCaption, kInformation);
    return;
  }
  StoreTaskSettings();
  const String folder = edtOutputFolder->Text();
  if (!DirectoryExists(folder) && !ForceDirectories(folder)) {
    AppMessageBox("Output folder not exists!", kCaption, kInformation);
    return;
  }
  if (DiscEngineObject->IsPlaying()) DiscEngineObject->Stop();
  HourGlass busy;
  Repaint();
  std::unique_ptr<TProcessingForm> dialog(NewForm<TProcessingForm>(this));
  ProcessingForm = dialog.get();
  dialog->ShowModal();
  ProcessingForm = nullptr;
}

void TMainForm::RunConversion() {
  Converting = true;
  for (int i = 0; i < TaskCount(); ++i) {
    FreePreviewConverters();
    CurrentTask = nullptr;
    UpdatePreviewControls(nullptr);
    DVDConvertTask* task = Task(i);
    CurrentTask = task;
    if (!task->Available || !task->Checked || task->State == tsCompleted) continue;
    PrepareTaskForConversion(*task);
    task->State = tsProcessing;
    const std::uint8_t result = DiscEngineObject->Convert();
    if (result <= 5) task->State = static_cast<TaskState>(tsCompleted + result);
    ShowTaskStateInTree(task);
    if (task->State == tsInterrupted) break;
  }
  DiscEngineCallbacks preview{};
  preview.WindowHandle = reinterpret_cast<void*>(Handle());
  preview.Context = this;
  preview.OnPreviewFrame = &TMainForm::RenderPreviewFrame;
  DiscEngineObject->SetCallbacks(&preview);
  if (!CurrentTask || CurrentTask->State != tsInterrupted) ShowResultTimer->SetEnabled(true);
  // The engine last held the run's source: no task is opened for the preview now.
  OpenedTask = nullptr;
  Converting = false;
}

void TMainForm::PrepareTaskForConversion(DVDConvertTask& task) {
  HourGlass busy;
  SetEnabled(false);
  DiscEngine& engine = *DiscEngineObject;
  const ConvertOptions options = task.EngineOptions();
  engine.SetConvertOptions(&options);
  DiscEngineCallbacks callbacks{};
  callbacks.WindowHandle = reinterpret_cast<void*>(Handle());
  callbacks.Context = this;
  callbacks.OnTitleBegin = &TMainForm::BeginTitleOutput;
  callbacks.OnTitleEnd = &TMainForm::EndTitleOutput;
  callbacks.OnGetOutputSize = &TMainForm::GetOutputSize;
  callbacks.OnVideoFrame = &TMainForm::EncodeVideoFrame;
  callbacks.OnAudioSamples = &TMainForm::EncodeAudioSamples;
  callbacks.OnProgress = &TMainForm::ReportProgress;
  engine.SetCallbacks(&callbacks);

  const TimeRange whole{-1.0, -1.0};
  switch (task.Split) {
    case smClips: {
      engine.SetSplitMode(smClips, 0);
      std::vector<TimeRange> clips;
      for (const TimeRange* clip : task.Clips) clips.push_back(*clip);
      if (clips.empty()) clips.push_back(whole);
      engine.SetTimeRanges(static_cast<std::int32_t>(clips.size()), clips.data());
      break;
    }
    case smBySize:
      engine.SetSplitMode(smBySize, task.SplitSize);
      engine.SetTimeRanges(1, &whole);
      break;
    case smByChapter:
      engine.SetSplitMode(smByChapter, 0);
      engine.SetTimeRanges(1, &whole);
      engine.SetChapterSelection(task.ChapterFlags);
      break;
    case smByTime:
      engine.SetSplitMode(smByTime, task.SplitMinutes * 60);
      engine.SetTimeRanges(1, &whole);
      break;
    default:
      break;
  }

  switch (task.Source) {
    case skDVDFolder: engine.OpenDVD(task.SourcePath.c_str()); break;
    case skIFOFile: engine.OpenIFO(task.SourcePath.c_str()); break;
    case skVOBFiles: {
      char* paths[kMaxVOBFiles] = {};
      const int count = SplitFileList(task.SourcePath, paths);
      std::unique_ptr<TWaitScanForm> scan(NewForm<TWaitScanForm>(this));
      engine.OpenVOBFiles(paths, count, WaitScanShow, WaitScanProgress, WaitScanClose, scan.get());
      FreeFileList(paths, count);
      break;
    }
  }
  engine.SelectTitle(task.TitleIndex);
  engine.SelectAngle(task.AngleIndex);
  engine.SelectAudioStream(task.AudioStream);
  engine.SelectSubtitleStream(task.SubtitleStream);
  engine.SetLuminanceGain(task.LuminanceGain);
  engine.SetLuminanceOffset(task.LuminanceOffset);
  engine.SetSubtitleOffset(task.SubtitleOffset);
  engine.SetOutputStreams(task.VideoProfile ? kOutputVideoAndAudio : kOutputAudioOnly);
  SetEnabled(true);
}

void TMainForm::ShowTaskStateInTree(DVDConvertTask* task) {
  TListItems* rows = lvTitles->Items();
  for (int i = 0; i < rows->Count(); ++i) {
    TListItem* item = rows->Item(i);
    const TTitleRow* row = RowOf(item);
    if (!row || row->Task != task || row->IsSource()) continue;
    while (item->SubItems()->Count() < 2) item->SubItems()->Add("");
    item->SubItems()->Put(1, TaskStateText(task->State));
  }
}

// Only the task's own rows show its progress: the rest of the tree stays as painted.
void TMainForm::RepaintTaskRows(DVDConvertTask* task) {
  if (!lvTitles->HandleAllocated()) return;
  TListItems* rows = lvTitles->Items();
  for (int i = 0; i < rows->Count(); ++i) {
    TListItem* item = rows->Item(i);
    const TTitleRow* row = RowOf(item);
    if (!row || row->Task != task) continue;
    const TRect bounds = item->DisplayRect(drBounds);
    ::InvalidateRect(lvTitles->Handle(), reinterpret_cast<const RECT*>(&bounds), FALSE);
  }
  lvTitles->Update();
}

// ---- the engine's callbacks ----

String TMainForm::OutputPathFor(const DVDConvertTask& task, const TitleBeginInfo& title) {
  if (!task.OutputPathOverride.empty()) return task.OutputPathOverride;
  KelvaneSettings& settings = *GetSettings();
  String& folder = settings.DefaultOutputFolder;
  if (folder.empty() || folder.back() != '\\') folder += '\\';  // saved so
  return folder + BuildOutputFileName(NamingPattern(settings, task.Split), task.VolumeLabel, title) + "." +
         task.Extension;
}

bool TMainForm::OpenOutput(VideoFrameInfo& video, const std::int32_t* audio, const TitleBeginInfo& title) {
  DVDConvertTask* task = CurrentTask;
  if (!task) return true;
  HourGlass busy;
  TConversionState& run = *conversion_;
  const String path = OutputPathFor(*task, title);
  ForceDirectories(ExtractFilePath(path));

  TVideoProfile* profile = task->VideoProfile;
  const bool unsqueeze = task->Unsqueeze;
  const ConversionCrop crop{task->CropLeft, task->CropRight, task->CropTop, task->CropBottom};
  const ConversionSizes sizes = ComputeConversionSizes(video.Width, video.Height, video.DisplayAspect, unsqueeze,
                                                       crop, profile != nullptr, profile ? profile->Width : 0,
                                                       profile ? profile->Height : 0);
  run.SourceWidth = sizes.SourceWidth;
  run.SourceHeight = sizes.SourceHeight;
  run.OutputWidth = sizes.OutputWidth;
  run.OutputHeight = sizes.OutputHeight;
  run.ReleaseFrameTools();
  // A file still open (the engine skipped its end) is ended properly first.
  run.CloseEncoders(true);
  if (!sizes.Usable) return false;
  const double r = sizes.Ratio;
  if (unsqueeze && profile) {
    run.Scaler = CreateFrameScaler();
    if (run.Scaler)
      run.Scaler->Configure(sizes.OutputWidth, sizes.OutputHeight, sizes.SourceWidth, sizes.SourceHeight,
                            video.PixelFormat, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  }

  if (profile) {
    const std::int32_t profileWidth = profile->Width, profileHeight = profile->Height;
    if (profileWidth == 0)
      profile->Width = MakeEven(unsqueeze ? Trunc(sizes.OutputWidth - crop.Left * r - crop.Right * r)
                                          : sizes.SourceWidth - crop.Left - crop.Right);
    if (profileHeight == 0)
      profile->Height = MakeEven(unsqueeze ? Trunc(sizes.OutputHeight - crop.Top * r - crop.Bottom * r)
                                           : sizes.SourceHeight - crop.Top - crop.Bottom);
    if (profile->Width <= 0 || profile->Height <= 0) {
      profile->Width = profileWidth;
      profile->Height = profileHeight;
      return false;
    }
    if (unsqueeze) {
      run.EncoderPixelFormat = kScaledPixelFormat;
      run.VideoEncoder = profile->CreateEncoderObject(
          path, sizes.OutputWidth, sizes.OutputHeight, kScaledPixelFormat, video.FrameRate1, video.FrameRate2,
          audio[0], audio[1], task->KeepAspect, false, Trunc(crop.Left * r), Trunc(crop.Right * r),
          Trunc(crop.Top * r), Trunc(crop.Bottom * r), 0, 0, 0, 0);
    } else {
      run.EncoderPixelFormat = video.PixelFormat;
      run.VideoEncoder = profile->CreateEncoderObject(path, sizes.SourceWidth, sizes.SourceHeight, video.PixelFormat,
                                                      video.FrameRate1, video.FrameRate2, audio[0], audio[1],
                                                      task->KeepAspect, false, crop.Left, crop.Right, crop.Top,
                                                      crop.Bottom, 0, 0, 0, 0);
    }
    if (profileWidth == 0) profile->Width = 0;
    if (profileHeight == 0) profile->Height = 0;
    if (!run.VideoEncoder) return false;
    run.VideoEncoder->SetTagTexts(task->VideoTitle, task->VideoAuthor, task->VideoCopyright, task->VideoComment,
                                  task->VideoRecTimestamp);
    if (!run.VideoEncoder->BeginEncode()) {
      delete run.VideoEncoder;
      run.VideoEncoder = nullptr;
      return false;
    }
  } else {
    const TAudioEncoderScheme* scheme = task->AudioScheme;
    run.AudioPlugin = new EncoderPlugin(scheme ? scheme->PluginPath : String());
    {
      ResampleContainer container(&run.AudioFormat);
      container.SetInputFormat(16, 1, audio[0], 2);
    }
    MyID3TagImp tag;
    tag.SetText1(task->AudioTags[0].c_str());
    tag.SetText2(task->AudioTags[1].c_str());
    tag.SetText3(task->AudioTags[3].c_str());
    tag.SetText6(task->AudioTags[2].c_str());
    tag.SetText4(task->AudioTags[4].c_str());
    const EncoderParamBlock empty{};
    const EncoderParamBlock& params = scheme ? scheme->Params : empty;
    if (run.AudioPlugin->BeginEncoding(path, &tag, &run.AudioFormat, params.Pairs, params.Count) < 0) {
      delete run.AudioPlugin;
      run.AudioPlugin = nullptr;
      return false;
    }
  }
  run.OutputPath = path;
  return true;
}

bool VARNEL_STDCALL TMainForm::BeginTitleOutput(void* context, VideoFrameInfo* video, std::int32_t* audio,
                                                TitleBeginInfo* title) {
  try {
    return Driver(context)->OpenOutput(*video, audio, *title);
  } catch (...) {
    return false;
  }
}

bool VARNEL_STDCALL TMainForm::EndTitleOutput(void* context) {
  try {
    TConversionState& run = *Driver(context)->conversion_;
    run.CloseEncoders(true);
    run.OutputWidth = run.OutputHeight = 0;
    run.ReleaseFrameTools();
    run.SourceWidth = run.SourceHeight = 0;
  } catch (...) {
  }
  return true;
}

std::int64_t VARNEL_STDCALL TMainForm::GetOutputSize(void* context) {
  try {
    TMainForm* form = Driver(context);
    if (!form->CurrentTask) return 0;
    if (form->CurrentTask->VideoProfile)
      return form->conversion_->VideoEncoder ? form->conversion_->VideoEncoder->GetEncodedSize() : 0;
    return form->GetWrittenFileSize();
  } catch (...) {
    return 0;
  }
}

std::int64_t TMainForm::GetWrittenFileSize() const {
  WIN32_FIND_DATAA found{};
  HANDLE search = ::FindFirstFileA(conversion_->OutputPath.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;  // no file yet: nothing written
  ::FindClose(search);
  return (std::int64_t(found.nFileSizeHigh) << 32) + found.nFileSizeLow;
}

bool VARNEL_STDCALL TMainForm::EncodeVideoFrame(void* context, const std::uint8_t* frame, std::int32_t width,
                                                std::int32_t height, std::int32_t value1, std::int32_t value2,
                                                std::int32_t value3, std::int32_t value4) {
  try {
    TMainForm* form = Driver(context);
    DVDConvertTask* task = form->CurrentTask;
    if (!task) return true;
    TConversionState& run = *form->conversion_;
    const void* data = frame;
    if (task->Unsqueeze && task->VideoProfile && run.Scaler) {
      run.Scaler->Process(frame);
      data = run.Scaler->GetOutput();
      width = run.OutputWidth;
      height = run.OutputHeight;
    }
    if (form->ProcessingForm && form->ProcessingForm->chkPreviewMovie->Checked() &&
        !form->ConvertingPreviewTimer->Enabled())
      form->CopyConvertingPreview(static_cast<const std::uint8_t*>(data), width, height);
    if (task->VideoProfile && run.VideoEncoder) return run.VideoEncoder->EncodeVideo(data, value1, value2, value3, value4);
    return true;
  } catch (...) {
    return false;
  }
}

bool VARNEL_STDCALL TMainForm::EncodeAudioSamples(void* context, const std::int16_t* samples, std::int32_t bytes,
                                                  std::int32_t value1, std::int32_t value2, std::int32_t value3,
                                                  std::int32_t value4) {
  try {
    TMainForm* form = Driver(context);
    DVDConvertTask* task = form->CurrentTask;
    if (!task) return true;
    TConversionState& run = *form->conversion_;
    if (task->VideoProfile)
      return run.VideoEncoder && run.VideoEncoder->EncodeAudio(samples, bytes, value1, value2, value3, value4);
    if (!run.AudioPlugin) return false;
    ResampleContainer container(&run.AudioFormat);
    container.ConvertBlock(samples, static_cast<std::int32_t>(std::uint32_t(bytes) / 4));
    return run.AudioPlugin->EncodeBlock(&run.AudioFormat) >= 0;
  } catch (...) {
    return false;
  }
}

void VARNEL_STDCALL TMainForm::ReportProgress(void* context, ProgressInfo* progress) {
  try {
    TMainForm* form = Driver(context);
    DVDConvertTask* task = form->CurrentTask;
    if (!task || !progress) return;
    task->Percent = progress->Percent;
    form->RepaintTaskRows(task);
    if (TProcessingForm* dialog = form->ProcessingForm) {
      dialog->CurrentGauge->SetValue(Trunc(progress->Percent));
      dialog->lblTime1->SetCaption("Elapsed Time: " + FormatSecondsHMS(unsigned(std::max(progress->Elapsed, 0))) +
                                   " / Time Remaining: " +
                                   FormatSecondsHMS(unsigned(std::max(progress->Remaining, 0))));
      dialog->lblTime2->SetCaption(FormatSecondsHMS(unsigned(std::max(Trunc(progress->Position), 0))) + " / " +
                                   FormatSecondsHMS(unsigned(std::max(Trunc(task->Title.Duration), 0))));
    }
  } catch (...) {
  }
}

// ---- the converting preview ----

void TMainForm::CopyConvertingPreview(const std::uint8_t* frame, std::int32_t width, std::int32_t height) {
  if (Painting) return;
  TConversionState& run = *conversion_;
  try {
    if (!run.PreviewConverter) {
      run.PreviewConverter = CreateColorConverter();
      if (!run.PreviewConverter ||
          !run.PreviewConverter->Init(width, height, run.EncoderPixelFormat, kBGR32PixelFormat)) {
        if (run.PreviewConverter) ReleaseColorConverter(run.PreviewConverter);
        run.PreviewConverter = nullptr;
        return;
      }
    }
    run.PreviewBuffer.assign(std::size_t(std::max(run.PreviewConverter->GetOutputSize(), 0)), 0);
    run.PreviewBitmap = std::make_unique<TBitmap32>();
    run.PreviewBitmap->SetSize(width, height);
    const std::size_t rowBytes = std::size_t(width) * 4;
    if (run.PreviewBuffer.size() < rowBytes * std::size_t(height) ||
        !run.PreviewConverter->Convert(frame, run.PreviewBuffer.data())) {
      FreePreviewConverters();
      return;
    }
    for (std::int32_t row = 0; row < height; ++row)
      std::memcpy(run.PreviewBitmap->GetScanLine(height - 1 - row), run.PreviewBuffer.data() + row * rowBytes,
                  rowBytes);
    ConvertingPreviewTimer->SetEnabled(true);
  } catch (...) {
  }
}

void TMainForm::ConvertingPreviewTimerTimer(TObject*) {
  ConvertingPreviewTimer->SetEnabled(false);
  TConversionState& run = *conversion_;
  if (!CurrentTask || CurrentTask->State != tsProcessing || !ProcessingForm || !run.PreviewBitmap) return;
  Painting = 1;
  TImage32* image = ProcessingForm->PreviewImage;
  if (image->ScaleMode() != smResize) image->SetScaleMode(smResize);
  image->Bitmap()->Assign(run.PreviewBitmap.get());
  Painting = 0;
}

void TMainForm::ShowResultTimerTimer(TObject*) {
  ShowResultTimer->SetEnabled(false);
  if (GetSettings()->Shutdown)
    ShowShutDownDialog();
  else
    btnOpenOutputFolderClick(this);
  ForgetTasksOfPreview();
  UpdatePreviewControls(nullptr);
  PreviewImageResize(this);
}

// ---- Cancel and Pause ----

void TMainForm::actStopConvertExecute(TObject*) {
  DiscEngineObject->Pause();
  if (AppMessageBox("Are you sure you want to stop converting?", kCaption, kYesNoInformation) == IDYES) {
    DiscEngineObject->Abort();
    Converting = false;
    if (lvTitles->Items()->Count() > 0) lvTitles->SetSelected(lvTitles->Items()->Item(0));
  } else {
    DiscEngineObject->Resume();
  }
}

void TMainForm::actPauseExecute(TObject*) {
  if (!ProcessingForm) return;
  TspSkinButton* pause = ProcessingForm->btnPauseConvert;
  if (pause->Tag == 0) {
    pause->Tag = 1;
    pause->SetCaption("&Resume");
    DiscEngineObject->Pause();
  } else {
    pause->Tag = 0;
    pause->SetCaption("&Pause");
    DiscEngineObject->Resume();
  }
}

void TMainForm::MakeConversionState() { conversion_ = new TConversionState(); }

void TMainForm::FreeConversionState() {
  delete conversion_;
  conversion_ = nullptr;
}
