#include "skin/controls/panels/SkinGroups.h"

#include <algorithm>

#include "platform/controls/Application.h"
#include "platform/controls/Messages.h"

// ---- buttons ----

TspGroupButton::TspGroupButton(TspSkinButtonGroup* group) : TspSkinCheckRadioBox(group), group_(group) {
  SetFlat(true);
  SetDefaultWidth(0);
  SetDefaultHeight(0);
  group->buttons_.push_back(this);
  SetVisible(false);
  SetEnabled(group->Enabled());
  SetParentShowHint(false);
  OnClick = TNotifyEvent(group, &TspSkinButtonGroup::ButtonClick);
  SetParent(group);
  SetCanFocused(true);
  SetRadio(true);
  SkinDataName = "radiobox";
  GroupIndex = 1;
}

TspGroupButton::~TspGroupButton() { std::erase(group_->buttons_, this); }

TspCheckGroupButton::TspCheckGroupButton(TspSkinButtonGroup* group) : TspGroupButton(group) {
  SetRadio(false);
  SkinDataName = "checkbox";
  GroupIndex = 0;
}

void TspGroupButton::KeyPress(char& key) {
  TspSkinCheckRadioBox::KeyPress(key);
  group_->GroupKeyPress(key);
  if ((key == '\b' || key == ' ') && !group_->CanModify()) key = 0;
}

void TspGroupButton::KeyDown(Word& key, TShiftState shift) {
  TspSkinCheckRadioBox::KeyDown(key, shift);
  group_->GroupKeyDown(key, shift);
}

void TspGroupButton::WndProc(TMessage& message) {
  if (message.Msg != CN_COMMAND) return TspSkinCheckRadioBox::WndProc(message);
  if (inClick_) return;
  WORD code = HIWORD(message.WParam);
  if ((code != BN_CLICKED && code != BN_DOUBLECLICKED) || !group_->CanModify()) return;
  inClick_ = true;
  try {
    TspSkinCheckRadioBox::WndProc(message);
  } catch (const Exception& e) {
    Application.ShowException(e.Message);
  }
  inClick_ = false;
}

// ---- group ----

TspSkinButtonGroup::TspSkinButtonGroup(TComponent* owner, bool radio)
    : TspSkinGroupBox(owner),
      items_(std::make_unique<TStringList>()),
      radio_(radio),
      buttonSkinDataName_(radio ? "radiobox" : "checkbox"),
      buttonDefaultFont_(std::make_unique<TFont>()) {
  ControlStyle = (ControlStyle & ~(csAcceptsControls | csOpaque)) | csSetCaption | csDoubleClicks;
  buttonDefaultFont_->SetName("Arial");
  buttonDefaultFont_->SetHeight(14);
  buttonDefaultFont_->SetStyle(0);
  items_->OnChange = TNotifyEvent(this, &TspSkinButtonGroup::ItemsChange);
}

TspSkinButtonGroup::~TspSkinButtonGroup() {
  SetButtonCount(0);
  items_->OnChange = TNotifyEvent();
}

void TspSkinButtonGroup::ItemsChange(TObject*) {
  if (HasState(csReading)) return;
  UpdateButtons();
}

void TspSkinButtonGroup::SetButtonCount(int count) {
  while (ButtonCount() < count) NewButton();
  while (ButtonCount() > count) delete buttons_.back();
  for (int i = 0; i < ButtonCount(); ++i) {
    TspGroupButton* b = buttons_[i];
    b->SetImageIndex(i);
    b->SetSkinData(SkinData());
    b->SkinDataName = buttonSkinDataName_;
    b->SetDefaultFont(buttonDefaultFont_.get());
    b->UseSkinFont = UseSkinFont;
  }
}

void TspSkinButtonGroup::UpdateButtons() {
  SetButtonCount(items_->Count());
  for (int i = 0; i < ButtonCount(); ++i) buttons_[i]->SetCaption(items_->Strings(i));
  if (radio_ && itemIndex_ >= 0 && itemIndex_ < ButtonCount()) {
    updating_ = true;
    buttons_[itemIndex_]->SetChecked(true);
    updating_ = false;
  }
  ArrangeButtons();
  Invalidate();
}

