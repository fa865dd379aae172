// The preview: a task's values in the controls, the task the engine holds for it,
// the frames it delivers, the position slider, chapter stepping, jumping, the
// stream boxes and the picture and volume controls.
#include <algorithm>
#include <cmath>
#include <memory>

#include "app/DVDConvertTask.h"
#include "app/main/FrameRenderer.h"
#include "app/main/HourGlass.h"
#include "app/main/JumpToFrm.h"
#include "app/main/MainFrm.h"
#include "app/main/PreviewPromptFrm.h"
#include "app/main/TitleList.h"
#include "app/main/WaitScanFrm.h"
#include "imaging/GR32.h"
#include "imaging/GR32_Image.h"
#include "platform/controls/Forms.h"
#include "platform/core/Timer.h"
#include "platform/published/FormsPublished.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBoxEx.h"
#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinSpinEdit.h"
#include "skin/controls/SkinStatusPanel.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/menus/SkinPopupMenu.h"

namespace {

// Posted by the frame callback, which may run on an engine thread: the window's
// own thread then shows the picture.
constexpr UINT kPreviewFrameReady = WM_APP + 0x51;
constexpr UINT kPreviewIdle = WM_APP + 0x52;

// The hidden target list's entry for each output format code (the audio codes
// have none: the list holds the eight video formats).
constexpr int kTargetEntry[] = {6, 0, 4, 3, 1, 2, 5, 7, 8, 9, 10, 12, 11};

// Sets a control's value with its change handler detached, so nothing reacts.
template <class Control, class Value>
void SetQuietly(Control* control, Value value) {
  TNotifyEvent handler = control->OnChange;
  control->OnChange = TNotifyEvent();
  control->SetValue(value);
  control->OnChange = handler;
}

template <class Box>
void SelectQuietly(Box* box, int index) {
  TNotifyEvent handler = box->OnChange;
  box->OnChange = TNotifyEvent();
  box->SetItemIndex(index);
  box->OnChange = handler;
}

TSize TargetOfPreview(const VideoFrameInfo& frame, bool unsqueeze, int imageWidth, int imageHeight) {
  return PreviewFrameSize(frame.Width, frame.Height, UsableAspect(frame.DisplayAspect, frame.Width, frame.Height),
                          unsqueeze, imageWidth, imageHeight);
}

}  // namespace

TSize PreviewFrameSize(int width, int height, double aspect, bool unsqueeze, int imageWidth, int imageHeight) {
  int uw = static_cast<int>(std::trunc(height * aspect)), uh = height;
  if (uw < width) {
    uh = static_cast<int>(std::trunc(width / aspect));
    uw = width;
  }
  int tw = unsqueeze ? MakeEven(uw) : width;
  int th = unsqueeze ? MakeEven(uh) : height;
  if (imageWidth < tw || imageHeight < th) {
    int fw = static_cast<int>(std::trunc(double(imageHeight) / th * tw)), fh = imageHeight;
    if (imageWidth < fw) {
      fh = static_cast<int>(std::trunc(double(imageWidth) / tw * th));
      fw = imageWidth;
    }
    tw = MakeEven(fw);
    th = MakeEven(fh);
  }
  return TSize{tw, th};
}

int ChapterStepTarget(const TitleInfo& title, double position, int step) {
  const int count = std::clamp(title.ChapterCount, 0, int(kMaxChapters));
  int found = -1;
  double end = 0;
  for (int chapter = 0; chapter < count; ++chapter) {
    end += title.ChapterDurations[chapter];
    if (end > position) {
      found = chapter;
      break;
    }
  }
  const int target = found < 0 ? 0 : found + step;
  return std::clamp(target, 0, std::max(count - 1, 0));
}

double JumpTarget(int seconds, double duration) {
  double target = seconds;
  if (target >= duration) target = duration - 1;
  return std::max(target, 0.0);  // a title shorter than a second starts at 0
}

// ---- the task shown ----

