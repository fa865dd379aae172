#include "skin/controls/SkinNotebook.h"

#include <algorithm>

#include "platform/controls/CustomForm.h"

using enum TspSkinBorderStyle;

// ---- page ----

TspSkinPage::TspSkinPage(TComponent* owner) : TspSkinPanel(owner) {
  SetVisible(false);
  SetAlign(alClient);
  SetBorderStyle(bvNone);
}

TspSkinPage::~TspSkinPage() {
  if (auto* notebook = dynamic_cast<TspSkinNotebook*>(Parent())) notebook->PageLeft(this);
}

void TspSkinPage::SetParent(TWinControl* parent) {
  auto* before = dynamic_cast<TspSkinNotebook*>(Parent());
  TspSkinPanel::SetParent(parent);
  auto* after = dynamic_cast<TspSkinNotebook*>(parent);
  if (before && before != after) before->PageLeft(this);
  if (after) after->PageArrived(this);
}

// Pointer input on the page's own surface goes to what lies beneath.
void TspSkinPage::Dispatch(TMessage& message) {
  if (message.Msg == WM_NCHITTEST && !Designing()) {
    message.Result = HTTRANSPARENT;
    return;
  }
  TspSkinPanel::Dispatch(message);
}

// ---- page access ----

String TspPageAccess::Get(int index) const { return notebook_->pages_.at(index)->Caption(); }
int TspPageAccess::Count() const { return notebook_->PageCount(); }
TObject* TspPageAccess::GetObject(int index) const { return notebook_->pages_.at(index); }
void TspPageAccess::Put(int index, const String& text) {
  notebook_->pages_.at(index)->SetCaption(text);
  if (notebook_->ButtonsMode()) notebook_->UpdateButton(index, text);
}

int TspPageAccess::Add(const String& text) {
  Insert(Count(), text);
  return Count() - 1;
}

void TspPageAccess::Insert(int index, const String& text) {
  if (index < 0 || index > Count()) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  TspSkinPage* page = notebook_->NewPage(text);
  auto& pages = notebook_->pages_;
  std::erase(pages, page);
  pages.insert(pages.begin() + index, page);
  // The current page moved one place on when the new page went before it.
  if (notebook_->pageIndex_ >= index) ++notebook_->pageIndex_;
  notebook_->SetPageIndex(index);
  if (notebook_->ButtonsMode()) notebook_->UpdateButtons();
}

void TspPageAccess::Delete(int index) {
  notebook_->DeletePage(index);
  if (notebook_->ButtonsMode()) notebook_->UpdateButtons();
}

void TspPageAccess::Clear() {
  notebook_->ClearPages();
  if (notebook_->ButtonsMode()) notebook_->UpdateButtons();
}

void TspPageAccess::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  auto& pages = notebook_->pages_;
  std::swap(pages.at(curIndex), pages.at(newIndex));
  Integer& current = notebook_->pageIndex_;
  if (current == curIndex) current = newIndex;
  else if (current == newIndex) current = curIndex;
  if (notebook_->ButtonsMode()) notebook_->UpdateButtons();
}

// ---- notebook ----

TspSkinNotebook::TspSkinNotebook(TComponent* owner)
    : TspSkinPanel(owner), access_(std::make_unique<TspPageAccess>(this)) {
  ControlStyle &= ~(csAcceptsControls | csCaptureMouse | csClickEvents);
  SetBorderStyle(bvFrame);
  pageIndex_ = -1;
  defaultPage_ = NewPage("Default");
  ShowPage(0);
  pageIndex_ = 0;
}

TspSkinNotebook::~TspSkinNotebook() {
  ClearButtons();
  std::vector<TspSkinPage*> pages = std::move(pages_);
  pages_.clear();
  for (TspSkinPage* page : pages) page->SetParent(nullptr);
}

