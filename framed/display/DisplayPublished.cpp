#include "framed/display/DisplayPublished.h"

#include "framed/controls/RzPublishedRows.h"
#include "framed/display/RzColorPicker.h"
#include "framed/display/RzLEDDisplay.h"
#include "framed/display/RzMeter.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "platform/published/Filer.h"
#include "platform/published/Published.h"

namespace {

const TEnumNames kScrollTypes{"TRzScrollType", {"stNone", "stRightToLeft", "stLeftToRight"}};
const TEnumNames kDirections{"TDirection", {"dirUp", "dirDown", "dirLeft", "dirRight"}};
const TEnumNames kTrapDirects{"TTrapDirect", {"tdLargeToSmall", "tdSmallToLarge"}};
const TEnumNames kTrapShapes{"TTrapShape", {"tsLeft", "tsCenter", "tsRight"}};
const TEnumNames kMeterTypes{"TRzMeterType", {"mtNormal", "mtBar3D", "mtLED"}};
const TEnumNames kMeterShapes{"TRzMeterShape", {"msRectangular", "msTrapezoidal"}};
const TEnumNames kBrushStyles{"TBrushStyle",
                              {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal",
                               "bsCross", "bsDiagCross"}};

void PublishBorder() {
  using B = TRzBorder;
  auto builder = PublishClass<B, TGraphicControl>();
  builder.Integer("BevelWidth", &B::BevelWidth, &B::SetBevelWidth, 1)
      .Enum("BorderInner", FrameStyleNames(), &B::BorderInner, &B::SetBorderInner, fsNone)
      .Enum("BorderOuter", FrameStyleNames(), &B::BorderOuter, &B::SetBorderOuter, fsGroove)
      .Integer("BorderWidth", &B::BorderWidth, &B::SetBorderWidth, 0)
      .Color("BorderColor", &B::BorderColor, &B::SetBorderColor, clBtnFace)
      .Color("BorderHighlight", &B::BorderHighlight, &B::SetBorderHighlight, clBtnHighlight)
      .Color("BorderShadow", &B::BorderShadow, &B::SetBorderShadow, clBtnShadow)
      .Set("BorderSides", SideNames(), &B::BorderSides, &B::SetBorderSides, sdAllSides)
      .Color("FlatColor", &B::FlatColor, &B::SetFlatColor, clBtnShadow)
      .Integer("FlatColorAdjustment", &B::FlatColorAdjustment, &B::SetFlatColorAdjustment, 30);
  RzRows::DragEvents(RzRows::MouseEnterLeave(RzRows::Drag(builder)));
}

void PublishLEDDisplay() {
  using L = TRzLEDDisplay;
  PublishClass<L, TRzBorder>()
      .Default("BorderOuter", fsStatus)
      .Color("BackColor", &L::BackColor, &L::SetBackColor, clBlack)
      .Color("SegOnColor", &L::SegOnColor, &L::SetSegOnColor, clLime)
      .Color("SegOffColor", &L::SegOffColor, &L::SetSegOffColor, 0x003300)
      .Enum("ScrollType", kScrollTypes, &L::ScrollType, &L::SetScrollType, stRightToLeft)
      .Bool("Scrolling", &L::Scrolling, &L::SetScrolling, false)
      .Integer("ScrollDelay", &L::ScrollDelay, &L::SetScrollDelay, 100)
      .Event("OnScrollComplete", &L::OnScrollComplete);
}

void PublishMeter() {
  using M = TRzMeter;
  PublishClass<M, TRzBorder>()
      .Default("BorderOuter", fsStatus)
      .Default("ParentColor", 1)
      .Enum("Direction", kDirections, &M::Direction, &M::SetDirection, dirRight)
      .Object("Bitmap", &M::Bitmap)
      .StoredWhen([](M& m) { return !m.Bitmap()->Empty(); })
      .Enum("BrushStyle", kBrushStyles, &M::BrushStyle, &M::SetBrush, bsSolid)
      .Integer("Min", &M::Min, &M::SetMin, 0)
      .Integer("Max", &M::Max, &M::SetMax, 100)
      .Integer("Value", &M::Value, &M::SetValue, 0)
      .Color("BackColor", &M::BackColor, &M::SetBackColor, clBlack)
      .Color("BarColor", &M::BarColor, &M::SetBarColor, clRed)
      .Enum("MeterType", kMeterTypes, &M::MeterType, &M::SetMeterType, mtLED)
      .Enum("MeterShape", kMeterShapes, &M::MeterShape, &M::SetMeterShape, msRectangular)
      .Bool("ShowPercent", &M::ShowPercent, &M::SetShowPercent, true)
      .Integer("SegSpacing", &M::SegSpacing, &M::SetSegSpacing, 2)
      .Color("SegOffColor", &M::SegOffColor, &M::SetSegOffColor, clBlack)
      .Integer("Seg1Count", [](M& m) { return m.GetSegCount(0); }, [](M& m, Byte v) { m.SetSegCount(0, v); }, 5)
      .Color("Seg1Color", [](M& m) { return m.GetSegColor(0); }, [](M& m, TColor v) { m.SetSegColor(0, v); },
             clGreen)
      .Integer("Seg2Count", [](M& m) { return m.GetSegCount(1); }, [](M& m, Byte v) { m.SetSegCount(1, v); }, 3)
      .Color("Seg2Color", [](M& m) { return m.GetSegColor(1); }, [](M& m, TColor v) { m.SetSegColor(1, v); },
             clYellow)
      .Integer("Seg3Count", [](M& m) { return m.GetSegCount(2); }, [](M& m, Byte v) { m.SetSegCount(2, v); }, 2)
      .Color("Seg3Color", [](M& m) { return m.GetSegColor(2); }, [](M& m, TColor v) { m.SetSegColor(2, v); }, clRed)
      .Enum("TrapezoidDir", kTrapDirects, &M::TrapezoidDir, &M::SetTrapDirect, tdLargeToSmall)
      .Integer("TrapezoidMin", &M::TrapezoidMin, &M::SetTrapMin, 6)
      .Enum("TrapezoidShape", kTrapShapes, &M::TrapezoidShape, &M::SetTrapShape, tsCenter);
}

void PublishColorPicker() {
  using P = TRzColorPicker;
  PublishClass<P, TRzBorder>()
      .Default("BorderOuter", fsLowered)  // the classic look; themed it is fsFlat
      .Default("BorderWidth", 2)
      .Default("BorderColor", clWindow)
      .Default("FlatColorAdjustment", 0)
      .Default("AutoSize", 1)
      .Str("CustomColorCaption", &P::CustomColorCaption, &P::SetCustomColorCaption)
      .Color("CustomColor", &P::CustomColor, &P::SetCustomColor, clWhite)
      .Component<TRzCustomColors>("CustomColors", &P::CustomColors, &P::SetCustomColors)
      .Set("ColorDlgOptions", ColorDialogOptionNames(), &P::ColorDlgOptions, &P::ColorDlgOptions,
           ColorDialogOption(cdFullOpen))
      .Color("DefaultColor", &P::DefaultColor, &P::SetDefaultColor, clHighlight)
      .Str("DefaultColorCaption", &P::DefaultColorCaption, &P::SetDefaultColorCaption)
      .Bool("ShowColorHints", &P::ShowColorHints, &P::ShowColorHints, true)
      .Str("NoColorCaption", &P::NoColorCaption, &P::SetNoColorCaption)
      .Bool("ShowNoColor", &P::ShowNoColor, &P::SetShowNoColor, false)
      .Bool("ShowCustomColor", &P::ShowCustomColor, &P::SetShowCustomColor, false)
      .Bool("ShowDefaultColor", &P::ShowDefaultColor, &P::SetShowDefaultColor, false)
      .Bool("ShowSystemColors", &P::ShowSystemColors, &P::SetShowSystemColors, false)
      // After the rows and colours it may pick from.
      .Color("SelectedColor", &P::GetSelectedColor, &P::SetSelectedColor, clNone)
      .Event("OnChange", &P::OnChange);
}

}  // namespace

void PublishFramedDisplays() {
  PublishBorder();
  PublishLEDDisplay();
  PublishMeter();
  PublishColorPicker();
}
