#include "framed/bars/BarsPublished.h"

#include "framed/bars/RzFrmCustomizeToolbar.h"
#include "framed/bars/RzSizePanel.h"
#include "framed/bars/RzSpacer.h"
#include "framed/bars/RzSplitter.h"
#include "framed/bars/RzStatusBar.h"
#include "framed/bars/RzToolbar.h"
#include "framed/controls/RzPublishedRows.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "framed/settings/RzCommon_RegIniFile.h"
#include "platform/published/Published.h"

const TEnumNames& AlignmentNames();

namespace {

const TEnumNames kAligns{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}};
const TEnumNames kTextOptions{"TRzToolbarTextOptions",
                              {"ttoNoTextLabels", "ttoShowTextLabels", "ttoSelectiveTextOnRight", "ttoCustom"}};
const TEnumNames kSplitterStyles{"TSplitterStyle", {"ssStandard", "ssGroove", "ssBump", "ssGroupBar"}};
const TEnumNames kFixedPanes{"TFixedPane", {"fpUpperLeft", "fpLowerRight"}};
const TEnumNames kSelectedPanes{"TSelectedPane", {"spUpperLeft", "spLowerRight"}};
const TEnumNames kHotSpotDirections{"THotSpotDirection", {"hsdMin", "hsdMax", "hsdBoth"}};
const TEnumNames kGradientPaths{"TRzGroupBarGradientPath", {"gpTopToBottom", "gpBottomToTop"}};
const TEnumNames kSides{"TSide", {"sdLeft", "sdTop", "sdRight", "sdBottom"}};

void PublishToolbar() {
  PublishClass<TRzSpacer, TGraphicControl>()
      .Default("Width", 8)
      .Default("Height", 25)
      .Bool("Grooved", &TRzSpacer::Grooved, &TRzSpacer::SetGrooved, false)
      .Enum("Orientation", OrientationNames(), &TRzSpacer::Orientation, &TRzSpacer::SetOrientation, orHorizontal);

  using C = TRzCustomizeCaptions;
  auto caption = [](int index) {
    return std::make_pair([index](C& c) { return c.GetCaption(index); },
                          [index](C& c, const String& text) { c.SetCaption(index, text); });
  };
  auto captions = PublishClass<C>();
  const char* const names[] = {"Title", "Hint", "Close", "MoveUp", "MoveDown", "TextOptions", "NoTextLabels",
                               "ShowTextLabels", "SelectiveTextOnRight"};
  for (int i = 1; i <= C::kCount; ++i) {
    auto access = caption(i);
    captions.Str(names[i - 1], access.first, access.second).StoredWhen([](C& c) { return c.Stored(); }).NoDefault();
  }

  using T = TRzToolbar;
  RzRows::HideGrid(PublishClass<T, TRzCustomPanel>())
      .Hide("Alignment")
      .Hide("AlignmentVertical")
      .Hide("BorderHighlight")
      .Hide("BorderShadow")
      .Hide("FrameController")
      .Default("Width", 32)
      .Default("Height", 32)
      .Default("FullRepaint", 0)
      .Default("ShowDockClientCaptions", 0)
      .Enum("Align", kAligns, &T::GetAlign, &T::SetAlignProp, alTop)
      .Enum("BorderInner", FrameStyleNames(), &T::BorderInner, &T::SetBorderInner, fsNone)
      .NoDefault()
      .Enum("BorderOuter", FrameStyleNames(), &T::BorderOuter, &T::SetBorderOuter, fsGroove)
      .NoDefault()
      .Set("BorderSides", SideNames(), &T::BorderSides, &T::SetBorderSides, SideBit(sdTop))
      .NoDefault()
      .Bool("AutoResize", &T::AutoResize, &T::SetAutoResize, true)
      .Bool("AutoStyle", &T::AutoStyle, &T::AutoStyle, true)
      .Object("Background", &T::Background)
      .StoredWhen([](T& t) { return !t.Background()->Empty(); })
      .Object("CustomizeCaptions", &T::CustomizeCaptions)
      .Component<TCustomImageList>("Images", &T::Images, &T::SetImages)
      .Integer("Margin", &T::Margin, &T::SetMargin, 4)
      .Integer("TopMargin", &T::TopMargin, &T::SetTopMargin, 2)
      .Enum("Orientation", OrientationNames(), &T::Orientation, &T::SetOrientation, orHorizontal)
      .Integer("RowHeight", &T::RowHeight, &T::SetRowHeight, 25)
      .Enum("ButtonLayout", ButtonLayoutNames(), &T::ButtonLayout, &T::SetButtonLayout, blGlyphLeft)
      .Integer("ButtonWidth", &T::ButtonWidth, &T::SetButtonWidth, 25)
      .Integer("ButtonHeight", &T::ButtonHeight, &T::SetButtonHeight, 25)
      .Component<TRzRegIniFile>("RegIniFile", &T::RegIniFile, &T::SetRegIniFile)
      .Bool("ShowButtonCaptions", &T::ShowButtonCaptions, &T::SetShowButtonCaptions, false)
      .Bool("ShowDivider", &T::ShowDivider, &T::SetShowDivider, true)
      .Enum("TextOptions", kTextOptions, &T::TextOptions, &T::SetTextOptions, ttoNoTextLabels)
      .Bool("WrapControls", &T::WrapControls, &T::SetWrapControls, true)
      .Event("OnVisibleChanged", &T::OnVisibleChanged);

  PublishClass<TRzFrmCustomizeToolbar, TForm>();
}

