// A row's state: hover, pressed, morphing and frame animation.
#include "skin/menus/SkinMenuItem.h"

#include "skin/draw/SkinRects.h"
#include "skin/draw/Speffbmp.h"
#include "skin/menus/SkinPopupWindow.h"

TspSkinMenuItem::TspSkinMenuItem(TspSkinPopupWindow* window, TMenuItem* item, TspDataSkinMenuItem* record)
    : Window(window), SkinRecord(record), SourceItem(item) {
  if (!record) return;
  SkinRect = record->skinrect;
  ActiveSkinRect = record->activeskinrect;
  if (window->SkinData) Picture = window->SkinData->ActivePicture(record->activepictureindex);
  if (!Picture) SkinRect = ActiveSkinRect = TRect{0, 0, 0, 0};
}

bool TspSkinMenuItem::EnableAnimation() const {
  TspSkinData* data = Window->SkinData;
  return SkinRecord && !IsNullRect(SkinRecord->animateskinrect) && SkinRecord->framecount > 0 && data &&
         !data->Empty && data->EnableSkinEffects;
}

bool TspSkinMenuItem::EnableMorphing() const {
  TspSkinData* data = Window->SkinData;
  return SkinRecord && SkinRecord->Morphing && data && data->EnableSkinEffects;
}

void TspSkinMenuItem::MouseEnter(bool byKeyboard) {
  Hot = true;
  if (EnableAnimation()) AnimFrame = 0;
  for (auto& row : Window->Items) {
    if (row.get() == this || !row->Pressed) continue;
    row->Pressed = false;
    row->Redraw();
  }
  TspSkinMenu* menu = Window->Menu;
  const Integer level = menu->GetPWIndex(Window);
  if (KeyboardSelected && !byKeyboard) {
    Redraw();
  } else if (Pressed && menu->LevelCount() - 1 - level >= 2) {
    menu->Level(level + 1)->UpDatePW();
  } else {
    Redraw();
    menu->CheckItem(Window, this, false, byKeyboard);
  }
  if (Window->Hint() != SourceItem->Hint()) Window->SetHint(SourceItem->Hint());
}

void TspSkinMenuItem::MouseLeave() {
  KeyboardSelected = false;
  Hot = false;
  if (EnableAnimation()) AnimFrame = SkinRecord->framecount + 1;
  if (!Pressed) Redraw();
  if (Window->Menu->PendingItem == this) Window->Menu->StopWaiting();
}

void TspSkinMenuItem::MouseDown(Integer, Integer) {
  KeyboardSelected = false;
  if (!Pressed && SourceItem->Enabled()) Window->Menu->CheckItem(Window, this, true, false);
}

void TspSkinMenuItem::Redraw() {
  TTimer* timer = Window->MorphTimer();
  if (EnableAnimation()) {
    Cardinal interval = SkinRecord->AnimateInterval > 0 ? SkinRecord->AnimateInterval : 25;
    if (timer->Interval() != interval) timer->SetInterval(interval);
    if (!SkinRecord->inactiveanimation && !Hot) {
      AnimFrame = 0;
      Window->DrawRow(this);
    } else {
      timer->SetEnabled(true);
    }
  } else if (EnableMorphing()) {
    if (timer->Interval() != 20) timer->SetInterval(20);
    timer->SetEnabled(true);
  } else {
    Window->DrawRow(this);
  }
}

bool TspSkinMenuItem::CanMorphing() {
  if (!Shown) {
    if (MorphKf != 0) Hot = Pressed = false, MorphKf = 0;
    return false;
  }
  return Selected() ? MorphKf < 1 : MorphKf > 0;
}

void TspSkinMenuItem::DoMorphing() {
  SetMorphKf(Selected() ? MorphKf + 0.2 : MorphKf - 0.2);
  Window->DrawRow(this);
}

void TspSkinMenuItem::SetMorphKf(double value) {
  // Steps of 0.2 land on the ends exactly, not a rounding error short of them.
  if (value < 1e-9) value = 0;
  if (value > 1 - 1e-9) value = 1;
  MorphKf = value;
}
