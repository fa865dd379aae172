#include "skin/controls/SkinPanel.h"

#include "platform/controls/Messages.h"
#include "skin/draw/ParentImage.h"
#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinLayout.h"
#include "skin/draw/SkinText.h"

using enum TspSkinBorderStyle;

TspSkinPanel::TspSkinPanel(TComponent* owner) : TspSkinCustomControl(owner), glyph_(std::make_unique<TBitmap>()) {
  ControlStyle |= csAcceptsControls | csOpaque;
  PaintByBorders = true;
  SetBounds(0, 0, 150, 150);
  SkinDataName = "panel";
}

void TspSkinPanel::CreateParams(TCreateParams& params) {
  TspSkinCustomControl::CreateParams(params);
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

// ---- properties ----

void TspSkinPanel::SetCaptionMode(bool value) {
  captionMode_ = value;
  Repaint();
  Realign();
}

void TspSkinPanel::SetDefaultCaptionHeight(Integer value) {
  defaultCaptionHeight_ = value;
  if (!HasRecord() && captionMode_) {
    Repaint();
    Realign();
  }
}

void TspSkinPanel::SetDefaultAlignment(TAlignment value) {
  defaultAlignment_ = value;
  if (!HasRecord() && captionMode_) Repaint();
}

void TspSkinPanel::SetBorderStyle(TspSkinBorderStyle value) {
  borderStyle_ = value;
  if (!HasRecord()) {
    Repaint();
    Realign();
  }
}

void TspSkinPanel::SetCheckedMode(bool value) {
  checkedMode_ = value;
  Repaint();
}

void TspSkinPanel::SetChecked(bool value) {
  checked_ = value;
  if (checkedMode_) {
    Repaint();
    if (AutoEnabledControls)
      for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(value);
  }
  OnChecked(this);
}

void TspSkinPanel::SetRollUpMode(bool value) {
  rollUpMode_ = value;
  if (!HasRecord() && captionMode_) Repaint();
}

// The constraints put aside at a roll-up come back at the roll-down, so a
// panel that rolls up and down keeps the limits it was given.
void TspSkinPanel::SetRollUpState(bool value) {
  if (value == rollUpState_ || !rollUpMode_) return;
  TSizeConstraints* c = Constraints();
  if (value) {
    savedMaxWidth_ = c->MaxWidth(), savedMinWidth_ = c->MinWidth();
    savedMaxHeight_ = c->MaxHeight(), savedMinHeight_ = c->MinHeight();
    c->SetMaxWidth(0), c->SetMinWidth(0), c->SetMaxHeight(0), c->SetMinHeight(0);
  }
  rollUpState_ = value;
  ApplyRollUp(value);
  if (!value) {
    c->SetMaxWidth(savedMaxWidth_), c->SetMinWidth(savedMinWidth_);
    c->SetMaxHeight(savedMaxHeight_), c->SetMinHeight(savedMinHeight_);
  }
  OnChangeRollUpState(this);
}

void TspSkinPanel::ApplyRollUp(bool up) {
  rolling_ = true;
  if (up && RealHeight == -1) {
    RealHeight = Height();
    HideControls();
    GetSkinData();
    SetHeight(HasRecord() ? Height() - RealClientRect.Height() : defaultCaptionHeight_ + 1);
  } else if (!up && RealHeight != -1) {
    SetHeight(RealHeight);
    RealHeight = -1;
    ShowControls();
  }
  rolling_ = false;
}

void TspSkinPanel::SetTransparentMode(bool value) {
  if (value == transparentMode_) return;
  transparentMode_ = value;
  Repaint();
  if (!Designing() && !HasState(csLoading)) CheckControlsBackground();
}

void TspSkinPanel::SetGlyph(const TBitmap* value) {
  glyph_->Assign(value);
  Repaint();
}

void TspSkinPanel::SetNumGlyphs(Integer value) {
  numGlyphs_ = value < 1 ? 1 : value;
  Repaint();
}

void TspSkinPanel::SetSpacing(Integer value) {
  spacing_ = value;
  Repaint();
}

void TspSkinPanel::SetCaptionImageList(TCustomImageList* value) {
  captionImageList_ = value;
  if (value) value->FreeNotification(this);
  Repaint();
}

void TspSkinPanel::SetCaptionImageIndex(Integer value) {
  if (value == captionImageIndex_) return;
  captionImageIndex_ = value;
  Repaint();
}

void TspSkinPanel::SetImagePosition(TspImagePosition value) {
  if (value == imagePosition_) return;
  imagePosition_ = value;
  Repaint();
}

void TspSkinPanel::SetAlphaBlend(bool value) { TspSkinCustomControl::SetAlphaBlend(value); }
void TspSkinPanel::SetAlphaBlendValue(Byte value) { TspSkinCustomControl::SetAlphaBlendValue(value); }

void TspSkinPanel::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation == opRemove && component == captionImageList_) captionImageList_ = nullptr;
}

