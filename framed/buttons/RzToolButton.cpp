#include "framed/buttons/RzToolButton.h"

#include <algorithm>

#include "framed/common/RzCommon_Rects.h"
#include "framed/bars/RzToolbar.h"
#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/graphics/RzGrafx.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/Menus.h"
#include "platform/graphics/PatternBitmap.h"

TRzToolButton::TRzToolButton(TComponent* owner) : TGraphicControl(owner) {
  ControlStyle = csCaptureMouse;
  SetBounds(Left(), Top(), 25, 25);
  SetColor(clBtnFace);
}

#define RZ_SETTER(Name, Type, field) \
  void TRzToolButton::Set##Name(Type value) { \
    if (field == value) return;           \
    field = value;                        \
    Invalidate();                         \
  }
RZ_SETTER(FrameColor, TColor, frameColor_)
RZ_SETTER(GradientColorDefault, bool, gradientColorDefault_)
RZ_SETTER(GradientColorStart, TColor, gradientColorStart_)
RZ_SETTER(GradientColorStop, TColor, gradientColorStop_)
RZ_SETTER(DisabledIndex, int, disabledIndex_)
RZ_SETTER(DownIndex, int, downIndex_)
RZ_SETTER(HotIndex, int, hotIndex_)
RZ_SETTER(ImageIndex, int, imageIndex_)
RZ_SETTER(Flat, bool, flat_)
RZ_SETTER(Transparent, bool, transparent_)
RZ_SETTER(ThemeAware, bool, themeAware_)
RZ_SETTER(UseGradients, bool, useGradients_)
#undef RZ_SETTER

TRzToolbar* TRzToolButton::ParentToolbar() const { return dynamic_cast<TRzToolbar*>(Parent()); }

TCustomImageList* TRzToolButton::ImageList() const {
  if (images_) return images_;
  if (TRzToolbar* bar = ParentToolbar()) return bar->Images();
  return nullptr;
}

TSize TRzToolButton::GetImageSize() const {
  TCustomImageList* list = ImageList();
  return list ? TSize{list->Width(), list->Height()} : TSize{0, 0};
}

void TRzToolButton::SetAllowAllUp(bool value) {
  if (allowAllUp_ == value) return;
  allowAllUp_ = value;
  UpdateExclusive();
}

void TRzToolButton::SetGroupIndex(int value) {
  if (toolStyle_ == tsDropDown) value = 0;
  if (groupIndex_ == value) return;
  groupIndex_ = value;
  UpdateExclusive();
}

void TRzToolButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_ || (down_ && !allowAllUp_)) return;
  down_ = value;
  if (down_) {
    if (state_ == bsUp) Invalidate();
    state_ = bsExclusive;
    UpdateExclusive();
  } else {
    state_ = bsUp;
    Repaint();
  }
}

void TRzToolButton::UpdateExclusive() {
  if (groupIndex_ == 0 || !Parent()) return;
  TMessage message = MakeMessage(CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_), SenderParam(this));
  Parent()->Broadcast(message);
}

void TRzToolButton::ButtonPressed(TMessage& message) {
  auto* sender = dynamic_cast<TRzToolButton*>(MessageSender(message));
  if (static_cast<int>(message.WParam) != groupIndex_ || !sender || sender == this) return;
  if (sender->Down() && down_) {
    down_ = false;
    state_ = bsUp;
    Invalidate();
  }
  allowAllUp_ = sender->AllowAllUp();
}

void TRzToolButton::SetImages(TCustomImageList* value) {
  if (images_ == value) return;
  images_ = value;
  if (images_) {
    images_->FreeNotification(this);
    ApplyMinimumSize();
  }
  Invalidate();
}

// A button is never smaller than its images.
void TRzToolButton::ApplyMinimumSize() {
  if (!images_) return;
  if (Width() < images_->Width()) SetWidthProp(images_->Width());
  if (Height() < images_->Height()) SetHeightProp(images_->Height());
}

void TRzToolButton::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  drop_.Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TRzToolButton::SetLayout(TButtonLayout value) {
  if (layout_ == value) return;
  layout_ = value;
  useToolbarButtonLayout_ = false;
  PickupToolbarStyles();
  Invalidate();
}

void TRzToolButton::SetShowCaption(bool value) {
  if (showCaption_ == value) return;
  showCaption_ = value;
  useToolbarShowCaption_ = false;
  Invalidate();
}

