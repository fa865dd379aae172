#include "framed/groups/RzItemGroup.h"

#include <algorithm>

#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "platform/controls/Menus.h"

TRzCustomItemGroup::TRzCustomItemGroup(TComponent* owner)
    : TRzCustomGroupBox(owner),
      itemFont_(std::make_unique<TFont>()),
      items_(std::make_unique<TStringList>()),
      customGlyphs_(std::make_unique<TBitmap>()) {
  ControlStyle &= ~csReplicatable;
  itemFont_->SetName("MS Sans Serif");
  itemFont_->SetSize(8);
  itemFont_->OnChange = TNotifyEvent(this, &TRzCustomItemGroup::ItemFontChanged);
  items_->OnChange = TNotifyEvent(this, &TRzCustomItemGroup::ItemsChange);
  customGlyphs_->OnChange = TNotifyEvent(this, &TRzCustomItemGroup::CustomGlyphsChanged);
  SetTabStop(false);
}

TRzCustomItemGroup::~TRzCustomItemGroup() {
  TrimItems(0);
  items_->OnChange = TNotifyEvent();
}

void TRzCustomItemGroup::SetCaption(const String& value) {
  TControl::SetCaption(value);
  Rearrange();
}

void TRzCustomItemGroup::SetItems(const TStrings* value) { items_->Assign(value); }

void TRzCustomItemGroup::SetColumns(int value) {
  value = std::clamp(value, 1, 16);
  if (columns_ == value) return;
  columns_ = value;
  Rearrange();
  Invalidate();
}

void TRzCustomItemGroup::SetItemHeight(int value) { SetItem(itemHeight_, value); }
void TRzCustomItemGroup::SetSpaceEvenly(bool value) { SetItem(spaceEvenly_, value); }
void TRzCustomItemGroup::SetVerticalSpacing(int value) { SetItem(verticalSpacing_, value); }
void TRzCustomItemGroup::SetStartPos(int index, int value) { SetItem(index == 1 ? startXPos_ : startYPos_, value); }

void TRzCustomItemGroup::SetUseCustomGlyphs(bool value) {
  useCustomGlyphs_ = value;
  if (value) {
    glyphWidth_ = customGlyphs_->Width() / numStates_;
    glyphHeight_ = customGlyphs_->Height();
  } else {
    glyphWidth_ = glyphHeight_ = 13;
  }
  Rearrange();
}

// A new strip is used at once; an empty one switches the custom glyphs off, so no
// button is left with glyphs of no width.
void TRzCustomItemGroup::CustomGlyphsChanged(TObject*) {
  SetUseCustomGlyphs(!customGlyphs_->Empty());
  Invalidate();
}

void TRzCustomItemGroup::SetTransparent(bool value) {
  TRzCustomGroupBox::SetTransparent(value);
  Rearrange();
}

void TRzCustomItemGroup::SetGroupBoxStyle(TRzGroupBoxStyle value) {
  TRzCustomGroupBox::SetGroupBoxStyle(value);
  Rearrange();
  Invalidate();
}

void TRzCustomItemGroup::CustomFramingChanged() {
  if (!frameController_ || !frameController_->FrameVisible()) return;
  if (GroupStyle() == gsCustom) TRzCustomGroupBox::CustomFramingChanged();
  SetItemFrameColor(frameController_->FrameColor());
  for (TRzCustomGlyphButton* control : controls_) control->SetDisabledColor(frameController_->DisabledColor());
}

void TRzCustomItemGroup::TrimItems(int count) {
  while (ItemControlCount() > count) delete controls_.back();
}

int TRzCustomItemGroup::IndexOfItem(const TObject* control) const {
  const auto found = std::find(controls_.begin(), controls_.end(), control);
  return found == controls_.end() ? -1 : static_cast<int>(found - controls_.begin());
}

