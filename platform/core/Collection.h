// TCollection: an owned list of TCollectionItem of one item class, with update
// batching; TOwnedCollection adds the owner that names it when it is streamed.
#pragma once

#include <vector>

#include "platform/core/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
public:
  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return collection_; }
  void SetCollection(TCollection* collection);
  int Index() const;
  void SetIndex(int index);
  int ID() const { return id_; }
  virtual String DisplayName() const { return ClassName(); }

protected:
  // Tells the collection that this item (or, with true, every item) changed.
  void Changed(bool allItems);

private:
  friend class TCollection;
  TCollection* collection_ = nullptr;  // borrowed: the collection owns the item
  int id_ = 0;
};

using TCollectionItemClass = TCollectionItem* (*)(TCollection* collection);

template <class T>
TCollectionItemClass CollectionItemClass() {
  return [](TCollection* collection) -> TCollectionItem* { return new T(collection); };
}

class TCollection : public TPersistent {
public:
  explicit TCollection(TCollectionItemClass itemClass);
  ~TCollection() override;

  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const;
  TCollectionItem* FindItemID(int id) const;
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  TCollectionItemClass ItemClass() const { return itemClass_; }
  virtual TPersistent* Owner() const { return nullptr; }

  void Assign(const TPersistent* source) override;

protected:
  // Called after a change: the changed item, or nullptr when the whole list changed.
  virtual void Update(TCollectionItem* item) {}
  void Changed();

private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  void MoveItem(TCollectionItem* item, int index);

  TCollectionItemClass itemClass_;
  std::vector<TCollectionItem*> items_;  // owned
  int updateCount_ = 0;
  int nextId_ = 0;
};

class TOwnedCollection : public TCollection {
public:
  TOwnedCollection(TPersistent* owner, TCollectionItemClass itemClass) : TCollection(itemClass), owner_(owner) {}
  TPersistent* Owner() const override { return owner_; }

private:
  TPersistent* owner_;  // borrowed
};
