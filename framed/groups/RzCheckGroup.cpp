#include "framed/groups/RzCheckGroup.h"

#include <algorithm>

#include "platform/published/Reader.h"
#include "platform/published/Writer.h"

TRzGroupCheck::TRzGroupCheck(TRzCustomCheckGroup* group) : TRzGroupItem<TRzCheckBox>(group) {}

TRzCustomCheckGroup::TRzCustomCheckGroup(TComponent* owner)
    : TRzCustomItemGroup(owner), checkStates_(std::make_unique<TRzIntegerList>()) {
  // The states are positions: the same state may stand for several check boxes.
  checkStates_->Duplicates = dupAccept;
}

TRzCustomCheckGroup::~TRzCustomCheckGroup() { TrimItems(0); }

void TRzCustomCheckGroup::SetAllowGrayed(bool value) {
  if (allowGrayed_ == value) return;
  allowGrayed_ = value;
  ArrangeChecks();
}

void TRzCustomCheckGroup::SetCheckCount(int count) {
  while (CheckCount() < count) new TRzGroupCheck(this);
  TrimItems(count);
}

void TRzCustomCheckGroup::ArrangeChecks() {
  ArrangeItems();
  for (int i = 0; i < CheckCount(); ++i) GetChecks(i)->SetAllowGrayed(allowGrayed_);
}

// Existing check boxes keep their states; new ones start unchecked.
void TRzCustomCheckGroup::UpdateChecks() {
  SetCheckCount(Items()->Count());
  for (int i = 0; i < CheckCount(); ++i) GetChecks(i)->SetCaption(Items()->Strings(i));
  ArrangeChecks();
  Invalidate();
}

// Every check box reports each change of its state here.
void TRzCustomCheckGroup::ItemClick(TObject* sender) {
  const int index = IndexOfItem(sender);
  if (index >= 0) Change(index, GetChecks(index)->State());
}

// The streamed states are applied once the check boxes exist; a definition that
// holds more states than items loads, and the surplus states are left unused.
void TRzCustomCheckGroup::Loaded() {
  TRzCustomItemGroup::Loaded();
  UpdateChecks();
  const int count = std::min(checkStates_->Count(), CheckCount());
  for (int i = 0; i < count; ++i) {
    const Integer state = (*checkStates_)[i];
    if (state >= cbUnchecked && state <= cbGrayed) SetItemState(i, static_cast<TCheckBoxState>(state));
  }
}

void TRzCustomCheckGroup::DefineProperties(TFiler* filer) {
  TRzCustomItemGroup::DefineProperties(filer);
  filer->DefineProperty(
      "CheckStates",
      [this](TReader& reader) {
        checkStates_->Clear();
        reader.ReadListBegin();
        while (!reader.EndOfList()) checkStates_->Add(static_cast<Integer>(reader.ReadInteger()));
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int i = 0; i < CheckCount(); ++i) writer.WriteInteger(GetItemState(i));
        writer.WriteListEnd();
      },
      CheckCount() > 0);
}
