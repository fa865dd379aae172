// TspComboExItem and TspComboExItems: the extended combo box's items (caption,
// indent, images), a collection that keeps the combo box's Items in step with
// its captions and streams as the combo box's ItemsEx.
#pragma once

#include "platform/core/Collection.h"
#include "platform/core/System.h"

class TspSkinComboBoxEx;

class TspComboExItem : public TCollectionItem {
public:
  explicit TspComboExItem(TCollection* collection) : TCollectionItem(collection) {}

  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer value) { imageIndex_ = value; }
  Integer SelectedImageIndex() const { return selectedImageIndex_; }
  void SetSelectedImageIndex(Integer value) { selectedImageIndex_ = value; }
  Integer Indent = -1;
  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  void* Data = nullptr;  // the program's, not copied by Assign
  void SetData(void* value) { Data = value; }
  // Moves the item; the combo box's strings are rebuilt so both lists keep one order.
  void SetIndex(int index);

  void Assign(const TPersistent* source) override;

private:
  Integer imageIndex_ = -1;
  Integer selectedImageIndex_ = -1;
  String caption_;
};

class TspComboExItems : public TOwnedCollection {
public:
  explicit TspComboExItems(TspSkinComboBoxEx* owner);

  TspComboExItem* Items(int index) const { return static_cast<TspComboExItem*>(TCollection::Items(index)); }
  TspComboExItem* Add();
  TspComboExItem* Insert(int index);
  void Delete(int index);
  void Clear();
  void SetItem(int index, const TspComboExItem* item);
  // Rewrites the combo box's string at the index from the item's caption.
  void SetComboBoxItem(int index);
  // Rebuilds the combo box's strings from every caption.
  void LoadItems();
  TspSkinComboBoxEx* ComboBox() const { return comboBox_; }

private:
  TspSkinComboBoxEx* comboBox_;  // borrowed: the combo box owns the collection
};
