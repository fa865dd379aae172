// The title tree: its rows built from the task list, the clicks on its glyphs and
// check boxes, and its keys.
#include "app/main/MainFrm.h"
#include "app/main/TitleTree.h"
#include "app/TimeText.h"
#include "platform/comctrls/ListItems.h"
#include "platform/controls/Menus.h"
#include "platform/core/Lists.h"
#include "platform/core/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/io/Streams.h"
#include "platform/published/FormsPublished.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/controls/SkinTrackBar.h"

namespace {

// The strip of the tree's small images in the program's resources; magenta is clear.
void LoadTreeImages(TImageList* images) {
  if (images->Count() > 0 || !::FindResourceA(::GetModuleHandleA(nullptr), "TREE_ICONS.BMP", MAKEINTRESOURCEA(10)))
    return;
  TResourceStream stream(nullptr, "TREE_ICONS.BMP", MAKEINTRESOURCEA(10));
  TBitmap strip;
  strip.LoadFromStream(stream);
  images->AddMasked(&strip, clFuchsia);
}

// Whole seconds; what no clock shows (negative, not a number, past the counter) shows as 0.
String DurationText(double seconds) {
  const bool shown = seconds >= 0.0 && seconds < 4294967296.0;
  return FormatSecondsHMS(shown ? static_cast<unsigned>(seconds) : 0u);
}

TTitleRow* AddRow(TListItems* items, TTitleRow* row, const String& caption, int image) {
  TListItem* item = items->Add();
  item->Data = row;
  row->Item = item;
  item->SetCaption(caption);
  item->SetImageIndex(image);
  return row;
}

void AddTimes(TListItem* item, double seconds) {
  item->SubItems()->Add(DurationText(seconds));
  item->SubItems()->Add(TaskStateText(tsReady));
}

bool Within(const TRect& area, int x, int y) { return area.Contains(Point(x, y)); }

}  // namespace

void TMainForm::DeclareTitleTreeBindings() {
  DeclareFormBindings(this)
      .Field("mnuRemove", mnuRemove)
      .Field("mnuClear", mnuClear)
      .Field("mnuCheck", mnuCheck)
      .Field("mnuUncheck", mnuUncheck)
      .Field("mnuCheckAll", mnuCheckAll)
      .Field("mnuUncheckAll", mnuUncheckAll)
      .Field("mnuCheckAllChapters", mnuCheckAllChapters)
      .Field("mnuUncheckAllChapters", mnuUncheckAllChapters)
      .Field("mnuSelectAll", mnuSelectAll)
      .Field("mnuSelectAllChildren", mnuSelectAllChildren)
      .Handler("lvTitlesDrawItem", this, &TMainForm::lvTitlesDrawItem)
      .Handler("lvTitlesDrawHeaderSection", this, &TMainForm::lvTitlesDrawHeaderSection)
      .Handler("lvTitlesMouseUp", this, &TMainForm::lvTitlesMouseUp)
      .Handler("lvTitlesKeyPress", this, &TMainForm::lvTitlesKeyPress)
      .Handler("TitlesPopupMenuPopup", this, &TMainForm::TitlesPopupMenuPopup)
      .Handler("mnuRemoveClick", this, &TMainForm::mnuRemoveClick)
      .Handler("mnuClearClick", this, &TMainForm::mnuClearClick)
      .Handler("mnuCheckClick", this, &TMainForm::mnuCheckClick)
      .Handler("mnuUncheckClick", this, &TMainForm::mnuUncheckClick)
      .Handler("mnuCheckAllClick", this, &TMainForm::mnuCheckAllClick)
      .Handler("mnuUncheckAllClick", this, &TMainForm::mnuUncheckAllClick)
      .Handler("mnuCheckAllChaptersClick", this, &TMainForm::mnuCheckAllChaptersClick)
      .Handler("mnuUncheckAllChaptersClick", this, &TMainForm::mnuUncheckAllChaptersClick)
      .Handler("mnuSelectAllClick", this, &TMainForm::mnuSelectAllClick)
      .Handler("mnuSelectAllChildrenClick", this, &TMainForm::mnuSelectAllChildrenClick);
}

void TMainForm::SetupTitleTree() { LoadTreeImages(ImageList); }

void TMainForm::ClearTitleTree() {
  if (!lvTitles) return;
  TListItems* items = lvTitles->Items();
  for (int i = 0; i < items->Count(); ++i) {
    delete RowOf(items->Item(i));
    items->Item(i)->Data = nullptr;
  }
  items->Clear();
}

