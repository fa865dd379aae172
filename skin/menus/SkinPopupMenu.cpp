#include "skin/menus/SkinPopupMenu.h"

#include "platform/controls/Application.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuHost.h"

TspSkinPopupMenu::TspSkinPopupMenu(TComponent* owner) : TPopupMenu(owner) {}

void TspSkinPopupMenu::SetSkinData(TspSkinData* value) {
  if (skinData_ == value) return;
  if (skinData_) skinData_->RemoveFreeNotification(this);
  skinData_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinPopupMenu::SetHostForm(TCustomForm* form) {
  if (hostForm_ == form) return;
  if (hostForm_) hostForm_->RemoveFreeNotification(this);
  hostForm_ = form;
  if (form) form->FreeNotification(this);
}

void TspSkinPopupMenu::Notification(TComponent* component, TOperation operation) {
  TPopupMenu::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == hostForm_) hostForm_ = nullptr;
}

TspSkinMenuHost* TspSkinPopupMenu::FindHost() const {
  if (hostForm_) return SkinMenuHostOf(hostForm_);
  TComponent* owner = Owner();
  TCustomForm* form = dynamic_cast<TCustomForm*>(owner);
  if (!form && owner) form = dynamic_cast<TCustomForm*>(owner->Owner());
  TspSkinMenuHost* host = form ? SkinMenuHostOf(form) : nullptr;
  // An MDI child's menus are shown by the main form's engine and skin.
  if (host && form->FormStyle() == fsMDIChild) host = SkinMenuHostOf(Application.MainForm());
  return host;
}

void TspSkinPopupMenu::Show(TControl* opener, const TRect& r, bool popupUp, bool needsSkin) {
  DoPopup(this);
  TspSkinMenuHost* host = FindHost();
  if (!host || !host->SkinMenu()) return;
  if (!skinData_) SetSkinData(host->MenuSkinData());
  if (needsSkin && !skinData_) return;
  TspSkinMenu* engine = host->SkinMenu();
  if (engine->Visible()) host->SkinMenuClose();
  host->SkinMenuOpen();
  LastPopupPoint = {r.Left, r.Top};
  engine->Popup(opener, skinData_, 0, r, Items(), popupUp);
  // Only a menu that opened has a close to report.
  if (OnMenuClose && engine->Visible()) engine->OnMenuClose = OnMenuClose;
}

void TspSkinPopupMenu::Popup(int x, int y) { Show(nullptr, {x, y, x, y}, false, false); }

void TspSkinPopupMenu::PopupFromRect(const TRect& r, bool popupUp) { Show(nullptr, r, popupUp, false); }

void TspSkinPopupMenu::PopupFromRect2(TControl* control, const TRect& r, bool popupUp) {
  Show(control, r, popupUp, false);
}

void TspSkinPopupMenu::Popup2(TControl* control, int x, int y) { Show(control, {x, y, x, y}, false, true); }
