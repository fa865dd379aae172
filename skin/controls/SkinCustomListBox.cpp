#include "skin/controls/SkinCustomListBox.h"

#include "skin/controls/BoxCtrlsLook.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinBoxTime.h"
#include "skin/data/SkinColors.h"
#include "skin/draw/SPUtils.h"

namespace {

constexpr UINT kRepeatTimer = 1;

TRect OrElse(const TRect& r, const TRect& fallback) { return IsNullRect(r) ? fallback : r; }
TRect Moved(TRect r, Integer dx, Integer dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

}  // namespace

TspSkinCustomListBox::TspSkinCustomListBox(TComponent* owner)
    : TspSkinCustomControl(owner),
      tabWidths_(std::make_unique<TStringList>()),
      defaultCaptionFont_(std::make_unique<TFont>()) {
  ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks | csReplicatable;
  SetRecordFont(defaultCaptionFont_.get(), "Arial", 0, 14);
  SetRecordFont(Font(), "Arial", 0, 14);
  Font()->SetColor(clWindowText);
  SkinDataName = "listbox";
  list_ = new TspListBox(this, this);
  list_->SetParent(this);
  list_->SetItemHeight(defaultItemHeight_);
  SetBounds(0, 0, 120, 120);
}

TspSkinCustomListBox::~TspSkinCustomListBox() { list_->OwnerListBox = nullptr; }

// ---- properties ----

void TspSkinCustomListBox::SetTabWidths(const TStrings* value) {
  tabWidths_->Assign(value);
  if (tabWidths_->Count() > 0) list_->Invalidate();
}

void TspSkinCustomListBox::SetHorizontalExtent(bool value) {
  horizontalExtent_ = value;
  UpDateScrollBar();
}

void TspSkinCustomListBox::SetColumns(Integer value) {
  list_->SetColumns(value);
  UpDateScrollBar();
}

void TspSkinCustomListBox::SetRowCount(Integer value) {
  rowCount_ = value;
  if (value != 0) SetHeight(CalcHeight(value));
  UpDateScrollBar();
}

void TspSkinCustomListBox::SetImages(TCustomImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
  list_->Invalidate();
}

void TspSkinCustomListBox::SetImageIndex(Integer value) {
  imageIndex_ = value;
  list_->Invalidate();
}

void TspSkinCustomListBox::SetCaptionMode(bool value) {
  captionMode_ = value;
  if (SkinRecordIndex == -1) CalcRects();
  Repaint();
}

void TspSkinCustomListBox::SetDefaultCaptionHeight(Integer value) {
  defaultCaptionHeight_ = value;
  if (SkinRecordIndex == -1 && captionMode_) {
    CalcRects();
    Repaint();
  }
}

void TspSkinCustomListBox::SetDefaultCaptionFont(const TFont* value) {
  defaultCaptionFont_->Assign(value);
  if (captionMode_ && SkinRecordIndex == -1) Repaint();
}

void TspSkinCustomListBox::SetAlignment(TAlignment value) {
  alignment_ = value;
  if (captionMode_) Repaint();
}

void TspSkinCustomListBox::SetDefaultItemHeight(Integer value) {
  defaultItemHeight_ = value;
  if (SkinRecordIndex == -1 || !UseSkinItemHeight) ApplyItemHeight();
}

void TspSkinCustomListBox::SetItems(const TStrings* value) {
  list_->Items()->Assign(value);
  UpDateScrollBar();
}

void TspSkinCustomListBox::SetSorted(bool value) {
  if (scrollBar_) HideScrollBar();
  list_->SetSorted(value);
}

void TspSkinCustomListBox::Clear() {
  list_->Clear();
  UpDateScrollBar();
}

void TspSkinCustomListBox::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == images_) images_ = nullptr;
  if (component == scrollBar_) scrollBar_ = nullptr;
  if (component == hScrollBar_) hScrollBar_ = nullptr;
}

// A record whose item picture has no height still gives rows of one pixel.
Integer TspSkinCustomListBox::ItemHeightForSkin() {
  Integer h = SkinRecordIndex != -1 && UseSkinItemHeight ? RectHeight(itemRect_) : defaultItemHeight_;
  return h < 1 ? 1 : h;
}

