// The bitmap list: items that own a bitmap each, and the component holding them.
#include "imaging/GR32_Bitmap32List.h"

TBitmap32Item::TBitmap32Item(TCollection* collection) : TCollectionItem(collection), bitmap_(new TBitmap32) {}

TBitmap32Item::~TBitmap32Item() { delete bitmap_; }

void TBitmap32Item::AssignTo(TPersistent* dest) const {
  if (auto* item = dynamic_cast<TBitmap32Item*>(dest)) return item->bitmap_->Assign(bitmap_);
  TCollectionItem::AssignTo(dest);
}

TBitmap32List::TBitmap32List(TComponent* owner)
    : TComponent(owner), bitmaps_(new TBitmap32Collection(this, CollectionItemClass<TBitmap32Item>())) {}

TBitmap32List::~TBitmap32List() { delete bitmaps_; }