void TMainForm::RebuildTitleTree() {
  TListItems* items = lvTitles->Items();
  items->BeginUpdate();
  ClearTitleTree();
  TTitleRow* source = nullptr;
  for (int i = 0; i < TaskCount(); ++i) {
    DVDConvertTask* task = Task(i);
    if (!source || task->SourceListingNumber != Task(i - 1)->SourceListingNumber) {
      source = AddRow(items, new TTitleRow{SourceRowKind(task->Source)},
                      task->VolumeLabel + "(" + task->SourcePath + ")", SourceRowImage(task->Source));
    }
    const bool split = task->Split == smByChapter;
    TTitleRow* title = AddRow(items, new TTitleRow{split ? rkChapterTitle : rkTitle, task}, task->Name,
                              task->Available ? tiTitle : tiUnavailableTitle);
    source->Children.push_back(title);
    title->Item->SetChecked(task->Checked);
    AddTimes(title->Item, task->Title.Duration);
    if (!split) continue;
    for (int c = 0; c < ListedChapterCount(*task); ++c) {
      TTitleRow* chapter = AddRow(items, new TTitleRow{rkChapter, task, {}, c}, "Chapter " + std::to_string(c + 1),
                                  tiChapter);
      title->Children.push_back(chapter);
      chapter->Item->SetChecked(task->ChapterFlags[c] != 0);
      AddTimes(chapter->Item, task->Title.ChapterDurations[c]);
    }
  }
  items->EndUpdate();
  FileListBackgroundPanel->SetVisible(TaskCount() == 0);

  // The current task's row is scrolled into view when it lies below the visible rows.
  for (int i = 0; CurrentTask && i < items->Count(); ++i) {
    if (RowOf(items->Item(i))->Task != CurrentTask) continue;
    TListItem* top = lvTitles->TopItem();
    const int distance = items->Item(i)->DisplayRect(drBounds).Top - (top ? top->DisplayRect(drBounds).Top : 0);
    if (distance > lvTitles->Height()) lvTitles->Scroll(0, distance);
    break;
  }
}

void TMainForm::SelectCurrentTask() {
  StoreTaskSettings();
  if (lvTitles->SelCount() > 1) {
    UpdatePreviewControls(nullptr);
  } else if (TTitleRow* row = RowOf(lvTitles->Selected()); row && !row->IsSource() && row->Task != CurrentTask) {
    CurrentTask = row->Task;
    UpdatePreviewControls(CurrentTask);
    OpenTaskForPreview(CurrentTask, true);
  }
  lvTitles->Repaint();
}

// A click on a row outside its glyph and check box, or Enter: the row's task
// becomes current; a chapter is also sought. The row stays the one selected.
void TMainForm::ClickTitleRow(TListItem* item) {
  TTitleRow* row = RowOf(item);
  SelectCurrentTask();
  if (!row || !row->IsAvailableTask()) return;
  if (row->Kind == rkChapter) {
    DiscEngineObject->SeekChapter(row->Chapter);
    tbPreview->SetValue(static_cast<int>(DiscEngineObject->GetPosition() * 1000));
  }
  TListItems* items = lvTitles->Items();
  for (int i = 0; i < items->Count(); ++i) {
    TTitleRow* candidate = RowOf(items->Item(i));
    const bool same = row->Kind == rkChapter ? candidate->Kind == rkChapter && candidate->Chapter == row->Chapter
                                             : candidate->IsTitle();
    if (same && candidate->Task == CurrentTask) {
      lvTitles->SetSelected(items->Item(i));
      break;
    }
  }
}

void TMainForm::lvTitlesMouseUp(TObject*, TMouseButton button, TShiftState, int x, int y) {
  if (button != mbLeft || lvTitles->Items()->Count() == 0) return;
  TListItem* item = lvTitles->GetItemAt(x, y);
  TTitleRow* row = RowOf(item);
  if (!row || !row->IsAvailableTask()) return SelectCurrentTask();
  const TRowHitAreas hit = RowHitAreas(item->DisplayRect(drBounds), ImageList->Height());
  DVDConvertTask* task = row->Task;
  switch (row->Kind) {
    case rkTitle:
      if (Within(hit.Glyph, x, y)) {
        task->Split = smByChapter;
        task->Checked = true;
        RebuildTitleTree();
        UpdatePreviewControls(CurrentTask);
        OpenTaskForPreview(CurrentTask, true);
        return;
      }
      if (Within(hit.CheckBox, x, y)) {
        task->Checked = !task->Checked;
        item->Update();
        return;
      }
      item->Update();
      break;
    case rkChapterTitle:
      if (Within(hit.Glyph, x, y)) {
        task->Split = smClips;
        RebuildTitleTree();
        UpdatePreviewControls(CurrentTask);
        return;
      }
      break;
    default:
      if (Within(hit.CheckBox, x, y)) {
        task->ChapterFlags[row->Chapter] = !task->ChapterFlags[row->Chapter];
        item->Update();
        return;
      }
      item->Update();
      break;
  }
  ClickTitleRow(item);
}

void TMainForm::lvTitlesKeyPress(TObject*, char& key) {
  if (key == ' ') {
    TListItems* items = lvTitles->Items();
    for (int i = 0; i < items->Count(); ++i) {
      TListItem* item = items->Item(i);
      TTitleRow* row = RowOf(item);
      if (!item->Selected() || !row->IsAvailableTask()) continue;
      if (row->Kind == rkTitle) row->Task->Checked = !row->Task->Checked;
      else if (row->Kind == rkChapter) row->Task->ChapterFlags[row->Chapter] = !row->Task->ChapterFlags[row->Chapter];
      else continue;
      item->Update();
    }
    key = 0;
  } else if (key == '\r') {
    if (lvTitles->SelCount() == 1) ClickTitleRow(lvTitles->Selected());
    key = 0;
  }
}
