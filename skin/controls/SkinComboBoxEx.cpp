#include "skin/controls/SkinComboBoxEx.h"

#include "skin/draw/SkinRects.h"

TspSkinComboBoxEx::TspSkinComboBoxEx(TComponent* owner)
    : TspSkinCustomComboBox(owner), itemsEx_(std::make_unique<TspComboExItems>(this)) {
  SetOnListBoxDrawItem(TspDrawSkinItemEvent(this, &TspSkinComboBoxEx::DrawItem));
  OnComboBoxDrawItem = TspDrawSkinItemEvent(this, &TspSkinComboBoxEx::ComboDrawItem);
}

TspSkinComboBoxEx::~TspSkinComboBoxEx() {
  SetOnListBoxDrawItem(nullptr);
  OnComboBoxDrawItem = nullptr;
}

void TspSkinComboBoxEx::Loaded() {
  TspSkinCustomComboBox::Loaded();
  itemsEx_->LoadItems();
}


namespace {

void WriteText(TCanvas* canvas, const String& text, Integer left, const TRect& r) {
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut(left, r.Top + RectHeight(r) / 2 - canvas->TextHeight("Wg") / 2, text);
}

}  // namespace

void TspSkinComboBoxEx::DrawItem(TCanvas* canvas, Integer index, Integer, Integer, TRect r, TOwnerDrawState) {
  if (index < 0 || index >= itemsEx_->Count() || index >= Items()->Count()) return;
  TspComboExItem* item = itemsEx_->Items(index);
  TCustomImageList* images = Images();
  if (item->Indent > 0) r.Left += images ? item->Indent * images->Width() / 2 : item->Indent * 10;
  if (images) {
    Integer image = item->ImageIndex();
    if (index == ItemIndex() && image != -1 && item->SelectedImageIndex() != -1) image = item->SelectedImageIndex();
    if (image != -1) {
      images->Draw(canvas, r.Left, r.Top + (RectHeight(r) - images->Height()) / 2, image);
      r.Left += images->Width() + 3;
    }
  }
  WriteText(canvas, Items()->Strings(index), r.Left, r);
}

void TspSkinComboBoxEx::ComboDrawItem(TCanvas* canvas, Integer index, Integer, Integer, TRect r, TOwnerDrawState) {
  if (index < 0 || index >= itemsEx_->Count() || index >= Items()->Count()) return;
  TspComboExItem* item = itemsEx_->Items(index);
  r.Left += 2;
  if (TCustomImageList* images = Images()) {
    Integer image = item->SelectedImageIndex() != -1 ? item->SelectedImageIndex() : item->ImageIndex();
    if (image != -1) {
      images->Draw(canvas, r.Left, r.Top + RectHeight(r) / 2 - images->Height() / 2, image);
      r.Left += images->Width() + 3;
    }
  }
  WriteText(canvas, Items()->Strings(index), r.Left, r);
}
