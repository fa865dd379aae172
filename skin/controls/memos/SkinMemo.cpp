#include "skin/controls/memos/SkinMemo.h"

#include <algorithm>

#include "platform/controls/Menus.h"
#include "skin/controls/EditMenuSeam.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinPaintMessages.h"
#include "skin/draw/SPUtils.h"
#include "skin/draw/Speffbmp.h"

TspSkinMemo::TspSkinMemo(TComponent* owner) : TMemo(owner), defaultFont_(std::make_unique<TFont>()) {
  SetAutoSize(false);
  SetRecordFont(defaultFont_.get(), "Arial", 0, 14);
  defaultFont_->SetColor(clBlack);
  defaultFont_->OnChange = TNotifyEvent(this, &TspSkinMemo::OnDefaultFontChange);
  Font()->Assign(defaultFont_.get());
  SetScrollBars(ssBoth);
}

TspSkinMemo::~TspSkinMemo() {
  defaultFont_->OnChange = nullptr;
  FreeContextMenu();
}

// ---- properties ----

void TspSkinMemo::SetDefaultFont(const TFont* value) {
  defaultFont_->Assign(value);
  if (!HasRecord()) Font()->Assign(value);
}

void TspSkinMemo::OnDefaultFontChange(TObject*) {
  if (!HasRecord()) Font()->Assign(defaultFont_.get());
}

void TspSkinMemo::SetBitMapBG(bool value) {
  bitMapBG_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TspSkinMemo::SetAlphaBlend(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Invalidate();
}

void TspSkinMemo::SetAlphaBlendValue(Byte value) {
  if (value == alphaBlendValue_) return;
  alphaBlendValue_ = value;
  if (transparent_) Invalidate();
}

void TspSkinMemo::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value && !value->Empty && !HasState(csDesigning)) ChangeSkinData();
}

void TspSkinMemo::SetVScrollBar(TspSkinScrollBar* value) {
  vScrollBar_ = value;
  if (!value) return;
  value->FreeNotification(this);
  value->SetMin(0);
  value->SetMax(0);
  value->SetPosition(0);
  value->OnChange = TNotifyEvent(this, &TspSkinMemo::OnVScrollBarChange);
}

void TspSkinMemo::SetHScrollBar(TspSkinScrollBar* value) {
  hScrollBar_ = value;
  if (!value) return;
  value->FreeNotification(this);
  value->SetMin(0);
  value->SetMax(0);
  value->SetPosition(0);
  value->OnChange = TNotifyEvent(this, &TspSkinMemo::OnHScrollBarChange);
}

void TspSkinMemo::Notification(TComponent* component, TOperation operation) {
  TMemo::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == vScrollBar_) vScrollBar_ = nullptr;
  if (component == hScrollBar_) hScrollBar_ = nullptr;
  if (component == menu_) menu_ = nullptr;
}

void TspSkinMemo::OnVScrollBarChange(TObject*) {
  ScrollMemoToBar(this, vScrollBar_, true);
  Invalidate();
}

void TspSkinMemo::OnHScrollBarChange(TObject*) {
  ScrollMemoToBar(this, hScrollBar_, false);
  Invalidate();
}

void TspSkinMemo::UpDateScrollRange() { UpdateMemoScrollBars(this, vScrollBar_, hScrollBar_); }

void TspSkinMemo::Loaded() {
  TMemo::Loaded();
  UpDateScrollRange();
}

// ---- record ----

void TspSkinMemo::GetSkinData() {
  auto* r = FindRecord<TspDataSkinMemoControl>(skinData_, SkinDataName, &recordIndex_);
  look_.Read(r);
  if (!r) return;
  picture_ = skinData_->ActivePicture(r->pictureindex);
  skinRect_ = r->skinrect;
  activeSkinRect_ = IsNullRect(r->activeskinrect) ? r->skinrect : r->activeskinrect;
  clientRect_ = r->clientrect;
  leftTop_ = r->lefttoppoint;
  rightTop_ = r->righttoppoint;
  leftBottom_ = r->leftbottompoint;
  rightBottom_ = r->rightbottompoint;
  leftStretch_ = r->leftstretch;
  topStretch_ = r->topstretch;
  rightStretch_ = r->rightstretch;
  bottomStretch_ = r->bottomstretch;
  stretchEffect_ = r->stretcheffect;
  stretchType_ = r->stretchtype;
}

