// Painting the frame: the skinned frame as four border pictures composed at the
// window's size with the frame objects on them (and the skin's inactive effect
// while the form is inactive), or the plain default frame with its caption
// buttons. Everything is drawn off-screen and copied to the window in one go.
#include "platform/graphics/Frame3D.h"
#include "platform/graphics/Icon.h"
#include "skin/data/ResourceStrData.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinRects.h"
#include "skin/draw/SkinText.h"
#include "skin/draw/Speffbmp.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/SkinCaptionObject.h"
#include "skin/menus/SkinMainMenuItem.h"

namespace {

// A device context of the window's frame, or the one given.
class FrameDC {
public:
  FrameDC(HWND window, HDC given) : window_(window), dc_(given) {
    if (!dc_) {
      dc_ = ::GetWindowDC(window);
      owned_ = true;
    }
  }
  ~FrameDC() {
    if (owned_) ::ReleaseDC(window_, dc_);
  }
  HDC Handle() const { return dc_; }

private:
  HWND window_;
  HDC dc_;
  bool owned_ = false;
};

void ApplyEffect(TspEffectBmp& e, TspInActiveEffect effect) {
  switch (effect) {
    case ieBrightness: e.ChangeBrightness(0.5); break;
    case ieDarkness: e.ChangeDarkness(0.3); break;
    case ieGrayScale: e.GrayScale(); break;
    case ieNoise: e.AddMonoNoise(50); break;
    case ieSplitBlur: e.SplitBlur(1); break;
    case ieInvert: e.Invert(); break;
  }
}

void DrawBorder(HDC dc, TBitmap& b, Integer x, Integer y, bool effect, TspInActiveEffect kind) {
  if (b.Empty()) return;
  if (!effect) {
    ::BitBlt(dc, x, y, b.Width(), b.Height(), b.Canvas()->Handle(), 0, 0, SRCCOPY);
    return;
  }
  TspEffectBmp e(b.Handle());
  ApplyEffect(e, kind);
  e.Draw(dc, x, y);
}

}  // namespace

void ApplyInactiveEffect(TBitmap& b, TspInActiveEffect kind) {
  if (b.Empty()) return;
  TspEffectBmp e(b.Handle());
  ApplyEffect(e, kind);
  e.Draw(b.Canvas()->Handle(), 0, 0);
}

void TspDynamicSkinForm::DrawObjectsOnBorders(TBitmap* top, TBitmap* bottom) {
  // The main-menu items first, left to right; each places itself in the menu
  // rectangle and finds its own border.
  TBitmap* menuBorder = TargetClientRect.Top < NewMainMenuRect.Top ? bottom : top;
  for (auto& o : objects_)
    if (dynamic_cast<TspSkinMainMenuItem*>(o.get())) o->Draw(menuBorder->Canvas(), false);
  for (auto& o : objects_) {
    if (dynamic_cast<TspSkinMainMenuItem*>(o.get())) continue;
    if (!CanObjectTest(o->RollUp) || !o->Visible) continue;
    if (o->ObjectRect.Bottom <= TargetClientRect.Top) {
      o->Draw(top->Canvas(), false);
      continue;
    }
    const TRect saved = o->ObjectRect;
    o->ObjectRect.Top -= TargetClientRect.Bottom;
    o->ObjectRect.Bottom -= TargetClientRect.Bottom;
    o->Draw(bottom->Canvas(), false);
    o->ObjectRect = saved;
  }
}

void TspDynamicSkinForm::PaintNCSkin(HDC dc, bool useDC) {
  if (!CanNCSupport() || !form_->HandleAllocated()) return;
  if (NewWidth == 0) NewWidth = form_->Width();
  if (NewHeight == 0) NewHeight = form_->Height();
  if (NewWidth < GetMinWidth() || NewHeight < GetMinHeight()) return;
  CalcRects();
  CalcAllRealObjectRect();
  const TspSkinData& s = *skinData_;
  const bool active = FormActive();
  TBitmap* source = active || s.InActivePicture->Empty() ? s.Picture.get() : s.InActivePicture.get();
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages(s.LeftTopPoint, s.RightTopPoint, s.LeftBottomPoint, s.RightBottomPoint, s.ClientRect,
                         TargetLeftTop, TargetRightTop, TargetLeftBottom, TargetRightBottom, TargetClientRect, &left,
                         &top, &right, &bottom, source, Rect(0, 0, source->Width(), source->Height()), NewWidth,
                         NewHeight, s.LeftStretch, s.TopStretch, s.RightStretch, s.BottomStretch);
  if (top.Empty() && bottom.Empty()) return;
  DrawObjectsOnBorders(&top, &bottom);
  FrameDC frame(form_->Handle(), useDC ? dc : nullptr);
  HDC target = frame.Handle();
  const int saved = ::SaveDC(target);
  if (TargetClientRect.Height() > 0)
    ::ExcludeClipRect(target, TargetClientRect.Left, TargetClientRect.Top, TargetClientRect.Right,
                      TargetClientRect.Bottom);
  const bool effect = !active && s.AutoRenderingInActiveImage;
  const Integer topH = top.Height();
  DrawBorder(target, top, 0, 0, effect, s.InActiveEffect);
  DrawBorder(target, left, 0, topH, effect, s.InActiveEffect);
  DrawBorder(target, right, NewWidth - right.Width(), topH, effect, s.InActiveEffect);
  DrawBorder(target, bottom, 0, NewHeight - bottom.Height(), effect, s.InActiveEffect);
  ::RestoreDC(target, saved);
}