void TRzCustomItemGroup::StyleItem(TRzCustomGlyphButton* control) {
  control->SetVisible(true);
  control->SetFont(itemFont_.get());
  control->SetBiDiMode(BiDiMode());
  control->SetAlignment(control->GetControlsAlignment());
  control->SetTextHighlightColor(item_.textHighlightColor);
  control->SetTextShadowColor(item_.textShadowColor);
  control->SetTextShadowDepth(item_.textShadowDepth);
  control->SetLightTextStyle(item_.lightTextStyle);
  control->SetTextStyle(item_.textStyle);
  control->SetTransparent(Transparent());
  control->SetWinMaskColor(item_.winMaskColor);
  control->SetTransparentColor(item_.transparentColor);
  if (useCustomGlyphs_) control->SetCustomGlyphs(customGlyphs_.get());
  control->SetUseCustomGlyphs(useCustomGlyphs_);
  control->SetFrameColor(item_.frameColor);
  control->SetHotTrack(item_.hotTrack);
  control->SetHighlightColor(item_.highlightColor);
  control->HotTrackColor = item_.hotTrackColor;
  control->HotTrackColorType = item_.hotTrackColorType;
}

// Rows fill each column top to bottom; a column is as wide as its widest caption
// (or all share the width evenly), and the first row sits below the caption.
void TRzCustomItemGroup::ArrangeItems() {
  const int n = ItemControlCount();
  if (n == 0 || Reading()) return;
  const int rows = (n + columns_ - 1) / columns_;
  std::vector<int> widths(columns_, 0);
  if (spaceEvenly_) {
    std::fill(widths.begin(), widths.end(), (Width() - startXPos_ - 2 * BorderWidth() - 10) / columns_);
  } else {
    for (int i = 0; i < n; ++i) {
      const int w = ScreenTextExtent(itemFont_.get(), controls_[i]->Caption()).cx + glyphWidth_ + 12;
      widths[i / rows] = std::max(widths[i / rows], w);
    }
  }
  const int f = GetMinFontHeight(Font());
  const bool captioned = !Caption().empty();
  int top;
  if (GroupStyle() == gsStandard) {
    top = captioned ? f + startYPos_ : f / 2 + 2 + startYPos_;
  } else {
    int b = BorderWidth() + 1;
    if (BorderOuter() >= fsGroove && BorderOuter() <= fsButtonUp) b += 2;
    if (BorderInner() >= fsGroove && BorderInner() <= fsButtonUp) b += 2;
    top = captioned ? b + f + startYPos_ : b + startYPos_;
  }
  for (int i = 0; i < n; ++i) {
    const int column = i / rows;
    int x = 0;
    for (int c = 0; c < column; ++c) x += widths[c];
    const int w = spaceEvenly_ ? widths[column] : widths[column] - 4;
    if (controls_[i]->UseRightToLeftAlignment())
      x = spaceEvenly_ ? ClientWidth() - x - w - startXPos_ : ClientWidth() - x - widths[column] + 4 - startXPos_;
    const int y = (i % rows) * (itemHeight_ + verticalSpacing_) + top;
    controls_[i]->SetBounds(x + startXPos_, y, w, itemHeight_);
    StyleItem(controls_[i]);
  }
}

void TRzCustomItemGroup::ItemsChange(TObject*) {
  if (!Reading()) ItemsChanged();
}

void TRzCustomItemGroup::ItemFontChanged(TObject*) {
  if (copyingFont_) return;
  itemFontSet_ = true;
  Rearrange();
  Invalidate();
}

void TRzCustomItemGroup::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      TRzCustomGroupBox::Dispatch(message);
      Rearrange();
      return;
    case CM_FONTCHANGED:
      TRzCustomGroupBox::Dispatch(message);
      if (!itemFontSet_) {
        copyingFont_ = true;
        itemFont_->Assign(Font());
        copyingFont_ = false;
        Rearrange();
      }
      Invalidate();
      return;
    default:
      return TRzCustomGroupBox::Dispatch(message);
  }
}

void TRzCustomItemGroup::CMEnabledChanged(TMessage& message) {
  TRzCustomGroupBox::CMEnabledChanged(message);
  if (HandleAllocated()) Repaint();
  for (TRzCustomGlyphButton* control : controls_) control->SetEnabled(Enabled());
}

void TRzCustomItemGroup::CMDialogChar(TMessage& message) {
  if (IsAccel(static_cast<Word>(message.WParam), Caption()) && CanFocus()) {
    for (TRzCustomGlyphButton* control : controls_)
      if (control->CanFocus()) {
        control->SetFocus();
        break;
      }
    message.Result = 1;
    return;
  }
  TRzCustomGroupBox::CMDialogChar(message);
}

void TRzCustomItemGroup::KeyPress(char& key) {
  TRzCustomGroupBox::KeyPress(key);
  if (TabOnEnter && key == '\r') {
    key = 0;
    if (HandleAllocated()) ::PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
}
