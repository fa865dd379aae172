// The list view over the common controls' "SysListView32": columns, items with
// sub-items, images, check marks and a data pointer each, selection, owner-drawn
// rows, hit testing and scrolling. The control keeps its columns and items itself,
// so they outlive a re-creation of the window; the window asks the control for the
// texts and images it shows (text and image callbacks).
#pragma once

#include <memory>
#include <vector>

#include "platform/comctrls/ListItems.h"
#include "platform/controls/BorderStyle.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/OwnerDraw.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/ImageList.h"

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

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
