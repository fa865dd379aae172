#include "skin/controls/pickers/FontPickers.h"

#include <cstdint>

#include "platform/core/SysUtils.h"
#include "skin/draw/SPUtils.h"

namespace {

int FontTypeOf(TStrings* items, Integer index) {
  return static_cast<int>(reinterpret_cast<intptr_t>(items->Objects(index)));
}

// The entry in its own face, after a "TT" mark for a TrueType family.
void DrawFontEntry(TCanvas* c, TStrings* items, Integer index, TRect text, Integer shift) {
  if (index < 0 || index >= items->Count()) return;
  Integer centre = text.Top + text.Height() / 2;
  if (FontTypeOf(items, index) & TRUETYPE_FONTTYPE) DrawTrueTypeMark(c, text.Left, centre);
  text.Left += 15 + shift;
  c->Font()->SetName(items->Strings(index));
  c->Font()->SetStyle(0);
  c->Brush()->SetStyle(bsClear);
  SPDrawText(c, items->Strings(index), text);
}

}  // namespace

// ---- font combo box ----

TspSkinFontComboBox::TspSkinFontComboBox(TComponent* owner) : TspSkinCustomComboBox(owner) {
  SetSorted(true);
  SetOnListBoxDrawItem(TspDrawSkinItemEvent(this, &TspSkinFontComboBox::DrawLBFontItem));
  OnComboBoxDrawItem = TspDrawSkinItemEvent(this, &TspSkinFontComboBox::DrawCBFontItem);
}

void TspSkinFontComboBox::SetDevice(TspFontDevice value) {
  if (value == device_) return;
  device_ = value;
  Reset();
}

void TspSkinFontComboBox::SetOptions(TspFontListOptions value) {
  if (value == options_) return;
  options_ = value;
  Reset();
}

void TspSkinFontComboBox::SetTrueTypeOnly(bool value) {
  SetOptions(value ? options_ | FontOption(foTrueTypeOnly) : options_ & ~FontOption(foTrueTypeOnly));
}

void TspSkinFontComboBox::SetUseFonts(bool value) {
  if (value == useFonts_) return;
  useFonts_ = value;
  Invalidate();
}

void TspSkinFontComboBox::PopulateList() {
  if (!HandleAllocated()) return;
  Integer index = ItemIndex();
  Items()->BeginUpdate();
  PopulateFontList(Items(), device_, options_);
  Items()->EndUpdate();
  if (index < Items()->Count()) PopupList()->SetItemIndex(index);
}

void TspSkinFontComboBox::Reset() {
  if (!HandleAllocated()) return;
  updating_ = true;
  String name = FontName();
  PopulateList();
  SetFontName(name);
  updating_ = false;
  if (FontName() != name && !HasState(csReading)) OnChange(this);
}

void TspSkinFontComboBox::SetFontName(const String& value) {
  if (value == Text()) return;
  if (HasState(csLoading)) return SetText(value);
  HandleNeeded();
  for (Integer i = 0; i < Items()->Count(); ++i) {
    if (CompareText(Items()->Strings(i), value) != 0) continue;
    SetItemIndex(i);
    if (!HasState(csReading) && !updating_) OnChange(this);
    return;
  }
  if (Style() == spcbFixedStyle) SetItemIndex(-1);
  else SetText(value);
  if (!HasState(csReading) && !updating_) OnChange(this);
}

void TspSkinFontComboBox::CreateWnd() {
  String name = Text();
  TspSkinCustomComboBox::CreateWnd();
  updating_ = true;
  PopulateList();
  SetText(String());
  SetFontName(name);
  updating_ = false;
}

void TspSkinFontComboBox::Dispatch(TMessage& message) {
  TspSkinCustomComboBox::Dispatch(message);
  if (message.Msg == WM_FONTCHANGE) Reset();
}

void TspSkinFontComboBox::DrawLBFontItem(TCanvas* c, Integer index, Integer, Integer, TRect text, TOwnerDrawState) {
  DrawFontEntry(c, Items(), index, text, 0);
}

void TspSkinFontComboBox::DrawCBFontItem(TCanvas* c, Integer index, Integer, Integer, TRect text, TOwnerDrawState) {
  if (index < 0 || index >= Items()->Count()) return;
  text.Left += 2;
  c->Brush()->SetStyle(bsClear);
  SPDrawText(c, Items()->Strings(index), text);
}

