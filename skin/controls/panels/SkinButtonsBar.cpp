#include "skin/controls/panels/SkinButtonsBar.h"

#include <algorithm>

using enum TspSkinBorderStyle;

TspSkinButtonsBar::TspSkinButtonsBar(TComponent* owner)
    : TspSkinPanel(owner),
      sections_(std::make_unique<TspButtonBarSections>(this)),
      sectionFont_(std::make_unique<TFont>()),
      itemFont_(std::make_unique<TFont>()) {
  for (TFont* f : {sectionFont_.get(), itemFont_.get()}) {
    f->SetName("Arial");
    f->SetHeight(14);
    f->SetStyle(0);
  }
  SetWidth(150);
  SetAlign(alLeft);
  SetBorderStyle(bvFrame);
  itemPanel_ = new TspSkinPanel(this);
  itemPanel_->SetBorderStyle(bvNone);
  itemPanel_->SetAlign(alClient);
  itemPanel_->SetParent(this);
  itemPanel_->OnResize = TNotifyEvent(this, &TspSkinButtonsBar::ItemPanelResize);
}

TspSkinButtonsBar::~TspSkinButtonsBar() {
  itemPanel_->OnResize = TNotifyEvent();
  ClearItems();
  ClearHeaders();
}

// ---- properties ----

void TspSkinButtonsBar::SetSectionIndex(Integer value) {
  if (HasState(csReading)) {
    sectionIndex_ = value;  // the sections may come later in a definition
    return;
  }
  if (value >= -1 && value < sections_->Count() && value != sectionIndex_) OpenSection(value);
}

void TspSkinButtonsBar::SetShowButtons(bool value) {
  showButtons_ = value;
  UpdateSections();
}

void TspSkinButtonsBar::SetDefaultButtonHeight(Integer value) {
  defaultButtonHeight_ = value;
  for (int i = 0; i < sections_->Count(); ++i) UpdateSection(i);
}

void TspSkinButtonsBar::SetItemHeight(Integer value) {
  if (value < 1) return;  // the visible item count divides by it
  itemHeight_ = value;
  UpdateItems();
}

void TspSkinButtonsBar::SetItemsTransparent(bool value) {
  itemsTransparent_ = value;
  UpdateItems();
}

void TspSkinButtonsBar::SetItemImages(TCustomImageList* value) {
  itemImages_ = value;
  if (value) value->FreeNotification(this);
  UpdateItems();
}

void TspSkinButtonsBar::SetSectionImages(TCustomImageList* value) {
  sectionImages_ = value;
  if (value) value->FreeNotification(this);
  for (int i = 0; i < sections_->Count(); ++i) UpdateSection(i);
}

void TspSkinButtonsBar::Notification(TComponent* component, TOperation operation) {
  TspSkinPanel::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == itemImages_) SetItemImages(nullptr);
  if (component == sectionImages_) SetSectionImages(nullptr);
}

void TspSkinButtonsBar::SetSkinData(TspSkinData* value) {
  TspSkinPanel::SetSkinData(value);
  itemPanel_->SetSkinDataName(SkinDataName);
  itemPanel_->SetSkinData(value);
  UpdateSections();
}

void TspSkinButtonsBar::ChangeSkinData() {
  TspSkinPanel::ChangeSkinData();
  CheckVisibleItems();
}

void TspSkinButtonsBar::Loaded() {
  TspSkinPanel::Loaded();
  if (sectionIndex_ < -1 || sectionIndex_ >= sections_->Count()) sectionIndex_ = sections_->Count() > 0 ? 0 : -1;
  UpdateSections();
  UpdateItems();
}

void TspSkinButtonsBar::CreateWnd() {
  TspSkinPanel::CreateWnd();
  UpdateSections();
  UpdateItems();
}

void TspSkinButtonsBar::SetItemIndex(Integer section, Integer item) {
  if (section < 0 || section >= sections_->Count()) return;
  SetSectionIndex(section);
  if (item < 0 || item >= sections_->Items(section)->Items()->Count() || item >= ItemCount()) return;
  TspSectionItem* button = items_[item];
  if (ShowSelectedItem) button->SetDown(true);
  button->ButtonClick();
}

// ---- sections ----

TspSectionButton* TspSkinButtonsBar::HeaderOf(Integer section) const {
  for (TspSectionButton* h : headers_)
    if (h->SectionIndex == section) return h;
  return nullptr;
}

