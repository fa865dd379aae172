#include "skin/controls/pickers/ColorPickers.h"

#include <cstdint>

#include "skin/controls/colors/ColorStrings.h"
#include "skin/controls/colors/SkinColorDialog.h"
#include "skin/draw/SPUtils.h"

namespace {

TColor ObjectColor(TStrings* items, Integer index) {
  return static_cast<TColor>(static_cast<std::uint32_t>(reinterpret_cast<intptr_t>(items->Objects(index))));
}

TObject* ColorObject(TColor c) { return reinterpret_cast<TObject*>(static_cast<intptr_t>(static_cast<std::uint32_t>(c))); }

void DrawColorEntry(TCanvas* c, TStrings* items, Integer index, TRect r, bool showNames, Integer inset) {
  if (index < 0 || index >= items->Count()) return;
  Integer h = r.Height();
  TRect swatch = showNames ? TRect{r.Left + inset, r.Top + inset, r.Left + h - inset, r.Bottom - inset}
                           : TRect{r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(ObjectColor(items, index));
  c->FillRect(swatch);
  c->Brush()->SetStyle(bsClear);
  if (!showNames) return;
  SPDrawText(c, items->Strings(index), TRect{r.Left + swatch.Width() + 5 + (inset - 1), r.Top, r.Right - 2, r.Bottom});
}

// The dialog on entry 0's colour; on OK the entry takes its colour.
bool PickInto(TStrings* items, TspSkinData* data, TComponent* owner) {
  auto dialog = std::make_unique<TspSkinColorDialog>(owner);
  dialog->SetSkinData(data);
  dialog->SetCtrlSkinData(data);
  dialog->Color = ColorToRGB(ObjectColor(items, 0));
  if (!dialog->Execute()) return false;
  items->PutObject(0, ColorObject(dialog->Color));
  return true;
}

bool AnyColours(TspColorBoxStyle style) {
  return (style & (ColorStyle(spcbStandardColors) | ColorStyle(spcbExtendedColors) | ColorStyle(spcbSystemColors) |
                   ColorStyle(spcbCustomColor))) != 0;
}

}  // namespace

// ---- combo box ----

TspSkinColorComboBox::TspSkinColorComboBox(TComponent* owner) : TspSkinCustomComboBox(owner) {
  SetStyle(spcbFixedStyle);
  SetOnListBoxDrawItem(TspDrawSkinItemEvent(this, &TspSkinColorComboBox::DrawColorItem));
  OnComboBoxDrawItem = TspDrawSkinItemEvent(this, &TspSkinColorComboBox::DrawColorItem);
  OnCloseUp = TNotifyEvent(this, &TspSkinColorComboBox::CloseUpHandler);
}

String TspSkinColorComboBox::CustomName() const { return ColorControlText(SkinData(), "CUSTOMCOLOR", SP_CUSTOMCOLOR); }

void TspSkinColorComboBox::PopulateList() {
  if (!HandleAllocated()) return;
  bool custom = (exStyle_ & ColorStyle(spcbCustomColor)) != 0;
  TColor customColor = custom && Items()->Count() > 0 ? ObjectColor(Items(), 0) : clBlack;
  TColor selected = Selected();
  Items()->BeginUpdate();
  PopulateColorList(Items(), exStyle_, CustomName(), customColor);
  Items()->EndUpdate();
  populated_ = true;
  SetSelected(selected);
}

void TspSkinColorComboBox::SetExStyle(TspColorBoxStyle value) {
  exStyle_ = value;
  SetEnabled(AnyColours(value));
  PopulateList();
  if (Items()->Count() > 0 && ItemIndex() < 0) SetItemIndex(0);
}

TColor TspSkinColorComboBox::GetColor(Integer index) const { return ObjectColor(Items(), index); }

TColor TspSkinColorComboBox::Selected() {
  if (!HandleAllocated() || !populated_) return selectedColor_;  // the stored value until the list is filled
  Integer i = ItemIndex();
  return i < 0 || i >= Items()->Count() ? kNoColor : ObjectColor(Items(), i);
}

void TspSkinColorComboBox::SetSelected(TColor value) {
  selectedColor_ = value;
  if (!HandleAllocated()) return;
  for (Integer i = 0; i < Items()->Count(); ++i)
    if (ObjectColor(Items(), i) == value) return SetItemIndex(i);
  if ((exStyle_ & ColorStyle(spcbCustomColor)) && value != kNoColor && Items()->Count() > 0) {
    Items()->PutObject(0, ColorObject(value));
    return SetItemIndex(0);
  }
  SetItemIndex(-1);
}

void TspSkinColorComboBox::SetDefaultColorColor(TColor value) {
  if (value == defaultColorColor_) return;
  defaultColorColor_ = value;
  Invalidate();
}

void TspSkinColorComboBox::SetNoneColorColor(TColor value) {
  if (value == noneColorColor_) return;
  noneColorColor_ = value;
  Invalidate();
}

void TspSkinColorComboBox::SetShowNames(bool value) {
  showNames_ = value;
  Invalidate();
}

void TspSkinColorComboBox::Loaded() {
  TspSkinCustomComboBox::Loaded();
  if ((exStyle_ & ColorStyle(spcbCustomColor)) && Items()->Count() > 0) Items()->Put(0, CustomName());
}

void TspSkinColorComboBox::CreateWnd() {
  TspSkinCustomComboBox::CreateWnd();
  PopulateList();
}

bool TspSkinColorComboBox::PickCustomColor() {
  if (!PickInto(Items(), SkinData(), this)) return false;
  Invalidate();
  OnClick(this);
  OnChange(this);
  return true;
}

void TspSkinColorComboBox::CloseUpHandler(TObject*) {
  if ((exStyle_ & ColorStyle(spcbCustomColor)) && ItemIndex() == 0) PickCustomColor();
}

void TspSkinColorComboBox::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_RETURN && (exStyle_ & ColorStyle(spcbCustomColor)) && ItemIndex() == 0) {
    key = 0;
    PickCustomColor();
    return;
  }
  TspSkinCustomComboBox::KeyDown(key, shift);
}

