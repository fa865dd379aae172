#include "skin/controls/SkinCheckRadioBox.h"

#include "platform/controls/ActnList.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Messages.h"
#include "skin/draw/ParentImage.h"
#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/SkinText.h"
#include "skin/controls/buttons/ButtonLook.h"
#include "skin/draw/Speffbmp.h"

namespace {

TRect OrIfEmpty(const TRect& r, const TRect& fallback) { return r.IsEmpty() ? fallback : r; }

}  // namespace

TspSkinCheckRadioBox::TspSkinCheckRadioBox(TComponent* owner)
    : TspSkinCustomControl(owner),
      fade_([this] { return MouseIn || IsFocused(); }, [this] { Repaint(); },
            [this] { return SkinRecordIndex != -1 && EnableMorphing(); }) {
  ControlStyle |= csOpaque;
  SetBounds(0, 0, 150, 25);
  SkinDataName = "checkbox";
  SetTabStop(false);
}

TspSkinCheckRadioBox::~TspSkinCheckRadioBox() { fade_.Stop(); }

// ---- state ----

void TspSkinCheckRadioBox::SetChecked(bool value) {
  checked_ = value;
  if (value) state_ = cbChecked;
  else if (state_ == cbChecked) state_ = cbUnchecked;
  Repaint();
  if (checked_ && GroupIndex != 0) UnCheckAll();
  if (!radio_ || checked_) OnClick(this);
}

void TspSkinCheckRadioBox::SetState(TCheckBoxState value) {
  state_ = value;
  checked_ = value == cbChecked;
  Repaint();
  OnClick(this);
}

void TspSkinCheckRadioBox::SetCheckState() {
  if (!radio_) SetChecked(!checked_);
  else if (!checked_) SetChecked(true);
}

void TspSkinCheckRadioBox::UnCheckAll() {
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TspSkinCheckRadioBox*>(Parent()->Controls(i));
    if (other && other != this && other->GroupIndex == GroupIndex && GroupIndex != 0 && other->checked_)
      other->SetChecked(false);
  }
}

void TspSkinCheckRadioBox::SetAllowGrayed(bool value) {
  allowGrayed_ = value;
  Repaint();
}

void TspSkinCheckRadioBox::SetRadio(bool value) {
  radio_ = value;
  if ((SkinRecordIndex == -1 && DrawDefault) || Designing()) Repaint();
  if (Designing() && !HasState(csLoading)) {
    SkinDataName = value ? "radiobox" : "checkbox";
    GroupIndex = value ? 1 : 0;
  }
}

void TspSkinCheckRadioBox::SetFlat(bool value) {
  flat_ = value;
  Repaint();
}

void TspSkinCheckRadioBox::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  if (flat_) Repaint();
}

void TspSkinCheckRadioBox::SetImages(TCustomImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
  Repaint();
}

void TspSkinCheckRadioBox::SetImageIndex(Integer value) {
  imageIndex_ = value;
  Repaint();
}

void TspSkinCheckRadioBox::SetCanFocused(bool value) {
  canFocused_ = value;
  SetTabStop(value);
}

void TspSkinCheckRadioBox::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TspSkinCheckRadioBox::ActionChange(TObject* sender, bool checkDefaults) {
  TspSkinCustomControl::ActionChange(sender, checkDefaults);
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (action && (!checkDefaults || !checked_)) SetChecked(action->Checked());
}

bool TspSkinCheckRadioBox::IsFocused() { return HandleAllocated() && Focused() && canFocused_; }

bool TspSkinCheckRadioBox::EnableMorphing() const {
  TspSkinData* data = SkinData();
  return look.morphing && data && !data->Empty && data->EnableSkinEffects;
}

void TspSkinCheckRadioBox::ReDrawControl() {
  if (EnableMorphing() && SkinRecordIndex != -1) fade_.Start();
  else Invalidate();
}

// ---- record and size ----

void TspSkinCheckRadioBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (SkinRecordIndex == -1) {
    look.morphing = false;
    fade_.Kf = 0;
    return;
  }
  auto* record = dynamic_cast<TspDataSkinCheckRadioControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  if (!record) return;
  look.fontname = record->fontname, look.fontheight = record->fontheight, look.fontstyle = record->fontstyle;
  look.fontcolor = record->fontcolor, look.activefontcolor = record->activefontcolor;
  look.unenabledfontcolor = record->unenabledfontcolor, look.framefontcolor = record->framefontcolor;
  look.morphing = record->morphing, look.morphkind = record->morphkind;
  look.activeskinrect = OrIfEmpty(record->activeskinrect, skinrect);
  look.checkimagearea = record->checkimagearea, look.textarea = record->textarea;
  look.checkimagerect = record->checkimagerect, look.uncheckimagerect = record->uncheckimagerect;
  look.unenabledcheckimagerect = OrIfEmpty(record->unenabledcheckimagerect, record->checkimagerect);
  look.unenableduncheckimagerect = OrIfEmpty(record->unenableduncheckimagerect, record->uncheckimagerect);
  look.activecheckimagerect = OrIfEmpty(record->activecheckimagerect, record->checkimagerect);
  look.activeuncheckimagerect = OrIfEmpty(record->activeuncheckimagerect, record->uncheckimagerect);
  look.grayedcheckimagerect = record->grayedcheckimagerect;
  look.activegrayedcheckimagerect = record->activegrayedcheckimagerect;
  if (flat_) {
    look.morphing = false;
    SkinMaskPicture = nullptr;
  }
}

void TspSkinCheckRadioBox::CalcSize(Integer& width, Integer& height) {
  if (flat_) return;
  TspSkinCustomControl::CalcSize(width, height);
  Integer d = width - skinrect.Width();
  NewTextArea = look.textarea;
  NewTextArea.Right += d;
  TRect area = look.checkimagearea;
  if (look.textarea.Right < look.checkimagearea.Right) area = TRect{area.Left + d, area.Top, area.Right + d, area.Bottom};
  Integer gw = look.checkimagerect.Width(), gh = look.checkimagerect.Height();
  NewCheckImageRect.Left = area.Left + area.Width() / 2 - gw / 2;
  NewCheckImageRect.Top = area.Top + area.Height() / 2 - gh / 2;
  NewCheckImageRect.Right = NewCheckImageRect.Left + gw;
  NewCheckImageRect.Bottom = NewCheckImageRect.Top + gh;
}

void TspSkinCheckRadioBox::ChangeSkinData() {
  if (flat_) {
    GetSkinData();
    return Repaint();
  }
  fade_.Stop();
  TspSkinCustomControl::ChangeSkinData();
  if (EnableMorphing() && SkinRecordIndex != -1 && (IsFocused() || MouseIn)) fade_.Kf = 1;
}

// ---- glyphs ----

TRect TspSkinCheckRadioBox::GlyphRect() const {
  bool grayed = state_ == cbGrayed;
  if (!Enabled()) return checked_ || grayed ? look.unenabledcheckimagerect : look.unenableduncheckimagerect;
  if (MouseIn) return checked_ || grayed ? look.activecheckimagerect : look.activeuncheckimagerect;
  return checked_ || grayed ? look.checkimagerect : look.uncheckimagerect;
}

void TspSkinCheckRadioBox::DrawGlyph(TCanvas* canvas, Integer x, Integer y) {
  if (state_ != cbGrayed) return DrawPieceTransparent(canvas, x, y, SkinPicture, GlyphRect());
  if (look.grayedcheckimagerect.IsEmpty()) {
    TBitmap piece;
    if (!CopyPictureRect(piece, SkinPicture, GlyphRect())) return;
    TspEffectBmp bright(piece.Handle());
    bright.ChangeBrightness(0.5);
    bright.Draw(piece.Canvas()->Handle(), 0, 0);
    piece.SetTransparent(true);
    return canvas->Draw(x, y, &piece);
  }
  TRect r = MouseIn && !look.activegrayedcheckimagerect.IsEmpty() ? look.activegrayedcheckimagerect
                                                                  : look.grayedcheckimagerect;
  DrawPieceTransparent(canvas, x, y, SkinPicture, r);
}

void TspSkinCheckRadioBox::CreateImage(TBitmap* b, const TRect& r, bool active) {
  b->SetSize(Width(), Height());
  CreateSkinControlImage(b, SkinPicture, r);
  TCanvas* c = b->Canvas();
  DrawGlyph(c, NewCheckImageRect.Left, NewCheckImageRect.Top);
  SetRecordFont(c, UseSkinFont, look.fontname, look.fontheight, look.fontstyle, DefaultFont(), SkinData());
  c->Font()->SetColor(!Enabled() ? look.unenabledfontcolor : active ? look.activefontcolor : look.fontcolor);
  c->Brush()->SetStyle(bsClear);
  SPDrawText(c, Caption(), NewTextArea);
}

// ---- painting ----