void TspSkinCustomListBox::ApplyItemHeight() { list_->SetItemHeight(ItemHeightForSkin()); }

Integer TspSkinCustomListBox::CalcHeight(Integer rows) {
  Integer itemHeight = ItemHeightForSkin();
  Integer h = SkinRecordIndex == -1 ? rows * itemHeight + 4 + (captionMode_ ? defaultCaptionHeight_ : 0)
                                    : RectHeight(skinrect) - RectHeight(clientrect) + rows * itemHeight;
  if (hScrollBar_) h += hScrollBar_->Height();
  return h;
}

// ---- record ----

void TspSkinCustomListBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  auto* r = RecordAs<TspDataSkinListBox>(SkinData(), SkinRecordIndex);
  if (!r) return;
  itemRect_ = r->itemrect;
  activeItemRect_ = OrElse(r->activeitemrect, r->itemrect);
  focusItemRect_ = OrElse(r->focusitemrect, r->itemrect);
  itemLeftOffset_ = r->itemleftoffset;
  itemRightOffset_ = r->itemrightoffset;
  itemTextRect_ = r->itemtextrect;
  fontName_ = r->fontname;
  fontStyle_ = r->fontstyle;
  fontHeight_ = r->fontheight;
  fontColor_ = r->fontcolor;
  activeFontColor_ = r->activefontcolor;
  focusFontColor_ = r->focusfontcolor;
  captionRect_ = r->captionrect;
  captionFontName_ = r->captionfontname;
  captionFontStyle_ = r->captionfontstyle;
  captionFontHeight_ = r->captionfontheight;
  captionFontColor_ = r->captionfontcolor;
  upButtonRect_ = r->upbuttonrect;
  activeUpButtonRect_ = r->activeupbuttonrect;
  downUpButtonRect_ = OrElse(r->downupbuttonrect, r->activeupbuttonrect);
  downButtonRect_ = r->downbuttonrect;
  activeDownButtonRect_ = r->activedownbuttonrect;
  downDownButtonRect_ = OrElse(r->downdownbuttonrect, r->activedownbuttonrect);
  checkButtonRect_ = r->checkbuttonrect;
  activeCheckButtonRect_ = r->activecheckbuttonrect;
  downCheckButtonRect_ = OrElse(r->downcheckbuttonrect, r->activecheckbuttonrect);
  hScrollBarName_ = r->hscrollbarname;
  vScrollBarName_ = r->vscrollbarname;
  bothHScrollBarName_ = r->bothhscrollbarname;
  showFocus_ = r->showfocus;
}

void TspSkinCustomListBox::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  skinChanging_ = true;
  bool record = SkinRecordIndex != -1;
  if (!record) Font()->Assign(DefaultFont());
  ApplyItemHeight();
  if (scrollBar_) {
    scrollBar_->SkinDataName = !record ? String() : Columns() > 0 ? hScrollBarName_ : vScrollBarName_;
    scrollBar_->SetSkinData(SkinData());
  }
  if (hScrollBar_) {
    if (!record) {
      hScrollBar_->SkinDataName = String();
      if (scrollBar_) hScrollBar_->SetBothMarkerWidth(19);
    } else {
      hScrollBar_->SkinDataName = scrollBar_ ? bothHScrollBarName_ : hScrollBarName_;
    }
    hScrollBar_->SetSkinData(SkinData());
  }
  if (rowCount_ != 0) SetHeight(CalcHeight(rowCount_));
  CalcRects();
  skinChanging_ = false;
  UpDateScrollBar();
  list_->Invalidate();
}

void TspSkinCustomListBox::DefaultFontChange() {
  if (SkinRecordIndex == -1) Font()->Assign(DefaultFont());
}

void TspSkinCustomListBox::SetBounds(int left, int top, int width, int height) {
  TspSkinCustomControl::SetBounds(left, top, width, height);
  if (SkinRecordIndex == -1) Repaint();
}

// ---- layout and scroll bars ----

