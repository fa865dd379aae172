#include "skin/controls/tabs/SkinTabControl.h"

#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinButtonRecord.h"
#include "skin/data/SkinColors.h"
#include "skin/draw/SPUtils.h"
#include "skin/draw/Speffbmp.h"

namespace {

TRect OrElse(const TRect& r, const TRect& fallback) { return IsNullRect(r) ? fallback : r; }
TRect Moved(TRect r, Integer dx, Integer dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

}  // namespace

TspSkinTabControl::TspSkinTabControl(TComponent* owner)
    : TTabControl(owner), placeholder_(std::make_unique<TCustomImageList>(nullptr)),
      defaultFont_(std::make_unique<TFont>()) {
  SetRecordFont(defaultFont_.get(), "Arial", 0, 14);
  defaultFont_->SetColor(clBtnText);
  SetRecordFont(Font(), "Arial", 0, 14);
  Font()->SetColor(clBtnText);
  placeholder_->SetSize(1, 1);
  TCustomTabControl::SetImages(placeholder_.get());
  // A transparent child capturing its parent's picture gets the page background.
  static bool hooked = false;
  if (!hooked) {
    hooked = true;
    TspParentBackgroundPainter previous = SP_PaintParentBackground;
    SP_PaintParentBackground = [previous](TWinControl* parent, HDC dc) {
      if (auto* tabs = dynamic_cast<TspSkinTabControl*>(parent)) {
        tabs->PaintBG(dc);
        return true;
      }
      return previous && previous(parent, dc);
    };
  }
}

TspSkinTabControl::~TspSkinTabControl() {
  HideSkinUpDown();
  TCustomTabControl::SetImages(nullptr);
}

// ---- properties ----


void TspSkinTabControl::ResizePlaceholder(Integer delta) {
  Integer w = placeholder_->Width(), h = placeholder_->Height();
  if (SideTabs()) h += delta;
  else w += delta;
  placeholder_->SetSize(w < 1 ? 1 : w, h < 1 ? 1 : h);
  TCustomTabControl::SetImages(nullptr);
  TCustomTabControl::SetImages(placeholder_.get());
}

void TspSkinTabControl::SetShowCloseButtons(bool value) {
  if (value != showCloseButtons_) {
    showCloseButtons_ = value;
    ResizePlaceholder(value ? closeSize_ : -closeSize_);
  }
  closeStates_.clear();
  Invalidate();
}

// The states grow with the tabs, so every tab (also past the 255th) has one.
TspSkinTabControl::TCloseState& TspSkinTabControl::CloseState(Integer tab) {
  if (tab < 0) tab = 0;
  if (static_cast<size_t>(tab) >= closeStates_.size()) closeStates_.resize(static_cast<size_t>(tab) + 1);
  return closeStates_[static_cast<size_t>(tab)];
}

void TspSkinTabControl::SetImages(TCustomImageList* value) {
  auto extent = [this](TCustomImageList* list) { return !list ? 0 : SideTabs() ? list->Height() : list->Width(); };
  Integer delta = extent(value) - extent(images_);
  images_ = value;
  if (value) value->FreeNotification(this);
  if (delta != 0) ResizePlaceholder(delta);
  Invalidate();
}

void TspSkinTabControl::SetTabsBGTransparent(bool value) {
  if (value == tabsBGTransparent_) return;
  tabsBGTransparent_ = value;
  Invalidate();
}

void TspSkinTabControl::SetDefaultItemHeight(Integer value) {
  defaultItemHeight_ = value;
  if (HasRecord()) return;
  SetItemSize(TabWidth(), value);
  Change2();
  Realign();
}

void TspSkinTabControl::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value && !value->Empty && !HasState(csDesigning)) ChangeSkinData();
}

void TspSkinTabControl::Notification(TComponent* component, TOperation operation) {
  TTabControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr, record_ = nullptr;
  if (component == images_) images_ = nullptr;
  if (component == upDown_) upDown_ = nullptr;
}

// ---- record ----

void TspSkinTabControl::GetSkinData() {
  record_ = FindRecord<TspDataSkinTabControl>(skinData_, SkinDataName);
  Picture = nullptr;
  if (!record_) return;
  const TspDataSkinTabControl& r = *record_;
  skinRect = r.skinrect;
  clientRect = r.clientrect;
  tabRect = r.tabrect;
  activeTabRect = OrElse(r.activetabrect, r.tabrect);
  focusTabRect = OrElse(r.focustabrect, r.activetabrect);
  mouseInTabRect = r.mouseintabrect;
  tabsBGRect = OrElse(r.tabsbgrect, Moved(r.clientrect, r.skinrect.Left, r.skinrect.Top));
  closeButtonRect = r.closebuttonrect;
  closeButtonActiveRect = OrElse(r.closebuttonactiverect, closeButtonRect);
  closeButtonDownRect = OrElse(r.closebuttondownrect, closeButtonActiveRect);
  upDownName_ = r.updown;
  Picture = skinData_->ActivePicture(r.pictureindex);
}

