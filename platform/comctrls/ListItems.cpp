// The list view's columns and items: what they hold, and how a change reaches
// the window when there is one.
#include "platform/comctrls/ListItems.h"

#include <algorithm>

#include "platform/comctrls/ListView.h"
#include "platform/core/SysUtils.h"

// ---------------------------------------------------------------------------
// Columns

TListColumn::TListColumn(TCollection* collection) : TCollectionItem(collection) {}

TCustomListView* TListColumn::ListView() const {
  auto* columns = static_cast<TListColumns*>(Collection());
  return columns ? columns->ListView() : nullptr;
}

void TListColumn::SetCaption(const String& value) {
  if (caption_ == value) return;
  caption_ = value;
  Changed(false);
}

int TListColumn::Width() const { return width_; }

void TListColumn::SetWidth(int value) {
  if (value < 0) value = 0;
  if (width_ == value) return;
  width_ = value;
  Changed(false);
}

void TListColumn::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Changed(false);
}

void TListColumn::SetImageIndex(int value) {
  if (value < -1) value = -1;
  if (imageIndex_ == value) return;
  imageIndex_ = value;
  Changed(false);
}

void TListColumn::Assign(const TPersistent* source) {
  auto* other = dynamic_cast<const TListColumn*>(source);
  if (!other) return TCollectionItem::Assign(source);
  caption_ = other->caption_;
  width_ = other->width_;
  alignment_ = other->alignment_;
  imageIndex_ = other->imageIndex_;
  Changed(false);
}

TListColumns::TListColumns(TCustomListView* owner)
    : TOwnedCollection(owner, CollectionItemClass<TListColumn>()), owner_(owner) {}

void TListColumns::Update(TCollectionItem* item) {
  if (!owner_->HandleAllocated() || owner_->fillingWindow_) return;
  if (item) owner_->UpdateColumn(item->Index());
  else owner_->RebuildColumns();
}

// ---------------------------------------------------------------------------
// Items

TListItem::TListItem(TListItems* owner) : owner_(owner), subItems_(std::make_unique<TStringList>()) {
  subItems_->OnChange = TNotifyEvent(this, &TListItem::SubItemsChanged);
}

TListItem::~TListItem() = default;

TCustomListView* TListItem::ListView() const { return owner_ ? owner_->Owner() : nullptr; }

int TListItem::Index() const { return owner_ ? owner_->IndexOf(this) : -1; }

void TListItem::SetCaption(const String& value) {
  if (caption_ == value) return;
  caption_ = value;
  Update();
}

void TListItem::SetImageIndex(int value) {
  if (imageIndex_ == value) return;
  imageIndex_ = value;
  Update();
}

void TListItem::SubItemsChanged(TObject*) {
  if (TCustomListView* view = ListView(); view && view->HandleAllocated()) view->UpdateItem(Index());
}

namespace {

// The list view whose window shows the item, nullptr when there is no window.
TCustomListView* ShowingView(const TListItem* item) {
  TCustomListView* view = item->ListView();
  return view && view->HandleAllocated() && item->Index() >= 0 ? view : nullptr;
}

UINT NativeState(const TListItem* item, UINT mask) {
  TCustomListView* view = item->ListView();
  return static_cast<UINT>(
      ::SendMessageA(const_cast<TCustomListView*>(view)->Handle(), LVM_GETITEMSTATE, item->Index(), mask));
}

void SetNativeState(const TListItem* item, UINT state, UINT mask) {
  LVITEMA lvi = {};
  lvi.state = state;
  lvi.stateMask = mask;
  ::SendMessageA(item->ListView()->Handle(), LVM_SETITEMSTATE, item->Index(), reinterpret_cast<LPARAM>(&lvi));
}

}  // namespace

bool TListItem::Checked() const {
  TCustomListView* view = ShowingView(this);
  if (view && view->Checkboxes()) return (NativeState(this, LVIS_STATEIMAGEMASK) >> 12) == 2;
  return checked_;
}

void TListItem::SetChecked(bool value) {
  checked_ = value;
  TCustomListView* view = ShowingView(this);
  if (view && view->Checkboxes()) SetNativeState(this, INDEXTOSTATEIMAGEMASK(value ? 2 : 1), LVIS_STATEIMAGEMASK);
  else Update();
}