void TspSkinCustomListBox::CalcRects() {
  Integer w = Width(), h = Height();
  bool record = SkinRecordIndex != -1;
  Integer c = captionMode_ ? defaultCaptionHeight_ : 1;
  if (record)
    skinClientArea_ = {clientrect.Left, clientrect.Top, clientrect.Right + w - RectWidth(skinrect),
                       clientrect.Bottom + h - RectHeight(skinrect)};
  Integer hh = 0;
  if (Columns() == 0 && hScrollBar_ && hScrollBar_->Visible()) {
    if (!record) {
      hScrollBar_->SetBounds(1, h - 20, w - 2, 19);
      hh = hScrollBar_->Height() - 1;
    } else {
      hScrollBar_->SetBounds(skinClientArea_.Left, skinClientArea_.Bottom - hScrollBar_->Height(),
                             RectWidth(skinClientArea_), hScrollBar_->Height());
      hh = hScrollBar_->Height();
    }
  }
  const TRect& a = skinClientArea_;
  if (scrollBar_ && scrollBar_->Visible()) {
    TspSkinScrollBar* bar = scrollBar_;
    if (!record && Columns() == 0) {
      bar->SetBounds(w - 20, c, 19, h - c - hh - 1);
      listArea_ = {2, c + 1, bar->Left(), h - hh - 2};
    } else if (!record) {
      bar->SetBounds(1, h - 20, w - 2, 19);
      listArea_ = {2, c + 1, w - 2, bar->Top()};
    } else if (Columns() == 0) {
      bar->SetBounds(a.Right - bar->Width(), a.Top, bar->Width(), RectHeight(a) - hh);
      listArea_ = {a.Left, a.Top, a.Right - bar->Width(), a.Bottom - hh};
    } else {
      bar->SetBounds(a.Left, a.Bottom - bar->Height(), RectWidth(a), bar->Height());
      listArea_ = {a.Left, a.Top, a.Right, a.Bottom - bar->Height()};
    }
  } else {
    listArea_ = record ? TRect{a.Left, a.Top, a.Right, a.Bottom - hh} : TRect{2, c + 1, w - 2, h - 2 - hh};
  }
  list_->SetBoundsRect(listArea_);
}

Integer TspSkinCustomListBox::GetFullItemWidth(Integer index, TCanvas* canvas) {
  return canvas->TextWidth(list_->Items()->Strings(index));
}

// The widths come from the kept ones; all are measured again (by
// GetFullItemWidth) only when the font changed or the items changed unseen.
Integer TspSkinCustomListBox::WidestItem(TCanvas* canvas) {
  if (!itemWidths_.KnownFor(canvas->Font())) {
    std::vector<Integer> widths(static_cast<size_t>(list_->Count()));
    for (size_t i = 0; i < widths.size(); ++i) widths[i] = GetFullItemWidth(static_cast<Integer>(i), canvas);
    itemWidths_.Assign(canvas->Font(), std::move(widths));
  }
  return itemWidths_.Widest();
}

void TspSkinCustomListBox::ListItemsChanged(const TMessage& message) {
  if (message.Result < 0) return itemWidths_.Forget();  // LB_ERR, LB_ERRSPACE
  switch (message.Msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
      itemWidths_.Inserted(static_cast<int>(message.Result), reinterpret_cast<const char*>(message.LParam));
      break;
    case LB_DELETESTRING:
      itemWidths_.Deleted(static_cast<int>(message.WParam));
      break;
    case LB_RESETCONTENT:
      itemWidths_.Cleared();
      break;
    default:
      break;
  }
}

