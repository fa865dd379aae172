// Painting one row: from the skin's menu item record (faces, morph mixing,
// animation frames, header rows, marks and images) or in the default look.
#include "platform/controls/ShortCuts.h"
#include "platform/core/Math.h"
#include "platform/graphics/Frame3D.h"
#include "skin/data/ResourceStrData.h"
#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinRects.h"
#include "skin/draw/SkinSystem.h"
#include "skin/draw/SkinText.h"
#include "skin/draw/Speffbmp.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinPopupWindow.h"

namespace {

WideString Wide(const String& s) { return WideString(s.begin(), s.end()); }

TRect MeasureText(TCanvas* canvas, const String& text, TRect r) {
  SPDrawSkinText(canvas, Wide(text), r, DT_CALCRECT);
  return r;
}

void DrawLineText(TCanvas* canvas, const String& text, TRect r) {
  SPDrawSkinText(canvas, Wide(text), r, DT_CENTER | DT_VCENTER);
}

void Fill(TCanvas* canvas, const TRect& r, TColor color) {
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(color);
  canvas->FillRect(r);
}

Integer CenterOf(Integer a, Integer b) { return a + (b - a) / 2; }

}  // namespace

// ---- glyphs ----

void DrawMenuCheck(TCanvas* canvas, Integer x, Integer y, TColor color) {
  canvas->Pen()->SetColor(color);
  for (Integer k = 0; k <= 2; ++k) {
    canvas->MoveTo(x, y + 5 - k);
    canvas->LineTo(x + 2, y + 7 - k);
    canvas->LineTo(x + 7, y + 2 - k);
  }
}

void DrawMenuArrow(TCanvas* canvas, Integer x, Integer y, TColor color) {
  canvas->Pen()->SetColor(color);
  for (Integer k = 0; k <= 3; ++k) {
    canvas->MoveTo(x + k, y + k);
    canvas->LineTo(x + k, y + 7 - k);
  }
}

void DrawMenuRadio(TCanvas* canvas, Integer x, Integer y, TColor color) {
  canvas->Pen()->SetColor(color);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(color);
  canvas->Ellipse(x, y + 1, x + 6, y + 7);
  canvas->Brush()->SetStyle(bsClear);
}

bool DrawNamedMenuGlyph(TCanvas* canvas, const String& name, Integer x, Integer y, TColor color) {
  using Glyph = void (*)(TCanvas*, Integer, Integer, TColor);
  static const struct {
    const char* name;
    Glyph glyph;
  } kGlyphs[] = {
      {"DSF_CLOSE", DrawCloseImage},      {"TRAY_DSF_CLOSE", DrawCloseImage},   {"DSF_MINITEM", DrawMinimizeImage},
      {"DSF_MAXITEM", DrawMaximizeImage}, {"DSF_RESTORE", DrawRestoreImage},    {"TRAY_DSF_RESTORE", DrawRestoreImage},
      {"DSF_ROLLUP", DrawRollUpImage},    {"DSF_MINTOTRAY", DrawMTImage},
  };
  for (const auto& entry : kGlyphs) {
    if (name != entry.name) continue;
    entry.glyph(canvas, x, y, color);
    return true;
  }
  return false;
}

bool IsMenuHeaderCaption(const TMenuItem* item) {
  const String& c = item->Caption();
  return !item->Enabled() && c.size() > 1 && c.front() == '-' && c.back() == '-';
}

// ---- shared parts ----

bool TspSkinMenuItem::HasImage() const {
  if (SourceItem->HasBitmap() && !SourceItem->Bitmap()->Empty()) return true;
  TCustomImageList* images = Window->Images;
  return images && SourceItem->ImageIndex() >= 0 && SourceItem->ImageIndex() < images->Count();
}

// The image at (x, y), framed in the font colour when the item is checked.
void TspSkinMenuItem::DrawImage(TCanvas* canvas, Integer x, Integer y, TColor frameColor) {
  TCustomImageList* images = Window->Images;
  const bool fromList = images && SourceItem->ImageIndex() >= 0 && SourceItem->ImageIndex() < images->Count();
  const Integer w = fromList ? images->Width() : SourceItem->Bitmap()->Width();
  const Integer h = fromList ? images->Height() : SourceItem->Bitmap()->Height();
  if (SourceItem->Checked()) {
    canvas->Pen()->SetColor(frameColor);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(x - 1, y - 1, x + w + 1, y + h + 1);
  }
  if (fromList)
    images->Draw(canvas, x, y, SourceItem->ImageIndex(), SourceItem->Enabled());
  else
    canvas->Draw(x, y, SourceItem->Bitmap());
}

