// The main menu bar's layout and looks: the row area with the MDI buttons at its
// ends, the background, the bar items (skinned faces with morphing and
// animation, or the plain look), the MDI buttons and the marker of hidden items.
#include <algorithm>

#include "platform/graphics/Frame3D.h"
#include "skin/draw/MorphKind.h"
#include "skin/draw/ParentImage.h"
#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinText.h"
#include "skin/draw/Speffbmp.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinMainMenuBar.h"

namespace {

constexpr TColor kHotFace = 0xD2BDB6;   // RGB(182, 189, 210)
constexpr TColor kDownFace = 0xB59285;  // RGB(133, 146, 181)

bool Empty(const TRect& r) { return r.Width() <= 0 || r.Height() <= 0; }

void ShiftRect(TRect& r, Integer dx, Integer dy) {
  r.Left += dx, r.Right += dx;
  r.Top += dy, r.Bottom += dy;
}

void FlatFace(TCanvas* c, const TRect& r, TColor face, bool framed) {
  TRect inner = r;
  if (framed) Frame3D(c, inner, clNavy, clNavy, 1);
  c->Brush()->SetColor(face);
  c->FillRect(inner);
}

}  // namespace

// ---- the bar ----

void TspSkinMainMenuBar::CalcRects() {
  TspDataSkinMainMenuBar* r = Record();
  BarItemsRect = r ? TRect{r->itemsrect.Left, r->itemsrect.Top, Width() + r->itemsrect.Right - r->skinrect.Width(),
                           r->itemsrect.Bottom}
                   : TRect{2, 2, Width() - 2, Height() - 2};
  if (!MDIButtonsShown || ButtonCount != 4 || objects_.size() < 4) return;
  auto place = [this](TspMenuBarObject& o, bool left) {
    auto& button = static_cast<TspSkinMainMenuBarButton&>(o);
    const Integer h = BarItemsRect.Height();
    const Integer w = button.SkinSupport ? button.skinrect.Width() : h;
    const Integer bh = button.SkinSupport ? button.skinrect.Height() : h;
    const Integer top = BarItemsRect.Top + (h - bh) / 2;
    if (left) {
      o.ObjectRect = TRect{BarItemsRect.Left, top, BarItemsRect.Left + w, top + bh};
      BarItemsRect.Left += w + 2;
    } else {
      o.ObjectRect = TRect{BarItemsRect.Right - w, top, BarItemsRect.Right, top + bh};
      BarItemsRect.Right -= w + 2;
    }
  };
  place(*objects_[0], true);
  for (Integer i = 1; i < 4; ++i) place(*objects_[i], false);
}

void TspSkinMainMenuBar::PaintMenuBar(TCanvas* canvas) {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  TBitmap b(Width(), Height());
  TspDataSkinMainMenuBar* r = Record();
  if (!r) {
    b.Canvas()->Brush()->SetColor(clBtnFace);
    b.Canvas()->FillRect(TRect{0, 0, Width(), Height()});
  } else if (SkinData()->MainMenuBarTransparent) {
    GetParentImage(this, b.Canvas());
  } else if (Picture && !Empty(r->skinrect)) {
    CreateHSkinImage(r->itemsrect.Left, r->skinrect.Width() - r->itemsrect.Right, &b, Picture, r->skinrect, Width(),
                     Height(), r->stretcheffect);
  }
  CalcRects();
  ItemsHidden = false;
  for (auto& o : objects_)
    if (o->Visible) o->Draw(b.Canvas());
  if (ItemsHidden && ScrollMenu) DrawMarker(b.Canvas());
  canvas->Draw(0, 0, &b);
}

void TspSkinMainMenuBar::DrawSkinObject(TspMenuBarObject* object) {
  if (!HandleAllocated()) return;
  TspDataSkinMainMenuBar* r = Record();
  if (dynamic_cast<TspSkinMainMenuBarItem*>(object) && r && r->itemtransparent) return Invalidate();
  if (object->Visible) object->Draw(Canvas());
}

TRect TspSkinMainMenuBar::GetMarkerRect() const {
  return TRect{BarItemsRect.Right - 5, BarItemsRect.Top, BarItemsRect.Right, BarItemsRect.Bottom};
}

void TspSkinMainMenuBar::DrawMarker(TCanvas* canvas) {
  TspDataSkinMainMenuBar* r = Record();
  const TColor color = r ? (MarkerHot ? r->trackmarkactivecolor : r->trackmarkcolor)
                         : (MarkerHot ? clBtnText : clBtnShadow);
  DrawArrowImage(canvas, GetMarkerRect(), color, 2);
}

