// Multiple documents on skinned forms: the children maximize, minimize and
// restore themselves, so the frame's component keeps the window list in the main
// form's WindowMenu, the tab bar, the arrangements (tile, cascade, minimized
// icons), the all-children operations and the MDI work area, and answers the
// three messages children send their frame. The frame's MDI client window is
// taken over to paint its background and to keep maximized children filling it.
#include <algorithm>
#include <cmath>

#include "platform/controls/Application.h"
#include "platform/controls/Menus.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/SkinMDITabsBar.h"
#include "skin/menus/SkinMainMenuBar.h"

namespace {

const String kChildItem = "_DSFCHILDITEM";

// The child a list item stands for: its name without the first marker.
String ChildNameOf(const String& itemName, const String& marker) {
  String name = itemName;
  const size_t at = name.find(marker);
  if (at != String::npos) name.erase(at, marker.size());
  return name;
}

bool IsChildItem(const TMenuItem* item) { return item->Name().find(kChildItem) != String::npos; }

template <class F>
void ForEachChild(TCustomForm* frame, F&& f) {
  if (!frame) return;
  // A copy: closing or hiding a child may change the list.
  std::vector<TCustomForm*> children;
  for (int i = 0; i < frame->MDIChildCount(); ++i) children.push_back(frame->MDIChildren(i));
  for (TCustomForm* child : children) f(child);
}

}  // namespace

TspDynamicSkinForm* TspDynamicSkinForm::MainFormComponent() const {
  return Application.MainForm() ? GetDynamicSkinFormComponent(Application.MainForm()) : nullptr;
}

// ---- window list ----

void TspDynamicSkinForm::AddChildToMenu(TCustomForm* child) {
  TspDynamicSkinForm* main = MainFormComponent();
  TMenuItem* windowMenu = Application.MainForm() ? Application.MainForm()->WindowMenu() : nullptr;
  if (!main || !windowMenu) return;
  auto* item = new TMenuItem(this);
  item->SetName(child->Name() + kChildItem);
  item->SetCaption(child->Caption());
  item->OnClick = TNotifyEvent(main, &TspDynamicSkinForm::MDIItemClick);
  windowMenu->Add(item);
}

// Only the items made here go: the application's own items of the window menu
// stay, also when the last child leaves.
void TspDynamicSkinForm::DeleteChildFromMenu(TCustomForm* child) {
  TMenuItem* windowMenu = Application.MainForm() ? Application.MainForm()->WindowMenu() : nullptr;
  if (!MainFormComponent() || !windowMenu) return;
  for (int i = 0; i < windowMenu->Count(); ++i) {
    TMenuItem* item = windowMenu->Items(i);
    if (IsChildItem(item) && ChildNameOf(item->Name(), kChildItem) == child->Name()) {
      delete item;
      return;
    }
  }
}

void TspDynamicSkinForm::UpDateChildCaptionInMenu(TCustomForm* child) {
  TMenuItem* windowMenu = Application.MainForm() ? Application.MainForm()->WindowMenu() : nullptr;
  if (!MainFormComponent() || !windowMenu) return;
  for (int i = 0; i < windowMenu->Count(); ++i) {
    TMenuItem* item = windowMenu->Items(i);
    if (IsChildItem(item) && ChildNameOf(item->Name(), kChildItem) == child->Name())
      return item->SetCaption(child->Caption());
  }
}

void TspDynamicSkinForm::UpDateChildActiveInMenu() {
  TCustomForm* main = Application.MainForm();
  TMenuItem* windowMenu = main ? main->WindowMenu() : nullptr;
  if (!MainFormComponent() || !windowMenu) return;
  TCustomForm* active = main->ActiveMDIChild();
  for (int i = 0; i < windowMenu->Count(); ++i) {
    TMenuItem* item = windowMenu->Items(i);
    if (IsChildItem(item))
      item->SetChecked(active && ChildNameOf(item->Name(), kChildItem) == active->Name());
  }
}

