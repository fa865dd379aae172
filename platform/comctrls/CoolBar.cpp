// The cool bar: the rebar window and the bands put into it from Bands.
#include "platform/comctrls/ControlBar.h"
#include "platform/controls/Messages.h"

// ---- band ----

TCoolBand::TCoolBand(TCollection* collection) : TCollectionItem(collection) {}

void TCoolBand::SetControl(TWinControl* value) {
  control_ = value;
  if (value)
    if (auto* bar = dynamic_cast<TCoolBar*>(Collection()->Owner())) value->FreeNotification(bar);
  Changed(false);
}

void TCoolBand::SetText(const String& value) {
  text_ = value;
  Changed(false);
}

void TCoolBand::SetImageIndex(Integer value) {
  imageIndex_ = value;
  Changed(false);
}

void TCoolBand::SetFixedSize(bool value) {
  fixedSize_ = value;
  Changed(false);
}

void TCoolBand::SetVisible(bool value) {
  visible_ = value;
  Changed(false);
}

void TCoolBand::SetWidth(Integer value) {
  width_ = value;
  Changed(false);
}

void TCoolBand::SetMinHeight(Integer value) {
  minHeight_ = value;
  Changed(false);
}

void TCoolBand::SetBreak(bool value) {
  break_ = value;
  Changed(false);
}

String TCoolBand::DisplayName() const { return text_.empty() ? TCollectionItem::DisplayName() : text_; }

TCoolBands::TCoolBands(TCoolBar* bar) : TOwnedCollection(bar, CollectionItemClass<TCoolBand>()), bar_(bar) {}

void TCoolBands::Update(TCollectionItem*) { bar_->UpdateBands(); }

TCoolBand* TCoolBands::FindBand(const TControl* control) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Control() == control) return Items(i);
  return nullptr;
}

// ---- bar ----

TCoolBar::TCoolBar(TComponent* owner) : TWinControl(owner), bands_(std::make_unique<TCoolBands>(this)) {
  InitCommonControlClasses(ICC_COOL_CLASSES);
  ControlStyle |= csAcceptsControls;
  SetBounds(0, 0, 150, 75);
  SetAlign(alTop);
}

TCoolBar::~TCoolBar() {
  DestroyHandle();
  bands_.reset();
}

void TCoolBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, REBARCLASSNAMEA);
  params.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS | RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER |
                  CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (fixedOrder_) params.Style |= RBS_FIXEDORDER;
  if (vertical_) params.Style |= CCS_VERT;
}

void TCoolBar::CreateWnd() {
  TWinControl::CreateWnd();
  REBARINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = RBIM_IMAGELIST;
  info.himl = images_ ? images_->Handle() : nullptr;
  ::SendMessageA(Handle(), RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
  UpdateBands();
}

void TCoolBar::UpdateBands() {
  if (!HandleAllocated() || updating_ || HasState(csLoading)) return;
  updating_ = true;
  while (::SendMessageA(Handle(), RB_GETBANDCOUNT, 0, 0) > 0) ::SendMessageA(Handle(), RB_DELETEBAND, 0, 0);
  for (int i = 0; i < bands_->Count(); ++i) {
    TCoolBand* band = bands_->Items(i);
    if (!band->Visible()) continue;
    REBARBANDINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_STYLE | RBBIM_TEXT | RBBIM_IMAGE | RBBIM_ID | RBBIM_CHILDSIZE | RBBIM_SIZE;
    info.fStyle = (band->FixedSize() ? RBBS_FIXEDSIZE | RBBS_NOGRIPPER : RBBS_GRIPPERALWAYS) |
                  (band->Break() ? RBBS_BREAK : 0);
    String text = showText_ ? band->Text() : String();
    info.lpText = const_cast<char*>(text.c_str());
    info.iImage = band->ImageIndex();
    info.wID = static_cast<UINT>(band->ID());
    info.cxMinChild = 0;
    info.cyMinChild = band->MinHeight();
    info.cx = band->Width();
    if (TWinControl* control = band->Control(); control && control->Parent() == this) {
      info.fMask |= RBBIM_CHILD;
      info.hwndChild = control->Handle();
      info.cyMinChild = std::max<UINT>(info.cyMinChild, control->Height());
    }
    ::SendMessageA(Handle(), RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
  }
  updating_ = false;
}

void TCoolBar::Loaded() {
  TWinControl::Loaded();
  UpdateBands();
}

void TCoolBar::SetFixedOrder(bool value) {
  fixedOrder_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCoolBar::SetShowText(bool value) {
  showText_ = value;
  UpdateBands();
}

void TCoolBar::SetImages(TCustomImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
  if (HandleAllocated()) RecreateWnd();
}

void TCoolBar::SetVertical(bool value) {
  vertical_ = value;
  if (HandleAllocated()) RecreateWnd();
}

// The rebar places its bands' controls itself.
void TCoolBar::AlignControls(TControl*, TRect& rect) { AdjustClientRect(rect); }

void TCoolBar::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove || !bands_) return;
  if (component == images_) images_ = nullptr;
  for (int i = 0; i < bands_->Count(); ++i)
    if (bands_->Items(i)->control_ == component) bands_->Items(i)->control_ = nullptr;
}

void TCoolBar::Dispatch(TMessage& message) {
  TWinControl::Dispatch(message);
  if (message.Msg == WM_CREATE || message.Msg == CM_CONTROLLISTCHANGE) UpdateBands();
}
