// The caption object: the form's title over the skin's caption piece.
#include "skin/form/SkinCaptionObject.h"

#include "skin/data/ResourceStrData.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinRects.h"
#include "skin/draw/SkinText.h"
#include "skin/draw/Speffbmp.h"
#include "skin/form/DynamicSkinForm.h"

std::wstring WideOf(const String& text) {
  if (text.empty()) return std::wstring();
  const int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(size_t(std::max(0, n)), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), n);
  return wide;
}

TspSkinCaptionObject::TspSkinCaptionObject(TspDynamicSkinForm* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  auto* r = dynamic_cast<TspDataSkinCaption*>(data);
  if (!r) return;
  if (!r->FontName.empty()) FontName = r->FontName;
  FontStyle = r->FontStyle;
  if (r->FontHeight != 0) FontHeight = r->FontHeight;
  FontColor = r->FontColor;
  ActiveFontColor = r->ActiveFontColor;
  ShadowColor = r->ShadowColor;
  activeshadowcolor = r->activeshadowcolor;
  Shadow = r->Shadow;
  Alignment = r->Alignment;
  TextRect = r->TextRect;
  DefaultCaption = r->DefaultCaption;
  FrameRect = r->FrameRect;
  activeframerect = r->activeframerect;
  frameleftoffset = r->frameleftoffset;
  framerightoffset = r->framerightoffset;
  frametextrect = r->frametextrect;
  LightColor = r->LightColor;
  activelightcolor = r->activelightcolor;
  Light = r->Light;
  stretcheffect = r->stretcheffect;
  animateskinrect = r->animateskinrect;
  framecount = r->framecount;
  if (r->AnimateInterval > 0) AnimateInterval = r->AnimateInterval;
  inactiveanimation = r->inactiveanimation;
  FullFrame = r->FullFrame;
}

bool TspSkinCaptionObject::EnableAnimation() const {
  TspSkinData* s = SkinForm->SkinData();
  return s && s->EnableSkinEffects && !s->Empty && !IsNullRect(animateskinrect) && framecount > 0 && ActivePicture;
}

void TspSkinCaptionObject::SetTextValue(const String& text) {
  TextValue = text;
  SkinForm->DrawSkinObject(this);
}

String TspSkinCaptionObject::CaptionText() const { return SkinForm->Form()->Caption(); }

Integer TspSkinCaptionObject::StretchClass() const {
  const TspSkinData& s = *SkinForm->SkinData();
  if (RectWidth(ObjectRect) == RectWidth(skinrect) && RectHeight(ObjectRect) == RectHeight(skinrect)) return 0;
  if (skinrect.Top <= s.LeftTopPoint.Y && skinrect.Bottom < s.RightTopPoint.Y) return 1;
  if (skinrect.Top >= s.LeftBottomPoint.Y && skinrect.Bottom > s.RightBottomPoint.Y) return 2;
  if (skinrect.Top <= s.LeftTopPoint.Y && skinrect.Bottom > s.LeftBottomPoint.Y) return 3;
  return 4;
}

TRect TspSkinCaptionObject::TextArea() const {
  TRect tr = TextRect;
  if (!IsNullRect(TextRect)) tr.Right = TextRect.Right + RectWidth(ObjectRect) - RectWidth(skinrect);
  if (!IsNullRect(FrameRect)) {
    tr.Left += frametextrect.Left;
    tr.Top += frametextrect.Top;
    tr.Right -= RectWidth(FrameRect) - frametextrect.Right;
  }
  return tr;
}

void TspSkinCaptionObject::PictureImage(TBitmap& image, TBitmap* picture, const TRect& s, bool forceHorizontal) const {
  const Integer w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
  if (!DrawableSize(w, h)) return image.SetSize(0, 0);
  image.SetSize(w, h);
  if (!picture || picture->Empty()) return;
  const TspSkinData& d = *SkinForm->SkinData();
  auto stretched = [&] { image.Canvas()->CopyRect(Rect(0, 0, w, h), picture->Canvas(), s); };
  if (!SkinForm->CanScale() && !forceHorizontal) return stretched();
  const Integer kind = StretchClass();
  Integer c = 0, b = 0;
  if (kind <= 2 || forceHorizontal) {
    if (kind == 1) c = d.LeftTopPoint.X - skinrect.Left, b = skinrect.Right - d.RightTopPoint.X;
    if (kind == 2) c = d.LeftBottomPoint.X - skinrect.Left, b = skinrect.Right - d.RightBottomPoint.X;
  } else if (kind == 3) {
    c = d.LeftTopPoint.Y - skinrect.Top, b = skinrect.Bottom - d.LeftBottomPoint.Y;
  } else {
    c = d.RightTopPoint.Y - skinrect.Top, b = skinrect.Bottom - d.RightBottomPoint.Y;
  }
  c = std::max<Integer>(0, c), b = std::max<Integer>(0, b);
  if (c == 0 && b == 0) return stretched();
  if (kind <= 2 || forceHorizontal)
    CreateHSkinImage(c, b, &image, picture, s, w, h, stretcheffect);
  else
    CreateVSkinImage(c, b, &image, picture, s, w, h, stretcheffect);
}

