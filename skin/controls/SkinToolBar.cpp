#include "skin/controls/SkinToolBar.h"

#include "skin/controls/SkinBevel.h"
#include "skin/controls/buttons/SkinMenuSpeedButton.h"

using enum TspSkinBorderStyle;

namespace {

// The bases and the bevel centre themselves in a bar that adjusts its controls.
bool ToolBarClientRect(TWinControl* parent, TRect& clientRect) {
  auto* bar = dynamic_cast<TspSkinToolBar*>(parent);
  if (!bar || !bar->AdjustControls) return false;
  clientRect = bar->GetSkinClientRect();
  return true;
}

}  // namespace

TspSkinToolBar::TspSkinToolBar(TComponent* owner) : TspSkinPanel(owner) {
  SP_SkinToolBarClientRect = ToolBarClientRect;
  SkinDataName = "toolpanel";
  PaintByBorders = false;
  SetDefaultHeight(0);
  SetHeight(25);
  SetBorderStyle(bvNone);
  arrows_.ScrollChildren = [this](Integer d) { HScrollControls(d); };
  arrows_.VisibilityChanged = [this] { ArrowsChanged(); };
}

void TspSkinToolBar::SetScrollOffset(Integer value) {
  if (value >= 0) arrows_.ScrollOffset = value;
}

void TspSkinToolBar::SetScrollTimerInterval(Integer value) {
  if (value > 0) arrows_.ScrollTimerInterval = value;
}

void TspSkinToolBar::SetShowCaptions(bool value) {
  if (value == showCaptions_) return;
  showCaptions_ = value;
  if (AutoShowHideCaptions)
    for (int i = 0; i < ControlCount(); ++i)
      if (auto* button = dynamic_cast<TspSkinSpeedButton*>(Controls(i))) button->SetShowCaption(value);
  if (WidthWithCaptions != 0 && WidthWithoutCaptions != 0) SetWidth(value ? WidthWithCaptions : WidthWithoutCaptions);
}

void TspSkinToolBar::SetFlat(bool value) {
  flat_ = value;
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* button = dynamic_cast<TspSkinSpeedButton*>(Controls(i))) button->SetFlat(value);
}

void TspSkinToolBar::SetImages(TCustomImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->Repaint();
}

void TspSkinToolBar::SetHotImages(TCustomImageList* value) {
  hotImages_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinToolBar::SetDisabledImages(TCustomImageList* value) {
  disabledImages_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinToolBar::Notification(TComponent* component, TOperation operation) {
  TspSkinPanel::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == images_) SetImages(nullptr);
  if (component == hotImages_) SetHotImages(nullptr);
  if (component == disabledImages_) SetDisabledImages(nullptr);
}

void TspSkinToolBar::SetSkinData(TspSkinData* value) {
  TspSkinPanel::SetSkinData(value);
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* button = dynamic_cast<TspSkinSpeedButton*>(Controls(i))) button->SetSkinData(value);
    if (auto* bevel = dynamic_cast<TspSkinBevel*>(Controls(i))) bevel->SetSkinData(value);
  }
}

// In the designer the buttons take the records that go with the bar's own.
void TspSkinToolBar::SetSkinDataName(const String& value) {
  SkinDataName = value;
  if (!Designing() || HasState(csLoading)) return;
  const bool big = value == "bigtoolpanel";
  for (int i = 0; i < ControlCount(); ++i) {
    auto* button = dynamic_cast<TspSkinSpeedButton*>(Controls(i));
    if (!button) continue;
    String name;
    if (value == "resizetoolpanel") name = "resizetoolbutton";
    else if (value == "panel") name = "resizebutton";
    else if (auto* menu = dynamic_cast<TspSkinMenuSpeedButton*>(button))
      name = menu->TrackButtonMode() ? (big ? "bigtoolmenutrackbutton" : "toolmenutrackbutton")
                                     : (big ? "bigtoolmenubutton" : "toolmenubutton");
    else name = big ? "bigtoolbutton" : "toolbutton";
    button->SkinDataName = name;
  }
}

void TspSkinToolBar::AdjustAllControls() {
  TRect client = GetSkinClientRect();
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (dynamic_cast<TspSkinControl*>(child) || dynamic_cast<TspGraphicSkinControl*>(child)) continue;
    if (child->Align() != alNone) continue;
    Integer top = client.Top + client.Height() / 2 - child->Height() / 2;
    if (child->Top() != top) child->SetTop(top);
  }
}

void TspSkinToolBar::SetBounds(int left, int top, int width, int height) {
  Integer oldWidth = Width();
  TspSkinPanel::SetBounds(left, top, width, height);
  if (CanScroll) {
    arrows_.GrowDelta = oldWidth != 0 && Width() > oldWidth ? Width() - oldWidth : 0;
    if (Align() != alNone) GetScrollInfo();
  }
  if (!AdjustControls || settingBounds_) return;
  settingBounds_ = true;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    child->SetBounds(child->Left(), child->Top(), child->Width(), child->Height());
  }
  AdjustAllControls();
  settingBounds_ = false;
}

void TspSkinToolBar::Dispatch(TMessage& message) {
  TspSkinPanel::Dispatch(message);
  if (message.Msg == WM_WINDOWPOSCHANGING && HandleAllocated() && AdjustControls) AdjustAllControls();
}
