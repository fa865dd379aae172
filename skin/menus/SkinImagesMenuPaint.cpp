// The grid window's picture: the frame, the header rows, the highlighted cells,
// the pictures and the button captions.
#include "platform/graphics/Frame3D.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/WindowRecords.h"
#include "skin/draw/SkinImage.h"
#include "skin/menus/SkinImagesMenu.h"

void TspSkinImagesMenuPopupWindow::Paint() {
  DecideSkinned();
  Integer selected = Menu->ShowSelectedItem ? Menu->ItemIndex : -1;
  TBitmap b(Width(), Height());
  TCanvas* c = b.Canvas();
  if (Skinned) {
    const TspDataSkinPopupWindow& k = *record_;
    CreateSkinImageBS(k.LeftTopPoint, k.RightTopPoint, k.LeftBottomPoint, k.RightBottomPoint, k.ItemsRect,
                      targetLeftTop_, targetRightTop_, targetLeftBottom_, targetRightBottom_, newItemsRect_, &b,
                      windowPicture_, TRect{0, 0, windowPicture_->Width(), windowPicture_->Height()}, Width(),
                      Height(), true, k.LeftStretch, k.TopStretch, k.RightStretch, k.BottomStretch, k.stretcheffect,
                      k.StretchType);
  } else {
    c->Pen()->SetColor(clBtnShadow);
    c->Brush()->SetColor(clWindow);
    c->Rectangle(TRect{0, 0, Width(), Height()});
  }
  DrawItems(c, HotIndex, selected);
  Canvas()->Draw(0, 0, &b);
}

void TspSkinImagesMenuPopupWindow::DrawItems(TCanvas* canvas, Integer active, Integer selected) {
  TCustomImageList* images = Menu->Images();
  for (Integer i = 0; i < ItemCount(); ++i) {
    const TspImagesMenuItem& item = *Item(i);
    const TRect& r = item.ItemRect;
    if (item.Header) {
      DrawHeader(canvas, item);
      continue;
    }
    if (i == selected && !PressedOnItem) DrawActiveItem(canvas, r, true);
    else if (i == active) DrawActiveItem(canvas, r, PressedOnItem);
    Integer offset = 0;
    if (item.ImageIndex >= 0 && item.ImageIndex < images->Count()) {
      images->Draw(canvas, r.Left + 5, r.Top + 5, item.ImageIndex, true);
      offset = images->Width() + 5;
    }
    if (!item.Button || item.Caption.empty()) continue;
    bool downLook = (i == selected && !PressedOnItem) || (i == active && PressedOnItem);
    DrawItemCaption(canvas, item.Caption, TRect{r.Left + offset, r.Top, r.Right, r.Bottom}, downLook,
                    i == active && !PressedOnItem);
  }
}

void TspSkinImagesMenuPopupWindow::DrawHeader(TCanvas* canvas, const TspImagesMenuItem& item) {
  const TRect& r = item.ItemRect;
  auto* label = dynamic_cast<TspDataSkinLabelControl*>(LabelRecord());
  TBitmap* picture = label ? Menu->SkinData()->ActivePicture(label->pictureindex) : nullptr;
  if (!label || !picture) {
    canvas->Brush()->SetStyle(bsClear);
    TRect text = r;
    canvas->TextRect(text, item.Caption, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    return;
  }
  TBitmap strip;
  CreateHSkinImage(label->lefttoppoint.X, label->skinrect.Width() - label->righttoppoint.X, &strip, picture,
                   label->skinrect, r.Width(), label->skinrect.Height(), label->stretcheffect);
  TCanvas* sc = strip.Canvas();
  sc->Font()->SetCharset(canvas->Font()->Charset());
  sc->Font()->SetName(label->fontname);
  sc->Font()->SetHeight(label->fontheight);
  sc->Font()->SetStyle(label->fontstyle);
  sc->Font()->SetColor(label->fontcolor);
  sc->Brush()->SetStyle(bsClear);
  TRect text{label->clientrect.Left, label->clientrect.Top,
             strip.Width() + label->clientrect.Right - label->skinrect.Width(), strip.Height()};
  sc->TextRect(text, item.Caption, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  canvas->Draw(r.Left, r.Top, &strip);
}

void TspSkinImagesMenuPopupWindow::DrawActiveItem(TCanvas* canvas, const TRect& r, bool down) {
  TspDataSkinButtonControl* button = ButtonRecord();
  TBitmap* picture = button ? Menu->SkinData()->ActivePicture(button->pictureindex) : nullptr;
  if (!button || !picture) {
    TRect frame = r;
    Frame3D(canvas, frame, clNavy, clNavy, 1);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(down ? RGB(133, 146, 181) : RGB(182, 189, 210));
    canvas->FillRect(frame);
    return;
  }
  const Integer dx = r.Width() - button->skinrect.Width(), dy = r.Height() - button->skinrect.Height();
  TRect source = down && !button->downskinrect.IsEmpty() ? button->downskinrect : button->activeskinrect;
  if (source.IsEmpty()) source = button->skinrect;
  const TRect& cl = button->clientrect;
  TBitmap b;
  CreateSkinImage(button->lefttoppoint, button->righttoppoint, button->leftbottompoint, button->rightbottompoint, cl,
                  button->lefttoppoint, TPoint{button->righttoppoint.X + dx, button->righttoppoint.Y},
                  TPoint{button->leftbottompoint.X, button->leftbottompoint.Y + dy},
                  TPoint{button->rightbottompoint.X + dx, button->rightbottompoint.Y + dy},
                  TRect{cl.Left, cl.Top, cl.Right + dx, cl.Bottom + dy}, &b, picture, source, r.Width(), r.Height(),
                  true, button->leftstretch, button->topstretch, button->rightstretch, button->bottomstretch,
                  button->stretcheffect, button->stretchtype);
  canvas->Draw(r.Left, r.Top, &b);
}

void TspSkinImagesMenuPopupWindow::DrawItemCaption(TCanvas* canvas, const String& caption, const TRect& r,
                                                   bool downLook, bool hotLook) {
  TspSkinData* data = Menu->SkinData();
  TspDataSkinButtonControl* button = ButtonRecord();
  TspDataSkinMenuItem* menuItem = nullptr;
  for (const char* name : {"menuitem", "MENUITEM"}) {
    if (menuItem || !data || data->Empty) break;
    Integer i = data->GetIndex(name);
    if (i != -1) menuItem = dynamic_cast<TspDataSkinMenuItem*>(data->ObjectList[i].get());
  }
  if (menuItem && button) {
    if (Menu->UseSkinFont) {
      canvas->Font()->SetName(button->fontname);
      canvas->Font()->SetHeight(button->fontheight);
      canvas->Font()->SetStyle(button->fontstyle);
    } else {
      canvas->SetFont(Menu->DefaultFont());
    }
    canvas->Font()->SetCharset(data->ResourceStrData() ? data->ResourceStrData()->CharSet
                                                       : Menu->DefaultFont()->Charset());
    canvas->Font()->SetColor(downLook ? button->downfontcolor : hotLook ? button->activefontcolor
                                                                        : menuItem->FontColor);
  } else {
    canvas->SetFont(Menu->DefaultFont());
    canvas->Font()->SetColor(clWindowText);
  }
  canvas->Brush()->SetStyle(bsClear);
  UINT flags = DT_SINGLELINE | DT_VCENTER;
  if (canvas->TextWidth(caption) <= r.Width()) flags |= DT_CENTER;
  TRect text = r;
  canvas->TextRect(text, caption, flags);
}
