#include "framed/combos/RzImageComboBox.h"

#include "platform/controls/CustomForm.h"
#include "platform/core/SysUtils.h"

namespace {
int liveItems = 0;
}

// ---- items ----

TRzImageComboBoxItem::TRzImageComboBoxItem(TRzCustomImageComboBox* owner) : owner_(owner) { ++liveItems; }
TRzImageComboBoxItem::~TRzImageComboBoxItem() { --liveItems; }
int TRzImageComboBoxItem::Live() { return liveItems; }

void TRzImageComboBoxItem::SetIndentLevel(int value) {
  indentLevel_ = value;
  if (owner_) owner_->Invalidate();
}
void TRzImageComboBoxItem::SetImageIndex(int value) {
  imageIndex_ = value;
  if (owner_) owner_->Invalidate();
}
void TRzImageComboBoxItem::SetOverlayIndex(int value) {
  overlayIndex_ = value;
  if (owner_) owner_->Invalidate();
}
void TRzImageComboBoxItem::SetCaption(const String& value) {
  caption_ = value;
  if (owner_) owner_->Invalidate();
}

// ---- combo box ----

TRzCustomImageComboBox::TRzCustomImageComboBox(TComponent* owner) : TRzCustomComboBox(owner) {
  SetStyle(csOwnerDrawFixed);
  ShowFocusBorder = false;
  imagesLink_.OnChange = TNotifyEvent(this, &TRzCustomImageComboBox::ImagesChanged);
}

TRzCustomImageComboBox::~TRzCustomImageComboBox() {
  for (TRzImageComboBoxItem* item : owned_) delete item;
  owned_.clear();
}

TRzImageComboBoxItem* TRzCustomImageComboBox::AddItem(const String& caption, int imageIndex, int indentLevel) {
  auto* item = new TRzImageComboBoxItem(this);
  owned_.insert(item);
  item->SetCaption(caption);
  item->SetImageIndex(imageIndex);
  item->SetIndentLevel(indentLevel);
  item->Index = Items()->AddObject(caption, item);
  return item;
}

void TRzCustomImageComboBox::Delete(int index) {
  TRzImageComboBoxItem* item = GetImageComboBoxItem(index);
  const bool notified = HandleAllocated();  // the window reports the removal itself
  Items()->Delete(index);
  if (!notified && item) DeleteItem(item);
}

TRzImageComboBoxItem* TRzCustomImageComboBox::GetImageComboBoxItem(int index) const {
  TObject* object = Items()->Objects(index);
  if (!object) return nullptr;
  auto* item = dynamic_cast<TRzImageComboBoxItem*>(object);
  if (!item) throw EInvalidCast("Invalid class typecast");
  return item;
}

int TRzCustomImageComboBox::IndexOf(const String& s) {
  for (int i = 0; i < Items()->Count(); ++i) {
    TRzImageComboBoxItem* item = GetImageComboBoxItem(i);
    if (CompareText(item ? item->Caption() : String(), s) == 0) return i;
  }
  return -1;
}

void TRzCustomImageComboBox::DeleteItem(TRzImageComboBoxItem* item) {
  OnDeleteItem(this, item);
  ItemRemoved(item);
}

void TRzCustomImageComboBox::ItemRemoved(TRzImageComboBoxItem* item) {
  if (owned_.erase(item) > 0) delete item;
}

// The window reports every item it lets go; those it gives back to the list
// while it is re-created are kept.
void TRzCustomImageComboBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_DELETEITEM:
    case CN_DELETEITEM: {
      auto* record = reinterpret_cast<DELETEITEMSTRUCT*>(message.LParam);
      auto* item = reinterpret_cast<TRzImageComboBoxItem*>(record ? record->itemData : 0);
      if (item && owned_.count(item)) {
        if (!windowGoing_) DeleteItem(item);
        record->itemData = 0;  // reported once, here
      }
      return TRzCustomComboBox::Dispatch(message);
    }
    case WM_ERASEBKGND: {
      auto* form = dynamic_cast<TCustomForm*>(Owner());
      const TColor color = ColorToRGB(form ? form->Color() : clWindow);
      HBRUSH brush = ::CreateSolidBrush(RGB(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
      RECT r;
      ::GetClientRect(Handle(), &r);
      ::FillRect(reinterpret_cast<HDC>(message.WParam), &r, brush);
      ::DeleteObject(brush);
      message.Result = 1;
      return;
    }
    case WM_SETFONT:
      if (!settingFont_) {
        settingFont_ = true;
        try {
          AutoSize(reinterpret_cast<HFONT>(message.WParam));
        } catch (...) {
          settingFont_ = false;
          throw;
        }
        settingFont_ = false;
      }
      return TRzCustomComboBox::Dispatch(message);
    default: return TRzCustomComboBox::Dispatch(message);
  }
}