void TRzToolButton::SetWidthProp(int value) {
  SetWidth(value);
  if (!HasState(csLoading)) useToolbarButtonSize_ = false;
  Invalidate();
}

void TRzToolButton::SetHeightProp(int value) {
  SetHeight(value);
  if (!HasState(csLoading)) useToolbarButtonSize_ = false;
  Invalidate();
}

bool TRzToolButton::IsSizeStored() const {
  TRzToolbar* bar = ParentToolbar();
  return !(useToolbarButtonSize_ && bar && Width() == bar->ButtonWidth() && Height() == bar->ButtonHeight());
}

#define RZ_USE_SETTER(Name, field, Apply) \
  void TRzToolButton::Set##Name(bool value) { \
    if (field == value) return;           \
    field = value;                        \
    if (Parent() && !HasState(csReading)) Apply(); \
    Invalidate();                         \
  }
RZ_USE_SETTER(UseToolbarButtonLayout, useToolbarButtonLayout_, ToolbarButtonLayoutChanged)
RZ_USE_SETTER(UseToolbarButtonSize, useToolbarButtonSize_, ToolbarButtonSizeChanged)
RZ_USE_SETTER(UseToolbarShowCaption, useToolbarShowCaption_, ToolbarShowCaptionChanged)
#undef RZ_USE_SETTER

void TRzToolButton::SetToolStyle(TRzToolStyle value) {
  if (toolStyle_ == value) return;
  toolStyle_ = value;
  groupIndex_ = 0;
  if (!HasState(csLoading)) {
    const bool following = useToolbarButtonSize_;
    SetWidthProp(Width() + (value == tsDropDown ? kArrowWidth : -kArrowWidth));
    useToolbarButtonSize_ = following;
  }
  Invalidate();
}

void TRzToolButton::PickupToolbarStyles() {
  if (!Parent()) return;
  Perform(CM_TOOLBARSHOWCAPTIONCHANGED);
  Perform(CM_TOOLBARBUTTONLAYOUTCHANGED);
  Perform(CM_TOOLBARBUTTONSIZECHANGED);
}

void TRzToolButton::ToolbarShowCaptionChanged() {
  TRzToolbar* bar = ParentToolbar();
  if (!useToolbarShowCaption_ || !bar) return;
  SetShowCaption(bar->ShowButtonCaptions());
  useToolbarShowCaption_ = true;
}

void TRzToolButton::ToolbarButtonLayoutChanged() {
  TRzToolbar* bar = ParentToolbar();
  if (!useToolbarButtonLayout_ || !bar) return;
  SetLayout(bar->ButtonLayout());
  useToolbarButtonLayout_ = true;
}

void TRzToolButton::ToolbarButtonSizeChanged() {
  TRzToolbar* bar = ParentToolbar();
  if (!useToolbarButtonSize_ || !bar) return;
  int w = bar->ButtonWidth();
  if (showCaption_) {
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(Font());
    const int text = measure.Canvas()->TextWidth(Caption());
    if (layout_ == blGlyphLeft || layout_ == blGlyphRight)
      w = std::max(w, GetImageSize().cx + text + 12);
    else
      w = std::max(w, text + 8);
  }
  SetWidthProp(toolStyle_ == tsDropDown ? w + kArrowWidth : w);
  SetHeightProp(bar->ButtonHeight());
  useToolbarButtonSize_ = true;
}

void TRzToolButton::Loaded() {
  TGraphicControl::Loaded();
  PickupToolbarStyles();
}

void TRzToolButton::SetParent(TWinControl* parent) {
  TGraphicControl::SetParent(parent);
  if (!HasState(csLoading)) PickupToolbarStyles();
}

void TRzToolButton::ActionChange(TObject* sender, bool checkDefaults) {
  TGraphicControl::ActionChange(sender, checkDefaults);
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (!action) return;
  if (!(checkDefaults && down_)) SetDown(action->Checked());
  if (!(checkDefaults && imageIndex_ != -1)) SetImageIndex(action->ImageIndex());
}

bool TRzToolButton::Themed() const { return themeAware_ && ThemeServices()->ThemesEnabled(); }

bool TRzToolButton::Hot() const {
  return (mouseOverButton_ && state_ != bsDisabled) || HasState(csDesigning);
}

void TRzToolButton::MouseEnter() {
  mouseOverButton_ = true;
  OnMouseEnter(this);
  if (flat_ || Themed()) Repaint();
}

