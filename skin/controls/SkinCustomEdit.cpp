#include "skin/controls/SkinCustomEdit.h"

#include "skin/controls/BoxCtrlsLook.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinButtonRecord.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/draw/SPUtils.h"
#include "skin/draw/Speffbmp.h"

namespace {

constexpr LRESULT kButtonHit = HTHSCROLL;  // the edit button
constexpr LRESULT kFrameHit = HTVSCROLL;   // the rest of the frame

TRect Moved(TRect r, Integer dx, Integer dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

}  // namespace

TspSkinCustomEdit::TspSkinCustomEdit(TComponent* owner)
    : TspCustomEdit(owner), defaultFont_(std::make_unique<TFont>()) {
  ControlStyle |= csOpaque;
  SetRecordFont(defaultFont_.get(), "Arial", 0, 14);
  defaultFont_->SetColor(clBlack);
  defaultFont_->OnChange = TNotifyEvent(this, &TspSkinCustomEdit::OnDefaultFontChange);
  SetAutoSize(false);
  SetHeight(20);
  SetBorderStyle(bsNone);
  SetEditTransparent(true);
  SetRecordFont(Font(), "Arial", 0, 14);
  Font()->SetColor(clBlack);
}

TspSkinCustomEdit::~TspSkinCustomEdit() { defaultFont_->OnChange = nullptr; }

// ---- properties ----

void TspSkinCustomEdit::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (!HasRecord()) Invalidate();
}

void TspSkinCustomEdit::SetDefaultFont(const TFont* value) {
  defaultFont_->Assign(value);
  if (!HasRecord()) Font()->Assign(value);
}

void TspSkinCustomEdit::OnDefaultFontChange(TObject*) {
  if (!HasRecord()) Font()->Assign(defaultFont_.get());
}

void TspSkinCustomEdit::SetDefaultWidth(Integer value) {
  defaultWidth_ = value;
  if (!HasRecord() && value > 0) SetWidth(value);
}

void TspSkinCustomEdit::SetDefaultHeight(Integer value) {
  defaultHeight_ = value;
  if (!HasRecord() && value > 0 && UseSkinFont) SetHeight(value);
  else AdjustEditHeight();
}

void TspSkinCustomEdit::SetButtonMode(bool value) {
  buttonMode_ = value;
  if (HasState(csDesigning) && !HasState(csLoading)) SkinDataName = value ? "buttonedit" : "edit";
  if (HandleAllocated()) RecreateWnd();
}

void TspSkinCustomEdit::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value && !value->Empty && !HasState(csDesigning)) ChangeSkinData();
}

void TspSkinCustomEdit::SetAlphaBlend(bool value) {
  if (value == alphaBlend_) return;
  alphaBlend_ = value;
  InvalidateNC();
  Invalidate();
}

void TspSkinCustomEdit::SetAlphaBlendValue(Byte value) {
  alphaBlendValue_ = value;
  if (!alphaBlend_) return;
  InvalidateNC();
  Invalidate();
}

