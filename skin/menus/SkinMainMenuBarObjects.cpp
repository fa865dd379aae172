// The objects of the main menu bar: the common hover and morph behaviour, the
// bar items that open their drop-downs (and hand an open one over to the item
// the pointer moves to), and the caption buttons of a maximized MDI child.
#include <algorithm>

#include "platform/controls/Application.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinFormMenuHost.h"
#include "skin/menus/SkinMainMenuBar.h"
#include "skin/menus/SkinMenu.h"

namespace {

constexpr double kMorphStep = 0.2;

TspFormMenuHost* HostOf(TspSkinMainMenuBar* bar) {
  return bar->DynamicSkinForm() ? FormMenuHostOf(bar->DynamicSkinForm()) : nullptr;
}

TRect ScreenRect(TControl* control, const TRect& r) {
  const TPoint tl = control->ClientToScreen(TPoint{r.Left, r.Top});
  const TPoint br = control->ClientToScreen(TPoint{r.Right, r.Bottom});
  return TRect{tl.X, tl.Y, br.X, br.Y};
}

}  // namespace

// ---- base ----

TspMenuBarObject::TspMenuBarObject(TspSkinMainMenuBar* bar, TspDataSkinObject* record) : Bar(bar) {
  if (!record) return;
  IDName = record->IDName;
  skinrect = activeskinrect = downrect = TRect{};
  skinrect = record->skinrect;
  activeskinrect = downrect = record->activeskinrect;
  Morphing = record->Morphing;
  MorphKind = record->MorphKind;
  ObjectRect = skinrect;
  if (bar->SkinData() && !bar->SkinData()->Empty) Picture = bar->SkinData()->ActivePicture(record->activepictureindex);
}

void TspMenuBarObject::Redraw() {
  if (EnableMorphing())
    Bar->MorphTimer()->SetEnabled(true);
  else
    Bar->DrawSkinObject(this);
}

void TspMenuBarObject::MouseEnter() {
  Active = MouseOver = true;
  Redraw();
}

void TspMenuBarObject::MouseLeave() {
  Active = MouseOver = false;
  Redraw();
}

bool TspMenuBarObject::CanMorphing() const {
  if (Down && downrect.Width() > 0 && downrect.Height() > 0) return false;
  return (Active && MorphKf < 1) || (!Active && MorphKf > 0);
}

bool TspMenuBarObject::EnableMorphing() const {
  return Morphing && Bar->SkinData() && !Bar->SkinData()->Empty && Bar->SkinData()->EnableSkinEffects;
}

void TspMenuBarObject::SetMorphKf(double value) { MorphKf = std::clamp(value, 0.0, 1.0); }

void TspMenuBarObject::DoMorphing() {
  SetMorphKf(Active ? MorphKf + kMorphStep : MorphKf - kMorphStep);
  Bar->DrawSkinObject(this);
}

// ---- bar item ----

TspSkinMainMenuBarItem::TspSkinMainMenuBarItem(TspSkinMainMenuBar* bar, TspDataSkinMainMenuBarItem* record)
    : TspMenuBarObject(bar, record) {
  SkinSupport = record != nullptr;
  if (!record) return;
  FontName = record->FontName;
  FontHeight = record->FontHeight;
  FontStyle = record->FontStyle;
  unenabledfontcolor = record->unenabledfontcolor;
  FontColor = record->FontColor;
  ActiveFontColor = record->ActiveFontColor;
  DownFontColor = record->DownFontColor;
  TextRect = record->TextRect;
  auto empty = [](const TRect& r) { return r.Width() <= 0 || r.Height() <= 0; };
  downrect = !empty(record->downrect) ? record->downrect : !empty(record->activeskinrect) ? record->activeskinrect : record->skinrect;
  ItemLeftOffset = record->ItemLeftOffset;
  ItemRightOffset = record->ItemRightOffset;
  stretcheffect = record->stretcheffect;
  animateskinrect = record->animateskinrect;
  framecount = record->framecount;
  AnimateInterval = record->AnimateInterval;
  inactiveanimation = record->inactiveanimation;
  if (empty(record->activeskinrect)) Morphing = false;
}

