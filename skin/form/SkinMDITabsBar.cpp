// The tab bar's tabs, their layout, the mouse (show, drag, close), and the two
// drop-down lists of children.
#include "skin/form/SkinMDITabsBar.h"

#include <algorithm>

#include "platform/controls/Application.h"
#include "platform/controls/Menus.h"
#include "skin/controls/buttons/SkinMenuSpeedButton.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/FormMenuSeams.h"
#include "skin/menus/SkinPopupMenu.h"

namespace {

const String kBarItem = "_DSFCHILDITEMBAR";
const String kHideItem = "_DSFCHILDITEMBARHIDE";
constexpr Integer kListButtonWidth = 15;

void ShiftRect(TRect& r, Integer dx, Integer dy) {
  r.Left += dx, r.Right += dx;
  r.Top += dy, r.Bottom += dy;
}

}  // namespace

TspSkinMDITabsBar::TspSkinMDITabsBar(TComponent* owner)
    : TspSkinControl(owner),
      defaultFont_(std::make_unique<TFont>()),
      listMenu_(std::make_unique<TspSkinPopupMenu>(this)),
      hideListMenu_(std::make_unique<TspSkinPopupMenu>(this)) {
  SkinDataName = "tab";
  defaultFont_->SetName("Arial");
  defaultFont_->SetStyle(0);
  defaultFont_->SetHeight(14);
  SetBounds(Left(), Top(), 150, 21);
}

TspSkinMDITabsBar::~TspSkinMDITabsBar() {
  listButton_.reset();
  hideListButton_.reset();
  tabs_.clear();
  // Borrowed links are not touched here: a sibling of one owner may be gone
  // already, and the component base takes its notices back by itself.
}

