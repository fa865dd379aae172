// The tasks of a newly opened source, their default streams and the texts with
// which the stream boxes offer a title's streams.
#include "app/KelvaneSettings.h"
#include "app/main/MainFrm.h"
#include "app/main/TitleList.h"
#include "platform/core/Lists.h"
#include "skin/controls/SkinCustomComboBox.h"

namespace {

// Fills a stream box without running its change handler.
void FillStreamBox(TspSkinComboBox* box, const std::vector<String>& texts) {
  const TNotifyEvent onChange = box->OnChange;
  box->OnChange = nullptr;
  TStrings* items = box->Items();
  items->Clear();
  for (const String& text : texts) items->Add(text);
  box->OnChange = onChange;
}

}  // namespace

void TMainForm::LoadTitles(const String& sourceText, SourceKind kind) {
  // The rows and the preview point at the tasks that are about to go.
  ClearTitleTree();
  CurrentTask = nullptr;
  OpenedTask = nullptr;
  ClearTasks();
  const std::vector<DVDConvertTask*> tasks =
      BuildTitleTasks(*DiscEngineObject, sourceText, kind, SourceCounter, SourceVolumeLabel(sourceText, kind),
                      NewTaskTarget(), *GetSettings());
  for (DVDConvertTask* task : tasks) TaskList->Add(task);
  if (!tasks.empty()) CurrentTask = tasks.front();
  ++SourceCounter;
}

int TMainForm::FindDefaultAudioStream(const TitleInfo& title) const {
  return ::FindDefaultAudioStream(title, GetSettings()->DefaultAudioLang);
}

int TMainForm::FindDefaultSubtitleStream(const TitleInfo& title) const {
  return ::FindDefaultSubtitleStream(title, GetSettings()->DefaultSubtitleLang);
}

void TMainForm::FillAudioStreams(const TitleInfo& title) {
  if (!DiscEngineObject) return;
  FillStreamBox(cbAudioStreams, AudioStreamTexts(title));
}

void TMainForm::FillSubtitleStreams(const TitleInfo& title) {
  if (!DiscEngineObject) return;
  FillStreamBox(cbSubtitleStreams, SubtitleStreamTexts(title));
}
