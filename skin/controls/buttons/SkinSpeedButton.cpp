#include "skin/controls/buttons/SkinSpeedButton.h"

#include "platform/controls/Menus.h"
#include "platform/controls/Messages.h"
#include "skin/controls/SkinToolBar.h"
#include "skin/menus/SkinImagesMenu.h"

TspSkinSpeedButton::TspSkinSpeedButton(TComponent* owner)
    : TspGraphicSkinCustomControl(owner),
      glyph_(std::make_unique<TBitmap>()),
      fade_([this] { return MouseIn; }, [this] { Repaint(); },
            [this] { return SkinRecordIndex != -1 && EnableMorphing(); }),
      animation_(look, [this] { Repaint(); }),
      repeat_(RepeatInterval, [this] { ButtonClick(); }) {
  ControlStyle = (ControlStyle | csCaptureMouse | csOpaque | csDoubleClicks) & ~csClickEvents;
  SetBounds(0, 0, 25, 25);
  SkinDataName = "toolbutton";
}

TspSkinSpeedButton::~TspSkinSpeedButton() {
  StopRepeat();
  StopAnimate();
  fade_.Stop();
  if (imagesMenu_ && imagesMenu_->OnInternalChange == TNotifyEvent(this, &TspSkinSpeedButton::OnImagesMenuChanged))
    imagesMenu_->OnInternalChange = TNotifyEvent();
}

// ---- properties ----

void TspSkinSpeedButton::SetImageList(TCustomImageList* value) {
  imageList_ = value;
  if (value) value->FreeNotification(this);
  Repaint();
}

void TspSkinSpeedButton::SetImageIndex(Integer value) {
  imageIndex_ = value;
  if (dynamic_cast<TspSkinToolBar*>(Parent()) || imageList_) Repaint();
}

void TspSkinSpeedButton::SetFlat(bool value) {
  flat_ = value;
  if (value) ControlStyle &= ~csOpaque;
  else ControlStyle |= csOpaque;
  Repaint();
}

void TspSkinSpeedButton::SetShowCaption(bool value) {
  if (value == showCaption_) return;
  showCaption_ = value;
  if (WidthWithCaption > 0 && WidthWithoutCaption > 0) SetWidth(value ? WidthWithCaption : WidthWithoutCaption);
  else Repaint();
}

void TspSkinSpeedButton::SetGlyph(const TBitmap* value) {
  glyph_->Assign(value);
  Repaint();
}

void TspSkinSpeedButton::SetNumGlyphs(TspNumGlyphs value) {
  numGlyphs_ = value;
  Repaint();
}

void TspSkinSpeedButton::SetMargin(Integer value) {
  if (value == margin_ || value < -1) return;
  margin_ = value;
  Repaint();
}

void TspSkinSpeedButton::SetSpacing(Integer value) {
  if (value == spacing_) return;
  spacing_ = value;
  Repaint();
}

void TspSkinSpeedButton::SetLayout(TspButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Repaint();
}

void TspSkinSpeedButton::SetSkinImagesMenu(TspSkinImagesMenu* value) {
  imagesMenu_ = value;
  if (!value) return;
  value->FreeNotification(this);
  value->OnInternalChange = TNotifyEvent(this, &TspSkinSpeedButton::OnImagesMenuChanged);
}

void TspSkinSpeedButton::OnImagesMenuChanged(TObject*) { Repaint(); }

void TspSkinSpeedButton::SetDown(bool value) {
  down_ = value;
  if (EnableMorphing()) {
    fade_.Kf = 1;
    if (value) fade_.Stop();
    else fade_.Start();
  }
  Repaint();
  if (value && GroupIndex != 0 && !AllowAllUp) DoAllUp();
}

void TspSkinSpeedButton::DoAllUp() {
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TspSkinSpeedButton*>(Parent()->Controls(i));
    if (other && other != this && other->GroupIndex == GroupIndex && other->down_) other->SetDown(false);
  }
}

bool TspSkinSpeedButton::EnableMorphing() const { return look.morphing && EnableAnimation(); }

bool TspSkinSpeedButton::EnableAnimation() const {
  TspSkinData* data = SkinData();
  return data && !data->Empty && data->EnableSkinEffects;
}

String TspSkinSpeedButton::ShownCaption() const { return showCaption_ ? Caption() : String(); }

void TspSkinSpeedButton::Notification(TComponent* component, TOperation operation) {
  TspGraphicSkinCustomControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == imageList_) imageList_ = nullptr;
  if (component == imagesMenu_) imagesMenu_ = nullptr;
}

// ---- record ----

