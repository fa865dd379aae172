#include "platform/graphics/ImageList.h"

#include <algorithm>

namespace {

// A copy of the bitmap's pixels in a DIB section that no DC holds, as the image
// list needs it (owned by the returned bitmap object).
std::unique_ptr<TBitmap> Detached(TBitmap* source, TPixelFormat format) {
  std::unique_ptr<TBitmap> copy(new TBitmap);
  copy->Assign(source);
  copy->SetPixelFormat(format);
  return copy;
}

COLORREF ListColor(TColor color, COLORREF none) {
  return color == clNone ? none : color == clDefault ? CLR_DEFAULT : static_cast<COLORREF>(ColorToRGB(color));
}

}  // namespace

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* link : links_) link->sender_ = nullptr;
  if (handle_) ImageList_Destroy(handle_);
}

HIMAGELIST TCustomImageList::Handle() {
  if (!handle_) {
    handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | (Masked ? ILC_MASK : 0), 4, 4);
    if (!handle_) throw EOutOfResources("Out of system resources");
  }
  return handle_;
}

void TCustomImageList::Recreate() {
  if (handle_) ImageList_Destroy(handle_);
  handle_ = nullptr;
  Change();
}

void TCustomImageList::SetWidth(int width) { SetSize(width, height_); }
void TCustomImageList::SetHeight(int height) { SetSize(width_, height); }

void TCustomImageList::SetSize(int width, int height) {
  if (width < 1 || height < 1) throw EInvalidOperation("Invalid image size");
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  Recreate();
}

int TCustomImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

void TCustomImageList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EInvalidOperation("Invalid image index " + std::to_string(index));
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
  if (!image || image->Empty()) throw EInvalidOperation("Failed to add an empty image");
  std::unique_ptr<TBitmap> pixels = Detached(image, pf24bit);
  std::unique_ptr<TBitmap> bits = mask ? Detached(mask, pf1bit) : nullptr;
  int index = ImageList_Add(Handle(), pixels->Handle(), bits ? bits->Handle() : nullptr);
  if (index < 0) throw EInvalidOperation("Failed to add the image");
  Change();
  return index;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
  if (!image || image->Empty()) throw EInvalidOperation("Failed to add an empty image");
  std::unique_ptr<TBitmap> pixels = Detached(image, pf24bit);
  int index = ImageList_AddMasked(Handle(), pixels->Handle(), static_cast<COLORREF>(ColorToRGB(maskColor)));
  if (index < 0) throw EInvalidOperation("Failed to add the image");
  Change();
  return index;
}

int TCustomImageList::AddIcon(TIcon* icon) {
  if (!icon || icon->Empty()) throw EInvalidOperation("Failed to add an empty icon");
  int index = ImageList_AddIcon(Handle(), icon->Handle());
  if (index < 0) throw EInvalidOperation("Failed to add the icon");
  Change();
  return index;
}

void TCustomImageList::Insert(int index, TBitmap* image, TBitmap* mask) {
  if (index < 0 || index > Count()) throw EInvalidOperation("Invalid image index " + std::to_string(index));
  int added = Add(image, mask);
  for (int i = added; i > index; --i) ImageList_Copy(handle_, i, handle_, i - 1, ILCF_SWAP);
  Change();
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
  CheckIndex(index);
  if (!image || image->Empty()) throw EInvalidOperation("Failed to replace with an empty image");
  std::unique_ptr<TBitmap> pixels = Detached(image, pf24bit);
  std::unique_ptr<TBitmap> bits = mask ? Detached(mask, pf1bit) : nullptr;
  if (!ImageList_Replace(handle_, index, pixels->Handle(), bits ? bits->Handle() : nullptr))
    throw EInvalidOperation("Failed to replace the image");
  Change();
}

void TCustomImageList::Delete(int index) {
  CheckIndex(index);
  ImageList_Remove(handle_, index);
  Change();
}

void TCustomImageList::Clear() {
  if (handle_) ImageList_Remove(handle_, -1);
  Change();
}

