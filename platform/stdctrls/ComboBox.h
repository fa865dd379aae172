// TCustomComboBox and TComboBox: a combo box over the system's "COMBOBOX" class,
// drop-down, simple or drop-down list, plain or owner-drawn.
#pragma once

#include <memory>

#include "platform/controls/ControlCanvas.h"
#include "platform/controls/OwnerDraw.h"
#include "platform/controls/WinControl.h"
#include "platform/core/Strings.h"

class TWindowItems;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox : public TWinControl {
public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;

  TStrings* Items() const;  // owned
  void SetItems(const TStrings* value);
  void Clear();
  // -1 for none. Setting it from code shows the item and runs no handler; an
  // index outside the items changes nothing.
  int ItemIndex() const;
  void SetItemIndex(int value);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value);
  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  int ItemHeight() const;
  void SetItemHeight(int value);
  void SelectAll();
  void Loaded() override;
  // The canvas owner-drawn items are drawn on (bound while an item is drawn).
  TCanvas* Canvas() const { return canvas_.get(); }  // owned

  // Kept for the descendants that search the items as the user types.
  bool AutoComplete = true;
  bool AutoDropDown = false;

  TNotifyEvent OnChange;
  // The user chose an item; without a handler the choice runs OnChange.
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;

protected:
  friend class TWindowItems;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetTextValue(const String& value) override;
  virtual void Change();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void Select();
  virtual void CNCommand(TMessage& message);
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);

private:
  void AdjustDropDown();
  std::unique_ptr<TWindowItems> items_;
  std::unique_ptr<TControlCanvas> canvas_;
  TComboBoxStyle style_ = csDropDown;
  int dropDownCount_ = 8;
  int maxLength_ = 0;
  bool sorted_ = false;
  int itemHeight_ = 16;
  int savedIndex_ = -1;
};

class TComboBox : public TCustomComboBox {
public:
  using TCustomComboBox::TCustomComboBox;
};
