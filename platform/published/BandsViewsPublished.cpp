#include "platform/published/BandsViewsPublished.h"

#include "platform/comctrls/ControlBar.h"
#include "platform/comctrls/TreeView.h"
#include "platform/published/ComCtrlsPublished.h"
#include "platform/published/Published.h"
#include "platform/published/StdCtrlsPublished.h"

namespace {
const TEnumNames kBorderStyles{"TBorderStyle", {"bsNone", "bsSingle"}};
const TEnumNames kBevelKinds{"TBevelKind", {"bkNone", "bkTile", "bkSoft", "bkFlat"}};
}  // namespace

void PublishBandsAndViewsClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishCommonControlClasses();
  PublishStdControlClasses();
  using T = TCustomTreeView;
  PublishClass<T, TWinControl>()
      .Default("Width", 121)
      .Default("Height", 97)
      .Default("TabStop", 1)
      .Bool("ShowLines", &T::ShowLines, &T::SetShowLines, true)
      .Bool("ShowRoot", &T::ShowRoot, &T::SetShowRoot, true)
      .Bool("ShowButtons", &T::ShowButtons, &T::SetShowButtons, true)
      .Bool("ReadOnly", &T::ReadOnly, &T::SetReadOnly, false)
      .Enum("BorderStyle", kBorderStyles, &T::BorderStyle, &T::SetBorderStyle, bsSingle)
      .Component<TCustomImageList>("Images", &T::Images, &T::SetImages)
      .Component<TCustomImageList>("StateImages", &T::StateImages, &T::SetStateImages)
      .Event("OnChange", &T::OnChange);
  PublishClass<TTreeView, T>();
  using C = TCustomControlBar;
  PublishClass<C, TCustomControl>()
      .Default("Width", 100)
      .Default("Height", 50)
      .Default("Color", clBtnFace)
      .Bool("RowSnap", &C::RowSnap, &C::RowSnap, true)
      .Bool("AutoDrag", &C::AutoDrag, &C::AutoDrag, true)
      .Enum("BevelKind", kBevelKinds, &C::BevelKind, &C::SetBevelKind, bkTile);
  PublishClass<TControlBar, C>();
  using B = TCoolBand;
  PublishClass<B, TCollectionItem>()
      .Component<TWinControl>("Control", &B::Control, &B::SetControl)
      .Str("Text", &B::Text, &B::SetText)
      .Integer("ImageIndex", &B::ImageIndex, &B::SetImageIndex, -1)
      .Bool("FixedSize", &B::FixedSize, &B::SetFixedSize, false)
      .Bool("Visible", &B::Visible, &B::SetVisible, true)
      .Bool("Break", &B::Break, &B::SetBreak, true)
      .Integer("Width", &B::Width, &B::SetWidth, 0)
      .Integer("MinHeight", &B::MinHeight, &B::SetMinHeight, 25);
  PublishClass<TCoolBands, TCollection>();
  using K = TCoolBar;
  PublishClass<K, TWinControl>()
      .Default("Width", 150)
      .Default("Height", 75)
      .Default("Align", alTop)
      .Object("Bands", &K::Bands)
      .Bool("FixedOrder", &K::FixedOrder, &K::SetFixedOrder, false)
      .Bool("ShowText", &K::ShowText, &K::SetShowText, true)
      .Component<TCustomImageList>("Images", &K::Images, &K::SetImages)
      .Bool("Vertical", &K::Vertical, &K::SetVertical, false);
}
