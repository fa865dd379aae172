#include "skin/controls/SkinStdCtrlsPublished.h"

#include "platform/published/ExtCtrlsPublished.h"
#include "platform/published/Published.h"
#include "platform/published/StdCtrlsPublished.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinLabel.h"
#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinNotebook.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinStatusPanel.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/controls/SkinToolBar.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/form/SkinChangeTable.h"

using enum TspSkinBorderStyle;

const TEnumNames& AlignmentNames();

namespace {

const TEnumNames kButtonLayouts{"TspButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
const TEnumNames kBorderStyles{"TspSkinBorderStyle", {"bvFrame", "bvRaised", "bvLowered", "bvNone"}};
const TEnumNames kEllipsTypes{"TspEllipsType", {"spetNone", "spetEndEllips", "spetPathEllips"}};
const TEnumNames kEllipsTypes2{"TspEllipsType2", {"spetNoneEllips", "spetEllips"}};
const TEnumNames kImagePositions{"TspImagePosition", {"spipDefault", "spipLeft"}};
const TEnumNames kCheckBoxStates{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};

void PublishButtons() {
  using B = TspSkinButton;
  PublishClass<B, TspSkinCustomControl>()
      .Default("Width", 75)
      .Default("Height", 25)
      .Default("SkinDataName", "button")
      .Component<TCustomImageList>("ImageList", &B::ImageList, &B::SetImageList)
      .Integer("ImageIndex", &B::ImageIndex, &B::SetImageIndex, -1)
      .Bool("UseSkinSize", &B::UseSkinSize, &B::UseSkinSize, true)
      .Bool("UseSkinFontColor", &B::UseSkinFontColor, &B::UseSkinFontColor, true)
      .Bool("RepeatMode", &B::RepeatMode, &B::RepeatMode, false)
      .Integer("RepeatInterval", &B::RepeatInterval, &B::RepeatInterval, 100)
      .Bool("AllowAllUp", &B::AllowAllUp, &B::AllowAllUp, false)
      .Bool("CanFocused", &B::CanFocused, &B::SetCanFocused, true)
      .Default("TabStop", 0)
      .Bool("Down", &B::Down, &B::SetDown, false)
      .Integer("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, 0)
      .Object("Glyph", &B::Glyph)
      .Integer("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, 1)
      .Integer("Margin", &B::Margin, &B::SetMargin, -1)
      // Stored default 4: a Spacing of 4 is not written and reads back as 1.
      .Integer("Spacing", &B::Spacing, &B::SetSpacing, 4)
      .Enum("Layout", kButtonLayouts, &B::Layout, &B::SetLayout, blGlyphLeft)
      .Bool("Cancel", &B::Cancel, &B::Cancel, false)
      .Bool("Default", &B::Default, &B::SetDefault, false)
      .Integer("ModalResult", &B::ModalResult, &B::ModalResult, mrNone)
      .Event("OnClick", &B::OnClick)
      .Event("OnPaint", &B::OnPaint);
  using M = TspSkinMenuButton;
  PublishClass<M, TspSkinButton>()
      .Default("SkinDataName", "toolmenubutton")
      .Component<TPopupMenu>("SkinPopupMenu", &M::SkinPopupMenu, &M::SetSkinPopupMenu)
      .Bool("TrackButtonMode", &M::TrackButtonMode, &M::SetTrackButtonMode, false)
      .Event("OnShowTrackMenu", &M::OnShowTrackMenu)
      .Event("OnHideTrackMenu", &M::OnHideTrackMenu);
}

void PublishLabels() {
  using S = TspSkinStdLabel;
  PublishClass<S, TCustomLabel>()
      .Default("AutoSize", 1)
      .Enum("EllipsType", kEllipsTypes, &S::EllipsType, &S::SetEllipsType, spetNone)
      .Bool("UseSkinFont", &S::UseSkinFont, &S::UseSkinFont, true)
      .Bool("UseSkinColor", &S::UseSkinColor, &S::UseSkinColor, true)
      .Object("DefaultFont", &S::DefaultFont)
      .Component<TspSkinData>("SkinData", &S::SkinData, &S::SetSkinData)
      .Str("SkinDataName", &S::SkinDataName, &S::SkinDataName, "stdlabel")
      .Hide("Transparent");
  using L = TspSkinLabel;
  PublishClass<L, TspSkinCustomControl>()
      .Default("Width", 75)
      .Default("Height", 21)
      .Default("SkinDataName", "label")
      .Enum("EllipsType", kEllipsTypes2, &L::EllipsType, &L::SetEllipsType, spetNoneEllips)
      .Bool("UseSkinSize", &L::UseSkinSize, &L::UseSkinSize, true)
      .Bool("UseSkinFontColor", &L::UseSkinFontColor, &L::UseSkinFontColor, true)
      .Enum("BorderStyle", kBorderStyles, &L::BorderStyle, &L::SetBorderStyle, static_cast<int>(bvFrame))
      .Enum("Alignment", AlignmentNames(), &L::Alignment, &L::SetAlignment, taLeftJustify)
      .Bool("AutoSize", &L::AutoSizeX, &L::SetAutoSizeX, false);
  using P = TspSkinStatusPanel;
  PublishClass<P, TspSkinLabel>()
      .Default("Width", 120)
      .Default("SkinDataName", "statuspanel")
      .Component<TCustomImageList>("ImageList", &P::ImageList, &P::SetImageList)
      .Integer("ImageIndex", &P::ImageIndex, &P::SetImageIndex, -1)
      .Object("Glyph", &P::Glyph)
      .Integer("NumGlyphs", &P::NumGlyphs, &P::SetNumGlyphs, 1);
  using V = TspSkinBevel;
  PublishClass<V, TBevel>()
      .Component<TspSkinData>("SkinData", &V::SkinData, &V::SetSkinData)
      .Str("SkinDataName", &V::SkinDataName, &V::SkinDataName, "bevel")
      .Bool("DividerMode", &V::DividerMode, &V::SetDividerMode, false);
}

void PublishPanels() {
  using P = TspSkinPanel;
  PublishClass<P, TspSkinCustomControl>()
      .Default("Width", 150)
      .Default("Height", 150)
      .Default("SkinDataName", "panel")
      .Bool("CaptionMode", &P::CaptionMode, &P::SetCaptionMode, false)
      .Integer("DefaultCaptionHeight", &P::DefaultCaptionHeight, &P::SetDefaultCaptionHeight, 22)
      .Enum("DefaultAlignment", AlignmentNames(), &P::DefaultAlignment, &P::SetDefaultAlignment, taLeftJustify)
      .Enum("BorderStyle", kBorderStyles, &P::BorderStyle, &P::SetBorderStyle, static_cast<int>(bvFrame))
      .Bool("CheckedMode", &P::CheckedMode, &P::SetCheckedMode, false)
      .Bool("Checked", &P::Checked, &P::SetChecked, false)
      .Bool("AutoEnabledControls", &P::AutoEnabledControls, &P::AutoEnabledControls, true)
      .Bool("RollUpMode", &P::RollUpMode, &P::SetRollUpMode, false)
      .Bool("RollUpState", &P::RollUpState, &P::SetRollUpState, false)
      .Integer("RealHeight", &P::RealHeight, &P::RealHeight, -1)
      .Bool("TransparentMode", &P::TransparentMode, &P::SetTransparentMode, false)
      .Object("Glyph", &P::Glyph)
      .Integer("NumGlyphs", &P::NumGlyphs, &P::SetNumGlyphs, 1)
      .Integer("Spacing", &P::Spacing, &P::SetSpacing, 2)
      .Component<TCustomImageList>("CaptionImageList", &P::CaptionImageList, &P::SetCaptionImageList)
      .Integer("CaptionImageIndex", &P::CaptionImageIndex, &P::SetCaptionImageIndex, -1)
      .Enum("ImagePosition", kImagePositions, &P::ImagePosition, &P::SetImagePosition, spipDefault)
      .Event("OnChecked", &P::OnChecked)
      .Event("OnChangeRollUpState", &P::OnChangeRollUpState);
  PublishClass<TspSkinGroupBox, TspSkinPanel>().Default("SkinDataName", "groupbox").Default("CaptionMode", 1);
  PublishClass<TspSkinPaintPanel, TspSkinPanel>().Event("OnPanelPaint", &TspSkinPaintPanel::OnPanelPaint);
  using S = TspSkinStatusBar;
  PublishClass<S, TspSkinPanel>()
      .Default("SkinDataName", "statusbar")
      .Default("Align", alBottom)
      .Default("BorderStyle", static_cast<int>(bvNone))
      .Bool("SizeGrip", &S::SizeGrip, &S::SetSizeGrip, false);
  using T = TspSkinToolBar;
  PublishClass<T, TspSkinPanel>()
      .Default("SkinDataName", "toolpanel")
      .Default("BorderStyle", static_cast<int>(bvNone))
      .Bool("AdjustControls", &T::AdjustControls, &T::AdjustControls, true)
      .Bool("CanScroll", &T::CanScroll, &T::CanScroll, false)
      .Bool("HotScroll", &T::HotScroll, &T::SetHotScroll, false)
      .Integer("ScrollOffset", &T::ScrollOffset, &T::SetScrollOffset, 0)
      .Integer("ScrollTimerInterval", &T::ScrollTimerInterval, &T::SetScrollTimerInterval, 50)
      .Bool("ShowCaptions", &T::ShowCaptions, &T::SetShowCaptions, false)
      .Bool("AutoShowHideCaptions", &T::AutoShowHideCaptions, &T::AutoShowHideCaptions, false)
      .Integer("WidthWithCaptions", &T::WidthWithCaptions, &T::WidthWithCaptions, 0)
      .Integer("WidthWithoutCaptions", &T::WidthWithoutCaptions, &T::WidthWithoutCaptions, 0)
      .Bool("Flat", &T::Flat, &T::SetFlat, false)
      .Component<TCustomImageList>("Images", &T::Images, &T::SetImages)
      .Component<TCustomImageList>("HotImages", &T::HotImages, &T::SetHotImages)
      .Component<TCustomImageList>("DisabledImages", &T::DisabledImages, &T::SetDisabledImages);
  using N = TspSkinNotebook;
  PublishClass<N, TspSkinPanel>()
      // The pages stream as the notebook's children; the names are another view of them.
      .Lines("Pages", &N::Pages)
      .StoredWhen([](N&) { return false; })
      .Integer("PageIndex", &N::PageIndex, &N::SetPageIndex, 0)
      .Str("ActivePage", &N::ActivePage, &N::SetActivePage)
      .StoredWhen([](N&) { return false; })
      .Bool("ButtonsMode", &N::ButtonsMode, &N::SetButtonsMode, false)
      .Str("ButtonSkinDataName", &N::ButtonSkinDataName, &N::ButtonSkinDataName, "toolbutton")
      .Component<TCustomImageList>("Images", &N::Images, &N::SetImages)
      .Event("OnPageChanged", &N::OnPageChanged);
  using G = TspSkinPage;
  PublishClass<G, TspSkinPanel>()
      .Default("BorderStyle", static_cast<int>(bvNone))
      .Default("Align", alClient)
      .Integer("ImageIndex", &G::ImageIndex, &G::ImageIndex, -1);
}

void PublishValueControls() {
  using C = TspSkinCheckRadioBox;
  PublishClass<C, TspSkinCustomControl>()
      .Default("Width", 150)
      .Default("Height", 25)
      .Default("SkinDataName", "checkbox")
      .Bool("Checked", &C::Checked, &C::SetChecked, false)
      .Enum("State", kCheckBoxStates, &C::State, &C::SetState, cbUnchecked)
      .StoredWhen([](C& c) { return c.State() == cbGrayed; })
      .Bool("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed, false)
      .Bool("Radio", &C::Radio, &C::SetRadio, false)
      .Integer("GroupIndex", &C::GroupIndex, &C::GroupIndex, 0)
      .Bool("Flat", &C::Flat, &C::SetFlat, true)
      .Bool("WordWrap", &C::WordWrap, &C::SetWordWrap, false)
      .Component<TCustomImageList>("Images", &C::Images, &C::SetImages)
      .Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex, 0)
      .Bool("UseSkinFontColor", &C::UseSkinFontColor, &C::UseSkinFontColor, true)
      .Bool("CanFocused", &C::CanFocused, &C::SetCanFocused, true)
      .Default("TabStop", 0)
      .Event("OnClick", &C::OnClick);
  using T = TspSkinTrackBar;
  PublishClass<T, TspSkinCustomControl>()
      .Default("Width", 100)
      .Default("Height", 20)
      .Default("SkinDataName", "htrackbar")
      .Integer("MinValue", &T::MinValue, &T::SetMinValue, 0)
      .Integer("MaxValue", &T::MaxValue, &T::SetMaxValue, 100)
      .Integer("Value", &T::Value, &T::SetValue, 50)
      .Bool("Vertical", &T::Vertical, &T::SetVertical, false)
      .Bool("MouseSupport", &T::MouseSupport, &T::MouseSupport, true)
      .Bool("JumpWhenClick", &T::JumpWhenClick, &T::JumpWhenClick, false)
      .Bool("CanFocused", &T::CanFocused, &T::SetCanFocused, false)
      .Default("TabStop", 0)
      .Event("OnChange", &T::OnChange)
      .Event("OnLastChange", &T::OnLastChange)
      .Event("OnStartDragButton", &T::OnStartDragButton);
  using G = TspSkinGauge;
  PublishClass<G, TspSkinCustomControl>()
      .Default("Width", 100)
      .Default("Height", 20)
      .Default("SkinDataName", "gauge")
      .Integer("MinValue", &G::MinValue, &G::SetMinValue, 0)
      .Integer("MaxValue", &G::MaxValue, &G::SetMaxValue, 100)
      .Integer("Value", &G::Value, &G::SetValue, 50)
      .Bool("Vertical", &G::Vertical, &G::SetVertical, false)
      .Bool("ShowPercent", &G::ShowPercent, &G::SetShowPercent, false)
      .Bool("ShowProgressText", &G::ShowProgressText, &G::SetShowProgressText, false)
      .Str("ProgressText", &G::ProgressText, &G::SetProgressText)
      .Bool("TextAlphaBlend", &G::TextAlphaBlend, &G::SetTextAlphaBlend, false)
      .Integer("TextAlphaBlendValue", &G::TextAlphaBlendValue, &G::SetTextAlphaBlendValue, 200)
      .Bool("UseSkinSize", &G::UseSkinSize, &G::UseSkinSize, true)
      .Integer("ProgressAnimationPause", &G::ProgressAnimationPause, &G::SetProgressAnimationPause, 1000)
      .Event("OnGaugePaint", &G::OnGaugePaint);
}

void RegisterSkinChangeRows() {
  TSkinChangeTable& table = TSkinChangeTable::Instance();
  table.Register(kStdLabelSkinChangeRow, [](TComponent* component, TSkinChangeStage stage) {
    auto* label = dynamic_cast<TspSkinStdLabel*>(component);
    if (!label) return false;
    if (stage == TSkinChangeStage::After) label->ChangeSkinData();
    return true;
  });
  table.Register(kBevelSkinChangeRow, [](TComponent* component, TSkinChangeStage stage) {
    auto* bevel = dynamic_cast<TspSkinBevel*>(component);
    if (!bevel) return false;
    if (stage == TSkinChangeStage::After) bevel->ChangeSkinData();
    return true;
  });
}

}  // namespace

void PublishSkinStdControlClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishSkinControlClasses();
  PublishExtControlClasses();
  PublishButtons();
  PublishLabels();
  PublishPanels();
  PublishValueControls();
  RegisterSkinChangeRows();
}
