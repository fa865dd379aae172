#include "skin/controls/memos/SkinMemo.h"

#include <algorithm>

#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinPaintMessages.h"
#include "skin/draw/SPUtils.h"
#include "skin/draw/Speffbmp.h"

// ---- properties ----

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

void TspSkinMemo::Loaded() {
  TspSkinMemoBase::Loaded();
  UpDateScrollRange();
}

// ---- record ----

void TspSkinMemo::GetSkinData() {
  const TspDataSkinMemoControl* r = FindMemoRecord();
  if (!r) return;
  picture_ = SkinData()->ActivePicture(r->pictureindex);
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
  ApplyRecordLook();
  UpDateScrollRange();
  if (VScrollBar()) VScrollBar()->SetAlign(VScrollBar()->Align());
  ShowEnabledFontColor();
  AdjustTextBorders();
}

void TspSkinMemo::ShowEnabledFontColor() {
  if (!Enabled()) Font()->SetColor(MemoDisabledFontColor(SkinData(), HasRecord()));
  else Font()->SetColor(HasRecord() && UseSkinFontColor ? Look().FontColor : DefaultFont()->Color());
}

// ---- window ----

void TspSkinMemo::CreateParams(TCreateParams& params) {
  TspSkinMemoBase::CreateParams(params);
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

bool TspSkinMemo::ActiveLook() { return MouseIn() || (HandleAllocated() && Focused()); }

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
  if (!bitMapBG_ && BorderStyle() != bsSingle) return TspSkinMemoBase::Dispatch(message);
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
    TspSkinMemoBase::Dispatch(message);
    paintedInErase_ = false;
    return;
  }
  GetSkinData();
  TFont font;
  DisabledFont(&font);
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
  if (!bitMapBG_) return TspSkinMemoBase::CNCtlColor(message);
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(Font()->Color()));
  message.Result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

void TspSkinMemo::Invalidate() {
  if (!bitMapBG_ || !Parent() || !HandleAllocated()) return TspSkinMemoBase::Invalidate();
  paintedInErase_ = false;
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
}

void TspSkinMemo::Repaint2() {
  if (bitMapBG_) Invalidate();
}

// ---- state colours ----

void TspSkinMemo::ShowState(bool active) {
  StateColors(active, !bitMapBG_);
  Invalidate();
}

// ---- messages ----

void TspSkinMemo::Dispatch(TMessage& message) {
  switch (message.Msg) {
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
      TspSkinMemoBase::Dispatch(message);
      UpDateScrollRange();
      return Repaint2();
    case WM_KEYDOWN:
      if (readOnly_ && message.WParam == VK_DELETE) return;
      TspSkinMemoBase::Dispatch(message);
      UpDateScrollRange();
      return Repaint2();
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
      if (readOnly_) return;
      TspSkinMemoBase::Dispatch(message);
      Repaint2();
      return UpDateScrollRange();
    case WM_SETTEXT:
      TspSkinMemoBase::Dispatch(message);
      Repaint2();
      return UpDateScrollRange();
    case WM_SIZE:
    case WM_VSCROLL:
    case WM_HSCROLL:
      TspSkinMemoBase::Dispatch(message);
      return UpDateScrollRange();
    case WM_MOUSEWHEEL:
      TspSkinMemoBase::Dispatch(message);
      return Repaint2();
    case WM_LBUTTONDOWN:
      TspSkinMemoBase::Dispatch(message);
      leftDown_ = true;
      return;
    case WM_LBUTTONUP:
      TspSkinMemoBase::Dispatch(message);
      if (leftDown_) UpDateScrollRange();
      leftDown_ = false;
      return;
    case WM_MOUSEMOVE:
      TspSkinMemoBase::Dispatch(message);
      if (!leftDown_) return;
      UpDateScrollRange();
      return Repaint2();
    case WM_MOVE:
      TspSkinMemoBase::Dispatch(message);
      if (transparent_ && HasRecord()) Invalidate();
      return;
    case CM_ENABLEDCHANGED:
      TspSkinMemoBase::Dispatch(message);
      ShowEnabledFontColor();
      return Invalidate();
    case CM_SENCPAINT:
      if (message.WParam) DrawMemoBackGround(reinterpret_cast<HDC>(message.WParam));
      return TspSkinMemoBase::Dispatch(message);
    default:
      TspSkinMemoBase::Dispatch(message);
  }
}
