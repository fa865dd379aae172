// The tab control base: the tabs, the window that shows them, the display
// rectangle, and the selection notifications; and TTabControl's tab strings.
#include "platform/comctrls/TabControl.h"

#include <algorithm>

#include "platform/comctrls/CommonControls.h"
#include "platform/core/SysUtils.h"

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  InitCommonControlClasses(ICC_TAB_CLASSES);
  ControlStyle |= csAcceptsControls;
  ControlStyle &= ~(csCaptureMouse | csClickEvents);
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

TCustomTabControl::~TCustomTabControl() = default;

void TCustomTabControl::SetImages(TCustomImageList* value) {
  if (images_ == value) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = value;
  if (images_) images_->FreeNotification(this);
  if (!HandleAllocated()) return;
  ::SendMessageA(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
  Realign();
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == images_) SetImages(nullptr);
}

void TCustomTabControl::SetMultiLine(bool value) {
  if (multiLine_ == value) return;
  multiLine_ = value;
  if (!value && (tabPosition_ == tpLeft || tabPosition_ == tpRight)) tabPosition_ = tpTop;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomTabControl::SetTabPosition(TTabPosition value) {
  if (tabPosition_ == value) return;
  tabPosition_ = value;
  // Tabs at the side stand in several rows.
  if (value == tpLeft || value == tpRight) multiLine_ = true;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomTabControl::SetStyle(TTabStyle value) {
  if (style_ == value) return;
  style_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomTabControl::SetTabHeight(int value) {
  value = std::max(value, 0);
  if (tabHeight_ == value) return;
  tabHeight_ = value;
  ApplyItemSize();
}

void TCustomTabControl::SetTabWidth(int value) {
  value = std::max(value, 0);
  if (tabWidth_ == value) return;
  const bool fixedChanged = (tabWidth_ == 0) != (value == 0);
  tabWidth_ = value;
  if (fixedChanged && HandleAllocated()) RecreateWnd();
  else ApplyItemSize();
}

void TCustomTabControl::ApplyItemSize() {
  if (!HandleAllocated()) return;
  if (tabWidth_ > 0 || tabHeight_ > 0)
    Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth_, tabHeight_));
  Realign();
  Invalidate();
}

int TCustomTabControl::TabIndex() const {
  if (!HandleAllocated()) return tabIndex_;
  return static_cast<int>(::SendMessageA(const_cast<TCustomTabControl*>(this)->Handle(), TCM_GETCURSEL, 0, 0));
}

void TCustomTabControl::SetTabIndex(int value) {
  if (value < -1 || value >= TabCount()) value = -1;
  tabIndex_ = value;
  if (HandleAllocated()) ::SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(value), 0);
}

