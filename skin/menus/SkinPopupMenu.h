// TspSkinPopupMenu: a popup menu placed on forms like the standard one, shown
// through the popup menu engine of its form's skinning component and drawn
// with the form's skin. Every way of popping it up (the virtual Popup of
// AutoPopup context menus included) goes to that engine.
#pragma once

#include "platform/controls/CustomForm.h"
#include "platform/controls/Menus.h"
#include "skin/data/SkinData.h"

class TspSkinMenuHost;

class TspSkinPopupMenu : public TPopupMenu {
public:
  explicit TspSkinPopupMenu(TComponent* owner);

  TPoint LastPopupPoint{-1, -1};
  // The skin of the menu; nullptr: the form component's, taken at the first popup.
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  // When set, the form whose skinning component shows the menu (borrowed).
  TCustomForm* HostForm() const { return hostForm_; }
  void SetHostForm(TCustomForm* form);
  // Fired once when the menu shown by a popup call closes.
  TNotifyEvent OnMenuClose;

  // At the screen point, with no opener.
  void Popup(int x, int y) override;
  // Below the screen rectangle (above with popupUp), with no opener.
  void PopupFromRect(const TRect& r, bool popupUp);
  // The same with `control` as the opener: it receives WM_CLOSESKINMENU and
  // WM_AFTERDISPATCH. Nothing is shown without a skin.
  void PopupFromRect2(TControl* control, const TRect& r, bool popupUp);
  void Popup2(TControl* control, int x, int y);

  // The host that shows the menu: HostForm's, else the owner's or the owner's
  // owner's when that is a form (an MDI child's gives way to the main form's).
  TspSkinMenuHost* FindHost() const;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  void Show(TControl* opener, const TRect& r, bool popupUp, bool needsSkin);

  TspSkinData* skinData_ = nullptr;   // borrowed, freed-notified
  TCustomForm* hostForm_ = nullptr;   // borrowed, freed-notified
};
