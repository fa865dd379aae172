// The preview: its controls, the source the engine holds for it, the frames it
// paints. Filled in with the preview itself; until then it keeps the idle picture.
#include "app/main/MainFrm.h"

void TMainForm::UpdatePreviewControls(DVDConvertTask*) {}

void TMainForm::OpenTaskForPreview(DVDConvertTask* task, bool) { OpenedTask = task; }

void TMainForm::StoreTaskSettings() {}

void TMainForm::RefreshPreviewStill() {}

void TMainForm::FreePreviewConverters() {}

bool VARNEL_STDCALL TMainForm::RenderPreviewFrame(void*, const std::uint8_t*, VideoFrameInfo*) { return true; }

void TMainForm::PreviewImageResize(TObject*) {}

void TMainForm::btnCropClick(TObject*) {}

void TMainForm::btnSplitClick(TObject*) {}

void TMainForm::rbSourceMovieClick(TObject*) {}

void TMainForm::edtCropLeftChange(TObject*) {}
