// TspSkinNotebook: a skinned panel holding a stack of TspSkinPage pages of which
// exactly one is visible, chosen by PageIndex or by name (ActivePage); the page
// names are exposed as a string list (Pages, a TspPageAccess) through which
// pages are added, renamed, moved and deleted. Pages stream as its children.
#pragma once

#include <memory>
#include <vector>

#include "platform/core/Strings.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/buttons/SkinSpeedButton.h"

class TspSkinNotebook;

// The button of one page in buttons mode: a click opens its page.
class TspPageButton : public TspSkinSpeedButton {
public:
  TspPageButton(TspSkinNotebook* notebook, Integer pageIndex);
  Integer PageIndex;
  void ButtonClick() override;

private:
  TspSkinNotebook* notebook_;
};

class TspSkinPage : public TspSkinPanel {
public:
  explicit TspSkinPage(TComponent* owner);
  ~TspSkinPage() override;
  Integer ImageIndex = -1;
  void SetParent(TWinControl* parent) override;

protected:
  void Dispatch(TMessage& message) override;
};

// The notebook's pages as strings: each line is a page's caption.
class TspPageAccess : public TStrings {
public:
  explicit TspPageAccess(TspSkinNotebook* notebook) : notebook_(notebook) {}
  String Get(int index) const override;
  int Count() const override;
  TObject* GetObject(int index) const override;
  void Put(int index, const String& text) override;
  void Insert(int index, const String& text) override;
  int Add(const String& text) override;
  void Delete(int index) override;
  void Clear() override;
  void Move(int curIndex, int newIndex) override;

private:
  TspSkinNotebook* notebook_;
};

class TspSkinNotebook : public TspSkinPanel, public TspNotebookPages {
public:
  explicit TspSkinNotebook(TComponent* owner);
  ~TspSkinNotebook() override;

  TStrings* Pages() const { return access_.get(); }
  void SetPages(const TStrings* value);
  Integer PageIndex() const { return pageIndex_; }
  // Shows page i and fires OnPageChanged; nothing for the current or an
  // out-of-range index.
  void SetPageIndex(Integer value);
  // The current page's name; empty when there is none.
  String ActivePage() const;
  void SetActivePage(const String& name);
  bool ButtonsMode() const { return buttonsMode_; }
  // On: one button per page, those up to the current page at the top, the
  // others at the bottom. Off: the buttons go.
  void SetButtonsMode(bool value);
  String ButtonSkinDataName = "toolbutton";
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  TNotifyEvent OnPageChanged;

  int PageCount() const override { return static_cast<int>(pages_.size()); }
  TWinControl* Page(int index) const override { return pages_.at(index); }
  TspSkinPage* PageAt(int index) const { return pages_.at(index); }
  int VisiblePageCount() const;
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TspPageButton* Button(int index) const { return buttons_.at(index); }
  void UpdateButtons();
  void UpdateButton(int index, const String& text);
  void ClearButtons();

  void Loaded() override;

protected:
  friend class TspPageAccess;
  friend class TspSkinPage;
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;

  // A page made parented to the notebook joins the list; a streamed page
  // replaces the constructor's "Default" page.
  void PageArrived(TspSkinPage* page);
  void PageLeft(TspSkinPage* page);
  TspSkinPage* NewPage(const String& caption);
  void ShowPage(Integer index);
  void DeletePage(int index);
  void ClearPages();

private:
  std::vector<TspSkinPage*> pages_;  // in order; the notebook's own or the form's
  std::unique_ptr<TspPageAccess> access_;
  TspSkinPage* defaultPage_ = nullptr;
  Integer pageIndex_ = 0;
  TCustomImageList* images_ = nullptr;  // borrowed, freed-notified
  bool buttonsMode_ = false;
  std::vector<TspPageButton*> buttons_;  // owned (children without an owner)
};
