// The tab strip's painting: page area, frame, the row of tabs and each tab
// with its image, caption and close button.
#include "platform/comctrls/PageControl.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinButtonRecord.h"
#include "skin/controls/tabs/SkinTabs.h"
#include "skin/controls/tabs/TabRects.h"
#include "skin/data/SkinColors.h"
#include "skin/draw/ParentImage.h"
#include "skin/draw/SPUtils.h"
#include "skin/draw/Speffbmp.h"

using tabs_detail::Moved;

template <class Base>
void TspSkinTabs<Base>::FillPageArea(TCanvas* canvas, const TRect& area, Integer width, Integer height) {
  TBitmap* bg = skinData_->ActivePicture(record_->bgpictureindex);
  TBitmap piece;
  if (!bg) {
    TRect c = Moved(clientRect, skinRect.Left, skinRect.Top);
    piece.SetSize(RectWidth(c), RectHeight(c));
    piece.Canvas()->CopyRect(TRect{0, 0, piece.Width(), piece.Height()}, Picture->Canvas(), c);
    bg = &piece;
  }
  if (bg->Width() <= 0 || bg->Height() <= 0) return;
  HDC dc = canvas->Handle();
  int saved = ::SaveDC(dc);
  if (!IsNullRect(area)) ::IntersectClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
  if (record_->stretcheffect && record_->stretchtype == spstFull) {
    canvas->StretchDraw(TRect{0, 0, width, height}, bg);
  } else if (record_->stretcheffect) {
    bool horizontal = record_->stretchtype == spstHorz;
    TBitmap strip(horizontal ? bg->Width() : width, horizontal ? height : bg->Height());
    strip.Canvas()->StretchDraw(TRect{0, 0, strip.Width(), strip.Height()}, bg);
    for (Integer i = 0; i * (horizontal ? strip.Width() : strip.Height()) < (horizontal ? width : height); ++i)
      canvas->Draw(horizontal ? i * strip.Width() : 0, horizontal ? 0 : i * strip.Height(), &strip);
  } else {
    for (Integer y = 0; y < height; y += bg->Height())
      for (Integer x = 0; x < width; x += bg->Width()) canvas->Draw(x, y, bg);
  }
  ::RestoreDC(dc, saved);
}

template <class Base>
void TspSkinTabs<Base>::PaintDefaultWindow(TCanvas* canvas) {
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(TRect{0, 0, this->Width(), this->Height()});
  TRect d = this->DisplayRect();
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(TRect{d.Left - 1, d.Top - 1, d.Right + 1, d.Bottom + 1});
}

template <class Base>
void TspSkinTabs<Base>::PaintSkinWindow(TCanvas* canvas) {
  TRect d = this->DisplayRect();
  if (skinData_->ActivePicture(record_->bgpictureindex))
    return FillPageArea(canvas, TRect{}, this->Width(), this->Height());
  FillPageArea(canvas, d, this->Width(), this->Height());
  TRect f = FrameRect();
  Integer w = RectWidth(f), h = RectHeight(f);
  Integer dw = w - RectWidth(skinRect), dh = h - RectHeight(skinRect);
  const TspDataSkinTabControl& r = *record_;
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages(r.lefttoppoint, r.righttoppoint, r.leftbottompoint, r.rightbottompoint, clientRect,
                         r.lefttoppoint, TPoint{r.righttoppoint.X + dw, r.righttoppoint.Y},
                         TPoint{r.leftbottompoint.X, r.leftbottompoint.Y + dh},
                         TPoint{r.rightbottompoint.X + dw, r.rightbottompoint.Y + dh},
                         TRect{clientRect.Left, clientRect.Top, clientRect.Right + dw, clientRect.Bottom + dh}, &left,
                         &top, &right, &bottom, Picture, skinRect, w, h, r.leftstretch, r.topstretch, r.rightstretch,
                         r.bottomstretch);
  HDC dc = canvas->Handle();
  int saved = ::SaveDC(dc);
  TRect active = GetActiveTabRect();
  if (!IsNullRect(active)) ::ExcludeClipRect(dc, active.Left, active.Top, active.Right, active.Bottom);
  canvas->Draw(f.Left, f.Top, &top);
  canvas->Draw(f.Left, f.Top + top.Height(), &left);
  canvas->Draw(f.Right - right.Width(), f.Top + top.Height(), &right);
  canvas->Draw(f.Left, f.Bottom - bottom.Height(), &bottom);
  ::RestoreDC(dc, saved);
}