void TspSkinCustomListBox::UpDateScrollBar() {
  if (!list_->HandleAllocated()) return;
  bool record = SkinRecordIndex != -1;
  if (Columns() == 0) {
    if (!horizontalExtent_ || skinChanging_) {
      if (hScrollBar_) HideHScrollBar();
    } else {
      TCanvas canvas;
      HDC dc = ::GetDC(list_->Handle());
      canvas.SetHandle(dc);
      if (record && UseSkinFont) SetRecordFont(canvas.Font(), fontName_, fontStyle_, fontHeight_);
      else canvas.Font()->Assign(list_->Font());
      Integer widest = WidestItem(&canvas);
      Integer room = record ? list_->Width() + RectWidth(itemTextRect_) - RectWidth(itemRect_) : list_->Width() - 4;
      if (images_) room -= images_->Width() + 4;
      Integer zero = canvas.TextWidth("0");
      canvas.SetHandle(nullptr);
      ::ReleaseDC(list_->Handle(), dc);
      if (widest > room) {
        if (!hScrollBar_) ShowHScrollBar();
        hScrollBar_->SetRange(0, widest, hScrollBar_->Position(), room);
        hScrollBar_->SetSmallChange(zero);
        hScrollBar_->SetLargeChange(zero);
      } else if (hScrollBar_) {
        HideHScrollBar();
      }
    }
    if (!(rowCount_ >= 1 && rowCount_ == list_->Count())) {
      int min = 0, max = 0;
      ::GetScrollRange(list_->Handle(), SB_VERT, &min, &max);
      int pos = ::GetScrollPos(list_->Handle(), SB_VERT);
      Integer rows = list_->Height() / ItemHeightForSkin();
      if (min < max && max >= pos && list_->Count() > rows) {
        if (!scrollBar_) ShowScrollBar();
        scrollBar_->SetRange(min, max, pos, rows);
        scrollBar_->SetLargeChange(rows);
        return;
      }
    }
    if (scrollBar_) HideScrollBar();
    return;
  }
  int min = 0, max = 0;
  ::GetScrollRange(list_->Handle(), SB_HORZ, &min, &max);
  int pos = ::GetScrollPos(list_->Handle(), SB_HORZ);
  Integer rows = list_->Height() / ItemHeightForSkin();
  if (min < max && max >= pos && max >= Columns() && rows * Columns() < list_->Count()) {
    if (!scrollBar_) ShowScrollBar();
    scrollBar_->SetRange(min, max, pos, Columns());
  } else if (scrollBar_) {
    HideScrollBar();
  }
}

void TspSkinCustomListBox::ShowScrollBar() {
  bool record = SkinRecordIndex != -1;
  scrollBar_ = new TspSkinScrollBar(this);
  scrollBar_->SetKind(Columns() > 0 ? sbHorizontal : sbVertical);
  scrollBar_->SetBounds(0, 0, 20, 100);
  scrollBar_->SetRange(0, scrollBar_->Max(), 0, 0);
  scrollBar_->OnChange = TNotifyEvent(this, &TspSkinCustomListBox::SBChange);
  scrollBar_->SkinDataName = !record ? String() : Columns() > 0 ? hScrollBarName_ : vScrollBarName_;
  scrollBar_->SetSkinData(SkinData());
  scrollBar_->SetParent(this);
  if (hScrollBar_) {
    if (!record) {
      hScrollBar_->SkinDataName = String();
      hScrollBar_->SetBothMarkerWidth(19);
    } else {
      hScrollBar_->BothSkinDataName = bothHScrollBarName_;
    }
    hScrollBar_->SetBoth(true);
  }
  CalcRects();
  scrollBar_->SetVisible(true);
  Repaint();
}

void TspSkinCustomListBox::HideScrollBar() {
  TspSkinScrollBar* bar = scrollBar_;
  scrollBar_ = nullptr;
  delete bar;
  if (hScrollBar_) hScrollBar_->SetBoth(false);
  CalcRects();
}

void TspSkinCustomListBox::ShowHScrollBar() {
  bool record = SkinRecordIndex != -1;
  hScrollBar_ = new TspSkinScrollBar(this);
  hScrollBar_->SetKind(sbHorizontal);
  hScrollBar_->SetBounds(0, 0, 100, 20);
  hScrollBar_->OnChange = TNotifyEvent(this, &TspSkinCustomListBox::HSBChange);
  if (!record) {
    hScrollBar_->SkinDataName = String();
    if (scrollBar_) {
      hScrollBar_->SetBothMarkerWidth(19);
      hScrollBar_->SetBoth(true);
    }
  } else {
    hScrollBar_->SkinDataName = scrollBar_ ? bothHScrollBarName_ : hScrollBarName_;
    hScrollBar_->SetBoth(scrollBar_ != nullptr);
  }
  hScrollBar_->SetSkinData(SkinData());
  hScrollBar_->SetParent(this);
  hScrollBar_->SetVisible(true);
  CalcRects();
  Repaint();
}

