// The tab strip's properties, record, rectangles and messages.
#include "skin/controls/tabs/SkinTabs.h"

#include "platform/comctrls/PageControl.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/tabs/TabRects.h"
#include "skin/draw/SPUtils.h"

template <class Base>
TspSkinTabs<Base>::TspSkinTabs(TComponent* owner)
    : Base(owner), placeholder_(std::make_unique<TCustomImageList>(nullptr)), defaultFont_(std::make_unique<TFont>()) {
  SetRecordFont(defaultFont_.get(), "Arial", 0, 14);
  defaultFont_->SetColor(clBtnText);
  SetRecordFont(this->Font(), "Arial", 0, 14);
  this->Font()->SetColor(clBtnText);
  placeholder_->SetSize(1, 1);
  this->TCustomTabControl::SetImages(placeholder_.get());
}

template <class Base>
TspSkinTabs<Base>::~TspSkinTabs() {
  HideSkinUpDown();
  this->TCustomTabControl::SetImages(nullptr);
}

// ---- properties ----

template <class Base>
Integer TspSkinTabs<Base>::PlaceholderSize() const {
  return SideTabs() ? placeholder_->Height() : placeholder_->Width();
}

template <class Base>
void TspSkinTabs<Base>::ResizePlaceholder(Integer delta) {
  Integer w = placeholder_->Width(), h = placeholder_->Height();
  if (SideTabs()) h += delta;
  else w += delta;
  placeholder_->SetSize(w < 1 ? 1 : w, h < 1 ? 1 : h);
  this->TCustomTabControl::SetImages(nullptr);
  this->TCustomTabControl::SetImages(placeholder_.get());
}

template <class Base>
void TspSkinTabs<Base>::SetShowCloseButtons(bool value) {
  if (value != showCloseButtons_) {
    showCloseButtons_ = value;
    ResizePlaceholder(value ? closeSize_ : -closeSize_);
  }
  this->Invalidate();
}

template <class Base>
void TspSkinTabs<Base>::SetImages(TCustomImageList* value) {
  auto extent = [this](TCustomImageList* list) { return !list ? 0 : SideTabs() ? list->Height() : list->Width(); };
  Integer delta = extent(value) - extent(images_);
  images_ = value;
  if (value) value->FreeNotification(this);
  if (delta != 0) ResizePlaceholder(delta);
  this->Invalidate();
}

template <class Base>
void TspSkinTabs<Base>::SetTabsBGTransparent(bool value) {
  if (value == tabsBGTransparent_) return;
  tabsBGTransparent_ = value;
  this->Invalidate();
}

template <class Base>
void TspSkinTabs<Base>::SetDefaultItemHeight(Integer value) {
  defaultItemHeight_ = value;
  if (HasRecord()) return;
  SetItemSize(this->TabWidth(), value);
  Change2();
  this->Realign();
}

template <class Base>
void TspSkinTabs<Base>::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value && !value->Empty && !this->HasState(csDesigning)) ChangeSkinData();
}

template <class Base>
void TspSkinTabs<Base>::Notification(TComponent* component, TOperation operation) {
  Base::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr, record_ = nullptr;
  if (component == images_) images_ = nullptr;
  if (component == upDown_) upDown_ = nullptr;
}

// ---- record ----

template <class Base>
void TspSkinTabs<Base>::GetSkinData() {
  record_ = FindRecord<TspDataSkinTabControl>(skinData_, SkinDataName);
  Picture = nullptr;
  if (!record_) return;
  const TspDataSkinTabControl& r = *record_;
  skinRect = r.skinrect;
  clientRect = r.clientrect;
  tabRect = r.tabrect;
  activeTabRect = tabs_detail::OrElse(r.activetabrect, r.tabrect);
  focusTabRect = tabs_detail::OrElse(r.focustabrect, r.activetabrect);
  mouseInTabRect = r.mouseintabrect;
  tabsBGRect = tabs_detail::OrElse(r.tabsbgrect, tabs_detail::Moved(r.clientrect, r.skinrect.Left, r.skinrect.Top));
  closeButtonRect = r.closebuttonrect;
  closeButtonActiveRect = tabs_detail::OrElse(r.closebuttonactiverect, closeButtonRect);
  closeButtonDownRect = tabs_detail::OrElse(r.closebuttondownrect, closeButtonActiveRect);
  upDownName_ = r.updown;
  Picture = skinData_->ActivePicture(r.pictureindex);
}