void TspDynamicSkinForm::MDIItemClick(TObject* sender) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item) return;
  const String name = ChildNameOf(item->Name(), kChildItem);
  ForEachChild(Application.MainForm(), [&](TCustomForm* child) {
    if (child->Name() != name) return;
    TspDynamicSkinForm* component = GetDynamicSkinFormComponent(child);
    if (component && component->WindowState() == wsMinimized) component->SetWindowState(wsNormal);
    child->Show();
  });
}

void TspDynamicSkinForm::SetMaxMenuItemsInWindow(Integer value) {
  if (value < 0) return;
  maxMenuItemsInWindow_ = value;
  if (ApplyMaxMenuItems) ApplyMaxMenuItems(this, value);
}

// ---- tab bar ----

void TspDynamicSkinForm::AddChildToBar(TCustomForm* child) {
  TspDynamicSkinForm* main = MainFormComponent();
  if (main && main->mdiTabsBar_) main->mdiTabsBar_->AddTab(child);
}

void TspDynamicSkinForm::DeleteChildFromBar(TCustomForm* child) {
  TspDynamicSkinForm* main = MainFormComponent();
  if (main && main->mdiTabsBar_) main->mdiTabsBar_->DeleteTab(child);
}

void TspDynamicSkinForm::RefreshMDIBarTab(TCustomForm* child) {
  TspDynamicSkinForm* main = MainFormComponent();
  if (main && main->mdiTabsBar_) main->mdiTabsBar_->RefreshTab(child);
}

void TspDynamicSkinForm::CheckMDIBar() {
  TspDynamicSkinForm* main = MainFormComponent();
  if (main && main->mdiTabsBar_) main->mdiTabsBar_->CheckActive();
}

void TspDynamicSkinForm::CheckMDIMainMenu() {
  TspDynamicSkinForm* main = MainFormComponent();
  if (!main || !main->mainMenuBar_) return;
  TspSkinMainMenuBar* bar = main->mainMenuBar_;
  if (bar->GetChildMainMenu() || bar->MergedMenu()) bar->UpDateItems();
}

void TspDynamicSkinForm::SetMDITabsBar(TspSkinMDITabsBar* value) {
  if (mdiTabsBar_) mdiTabsBar_->RemoveFreeNotification(this);
  mdiTabsBar_ = value;
  if (value) value->FreeNotification(this);
}

void TspDynamicSkinForm::SetMainMenuBar(TspSkinMainMenuBar* value) {
  if (mainMenuBar_) mainMenuBar_->RemoveFreeNotification(this);
  mainMenuBar_ = value;
  if (value) value->FreeNotification(this);
}

void TspDynamicSkinForm::ForgetMDILinks(TComponent* component) {
  if (mdiTabsBar_ && component == static_cast<TComponent*>(mdiTabsBar_)) mdiTabsBar_ = nullptr;
  if (mainMenuBar_ && component == static_cast<TComponent*>(mainMenuBar_)) mainMenuBar_ = nullptr;
}

// ---- work area and arrangements ----

TRect TspDynamicSkinForm::GetMDIWorkArea() const {
  TCustomForm* main = Application.MainForm();
  if (!main) return TRect{};
  TRect r{0, 0, main->ClientWidth(), main->ClientHeight()};
  for (int i = 0; i < main->ControlCount(); ++i) {
    TControl* c = main->Controls(i);
    if (!c->Visible()) continue;
    switch (c->Align()) {
      case alLeft: r.Left = std::max(r.Left, c->Left() + c->Width()); break;
      case alTop: r.Top = std::max(r.Top, c->Top() + c->Height()); break;
      case alRight: r.Right = std::min(r.Right, c->Left()); break;
      case alBottom: r.Bottom = std::min(r.Bottom, c->Top()); break;
      default: break;
    }
  }
  return r;
}