void TspSkinColorComboBox::DrawColorItem(TCanvas* c, Integer index, Integer, Integer, TRect text, TOwnerDrawState) {
  DrawColorEntry(c, Items(), index, text, showNames_, 1);
}

// ---- list box ----

TspSkinColorListBox::TspSkinColorListBox(TComponent* owner) : TspSkinListBox(owner) {
  OnDrawItem = TspDrawSkinItemEvent(this, &TspSkinColorListBox::DrawColorItem);
}

void TspSkinColorListBox::PopulateList() {
  if (!ListBox()->HandleAllocated()) return;
  bool custom = (exStyle_ & ColorStyle(spcbCustomColor)) != 0;
  TColor customColor = custom && Items()->Count() > 0 ? ObjectColor(Items(), 0) : clBlack;
  TColor selected = Selected();
  Items()->BeginUpdate();
  PopulateColorList(Items(), exStyle_, ColorControlText(SkinData(), "CUSTOMCOLOR", SP_CUSTOMCOLOR), customColor);
  Items()->EndUpdate();
  populated_ = true;
  SetSelected(selected);
}

void TspSkinColorListBox::SetExStyle(TspColorBoxStyle value) {
  exStyle_ = value;
  SetEnabled(AnyColours(value));
  PopulateList();
  if (Items()->Count() > 0 && ItemIndex() < 0) SetItemIndex(0);
}

TColor TspSkinColorListBox::GetColor(Integer index) const { return ObjectColor(Items(), index); }

TColor TspSkinColorListBox::Selected() {
  if (!ListBox()->HandleAllocated() || !populated_) return selectedColor_;
  Integer i = ItemIndex();
  return i < 0 || i >= Items()->Count() ? kNoColor : ObjectColor(Items(), i);
}

void TspSkinColorListBox::SetSelected(TColor value) {
  selectedColor_ = value;
  if (!ListBox()->HandleAllocated()) return;
  for (Integer i = 0; i < Items()->Count(); ++i)
    if (ObjectColor(Items(), i) == value) return SetItemIndex(i);
  if ((exStyle_ & ColorStyle(spcbCustomColor)) && value != kNoColor && Items()->Count() > 0) {
    Items()->PutObject(0, ColorObject(value));
    return SetItemIndex(0);
  }
  SetItemIndex(-1);
}

void TspSkinColorListBox::SetDefaultColorColor(TColor value) {
  if (value == defaultColorColor_) return;
  defaultColorColor_ = value;
  ListBox()->Invalidate();
}

void TspSkinColorListBox::SetNoneColorColor(TColor value) {
  if (value == noneColorColor_) return;
  noneColorColor_ = value;
  ListBox()->Invalidate();
}

void TspSkinColorListBox::SetShowNames(bool value) {
  showNames_ = value;
  ListBox()->Invalidate();
}

void TspSkinColorListBox::Loaded() {
  TspSkinListBox::Loaded();
  ListBox()->HandleNeeded();
  PopulateList();
}

void TspSkinColorListBox::ListBoxCreateWnd() { PopulateList(); }

bool TspSkinColorListBox::PickCustomColor() {
  if (!PickInto(Items(), SkinData(), this)) return false;
  ListBox()->Invalidate();
  OnListBoxClick(this);
  return true;
}

void TspSkinColorListBox::ListBoxDblClick() {
  TspSkinListBox::ListBoxDblClick();
  if ((exStyle_ & ColorStyle(spcbCustomColor)) && ItemIndex() == 0) PickCustomColor();
}

void TspSkinColorListBox::ListBoxKeyDown(Word& key, TShiftState s) {
  if (key == VK_RETURN && (exStyle_ & ColorStyle(spcbCustomColor)) && ItemIndex() == 0) {
    key = 0;
    PickCustomColor();
    return;
  }
  TspSkinListBox::ListBoxKeyDown(key, s);
}

void TspSkinColorListBox::DrawColorItem(TCanvas* c, Integer index, Integer, Integer, TRect text, TOwnerDrawState) {
  DrawColorEntry(c, Items(), index, text, showNames_, 2);
}