void TspSkinMenuItem::PutRow(TCanvas* canvas, TBitmap* b) {
  TspSkinPopupWindow* w = Window;
  if (w->AlphaBlend && !CheckW2KWXP() && w->BackgroundEffect) {
    TspEffectBmp row(b->Handle());
    row.MorphRect(*w->BackgroundEffect, 1 - w->AlphaBlendValue / 255.0, TRect{0, 0, b->Width(), b->Height()},
                  ItemRect.Left, ItemRect.Top);
    row.Draw(b->Canvas()->Handle(), 0, 0);
  }
  ::BitBlt(canvas->Handle(), ItemRect.Left, ItemRect.Top, b->Width(), b->Height(), b->Canvas()->Handle(), 0, 0,
           SRCCOPY);
}

void TspSkinMenuItem::PutRow(TCanvas* canvas, TspEffectBmp& row) {
  TspSkinPopupWindow* w = Window;
  if (w->AlphaBlend && !CheckW2KWXP() && w->BackgroundEffect)
    row.MorphRect(*w->BackgroundEffect, 1 - w->AlphaBlendValue / 255.0, TRect{0, 0, row.Width(), row.Height()},
                  ItemRect.Left, ItemRect.Top);
  row.Draw(canvas->Handle(), ItemRect.Left, ItemRect.Top);
}

// ---- with a skin ----

TRect TspSkinMenuItem::AnimationFrame(Integer k) const {
  const TRect& a = SkinRecord->animateskinrect;
  const Integer n = SkinRecord->framecount;
  if (a.Height() > SkinRecord->skinrect.Height())
    return {a.Left, a.Top + a.Height() / n * (k - 1), a.Right, a.Top + a.Height() / n * k};
  return {a.Left + a.Width() / n * (k - 1), a.Top, a.Left + a.Width() / n * k, a.Bottom};
}

void TspSkinMenuItem::Draw(TCanvas* canvas) {
  if (!Shown) return;
  if (!SkinRecord) {
    DefaultDraw(canvas);
    return;
  }
  const Integer w = ItemRect.Width(), h = ItemRect.Height();
  if (w <= 0 || h <= 0) return;
  const bool selected = Selected();
  const bool animating = EnableAnimation() && AnimFrame > 0 && AnimFrame <= SkinRecord->framecount;
  const bool settled = !EnableMorphing() || (selected && MorphKf >= 1) || (!selected && MorphKf <= 0);
  if (!IsSeparator() && !animating && !settled) {
    DrawMorph(canvas);
    return;
  }
  faces_.reset();
  TBitmap b;
  b.SetPixelFormat(pf24bit);
  b.SetSize(w, h);
  Fill(b.Canvas(), {0, 0, w, h}, clWindow);
  if (IsSeparator()) {
    if (Picture && !IsNullRect(SkinRecord->DividerRect)) {
      TBitmap strip;
      CreateHSkinImage(SkinRecord->DividerLeftOffset, SkinRecord->DividerRightOffset, &strip, Picture,
                       SkinRecord->DividerRect, w, h, SkinRecord->DividerStretchEffect);
      b.Canvas()->CopyRect({0, 0, w, h}, strip.Canvas(), {0, 0, w, h});
    }
  } else if (animating) {
    const TRect frame = AnimationFrame(AnimFrame);
    DrawFace(&b, selected, &frame);
  } else {
    DrawFace(&b, selected, nullptr);
  }
  PutRow(canvas, &b);
}

bool TspSkinMenuItem::KeepMorphFaces = true;

TspSkinMenuItem::~TspSkinMenuItem() = default;

const TspSkinMenuItem::MorphFaces& TspSkinMenuItem::Faces() {
  TMenuItem* item = SourceItem;
  FaceKey key{ItemRect,
              Window->BackgroundGeneration,
              item->Caption(),
              item->Name(),
              item->ShortCut(),
              item->Enabled(),
              item->Checked(),
              item->RadioItem(),
              item->Count() > 0,
              Window->Menu->UseSkinFont,
              item->ImageIndex(),
              Window->Images,
              item->HasBitmap() ? item->Bitmap() : nullptr};
  // A row drawn by its item's own handler may change with every call.
  if (faces_ && faces_->key == key && KeepMorphFaces && !item->OnDrawItem) return *faces_;
  const Integer w = ItemRect.Width(), h = ItemRect.Height();
  auto face = [&](bool selected) {
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(w, h);
    DrawFace(&b, selected, nullptr);
    return std::make_unique<TspEffectBmp>(b.Handle());
  };
  faces_ = std::make_unique<MorphFaces>(MorphFaces{std::move(key), face(false), face(true)});
  return *faces_;
}

