// The crop and split commands: each opens its dialog for the current task, hands
// it the engine's frames while it is open, and takes the engine's position back.
#include <cmath>
#include <memory>

#include "app/main/CropFrm.h"
#include "app/main/MainFrm.h"
#include "app/main/SplitFrm.h"
#include "skin/controls/SkinTrackBar.h"

namespace {

// The frame handler changes only while no frame is on its way: a playing
// preview is stopped first (its position stays).
void StopDeliveringFrames() {
  if (DiscEngineObject && DiscEngineObject->IsPlaying()) DiscEngineObject->Stop();
}

}  // namespace

int TMainForm::ShowPreviewDialog(TPreviewDialog& dialog) {
  StopDeliveringFrames();
  SetForeignFrameHandler([&dialog](const std::uint8_t* frame, const VideoFrameInfo& info) {
    dialog.RenderPreview(frame, info);
    return true;
  });
  struct Detach {
    TMainForm& window;
    ~Detach() {
      StopDeliveringFrames();
      window.SetForeignFrameHandler(nullptr);
    }
  } detach{*this};
  return dialog.ShowModal();
}

void TMainForm::TakeOverPreviewPosition() {
  tbPreview->SetValue(static_cast<int>(std::trunc(DiscEngineObject->GetPosition() * 1000)));
  RefreshPreviewStill();
}

void TMainForm::btnCropClick(TObject*) {
  if (!CurrentTask) return;
  {
    std::unique_ptr<TCropForm> dialog(NewPreviewDialog<TCropForm>(this, CurrentTask));
    OpenCropForm = dialog.get();
    struct Forget {
      TCropForm*& open;
      ~Forget() { open = nullptr; }
    } forget{OpenCropForm};
    ShowPreviewDialog(*dialog);
  }
  TakeOverPreviewPosition();
}

void TMainForm::btnSplitClick(TObject*) {
  if (!CurrentTask) return;
  {
    std::unique_ptr<TSplitForm> dialog(NewPreviewDialog<TSplitForm>(this, CurrentTask));
    OpenSplitForm = dialog.get();
    struct Forget {
      TSplitForm*& open;
      ~Forget() { open = nullptr; }
    } forget{OpenSplitForm};
    ShowPreviewDialog(*dialog);
  }
  TakeOverPreviewPosition();
  RebuildTitleTree();  // the tree shows the task's split state
}
