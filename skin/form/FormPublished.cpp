// The form component's published properties and events, so that a form
// definition creates it with the form.
#include "platform/published/Published.h"
#include "platform/published/FormsPublished.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/data/SkinDataPublished.h"
#include "skin/form/DynamicSkinForm.h"

void PublishSkinFramePeriphery();  // FramePeripheryPublished.cpp

namespace {

const TEnumNames kBorderIcons{"TspBorderIcons",
                              {"biSystemMenu", "biMinimize", "biMaximize", "biRollUp", "biMinimizeToTray"}};
const TEnumNames kPositions{"TspPositionInMonitor", {"sppDefault", "sppScreenCenter", "sppDesktopCenter"}};

using F = TspDynamicSkinForm;

}  // namespace

void PublishDynamicSkinFormClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  UseFormDefinitions();
  PublishSkinDataClasses();
  PublishSkinControlClasses();
  PublishClass<TspSkinComponent, TComponent>().Component<TspSkinData>("SkinData", &TspSkinComponent::SkinData,
                                                                      &TspSkinComponent::SetSkinData);
  PublishClass<F, TComponent>()
      .Component<TspSkinData>("SkinData", &F::SkinData, &F::SetSkinData)
      .Component<TspSkinData>("MenusSkinData", &F::MenusSkinData, &F::SetMenusSkinData)
      .Bool("SupportNCArea", &F::SupportNCArea, &F::SetSupportNCArea, true)
      .Bool("Sizeable", &F::Sizeable, &F::Sizeable, true)
      .Bool("DraggAble", &F::DraggAble, &F::DraggAble)
      .Set("BorderIcons", kBorderIcons, &F::BorderIcons, &F::SetBorderIcons,
           biSystemMenu | biMinimize | biMaximize | biRollUp)
      .Bool("HideCaptionButtons", &F::HideCaptionButtons, &F::HideCaptionButtons)
      .Bool("DisableSystemMenu", &F::DisableSystemMenu, &F::DisableSystemMenu)
      .Bool("UseDefaultSysMenu", &F::UseDefaultSysMenu, &F::UseDefaultSysMenu, true)
      .Bool("AlwaysShowInTray", &F::AlwaysShowInTray, &F::AlwaysShowInTray)
      .Bool("AlwaysMinimizeToTray", &F::AlwaysMinimizeToTray, &F::AlwaysMinimizeToTray)
      .Enum("PositionInMonitor", kPositions, &F::PositionInMonitor, &F::PositionInMonitor)
      .Bool("MaximizeOnFullScreen", &F::MaximizeOnFullScreen, &F::MaximizeOnFullScreen)
      .Bool("Magnetic", &F::Magnetic, &F::Magnetic)
      .Integer("MagneticSize", &F::MagneticSize, &F::MagneticSize, 10)
      .Integer("MinWidth", &F::MinWidth, &F::MinWidth)
      .Integer("MinHeight", &F::MinHeight, &F::MinHeight)
      .Integer("MaxWidth", &F::MaxWidth, &F::MaxWidth)
      .Integer("MaxHeight", &F::MaxHeight, &F::MaxHeight)
      .Integer("ClientWidth", &F::ClientWidth, &F::ClientWidth)
      .Integer("ClientHeight", &F::ClientHeight, &F::ClientHeight)
      .Bool("AlphaBlend", &F::AlphaBlend, &F::SetAlphaBlend)
      .Integer("AlphaBlendValue", &F::AlphaBlendValue, &F::SetAlphaBlendValue, 200)
      .Bool("AlphaBlendAnimation", &F::AlphaBlendAnimation, &F::AlphaBlendAnimation)
      .Object("DefCaptionFont", &F::DefCaptionFont)
      .Object("DefInActiveCaptionFont", &F::DefInActiveCaptionFont)
      .Bool("ShowIcon", &F::ShowIcon, &F::SetShowIcon)
      .Object("LogoBitMap", &F::LogoBitMap)
      .Bool("LogoBitMapTransparent", &F::LogoBitMapTransparent, &F::LogoBitMapTransparent)
      .Bool("ShowObjectHint", &F::ShowObjectHint, &F::ShowObjectHint)
      .Bool("UseDefaultObjectHint", &F::UseDefaultObjectHint, &F::UseDefaultObjectHint, true)
      .Bool("UseSkinCursors", &F::UseSkinCursors, &F::UseSkinCursors)
      .Bool("UseFormCursorInNCArea", &F::UseFormCursorInNCArea, &F::UseFormCursorInNCArea)
      .Event("OnCaptionPaint", &F::OnCaptionPaint)
      .Event("OnChangeClientRect", &F::OnChangeClientRect)
      .Event("OnChangeSkinData", &F::OnChangeSkinData)
      .Event("OnActivate", &F::OnActivate)
      .Event("OnDeActivate", &F::OnDeActivate)
      .Event("OnChangeRollUpState", &F::OnChangeRollUpState)
      .Event("OnMinimizeToTray", &F::OnMinimizeToTray)
      .Event("OnRestoreFromTray", &F::OnRestoreFromTray)
      .Event("OnMinimize", &F::OnMinimize)
      .Event("OnRestore", &F::OnRestore)
      .Event("OnMaximize", &F::OnMaximize)
      .Event("OnActivateCustomObject", &F::OnActivateCustomObject)
      .Event("OnMouseEnterEvent", &F::OnMouseEnterEvent)
      .Event("OnMouseLeaveEvent", &F::OnMouseLeaveEvent)
      .Event("OnMouseDownEvent", &F::OnMouseDownEvent)
      .Event("OnMouseUpEvent", &F::OnMouseUpEvent)
      .Event("OnMouseMoveEvent", &F::OnMouseMoveEvent)
      .Event("OnPaintEvent", &F::OnPaintEvent)
      .Event("OnSwitchChangeStateEvent", &F::OnSwitchChangeStateEvent)
      .Event("OnTrackBarChangeValueEvent", &F::OnTrackBarChangeValueEvent)
      .Event("OnFrameRegulatorChangeValueEvent", &F::OnFrameRegulatorChangeValueEvent);
  PublishSkinFramePeriphery();
}