void TMainForm::UpdatePreviewControls(DVDConvertTask* task) {
  FileListBackgroundPanel->SetVisible(TaskCount() == 0);
  const bool on = task && task->Available;
  for (TControl* control : std::initializer_list<TControl*>{tbPreview, btnPlay, btnStopPlay, btnPreviousChapter,
                                                              btnNextChapter, btnJumpTo, btnCrop, btnSplit})
    control->SetEnabled(on);
  if (!on) return;

  FillAudioStreams(task->Title);
  FillSubtitleStreams(task->Title);
  SelectQuietly(cbAudioStreams, task->AudioStream);
  SelectQuietly(cbSubtitleStreams, task->SubtitleStream);

  SetQuietly(tbLuminanceGain, task->LuminanceGain);
  SetQuietly(edtLuminanceGain, task->LuminanceGain);
  SetQuietly(tbLuminanceOffset, task->LuminanceOffset);
  SetQuietly(edtLuminanceOffset, task->LuminanceOffset);
  SetQuietly(tbVSubtitleOffset, task->SubtitleOffset);
  SetQuietly(edtVSubtitleOffset, task->SubtitleOffset);
  SetQuietly(tbVolume, static_cast<int>(std::trunc(task->Volume * 10)));
  SetQuietly(edtVolume, tbVolume->Value() * 100 / 30);

  tbPreview->SetMaxValue(static_cast<int>(std::trunc(task->Title.Duration * 1000)));
  SetQuietly(tbPreview, static_cast<int>(std::trunc(task->PreviewPosition * 1000)));

  const int code = task->FormatCode;
  if (code >= 0 && code < int(std::size(kTargetEntry)) && kTargetEntry[code] < cbTargetFormat->ItemsEx()->Count())
    cbTargetFormat->SetItemIndex(kTargetEntry[code]);

  FreePreviewConverters();
  RefreshPreviewStill();
}

void TMainForm::OpenTaskForPreview(DVDConvertTask* task, bool reopen) {
  if (!task || !task->Available || task == OpenedTask) return;
  HourGlass busy;
  DiscEngine& engine = *DiscEngineObject;
  if (engine.IsPlaying()) engine.Stop();
  if (reopen) {
    switch (task->Source) {
      case skDVDFolder: engine.OpenDVD(task->SourcePath.c_str()); break;
      case skIFOFile: engine.OpenIFO(task->SourcePath.c_str()); break;
      case skVOBFiles: {
        char* paths[kMaxVOBFiles] = {};
        const int count = SplitFileList(task->SourcePath, paths);
        std::unique_ptr<TWaitScanForm> scan(NewForm<TWaitScanForm>(this));
        const bool opened =
            engine.OpenVOBFiles(paths, count, WaitScanShow, WaitScanProgress, WaitScanClose, scan.get());
        FreeFileList(paths, count);
        if (!opened) return;
        break;
      }
    }
  }
  engine.SelectTitle(task->TitleIndex);
  engine.SelectAngle(task->AngleIndex);
  engine.SelectAudioStream(task->AudioStream);
  engine.SelectSubtitleStream(task->SubtitleStream);
  engine.SetLuminanceGain(task->LuminanceGain);
  engine.SetLuminanceOffset(task->LuminanceOffset);
  engine.SetSubtitleOffset(task->SubtitleOffset);
  engine.SetVolume(task->Volume);
  if (task->PreviewPosition != 0.0) engine.Seek(task->PreviewPosition);
  OpenedTask = task;
}

void TMainForm::StoreTaskSettings() {
  DVDConvertTask* task = CurrentTask;
  if (!task) return;
  task->PreviewPosition = tbPreview->Value() * 0.001;
  task->AudioStream = cbAudioStreams->ItemIndex();
  task->SubtitleStream = cbSubtitleStreams->ItemIndex();
  task->LuminanceGain = tbLuminanceGain->Value();
  task->LuminanceOffset = tbLuminanceOffset->Value();
  task->SubtitleOffset = tbVSubtitleOffset->Value();
  task->Volume = tbVolume->Value() * 0.1;
}

void TMainForm::RefreshPreviewStill() {
  if (Converting) return;
  {
    TFrameRenderer::Hold hold(*PreviewRenderer);
    PreviewRenderer->Forget();
  }
  if (!DiscEngineObject->IsPlaying()) DiscEngineObject->RefreshFrame();
}

void TMainForm::FreePreviewConverters() {
  TFrameRenderer::Hold hold(*PreviewRenderer);
  PreviewRenderer->Release();
}

void TMainForm::ForgetTasksOfPreview() {
  TFrameRenderer::Hold hold(*PreviewRenderer);
  PreviewRenderer->Release();
  CurrentTask = nullptr;
  OpenedTask = nullptr;
}

// ---- frames ----

