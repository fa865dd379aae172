// The three ways of opening a source: a DVD folder or drive, one IFO file, or up
// to twenty VOB/VRO files scanned with the wait-scan dialog.
#include "app/AppInfo.h"
#include "app/Myshelllib.h"
#include "app/main/MainFrm.h"
#include "app/main/WaitScanFrm.h"
#include "platform/controls/Dialogs.h"
#include "platform/core/Strings.h"
#include "skin/controls/SkinCustomListView.h"

namespace {

constexpr int kInformation = 64;

}  // namespace

void TMainForm::ShowOpenedSource(const String& sourceText, SourceKind kind, bool reopen) {
  LoadTitles(sourceText, kind);
  RebuildTitleTree();
  if (TaskCount() == 0) return;
  UpdatePreviewControls(CurrentTask);
  OpenTaskForPreview(CurrentTask, reopen);
  lvTitles->Repaint();
}

void TMainForm::btnOpenIFOClick(TObject*) {
  if (!OpenDialog->Execute()) return;
  MyCursor hourglass(MyCursor::kHourGlass);
  LastOpenResult = DiscEngineObject->OpenIFO(OpenDialog->FileName.c_str());
  if (!LastOpenResult) {
    AppMessageBox("Invalid IFO file!", kProductName, kInformation);
    return;
  }
  ShowOpenedSource(OpenDialog->FileName, skIFOFile, true);
}

void TMainForm::actOpenDVDExecute(TObject*) {
  String folder = SelectDirectory("Please select a DVD Root:");
  if (folder.empty()) return;
  if (folder.back() != '\\') folder += '\\';
  if (OpenDVDFolder(folder)) ShowOpenedSource(folder, skDVDFolder, true);
}

bool TMainForm::OpenDVDFolder(const String& path) {
  LastOpenResult = DiscEngineObject->OpenDVD(path.c_str());
  return LastOpenResult;
}

void TMainForm::btnOpenVOBClick(TObject*) {
  if (!VOBOpenDialog->Execute()) return;
  MyCursor hourglass(MyCursor::kHourGlass);
  TStrings* files = VOBOpenDialog->Files();
  // More files than the engine takes are left out without a word.
  String sourceText;
  char* paths[kMaxVOBFiles] = {};
  const int count = files->Count() < kMaxVOBFiles ? files->Count() : kMaxVOBFiles;
  for (int i = 0; i < count; ++i) {
    const String path = files->Strings(i);
    paths[i] = new char[path.size() + 1];
    path.copy(paths[i], path.size());
    paths[i][path.size()] = '\0';
    sourceText += (i ? ";" : "") + path;
  }
  TWaitScanForm* scan = NewForm<TWaitScanForm>(this);
  try {
    LastOpenResult = DiscEngineObject->OpenVOBFiles(paths, count, WaitScanShow, WaitScanProgress, WaitScanClose, scan);
  } catch (...) {
    delete scan;
    FreeFileList(paths, count);
    throw;
  }
  delete scan;
  FreeFileList(paths, count);
  if (!LastOpenResult) {
    AppMessageBox("Invalid VOB files!", kProductName, kInformation);
    return;
  }
  ShowOpenedSource(sourceText, skVOBFiles, false);
}
