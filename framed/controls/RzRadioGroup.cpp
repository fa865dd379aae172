#include "framed/controls/RzRadioGroup.h"

#include <algorithm>

#include "platform/published/Reader.h"

// ---- group buttons ----

TRzGroupButton::TRzGroupButton(TRzCustomRadioGroup* group) : TRzGroupItem<TRzRadioButton>(group) {}

void TRzGroupButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!Group()->CanModify()) return;
  try {
    TRzRadioButton::MouseDown(button, shift, x, y);
  } catch (...) {
    HandleControlException(this);
  }
}

// ---- the group ----

TRzCustomRadioGroup::TRzCustomRadioGroup(TComponent* owner) : TRzCustomItemGroup(owner) {}

TRzCustomRadioGroup::~TRzCustomRadioGroup() { TrimItems(0); }

void TRzCustomRadioGroup::DefineProperties(TFiler* filer) {
  TRzCustomItemGroup::DefineProperties(filer);
  filer->DefineProperty("Flat", [this](TReader& reader) { SetItemHotTrack(reader.ReadBoolean()); }, nullptr, false);
}

void TRzCustomRadioGroup::Loaded() {
  TRzCustomItemGroup::Loaded();
  UpdateButtons();
}

void TRzCustomRadioGroup::SetItemIndex(int value) {
  if (Reading()) {
    itemIndex_ = value;
    return;
  }
  value = std::clamp(value, -1, ButtonCount() - 1);
  if (value == itemIndex_) return;
  if (itemIndex_ >= 0 && itemIndex_ < ButtonCount()) GetButtons(itemIndex_)->SetChecked(false);
  itemIndex_ = value;
  if (value >= 0) GetButtons(value)->SetChecked(true);
}

bool TRzCustomRadioGroup::CanChange(int newIndex) {
  bool allow = true;
  OnChanging(this, newIndex, allow);
  return allow;
}

void TRzCustomRadioGroup::SetButtonCount(int count) {
  while (ButtonCount() < count) new TRzGroupButton(this);
  TrimItems(count);
}

void TRzCustomRadioGroup::ArrangeButtons() { ArrangeItems(); }

void TRzCustomRadioGroup::UpdateButtons() {
  SetButtonCount(Items()->Count());
  for (int i = 0; i < ButtonCount(); ++i) GetButtons(i)->SetCaption(Items()->Strings(i));
  if (itemIndex_ >= 0 && itemIndex_ < ButtonCount()) {
    updating_ = true;
    GetButtons(itemIndex_)->SetChecked(true);
    updating_ = false;
  }
  ArrangeButtons();
  Invalidate();
}

void TRzCustomRadioGroup::ItemsChanged() {
  if (itemIndex_ >= Items()->Count()) itemIndex_ = Items()->Count() - 1;
  UpdateButtons();
}

// Every checked button reports here; a refused change checks the old one again.
void TRzCustomRadioGroup::ItemClick(TObject* sender) {
  if (updating_) return;
  const int index = IndexOfItem(sender);
  if (index < 0) return;
  if (CanChange(index)) {
    itemIndex_ = index;
    Click();
    return;
  }
  if (itemIndex_ < 0 || itemIndex_ >= ButtonCount()) return;
  updating_ = true;
  TRzGroupButton* previous = GetButtons(itemIndex_);
  if (previous->CanFocus()) previous->SetFocus();
  previous->SetChecked(true);
  updating_ = false;
}