void TspSkinPanel::ShowControls() {
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(true);
  EnableAlign();
}

void TspSkinPanel::HideControls() {
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(false);
}

// ---- record and geometry ----

void TspSkinPanel::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  look.bgpictureindex = -1;
  if (!HasRecord()) return;
  auto* record = dynamic_cast<TspDataSkinPanelControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  if (!record) return;
  look.captionrect = record->captionrect, look.alignment = record->alignment;
  look.fontname = record->fontname, look.fontheight = record->fontheight;
  look.fontstyle = record->fontstyle, look.fontcolor = record->fontcolor;
  look.bgpictureindex = record->bgpictureindex;
  look.checkimagerect = record->checkimagerect, look.uncheckimagerect = record->uncheckimagerect;
  look.markframerect = record->markframerect, look.framerect = record->framerect;
  look.frametextrect = record->frametextrect;
  look.frameleftoffset = record->frameleftoffset, look.framerightoffset = record->framerightoffset;
}

void TspSkinPanel::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  if (rollUpState_) {
    Integer saved = RealHeight;
    RealHeight = -1;
    ApplyRollUp(true);
    RealHeight = saved;
  } else {
    Realign();
  }
}

Integer TspSkinPanel::TextHeightOf(const String& text) {
  TBitmap scratch(1, 1);
  SetRecordFont(scratch.Canvas(), UseSkinFont, look.fontname, look.fontheight, look.fontstyle, DefaultFont(),
                SkinData());
  return scratch.Canvas()->TextHeight(text.empty() ? String(" ") : text);
}

void TspSkinPanel::AdjustClientRect(TRect& rect) {
  TspSkinCustomControl::AdjustClientRect(rect);
  GetSkinData();
  if (HasRecord() && transparentMode_) {
    rect = TRect{2, captionMode_ ? TextHeightOf(Caption()) : 2, Width() - 2, Height() - 2};
    return;
  }
  if (!HasRecord() || Designing()) {
    if (borderStyle_ != bvNone) rect = TRect{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
    if (captionMode_) rect.Top += defaultCaptionHeight_;
    return;
  }
  if (look.bgpictureindex != -1 || (borderStyle_ == bvNone && !captionMode_ && ResizeMode == 1)) return;
  Integer w = Width(), h = Height();
  CalcSize(w, h);
  rect = RealClientRect;
}

TRect TspSkinPanel::GetSkinClientRect() {
  TRect r{0, 0, Width(), Height()};
  AdjustClientRect(r);
  return r;
}

void TspSkinPanel::SetBounds(int left, int top, int width, int height) {
  TspSkinCustomControl::SetBounds(left, top, width, height);
  if (!HasRecord()) Repaint();
}

bool TspSkinPanel::CanAutoSize(int& newWidth, int& newHeight) {
  if (rolling_ && rollUpMode_ && AutoSize()) return false;
  return TspSkinCustomControl::CanAutoSize(newWidth, newHeight);
}

// ---- painting ----

void TspSkinPanel::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (HasRecord() && transparentMode_) return captionMode_ ? PaintTransparentGroup() : PaintTransparentLook();
  if (!HasRecord() || !SkinPicture || (!PaintByBorders && stretcheffect)) return TspSkinCustomControl::Paint();
  if (borderStyle_ == bvNone && ResizeMode == 1 && !captionMode_ && PaintByBorders && !AlphaBlend()) {
    TRect part{skinrect.Left + clientrect.Left, skinrect.Top + clientrect.Top, skinrect.Left + clientrect.Right,
               skinrect.Top + clientrect.Bottom};
    return PaintTexture(SkinPicture, part, TRect{0, 0, Width(), Height()});
  }
  TBitmap* background = SkinData()->ActivePicture(look.bgpictureindex);
  if (look.bgpictureindex == -1 || !background) return TspSkinCustomControl::Paint();
  TRect into = stretcheffect && stretchtype == spstFull ? RealClientRect : TRect{0, 0, Width(), Height()};
  PaintTexture(background, TRect{0, 0, background->Width(), background->Height()}, into);
}