template <class Base>
void TspSkinTabs<Base>::PaintWindow(HDC dc) {
  if (this->Width() <= 0 || this->Height() <= 0) return;
  GetSkinData();
  int saved = ::SaveDC(dc);
  TCanvas canvas;
  canvas.SetHandle(dc);
  if (!HasRecord() || !Picture) PaintDefaultWindow(&canvas);
  else PaintSkinWindow(&canvas);
  DrawTabs(&canvas);
  canvas.SetHandle(nullptr);
  ::RestoreDC(dc, saved);
}

template <class Base>
void TspSkinTabs<Base>::DrawTabs(TCanvas* canvas) {
  if (!TabsShown() || ItemCount() == 0) return;
  Integer active = this->TabIndex();
  if (!HasRecord() || !Picture) {
    for (Integer tab = 0; tab < this->TabCount(); ++tab)
      DrawTab(ItemOfTab(tab), GetItemRect(tab), tab == active, tab == hoverTab_, canvas);
    return;
  }
  DrawTabStrip(canvas, active);
  if (active < 0 || active >= this->TabCount()) return;
  TRect r = GetItemRect(active);
  Integer diff = RectHeight(tabRect) - RectHeight(activeTabRect);
  if (diff != 0 && this->TabPosition() == tpBottom) r = Moved(r, 0, diff);
  if (diff != 0 && this->TabPosition() == tpRight) r = Moved(r, diff, 0);
  Integer item = ItemOfTab(active);
  DrawTab(item < 0 ? 0 : item, r, true, active == hoverTab_, canvas);
}

// The band the tabs stand on, with every inactive tab, drawn off screen and
// copied around the active tab, which is drawn over the frame afterwards.
template <class Base>
void TspSkinTabs<Base>::DrawTabStrip(TCanvas* canvas, Integer active) {
  TRect f = FrameRect();
  Integer sw = this->Width(), sh = f.Top, sx = 0, sy = 0;
  switch (this->TabPosition()) {
    case tpTop: break;
    case tpBottom: sh = this->Height() - f.Bottom, sy = f.Bottom; break;
    case tpLeft: sw = f.Left, sh = this->Height(); break;
    case tpRight: sw = this->Width() - f.Right, sh = this->Height(), sx = f.Right; break;
  }
  if (sw <= 0 || sh <= 0) return;
  TBitmap strip(sw, sh);
  TCanvas* sc = strip.Canvas();
  if (tabsBGTransparent_) {
    GetParentImageRect(this, TRect{sx, sy, sx + sw, sy + sh}, sc);
  } else if (!IsNullRect(tabsBGRect)) {
    TBitmap tile(RectWidth(tabsBGRect), RectHeight(tabsBGRect));
    tile.Canvas()->CopyRect(TRect{0, 0, tile.Width(), tile.Height()}, Picture->Canvas(), tabsBGRect);
    for (Integer y = 0; y < sh; y += tile.Height())
      for (Integer x = 0; x < sw; x += tile.Width()) sc->Draw(x, y, &tile);
  }
  for (Integer tab = 0; tab < this->TabCount(); ++tab)
    if (tab != active) DrawTab(ItemOfTab(tab), Moved(GetItemRect(tab), -sx, -sy), false, tab == hoverTab_, sc);
  HDC dc = canvas->Handle();
  int saved = ::SaveDC(dc);
  TRect activeRect = GetActiveTabRect();
  if (!IsNullRect(activeRect)) ::ExcludeClipRect(dc, activeRect.Left, activeRect.Top, activeRect.Right, activeRect.Bottom);
  canvas->Draw(sx, sy, &strip);
  ::RestoreDC(dc, saved);
}

