// The main menu bar: its items built from the main menu (merged with the active
// MDI child's by GroupIndex), the skin record, the pointer and its timers, the
// keyboard entry points the form component calls, and the MDI buttons.
#include "skin/menus/SkinMainMenuBar.h"

#include <algorithm>

#include "platform/controls/Application.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/menus/SkinFormMenuHost.h"
#include "skin/menus/SkinMenu.h"

namespace {

std::unique_ptr<TTimer> MakeBarTimer(TspSkinMainMenuBar* bar, Cardinal interval,
                                     void (TspSkinMainMenuBar::*handler)(TObject*)) {
  auto timer = std::make_unique<TTimer>(nullptr);
  timer->SetEnabled(false);
  timer->SetInterval(interval);
  timer->SetOnTimer(TNotifyEvent(bar, handler));
  return timer;
}

}  // namespace

// ---- TspSkinMainMenu ----

void TspSkinMainMenu::SetSkinData(TspSkinData* value) {
  if (skinData_) skinData_->RemoveFreeNotification(this);
  skinData_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinMainMenu::Notification(TComponent* component, TOperation operation) {
  TMainMenu::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

// ---- the bar ----

TspSkinMainMenuBar::TspSkinMainMenuBar(TComponent* owner)
    : TspSkinControl(owner), defItemFont_(std::make_unique<TFont>()) {
  SkinDataName = "mainmenubar";
  defItemFont_->SetName("Arial");
  defItemFont_->SetStyle(0);
  defItemFont_->SetHeight(14);
  defItemFont_->SetColor(clBtnText);
  mouseTimer_ = MakeBarTimer(this, 50, &TspSkinMainMenuBar::TestMouse);
  morphTimer_ = MakeBarTimer(this, 25, &TspSkinMainMenuBar::TestMorph);
  animateTimer_ = MakeBarTimer(this, 25, &TspSkinMainMenuBar::TestAnimate);
  SetAlign(alTop);
  SetHeight(22);
}

TspSkinMainMenuBar::~TspSkinMainMenuBar() {
  mouseTimer_.reset();
  morphTimer_.reset();
  animateTimer_.reset();
  objects_.clear();
  // Borrowed links are not touched here: a sibling of one owner may be gone
  // already, and the component base takes its notices back by itself.
}

void TspSkinMainMenuBar::SetDefItemFont(const TFont* value) {
  defItemFont_->Assign(value);
  if (!UsesSkin()) Invalidate();
}

void TspSkinMainMenuBar::SetDefaultWidth(Integer value) {
  defaultWidth_ = value;
  if (value > 0 && !UsesSkin()) SetWidth(value);
}

void TspSkinMainMenuBar::SetDefaultHeight(Integer value) {
  defaultHeight_ = value;
  if (value > 0 && !UsesSkin()) SetHeight(value);
}

void TspSkinMainMenuBar::SetDynamicSkinForm(TspDynamicSkinForm* value) {
  if (dynamicSkinForm_) dynamicSkinForm_->RemoveFreeNotification(this);
  dynamicSkinForm_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinMainMenuBar::SetMainMenu(TMainMenu* value) {
  if (mainMenu_) mainMenu_->RemoveFreeNotification(this);
  mainMenu_ = value;
  if (value) value->FreeNotification(this);
  if (HasState(csDestroying)) return;
  CreateMenu();
  Invalidate();
}

void TspSkinMainMenuBar::Notification(TComponent* component, TOperation operation) {
  TspSkinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == dynamicSkinForm_) dynamicSkinForm_ = nullptr;
  if (component == mergedMenu_) mergedMenu_ = nullptr;
  if (component == mainMenu_) {
    mainMenu_ = nullptr;
    objects_.clear();  // the items showed its items
    ButtonCount = 0;
    HotIndex = OldHotIndex = PressedIndex = -1;
  }
}

// ---- items ----

std::vector<TspSkinMainMenuBarItem*> TspSkinMainMenuBar::BarItems() const {
  std::vector<TspSkinMainMenuBarItem*> items;
  for (const auto& object : objects_)
    if (auto* item = dynamic_cast<TspSkinMainMenuBarItem*>(object.get())) items.push_back(item);
  return items;
}

TspMenuBarObject* TspSkinMainMenuBar::BarItem(Integer index) const {
  if (index < 0 || index >= Integer(objects_.size())) return nullptr;
  return dynamic_cast<TspSkinMainMenuBarItem*>(objects_[index].get());
}

void TspSkinMainMenuBar::ClearObjects() {
  objects_.clear();
  ButtonCount = 0;
}

TMainMenu* TspSkinMainMenuBar::GetChildMainMenu() const {
  if (mergedMenu_) return mergedMenu_;
  if (!dynamicSkinForm_ || dynamicSkinForm_->Form()->FormStyle() != fsMDIForm) return nullptr;
  TCustomForm* main = Application.MainForm();
  TCustomForm* child = main ? main->ActiveMDIChild() : nullptr;
  if (!child) return nullptr;
  for (int i = 0; i < child->ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TMainMenu*>(child->Components(i))) return menu;
  return nullptr;
}

TspDataSkinMainMenuBarItem* TspSkinMainMenuBar::ItemRecord() const {
  TspDataSkinMainMenuBar* record = Record();
  if (!record) return nullptr;
  const Integer i = SkinData()->GetIndex(record->menubaritem);
  return i == -1 ? nullptr : dynamic_cast<TspDataSkinMainMenuBarItem*>(SkinData()->ObjectList[i].get());
}

void TspSkinMainMenuBar::CreateMenu() {
  ClearObjects();
  TMainMenu* child = GetChildMainMenu();
  if (!mainMenu_) return;
  TspDataSkinMainMenuBarItem* record = SkinData() && !SkinData()->Empty ? ItemRecord() : nullptr;
  ChildMenuShown = child != nullptr;
  if (child) ScrollMenu = false;
  std::vector<TMenuItem*> items;
  TMenuItem* top = mainMenu_->Items();
  if (child) {
    TMenuItem* childTop = child->Items();
    auto childUses = [childTop](int group) {
      for (int i = 0; i < childTop->Count(); ++i)
        if (childTop->Items(i)->GroupIndex() == group) return true;
      return false;
    };
    for (int i = 0; i < top->Count(); ++i)
      if (!childUses(top->Items(i)->GroupIndex())) items.push_back(top->Items(i));
    for (int i = 0; i < childTop->Count(); ++i) items.push_back(childTop->Items(i));
    // Stable: items of one group keep the order they came in.
    std::stable_sort(items.begin(), items.end(),
                     [](TMenuItem* a, TMenuItem* b) { return a->GroupIndex() < b->GroupIndex(); });
  } else {
    for (int i = 0; i < top->Count(); ++i) items.push_back(top->Items(i));
  }
  for (TMenuItem* menuItem : items) {
    if (!menuItem->Visible()) continue;
    auto item = std::make_unique<TspSkinMainMenuBarItem>(this, record);
    item->IDName = menuItem->Name();
    item->Enabled = item->SavedEnabled = menuItem->Enabled();
    item->MenuItem = menuItem;
    objects_.push_back(std::move(item));
  }
  if (!MDIButtonsShown) return;
  AddButtons();
  TspDynamicSkinForm* frame = Application.MainForm() ? GetDynamicSkinFormComponent(Application.MainForm()) : nullptr;
  if (TCustomForm* max = frame ? frame->GetMaximizeMDIChild() : nullptr)
    if (TspDynamicSkinForm* c = GetDynamicSkinFormComponent(max)) CheckButtons(c->BorderIcons());
}

void TspSkinMainMenuBar::UpDateItems() {
  CreateMenu();
  Invalidate();
  HotIndex = OldHotIndex = -1;
  mouseTimer_->SetEnabled(true);
}

void TspSkinMainMenuBar::UpDateEnabledItems() {
  for (TspSkinMainMenuBarItem* item : BarItems()) item->Enabled = item->MenuItem->Enabled();
  Invalidate();
}

void TspSkinMainMenuBar::Merge(TMainMenu* menu) {
  if (mergedMenu_) mergedMenu_->RemoveFreeNotification(this);
  mergedMenu_ = menu;
  if (menu) menu->FreeNotification(this);
  UpDateItems();
}

void TspSkinMainMenuBar::UnMerge() { Merge(nullptr); }

// ---- skin ----

TspDataSkinMainMenuBar* TspSkinMainMenuBar::Record() const {
  if (SkinRecordIndex == -1 || !SkinData() || SkinData()->Empty) return nullptr;
  if (SkinRecordIndex >= Integer(SkinData()->CtrlList.size())) return nullptr;
  return dynamic_cast<TspDataSkinMainMenuBar*>(SkinData()->CtrlList[SkinRecordIndex].get());
}

void TspSkinMainMenuBar::GetSkinData() {
  TspSkinControl::GetSkinData();
  TspDataSkinMainMenuBar* r = Record();
  Picture = r ? SkinData()->ActivePicture(r->pictureindex) : nullptr;
}

void TspSkinMainMenuBar::ChangeSkinData() {
  GetSkinData();
  SkinPresent = Record() != nullptr;
  CreateMenu();
  if (TspDataSkinMainMenuBar* r = Record())
    TspSkinControl::SetBounds(Left(), Top(), Width(), r->skinrect.Height());
  else if (defaultHeight_ > 0)
    TspSkinControl::SetBounds(Left(), Top(), Width(), defaultHeight_);
  Invalidate();
}

void TspSkinMainMenuBar::BeforeChangeSkinData() {
  SkinPresent = false;
  TspSkinControl::BeforeChangeSkinData();
  ClearObjects();
}

void TspSkinMainMenuBar::SetBounds(int left, int top, int width, int height) {
  if (TspDataSkinMainMenuBar* r = Record()) height = r->skinrect.Height();
  TspSkinControl::SetBounds(left, top, width, height);
  Invalidate();
}

// ---- pointer ----

void TspSkinMainMenuBar::TestMouse(TObject*) {
  if (!HandleAllocated()) return;
  POINT p{};
  ::GetCursorPos(&p);
  ::ScreenToClient(Handle(), &p);
  if (p.x < 0 || p.y < 0 || p.x >= Width() || p.y >= Height()) {
    mouseTimer_->SetEnabled(false);
    TestActive(-1, -1);
  } else {
    TestActive(p.x, p.y);
  }
}

void TspSkinMainMenuBar::TestActive(Integer x, Integer y) {
  OldHotIndex = HotIndex;
  Integer hit = -1;
  for (Integer i = 0; i < Integer(objects_.size()); ++i) {
    const TspMenuBarObject& o = *objects_[i];
    if (o.Enabled && x >= o.ObjectRect.Left && x < o.ObjectRect.Right && y >= o.ObjectRect.Top &&
        y < o.ObjectRect.Bottom) {
      hit = i;
      break;
    }
  }
  if (PressedIndex != -1 && hit != PressedIndex) hit = -1;
  if (hit == -1 && MenuMode && BarItem(OldHotIndex)) hit = OldHotIndex;
  HotIndex = hit;
  if (HotIndex != OldHotIndex) {
    if (OldHotIndex >= 0 && OldHotIndex < Integer(objects_.size()) && objects_[OldHotIndex]->Enabled)
      objects_[OldHotIndex]->MouseLeave();
    if (HotIndex >= 0 && HotIndex < Integer(objects_.size()) && objects_[HotIndex]->Enabled)
      objects_[HotIndex]->MouseEnter();
  }
  if (ItemsHidden && ScrollMenu) {
    const TRect m = GetMarkerRect();
    const bool in = x >= m.Left && x < m.Right && y >= m.Top && y < m.Bottom;
    if (in != MarkerHot) {
      MarkerHot = in;
      if (HandleAllocated()) DrawMarker(Canvas());
    }
  }
}

void TspSkinMainMenuBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinControl::MouseDown(button, shift, x, y);
  TestActive(x, y);
  if (HotIndex != -1) {
    PressedIndex = HotIndex;
    TspMenuBarObject* o = objects_[HotIndex].get();
    o->MouseDown(x, y, button);
    if ((shift & ssDouble) && PressedIndex != -1 && PressedIndex < Integer(objects_.size()))
      objects_[PressedIndex]->DblClick();
    return;
  }
  const TRect m = GetMarkerRect();
  if (ItemsHidden && ScrollMenu && x >= m.Left && x < m.Right && y >= m.Top && y < m.Bottom) TrackScrollMenu();
}

void TspSkinMainMenuBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinControl::MouseUp(button, shift, x, y);
  if (PressedIndex >= 0 && PressedIndex < Integer(objects_.size())) objects_[PressedIndex]->MouseUp(x, y, button);
  PressedIndex = -1;
}

