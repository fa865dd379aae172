// TspSkinCheckListBox: the skinned list box whose items each carry a
// three-state check box and an enabled flag. The states live in a wrapper per
// item, stored as the item's object, so they survive a re-creation of the list
// window with the strings; a wrapper is made only when a value is written.
// The check column is toggled by a press in it, the space key and the check
// caption button.
#pragma once

#include <memory>
#include <vector>

#include "platform/stdctrls/CheckBoxState.h"
#include "skin/controls/SkinCustomListBox.h"

class TspCheckListBoxDataWrapper : public TObject {
public:
  Integer Data = 0;
  TCheckBoxState State = cbUnchecked;
  bool Disabled = false;
};

class TspSkinCheckListBox : public TspSkinCustomListBox {
public:
  explicit TspSkinCheckListBox(TComponent* owner);

  bool AllowGrayed = false;
  TNotifyEvent OnClickCheck;

  // Each raises EListError for an index outside the list.
  bool GetChecked(Integer index) const { return GetState(index) == cbChecked; }
  void SetChecked(Integer index, bool checked) { SetState(index, checked ? cbChecked : cbUnchecked); }
  TCheckBoxState GetState(Integer index) const;
  void SetState(Integer index, TCheckBoxState state);
  bool GetItemEnabled(Integer index) const;
  void SetItemEnabled(Integer index, bool enabled);
  Integer GetItemData(Integer index) const;
  void SetItemData(Integer index, Integer data);
  bool HaveWrapper(Integer index) const { return ExtractWrapper(index) != nullptr; }
  // The next state of the cycle; nothing for a disabled or unknown item.
  void ToggleClickCheck(Integer index);
  // The check column of an item in the inner list's coordinates.
  TRect CheckArea(Integer index);

  void GetSkinData() override;
  void DrawListItem(int index, const TRect& rect, TOwnerDrawState state, TCanvas* target) override;
  void CheckButtonAction() override;
  void ListBoxMouseDown(TMouseButton b, TShiftState s, int x, int y) override;
  void ListBoxKeyPress(char& key) override;

private:
  TspCheckListBoxDataWrapper* ExtractWrapper(Integer index) const;
  TspCheckListBoxDataWrapper* GetWrapper(Integer index);
  void InvalidateCheck(Integer index);
  void DrawDefaultItem(TCanvas* c, int index, Integer w, Integer h, TOwnerDrawState state);
  void DrawSkinItem(TBitmap& b, int index, Integer w, Integer h, TOwnerDrawState state, bool stretched);
  void DrawCheckPicture(TCanvas* c, const TRect& place, TCheckBoxState state, bool enabled);
  void DrawContent(TCanvas* c, int index, TRect text, Integer w, Integer h, TOwnerDrawState state);
  TRect MovedItemRect(const TRect& r, Integer width) const;

  std::vector<std::unique_ptr<TspCheckListBoxDataWrapper>> wrappers_;  // owned; items hold them as objects
  bool skinned_ = false;
  TRect itemRect_, activeItemRect_, focusItemRect_, itemTextRect_, itemCheckRect_;
  TRect checkImageRect_, unCheckImageRect_;
  Integer itemLeftOffset_ = 0, itemRightOffset_ = 0;
  String fontName_ = "Arial";
  TFontStyles fontStyle_ = 0;
  Integer fontHeight_ = 14;
  TColor fontColor_ = 0, activeFontColor_ = 0, focusFontColor_ = 0;
  bool showFocus_ = false;
};