void TspSkinCustomListBox::HideHScrollBar() {
  TspSkinScrollBar* bar = hScrollBar_;
  hScrollBar_ = nullptr;
  delete bar;
  list_->HorzOffset = 0;
  CalcRects();
  list_->Invalidate();
}

void TspSkinCustomListBox::SBChange(TObject*) {
  UINT msg = Columns() > 0 ? WM_HSCROLL : WM_VSCROLL;
  ::SendMessageA(list_->Handle(), msg, MAKEWPARAM(SB_THUMBPOSITION, scrollBar_->Position()), 0);
}

void TspSkinCustomListBox::HSBChange(TObject*) {
  list_->HorzOffset = hScrollBar_->Position();
  list_->Invalidate();
}

void TspSkinCustomListBox::HScrollBy(Integer delta) {
  if (hScrollBar_) hScrollBar_->SetPosition(hScrollBar_->Position() + delta);
}

// ---- item painting ----

void TspSkinCustomListBox::PaintListBackground(HDC dc, const TRect& area) {
  if (RectWidth(area) <= 0 || RectHeight(area) <= 0) return;
  TCanvas canvas;
  canvas.SetHandle(dc);
  TRect piece{skinrect.Left + clientrect.Left, skinrect.Top + clientrect.Top, skinrect.Left + clientrect.Right,
              skinrect.Top + clientrect.Bottom};
  if (SkinRecordIndex == -1 || !SkinPicture || IsNullRect(piece)) {
    canvas.Brush()->SetColor(clWindow);
    canvas.FillRect(area);
  } else {
    TBitmap tile(RectWidth(piece), RectHeight(piece));
    tile.Canvas()->CopyRect(TRect{0, 0, tile.Width(), tile.Height()}, SkinPicture->Canvas(), piece);
    int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
    for (Integer y = 0; y < area.Bottom; y += tile.Height())
      for (Integer x = 0; x < area.Right; x += tile.Width())
        if (y + tile.Height() > area.Top) canvas.Draw(x, y, &tile);
    ::RestoreDC(dc, saved);
  }
  canvas.SetHandle(nullptr);
}

void TspSkinCustomListBox::DrawTabbedString(const String& s, Integer offset, const TRect& r, TCanvas* canvas) {
  INT stops[10];
  int count = std::min(tabWidths_->Count(), 10);
  for (int i = 0; i < count; ++i) {
    String entry = tabWidths_->Strings(i);
    bool digits = !entry.empty() && entry.find_first_not_of("0123456789") == String::npos;
    stops[i] = digits ? std::atoi(entry.c_str()) : 0;
  }
  Integer y = r.Top + RectHeight(r) / 2 - canvas->TextHeight(s) / 2;
  ::TabbedTextOutA(canvas->Handle(), r.Left + offset + 2, y, s.c_str(), static_cast<int>(s.size()), count, stops, 0);
}

void TspSkinCustomListBox::DrawItemContent(TCanvas* c, int index, const TRect& textRect, Integer width,
                                           Integer height, TOwnerDrawState state, bool skinned) {
  if (OnDrawItem) {
    OnDrawItem(c, index, width, height, textRect, state);
    return;
  }
  if (skinned && (state & odFocused) && showFocus_) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(SkinData() && SkinData()->SkinColors ? SkinData()->SkinColors->cBtnFace : clBtnFace);
    c->DrawFocusRect(TRect{0, 0, width, height});
  }
  Integer indent = 0;
  Integer offset = list_->HorzOffset;
  if (images_) {
    Integer image = imageIndex_ < 0 ? index : imageIndex_;
    if (image < images_->Count())
      images_->Draw(c, textRect.Left - offset, textRect.Top + RectHeight(textRect) / 2 - images_->Height() / 2, image);
    indent = images_->Width() + 2;
  }
  c->Brush()->SetStyle(bsClear);
  String text = list_->Items()->Strings(index);
  if (tabWidths_->Count() > 0 && Columns() == 0) DrawTabbedString(text, indent, textRect, c);
  else SPDrawText3(c, text, textRect, indent - offset);
}

