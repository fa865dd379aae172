#include "framed/lists/RzCheckList.h"

#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzGlyphCache.h"
#include "framed/graphics/RzGrafx.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/core/Format.h"
#include "platform/published/Filer.h"
#include "platform/published/Reader.h"
#include "platform/published/Writer.h"

TRzCheckList::TRzCheckList(TComponent* owner)
    : TRzCustomTabbedListBox(owner),
      items_(std::make_unique<TRzCheckListStrings>(this, TCustomListBox::Items())),
      customGlyphs_(std::make_unique<TBitmap>()) {
  SetStyle(lbOwnerDrawFixed);
  customGlyphs_->OnChange = TNotifyEvent(this, &TRzCheckList::CustomGlyphsChanged);
  UpdateItemHeight();
  SetShowGroups(true);
}

TRzCheckList::~TRzCheckList() { customGlyphs_->OnChange = TNotifyEvent(); }

void TRzCheckList::Loaded() {
  TRzCustomTabbedListBox::Loaded();
  if (HasState(csDesigning) && items_->Count() > 0) Invalidate();
}

// ---- items ----

int TRzCheckList::AddEx(const String& s, bool checked, bool enabled) {
  const int index = items_->Add(s);
  SetItemChecked(index, checked);
  SetItemEnabled(index, enabled);
  return index;
}

void TRzCheckList::CheckAll() {
  for (int i = 0; i < items_->Count(); ++i) SetItemChecked(i, true);
}

void TRzCheckList::UncheckAll() {
  for (int i = 0; i < items_->Count(); ++i) SetItemChecked(i, false);
}

int TRzCheckList::ItemsChecked() const {
  int count = 0;
  for (int i = 0; i < items_->Count(); ++i)
    if (GetItemState(i) == cbChecked && !GetItemIsGroup(i)) ++count;
  return count;
}

template <class F>
void TRzCheckList::ForGroupItems(int groupIndex, F f) {
  const int header = ItemIndexOfGroup(groupIndex);
  if (header < 0) return;
  for (int i = header + 1; i < items_->Count() && !GetItemIsGroup(i); ++i) f(i);
}

void TRzCheckList::SetGroupState(int groupIndex, TCheckBoxState state) {
  ForGroupItems(groupIndex, [&](int i) { SetItemState(i, state); });
}

void TRzCheckList::SetGroupEnabled(int groupIndex, bool value) {
  ForGroupItems(groupIndex, [&](int i) { SetItemEnabled(i, value); });
}

// Only the box of the item is repainted, without erasing.
void TRzCheckList::SetItemState(int index, TCheckBoxState value) {
  TPacket& packet = items_->Packet(index);
  if (packet.State == value) return;
  packet.State = value;
  if (!HandleAllocated()) return;
  const TRect area = GlyphArea(index);
  RECT r = {area.Left, area.Top, area.Right, area.Bottom};
  ::InvalidateRect(Handle(), &r, FALSE);
}

void TRzCheckList::SetItemEnabled(int index, bool value) {
  TPacket& packet = items_->Packet(index);
  if (packet.Enabled == value) return;
  packet.Enabled = value;
  Invalidate();
}

TRect TRzCheckList::GlyphArea(int index) const {
  const TRect item = ItemRect(index);
  const int inset = (ItemHeight() - glyphHeight_) / 2;
  if (UseRightToLeftAlignment())
    return TRect(item.Right - glyphWidth_ - 4, item.Top + inset, item.Right, item.Top + ItemHeight() - inset);
  return TRect(item.Left, item.Top + inset, item.Left + glyphWidth_ + 4, item.Top + ItemHeight() - inset);
}

// ---- settings ----

void TRzCheckList::SetUseCustomGlyphs(bool value) {
  if (useCustomGlyphs_ == value) return;
  useCustomGlyphs_ = value;
  if (value && !customGlyphs_->Empty()) {
    glyphWidth_ = customGlyphs_->Width() / kGlyphCells;
    glyphHeight_ = customGlyphs_->Height();
  } else {
    glyphWidth_ = glyphHeight_ = 13;
  }
  UpdateItemHeight();
  Invalidate();
}

void TRzCheckList::CustomGlyphsChanged(TObject*) {
  if (HasState(csLoading)) return;
  SetUseCustomGlyphs(!customGlyphs_->Empty());
  Invalidate();
}

void TRzCheckList::SetHighlightColor(TColor value) {
  if (highlightColor_ == value) return;
  highlightColor_ = value;
  Invalidate();
}

