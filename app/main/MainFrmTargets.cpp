// The target commands: the eighteen target actions and "To More...", the output
// settings dialog they show, and handing its choice to the tasks.
#include <memory>

#include "app/DVDConvertTask.h"
#include "app/VideoProfile.h"
#include "app/main/MainFrm.h"
#include "app/main/TitleTree.h"
#include "app/output/OutputSettingsFrm.h"
#include "platform/comctrls/ListItems.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/Menus.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBoxEx.h"
#include "skin/controls/SkinCustomListView.h"
#include "skin/menus/SkinPopupMenu.h"

namespace {

// An action's tag gives the format code: the order of the target list, where OGG
// and RA trade places.
constexpr OutputFormatCode kFormatOfTag[] = {1, 4, 5, 3, 2, 6, 0, 7, 8, 9, 10, 12, 11, 13, 14, 15, 16, 17};

}  // namespace

OutputFormatCode TargetFormatOfTag(int tag) {
  if (tag < 0 || tag >= int(std::size(kFormatOfTag))) return 1;  // AVI
  return kFormatOfTag[tag];
}

void TMainForm::SetupTargetBar() { BindAudioActions(); }

void TMainForm::BindAudioActions() {
  TAction* buttons[] = {actToMP3, actToWMA, actToAAC, actToWAV, actToOGG, actToRA, actToAPE, actToMore};
  for (int i = 0; i < 8; ++i) btnToX[i]->SetAction(buttons[i]);
  for (TAction* action : {actToMP3, actToWMA, actToAAC, actToWAV, actToOGG, actToRA, actToAPE, actToFLAC, actToMPC,
                          actToM4A}) {
    auto* item = new TMenuItem(this);
    item->SetAction(action);
    ToMorePopupMenu->Items()->Add(item);
  }
}

std::vector<DVDConvertTask*> TMainForm::TargetTasks() const {
  std::vector<DVDConvertTask*> tasks;
  if (lvTitles->SelCount() > 0 || !CurrentTask) {
    TListItems* items = lvTitles->Items();
    for (int i = 0; i < items->Count(); ++i) {
      TListItem* item = items->Item(i);
      const TTitleRow* row = RowOf(item);
      if (item->Selected() && row && row->IsTitle() && row->Task) tasks.push_back(row->Task);
    }
  } else {
    tasks.push_back(CurrentTask);
  }
  return tasks;
}

void TMainForm::AssignOutput() {
  TOutputSettingsForm* dialog = GetOutputSettingsForm();
  TVideoProfile* profile = dialog->CreateVideoProfile();
  TAudioEncoderScheme* scheme = dialog->CreateAudioScheme();
  // A dialog with neither keeps the tasks' own target: a task never runs without one.
  if (!profile && !scheme) return;
  for (DVDConvertTask* task : TargetTasks()) {
    ReleaseTaskOutput(*task);
    if (profile)
      task->VideoProfile = profile->Clone();
    else
      task->AudioScheme = new TAudioEncoderScheme(*scheme);
    task->FormatName = dialog->FormatName;
    task->Extension = dialog->Extension;
    task->FormatCode = dialog->FormatCode;
    task->State = tsReady;
  }
}

void TMainForm::ShowSingleTaskTarget() {
  if (lvTitles->SelCount() != 1 || !CurrentTask) return;
  TOutputSettingsForm* dialog = GetOutputSettingsForm();
  if (CurrentTask->VideoProfile)
    dialog->ApplyVideoProfile(CurrentTask->VideoProfile);
  else if (CurrentTask->AudioScheme)
    dialog->ApplyAudioScheme(*CurrentTask->AudioScheme);
}

void TMainForm::SetTargetFormat(int number) {
  StoreTaskSettings();
  const OutputFormatCode code = TargetFormatOfTag(number);
  GetOutputSettingsForm()->SelectOutputFormat(code);
  if (CurrentTask && CurrentTask->FormatCode == code) ShowSingleTaskTarget();
  AssignOutput();
  RebuildTitleTree();
}

bool TMainForm::ConfigureOutput() {
  StoreTaskSettings();
  ShowSingleTaskTarget();
  if (GetOutputSettingsForm()->ShowModal() != mrOk) {
    UpdatePreviewControls(CurrentTask);
    return false;
  }
  AssignOutput();
  RebuildTitleTree();
  UpdatePreviewControls(CurrentTask);
  return true;
}

void TMainForm::actToAVIExecute(TObject* sender) {
  auto* component = dynamic_cast<TComponent*>(sender);
  SetTargetFormat(component ? int(component->Tag) : -1);
  if (ConfigureOutput()) StartConversion();
}

void TMainForm::actToMoreExecute(TObject*) {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  ToMorePopupMenu->Popup(cursor.x, cursor.y);
}

void TMainForm::btnConfigClick(TObject*) { ConfigureOutput(); }

void TMainForm::cbTargetFormatChange(TObject*) { SetTargetFormat(cbTargetFormat->ItemIndex()); }