void TRzCustomImageComboBox::CreateWnd() {
  TRzCustomComboBox::CreateWnd();
  ::SendMessageA(Handle(), CB_SETEXTENDEDUI, 1, 0);
}

void TRzCustomImageComboBox::DestroyWnd() {
  windowGoing_ = true;
  try {
    TRzCustomComboBox::DestroyWnd();
  } catch (...) {
    windowGoing_ = false;
    throw;
  }
  windowGoing_ = false;
}

void TRzCustomImageComboBox::Notification(TComponent* component, TOperation operation) {
  TRzCustomComboBox::Notification(component, operation);
  // The list that goes lets go of the link itself.
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TRzCustomImageComboBox::SetImages(TCustomImageList* value) {
  if (images_) images_->UnRegisterChanges(&imagesLink_);
  images_ = value;
  if (value) {
    value->RegisterChanges(&imagesLink_);
    value->FreeNotification(this);
  }
  Invalidate();
  if (!HasState(csLoading)) AutoSize(Font()->Handle());
}

void TRzCustomImageComboBox::ImagesChanged(TObject*) {
  AutoSize(Font()->Handle());
  Invalidate();
}

void TRzCustomImageComboBox::SetItemIndent(int value) {
  if (itemIndent_ == value) return;
  itemIndent_ = value;
  Invalidate();
}

void TRzCustomImageComboBox::AutoSize(HFONT font) {
  if (!AutoSizeHeight) return;
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ previous = ::SelectObject(dc, font);
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  ::SelectObject(dc, previous);
  ::ReleaseDC(nullptr, dc);
  int height = std::abs(static_cast<int>(metrics.tmHeight)) + 4;
  if (images_ && images_->Height() > height) height = images_->Height();
  SetItemHeight2(height);
}

void TRzCustomImageComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) return OnDrawItem(this, index, rect, state);
  if (index < 0 || index >= Items()->Count()) return;
  TRzImageComboBoxItem* item = GetImageComboBoxItem(index);
  if (!item) return;
  GetItemData(item);
  TCanvas* canvas = Canvas();
  const bool selected = (state & odSelected) != 0;
  const int indent = (state & odComboBoxEdit) != 0 ? 0 : item->IndentLevel();
  const int x0 = rect.Left + itemIndent_ * indent;
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(rect);
  if (images_) {
    const TDrawingStyle style = images_->DrawingStyle;
    const TColor back = images_->BkColor, blend = images_->BlendColor;
    images_->DrawingStyle = selected ? dsSelected : dsNormal;
    if (selected) images_->BlendColor = clHighlight;
    images_->BkColor = ColorToRGB(Color());
    const int y = (rect.Top + rect.Bottom - images_->Height()) / 2;
    images_->Draw(canvas, x0 + 2, y, item->ImageIndex(), true);
    if (item->OverlayIndex() >= 0) images_->Draw(canvas, x0 + 2, y, item->OverlayIndex(), dsTransparent, itImage, true);
    images_->DrawingStyle = style;
    images_->BkColor = back;
    images_->BlendColor = blend;
  }
  if (item->Caption().empty()) return;
  const int left = x0 + 1 + (images_ ? images_->Width() + 4 : 4);
  const TRect caption(left, rect.Top, left + canvas->TextWidth(item->Caption()) + 3, rect.Bottom - 1);
  canvas->Brush()->SetColor(selected ? clHighlight : Color());
  canvas->Font()->SetColor(!Enabled() ? clBtnShadow : selected ? clHighlightText : Font()->Color());
  canvas->TextRect(caption, caption.Left + 1, rect.Top + 1, item->Caption());
}