void PublishStatusBar() {
  using S = TRzStatusBar;
  RzRows::HideGrid(RzRows::HideGradient(PublishClass<S, TRzCustomPanel>()))
      .Hide("Caption")
      .Hide("Alignment")
      .Hide("AlignmentVertical")
      .Hide("BorderHighlight")
      .Hide("BorderShadow")
      .Hide("FrameController")
      .Hide("UseGradients")
      .Hide("ShowDockClientCaptions")
      .Hide("DockSite")
      .Hide("UseDockManager")
      .Default("Align", alBottom)
      .Default("FullRepaint", 1)
      .Enum("BorderInner", FrameStyleNames(), &S::BorderInner, &S::SetBorderInner, fsNone)
      .NoDefault()
      .Enum("BorderOuter", FrameStyleNames(), &S::BorderOuter, &S::SetBorderOuter, fsNone)
      .NoDefault()
      .Set("BorderSides", SideNames(), &S::BorderSides, &S::SetBorderSides, sdAllSides)
      .NoDefault()
      .Bool("AutoScalePanes", &S::AutoScalePanes, &S::AutoScalePanes, false)
      .Bool("AutoStyle", &S::AutoStyle, &S::AutoStyle, true)
      .Bool("ShowSizeGrip", &S::ShowSizeGrip, &S::SetShowSizeGrip, true)
      .Str("SimpleCaption", &S::SimpleCaption, &S::SetSimpleCaption)
      .Enum("SimpleFrameStyle", FrameStyleNames(), &S::SimpleFrameStyle, &S::SetSimpleFrameStyle, fsFlat)
      .Bool("SimpleStatus", &S::SimpleStatus, &S::SetSimpleStatus, false);
}

template <class T>
void PublishHotSpotAndBar(TPublishedBuilder<T>&& builder) {
  builder.Integer("GradientColorAdjustment", &T::GradientColorAdjustment, &T::SetGradientColorAdjustment, 30)
      .Enum("GradientPath", kGradientPaths, &T::GradientPath, &T::SetGradientPath, gpTopToBottom)
      .Bool("LockBar", &T::LockBar, &T::LockBar, false)
      .Bool("RealTimeDrag", &T::RealTimeDrag, &T::RealTimeDrag, false)
      .Color("HotSpotHighlight", &T::HotSpotHighlight, &T::SetHotSpotHighlight, clWindow)
      .Integer("HotSpotSizePercent", &T::HotSpotSizePercent, &T::SetHotSpotSizePercent, 40)
      .Bool("HotSpotVisible", &T::HotSpotVisible, &T::SetHotSpotVisible, false)
      .Event("OnHotSpotClick", &T::OnHotSpotClick);
}