void TspSkinMainMenuBar::MouseMove(TShiftState shift, int x, int y) {
  TspSkinControl::MouseMove(shift, x, y);
  mouseTimer_->SetEnabled(true);
  TestActive(x, y);
}

void TspSkinMainMenuBar::CMMouseEnter(TMessage& message) {
  TspSkinControl::CMMouseEnter(message);
  mouseTimer_->SetEnabled(true);
}

void TspSkinMainMenuBar::CMMouseLeave(TMessage& message) {
  TspSkinControl::CMMouseLeave(message);
  mouseTimer_->SetEnabled(false);
  TestActive(-1, -1);
}

void TspSkinMainMenuBar::TestMorph(TObject*) {
  bool any = false;
  for (auto& o : objects_)
    if (o->EnableMorphing() && o->CanMorphing()) {
      o->DoMorphing();
      any = true;
    }
  if (!any) morphTimer_->SetEnabled(false);
}

void TspSkinMainMenuBar::TestAnimate(TObject*) {
  bool any = false;
  for (Integer i = 0; i < Integer(objects_.size()); ++i) {
    auto* item = dynamic_cast<TspSkinMainMenuBarItem*>(objects_[i].get());
    if (!item || !item->EnableAnimation()) continue;
    const bool hot = i == HotIndex || item->Active;
    if (hot && item->AnimFrame <= item->framecount) {
      ++item->AnimFrame;
    } else if (!hot && item->AnimFrame > 0) {
      --item->AnimFrame;
    } else {
      continue;
    }
    any = true;
    DrawSkinObject(item);
  }
  if (!any) animateTimer_->SetEnabled(false);
}