// A part of a picture over `into`: stretched by the stretch type, else tiled.
void TspSkinPanel::PaintTexture(TBitmap* source, const TRect& part, const TRect& into) {
  TBitmap piece;
  if (!CopyPictureRect(piece, source, part)) return;
  TCanvas* canvas = Canvas();
  Integer pw = piece.Width(), ph = piece.Height();
  if (stretcheffect && stretchtype == spstFull) return canvas->StretchDraw(into, &piece);
  if (stretcheffect) {
    bool across = stretchtype == spstHorz;
    TBitmap strip(across ? pw : Width(), across ? Height() : ph);
    strip.Canvas()->StretchDraw(TRect{0, 0, strip.Width(), strip.Height()}, &piece);
    for (Integer p = 0; p < (across ? Width() : Height()); p += across ? pw : ph)
      canvas->Draw(across ? p : 0, across ? 0 : p, &strip);
    return;
  }
  for (Integer y = into.Top; y < into.Bottom; y += ph)
    for (Integer x = into.Left; x < into.Right; x += pw) canvas->Draw(x, y, &piece);
}

void TspSkinPanel::PaintTransparentLook() {
  TBitmap b(Width(), Height());
  GetParentImage(this, b.Canvas());
  if (borderStyle_ != bvNone && SkinPicture) {
    TCanvas* c = b.Canvas();
    c->Pen()->SetColor(SkinPicture->Canvas()->Pixels(skinrect.Left + skinrect.Width() / 2, skinrect.Bottom - 1));
    c->Brush()->SetStyle(bsClear);
    c->Rectangle(0, 0, Width(), Height());
  }
  PaintTransparent(b.Canvas());
  Canvas()->Draw(0, 0, &b);
}

Integer TspSkinPanel::PictureWidth() const {
  if (glyph_->Empty() && captionImageList_ && captionImageIndex_ >= 0 && captionImageIndex_ < captionImageList_->Count())
    return captionImageList_->Width();
  if (!glyph_->Empty()) return glyph_->Width() / numGlyphs_;
  return 0;
}

// The caption picture at x, centred in r; answers its width in `width` (0: none).
void TspSkinPanel::DrawCaptionPicture(TCanvas* canvas, Integer x, const TRect& r, Integer& width) {
  width = 0;
  if (glyph_->Empty() && captionImageList_ && captionImageIndex_ >= 0 &&
      captionImageIndex_ < captionImageList_->Count()) {
    captionImageList_->Draw(canvas, x, r.Top + r.Height() / 2 - captionImageList_->Height() / 2, captionImageIndex_,
                            Enabled());
    width = captionImageList_->Width();
  } else if (!glyph_->Empty()) {
    Integer state = !Enabled() && numGlyphs_ == 2 ? 2 : 1;
    DrawGlyph(canvas, x, r.Top + r.Height() / 2 - glyph_->Height() / 2, glyph_.get(), numGlyphs_, state);
    width = glyph_->Width() / numGlyphs_;
  }
}

void TspSkinPanel::PaintTransparentGroup() {
  TBitmap b(Width(), Height());
  TCanvas* c = b.Canvas();
  GetParentImage(this, c);
  TColor line = SkinPicture ? SkinPicture->Canvas()->Pixels(skinrect.Left + skinrect.Width() / 2, skinrect.Bottom - 1)
                            : clBtnShadow;
  c->Pen()->SetColor(line);
  c->Brush()->SetStyle(bsClear);
  SetRecordFont(c, UseSkinFont, look.fontname, look.fontheight, look.fontstyle, DefaultFont(), SkinData());
  TRect r{5, 0, Width(), TextHeightOf(Caption()) + 5};
  NewCaptionRect = r;
  Integer x = 5;
  if (checkedMode_) {
    const TRect& mark = checked_ ? look.checkimagerect : look.uncheckimagerect;
    DrawPieceTransparent(c, r.Left, r.Top + r.Height() / 2 - mark.Height() / 2, SkinPicture, mark);
    x += mark.Width() + 5;
  }
  Integer pw = 0;
  DrawCaptionPicture(c, x, r, pw);
  if (pw) x += pw + 2;
  r.Left = x;
  Integer stdLabel = SkinData()->GetControlIndex("stdlabel");
  auto* labelRecord =
      stdLabel == -1 ? nullptr : dynamic_cast<TspDataSkinStdLabelControl*>(SkinData()->CtrlList[stdLabel].get());
  c->Font()->SetColor(labelRecord ? labelRecord->fontcolor : SkinData()->SkinColors->cBtnText);
  SPDrawText(c, Caption(), r);
  Integer w = c->TextWidth(Caption());
  Integer m = r.Height() / 2;
  Integer lineStart = x + w + 3;
  if (rollUpMode_) {
    DrawArrowImage(c, TRect{x + w + 3, r.Top, x + w + 10, r.Bottom}, c->Font()->Color(), rollUpState_ ? 4 : 3);
    lineStart = x + w + 12;
  }
  c->MoveTo(lineStart, m);
  c->LineTo(Width(), m);
  c->MoveTo(0, m);
  c->LineTo(4, m);
  c->Polyline({{Width() - 1, m}, {Width() - 1, Height() - 1}, {0, Height() - 1}, {0, m}});
  PaintTransparent(c);
  Canvas()->Draw(0, 0, &b);
}

