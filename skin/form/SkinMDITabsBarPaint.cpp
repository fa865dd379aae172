// The looks of the tab bar: its background (the record's strip, the parent's
// picture, or the button face), the tabs (skinned strips, stretched tabs,
// "resizebutton" buttons, or the plain look), their close buttons and the drop
// mark of a tab being dragged.
#include <algorithm>

#include "skin/draw/ParentImage.h"
#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinRects.h"
#include "skin/draw/SkinText.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/SkinMDITabsBar.h"

namespace {

constexpr TColor kHotFace = 0xD2BDB6;     // RGB(182, 189, 210)
constexpr TColor kActiveFace = 0xB59385;  // RGB(133, 147, 181)

bool Empty(const TRect& r) { return r.Width() <= 0 || r.Height() <= 0; }

// A button control record of the skin by name; nullptr without one.
TspDataSkinButtonControl* ButtonRecord(TspSkinData* data, const char* name) {
  if (!data || data->Empty) return nullptr;
  const Integer i = data->GetControlIndex(name);
  return i == -1 ? nullptr : dynamic_cast<TspDataSkinButtonControl*>(data->CtrlList[i].get());
}

// The record's piece stretched to the bitmap's size, corners moved by the growth.
void StretchButton(TBitmap& b, TspSkinData* data, const TspDataSkinButtonControl& r, const TRect& source) {
  TBitmap* picture = data->ActivePicture(r.pictureindex);
  if (!picture || Empty(source)) return;
  const Integer dx = b.Width() - r.skinrect.Width(), dy = b.Height() - r.skinrect.Height();
  TRect client = r.clientrect;
  client.Right += dx;
  client.Bottom += dy;
  CreateSkinImage(r.lefttoppoint, Point(r.righttoppoint.X + dx, r.righttoppoint.Y),
                  Point(r.leftbottompoint.X, r.leftbottompoint.Y + dy),
                  Point(r.rightbottompoint.X + dx, r.rightbottompoint.Y + dy), client, r.lefttoppoint, r.righttoppoint,
                  r.leftbottompoint, r.rightbottompoint, r.clientrect, &b, picture, source, b.Width(), b.Height(), true,
                  r.leftstretch, r.topstretch, r.rightstretch, r.bottomstretch, r.stretcheffect, r.stretchtype);
}

TRect Or(const TRect& r, const TRect& fallback) { return Empty(r) ? fallback : r; }

}  // namespace

// ---- the bar ----

TspDataSkinTabControl* TspSkinMDITabsBar::Record() const {
  if (SkinRecordIndex == -1 || !SkinData() || SkinData()->Empty) return nullptr;
  if (SkinRecordIndex >= Integer(SkinData()->CtrlList.size())) return nullptr;
  return dynamic_cast<TspDataSkinTabControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
}

void TspSkinMDITabsBar::GetSkinData() {
  TspSkinControl::GetSkinData();
  TspDataSkinTabControl* r = Record();
  Picture = r ? SkinData()->ActivePicture(r->pictureindex) : nullptr;
  if (!r) return;
  SkinTabRect = r->tabrect;
  ActiveTabRect = Or(r->activetabrect, r->tabrect);
  MouseInTabRect = Or(r->mouseintabrect, r->tabrect);
  TabsBGRect = r->tabsbgrect;
  CloseButtonRect = r->closebuttonrect;
  CloseButtonActiveRect = Or(r->closebuttonactiverect, CloseButtonRect);
  CloseButtonDownRect = Or(r->closebuttondownrect, CloseButtonActiveRect);
  ClientOffset = r->clientrect.Top;
  ActiveTabGrow = ActiveTabRect.Height() - SkinTabRect.Height();
}

void TspSkinMDITabsBar::Paint() {
  TspSkinControl::Paint();
  if (HiddenCount > 0 && !hideListButton_) ShowHideListButton();
  if (HiddenCount == 0 && hideListButton_) HideHideListButton();
}

void TspSkinMDITabsBar::CreateControlDefaultImage(TBitmap* b) {
  b->Canvas()->Brush()->SetColor(clBtnFace);
  b->Canvas()->FillRect(TRect{0, 0, b->Width(), b->Height()});
  DrawTabs(b);
}