void TspSkinMainMenuBar::TrackScrollMenu() {
  if (!dynamicSkinForm_ || !mainMenu_ || !HandleAllocated()) return;
  TspFormMenuHost* host = FormMenuHostOf(dynamicSkinForm_);
  if (!host || !host->SkinMenu()) return;
  Integer shown = 0;
  for (TspSkinMainMenuBarItem* item : BarItems())
    if (item->InBar) ++shown;
  TRect r = GetMarkerRect();
  const TPoint tl = ClientToScreen(TPoint{r.Left, r.Top}), br = ClientToScreen(TPoint{r.Right, r.Bottom});
  host->SkinMenuOpen();
  TMainMenu* child = GetChildMainMenu();
  if (child)
    host->SkinMenu()->Popup2(nullptr, SkinData(), shown, TRect{tl.X, tl.Y, br.X, br.Y}, mainMenu_->Items(),
                             child->Items(), false);
  else
    host->SkinMenu()->Popup(nullptr, SkinData(), shown, TRect{tl.X, tl.Y, br.X, br.Y}, mainMenu_->Items(), false);
}

// ---- keyboard ----

bool TspSkinMainMenuBar::FindHotKeyItem(Word key) {
  if (!dynamicSkinForm_ || !dynamicSkinForm_->Form()->Visible()) return false;
  TspFormMenuHost* host = FormMenuHostOf(dynamicSkinForm_);
  const bool menuOpen = host && host->SkinMenu() && host->SkinMenu()->Visible();
  for (TspSkinMainMenuBarItem* item : BarItems()) {
    if (!item->Enabled || !item->InBar || !IsAccel(key, item->MenuItem->Caption())) continue;
    item->MouseEnter();
    if (!menuOpen || !item->HasChildren()) item->MouseDown(0, 0, mbLeft);
    return true;
  }
  return false;
}

