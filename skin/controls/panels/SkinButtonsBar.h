// TspSkinButtonsBar: a side bar of sections, each a header button with item
// buttons below it. The open section's items fill the space between the headers
// up to the open one (at the top) and the later headers (at the bottom); two
// small scroll buttons with auto-repeat appear when the items do not fit.
#pragma once

#include <memory>
#include <vector>

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/buttons/SkinSpeedButton.h"
#include "skin/controls/panels/ButtonBarSections.h"

class TspSkinButtonsBar;

class TspSectionButton : public TspSkinSpeedButton {
public:
  TspSectionButton(TComponent* owner, Integer sectionIndex, TspSkinButtonsBar* bar);
  Integer SectionIndex;
  void ButtonClick() override;

protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  TspSkinButtonsBar* bar_;
};

class TspSectionItem : public TspSkinSpeedButton {
public:
  TspSectionItem(TComponent* owner, bool webStyle, Integer itemIndex, Integer sectionIndex, TspSkinButtonsBar* bar);
  Integer ItemIndex, SectionIndex;
  bool WebStyle;
  void ButtonClick() override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  TspButtonBarItem* Item() const;
  TspSkinButtonsBar* bar_;
};

class TspSkinButtonsBar : public TspSkinPanel {
public:
  explicit TspSkinButtonsBar(TComponent* owner);
  ~TspSkinButtonsBar() override;

  TspButtonBarSections* Sections() const { return sections_.get(); }  // owned
  void SetSections(const TspButtonBarSections* value) { sections_->Assign(value); }
  Integer SectionIndex() const { return sectionIndex_; }
  void SetSectionIndex(Integer value);  // -1..count-1; others are ignored
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool value);
  bool ShowSelectedItem = false;
  bool WebStyle = false;
  bool ShowItemHint = true;
  TFont* DefaultSectionFont() const { return sectionFont_.get(); }  // owned
  void SetDefaultSectionFont(const TFont* value) { sectionFont_->Assign(value); }
  TFont* DefaultItemFont() const { return itemFont_.get(); }  // owned
  void SetDefaultItemFont(const TFont* value) { itemFont_->Assign(value); }
  Integer DefaultButtonHeight() const { return defaultButtonHeight_; }
  void SetDefaultButtonHeight(Integer value);
  Integer ItemHeight() const { return itemHeight_; }
  void SetItemHeight(Integer value);  // values below 1 are refused
  bool ItemsTransparent() const { return itemsTransparent_; }
  void SetItemsTransparent(bool value);
  String SectionButtonSkinDataName = "toolbutton";
  TCustomImageList* ItemImages() const { return itemImages_; }
  void SetItemImages(TCustomImageList* value);
  TCustomImageList* SectionImages() const { return sectionImages_; }
  void SetSectionImages(TCustomImageList* value);
  TNotifyEvent OnChanging, OnChange;

  // Opens the section and clicks its item (pressed down with ShowSelectedItem);
  // an invalid section or item is ignored.
  void SetItemIndex(Integer section, Integer item);
  // The item last clicked or set through SetItemIndex; -1 before any.
  Integer GetItemIndex() const { return itemIndex_; }
  void ItemClicked(Integer item) { itemIndex_ = item; }

  void OpenSection(Integer index);
  void UpdateSections();
  void UpdateSection(Integer index);
  void UpdateItems();
  void CheckVisibleItems();
  void ArangeItems();
  void ScrollUp();
  void ScrollDown();
  void SetSkinData(TspSkinData* value) override;
  void ChangeSkinData() override;
  void Loaded() override;

  // Read by tests.
  TspSkinPanel* ItemPanel() const { return itemPanel_; }
  int HeaderCount() const { return static_cast<int>(headers_.size()); }
  TspSectionButton* Header(int i) const { return headers_.at(i); }
  TspSectionButton* HeaderOf(Integer section) const;
  int ItemCount() const { return static_cast<int>(items_.size()); }
  TspSectionItem* ItemButton(int i) const { return items_.at(i); }
  Integer FirstVisibleItem = 0, VisibleItemCount = 0;
  TspSkinButton* UpButton() const { return upButton_.get(); }
  TspSkinButton* DownButton() const { return downButton_.get(); }

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateWnd() override;

private:
  void ClearHeaders();
  void ClearItems();
  void SetUpHeader(TspSectionButton* header, TspButtonBarSection* section, bool caption);
  void ShowScrollButtons();
  std::unique_ptr<TspSkinButton> MakeScrollButton(const char* glyph, bool up);
  void ItemPanelResize(TObject*) { CheckVisibleItems(); }

  std::unique_ptr<TspButtonBarSections> sections_;
  Integer sectionIndex_ = 0;
  bool showButtons_ = true;
  std::unique_ptr<TFont> sectionFont_, itemFont_;
  Integer defaultButtonHeight_ = 25;
  Integer itemHeight_ = 60;
  bool itemsTransparent_ = true;
  TCustomImageList* itemImages_ = nullptr;     // borrowed, freed-notified
  TCustomImageList* sectionImages_ = nullptr;  // borrowed, freed-notified
  TspSkinPanel* itemPanel_ = nullptr;          // owned by the bar (a component of it)
  std::vector<TspSectionButton*> headers_;     // owned (children without an owner)
  std::vector<TspSectionItem*> items_;         // owned (children without an owner)
  std::unique_ptr<TspSkinButton> upButton_, downButton_;
  Integer itemIndex_ = -1;
  Integer lastVisibleCount_ = 0;
};