bool VARNEL_STDCALL TMainForm::RenderPreviewFrame(void* context, const std::uint8_t* frame, VideoFrameInfo* info) {
  try {
    if (context && frame && info) static_cast<TMainForm*>(context)->RenderFrame(frame, *info);
  } catch (...) {
    // Nothing may be thrown back into the engine.
  }
  return true;
}

void TMainForm::RenderFrame(const std::uint8_t* frame, const VideoFrameInfo& info) {
  TFrameRenderer& renderer = *PreviewRenderer;
  if (!renderer.TryEnter()) return;  // another frame is being made: this one is dropped
  struct Leave {
    TFrameRenderer& renderer;
    ~Leave() { renderer.Leave(); }
  } leave{renderer};
  // The handler changes under the same lock (SetForeignFrameHandler).
  if (ForeignFrameHandler && ForeignFrameHandler(frame, info)) return;
  if (!CurrentTask) {
    ::PostMessageA(Handle(), kPreviewIdle, 0, 0);
    return;
  }
  if (renderer.FormatChanged(info)) {
    const TSize size = TargetOfPreview(info, CurrentTask->Unsqueeze, previewWidth_, previewHeight_);
    if (!renderer.Configure(info, size.cx, size.cy, CurrentTask->Unsqueeze, CurrentTask->KeepAspect)) return;
  }
  if (renderer.Render(frame)) ::PostMessageA(Handle(), kPreviewFrameReady, 0, 0);
}

void TMainForm::SetForeignFrameHandler(FrameHandler handler) {
  TFrameRenderer::Hold hold(*PreviewRenderer);
  ForeignFrameHandler = std::move(handler);
}

void TMainForm::ShowRenderedFrame() {
  TFrameRenderer::Hold hold(*PreviewRenderer);
  TBitmap32* picture = PreviewRenderer->Bitmap();
  if (!picture || !CurrentTask) return;
  PreviewImage->SetPopupMenu(PreviewPopupMenu);
  if (PreviewImage->ScaleMode() != smNormal) PreviewImage->SetScaleMode(smNormal);
  PreviewImage->Bitmap()->Assign(picture);
}

void TMainForm::ShowIdlePicture() {
  PreviewImage->Bitmap()->Assign(NoPreviewImage->Bitmap());
  PreviewImage->SetScaleMode(smStretch);
  StatusPanel->SetCaption("");
  PreviewImage->SetPopupMenu(nullptr);
}

void TMainForm::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case kPreviewFrameReady:
      ShowRenderedFrame();
      return;
    case kPreviewIdle:
      ShowIdlePicture();
      return;
    case WM_SIZE:
      TForm::Dispatch(message);
      if (PreviewImage) {
        previewWidth_ = PreviewImage->Width();
        previewHeight_ = PreviewImage->Height();
      }
      return;
    default:
      TForm::Dispatch(message);
  }
}

void TMainForm::PreviewImageResize(TObject*) {
  if (Converting || !PreviewImage) return;
  previewWidth_ = PreviewImage->Width();
  previewHeight_ = PreviewImage->Height();
  if (CurrentTask) {
    PreviewImage->SetScaleMode(smNormal);
    RefreshPreviewStill();
  } else {
    ShowIdlePicture();
  }
}

// ---- playing and seeking ----

void TMainForm::actPlayPreviewExecute(TObject*) {
  DiscEngineObject->Play(AskPreviewMode());
  PreviewTimer->SetEnabled(true);
}

void TMainForm::actStopPreviewExecute(TObject*) { DiscEngineObject->Stop(); }

void TMainForm::PreviewTimerTimer(TObject*) {
  TNotifyEvent handler = tbPreview->OnLastChange;
  tbPreview->OnLastChange = TNotifyEvent();
  tbPreview->SetValue(static_cast<int>(std::trunc(DiscEngineObject->GetPosition() * 1000)));
  tbPreview->OnLastChange = handler;
}

void TMainForm::tbPreviewMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  PreviewTimer->SetEnabled(false);
}

void TMainForm::tbPreviewLastChange(TObject*) {
  DiscEngineObject->Seek(tbPreview->Value() * 0.001);
  PreviewTimer->SetEnabled(DiscEngineObject->IsPlaying());
}

void TMainForm::StepChapter(int step) {
  if (!CurrentTask) return;
  DiscEngineObject->SeekChapter(ChapterStepTarget(CurrentTask->Title, tbPreview->Value() * 0.001, step));
  tbPreview->SetValue(static_cast<int>(std::trunc(DiscEngineObject->GetPosition() * 1000)));
}

