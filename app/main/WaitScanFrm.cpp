#include "app/main/WaitScanFrm.h"

#include <cstring>

#include "platform/controls/Application.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Format.h"
#include "platform/published/FormsPublished.h"
#include "platform/stdctrls/Button.h"
#include "platform/stdctrls/CGauge.h"
#include "platform/stdctrls/Label.h"

TWaitScanForm::TWaitScanForm(TComponent* owner) : TForm(owner) {
  DeclareFormBindings(this)
      .Field("lblInfo", lblInfo)
      .Field("Gauge", Gauge)
      .Field("lblFileInfo", lblFileInfo)
      .Field("btnCancel", btnCancel)
      .Handler("btnCancelClick", this, &TWaitScanForm::btnCancelClick);
}

void TWaitScanForm::btnCancelClick(TObject*) { cancelled_ = true; }

bool TWaitScanForm::ShowProgress(const ScanProgressInfo& info) {
  if (cancelled_) return false;
  // The engine's path need not end in a zero within its field.
  const String path(info.Path, strnlen(info.Path, sizeof(info.Path)));
  lblFileInfo->SetCaption(Format("%s (%d/%d)", ExtractFileName(path), info.FileNumber, info.FileCount));
  // The gauge's maximum never goes down to its minimum (it refuses that).
  if (info.Total > Gauge->MinValue()) Gauge->SetMaxValue(info.Total);
  Gauge->SetProgress(info.Done);
  Update();
  // The scan runs on this thread: let a click on Cancel through.
  Application.ProcessMessages();
  return !cancelled_;
}

// The callbacks are called from the engine: nothing may be thrown back into it.
std::int32_t VARNEL_CDECL WaitScanShow(void* context) {
  try {
    auto* form = static_cast<TWaitScanForm*>(context);
    form->Show();
    form->Update();
  } catch (...) {
  }
  return 1;
}

std::int32_t VARNEL_CDECL WaitScanProgress(void* context, ScanProgressInfo* info) {
  try {
    return static_cast<TWaitScanForm*>(context)->ShowProgress(*info) ? 1 : 0;
  } catch (...) {
    return 1;
  }
}

std::int32_t VARNEL_CDECL WaitScanClose(void* context) {
  try {
    static_cast<TWaitScanForm*>(context)->Close();
  } catch (...) {
  }
  return 1;
}