void TspSkinMenuItem::DrawMorph(TCanvas* canvas) {
  const MorphFaces& faces = Faces();
  TspEffectBmp mixed(*faces.normal);
  switch (SkinRecord->MorphKind) {
    case mkGradient: mixed.MorphGrad(*faces.active, MorphKf); break;
    case mkLeftGradient: mixed.MorphLeftGrad(*faces.active, MorphKf); break;
    case mkRightGradient: mixed.MorphRightGrad(*faces.active, MorphKf); break;
    case mkLeftSlide: mixed.MorphLeftSlide(*faces.active, MorphKf); break;
    case mkRightSlide: mixed.MorphRightSlide(*faces.active, MorphKf); break;
    case mkPush: mixed.MorphPush(*faces.active, MorphKf); break;
    default: mixed.Morph(*faces.active, MorphKf); break;
  }
  PutRow(canvas, mixed);
}

void TspSkinMenuItem::SetFont(TCanvas* canvas, bool skinFont) {
  TspSkinMenu* menu = Window->Menu;
  TFont* font = canvas->Font();
  if (skinFont) {
    font->SetName(SkinRecord->FontName);
    font->SetStyle(SkinRecord->FontStyle);
    font->SetHeight(SkinRecord->FontHeight);
  } else {
    font->Assign(menu->DefaultMenuItemFont());
  }
  TspSkinData* data = menu->CurrentSkinData();
  font->SetCharset(data && data->ResourceStrData() ? data->ResourceStrData()->CharSet
                                                   : menu->DefaultMenuItemFont()->Charset());
}