void TspSkinMDITabsBar::CreateControlSkinImage(TBitmap* b) {
  TspDataSkinTabControl* r = Record();
  const Integer stripH = tabKind_ == sptkButton ? Height() : Height() - ClientOffset;
  if (SkinData()->MDITabsTransparent) {
    GetParentImage(this, b->Canvas());
  } else if (Picture && !Empty(TabsBGRect)) {
    // The background piece tiled from the left, cut at the bitmap's edges.
    const Integer tw = TabsBGRect.Width(), th = std::min(TabsBGRect.Height(), stripH);
    for (Integer x = 0; x < b->Width(); x += tw)
      ::BitBlt(b->Canvas()->Handle(), x, 0, std::min(tw, b->Width() - x), th, Picture->Canvas()->Handle(),
               TabsBGRect.Left, TabsBGRect.Top, SRCCOPY);
  } else {
    b->Canvas()->Brush()->SetColor(clBtnFace);
    b->Canvas()->FillRect(TRect{0, 0, b->Width(), b->Height()});
  }
  if (tabKind_ == sptkTab && Picture && r && !Empty(r->skinrect) && ClientOffset > 0) {
    const TRect piece{r->skinrect.Left + r->lefttoppoint.X, r->skinrect.Top, r->skinrect.Left + r->righttoppoint.X,
                      r->skinrect.Top + ClientOffset};
    if (!Empty(piece)) {
      TBitmap strip;
      CreateHSkinImage(r->lefttoppoint.X, r->skinrect.Width() - r->righttoppoint.X, &strip, Picture, piece, Width(),
                       ClientOffset, r->topstretch);
      b->Canvas()->Draw(0, Height() - ClientOffset, &strip);
    }
  }
  DrawTabs(b);
}

void TspSkinMDITabsBar::DrawTabs(TBitmap* b) {
  if (tabs_.empty()) return;
  CalcObjectRects();
  const bool dragging = MouseDownOnTab && MoveTabIndex >= 0 && MoveTabIndex < Integer(tabs_.size());
  for (Integer i = 0; i < Integer(tabs_.size()); ++i)
    if (tabs_[i]->Visible && !(dragging && i == MoveTabIndex)) tabs_[i]->Draw(b->Canvas());
  if (!Moving || !dragging) {
    if (dragging) tabs_[MoveTabIndex]->Draw(b->Canvas());
    return;
  }
  tabs_[MoveTabIndex]->Draw(b->Canvas());
  DrawDropMark(b->Canvas(), b->Height());
}

void TspSkinMDITabsBar::DrawDropMark(TCanvas* c, Integer h) {
  const Integer target = GetMoveIndex();
  if (target == -1) return;
  const TRect& r = tabs_[target]->TabRect;
  const Integer x = MoveOffset < 1 ? r.Left : r.Right;
  c->Pen()->SetMode(pmNot);
  for (Integer dx = -1; dx <= 1; ++dx) {
    c->MoveTo(x + dx, 0);
    c->LineTo(x + dx, h);
  }
  const Integer m = h / 2;
  c->MoveTo(x + 2, m);
  c->LineTo(x + 5, m - 3);
  c->LineTo(x + 5, m + 3);
  c->LineTo(x + 2, m);
  c->MoveTo(x - 2, m);
  c->LineTo(x - 5, m - 3);
  c->LineTo(x - 5, m + 3);
  c->LineTo(x - 2, m);
  c->Pen()->SetMode(pmCopy);
}

void TspSkinMDITabsBar::RedrawTab(TspMDITab* tab) {
  if (!tab->Visible || Empty(tab->TabRect) || !HandleAllocated()) return;
  GetSkinData();
  tab->Draw(Canvas());
}

// ---- a tab ----

