#include "skin/menus/SkinImagesMenu.h"

#include "skin/menus/SkinHint.h"

void TspImagesMenuItem::Assign(const TPersistent* source) {
  auto* item = dynamic_cast<const TspImagesMenuItem*>(source);
  if (!item) return TCollectionItem::Assign(source);
  ImageIndex = item->ImageIndex;
  Caption = item->Caption;
  Button = item->Button;
  Hint = item->Hint;
}

TspImagesMenuItems::TspImagesMenuItems(TspSkinImagesMenu* owner)
    : TOwnedCollection(owner, CollectionItemClass<TspImagesMenuItem>()) {}

TspSkinImagesMenu::TspSkinImagesMenu(TComponent* owner)
    : TComponent(owner), items_(std::make_unique<TspImagesMenuItems>(this)), defaultFont_(std::make_unique<TFont>()) {
  defaultFont_->SetName("Arial");
  defaultFont_->SetStyle(0);
  defaultFont_->SetHeight(14);
}

// An open grid is closed first: the application's handler and the mouse capture
// go back before its window goes.
TspSkinImagesMenu::~TspSkinImagesMenu() {
  if (grid_) grid_->Dismiss(false);
  grid_.reset();
  retired_.reset();
}

void TspSkinImagesMenu::SetImages(TCustomImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinImagesMenu::SetSkinHint(TspSkinHint* value) {
  skinHint_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinImagesMenu::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinImagesMenu::SetColumnsCount(Integer value) {
  if (value >= 1 && value <= 50) columnsCount_ = value;
}

void TspSkinImagesMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == images_) images_ = nullptr;
  if (component == skinHint_) skinHint_ = nullptr;
  if (component == skinData_) skinData_ = nullptr;
}

TspImagesMenuItem* TspSkinImagesMenu::GetSelectedItem() const {
  if (ItemIndex < 0 || ItemIndex >= items_->Count()) return nullptr;
  return items_->Items(ItemIndex);
}

void TspSkinImagesMenu::PopupFromRect(const TRect& r) {
  Hide();
  OnMenuPopup(this);
  // Without pictures, or without items to place them in, nothing opens.
  if (!images_ || images_->Count() == 0 || items_->Count() == 0) return;
  OldItemIndex = ItemIndex;
  retired_.reset();
  grid_ = std::make_unique<TspSkinImagesMenuPopupWindow>(this);
  grid_->Show(r);
}

void TspSkinImagesMenu::Hide() {
  if (grid_) grid_->Hide(false);
}

// The window is kept, hidden, until the next opening: the closing runs inside
// one of its own message handlers.
void TspSkinImagesMenu::ProcessEvents(bool chosen) {
  retired_ = std::move(grid_);
  OnInternalClose(this);
  OnMenuClose(this);
  if (!chosen || ItemIndex == -1) return;
  if (TspImagesMenuItem* item = GetSelectedItem()) item->OnClick(this);
  OnItemClick(this);
  if (ItemIndex == OldItemIndex) return;
  OnInternalChange(this);
  OnChange(this);
}