void TspSkinCheckRadioBox::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (flat_) return PaintFlat();
  if (SkinRecordIndex == -1 || !SkinPicture) return TspSkinCustomControl::Paint();
  Integer w = Width(), h = Height();
  CalcSize(w, h);
  std::unique_ptr<TspEffectBmp> background;
  double kf = 0;
  if (AlphaBlend()) {
    TBitmap parent(Width(), Height());
    GetParentImage(this, parent.Canvas());
    background = std::make_unique<TspEffectBmp>(parent.Handle());
    kf = 1 - AlphaBlendValue() / 255.0;
  }
  TBitmap image;
  if (EnableMorphing() && fade_.Kf != 0 && fade_.Kf != 1) {
    TBitmap hot;
    CreateImage(&image, skinrect, false);
    CreateImage(&hot, look.activeskinrect, true);
    TspEffectBmp a(image.Handle()), b(hot.Handle());
    MorphByKind(a, b, fade_.Kf, look.morphkind);
    if (background) a.Morph(*background, kf);
    return a.Draw(Canvas()->Handle(), 0, 0);
  }
  bool active = MouseIn || IsFocused();
  CreateImage(&image, active ? look.activeskinrect : skinrect, active);
  if (!background) return Canvas()->Draw(0, 0, &image);
  TspEffectBmp a(image.Handle());
  a.Morph(*background, kf);
  a.Draw(Canvas()->Handle(), 0, 0);
}

void TspSkinCheckRadioBox::DrawDefaultBox(TCanvas* c, Integer h) {
  TRect box{3, h / 2 - 7, 17, h / 2 + 7};
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(MouseIn ? TColor(0x800000) : clBtnShadow);
  c->FrameRect(box);
  TColor mark = Enabled() ? clBlack : clBtnShadow;
  if (state_ == cbGrayed && !radio_) DrawCheckImage(c, 7, h / 2 - 4, clGrayText);
  else if (checked_ && radio_) DrawRadioImage(c, 7, h / 2 - 3, mark);
  else if (checked_) DrawCheckImage(c, 7, h / 2 - 4, mark);
}

void TspSkinCheckRadioBox::CreateControlDefaultImage(TBitmap* b) {
  TspSkinCustomControl::CreateControlDefaultImage(b);
  TCanvas* c = b->Canvas();
  Integer h = Height();
  if (IsFocused() || MouseIn) {
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(TRect{0, 0, Width(), h});
  }
  SetCanvasDefaultFont(c, DefaultFont(), SkinData());
  if (!Enabled()) c->Font()->SetColor(clBtnShadow);
  c->Pen()->SetColor(clBlack);
  c->Brush()->SetStyle(bsClear);
  SPDrawText(c, Caption(), TRect{19, 0, Width(), h});
  DrawDefaultBox(c, h);
}

void TspSkinCheckRadioBox::PaintFlat() {
  TBitmap b(Width(), Height());
  TCanvas* c = b.Canvas();
  GetParentImage(this, c);
  Integer h = Height();
  Integer left = 22;
  if (SkinRecordIndex == -1 || !SkinPicture) {
    DrawDefaultBox(c, h);
    SetCanvasDefaultFont(c, DefaultFont(), SkinData());
    if (!Enabled()) c->Font()->SetColor(clBtnShadow);
  } else {
    TRect g = GlyphRect();
    DrawGlyph(c, 3, h / 2 - g.Height() / 2);
    SetRecordFont(c, UseSkinFont, look.fontname, look.fontheight, look.fontstyle, DefaultFont(), SkinData());
    c->Font()->SetColor(!UseSkinFontColor ? DefaultFont()->Color() : Enabled() ? look.framefontcolor : look.unenabledfontcolor);
    left = g.Width() + 7;
  }
  DrawFlatText(c, left);
  Canvas()->Draw(0, 0, &b);
}