bool TListItem::Selected() const {
  if (ShowingView(this)) return (NativeState(this, LVIS_SELECTED) & LVIS_SELECTED) != 0;
  return selected_;
}

void TListItem::SetSelected(bool value) {
  if (ShowingView(this)) return SetNativeState(this, value ? LVIS_SELECTED : 0, LVIS_SELECTED);
  TCustomListView* view = ListView();
  if (value && view && !view->MultiSelect())
    for (TListItem* other : owner_->items_) other->selected_ = false;
  selected_ = value;
}

bool TListItem::Focused() const {
  if (ShowingView(this)) return (NativeState(this, LVIS_FOCUSED) & LVIS_FOCUSED) != 0;
  return focused_;
}

void TListItem::SetFocused(bool value) {
  if (ShowingView(this)) return SetNativeState(this, value ? LVIS_FOCUSED : 0, LVIS_FOCUSED);
  if (value && owner_)
    for (TListItem* other : owner_->items_) other->focused_ = false;
  focused_ = value;
}

TRect TListItem::DisplayRect(TDisplayCode code) const {
  TCustomListView* view = ShowingView(this);
  if (!view) return TRect();
  RECT r = {};
  r.left = static_cast<LONG>(code);  // drBounds .. drSelectBounds are LVIR_BOUNDS .. LVIR_SELECTBOUNDS
  if (!::SendMessageA(view->Handle(), LVM_GETITEMRECT, Index(), reinterpret_cast<LPARAM>(&r))) return TRect();
  return TRect(r.left, r.top, r.right, r.bottom);
}

void TListItem::MakeVisible(bool partialOK) {
  if (TCustomListView* view = ShowingView(this))
    ::SendMessageA(view->Handle(), LVM_ENSUREVISIBLE, Index(), partialOK ? TRUE : FALSE);
}

void TListItem::Update() {
  if (TCustomListView* view = ShowingView(this)) view->UpdateItem(Index());
}

void TListItem::Delete() {
  if (owner_) owner_->Delete(Index());
}

void TListItem::Assign(const TPersistent* source) {
  auto* other = dynamic_cast<const TListItem*>(source);
  if (!other) return TPersistent::Assign(source);
  caption_ = other->caption_;
  imageIndex_ = other->imageIndex_;
  Data = other->Data;
  subItems_->Assign(other->subItems_.get());  // updates the window
  SetChecked(other->Checked());
}

TListItems::TListItems(TCustomListView* owner) : owner_(owner) {}

TListItems::~TListItems() {
  for (TListItem* item : items_) delete item;
}

TListItem* TListItems::Item(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
  return items_[index];
}

int TListItems::IndexOf(const TListItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index) {
  if (index < 0 || index > Count()) throw EListError(Format("List index out of bounds (%d)", index));
  auto* item = new TListItem(this);
  items_.insert(items_.begin() + index, item);
  if (owner_->HandleAllocated()) owner_->InsertNativeItem(index);
  return item;
}

void TListItems::Delete(int index) {
  TListItem* item = Item(index);
  owner_->OnDeletion(owner_, item);
  // The handler may have deleted items itself.
  index = IndexOf(item);
  if (index < 0) return;
  if (owner_->HandleAllocated()) ::SendMessageA(owner_->Handle(), LVM_DELETEITEM, index, 0);
  items_.erase(items_.begin() + index);
  delete item;
}

void TListItems::Clear() {
  BeginUpdate();
  try {
    while (!items_.empty()) Delete(Count() - 1);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TListItems::BeginUpdate() {
  if (updateCount_++ == 0 && owner_->HandleAllocated()) ::SendMessageA(owner_->Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListItems::EndUpdate() {
  if (updateCount_ == 0 || --updateCount_ > 0 || !owner_->HandleAllocated()) return;
  ::SendMessageA(owner_->Handle(), WM_SETREDRAW, TRUE, 0);
  owner_->Invalidate();
}

void TListItems::Assign(const TPersistent* source) {
  auto* other = dynamic_cast<const TListItems*>(source);
  if (!other) return TPersistent::Assign(source);
  BeginUpdate();
  try {
    Clear();
    for (TListItem* item : other->items_) Add()->Assign(item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}
