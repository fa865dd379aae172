// The published properties of the framed controls: the panel, group box, labels,
// check box, radio button, radio group, edit base, control button, spin buttons,
// spin edit and combo box. Properties of older versions are read and dropped by
// the controls' own DefineProperties.
#include "framed/controls/ControlsPublished.h"

#include <type_traits>

#include "platform/published/Published.h"

#include "framed/controls/RzCheckBox.h"
#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzControlButton.h"
#include "framed/controls/RzGroupBox.h"
#include "framed/controls/RzLabel.h"
#include "framed/controls/RzPanel.h"
#include "framed/controls/RzPublishedRows.h"
#include "framed/controls/RzRadioButton.h"
#include "framed/controls/RzRadioGroup.h"
#include "framed/controls/RzSpinEdit.h"
#include "framed/controls/RzURLLabel.h"
#include "framed/periphery/PeripheryPublished.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "platform/controls/ActnList.h"
#include "platform/published/ControlsPublished.h"
#include "platform/published/ExtCtrlsPublished.h"
#include "platform/published/StdCtrlsPublished.h"

const TEnumNames& AlignmentNames();

namespace {

const TEnumNames kGradientDirections{"TGradientDirection",
                                     {"gdDiagonalUp", "gdDiagonalDown", "gdHorizontalEnd", "gdHorizontalCenter",
                                      "gdHorizontalBox", "gdVerticalEnd", "gdVerticalCenter", "gdVerticalBox",
                                      "gdSquareBox", "gdBigSquareBox"}};
const TEnumNames kGridStyles{"TRzGridStyle", {"gsDots", "gsDottedLines", "gsSolidLines"}};
const TEnumNames kGroupStyles{"TRzGroupBoxStyle", {"gsStandard", "gsCustom", "gsTopLine", "gsFlat"}};
const TEnumNames kCenterPoints{"TCenterPoint",
                               {"cpUpperLeft", "cpUpperCenter", "cpUpperRight", "cpLeftCenter", "cpCenter",
                                "cpRightCenter", "cpLowerLeft", "cpLowerCenter", "cpLowerRight"}};
const TEnumNames kRotations{"TRotation", {"roNone", "roFlat", "roCurve"}};
const TEnumNames kCondenseCaptions{"TRzCondenseCaption", {"ccNone", "ccAtEnd", "ccWithinPath"}};
const TEnumNames kCheckBoxStates{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};
const TEnumNames kControlButtonStyles{"TRzControlButtonStyle",
                                      {"cbsNone", "cbsLeft", "cbsUp", "cbsRight", "cbsDown", "cbsDropDown"}};
const TEnumNames kSpinDirections{"TSpinDirection", {"sdUpDown", "sdLeftRight"}};

void PublishPanels() {
  using P = TRzCustomPanel;
  PublishClass<P, TCustomPanel>()
      .Hide("BevelInner")
      .Hide("BevelOuter")
      .Hide("BorderStyle")
      .Bool("Locked", &TCustomPanel::Locked, &TCustomPanel::Locked, false)
      .Enum("AlignmentVertical", AlignmentVerticalNames(), &P::AlignmentVertical, &P::SetAlignmentVertical, avCenter)
      .Enum("BorderInner", FrameStyleNames(), &P::BorderInner, &P::SetBorderInner, fsNone)
      .Enum("BorderOuter", FrameStyleNames(), &P::BorderOuter, &P::SetBorderOuter, fsRaised)
      .Set("BorderSides", SideNames(), &P::BorderSides, &P::SetBorderSides, sdAllSides)
      .Color("BorderColor", &P::BorderColor, &P::SetBorderColor, clBtnFace)
      .Color("BorderHighlight", &P::BorderHighlight, &P::SetBorderHighlight, clBtnHighlight)
      .Color("BorderShadow", &P::BorderShadow, &P::SetBorderShadow, clBtnShadow)
      .Color("FlatColor", &P::FlatColor, &P::SetFlatColor, clBtnShadow)
      .Integer("FlatColorAdjustment", &P::FlatColorAdjustment, &P::SetFlatColorAdjustment, 30)
      .Component<TRzFrameController>("FrameController", &P::FrameController, &P::SetFrameController)
      .Color("GradientColorStart", &P::GradientColorStart, &P::SetGradientColorStart, clWhite)
      .Color("GradientColorStop", &P::GradientColorStop, &P::SetGradientColorStop, clBtnFace)
      .Enum("GradientDirection", kGradientDirections, &P::GradientDirection, &P::SetGradientDirection,
            gdHorizontalEnd)
      .Color("GridColor", &P::GridColor, &P::SetGridColor, clBtnShadow)
      .Enum("GridStyle", kGridStyles, &P::GridStyle, &P::SetGridStyle, gsDots)
      .Integer("GridXSize", &P::GridXSize, &P::SetGridXSize, 8)
      .Integer("GridYSize", &P::GridYSize, &P::SetGridYSize, 8)
      .Bool("ShowDockClientCaptions", &P::ShowDockClientCaptions, &P::ShowDockClientCaptions, true)
      .Bool("ShowGrid", &P::ShowGrid, &P::SetShowGrid, false)
      .Bool("ThemeAware", &P::ThemeAware, &P::SetThemeAware, true)
      .Bool("Transparent", &P::Transparent, &P::SetTransparent, false)
      .Bool("UseGradients", &P::UseGradients, &P::SetUseGradients, false)
      .Event("OnMouseEnter", &P::OnMouseEnter)
      .Event("OnMouseLeave", &P::OnMouseLeave)
      .Event("OnPaint", &P::OnPaint)
      .Event("OnConstrainedResize", &TControl::OnConstrainedResize);
  RzRows::ControlExtras(PublishClass<P, TCustomPanel>());
  RzRows::WindowedExtras(PublishClass<P, TCustomPanel>());
  PublishClass<TRzPanel, P>();

  using G = TRzCustomGroupBox;
  RzRows::HideGrid(RzRows::HideGradient(PublishClass<G, P>()))
      .Default("Alignment", taLeftJustify)
      .Default("BorderOuter", fsNone)
      .Default("Height", 105)
      .Hide("AlignmentVertical")
      .Hide("BorderHighlight")
      .Hide("BorderShadow")
      .Hide("UseGradients")
      .Enum("GroupStyle", kGroupStyles, &G::GroupStyle, &G::SetGroupBoxStyle, gsFlat);
  PublishClass<TRzGroupBox, G>();
}

void PublishRadioGroup() {
  using R = TRzCustomRadioGroup;
  auto builder = RzRows::ItemGroupHead(PublishClass<R, TRzCustomGroupBox>().Default("TabStop", Int64(0)));
  builder.Integer("ItemIndex", &R::ItemIndex, &R::SetItemIndex, -1);
  RzRows::ItemGroupTail(builder).Event("OnChanging", &R::OnChanging);
  PublishClass<TRzRadioGroup, R>();
}

void PublishLabels() {
  using L = TRzLabel;
  PublishClass<L, TCustomLabel>()
      .Default("Color", clBtnFace)
      // Rotation first: setting it resets the angle that follows it.
      .Enum("Rotation", kRotations, &L::Rotation, &L::SetRotation, roNone)
      .Integer("Angle", &L::Angle, &L::SetAngle, 0)
      .Bool("Blinking", &L::Blinking, &L::SetBlinking, false)
      .Color("BlinkColor", &L::BlinkColor, &L::SetBlinkColor, clHighlight)
      .Integer("BlinkIntervalOff", &L::GetBlinkIntervalOff, &L::SetBlinkIntervalOff, 500)
      .Integer("BlinkIntervalOn", &L::GetBlinkIntervalOn, &L::SetBlinkIntervalOn, 500)
      .Integer("BevelWidth", &L::BevelWidth, &L::SetBevelWidth, 1)
      .Enum("BorderInner", FrameStyleNames(), &L::BorderInner, &L::SetBorderInner, fsNone)
      .Enum("BorderOuter", FrameStyleNames(), &L::BorderOuter, &L::SetBorderOuter, fsNone)
      .Set("BorderSides", SideNames(), &L::BorderSides, &L::SetBorderSides, sdAllSides)
      .Color("BorderColor", &L::BorderColor, &L::SetBorderColor, clBtnFace)
      .Color("BorderHighlight", &L::BorderHighlight, &L::SetBorderHighlight, clBtnHighlight)
      .Color("BorderShadow", &L::BorderShadow, &L::SetBorderShadow, clBtnShadow)
      .Integer("BorderWidth", &L::BorderWidth, &L::SetBorderWidth, 0)
      .Enum("CondenseCaption", kCondenseCaptions, &L::CondenseCaption, &L::SetCondenseCaption, ccNone)
      .Color("FlatColor", &L::FlatColor, &L::SetFlatColor, clBtnShadow)
      .Integer("FlatColorAdjustment", &L::FlatColorAdjustment, &L::SetFlatColorAdjustment, 30)
      .Component<TRzFrameController>("FrameController", &L::FrameController, &L::SetFrameController)
      .Enum("CenterPoint", kCenterPoints, &L::CenterPoint, &L::SetCenterPoint, cpCenter)
      .Color("FlyByColor", &L::FlyByColor, &L::SetFlyByColor, clHighlight)
      .Bool("FlyByEnabled", &L::FlyByEnabled, &L::SetFlyByEnabled, false)
      .Bool("LightTextStyle", &L::LightTextStyle, &L::SetLightTextStyle, false)
      .Color("HighlightColor", &L::HighlightColor, &L::SetHighlightColor, clBtnHighlight)
      .Color("ShadowColor", &L::ShadowColor, &L::SetShadowColor, clBtnShadow)
      .Integer("ShadowDepth", &L::ShadowDepth, &L::SetShadowDepth, 2)
      .Enum("TextStyle", TextStyleNames(), &L::TextStyle, &L::SetTextStyle, tsNormal)
      .Event("OnMouseEnter", &L::OnMouseEnter)
      .Event("OnMouseLeave", &L::OnMouseLeave);
  RzRows::ControlExtras(PublishClass<L, TCustomLabel>());

  using U = TRzURLLabel;
  PublishClass<U, L>()
      .Default("Cursor", crRzHand)
      .Str("URL", &U::URL, &U::URL)
      .Color("UnvisitedColor", &U::UnvisitedColor, &U::SetUnvisitedColor, clHighlight)
      .Bool("Visited", &U::Visited, &U::SetVisited, false)
      .Color("VisitedColor", &U::VisitedColor, &U::SetVisitedColor, clPurple);
}

template <class T>
void PublishGlyphButton() {
  using B = TRzCustomGlyphButton;
  PublishClass<T, TCustomControl>()
      .Default("Color", clWindow)
      .Default("ParentColor", 1)
      .Default("TabStop", std::is_same_v<T, TRzRadioButton> ? 0 : 1)
      .template Component<TBasicAction>("Action", &TControl::Action, &TControl::SetAction)
      .Enum("Alignment", AlignmentNames(), &B::Alignment, &B::SetAlignment, taRightJustify)
      .Enum("AlignmentVertical", AlignmentVerticalNames(), &B::AlignmentVertical, &B::SetAlignmentVertical, avTop)
      .Object("CustomGlyphs", &B::CustomGlyphs)
      .StoredWhen([](T& b) { return !b.CustomGlyphs()->Empty(); })
      .Color("DisabledColor", &B::DisabledColor, &B::SetDisabledColor, clBtnFace)
      .Color("FrameColor", &B::FrameColor, &B::SetFrameColor, clBtnShadow)
      .template Component<TRzFrameController>("FrameController", &B::FrameController, &B::SetFrameController)
      .Color("HighlightColor", &B::HighlightColor, &B::SetHighlightColor, clHighlight)
      .Bool("HotTrack", &B::HotTrack, &B::SetHotTrack, false)
      .Color("HotTrackColor", &B::HotTrackColor, &B::HotTrackColor, clHighlight)
      .Enum("HotTrackColorType", HotTrackColorTypeNames(), &B::HotTrackColorType, &B::HotTrackColorType, htctComplement)
      .Bool("LightTextStyle", &B::LightTextStyle, &B::SetLightTextStyle, false)
      .Color("TextHighlightColor", &B::TextHighlightColor, &B::SetTextHighlightColor, clBtnHighlight)
      .Color("TextShadowColor", &B::TextShadowColor, &B::SetTextShadowColor, clBtnShadow)
      .Integer("TextShadowDepth", &B::TextShadowDepth, &B::SetTextShadowDepth, 2)
      .Bool("TabOnEnter", &B::TabOnEnter, &B::TabOnEnter, false)
      .Enum("TextStyle", TextStyleNames(), &B::TextStyle, &B::SetTextStyle, tsNormal)
      .Bool("ThemeAware", &B::ThemeAware, &B::SetThemeAware, true)
      .Bool("Transparent", &B::Transparent, &B::SetTransparent, false)
      .Color("TransparentColor", &B::TransparentColor, &B::SetTransparentColor, clOlive)
      .Bool("UseCustomGlyphs", &B::UseCustomGlyphs, &B::SetUseCustomGlyphs, false)
      .Color("WinMaskColor", &B::WinMaskColor, &B::SetWinMaskColor, clLime)
      .Event("OnMouseEnter", &B::OnMouseEnter)
      .Event("OnMouseLeave", &B::OnMouseLeave);
  RzRows::ControlExtras(PublishClass<T, TCustomControl>());
}

void PublishButtons() {
  PublishGlyphButton<TRzCheckBox>();
  PublishClass<TRzCheckBox, TCustomControl>()
      .Bool("AllowGrayed", &TRzCheckBox::AllowGrayed, &TRzCheckBox::SetAllowGrayed, false)
      .Enum("State", kCheckBoxStates, &TRzCheckBox::State, &TRzCheckBox::SetState, cbUnchecked)
      .Bool("Checked", &TRzCheckBox::GetChecked, &TRzCheckBox::SetChecked, false)
      .StoredWhen([](TRzCheckBox&) { return false; });
  PublishGlyphButton<TRzRadioButton>();
  PublishClass<TRzRadioButton, TCustomControl>()
      .Bool("Checked", &TRzRadioButton::Checked, &TRzRadioButton::SetChecked, false)
      .StoredWhen([](TRzRadioButton& r) { return !r.Action(); });

  using C = TRzControlButton;
  PublishClass<C, TGraphicControl>()
      .Default("Color", clBtnFace)
      .Component<TBasicAction>("Action", &TControl::Action, &TControl::SetAction)
      .Bool("Flat", &C::Flat, &C::SetFlat, false)
      .Object("Glyph", &C::Glyph)
      .StoredWhen([](C& c) { return !c.Glyph()->Empty(); })
      .Integer("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs, 1)
      .Integer("Delay", &C::Delay, &C::Delay, 100)
      .Integer("InitialDelay", &C::InitialDelay, &C::InitialDelay, 400)
      .Bool("RepeatClicks", &C::RepeatClicks, &C::RepeatClicks, false)
      .Enum("Style", kControlButtonStyles, &C::Style, &C::SetStyle, cbsNone)
      .Event("OnMouseEnter", &C::OnMouseEnter)
      .Event("OnMouseLeave", &C::OnMouseLeave);
  RzRows::ControlExtras(PublishClass<C, TGraphicControl>());

  using S = TRzSpinButtons;
  PublishClass<S, TWinControl>()
      .Default("Color", clBtnFace)
      .Enum("Direction", kSpinDirections, &S::Direction, &S::SetDirection, sdUpDown)
      .Bool("Flat", &S::Flat, &S::SetFlat, false)
      .Component<TWinControl>("FocusControl", &S::FocusControl, &S::SetFocusControl)
      .Enum("Orientation", OrientationNames(), &S::Orientation, &S::SetOrientation, orVertical)
      .Event("OnUpRightClick", &S::OnUpRightClick)
      .Event("OnDownLeftClick", &S::OnDownLeftClick);
  RzRows::ControlExtras(PublishClass<S, TWinControl>());
  RzRows::WindowedExtras(PublishClass<S, TWinControl>());
}

// The frame and colour properties of the framed edits and combo boxes; they are
// written only while no frame controller supplies them.
template <class T, class Parent>
TPublishedBuilder<T> PublishFraming() {
  auto builder = RzRows::Frame(RzRows::UserColor(PublishClass<T, Parent>()));
  builder.Bool("FlatButtons", &T::FlatButtons, &T::SetFlatButtons, false)
      .StoredWhen([](T& c) { return !c.FrameController(); })
      .Bool("TabOnEnter", &T::TabOnEnter, &T::TabOnEnter, false);
  return RzRows::WindowedExtras(RzRows::ControlExtras(RzRows::MouseEnterLeave(builder)));
}

void PublishEdits() {
  using E = TRzCustomEdit;
  PublishFraming<E, TCustomMaskEdit>()
      .Bool("OEMConvert", &TCustomEdit::OEMConvert, &TCustomEdit::OEMConvert, false)
      .Enum("Alignment", AlignmentNames(), &E::Alignment, &E::SetAlignment, taLeftJustify)
      .Color("FlatButtonColor", &E::FlatButtonColor, &E::FlatButtonColor, clBtnFace)
      .StoredWhen([](E& e) { return !e.FrameController(); })
      .Bool("DropButtonVisible", &E::DropButtonVisible, &E::SetDropButtonVisible, false)
      .Event("OnDropDown", &E::OnDropDown)
      .Event("OnCloseUp", &E::OnCloseUp)
      .Event("OnValidateError", &E::OnValidateError);

  using S = TRzSpinEdit;
  PublishClass<S, E>()
      .Hide("EditMask")
      .Hide("DropButtonVisible")
      .Default("Alignment", taRightJustify)
      .Bool("AllowBlank", &S::AllowBlank, &S::AllowBlank, false)
      .Float("BlankValue", &S::BlankValue, &S::BlankValue, 0)
      .NoDefault()
      .Bool("AllowKeyEdit", &S::AllowKeyEdit, &S::AllowKeyEdit, false)
      .Integer("ButtonWidth", &S::ButtonWidth, &S::SetButtonWidth, 17)
      .NoDefault()
      .Bool("CheckRange", &S::CheckRange, &S::SetCheckRange, false)
      .NoDefault()
      .Integer("Decimals", &S::Decimals, &S::SetDecimals, 0)
      .NoDefault()
      .Enum("Direction", kSpinDirections, &S::GetDirection, &S::SetDirection, sdUpDown)
      .NoDefault()
      .Color("FlatButtonColor", &S::FlatButtonColor, &S::FlatButtonColor, clBtnFace)
      .NoDefault()
      .Float("Increment", &S::Increment, &S::Increment, 1.0)
      .Bool("IntegersOnly", &S::IntegersOnly, &S::SetIntegersOnly, true)
      .NoDefault()
      .Float("Max", &S::Max, &S::SetMax, 100.0)
      .Float("Min", &S::Min, &S::SetMin, 0.0)
      .Enum("Orientation", OrientationNames(), &S::GetOrientation, &S::SetOrientation, orVertical)
      .NoDefault()
      .Float("PageSize", &S::PageSize, &S::PageSize, 10.0)
      .Float("Value", [](S& s) { return static_cast<double>(s.GetValue()); },
             [](S& s, double v) { s.SetValue(v); }, 0)
      .NoDefault()
      .Event("OnChanging", &S::OnChanging)
      .Event("OnButtonClick", &S::OnButtonClick);
}

void PublishComboBoxes() {
  using C = TRzCustomComboBox;
  PublishFraming<C, TCustomComboBox>()
      .Hide("AutoComplete")
      .Bool("AutoComplete", &C::RzAutoComplete, &C::SetRzAutoComplete, true)
      .Bool("AllowEdit", &C::AllowEdit, &C::AllowEdit, true)
      .Bool("BeepOnInvalidKey", &C::BeepOnInvalidKey, &C::BeepOnInvalidKey, true)
      .Color("FlatButtonColor", &C::FlatButtonColor, &C::SetFlatButtonColor, clBtnFace)
      .StoredWhen([](C& c) { return !c.FrameController(); })
      .Integer("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth, 0)
      .Integer("ItemHeight", &C::ItemHeight2, &C::SetItemHeight2, 16)
      .Bool("KeepSearchCase", &C::KeepSearchCase, &C::KeepSearchCase, false)
      .Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly, false)
      .Event("OnDeleteItem", &C::OnDeleteItem)
      .Event("OnMatch", &C::OnMatch)
      .Event("OnNotInList", &C::OnNotInList)
      .Event("OnSelEndCancel", &C::OnSelEndCancel)
      .Event("OnSelEndOk", &C::OnSelEndOk);
  PublishClass<TRzComboBox, C>();
}

}  // namespace

void PublishFramedControls() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishStdControlClasses();
  PublishFrameController();
  PublishPanels();
  PublishRadioGroup();
  PublishLabels();
  PublishButtons();
  PublishEdits();
  PublishComboBoxes();
  PublishFramedPeriphery();
}