TRect TspSkinCaptionObject::AnimationFrameRect(Integer frame) const {
  const TRect& a = animateskinrect;
  if (RectHeight(a) > RectHeight(skinrect)) {
    const Integer h = RectHeight(a) / framecount;
    return Rect(a.Left, a.Top + h * (frame - 1), a.Right, a.Top + h * frame);
  }
  const Integer w = RectWidth(a) / framecount;
  return Rect(a.Left + w * (frame - 1), a.Top, a.Left + w * frame, a.Bottom);
}

void TspSkinCaptionObject::SetCaptionFont(TCanvas* canvas, TColor color) const {
  TFont* font = canvas->Font();
  font->SetName(FontName);
  font->SetStyle(FontStyle);
  font->SetHeight(FontHeight);
  font->SetColor(color);
  TspSkinData* s = SkinForm->SkinData();
  if (s && s->ResourceStrData())
    font->SetCharset(s->ResourceStrData()->CharSet);
  else
    font->SetCharset(SkinForm->DefCaptionFont()->Charset());
}

void TspSkinCaptionObject::DrawTextAt(TCanvas* canvas, const std::wstring& text, Integer x, Integer y) const {
  TRect r = Rect(x, y, x, y);
  SPDrawSkinText(canvas, text, r, DT_CALCRECT);
  SPDrawSkinText(canvas, text, r, DT_VCENTER);
}

void TspSkinCaptionObject::DrawCaptionText(TCanvas* canvas, Integer dx, Integer dy, bool activeLook,
                                           TCanvas* eventCanvas) {
  if (SkinForm->OnCaptionPaint) {
    SkinForm->OnCaptionPaint(eventCanvas, ObjectRect, activeLook);
    return;
  }
  std::wstring text = WideOf(CaptionText());
  if (text.empty() || IsNullRect(TextRect)) return;
  const TRect tr = TextArea();
  CorrectTextbyWidthW(canvas, text, tr.Width());
  const Integer w = CalcTextWidthW(canvas, text), h = CalcTextHeightW(canvas, text);
  Integer y = tr.Top + tr.Height() / 2 - h / 2;
  Integer x = tr.Left;
  if (Alignment == taRightJustify) x = tr.Right - w;
  if (Alignment == taCenter) x = tr.Left + tr.Width() / 2 - w / 2;
  x += dx, y += dy;
  canvas->Brush()->SetStyle(bsClear);
  if (!IsNullRect(FrameRect) && ActivePicture) {
    const TRect source = activeLook && !IsNullRect(activeframerect) ? activeframerect : FrameRect;
    TBitmap frame;
    const Integer buttonsOffset = SkinForm->SkinData()->ButtonsOffset;
    if (FullFrame) {
      const Integer width = RectWidth(ObjectRect) - 2 * buttonsOffset;
      if (width > 0) {
        CreateHSkinImage(frameleftoffset, framerightoffset, &frame, ActivePicture, source, width,
                         RectHeight(FrameRect), false);
        canvas->Draw(dx + buttonsOffset, y - frametextrect.Top, &frame);
      }
    } else if (const Integer width = RectWidth(FrameRect) + w - RectWidth(frametextrect); width > 0) {
      CreateHSkinImage(frameleftoffset, framerightoffset, &frame, ActivePicture, source, width, RectHeight(FrameRect),
                       false);
      canvas->Draw(x - frametextrect.Left, y - frametextrect.Top, &frame);
    }
    canvas->Brush()->SetStyle(bsClear);
  }
  const TColor color = canvas->Font()->Color();
  if (Light) {
    canvas->Font()->SetColor(activeLook ? activelightcolor : LightColor);
    DrawTextAt(canvas, text, x - 1, y - 1);
  }
  if (Shadow) {
    canvas->Font()->SetColor(activeLook ? activeshadowcolor : ShadowColor);
    DrawTextAt(canvas, text, x + 1, y + 1);
  }
  canvas->Font()->SetColor(color);
  DrawTextAt(canvas, text, x, y);
}

