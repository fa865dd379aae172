// The tab controls over the common controls' "SysTabControl32": TCustomTabControl
// (a row of tabs the control keeps across a re-creation of its window, with the
// display rectangle its children are aligned in), TTabControl (tabs given as
// strings), and TPageControl with its TTabSheet pages (one tab per visible page;
// the active page shows in the display rectangle).
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/Forms.h"
#include "platform/graphics/ImageList.h"
#include "platform/core/Strings.h"

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

// Asked before the selected tab changes; clear the flag to keep the tab.
using TTabChangingEvent = TEvent<TObject*, bool&>;

class TCustomTabControl : public TWinControl {
public:
  explicit TCustomTabControl(TComponent* owner);
  ~TCustomTabControl() override;

  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition value);
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle value);
  // 0: the size the tabs' texts and images need.
  int TabHeight() const { return tabHeight_; }
  void SetTabHeight(int value);
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int value);

  // The selected tab, -1 for none. Setting it runs no event.
  int TabIndex() const;
  void SetTabIndex(int value);
  int TabCount() const { return static_cast<int>(tabs_.size()); }

  // Where the pages (or what the tabs choose) show: the client area through
  // TCM_ADJUSTRECT, two pixels lower at the top.
  TRect DisplayRect();
  // The tab at a client point (TCM_HITTEST), -1 for none.
  int IndexOfTabAt(int x, int y);
  // The rectangle of a tab (TCM_GETITEMRECT); empty for an unknown tab.
  TRect TabRect(int index);

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

protected:
  struct TTab {
    String Text;
    int ImageIndex = -1;
    TObject* Object = nullptr;  // borrowed: the page of a page control
  };

  // The tabs as the window shows them; each change reaches the window.
  void InsertTab(int index, const TTab& tab);
  void DeleteTab(int index);
  void SetTab(int index, const TTab& tab);
  void ClearTabs();
  const TTab& Tab(int index) const { return tabs_.at(index); }

  virtual bool CanChange();
  virtual void Change();

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  void AdjustClientRect(TRect& rect) override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual void CNNotify(TMessage& message);

private:
  void ApplyItemSize();
  void InsertNativeTab(int index);

  std::vector<TTab> tabs_;
  TCustomImageList* images_ = nullptr;  // borrowed, free notification
  bool multiLine_ = false;
  TTabPosition tabPosition_ = tpTop;
  TTabStyle style_ = tsTabs;
  int tabHeight_ = 0;
  int tabWidth_ = 0;
  int tabIndex_ = -1;  // kept while there is no window
};

class TTabControl : public TCustomTabControl {
public:
  explicit TTabControl(TComponent* owner);
  ~TTabControl() override;
  // The tabs' texts (with an object each); tab i shows image i of Images.
  TStrings* Tabs() const { return tabStrings_.get(); }  // owned
  void SetTabs(const TStrings* value) { tabStrings_->Assign(value); }

private:
  class TTabStrings;
  std::unique_ptr<TStrings> tabStrings_;
};

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