void TspSkinMDITabsBar::SetDynamicSkinForm(TspDynamicSkinForm* value) {
  if (dynamicSkinForm_) dynamicSkinForm_->RemoveFreeNotification(this);
  dynamicSkinForm_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinMDITabsBar::Notification(TComponent* component, TOperation operation) {
  TspSkinControl::Notification(component, operation);
  if (operation == opRemove && component == dynamicSkinForm_) dynamicSkinForm_ = nullptr;
}

void TspSkinMDITabsBar::SetTabKind(TspSkinMDITabKind value) {
  tabKind_ = value;
  if (Record()) Invalidate();
}

void TspSkinMDITabsBar::SetDefaultHeight(Integer value) {
  defaultHeight_ = value;
  if (!Record() && value > 0) SetHeight(value);
}

void TspSkinMDITabsBar::SetDefaultFont(const TFont* value) { defaultFont_->Assign(value); }

// ---- tabs ----

void TspSkinMDITabsBar::AddTab(TCustomForm* form) {
  tabs_.push_back(std::make_unique<TspMDITab>(this, form));
  if (!listButton_) ShowListButton();
  Invalidate();
}

void TspSkinMDITabsBar::DeleteTab(TCustomForm* form) {
  auto it = std::find_if(tabs_.begin(), tabs_.end(), [form](const auto& t) { return t->Child == form; });
  if (MouseOverIndex >= 0 && MouseOverIndex < Integer(tabs_.size()) && tabs_[MouseOverIndex]->Child == form)
    OnTabMouseLeave(tabs_[MouseOverIndex].get());
  // Indexes into the list do not survive a removal.
  MouseOverIndex = OldMouseOverIndex = -1;
  if (it == tabs_.end()) return;
  if (Moving || MouseDownOnTab) {
    Moving = MouseDownOnTab = false;
    MoveTabIndex = -1;
    DownX = MoveOffset = 0;
  }
  tabs_.erase(it);
  if (tabs_.empty()) RemoveListButton();
  Invalidate();
}

void TspSkinMDITabsBar::RefreshTab(TCustomForm* form) {
  for (auto& tab : tabs_)
    if (tab->Child == form) RedrawTab(tab.get());
}

void TspSkinMDITabsBar::CheckActive() {
  TCustomForm* main = Application.MainForm();
  TCustomForm* active = main ? main->ActiveMDIChild() : nullptr;
  if (!active) return;
  for (auto& tab : tabs_) tab->Active = tab->Child == active;
  Invalidate();
}

void TspSkinMDITabsBar::ClearObjects() { tabs_.clear(); }

void TspSkinMDITabsBar::CalcObjectRects() {
  HiddenCount = 0;
  if (tabs_.empty()) return;
  const Integer count = Integer(tabs_.size());
  const Integer avail = Width() - kListButtonWidth;
  const Integer th = tabKind_ == sptkButton ? Height() : Height() - ClientOffset;
  const Integer w = std::min(avail / count, DefaultTabWidth);
  if (MinTabWidth != 0 && w < MinTabWidth) {
    const Integer fit = (Width() - 2 * kListButtonWidth) / MinTabWidth;
    for (Integer i = 0; i < count; ++i) {
      TspMDITab& tab = *tabs_[i];
      tab.Visible = i < fit;
      tab.TabRect = tab.Visible ? TRect{kListButtonWidth + i * MinTabWidth, 0, kListButtonWidth + (i + 1) * MinTabWidth, th}
                                : TRect{};
      if (!tab.Visible) ++HiddenCount;
    }
    dragLimit_ = Width() - kListButtonWidth;
  } else {
    for (Integer i = 0; i < count; ++i) {
      tabs_[i]->Visible = true;
      tabs_[i]->TabRect = TRect{kListButtonWidth + i * w, 0, kListButtonWidth + (i + 1) * w, th};
    }
    if (w < DefaultTabWidth) tabs_.back()->TabRect.Right = Width();
    dragLimit_ = Width();
  }
  if (!Moving || MoveTabIndex < 0 || MoveTabIndex >= count) return;
  TRect& r = tabs_[MoveTabIndex]->TabRect;
  ShiftRect(r, MoveOffset, 0);
  if (r.Left < 0) ShiftRect(r, -r.Left, 0);
  if (r.Right > dragLimit_) ShiftRect(r, dragLimit_ - r.Right, 0);
}

Integer TspSkinMDITabsBar::GetTabIndex(Integer x, Integer y) const {
  for (Integer i = 0; i < Integer(tabs_.size()); ++i) {
    const TspMDITab& tab = *tabs_[i];
    const TRect& r = tab.TabRect;
    if (tab.Visible && x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom) return i;
  }
  return -1;
}

TspMDITab* TspSkinMDITabsBar::GetTab(Integer x, Integer y) const {
  const Integer i = GetTabIndex(x, y);
  return i == -1 ? nullptr : tabs_[i].get();
}

Integer TspSkinMDITabsBar::GetMoveIndex() const {
  if (tabs_.empty() || MoveTabIndex < 0 || MoveTabIndex >= Integer(tabs_.size())) return -1;
  const TRect& moved = tabs_[MoveTabIndex]->TabRect;
  auto middle = [](const TRect& r) { return r.Left + r.Width() / 2; };
  Integer target = -1;
  if (MoveOffset > 0) {
    for (Integer i = MoveTabIndex + 1; i < Integer(tabs_.size()); ++i)
      if (tabs_[i]->Visible && middle(tabs_[i]->TabRect) < moved.Right) target = i;
  } else if (MoveOffset < 0) {
    for (Integer i = MoveTabIndex - 1; i >= 0; --i)
      if (tabs_[i]->Visible && middle(tabs_[i]->TabRect) > moved.Left) target = i;
  }
  return target;
}

void TspSkinMDITabsBar::DoClose(TspMDITab* tab) { tab->Child->Close(); }

void TspSkinMDITabsBar::ShowChild(TCustomForm* child) {
  TspDynamicSkinForm* component = GetDynamicSkinFormComponent(child);
  child->Show();
  if (component && component->WindowState() == wsMinimized) component->SetWindowState(wsNormal);
}

// ---- mouse ----

namespace {

bool InClose(const TspMDITab& tab, Integer x, Integer y) {
  TRect r = tab.CloseRect;
  ShiftRect(r, tab.TabRect.Left, tab.TabRect.Top);
  return !r.IsEmpty() && x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

}  // namespace

void TspSkinMDITabsBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinControl::MouseDown(button, shift, x, y);
  const Integer index = GetTabIndex(x, y);
  if (index == -1) return;
  TspMDITab* tab = tabs_[index].get();
  if (button == mbLeft) {
    ShowChild(tab->Child);
    MouseDownOnTab = true;
    if (MoveTabs) MoveTabIndex = index;
    DownX = x;
    MoveOffset = 0;
    OnTabMouseDown(button, shift, tab);
    if (!ShowCloseButtons) return;
    const bool onClose = InClose(*tab, x, y);
    if (onClose) {
      MouseDownOnTab = false;
      MoveTabIndex = -1;
    }
    tab->CloseMouseIn = tab->CloseDown = onClose;
    RedrawTab(tab);
    return;
  }
  if (button == mbRight) {
    TspDynamicSkinForm* child = GetDynamicSkinFormComponent(tab->Child);
    if (SupportChildMenus && child && dynamicSkinForm_ && FormMenuSeams().TrackSystemMenu) {
      dynamicSkinForm_->SkinMenuOpen();
      FormMenuSeams().TrackSystemMenu(child, ClientToScreen(TPoint{x, y}));
    }
    OnTabMouseDown(button, shift, tab);
  }
}

void TspSkinMDITabsBar::MouseMove(TShiftState shift, int x, int y) {
  TspSkinControl::MouseMove(shift, x, y);
  if (MouseDownOnTab && MoveTabIndex != -1 && !Moving && x != DownX) Moving = true;
  if (Moving) {
    MoveOffset = x - DownX;
    Invalidate();
    return;
  }
  TestActive(x, y);
}

void TspSkinMDITabsBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinControl::MouseUp(button, shift, x, y);
  MouseDownOnTab = false;
  if (Moving) {
    CalcObjectRects();  // the dragged tab where the pointer left it
    const Integer target = GetMoveIndex();
    Moving = false;
    if (target != -1 && target != MoveTabIndex) {
      auto tab = std::move(tabs_[MoveTabIndex]);
      tabs_.erase(tabs_.begin() + MoveTabIndex);
      tabs_.insert(tabs_.begin() + target, std::move(tab));
    }
    MoveTabIndex = -1;
    DownX = MoveOffset = 0;
    Invalidate();
  } else {
    MoveTabIndex = -1;
    if (TspMDITab* tab = GetTab(x, y)) OnTabMouseUp(button, shift, tab);
  }
  if (!ShowCloseButtons || button != mbLeft) return;
  TspMDITab* tab = GetTab(x, y);
  if (!tab) return;
  if (InClose(*tab, x, y)) {
    tab->CloseMouseIn = true;
    tab->CloseDown = false;
    RedrawTab(tab);
    DoClose(tab);
  } else {
    tab->CloseMouseIn = tab->CloseDown = false;
  }
}

