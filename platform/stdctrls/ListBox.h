// TCustomListBox and TListBox: a list box over the system's "LISTBOX" class, plain or
// owner-drawn, single or multiple selection; its items and selection survive a
// re-creation of the window.
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/BorderStyle.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/OwnerDraw.h"
#include "platform/controls/WinControl.h"
#include "platform/core/Strings.h"

class TWindowItems;

// The virtual styles keep no items: the list holds only a count, and OnData
// (OnDataObject, OnDataFind) answer for each item when it is needed.
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };

using TLBGetDataEvent = TEvent<TWinControl*, int, String&>;
using TLBGetDataObjectEvent = TEvent<TWinControl*, int, TObject*&>;
// Answers in the last argument the index of the item that begins with the text (-1: none).
using TLBFindDataEvent = TEvent<TWinControl*, String, int&>;

class TCustomListBox : public TWinControl {
public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;

  // The items with their objects; the object of an item is its data pointer.
  TStrings* Items() const;  // owned
  void SetItems(const TStrings* value);
  int Count() const;
  // The number of items of a virtual list (a stored list counts its items).
  void SetCount(int value);
  bool IsVirtual() const { return style_ == lbVirtual || style_ == lbVirtualOwnerDraw; }
  // An item's text and object: OnData and OnDataObject answer for a virtual list.
  String ItemText(int index) const;
  TObject* ItemObject(int index) const;
  // The first item that begins with `text` in any case (OnDataFind for a virtual list); -1 when none.
  int FindPrefix(const String& text) const;
  void Clear();

  // -1 for none. Setting it from code selects without any event; an index
  // outside the items changes nothing.
  int ItemIndex() const;
  void SetItemIndex(int value);
  int TopIndex() const;
  void SetTopIndex(int value);
  bool Selected(int index) const;
  void SetSelected(int index, bool value);
  int SelCount() const;
  void Loaded() override;
  // Kept for the descendants that search the items as the user types.
  bool AutoComplete = true;

  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle value);
  int ItemHeight() const;
  void SetItemHeight(int value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  int Columns() const { return columns_; }
  void SetColumns(int value);
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  // The distance between tab stops in dialog units; 0 keeps the system's (tabs
  // are then not expanded).
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int value);

  // The item under a client point; with `existing` -1 when none is there,
  // otherwise the count when the point lies below the last item.
  int ItemAtPos(const TPoint& pos, bool existing) const;
  // The item's rectangle in client coordinates (empty when there is no item).
  TRect ItemRect(int index) const;

  // The canvas owner-drawn items are drawn on (bound while an item is drawn).
  TCanvas* Canvas() const { return canvas_.get(); }  // owned

  TDrawItemEvent OnDrawItem;
  TLBGetDataEvent OnData;
  TLBGetDataObjectEvent OnDataObject;
  TLBFindDataEvent OnDataFind;

protected:
  friend class TWindowItems;
  void CreateParams(TCreateParams& params) override;
  void CMCtl3DChanged(TMessage& message) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  void SetBounds(int left, int top, int width, int height) override;
  // Draws one item: OnDrawItem when assigned, else its text.
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  virtual void CNCommand(TMessage& message);
  virtual void CNDrawItem(TMessage& message);
  void WMSize(TMessage& message) override;

private:
  void SetColumnWidth();
  bool WindowMultiSelect() const;
  std::unique_ptr<TWindowItems> items_;
  std::unique_ptr<TControlCanvas> canvas_;
  TListBoxStyle style_ = lbStandard;
  int itemHeight_ = 16;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  bool sorted_ = false;
  int columns_ = 0;
  bool integralHeight_ = false;
  TBorderStyle borderStyle_ = bsSingle;
  int tabWidth_ = 0;
  int virtualCount_ = 0;  // the count of a virtual list while it has no window
  // What the window held when it went away, given back to the next one.
  int savedIndex_ = -1;
  int savedTop_ = 0;
  std::vector<int> savedSelection_;
};

class TListBox : public TCustomListBox {
public:
  using TCustomListBox::TCustomListBox;
};
