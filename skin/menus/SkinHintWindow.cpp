#include "skin/menus/SkinHintWindow.h"

#include "platform/controls/Application.h"
#include "platform/controls/Screen.h"
#include "platform/core/Math.h"
#include "skin/data/ResourceStrData.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinMask.h"
#include "skin/draw/SkinSystem.h"
#include "skin/draw/Speffbmp.h"
#include "skin/menus/SkinHint.h"
#include "skin/menus/SkinMenuClock.h"
#include "skin/menus/SkinMenuItem.h"

namespace {

// The canvas's DC with its present font and brush selected.
HDC Prepared(TCanvas* canvas) {
  TRect none;
  canvas->TextRect(none, String(), DT_CALCRECT);
  return canvas->Handle();
}

TSize MeasureMultiLine(TCanvas* canvas, const String& text) {
  RECT r{0, 0, 0, 0};
  ::DrawTextA(Prepared(canvas), text.c_str(), -1, &r, DT_CALCRECT | DT_NOPREFIX);
  return {r.right - r.left, r.bottom - r.top};
}

void DrawMultiLine(TCanvas* canvas, const String& text, const TRect& r) {
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  ::DrawTextA(Prepared(canvas), text.c_str(), -1, &rc, DT_LEFT | DT_NOPREFIX);
}

// The reference area a hint is kept inside.
TRect HintArea() {
  if (TCustomForm* form = Screen.ActiveForm())
    if (form->HandleAllocated()) return GetMonitorWorkArea(form->Handle(), true);
  TCustomForm* main = Application.MainForm();
  if (main && main->Visible() && main->HandleAllocated()) return GetMonitorWorkArea(main->Handle(), true);
  return {0, 0, Screen.Width(), Screen.Height()};
}

}  // namespace

TspSkinHintWindow::TspSkinHintWindow(TComponent* owner) : THintWindow(owner) {}

void TspSkinHintWindow::CreateParams(TCreateParams& params) {
  THintWindow::CreateParams(params);
  params.Style &= ~WS_BORDER;
  if (CheckWXP()) params.WindowClass.style |= CS_DROPSHADOW;
}

void TspSkinHintWindow::Dispatch(TMessage& message) {
  if (message.Msg == WM_NCPAINT) {
    message.Result = 0;
    return;
  }
  THintWindow::Dispatch(message);
}

TspSkinHint* TspSkinHintWindow::FindHintComponent() {
  TCustomForm* main = Application.MainForm();
  if (!main) return nullptr;
  for (int i = 0; i < main->ComponentCount(); ++i)
    if (auto* hint = dynamic_cast<TspSkinHint*>(main->Components(i)))
      if (hint->Active()) return hint;
  return nullptr;
}

TBitmap* TspSkinHintWindow::WindowPicture() const {
  return ActiveSkinData ? ActiveSkinData->ActivePicture(ActiveSkinData->HintWindow->WindowPictureIndex) : nullptr;
}

void TspSkinHintWindow::CheckText(String& text) const {
  const String& separator = HintComponent ? HintComponent->LineSeparator : String("@");
  if (separator.empty()) return;
  for (size_t at = text.find(separator); at != String::npos; at = text.find(separator, at + 2))
    text.replace(at, separator.size(), "\n\r");
}

void TspSkinHintWindow::TakeSkin(TspSkinHint* hc) {
  HintComponent = hc;
  TspSkinData* data = hc->SkinData();
  ActiveSkinData = nullptr;
  // A window picture index outside the list is no picture: the default look.
  if (data && !data->Empty && data->HintWindow && data->HintWindow->WindowPictureIndex != -1 &&
      data->ActivePicture(data->HintWindow->WindowPictureIndex))
    ActiveSkinData = data;
}

void TspSkinHintWindow::SetCanvasFont(TCanvas* canvas) const {
  TspSkinHint* hc = HintComponent;
  TFont* font = canvas->Font();
  if (ActiveSkinData && hc->UseSkinFont) {
    const TspDataSkinHintWindow& k = *ActiveSkinData->HintWindow;
    font->SetHeight(k.FontHeight);
    font->SetName(k.FontName);
    font->SetStyle(k.FontStyle);
  } else {
    font->Assign(hc->DefaultFont());
  }
  TspSkinData* data = hc->SkinData();
  font->SetCharset(data && data->ResourceStrData() ? data->ResourceStrData()->CharSet : hc->DefaultFont()->Charset());
}