void TspSkinNotebook::CreateParams(TCreateParams& params) {
  TspSkinPanel::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

TspSkinPage* TspSkinNotebook::NewPage(const String& caption) {
  auto* page = new TspSkinPage(this);
  page->SetCaption(caption);
  page->SetParent(this);
  return page;
}

void TspSkinNotebook::PageArrived(TspSkinPage* page) {
  if (std::find(pages_.begin(), pages_.end(), page) != pages_.end()) return;
  if (HasState(csLoading) && defaultPage_ && page != defaultPage_) {
    TspSkinPage* stale = defaultPage_;
    defaultPage_ = nullptr;
    delete stale;
  }
  pages_.push_back(page);
}

void TspSkinNotebook::PageLeft(TspSkinPage* page) {
  auto at = std::find(pages_.begin(), pages_.end(), page);
  if (at == pages_.end()) return;
  Integer index = static_cast<Integer>(at - pages_.begin());
  pages_.erase(at);
  if (page == defaultPage_) defaultPage_ = nullptr;
  if (HasState(csDestroying) || HasState(csLoading)) return;
  if (index < pageIndex_) {
    --pageIndex_;
  } else if (index == pageIndex_) {
    // The neighbour takes the place of the page that went.
    pageIndex_ = -1;
    if (!pages_.empty()) SetPageIndex(std::min<Integer>(index, PageCount() - 1));
  }
}

void TspSkinNotebook::DeletePage(int index) {
  if (index < 0 || index >= PageCount()) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  TspSkinPage* page = pages_[index];
  delete page;  // leaves the list through PageLeft
}

void TspSkinNotebook::ClearPages() {
  std::vector<TspSkinPage*> gone = pages_;
  pages_.clear();
  defaultPage_ = nullptr;
  for (TspSkinPage* page : gone) delete page;
  pageIndex_ = -1;
}

int TspSkinNotebook::VisiblePageCount() const {
  return static_cast<int>(std::count_if(pages_.begin(), pages_.end(), [](TspSkinPage* p) { return p->Visible(); }));
}

void TspSkinNotebook::SetPages(const TStrings* value) { access_->Assign(value); }

void TspSkinNotebook::ShowPage(Integer index) {
  TspSkinPage* page = pages_.at(index);
  page->BringToFront();
  page->SetSkinData(SkinData());
  page->SetVisible(true);
  page->SetAlign(alClient);
}

void TspSkinNotebook::SetPageIndex(Integer value) {
  if (HasState(csLoading)) {
    pageIndex_ = value;
    return;
  }
  if (value == pageIndex_ || value < 0 || value >= PageCount()) return;
  TCustomForm* form = GetParentForm(this);
  if (form && form->ActiveControl() && ContainsControl(form->ActiveControl())) form->SetActiveControl(this);
  ShowPage(value);
  if (pageIndex_ >= 0 && pageIndex_ < PageCount()) pages_[pageIndex_]->SetVisible(false);
  pageIndex_ = value;
  if (form && form->ActiveControl() == this) SelectNext(this, true, true);
  if (buttonsMode_) {
    for (int i = ButtonCount() - 1; i >= 0; --i)
      if (buttons_[i]->PageIndex > value && buttons_[i]->Align() != alBottom) buttons_[i]->SetAlign(alBottom);
    for (TspPageButton* button : buttons_)
      if (button->PageIndex <= value && button->Align() != alTop) button->SetAlign(alTop);
  }
  OnPageChanged(this);
}

String TspSkinNotebook::ActivePage() const {
  if (pageIndex_ < 0 || pageIndex_ >= PageCount()) return String();
  return pages_[pageIndex_]->Caption();
}

void TspSkinNotebook::SetActivePage(const String& name) {
  int index = access_->IndexOf(name);
  if (index >= 0) SetPageIndex(index);
}

void TspSkinNotebook::SetImages(TCustomImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
  if (buttonsMode_) UpdateButtons();
}

void TspSkinNotebook::Notification(TComponent* component, TOperation operation) {
  TspSkinPanel::Notification(component, operation);
  if (operation == opRemove && component == images_) SetImages(nullptr);
}

void TspSkinNotebook::Loaded() {
  TspSkinPanel::Loaded();
  for (TspSkinPage* page : pages_) page->SetVisible(false);
  if (pageIndex_ >= 0 && pageIndex_ < PageCount()) ShowPage(pageIndex_);
  else pageIndex_ = -1;
  if (buttonsMode_) UpdateButtons();
  // The pages' windows are made now only under a window that already exists; a
  // notebook read before its form has a window gets them when it is shown.
  if (Parent() && Parent()->HandleAllocated()) NotebookHandlesNeeded(this);
}
