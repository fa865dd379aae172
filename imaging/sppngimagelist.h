// An image list whose pictures are PNG images with alpha: the list's own strip
// holds one placeholder per item so that Count matches, and drawing paints the
// item's PNG with its transparency (a faded copy when disabled). A small graphic
// control shows one image of such a list.
#pragma once

#include "imaging/sppngimage.h"
#include "platform/controls/Controls.h"
#include "platform/core/Collection.h"
#include "platform/graphics/ImageList.h"

class TspPngImageList;

class TspPngImageItem : public TCollectionItem {
public:
  // Names the item "PngImage<index>" and adds its placeholder to the list.
  explicit TspPngImageItem(TCollection* collection);
  ~TspPngImageItem() override;

  void Assign(const TPersistent* source) override;
  String DisplayName() const override;

  String Name;
  TspPngImage* PngImage() const { return pngImage_; }
  // Copies `image` into the item's own picture.
  void SetPngImage(const TspPngImage* image);

private:
  TspPngImageList* List() const;

  TspPngImage* pngImage_;  // owned
};

class TspPngImageItems : public TCollection {
public:
  explicit TspPngImageItems(TspPngImageList* owner);
  TPersistent* Owner() const override;
  TspPngImageList* ImageList() const { return owner_; }
  TspPngImageItem* Items(int index) const { return static_cast<TspPngImageItem*>(TCollection::Items(index)); }
  TspPngImageItem* Add() { return static_cast<TspPngImageItem*>(TCollection::Add()); }

private:
  TspPngImageList* owner_;  // borrowed
};

class TspPngImageList : public TCustomImageList {
public:
  explicit TspPngImageList(TComponent* owner);
  ~TspPngImageList() override;

  TspPngImageItems* PngImages() const { return pngImages_; }
  void SetPngImages(const TspPngImageItems* items);
  int PngWidth() const { return Width(); }
  int PngHeight() const { return Height(); }
  // A new size discards every item, except while the list is being loaded.
  void SetPngWidth(int width);
  void SetPngHeight(int height);

  // A monochrome placeholder of Width x Height at `index`, and its removal.
  void InsertBitMap(int index);
  void DeleteBitMap(int index);

protected:
  void DoDraw(int index, TCanvas* canvas, int x, int y, UINT style, bool enabled) override;

private:
  TspPngImageItems* pngImages_ = nullptr;  // owned
};

// Makes `image` look disabled: its alpha scaled to about half (`value` 127), its
// transparent colour kept fully transparent; grey and palette pictures become RGB
// with alpha `value` everywhere but at the transparent colour.
void FadePngImage(TspPngImage& image, Byte value);

// Shows image ImageIndex of a PNG image list, at the top left or centred; with
// AutoSize it takes the list's image size.
class TspPngImageView : public TGraphicControl {
public:
  explicit TspPngImageView(TComponent* owner);

  // Borrowed; cleared when the list goes away.
  TspPngImageList* PngImageList() const { return pngImageList_; }
  void SetPngImageList(TspPngImageList* list);
  int ImageIndex() const { return imageIndex_; }
  // Values below -1 are ignored; with a list the control adjusts and repaints.
  void SetImageIndex(int value);
  void SetAutoSize(bool value) override;
  bool Center() const { return center_; }
  void SetCenter(bool value);

  void Loaded() override;

protected:
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  // With AutoSize and a list: the list's image size.
  void AdjustBounds();

  TspPngImageList* pngImageList_ = nullptr;  // borrowed
  int imageIndex_ = -1;
  bool center_ = false;
};