void TspSkinPanel::CreateControlSkinImage(TBitmap* b) {
  if (!SkinPicture) return CreateControlDefaultImage(b);
  if (borderStyle_ == bvNone && ResizeMode == 1 && !captionMode_ && !stretcheffect) {
    TBitmap piece;
    TRect part{skinrect.Left + clientrect.Left, skinrect.Top + clientrect.Top, skinrect.Left + clientrect.Right,
               skinrect.Top + clientrect.Bottom};
    if (!CopyPictureRect(piece, SkinPicture, part)) return;
    for (Integer y = 0; y < b->Height(); y += piece.Height())
      for (Integer x = 0; x < b->Width(); x += piece.Width()) b->Canvas()->Draw(x, y, &piece);
    return;
  }
  TspSkinCustomControl::CreateControlSkinImage(b);
  NewCaptionRect = ResizeMode <= 0 ? look.captionrect : GetNewRect(look.captionrect);
  if (!Caption().empty() && !look.captionrect.IsEmpty()) DrawSkinCaption(b->Canvas());
}

void TspSkinPanel::DrawSkinCaption(TCanvas* c) {
  TRect r = NewCaptionRect;
  if (rollUpMode_) r.Right -= 12;
  if (checkedMode_) {
    const TRect& mark = checked_ ? look.checkimagerect : look.uncheckimagerect;
    DrawPieceTransparent(c, r.Left, r.Top + r.Height() / 2 - look.checkimagerect.Height() / 2, SkinPicture, mark);
    r.Left += look.checkimagerect.Width() + 2;
  }
  SetRecordFont(c, UseSkinFont, look.fontname, look.fontheight, look.fontstyle, DefaultFont(), SkinData());
  c->Font()->SetColor(look.fontcolor);
  c->Brush()->SetStyle(bsClear);
  Integer tw = c->TextWidth(Caption()), th = c->TextHeight(Caption());
  Integer y = r.Top + r.Height() / 2 - th / 2;
  Integer pw = PictureWidth();
  Integer content = tw + (glyph_->Empty() ? 0 : pw + spacing_);
  Integer x = look.alignment == taRightJustify ? r.Right - content
              : look.alignment == taCenter     ? r.Left + r.Width() / 2 - content / 2
                                               : r.Left;
  Integer pictureX = x;
  if (pw) {
    if (imagePosition_ == spipDefault) {
      x += pw + spacing_;
    } else {
      pictureX = r.Left + 2;
      Integer least = pictureX + pw + spacing_;
      x = look.alignment == taRightJustify ? r.Right - tw
          : look.alignment == taCenter     ? r.Left + r.Width() / 2 - tw / 2
                                           : least;
      if (x < least) x = least;
    }
  }
  if (rollUpMode_) {
    if (!look.markframerect.IsEmpty())
      DrawPiece(c, r.Right, look.captionrect.Top, SkinPicture, look.markframerect);
    DrawArrowImage(c, TRect{r.Right, r.Top, r.Right + 10, r.Bottom}, look.fontcolor, rollUpState_ ? 4 : 3);
  }
  if (!look.framerect.IsEmpty()) {
    Integer e = look.framerect.Width() - look.frametextrect.Width();
    TBitmap frame;
    CreateHSkinImage(look.frameleftoffset, look.framerightoffset, &frame, SkinPicture, look.framerect, tw + e,
                     look.framerect.Height(), true);
    Integer frameX = x;
    if (look.alignment == taRightJustify) frameX = x - e, pictureX -= e, x += look.frametextrect.Left - e;
    else if (look.alignment == taCenter) frameX = x - look.frametextrect.Left - 2, pictureX -= look.frametextrect.Left, x -= 2;
    else x += look.frametextrect.Left;
    c->Draw(frameX, look.captionrect.Top, &frame);
  }
  c->TextRect(r, x, y, Caption());
  Integer drawn = 0;
  DrawCaptionPicture(c, pictureX, r, drawn);
}