void TspSkinHintWindow::ActivateHint(const TRect& rect, const String& hint) {
  ExtendedLayout = false;
  TspSkinHint* hc = FindHintComponent();
  if (!hc) return;
  if (!hc->CurrentTitle.empty() || hc->CurrentImageList) {
    ActivateHintEx(rect, hc->CurrentTitle, hint, hc->CurrentImageIndex, hc->CurrentImageList);
    return;
  }
  TakeSkin(hc);
  Present(rect, hint, nullptr, 0, nullptr);
}

void TspSkinHintWindow::ActivateHintEx(const TRect& rect, const String& title, const String& hint,
                                       Integer imageIndex, TCustomImageList* images) {
  ExtendedLayout = true;
  TspSkinHint* hc = FindHintComponent();
  if (!hc) return;
  TakeSkin(hc);
  Present(rect, hint, &title, imageIndex, images);
}

void TspSkinHintWindow::Present(TRect r, const String& hint, const String* title, Integer imageIndex,
                                TCustomImageList* images) {
  SetCanvasFont(Canvas());
  String text = hint;
  CheckText(text);
  SetCaption(text);
  TBitmap scratch;
  scratch.SetSize(1, 1);
  SetCanvasFont(scratch.Canvas());
  Integer w = 0, h = 0;
  if (title)
    CalcHintSizeEx(scratch.Canvas(), text, *title, imageIndex, images, w, h);
  else
    CalcHintSize(scratch.Canvas(), text, w, h);
  r.Right = r.Left + w;
  r.Bottom = r.Top + h;
  const TRect area = HintArea();
  if (area.Right < r.Right) r = MovedRect(r, -(w + 2), 0);
  if (area.Bottom < r.Bottom) r = MovedRect(r, 0, -(h + 2));
  SetBounds(r.Left, r.Top, w, h);
  ApplyAlpha(r);
  SetHintWindowRegion();
  ::SetWindowPos(Handle(), HWND_TOPMOST, r.Left, r.Top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  Repaint();
  TspSkinHint* hc = HintComponent;
  if (hc->AlphaBlendSupport() && hc->AlphaBlend && hc->AlphaBlendAnimation) FadeIn();
}

void TspSkinHintWindow::FadeIn() {
  // Ends for every target (0 included) and across a wrap of the tick count.
  const Integer target = HintComponent->AlphaBlendValue;
  Integer alpha = 0;
  DWORD last = SP_MenuTickCount() - 4;  // the first step comes at once
  do {
    DWORD now = SP_MenuTickCount();
    if (now - last > 3) {
      last = now;
      alpha = Min(alpha + 20, target);
      Repaint();
      SetAlphaBlendTransparent(Handle(), static_cast<Byte>(alpha));
    }
  } while (alpha < target);
}

void TspSkinHintWindow::ApplyAlpha(const TRect& r) {
  TspSkinHint* hc = HintComponent;
  HWND h = Handle();
  if (hc->AlphaBlend != LayeredOn && hc->AlphaBlendSupport()) {
    LONG_PTR style = ::GetWindowLongPtrA(h, GWL_EXSTYLE);
    if (LayeredOn) {
      ::SetWindowLongPtrA(h, GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    } else {
      ::SetWindowLongPtrA(h, GWL_EXSTYLE, style | WS_EX_LAYERED);
      if (!hc->AlphaBlendAnimation) SetAlphaBlendTransparent(h, hc->AlphaBlendValue);
    }
    LayeredOn = hc->AlphaBlend;
  }
  if (hc->AlphaBlendSupport() && hc->AlphaBlend && hc->AlphaBlendAnimation) SetAlphaBlendTransparent(h, 0);
  if (hc->AlphaBlendValue != AppliedAlpha && hc->AlphaBlendSupport() && hc->AlphaBlend) {
    if (!hc->AlphaBlendAnimation) SetAlphaBlendTransparent(h, hc->AlphaBlendValue);
    AppliedAlpha = hc->AlphaBlendValue;
  }
  if (hc->AlphaBlend && !hc->AlphaBlendSupport()) {
    ScreenImage = std::make_unique<TBitmap>();
    ScreenImage->SetPixelFormat(pf24bit);
    ScreenImage->SetSize(r.Width(), r.Height());
    GetScreenImage(r.Left, r.Top, ScreenImage.get());
  }
}

// ---- sizes ----

void TspSkinHintWindow::SkinSize(Integer& w, Integer& h, bool extra) {
  const TspDataSkinHintWindow& k = *ActiveSkinData->HintWindow;
  TBitmap* p = WindowPicture();
  const Integer pw = p->Width(), ph = p->Height();
  w += k.ClientRect.Left + (pw - k.ClientRect.Right);
  h += k.ClientRect.Top + (ph - k.ClientRect.Bottom);
  if (extra) w += 5;
  Integer dw = w - pw, dh = h - ph;
  // Keep the stretched corners apart.
  if (k.RightTopPoint.X + dw < k.LeftTopPoint.X) w += k.LeftTopPoint.X - (k.RightTopPoint.X + dw), dw = w - pw;
  if (k.RightBottomPoint.X + dw < k.LeftBottomPoint.X)
    w += k.LeftBottomPoint.X - (k.RightBottomPoint.X + dw), dw = w - pw;
  if (k.LeftBottomPoint.Y + dh < k.LeftTopPoint.Y) h += k.LeftTopPoint.Y - (k.LeftBottomPoint.Y + dh), dh = h - ph;
  if (k.RightBottomPoint.Y + dh < k.RightTopPoint.Y)
    h += k.RightTopPoint.Y - (k.RightBottomPoint.Y + dh), dh = h - ph;
  NewClientRect = {k.ClientRect.Left, k.ClientRect.Top, k.ClientRect.Right + dw, k.ClientRect.Bottom + dh};
  NewLeftTopPoint = k.LeftTopPoint;
  NewRightTopPoint = {k.RightTopPoint.X + dw, k.RightTopPoint.Y};
  NewLeftBottomPoint = {k.LeftBottomPoint.X, k.LeftBottomPoint.Y + dh};
  NewRightBottomPoint = {k.RightBottomPoint.X + dw, k.RightBottomPoint.Y + dh};
}

void TspSkinHintWindow::CalcHintSize(TCanvas* canvas, const String& text, Integer& width, Integer& height) {
  TSize size = MeasureMultiLine(canvas, text);
  width = size.cx, height = size.cy;
  if (!ActiveSkinData) {
    width += 4, height += 4;
    return;
  }
  SkinSize(width, height, true);
}

void TspSkinHintWindow::CalcHintSizeEx(TCanvas* canvas, const String& text, const String& title,
                                       Integer imageIndex, TCustomImageList* images, Integer& width,
                                       Integer& height) {
  TSize size = MeasureMultiLine(canvas, text);
  width = size.cx, height = size.cy;
  Integer th = 0;
  if (!title.empty()) {
    TSize t = MeasureMultiLine(canvas, title);
    height += t.cy + 10;
    width = Max(width, static_cast<Integer>(t.cx));
    th = t.cy;
  }
  if (images && imageIndex >= 0 && imageIndex < images->Count()) {
    width += images->Width() + 10;
    height = Max(height, images->Height() + th + 5);
  }
  if (!ActiveSkinData) {
    width += 4, height += 4;
    return;
  }
  width += 10;
  SkinSize(width, height, false);
}

void TspSkinHintWindow::SetHintWindowRegion() {
  TBitmap* mask = nullptr;
  if (ActiveSkinData) mask = ActiveSkinData->ActivePicture(ActiveSkinData->HintWindow->maskpictureindex);
  if (!mask) {
    if (WindowRegion) ::SetWindowRgn(Handle(), nullptr, FALSE);
    WindowRegion = false;
    return;
  }
  const TspDataSkinHintWindow& k = *ActiveSkinData->HintWindow;
  HRGN region = nullptr;
  CreateSkinRegion(region, k.LeftTopPoint, k.RightTopPoint, k.LeftBottomPoint, k.RightBottomPoint, k.ClientRect,
                   NewLeftTopPoint, NewRightTopPoint, NewLeftBottomPoint, NewRightBottomPoint, NewClientRect, mask,
                   Width(), Height());
  ::SetWindowRgn(Handle(), region, FALSE);  // the window owns it from here
  WindowRegion = region != nullptr;
}

// ---- painting ----

void TspSkinHintWindow::PaintBackground(TBitmap* buffer) {
  const Integer w = Width(), h = Height();
  if (ActiveSkinData) {
    const TspDataSkinHintWindow& k = *ActiveSkinData->HintWindow;
    TBitmap* p = WindowPicture();
    CreateSkinImageBS(k.LeftTopPoint, k.RightTopPoint, k.LeftBottomPoint, k.RightBottomPoint, k.ClientRect,
                      NewLeftTopPoint, NewRightTopPoint, NewLeftBottomPoint, NewRightBottomPoint, NewClientRect,
                      buffer, p, TRect{0, 0, p->Width(), p->Height()}, w, h, true, k.LeftStretch, k.TopStretch,
                      k.RightStretch, k.BottomStretch, k.stretcheffect, k.StretchType);
  } else {
    buffer->SetSize(w, h);
    TCanvas* c = buffer->Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clInfoBk);
    c->FillRect(TRect{0, 0, w, h});
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(TRect{0, 0, w, h});
  }
  TCanvas* c = buffer->Canvas();
  SetCanvasFont(c);
  c->Font()->SetColor(ActiveSkinData ? ActiveSkinData->HintWindow->FontColor : clInfoText);
  c->Brush()->SetStyle(bsClear);
}

void TspSkinHintWindow::Paint() {
  const Integer w = Width(), h = Height();
  if (w <= 0 || h <= 0 || !HintComponent) return;
  TBitmap buffer;
  buffer.SetPixelFormat(pf24bit);
  PaintBackground(&buffer);
  if (ExtendedLayout) {
    PaintEx(&buffer);
  } else {
    TCanvas* c = buffer.Canvas();
    const String text = Caption();
    if (ActiveSkinData) {
      TSize t = MeasureMultiLine(c, text);
      const Integer x = NewClientRect.Left + NewClientRect.Width() / 2 - t.cx / 2;
      const Integer y = NewClientRect.Top + NewClientRect.Height() / 2 - t.cy / 2;
      DrawMultiLine(c, text, {x, y, x + t.cx, y + t.cy});
    } else {
      DrawMultiLine(c, text, {2, 2, w - 2, h - 2});
    }
  }
  TspSkinHint* hc = HintComponent;
  if (hc->AlphaBlend && !hc->AlphaBlendSupport() && ScreenImage && ScreenImage->Width() == w &&
      ScreenImage->Height() == h) {
    TspEffectBmp picture(buffer.Handle()), screen(ScreenImage->Handle());
    picture.Morph(screen, 1 - hc->AlphaBlendValue / 255.0);
    picture.Draw(buffer.Canvas()->Handle(), 0, 0);
  }
  ::BitBlt(Canvas()->Handle(), 0, 0, w, h, buffer.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspSkinHintWindow::PaintEx(TBitmap* buffer) {
  TspSkinHint* hc = HintComponent;
  TCanvas* c = buffer->Canvas();
  const String text = Caption();
  const String& title = hc->CurrentTitle;
  TCustomImageList* images = hc->CurrentImageList;
  const Integer index = hc->CurrentImageIndex;
  const bool hasImage = images && index >= 0 && index < images->Count();
  TSize t = MeasureMultiLine(c, text);
  const TFontStyles plain = c->Font()->Style();
  if (ActiveSkinData) {
    const TRect& cr = NewClientRect;
    Integer a = 0, tx = 0;
    if (!title.empty()) {
      c->Font()->SetStyle(fsBold);
      TSize ts = MeasureMultiLine(c, title);
      DrawMultiLine(c, title, {cr.Left + 5, cr.Top, cr.Left + 5 + ts.cx, cr.Top + ts.cy});
      c->Font()->SetStyle(plain & ~fsBold);
      a = ts.cy + 5;
    }
    if (hasImage) {
      const Integer ix = cr.Left + 5;
      const Integer iy = a > 0 ? cr.Top + a : cr.Top + cr.Height() / 2 - images->Height() / 2;
      images->Draw(c, ix, iy, index, true);
      tx = ix + images->Width() + 5;
    }
    const Integer x = tx > 0 ? tx : cr.Left + 5;
    const Integer y = a > 0 ? cr.Top + a : cr.Top + cr.Height() / 2 - t.cy / 2;
    DrawMultiLine(c, text, {x, y, x + t.cx, y + t.cy});
    return;
  }
  TRect r{2, 2, Width() - 2, Height() - 2};
  Integer a = 0, tx = 0;
  if (!title.empty()) {
    c->Font()->SetStyle(fsBold);
    TSize ts = MeasureMultiLine(c, title);
    DrawMultiLine(c, title, {r.Left, r.Top, r.Left + ts.cx, r.Top + ts.cy});
    c->Font()->SetStyle(plain & ~fsBold);
    a = ts.cy + 5;
  }
  if (hasImage) {
    const Integer ix = r.Left;
    const Integer iy = a > 0 ? a : r.Top + r.Height() / 2 - images->Height() / 2;
    images->Draw(c, ix, iy, index, true);
    tx = ix + images->Width() + 5;
  }
  r.Top += a;
  r.Left += tx;
  DrawMultiLine(c, text, r);
}