void TspSkinMDITabsBar::TestActive(Integer x, Integer y) {
  MouseOverIndex = GetTabIndex(x, y);
  const bool changed = MouseOverIndex != OldMouseOverIndex;
  if (changed) {
    if (OldMouseOverIndex >= 0 && OldMouseOverIndex < Integer(tabs_.size()) && tabs_[OldMouseOverIndex]->Visible) {
      TspMDITab* old = tabs_[OldMouseOverIndex].get();
      old->MouseIn = false;
      RedrawTab(old);
      OnTabMouseLeave(old);
    }
    if (MouseOverIndex != -1) {
      TspMDITab* now = tabs_[MouseOverIndex].get();
      now->MouseIn = true;
      RedrawTab(now);
      OnTabMouseEnter(now);
    }
    OldMouseOverIndex = MouseOverIndex;
  }
  if (!ShowCloseButtons) return;
  if (MouseOverIndex != -1) {
    TspMDITab* tab = tabs_[MouseOverIndex].get();
    const bool in = InClose(*tab, x, y);
    if (in != tab->CloseMouseIn) {
      tab->CloseMouseIn = in;
      if (!in) tab->CloseDown = false;
      RedrawTab(tab);
    }
  }
  if (!changed) return;
  bool cleared = false;
  for (Integer i = 0; i < Integer(tabs_.size()); ++i) {
    if (i == MouseOverIndex || !tabs_[i]->CloseMouseIn) continue;
    tabs_[i]->CloseMouseIn = tabs_[i]->CloseDown = false;
    cleared = true;
  }
  if (cleared) Invalidate();
}

void TspSkinMDITabsBar::CMMouseLeave(TMessage& message) {
  TspSkinControl::CMMouseLeave(message);
  TestActive(-1, -1);
}

// ---- list buttons and menus ----

std::unique_ptr<TspSkinMenuSpeedButton> TspSkinMDITabsBar::MakeListButton(
    TAlign align, TspSkinPopupMenu* menu, Integer arrow, void (TspSkinMDITabsBar::*onShow)(TObject*)) {
  auto button = std::make_unique<TspSkinMenuSpeedButton>(nullptr);
  button->SetAlign(align);
  button->SetWidth(kListButtonWidth);
  button->SkinDataName = "resizetoolbutton";
  button->SetSkinData(SkinData());
  button->SetParent(this);
  button->SetSkinPopupMenu(menu);
  button->ArrowKind = arrow;
  button->OnShowTrackMenu = TNotifyEvent(this, onShow);
  return button;
}

