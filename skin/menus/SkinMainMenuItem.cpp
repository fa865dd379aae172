// The main menu drawn in the skinned frame: its items' placement, looks,
// hover hand-over and drop-downs, and building them from the form's main menu.
#include "skin/menus/SkinMainMenuItem.h"

#include "skin/draw/MorphKind.h"
#include "skin/draw/SkinRects.h"
#include "skin/draw/SkinText.h"
#include "skin/draw/Speffbmp.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinFormMenuHost.h"
#include "skin/menus/SkinMainMenuBar.h"
#include "skin/menus/SkinMenu.h"

namespace {

TRect Moved(const TRect& r, Integer dx, Integer dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

// Where a frame rectangle lies on the screen.
TRect ScreenRectOf(TspDynamicSkinForm* skinForm, const TRect& r) {
  TCustomForm* form = skinForm->Form();
  if (!skinForm->IsMDIChild()) return Moved(r, form->Left(), form->Top());
  const TPoint origin = skinForm->SkinActive()
                            ? form->ClientToScreen(TPoint{-skinForm->TargetClientRect.Left,
                                                          -skinForm->TargetClientRect.Top})
                            : form->ClientToScreen(TPoint{-3, -skinForm->GetDefCaptionHeight() - 3});
  return Moved(r, origin.X, origin.Y);
}

}  // namespace

TspSkinMainMenuItem::TspSkinMainMenuItem(TspDynamicSkinForm* form, TspDataSkinMainMenuItem* data,
                                         TMenuItem* menuItem)
    : TspActiveSkinObject(form, data), MenuItem(menuItem) {
  SavedEnabled = Enabled;
  if (!data) return;
  FontName = data->FontName;
  FontHeight = data->FontHeight;
  FontStyle = data->FontStyle;
  unenabledfontcolor = data->unenabledfontcolor;
  FontColor = data->FontColor;
  ActiveFontColor = data->ActiveFontColor;
  DownFontColor = data->DownFontColor;
  TextRect = data->TextRect;
  downrect = data->downrect;
  ItemLeftOffset = data->ItemLeftOffset;
  ItemRightOffset = data->ItemRightOffset;
  if (IsNullRect(downrect)) downrect = IsNullRect(activeskinrect) ? skinrect : activeskinrect;
  if (IsNullRect(activeskinrect)) Morphing = false;
}

// ---- drawing ----

void TspSkinMainMenuItem::SetFont(TCanvas* canvas) const {
  canvas->Font()->SetName(FontName);
  canvas->Font()->SetStyle(FontStyle);
  canvas->Font()->SetHeight(FontHeight);
}

bool TspSkinMainMenuItem::Place(TCanvas* canvas, bool update) {
  TspDynamicSkinForm* f = SkinForm;
  SetFont(canvas);
  TRect calc{0, 0, 0, 0};
  SPDrawSkinText(canvas, WideOf(MenuItem->Caption()), calc, f->Form()->DrawTextBiDiModeFlags(DT_CALCRECT | DT_CENTER));
  Integer left = 0;
  for (auto& object : f->Objects()) {
    if (object.get() == this) break;
    if (dynamic_cast<TspSkinMainMenuItem*>(object.get())) left = object->ObjectRect.Right;
  }
  if (left == 0) left = f->NewMainMenuRect.Left;
  const Integer top = f->NewMainMenuRect.Top;
  TRect r{left, top, left + skinrect.Width() - TextRect.Width() + calc.Width() + 2, top + skinrect.Height()};
  FormObjectRect = TRect{};
  if (f->SupportNCArea() && !update && f->TargetClientRect.Bottom < top) {
    FormObjectRect = r;
    r = Moved(r, 0, -f->TargetClientRect.Bottom);
  }
  ObjectRect = r;
  if (f->NewMainMenuRect.Right < ObjectRect.Right) {
    if (InBar) {
      SavedEnabled = Enabled;
      Enabled = InBar = false;
    }
    return false;
  }
  if (!InBar) {
    InBar = true;
    Enabled = SavedEnabled;
  }
  return true;
}

// The ends of the source part are kept, its middle is repeated to the width.
void TspSkinMainMenuItem::DrawFace(TBitmap* b, const TRect& source, bool active) {
  const Integer bw = b->Width(), h = std::min(b->Height(), source.Height());
  HDC dst = b->Canvas()->Handle(), src = ActivePicture->Canvas()->Handle();
  const Integer l = ItemLeftOffset, r = ItemRightOffset, m = source.Width() - l - r;
  ::BitBlt(dst, 0, 0, l, h, src, source.Left, source.Top, SRCCOPY);
  ::BitBlt(dst, bw - r, 0, r, h, src, source.Right - r, source.Top, SRCCOPY);
  if (m > 0) {
    for (Integer k = 0; k <= (bw - l - r) / m; ++k) {
      const Integer x = l + k * m, w = std::min(m, bw - r - x);
      if (w > 0) ::BitBlt(dst, x, 0, w, h, src, source.Left + l, source.Top, SRCCOPY);
    }
  }
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsClear);
  SetFont(c);
  c->Font()->SetColor(Down ? DownFontColor : active ? ActiveFontColor : MenuItem->Enabled() ? FontColor : unenabledfontcolor);
  const WideString caption = WideOf(MenuItem->Caption());
  TRect text = TextRect;
  SPDrawSkinText(c, caption, text, DT_CALCRECT);
  text.Right += 2;
  SPDrawSkinText(c, caption, text, SkinForm->Form()->DrawTextBiDiModeFlags(DT_CENTER | DT_VCENTER));
}

