// The published properties of menus, actions, timers and image lists, and the
// rules that nest a menu item in its menu or item and an action in its list.
#include "platform/controls/ActnList.h"
#include "platform/controls/Menus.h"
#include "platform/core/Timer.h"
#include "platform/graphics/ImageList.h"
#include "platform/published/CorePublished.h"
#include "platform/published/FormsPublished.h"
#include "platform/published/MenusPublished.h"

namespace {

const TEnumNames kDrawingStyles{"TDrawingStyle", {"dsFocus", "dsSelected", "dsNormal", "dsTransparent"}};
const TEnumNames kImageTypes{"TImageType", {"itImage", "itMask"}};

bool PlaceMenuItem(TComponent* child, TComponent* container) {
  auto* item = dynamic_cast<TMenuItem*>(child);
  if (!item) return false;
  if (auto* parent = dynamic_cast<TMenuItem*>(container)) {
    parent->Add(item);
    return true;
  }
  if (auto* menu = dynamic_cast<TMenu*>(container)) {
    menu->Items()->Add(item);
    return true;
  }
  return false;
}

// An item's container is its parent item, or the menu for a top-level item.
TComponent* MenuItemContainer(TComponent* child) {
  auto* item = dynamic_cast<TMenuItem*>(child);
  if (!item || !item->Parent()) return nullptr;
  if (item->Parent()->Parent()) return item->Parent();
  TMenu* menu = item->GetParentMenu();
  return menu && menu->Items() == item->Parent() ? static_cast<TComponent*>(menu) : item->Parent();
}

bool PlaceAction(TComponent* child, TComponent* container) {
  auto* action = dynamic_cast<TContainedAction*>(child);
  auto* list = dynamic_cast<TCustomActionList*>(container);
  if (!action || !list) return false;
  action->SetActionList(list);
  return true;
}

TComponent* ActionContainer(TComponent* child) {
  auto* action = dynamic_cast<TContainedAction*>(child);
  return action ? action->ActionList() : nullptr;
}

}  // namespace

void PublishMenuClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishCoreClasses();
  PublishActionClasses();

  PublishClass<TMenuItem, TComponent>()
      .Component<TBasicAction>("Action", &TMenuItem::Action, &TMenuItem::SetAction)
      .Bool("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck, false)
      .Object("Bitmap", &TMenuItem::Bitmap)
      .StoredWhen([](TMenuItem& item) { return item.HasBitmap(); })
      .Str("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
      .Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false)
      .Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault, false)
      .Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
      .Integer("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex, 0)
      .Integer("HelpContext", &TMenuItem::HelpContext, &TMenuItem::SetHelpContext, 0)
      .Str("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
      .Integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex, -1)
      .Bool("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem, false)
      .ShortCut("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut, 0)
      .Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
      .Event("OnClick", &TMenuItem::OnClick)
      .Event("OnDrawItem", &TMenuItem::OnDrawItem)
      .Event("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem)
      .Event("OnMeasureItem", &TMenuItem::OnMeasureItem);
  PublishClass<TMenu, TComponent>()
      .Component<TCustomImageList>("Images", &TMenu::Images, &TMenu::SetImages)
      .Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw, false)
      .Event("OnChange", &TMenu::OnChange);
  PublishClass<TPopupMenu, TMenu>()
      .Bool("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::AutoPopup, true)
      .Event("OnPopup", &TPopupMenu::OnPopup)
      .Event("OnClose", &TPopupMenu::OnClose);
  PublishClass<TMainMenu, TMenu>();
  RegisterChildPlacement({PlaceMenuItem, MenuItemContainer});
}

void PublishActionClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishCoreClasses();

  PublishClass<TBasicAction, TComponent>()
      .Event("OnExecute", &TBasicAction::OnExecute, &TBasicAction::SetOnExecute)
      .Event("OnUpdate", &TBasicAction::OnUpdate);
  PublishClass<TContainedAction, TBasicAction>().Str("Category", &TContainedAction::Category,
                                                    &TContainedAction::Category);
  PublishClass<TCustomAction, TContainedAction>()
      .Bool("AutoCheck", &TCustomAction::AutoCheck, &TCustomAction::SetAutoCheck, false)
      .Str("Caption", &TCustomAction::Caption, &TCustomAction::SetCaption)
      .Bool("Checked", &TCustomAction::Checked, &TCustomAction::SetChecked, false)
      .Bool("Enabled", &TCustomAction::Enabled, &TCustomAction::SetEnabled, true)
      .Integer("GroupIndex", &TCustomAction::GroupIndex, &TCustomAction::SetGroupIndex, 0)
      .Integer("HelpContext", &TCustomAction::HelpContext, &TCustomAction::SetHelpContext, 0)
      .Str("Hint", &TCustomAction::Hint, &TCustomAction::SetHint)
      .Integer("ImageIndex", &TCustomAction::ImageIndex, &TCustomAction::SetImageIndex, -1)
      .ShortCut("ShortCut", &TCustomAction::ShortCut, &TCustomAction::SetShortCut, 0)
      .Bool("Visible", &TCustomAction::Visible, &TCustomAction::SetVisible, true);
  PublishClass<TAction, TCustomAction>();
  PublishClass<TCustomActionList, TComponent>()
      .Component<TCustomImageList>("Images", &TCustomActionList::Images, &TCustomActionList::SetImages)
      .Event("OnChange", &TCustomActionList::OnChange)
      .Event("OnExecute", &TCustomActionList::OnExecute)
      .Event("OnUpdate", &TCustomActionList::OnUpdate);
  PublishClass<TActionList, TCustomActionList>();
  RegisterChildPlacement({PlaceAction, ActionContainer});
}

void PublishTimerClass() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishCoreClasses();
  PublishClass<TTimer, TComponent>()
      .Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true)
      .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000)
      .Event("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);

  PublishClass<TCustomImageList, TComponent>()
      .Color("BkColor", [](TCustomImageList& list) { return list.BkColor; },
             [](TCustomImageList& list, TColor color) { list.BkColor = color; }, clNone)
      .Color("BlendColor", [](TCustomImageList& list) { return list.BlendColor; },
             [](TCustomImageList& list, TColor color) { list.BlendColor = color; }, clNone)
      .Enum("DrawingStyle", kDrawingStyles, [](TCustomImageList& list) { return list.DrawingStyle; },
            [](TCustomImageList& list, TDrawingStyle style) { list.DrawingStyle = style; }, dsNormal)
      .Integer("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight, 16)
      .Enum("ImageType", kImageTypes, [](TCustomImageList& list) { return list.ImageType; },
            [](TCustomImageList& list, TImageType type) { list.ImageType = type; }, itImage)
      .Bool("Masked", [](TCustomImageList& list) { return list.Masked; },
            [](TCustomImageList& list, bool masked) { list.Masked = masked; }, true)
      .Integer("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth, 16)
      .Event("OnChange", &TCustomImageList::OnChange);
  PublishClass<TImageList, TCustomImageList>();
}