template <class Base>
Integer TspSkinTabs<Base>::GetCloseSize() {
  return !HasRecord() || IsNullRect(closeButtonRect) ? 14 : RectWidth(closeButtonRect);
}

template <class Base>
void TspSkinTabs<Base>::ChangeSkinData() {
  GetSkinData();
  if (showCloseButtons_) {
    ResizePlaceholder(-closeSize_);
    closeSize_ = GetCloseSize();
    ResizePlaceholder(closeSize_);
  } else {
    closeSize_ = GetCloseSize();
  }
  TFont* font = this->Font();
  Integer tabHeight;
  if (!HasRecord()) {
    font->Assign(defaultFont_.get());
    if (skinData_ && skinData_->ResourceStrData()) font->SetCharset(skinData_->ResourceStrData()->CharSet);
    tabHeight = this->TabHeight() > 0 ? this->TabHeight() : defaultItemHeight_;
  } else {
    if (UseSkinFont) SetRecordFont(font, record_->fontname, record_->fontstyle, record_->fontheight);
    else font->Assign(defaultFont_.get());
    font->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
    font->SetColor(record_->fontcolor);
    tabHeight = this->TabHeight() > 0 ? this->TabHeight() : RectHeight(tabRect);
  }
  SetItemSize(this->TabWidth(), tabHeight);
  Change2();
  this->Realign();
  if (upDown_) {
    HideSkinUpDown();
    CheckScroll();
  }
  this->Invalidate();
}

template <class Base>
void TspSkinTabs<Base>::Loaded() {
  Base::Loaded();
  GetSkinData();
  if (HasRecord()) return;
  SetItemSize(this->TabWidth(), this->TabHeight() > 0 ? this->TabHeight() : defaultItemHeight_);
  Change2();
  this->Realign();
}

template <class Base>
void TspSkinTabs<Base>::UpDateTabs() {
  GetSkinData();
  Integer h = this->TabHeight() > 0 ? this->TabHeight() : HasRecord() ? RectHeight(tabRect) : defaultItemHeight_;
  SetItemSize(this->TabWidth(), h);
  if (this->MultiLine()) HideSkinUpDown();
  this->Realign();
}

template <class Base>
void TspSkinTabs<Base>::SetItemSize(Integer width, Integer height) {
  if (this->HandleAllocated()) ::SendMessageA(this->Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
}

template <class Base>
void TspSkinTabs<Base>::Change() {
  if (upDown_) upDown_->SetPosition(GetPosition());
  Base::Change();
  this->Invalidate();
}

template <class Base>
void TspSkinTabs<Base>::Change2() {
  if (upDown_) upDown_->SetPosition(GetPosition());
  this->Invalidate();
}

// ---- rectangles ----

// Wine's tab control answers no rectangle for a tab scrolled out of the strip:
// one before the first shown tab is placed left of the strip (Right <= 0), one
// after the last beyond its right end, as the native contract has them.
template <class Base>
TRect TspSkinTabs<Base>::GetItemRect(Integer tab) {
  RECT r{};
  if (!this->HandleAllocated() || tab < 0 || tab >= this->TabCount()) return {};
  if (!::SendMessageA(this->Handle(), TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&r))) {
    for (Integer next = tab + 1; next < this->TabCount(); ++next) {
      RECT shown{};
      if (::SendMessageA(this->Handle(), TCM_GETITEMRECT, next, reinterpret_cast<LPARAM>(&shown)))
        return {-1, shown.top, 0, shown.bottom};
    }
    if (tab == 0) return {};
    TRect before = GetItemRect(tab - 1);
    Integer width = before.Width() > 0 ? before.Width() : 1;
    return {before.Right, before.Top, before.Right + width, before.Bottom};
  }
  TRect result{r.left, r.top, r.right, r.bottom};
  if (tab == 0 && !this->MultiLine()) result.Left += 1;
  return result;
}