void TMainForm::actPreviousChapterClickExecute(TObject*) { StepChapter(-1); }

void TMainForm::actNextChapterExecute(TObject*) { StepChapter(1); }

void TMainForm::actJumpToExecute(TObject*) {
  if (!CurrentTask) return;
  std::unique_ptr<TJumpToForm> dialog(NewForm<TJumpToForm>(this));
  dialog->SetTime(tbPreview->Value() / 1000);
  if (dialog->ShowModal() != mrOk) return;
  const double target = JumpTarget(dialog->Time(), CurrentTask->Title.Duration);
  DiscEngineObject->Seek(target);
  tbPreview->SetValue(static_cast<int>(std::trunc(target * 1000)));
}

void TMainForm::actRenderSourceMovieExecute(TObject*) { RefreshPreviewStill(); }

void TMainForm::actRenderOutputMovieExecute(TObject*) { RefreshPreviewStill(); }

void TMainForm::rbSourceMovieClick(TObject*) { RefreshPreviewStill(); }

void TMainForm::edtCropLeftChange(TObject*) { RefreshPreviewStill(); }

// ---- streams, picture and volume ----

void TMainForm::cbAudioStreamsChange(TObject*) {
  HourGlass busy;
  DiscEngineObject->SelectAudioStream(cbAudioStreams->ItemIndex());
}

void TMainForm::cbSubtitleStreamsChange(TObject*) {
  HourGlass busy;
  DiscEngineObject->SelectSubtitleStream(cbSubtitleStreams->ItemIndex());
}

void TMainForm::tbLuminanceGainChange(TObject*) {
  HourGlass busy;
  DiscEngineObject->SetLuminanceGain(tbLuminanceGain->Value());
  SetQuietly(edtLuminanceGain, tbLuminanceGain->Value());
}

void TMainForm::tbLuminanceOffsetChange(TObject*) {
  HourGlass busy;
  DiscEngineObject->SetLuminanceOffset(tbLuminanceOffset->Value());
  SetQuietly(edtLuminanceOffset, tbLuminanceOffset->Value());
}

void TMainForm::tbVSubtitleOffsetChange(TObject*) {
  HourGlass busy;
  DiscEngineObject->SetSubtitleOffset(tbVSubtitleOffset->Value());
  SetQuietly(edtVSubtitleOffset, tbVSubtitleOffset->Value());
}

void TMainForm::edtLuminanceGainChange(TObject*) {
  HourGlass busy;
  const int value = static_cast<int>(std::trunc(edtLuminanceGain->Value()));
  DiscEngineObject->SetLuminanceGain(value);
  SetQuietly(tbLuminanceGain, value);
}

void TMainForm::edtLuminanceOffsetChange(TObject*) {
  HourGlass busy;
  const int value = static_cast<int>(std::trunc(edtLuminanceOffset->Value()));
  DiscEngineObject->SetLuminanceOffset(value);
  SetQuietly(tbLuminanceOffset, value);
}

void TMainForm::edtVSubtitleOffsetChange(TObject*) {
  HourGlass busy;
  const int value = static_cast<int>(std::trunc(edtVSubtitleOffset->Value()));
  DiscEngineObject->SetSubtitleOffset(value);
  SetQuietly(tbVSubtitleOffset, value);
}

// The engine's volume is the task's: the slider / 10, 3.0 for normal.
void TMainForm::tbVolumeChange(TObject*) {
  SetQuietly(edtVolume, tbVolume->Value() * 100 / 30);
  DiscEngineObject->SetVolume(tbVolume->Value() / 10.0);
}

void TMainForm::edtVolumeChange(TObject*) {
  SetQuietly(tbVolume, static_cast<int>(std::trunc(edtVolume->Value() * 30 * 0.01)));
  DiscEngineObject->SetVolume(tbVolume->Value() / 10.0);
}

void TMainForm::GainImageClick(TObject*) { tbLuminanceGain->SetValue(128); }

void TMainForm::OffsetImageClick(TObject*) { tbLuminanceOffset->SetValue(0); }

void TMainForm::SubtitleVOffsetImageClick(TObject*) { tbVSubtitleOffset->SetValue(0); }

void TMainForm::VolumeImageClick(TObject*) { tbVolume->SetValue(30); }