void TspSkinCustomEdit::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TspSkinCustomEdit::Notification(TComponent* component, TOperation operation) {
  TspCustomEdit::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

// ---- record ----

void TspSkinCustomEdit::GetSkinData() {
  auto* r = FindRecord<TspDataSkinEditControl>(skinData_, SkinDataName, &recordIndex_);
  if (!r) return;
  skinRect_ = r->skinrect;
  activeSkinRect_ = IsNullRect(r->activeskinrect) ? r->skinrect : r->activeskinrect;
  leftFixed_ = r->lefttoppoint.X;
  rightFixed_ = RectWidth(r->skinrect) - r->righttoppoint.X;
  clientRect_ = r->clientrect;
  fontName_ = r->fontname;
  fontStyle_ = r->fontstyle;
  fontHeight_ = r->fontheight;
  fontColor_ = r->fontcolor;
  disabledFontColor_ = r->disabledfontcolor;
  activeFontColor_ = r->activefontcolor;
  buttonRect_ = r->buttonrect;
  activeButtonRect_ = r->activebuttonrect;
  downButtonRect_ = IsNullRect(r->downbuttonrect) ? r->activebuttonrect : r->downbuttonrect;
  unEnabledButtonRect_ = r->unenabledbuttonrect;
  stretchEffect_ = r->stretcheffect;
  picture_ = skinData_->ActivePicture(r->pictureindex);
}

void TspSkinCustomEdit::ApplyFontColor() {
  if (Enabled()) Font()->SetColor(!HasRecord() ? defaultFont_->Color() : Focused() ? activeFontColor_ : fontColor_);
  else Font()->SetColor(!HasRecord() ? clGrayText : disabledFontColor_);
}

void TspSkinCustomEdit::ChangeSkinData() {
  GetSkinData();
  if (!HasRecord()) {
    Font()->Assign(defaultFont_.get());
    if (defaultWidth_ > 0) SetWidth(defaultWidth_);
    if (defaultHeight_ > 0) SetHeight(defaultHeight_);
  } else if (UseSkinFont) {
    SetRecordFont(Font(), fontName_, fontStyle_, fontHeight_);
    SetHeight(RectHeight(skinRect_));
  } else {
    Font()->Assign(defaultFont_.get());
  }
  Font()->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
  if (HandleAllocated()) {  // the new window keeps the text and the selection
    int start = SelStart(), length = SelLength();
    RecreateWnd();
    if (HandleAllocated()) {
      SetSelStart(start);
      SetSelLength(length);
    }
  }
  ApplyFontColor();
  if (!UseSkinFont) AdjustEditHeight();
}

void TspSkinCustomEdit::Loaded() {
  TspCustomEdit::Loaded();
  if (skinData_ && skinData_->ResourceStrData()) Font()->SetCharset(skinData_->ResourceStrData()->CharSet);
}

// ---- geometry ----

void TspSkinCustomEdit::CalcEditHeight(Integer& height) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, Font()->Handle());
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  height = metrics.tmHeight + (HasRecord() ? RectHeight(skinRect_) - RectHeight(clientRect_) : 4);
}

void TspSkinCustomEdit::AdjustEditHeight() {
  Integer h = Height();
  CalcEditHeight(h);
  SetHeight(h);
}

void TspSkinCustomEdit::CalcRects() {
  Integer w = Width(), h = Height();
  if (!HasRecord()) {
    newButtonRect_ = buttonMode_ ? TRect{w - h, 0, w, h} : TRect{};
    newClientRect_ = {2, 2, (buttonMode_ ? newButtonRect_.Left : w) - 2, h - 2};
    return;
  }
  newClientRect_ = clientRect_;
  newClientRect_.Right = w + clientRect_.Right - RectWidth(skinRect_);
  newButtonRect_ = buttonRect_;
  if (buttonRect_.Left >= RectWidth(skinRect_) - rightFixed_)
    newButtonRect_ = Moved(buttonRect_, w - RectWidth(skinRect_), 0);
  if (!UseSkinFont) {
    newClientRect_.Bottom += h - RectHeight(skinRect_);
    newButtonRect_.Bottom += h - RectHeight(skinRect_);
  }
}

void TspSkinCustomEdit::SetBounds(int left, int top, int width, int height) {
  GetSkinData();
  if ((width != Width() || height != Height()) && !(!HasRecord() && UseSkinFont)) {
    if (UseSkinFont && HasRecord()) height = RectHeight(skinRect_);
    else if (!UseSkinFont && !inFontChange_) CalcEditHeight(height);
  }
  TRect barClient;
  if (Align() != alNone && SP_SkinToolBarClientRect && Parent() && SP_SkinToolBarClientRect(Parent(), barClient))
    top = barClient.Top + RectHeight(barClient) / 2 - height / 2;
  TspCustomEdit::SetBounds(left, top, width, height);
  Invalidate();
  InvalidateNC();
}

void TspSkinCustomEdit::CreateParams(TCreateParams& params) {
  TspCustomEdit::CreateParams(params);
  params.ExStyle &= ~WS_EX_TRANSPARENT;
  params.Style &= ~(WS_BORDER | ES_LEFT | ES_RIGHT | ES_CENTER);
  params.Style |= alignment_ == taRightJustify ? ES_RIGHT : alignment_ == taCenter ? ES_CENTER : ES_LEFT;
}