void TRzToolButton::MouseLeave() {
  mouseOverButton_ = false;
  OnMouseLeave(this);
  if (flat_ || Themed()) Repaint();
}

// The control under the cursor decides whether the mouse is over the button.
void TRzToolButton::UpdateTracking() {
  if (!(flat_ || Themed()) || !Enabled()) return;
  POINT p;
  ::GetCursorPos(&p);
  TControl* over = FindDragTarget(TPoint{p.x, p.y}, true);
  Perform(over == this ? CM_MOUSEENTER : CM_MOUSELEAVE);
}

void TRzToolButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_BUTTONPRESSED: return ButtonPressed(message);
    case CM_TOOLBARSHOWCAPTIONCHANGED: return ToolbarShowCaptionChanged();
    case CM_TOOLBARBUTTONLAYOUTCHANGED: return ToolbarButtonLayoutChanged();
    case CM_TOOLBARBUTTONSIZECHANGED: return ToolbarButtonSizeChanged();
    case CM_MOUSEENTER:
      TGraphicControl::Dispatch(message);
      return MouseEnter();
    case CM_MOUSELEAVE:
      TGraphicControl::Dispatch(message);
      return MouseLeave();
    case CM_TEXTCHANGED:
      TGraphicControl::Dispatch(message);
      PickupToolbarStyles();
      return Invalidate();
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<Word>(message.WParam), Caption()) && Enabled() && Visible() && Parent() &&
          Parent()->IsVisibleOnScreen()) {
        Click();
        message.Result = 1;
        return;
      }
      return TGraphicControl::Dispatch(message);
    default: return TGraphicControl::Dispatch(message);
  }
}

void TRzToolButton::Click() {
  if (toolStyle_ == tsDropDown && !treatAsNormal_) return;
  TGraphicControl::Click();
}

void TRzToolButton::DoDropDown() {
  if (!drop_.Menu()) return;
  DropDown();
  drop_.Popup();
}

bool TRzToolButton::InArrowPart(int x) const {
  return UseRightToLeftAlignment() ? x <= kArrowWidth : x >= Width() - kArrowWidth;
}

void TRzToolButton::PressAsButton(bool exceptExclusive) {
  const bool press = exceptExclusive ? !(down_ && state_ != bsExclusive) : !down_;
  if (press) {
    state_ = bsDown;
    Invalidate();
  }
  dragging_ = true;
}

void TRzToolButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (toolStyle_ == tsButton) {
    if (button == mbLeft && Enabled()) PressAsButton(true);
    return;
  }
  TPopupMenu* menu = drop_.Menu();
  if (menu && shift == ssLeft && (!Split() || InArrowPart(x))) {
    if (menu->Items()->Count() == 0) return;
    // A press that closed the menu is an ordinary press again.
    treatAsNormal_ = !drop_.Press([this] {
      state_ = kDropped;
      Repaint();
      DoDropDown();
    });
    MouseUp(button, shift, x, y);
    return;
  }
  if (treatAsNormal_) {
    if (button == mbLeft && Enabled()) PressAsButton(false);
  } else {
    treatAsNormal_ = true;
  }
}

void TRzToolButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (dragging_) {
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
    const int wanted = down_ ? bsExclusive : (inside ? bsDown : bsUp);
    if (wanted != state_) {
      state_ = wanted;
      Invalidate();
    }
  } else if (!mouseOverButton_) {
    UpdateTracking();
  }
}

void TRzToolButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (dragging_) {
    dragging_ = false;
    bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
    if (groupIndex_ == 0) {
      state_ = bsUp;
      mouseOverButton_ = false;
      if (inside) Repaint();
    } else if (inside) {
      const bool before = down_;
      SetDown(!down_);
      if (down_ == before) inside = false;
      if (down_) {
        state_ = bsExclusive;
        Repaint();
      }
    } else {
      if (down_) state_ = bsExclusive;
      Repaint();
    }
    if (inside) Click();
    UpdateTracking();
  }
  if (toolStyle_ == tsDropDown) {
    POINT p;
    ::GetCursorPos(&p);
    if (!ClientRect().Contains(ScreenToClient(TPoint{p.x, p.y}))) treatAsNormal_ = true;
    state_ = bsUp;
    Repaint();
    UpdateTracking();
  }
}

void TRzToolButton::RequestAlign() {
  TGraphicControl::RequestAlign();
  RequestToolbarLayout(this);
}