void TspSkinMenuItem::DrawFace(TBitmap* b, bool selected, const TRect* frame) {
  const TspDataSkinMenuItem& k = *SkinRecord;
  const Integer w = ItemRect.Width(), h = ItemRect.Height();
  TCanvas* c = b->Canvas();
  // Background.
  TRect source = selected ? ActiveSkinRect : SkinRect;
  bool stretch = selected ? k.stretcheffect : k.InActiveStretchEffect;
  if (!selected && !k.InActiveStretchEffect && k.stretcheffect) stretch = frame != nullptr;
  if (frame) source = *frame;
  TBitmap* background = Window->TransparentBackground.get();
  if (!selected && k.InActiveTransparent && background) {
    c->CopyRect({0, 0, w, h}, background->Canvas(), ItemRect);
  } else if (Picture && !IsNullRect(source)) {
    TBitmap strip;
    CreateHSkinImage(k.ItemLeftOffset, k.ItemRightOffset, &strip, Picture, source, w, h, stretch);
    c->CopyRect({0, 0, w, h}, strip.Canvas(), {0, 0, w, h});
  }
  // Text area and font.
  const Integer imageColumn = !IsNullRect(k.ImageRect) ? 0 : Window->Images ? Window->ImageColumnWidth : 16;
  TRect tr = k.TextRect;
  tr.Right = w + k.TextRect.Right - k.skinrect.Width();
  SetFont(c, Window->Menu->UseSkinFont);
  TColor color = selected ? k.ActiveFontColor : SourceItem->Enabled() ? k.FontColor : k.unenabledfontcolor;
  c->Font()->SetColor(color);
  c->Brush()->SetStyle(bsClear);
  if (SourceItem->OnDrawItem) {
    SourceItem->OnDrawItem(this, c, tr, selected);
    return;
  }
  if (IsMenuHeaderCaption(SourceItem)) {
    DrawHeader(c, w, h);
    return;
  }
  // Caption and shortcut.
  TRect caption = MeasureText(c, SourceItem->Caption(), {tr.Left + imageColumn, 0, tr.Right - 16, 0});
  caption = MovedRect(caption, 0, tr.Top + (tr.Height() - caption.Height()) / 2 - caption.Top);
  caption.Right += 2;
  DrawLineText(c, SourceItem->Caption(), caption);
  if (SourceItem->ShortCut() != scNone) {
    String text = ShortCutToText(SourceItem->ShortCut());
    const Integer sw = MeasureText(c, text, {0, 0, 0, 0}).Width();
    DrawLineText(c, text, {tr.Right - sw - 16, caption.Top, tr.Right - 16, caption.Bottom});
  }
  if (SourceItem->Count() > 0) {
    if (IsNullRect(k.ArrowImageRect))
      DrawMenuArrow(c, tr.Right - 7, CenterOf(tr.Top, tr.Bottom) - 4, color);
    else
      DrawSkinArrowImage(c, {tr.Right - k.ArrowImageRect.Width() - 5, tr.Top, tr.Right, tr.Bottom}, selected);
  }
  // Image or mark.
  const bool hasImageRect = !IsNullRect(k.ImageRect);
  if (k.UseImageColor) color = selected ? k.ActiveImageColor : k.ImageColor;
  if (HasImage()) {
    TCustomImageList* images = Window->Images;
    const bool fromList = images && SourceItem->ImageIndex() >= 0 && SourceItem->ImageIndex() < images->Count();
    const Integer iw = fromList ? images->Width() : SourceItem->Bitmap()->Width();
    const Integer ih = fromList ? images->Height() : SourceItem->Bitmap()->Height();
    Integer x = tr.Left + 2, y = tr.Top + (tr.Height() - ih) / 2;
    if (hasImageRect) x = k.ImageRect.Left + (k.ImageRect.Width() - iw) / 2, y = k.ImageRect.Top + (k.ImageRect.Height() - ih) / 2;
    DrawImage(c, x, y, color);
    return;
  }
  Integer x = tr.Left + 2, y = CenterOf(tr.Top, tr.Bottom) - 4;
  if (hasImageRect) x = CenterOf(k.ImageRect.Left, k.ImageRect.Right) - 4, y = CenterOf(k.ImageRect.Top, k.ImageRect.Bottom) - 4;
  const TRect markRect = hasImageRect ? k.ImageRect : TRect{tr.Left + 2, tr.Top, tr.Left + 16, k.ImageRect.Bottom};
  if (DrawNamedMenuGlyph(c, SourceItem->Name(), x, y, color)) return;
  if (SourceItem->Checked() && SourceItem->RadioItem()) {
    if (IsNullRect(k.RadioImageRect))
      DrawMenuRadio(c, x, y, color);
    else
      DrawSkinRadioImage(c, markRect, selected);
  } else if (SourceItem->Checked()) {
    if (IsNullRect(k.CheckImageRect))
      DrawMenuCheck(c, x, y, color);
    else
      DrawSkinCheckImage(c, markRect, selected);
  }
}

