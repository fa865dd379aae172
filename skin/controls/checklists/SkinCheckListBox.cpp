#include "skin/controls/checklists/SkinCheckListBox.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/draw/SPUtils.h"

TspSkinCheckListBox::TspSkinCheckListBox(TComponent* owner) : TspSkinCustomListBox(owner) {
  SkinDataName = "checklistbox";
}

// ---- item states ----

// An index outside the list raises EListError, as the raw item-data read does.
TspCheckListBoxDataWrapper* TspSkinCheckListBox::ExtractWrapper(Integer index) const {
  if (index < 0 || index >= Items()->Count()) throw EListError(Format("List index out of bounds (%d)", index));
  return dynamic_cast<TspCheckListBoxDataWrapper*>(Items()->Objects(index));
}

TspCheckListBoxDataWrapper* TspSkinCheckListBox::GetWrapper(Integer index) {
  if (TspCheckListBoxDataWrapper* wrapper = ExtractWrapper(index)) return wrapper;
  wrappers_.push_back(std::make_unique<TspCheckListBoxDataWrapper>());
  TspCheckListBoxDataWrapper* made = wrappers_.back().get();
  Items()->PutObject(index, made);
  return made;
}

TCheckBoxState TspSkinCheckListBox::GetState(Integer index) const {
  TspCheckListBoxDataWrapper* wrapper = ExtractWrapper(index);
  return wrapper ? wrapper->State : cbUnchecked;
}

void TspSkinCheckListBox::SetState(Integer index, TCheckBoxState state) {
  if (GetState(index) == state) return;
  GetWrapper(index)->State = state;
  InvalidateCheck(index);
}

bool TspSkinCheckListBox::GetItemEnabled(Integer index) const {
  TspCheckListBoxDataWrapper* wrapper = ExtractWrapper(index);
  return !wrapper || !wrapper->Disabled;
}

void TspSkinCheckListBox::SetItemEnabled(Integer index, bool enabled) {
  if (GetItemEnabled(index) == enabled) return;
  GetWrapper(index)->Disabled = !enabled;
  InvalidateCheck(index);
}

Integer TspSkinCheckListBox::GetItemData(Integer index) const {
  TspCheckListBoxDataWrapper* wrapper = ExtractWrapper(index);
  return wrapper ? wrapper->Data : 0;
}

void TspSkinCheckListBox::SetItemData(Integer index, Integer data) { GetWrapper(index)->Data = data; }

void TspSkinCheckListBox::InvalidateCheck(Integer index) {
  TspListBox* list = ListBox();
  if (!list->HandleAllocated()) return;
  TRect r = list->ItemRect(index);
  RECT native{r.Left, r.Top, r.Right, r.Bottom};
  ::InvalidateRect(list->Handle(), &native, FALSE);
  ::UpdateWindow(list->Handle());
}

void TspSkinCheckListBox::ToggleClickCheck(Integer index) {
  if (index < 0 || index >= Items()->Count() || !GetItemEnabled(index)) return;
  TCheckBoxState next = GetState(index) == cbUnchecked ? (AllowGrayed ? cbGrayed : cbChecked)
                        : GetState(index) == cbChecked ? cbUnchecked
                                                       : cbChecked;
  SetState(index, next);
  OnClickCheck(ListBox());
}

// ---- toggling ----

TRect TspSkinCheckListBox::MovedItemRect(const TRect& r, Integer width) const {
  TRect moved = r;
  if (r.Left >= itemTextRect_.Right) {
    Integer dx = width - RectWidth(itemRect_);
    moved.Left += dx;
    moved.Right += dx;
  }
  return moved;
}

TRect TspSkinCheckListBox::CheckArea(Integer index) {
  TRect item = ListBox()->ItemRect(index);
  if (!skinned_) return {item.Left, item.Top, item.Left + 20, item.Bottom};
  TRect r = MovedItemRect(itemCheckRect_, RectWidth(item));
  r = {r.Left + item.Left, r.Top + item.Top, r.Right + item.Left, r.Bottom + item.Top};
  if (!UseSkinItemHeight) r.Bottom += RectHeight(item) - RectHeight(itemRect_);
  return r;
}

void TspSkinCheckListBox::ListBoxMouseDown(TMouseButton b, TShiftState s, int x, int y) {
  Integer index = ItemAtPos(TPoint{x, y}, true);
  if (index < 0 || !GetItemEnabled(index)) return TspSkinCustomListBox::ListBoxMouseDown(b, s, x, y);
  TRect area = CheckArea(index);
  if (x >= area.Left && x < area.Right && y >= area.Top && y < area.Bottom) ToggleClickCheck(index);
  TspSkinCustomListBox::ListBoxMouseDown(b, s, x, y);
}

void TspSkinCheckListBox::ListBoxKeyPress(char& key) {
  if (key == ' ') ToggleClickCheck(ItemIndex());
  TspSkinCustomListBox::ListBoxKeyPress(key);
}

void TspSkinCheckListBox::CheckButtonAction() {
  Integer index = ItemIndex();
  if (index < 0 || index >= Items()->Count() || !GetItemEnabled(index)) return;
  if (AllowGrayed) return ToggleClickCheck(index);
  SetChecked(index, !GetChecked(index));
  OnClickCheck(this);
}

// ---- record ----

void TspSkinCheckListBox::GetSkinData() {
  TspSkinCustomListBox::GetSkinData();
  auto* list = RecordAs<TspDataSkinListBox>(SkinData(), SkinRecordIndex);
  skinned_ = list != nullptr;
  if (!list) return;
  itemRect_ = list->itemrect;
  activeItemRect_ = IsNullRect(list->activeitemrect) ? list->itemrect : list->activeitemrect;
  focusItemRect_ = IsNullRect(list->focusitemrect) ? list->itemrect : list->focusitemrect;
  itemTextRect_ = list->itemtextrect;
  itemLeftOffset_ = list->itemleftoffset;
  itemRightOffset_ = list->itemrightoffset;
  fontName_ = list->fontname;
  fontStyle_ = list->fontstyle;
  fontHeight_ = list->fontheight;
  fontColor_ = list->fontcolor;
  activeFontColor_ = list->activefontcolor;
  focusFontColor_ = list->focusfontcolor;
  showFocus_ = list->showfocus;
  if (auto* check = dynamic_cast<TspDataSkinCheckListBox*>(list)) {
    checkImageRect_ = check->checkimagerect;
    unCheckImageRect_ = check->uncheckimagerect;
    itemCheckRect_ = check->itemcheckrect;
  }
}