void TspSkinSpeedButton::GetSkinData() {
  TspGraphicSkinCustomControl::GetSkinData();
  if (SkinRecordIndex == -1) {
    look.morphing = false;
    look.activeskinrect = TRect{};
    return;
  }
  auto* record = dynamic_cast<TspDataSkinButtonControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  if (!record) return;
  look.Read(*record, skinrect);
  look.focusedskinrect = TRect{};
  look.showfocus = false;
  if (flat_) look.morphing = false;
  if (look.menumarkerflatrect.IsEmpty()) look.menumarkerflatrect = look.menumarkerrect;
  if (EnableAnimation()) animation_.ShowFrame(look, skinrect);
}

void TspSkinSpeedButton::ChangeSkinData() {
  StopAnimate();
  fade_.Stop();
  TspGraphicSkinCustomControl::ChangeSkinData();
  if (EnableMorphing() && SkinRecordIndex != -1 && MouseIn) fade_.Kf = 1;
}

void TspSkinSpeedButton::CalcSize(Integer& width, Integer& height) {
  if (UseSkinSize || ResizeMode == 1) return TspGraphicSkinCustomControl::CalcSize(width, height);
  RealClientRect = FreeSizeContentRect(*this, skinrect, width, height);
}

// ---- fade, frames, repeat ----

void TspSkinSpeedButton::ReDrawControl() {
  if (EnableMorphing() && SkinRecordIndex != -1) fade_.Start();
  else Repaint();
}

void TspSkinSpeedButton::StartAnimate(bool forward) {
  if (flat_ || SkinRecordIndex == -1 || !EnableAnimation() || look.animateskinrect.IsEmpty()) return;
  animation_.Start(forward);
}

void TspSkinSpeedButton::RefreshButton() {
  MouseIn = false;
  down_ = false;
  if (EnableMorphing()) fade_.Kf = 0;
  if (EnableAnimation()) StopAnimate();
  Repaint();
}

// ---- clicks ----

void TspSkinSpeedButton::ButtonClick() { TspGraphicSkinCustomControl::Click(); }

void TspSkinSpeedButton::ActionChange(TObject* sender, bool checkDefaults) {
  TspGraphicSkinCustomControl::ActionChange(sender, checkDefaults);
  if (TakeActionGlyph(glyph_.get(), sender)) Repaint();
}

// ---- mouse and messages ----

void TspSkinSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspGraphicSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  StopAnimate();
  MouseHeld = true;
  if (!down_) {
    MouseIn = true;
    SetDown(true);
    if (RepeatMode && GroupIndex == 0) StartRepeat();
    else if (GroupIndex != 0) ButtonClick();
    downAtPress_ = false;
  } else if (GroupIndex != 0) {
    downAtPress_ = true;
  }
}

void TspSkinSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    MouseHeld = false;
    bool wasDown = down_;
    if (GroupIndex == 0) {
      if (MouseIn) {
        SetDown(false);
        StopRepeat();
        if (wasDown) ButtonClick();
      } else {
        down_ = false;
        StopRepeat();
      }
    } else if (wasDown && AllowAllUp && downAtPress_ && MouseIn) {
      SetDown(false);
      ButtonClick();
    }
  }
  TspGraphicSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinSpeedButton::CMMouseEnter(TMessage& message) {
  TspGraphicSkinCustomControl::CMMouseEnter(message);
  if (Designing() || !Enabled()) return;  // a disabled button shows no hot look
  MouseIn = true;
  if ((GroupIndex == 0 || !down_) && Enabled()) {
    if (down_) {
      if (EnableMorphing()) fade_.Kf = 1;
      Repaint();
    } else {
      StartAnimate(true);
      ReDrawControl();
    }
  }
  if (down_ && RepeatMode && GroupIndex == 0) StartRepeat();
}

void TspSkinSpeedButton::CMMouseLeave(TMessage& message) {
  TspGraphicSkinCustomControl::CMMouseLeave(message);
  if (Designing()) return;
  MouseIn = false;
  if ((GroupIndex == 0 || !down_) && Enabled()) {
    StartAnimate(false);
    ReDrawControl();
  }
  if (down_ && RepeatMode && GroupIndex == 0) StopRepeat();
}

void TspSkinSpeedButton::CMEnabledChanged(TMessage& message) {
  TspGraphicSkinCustomControl::CMEnabledChanged(message);
  if (EnableMorphing()) {
    fade_.Stop();
    fade_.Kf = 0;
  }
  MouseIn = false;
  Repaint();
}

void TspSkinSpeedButton::CMTextChanged(TMessage& message) {
  TspGraphicSkinCustomControl::CMTextChanged(message);
  if (SkinRecordIndex != -1 || Designing() || DrawDefault) Repaint();
}

void TspSkinSpeedButton::Dispatch(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR) {
    bool showing = Parent() && Parent()->HandleAllocated() && ::IsWindowVisible(Parent()->Handle());
    if (Enabled() && Visible() && showing && IsAccel(static_cast<Word>(message.WParam), Caption())) {
      ButtonClick();
      message.Result = 1;
      return;
    }
  }
  TspGraphicSkinCustomControl::Dispatch(message);
}
