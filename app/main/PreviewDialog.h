// What the crop and split dialogs share: one task's frames in a picture of their
// own, a position slider that follows playback, play, stop, chapter steps and
// jumping. The disc engine may deliver frames on a thread of its own: a frame is
// made into the picture there, under the renderer's lock, and shown on the
// window's thread.
#pragma once

#include <atomic>
#include <cstdint>

#include "app/main/FrameRenderer.h"
#include "platform/controls/CustomForm.h"

class TBitmap32;
class TImage32;
class TTimer;
class TspDynamicSkinForm;
class TspSkinButton;
class TspSkinTrackBar;
struct DVDConvertTask;

// How a frame is shown in a picture of `pictureWidth` x `pictureHeight`: the size it
// has unsqueezed (or not), the size it is fitted to, and fitted / shown per axis.
struct PreviewFit {
  TSize Shown;
  TSize Fitted;
  double HorizontalRatio = 1.0;
  double VerticalRatio = 1.0;
};
PreviewFit FitPreviewFrame(const VideoFrameInfo& frame, bool unsqueeze, int pictureWidth, int pictureHeight);

class TPreviewDialog : public TForm {
public:
  TPreviewDialog(TComponent* owner, DVDConvertTask* task);
  ~TPreviewDialog() override;

  // Components of the definitions.
  TImage32* PreviewImage = nullptr;
  TspSkinTrackBar* tbPreview = nullptr;
  TspSkinButton* btnPlay = nullptr;
  TspSkinButton* btnStopPlay = nullptr;
  TspSkinButton* btnPreviousChapter = nullptr;
  TspSkinButton* btnNextChapter = nullptr;
  TspSkinButton* btnJumpTo = nullptr;
  TspSkinButton* btnOk = nullptr;
  TspSkinButton* btnClose = nullptr;
  TTimer* PreviewTimer = nullptr;
  TspDynamicSkinForm* DSF = nullptr;

  DVDConvertTask* Task() const { return task_; }

  // The engine's side: makes a delivered frame into the picture and has the
  // window's thread show it. A frame that finds another in the making is dropped.
  void RenderPreview(const std::uint8_t* frame, const VideoFrameInfo& info);
  // The next frame makes the scaler and converter anew; a still engine delivers
  // it at once once the dialog shows.
  void RequestPreviewRedraw();
  // Fitted / shown of the picture made last (1.0 before the first).
  double HorizontalRatio() const;
  double VerticalRatio() const;
  // The scalers, converter and pictures the frames went through (for looking in).
  TFrameRenderer& Renderer() { return renderer_; }

  void btnPlayClick(TObject* sender);
  void btnStopPlayClick(TObject* sender);
  void btnPreviousChapterClick(TObject* sender);
  void btnNextChapterClick(TObject* sender);
  void btnJumpToClick(TObject* sender);
  void PreviewTimerTimer(TObject* sender);
  void tbPreviewMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  void tbPreviewLastChange(TObject* sender);

protected:
  void Loaded() override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  // The view the frames are made in, read on the window's thread.
  virtual bool UnsqueezedView() const = 0;
  virtual bool KeepAspectView() const = 0;
  // On the window's thread, the renderer held: a new picture is ready. Shows it.
  virtual void PictureReady(TBitmap32* picture);
  void ShowPicture(TBitmap32* picture);
  // The slider's position in seconds, and the slider set to `seconds`.
  double SliderSeconds() const;
  void SetSliderSeconds(double seconds);

private:
  void FormShow(TObject* sender);
  void PreviewImageResize(TObject* sender);
  void StepChapter(int step);

  // What the engine's side makes the picture with, set on the window's thread
  // under the renderer's lock.
  struct View {
    bool Unsqueeze = false;
    bool KeepAspect = false;
    int Width = 0, Height = 0;
  };

  DVDConvertTask* task_;  // borrowed from the main window's task list
  mutable TFrameRenderer renderer_;  // const readers take its lock too
  View view_;                                    // guarded by renderer_
  double horizontalRatio_ = 1.0, verticalRatio_ = 1.0;  // guarded by renderer_
  std::atomic<HWND> window_{nullptr};            // where the engine's side posts
  bool loaded_ = false;
  bool shown_ = false;
};

// Makes a preview dialog for a task and reads its definition.
template <class F>
F* NewPreviewDialog(TComponent* owner, DVDConvertTask* task) {
  F* form = new F(owner, task);
  try {
    form->AfterConstruction();
  } catch (...) {
    delete form;
    throw;
  }
  return form;
}
