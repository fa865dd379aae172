// The notebook's buttons mode: one speed button per page, stacked at the top up
// to the current page and at the bottom after it.
#include "skin/controls/SkinNotebook.h"

TspPageButton::TspPageButton(TspSkinNotebook* notebook, Integer pageIndex)
    : TspSkinSpeedButton(nullptr), PageIndex(pageIndex), notebook_(notebook) {
  SetNumGlyphs(1);
  SetSpacing(5);
  SkinDataName = notebook->ButtonSkinDataName;
}

void TspPageButton::ButtonClick() {
  notebook_->SetPageIndex(PageIndex);
  TspSkinSpeedButton::ButtonClick();
}

void TspSkinNotebook::SetButtonsMode(bool value) {
  buttonsMode_ = value;
  if (HasState(csLoading)) return;
  if (value) UpdateButtons();
  else ClearButtons();
}

void TspSkinNotebook::ClearButtons() {
  std::vector<TspPageButton*> gone = std::move(buttons_);
  buttons_.clear();
  for (TspPageButton* button : gone) delete button;
}

void TspSkinNotebook::UpdateButtons() {
  if (pages_.empty()) return ClearButtons();
  ClearButtons();
  DisableAlign();
  for (int i = 0; i < PageCount(); ++i) {
    auto* button = new TspPageButton(this, i);
    buttons_.push_back(button);
    // Below the notebook, in page order, so each stack keeps the pages' order.
    button->SetTop(Height() + i);
    button->SetAlign(i > pageIndex_ ? alBottom : alTop);
    button->SetParent(this);
    button->SetDefaultHeight(25);
    button->SetHeight(25);
    button->SetSkinData(SkinData());
    button->SetCaption(pages_[i]->Caption());
    Integer image = pages_[i]->ImageIndex;
    bool listed = image != -1 && images_ && image < images_->Count();
    button->SetImageList(listed ? images_ : nullptr);
    button->SetImageIndex(listed ? image : -1);
  }
  EnableAlign();
}

void TspSkinNotebook::UpdateButton(int index, const String& text) {
  for (TspPageButton* button : buttons_) {
    if (button->PageIndex != index) continue;
    button->SetCaption(text);
    button->SetImageList(images_);
    button->SetImageIndex(pages_[index]->ImageIndex);
    button->Repaint();
  }
}
