#include "framed/components/RzDialogComponent.h"

#include "platform/controls/ButtonCaptions.h"

TRzDialogComponent::TRzDialogComponent(TComponent* owner)
    : TComponent(owner),
      CaptionOK(SOKButton),
      CaptionCancel(SCancelButton),
      CaptionHelp(SHelpButton),
      font_(std::make_unique<TFont>()) {
  if (auto* form = dynamic_cast<TCustomForm*>(owner)) {
    font_->Assign(form->Font());
  } else {
    font_->SetName("MS Sans Serif");
    font_->SetSize(8);
    font_->SetStyle(0);
  }
}

TRzDialogComponent::~TRzDialogComponent() = default;

void TRzDialogComponent::SetCenterToParent(bool value) {
  if (centerToParent_ == value) return;
  centerToParent_ = value;
  Position = value ? poOwnerFormCenter : poScreenCenter;
}
