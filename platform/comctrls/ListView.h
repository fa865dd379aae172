// The list view over the common controls' "SysListView32": columns, items with
// sub-items, images, check marks and a data pointer each, selection, owner-drawn
// rows, hit testing and scrolling. The control keeps its columns and items itself,
// so they outlive a re-creation of the window; the window asks the control for the
// texts and images it shows (text and image callbacks).
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/Alignments.h"
#include "platform/core/Collection.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/ImageList.h"
#include "platform/controls/OwnerDraw.h"
#include "platform/core/Strings.h"

class TCustomListView;
class TListItems;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
// Which part of an item a display rectangle covers.
enum TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };
// Directions of GetNextItem.
enum TSearchDirection { sdLeft, sdRight, sdAbove, sdBelow, sdAll };
// Item states for GetNextItem.
enum TItemStateFlag : unsigned { isNone = 0, isCut = 1, isDropHilited = 2, isFocused = 4, isSelected = 8 };
using TItemStates = unsigned;

class TListColumn : public TCollectionItem {
public:
  explicit TListColumn(TCollection* collection);

  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  // The width the window shows (the user may have dragged it).
  int Width() const;
  void SetWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  // -1: no image.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TCustomListView* ListView() const;

  String DisplayName() const override { return caption_.empty() ? TCollectionItem::DisplayName() : caption_; }
  void Assign(const TPersistent* source) override;

private:
  friend class TCustomListView;
  String caption_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  int imageIndex_ = -1;
};

class TListColumns : public TOwnedCollection {
public:
  explicit TListColumns(TCustomListView* owner);
  TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
  TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }
  TCustomListView* ListView() const { return owner_; }

protected:
  void Update(TCollectionItem* item) override;

private:
  TCustomListView* owner_;  // borrowed: the list view owns the columns
};

class TListItem : public TPersistent {
public:
  explicit TListItem(TListItems* owner);
  ~TListItem() override;

  TListItems* Owner() const { return owner_; }
  TCustomListView* ListView() const;
  int Index() const;

  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  // The texts of the columns after the first; changes show at once.
  TStrings* SubItems() const { return subItems_.get(); }  // owned
  void SetSubItems(const TStrings* value) { subItems_->Assign(value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  bool Checked() const;
  void SetChecked(bool value);
  bool Selected() const;
  void SetSelected(bool value);
  bool Focused() const;
  void SetFocused(bool value);
  // The caller's pointer; the item never touches what it points to.
  void* Data = nullptr;

  // The part of the item in the list view's client coordinates; empty without a window.
  TRect DisplayRect(TDisplayCode code) const;
  void MakeVisible(bool partialOK);
  // Repaints the item.
  void Update();
  // Removes the item from its list and frees it.
  void Delete();

  void Assign(const TPersistent* source) override;

private:
  friend class TListItems;
  friend class TCustomListView;
  void SubItemsChanged(TObject* sender);

  TListItems* owner_;  // borrowed: the list owns the item
  String caption_;
  std::unique_ptr<TStringList> subItems_;
  int imageIndex_ = -1;
  // Kept here while there is no window, read from the window while there is one.
  bool checked_ = false;
  bool selected_ = false;
  bool focused_ = false;
};

class TListItems : public TPersistent {
public:
  explicit TListItems(TCustomListView* owner);
  ~TListItems() override;

  TCustomListView* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // EListError for an index outside 0 .. Count - 1.
  TListItem* Item(int index) const;
  TListItem* operator[](int index) const { return Item(index); }
  int IndexOf(const TListItem* item) const;

  TListItem* Add();
  TListItem* Insert(int index);
  void Delete(int index);
  void Clear();
  // Holds back repainting while many items change.
  void BeginUpdate();
  void EndUpdate();

  void Assign(const TPersistent* source) override;

private:
  friend class TCustomListView;
  friend class TListItem;
  TCustomListView* owner_;            // borrowed: the list view owns the list
  std::vector<TListItem*> items_;     // owned
  int updateCount_ = 0;
};

using TLVDrawItemEvent = TEvent<TCustomListView*, TListItem*, TRect, TOwnerDrawState>;
using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
using TLVColumnClickEvent = TEvent<TObject*, TListColumn*>;
using TLVDeletedEvent = TEvent<TObject*, TListItem*>;

class TCustomListView : public TWinControl {
public:
  explicit TCustomListView(TComponent* owner);
  ~TCustomListView() override;

  TListColumns* Columns() const { return columns_.get(); }  // owned
  void SetColumns(const TListColumns* value) { columns_->Assign(value); }
  TListItems* Items() const { return items_.get(); }  // owned
  void SetItems(const TListItems* value) { items_->Assign(value); }

  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle value);
  TCustomImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(TCustomImageList* value);
  TCustomImageList* LargeImages() const { return largeImages_; }
  void SetLargeImages(TCustomImageList* value);
  // Rows drawn by OnDrawItem (report style).
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  // A click anywhere on a row selects it, and the whole row shows selected.
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool value);
  // No editing of captions in place.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  bool ShowColumnHeaders() const { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool value);
  bool Checkboxes() const { return checkboxes_; }
  void SetCheckboxes(bool value);
  bool GridLines() const { return gridLines_; }
  void SetGridLines(bool value);
  // The user may drag the column headers into another order.
  bool FullDrag() const { return fullDrag_; }
  void SetFullDrag(bool value);
  // Clicks on column headers are reported (OnColumnClick) and the headers press.
  bool ColumnClick() const { return columnClick_; }
  void SetColumnClick(bool value);
  // bsSingle: a sunken edge; bsNone: none.
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);

  // The first selected item (nullptr: none); setting selects only that item.
  TListItem* Selected() const;
  void SetSelected(TListItem* item);
  int SelCount() const;
  void ClearSelection();
  void SelectAll();
  TListItem* ItemFocused() const;
  void SetItemFocused(TListItem* item);
  // The next item after `start` (nullptr: from the beginning) in a direction that
  // has all the states.
  TListItem* GetNextItem(TListItem* start, TSearchDirection direction, TItemStates states) const;
  // The item at a client point, nullptr when none.
  TListItem* GetItemAt(int x, int y) const;
  TListItem* TopItem() const;
  // The rows that fit in the client area.
  int VisibleRowCount() const;
  // Scrolls by pixels (vertically by whole rows in report style).
  void Scroll(int dx, int dy);
  // The column header window of the report style (nullptr without one), which
  // descendants may subclass; see also HeaderCreated.
  HWND HeaderHandle() const;
  TCanvas* Canvas() const { return canvas_.get(); }  // owned

  TLVDrawItemEvent OnDrawItem;
  TLVSelectItemEvent OnSelectItem;
  TLVColumnClickEvent OnColumnClick;
  TLVDeletedEvent OnDeletion;