// The tab's face from the record, flipped for bottom tabs, with the font and
// focus rectangle of its state; `shift` moves an inactive caption toward the
// frame when active tabs are taller.
template <class Base>
void TspSkinTabs<Base>::DrawTabFace(TBitmap& b, bool active, bool mouseIn, bool focused, Integer& shift) {
  const TspDataSkinTabControl& rec = *record_;
  TCanvas* c = b.Canvas();
  Integer w = b.Width(), h = b.Height();
  TRect source = mouseIn && !active && !IsNullRect(mouseInTabRect) ? mouseInTabRect
                 : active && focused                              ? focusTabRect
                 : !active                                        ? tabRect
                                                                  : activeTabRect;
  if (this->TabHeight() > 0) {
    Integer grow = RectHeight(activeTabRect) - RectHeight(tabRect);
    if (active && grow <= 0 && focused) grow = RectHeight(focusTabRect) - RectHeight(tabRect);
    if (active && grow > 0) b.SetSize(w, h + grow);
    Integer q = RectHeight(tabRect) / 4;
    CreateStretchImage(&b, Picture, source,
                       TRect{rec.tableftoffset, q, RectWidth(source) - rec.tabrightoffset, RectHeight(source) - q}, true);
  } else {
    CreateHSkinImage(rec.tableftoffset, rec.tabrightoffset, &b, Picture, source, w, h, rec.tabstretcheffect);
  }
  if (this->TabPosition() == tpBottom) {
    TspEffectBmp image(b.Handle()), flipped(b.Width(), b.Height());
    image.FlipVert(flipped);
    flipped.Draw(c->Handle(), 0, 0);
  }
  if (UseSkinFont) SetRecordFont(c->Font(), rec.fontname, rec.fontstyle, rec.fontheight);
  else c->Font()->Assign(this->Font());
  c->Font()->SetCharset(SkinCharset(skinData_, this->Font()));
  c->Font()->SetColor(mouseIn && !active ? rec.mouseinfontcolor : active && focused ? rec.focusfontcolor
                      : !active          ? rec.fontcolor
                                         : rec.activefontcolor);
  if (rec.showfocus && focused && active) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(skinData_->SkinColors ? skinData_->SkinColors->cBtnFace : clBtnFace);
    c->DrawFocusRect(TRect{rec.focusoffsetx, rec.focusoffsety, b.Width() - rec.focusoffsetx, b.Height() - rec.focusoffsety});
  }
  if (RectHeight(tabRect) != RectHeight(activeTabRect) && !active)
    shift = this->TabPosition() == tpTop || this->TabPosition() == tpLeft ? CaptionShift() : -CaptionShift();
}