void TspSkinMainMenuBar::NextMainMenuItem() {
  std::vector<TspSkinMainMenuBarItem*> items;
  for (TspSkinMainMenuBarItem* item : BarItems())
    if (item->Enabled && item->InBar) items.push_back(item);
  if (items.empty()) return;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i]->Active && !items[i]->Down) continue;
    items[i]->MouseLeave();
    items[(i + 1) % items.size()]->MouseEnter();
    return;
  }
  items.front()->MouseEnter();
}

void TspSkinMainMenuBar::PriorMainMenuItem() {
  std::vector<TspSkinMainMenuBarItem*> items;
  for (TspSkinMainMenuBarItem* item : BarItems())
    if (item->Enabled && item->InBar) items.push_back(item);
  if (items.empty()) return;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i]->Active && !items[i]->Down) continue;
    items[i]->MouseLeave();
    items[(i + items.size() - 1) % items.size()]->MouseEnter();
    return;
  }
  items.front()->MouseEnter();
}

bool TspSkinMainMenuBar::CheckReturnKey() {
  TspFormMenuHost* host = dynamicSkinForm_ ? FormMenuHostOf(dynamicSkinForm_) : nullptr;
  const bool menuOpen = host && host->SkinMenu() && host->SkinMenu()->Visible();
  for (TspSkinMainMenuBarItem* item : BarItems()) {
    if ((item->Down && !item->HasChildren()) || (item->Active && !menuOpen)) {
      item->Active = false;
      item->MouseDown(0, 0, mbLeft);
      return true;
    }
  }
  return false;
}

