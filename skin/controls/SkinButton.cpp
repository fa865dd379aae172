#include "skin/controls/SkinButton.h"

#include <cstdint>

#include "platform/controls/ActnList.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Messages.h"
#include "skin/draw/ParentImage.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/Speffbmp.h"

namespace {

constexpr TColor kNavy = 0x800000;

}  // namespace

TspSkinButton::TspSkinButton(TComponent* owner)
    : TspSkinCustomControl(owner),
      glyph_(std::make_unique<TBitmap>()),
      fade_([this] { return MouseIn || IsFocused(); }, [this] { Repaint(); },
            [this] { return SkinRecordIndex != -1 && EnableMorphing(); }),
      animation_(look, [this] { Repaint(); }),
      repeat_(RepeatInterval, [this] { ButtonClick(); }) {
  ControlStyle |= csOpaque;
  SetBounds(0, 0, 75, 25);
  SkinDataName = "button";
  SetTabStop(false);
}

TspSkinButton::~TspSkinButton() {
  fade_.Stop();
  StopRepeat();
  StopAnimate();
}

// ---- properties ----

void TspSkinButton::SetImageList(TCustomImageList* value) {
  imageList_ = value;
  if (value) value->FreeNotification(this);
  Repaint();
}

void TspSkinButton::SetImageIndex(Integer value) {
  if (imageIndex_ == value) return;
  imageIndex_ = value;
  Repaint();
}

void TspSkinButton::SetCanFocused(bool value) {
  canFocused_ = value;
  SetTabStop(value);
}

void TspSkinButton::SetGroupIndex(Integer value) {
  groupIndex_ = value;
  if (value != 0) SetCanFocused(false);
}

void TspSkinButton::SetGlyph(const TBitmap* value) {
  glyph_->Assign(value);
  Repaint();
}

void TspSkinButton::SetNumGlyphs(TspNumGlyphs value) {
  numGlyphs_ = value;
  Repaint();
}

void TspSkinButton::SetMargin(Integer value) {
  if (value == margin_ || value < -1) return;
  margin_ = value;
  Repaint();
}

void TspSkinButton::SetSpacing(Integer value) {
  if (value == spacing_) return;
  spacing_ = value;
  Repaint();
}

void TspSkinButton::SetLayout(TspButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Repaint();
}

void TspSkinButton::SetDefault(bool value) {
  default_ = value;
  if (!HandleAllocated() || !canFocused_ || Designing()) return;
  if (TCustomForm* form = GetParentForm(this))
    form->Perform(CM_FOCUSCHANGED, 0, SenderParam(form->ActiveControl()));
}

void TspSkinButton::SetDown(bool value) {
  down_ = value;
  if (EnableMorphing()) {
    fade_.Kf = 1;
    if (value) fade_.Stop();
    else fade_.Start();
  }
  Repaint();
  if (value && groupIndex_ != 0 && !AllowAllUp) DoAllUp();
}

void TspSkinButton::DoAllUp() {
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TspSkinButton*>(Parent()->Controls(i));
    if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) other->SetDown(false);
  }
}

bool TspSkinButton::IsFocused() { return HandleAllocated() && Focused() && canFocused_; }

bool TspSkinButton::EnableMorphing() const { return look.morphing && EnableAnimation(); }

bool TspSkinButton::EnableAnimation() const {
  TspSkinData* data = SkinData();
  return data && !data->Empty && data->EnableSkinEffects;
}

void TspSkinButton::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation == opRemove && component == imageList_) imageList_ = nullptr;
}

// ---- record ----

void TspSkinButton::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (SkinRecordIndex == -1) {
    look.morphing = false;
    look.animateskinrect = TRect{};
    return;
  }
  auto* record = dynamic_cast<TspDataSkinButtonControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  if (!record) return;
  if (!UseSkinSize) SkinMaskPicture = nullptr;
  look.Read(*record, skinrect);
  if (EnableAnimation()) animation_.ShowFrame(look, skinrect);
}

void TspSkinButton::ChangeSkinData() {
  fadeNormal_.reset();  // a new skin may reuse the old picture's address
  StopAnimate();
  fade_.Stop();
  TspSkinCustomControl::ChangeSkinData();
  if (EnableMorphing() && SkinRecordIndex != -1 && (IsFocused() || MouseIn)) fade_.Kf = 1;
}

void TspSkinButton::CalcSize(Integer& width, Integer& height) {
  if (UseSkinSize || ResizeMode == 1) return TspSkinCustomControl::CalcSize(width, height);
  RealClientRect = FreeSizeContentRect(*this, skinrect, width, height);
}

// ---- painting ----

void TspSkinButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (SkinRecordIndex == -1 || !SkinPicture) return TspSkinControl::Paint();
  Integer w = Width(), h = Height();
  CalcSize(w, h);
  TBitmap image(Width(), Height());
  std::unique_ptr<TspEffectBmp> background;
  double kf = 0;
  if (AlphaBlend()) {
    TBitmap parent(Width(), Height());
    GetParentImage(this, parent.Canvas());
    background = std::make_unique<TspEffectBmp>(parent.Handle());
    kf = 1 - AlphaBlendValue() / 255.0;
  }
  auto finish = [&](TspEffectBmp& result) {
    if (background) result.Morph(*background, kf);
    result.Draw(Canvas()->Handle(), 0, 0);
  };
  if (EnableMorphing() && fade_.Kf != 0 && fade_.Kf != 1 && Enabled()) {
    TBitmap *normalImage = nullptr, *hotImage = nullptr;
    FadeImages(normalImage, hotImage);
    TspEffectBmp normal(normalImage->Handle()), hot(hotImage->Handle());
    MorphByKind(normal, hot, fade_.Kf, look.morphkind);
    return finish(normal);
  }
  bool animating = AnimateRunning();
  if (!Enabled() && !look.disabledskinrect.IsEmpty()) CreateButtonImage(&image, look.disabledskinrect, false, false);
  else if (DrawDownImage()) CreateButtonImage(&image, look.downskinrect, true, true);
  else if (IsFocused() && !look.focusedskinrect.IsEmpty() && !animating)
    CreateButtonImage(&image, look.focusedskinrect, false, true);
  else if (IsFocused() || MouseIn) CreateButtonImage(&image, look.activeskinrect, false, true);
  else if (EnableMorphing() && fade_.Kf == 1) CreateButtonImage(&image, look.activeskinrect, false, true);
  else CreateButtonImage(&image, skinrect, false, false);
  if (!background) return Canvas()->Draw(0, 0, &image);
  TspEffectBmp result(image.Handle());
  finish(result);
}

String TspSkinButton::FadeKey() const {
  auto rect = [](const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom) + ";";
  };
  return std::to_string(Width()) + "x" + std::to_string(Height()) + ";" + rect(skinrect) +
         rect(look.activeskinrect) + std::to_string(reinterpret_cast<std::uintptr_t>(SkinPicture)) + ";" +
         std::to_string(SkinRecordIndex) + ";" + Caption() + ";" + std::to_string(imageIndex_) + ";" +
         std::to_string(reinterpret_cast<std::uintptr_t>(imageList_)) + ";" + std::to_string(glyph_->Width()) +
         ";" + std::to_string(reinterpret_cast<std::uintptr_t>(glyph_->Handle())) + ";" +
         std::to_string(static_cast<int>(const_cast<TspSkinButton*>(this)->HandleAllocated() &&
                                         const_cast<TspSkinButton*>(this)->Focused()));
}

void TspSkinButton::FadeImages(TBitmap*& normal, TBitmap*& hot) {
  String key = FadeKey();
  if (!fadeNormal_ || key != fadeKey_ || OnPaint) {
    fadeNormal_ = std::make_unique<TBitmap>(Width(), Height());
    fadeHot_ = std::make_unique<TBitmap>(Width(), Height());
    CreateButtonImage(fadeNormal_.get(), skinrect, false, false);
    CreateButtonImage(fadeHot_.get(), look.activeskinrect, false, true);
    fadeKey_ = OnPaint ? String() : key;
  }
  normal = fadeNormal_.get();
  hot = fadeHot_.get();
}

void TspSkinButton::CreateButtonImage(TBitmap* b, const TRect& r, bool aDown, bool aMouseIn) {
  b->SetSize(Width(), Height());
  TRect content = RealClientRect;
  if (!UseSkinSize && ResizeMode != 1) content = StretchButtonFace(*this, b, r, Width(), Height());
  else CreateSkinControlImage(b, SkinPicture, r);
  TCanvas* canvas = b->Canvas();
  SetCaptionFont(canvas, aDown, aMouseIn);
  if (look.showfocus && HandleAllocated() && Focused()) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(SkinData()->SkinColors->cBtnFace);
    canvas->DrawFocusRect(content);
    canvas->Brush()->SetStyle(bsClear);
  }
  bool drawDefault = true;
  OnPaint(canvas, content, aDown, aMouseIn, drawDefault);
  if (!drawDefault) return;
  DrawContent(canvas, content, aDown, aMouseIn, aDown && aMouseIn);
}

void TspSkinButton::SetCaptionFont(TCanvas* canvas, bool aDown, bool aMouseIn) {
  SetRecordFont(canvas, UseSkinFont, look.fontname, look.fontheight, look.fontstyle, DefaultFont(), SkinData());
  canvas->Font()->SetColor(look.CaptionColor(Enabled(), aDown, aMouseIn, UseSkinFontColor, DefaultFont()->Color()));
  canvas->Brush()->SetStyle(bsClear);
}

