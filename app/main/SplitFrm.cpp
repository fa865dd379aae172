#include "app/main/SplitFrm.h"

#include <algorithm>
#include <cmath>

#include "app/DVDConvertTask.h"
#include "app/TimeText.h"
#include "platform/comctrls/ListItems.h"
#include "platform/published/FormsPublished.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/controls/SkinSpinEdit.h"

namespace {

constexpr TColor kSelectedRowColor = 14647357;

unsigned WholeSeconds(double seconds) { return static_cast<unsigned>(std::max(std::trunc(seconds), 0.0)); }

}  // namespace

ClipRowTexts ClipRow(const TimeRange& clip) {
  return {FormatSecondsHMS(WholeSeconds(clip.Start)), FormatSecondsHMS(WholeSeconds(clip.End)),
          FormatSecondsHMS(WholeSeconds(clip.End - clip.Start))};
}

TSplitForm::TSplitForm(TComponent* owner, DVDConvertTask* task) : TPreviewDialog(owner, task) {
  DeclareFormBindings(this)
      .Field("rbCustomSplit", rbCustomSplit)
      .Field("btnNewClip", btnNewClip)
      .Field("btnDelClip", btnDelClip)
      .Field("btnSetInPoint", btnSetInPoint)
      .Field("btnOutPoint", btnOutPoint)
      .Field("lvCustomSplitList", lvCustomSplitList)
      .Field("rbByTime", rbByTime)
      .Field("edtByDurationValue", edtByDurationValue)
      .Field("rbByOutputSize", rbByOutputSize)
      .Field("edtByOutputSizeValue", edtByOutputSizeValue)
      .Field("rbByChapter", rbByChapter)
      .Handler("rbByTimeClick", this, &TSplitForm::rbByTimeClick)
      .Handler("btnNewClipClick", this, &TSplitForm::btnNewClipClick)
      .Handler("btnDelClipClick", this, &TSplitForm::btnDelClipClick)
      .Handler("btnSetInPointClick", this, &TSplitForm::btnSetInPointClick)
      .Handler("btnOutPointClick", this, &TSplitForm::btnOutPointClick)
      .Handler("lvCustomSplitListSelectItem", this, &TSplitForm::lvCustomSplitListSelectItem)
      .Handler("lvCustomSplitListDrawItem", this, &TSplitForm::lvCustomSplitListDrawItem)
      .Handler("btnOkClick", this, &TSplitForm::btnOkClick);
}

void TSplitForm::Loaded() {
  TPreviewDialog::Loaded();
  DVDConvertTask* task = Task();
  if (!task) return;
  // "By Chapter" has no handler: choosing it leaves every control as it was.
  switch (task->Split) {
    case smClips: rbCustomSplit->SetChecked(true); break;
    case smBySize: rbByOutputSize->SetChecked(true); break;
    case smByChapter: rbByChapter->SetChecked(true); break;
    case smByTime: rbByTime->SetChecked(true); break;
    default: break;
  }
  edtByOutputSizeValue->SetValue(task->SplitSize);
  edtByDurationValue->SetValue(task->SplitMinutes);
  TListItems* rows = lvCustomSplitList->Items();
  rows->BeginUpdate();
  rows->Clear();
  for (const TimeRange* clip : task->Clips) FillRow(rows->Add(), *clip);
  rows->EndUpdate();
  SelectFirstRow();
}

bool TSplitForm::UnsqueezedView() const { return Task() && Task()->Unsqueeze; }

bool TSplitForm::KeepAspectView() const { return Task() && Task()->KeepAspect; }

void TSplitForm::FillRow(TListItem* row, const TimeRange& clip) {
  const ClipRowTexts texts = ClipRow(clip);
  row->SetCaption(texts.InPoint);
  row->SubItems()->Clear();
  row->SubItems()->Add(texts.OutPoint);
  row->SubItems()->Add(texts.Duration);
}

void TSplitForm::SelectFirstRow() {
  if (lvCustomSplitList->Items()->Count() > 0) lvCustomSplitList->SetSelected(lvCustomSplitList->Items()->Item(0));
}

TimeRange* TSplitForm::SelectedClip() const {
  TListItem* row = lvCustomSplitList->Selected();
  if (!Task() || !row) return nullptr;
  const int index = row->Index();
  if (index < 0 || index >= int(Task()->Clips.size())) return nullptr;
  return Task()->Clips[index];
}

// ---- the mode ----

void TSplitForm::rbByTimeClick(TObject*) {
  for (TControl* control : std::initializer_list<TControl*>{edtByDurationValue, edtByOutputSizeValue, btnNewClip,
                                                              btnDelClip, btnSetInPoint, btnOutPoint,
                                                              lvCustomSplitList})
    control->SetEnabled(false);
  SplitMode mode = smByChapter;
  if (rbByTime->Checked()) {
    edtByDurationValue->SetEnabled(true);
    lvCustomSplitList->ClearSelection();
    mode = smByTime;
  } else if (rbByOutputSize->Checked()) {
    edtByOutputSizeValue->SetEnabled(true);
    lvCustomSplitList->ClearSelection();
    mode = smBySize;
  } else if (rbCustomSplit->Checked()) {
    for (TControl* control :
         std::initializer_list<TControl*>{btnNewClip, btnDelClip, btnSetInPoint, btnOutPoint, lvCustomSplitList})
      control->SetEnabled(true);
    SelectFirstRow();
    mode = smClips;
  } else {
    lvCustomSplitList->ClearSelection();
  }
  lvCustomSplitList->Repaint();
  if (DVDConvertTask* task = Task()) {
    task->Split = mode;
    if (mode == smByChapter) task->Checked = true;
  }
}

