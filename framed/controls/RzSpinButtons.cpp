#include "framed/controls/RzSpinButtons.h"

TRzSpinButtons::TRzSpinButtons(TComponent* owner) : TWinControl(owner) {
  ControlStyle &= ~(csAcceptsControls | csSetCaption);
  upRight_ = CreateButton();
  downLeft_ = CreateButton();
  SetUpRightGlyph(nullptr);
  SetDownLeftGlyph(nullptr);
  SetBounds(Left(), Top(), 16, 25);
}

TRzControlButton* TRzSpinButtons::CreateButton() {
  auto* button = new TRzControlButton(this);
  button->OnClick = TNotifyEvent(this, &TRzSpinButtons::BtnClickHandler);
  button->OnMouseDown = TMouseEvent(this, &TRzSpinButtons::BtnMouseDownHandler);
  button->SetVisible(true);
  button->SetEnabled(true);
  button->RepeatClicks = true;
  button->Glyph()->OnChange = TNotifyEvent(this, &TRzSpinButtons::BtnGlyphChangeHandler);
  button->SetNumGlyphs(2);
  button->SetParent(this);
  return button;
}

TRzControlButtonStyle TRzSpinButtons::ArrowStyle(bool upRight) const {
  if (upRight) return direction_ == sdUpDown ? cbsUp : cbsRight;
  return direction_ == sdUpDown ? cbsDown : cbsLeft;
}

void TRzSpinButtons::BtnClickHandler(TObject* sender) {
  if (sender == upRight_)
    UpRightClick();
  else
    DownLeftClick();
}

// A press first moves the focus to the FocusControl (or to the buttons); a control
// that refuses the focus cancels the press.
void TRzSpinButtons::BtnMouseDownHandler(TObject* sender, TMouseButton button, TShiftState, int, int) {
  if (button != mbLeft) return;
  auto* pressed = static_cast<TRzControlButton*>(sender);
  auto abortPress = [&](TWinControl* target) {
    if (!target->Focused()) pressed->AbortPress();
  };
  if (focusControl_ && focusControl_->TabStop() && focusControl_->CanFocus() && !focusControl_->Focused()) {
    focusControl_->SetFocus();
    abortPress(focusControl_);
  } else if (!focusControl_ && TabStop() && !Focused() && CanFocus()) {
    SetFocus();
    abortPress(this);
  }
}

void TRzSpinButtons::BtnGlyphChangeHandler(TObject* sender) {
  for (TRzControlButton* button : {upRight_, downLeft_}) {
    if (!button || button->Glyph() != sender) continue;
    const bool custom = !button->Glyph()->Empty();
    (button == upRight_ ? customUpRight_ : customDownLeft_) = custom;
    button->SetStyle(custom ? cbsNone : ArrowStyle(button == upRight_));
    button->GlyphChangedHandler(sender);
  }
}

void TRzSpinButtons::SetUpRightGlyph(const TBitmap* value) {
  if (value) {
    upRight_->SetGlyph(value);
    customUpRight_ = true;
    upRight_->SetStyle(cbsNone);
  } else {
    TBitmap empty;
    upRight_->SetGlyph(&empty);
    upRight_->SetStyle(ArrowStyle(true));
    customUpRight_ = false;
  }
}

void TRzSpinButtons::SetDownLeftGlyph(const TBitmap* value) {
  if (value) {
    downLeft_->SetGlyph(value);
    customDownLeft_ = true;
    downLeft_->SetStyle(cbsNone);
  } else {
    TBitmap empty;
    downLeft_->SetGlyph(&empty);
    downLeft_->SetStyle(ArrowStyle(false));
    customDownLeft_ = false;
  }
}

void TRzSpinButtons::SetDirection(TSpinDirection value) {
  if (direction_ == value) return;
  direction_ = value;
  SetUpRightGlyph(nullptr);
  SetDownLeftGlyph(nullptr);
  Invalidate();
}

void TRzSpinButtons::SetOrientation(TOrientation value) {
  if (orientation_ == value) return;
  orientation_ = value;
  if (!HasState(csLoading)) SetWidth(value == orVertical ? Width() / 2 : Width() * 2);
  AdjustDimensions(Width(), Height());
  Invalidate();
}

void TRzSpinButtons::SetFlat(bool value) {
  if (flat_ == value) return;
  flat_ = value;
  upRight_->SetFlat(value);
  downLeft_->SetFlat(value);
}

void TRzSpinButtons::SetFocusControl(TWinControl* value) {
  if (focusControl_ == value) return;
  if (focusControl_) focusControl_->RemoveFreeNotification(this);
  focusControl_ = value;
  if (value) value->FreeNotification(this);
}

void TRzSpinButtons::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TRzSpinButtons::SetAllEnabled(bool value) {
  if (Enabled() == value) return;
  SetEnabled(value);
  upRight_->SetEnabled(value);
  downLeft_->SetEnabled(value);
}

void TRzSpinButtons::SetColor(TColor value) {
  TControl::SetColor(value);
  upRight_->SetColor(value);
  downLeft_->SetColor(value);
}

void TRzSpinButtons::AdjustDimensions(int width, int height) {
  if (!upRight_ || !downLeft_ || HasState(csLoading)) return;
  if (orientation_ == orVertical) {
    const int h = height / 2;
    upRight_->SetBounds(0, 0, width, h);
    downLeft_->SetBounds(0, h, width, height - h - 1);
  } else {
    const int w = width / 2;
    downLeft_->SetBounds(0, 0, w, height - 1);
    upRight_->SetBounds(w, 0, width - w, height - 1);
  }
}

void TRzSpinButtons::SetBounds(int left, int top, int width, int height) {
  AdjustDimensions(width, height);
  TWinControl::SetBounds(left, top, width, height);
}

void TRzSpinButtons::Loaded() {
  TWinControl::Loaded();
  AdjustDimensions(Width(), Height());
}

void TRzSpinButtons::WMSize(TMessage& message) {
  AdjustDimensions(Width(), Height());
  message.Result = 0;
}

void TRzSpinButtons::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_UP) upRight_->Click();
  if (key == VK_DOWN) downLeft_->Click();
  TWinControl::KeyDown(key, shift);
}

void TRzSpinButtons::Dispatch(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    message.Result = DLGC_WANTARROWS;
    return;
  }
  TWinControl::Dispatch(message);
}