void TRzCheckList::SetTransparentColor(TColor value) {
  if (transparentColor_ == value) return;
  transparentColor_ = value;
  Invalidate();
}

void TRzCheckList::UpdateItemHeight() { SetItemHeight(std::max(glyphHeight_ + 4, GetMinFontHeight(Font()))); }

void TRzCheckList::CMFontChanged(TMessage& message) {
  TRzCustomTabbedListBox::CMFontChanged(message);
  UpdateItemHeight();
}

// Enabling or disabling the list sets every item's own flag to match.
void TRzCheckList::CMEnabledChanged(TMessage& message) {
  TRzCustomTabbedListBox::CMEnabledChanged(message);
  for (int i = 0; i < items_->Count(); ++i) items_->Packet(i).Enabled = Enabled();
  Invalidate();
}

// The states follow the items in a form definition; values beyond the items are ignored.
void TRzCheckList::DefineProperties(TFiler* filer) {
  TRzCustomTabbedListBox::DefineProperties(filer);
  filer->DefineProperty(
      "ItemEnabled",
      [this](TReader& reader) {
        reader.ReadListBegin();
        for (int i = 0; !reader.EndOfList(); ++i) {
          const bool value = reader.ReadBoolean();
          if (i < items_->Count()) items_->Packet(i).Enabled = value;
        }
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int i = 0; i < items_->Count(); ++i) writer.WriteBoolean(items_->Packet(i).Enabled);
        writer.WriteListEnd();
      },
      items_->Count() > 0);
  filer->DefineProperty(
      "ItemState",
      [this](TReader& reader) {
        reader.ReadListBegin();
        for (int i = 0; !reader.EndOfList(); ++i) {
          const Int64 value = reader.ReadInteger();
          if (i < items_->Count() && value >= cbUnchecked && value <= cbGrayed)
            items_->Packet(i).State = static_cast<TCheckBoxState>(value);
        }
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int i = 0; i < items_->Count(); ++i) writer.WriteInteger(items_->Packet(i).State);
        writer.WriteListEnd();
      },
      items_->Count() > 0);
}

// ---- glyphs ----

TColor TRzCheckList::CheckColor(TColor color) const {
  const TColor rgb = ColorToRGB(color);
  if (rgb == ColorToRGB(transparentColor_) || rgb == 0x808080) return rgb + 1;
  return color;
}

void TRzCheckList::ExtractGlyph(int index, TBitmap* glyph, TBitmap* source, int width, int height) const {
  glyph->SetSize(width, height);
  glyph->Canvas()->CopyRect(TRect(0, 0, width, height), source->Canvas(),
                            TRect(width * index, 0, width * (index + 1), height));
}

void TRzCheckList::SelectGlyph(int index, TBitmap* bitmap) {
  const TPacket& packet = items_->Packet(index);
  const bool enabled = packet.Enabled;
  if (useCustomGlyphs_) {
    TBitmap cell;
    ExtractGlyph(packet.State + (enabled ? 0 : 3), &cell, customGlyphs_.get(), glyphWidth_, glyphHeight_);
    bitmap->Assign(&cell);
    return;
  }
  if (ThemeServices()->ThemesEnabled()) {
    static const TThemedButton kEnabled[] = {tbCheckBoxUncheckedNormal, tbCheckBoxCheckedNormal, tbCheckBoxMixedNormal};
    static const TThemedButton kDisabled[] = {tbCheckBoxUncheckedDisabled, tbCheckBoxCheckedDisabled,
                                              tbCheckBoxMixedDisabled};
    bitmap->Canvas()->Brush()->SetColor(Color());
    bitmap->Canvas()->FillRect(TRect(0, 0, glyphWidth_, glyphHeight_));
    ThemeServices()->DrawElement(bitmap->Canvas()->Handle(),
                                 GetElementDetails(enabled ? kEnabled[packet.State] : kDisabled[packet.State]),
                                 TRect(0, 0, glyphWidth_, glyphHeight_));
    return;
  }
  static const std::vector<TColor> kOld = {clWhite, clGray, clRed, clFuchsia, clBlue};
  static const char* const kNames[] = {"RZCOMMON_CHECKBOX_UNCHECKED", "RZCOMMON_CHECKBOX_CHECKED",
                                       "RZCOMMON_CHECKBOX_GRAYED"};
  std::vector<TColor> colors = {clWindow, FrameColor(), clWindow, clWindow, CheckColor(highlightColor_)};
  if (!enabled) {
    colors[0] = colors[2] = colors[3] = DisabledColor();
    colors[4] = clBtnShadow;
  }
  if (TBitmap* glyph = MappedGlyph(kNames[packet.State], kOld, colors)) bitmap->Assign(glyph);
}