void TspSkinCustomEdit::CreateWnd() {
  TspCustomEdit::CreateWnd();
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TspSkinCustomEdit::CMFontChanged(TMessage& message) {
  TspCustomEdit::CMFontChanged(message);
  if (UseSkinFont || (HasState(csDesigning) && HasState(csLoading)) || inFontChange_) return;
  inFontChange_ = true;
  AdjustEditHeight();
  inFontChange_ = false;
  if (!HasRecord() && HandleAllocated()) RecreateWnd();
}

void TspSkinCustomEdit::Invalidate() {
  if (!Parent() || !HandleAllocated()) return TspCustomEdit::Invalidate();
  paintedInErase_ = false;
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
}

void TspSkinCustomEdit::InvalidateNC() {
  if (Parent() && HandleAllocated()) ::SendMessageA(Handle(), WM_NCPAINT, 0, 0);
}

// ---- painting ----

bool TspSkinCustomEdit::ActiveLook() { return mouseIn_ || (HandleAllocated() && Focused()); }

void TspSkinCustomEdit::DrawSkinEdit(TBitmap* b) {
  TCanvas* canvas = b->Canvas();
  Integer w = Width(), h = Height();
  if (!HasRecord() || !picture_) {
    Integer buttonWidth = buttonMode_ ? w - newButtonRect_.Left : 0;
    TRect frame{0, 0, w - buttonWidth, h};
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(defaultColor_);
    canvas->FillRect(frame);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(frame);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FrameRect(TRect{1, 1, frame.Right - 1, h - 1});
    if (buttonMode_) ::DrawDefaultPart(canvas, newButtonRect_, PartState(buttonActive_, buttonDown_));
    return;
  }
  CreateHSkinImage(leftFixed_, rightFixed_, b, picture_, ActiveLook() ? activeSkinRect_ : skinRect_, w, h,
                   stretchEffect_);
  if (!buttonMode_) return;
  TRect source;
  if (!Enabled() && !IsNullRect(unEnabledButtonRect_)) source = unEnabledButtonRect_;
  else if (buttonDown_ && buttonActive_) source = downButtonRect_;
  else if (buttonActive_) source = activeButtonRect_;
  if (!IsNullRect(source)) canvas->CopyRect(newButtonRect_, picture_->Canvas(), source);
}

void TspSkinCustomEdit::DrawSkinEdit2(TBitmap* b) {
  if (!picture_) return DrawSkinEdit(b);
  CreateStretchImage(b, picture_, ActiveLook() ? activeSkinRect_ : skinRect_, clientRect_, false);
  if (!buttonMode_) return;
  TspButtonRecordLook look;
  if (!look.Find(skinData_, {"editbutton", "resizebutton"})) return;
  TBitmap button(RectWidth(newButtonRect_), RectHeight(newButtonRect_));
  look.Compose(&button, buttonActive_, buttonActive_ && buttonDown_);
  b->Canvas()->Draw(newButtonRect_.Left, newButtonRect_.Top, &button);
}

void TspSkinCustomEdit::PaintFrame(HDC dc, bool excludeClient) {
  GetSkinData();
  CalcRects();
  Integer w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  TBitmap b(w, h);
  if (UseSkinFont || !HasRecord()) DrawSkinEdit(&b);
  else DrawSkinEdit2(&b);
  if (alphaBlend_) {
    TBitmap parent(w, h);
    GetParentImage(this, parent.Canvas());
    TspEffectBmp own(b.Handle()), behind(parent.Handle());
    own.Morph(behind, 1 - alphaBlendValue_ / 255.0);
    own.Draw(b.Canvas()->Handle(), 0, 0);
  }
  int saved = ::SaveDC(dc);
  if (excludeClient)
    ::ExcludeClipRect(dc, newClientRect_.Left, newClientRect_.Top, newClientRect_.Right, newClientRect_.Bottom);
  ::BitBlt(dc, 0, 0, w, h, b.Canvas()->Handle(), 0, 0, SRCCOPY);
  ::RestoreDC(dc, saved);
}

TRect TspSkinCustomEdit::ClientPiece(const TRect& source) const {
  return {source.Left + clientRect_.Left, source.Top + clientRect_.Top, source.Left + clientRect_.Right,
          source.Top + clientRect_.Bottom};
}

void TspSkinCustomEdit::DrawEditBackground(HDC dc) {
  Integer w = RectWidth(newClientRect_), h = RectHeight(newClientRect_);
  if (w <= 0 || h <= 0) return;
  TBitmap b(w, h);
  if (!HasRecord() || !picture_) {
    b.Canvas()->Brush()->SetColor(defaultColor_);
    b.Canvas()->FillRect(TRect{0, 0, w, h});
  } else {
    TRect piece = ClientPiece(ActiveLook() ? activeSkinRect_ : skinRect_);
    Integer left = std::max<Integer>(leftFixed_ - clientRect_.Left, 0);
    Integer right = std::max<Integer>(clientRect_.Right + rightFixed_ - RectWidth(skinRect_), 0);
    TBitmap strip;
    CreateHSkinImage(left, right, &strip, picture_, piece, w, RectHeight(piece), stretchEffect_);
    if (UseSkinFont) b.Canvas()->Draw(0, 0, &strip);
    else b.Canvas()->StretchDraw(TRect{0, 0, w, h}, &strip);
  }
  if (alphaBlend_) {
    TBitmap parent(Width(), Height());
    GetParentImage(this, parent.Canvas());
    TBitmap under(w, h);
    under.Canvas()->CopyRect(TRect{0, 0, w, h}, parent.Canvas(), newClientRect_);
    TspEffectBmp own(b.Handle()), behind(under.Handle());
    own.Morph(behind, 1 - alphaBlendValue_ / 255.0);
    own.Draw(b.Canvas()->Handle(), 0, 0);
  }
  ::BitBlt(dc, 0, 0, w, h, b.Canvas()->Handle(), 0, 0, SRCCOPY);
}

// A disabled edit draws its text itself; a password edit shows mask
// characters, never the text.
void TspSkinCustomEdit::PaintDisabledText(HDC dc) {
  TCanvas canvas;
  canvas.SetHandle(dc);
  TFont* font = canvas.Font();
  if (HasRecord() && UseSkinFont) {
    SetRecordFont(font, fontName_, fontStyle_, fontHeight_);
    font->SetColor(disabledFontColor_);
  } else {
    font->Assign(defaultFont_.get());
    font->SetColor(HasRecord() ? disabledFontColor_ : clGrayText);
  }
  font->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
  canvas.Brush()->SetStyle(bsClear);
  String text = Text();
  if (PasswordChar()) text = String(text.size(), PasswordChar());
  Integer w = RectWidth(newClientRect_), tw = canvas.TextWidth(text);
  Integer x = alignment_ == taRightJustify ? w - tw - 1 : alignment_ == taCenter ? w / 2 - tw / 2 : 2;
  canvas.TextOut(x, 0, text);
  canvas.SetHandle(nullptr);
}

void TspSkinCustomEdit::EraseMessage(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  GetSkinData();
  CalcRects();
  DrawEditBackground(dc);
  Perform(WM_PAINT, message.WParam, 0);
  paintedInErase_ = true;
  if (Focused()) ::ShowCaret(Handle());
  message.Result = 1;
}

// An erase draws the background and the text at once, so the paint that follows an
// erase outside a paint cycle only validates. Text asked for into a given DC (the
// erase's own) is always drawn, and a paint cycle ends with nothing pending.
void TspSkinCustomEdit::PaintMessage(TMessage& message) {
  if (paintedInErase_ && message.WParam == 0) {
    PAINTSTRUCT ps;
    ::BeginPaint(Handle(), &ps);
    ::EndPaint(Handle(), &ps);
    paintedInErase_ = false;
    return;
  }
  if (Enabled()) {
    TspCustomEdit::Dispatch(message);
  } else {
    GetSkinData();
    CalcRects();
    if (message.WParam != 0) return PaintDisabledText(reinterpret_cast<HDC>(message.WParam));
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(Handle(), &ps);
    DrawEditBackground(dc);
    PaintDisabledText(dc);
    ::EndPaint(Handle(), &ps);
  }
  if (message.WParam == 0) paintedInErase_ = false;
}

// ---- non-client area: frame and edit button ----

void TspSkinCustomEdit::NonClientMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE: {
      GetSkinData();
      auto* r = reinterpret_cast<RECT*>(message.LParam);  // the first rectangle in both forms
      if (!HasRecord()) {
        r->left += 2, r->top += 2, r->bottom -= 2;
        r->right -= buttonMode_ ? Height() + 2 : 2;
      } else {
        r->left += clientRect_.Left;
        r->top += clientRect_.Top;
        r->right += clientRect_.Right - RectWidth(skinRect_);
        r->bottom += clientRect_.Bottom - RectHeight(skinRect_);
      }
      message.Result = 0;
      return;
    }
    case WM_NCPAINT: {
      HDC dc = ::GetWindowDC(Handle());
      PaintFrame(dc, true);
      ::ReleaseDC(Handle(), dc);
      message.Result = 0;
      return Invalidate();
    }
    case WM_NCHITTEST: {
      TspCustomEdit::Dispatch(message);
      if (!buttonMode_ || HasState(csDesigning)) return;
      TPoint p = ScreenToClient(TPoint{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))});
      TPoint offset = HasRecord() ? clientRect_.TopLeft() : TPoint{2, 2};
      p = TPoint{p.X + offset.X, p.Y + offset.Y};
      CalcRects();
      if (PointInRect(newButtonRect_, p)) message.Result = kButtonHit;
      else if (!PointInRect(newClientRect_, p)) message.Result = kFrameHit;
      return;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (message.WParam != static_cast<WPARAM>(kButtonHit)) break;
      buttonDown_ = true;
      InvalidateNC();
      return;
    case WM_NCLBUTTONUP:
      if (message.WParam != static_cast<WPARAM>(kButtonHit)) break;
      if (!buttonDown_) return;  // a release without a press on the button clicks nothing
      buttonDown_ = false;
      InvalidateNC();
      if (!Focused()) SetFocus();
      OnButtonClick(this);
      return;
    case WM_NCMOUSEMOVE: {
      bool over = message.WParam == static_cast<WPARAM>(kButtonHit);
      if (over != buttonActive_) {
        buttonActive_ = over;
        InvalidateNC();
      }
      if (over) return;
      break;
    }
    default:
      break;
  }
  TspCustomEdit::Dispatch(message);
}

void TspSkinCustomEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
    case WM_NCHITTEST:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCLBUTTONUP:
    case WM_NCMOUSEMOVE:
      return NonClientMessage(message);
    case WM_ERASEBKGND:
      return EraseMessage(message);
    case WM_PAINT:
      return PaintMessage(message);
    case WM_SETFONT:
      TspCustomEdit::Dispatch(message);
      ::SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(2, 0));
      return;
    case WM_SIZE:
      TspCustomEdit::Dispatch(message);
      return InvalidateNC();
    case WM_MOUSEMOVE:
      if (buttonActive_) {
        buttonActive_ = false;
        InvalidateNC();
      }
      break;
    case CM_MOUSEENTER:
      TspCustomEdit::Dispatch(message);
      mouseIn_ = true;
      if (HasRecord() && !Focused()) {
        Font()->SetColor(activeFontColor_);
        InvalidateNC();
        Invalidate();
      }
      OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      TspCustomEdit::Dispatch(message);
      mouseIn_ = false;
      if (HasRecord() && !Focused()) {
        Font()->SetColor(fontColor_);
        InvalidateNC();
        Invalidate();
      }
      if (buttonDown_ || buttonActive_) {
        buttonDown_ = buttonActive_ = false;
        InvalidateNC();
      }
      OnMouseLeave(this);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TspCustomEdit::Dispatch(message);
      InvalidateNC();
      Invalidate();
      if (HasRecord() && !mouseIn_) Font()->SetColor(message.Msg == WM_SETFOCUS ? activeFontColor_ : fontColor_);
      return;
    case CM_ENABLEDCHANGED:
      TspCustomEdit::Dispatch(message);
      if (Enabled()) Font()->SetColor(HasRecord() ? fontColor_ : defaultFont_->Color());
      else Font()->SetColor(HasRecord() ? disabledFontColor_ : clGrayText);
      InvalidateNC();
      Invalidate();
      return;
    case CM_SENCPAINT:
      if (message.WParam) PaintFrame(reinterpret_cast<HDC>(message.WParam), false);
      message.Result = 12851;
      return;
    case CM_BENCPAINT:
      if (message.LParam != 16802 || !message.WParam) break;
      PaintFrame(reinterpret_cast<HDC>(message.WParam), true);
      message.Result = 16802;
      return;
    default:
      break;
  }
  TspCustomEdit::Dispatch(message);
}
