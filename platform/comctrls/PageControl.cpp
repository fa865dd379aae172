// The page control and its tab sheets: one tab per visible page, the active page
// shown in the display rectangle and the others hidden.
#include <algorithm>

#include "platform/comctrls/PageControl.h"
#include "platform/core/SysUtils.h"

// ---------------------------------------------------------------------------
// Sheets

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  ControlStyle |= csAcceptsControls;
  SetVisible(false);
  SetAlign(alClient);
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) { SetParent(value); }

void TTabSheet::SetParent(TWinControl* parent) {
  auto* pageControl = dynamic_cast<TPageControl*>(parent);
  if (pageControl_ && pageControl_ != pageControl) {
    TPageControl* old = pageControl_;
    pageControl_ = nullptr;
    old->RemovePage(this);
  }
  TWinControl::SetParent(parent);
  if (pageControl && pageControl_ != pageControl) {
    pageControl_ = pageControl;
    pageControl->InsertPage(this);
  }
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
  if (pageControl_) pageControl_->MovePage(this, value);
}

int TTabSheet::TabIndex() const {
  if (!pageControl_ || !tabVisible_) return -1;
  int index = 0;
  for (TTabSheet* page : pageControl_->pages_) {
    if (page == this) return index;
    if (page->tabVisible_) ++index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool value) {
  if (tabVisible_ == value) return;
  tabVisible_ = value;
  if (!pageControl_) return;
  if (!value && pageControl_->activePage_ == this) {
    TTabSheet* next = pageControl_->FindNextPage(this, true);
    pageControl_->ShowPage(next != this ? next : nullptr);
  }
  pageControl_->UpdateTabs();
}

void TTabSheet::SetImageIndex(int value) {
  if (imageIndex_ == value) return;
  imageIndex_ = value;
  if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::CMTextChanged(TMessage& message) {
  TWinControl::CMTextChanged(message);
  if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::Dispatch(TMessage& message) {
  // A sheet paints its background like a dialog's.
  if (message.Msg == WM_ERASEBKGND && HandleAllocated()) {
    RECT r;
    ::GetClientRect(Handle(), &r);
    ::FillRect(MessageDC(message), &r, ::GetSysColorBrush(COLOR_BTNFACE));
    message.Result = 1;
    return;
  }
  TWinControl::Dispatch(message);
}

// ---------------------------------------------------------------------------
// The page control

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount()) throw EListError(Format("List index out of bounds (%d)", index));
  return pages_[index];
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  UpdateTabs();
  // The first page of a page control made in code shows at once.
  if (!activePage_ && page->TabVisible() && !HasState(csLoading)) ShowPage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  if (activePage_ == page) {
    TTabSheet* next = FindNextPage(page, true);
    ShowPage(next != page ? next : nullptr);
  }
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  if (page->pageControl_ == this) page->pageControl_ = nullptr;
  if (!HasState(csDestroying)) UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  index = std::clamp(index, 0, PageCount() - 1);
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  pages_.insert(pages_.begin() + index, page);
  UpdateTabs();
}

void TPageControl::UpdateTabs() {
  ClearTabs();
  for (TTabSheet* page : pages_)
    if (page->TabVisible()) InsertTab(TabCount(), TTab{page->Caption(), page->ImageIndex(), page});
  SetTabIndex(activePage_ ? activePage_->TabIndex() : -1);
}

void TPageControl::ShowPage(TTabSheet* page) {
  TTabSheet* old = activePage_;
  activePage_ = page;
  if (page) {
    page->BringToFront();
    page->SetVisible(true);
  }
  if (old && old != page) old->SetVisible(false);
  SetTabIndex(page ? page->TabIndex() : -1);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->PageControl() != this)
    throw EInvalidOperation("The page " + page->Name() + " does not belong to " + Name());
  if (page == activePage_) return;
  ShowPage(page);
}

void TPageControl::SetActivePageIndex(int value) {
  SetActivePage(value >= 0 && value < PageCount() ? pages_[value] : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward) const {
  const int count = PageCount();
  if (count == 0) return nullptr;
  auto it = std::find(pages_.begin(), pages_.end(), current);
  int start = it == pages_.end() ? (goForward ? count - 1 : 0) : static_cast<int>(it - pages_.begin());
  int i = start;
  do {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    if (pages_[i]->TabVisible()) return pages_[i];
  } while (i != start);
  return nullptr;
}

void TPageControl::SelectNextPage(bool goForward) {
  TTabSheet* next = FindNextPage(activePage_, goForward);
  if (!next || next == activePage_ || !CanChange()) return;
  ShowPage(next);
  TCustomTabControl::Change();
}

void TPageControl::Change() {
  // The user chose a tab: its page shows before OnChange runs.
  const int index = TabIndex();
  for (TTabSheet* page : pages_)
    if (page->TabVisible() && page->TabIndex() == index) {
      ShowPage(page);
      break;
    }
  TCustomTabControl::Change();
}

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  if (!activePage_) ShowPage(FindNextPage(nullptr, true));
}