bool TspSkinMainMenuBarItem::EnableAnimation() const {
  return animateskinrect.Width() > 0 && animateskinrect.Height() > 0 && Bar->SkinData() && !Bar->SkinData()->Empty &&
         Bar->SkinData()->EnableSkinEffects;
}

void TspSkinMainMenuBarItem::Redraw() {
  if (EnableAnimation()) {
    Bar->AnimateTimer()->SetInterval(std::max<Integer>(1, AnimateInterval));
    Bar->AnimateTimer()->SetEnabled(true);
    return;
  }
  TspMenuBarObject::Redraw();
}

// Another bar item with its drop-down open (the item itself, not its name: two
// items of one name are still two items).
bool TspSkinMainMenuBarItem::SearchDown() {
  for (auto& o : Bar->Objects()) {
    auto* other = dynamic_cast<TspSkinMainMenuBarItem*>(o.get());
    if (!other || other == this || !other->Down) continue;
    other->SetDown(false);
    return true;
  }
  return false;
}

void TspSkinMainMenuBarItem::SearchActive() {
  for (auto& o : Bar->Objects()) {
    auto* other = dynamic_cast<TspSkinMainMenuBarItem*>(o.get());
    if (other && other != this && other->Active) other->MouseLeave();
  }
}

void TspSkinMainMenuBarItem::MouseEnter() {
  if (SearchDown()) {
    Active = MouseOver = true;
    if (EnableMorphing()) MorphKf = 1;
    SetDown(true);
    return;
  }
  SearchActive();
  MouseOver = Active = true;
  Redraw();
  Bar->OnItemMouseEnter(MenuItem);
  Bar->SetHint(MenuItem->Hint());
}

void TspSkinMainMenuBarItem::MouseLeave() {
  Active = MouseOver = false;
  if (EnableAnimation() && !inactiveanimation) {
    AnimFrame = 0;
    Bar->DrawSkinObject(this);
  }
  if (EnableMorphing() && Down) MorphKf = 0;
  Redraw();
  Bar->OnItemMouseLeave(MenuItem);
}

void TspSkinMainMenuBarItem::MouseDown(Integer, Integer, TMouseButton button) {
  TspDynamicSkinForm* form = Bar->DynamicSkinForm();
  if (button != mbLeft || !Enabled || !form) return;
  Bar->OnMainMenuItemClick(IDName);
  if (HasChildren()) {
    Bar->MenuMode = true;
    SetDown(true);
    return;
  }
  TspFormMenuHost* host = HostOf(Bar);
  if (form->MainMenuActive || (host && host->Menus()->MainMenuActive)) {
    if (host) host->SkinMenuClose();
    form->MainMenuActive = false;
  }
  form->SkinMenuOpened = false;
  Bar->DrawSkinObject(this);
  if (TMenu* menu = MenuItem->GetParentMenu()) menu->DispatchCommand(MenuItem->Command());
}

void TspSkinMainMenuBarItem::SetDown(bool value) {
  if (value) {
    Down = true;
    Bar->DrawSkinObject(this);
    TspDynamicSkinForm* form = Bar->DynamicSkinForm();
    if (form && !form->MainMenuActive && form->OnMainMenuEnter) form->OnMainMenuEnter(Bar);
    TrackMenu();
    return;
  }
  Down = Active = false;
  if (EnableAnimation()) {
    AnimFrame = inactiveanimation ? framecount + 1 : 0;
    if (inactiveanimation) Redraw();
    else Bar->DrawSkinObject(this);
  } else if (EnableMorphing()) {
    MorphKf = 1;
    Redraw();
  } else {
    Bar->DrawSkinObject(this);
  }
}

