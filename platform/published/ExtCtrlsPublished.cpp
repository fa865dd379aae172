// The published properties of the bevel, panel, image, splitter, mask edit,
// speed button, scroll box and gauge.
#include "platform/published/ExtCtrlsPublished.h"
#include "platform/published/Published.h"
#include "platform/stdctrls/CGauge.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/MaskEdit.h"
#include "platform/stdctrls/ScrollBox.h"
#include "platform/stdctrls/SpeedButton.h"

const TEnumNames& ControlBorderStyleNames();
const TEnumNames& AlignmentNames();

namespace {

const TEnumNames kBevelShapes{"TBevelShape",
                              {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"}};
const TEnumNames kBevelStyles{"TBevelStyle", {"bsLowered", "bsRaised"}};
const TEnumNames kBevelCuts{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
const TEnumNames kResizeStyles{"TResizeStyle", {"rsNone", "rsLine", "rsUpdate", "rsPattern"}};
const TEnumNames kButtonLayouts{"TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
const TEnumNames kGaugeKinds{"TGaugeKind", {"gkText", "gkHorizontalBar", "gkVerticalBar", "gkPie", "gkNeedle"}};

void PublishOtherControls() {
  PublishClass<TCustomMaskEdit, TCustomEdit>().Str("EditMask", &TCustomMaskEdit::EditMask,
                                                   &TCustomMaskEdit::SetEditMask);
  PublishClass<TMaskEdit, TCustomMaskEdit>();

  PublishClass<TSpeedButton, TGraphicControl>()
      .Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp, false)
      .Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex, 0)
      .Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown, false)
      .Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat, false)
      .Object("Glyph", &TSpeedButton::Glyph)
      .Enum("Layout", kButtonLayouts, &TSpeedButton::Layout, &TSpeedButton::SetLayout, blGlyphLeft)
      .Integer("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin, -1)
      .Integer("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs, 1)
      .Integer("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing, 4)
      .Bool("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent, true);

  PublishClass<TScrollBox, TScrollingWinControl>()
      .Default("AutoScroll", 1)
      .Default("Color", clBtnFace)
      .Enum("BorderStyle", ControlBorderStyleNames(), &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle, bsSingle);

  PublishClass<TCGauge, TGraphicControl>()
      .Enum("Kind", kGaugeKinds, &TCGauge::Kind, &TCGauge::SetKind, gkHorizontalBar)
      .Integer("MinValue", &TCGauge::MinValue, &TCGauge::SetMinValue, 0)
      .Integer("MaxValue", &TCGauge::MaxValue, &TCGauge::SetMaxValue, 100)
      .Integer("Progress", &TCGauge::Progress, &TCGauge::SetProgress, 0)
      .Bool("ShowText", &TCGauge::ShowText, &TCGauge::SetShowText, true)
      .Enum("BorderStyle", ControlBorderStyleNames(), &TCGauge::BorderStyle, &TCGauge::SetBorderStyle, bsSingle)
      .Color("ForeColor", &TCGauge::ForeColor, &TCGauge::SetForeColor, clBlack)
      .Color("BackColor", &TCGauge::BackColor, &TCGauge::SetBackColor, clWhite);
}

}  // namespace

void PublishExtControlClasses() {
  PublishClass<TBevel, TGraphicControl>()
      .Enum("Shape", kBevelShapes, &TBevel::Shape, &TBevel::SetShape, bsBox)
      .Enum("Style", kBevelStyles, &TBevel::Style, &TBevel::SetStyle, bsLowered);

  PublishClass<TCustomPanel, TCustomControl>()
      .Default("Color", clBtnFace)
      .Enum("Alignment", AlignmentNames(), &TCustomPanel::Alignment, &TCustomPanel::SetAlignment, taCenter)
      .Enum("BevelInner", kBevelCuts, &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner, bvNone)
      .Enum("BevelOuter", kBevelCuts, &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter, bvRaised)
      .Integer("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth, 1)
      .Integer("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth, 0)
      .Enum("BorderStyle", ControlBorderStyleNames(), &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle, bsNone)
      .Bool("FullRepaint", &TCustomPanel::FullRepaint, &TCustomPanel::FullRepaint, true);
  PublishClass<TPanel, TCustomPanel>();

  PublishClass<TImage, TGraphicControl>()
      .Object("Picture", &TImage::Picture)
      .Bool("Center", &TImage::Center, &TImage::SetCenter, false)
      .Bool("Proportional", &TImage::Proportional, &TImage::SetProportional, false)
      .Bool("Stretch", &TImage::Stretch, &TImage::SetStretch, false)
      .Bool("Transparent", &TImage::Transparent, &TImage::SetTransparent, false);

  PublishClass<TSplitter, TGraphicControl>()
      .Default("Align", alLeft)
      .Default("ParentColor", 1)
      .Default("Cursor", crHSplit)
      .Bool("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled, false)
      .Integer("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize, 30)
      .Enum("ResizeStyle", kResizeStyles, &TSplitter::ResizeStyle, &TSplitter::SetResizeStyle, rsPattern)
      .Event("OnCanResize", &TSplitter::OnCanResize)
      .Event("OnMoved", &TSplitter::OnMoved);
  PublishOtherControls();
}