void TSplitForm::btnOkClick(TObject*) {
  DVDConvertTask* task = Task();
  if (!task) return;
  if (rbCustomSplit->Checked()) {
    task->Split = smClips;
  } else if (rbByOutputSize->Checked()) {
    task->Split = smBySize;
    task->SplitSize = static_cast<std::int32_t>(std::trunc(edtByOutputSizeValue->Value()));
  } else if (rbByTime->Checked()) {
    task->Split = smByTime;
    task->SplitMinutes = static_cast<std::int32_t>(std::trunc(edtByDurationValue->Value()));
  } else {
    task->Split = smByChapter;
  }
}

// ---- the clips ----

void TSplitForm::btnNewClipClick(TObject*) {
  DVDConvertTask* task = Task();
  if (!task || !AddWholeTitleClip(*task)) return;
  TListItem* row = lvCustomSplitList->Items()->Add();
  FillRow(row, *task->Clips.back());
  lvCustomSplitList->SetSelected(row);
}

void TSplitForm::btnDelClipClick(TObject*) {
  TimeRange* clip = SelectedClip();
  if (!clip) return;
  TListItem* row = lvCustomSplitList->Selected();
  std::vector<TimeRange*>& clips = Task()->Clips;
  clips.erase(clips.begin() + row->Index());
  delete clip;
  row->Delete();
}

void TSplitForm::btnSetInPointClick(TObject*) {
  TimeRange* clip = SelectedClip();
  if (!clip) return;
  double start = SliderSeconds();
  if (start > clip->End) start = clip->End - 1;
  clip->Start = std::max(start, 0.0);  // a clip shorter than a second starts at 0
  FillRow(lvCustomSplitList->Selected(), *clip);
}

void TSplitForm::btnOutPointClick(TObject*) {
  TimeRange* clip = SelectedClip();
  if (!clip) return;
  double end = SliderSeconds();
  if (!(end >= clip->Start)) end = clip->Start + 1;
  clip->End = end;
  FillRow(lvCustomSplitList->Selected(), *clip);
}

void TSplitForm::lvCustomSplitListSelectItem(TObject*, TListItem*, bool selected) {
  if (Task() && lvCustomSplitList->Selected() && rbCustomSplit->Checked()) {
    if (selected) {
      btnSetInPoint->SetEnabled(true);
      btnOutPoint->SetEnabled(true);
    }
    lvCustomSplitList->Repaint();
    return;
  }
  btnSetInPoint->SetEnabled(false);
  btnOutPoint->SetEnabled(false);
}

// ---- drawing a row ----

void TSplitForm::lvCustomSplitListDrawItem(TCustomListView* sender, TListItem* item, TRect rect,
                                           TOwnerDrawState state) {
  TCanvas* canvas = sender->Canvas();
  const bool selected = (state & odSelected) != 0;
  canvas->Brush()->SetColor(selected ? kSelectedRowColor : sender->Color());
  canvas->Font()->SetColor(selected ? clWhite : clBlack);
  TRect fill = rect;
  if (selected) {
    fill.Left = rect.Left + 1;
    fill.Right = sender->Width() - 1;
  }
  canvas->FillRect(fill);
  canvas->Brush()->SetStyle(bsClear);

  int textLeft = rect.Left + 4;
  TCustomImageList* images = sender->SmallImages();
  if (images && item->ImageIndex() >= 0) {
    images->Draw(canvas, rect.Left + 2, rect.Top + (rect.Height() - images->Height()) / 2, item->ImageIndex());
    textLeft = rect.Left + 2 + images->Width() + 4;
  }
  const int textTop = rect.Top + (rect.Height() - canvas->TextHeight("A")) / 2;
  constexpr TTextFormat kCut = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  TListColumns* columns = sender->Columns();
  int columnLeft = rect.Left;
  int columnRight = columns->Count() > 0 ? columnLeft + columns->Items(0)->Width() : rect.Right;
  TRect caption{textLeft, textTop, columnRight, rect.Bottom};
  canvas->TextRect(caption, item->Caption(), kCut);
  for (int i = 0; i < item->SubItems()->Count() && i + 1 < columns->Count(); ++i) {
    columnLeft = columnRight;
    columnRight = columnLeft + columns->Items(i + 1)->Width();
    TRect cell{columnLeft, textTop, std::min(columnRight, rect.Right - 1), rect.Bottom};
    canvas->TextRect(cell, item->SubItems()->Strings(i), kCut | DT_CENTER);
  }
}