void TspSkinMemo::ChangeSkinData() {
  GetSkinData();
  look_.ApplyFont(Font(), defaultFont_.get(), UseSkinFont);
  if (HasRecord()) {
    if (UseSkinFontColor) Font()->SetColor(HandleAllocated() && Focused() ? look_.ActiveFontColor : look_.FontColor);
    SetColor(look_.BGColor);
  }
  Font()->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
  UpDateScrollRange();
  if (vScrollBar_) vScrollBar_->SetAlign(vScrollBar_->Align());
  if (!Enabled()) Font()->SetColor(MemoDisabledFontColor(skinData_, HasRecord()));
  else Font()->SetColor(HasRecord() && UseSkinFontColor ? look_.FontColor : defaultFont_->Color());
  AdjustTextBorders();
}

// ---- window ----

void TspSkinMemo::CreateParams(TCreateParams& params) {
  TMemo::CreateParams(params);
  params.ExStyle &= ~(WS_EX_CLIENTEDGE | WS_EX_TRANSPARENT);
  params.Style &= ~WS_BORDER;
  params.Style |= ES_MULTILINE;
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TspSkinMemo::AdjustTextBorders() {
  if (BorderStyle() == bsNone || !HandleAllocated()) return;
  TRect r = ClientRect();
  if (!HasRecord()) {
    r.Left += bitMapBG_ ? 3 : 6;
    r.Top += 2;
    r.Right -= 4;
    r.Bottom -= 2;
  } else {
    r.Left += clientRect_.Left + (bitMapBG_ ? 1 : 3);
    r.Top += clientRect_.Top + (bitMapBG_ ? 1 : 2);
    r.Right += clientRect_.Right - RectWidth(skinRect_) - 3;
    r.Bottom += clientRect_.Bottom - RectHeight(skinRect_) - 2;
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
  }
  if (r == textRect_) return;  // the window keeps it: no redraw loop from painting
  textRect_ = r;
  RECT native{r.Left, r.Top, r.Right, r.Bottom};
  ::SendMessageA(Handle(), EM_SETRECT, 0, reinterpret_cast<LPARAM>(&native));
}

bool TspSkinMemo::ActiveLook() { return mouseIn_ || (HandleAllocated() && Focused()); }

void TspSkinMemo::SkinFramePaint(TCanvas* canvas) {
  Integer w = Width(), h = Height();
  if (!HasRecord() || !picture_) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(TRect{0, 0, w, h});
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FrameRect(TRect{1, 1, w - 1, h - 1});
    return;
  }
  Integer dw = w - RectWidth(skinRect_), dh = h - RectHeight(skinRect_);
  TRect client{clientRect_.Left, clientRect_.Top, clientRect_.Right + dw, clientRect_.Bottom + dh};
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages(leftTop_, rightTop_, leftBottom_, rightBottom_, clientRect_, leftTop_,
                         TPoint{rightTop_.X + dw, rightTop_.Y}, TPoint{leftBottom_.X, leftBottom_.Y + dh},
                         TPoint{rightBottom_.X + dw, rightBottom_.Y + dh}, client, &left, &top, &right, &bottom,
                         picture_, ActiveLook() ? activeSkinRect_ : skinRect_, w, h, leftStretch_, topStretch_,
                         rightStretch_, bottomStretch_);
  canvas->Draw(0, 0, &top);
  canvas->Draw(0, top.Height(), &left);
  canvas->Draw(w - right.Width(), top.Height(), &right);
  canvas->Draw(0, h - bottom.Height(), &bottom);
}

