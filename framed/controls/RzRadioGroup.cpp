#include "framed/controls/RzRadioGroup.h"

#include <algorithm>

#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "platform/controls/Application.h"
#include "platform/controls/Menus.h"
#include "platform/published/Filer.h"

// ---- group buttons ----

TRzGroupButton::TRzGroupButton(TRzCustomRadioGroup* group) : TRzRadioButton(group), group_(group) {
  group->buttons_.push_back(this);
  SetVisible(false);
  SetEnabled(group->Enabled());
  SetParentShowHint(false);
  OnClick = TNotifyEvent(group, &TRzCustomRadioGroup::ButtonClick);
  SetParent(group);
  SetParentFont(false);
}

TRzGroupButton::~TRzGroupButton() {
  auto& list = group_->buttons_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TRzGroupButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!group_->CanModify()) return;
  try {
    TRzRadioButton::MouseDown(button, shift, x, y);
  } catch (...) {
    HandleControlException(this);
  }
}

void TRzGroupButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (inClick_) return;
  inClick_ = true;
  try {
    if (group_->CanModify()) TRzRadioButton::MouseUp(button, shift, x, y);
  } catch (...) {
    HandleControlException(this);
  }
  inClick_ = false;
}

void TRzGroupButton::KeyPress(char& key) {
  TRzRadioButton::KeyPress(key);
  group_->KeyPress(key);
  if ((key == '\b' || key == ' ') && !group_->CanModify()) key = 0;
}

void TRzGroupButton::KeyDown(Word& key, TShiftState shift) {
  TRzRadioButton::KeyDown(key, shift);
  group_->KeyDown(key, shift);
}

// ---- the group ----

TRzCustomRadioGroup::TRzCustomRadioGroup(TComponent* owner)
    : TRzCustomGroupBox(owner),
      itemFont_(std::make_unique<TFont>()),
      items_(std::make_unique<TStringList>()),
      customGlyphs_(std::make_unique<TBitmap>()) {
  ControlStyle &= ~csReplicatable;
  itemFont_->SetName("MS Sans Serif");
  itemFont_->SetSize(8);
  itemFont_->OnChange = TNotifyEvent(this, &TRzCustomRadioGroup::ItemFontChanged);
  items_->OnChange = TNotifyEvent(this, &TRzCustomRadioGroup::ItemsChange);
  customGlyphs_->OnChange = TNotifyEvent(this, &TRzCustomRadioGroup::CustomGlyphsChanged);
  SetTabStop(false);
}

TRzCustomRadioGroup::~TRzCustomRadioGroup() {
  SetButtonCount(0);
  items_->OnChange = TNotifyEvent();
}

void TRzCustomRadioGroup::DefineProperties(TFiler* filer) {
  TRzCustomGroupBox::DefineProperties(filer);
  filer->DefineProperty("Flat", [this](TReader& reader) { SetItemHotTrack(reader.ReadBoolean()); }, nullptr, false);
}

void TRzCustomRadioGroup::Loaded() {
  TRzCustomGroupBox::Loaded();
  UpdateButtons();
}

void TRzCustomRadioGroup::SetCaption(const String& value) {
  TControl::SetCaption(value);
  ArrangeButtons();
}

void TRzCustomRadioGroup::SetItems(const TStrings* value) { items_->Assign(value); }

void TRzCustomRadioGroup::SetItemIndex(int value) {
  if (Reading()) {
    itemIndex_ = value;
    return;
  }
  value = std::clamp(value, -1, ButtonCount() - 1);
  if (value == itemIndex_) return;
  if (itemIndex_ >= 0 && itemIndex_ < ButtonCount()) buttons_[itemIndex_]->SetChecked(false);
  itemIndex_ = value;
  if (value >= 0) buttons_[value]->SetChecked(true);
}

void TRzCustomRadioGroup::SetColumns(int value) {
  value = std::clamp(value, 1, 16);
  if (columns_ == value) return;
  columns_ = value;
  ArrangeButtons();
  Invalidate();
}

void TRzCustomRadioGroup::SetItemHeight(int value) { SetItem(itemHeight_, value); }
void TRzCustomRadioGroup::SetSpaceEvenly(bool value) { SetItem(spaceEvenly_, value); }
void TRzCustomRadioGroup::SetVerticalSpacing(int value) { SetItem(verticalSpacing_, value); }
void TRzCustomRadioGroup::SetStartPos(int index, int value) { SetItem(index == 1 ? startXPos_ : startYPos_, value); }

void TRzCustomRadioGroup::SetUseCustomGlyphs(bool value) {
  useCustomGlyphs_ = value;
  if (value) {
    glyphWidth_ = customGlyphs_->Width() / numStates_;
    glyphHeight_ = customGlyphs_->Height();
  } else {
    glyphWidth_ = glyphHeight_ = 13;
  }
  ArrangeButtons();
}

// A new strip is used at once; an empty one switches the custom glyphs off, so no
// button is left with glyphs of no width.
void TRzCustomRadioGroup::CustomGlyphsChanged(TObject*) {
  SetUseCustomGlyphs(!customGlyphs_->Empty());
  Invalidate();
}

void TRzCustomRadioGroup::SetTransparent(bool value) {
  TRzCustomGroupBox::SetTransparent(value);
  ArrangeButtons();
}

void TRzCustomRadioGroup::SetGroupBoxStyle(TRzGroupBoxStyle value) {
  TRzCustomGroupBox::SetGroupBoxStyle(value);
  ArrangeButtons();
  Invalidate();
}

void TRzCustomRadioGroup::CustomFramingChanged() {
  if (!frameController_ || !frameController_->FrameVisible()) return;
  if (GroupStyle() == gsCustom) TRzCustomGroupBox::CustomFramingChanged();
  SetItemFrameColor(frameController_->FrameColor());
  for (TRzGroupButton* button : buttons_) button->SetDisabledColor(frameController_->DisabledColor());
}

