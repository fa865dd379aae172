#include "app/main/PreviewDialog.h"

#include <climits>
#include <cmath>
#include <memory>

#include "app/DVDConvertTask.h"
#include "app/Myshelllib.h"
#include "app/main/JumpToFrm.h"
#include "app/main/MainFrm.h"
#include "app/main/PreviewPromptFrm.h"
#include "imaging/GR32.h"
#include "imaging/GR32_Image.h"
#include "platform/core/Timer.h"
#include "platform/published/FormsPublished.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/form/DynamicSkinForm.h"

namespace {

// Posted by the engine's side when a picture is ready to be shown.
constexpr UINT kPictureReady = WM_APP + 0x61;

DiscEngine* Engine() { return DiscEngineObject; }

}  // namespace

PreviewFit FitPreviewFrame(const VideoFrameInfo& frame, bool unsqueeze, int pictureWidth, int pictureHeight) {
  const double aspect = UsableAspect(frame.DisplayAspect, frame.Width, frame.Height);
  PreviewFit fit;
  fit.Shown = PreviewFrameSize(frame.Width, frame.Height, aspect, unsqueeze, INT_MAX, INT_MAX);
  fit.Fitted = PreviewFrameSize(frame.Width, frame.Height, aspect, unsqueeze, pictureWidth, pictureHeight);
  if (fit.Fitted.cx != fit.Shown.cx || fit.Fitted.cy != fit.Shown.cy) {
    fit.HorizontalRatio = fit.Shown.cx > 0 ? double(fit.Fitted.cx) / fit.Shown.cx : 1.0;
    fit.VerticalRatio = fit.Shown.cy > 0 ? double(fit.Fitted.cy) / fit.Shown.cy : 1.0;
  }
  return fit;
}

TPreviewDialog::TPreviewDialog(TComponent* owner, DVDConvertTask* task) : TForm(owner), task_(task) {
  DeclareFormBindings(this)
      .Field("PreviewImage", PreviewImage)
      .Field("tbPreview", tbPreview)
      .Field("btnPlay", btnPlay)
      .Field("btnStopPlay", btnStopPlay)
      .Field("btnPreviousChapter", btnPreviousChapter)
      .Field("btnNextChapter", btnNextChapter)
      .Field("btnJumpTo", btnJumpTo)
      .Field("btnOk", btnOk)
      .Field("btnClose", btnClose)
      .Field("PreviewTimer", PreviewTimer)
      .Field("DSF", DSF)
      .Handler("FormShow", this, &TPreviewDialog::FormShow)
      .Handler("PreviewImageResize", this, &TPreviewDialog::PreviewImageResize)
      .Handler("btnPlayClick", this, &TPreviewDialog::btnPlayClick)
      .Handler("btnStopPlayClick", this, &TPreviewDialog::btnStopPlayClick)
      .Handler("btnPreviousChapterClick", this, &TPreviewDialog::btnPreviousChapterClick)
      .Handler("btnNextChapterClick", this, &TPreviewDialog::btnNextChapterClick)
      .Handler("btnJumpToClick", this, &TPreviewDialog::btnJumpToClick)
      .Handler("PreviewTimerTimer", this, &TPreviewDialog::PreviewTimerTimer)
      .Handler("tbPreviewMouseDown", this, &TPreviewDialog::tbPreviewMouseDown)
      .Handler("tbPreviewLastChange", this, &TPreviewDialog::tbPreviewLastChange);
}

// The scalers, the converter, the converted frame and the pictures go with the
// renderer; the main window has stopped handing frames over before this runs.
TPreviewDialog::~TPreviewDialog() {
  TFrameRenderer::Hold hold(renderer_);
  renderer_.ReleaseAll();
}

void TPreviewDialog::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  params.WindowClass.style |= DropShadowClassStyle();
}

void TPreviewDialog::CreateWnd() {
  TForm::CreateWnd();
  window_ = Handle();
}

void TPreviewDialog::DestroyWnd() {
  window_ = nullptr;
  TForm::DestroyWnd();
}

void TPreviewDialog::Loaded() {
  TForm::Loaded();
  loaded_ = true;
  for (TspSkinButton* glyphOnly : {btnPlay, btnStopPlay, btnPreviousChapter, btnNextChapter, btnJumpTo})
    glyphOnly->SetCaption("");
  if (task_) tbPreview->SetMaxValue(static_cast<int>(std::trunc(task_->Title.Duration * 1000)));
  if (Engine()) SetSliderSeconds(Engine()->GetPosition());
  RequestPreviewRedraw();
}

// ---- frames ----