// One deferred batch moves the buttons; sizes never go below 0 on a tiny group.
void TspSkinButtonGroup::ArrangeButtons() {
  if (buttons_.empty() || HasState(csReading)) return;
  TRect r{0, 0, Width(), Height()};
  AdjustClientRect(r);
  const int count = ButtonCount();
  const Integer perColumn = (count + columns_ - 1) / columns_;
  const Integer width = std::max<Integer>(0, r.Width() / columns_ - 2);
  const Integer height = std::max<Integer>(0, r.Height() / perColumn);
  bool windows = HandleAllocated();
  for (TspGroupButton* b : buttons_) windows = windows && b->HandleAllocated();
  HDWP batch = windows ? ::BeginDeferWindowPos(count) : nullptr;
  for (int i = 0; i < count; ++i) {
    TspGroupButton* b = buttons_[i];
    b->SetBiDiMode(BiDiMode());
    Integer left = (i / perColumn) * width + r.Left + 1;
    if (b->UseRightToLeftAlignment()) left = r.Width() - left - width;
    Integer top = (i % perColumn) * height + r.Top;
    if (batch) batch = ::DeferWindowPos(batch, b->Handle(), nullptr, left, top, width, height,
                                        SWP_NOZORDER | SWP_NOACTIVATE);
    else b->SetBounds(left, top, width, height);
    b->SetVisible(true);
  }
  if (batch) ::EndDeferWindowPos(batch);
}

void TspSkinButtonGroup::SetColumns(Integer value) {
  value = std::clamp<Integer>(value, 1, 16);
  if (value == columns_) return;
  columns_ = value;
  ArrangeButtons();
  Invalidate();
}

void TspSkinButtonGroup::SetImages(TCustomImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
  for (TspGroupButton* b : buttons_) b->SetImages(value);
}

void TspSkinButtonGroup::SetButtonSkinDataName(const String& value) {
  buttonSkinDataName_ = value;
  for (TspGroupButton* b : buttons_) b->SkinDataName = value;
}

void TspSkinButtonGroup::SetButtonDefaultFont(const TFont* value) {
  buttonDefaultFont_->Assign(value);
  for (TspGroupButton* b : buttons_) b->SetDefaultFont(buttonDefaultFont_.get());
}

void TspSkinButtonGroup::UpdateButtonsFont() {
  for (TspGroupButton* b : buttons_) {
    b->SetDefaultFont(buttonDefaultFont_.get());
    b->UseSkinFont = UseSkinFont;
    b->Repaint();
  }
}

void TspSkinButtonGroup::Notification(TComponent* component, TOperation operation) {
  TspSkinGroupBox::Notification(component, operation);
  if (operation == opRemove && component == images_) SetImages(nullptr);
}

void TspSkinButtonGroup::SetSkinData(TspSkinData* value) {
  TspSkinGroupBox::SetSkinData(value);
  for (TspGroupButton* b : buttons_) b->SetSkinData(value);
}

void TspSkinButtonGroup::ChangeSkinData() {
  TspSkinGroupBox::ChangeSkinData();
  ArrangeButtons();
}

void TspSkinButtonGroup::Loaded() {
  TspSkinGroupBox::Loaded();
  UpdateButtons();
}

void TspSkinButtonGroup::Dispatch(TMessage& message) {
  TspSkinGroupBox::Dispatch(message);
  switch (message.Msg) {
    case CM_ENABLEDCHANGED:
      for (TspGroupButton* b : buttons_) b->SetEnabled(Enabled());
      break;
    case CM_FONTCHANGED:
    case WM_SIZE: ArrangeButtons(); break;
    default: break;
  }
}

void TspSkinButtonGroup::ButtonClick(TObject* sender) {
  if (updating_) return;
  auto at = std::find(buttons_.begin(), buttons_.end(), sender);
  if (at == buttons_.end()) return;
  itemIndex_ = static_cast<Integer>(at - buttons_.begin());
  Perform(CM_CHANGED, 0, 0);
  Click();
}

// ---- radio group ----

void TspSkinCustomRadioGroup::SetItemIndex(Integer value) {
  if (HasState(csReading)) {
    itemIndex_ = value;
    return;
  }
  value = std::clamp<Integer>(value, -1, ButtonCount() - 1);
  if (value == itemIndex_) return;
  if (itemIndex_ >= 0 && itemIndex_ < ButtonCount()) buttons_[itemIndex_]->SetChecked(false);
  itemIndex_ = value;
  if (value >= 0) buttons_[value]->SetChecked(true);
}

void TspSkinCustomRadioGroup::ItemsChange(TObject* sender) {
  if (HasState(csReading)) return;
  if (itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
  TspSkinButtonGroup::ItemsChange(sender);
}

// ---- check group ----

bool TspSkinCustomCheckGroup::GetCheckedStatus(Integer index) const {
  return index >= 0 && index < ButtonCount() && buttons_[index]->Checked();
}

void TspSkinCustomCheckGroup::SetCheckedStatus(Integer index, bool value) {
  if (index >= 0 && index < ButtonCount()) buttons_[index]->SetChecked(value);
}