bool TRzCustomRadioGroup::CanChange(int newIndex) {
  bool allow = true;
  OnChanging(this, newIndex, allow);
  return allow;
}

void TRzCustomRadioGroup::SetButtonCount(int count) {
  while (ButtonCount() < count) new TRzGroupButton(this);
  while (ButtonCount() > count) delete buttons_.back();
}

void TRzCustomRadioGroup::StyleButton(TRzGroupButton* button) {
  button->SetVisible(true);
  button->SetFont(itemFont_.get());
  button->SetBiDiMode(BiDiMode());
  button->SetAlignment(button->GetControlsAlignment());
  button->SetTextHighlightColor(item_.textHighlightColor);
  button->SetTextShadowColor(item_.textShadowColor);
  button->SetTextShadowDepth(item_.textShadowDepth);
  button->SetLightTextStyle(item_.lightTextStyle);
  button->SetTextStyle(item_.textStyle);
  button->SetTransparent(Transparent());
  button->SetWinMaskColor(item_.winMaskColor);
  button->SetTransparentColor(item_.transparentColor);
  if (useCustomGlyphs_) button->SetCustomGlyphs(customGlyphs_.get());
  button->SetUseCustomGlyphs(useCustomGlyphs_);
  button->SetFrameColor(item_.frameColor);
  button->SetHotTrack(item_.hotTrack);
  button->SetHighlightColor(item_.highlightColor);
  button->HotTrackColor = item_.hotTrackColor;
  button->HotTrackColorType = item_.hotTrackColorType;
}

void TRzCustomRadioGroup::ArrangeButtons() {
  const int n = ButtonCount();
  if (n == 0 || Reading()) return;
  const int rows = (n + columns_ - 1) / columns_;
  std::vector<int> widths(columns_, 0);
  if (spaceEvenly_) {
    std::fill(widths.begin(), widths.end(), (Width() - startXPos_ - 2 * BorderWidth() - 10) / columns_);
  } else {
    for (int i = 0; i < n; ++i) {
      const int w = ScreenTextExtent(itemFont_.get(), buttons_[i]->Caption()).cx + glyphWidth_ + 12;
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
    if (buttons_[i]->UseRightToLeftAlignment())
      x = spaceEvenly_ ? ClientWidth() - x - w - startXPos_ : ClientWidth() - x - widths[column] + 4 - startXPos_;
    const int y = (i % rows) * (itemHeight_ + verticalSpacing_) + top;
    buttons_[i]->SetBounds(x + startXPos_, y, w, itemHeight_);
    StyleButton(buttons_[i]);
  }
}

void TRzCustomRadioGroup::UpdateButtons() {
  SetButtonCount(items_->Count());
  for (int i = 0; i < ButtonCount(); ++i) buttons_[i]->SetCaption(items_->Strings(i));
  if (itemIndex_ >= 0 && itemIndex_ < ButtonCount()) {
    updating_ = true;
    buttons_[itemIndex_]->SetChecked(true);
    updating_ = false;
  }
  ArrangeButtons();
  Invalidate();
}

void TRzCustomRadioGroup::ItemsChange(TObject*) {
  if (Reading()) return;
  if (itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
  UpdateButtons();
}

void TRzCustomRadioGroup::ItemFontChanged(TObject*) {
  if (copyingFont_) return;
  itemFontSet_ = true;
  ArrangeButtons();
  Invalidate();
}

// Every checked button reports here; a refused change checks the old one again.
void TRzCustomRadioGroup::ButtonClick(TObject* sender) {
  if (updating_) return;
  const auto found = std::find(buttons_.begin(), buttons_.end(), sender);
  if (found == buttons_.end()) return;
  const int index = static_cast<int>(found - buttons_.begin());
  if (CanChange(index)) {
    itemIndex_ = index;
    Click();
    return;
  }
  if (itemIndex_ < 0 || itemIndex_ >= ButtonCount()) return;
  updating_ = true;
  TRzGroupButton* previous = buttons_[itemIndex_];
  if (previous->CanFocus()) previous->SetFocus();
  previous->SetChecked(true);
  updating_ = false;
}

void TRzCustomRadioGroup::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      TRzCustomGroupBox::Dispatch(message);
      ArrangeButtons();
      return;
    case CM_FONTCHANGED:
      TRzCustomGroupBox::Dispatch(message);
      if (!itemFontSet_) {
        copyingFont_ = true;
        itemFont_->Assign(Font());
        copyingFont_ = false;
        ArrangeButtons();
      }
      Invalidate();
      return;
    default:
      return TRzCustomGroupBox::Dispatch(message);
  }
}

void TRzCustomRadioGroup::CMEnabledChanged(TMessage& message) {
  TRzCustomGroupBox::CMEnabledChanged(message);
  if (HandleAllocated()) Repaint();
  for (TRzGroupButton* button : buttons_) button->SetEnabled(Enabled());
}

void TRzCustomRadioGroup::CMDialogChar(TMessage& message) {
  if (IsAccel(static_cast<Word>(message.WParam), Caption()) && CanFocus()) {
    for (TRzGroupButton* button : buttons_)
      if (button->CanFocus()) {
        button->SetFocus();
        break;
      }
    message.Result = 1;
    return;
  }
  TRzCustomGroupBox::CMDialogChar(message);
}

void TRzCustomRadioGroup::KeyPress(char& key) {
  TRzCustomGroupBox::KeyPress(key);
  if (TabOnEnter && key == '\r') {
    key = 0;
    if (HandleAllocated()) ::PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
}