void TspSkinMainMenuBar::MenuEnter() {
  MenuMode = true;
  std::vector<TspSkinMainMenuBarItem*> items = BarItems();
  if (items.empty()) return;
  auto active = std::find_if(items.begin(), items.end(), [](auto* i) { return i->Active; });
  (active != items.end() ? *active : items.front())->MouseEnter();
  if (!dynamicSkinForm_) return;
  if (TspFormMenuHost* host = FormMenuHostOf(dynamicSkinForm_)) {
    host->Menus()->HookApp();
    host->Menus()->MainMenuActive = true;
  }
  dynamicSkinForm_->MainMenuActive = true;
}

void TspSkinMainMenuBar::MenuClose() {
  for (TspSkinMainMenuBarItem* item : BarItems()) {
    if (!item->Down) continue;
    item->Down = false;
    item->Active = true;
    if (item->EnableMorphing()) item->MorphKf = 1;
    DrawSkinObject(item);
    return;
  }
}

void TspSkinMainMenuBar::MenuExit() {
  MenuMode = false;
  for (TspSkinMainMenuBarItem* item : BarItems()) {
    if (!item->Down && !item->Active) continue;
    item->Active = item->MouseOver = item->Down = false;
    if (item->EnableMorphing()) item->MorphKf = 1;
    if (item->EnableAnimation() && !item->inactiveanimation) {
      item->AnimFrame = 0;
      DrawSkinObject(item);
    } else {
      item->Redraw();
    }
    break;
  }
  HotIndex = OldHotIndex = -1;
}

// ---- MDI buttons ----

TspSkinMainMenuBarButton* TspSkinMainMenuBar::MakeButton(const String& name, TStdCommand command) {
  TspDataSkinMainMenuBarButton* record = nullptr;
  if (SkinData() && !SkinData()->Empty) {
    const Integer i = SkinData()->GetIndex(name);
    if (i != -1) record = dynamic_cast<TspDataSkinMainMenuBarButton*>(SkinData()->ObjectList[i].get());
  }
  auto* button = new TspSkinMainMenuBarButton(this, record);
  if (!record) {
    button->IDName = name;
    button->Command = command;
  }
  return button;
}

