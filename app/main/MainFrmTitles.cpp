// The tasks of a newly opened source and the title tree that shows them.
#include "app/KelvaneSettings.h"
#include "app/main/MainFrm.h"
#include "app/main/TitleList.h"
#include "platform/comctrls/ListItems.h"
#include "platform/core/Lists.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "skin/controls/SkinCustomListView.h"

void TMainForm::LoadTitles(const String& sourceText, SourceKind kind) {
  const std::vector<DVDConvertTask*> tasks =
      BuildTitleTasks(*DiscEngineObject, sourceText, kind, SourceCounter, SourceVolumeLabel(sourceText, kind),
                      NewTaskTarget(), *GetSettings());
  ++SourceCounter;
  CurrentTask = nullptr;
  OpenedTask = nullptr;
  ClearTasks();
  for (DVDConvertTask* task : tasks) TaskList->Add(task);
  if (!tasks.empty()) CurrentTask = tasks.front();
}

// Until the tree proper arrives the list shows one row per task.
void TMainForm::RebuildTitleTree() {
  TListItems* rows = lvTitles->Items();
  rows->Clear();
  for (int i = 0; i < TaskCount(); ++i) rows->Add()->SetCaption(Task(i)->Name);
  FileListBackgroundPanel->SetVisible(TaskCount() == 0);
}
