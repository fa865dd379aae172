#include "imaging/sppngimagelist.h"

#include <cmath>
#include <memory>

#include "imaging/png/Format.h"
#include "platform/core/SysUtils.h"

// ---------------------------------------------------------------------------
// Items

TspPngImageItem::TspPngImageItem(TCollection* collection)
    : TCollectionItem(collection), pngImage_(new TspPngImage) {
  Name = Format("PngImage%d", Index());
  if (TspPngImageList* list = List()) list->InsertBitMap(Index());
}

TspPngImageItem::~TspPngImageItem() {
  delete pngImage_;
  pngImage_ = nullptr;
  TspPngImageList* list = List();
  if (list && Index() >= 0 && Index() < list->Count()) list->DeleteBitMap(Index());
}

TspPngImageList* TspPngImageItem::List() const {
  auto* items = dynamic_cast<TspPngImageItems*>(Collection());
  return items ? items->ImageList() : nullptr;
}

void TspPngImageItem::SetPngImage(const TspPngImage* image) {
  pngImage_->Assign(image);
  Changed(true);
}

void TspPngImageItem::Assign(const TPersistent* source) {
  if (auto* item = dynamic_cast<const TspPngImageItem*>(source)) {
    pngImage_->Assign(item->pngImage_);
    Name = item->Name;
    return;
  }
  TCollectionItem::Assign(source);
}

String TspPngImageItem::DisplayName() const { return Name.empty() ? TCollectionItem::DisplayName() : Name; }

TspPngImageItems::TspPngImageItems(TspPngImageList* owner)
    : TCollection(CollectionItemClass<TspPngImageItem>()), owner_(owner) {}

TPersistent* TspPngImageItems::Owner() const { return owner_; }

// ---------------------------------------------------------------------------
// The list

TspPngImageList::TspPngImageList(TComponent* owner) : TCustomImageList(owner), pngImages_(new TspPngImageItems(this)) {}

TspPngImageList::~TspPngImageList() {
  TspPngImageItems* items = pngImages_;
  delete items;
  pngImages_ = nullptr;
}

void TspPngImageList::SetPngImages(const TspPngImageItems* items) { pngImages_->Assign(items); }

void TspPngImageList::SetPngWidth(int width) {
  if (width == Width()) return;
  SetWidth(width);
  if (!HasState(csLoading)) pngImages_->Clear();
}

void TspPngImageList::SetPngHeight(int height) {
  if (height == Height()) return;
  SetHeight(height);
  if (!HasState(csLoading)) pngImages_->Clear();
}

void TspPngImageList::InsertBitMap(int index) {
  TBitmap placeholder(Width(), Height(), pf1bit);
  Insert(index, &placeholder, nullptr);
}

void TspPngImageList::DeleteBitMap(int index) { Delete(index); }

void TspPngImageList::DoDraw(int index, TCanvas* canvas, int x, int y, UINT, bool enabled) {
  TspPngImageItem* item = pngImages_->Items(index);  // the collection's index error beyond its end
  if (!item) return;
  const TRect rect{x, y, x + Width(), y + Height()};
  if (enabled) {
    item->PngImage()->Draw(canvas, rect);
    return;
  }
  TspPngImage faded;
  faded.Assign(item->PngImage());
  FadePngImage(faded, 127);
  faded.Draw(canvas, rect);
}

// ---------------------------------------------------------------------------
// The view

TspPngImageView::TspPngImageView(TComponent* owner) : TGraphicControl(owner) {
  ControlStyle = (ControlStyle & ~csOpaque) | csReplicatable;
  TGraphicControl::SetAutoSize(true);
  SetBounds(Left(), Top(), 50, 50);
}

void TspPngImageView::SetPngImageList(TspPngImageList* list) {
  if (list == pngImageList_) return;
  // The list may belong to another owner: ask to be told when it goes.
  if (pngImageList_) RemoveFreeNotification(pngImageList_);
  pngImageList_ = list;
  FreeNotification(list);
}

void TspPngImageView::SetImageIndex(int value) {
  if (value >= -1) imageIndex_ = value;
  if (!pngImageList_) return;
  AdjustBounds();
  Repaint();
}

void TspPngImageView::SetAutoSize(bool value) {
  if (value == AutoSize()) return;
  TGraphicControl::SetAutoSize(value);
  AdjustBounds();
}

void TspPngImageView::SetCenter(bool value) {
  if (value == center_) return;
  center_ = value;
  Repaint();
}

void TspPngImageView::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TspPngImageView::AdjustBounds() {
  if (AutoSize() && pngImageList_) SetBounds(Left(), Top(), pngImageList_->Width(), pngImageList_->Height());
}

void TspPngImageView::Paint() {
  TspPngImageList* list = pngImageList_;
  if (list && list->Count() > 0 && imageIndex_ >= 0 && imageIndex_ < list->Count() && list->Width() > 0 &&
      list->Height() > 0) {
    const int x = center_ ? Width() / 2 - list->Width() / 2 : 0;
    const int y = center_ ? Height() / 2 - list->Height() / 2 : 0;
    list->Draw(Canvas(), x, y, imageIndex_, Enabled());
  }
  if (HasState(csDesigning)) {
    Canvas()->Pen()->SetStyle(psDash);
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->Rectangle(0, 0, Width(), Height());
  }
}

void TspPngImageView::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == pngImageList_) pngImageList_ = nullptr;
}

// ---------------------------------------------------------------------------
// Fading

void FadePngImage(TspPngImage& image, Byte value) {
  if (!image.HeaderPresent()) return;
  const bool bit = image.TransparencyMode() == bsptmBit;
  const TColor key = image.TransparentColor();
  const int width = image.Width(), height = image.Height();
  const Byte colorType = image.Header()->Header.ColorType;
  if (colorType == png::kGray || colorType == png::kPalette) {
    TBitmap blank(width, height, pf24bit);
    TspPngImage rebuilt;
    rebuilt.Assign(&blank);
    rebuilt.InitAlpha();
    if (!rebuilt.HeaderPresent() || rebuilt.Header()->Header.ColorType != png::kRgbAlpha) return;
    for (int y = 0; y < height; ++y) {
      Byte* alpha = rebuilt.GetAlphaScanline(y);
      for (int x = 0; x < width; ++x) {
        const TColor color = image.GetPixels(x, y);
        rebuilt.SetPixels(x, y, color);
        alpha[x] = bit && color == key ? 0 : value;
      }
    }
    image.Assign(&rebuilt);
    return;
  }
  if (colorType == png::kRgb) image.InitAlpha();
  for (int y = 0; y < height; ++y) {
    Byte* alpha = image.GetAlphaScanline(y);
    if (!alpha) return;
    for (int x = 0; x < width; ++x) {
      if (bit && image.GetPixels(x, y) == key) alpha[x] = 0;
      else alpha[x] = Byte(std::nearbyint(alpha[x] / 256.0 * (value + 1)));
    }
  }
}
