// The published properties of the scrolling image view, its scroll-bar group,
// the range and gauge bars and the bitmap list, as form definitions read them.
#include "imaging/GR32_Bitmap32List.h"
#include "imaging/GR32_ImgView32.h"
#include "imaging/GR32_RangeBars.h"
#include "platform/published/ControlsPublished.h"
#include "platform/published/Published.h"

namespace {

const TEnumNames kBackgnds{"TRBBackgnd", {"bgPattern", "bgSolid"}};
const TEnumNames kBarStyles{"TRBStyle", {"rbsDefault", "rbsMac"}};
const TEnumNames kBarKinds{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};
const TEnumNames kBorderStyles{"TBorderStyle", {"bsNone", "bsSingle"}};
const TEnumNames kVisibilities{"TScrollBarVisibility", {"svAlways", "svHidden", "svAuto"}};
const TEnumNames kSizeGrips{"TSizeGripStyle", {"sgAuto", "sgNone", "sgAlways"}};
const TEnumNames kViewScaleModes{"TScaleMode",
                                 {"smNormal", "smStretch", "smScale", "smResize", "smOptimal", "smOptimalScaled"}};
const TEnumNames kViewBitmapAligns{"TBitmapAlign", {"baTopLeft", "baCenter", "baTile", "baCustom"}};
const TEnumNames kViewRepaintModes{"TRepaintMode", {"rmFull", "rmDirect", "rmOptimizer"}};

// The look every arrow bar and the look group publish.
template <class T>
void PublishBarLook(TPublishedBuilder<T>& builder) {
  builder.Enum("Backgnd", kBackgnds, &T::Backgnd, &T::SetBackgnd, bgPattern)
      .Integer("ButtonSize", &T::ButtonSize, &T::SetButtonSize, 0)
      .Color("HandleColor", &T::HandleColor, &T::SetHandleColor, clBtnShadow)
      .Color("ButtonColor", &T::ButtonColor, &T::SetButtonColor, clBtnFace)
      .Color("HighLightColor", &T::HighLightColor, &T::SetHighLightColor, clBtnHighlight)
      .Color("ShadowColor", &T::ShadowColor, &T::SetShadowColor, clBtnShadow)
      .Color("BorderColor", &T::BorderColor, &T::SetBorderColor, clWindowFrame)
      .Bool("ShowArrows", &T::ShowArrows, &T::SetShowArrows, true)
      .Bool("ShowHandleGrip", &T::ShowHandleGrip, &T::SetShowHandleGrip, true)
      .Enum("Style", kBarStyles, &T::Style, &T::SetStyle, rbsDefault);
}

template <class T>
void PublishArrowBar(TPublishedBuilder<T>& builder) {
  for (const char* name : {"Caption", "Font", "ParentFont"}) builder.Class().Hide(name);
  builder.Default("Color", clScrollBar).Default("ParentColor", 0);
  PublishBarLook(builder);
  builder.Enum("BorderStyle", kBorderStyles, &T::BorderStyle, &T::SetBorderStyle, bsSingle)
      .Enum("Kind", kBarKinds, &T::Kind, &T::SetKind, sbHorizontal)
      .Event("OnChange", &T::OnChange)
      .Event("OnUserChange", &T::OnUserChange);
}

}  // namespace

