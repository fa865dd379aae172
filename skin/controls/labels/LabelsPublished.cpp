// The published properties of the text, link, wave, shadow, bit and button
// labels and the link image.
#include "platform/published/Published.h"
#include "skin/controls/PeripheryPublished.h"
#include "skin/controls/labels/SkinBitLabel.h"
#include "skin/controls/labels/SkinButtonLabel.h"
#include "skin/controls/labels/SkinEffectLabels.h"
#include "skin/controls/labels/SkinLinkLabel.h"
#include "skin/controls/labels/SkinTextLabel.h"

const TEnumNames& AlignmentNames();

namespace {

const TEnumNames kTextLayouts{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
const TEnumNames kButtonLayouts{"TspButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};

void PublishTextAndLinks() {
  using T = TspSkinTextLabel;
  PublishClass<T, TGraphicControl>()
      .Default("Width", 65)
      .Default("Height", 65)
      .Default("AutoSize", 1)
      .Lines("Lines", &T::Lines)
      .Bool("UseSkinFont", &T::UseSkinFont, &T::UseSkinFont, true)
      .Bool("UseSkinColor", &T::UseSkinColor, &T::UseSkinColor, true)
      .Object("DefaultFont", &T::DefaultFont)
      .Component<TspSkinData>("SkinData", &T::SkinData, &T::SetSkinData)
      .Str("SkinDataName", &T::SkinDataName, &T::SkinDataName, "stdlabel")
      .Enum("Alignment", AlignmentNames(), &T::Alignment, &T::SetAlignment, taLeftJustify)
      .Enum("Layout", kTextLayouts, &T::Layout, &T::SetLayout, tlTop)
      .Bool("WordWrap", &T::WordWrap, &T::SetWordWrap, false);
  using L = TspSkinLinkLabel;
  PublishClass<L, TCustomLabel>()
      .Hide("Transparent")
      .Default("Cursor", crHandPoint)
      .Str("URL", &L::URL, &L::URL)
      .Bool("UseUnderLine", &L::UseUnderLine, &L::SetUseUnderLine, true)
      .Bool("UseSkinFont", &L::UseSkinFont, &L::UseSkinFont, true)
      .Color("DefaultActiveFontColor", &L::DefaultActiveFontColor, &L::DefaultActiveFontColor, 0xFF0000)
      .Object("DefaultFont", &L::DefaultFont)
      .Component<TspSkinData>("SkinData", &L::SkinData, &L::SetSkinData)
      .Str("SkinDataName", &L::SkinDataName, &L::SkinDataName, "stdlabel");
  using I = TspSkinLinkImage;
  PublishClass<I, TImage>().Default("AutoSize", 1).Default("Cursor", crHandPoint).Str("URL", &I::URL, &I::URL);
}

void PublishEffectLabels() {
  using W = TspSkinWaveLabel;
  PublishClass<W, TspGraphicSkinControl>()
      .Default("Width", 200)
      .Default("Height", 40)
      .Default("SkinDataName", "stdlabel")
      .Integer("XDiv", &W::XDiv, &W::SetXDiv, 20)
      .Integer("YDiv", &W::YDiv, &W::SetYDiv, 20)
      .Integer("RatioVal", &W::RatioVal, &W::SetRatioVal, 5)
      .Bool("Antialiasing", &W::Antialiasing, &W::SetAntialiasing, true)
      .Bool("UseSkinColor", &W::UseSkinColor, &W::UseSkinColor, true)
      .Enum("Alignment", AlignmentNames(), &W::Alignment, &W::SetAlignment, taCenter);
  using S = TspSkinShadowLabel;
  PublishClass<S, TspGraphicSkinControl>()
      .Default("Width", 65)
      .Default("Height", 17)
      .Default("AutoSize", 1)
      .Default("SkinDataName", "stdlabel")
      .Enum("Layout", kTextLayouts, &S::Layout, &S::SetLayout, tlTop)
      .Enum("Alignment", AlignmentNames(), &S::Alignment, &S::SetAlignment, taLeftJustify)
      .Component<TWinControl>("FocusControl", &S::FocusControl, &S::SetFocusControl)
      .Bool("ShowAccelChar", &S::ShowAccelChar, &S::SetShowAccelChar, true)
      .Bool("WordWrap", &S::WordWrap, &S::SetWordWrap, false)
      .Bool("UseSkinColor", &S::UseSkinColor, &S::UseSkinColor, true);
  using B = TspSkinBitLabel;
  PublishClass<B, TspSkinCustomControl>()
      .Default("Width", 100)
      .Default("Height", 20)
      .Default("SkinDataName", "bitlabel")
      .Bool("AutoSize", &B::AutoSizeX, &B::SetAutoSizeX, false)
      .Integer("FixLength", &B::FixLength, &B::SetFixLength, 0);
}

void PublishButtonLabel() {
  using B = TspSkinButtonLabel;
  PublishClass<B, TGraphicControl>()
      .Default("Width", 100)
      .Default("Height", 50)
      .Component<TCustomImageList>("ImageList", &B::ImageList, &B::SetImageList)
      .Integer("ImageIndex", &B::ImageIndex, &B::SetImageIndex, -1)
      .Bool("WebStyle", &B::WebStyle, &B::SetWebStyle, false)
      .Object("Glyph", &B::Glyph)
      .Integer("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, 1)
      .Integer("Margin", &B::Margin, &B::SetMargin, -1)
      .Integer("Spacing", &B::Spacing, &B::SetSpacing, 4)
      .Enum("Layout", kButtonLayouts, &B::Layout, &B::SetLayout, blGlyphLeft)
      .Bool("UseSkinFont", &B::UseSkinFont, &B::UseSkinFont, true)
      .Color("DefaultActiveFontColor", &B::DefaultActiveFontColor, &B::DefaultActiveFontColor, clBlue)
      .Object("DefaultFont", &B::DefaultFont)
      .Component<TspSkinData>("SkinData", &B::SkinData, &B::SetSkinData)
      .Str("SkinDataName", &B::SkinDataName, &B::SkinDataName, "stdlabel");
}

}  // namespace

void PublishSkinLabelsPeriphery() {
  PublishTextAndLinks();
  PublishEffectLabels();
  PublishButtonLabel();
}