void TspSkinButtonsBar::OpenSection(Integer index) {
  if (index == sectionIndex_) return;
  bool quiet = Designing() || HasState(csLoading);
  if (!quiet) OnChanging(this);
  sectionIndex_ = index;
  if (showButtons_ && index == -1) {
    for (TspSectionButton* h : headers_) h->SetAlign(alTop);
  } else if (showButtons_) {
    for (TspSectionButton* h : headers_)
      if (h->SectionIndex > index && h->Align() != alBottom) h->SetAlign(alBottom);
    for (auto h = headers_.rbegin(); h != headers_.rend(); ++h)
      if ((*h)->SectionIndex <= index && (*h)->Align() != alTop) (*h)->SetAlign(alTop);
  }
  UpdateItems();
  if (index >= 0) sections_->Items(index)->OnClick(this);
  if (!quiet) OnChange(this);
}

void TspSkinButtonsBar::ClearHeaders() {
  std::vector<TspSectionButton*> gone = std::move(headers_);
  headers_.clear();
  for (TspSectionButton* h : gone) delete h;
}

void TspSkinButtonsBar::SetUpHeader(TspSectionButton* h, TspButtonBarSection* section, bool caption) {
  h->SetHeight(defaultButtonHeight_);
  h->SetSkinData(SkinData());
  if (caption) h->SetCaption(section->Text());
  h->SetHint(section->Hint);
  h->SetMargin(section->Margin());
  h->SetSpacing(section->Spacing());
  h->SetShowHint(ShowItemHint);
  h->SetEnabled(section->Enabled);
  Integer image = section->ImageIndex();
  bool listed = image != -1 && sectionImages_ && image < sectionImages_->Count();
  h->SetImageList(listed ? sectionImages_ : nullptr);
  h->SetImageIndex(listed ? image : -1);
}

// Headers up to the open section stack from the top, the later ones from the
// bottom, both in section order (their first tops decide the order).
void TspSkinButtonsBar::UpdateSections() {
  if (!HandleAllocated() || sections_->Count() == 0) return;
  ClearHeaders();
  if (!showButtons_) return CheckVisibleItems();
  DisableAlign();
  for (int i = 0; i < sections_->Count(); ++i) {
    auto* h = new TspSectionButton(nullptr, i, this);
    headers_.push_back(h);
    h->SetTop(i <= sectionIndex_ ? i : Height() + i);
    h->SetAlign(i <= sectionIndex_ ? alTop : alBottom);
    h->SetParent(this);
    SetUpHeader(h, sections_->Items(i), true);
  }
  EnableAlign();
  CheckVisibleItems();
}

void TspSkinButtonsBar::UpdateSection(Integer index) {
  if (!HandleAllocated() || sections_->Count() == 0) return;
  if (!showButtons_) return UpdateItems();
  TspSectionButton* h = HeaderOf(index);
  if (!h || index >= sections_->Count()) return UpdateSections();
  TspButtonBarSection* section = sections_->Items(index);
  bool captionChanged = h->Caption() != section->Text();
  SetUpHeader(h, section, captionChanged);
  h->Repaint();
  if (index == sectionIndex_ && !captionChanged) UpdateItems();
}

// ---- items ----

void TspSkinButtonsBar::ClearItems() {
  std::vector<TspSectionItem*> gone = std::move(items_);
  items_.clear();
  for (TspSectionItem* item : gone) delete item;
  upButton_.reset();
  downButton_.reset();
}

void TspSkinButtonsBar::UpdateItems() {
  if (!HandleAllocated() || sections_->Count() == 0 || (showButtons_ && headers_.empty())) return;
  ClearItems();
  if (sectionIndex_ < 0 || sectionIndex_ >= sections_->Count()) return;
  TspButtonBarItems* list = sections_->Items(sectionIndex_)->Items();
  if (list->Count() == 0) return;
  FirstVisibleItem = 0;
  lastVisibleCount_ = 0;
  for (int i = 0; i < list->Count(); ++i) {
    TspButtonBarItem* item = list->Items(i);
    auto* b = new TspSectionItem(nullptr, WebStyle, i, sectionIndex_, this);
    items_.push_back(b);
    b->SetFlat(itemsTransparent_ || WebStyle);
    if (WebStyle) b->SetCursor(crHandPoint);
    b->SetHeight(itemHeight_);
    b->SetSkinData(SkinData());
    b->SetCaption(item->Text());
    b->SetHint(item->Hint);
    b->SetShowHint(ShowItemHint);
    b->SetEnabled(item->Enabled);
    if (ShowSelectedItem) b->GroupIndex = 1;
    Integer image = item->ImageIndex();
    bool listed = image != -1 && itemImages_ && image < itemImages_->Count();
    b->SetImageList(listed ? itemImages_ : nullptr);
    b->SetImageIndex(listed ? image : -1);
    b->SetLayout(item->Layout());
    b->SetMargin(item->Margin());
    b->SetSpacing(item->Spacing());
  }
  CheckVisibleItems();
}