Integer TspSkinButton::GlyphNumber(bool aDown, bool aMouseIn) const {
  return ButtonGlyphNumber(numGlyphs_, Enabled(), aDown, aMouseIn);
}

void TspSkinButton::DrawContent(TCanvas* canvas, const TRect& r, bool aDown, bool aMouseIn, bool pressedOffset) {
  canvas->Brush()->SetStyle(bsClear);
  if (imageList_ && imageIndex_ >= 0 && imageIndex_ < imageList_->Count())
    return DrawImageAndText(canvas, r, margin_, spacing_, layout_, Caption(), imageIndex_, imageList_,
                            pressedOffset, Enabled(), false, clBlack);
  DrawGlyphAndText(canvas, r, margin_, spacing_, layout_, Caption(), glyph_.get(), numGlyphs_,
                   GlyphNumber(aDown, aMouseIn), pressedOffset, false, clBlack);
}

void TspSkinButton::CreateControlDefaultImage(TBitmap* b) {
  TCanvas* canvas = b->Canvas();
  TRect r = ClientRect();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(r);
  SetCanvasDefaultFont(canvas, DefaultFont(), SkinData());
  if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
  bool pressed = DrawDownImage();
  if (pressed) FillAndFrame(canvas, r, kNavy, RGB(133, 147, 181));
  else if (MouseIn || IsFocused()) FillAndFrame(canvas, r, kNavy, RGB(182, 189, 210));
  else FillAndFrame(canvas, r, clBtnShadow, clBtnFace);
  bool drawDefault = true;
  OnPaint(canvas, r, down_, MouseIn, drawDefault);
  if (!drawDefault) return;
  canvas->Brush()->SetStyle(bsClear);
  if (imageList_ && imageIndex_ >= 0 && imageIndex_ < imageList_->Count())
    return DrawImageAndText(canvas, r, margin_, spacing_, layout_, Caption(), imageIndex_, imageList_,
                            down_ && MouseIn, Enabled(), false, clBlack);
  DrawGlyphAndText(canvas, r, margin_, spacing_, layout_, Caption(), glyph_.get(), numGlyphs_,
                   GlyphNumber(down_, MouseIn), pressed, false, clBlack);
}

void TspSkinButton::DrawMenuMarker(TCanvas* canvas, const TRect& r, bool active, bool down) {
  const TRect& piece = down ? look.menumarkerdownrect : active ? look.menumarkeractiverect : look.menumarkerrect;
  if (piece.IsEmpty()) return;
  DrawPieceTransparent(canvas, r.Left + r.Width() / 2 - piece.Width() / 2, r.Top + r.Height() / 2 - piece.Height() / 2,
                       SkinPicture, piece, look.menumarkertransparentcolor);
}

// ---- fade, frames, repeat ----

void TspSkinButton::ReDrawControl() {
  if (EnableMorphing() && SkinRecordIndex != -1) fade_.Start();
  else Repaint();
}

void TspSkinButton::StartAnimate(bool forward) {
  if (SkinRecordIndex == -1 || !EnableAnimation() || look.animateskinrect.IsEmpty()) return;
  animation_.Start(forward);
}

void TspSkinButton::RefreshButton() {
  MouseIn = false;
  down_ = false;
  if (EnableMorphing()) fade_.Kf = 0;
  if (EnableAnimation()) StopAnimate();
  Repaint();
}

// ---- clicks ----

void TspSkinButton::ButtonClick() {
  TCustomForm* form = GetParentForm(this);
  if (canFocused_ && form) form->SetModalResult(ModalResult);
  TBasicAction* action = Action();
  if (OnClick && action && !(action->OnExecute() == OnClick)) return OnClick(this);
  if (!Designing() && ActionLink()) {
    ActionLink()->Execute(this);
    return;
  }
  OnClick(this);
}

void TspSkinButton::Click() {
  if (!ActionLink()) TspSkinCustomControl::Click();
}

void TspSkinButton::ActionChange(TObject* sender, bool checkDefaults) {
  TspSkinCustomControl::ActionChange(sender, checkDefaults);
  if (TakeActionGlyph(glyph_.get(), sender)) Repaint();
}

// ---- mouse ----

void TspSkinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  StopAnimate();
  MouseHeld = true;
  if (!down_) {
    MouseIn = true;
    SetDown(true);
    if (RepeatMode && groupIndex_ == 0) StartRepeat();
    else if (groupIndex_ != 0) ButtonClick();
    downAtPress_ = false;
  } else if (groupIndex_ != 0) {
    downAtPress_ = true;
  }
}

void TspSkinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    MouseHeld = false;
    bool wasDown = down_;
    if (groupIndex_ == 0) {
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
  if (HandleAllocated() && Visible()) TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinButton::CMMouseEnter(TMessage& message) {
  TspSkinCustomControl::CMMouseEnter(message);
  if (Designing()) return;
  MouseIn = true;
  if ((groupIndex_ != 0 && !down_) || (groupIndex_ == 0 && !(IsFocused() && !down_))) {
    if (down_) {
      if (EnableMorphing()) fade_.Kf = 1;
      Repaint();
    } else {
      StartAnimate(true);
      ReDrawControl();
    }
  }
  if (down_ && RepeatMode && groupIndex_ == 0) StartRepeat();
}

void TspSkinButton::CMMouseLeave(TMessage& message) {
  TspSkinCustomControl::CMMouseLeave(message);
  if (Designing()) return;
  bool keepHighlight = canFocused_ && default_ && DefaultActive && !(HandleAllocated() && Focused());
  if (!keepHighlight) MouseIn = false;
  if ((groupIndex_ != 0 && !down_) || (groupIndex_ == 0 && !(IsFocused() && !down_))) {
    StartAnimate(false);
    ReDrawControl();
  }
  if (down_ && RepeatMode && groupIndex_ == 0) StopRepeat();
}

void TspSkinButton::CMEnabledChanged(TMessage& message) {
  TspSkinCustomControl::CMEnabledChanged(message);
  if (EnableMorphing()) {
    fade_.Stop();
    fade_.Kf = 0;
  }
  MouseIn = false;
  Repaint();
}

void TspSkinButton::CMTextChanged(TMessage& message) {
  TspSkinCustomControl::CMTextChanged(message);
  if (SkinRecordIndex != -1 || Designing() || DrawDefault) Repaint();
}

// ---- keys and focus ----

void TspSkinButton::WndProc(TMessage& message) {
  if (canFocused_) {
    switch (message.Msg) {
      case WM_KEYDOWN:
        if (message.WParam == VK_SPACE && SpaceClicks) {
          SetDown(true);
          if (RepeatMode) ButtonClick();
        } else if (message.WParam == VK_RETURN) {
          ButtonClick();
        }
        break;
      case WM_KEYUP:
        if (message.WParam == VK_SPACE && SpaceClicks) {
          SetDown(false);
          ButtonClick();
        }
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        if (!Designing() && !Focused()) {
          clicksDisabled_ = true;
          ::SetFocus(Handle());
          clicksDisabled_ = false;
          if (!Focused()) return;
        }
        break;
      case CN_COMMAND:
        if (clicksDisabled_) return;
        break;
      default:
        break;
    }
  }
  TspSkinCustomControl::WndProc(message);
}

void TspSkinButton::Dispatch(TMessage& message) { TspSkinCustomControl::Dispatch(message); }

void TspSkinButton::CreateWnd() {
  TspSkinCustomControl::CreateWnd();
  DefaultActive = default_;
}

void TspSkinButton::CMDialogKey(TMessage& message) {
  Word key = static_cast<Word>(message.WParam);
  bool shift = (KeyboardStateToShiftState() & (ssShift | ssCtrl | ssAlt)) != 0;
  if ((key == VK_RETURN && DefaultActive && Enabled()) ||
      (key == VK_ESCAPE && Cancel && canFocused_ && !shift && CanFocus())) {
    ButtonClick();
    message.Result = 1;
    return;
  }
  TspSkinCustomControl::CMDialogKey(message);
}

void TspSkinButton::CMDialogChar(TMessage& message) {
  if (IsAccel(static_cast<Word>(message.WParam), Caption()) && CanFocus() && canFocused_) {
    SetFocus();
    ButtonClick();
    message.Result = 1;
    return;
  }
  TspSkinCustomControl::CMDialogChar(message);
}

void TspSkinButton::CMFocusChanged(TMessage& message) {
  TControl* focused = MessageSender(message);
  bool toButton = dynamic_cast<TspSkinButton*>(focused) != nullptr;
  DefaultActive = toButton ? focused == this : default_;
  if (canFocused_ && default_) {
    if (toButton) {
      MouseIn = false;
      ReDrawControl();
    } else {
      MouseIn = true;
      if (EnableMorphing()) fade_.Kf = 1;
      Repaint();
    }
  }
  TspSkinCustomControl::CMFocusChanged(message);
}

void TspSkinButton::WMSetFocus(TMessage& message) {
  TspSkinCustomControl::WMSetFocus(message);
  if (!canFocused_) return;
  StartAnimate(true);
  ReDrawControl();
}

void TspSkinButton::WMKillFocus(TMessage& message) {
  StopRepeat();
  if (groupIndex_ == 0 && down_) down_ = false;
  TspSkinCustomControl::WMKillFocus(message);
  if (!canFocused_) return;
  StartAnimate(false);
  ReDrawControl();
}

void TspSkinButton::WMEraseBkgnd(TMessage& message) {
  if (!InPaintMessage && MessageDC(message)) PaintWindow(MessageDC(message));
  message.Result = 1;
}
