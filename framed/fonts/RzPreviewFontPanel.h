// TRzPreviewFontPanel: the popup beside a font chooser that shows sample text in
// the highlighted family. It is shown and hidden only by the chooser (through
// SetWindowPos); losing the focus or a cancel from elsewhere asks the chooser to
// hide it.
#pragma once

#include "framed/common/RzCommon_Types.h"
#include "platform/controls/Messages.h"
#include "platform/stdctrls/Panel.h"

class TRzPreviewFontPanel : public TCustomPanel {
public:
  explicit TRzPreviewFontPanel(TComponent* owner);
  TWinControl* Control = nullptr;  // borrowed: the chooser it serves

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void Dispatch(TMessage& message) override;
};

// The sample a chooser shows: PreviewText (or "AaBbYyZz"), or what an edit holds.
struct TRzPreviewText {
  String Caption;
  TAlignment Alignment;
};
class TCustomEdit;
TRzPreviewText PreviewTextFor(const String& previewText, TCustomEdit* edit);