void TCustomImageList::GetBitmap(int index, TBitmap* image) {
  CheckIndex(index);
  if (!image) return;
  image->SetSize(width_, height_);
  image->Canvas()->Brush()->SetColor(clWhite);
  image->Canvas()->FillRect(Rect(0, 0, width_, height_));
  ImageList_Draw(handle_, index, image->Canvas()->Handle(), 0, 0, ILD_NORMAL);
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  Draw(canvas, x, y, index, DrawingStyle, ImageType, enabled);
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle style, TImageType type,
                            bool enabled) {
  if (!canvas || index < 0 || index >= Count()) return;
  static const UINT kStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  UINT flags = kStyles[style] | (type == itMask ? ILD_MASK : 0);
  DoDraw(index, canvas, x, y, flags, enabled);
}

void TCustomImageList::DoDraw(int index, TCanvas* canvas, int x, int y, UINT style, bool enabled) {
  HDC dc = canvas->Handle();
  if (enabled) {
    ImageList_DrawEx(handle_, index, dc, x, y, 0, 0, ListColor(BkColor, CLR_NONE), ListColor(BlendColor, CLR_DEFAULT),
                     style);
    return;
  }
  // Greyed: the image in black and white (white and transparent pixels white),
  // then every black pixel painted with a highlight copy and a shadow copy.
  HDC mono = ::CreateCompatibleDC(dc);
  HBITMAP monoBitmap = ::CreateBitmap(width_, height_, 1, 1, nullptr);
  HGDIOBJ oldBitmap = ::SelectObject(mono, monoBitmap);
  ::PatBlt(mono, 0, 0, width_, height_, WHITENESS);
  TBitmap colour(width_, height_, pf24bit);  // white background
  ImageList_DrawEx(handle_, index, colour.Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
  ::SetBkColor(colour.Canvas()->Handle(), RGB(255, 255, 255));
  ::BitBlt(mono, 0, 0, width_, height_, colour.Canvas()->Handle(), 0, 0, SRCCOPY);

  // The mono bitmap's black pixels arrive in the text colour (white here), its white
  // ones in the background colour (black); the raster operation paints the pattern
  // where the source is white and keeps the destination where it is black.
  constexpr DWORD kPaintBlack = 0x00E20746;
  COLORREF oldText = ::SetTextColor(dc, RGB(255, 255, 255));
  COLORREF oldBack = ::SetBkColor(dc, RGB(0, 0, 0));
  HBRUSH highlight = ::CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
  HGDIOBJ oldBrush = ::SelectObject(dc, highlight);
  ::BitBlt(dc, x + 1, y + 1, width_, height_, mono, 0, 0, kPaintBlack);
  HBRUSH shadow = ::CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
  ::SelectObject(dc, shadow);
  ::BitBlt(dc, x, y, width_, height_, mono, 0, 0, kPaintBlack);
  ::SelectObject(dc, oldBrush);
  ::DeleteObject(highlight);
  ::DeleteObject(shadow);
  ::SetTextColor(dc, oldText);
  ::SetBkColor(dc, oldBack);
  ::SelectObject(mono, oldBitmap);
  ::DeleteObject(monoBitmap);
  ::DeleteDC(mono);
  canvas->Refresh();  // the canvas's own brush is selected again on its next use
}

void TCustomImageList::Change() {
  OnChange(this);
  const std::vector<TChangeLink*> links = links_;  // a handler may unregister
  for (TChangeLink* link : links) link->OnChange(this);
}

void TCustomImageList::RegisterChanges(TChangeLink* link) {
  if (link->sender_) link->sender_->UnRegisterChanges(link);
  link->sender_ = this;
  links_.push_back(link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
  links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end());
  if (link->sender_ == this) link->sender_ = nullptr;
}

TChangeLink::~TChangeLink() {
  if (sender_) sender_->UnRegisterChanges(this);
}

void TCustomImageList::Assign(const TPersistent* source) {
  const TCustomImageList* other = dynamic_cast<const TCustomImageList*>(source);
  if (!other) return TComponent::Assign(source);
  if (handle_) ImageList_Destroy(handle_);
  handle_ = other->handle_ ? ImageList_Duplicate(other->handle_) : nullptr;
  width_ = other->width_;
  height_ = other->height_;
  DrawingStyle = other->DrawingStyle;
  ImageType = other->ImageType;
  BkColor = other->BkColor;
  BlendColor = other->BlendColor;
  Masked = other->Masked;
  Change();
}
