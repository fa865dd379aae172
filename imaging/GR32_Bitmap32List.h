// A store of bitmaps kept in a form definition: the list component holds a
// collection whose items each own one TBitmap32.
#pragma once

#include "imaging/GR32.h"
#include "platform/core/Collection.h"
#include "platform/core/Component.h"

class TBitmap32Item : public TCollectionItem {
public:
  explicit TBitmap32Item(TCollection* collection);
  ~TBitmap32Item() override;

  TBitmap32* Bitmap() const { return bitmap_; }  // owned
  void SetBitmap(const TBitmap32* value) { bitmap_->Assign(value); }

protected:
  void AssignTo(TPersistent* dest) const override;

private:
  TBitmap32* bitmap_;
};

class TBitmap32Collection : public TOwnedCollection {
public:
  TBitmap32Collection(TPersistent* owner, TCollectionItemClass itemClass) : TOwnedCollection(owner, itemClass) {}

  TBitmap32Item* Add() { return static_cast<TBitmap32Item*>(TCollection::Add()); }
  TBitmap32Item* Items(int index) const { return static_cast<TBitmap32Item*>(TCollection::Items(index)); }
  void SetItem(int index, const TBitmap32Item* value) { Items(index)->Assign(value); }
};

class TBitmap32List : public TComponent {
public:
  explicit TBitmap32List(TComponent* owner);
  ~TBitmap32List() override;

  TBitmap32Collection* Bitmaps() const { return bitmaps_; }  // owned
  void SetBitmap32Collection(const TBitmap32Collection* value) { bitmaps_->Assign(value); }
  TBitmap32* Bitmap(int index) const { return bitmaps_->Items(index)->Bitmap(); }
  void SetBitmap(int index, const TBitmap32* value) { bitmaps_->Items(index)->SetBitmap(value); }

private:
  TBitmap32Collection* bitmaps_;
};
