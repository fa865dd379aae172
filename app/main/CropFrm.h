// The crop dialog: a task's four crop edges and its two aspect choices, over a
// preview of the task's frames, with a border detection that fills the edges in.
#pragma once

#include "app/main/PreviewDialog.h"

class TspSkinCheckRadioBox;
class TspSkinSpinEdit;

// The plain border of a picture in its own pixels: rows and columns at the edges
// whose pixels all lie within 20 of the top-left pixel's red, green and blue.
struct CropEdges {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
CropEdges FindPictureBorder(const TBitmap32& picture);

class TCropForm : public TPreviewDialog {
public:
  TCropForm(TComponent* owner, DVDConvertTask* task);

  TspSkinSpinEdit* edtCropLeft = nullptr;
  TspSkinSpinEdit* edtCropRight = nullptr;
  TspSkinSpinEdit* edtCropTop = nullptr;
  TspSkinSpinEdit* edtCropBottom = nullptr;
  TspSkinButton* btnAutoCrop = nullptr;
  TspSkinButton* btnCropReset = nullptr;
  TspSkinCheckRadioBox* chkResumeDVDSize = nullptr;
  TspSkinCheckRadioBox* chkFixAspectRatio = nullptr;
  TspSkinCheckRadioBox* rbSourceMovie = nullptr;
  TspSkinCheckRadioBox* rbOutputMovie = nullptr;

  // Called for every frame while the dialog is open (the engine's side).
  void RenderCropPreview(const std::uint8_t* frame, const VideoFrameInfo& info) { RenderPreview(frame, info); }
  // Puts the border of `picture`, in frame pixels (divided by the display
  // ratios), into the four edits without asking for a redraw.
  void DetectAutoCrop(TBitmap32* picture);
  bool AutoCropRequested() const { return autoCropRequested_; }

  void btnAutoCropClick(TObject* sender);
  void btnCropResetClick(TObject* sender);
  void edtCropLeftChange(TObject* sender);
  void btnOkClick(TObject* sender);

protected:
  void Loaded() override;
  bool UnsqueezedView() const override;
  bool KeepAspectView() const override;
  void PictureReady(TBitmap32* picture) override;

private:
  bool autoCropRequested_ = false;
};