void TspSkinMemo::DrawMemoBackGround(HDC dc) {
  TRect client = ClientRect();
  Integer w = RectWidth(client), h = RectHeight(client);
  if (w < 1 || h < 1) return;
  TCanvas target;
  target.SetHandle(dc);
  if (!bitMapBG_) {
    TRect fill{2, 2, w - 2, h - 2};
    if (HasRecord()) {
      fill = {clientRect_.Left, clientRect_.Top, w + clientRect_.Right - RectWidth(skinRect_),
              h + clientRect_.Bottom - RectHeight(skinRect_)};
      fill.Right = std::max(fill.Right, fill.Left);
      fill.Bottom = std::max(fill.Bottom, fill.Top);
    }
    target.Brush()->SetStyle(bsSolid);
    target.Brush()->SetColor(HasRecord() ? Color() : clWindow);
    target.FillRect(fill);
    if (BorderStyle() != bsNone) SkinFramePaint(&target);
    target.SetHandle(nullptr);
    return AdjustTextBorders();
  }
  TBitmap parentImage(w, h);
  if (transparent_) GetParentImage(this, parentImage.Canvas());
  TBitmap b(w, h);
  if (transparent_ && alphaBlendValue_ == 255) {
    b.Canvas()->Draw(0, 0, &parentImage);
  } else if (HasRecord() && picture_) {
    TRect source = ActiveLook() ? activeSkinRect_ : skinRect_;
    TRect piece{source.Left + clientRect_.Left, source.Top + clientRect_.Top, source.Left + clientRect_.Right,
                source.Top + clientRect_.Bottom};
    CreateSkinBG(TRect{0, 0, RectWidth(piece), RectHeight(piece)}, TRect{0, 0, w, h}, &b, picture_, piece, w, h,
                 stretchEffect_, stretchType_);
  } else {
    b.Canvas()->Brush()->SetColor(clWindow);
    b.Canvas()->FillRect(TRect{0, 0, w, h});
  }
  if (BorderStyle() != bsNone) SkinFramePaint(b.Canvas());
  if (transparent_ && alphaBlendValue_ != 255) {
    TspEffectBmp own(b.Handle()), behind(parentImage.Handle());
    own.Morph(behind, 1 - alphaBlendValue_ / 255.0);
    own.Draw(b.Canvas()->Handle(), 0, 0);
  }
  target.Draw(0, 0, &b);
  target.SetHandle(nullptr);
  AdjustTextBorders();
}

void TspSkinMemo::EraseMessage(TMessage& message) {
  if (!bitMapBG_ && BorderStyle() != bsSingle) return TMemo::Dispatch(message);
  GetSkinData();
  DrawMemoBackGround(reinterpret_cast<HDC>(message.WParam));
  Perform(WM_PAINT, message.WParam, 0);
  paintedInErase_ = true;
  message.Result = 1;
}

void TspSkinMemo::PaintMessage(TMessage& message) {
  if (bitMapBG_ && paintedInErase_) {
    paintedInErase_ = false;
    if (message.WParam == 0) ::ValidateRect(Handle(), nullptr);
    return;
  }
  if (Enabled()) {
    if (bitMapBG_) paintedInErase_ = true;
    TMemo::Dispatch(message);
    paintedInErase_ = false;
    return;
  }
  GetSkinData();
  TFont font;
  look_.ApplyFont(&font, defaultFont_.get(), UseSkinFont);
  font.SetColor(MemoDisabledFontColor(skinData_, HasRecord()));
  font.SetCharset(SkinCharset(skinData_, defaultFont_.get()));
  if (message.WParam != 0) return DrawDisabledMemoLines(this, reinterpret_cast<HDC>(message.WParam), textRect_, &font);
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(Handle(), &ps);
  if (!paintedInErase_) {
    DrawMemoBackGround(dc);
    DrawDisabledMemoLines(this, dc, textRect_, &font);
  }
  paintedInErase_ = false;
  ::EndPaint(Handle(), &ps);
}

void TspSkinMemo::CNCtlColor(TMessage& message) {
  if (!bitMapBG_) return TMemo::CNCtlColor(message);
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(Font()->Color()));
  message.Result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

void TspSkinMemo::Invalidate() {
  if (!bitMapBG_ || !Parent() || !HandleAllocated()) return TMemo::Invalidate();
  paintedInErase_ = false;
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
}

void TspSkinMemo::Repaint2() {
  if (bitMapBG_) Invalidate();
}

// ---- state colours ----

void TspSkinMemo::StateColors(bool active) {
  if (!HasRecord()) return;
  if (UseSkinFontColor) Font()->SetColor(active ? look_.ActiveFontColor : look_.FontColor);
  if (!bitMapBG_) SetColor(active ? look_.ActiveBGColor : look_.BGColor);
}

void TspSkinMemo::Change() {
  TMemo::Change();
  UpDateScrollRange();
}

// ---- context menu ----