// ---- a bar item ----

void TspSkinMainMenuBarItem::SetFont(TCanvas* canvas) const {
  if (SkinSupport && Bar->UseSkinFont) {
    canvas->Font()->SetName(FontName);
    canvas->Font()->SetStyle(FontStyle);
    canvas->Font()->SetHeight(FontHeight);
  } else {
    canvas->Font()->Assign(Bar->DefItemFont());
  }
}

void TspSkinMainMenuBarItem::ComputeRect(TCanvas* canvas) {
  const auto& objects = Bar->Objects();
  Integer left = Bar->BarItemsRect.Left;
  for (size_t i = 0; i < objects.size() && objects[i].get() != this; ++i)
    if (dynamic_cast<TspSkinMainMenuBarItem*>(objects[i].get())) left = objects[i]->ObjectRect.Right;
  if (left == 0) left = Bar->BarItemsRect.Left;
  SetFont(canvas);
  WideString caption = WideOf(MenuItem->Caption());
  TRect calc{0, 0, 0, 0};
  SPDrawSkinText(canvas, caption, calc, DT_CALCRECT | DT_CENTER);
  const Integer w = calc.Width();
  ObjectRect.Left = left;
  ObjectRect.Top = Bar->BarItemsRect.Top;
  if (SkinSupport) {
    ObjectRect.Right = left + skinrect.Width() + TextRect.Left + w - TextRect.Right + 2;
    ObjectRect.Bottom = ObjectRect.Top + skinrect.Height();
  } else {
    ObjectRect.Right = left + w + 12;
    ObjectRect.Bottom = Bar->BarItemsRect.Bottom;
  }
}

void TspSkinMainMenuBarItem::Draw(TCanvas* canvas) {
  // A skinned item without both rectangles is not drawn and keeps its place.
  if (SkinSupport && Picture && (Empty(skinrect) || Empty(TextRect))) return;
  ComputeRect(canvas);
  const Integer limit = Bar->BarItemsRect.Right - (Bar->ScrollMenu ? 5 : 0);
  if (ObjectRect.Right > limit) {
    Bar->ItemsHidden = true;
    if (InBar) {
      SavedEnabled = Enabled;
      Enabled = false;
      InBar = false;
    }
    return;
  }
  if (!InBar) {
    InBar = true;
    Enabled = SavedEnabled;
  }
  // Without a picture a skinned item falls back to the plain look.
  if (!SkinSupport || !Picture) return DefaultDraw(canvas);
  if (Down) return DrawFace(canvas, downrect, true, false);
  if (EnableAnimation() && AnimFrame >= 1 && AnimFrame <= framecount) {
    const Integer fw = animateskinrect.Width() / std::max<Integer>(1, framecount);
    const TRect frame{animateskinrect.Left + (AnimFrame - 1) * fw, animateskinrect.Top,
                      animateskinrect.Left + AnimFrame * fw, animateskinrect.Bottom};
    return DrawFace(canvas, frame, true, false);
  }
  const TRect hot = Empty(activeskinrect) ? skinrect : activeskinrect;
  if (EnableMorphing() && ((Active && MorphKf < 1) || (!Active && MorphKf > 0))) {
    const Integer w = ObjectRect.Width(), h = ObjectRect.Height();
    TBitmap normal(w, h), active(w, h);
    CreateHSkinImage(ItemLeftOffset, ItemRightOffset, &normal, Picture, skinrect, w, h, false);
    CreateHSkinImage(ItemLeftOffset, ItemRightOffset, &active, Picture, hot, w, h, stretcheffect);
    TspEffectBmp from(normal.Handle()), to(active.Handle());
    MorphByKind(from, to, MorphKf, MorphKind);
    from.Draw(normal.Canvas()->Handle(), 0, 0);
    canvas->Draw(ObjectRect.Left, ObjectRect.Top, &normal);
    return;
  }
  if (Active) return DrawFace(canvas, hot, true, false);
  DrawFace(canvas, skinrect, false, true);
}