template <class Base>
TRect TspSkinTabs<Base>::GetActiveTabRect() {
  Integer index = this->TabIndex();
  if (index < 0 || index >= this->TabCount() || !HasActiveTab()) return {};
  TRect r = GetItemRect(index);
  Integer grow = HasRecord() ? RectHeight(activeTabRect) - RectHeight(tabRect) : 0;
  switch (this->TabPosition()) {
    case tpTop: r.Bottom += grow; break;
    case tpBottom: r.Top -= grow; break;
    case tpLeft: r.Right += grow; break;
    case tpRight: r.Left -= grow; break;
  }
  return r;
}

template <class Base>
TRect TspSkinTabs<Base>::FrameRect() {
  TRect d = this->DisplayRect();
  if (!HasRecord()) return d;
  Integer l = clientRect.Left, t = clientRect.Top, rb = RectWidth(skinRect) - clientRect.Right,
          bb = RectHeight(skinRect) - clientRect.Bottom;
  return {d.Left - l, d.Top - t, d.Right + rb, d.Bottom + bb};
}

// The display rectangle by tab position, with and without a record.
template <class Base>
void TspSkinTabs<Base>::AdjustRect(RECT& r) {
  RECT client;
  ::GetClientRect(this->Handle(), &client);
  Integer cw = client.right, ch = client.bottom;
  if (HasRecord()) {
    Integer l = clientRect.Left, t = clientRect.Top, rb = RectWidth(skinRect) - clientRect.Right,
            bb = RectHeight(skinRect) - clientRect.Bottom;
    if (FramelessBackground() && record_->bgpictureindex != -1) l = t = rb = bb = 0;
    switch (this->TabPosition()) {
      case tpTop: r = {l, r.top + t - 6, cw - rb, ch - bb}; break;
      case tpBottom: r = {l, r.top + t - 4, cw - rb, r.bottom + 4 - bb}; break;
      case tpLeft: r = {r.left + l - 4, r.top + t - 4, cw - rb, ch - bb}; break;
      case tpRight: r = {l, r.top + t - 4, r.right + 4 - rb, ch - bb}; break;
    }
  } else {
    switch (this->TabPosition()) {
      case tpTop: r = {1, r.top - 5, cw - 1, ch - 1}; break;
      case tpBottom: r = {1, 1, cw - 1, r.bottom + 3}; break;
      case tpLeft: r = {r.left - 3, r.top - 5, cw - 1, ch - 1}; break;
      case tpRight: r = {r.left - 3, r.top - 5, r.right + 3, ch - 1}; break;
    }
  }
}

// ---- messages ----

template <class Base>
void TspSkinTabs<Base>::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case TCM_ADJUSTRECT:
      Base::Dispatch(message);
      if (message.LParam && this->HandleAllocated()) {
        GetSkinData();
        AdjustRect(*reinterpret_cast<RECT*>(message.LParam));
      }
      return;
    case TCM_GETITEMRECT:
      Base::Dispatch(message);
      if (message.LParam && this->Style() == tsTabs) {
        auto* r = reinterpret_cast<RECT*>(message.LParam);
        bool single = !this->MultiLine();
        switch (this->TabPosition()) {
          case tpTop: r->top -= 2, r->bottom -= 2; if (single) r->left -= 2, r->right -= 2; break;
          case tpBottom: r->top += 2, r->bottom += 2; if (single) r->left -= 2, r->right -= 2; break;
          case tpLeft: r->left -= 2, r->right -= 2; break;
          case tpRight: r->left += 2, r->right += 2; break;
        }
      }
      return;
    case WM_SIZE:
      GetSkinData();
      Base::Dispatch(message);
      if (!this->MultiLine() && !this->HasState(csDesigning)) CheckScroll();
      return this->Invalidate();
    case WM_PAINT: {
      if (message.WParam) return PaintWindow(reinterpret_cast<HDC>(message.WParam));
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(this->Handle(), &ps);
      PaintWindow(dc);
      ::EndPaint(this->Handle(), &ps);
      return;
    }
    case WM_HSCROLL:
      Base::Dispatch(message);
      return this->Invalidate();
    case WM_USER + 260:  // the parent's background changed
      if (tabsBGTransparent_) this->Invalidate();
      return;
    case CM_MOUSELEAVE:
      Base::Dispatch(message);
      return MouseLeft();
    default:
      Base::Dispatch(message);
  }
}

template class TspSkinTabs<TPageControl>;
template class TspSkinTabs<TTabControl>;