void TspSkinPanel::CreateControlDefaultImage(TBitmap* b) {
  TspSkinCustomControl::CreateControlDefaultImage(b);
  TCanvas* c = b->Canvas();
  DrawBorderStyle(c, TRect{0, 0, Width(), Height()}, borderStyle_);
  if (!captionMode_) return;
  TRect r;
  if (borderStyle_ != bvFrame) {
    r = TRect{1, 1, Width() - 1, defaultCaptionHeight_};
    Frm3D(c, r, clBtnShadow, clBtnHighlight);
    r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    Frm3D(c, r, clBtnHighlight, clBtnShadow);
  } else {
    r = TRect{0, 0, Width(), defaultCaptionHeight_};
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(r);
    r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    Frm3D(c, r, clBtnHighlight, clBtnFace);
  }
  r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  if (checkedMode_) r.Left += 20;
  if (rollUpMode_) r.Right -= 10;
  SetCanvasDefaultFont(c, DefaultFont(), SkinData());
  c->Brush()->SetStyle(bsClear);
  Integer tw = c->TextWidth(Caption()), th = c->TextHeight(Caption());
  Integer pw = PictureWidth();
  Integer content = tw + (pw ? pw + spacing_ : 0);
  Integer x = defaultAlignment_ == taRightJustify ? r.Right - content
              : defaultAlignment_ == taCenter     ? r.Left + 2 + r.Width() / 2 - content / 2
                                                  : r.Left + 2;
  if (checkedMode_) {
    Integer boxTop = r.Top + r.Height() / 2 - 7;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(TRect{5, boxTop, 19, boxTop + 14});
    if (checked_) DrawCheckImage(c, 9, boxTop + 3, clBtnText);
    c->Brush()->SetStyle(bsClear);
  }
  Integer drawn = 0;
  DrawCaptionPicture(c, x, r, drawn);
  if (drawn) x += drawn + spacing_;
  c->TextRect(r, x, r.Top + r.Height() / 2 - th / 2, Caption());
  if (rollUpMode_) DrawArrowImage(c, TRect{r.Right, r.Top, r.Right + 10, r.Bottom}, clBtnText, rollUpState_ ? 4 : 3);
}

// ---- messages ----

void TspSkinPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (captionMode_ && (checkedMode_ || rollUpMode_) && button == mbLeft) {
    TRect caption = HasRecord() ? NewCaptionRect : TRect{1, 1, Width() - 1, defaultCaptionHeight_};
    if (x >= caption.Left && x < caption.Right && y >= caption.Top && y < caption.Bottom) {
      if (checkedMode_) SetChecked(!checked_);
      if (rollUpMode_) SetRollUpState(!rollUpState_);
    }
  }
  TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinPanel::CMTextChanged(TMessage& message) {
  TspSkinCustomControl::CMTextChanged(message);
  if (captionMode_) Repaint();
}

void TspSkinPanel::WMMove(TMessage& message) {
  TspSkinCustomControl::WMMove(message);
  if (!transparentMode_) return;
  Repaint();
  CheckControlsBackground();
}

void TspSkinPanel::CheckParentBackground() {
  if (!transparentMode_ && !AlphaBlend()) return;
  Repaint();
  CheckControlsBackground();
}

void TspSkinPanel::Dispatch(TMessage& message) { TspSkinCustomControl::Dispatch(message); }

// ---- group box and paint panel ----

TspSkinGroupBox::TspSkinGroupBox(TComponent* owner) : TspSkinPanel(owner) {
  SkinDataName = "groupbox";
  SetCaptionMode(true);
}

TspSkinPaintPanel::TspSkinPaintPanel(TComponent* owner) : TspSkinPanel(owner) { PaintByBorders = false; }

void TspSkinPaintPanel::CreateControlDefaultImage(TBitmap* b) {
  TspSkinPanel::CreateControlDefaultImage(b);
  if (OnPanelPaint) OnPanelPaint(this, b->Canvas(), GetSkinClientRect());
}

void TspSkinPaintPanel::CreateControlSkinImage(TBitmap* b) {
  TspSkinPanel::CreateControlSkinImage(b);
  if (OnPanelPaint) OnPanelPaint(this, b->Canvas(), GetSkinClientRect());
}

void TspSkinPaintPanel::PaintTransparent(TCanvas* canvas) { OnPanelPaint(this, canvas, GetSkinClientRect()); }

void TspSkinPaintPanel::WMEraseBkgnd(TMessage& message) {
  if (!InPaintMessage && MessageDC(message)) PaintWindow(MessageDC(message));
  message.Result = 1;
}
