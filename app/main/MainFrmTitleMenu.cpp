// The title tree's popup menu: removing rows, checking and selecting them.
#include <algorithm>
#include <cstring>

#include "app/main/MainFrm.h"
#include "app/main/TitleTree.h"
#include "platform/comctrls/ListItems.h"
#include "platform/controls/Menus.h"
#include "platform/core/Lists.h"
#include "skin/controls/SkinCustomListView.h"

namespace {

// Calls `visit` with every row of the tree, selected ones only when asked.
template <class Visit>
void ForEachRow(TspSkinListView* tree, bool selectedOnly, Visit visit) {
  TListItems* items = tree->Items();
  for (int i = 0; i < items->Count(); ++i)
    if (!selectedOnly || items->Item(i)->Selected()) visit(*RowOf(items->Item(i)));
}

// A title row's checked flag or a chapter row's flag; the other rows hold none.
void SetRowChecked(TTitleRow& row, bool value) {
  if (!row.IsAvailableTask()) return;
  if (row.Kind == rkTitle) row.Task->Checked = value;
  else if (row.Kind == rkChapter) row.Task->ChapterFlags[row.Chapter] = value;
}

void SetChapterFlags(DVDConvertTask& task, bool value) {
  std::memset(task.ChapterFlags, value ? 1 : 0, sizeof(task.ChapterFlags));
}

bool HasChildren(TitleRowKind kind) { return kind != rkTitle && kind != rkChapter; }

void AddOnce(std::vector<DVDConvertTask*>& tasks, DVDConvertTask* task) {
  if (std::find(tasks.begin(), tasks.end(), task) == tasks.end()) tasks.push_back(task);
}

}  // namespace

void TMainForm::TitlesPopupMenuPopup(TObject*) {
  const bool selected = lvTitles->SelCount() > 0;
  const bool rows = lvTitles->Items()->Count() > 0;
  const TTitleRow* first = RowOf(lvTitles->Selected());
  const bool parent = first && HasChildren(first->Kind);
  mnuRemove->SetEnabled(selected);
  mnuClear->SetEnabled(rows);
  mnuCheck->SetEnabled(selected);
  mnuUncheck->SetEnabled(selected);
  mnuCheckAll->SetEnabled(rows);
  mnuUncheckAll->SetEnabled(rows);
  mnuCheckAllChapters->SetEnabled(parent);
  mnuUncheckAllChapters->SetEnabled(parent);
  mnuSelectAll->SetEnabled(true);
  mnuSelectAllChildren->SetEnabled(parent);
}

// Destroys each task once, even when its source row and its own row are both selected.
void TMainForm::RemoveTasks(const std::vector<DVDConvertTask*>& doomed) {
  ClearTitleTree();
  CurrentTask = nullptr;
  if (std::find(doomed.begin(), doomed.end(), OpenedTask) != doomed.end()) OpenedTask = nullptr;
  for (DVDConvertTask* task : doomed) {
    TaskList->Remove(task);
    delete task;
  }
  RebuildTitleTree();
  UpdatePreviewControls(nullptr);
  RefreshPreviewStill();
}

void TMainForm::mnuRemoveClick(TObject*) {
  std::vector<DVDConvertTask*> doomed;
  ForEachRow(lvTitles, true, [&](TTitleRow& row) {
    if (row.IsTitle()) AddOnce(doomed, row.Task);
    if (row.IsSource())
      for (TTitleRow* title : row.Children) AddOnce(doomed, title->Task);
  });
  RemoveTasks(doomed);
}

void TMainForm::mnuClearClick(TObject*) {
  std::vector<DVDConvertTask*> all;
  for (int i = 0; i < TaskCount(); ++i) all.push_back(Task(i));
  RemoveTasks(all);
}

void TMainForm::SetSelectedChecked(bool value) {
  ForEachRow(lvTitles, true, [&](TTitleRow& row) { SetRowChecked(row, value); });
  lvTitles->Repaint();
}

void TMainForm::SetAllChecked(bool value) {
  ForEachRow(lvTitles, false, [&](TTitleRow& row) { SetRowChecked(row, value); });
  lvTitles->Repaint();
}

void TMainForm::SetChildrenChecked(bool value) {
  ForEachRow(lvTitles, true, [&](TTitleRow& row) {
    if (row.Kind == rkChapterTitle) SetChapterFlags(*row.Task, value);
    if (!row.IsSource()) return;
    for (TTitleRow* title : row.Children) {
      if (title->Kind == rkTitle) title->Task->Checked = value;
      else SetChapterFlags(*title->Task, value);
    }
  });
  lvTitles->Repaint();
}

void TMainForm::mnuCheckClick(TObject*) { SetSelectedChecked(true); }
void TMainForm::mnuUncheckClick(TObject*) { SetSelectedChecked(false); }
void TMainForm::mnuCheckAllClick(TObject*) { SetAllChecked(true); }
void TMainForm::mnuUncheckAllClick(TObject*) { SetAllChecked(false); }
void TMainForm::mnuCheckAllChaptersClick(TObject*) { SetChildrenChecked(true); }
void TMainForm::mnuUncheckAllChaptersClick(TObject*) { SetChildrenChecked(false); }
void TMainForm::mnuSelectAllClick(TObject*) { lvTitles->SelectAll(); }

void TMainForm::mnuSelectAllChildrenClick(TObject*) {
  std::vector<TListItem*> chosen;
  ForEachRow(lvTitles, true, [&](TTitleRow& row) {
    if (row.Kind == rkChapterTitle)
      for (TTitleRow* chapter : row.Children) chosen.push_back(chapter->Item);
    if (!row.IsSource()) return;
    for (TTitleRow* title : row.Children) {
      if (title->Kind == rkTitle) chosen.push_back(title->Item);
      for (TTitleRow* chapter : title->Children) chosen.push_back(chapter->Item);
    }
  });
  for (TListItem* item : chosen) item->SetSelected(true);
  lvTitles->Repaint();
}
