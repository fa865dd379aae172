// The header control: its sections, the window that shows them, and what the
// window reports (clicks, new widths, owner-drawn sections).
#include "platform/comctrls/HeaderControl.h"

#include <algorithm>

#include "platform/comctrls/CommonControls.h"

// ---------------------------------------------------------------------------
// Sections

THeaderSection::THeaderSection(TCollection* collection) : TCollectionItem(collection) {}

THeaderControl* THeaderSection::HeaderControl() const {
  auto* sections = static_cast<THeaderSections*>(Collection());
  return sections ? static_cast<THeaderControl*>(sections->Owner()) : nullptr;
}

void THeaderSection::SetText(const String& value) {
  if (text_ == value) return;
  text_ = value;
  Changed(false);
}

void THeaderSection::SetWidth(int value) {
  value = std::clamp(value, minWidth_, std::max(minWidth_, maxWidth_));
  if (width_ == value) return;
  width_ = value;
  Changed(false);
}

void THeaderSection::SetMinWidth(int value) {
  minWidth_ = std::max(value, 0);
  if (maxWidth_ < minWidth_) maxWidth_ = minWidth_;
  SetWidth(width_);
}

void THeaderSection::SetMaxWidth(int value) {
  maxWidth_ = std::max(value, 0);
  if (minWidth_ > maxWidth_) minWidth_ = maxWidth_;
  SetWidth(width_);
}

void THeaderSection::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Changed(false);
}

void THeaderSection::SetImageIndex(int value) {
  if (value < -1) value = -1;
  if (imageIndex_ == value) return;
  imageIndex_ = value;
  Changed(false);
}

void THeaderSection::SetStyle(THeaderSectionStyle value) {
  if (style_ == value) return;
  style_ = value;
  Changed(false);
}

int THeaderSection::Left() const {
  int left = 0;
  auto* sections = static_cast<THeaderSections*>(Collection());
  for (int i = 0; sections && i < Index(); ++i) left += sections->Items(i)->Width();
  return left;
}

void THeaderSection::Assign(const TPersistent* source) {
  auto* other = dynamic_cast<const THeaderSection*>(source);
  if (!other) return TCollectionItem::Assign(source);
  text_ = other->text_;
  minWidth_ = other->minWidth_;
  maxWidth_ = other->maxWidth_;
  width_ = other->width_;
  alignment_ = other->alignment_;
  imageIndex_ = other->imageIndex_;
  style_ = other->style_;
  allowClick_ = other->allowClick_;
  Changed(false);
}

THeaderSections::THeaderSections(THeaderControl* owner)
    : TOwnedCollection(owner, CollectionItemClass<THeaderSection>()), owner_(owner) {}

void THeaderSections::Update(TCollectionItem* item) {
  if (!owner_->HandleAllocated() || owner_->updating_) return;
  if (item) owner_->UpdateSection(item->Index());
  else owner_->RebuildSections();
  owner_->Invalidate();
}

// ---------------------------------------------------------------------------
// The control

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner),
      sections_(std::make_unique<THeaderSections>(this)),
      canvas_(std::make_unique<TControlCanvas>()) {
  InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
  canvas_->SetControl(this);
  ControlStyle &= ~(csCaptureMouse | csClickEvents);
  SetBounds(0, 0, 250, 17);
  SetAlign(alTop);
}

THeaderControl::~THeaderControl() {
  DestroyHandle();
  canvas_->FreeHandle();
}

THeaderSection* THeaderControl::SectionOf(int index) const {
  return index >= 0 && index < sections_->Count() ? sections_->Items(index) : nullptr;
}

void THeaderControl::SetImages(TCustomImageList* value) {
  if (images_ == value) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = value;
  if (images_) images_->FreeNotification(this);
  if (HandleAllocated())
    ::SendMessageA(Handle(), HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
}

void THeaderControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == images_) SetImages(nullptr);
}