void PublishRangeBarClasses() {
  static bool published = false;
  if (published) return;
  published = true;

  auto range = PublishClass<TRangeBar, TCustomControl>();
  PublishArrowBar(range);
  range.Integer("Range", &TRangeBar::Range, &TRangeBar::SetRange, 0)
      .Integer("Window", &TRangeBar::Window, &TRangeBar::SetWindow, 0)
      .Float("Position", &TRangeBar::Position, &TRangeBar::SetPosition, 0)
      .Integer("Increment", &TRangeBar::Increment, &TRangeBar::SetIncrement, 8);

  auto gauge = PublishClass<TGaugeBar, TCustomControl>();
  PublishArrowBar(gauge);
  gauge.Integer("HandleSize", &TGaugeBar::HandleSize, &TGaugeBar::SetHandleSize, 0)
      .Integer("LargeChange", &TGaugeBar::LargeChange, &TGaugeBar::SetLargeChange, 1)
      .Integer("Max", &TGaugeBar::Max, &TGaugeBar::SetMax, 100)
      .Integer("Min", &TGaugeBar::Min, &TGaugeBar::SetMin, 0)
      .Integer("Position", &TGaugeBar::Position, &TGaugeBar::SetPosition, 0)
      .Integer("SmallChange", &TGaugeBar::SmallChange, &TGaugeBar::SetSmallChange, 1);
}

void PublishImgViewClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishRangeBarClasses();

  auto scrollBars = PublishClass<TIVScrollProperties>();
  scrollBars.Color("Color", &TIVScrollProperties::Color, &TIVScrollProperties::SetColor, clScrollBar);
  PublishBarLook(scrollBars);
  scrollBars.Integer("Increment", &TIVScrollProperties::Increment, &TIVScrollProperties::SetIncrement, 8)
      .Integer("Size", &TIVScrollProperties::Size, &TIVScrollProperties::SetSize, 0)
      .Enum("Visibility", kVisibilities, &TIVScrollProperties::Visibility, &TIVScrollProperties::SetVisibility,
            svAlways);

  // What the image control publishes, and the view's own.
  auto view = PublishClass<TImgView32, TCustomControl>();
  for (const char* name : {"Caption", "Font", "ParentFont", "Enabled", "Hint", "OnContextPopup", "OnEnter", "OnExit"})
    view.Class().Hide(name);
  view.Object("Bitmap", &TImgView32::Bitmap)
      .Enum("BitmapAlign", kViewBitmapAligns, &TImgView32::BitmapAlign, &TImgView32::SetBitmapAlign, baCustom)
      .NoDefault()
      .Bool("Centered", &TImgView32::Centered, &TImgView32::SetCentered, true)
      .Integer("OverSize", &TImgView32::OverSize, &TImgView32::SetOverSize, 0)
      .Enum("RepaintMode", kViewRepaintModes, &TImgView32::RepaintMode, &TImgView32::SetRepaintMode, rmFull)
      .Float("Scale", &TImgView32::Scale, &TImgView32::SetScale, 1.0)
      .Enum("ScaleMode", kViewScaleModes, &TImgView32::ScaleMode, &TImgView32::SetScaleMode, smScale)
      .NoDefault()
      .Object("ScrollBars", &TImgView32::ScrollBars)
      .Enum("SizeGrip", kSizeGrips, &TImgView32::SizeGrip, &TImgView32::SetSizeGrip, sgAuto)
      .Event("OnBitmapResize", &TImgView32::OnBitmapResize)
      .Event("OnChange", &TImgView32::OnChange)
      .Event("OnGDIOverlay", &TImgView32::OnGDIOverlay)
      .Event("OnInitStages", &TImgView32::OnInitStages)
      .Event("OnMouseDown", &TImgView32::OnMouseDown)
      .Event("OnMouseMove", &TImgView32::OnMouseMove)
      .Event("OnMouseUp", &TImgView32::OnMouseUp)
      .Event("OnMouseEnter", &TImgView32::OnMouseEnter)
      .Event("OnMouseLeave", &TImgView32::OnMouseLeave)
      .Event("OnPaintStage", &TImgView32::OnPaintStage)
      .Event("OnScroll", &TImgView32::OnScroll);

  PublishClass<TBitmap32Item, TCollectionItem>().Object("Bitmap", &TBitmap32Item::Bitmap);
  PublishClass<TBitmap32Collection, TCollection>();
  PublishClass<TBitmap32List, TComponent>().Object("Bitmaps", &TBitmap32List::Bitmaps);
}