protected:
  friend class TListColumns;
  friend class TListColumn;
  friend class TListItems;
  friend class TListItem;

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void CMColorChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  // The row of `item` is to be drawn in `rect`: OnDrawItem, or the caption on the
  // selection colours when there is no handler.
  virtual void DrawItem(TListItem* item, const TRect& rect, TOwnerDrawState state);
  virtual void CNNotify(TMessage& message);
  virtual void CNDrawItem(TMessage& message);
  // Called when the window made its column header window.
  virtual void HeaderCreated(HWND header) {}

private:
  void ApplyExtendedStyles();
  void ApplyColors();
  void ApplyImageLists();
  void RebuildColumns();
  void UpdateColumn(int index);
  void SaveColumnWidths();
  void InsertNativeItem(int index);
  void UpdateItem(int index);
  void SaveItemStates();
  void WMNotify(TMessage& message) override;
  void WMLButtonDown(TMessage& message);
  TListItem* ItemOf(int index) const;

  std::unique_ptr<TListColumns> columns_;
  std::unique_ptr<TListItems> items_;
  std::unique_ptr<TControlCanvas> canvas_;
  TViewStyle viewStyle_ = vsIcon;
  TCustomImageList* smallImages_ = nullptr;  // borrowed, free notification
  TCustomImageList* largeImages_ = nullptr;  // borrowed, free notification
  bool ownerDraw_ = false;
  bool multiSelect_ = false;
  bool rowSelect_ = false;
  bool readOnly_ = false;
  bool hideSelection_ = true;
  bool showColumnHeaders_ = true;
  bool checkboxes_ = false;
  bool gridLines_ = false;
  bool fullDrag_ = false;
  bool columnClick_ = true;
  TFormBorderStyle borderStyle_ = bsSingle;
  int nativeColumns_ = 0;       // columns the window has now
  bool inButtonDown_ = false;   // the native left-button handling runs
  bool clickedInButtonDown_ = false;
  bool fillingWindow_ = false;  // items and columns are being put into a new window
};

class TListView : public TCustomListView {
public:
  using TCustomListView::TCustomListView;
};

// Makes sure the common controls' window classes are registered.
void InitCommonControlClasses(DWORD classes);