Integer TspSkinTabControl::GetCloseSize() {
  return !HasRecord() || IsNullRect(closeButtonRect) ? 14 : RectWidth(closeButtonRect);
}

void TspSkinTabControl::ChangeSkinData() {
  GetSkinData();
  if (showCloseButtons_) {
    ResizePlaceholder(-closeSize_);
    closeSize_ = GetCloseSize();
    ResizePlaceholder(closeSize_);
  } else {
    closeSize_ = GetCloseSize();
  }
  Integer tabHeight;
  if (!HasRecord()) {
    Font()->Assign(defaultFont_.get());
    if (skinData_ && skinData_->ResourceStrData()) Font()->SetCharset(skinData_->ResourceStrData()->CharSet);
    tabHeight = TabHeight() > 0 ? TabHeight() : defaultItemHeight_;
  } else {
    Font()->SetColor(record_->fontcolor);
    if (UseSkinFont) SetRecordFont(Font(), record_->fontname, record_->fontstyle, record_->fontheight);
    else Font()->Assign(defaultFont_.get());
    Font()->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
    tabHeight = TabHeight() > 0 ? TabHeight() : RectHeight(tabRect);
  }
  SetItemSize(TabWidth(), tabHeight);
  Change2();
  Realign();
  if (upDown_) {
    HideSkinUpDown();
    CheckScroll();
  }
  Invalidate();
}

void TspSkinTabControl::Loaded() {
  TTabControl::Loaded();
  GetSkinData();
  if (HasRecord()) return;
  SetItemSize(TabWidth(), TabHeight() > 0 ? TabHeight() : defaultItemHeight_);
  Change2();
  Realign();
}

void TspSkinTabControl::UpDateTabs() {
  GetSkinData();
  Integer h = TabHeight() > 0 ? TabHeight() : HasRecord() ? RectHeight(tabRect) : defaultItemHeight_;
  SetItemSize(TabWidth(), h);
  if (MultiLine()) HideSkinUpDown();
  Realign();
}