// ---- font list box ----

TspSkinFontListBox::TspSkinFontListBox(TComponent* owner) : TspSkinListBox(owner) {
  SetSorted(true);
  OnDrawItem = TspDrawSkinItemEvent(this, &TspSkinFontListBox::DrawLBFontItem);
}

void TspSkinFontListBox::SetDevice(TspFontDevice value) {
  if (value == device_) return;
  device_ = value;
  Reset();
}

void TspSkinFontListBox::SetOptions(TspFontListOptions value) {
  if (value == options_) return;
  options_ = value;
  Reset();
}

void TspSkinFontListBox::SetTrueTypeOnly(bool value) {
  SetOptions(value ? options_ | FontOption(foTrueTypeOnly) : options_ & ~FontOption(foTrueTypeOnly));
}

void TspSkinFontListBox::SetUseFonts(bool value) {
  if (value == useFonts_) return;
  useFonts_ = value;
  ListBox()->Invalidate();
}

String TspSkinFontListBox::FontName() const {
  Integer i = ItemIndex();
  return i >= 0 && i < Items()->Count() ? Items()->Strings(i) : String();
}

void TspSkinFontListBox::SetFontName(const String& value) {
  if (HasState(csLoading)) return;
  for (Integer i = 0; i < Items()->Count(); ++i) {
    if (CompareText(Items()->Strings(i), value) != 0) continue;
    SetItemIndex(i);
    if (!HasState(csReading) && !updating_) OnListBoxClick(this);
    return;
  }
  SetItemIndex(-1);
  if (!HasState(csReading) && !updating_) OnListBoxClick(this);
}

void TspSkinFontListBox::PopulateList() {
  if (!ListBox()->HandleAllocated()) return;
  Integer index = ItemIndex();
  Items()->BeginUpdate();
  PopulateFontList(Items(), device_, options_);
  Items()->EndUpdate();
  if (index < Items()->Count()) SetItemIndex(index);
}

void TspSkinFontListBox::Reset() {
  if (!ListBox()->HandleAllocated()) return;
  updating_ = true;
  String name = FontName();
  PopulateList();
  SetFontName(name);
  updating_ = false;
  if (FontName() != name && !HasState(csReading)) OnListBoxClick(this);
}

void TspSkinFontListBox::Loaded() {
  TspSkinListBox::Loaded();
  updating_ = true;
  ListBox()->HandleNeeded();
  PopulateList();
  updating_ = false;
}

void TspSkinFontListBox::ListBoxCreateWnd() {
  if (!HasState(csDesigning) && SkinData() && !SkinData()->Empty) return;
  updating_ = true;
  PopulateList();
  updating_ = false;
}

void TspSkinFontListBox::DrawLBFontItem(TCanvas* c, Integer index, Integer, Integer, TRect text, TOwnerDrawState) {
  DrawFontEntry(c, Items(), index, text, 2);
}

// ---- sizes ----

TspSkinFontSizeComboBox::TspSkinFontSizeComboBox(TComponent* owner) : TspSkinCustomComboBox(owner) {
  NumericEdit = true;
}

void TspSkinFontSizeComboBox::SetFontName(const String& value) {
  fontName_ = value;
  Build();
}

void TspSkinFontSizeComboBox::Build() {
  Items()->BeginUpdate();
  Items()->Clear();
  for (const String& size : FontSizes(fontName_)) Items()->Add(size);
  Items()->EndUpdate();
  if (fontName_.empty()) return;
  TNotifyEvent click = OnClick;
  OnClick = nullptr;
  PopupList()->SetItemIndex(Items()->IndexOf(Text()));
  OnClick = click;
  if (OnClick) OnClick(this);
}

// Nothing that is not a whole number within the integer range gives a size.
Integer TspSkinFontSizeComboBox::GetSizeValue() {
  if (Style() == spcbFixedStyle) {
    Integer i = ItemIndex();
    return i < 0 || i >= Items()->Count() ? 0 : SizeTextValue(Items()->Strings(i));
  }
  return SizeTextValue(Text());
}