void TspMDITab::Draw(TCanvas* canvas) {
  if (TabRect.Width() <= 0) return;
  const bool skinned = Bar->Record() && Bar->Picture;
  if (Bar->TabKind() == sptkButton && skinned) return ButtonDraw(canvas);
  if (skinned && !Bar->UseSkinSize && Bar->TabKind() == sptkTab) return ResizeDraw(canvas);
  TBitmap b(TabRect.Width(), TabRect.Height());
  DrawLook(b, skinned);
  canvas->Draw(TabRect.Left, TabRect.Top, &b);
}

void TspMDITab::DrawLook(TBitmap& b, bool skinned) {
  const Integer w = b.Width(), h = b.Height();
  TspDataSkinTabControl* r = Bar->Record();
  TColor color = clBtnText;
  if (!skinned) {
    b.Canvas()->Brush()->SetColor(Active ? kActiveFace : MouseIn ? kHotFace : clBtnFace);
    b.Canvas()->FillRect(TRect{0, 0, w, h});
    b.Canvas()->Font()->Assign(Bar->DefaultFont());
  } else {
    const TRect source = MouseIn && !Active ? Bar->MouseInTabRect : Active ? Bar->ActiveTabRect : Bar->SkinTabRect;
    color = MouseIn && !Active ? r->mouseinfontcolor : Active ? r->focusfontcolor : r->fontcolor;
    CreateHSkinImage(r->tableftoffset, r->tabrightoffset, &b, Bar->Picture, source, w, h, r->tabstretcheffect);
    if (Bar->UseSkinFont) {
      b.Canvas()->Font()->SetName(r->fontname);
      b.Canvas()->Font()->SetStyle(r->fontstyle);
      b.Canvas()->Font()->SetHeight(r->fontheight);
    } else {
      b.Canvas()->Font()->Assign(Bar->DefaultFont());
    }
  }
  TRect text = skinned ? TRect{r->tableftoffset, 0, w - r->tabrightoffset, h} : TRect{2, 0, w - 2, h};
  if (Bar->ShowCloseButtons) {
    text = TRect{2, 0, w - Bar->CloseSize - 5, h};
    DrawCloseButton(b.Canvas(), TRect{text.Right, 0, w, h});
  }
  DrawCaption(b, text, color);
}