void TspSkinMainMenuBarItem::DrawFace(TCanvas* canvas, const TRect& source, bool hot, bool own) {
  const Integer w = ObjectRect.Width(), h = ObjectRect.Height();
  TBitmap face(w, h);
  TspDataSkinMainMenuBar* bar = Bar->Record();
  if (own && bar && bar->itemtransparent) {
    // The bar's own pixels under the item (the canvas is the bar's picture).
    ::BitBlt(face.Canvas()->Handle(), 0, 0, w, h, canvas->Handle(), ObjectRect.Left, ObjectRect.Top, SRCCOPY);
  } else {
    CreateHSkinImage(ItemLeftOffset, ItemRightOffset, &face, Picture, source, w, h, hot && stretcheffect);
  }
  SetFont(face.Canvas());
  TColor color = Down ? DownFontColor : hot ? ActiveFontColor : MenuItem->Enabled() ? FontColor : unenabledfontcolor;
  face.Canvas()->Font()->SetColor(color);
  face.Canvas()->Brush()->SetStyle(bsClear);
  WideString caption = WideOf(MenuItem->Caption());
  TRect text{TextRect.Left, TextRect.Top, TextRect.Left, TextRect.Top};
  SPDrawSkinText(face.Canvas(), caption, text, DT_CALCRECT | DT_CENTER);
  text.Right += 2;
  text.Bottom = std::max(text.Bottom, TextRect.Bottom);
  SPDrawSkinText(face.Canvas(), caption, text, Bar->DrawTextBiDiModeFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
  canvas->Draw(ObjectRect.Left, ObjectRect.Top, &face);
}

void TspSkinMainMenuBarItem::DefaultDraw(TCanvas* canvas) {
  const Integer w = ObjectRect.Width(), h = ObjectRect.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap face(w, h);
  const TRect all{0, 0, w, h};
  if (Down)
    FlatFace(face.Canvas(), all, kDownFace, true);
  else if (MouseOver)
    FlatFace(face.Canvas(), all, kHotFace, true);
  else
    FlatFace(face.Canvas(), all, clBtnFace, false);
  face.Canvas()->Font()->Assign(Bar->DefItemFont());
  if (!MenuItem->Enabled()) face.Canvas()->Font()->SetColor(clBtnShadow);
  face.Canvas()->Brush()->SetStyle(bsClear);
  TRect text = all;
  if (Down) ShiftRect(text, 1, 1);
  WideString caption = WideOf(MenuItem->Caption());
  SPDrawSkinText(face.Canvas(), caption, text, Bar->DrawTextBiDiModeFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
  canvas->Draw(ObjectRect.Left, ObjectRect.Top, &face);
}

// ---- an MDI button ----

void TspSkinMainMenuBarButton::Draw(TCanvas* canvas) {
  if (!SkinSupport || !Picture) return DefaultDraw(canvas);
  const Integer w = ObjectRect.Width(), h = ObjectRect.Height();
  TBitmap face(w, h);
  auto copy = [&](TBitmap& into, const TRect& source) {
    ::BitBlt(into.Canvas()->Handle(), 0, 0, w, h, Picture->Canvas()->Handle(), source.Left, source.Top, SRCCOPY);
  };
  if (Down && MouseOver && !Empty(downrect)) {
    copy(face, downrect);
  } else if (EnableMorphing() && CanMorphing()) {
    TBitmap active(w, h);
    copy(face, skinrect);
    copy(active, activeskinrect);
    TspEffectBmp from(face.Handle()), to(active.Handle());
    MorphByKind(from, to, MorphKf, MorphKind);
    from.Draw(face.Canvas()->Handle(), 0, 0);
  } else {
    copy(face, Active && !Empty(activeskinrect) ? activeskinrect : skinrect);
  }
  canvas->Draw(ObjectRect.Left, ObjectRect.Top, &face);
}

void TspSkinMainMenuBarButton::DefaultDraw(TCanvas* canvas) {
  const Integer w = ObjectRect.Width(), h = ObjectRect.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap face(w, h);
  const TRect all{0, 0, w, h};
  if (Down && MouseOver)
    FlatFace(face.Canvas(), all, kDownFace, true);
  else if (MouseOver)
    FlatFace(face.Canvas(), all, kHotFace, true);
  else
    FlatFace(face.Canvas(), all, clBtnFace, false);
  const TColor color = Enabled ? clBtnText : clBtnShadow;
  const bool pressed = Down && MouseOver;
  const Integer x = pressed ? w / 2 - 4 : w / 2 - 5, y = pressed ? h / 2 - 3 : h / 2 - 4;
  switch (Command) {
    case cmClose: DrawCloseImage(face.Canvas(), x, y, color); break;
    case cmMaximize: DrawRestoreImage(face.Canvas(), x, y, color); break;
    case cmMinimize: DrawMinimizeImage(face.Canvas(), x, y, color); break;
    default: DrawSysMenuImage(face.Canvas(), x, y, color); break;
  }
  canvas->Draw(ObjectRect.Left, ObjectRect.Top, &face);
}