void TspSkinButtonsBar::CheckVisibleItems() {
  const Integer count = ItemCount();
  VisibleItemCount = std::min<Integer>(itemPanel_->Height() / itemHeight_, count);
  const Integer grown = VisibleItemCount - lastVisibleCount_;
  lastVisibleCount_ = VisibleItemCount;
  if (VisibleItemCount >= count) FirstVisibleItem = 0;
  else if (FirstVisibleItem + VisibleItemCount > count && FirstVisibleItem > 0)
    FirstVisibleItem = std::max<Integer>(0, FirstVisibleItem - grown);
  for (Integer i = 0; i < count; ++i) {
    TspSectionItem* b = items_[i];
    bool shown = i >= FirstVisibleItem && i < FirstVisibleItem + VisibleItemCount;
    if (shown && !b->Parent()) {
      b->SetTop(i < FirstVisibleItem ? 0 : itemPanel_->Height());
      b->SetParent(itemPanel_);
    } else if (!shown) {
      b->SetVisible(false);
      b->SetParent(nullptr);
    }
    if (shown) b->SetVisible(true);
  }
  ArangeItems();
}

void TspSkinButtonsBar::ShowScrollButtons() {
  bool up = FirstVisibleItem > 0, down = FirstVisibleItem + VisibleItemCount < ItemCount();
  if (up && !upButton_) upButton_ = MakeScrollButton("SP_BB_UP", true);
  if (!up) upButton_.reset();
  if (down && !downButton_) downButton_ = MakeScrollButton("SP_BB_DOWN", false);
  if (!down) downButton_.reset();
  Integer w = itemPanel_->Width(), h = itemPanel_->Height();
  if (upButton_) upButton_->SetBounds(w - upButton_->Width() - 5, 5, 18, 18);
  if (downButton_) downButton_->SetBounds(w - downButton_->Width() - 5, h - downButton_->Height() - 5, 18, 18);
}

void TspSkinButtonsBar::ArangeItems() {
  ShowScrollButtons();
  Integer top = 0;
  for (Integer i = FirstVisibleItem; i < FirstVisibleItem + VisibleItemCount && i < ItemCount(); ++i) {
    items_[i]->SetParent(itemPanel_);
    items_[i]->SetBounds(0, top, itemPanel_->Width(), itemHeight_);
    top += itemHeight_;
  }
  if (upButton_) upButton_->BringToFront();
  if (downButton_) downButton_->BringToFront();
}

std::unique_ptr<TspSkinButton> TspSkinButtonsBar::MakeScrollButton(const char* glyph, bool up) {
  auto b = std::make_unique<TspSkinButton>(nullptr);
  b->SetCanFocused(false);
  b->SetSpacing(0);
  b->SkinDataName = "resizebutton";
  b->RepeatMode = true;
  b->RepeatInterval = 150;
  TBitmap picture;
  try {
    picture.LoadFromResourceName(::GetModuleHandleA(nullptr), glyph);
  } catch (const Exception&) {
    // a program built without the bitmaps shows an empty button
  }
  b->SetGlyph(&picture);
  b->SetNumGlyphs(1);
  b->SetBounds(0, 0, 18, 18);
  b->SetParent(itemPanel_);
  b->SetSkinData(SkinData());
  b->OnClick = TNotifyEvent::Function([this, up](TObject*) { up ? ScrollUp() : ScrollDown(); });
  return b;
}

void TspSkinButtonsBar::ScrollUp() {
  if (FirstVisibleItem <= 0 || VisibleItemCount <= 0) return;
  TspSectionItem* last = items_[FirstVisibleItem + VisibleItemCount - 1];
  last->SetVisible(false);
  last->SetParent(nullptr);
  --FirstVisibleItem;
  items_[FirstVisibleItem]->SetVisible(true);
  ArangeItems();
}

void TspSkinButtonsBar::ScrollDown() {
  if (VisibleItemCount <= 0 || FirstVisibleItem + VisibleItemCount >= ItemCount()) return;
  TspSectionItem* first = items_[FirstVisibleItem];
  first->SetVisible(false);
  first->SetParent(nullptr);
  ++FirstVisibleItem;
  items_[FirstVisibleItem + VisibleItemCount - 1]->SetVisible(true);
  ArangeItems();
}
