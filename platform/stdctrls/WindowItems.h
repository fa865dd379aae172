// The items of a list box or combo box: kept in the window while it exists and
// in a string list of their own while it does not, so they survive a
// re-creation of the window. An item's object is stored as its item data.
#pragma once

#include "platform/controls/WinControl.h"
#include "platform/core/Strings.h"

// The message numbers of one kind of list window.
struct TItemMessages {
  UINT AddString, InsertString, DeleteString, ResetContent, GetCount, GetText, GetTextLen, SetItemData,
      GetItemData, ErrorResult;
};
extern const TItemMessages kListBoxMessages;
extern const TItemMessages kComboBoxMessages;

class TWindowItems : public TStrings {
public:
  TWindowItems(TWinControl* control, const TItemMessages& messages) : control_(control), messages_(messages) {}

  String Get(int index) const override;
  int Count() const override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  void Put(int index, const String& text) override;
  int Add(const String& text) override;
  void Insert(int index, const String& text) override;
  void Delete(int index) override;
  void Clear() override;

  // A sorted list places added items in order (the window does it itself).
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);

  // The window took over the items (after it was made) or gives them back
  // (before it is destroyed).
  void MoveToWindow();
  void MoveFromWindow();

protected:
  // Between BeginUpdate and EndUpdate the window does not redraw (WM_SETREDRAW),
  // so a refill paints, and reports its change, once at the end.
  void SetUpdateState(bool updating) override;

private:
  bool InWindow() const { return control_->HandleAllocated(); }
  HWND Window() const { return control_->Handle(); }
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void CheckIndex(int index) const;

  TWinControl* control_;  // borrowed: the control that owns these items
  const TItemMessages& messages_;
  TStringList saved_;  // the items while there is no window
  bool sorted_ = false;
};
