// A level's picture: the frame from the skin's popup window picture (or the
// default look), the rows, and the scroll markers; composed off-screen and
// copied to the window in one operation.
#include "platform/core/Math.h"
#include "platform/graphics/Frame3D.h"
#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinSystem.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinPopupWindow.h"

void TspSkinPopupWindow::CreateRealImage(TBitmap* b, bool drawClient) {
  const Integer w = Width(), h = Height();
  if (WindowRecord) {
    const TspDataSkinPopupWindow& k = *WindowRecord;
    CreateSkinImageBS(k.LeftTopPoint, k.RightTopPoint, k.LeftBottomPoint, k.RightBottomPoint, k.ItemsRect,
                      TargetLeftTop, TargetRightTop, TargetLeftBottom, TargetRightBottom, NewItemsRect, b,
                      WindowPicture, TRect{0, 0, WindowPicture->Width(), WindowPicture->Height()}, w, h, drawClient,
                      k.LeftStretch, k.TopStretch, k.RightStretch, k.BottomStretch, k.stretcheffect, k.StretchType);
  } else {
    b->SetSize(w, h);
    TCanvas* c = b->Canvas();
    const Integer column = Images ? ImageColumnWidth + 3 : 22;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect{0, 0, column, h});
    c->Brush()->SetColor(clWindow);
    c->FillRect(TRect{column, 0, w, h});
    TRect r{0, 0, w, h};
    Frame3D(c, r, clBtnShadow, clBtnShadow, 1);
    Frame3D(c, r, clWindow, clWindow, 1);
  }
  if (AlphaBlend && !CheckW2KWXP() && BackgroundEffect) {
    TspEffectBmp picture(b->Handle());
    picture.MorphRect(*BackgroundEffect, 1 - AlphaBlendValue / 255.0, TRect{0, 0, w, h}, 0, 0);
    picture.Draw(b->Canvas()->Handle(), 0, 0);
  }
}

void TspSkinPopupWindow::PaintMenu(HDC dc) {
  if (Width() <= 0 || Height() <= 0) return;
  TBitmap b;
  b.SetPixelFormat(pf24bit);
  CreateRealImage(&b, Scrolling);
  if (WindowRecord && ItemRecord && ItemRecord->InActiveTransparent) {
    TransparentBackground = std::make_unique<TBitmap>();
    TransparentBackground->SetPixelFormat(pf24bit);
    CreateRealImage(TransparentBackground.get(), true);
    ++BackgroundGeneration;
  }
  Integer last = FirstVisible + VisibleCount;
  for (Integer i = FirstVisible; i < last && i < ItemCount(); ++i) Items[i]->Draw(b.Canvas());
  if (Scrolling) {
    DrawUpMarker(b.Canvas());
    DrawDownMarker(b.Canvas());
    Integer bottom = last > FirstVisible && last - 1 < ItemCount() ? Items[last - 1]->ItemRect.Bottom
                                                                   : NewItemsRect.Top + 10;
    if (bottom < NewItemsRect.Bottom - 10)
      DrawScrollArea(b.Canvas(), {NewItemsRect.Left, bottom, NewItemsRect.Right, NewItemsRect.Bottom - 10});
  }
  ::BitBlt(dc, 0, 0, Width(), Height(), b.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspSkinPopupWindow::DrawMarker(TCanvas* canvas, const TRect& zone, Integer kind, bool active) {
  if (WindowRecord) {
    DrawScrollArea(canvas, zone);
    DrawArrowImage(canvas, zone, active ? WindowRecord->ScrollMarkerActiveColor : WindowRecord->ScrollMarkerColor,
                   kind);
  } else {
    DrawArrowImage(canvas, zone, active ? clBtnText : clBtnShadow, kind);
  }
}

void TspSkinPopupWindow::DrawUpMarker(TCanvas* canvas) {
  const TRect& r = NewItemsRect;
  TRect zone = WindowRecord ? TRect{r.Left, r.Top, r.Right, r.Top + 10} : TRect{3, 3, Width() - 3, 13};
  DrawMarker(canvas, zone, 3, ScrollDirection == 1);
}

void TspSkinPopupWindow::DrawDownMarker(TCanvas* canvas) {
  const TRect& r = NewItemsRect;
  TRect zone = WindowRecord ? TRect{r.Left, r.Bottom - 10, r.Right, r.Bottom}
                            : TRect{3, Height() - 10, Width() - 3, Height() - 3};
  DrawMarker(canvas, zone, 4, ScrollDirection == 2);
}

void TspSkinPopupWindow::DrawScrollArea(TCanvas* canvas, const TRect& r) {
  TspDataSkinMenuItem* record = FindItemRecord(SkinData, true);
  if (!record || r.Width() <= 0 || r.Height() <= 0) return;
  TBitmap strip;
  if (ItemRecord && ItemRecord->InActiveTransparent && TransparentBackground) {
    strip.SetSize(r.Width(), r.Height());
    strip.Canvas()->CopyRect(TRect{0, 0, r.Width(), r.Height()}, TransparentBackground->Canvas(), r);
  } else {
    TBitmap* picture = SkinData->ActivePicture(record->activepictureindex);
    if (!picture || record->skinrect.Width() <= 0 || record->skinrect.Height() <= 0) return;
    CreateHSkinImage(record->ItemLeftOffset, record->ItemRightOffset, &strip, picture, record->skinrect, r.Width(),
                     r.Height(), record->InActiveStretchEffect);
  }
  const Integer h = Min(strip.Height(), r.Height());
  canvas->CopyRect(TRect{r.Left, r.Top, r.Left + strip.Width(), r.Top + h}, strip.Canvas(),
                   TRect{0, 0, strip.Width(), h});
}

void TspSkinPopupWindow::RepaintLevel() {
  if (HandleAllocated() && Visible()) ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void TspSkinPopupWindow::DrawRow(TspSkinMenuItem* row) {
  if (!HandleAllocated() || !Visible()) return;
  row->Draw(Canvas());
}

void TspSkinPopupWindow::WMEraseBkgnd(TMessage& message) {
  PaintMenu(reinterpret_cast<HDC>(message.WParam));
  erased_ = true;
  message.Result = 1;
}

void TspSkinPopupWindow::WMPaint(TMessage& message) {
  PAINTSTRUCT ps;
  erased_ = false;
  HDC dc = ::BeginPaint(Handle(), &ps);
  // The picture went out with WM_ERASEBKGND unless the area was invalidated without erasing.
  if (!erased_) PaintMenu(dc);
  ::EndPaint(Handle(), &ps);
  message.Result = 0;
}
