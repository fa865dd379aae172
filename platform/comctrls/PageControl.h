// TPageControl with its TTabSheet pages: one tab per visible page; the active page
// shows in the display rectangle.
#pragma once

#include "platform/comctrls/TabControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return pageControl_; }
  // Moves the sheet into a page control (its parent) or out of it (nullptr).
  void SetPageControl(TPageControl* value);
  // The place among the page control's pages.
  int PageIndex() const;
  void SetPageIndex(int value);
  // The place among the visible tabs, -1 while the tab is hidden.
  int TabIndex() const;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);

  void SetParent(TWinControl* parent) override;

protected:
  void CMTextChanged(TMessage& message) override;
  void Dispatch(TMessage& message) override;

private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;  // borrowed: the page control lists the sheet
  bool tabVisible_ = true;
  int imageIndex_ = -1;
};

class TPageControl : public TCustomTabControl {
public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  // EListError for an index outside 0 .. PageCount - 1.
  TTabSheet* Pages(int index) const;
  TTabSheet* ActivePage() const { return activePage_; }
  // Shows the page and selects its tab; runs no event. A page of another page
  // control is refused (EInvalidOperation).
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }
  void SetActivePageIndex(int value);
  // The next (or previous) page with a visible tab after `current`, wrapping.
  TTabSheet* FindNextPage(TTabSheet* current, bool goForward) const;
  void SelectNextPage(bool goForward);

  void Loaded() override;

protected:
  void Change() override;

private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  // The tabs again from the pages, the active page's selected.
  void UpdateTabs();
  void ShowPage(TTabSheet* page);

  std::vector<TTabSheet*> pages_;     // borrowed: sheets are owned by their owners
  TTabSheet* activePage_ = nullptr;   // one of pages_, or nullptr
};