void TspSkinMainMenuBar::AddButtons() {
  TspDataSkinMainMenuBar* r = Record();
  struct Spec {
    const char* name;
    String skinName;
    TStdCommand command;
  } specs[] = {{"MinButton", r ? r->minbutton : "", cmMinimize},
               {"MaxButton", r ? r->maxbutton : "", cmMaximize},
               {"CloseButton", r ? r->closebutton : "", cmClose},
               {"SysMenuButton", r ? r->sysmenubutton : "", cmSysMenu}};
  for (const Spec& s : specs)
    objects_.insert(objects_.begin(), std::unique_ptr<TspMenuBarObject>(MakeButton(r ? s.skinName : s.name, s.command)));
  ButtonCount = 4;
}

void TspSkinMainMenuBar::DeleteButtons() {
  objects_.erase(objects_.begin(), objects_.begin() + std::min<Integer>(ButtonCount, Integer(objects_.size())));
  HotIndex = PressedIndex = -1;
  ButtonCount = 0;
}

void TspSkinMainMenuBar::CheckButtons(TBorderIcons icons) {
  for (Integer i = 0; i < ButtonCount && i < Integer(objects_.size()); ++i) {
    auto* b = static_cast<TspSkinMainMenuBarButton*>(objects_[i].get());
    b->Enabled = !((b->Command == cmMinimize && !(icons & biMinimize)) ||
                   (b->Command == cmSysMenu && !(icons & biSystemMenu)));
  }
}

void TspSkinMainMenuBar::MDIChildMaximize() {
  if (MDIButtonsShown) return;
  MDIButtonsShown = true;
  HotIndex = OldHotIndex = PressedIndex = -1;
  AddButtons();
  TspDynamicSkinForm* frame = Application.MainForm() ? GetDynamicSkinFormComponent(Application.MainForm()) : nullptr;
  if (TCustomForm* child = frame ? frame->GetMaximizeMDIChild() : nullptr)
    if (TspDynamicSkinForm* c = GetDynamicSkinFormComponent(child)) CheckButtons(c->BorderIcons());
  Invalidate();
}

void TspSkinMainMenuBar::MDIChildRestore() {
  TspDynamicSkinForm* frame = Application.MainForm() ? GetDynamicSkinFormComponent(Application.MainForm()) : nullptr;
  TCustomForm* child = frame ? frame->GetMaximizeMDIChild() : nullptr;
  TspDynamicSkinForm* component = child ? GetDynamicSkinFormComponent(child) : nullptr;
  if (component) return CheckButtons(component->BorderIcons());
  if (!MDIButtonsShown) return;
  MDIButtonsShown = false;
  DeleteButtons();
  Invalidate();
}

void TspSkinMainMenuBar::CloseSysMenu() {
  for (Integer i = 0; i < ButtonCount && i < Integer(objects_.size()); ++i) {
    auto* b = static_cast<TspSkinMainMenuBarButton*>(objects_[i].get());
    if (b->Command != cmSysMenu || !b->Down) continue;
    b->Down = false;
    if (i != HotIndex) b->Active = b->MouseOver = false;
    DrawSkinObject(b);
  }
}

// ---- messages ----

void TspSkinMainMenuBar::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;  // the whole bar is painted off-screen
      return;
    case WM_SIZE:
      TspSkinControl::Dispatch(message);
      CalcRects();
      return;
    case WM_CHECKPARENTBG:
      if (UsesSkin() && SkinData()->MainMenuBarTransparent) Invalidate();
      return;
    case WM_MOVE:
      TspSkinControl::Dispatch(message);
      if (Align() == alNone && UsesSkin() && SkinData()->MainMenuBarTransparent) Invalidate();
      return;
    case WM_CLOSESKINMENU:
      CloseSysMenu();
      return;
    default:
      TspSkinControl::Dispatch(message);
  }
}
