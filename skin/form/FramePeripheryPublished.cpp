// The published properties of the skinned frame's periphery: the MDI tab bar,
// the tray icon, the skinned TFrame, the main menu bar and the skinned main menu,
// and the form component's links to the bars.
#include "platform/published/Published.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/SkinFrame.h"
#include "skin/form/SkinMDITabsBar.h"
#include "skin/form/TrayIcon.h"
#include "skin/menus/SkinMainMenuBar.h"
#include "skin/menus/SkinPopupMenu.h"

namespace {

const TEnumNames kTabKinds{"TspSkinMDITabKind", {"sptkTab", "sptkButton"}};

void PublishTabsBar() {
  using B = TspSkinMDITabsBar;
  PublishClass<B, TspSkinControl>()
      .Bool("ShowCloseButtons", &B::ShowCloseButtons, &B::ShowCloseButtons)
      .Enum("TabKind", kTabKinds, &B::TabKind, &B::SetTabKind, sptkTab)
      .Component<TspDynamicSkinForm>("DynamicSkinForm", &B::DynamicSkinForm, &B::SetDynamicSkinForm)
      .Bool("SupportChildMenus", &B::SupportChildMenus, &B::SupportChildMenus, true)
      .Bool("UseSkinSize", &B::UseSkinSize, &B::UseSkinSize, true)
      .Bool("UseSkinFont", &B::UseSkinFont, &B::UseSkinFont, true)
      .Bool("MoveTabs", &B::MoveTabs, &B::MoveTabs, true)
      .Integer("DefaultHeight", &B::DefaultHeight, &B::SetDefaultHeight, 21)
      .Object("DefaultFont", &B::DefaultFont)
      .Integer("DefaultTabWidth", &B::DefaultTabWidth, &B::DefaultTabWidth, 100)
      .Integer("MinTabWidth", &B::MinTabWidth, &B::MinTabWidth, 0);
}

void PublishTrayIcon() {
  using T = TspTrayIcon;
  PublishClass<T, TComponent>()
      .Bool("Enabled", &T::Enabled, &T::Enabled, true)
      .Bool("IconVisible", &T::IconVisible, &T::SetIconVisible, true)
      .Str("Hint", &T::Hint, &T::SetHint)
      .Bool("ShowHint", &T::ShowHint, &T::SetShowHint, true)
      .Component<TCustomImageList>("IconList", &T::IconList, &T::SetIconList)
      .Integer("IconIndex", &T::IconIndex, &T::SetIconIndex, 0)
      .Bool("CycleIcons", &T::CycleIcons, &T::SetCycleIcons)
      .Integer("AnimateTimerInterval", &T::AnimateTimerInterval, &T::SetAnimateTimerInterval, 0)
      .Bool("DesignPreview", &T::DesignPreview, &T::SetDesignPreview)
      .Component<TspSkinPopupMenu>("PopupMenu", &T::PopupMenu, &T::SetPopupMenu)
      .Bool("PopupByLeftButton", &T::PopupByLeftButton, &T::PopupByLeftButton)
      .Bool("MinimizedOnStart", &T::MinimizedOnStart, &T::MinimizedOnStart)
      .Bool("MinimizeToTray", &T::MinimizeToTray, &T::MinimizeToTray)
      .Event("OnClick", &T::OnClick)
      .Event("OnDblClick", &T::OnDblClick)
      .Event("OnBalloonHintClick", &T::OnBalloonHintClick)
      .Event("OnMouseDown", &T::OnMouseDown)
      .Event("OnMouseUp", &T::OnMouseUp)
      .Event("OnMouseMove", &T::OnMouseMove)
      .Event("OnCycle", &T::OnCycle);
}

void PublishMenuBar() {
  PublishClass<TspSkinMainMenu, TMainMenu>().Component<TspSkinData>("SkinData", &TspSkinMainMenu::SkinData,
                                                                    &TspSkinMainMenu::SetSkinData);
  using M = TspSkinMainMenuBar;
  PublishClass<M, TspSkinControl>()
      .Bool("UseSkinFont", &M::UseSkinFont, &M::UseSkinFont, true)
      .Bool("ScrollMenu", &M::ScrollMenu, &M::ScrollMenu, true)
      .Object("DefItemFont", &M::DefItemFont)
      .Integer("DefaultWidth", &M::DefaultWidth, &M::SetDefaultWidth, 0)
      .Integer("DefaultHeight", &M::DefaultHeight, &M::SetDefaultHeight, 22)
      .Bool("PopupToUp", &M::PopupToUp, &M::PopupToUp)
      .Component<TspDynamicSkinForm>("DynamicSkinForm", &M::DynamicSkinForm, &M::SetDynamicSkinForm)
      .Component<TMainMenu>("MainMenu", &M::MainMenu, &M::SetMainMenu)
      .Event("OnMainMenuItemClick", &M::OnMainMenuItemClick)
      .Event("OnItemMouseEnter", &M::OnItemMouseEnter)
      .Event("OnItemMouseLeave", &M::OnItemMouseLeave);
}

}  // namespace

void PublishSkinFramePeriphery() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishTabsBar();
  PublishTrayIcon();
  PublishClass<TspSkinFrame, TspSkinComponent>()
      .Bool("DrawBackground", &TspSkinFrame::DrawBackground, &TspSkinFrame::DrawBackground, true)
      .Component<TspSkinData>("CtrlsSkinData", &TspSkinFrame::CtrlsSkinData, &TspSkinFrame::SetCtrlsSkinData);
  PublishMenuBar();
  using F = TspDynamicSkinForm;
  PublishClass<F, TComponent>()
      .Component<TspSkinMDITabsBar>("MDITabsBar", &F::MDITabsBar, &F::SetMDITabsBar)
      .Component<TspSkinMainMenuBar>("MainMenuBar", &F::MainMenuBar, &F::SetMainMenuBar)
      .Component<TMainMenu>("MainMenu", &F::MainMenu, &F::SetMainMenu)
      .Integer("MaxMenuItemsInWindow", &F::MaxMenuItemsInWindow, &F::SetMaxMenuItemsInWindow, 0)
      .Event("OnMainMenuEnter", &F::OnMainMenuEnter)
      .Event("OnMainMenuExit", &F::OnMainMenuExit);
}