void TspSkinCaptionObject::ApplyInactiveEffect(TBitmap& image) const {
  ::ApplyInactiveEffect(image, SkinForm->SkinData()->InActiveEffect);
}

void TspSkinCaptionObject::DrawImageWithText(TCanvas* canvas, TBitmap* picture, const TRect& s, bool forceHorizontal,
                                             TColor color, bool activeLook, bool inactiveEffect) {
  TBitmap image;
  PictureImage(image, picture, s, forceHorizontal);
  if (image.Empty()) return;
  SetCaptionFont(image.Canvas(), color);
  DrawCaptionText(image.Canvas(), 0, 0, activeLook, canvas);
  if (inactiveEffect) ApplyInactiveEffect(image);
  ::BitBlt(canvas->Handle(), ObjectRect.Left, ObjectRect.Top, image.Width(), image.Height(), image.Canvas()->Handle(),
           0, 0, SRCCOPY);
}

void TspSkinCaptionObject::Draw(TCanvas* canvas, bool update) {
  if (!HasSkin()) return;
  Active = SkinForm->FormActive();
  const bool nc = SkinForm->SupportNCArea();
  const bool inactiveEffect = SkinForm->GetAutoRenderingInActiveImage() && !Active;
  if (EnableAnimation() && AnimationFrame >= 1 && AnimationFrame <= framecount) {
    // During the animation the text keeps the colours of the state being left.
    DrawImageWithText(canvas, ActivePicture, AnimationFrameRect(AnimationFrame), nc,
                      Active ? FontColor : ActiveFontColor, !Active, false);
    return;
  }
  if (nc && IsNullRect(activeskinrect)) {
    SetCaptionFont(canvas, Active ? ActiveFontColor : FontColor);
    DrawCaptionText(canvas, ObjectRect.Left, ObjectRect.Top, Active, canvas);
    return;
  }
  if (!IsNullRect(activeskinrect) && (Active || (MorphKf != 0 && EnableMorphing()))) {
    if (Active && (MorphKf == 1 || (MorphKf == 0 && !EnableMorphing()))) {
      DrawImageWithText(canvas, ActivePicture, activeskinrect, false, ActiveFontColor, true, false);
      return;
    }
    TBitmap active, normal;
    PictureImage(active, ActivePicture, activeskinrect, false);
    PictureImage(normal, Picture, skinrect, false);
    if (active.Empty() || normal.Empty()) return;
    SetCaptionFont(active.Canvas(), ActiveFontColor);
    DrawCaptionText(active.Canvas(), 0, 0, true, canvas);
    SetCaptionFont(normal.Canvas(), FontColor);
    DrawCaptionText(normal.Canvas(), 0, 0, false, canvas);
    TspEffectBmp a(active.Handle()), n(normal.Handle());
    n.Morph(a, MorphKf);
    n.Draw(normal.Canvas()->Handle(), 0, 0);
    if (inactiveEffect) ApplyInactiveEffect(normal);
    ::BitBlt(canvas->Handle(), ObjectRect.Left, ObjectRect.Top, normal.Width(), normal.Height(),
             normal.Canvas()->Handle(), 0, 0, SRCCOPY);
    return;
  }
  if (!update) {
    SetCaptionFont(canvas, Active ? ActiveFontColor : FontColor);
    DrawCaptionText(canvas, ObjectRect.Left, ObjectRect.Top, Active, canvas);
    return;
  }
  DrawImageWithText(canvas, Picture, skinrect, false, Active ? ActiveFontColor : FontColor, Active, inactiveEffect);
}

void TspSkinCaptionObject::MouseDown(Integer x, Integer y, TMouseButton button) {
  if (!SkinForm->SupportNCArea() && SkinForm->WindowState() != wsMaximized) SkinForm->StartDragg(x, y);
  SkinForm->MouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TspSkinCaptionObject::MouseUp(Integer x, Integer y, TMouseButton button) {
  if (!SkinForm->SupportNCArea()) SkinForm->EndDragg();
  SkinForm->MouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TspSkinCaptionObject::MouseEnter() {
  MouseOver = true;
  SkinForm->MouseEnterEvent(IDName);
}

void TspSkinCaptionObject::MouseLeave() {
  MouseOver = false;
  SkinForm->MouseLeaveEvent(IDName);
}