void PublishSplitter() {
  using D = TRzPaneData;
  PublishClass<D>()
      .Color("BorderColor", &D::BorderColor, &D::SetBorderColor, clBtnFace)
      .Enum("BorderInner", FrameStyleNames(), &D::BorderInner, &D::SetBorderInner, fsNone)
      .Enum("BorderOuter", FrameStyleNames(), &D::BorderOuter, &D::SetBorderOuter, fsNone)
      .Integer("BorderWidth", &D::BorderWidth, &D::SetBorderWidth, 0)
      .Color("Color", &D::Color, &D::SetColor, clBtnFace)
      .Color("FlatColor", &D::FlatColor, &D::SetFlatColor, clBtnShadow)
      .Integer("FlatColorAdjustment", &D::FlatColorAdjustment, &D::SetFlatColorAdjustment, 30)
      .Bool("DockSite", &D::DockSite, &D::SetDockSite, false)
      .Bool("ShowDockClientCaptions", &D::ShowDockClientCaptions, &D::SetShowDockClientCaptions, true)
      .Bool("Visible", &D::Visible, &D::SetVisible, true);
  PublishClass<TRzSplitterPane, TRzCustomPanel>();

  using S = TRzSplitter;
  RzRows::HideGrid(RzRows::HideGradient(PublishClass<S, TRzCustomPanel>()))
      .Hide("Caption")
      .Hide("Alignment")
      .Hide("AlignmentVertical")
      .Hide("FrameController")
      .Hide("DockSite")
      .Hide("UseDockManager")
      .Hide("ShowDockClientCaptions")
      .Default("BorderOuter", fsNone)
      .Default("FullRepaint", 1)
      .Integer("BorderWidth", &S::BorderWidthProp, &S::SetBorderWidthProp, 0)
      .Bool("ParentColor", &S::ParentColorProp, &S::SetParentColorProp, false)
      .Enum("Orientation", OrientationNames(), &S::Orientation, &S::SetOrientation, orHorizontal)
      .Enum("FixedPane", kFixedPanes, &S::FixedPane, &S::SetFixedPane, fpUpperLeft)
      .Integer("MarginMin", &S::MarginMin, &S::SetMarginMin, 0)
      .Integer("MarginMax", &S::MarginMax, &S::SetMarginMax, 0)
      .Integer("SplitterWidth", &S::SplitterWidth, &S::SetSplitterWidth, 4)
      .Enum("SplitterStyle", kSplitterStyles, &S::SplitterStyle, &S::SetSplitterStyle, ssStandard)
      .Integer("Position", &S::Position, &S::SetPosition, 100)
      .NoDefault()
      .Integer("PercentMin", &S::PercentMin, &S::SetPercentMin, 0)
      .Integer("PercentMax", &S::PercentMax, &S::SetPercentMax, 100)
      .Integer("Percent", &S::Percent, &S::SetPercent, 50)
      .Bool("UsePercent", &S::UsePercent, &S::SetUsePercent, false)
      .Enum("SelectedPane", kSelectedPanes, &S::SelectedPane, &S::SetSelectedPane, spUpperLeft)
      .StoredWhen([](S&) { return false; })
      .Enum("HotSpotDirection", kHotSpotDirections, &S::HotSpotDirection, &S::SetHotSpotDirection, hsdMin)
      .Bool("HotSpotIgnoreMargins", &S::HotSpotIgnoreMargins, &S::HotSpotIgnoreMargins, true)
      .Object("UpperLeft", &S::UpperLeft)
      .Object("LowerRight", &S::LowerRight)
      .Event("OnChange", &S::OnChange)
      .Event("OnChanging", &S::OnChanging)
      .Event("OnULGetSiteInfo", &S::OnULGetSiteInfo)
      .Event("OnULDockOver", &S::OnULDockOver)
      .Event("OnULDockDrop", &S::OnULDockDrop)
      .Event("OnULUnDock", &S::OnULUnDock)
      .Event("OnLRGetSiteInfo", &S::OnLRGetSiteInfo)
      .Event("OnLRDockOver", &S::OnLRDockOver)
      .Event("OnLRDockDrop", &S::OnLRDockDrop)
      .Event("OnLRUnDock", &S::OnLRUnDock);
  PublishHotSpotAndBar(PublishClass<S, TRzCustomPanel>());
}

void PublishSizePanel() {
  using P = TRzCustomSizePanel;
  RzRows::HideGrid(RzRows::HideGradient(PublishClass<P, TRzCustomPanel>()))
      .Hide("FrameController")
      .Default("BorderOuter", fsNone)
      .Default("FullRepaint", 1)
      .Default("UseDockManager", 1)
      .Enum("Align", kAligns, &P::GetAlign, &P::SetAlignProp, alLeft)
      .Bool("HotSpotIgnoreMargins", &P::HotSpotIgnoreMargins, &P::HotSpotIgnoreMargins, false)
      .Enum("Side", kSides, &P::Side, &P::SetSide, sdLeft)
      .Integer("MarginMax", &P::MarginMax, &P::SetMarginMax, 0)
      .Integer("MarginMin", &P::MarginMin, &P::SetMarginMin, 0)
      .Enum("SizeBarStyle", kSplitterStyles, &P::SizeBarStyle, &P::SetSizeBarStyle, ssStandard)
      .Integer("SizeBarWidth", &P::SizeBarWidth, &P::SetSizeBarWidth, 4);
  PublishHotSpotAndBar(PublishClass<P, TRzCustomPanel>());
  PublishClass<TRzSizePanel, P>();
}

}  // namespace

void PublishFramedBars() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishToolbar();
  PublishStatusBar();
  PublishSplitter();
  PublishSizePanel();
}