void TspSkinMainMenuBarItem::TrackMenu() {
  TspDynamicSkinForm* form = Bar->DynamicSkinForm();
  TspFormMenuHost* host = HostOf(Bar);
  if (!form || !host || !host->SkinMenu() || !Bar->HandleAllocated()) return;
  host->SkinMenuOpen();
  host->Menus()->MainMenuActive = true;
  form->MainMenuActive = true;
  host->SkinMenu()->Popup(nullptr, Bar->SkinData(), 0, ScreenRect(Bar, ObjectRect), MenuItem, Bar->PopupToUp);
}

// ---- MDI button ----

TspSkinMainMenuBarButton::TspSkinMainMenuBarButton(TspSkinMainMenuBar* bar, TspDataSkinMainMenuBarButton* record)
    : TspMenuBarObject(bar, record) {
  SkinSupport = record != nullptr;
  if (!record) return;
  Command = record->Command;
  downrect = record->downrect;
}

void TspSkinMainMenuBarButton::MouseDown(Integer, Integer, TMouseButton button) {
  if (button != mbLeft || !Enabled || Down) return;
  Down = true;
  if (EnableMorphing() && downrect.Width() > 0) MorphKf = 1;
  Bar->DrawSkinObject(this);
  if (Command == cmSysMenu) DoCommand();
}

void TspSkinMainMenuBarButton::MouseUp(Integer, Integer, TMouseButton button) {
  if (button != mbLeft || !Enabled || Command == cmSysMenu) return;
  Down = false;
  Bar->DrawSkinObject(this);
  if (EnableMorphing()) Redraw();
  if (Active) DoCommand();
}

void TspSkinMainMenuBarButton::MouseEnter() {
  if (Down && Command == cmSysMenu) {
    MouseOver = Active = true;
    return;
  }
  TspMenuBarObject::MouseEnter();
}

void TspSkinMainMenuBarButton::MouseLeave() {
  if (Down && Command == cmSysMenu) {
    MouseOver = Active = false;
    if (EnableMorphing()) MorphKf = 1;
    return;
  }
  TspMenuBarObject::MouseLeave();
}

void TspSkinMainMenuBarButton::DblClick() {
  if (Command != cmSysMenu) return;
  TspFormMenuHost* host = HostOf(Bar);
  if (host && host->SkinMenu()) host->SkinMenu()->Hide();
  if (Bar->DynamicSkinForm()) Bar->DynamicSkinForm()->SkinMenuClose();
  TspDynamicSkinForm* frame = Application.MainForm() ? GetDynamicSkinFormComponent(Application.MainForm()) : nullptr;
  if (TCustomForm* child = frame ? frame->GetMaximizeMDIChild() : nullptr) child->Close();
}

void TspSkinMainMenuBarButton::DoCommand() {
  TspDynamicSkinForm* frame = Application.MainForm() ? GetDynamicSkinFormComponent(Application.MainForm()) : nullptr;
  TCustomForm* child = frame ? frame->GetMaximizeMDIChild() : nullptr;
  TspDynamicSkinForm* component = child ? GetDynamicSkinFormComponent(child) : nullptr;
  if (!component) return;
  switch (Command) {
    case cmClose: child->Close(); break;
    case cmMaximize: component->SetWindowState(wsNormal); break;
    case cmMinimize: component->SetWindowState(wsMinimized); break;
    default: {
      Bar->Invalidate();
      TspFormMenuHost* host = HostOf(Bar);
      if (!host || !host->SkinMenu() || !Bar->HandleAllocated()) return;
      TspDynamicSkinForm* form = Bar->DynamicSkinForm();
      TspSkinData* skin = form->MenusSkinData() ? form->MenusSkinData() : form->SkinData();
      host->SkinMenuOpen();
      host->SkinMenu()->Popup(Bar, skin, 0, ScreenRect(Bar, ObjectRect), component->GetSystemMenu(), Bar->PopupToUp);
    }
  }
}