void TspSkinMainMenuItem::Draw(TCanvas* canvas, bool update) {
  if (!HasSkin() || !MenuItem || IsNullRect(skinrect) || IsNullRect(TextRect)) return;
  const bool fits = Place(canvas, update);
  const Integer w = ObjectRect.Width(), h = ObjectRect.Height();
  if (fits && ActivePicture && DrawableSize(w, h)) {
    TBitmap b(w, h);
    if (Down) {
      DrawFace(&b, downrect, true);
    } else if (!MorphInProgress()) {
      const bool hotLook = Active && !IsNullRect(activeskinrect);
      DrawFace(&b, hotLook ? activeskinrect : skinrect, Active);
    } else {
      TBitmap hot(w, h);
      DrawFace(&b, skinrect, false);
      DrawFace(&hot, activeskinrect, true);
      TspEffectBmp normal(b.Handle()), active(hot.Handle());
      MorphByKind(normal, active, MorphKf, MorphKind);
      normal.Draw(b.Canvas()->Handle(), 0, 0);
    }
    ::BitBlt(canvas->Handle(), ObjectRect.Left, ObjectRect.Top, w, h, b.Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  if (SkinForm->SupportNCArea() && !update && !IsNullRect(FormObjectRect)) ObjectRect = FormObjectRect;
}

// ---- pointer and menu ----

bool TspSkinMainMenuItem::SearchDown() {
  for (TspSkinMainMenuItem* other : MainMenuItemsOf(SkinForm)) {
    if (other->IDName == IDName || !other->Down) continue;
    other->SetDown(false);
    return true;
  }
  return false;
}

void TspSkinMainMenuItem::SearchActive() {
  for (TspSkinMainMenuItem* other : MainMenuItemsOf(SkinForm)) {
    if (other->IDName == IDName || !other->Active) continue;
    other->MouseLeave();
    return;
  }
}

void TspSkinMainMenuItem::MouseEnter() {
  if (SearchDown()) {
    // A menu of the bar was open: it moves to this item.
    Active = MouseOver = true;
    if (EnableMorphing()) MorphKf = 1;
    SetDown(true);
    return;
  }
  SearchActive();
  MouseOver = Active = true;
  Redraw();
}

void TspSkinMainMenuItem::MouseLeave() {
  Active = MouseOver = false;
  if (EnableMorphing() && Down) MorphKf = 0;
  Redraw();
  SkinForm->MouseLeaveEvent(IDName);
}

void TspSkinMainMenuItem::MouseDown(Integer x, Integer y, TMouseButton button) {
  if (!Enabled) return;
  if (button == mbLeft) {
    if (HasChildren()) {
      SetDown(true);
    } else {
      SetDown(false);
      SkinForm->SkinMenuOpened = false;
      // A command chosen from the keyboard mode ends it: nothing is left hooked.
      if (TspFormMenuHost* host = FormMenuHostOf(SkinForm); host && SkinForm->MainMenuActive)
        host->SkinMainMenuClose();
      if (TMenu* menu = MenuItem->GetParentMenu()) menu->DispatchCommand(MenuItem->Command());
    }
  }
  TspActiveSkinObject::MouseDown(x, y, button);
}

void TspSkinMainMenuItem::SetDown(bool value) {
  Down = value;
  if (!value) {
    Active = false;
    if (EnableMorphing()) MorphKf = 1;
    Redraw();
    return;
  }
  SkinForm->DrawSkinObject(this);
  TrackMenu();
  if (SkinForm->MainMenuActive) return;
  if (TspFormMenuHost* host = FormMenuHostOf(SkinForm)) host->Menus()->MainMenuActive = true;
  SkinForm->MainMenuActive = true;
  SkinForm->OnMainMenuEnter(SkinForm);
}

void TspSkinMainMenuItem::TrackMenu() {
  TspFormMenuHost* host = FormMenuHostOf(SkinForm);
  if (!host || !MenuItem) return;
  host->SkinMenuOpen();
  TspSkinData* data = host->MenuSkinData();
  TspSkinData* formData = SkinForm->SkinData();
  bool popupUp = formData && formData->MainMenuPopupUp;
  if (auto* menu = dynamic_cast<TspSkinMainMenu*>(MenuItem->GetParentMenu()); menu && menu->SkinData()) {
    data = menu->SkinData();
    popupUp = data->MainMenuPopupUp;
  }
  host->SkinMenu()->Popup(nullptr, data, 0, ScreenRectOf(SkinForm, ObjectRect), MenuItem, popupUp);
}

// ---- the form's items ----

std::vector<TspSkinMainMenuItem*> MainMenuItemsOf(TspDynamicSkinForm* form) {
  std::vector<TspSkinMainMenuItem*> items;
  for (auto& object : form->Objects())
    if (auto* item = dynamic_cast<TspSkinMainMenuItem*>(object.get())) items.push_back(item);
  return items;
}

std::vector<TspSkinMainMenuItem*> KeyboardMainMenuItemsOf(TspDynamicSkinForm* form) {
  std::vector<TspSkinMainMenuItem*> items = MainMenuItemsOf(form);
  std::erase_if(items, [](TspSkinMainMenuItem* item) { return !item->Enabled || !item->InBar; });
  return items;
}

void CreateFrameMainMenu(TspDynamicSkinForm* form) {
  TMainMenu* menu = form->MainMenu();
  TspSkinData* data = form->SkinData();
  if (!menu || !data) return;
  const Integer index = data->GetIndex("MAINMENUITEM");
  auto* record = index >= 0 ? dynamic_cast<TspDataSkinMainMenuItem*>(data->ObjectList[index].get()) : nullptr;
  if (!record) return;
  TMenuItem* root = menu->Items();
  for (int i = 0; i < root->Count(); ++i) {
    TMenuItem* source = root->Items(i);
    if (!source->Visible()) continue;
    auto item = std::make_unique<TspSkinMainMenuItem>(form, record, source);
    item->IDName = source->Name();
    item->Enabled = item->SavedEnabled = source->Enabled();
    form->Objects().push_back(std::move(item));
  }
}