void TspMDITab::DrawCaption(TBitmap& b, const TRect& textRect, TColor color) {
  TCanvas* c = b.Canvas();
  c->Font()->SetColor(color);
  c->Brush()->SetStyle(bsClear);
  WideString caption = WideOf(Child->Caption());
  CorrectTextbyWidthW(c, caption, textRect.Width());
  TRect r = textRect;
  SPDrawSkinText(c, caption, r, Bar->DrawTextBiDiModeFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
  c->Brush()->SetStyle(bsSolid);
}

void TspMDITab::ResizeDraw(TCanvas* canvas) {
  TspDataSkinTabControl* r = Bar->Record();
  TBitmap b(TabRect.Width(), TabRect.Height() + (Active ? Bar->ActiveTabGrow : 0));
  const TRect source = MouseIn && !Active ? Bar->MouseInTabRect : Active ? Bar->ActiveTabRect : Bar->SkinTabRect;
  const Integer quarter = Bar->SkinTabRect.Height() / 4;
  CreateStretchImage(&b, Bar->Picture, source,
                     TRect{r->tableftoffset, quarter, source.Width() - r->tabrightoffset, source.Height() - quarter},
                     true);
  const TColor color = MouseIn && !Active ? r->mouseinfontcolor : Active ? r->focusfontcolor : r->fontcolor;
  b.Canvas()->Font()->Assign(Bar->DefaultFont());
  if (Bar->UseSkinFont) {
    b.Canvas()->Font()->SetName(r->fontname);
    b.Canvas()->Font()->SetStyle(r->fontstyle);
    b.Canvas()->Font()->SetHeight(r->fontheight);
  }
  TRect text{2, 0, b.Width() - 2, b.Height()};
  if (Bar->ShowCloseButtons) {
    text.Right = b.Width() - Bar->CloseSize - 5;
    DrawCloseButton(b.Canvas(), TRect{text.Right, 0, b.Width(), b.Height()});
  }
  DrawCaption(b, text, color);
  canvas->Draw(TabRect.Left, TabRect.Top, &b);
}

void TspMDITab::ButtonDraw(TCanvas* canvas) {
  TspSkinData* data = Bar->SkinData();
  TspDataSkinButtonControl* r = ButtonRecord(data, "resizebutton");
  if (!r) return;
  TBitmap b(TabRect.Width(), TabRect.Height());
  TRect source = r->skinrect;
  TColor color = r->fontcolor;
  if (Active) {
    source = Or(r->downskinrect, Or(r->activeskinrect, r->skinrect));
    color = r->downfontcolor;
  } else if (MouseIn) {
    source = Or(r->activeskinrect, r->skinrect);
    color = r->activefontcolor;
  }
  StretchButton(b, data, *r, source);
  b.Canvas()->Font()->Assign(Bar->DefaultFont());
  if (Bar->UseSkinFont) {
    b.Canvas()->Font()->SetName(r->fontname);
    b.Canvas()->Font()->SetStyle(r->fontstyle);
    b.Canvas()->Font()->SetHeight(r->fontheight);
  }
  TRect text = r->clientrect;
  text.Right += b.Width() - r->skinrect.Width();
  text.Bottom += b.Height() - r->skinrect.Height();
  if (Bar->ShowCloseButtons) {
    text.Right -= Bar->CloseSize + 3;
    DrawCloseButton(b.Canvas(), TRect{text.Right, 0, b.Width(), b.Height()});
  }
  const Integer textH = b.Canvas()->TextHeight("Wg");
  if (textH > text.Height()) {
    text.Top = (b.Height() - textH) / 2;
    text.Bottom = text.Top + textH;
  }
  DrawCaption(b, text, color);
  canvas->Draw(TabRect.Left, TabRect.Top, &b);
}

void TspMDITab::DrawCloseButton(TCanvas* canvas, const TRect& r) {
  const Integer cy = r.Top + r.Height() / 2;
  TspDataSkinTabControl* record = Bar->Record();
  if (!record || !Bar->Picture) {
    CloseRect = TRect{r.Left, cy - 7, r.Left + 14, cy + 7};
    DrawCloseImage(canvas, CloseRect.Left + 2, CloseRect.Top + 2, CloseMouseIn ? clWhite : clBlack);
    return;
  }
  if (!Empty(Bar->CloseButtonRect)) {
    const TRect source = CloseDown && CloseMouseIn ? Bar->CloseButtonDownRect
                         : CloseMouseIn            ? Bar->CloseButtonActiveRect
                                                   : Bar->CloseButtonRect;
    const Integer w = source.Width(), h = source.Height();
    CloseRect = TRect{r.Left, cy - h / 2, r.Left + w, cy - h / 2 + h};
    TBitmap piece(w, h);
    ::BitBlt(piece.Canvas()->Handle(), 0, 0, w, h, Bar->Picture->Canvas()->Handle(), source.Left, source.Top, SRCCOPY);
    if (record->buttontransparent) {
      piece.SetTransparentMode(tmFixed);
      piece.SetTransparentColor(record->buttontransparentcolor);
      piece.SetTransparent(true);
    }
    canvas->Draw(CloseRect.Left, CloseRect.Top, &piece);
    return;
  }
  TspSkinData* data = Bar->SkinData();
  TspDataSkinButtonControl* button = ButtonRecord(data, "resizetoolbutton");
  if (!button) return;
  const Integer size = Bar->CloseSize;
  TBitmap square(size, size);
  TRect source = button->skinrect;
  TColor color = button->fontcolor;
  if (CloseDown && CloseMouseIn) {
    source = Or(button->downskinrect, Or(button->activeskinrect, button->skinrect));
    color = button->downfontcolor;
  } else if (CloseMouseIn) {
    source = Or(button->activeskinrect, button->skinrect);
    color = button->activefontcolor;
  }
  StretchButton(square, data, *button, source);
  DrawCloseImage(square.Canvas(), size / 2 - 5, size / 2 - 5, color);
  CloseRect = TRect{r.Left, cy - size / 2, r.Left + size, cy - size / 2 + size};
  canvas->Draw(CloseRect.Left, CloseRect.Top, &square);
}