void TspDynamicSkinForm::Tile() {
  if (form_->FormStyle() != fsMDIForm) return;
  RestoreAll();
  const Integer n = form_->MDIChildCount();
  const Integer cols = static_cast<Integer>(std::trunc(std::sqrt(static_cast<double>(n))));
  if (cols <= 0) return;
  Integer rows = n / cols;
  if (n > rows * cols) ++rows;
  const TRect area = GetMDIWorkArea();
  const Integer w = area.Width(), h = area.Height();
  const Integer colW = w / cols;
  Integer rowH = h / rows, x = w, y = h, colsLeft = cols;
  for (Integer k = n; k >= 1; --k) {
    form_->MDIChildren(k - 1)->SetBounds(std::max(0, x - colW), std::max(0, y - rowH), colW, rowH);
    y -= rowH;
    if (y - rowH < 0) {
      // The remaining children spread evenly over the remaining columns.
      y = h;
      x -= colW;
      colsLeft = std::max<Integer>(1, colsLeft - 1);
      rowH = h / std::max<Integer>(1, (k - 1 + colsLeft - 1) / colsLeft);
    }
  }
}

void TspDynamicSkinForm::Cascade() {
  if (form_->FormStyle() != fsMDIForm) return;
  RestoreAll();
  const Integer n = form_->MDIChildCount();
  const TRect area = GetMDIWorkArea();
  const Integer w = area.Width(), h = area.Height();
  // A frame whose skin has no caption band gives a step of 0: one pixel at least.
  const Integer step = std::max<Integer>(1, skinActive_ ? TargetClientRect.Top : GetDefCaptionHeight() + 3);
  const Integer shifts = (w - static_cast<Integer>(std::nearbyint(w * 0.8))) / step;
  Integer cw = shifts > n ? w - (n - 1) * step : w - shifts * step;
  Integer ch = shifts > n ? h - (n - 1) * step : h - shifts * step;
  cw = std::max(cw, GetMinWidth());
  ch = std::max(ch, GetMinHeight());
  Integer pos = 0;
  for (Integer i = n - 1; i >= 0; --i) {
    TCustomForm* child = form_->MDIChildren(i);
    const bool ownSize = child->BorderStyle() == bsSingle;
    const Integer cwi = ownSize ? child->Width() : cw, chi = ownSize ? child->Height() : ch;
    if (pos + cwi > w || pos + chi > h) pos = 0;
    child->SetBounds(pos, pos, cwi, chi);
    pos += step;
  }
}

void TspDynamicSkinForm::MinimizeAll() {
  if (form_->FormStyle() != fsMDIForm) return;
  ForEachChild(form_, [](TCustomForm* child) {
    if (TspDynamicSkinForm* c = GetDynamicSkinFormComponent(child)) c->SetWindowState(wsMinimized);
  });
}

void TspDynamicSkinForm::MaximizeAll() {
  if (form_->FormStyle() != fsMDIForm) return;
  ForEachChild(form_, [](TCustomForm* child) {
    if (TspDynamicSkinForm* c = GetDynamicSkinFormComponent(child)) c->SetWindowState(wsMaximized);
  });
}

void TspDynamicSkinForm::RestoreAll() {
  if (form_->FormStyle() != fsMDIForm) return;
  ForEachChild(form_, [](TCustomForm* child) {
    TspDynamicSkinForm* c = GetDynamicSkinFormComponent(child);
    if (!c) return;
    if (c->WindowState() != wsNormal) c->SetWindowState(wsNormal);
    if (c->RollUpState() && c->WindowState() == wsNormal) c->SetRollUpState(false);
  });
}

void TspDynamicSkinForm::CloseAll() {
  if (form_->FormStyle() != fsMDIForm) return;
  for (int i = form_->MDIChildCount() - 1; i >= 0; --i)
    if (i < form_->MDIChildCount()) form_->MDIChildren(i)->Close();
}

void TspDynamicSkinForm::ResizeMDIChilds() {
  ForEachChild(form_, [](TCustomForm* child) {
    if (child->HandleAllocated()) ::SendMessageA(child->Handle(), WM_MDICHILDMOVE, 0, 0);
  });
  ArangeMinimizedChilds();
}

