// The split dialog: how a task's title is cut into output files, by clips set with
// in and out points on a preview, by output size, by chapter or by time. The clip
// commands change the task's clip list at once; the mode is written whenever a
// mode with a handler is chosen, and again by OK.
#pragma once

#include "app/main/PreviewDialog.h"
#include "platform/controls/OwnerDraw.h"

class TCustomListView;
class TListItem;
class TspSkinCheckRadioBox;
class TspSkinListView;
class TspSkinSpinEdit;
struct TimeRange;

// The texts of a clip's row: its start, end and duration as "hh:mm:ss ", whole seconds.
struct ClipRowTexts {
  String InPoint, OutPoint, Duration;
};
ClipRowTexts ClipRow(const TimeRange& clip);

class TSplitForm : public TPreviewDialog {
public:
  TSplitForm(TComponent* owner, DVDConvertTask* task);

  TspSkinCheckRadioBox* rbCustomSplit = nullptr;
  TspSkinButton* btnNewClip = nullptr;
  TspSkinButton* btnDelClip = nullptr;
  TspSkinButton* btnSetInPoint = nullptr;
  TspSkinButton* btnOutPoint = nullptr;
  TspSkinListView* lvCustomSplitList = nullptr;
  TspSkinCheckRadioBox* rbByTime = nullptr;
  TspSkinSpinEdit* edtByDurationValue = nullptr;
  TspSkinCheckRadioBox* rbByOutputSize = nullptr;
  TspSkinSpinEdit* edtByOutputSizeValue = nullptr;
  TspSkinCheckRadioBox* rbByChapter = nullptr;

  // Called for every frame while the dialog is open (the engine's side).
  void RenderSplitPreview(const std::uint8_t* frame, const VideoFrameInfo& info) { RenderPreview(frame, info); }

  void rbByTimeClick(TObject* sender);
  void btnNewClipClick(TObject* sender);
  void btnDelClipClick(TObject* sender);
  void btnSetInPointClick(TObject* sender);
  void btnOutPointClick(TObject* sender);
  void lvCustomSplitListSelectItem(TObject* sender, TListItem* item, bool selected);
  void lvCustomSplitListDrawItem(TCustomListView* sender, TListItem* item, TRect rect, TOwnerDrawState state);
  void btnOkClick(TObject* sender);

protected:
  void Loaded() override;
  bool UnsqueezedView() const override;
  bool KeepAspectView() const override;

private:
  void FillRow(TListItem* row, const TimeRange& clip);
  void SelectFirstRow();
  // The clip of the selected row; nullptr without a selection or a clip.
  TimeRange* SelectedClip() const;
};