void TspDynamicSkinForm::PaintNCDefault(HDC dc, bool useDC) {
  if ((skinData_ && skinData_->LoadingSkin) || !form_->HandleAllocated()) return;
  if (NewWidth == 0) NewWidth = form_->Width();
  if (NewHeight == 0) NewHeight = form_->Height();
  if (objects_.empty() && !skinActive_) LoadDefObjects();
  if (NewWidth <= 6 || NewHeight <= 6) return;
  CalcDefRects();
  const Integer captionH = GetDefCaptionHeight();
  const Integer width = std::max(0, NewWidth - 6);
  if (width <= 0) return;
  TBitmap caption(width, captionH);
  TCanvas* c = caption.Canvas();
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(Rect(0, 0, width, captionH));
  const Integer l = DefCaptionRect.Left - 3, r = width - DefCaptionRect.Right;
  if (captionH - 4 >= 2)
    for (Integer y = 2; y <= captionH - 4; ++y) {
      c->Pen()->SetColor(y % 2 == 0 ? clBtnHighlight : clBtnShadow);
      c->MoveTo(l + 2, y);
      c->LineTo(width - r - 6, y);
    }
  c->SetFont(FormActive() ? defCaptionFont_.get() : defInActiveCaptionFont_.get());
  if (skinData_ && skinData_->ResourceStrData()) c->Font()->SetCharset(skinData_->ResourceStrData()->CharSet);
  if (OnCaptionPaint) {
    OnCaptionPaint(c, Rect(l, 0, width - r - 3, captionH), FormActive());
  } else if (String text = form_->Caption(); !text.empty()) {
    WideString wide = WideOf(text);
    CorrectTextbyWidthW(c, wide, width - l - r);
    const Integer tw = CalcTextWidthW(c, wide), th = CalcTextHeightW(c, wide);
    const Integer x = l + (width - l - r) / 2 - (tw + 5) / 2, y = captionH / 2 - th / 2;
    TRect box = Rect(x, y, x, y);
    SPDrawSkinText(c, wide, box, DT_CALCRECT);
    c->FillRect(Rect(box.Left - 2, box.Top - 2, box.Right + 2, box.Bottom + 2));
    c->Brush()->SetStyle(bsClear);
    SPDrawSkinText(c, wide, box, DT_VCENTER);
    c->Brush()->SetStyle(bsSolid);
  }
  for (auto& o : objects_) {
    if (!o->Visible) continue;
    const TRect saved = o->ObjectRect;
    o->ObjectRect = Rect(saved.Left - 3, saved.Top - 3, saved.Right - 3, saved.Bottom - 3);
    o->Draw(c, true);
    o->ObjectRect = saved;
  }
  FrameDC frame(form_->Handle(), useDC ? dc : nullptr);
  HDC target = frame.Handle();
  const int saved = ::SaveDC(target);
  ::ExcludeClipRect(target, 3, captionH + 3, NewWidth - 3, NewHeight - 3);
  ::BitBlt(target, 3, 3, width, captionH, c->Handle(), 0, 0, SRCCOPY);
  TCanvas canvas;
  canvas.SetHandle(target);
  TRect r3 = Rect(0, 0, NewWidth, NewHeight);
  Frame3D(&canvas, r3, cl3DLight, cl3DDkShadow, 1);
  Frame3D(&canvas, r3, clBtnHighlight, clBtnShadow, 1);
  Frame3D(&canvas, r3, clBtnFace, clBtnFace, 1);
  canvas.SetHandle(nullptr);
  ::RestoreDC(target, saved);
}

TSize TspDynamicSkinForm::GetIconSize() const {
  Integer cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
  if (cx == 0) cx = ::GetSystemMetrics(SM_CXSIZE);
  if (cy == 0) cy = ::GetSystemMetrics(SM_CYSIZE);
  return Size(cx, cy);
}

HICON TspDynamicSkinForm::GetIcon() {
  if (formIcon_) return formIcon_;
  const TSize size = GetIconSize();
  HICON source = form_->Icon() ? form_->Icon()->Handle() : nullptr;
  bool system = false;
  if (!source) {
    source = ::LoadIconA(nullptr, IDI_APPLICATION);
    system = true;
  }
  if (source) formIcon_ = static_cast<HICON>(::CopyImage(source, IMAGE_ICON, size.cx, size.cy, LR_COPYFROMRESOURCE));
  (void)system;  // a shared system icon is not destroyed
  return formIcon_;
}

void TspDynamicSkinForm::DrawFormIcon(TCanvas* canvas, Integer x, Integer y) {
  HICON icon = GetIcon();
  if (!icon) return;
  const TSize size = GetIconSize();
  ::DrawIconEx(canvas->Handle(), x, y, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
}