void TspDynamicSkinForm::ArangeMinimizedChilds() {
  ForEachChild(form_, [](TCustomForm* child) {
    TspDynamicSkinForm* c = GetDynamicSkinFormComponent(child);
    if (!c || c->WindowState() != wsMinimized) return;
    const TPoint at = c->GetMinimizeCoord();
    child->SetBounds(at.X, at.Y, child->Width(), child->Height());
  });
}

TCustomForm* TspDynamicSkinForm::GetMaximizeMDIChild() const {
  TCustomForm* main = Application.MainForm();
  if (!main) return nullptr;
  auto maximized = [](TCustomForm* child) {
    TspDynamicSkinForm* c = child ? GetDynamicSkinFormComponent(child) : nullptr;
    return c && c->WindowState() == wsMaximized;
  };
  if (maximized(main->ActiveMDIChild())) return main->ActiveMDIChild();
  for (int i = 0; i < main->MDIChildCount(); ++i)
    if (maximized(main->MDIChildren(i))) return main->MDIChildren(i);
  return nullptr;
}

// ---- messages ----

// The MDI rows of the window procedure; true when the message goes on.
bool TspDynamicSkinForm::MDIMessage(TMessage& message) {
  const bool frame = form_->FormStyle() == fsMDIForm;
  switch (message.Msg) {
    case WM_MDICHILDMOVE:
      if (IsMDIChildMaximized()) {
        TspDynamicSkinForm* main = MainFormComponent();
        const TRect area = main ? main->GetMDIWorkArea() : GetMDIWorkArea();
        form_->SetBounds(0, 0, area.Width(), area.Height());
      }
      return true;
    case WM_MDICHILDMAX:
      if (!frame) return true;
      mdiChildMaximized_ = true;
      SendNCPaint();
      if (mainMenuBar_) mainMenuBar_->MDIChildMaximize();
      return true;
    case WM_MDICHILDRESTORE:
      if (!frame) return true;
      if (!GetMaximizeMDIChild()) mdiChildMaximized_ = false;
      SendNCPaint();
      if (mainMenuBar_) mainMenuBar_->MDIChildRestore();
      return true;
    case SkinMsgAfterChange:
      if (frame && skinData_ && message.WParam == reinterpret_cast<WPARAM>(skinData_)) ResizeMDIChilds();
      return true;
    default:
      return true;
  }
}

void TspDynamicSkinForm::HookMDIClient() {
  if (form_->FormStyle() != fsMDIForm || !form_->ClientHandle() || mdiClient_.Attached()) return;
  mdiClient_.Attach(form_->ClientHandle(), TWndMethod(this, &TspDynamicSkinForm::MDIClientProc));
}

void TspDynamicSkinForm::MDIClientProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE: {
      mdiClient_.CallPrevious(message);
      ResizeMDIChilds();
      const bool usable = skinActive_ && HasUsableSkin();
      const bool ownPicture = usable && NamedPicture(skinData_->MDIBGPictureIndex);
      if (!logoBitMap_->Empty() || (usable && !ownPicture && skinData_->stretcheffect) ||
          (ownPicture && skinData_->MDIBGStretchEffect)) {
        RECT r{0, 0, form_->ClientWidth(), form_->ClientHeight()};
        ::RedrawWindow(mdiClient_.Window(), &r, nullptr, RDW_ERASE | RDW_INVALIDATE);
      }
      return;
    }
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      if (!HasUsableSkin())
        PaintMDIBGDefault(dc);
      else if (NamedPicture(skinData_->MDIBGPictureIndex))
        PaintBG3(dc);
      else if (!NamedPicture(skinData_->bgpictureindex))
        PaintBG(dc);
      else
        PaintBG2(dc);
      message.Result = 1;
      return;
    }
    default:
      mdiClient_.CallPrevious(message);
  }
}