void THeaderControl::SetStyle(THeaderStyle value) {
  if (style_ == value) return;
  style_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void THeaderControl::SetHotTrack(bool value) {
  if (hotTrack_ == value) return;
  hotTrack_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void THeaderControl::SetDragReorder(bool value) {
  if (dragReorder_ == value) return;
  dragReorder_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void THeaderControl::SetFullDrag(bool value) {
  if (fullDrag_ == value) return;
  fullDrag_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void THeaderControl::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_HEADERA);
  params.Style |= HDS_HORZ;
  if (style_ == hsButtons) params.Style |= HDS_BUTTONS;
  if (hotTrack_) params.Style |= HDS_HOTTRACK;
  if (dragReorder_) params.Style |= HDS_DRAGDROP;
  if (fullDrag_) params.Style |= HDS_FULLDRAG;
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void THeaderControl::CreateWnd() {
  TWinControl::CreateWnd();
  if (images_) ::SendMessageA(Handle(), HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
  nativeSections_ = 0;
  RebuildSections();
}

void THeaderControl::DestroyWnd() {
  nativeSections_ = 0;
  TWinControl::DestroyWnd();
}

namespace {

HDITEMA NativeSection(const THeaderSection* section, String& text) {
  static const int kFormats[] = {HDF_LEFT, HDF_RIGHT, HDF_CENTER};
  text = section->Text();
  HDITEMA item = {};
  item.mask = HDI_FORMAT | HDI_WIDTH | HDI_TEXT | HDI_LPARAM;
  item.cxy = section->Width();
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  item.fmt = kFormats[section->Alignment()] | HDF_STRING;
  if (section->Style() == hsOwnerDraw) item.fmt = HDF_OWNERDRAW;
  if (section->ImageIndex() >= 0) {
    item.mask |= HDI_IMAGE;
    item.fmt |= HDF_IMAGE;
    item.iImage = section->ImageIndex();
  }
  item.lParam = section->Index();
  return item;
}

}  // namespace

void THeaderControl::RebuildSections() {
  if (!HandleAllocated()) return;
  updating_ = true;
  HWND window = Handle();
  while (nativeSections_ > 0) ::SendMessageA(window, HDM_DELETEITEM, --nativeSections_, 0);
  for (int i = 0; i < sections_->Count(); ++i) {
    String text;
    HDITEMA item = NativeSection(sections_->Items(i), text);
    if (::SendMessageA(window, HDM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item)) >= 0) ++nativeSections_;
  }
  updating_ = false;
}

void THeaderControl::UpdateSection(int index) {
  if (index >= nativeSections_) return RebuildSections();
  String text;
  HDITEMA item = NativeSection(sections_->Items(index), text);
  updating_ = true;
  ::SendMessageA(Handle(), HDM_SETITEMA, index, reinterpret_cast<LPARAM>(&item));
  updating_ = false;
}

void THeaderControl::SectionWidthChanged(int index, int width) {
  THeaderSection* section = SectionOf(index);
  if (!section) return;
  // The user's width is kept within the section's limits.
  const int allowed = std::clamp(width, section->minWidth_, std::max(section->minWidth_, section->maxWidth_));
  const bool changed = section->width_ != allowed;
  section->width_ = allowed;
  if (allowed != width) UpdateSection(index);
  if (changed) SectionResize(section);
}

void THeaderControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY: return CNNotify(message);
    case CN_DRAWITEM: return CNDrawItem(message);
    default: return TWinControl::Dispatch(message);
  }
}

void THeaderControl::CNNotify(TMessage& message) {
  auto* notify = reinterpret_cast<NMHEADERA*>(message.LParam);
  switch (notify->hdr.code) {
    case HDN_ITEMCLICKA: case HDN_ITEMCLICKW:
      if (THeaderSection* section = SectionOf(notify->iItem); section && section->AllowClick()) SectionClick(section);
      return;
    case HDN_ITEMCHANGEDA: case HDN_ITEMCHANGEDW:
      if (!updating_ && notify->pitem && (notify->pitem->mask & HDI_WIDTH))
        SectionWidthChanged(notify->iItem, notify->pitem->cxy);
      return;
    case HDN_ENDTRACKA: case HDN_ENDTRACKW: {
      if (updating_) return;
      RECT r = {};
      if (::SendMessageA(Handle(), HDM_GETITEMRECT, notify->iItem, reinterpret_cast<LPARAM>(&r)))
        SectionWidthChanged(notify->iItem, r.right - r.left);
      return;
    }
    default:
      return TWinControl::Dispatch(message);
  }
}

void THeaderControl::CNDrawItem(TMessage& message) {
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
  THeaderSection* section = SectionOf(static_cast<int>(draw->itemID));
  message.Result = TRUE;
  if (!section) return;
  canvas_->PaintOn(draw->hDC, [&] {
    canvas_->Brush()->SetColor(clBtnFace);
    DrawSection(section, TRect(draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom),
                (draw->itemState & ODS_SELECTED) != 0);
  });
}

void THeaderControl::DrawSection(THeaderSection* section, const TRect& rect, bool pressed) {
  if (OnDrawSection) return OnDrawSection(this, section, rect, pressed);
  canvas_->FillRect(rect);
}