void TPreviewDialog::RenderPreview(const std::uint8_t* frame, const VideoFrameInfo& info) {
  if (!frame || info.Width <= 0 || info.Height <= 0) return;
  if (!renderer_.TryEnter()) return;  // another frame is being made: this one is dropped
  struct Leave {
    TFrameRenderer& renderer;
    ~Leave() { renderer.Leave(); }
  } leave{renderer_};
  if (!task_) return;
  if (renderer_.FormatChanged(info)) {
    const PreviewFit fit = FitPreviewFrame(info, view_.Unsqueeze, view_.Width, view_.Height);
    if (!renderer_.Configure(info, fit.Fitted.cx, fit.Fitted.cy, view_.Unsqueeze, view_.KeepAspect)) return;
    horizontalRatio_ = fit.HorizontalRatio;
    verticalRatio_ = fit.VerticalRatio;
  }
  if (!renderer_.Render(frame)) return;
  if (HWND window = window_) ::PostMessageA(window, kPictureReady, 0, 0);
}

void TPreviewDialog::RequestPreviewRedraw() {
  if (!loaded_) return;
  {
    TFrameRenderer::Hold hold(renderer_);
    view_ = View{UnsqueezedView(), KeepAspectView(), PreviewImage->Width(), PreviewImage->Height()};
    renderer_.Forget();
  }
  // Frames for a dialog not shown yet would only be thrown away.
  if (shown_ && Engine() && !Engine()->IsPlaying()) Engine()->RefreshFrame();
}

double TPreviewDialog::HorizontalRatio() const {
  TFrameRenderer::Hold hold(renderer_);
  return horizontalRatio_;
}

double TPreviewDialog::VerticalRatio() const {
  TFrameRenderer::Hold hold(renderer_);
  return verticalRatio_;
}

void TPreviewDialog::Dispatch(TMessage& message) {
  if (message.Msg != kPictureReady) {
    TForm::Dispatch(message);
    return;
  }
  TFrameRenderer::Hold hold(renderer_);
  if (TBitmap32* picture = renderer_.Bitmap()) PictureReady(picture);
}

void TPreviewDialog::PictureReady(TBitmap32* picture) { ShowPicture(picture); }

void TPreviewDialog::ShowPicture(TBitmap32* picture) {
  if (PreviewImage->ScaleMode() != smNormal) PreviewImage->SetScaleMode(smNormal);
  PreviewImage->Bitmap()->Assign(picture);
}

void TPreviewDialog::FormShow(TObject*) {
  shown_ = true;
  RequestPreviewRedraw();
}

void TPreviewDialog::PreviewImageResize(TObject*) { RequestPreviewRedraw(); }

// ---- playing and seeking ----

double TPreviewDialog::SliderSeconds() const { return tbPreview->Value() * 0.001; }

void TPreviewDialog::SetSliderSeconds(double seconds) {
  tbPreview->SetValue(static_cast<int>(std::trunc(seconds * 1000)));
}

void TPreviewDialog::btnPlayClick(TObject*) {
  Engine()->Play(AskPreviewMode());
  PreviewTimer->SetEnabled(true);
}

void TPreviewDialog::btnStopPlayClick(TObject*) { Engine()->Stop(); }

void TPreviewDialog::PreviewTimerTimer(TObject*) {
  TNotifyEvent handler = tbPreview->OnLastChange;
  tbPreview->OnLastChange = TNotifyEvent();
  SetSliderSeconds(Engine()->GetPosition());
  tbPreview->OnLastChange = handler;
}

void TPreviewDialog::tbPreviewMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  PreviewTimer->SetEnabled(false);
}

void TPreviewDialog::tbPreviewLastChange(TObject*) {
  Engine()->Seek(SliderSeconds());
  PreviewTimer->SetEnabled(Engine()->IsPlaying());
}

void TPreviewDialog::StepChapter(int step) {
  if (!task_) return;
  Engine()->SeekChapter(ChapterStepTarget(task_->Title, SliderSeconds(), step));
  SetSliderSeconds(Engine()->GetPosition());
}

void TPreviewDialog::btnPreviousChapterClick(TObject*) { StepChapter(-1); }

void TPreviewDialog::btnNextChapterClick(TObject*) { StepChapter(1); }

void TPreviewDialog::btnJumpToClick(TObject*) {
  if (!task_) return;
  std::unique_ptr<TJumpToForm> dialog(NewForm<TJumpToForm>(this));
  dialog->SetTime(tbPreview->Value() / 1000);
  if (dialog->ShowModal() != mrOk) return;
  const double target = JumpTarget(dialog->Time(), task_->Title.Duration);
  Engine()->Seek(target);
  SetSliderSeconds(target);
}
