#include "skin/controls/ComboExItems.h"

#include "skin/controls/SkinComboBoxEx.h"

void TspComboExItem::SetCaption(const String& value) {
  caption_ = value;
  if (auto* items = dynamic_cast<TspComboExItems*>(Collection())) items->SetComboBoxItem(Index());
}

void TspComboExItem::SetIndex(int index) {
  TCollectionItem::SetIndex(index);
  if (auto* items = dynamic_cast<TspComboExItems*>(Collection())) items->LoadItems();
}

void TspComboExItem::Assign(const TPersistent* source) {
  if (auto* other = dynamic_cast<const TspComboExItem*>(source)) {
    selectedImageIndex_ = other->selectedImageIndex_;
    Indent = other->Indent;
    imageIndex_ = other->imageIndex_;
    SetCaption(other->caption_);
    return;
  }
  TCollectionItem::Assign(source);
}

TspComboExItems::TspComboExItems(TspSkinComboBoxEx* owner)
    : TOwnedCollection(owner, CollectionItemClass<TspComboExItem>()), comboBox_(owner) {}

TspComboExItem* TspComboExItems::Add() {
  auto* item = static_cast<TspComboExItem*>(TCollection::Add());
  comboBox_->Items()->Add(item->Caption());
  return item;
}

TspComboExItem* TspComboExItems::Insert(int index) {
  auto* item = static_cast<TspComboExItem*>(TCollection::Insert(index));
  TStrings* strings = comboBox_->Items();
  if (index >= strings->Count()) strings->Add(String());
  else strings->Insert(index, String());
  return item;
}

void TspComboExItems::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  TCollection::Delete(index);
  if (index < comboBox_->Items()->Count()) comboBox_->Items()->Delete(index);
}

void TspComboExItems::Clear() {
  TCollection::Clear();
  comboBox_->Items()->Clear();
}

void TspComboExItems::SetItem(int index, const TspComboExItem* item) {
  if (index < 0 || index >= Count() || !item) return;
  Items(index)->Assign(item);
  if (index < comboBox_->Items()->Count()) comboBox_->Items()->Put(index, item->Caption());
}

void TspComboExItems::SetComboBoxItem(int index) {
  if (index >= 0 && index < comboBox_->Items()->Count()) comboBox_->Items()->Put(index, Items(index)->Caption());
}

void TspComboExItems::LoadItems() {
  TStrings* strings = comboBox_->Items();
  strings->BeginUpdate();
  strings->Clear();
  for (int i = 0; i < Count(); ++i) strings->Add(Items(i)->Caption());
  strings->EndUpdate();
}
