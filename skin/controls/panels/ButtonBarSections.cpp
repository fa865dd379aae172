#include "skin/controls/panels/ButtonBarSections.h"

#include "skin/controls/panels/SkinButtonsBar.h"

// ---- item ----

void TspButtonBarItem::SetText(const String& value) {
  if (value == text_) return;
  text_ = value;
  Changed(false);
}

void TspButtonBarItem::SetImageIndex(Integer value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  Changed(false);
}

void TspButtonBarItem::SetLayout(TspButtonLayout value) {
  layout_ = value;
  Changed(false);
}

void TspButtonBarItem::SetMargin(Integer value) {
  margin_ = value;
  Changed(false);
}

void TspButtonBarItem::SetSpacing(Integer value) {
  spacing_ = value;
  Changed(false);
}

String TspButtonBarItem::DisplayName() const { return text_.empty() ? TCollectionItem::DisplayName() : text_; }

void TspButtonBarItem::Assign(const TPersistent* source) {
  auto* item = dynamic_cast<const TspButtonBarItem*>(source);
  if (!item) return TCollectionItem::Assign(source);
  SetText(item->text_);
  SetImageIndex(item->imageIndex_);
  Tag = item->Tag;
  OnClick = item->OnClick;
  OnDblClick = item->OnDblClick;
  SetMargin(item->margin_);
  SetSpacing(item->spacing_);
  Enabled = item->Enabled;
  SetLayout(item->layout_);
}

TspButtonBarItems::TspButtonBarItems(TspButtonBarSection* section)
    : TOwnedCollection(section, CollectionItemClass<TspButtonBarItem>()), section_(section) {}

void TspButtonBarItems::Update(TCollectionItem*) { section_->ItemsChanged(); }

// ---- section ----

TspButtonBarSection::TspButtonBarSection(TCollection* collection)
    : TCollectionItem(collection), items_(std::make_unique<TspButtonBarItems>(this)) {}

TspButtonBarSection::~TspButtonBarSection() = default;

void TspButtonBarSection::SetText(const String& value) {
  if (value == text_) return;
  text_ = value;
  Changed(false);
}

void TspButtonBarSection::SetImageIndex(Integer value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  Changed(false);
}

void TspButtonBarSection::SetMargin(Integer value) {
  margin_ = value;
  Changed(false);
}

void TspButtonBarSection::SetSpacing(Integer value) {
  spacing_ = value;
  Changed(false);
}

String TspButtonBarSection::DisplayName() const { return text_.empty() ? TCollectionItem::DisplayName() : text_; }

void TspButtonBarSection::Assign(const TPersistent* source) {
  auto* section = dynamic_cast<const TspButtonBarSection*>(source);
  if (!section) return TCollectionItem::Assign(source);
  SetText(section->text_);
  SetImageIndex(section->imageIndex_);
  Tag = section->Tag;
  OnClick = section->OnClick;
  OnDblClick = section->OnDblClick;
  SetMargin(section->margin_);
  SetSpacing(section->spacing_);
  Enabled = section->Enabled;
}

TspButtonBarSections::TspButtonBarSections(TspSkinButtonsBar* bar)
    : TOwnedCollection(bar, CollectionItemClass<TspButtonBarSection>()), bar_(bar) {}

void TspButtonBarSections::Update(TCollectionItem* item) {
  if (item) bar_->UpdateSection(item->Index());
  else bar_->UpdateSections();
}