// ---- drawing ----

void TRzCheckList::DrawListItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (adding_ > 0 || index >= items_->Count()) return;
  TCanvas* canvas = Canvas();
  TBitmap glyph;
  glyph.SetSize(glyphWidth_, glyphHeight_);
  SelectGlyph(index, &glyph);
  canvas->FillRect(rect);
  TBitmap shown;
  shown.SetSize(glyphWidth_, glyphHeight_);
  shown.Canvas()->Brush()->SetColor(Color());
  shown.Canvas()->FillRect(TRect(0, 0, glyphWidth_, glyphHeight_));
  const TRect cell(0, 0, glyphWidth_, glyphHeight_);
  DrawFullTransparentBitmap(shown.Canvas(), &glyph, cell, cell, transparentColor_);
  const int x = UseRightToLeftAlignment() ? rect.Right + 4 : rect.Left - glyphWidth_ - 4;
  canvas->Draw(x, rect.Top + (ItemHeight() - glyphHeight_) / 2, &shown);

  canvas->SetFont(Font());
  if (!items_->Packet(index).Enabled || !Enabled())
    canvas->Font()->SetColor(ColorToRGB(Color()) == ColorToRGB(clBtnShadow) ? clBtnFace : clBtnShadow);
  if ((state & odSelected) != 0) {
    canvas->Brush()->SetColor(clHighlight);
    canvas->Font()->SetColor(clHighlightText);
  }
  if (OnDrawItem)
    OnDrawItem(this, index, rect, state);
  else
    DefaultDrawItem(index, rect, state);
}

// The text only: the rectangle was filled with the check box.
void TRzCheckList::DefaultDrawItem(int index, const TRect& rect, TOwnerDrawState) {
  DrawTabbedText(Canvas(), rect, items_->Get(index));
}

// ---- user toggling ----

bool TRzCheckList::InCheckBox(int index, int x) const {
  const TRect item = ItemRect(index);
  if (UseRightToLeftAlignment()) return x >= item.Right - glyphWidth_ - 4 && x < item.Right;
  return x >= item.Left && x < item.Left + glyphWidth_ + 4;
}

void TRzCheckList::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const int index = ItemAtPos(TPoint(x, y), true);
  if (button == mbRight && index >= 0 && index != ItemIndex()) {
    SetItemIndex(index);
    Click();
  } else if (button == mbLeft && index >= 0 && (ToggleOnItemClick || InCheckBox(index, x))) {
    toggleArmed_ = true;
    pressedItem_ = ItemIndex();
  }
  TRzCustomTabbedListBox::MouseDown(button, shift, x, y);
}

void TRzCheckList::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && toggleArmed_ && ItemIndex() == pressedItem_ && ClientRect().Contains(TPoint(x, y)))
    ToggleCheckState();
  TRzCustomTabbedListBox::MouseUp(button, shift, x, y);
}

void TRzCheckList::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_SPACE) toggleArmed_ = true;
  pressedItem_ = ItemIndex();
  TRzCustomTabbedListBox::KeyDown(key, shift);
}

void TRzCheckList::KeyUp(Word& key, TShiftState shift) {
  if (key == VK_SPACE && toggleArmed_) ToggleCheckState();
  TRzCustomTabbedListBox::KeyUp(key, shift);
}

// A typed blank toggles (on its key's release); it neither searches nor selects.
void TRzCheckList::Dispatch(TMessage& message) {
  if (message.Msg == WM_CHAR && message.WParam == ' ') return;
  TRzCustomTabbedListBox::Dispatch(message);
}

bool TRzCheckList::CanChange(int index, TCheckBoxState newState) {
  bool allow = true;
  OnChanging(this, index, newState, allow);
  return allow;
}

void TRzCheckList::ToggleCheckState() {
  const int index = ItemIndex();
  if (index < 0 || !GetItemEnabled(index) || GetItemIsGroup(index)) return;
  TCheckBoxState next = cbChecked;
  switch (GetItemState(index)) {
    case cbUnchecked: next = allowGrayed_ ? cbGrayed : cbChecked; break;
    case cbChecked: next = cbUnchecked; break;
    case cbGrayed: next = cbChecked; break;
  }
  if (CanChange(index, next)) {
    SetItemState(index, next);
    toggleArmed_ = false;
    Change(index, next);
  } else {
    toggleArmed_ = false;
  }
}