void TspSkinCheckRadioBox::DrawFlatText(TCanvas* c, Integer left) {
  Integer h = Height();
  bool image = images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count();
  Integer textLeft = left;
  if (image) {
    images_->Draw(c, left, h / 2 - images_->Height() / 2, imageIndex_, Enabled());
    textLeft += images_->Width() + (SkinRecordIndex == -1 ? 5 : 8);
  }
  c->Brush()->SetStyle(bsClear);
  String text = Caption();
  TRect r{textLeft, 0, Width() - 2, h};
  HDC dc = c->Handle();
  // The text goes straight to the device context: its font, colour and a
  // transparent background are set here, not left from the box drawn before.
  ::SelectObject(dc, c->Font()->Handle());
  ::SetTextColor(dc, ColorToRGB(c->Font()->Color()));
  ::SetBkMode(dc, TRANSPARENT);
  if (!wordWrap_) {
    RECT m = {r.Left, 0, r.Right, h};
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &m, DT_SINGLELINE | DT_CALCRECT);
    r = TRect{textLeft, h / 2 - (m.bottom - m.top) / 2, std::min<Integer>(m.right, Width() - 2),
              h / 2 - (m.bottom - m.top) / 2 + (m.bottom - m.top)};
    // Drawn up to the box's edge, not the measured width: a measure may come out a
    // few pixels short of the drawing and would cut the last letter.
    RECT d = {r.Left, r.Top, Width() - 2, r.Bottom};
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &d, DT_SINGLELINE | DT_VCENTER);
  } else {
    RECT m = {textLeft, 0, Width() - 2, h};
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &m, DT_EXPANDTABS | DT_WORDBREAK | DT_CALCRECT);
    Integer th = m.bottom - m.top;
    Integer top = std::max<Integer>(0, h / 2 - th / 2);
    r = TRect{textLeft, top, m.right, top + th};
    RECT d = {r.Left, r.Top, r.Right, r.Bottom};
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &d, DT_EXPANDTABS | DT_WORDBREAK);
  }
  if (!IsFocused()) return;
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(SkinRecordIndex == -1 ? clBtnFace : SkinData()->SkinColors->cBtnFace);
  if (!text.empty()) c->DrawFocusRect(TRect{r.Left - 2, r.Top - 1, r.Right + 3, r.Bottom + 1});
  else if (image)
    c->DrawFocusRect(TRect{left - 1, h / 2 - images_->Height() / 2 - 1, left + images_->Width() + 1,
                           h / 2 - images_->Height() / 2 + images_->Height() + 1});
}

// ---- messages ----

void TspSkinCheckRadioBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!MouseIn) {
    MouseIn = true;
    ReDrawControl();
  }
  TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinCheckRadioBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || !MouseIn) return;
  if (allowGrayed_ && !radio_ && state_ == cbUnchecked) {
    state_ = cbGrayed;
    Repaint();
    OnClick(this);
    return;
  }
  SetCheckState();
}

void TspSkinCheckRadioBox::CMMouseEnter(TMessage& message) {
  TspSkinCustomControl::CMMouseEnter(message);
  if (Designing()) return;
  MouseIn = true;
  ReDrawControl();
}

void TspSkinCheckRadioBox::CMMouseLeave(TMessage& message) {
  TspSkinCustomControl::CMMouseLeave(message);
  if (Designing()) return;
  MouseIn = false;
  ReDrawControl();
}

void TspSkinCheckRadioBox::CMEnabledChanged(TMessage& message) {
  TspSkinCustomControl::CMEnabledChanged(message);
  if (EnableMorphing()) {
    fade_.Stop();
    fade_.Kf = 0;
  }
  MouseIn = false;
  Repaint();
}

void TspSkinCheckRadioBox::CMDialogChar(TMessage& message) {
  if (canFocused_ && IsAccel(static_cast<Word>(message.WParam), Caption()) && CanFocus()) {
    SetFocus();
    SetCheckState();
    message.Result = 1;
    return;
  }
  TspSkinCustomControl::CMDialogChar(message);
}

void TspSkinCheckRadioBox::CMTextChanged(TMessage& message) {
  TspSkinCustomControl::CMTextChanged(message);
  if (SkinRecordIndex != -1 || Designing() || DrawDefault) Repaint();
}

void TspSkinCheckRadioBox::WndProc(TMessage& message) {
  if (canFocused_) {
    switch (message.Msg) {
      case WM_KEYUP:
        if (message.WParam == VK_SPACE && IsFocused()) SetCheckState();
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

void TspSkinCheckRadioBox::WMSetFocus(TMessage& message) {
  TspSkinCustomControl::WMSetFocus(message);
  ReDrawControl();
}

void TspSkinCheckRadioBox::WMKillFocus(TMessage& message) {
  TspSkinCustomControl::WMKillFocus(message);
  ReDrawControl();
}

void TspSkinCheckRadioBox::WMEraseBkgnd(TMessage& message) {
  if (!InPaintMessage && !flat_ && MessageDC(message)) PaintWindow(MessageDC(message));
  message.Result = 1;
}

void TspSkinCheckRadioBox::WMMove(TMessage& message) {
  TspSkinCustomControl::WMMove(message);
  Invalidate();
}

void TspSkinCheckRadioBox::CheckParentBackground() {
  if (flat_) Repaint();
}