TRect TCustomTabControl::DisplayRect() {
  TRect rect = ClientRect();
  if (!HandleAllocated()) return rect;
  RECT r = {rect.Left, rect.Top, rect.Right, rect.Bottom};
  Perform(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return TRect(r.left, r.top + 2, r.right, r.bottom);
}

void TCustomTabControl::AdjustClientRect(TRect& rect) {
  TWinControl::AdjustClientRect(rect);
  if (!HandleAllocated()) return;
  TRect display = DisplayRect();
  rect = TRect(std::max(rect.Left, display.Left), std::max(rect.Top, display.Top), std::min(rect.Right, display.Right),
               std::min(rect.Bottom, display.Bottom));
}

int TCustomTabControl::IndexOfTabAt(int x, int y) {
  if (!HandleAllocated()) return -1;
  TCHITTESTINFO info = {};
  info.pt = POINT{x, y};
  return static_cast<int>(Perform(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
}

TRect TCustomTabControl::TabRect(int index) {
  if (!HandleAllocated() || index < 0 || index >= TabCount()) return TRect();
  RECT r = {};
  if (!Perform(TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r))) return TRect();
  return TRect(r.left, r.top, r.right, r.bottom);
}

// ---------------------------------------------------------------------------
// Tabs

void TCustomTabControl::InsertNativeTab(int index) {
  const TTab& tab = tabs_[index];
  String text = tab.Text;
  TCITEMA item = {};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text.data();
  item.iImage = tab.ImageIndex;
  ::SendMessageA(Handle(), TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

void TCustomTabControl::InsertTab(int index, const TTab& tab) {
  index = std::clamp(index, 0, TabCount());
  tabs_.insert(tabs_.begin() + index, tab);
  if (tabIndex_ >= index) ++tabIndex_;
  if (!HandleAllocated()) return;
  InsertNativeTab(index);
  Realign();
}

void TCustomTabControl::DeleteTab(int index) {
  if (index < 0 || index >= TabCount()) throw EListError(Format("List index out of bounds (%d)", index));
  tabs_.erase(tabs_.begin() + index);
  if (tabIndex_ == index) tabIndex_ = -1;
  else if (tabIndex_ > index) --tabIndex_;
  if (!HandleAllocated()) return;
  ::SendMessageA(Handle(), TCM_DELETEITEM, index, 0);
  Realign();
}

void TCustomTabControl::SetTab(int index, const TTab& tab) {
  tabs_.at(index) = tab;
  if (!HandleAllocated()) return;
  String text = tab.Text;
  TCITEMA item = {};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text.data();
  item.iImage = tab.ImageIndex;
  ::SendMessageA(Handle(), TCM_SETITEMA, index, reinterpret_cast<LPARAM>(&item));
  Realign();
}

void TCustomTabControl::ClearTabs() {
  tabs_.clear();
  tabIndex_ = -1;
  if (!HandleAllocated()) return;
  ::SendMessageA(Handle(), TCM_DELETEALLITEMS, 0, 0);
  Realign();
}

// ---------------------------------------------------------------------------
// The window

void TCustomTabControl::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_TAB_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_TABCONTROLA);
  params.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (multiLine_) params.Style |= TCS_MULTILINE;
  if (tabWidth_ > 0) params.Style |= TCS_FIXEDWIDTH;
  switch (tabPosition_) {
    case tpTop: break;
    case tpBottom: params.Style |= TCS_BOTTOM; break;
    case tpLeft: params.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case tpRight: params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
  }
  if (style_ != tsTabs) params.Style |= TCS_BUTTONS;
  if (style_ == tsFlatButtons) params.Style |= TCS_FLATBUTTONS;
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomTabControl::CreateWnd() {
  TWinControl::CreateWnd();
  if (images_)
    ::SendMessageA(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
  if (tabWidth_ > 0 || tabHeight_ > 0) Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth_, tabHeight_));
  for (int i = 0; i < TabCount(); ++i) InsertNativeTab(i);
  ::SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

void TCustomTabControl::DestroyWnd() {
  tabIndex_ = TabIndex();
  TWinControl::DestroyWnd();
}

void TCustomTabControl::Dispatch(TMessage& message) {
  if (message.Msg == CN_NOTIFY) return CNNotify(message);
  TWinControl::Dispatch(message);
}

void TCustomTabControl::CNNotify(TMessage& message) {
  switch (reinterpret_cast<NMHDR*>(message.LParam)->code) {
    case TCN_SELCHANGING:
      message.Result = CanChange() ? FALSE : TRUE;
      return;
    case TCN_SELCHANGE:
      tabIndex_ = TabIndex();
      Change();
      return;
    default:
      return TWinControl::Dispatch(message);
  }
}

bool TCustomTabControl::CanChange() {
  bool allow = true;
  OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() { OnChange(this); }

// ---------------------------------------------------------------------------
// TTabControl: the tabs as strings

class TTabControl::TTabStrings : public TStrings {
public:
  explicit TTabStrings(TTabControl* control) : control_(control) {}

  String Get(int index) const override { return control_->Tab(index).Text; }
  int Count() const override { return control_->TabCount(); }
  TObject* GetObject(int index) const override { return control_->Tab(index).Object; }
  void Put(int index, const String& text) override {
    TTab tab = control_->Tab(index);
    tab.Text = text;
    control_->SetTab(index, tab);
  }
  void PutObject(int index, TObject* object) override {
    TTab tab = control_->Tab(index);
    tab.Object = object;
    control_->SetTab(index, tab);
  }
  void Insert(int index, const String& text) override {
    if (index < 0 || index > Count()) throw EListError(Format("List index out of bounds (%d)", index));
    // Tab i shows image i; the tabs after an insertion move to the next image.
    control_->InsertTab(index, TTab{text, index, nullptr});
    for (int i = index + 1; i < Count(); ++i) Renumber(i);
  }
  void Delete(int index) override {
    control_->DeleteTab(index);
    for (int i = index; i < Count(); ++i) Renumber(i);
  }
  void Clear() override { control_->ClearTabs(); }

private:
  void Renumber(int index) {
    TTab tab = control_->Tab(index);
    tab.ImageIndex = index;
    control_->SetTab(index, tab);
  }
  TTabControl* control_;  // borrowed: the control owns the strings
};

TTabControl::TTabControl(TComponent* owner)
    : TCustomTabControl(owner), tabStrings_(std::make_unique<TTabStrings>(this)) {}

TTabControl::~TTabControl() = default;