void TspSkinTabControl::SetItemSize(Integer width, Integer height) {
  if (HandleAllocated()) ::SendMessageA(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
}

void TspSkinTabControl::Change() {
  if (upDown_) upDown_->SetPosition(GetPosition());
  TTabControl::Change();
  Invalidate();
}

void TspSkinTabControl::Change2() {
  if (upDown_) upDown_->SetPosition(GetPosition());
  Invalidate();
}

// ---- rectangles ----

// Wine's tab control answers no rectangle for a tab scrolled out of the strip:
// one before the first shown tab is placed left of the strip (Right <= 0), one
// after the last beyond its right end, as the native contract has them.
TRect TspSkinTabControl::GetItemRect(Integer index) {
  RECT r{};
  if (!HandleAllocated() || index < 0 || index >= TabCount()) return {};
  if (!::SendMessageA(Handle(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r))) {
    // Before the first tab shown it is scrolled off to the left; after it, cut off at the right.
    for (Integer next = index + 1; next < TabCount(); ++next) {
      RECT shown{};
      if (::SendMessageA(Handle(), TCM_GETITEMRECT, next, reinterpret_cast<LPARAM>(&shown)))
        return {-1, shown.top, 0, shown.bottom};
    }
    if (index == 0) return {};
    TRect before = GetItemRect(index - 1);
    Integer width = before.Width() > 0 ? before.Width() : 1;
    return {before.Right, before.Top, before.Right + width, before.Bottom};
  }
  TRect result{r.left, r.top, r.right, r.bottom};
  if (index == 0 && !MultiLine()) result.Left += 1;
  return result;
}

TRect TspSkinTabControl::GetActiveTabRect() {
  Integer index = TabIndex();
  if (index < 0 || index >= TabCount()) return {};
  TRect r = GetItemRect(index);
  Integer grow = HasRecord() ? RectHeight(activeTabRect) - RectHeight(tabRect) : 0;
  switch (TabPosition()) {
    case tpTop: r.Bottom += grow; break;
    case tpBottom: r.Top -= grow; break;
    case tpLeft: r.Right += grow; break;
    case tpRight: r.Left -= grow; break;
  }
  return r;
}

TRect TspSkinTabControl::FrameRect() {
  TRect d = DisplayRect();
  if (!HasRecord()) return d;
  Integer l = clientRect.Left, t = clientRect.Top, rb = RectWidth(skinRect) - clientRect.Right,
          bb = RectHeight(skinRect) - clientRect.Bottom;
  return {d.Left - l, d.Top - t, d.Right + rb, d.Bottom + bb};
}

// The display rectangle by tab position, with and without a record; hidden
// tabs give the page one more pixel toward the tab side.
void TspSkinTabControl::AdjustRect(RECT& r) {
  RECT client;
  ::GetClientRect(Handle(), &client);
  Integer cw = client.right, ch = client.bottom;
  if (HasRecord()) {
    Integer l = clientRect.Left, t = clientRect.Top, rb = RectWidth(skinRect) - clientRect.Right,
            bb = RectHeight(skinRect) - clientRect.Bottom;
    if (record_->bgpictureindex != -1) l = t = rb = bb = 0;  // a background picture has no frame
    switch (TabPosition()) {
      case tpTop: r = {l, r.top + t - 6, cw - rb, ch - bb}; break;
      case tpBottom: r = {l, r.top + t - 4, cw - rb, r.bottom + 4 - bb}; break;
      case tpLeft: r = {r.left + l - 4, r.top + t - 4, cw - rb, ch - bb}; break;
      case tpRight: r = {l, r.top + t - 4, r.right + 4 - rb, ch - bb}; break;
    }
  } else {
    switch (TabPosition()) {
      case tpTop: r = {1, r.top - 5, cw - 1, ch - 1}; break;
      case tpBottom: r = {1, 1, cw - 1, r.bottom + 3}; break;
      case tpLeft: r = {r.left - 3, r.top - 5, cw - 1, ch - 1}; break;
      case tpRight: r = {r.left - 3, r.top - 5, r.right + 3, ch - 1}; break;
    }
  }
}

// ---- painting ----

void TspSkinTabControl::FillPageArea(TCanvas* canvas, const TRect& area, Integer width, Integer height) {
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

void TspSkinTabControl::PaintDefaultWindow(TCanvas* canvas) {
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(TRect{0, 0, Width(), Height()});
  TRect d = DisplayRect();
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(TRect{d.Left - 1, d.Top - 1, d.Right + 1, d.Bottom + 1});
}

void TspSkinTabControl::PaintSkinWindow(TCanvas* canvas) {
  TRect d = DisplayRect();
  if (skinData_->ActivePicture(record_->bgpictureindex)) return FillPageArea(canvas, TRect{}, Width(), Height());
  FillPageArea(canvas, d, Width(), Height());
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

void TspSkinTabControl::PaintBG(HDC dc) {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  TCanvas canvas;
  canvas.SetHandle(dc);
  if (!HasRecord() || !Picture) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(TRect{0, 0, Width(), Height()});
  } else {
    FillPageArea(&canvas, TRect{}, Width(), Height());
  }
  canvas.SetHandle(nullptr);
}

void TspSkinTabControl::CheckControlsBackground() {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(Controls(i)); child && child->HandleAllocated())
      ::SendMessageA(child->Handle(), WM_USER + 260, 0, 0);
}

void TspSkinTabControl::PaintWindow(HDC dc) {
  if (Width() <= 0 || Height() <= 0) return;
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

void TspSkinTabControl::DrawTabs(TCanvas* canvas) {
  if (TabCount() == 0) return;
  bool skinned = HasRecord() && Picture;
  Integer active = TabIndex();
  if (!skinned) {
    for (Integer tab = 0; tab < TabCount(); ++tab)
      DrawTab(tab, GetItemRect(tab), tab == active, tab == hoverTab_, canvas);
    return;
  }
  TRect f = FrameRect();
  Integer sw = Width(), sh = f.Top, sx = 0, sy = 0;
  switch (TabPosition()) {
    case tpTop: break;
    case tpBottom: sh = Height() - f.Bottom, sy = f.Bottom; break;
    case tpLeft: sw = f.Left, sh = Height(); break;
    case tpRight: sw = Width() - f.Right, sh = Height(), sx = f.Right; break;
  }
  if (sw > 0 && sh > 0) {
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
    for (Integer tab = 0; tab < TabCount(); ++tab)
      if (tab != active) DrawTab(tab, Moved(GetItemRect(tab), -sx, -sy), false, tab == hoverTab_, sc);
    HDC dc = canvas->Handle();
    int saved = ::SaveDC(dc);
    TRect activeRect = GetActiveTabRect();
    if (!IsNullRect(activeRect)) ::ExcludeClipRect(dc, activeRect.Left, activeRect.Top, activeRect.Right, activeRect.Bottom);
    canvas->Draw(sx, sy, &strip);
    ::RestoreDC(dc, saved);
  }
  if (active < 0 || active >= TabCount()) return;
  TRect r = GetItemRect(active);
  Integer diff = RectHeight(tabRect) - RectHeight(activeTabRect);
  if (diff != 0 && TabPosition() == tpBottom) r = Moved(r, 0, diff);
  if (diff != 0 && TabPosition() == tpRight) r = Moved(r, diff, 0);
  DrawTab(active, r, true, active == hoverTab_, canvas);
}

void TspSkinTabControl::DrawTab(Integer index, const TRect& r, bool active, bool mouseIn, TCanvas* canvas) {
  if (index < 0 || index >= TabCount()) return;
  bool side = SideTabs();
  Integer w = side ? RectHeight(r) : RectWidth(r), h = side ? RectWidth(r) : RectHeight(r);
  if (w <= 0 || h <= 0) return;
  bool focused = HandleAllocated() && Focused();
  bool skinned = HasRecord() && Picture;
  bool hasImage = images_ && index < images_->Count();
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
    c->Font()->Assign(Font());
    c->Font()->SetCharset(SkinCharset(skinData_, Font()));
  } else {
    TRect source = mouseIn && !active && !IsNullRect(mouseInTabRect) ? mouseInTabRect
                   : active && focused                              ? focusTabRect
                   : !active                                        ? tabRect
                                                                    : activeTabRect;
    const TspDataSkinTabControl& rec = *record_;
    if (TabHeight() > 0) {
      Integer grow = RectHeight(activeTabRect) - RectHeight(tabRect);
      if (active && grow <= 0 && focused) grow = RectHeight(focusTabRect) - RectHeight(tabRect);
      if (active && grow > 0) b.SetSize(w, h + grow);
      Integer q = RectHeight(tabRect) / 4;
      CreateStretchImage(&b, Picture, source,
                         TRect{rec.tableftoffset, q, RectWidth(source) - rec.tabrightoffset, RectHeight(source) - q}, true);
    } else {
      CreateHSkinImage(rec.tableftoffset, rec.tabrightoffset, &b, Picture, source, w, h, rec.tabstretcheffect);
    }
    if (TabPosition() == tpBottom) {
      TspEffectBmp image(b.Handle()), flipped(b.Width(), b.Height());
      image.FlipVert(flipped);
      flipped.Draw(c->Handle(), 0, 0);
    }
    if (UseSkinFont) SetRecordFont(c->Font(), rec.fontname, rec.fontstyle, rec.fontheight);
    else c->Font()->Assign(Font());
    c->Font()->SetCharset(SkinCharset(skinData_, Font()));
    c->Font()->SetColor(mouseIn && !active ? rec.mouseinfontcolor : active && focused ? rec.focusfontcolor
                        : !active          ? rec.fontcolor
                                           : rec.activefontcolor);
    if (rec.showfocus && focused && active) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(skinData_->SkinColors ? skinData_->SkinColors->cBtnFace : clBtnFace);
      c->DrawFocusRect(TRect{rec.focusoffsetx, rec.focusoffsety, b.Width() - rec.focusoffsetx, b.Height() - rec.focusoffsety});
    }
    if (RectHeight(tabRect) != RectHeight(activeTabRect) && !active)
      shift = TabPosition() == tpTop || TabPosition() == tpLeft ? 1 : -1;
  }
  c->Brush()->SetStyle(bsClear);
  TRect text{0, shift, b.Width(), b.Height() + shift};
  Integer closeRoom = showCloseButtons_ ? closeSize_ + 2 : 0;
  String caption = Tabs()->Strings(index);
  if (OnDrawSkinTab) {
    OnDrawSkinTab(index, TRect{0, 0, b.Width(), b.Height()}, active, mouseIn, c);
  } else if (hasImage) {
    Integer boxWidth = b.Width() - closeRoom, boxHeight = b.Height();
    TRect measure{0, 0, 0, 0};
    c->TextRect(measure, caption, DT_CALCRECT | DT_SINGLELINE);
    Integer tw = RectWidth(measure) + 2, th = RectHeight(measure);
    Integer x = boxWidth / 2 - (tw + images_->Width() + 2) / 2;
    Integer imageShift = shift * 2;  // the image moves twice as far as the caption
    images_->Draw(c, x, boxHeight / 2 - images_->Height() / 2 + imageShift, index, true);
    TRect t{x + images_->Width() + 2, boxHeight / 2 - th / 2 + shift, 0, 0};
    t.Right = t.Left + tw;
    t.Bottom = t.Top + th;
    c->TextRect(t, caption, DT_CENTER | DT_SINGLELINE);
    text.Right -= skinned ? closeRoom + 3 : closeRoom;
  } else {
    text.Right -= skinned ? closeRoom + 3 : closeRoom;
    c->TextRect(text, caption, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  }
  if (showCloseButtons_) {
    if (!mouseIn) CloseState(index).Hot = false;
    DrawCloseButton(c, TRect{text.Right, text.Top, b.Width(), text.Bottom}, index, b.Width(), b.Height());
  }
  if (TabPosition() == tpLeft || TabPosition() == tpRight) {
    TspEffectBmp image(b.Handle()), turned(b.Height(), b.Width());
    if (TabPosition() == tpLeft) image.Rotate90_1(turned);
    else image.Rotate90_2(turned);
    turned.Draw(canvas->Handle(), r.Left, r.Top);
  } else {
    canvas->Draw(r.Left, r.Top, &b);
  }
}

// The close button in the tab image; its rectangle is kept in the tab's state in the
// tab's own coordinates (rotated for side tabs). A tab whose button cannot be
// drawn has no close rectangle, so nothing there closes the tab.
void TspSkinTabControl::DrawCloseButton(TCanvas* canvas, const TRect& r, Integer index, Integer w, Integer h) {
  TCloseState& state = CloseState(index);
  bool hot = state.Hot, pressed = state.Hot && state.Pressed;
  TRect drawn;
  if (!HasRecord() || !Picture) {
    drawn = {r.Left, r.Top + RectHeight(r) / 2 - 7, r.Left + 14, r.Top + RectHeight(r) / 2 + 7};
    DrawCloseImage(canvas, drawn.Left + 2, drawn.Top + 2, hot ? clWhite : clBlack);
  } else if (IsNullRect(closeButtonRect)) {
    TspButtonRecordLook look;
    if (!look.Find(skinData_, "resizetoolbutton")) {
      state.Rect = TRect{};
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
  if (TabPosition() == tpLeft) drawn = {drawn.Top, w - drawn.Right, drawn.Bottom, w - drawn.Left};
  else if (TabPosition() == tpRight) drawn = {h - drawn.Bottom, drawn.Left, h - drawn.Top, drawn.Right};
  state.Rect = drawn;
}

// ---- messages ----

void TspSkinTabControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case TCM_ADJUSTRECT:
      TTabControl::Dispatch(message);
      if (message.LParam && HandleAllocated()) {
        GetSkinData();
        AdjustRect(*reinterpret_cast<RECT*>(message.LParam));
      }
      return;
    case TCM_GETITEMRECT:
      TTabControl::Dispatch(message);
      if (message.LParam && Style() == tsTabs) {
        auto* r = reinterpret_cast<RECT*>(message.LParam);
        bool single = !MultiLine();
        switch (TabPosition()) {
          case tpTop: r->top -= 2, r->bottom -= 2; if (single) r->left -= 2, r->right -= 2; break;
          case tpBottom: r->top += 2, r->bottom += 2; if (single) r->left -= 2, r->right -= 2; break;
          case tpLeft: r->left -= 2, r->right -= 2; break;
          case tpRight: r->left += 2, r->right += 2; break;
        }
      }
      return;
    case WM_SIZE:
      GetSkinData();
      TTabControl::Dispatch(message);
      if (!MultiLine()) CheckScroll();
      if (HasRecord() && record_->stretcheffect) CheckControlsBackground();
      return Invalidate();
    case WM_ERASEBKGND:
      if (!inPaint_ && message.WParam) PaintBG(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_PAINT: {
      inPaint_ = true;
      if (message.WParam) {
        PaintWindow(reinterpret_cast<HDC>(message.WParam));
      } else {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(Handle(), &ps);
        PaintWindow(dc);
        ::EndPaint(Handle(), &ps);
      }
      inPaint_ = false;
      return;
    }
    case WM_HSCROLL:
      TTabControl::Dispatch(message);
      return Invalidate();
    case WM_USER + 260:  // the parent's background changed
      if (tabsBGTransparent_) Invalidate();
      return;
    case CM_MOUSELEAVE:
      TTabControl::Dispatch(message);
      return MouseLeft();
    default:
      break;
  }
  TTabControl::Dispatch(message);
}