void TspSkinMemo::ContextMenuMessage(TMessage& message) {
  if (PopupMenu()) return TMemo::Dispatch(message);
  FreeContextMenu();
  menu_ = BuildMemoContextMenu(this, skinData_, readOnly_);
  menu_->FreeNotification(this);
  int x = static_cast<short>(LOWORD(message.LParam)), y = static_cast<short>(HIWORD(message.LParam));
  if (x < 0 || y < 0) {  // from the keyboard: the centre of the control
    TPoint origin = ClientOrigin();
    x = origin.X + Width() / 2;
    y = origin.Y + Height() / 2;
  }
  SPEditMenuHooks().Popup2(menu_, this, x, y);
  message.Result = 1;
}

void TspSkinMemo::FreeContextMenu() {
  TPopupMenu* menu = menu_;
  menu_ = nullptr;
  delete menu;
}

// ---- messages ----

void TspSkinMemo::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      message.Result = 0;
      return;
    case WM_NCPAINT:
      message.Result = 0;
      if (bitMapBG_) Invalidate();
      return;
    case WM_ERASEBKGND:
      return EraseMessage(message);
    case WM_PAINT:
      return PaintMessage(message);
    case WM_CHAR:
      if (readOnly_ && message.WParam != 3) return;  // only Ctrl+C passes
      TMemo::Dispatch(message);
      UpDateScrollRange();
      return Repaint2();
    case WM_KEYDOWN:
      if (readOnly_ && message.WParam == VK_DELETE) return;
      TMemo::Dispatch(message);
      UpDateScrollRange();
      return Repaint2();
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
      if (readOnly_) return;
      TMemo::Dispatch(message);
      Repaint2();
      return UpDateScrollRange();
    case WM_SETTEXT:
      TMemo::Dispatch(message);
      Repaint2();
      return UpDateScrollRange();
    case WM_SIZE:
    case WM_VSCROLL:
    case WM_HSCROLL:
      TMemo::Dispatch(message);
      return UpDateScrollRange();
    case WM_MOUSEWHEEL:
      ::SendMessageA(Handle(), WM_VSCROLL, GET_WHEEL_DELTA_WPARAM(message.WParam) <= 0 ? SB_LINEDOWN : SB_LINEUP, 0);
      message.Result = 0;
      return Repaint2();
    case WM_LBUTTONDOWN:
      TMemo::Dispatch(message);
      leftDown_ = true;
      return;
    case WM_LBUTTONUP:
      TMemo::Dispatch(message);
      if (leftDown_) UpDateScrollRange();
      leftDown_ = false;
      return;
    case WM_MOUSEMOVE:
      TMemo::Dispatch(message);
      if (!leftDown_) return;
      UpDateScrollRange();
      return Repaint2();
    case WM_MOVE:
      TMemo::Dispatch(message);
      if (transparent_ && HasRecord()) Invalidate();
      return;
    case CM_ENABLEDCHANGED:
      if (HandleAllocated()) ::SendMessageA(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
      TMemo::Dispatch(message);
      UpDateScrollRange();
      if (!Enabled()) Font()->SetColor(MemoDisabledFontColor(skinData_, HasRecord()));
      else Font()->SetColor(HasRecord() && UseSkinFontColor ? look_.FontColor : defaultFont_->Color());
      return Invalidate();
    case WM_CONTEXTMENU:
      return ContextMenuMessage(message);
    case WM_AFTERDISPATCH:
      return FreeContextMenu();
    case CM_SENCPAINT:
      if (message.WParam) DrawMemoBackGround(reinterpret_cast<HDC>(message.WParam));
      message.Result = 12851;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TMemo::Dispatch(message);
      if (mouseIn_) return;
      StateColors(message.Msg == WM_SETFOCUS);
      return Invalidate();
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      TMemo::Dispatch(message);
      mouseIn_ = message.Msg == CM_MOUSEENTER;
      bool focused = HandleAllocated() && Focused();
      if (!focused) {
        StateColors(mouseIn_);
        Invalidate();
      }
      // The published events fire, as every other skinned control's do.
      if (HasState(csDesigning)) return;
      if (mouseIn_) OnMouseEnter(this);
      else OnMouseLeave(this);
      return;
    }
    default:
      break;
  }
  TMemo::Dispatch(message);
}