void TspSkinMenuItem::DrawHeader(TCanvas* canvas, Integer width, Integer height) {
  TspSkinData* data = Window->SkinData;
  Integer index = data->GetControlIndex("menuheader");
  if (index < 0) index = data->GetControlIndex("label");
  if (index < 0) return;
  auto* k = dynamic_cast<TspDataSkinLabelControl*>(data->CtrlList[index].get());
  if (!k) return;
  TBitmap* picture = data->ActivePicture(k->pictureindex);
  if (!picture || IsNullRect(k->skinrect)) return;
  TBitmap strip;
  CreateHSkinImage(k->lefttoppoint.X, k->skinrect.Width() - k->righttoppoint.X, &strip, picture, k->skinrect, width,
                   height, k->stretcheffect);
  TFont* font = strip.Canvas()->Font();
  font->SetColor(k->fontcolor);
  font->SetName(k->fontname);
  font->SetHeight(k->fontheight);
  font->SetCharset(canvas->Font()->Charset());
  strip.Canvas()->Brush()->SetStyle(bsClear);
  const String& caption = SourceItem->Caption();
  DrawLineText(strip.Canvas(), caption.substr(1, caption.size() - 2),
               {0, k->clientrect.Top, strip.Width(), strip.Height()});
  ::BitBlt(canvas->Handle(), 0, (height - strip.Height()) / 2, strip.Width(), strip.Height(),
           strip.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspSkinMenuItem::DrawSkinMark(TCanvas* canvas, const TRect& part, const TRect& r) {
  if (!Picture || IsNullRect(part)) return;
  TBitmap mark;
  mark.SetSize(part.Width(), part.Height());
  mark.Canvas()->CopyRect({0, 0, part.Width(), part.Height()}, Picture->Canvas(), part);
  mark.SetTransparent(true);
  const Integer x = Max(r.Left, r.Left + (r.Width() - part.Width()) / 2);
  const Integer y = Max(r.Top, r.Top + (r.Height() - part.Height()) / 2);
  canvas->Draw(x, y, &mark);
}

void TspSkinMenuItem::DrawSkinCheckImage(TCanvas* canvas, const TRect& r, bool active) {
  DrawSkinMark(canvas, active ? SkinRecord->ActiveCheckImageRect : SkinRecord->CheckImageRect, r);
}

void TspSkinMenuItem::DrawSkinRadioImage(TCanvas* canvas, const TRect& r, bool active) {
  DrawSkinMark(canvas, active ? SkinRecord->ActiveRadioImageRect : SkinRecord->RadioImageRect, r);
}

void TspSkinMenuItem::DrawSkinArrowImage(TCanvas* canvas, const TRect& r, bool active) {
  DrawSkinMark(canvas, active ? SkinRecord->ActiveArrowImageRect : SkinRecord->ArrowImageRect, r);
}

// ---- without a skin ----

void TspSkinMenuItem::DefaultDraw(TCanvas* canvas) {
  if (!Shown) return;
  const Integer w = ItemRect.Width(), h = ItemRect.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap b;
  b.SetPixelFormat(pf24bit);
  b.SetSize(w, h);
  TCanvas* c = b.Canvas();
  const Integer column = Window->Images ? Window->ImageColumnWidth : 19;
  c->Font()->Assign(Window->Menu->DefaultMenuItemFont());
  TspSkinData* data = Window->Menu->CurrentSkinData();
  if (data && data->ResourceStrData()) c->Font()->SetCharset(data->ResourceStrData()->CharSet);
  TColor color;
  if (Selected() && !IsSeparator()) {
    TRect r{0, 0, w, h};
    Frame3D(c, r, TColor(0x800000), TColor(0x800000), 1);
    Fill(c, r, TColor(0xD2BDB6));  // red 182, green 189, blue 210
    color = clWindowText;
  } else {
    Fill(c, {0, 0, column, h}, clBtnFace);
    Fill(c, {column, 0, w, h}, clWindow);
    color = SourceItem->Enabled() ? clWindowText : clBtnShadow;
  }
  if (IsSeparator()) {
    c->Pen()->SetColor(clBtnShadow);
    c->MoveTo(column, h / 2);
    c->LineTo(w, h / 2);
    PutRow(canvas, &b);
    return;
  }
  const TRect ia{2, 2, w - 2, h - 2};
  const Integer centre = CenterOf(ia.Top, ia.Bottom);
  c->Font()->SetColor(color);
  c->Brush()->SetStyle(bsClear);
  TRect caption = MeasureText(c, SourceItem->Caption(), {2 + column, 0, w - 2 - 19, 0});
  caption = MovedRect(caption, 0, ia.Top + (ia.Height() - caption.Height()) / 2 - caption.Top);
  caption.Right += 2;
  DrawLineText(c, SourceItem->Caption(), caption);
  if (SourceItem->ShortCut() != scNone) {
    String text = ShortCutToText(SourceItem->ShortCut());
    const Integer sw = MeasureText(c, text, {0, 0, 0, 0}).Width();
    DrawLineText(c, text, {w - 2 - 19 - sw, caption.Top, w - 2 - 19, caption.Bottom});
  }
  if (SourceItem->Count() > 0) DrawMenuArrow(c, w - 9, centre - 4, color);
  if (HasImage()) {
    TCustomImageList* images = Window->Images;
    const bool fromList = images && SourceItem->ImageIndex() >= 0 && SourceItem->ImageIndex() < images->Count();
    const Integer ih = fromList ? images->Height() : SourceItem->Bitmap()->Height();
    DrawImage(c, 4, ia.Top + (ia.Height() - ih) / 2, color);
  } else if (!DrawNamedMenuGlyph(c, SourceItem->Name(), 4, centre - 4, color)) {
    if (SourceItem->Checked() && SourceItem->RadioItem())
      DrawMenuRadio(c, 5, centre - 4, color);  // Ellipse(5, centre - 3, 11, centre + 3)
    else if (SourceItem->Checked())
      DrawMenuCheck(c, 5, centre - 4, color);
  }
  PutRow(canvas, &b);
}
