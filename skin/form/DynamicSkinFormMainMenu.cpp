// The menus a skinned frame shows from its objects: the main menu drawn as items
// in the frame's main-menu rectangle (built by the menu unit through the
// CreateMainMenu hook) and menus linked by name to button objects.
#include <algorithm>

#include "platform/controls/Menus.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/FormMenuSeams.h"
#include "skin/menus/SkinMainMenuItem.h"

void TspDynamicSkinForm::LinkMenu(const String& id, TMenu* menu, bool popupUp) {
  TspActiveSkinObject* object = FindObject(id);
  TMenuItem* items = menu ? menu->Items() : nullptr;
  if (auto* button = dynamic_cast<TspSkinButtonObject*>(object)) {
    button->MenuItem = items;
    button->PopupUp = popupUp;
  } else if (auto* animate = dynamic_cast<TspSkinAnimateObject*>(object); animate && animate->ButtonStyle) {
    animate->MenuItem = items;
    animate->PopupUp = popupUp;
  } else {
    return;
  }
  if (!menu) return;
  menu->FreeNotification(this);
  const std::pair<TComponent*, TMenuItem*> link{menu, items};
  if (std::find(linkedMenus_.begin(), linkedMenus_.end(), link) == linkedMenus_.end()) linkedMenus_.push_back(link);
}

void TspDynamicSkinForm::SetMainMenu(TMainMenu* value) {
  if (mainMenu_ == value) return;
  if (mainMenu_) mainMenu_->RemoveFreeNotification(this);
  mainMenu_ = value;
  if (value) value->FreeNotification(this);
  if (HasUsableSkin() && !Designing()) UpdateMainMenu(true);
}

void TspDynamicSkinForm::ClearMainMenuItems() {
  // From the end, so that the indexes of the objects before stay valid.
  for (size_t i = objects_.size(); i-- > 0;)
    if (dynamic_cast<TspSkinMainMenuItem*>(objects_[i].get())) objects_.erase(objects_.begin() + Integer(i));
  activeObject_ = oldActiveObject_ = captureObject_ = -1;
}

void TspDynamicSkinForm::UpdateMainMenu(bool repaint) {
  ClearMainMenuItems();
  if (FormMenuSeams().CreateMainMenu) FormMenuSeams().CreateMainMenu(this);
  if (!form_->HandleAllocated()) return;
  if (repaint && supportNCArea_) {
    SendNCPaint();
  } else {
    const RECT r{NewMainMenuRect.Left, NewMainMenuRect.Top, NewMainMenuRect.Right, NewMainMenuRect.Bottom};
    ::InvalidateRect(form_->Handle(), &r, TRUE);
  }
}

// The notice may come from the menu's own destructor: menus are compared by
// identity, never asked for their items.
void TspDynamicSkinForm::ForgetMenu(TComponent* component) {
  if (component == mainMenu_) {
    mainMenu_ = nullptr;
    ClearMainMenuItems();
  }
  for (auto it = linkedMenus_.begin(); it != linkedMenus_.end();) {
    if (it->first != component) {
      ++it;
      continue;
    }
    for (auto& object : objects_) {
      if (auto* button = dynamic_cast<TspSkinButtonObject*>(object.get()); button && button->MenuItem == it->second)
        button->MenuItem = nullptr;
      if (auto* animate = dynamic_cast<TspSkinAnimateObject*>(object.get()); animate && animate->MenuItem == it->second)
        animate->MenuItem = nullptr;
    }
    it = linkedMenus_.erase(it);
  }
}