template <class Base>
void TspSkinTabs<Base>::DrawTab(Integer item, const TRect& r, bool active, bool mouseIn, TCanvas* canvas) {
  if (!TabsShown() || item < 0 || item >= ItemCount()) return;
  bool side = SideTabs();
  Integer w = side ? RectHeight(r) : RectWidth(r), h = side ? RectWidth(r) : RectHeight(r);
  if (w <= 0 || h <= 0) return;
  bool focused = this->HandleAllocated() && this->Focused();
  bool skinned = HasRecord() && Picture;
  Integer imageIndex = ItemImage(item);
  bool hasImage = images_ && imageIndex >= 0 && imageIndex < images_->Count();
  TBitmap b(w, h);
  TCanvas* c = b.Canvas();
  Integer shift = 0;
  if (!skinned) {
    c->Brush()->SetStyle(bsSolid);
    if (!active) {
      c->Brush()->SetColor(mouseIn ? TColor(0xD2BDB6) : clBtnFace);
      c->FillRect(TRect{0, 0, w, h});
    } else {
      c->Brush()->SetColor(TColor(0x800000));
      c->FrameRect(TRect{0, 0, w, h});
      c->Brush()->SetColor(focused ? TColor(0xB59385) : TColor(0xD2BDB6));
      c->FillRect(TRect{1, 1, w - 1, h - 1});
    }
    c->Font()->Assign(this->Font());
    c->Font()->SetCharset(SkinCharset(skinData_, this->Font()));
  } else {
    DrawTabFace(b, active, mouseIn, focused, shift);
  }
  c->Brush()->SetStyle(bsClear);
  TRect text{0, shift, b.Width(), b.Height() + shift};
  Integer closeRoom = showCloseButtons_ ? closeSize_ + 2 : 0;
  String caption = ItemCaption(item);
  if (OnDrawSkinTab) {
    OnDrawSkinTab(item, TRect{0, 0, b.Width(), b.Height()}, active, mouseIn, c);
  } else if (hasImage) {
    Integer boxWidth = b.Width() - closeRoom, boxHeight = b.Height();
    TRect measure{0, 0, 0, 0};
    c->TextRect(measure, caption, DT_CALCRECT | DT_SINGLELINE);
    Integer tw = RectWidth(measure) + 2, th = RectHeight(measure);
    Integer x = boxWidth / 2 - (tw + images_->Width() + 2) / 2;
    Integer imageShift = shift > 0 ? 2 : shift < 0 ? -2 : 0;  // the image moves 2 pixels, whatever the caption does
    images_->Draw(c, x, boxHeight / 2 - images_->Height() / 2 + imageShift, imageIndex, ItemEnabled(item));
    TRect t{x + images_->Width() + 2, boxHeight / 2 - th / 2 + shift, 0, 0};
    t.Right = t.Left + tw;
    t.Bottom = t.Top + th;
    c->TextRect(t, caption, DT_CENTER | DT_SINGLELINE);
    text.Right -= skinned ? closeRoom + 3 : closeRoom;
  } else {
    text.Right -= skinned ? closeRoom + 3 : closeRoom;
    c->TextRect(text, caption, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  }
  TspTabCloseRef close = ItemClose(item);
  if (showCloseButtons_ && close) {
    if (!mouseIn) *close.Hot = false;
    DrawCloseButton(c, TRect{text.Right, text.Top, b.Width(), text.Bottom}, item, b.Width(), b.Height());
  }
  if (SideTabs()) {
    TspEffectBmp image(b.Handle()), turned(b.Height(), b.Width());
    if (this->TabPosition() == tpLeft) image.Rotate90_1(turned);
    else image.Rotate90_2(turned);
    turned.Draw(canvas->Handle(), r.Left, r.Top);
  } else {
    canvas->Draw(r.Left, r.Top, &b);
  }
}

// The close button in the tab image; its rectangle is kept with the item in
// the tab's own coordinates (rotated for side tabs). A tab whose button cannot
// be drawn has no close rectangle, so nothing there closes the item.
template <class Base>
void TspSkinTabs<Base>::DrawCloseButton(TCanvas* canvas, const TRect& r, Integer item, Integer w, Integer h) {
  TspTabCloseRef close = ItemClose(item);
  if (!close) return;
  bool hot = *close.Hot, pressed = *close.Hot && *close.Pressed;
  TRect drawn;
  if (!HasRecord() || !Picture) {
    drawn = {r.Left, r.Top + RectHeight(r) / 2 - 7, r.Left + 14, r.Top + RectHeight(r) / 2 + 7};
    DrawCloseImage(canvas, drawn.Left + 2, drawn.Top + 2, hot ? clWhite : clBlack);
  } else if (IsNullRect(closeButtonRect)) {
    TspButtonRecordLook look;
    if (!look.Find(skinData_, "resizetoolbutton")) {
      *close.Rect = TRect{};
      return;
    }
    TBitmap image(closeSize_, closeSize_);
    look.Compose(&image, hot, pressed);
    DrawCloseImage(image.Canvas(), image.Width() / 2 - 5, image.Height() / 2 - 5, look.TextColor(hot, pressed, true));
    drawn = {r.Left, r.Top + RectHeight(r) / 2 - image.Height() / 2, 0, 0};
    drawn.Right = drawn.Left + image.Width();
    drawn.Bottom = drawn.Top + image.Height();
    canvas->Draw(drawn.Left, drawn.Top, &image);
  } else {
    TRect source = pressed ? closeButtonDownRect : hot ? closeButtonActiveRect : closeButtonRect;
    drawn = {r.Left, r.Top + RectHeight(r) / 2 - RectHeight(source) / 2, 0, 0};
    drawn.Right = drawn.Left + RectWidth(source);
    drawn.Bottom = drawn.Top + RectHeight(source);
    TBitmap image(RectWidth(source), RectHeight(source));
    image.Canvas()->CopyRect(TRect{0, 0, image.Width(), image.Height()}, Picture->Canvas(), source);
    if (record_->buttontransparent) {
      image.SetTransparent(true);
      image.SetTransparentMode(tmFixed);
      image.SetTransparentColor(record_->buttontransparentcolor);
    }
    canvas->Draw(drawn.Left, drawn.Top, &image);
  }
  if (this->TabPosition() == tpLeft) drawn = {drawn.Top, w - drawn.Right, drawn.Bottom, w - drawn.Left};
  else if (this->TabPosition() == tpRight) drawn = {h - drawn.Bottom, drawn.Left, h - drawn.Top, drawn.Right};
  *close.Rect = drawn;
}

template class TspSkinTabs<TPageControl>;
template class TspSkinTabs<TTabControl>;
