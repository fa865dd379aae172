#include "imaging/sppngimagePublished.h"

#include "imaging/sppngimagelist.h"
#include "platform/published/FormsPublished.h"

void PublishPngImageClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  UseFormDefinitions();

  // The picture streams through its graphic's "Data": a length and the PNG bytes,
  // or a PNG file named in the definition.
  PublishClass<TspPngImage, TGraphic>();

  PublishClass<TspPngImageItem, TCollectionItem>()
      .Str("Name", [](TspPngImageItem& item) { return item.Name; },
           [](TspPngImageItem& item, const String& name) { item.Name = name; })
      .NoDefault()
      .Object("PngImage", &TspPngImageItem::PngImage);
  PublishClass<TspPngImageItems, TCollection>();

  // The size comes before the items in a definition, so loading keeps them.
  PublishClass<TspPngImageList, TCustomImageList>()
      .Integer("PngWidth", &TspPngImageList::PngWidth, &TspPngImageList::SetPngWidth, 16)
      .Integer("PngHeight", &TspPngImageList::PngHeight, &TspPngImageList::SetPngHeight, 16)
      .Object("PngImages", &TspPngImageList::PngImages);

  PublishClass<TspPngImageView, TGraphicControl>()
      .Component<TspPngImageList>("PngImageList", &TspPngImageView::PngImageList, &TspPngImageView::SetPngImageList)
      .Integer("ImageIndex", &TspPngImageView::ImageIndex, &TspPngImageView::SetImageIndex, -1)
      .Default("AutoSize", 1)
      .Bool("Center", &TspPngImageView::Center, &TspPngImageView::SetCenter, false);
}