void TspSkinCustomListBox::DrawListItem(int index, const TRect& rect, TOwnerDrawState state, TCanvas* target) {
  if (index < 0 || index >= list_->Count()) return;
  Integer w = RectWidth(rect), h = RectHeight(rect);
  if (w <= 0 || h <= 0) return;
  bool record = SkinRecordIndex != -1 && SkinPicture;
  bool selected = state & odSelected, focused = state & odFocused;
  TBitmap b(w, record && UseSkinItemHeight && RectHeight(itemRect_) > 0 ? RectHeight(itemRect_) : h);
  TCanvas* c = b.Canvas();
  TFont* font = c->Font();
  if (!record) {
    font->Assign(Font());
    font->SetCharset(SkinCharset(SkinData(), DefaultFont()));
    c->Brush()->SetColor(selected ? clHighlight : clWindow);
    font->SetColor(selected ? clHighlightText : Font()->Color());
    c->FillRect(TRect{0, 0, w, b.Height()});
    DrawItemContent(c, index, TRect{2, 0, w - 2, b.Height()}, w, b.Height(), state, false);
    if (focused) c->DrawFocusRect(TRect{0, 0, w, b.Height()});
  } else {
    if (UseSkinFont) SetRecordFont(font, fontName_, fontStyle_, fontHeight_);
    else font->Assign(DefaultFont());
    font->SetCharset(SkinCharset(SkinData(), DefaultFont()));
    font->SetColor(focused && selected ? focusFontColor_ : selected ? activeFontColor_ : fontColor_);
    TRect textRect = itemTextRect_;
    textRect.Right += w - RectWidth(itemRect_);
    if (UseSkinItemHeight) {
      TRect source = focused && selected ? focusItemRect_ : selected ? activeItemRect_ : itemRect_;
      bool stretch = (focused || selected) && stretcheffect;
      if (!IsNullRect(source)) CreateHSkinImage(itemLeftOffset_, itemRightOffset_, &b, SkinPicture, source, w, b.Height(), stretch);
      DrawItemContent(c, index, textRect, w, b.Height(), state, true);
      if (focused && !selected) c->DrawFocusRect(TRect{0, 0, w, b.Height()});
    } else {
      TRect source = focused ? focusItemRect_ : selected ? activeItemRect_ : itemRect_;
      TRect inner{itemTextRect_.Left + 1, itemTextRect_.Top + 1, itemTextRect_.Right - 1, itemTextRect_.Bottom - 1};
      if (!IsNullRect(source)) CreateStretchImage(&b, SkinPicture, source, inner, true);
      textRect.Bottom += h - RectHeight(itemRect_);
      DrawItemContent(c, index, textRect, w, RectHeight(itemRect_), state, true);
    }
  }
  target->Draw(rect.Left, rect.Top, &b);
}

// ---- frame and caption ----

void TspSkinCustomListBox::DrawCaptionButton(TCanvas* canvas, int index) {
  const Button& button = buttons_[index];
  if (SkinRecordIndex == -1 || !SkinPicture) {
    DrawDefaultPart(canvas, button.R, PartState(button.MouseIn, button.Down), false);
    if (index == CheckCaptionButton) DrawCheckImage(canvas, button.R.Left + 4, button.R.Top + 4, clBlack);
    else DrawArrowImage(canvas, button.R, clBlack, index == UpCaptionButton ? 3 : 4);
    return;
  }
  if (IsNullRect(button.R)) return;
  const TRect normal[3] = {upButtonRect_, downButtonRect_, checkButtonRect_};
  const TRect hot[3] = {activeUpButtonRect_, activeDownButtonRect_, activeCheckButtonRect_};
  const TRect down[3] = {downUpButtonRect_, downDownButtonRect_, downCheckButtonRect_};
  TRect source = button.MouseIn && button.Down ? down[index] : button.MouseIn ? hot[index] : TRect{};
  if (IsNullRect(source)) source = Moved(normal[index], skinrect.Left, skinrect.Top);
  canvas->CopyRect(button.R, SkinPicture->Canvas(), source);
}

