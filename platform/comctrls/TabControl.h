// The tab controls over the common controls' "SysTabControl32": TCustomTabControl
// (a row of tabs the control keeps across a re-creation of its window, with the
// display rectangle its children are aligned in) and TTabControl (tabs given as
// strings).
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/WinControl.h"
#include "platform/core/Strings.h"
#include "platform/graphics/ImageList.h"

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
