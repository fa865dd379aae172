#include "framed/buttons/RzMenuButton.h"

#include "platform/controls/Menus.h"

TRzMenuButton::TRzMenuButton(TComponent* owner) : TRzBitBtn(owner) {
  ControlStyle &= ~csDoubleClicks;
  DragMode = dmManual;
  SetWidth(110);
}

void TRzMenuButton::SetShowArrow(bool value) {
  if (showArrow_ == value) return;
  showArrow_ = value;
  Invalidate();
}

void TRzMenuButton::Notification(TComponent* component, TOperation operation) {
  TRzBitBtn::Notification(component, operation);
  drop_.Notification(component, operation);
}

void TRzMenuButton::DoDropDown() {
  if (!drop_.Menu()) return;
  DropDown();
  drop_.Popup();
}

void TRzMenuButton::Click() {
  if (drop_.TakeSkippedClick()) return;
  if (!drop_.Menu() || KeyboardClick()) return TRzBitBtn::Click();
  MouseDown(mbLeft, ssLeft, 0, 0);
}

// The press that opens the menu runs its own release at once, so the click of
// that release is the one skipped.
void TRzMenuButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TRzBitBtn::MouseDown(button, shift, x, y);
  if (!drop_.Menu() || shift != ssLeft) return;
  drop_.Press([this] { DoDropDown(); });
  TRzBitBtn::MouseUp(button, shift, x, y);
}

void TRzMenuButton::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_F4) {
    DoDropDown();
    drop_.SkipNextClick();
  }
  TRzBitBtn::KeyDown(key, shift);
}

TRect TRzMenuButton::GetCaptionRect() {
  TRect r = TRzBitBtn::GetCaptionRect();
  if (showArrow_) {
    if (UseRightToLeftAlignment())
      r.Left += 14;
    else
      r.Right -= 14;
  }
  return r;
}

TRect TRzMenuButton::GetGlyphRect() {
  TRect r = TRzBitBtn::GetGlyphRect();
  if (!showArrow_) return r;
  if (Layout() == blGlyphRight) OffsetRect(r, -14, 0);
  if (Layout() == blGlyphTop || Layout() == blGlyphBottom) OffsetRect(r, -7, 0);
  return r;
}

void TRzMenuButton::Paint() {
  TRzBitBtn::Paint();
  if (!showArrow_) return;
  const TRect client = ClientRect();
  int x = UseRightToLeftAlignment() ? 8 : client.Right - 12;
  int y = (client.Bottom - client.Top) / 2 + client.Top + 2;
  if (showDownVersion_) ++x, ++y;
  TRzMenuDrop::PaintArrow(Canvas(), x, y, Enabled());
}