void TspSkinMDITabsBar::ShowListButton() {
  listButton_ = MakeListButton(alLeft, listMenu_.get(), 4, &TspSkinMDITabsBar::OnShowListMenu);
}

void TspSkinMDITabsBar::RemoveListButton() { listButton_.reset(); }

void TspSkinMDITabsBar::ShowHideListButton() {
  hideListButton_ = MakeListButton(alRight, hideListMenu_.get(), 2, &TspSkinMDITabsBar::OnShowHideListMenu);
}

void TspSkinMDITabsBar::HideHideListButton() { hideListButton_.reset(); }

namespace {

void FillChildList(TspSkinPopupMenu* menu, const std::vector<std::unique_ptr<TspMDITab>>& tabs, bool hiddenOnly,
                   const String& marker, const TNotifyEvent& onClick) {
  menu->Items()->Clear();
  for (const auto& tab : tabs) {
    if (hiddenOnly && tab->Visible) continue;
    auto* item = new TMenuItem(menu);
    item->SetName(tab->Child->Name() + marker);
    item->SetCaption(tab->Child->Caption());
    item->SetRadioItem(true);
    item->SetGroupIndex(0);
    item->OnClick = onClick;
    menu->Items()->Add(item);
    item->SetChecked(tab->Active);
  }
}

}  // namespace

void TspSkinMDITabsBar::UpdateListMenu() {
  FillChildList(listMenu_.get(), tabs_, false, kBarItem, TNotifyEvent(this, &TspSkinMDITabsBar::MDIItemClick));
}

void TspSkinMDITabsBar::UpdateHideListMenu() {
  FillChildList(hideListMenu_.get(), tabs_, true, kHideItem, TNotifyEvent(this, &TspSkinMDITabsBar::HideMDIItemClick));
}

TCustomForm* TspSkinMDITabsBar::ChildOfItem(TObject* sender, const String& marker) const {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item) return nullptr;
  String name = item->Name();
  const size_t at = name.find(marker);
  if (at != String::npos) name.erase(at, marker.size());
  for (const auto& tab : tabs_)
    if (tab->Child->Name() == name) return tab->Child;
  return nullptr;
}

void TspSkinMDITabsBar::MDIItemClick(TObject* sender) {
  if (!dynamicSkinForm_) return;
  if (TCustomForm* child = ChildOfItem(sender, kBarItem)) ShowChild(child);
}

void TspSkinMDITabsBar::HideMDIItemClick(TObject* sender) {
  if (!dynamicSkinForm_) return;
  if (TCustomForm* child = ChildOfItem(sender, kHideItem)) ShowChild(child);
}

void TspSkinMDITabsBar::OnShowListMenu(TObject*) { UpdateListMenu(); }
void TspSkinMDITabsBar::OnShowHideListMenu(TObject*) { UpdateHideListMenu(); }

// ---- skin and messages ----

void TspSkinMDITabsBar::ChangeSkinData() {
  GetSkinData();
  TspDataSkinTabControl* record = Record();
  CloseSize = record && !CloseButtonRect.IsEmpty() ? CloseButtonRect.Width() : 14;
  if (record && UseSkinSize)
    SetHeight(tabKind_ == sptkButton ? SkinTabRect.Height() : SkinTabRect.Height() + ClientOffset);
  else if (defaultHeight_ > 0)
    SetHeight(defaultHeight_);
  if (listButton_) listButton_->SetSkinData(SkinData());
  if (ShowCloseButtons) Invalidate();
  Realign();
}

void TspSkinMDITabsBar::AdjustClientRect(TRect& rect) {
  TspSkinControl::AdjustClientRect(rect);
  if (tabKind_ == sptkTab && Record()) rect.Bottom -= ClientOffset;
}

void TspSkinMDITabsBar::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_CHECKPARENTBG:
      if (Record() && SkinData()->MDITabsTransparent) Invalidate();
      return;
    case WM_MOVE:
      TspSkinControl::Dispatch(message);
      if (Align() == alNone && Record() && SkinData()->MDITabsTransparent) Invalidate();
      return;
    default:
      TspSkinControl::Dispatch(message);
  }
}
