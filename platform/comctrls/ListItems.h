// The columns and items of a list view: what each holds (texts, image, check mark,
// data pointer, state), kept by the control so they outlive a re-creation of its
// window; a change reaches the window when there is one.
#pragma once

#include <vector>

#include "platform/controls/Alignments.h"
#include "platform/core/Collection.h"
#include "platform/core/Geometry.h"
#include "platform/core/Strings.h"

class TCustomListView;
class TListItems;

// Which part of an item a display rectangle covers.
enum TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };
// Directions of GetNextItem.
enum TSearchDirection { sdLeft, sdRight, sdAbove, sdBelow, sdAll };
// Item states for GetNextItem.
enum TItemStateFlag : unsigned { isNone = 0, isCut = 1, isDropHilited = 2, isFocused = 4, isSelected = 8 };
using TItemStates = unsigned;

class TListColumn : public TCollectionItem {
public:
  explicit TListColumn(TCollection* collection);

  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  // The width the window shows (the user may have dragged it).
  int Width() const;
  void SetWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  // -1: no image.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TCustomListView* ListView() const;

  String DisplayName() const override { return caption_.empty() ? TCollectionItem::DisplayName() : caption_; }
  void Assign(const TPersistent* source) override;

private:
  friend class TCustomListView;
  String caption_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  int imageIndex_ = -1;
};

class TListColumns : public TOwnedCollection {
public:
  explicit TListColumns(TCustomListView* owner);
  TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
  TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }
  TCustomListView* ListView() const { return owner_; }

protected:
  void Update(TCollectionItem* item) override;

private:
  TCustomListView* owner_;  // borrowed: the list view owns the columns
};

class TListItem : public TPersistent {
public:
  explicit TListItem(TListItems* owner);
  ~TListItem() override;

  TListItems* Owner() const { return owner_; }
  TCustomListView* ListView() const;
  int Index() const;

  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  // The texts of the columns after the first; changes show at once.
  TStrings* SubItems() const { return subItems_.get(); }  // owned
  void SetSubItems(const TStrings* value) { subItems_->Assign(value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  bool Checked() const;
  void SetChecked(bool value);
  bool Selected() const;
  void SetSelected(bool value);
  bool Focused() const;
  void SetFocused(bool value);
  // The caller's pointer; the item never touches what it points to.
  void* Data = nullptr;

  // The part of the item in the list view's client coordinates; empty without a window.
  TRect DisplayRect(TDisplayCode code) const;
  void MakeVisible(bool partialOK);
  // Repaints the item.
  void Update();
  // Removes the item from its list and frees it.
  void Delete();

  void Assign(const TPersistent* source) override;

private:
  friend class TListItems;
  friend class TCustomListView;
  void SubItemsChanged(TObject* sender);

  TListItems* owner_;  // borrowed: the list owns the item
  String caption_;
  std::unique_ptr<TStringList> subItems_;
  int imageIndex_ = -1;
  // Kept here while there is no window, read from the window while there is one.
  bool checked_ = false;
  bool selected_ = false;
  bool focused_ = false;
};

class TListItems : public TPersistent {
public:
  explicit TListItems(TCustomListView* owner);
  ~TListItems() override;

  TCustomListView* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // EListError for an index outside 0 .. Count - 1.
  TListItem* Item(int index) const;
  TListItem* operator[](int index) const { return Item(index); }
  int IndexOf(const TListItem* item) const;

  TListItem* Add();
  TListItem* Insert(int index);
  void Delete(int index);
  void Clear();
  // Holds back repainting while many items change.
  void BeginUpdate();
  void EndUpdate();

  void Assign(const TPersistent* source) override;

private:
  friend class TCustomListView;
  friend class TListItem;
  TCustomListView* owner_;            // borrowed: the list view owns the list
  std::vector<TListItem*> items_;     // owned
  int updateCount_ = 0;
};
