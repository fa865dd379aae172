// The dialog shown while the disc engine scans VOB files: the file being scanned,
// a gauge of the work done and a Cancel button that asks the engine to stop.
// The engine drives it through the three scan callbacks below.
#pragma once

#include <cstdint>

#include "engines/include/EngineRecords.h"
#include "platform/controls/CustomForm.h"

class TButton;
class TCGauge;
class TLabel;

class TWaitScanForm : public TForm {
public:
  explicit TWaitScanForm(TComponent* owner);

  TLabel* lblInfo = nullptr;
  TCGauge* Gauge = nullptr;
  TLabel* lblFileInfo = nullptr;
  TButton* btnCancel = nullptr;

  bool Cancelled() const { return cancelled_; }
  // Shows the file and the work done; false once the user has cancelled.
  bool ShowProgress(const ScanProgressInfo& info);

private:
  void btnCancelClick(TObject* sender);
  bool cancelled_ = false;
};

// The scan callbacks, with the dialog as their context.
std::int32_t VARNEL_CDECL WaitScanShow(void* context);
std::int32_t VARNEL_CDECL WaitScanProgress(void* context, ScanProgressInfo* info);
std::int32_t VARNEL_CDECL WaitScanClose(void* context);