void TspSkinCustomListBox::DrawCaption(TCanvas* canvas, const TRect& area, bool skinned) {
  TFont* font = canvas->Font();
  if (skinned) {
    SetRecordFont(font, captionFontName_, captionFontStyle_, captionFontHeight_);
    font->SetColor(captionFontColor_);
  } else {
    font->Assign(defaultCaptionFont_.get());
  }
  font->SetCharset(SkinCharset(SkinData(), DefaultFont()));
  canvas->Brush()->SetStyle(bsClear);
  String text = Caption();
  Integer tw = canvas->TextWidth(text), th = canvas->TextHeight(text);
  Integer x = alignment_ == taRightJustify ? area.Right - tw - 2
              : alignment_ == taCenter     ? area.Left + 2 + RectWidth(area) / 2 - tw / 2
                                           : area.Left + 2;
  Integer y = skinned ? area.Top + RectHeight(area) / 2 - th / 2 : (defaultCaptionHeight_ - 2) / 2 - th / 2;
  canvas->TextRect(area, x, y, text);
}

void TspSkinCustomListBox::CreateControlDefaultImage(TBitmap* b) {
  TspSkinCustomControl::CreateControlDefaultImage(b);
  TCanvas* canvas = b->Canvas();
  Integer w = Width(), h = Height();
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(TRect{0, 0, w, h});
  if (!captionMode_) return;
  Integer a = std::min<Integer>(17, defaultCaptionHeight_ - 3);
  buttons_[UpCaptionButton].R = {w - a - 2, 2, w - 2, a + 1};
  buttons_[DownCaptionButton].R = {w - 2 * a - 2, 2, w - a - 2, a + 1};
  buttons_[CheckCaptionButton].R = {w - 3 * a - 2, 2, w - 2 * a - 2, a + 1};
  DrawCaption(canvas, TRect{3, 2, w - 3 * a - 3, defaultCaptionHeight_ - 2}, false);
  canvas->Pen()->SetColor(clBtnShadow);
  canvas->MoveTo(1, defaultCaptionHeight_ - 1);
  canvas->LineTo(w - 1, defaultCaptionHeight_ - 1);
  for (int i = 0; i < 3; ++i) DrawCaptionButton(canvas, i);
}

void TspSkinCustomListBox::CreateControlSkinImage(TBitmap* b) {
  TspSkinCustomControl::CreateControlSkinImage(b);
  if (!captionMode_) return;
  Integer dw = Width() - RectWidth(skinrect), dh = Height() - RectHeight(skinrect);
  const TRect sources[3] = {upButtonRect_, downButtonRect_, checkButtonRect_};
  for (int i = 0; i < 3; ++i) {
    TRect r = sources[i];
    bool below = r.Top > lefttoppoint.Y;
    if (below) r = Moved(r, 0, dh);
    if (r.Left > (below ? rightbottompoint.X : righttoppoint.X)) r = Moved(r, dw, 0);
    buttons_[i].R = r;
  }
  if (!IsNullRect(captionRect_)) {
    TRect area = captionRect_;
    if (captionRect_.Right >= righttoppoint.X) area.Right += dw;
    DrawCaption(b->Canvas(), area, true);
  }
  for (int i = 0; i < 3; ++i) DrawCaptionButton(b->Canvas(), i);
}

// ---- caption buttons ----

void TspSkinCustomListBox::TestActive(int x, int y) {
  if (SkinRecordIndex != -1 && IsNullRect(upButtonRect_) && IsNullRect(downButtonRect_)) return;
  oldActiveButton_ = activeButton_;
  activeButton_ = -1;
  for (int i = 0; i < 3; ++i)
    if (PointInRect(buttons_[i].R, TPoint{x, y})) {
      activeButton_ = i;
      break;
    }
  if (pressedButton_ != -1 && activeButton_ != pressedButton_) activeButton_ = -1;
  if (activeButton_ == oldActiveButton_) return;
  if (oldActiveButton_ != -1) {
    buttons_[oldActiveButton_].MouseIn = false;
    if (timerMode_ != 0 && oldActiveButton_ == pressedButton_) KillBoxTimer(this, kRepeatTimer);
    Repaint();
  }
  if (activeButton_ != -1) {
    buttons_[activeButton_].MouseIn = true;
    if (timerMode_ != 0 && activeButton_ == pressedButton_) SetBoxTimer(this, kRepeatTimer, 50);
    Repaint();
  }
}

void TspSkinCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (captionMode_) {
    TestActive(x, y);
    if (activeButton_ != -1) {
      pressedButton_ = activeButton_;
      buttons_[pressedButton_].MouseIn = buttons_[pressedButton_].Down = true;
      Repaint();
      TNotifyEvent events[3] = {OnUpButtonClick, OnDownButtonClick, OnCheckButtonClick};
      if (!events[pressedButton_] && pressedButton_ != CheckCaptionButton) {
        timerMode_ = pressedButton_ == UpCaptionButton ? 1 : 2;
        waitMode_ = true;
        SetBoxTimer(this, kRepeatTimer, 500);
      }
    }
  }
  TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinCustomListBox::MouseMove(TShiftState shift, int x, int y) {
  if (captionMode_) TestActive(x, y);
  TspSkinCustomControl::MouseMove(shift, x, y);
}

// A caption button acts only when released over itself; released elsewhere it
// returns to normal and does nothing.
void TspSkinCustomListBox::ButtonUp(int index, bool releasedOver) {
  Button& button = buttons_[index];
  button.Down = false;
  if (index != activeButton_) button.MouseIn = false;
  Repaint();
  bool repeated = timerMode_ != 0;
  if (repeated) KillBoxTimer(this, kRepeatTimer);
  timerMode_ = 0;
  if (!releasedOver) return;
  TNotifyEvent events[3] = {OnUpButtonClick, OnDownButtonClick, OnCheckButtonClick};
  if (events[index]) return events[index](this);
  Integer i = ItemIndex();
  if (index == UpCaptionButton && i > 0) SetItemIndex(i - 1);
  else if (index == DownCaptionButton && i + 1 < list_->Count()) SetItemIndex(i + 1);
  else if (index == CheckCaptionButton) CheckButtonAction();
}

void TspSkinCustomListBox::CheckButtonAction() { list_->Click(); }

void TspSkinCustomListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (pressedButton_ != -1) {
    int pressed = pressedButton_;
    pressedButton_ = -1;
    ButtonUp(pressed, PointInRect(buttons_[pressed].R, TPoint{x, y}));
  }
  TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinCustomListBox::OnTimer() {
  if (waitMode_) {
    waitMode_ = false;
    KillBoxTimer(this, kRepeatTimer);
    SetBoxTimer(this, kRepeatTimer, 100);
    return;
  }
  Integer i = ItemIndex();
  if (timerMode_ == 1 && i > 0) SetItemIndex(i - 1);
  else if (timerMode_ == 2 && i + 1 < list_->Count()) SetItemIndex(i + 1);
}

void TspSkinCustomListBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_DELETEITEM:
      // The owner-drawn inner list reports each deleted item; its items own
      // nothing, so a refill does not pay a round of reflected messages.
      if (list_->HandleAllocated() &&
          reinterpret_cast<const DELETEITEMSTRUCT*>(message.LParam)->hwndItem == list_->Handle()) {
        message.Result = TRUE;
        return;
      }
      break;
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(message);
      if (message.WParam == kRepeatTimer) OnTimer();
      return;
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(message);
      GetSkinData();
      CalcRects();
      return UpDateScrollBar();
    case CM_MOUSEENTER:
      TspSkinCustomControl::Dispatch(message);
      if (captionMode_) TestActive(-1, -1);
      return;
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(message);
      if (!captionMode_) return;
      for (Button& b : buttons_) b.MouseIn = false;
      activeButton_ = -1;
      return Repaint();
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(message);
      if (captionMode_) Repaint();
      return;
    default:
      TspSkinCustomControl::Dispatch(message);
  }
}
