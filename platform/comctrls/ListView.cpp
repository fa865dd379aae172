// The list view control: its window, how the window learns the columns and items,
// and what its notifications become (events, owner drawing, texts on request).
#include "platform/comctrls/ListView.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/comctrls/CommonControls.h"
#include "platform/graphics/Colors.h"

TCustomListView::TCustomListView(TComponent* owner)
    : TWinControl(owner),
      columns_(std::make_unique<TListColumns>(this)),
      items_(std::make_unique<TListItems>(this)),
      canvas_(std::make_unique<TControlCanvas>()) {
  InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
  canvas_->SetControl(this);
  // The window tracks the mouse itself and reports clicks as notifications.
  ControlStyle &= ~(csCaptureMouse | csClickEvents);
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
}

TCustomListView::~TCustomListView() {
  // The window goes first: it still asks for texts and reports deletions.
  DestroyHandle();
  canvas_->FreeHandle();
}

TListItem* TCustomListView::ItemOf(int index) const {
  return index >= 0 && index < items_->Count() ? items_->items_[index] : nullptr;
}

// ---------------------------------------------------------------------------
// Properties that shape the window

void TCustomListView::SetViewStyle(TViewStyle value) {
  if (viewStyle_ == value) return;
  viewStyle_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::SetOwnerDraw(bool value) {
  if (ownerDraw_ == value) return;
  ownerDraw_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::SetMultiSelect(bool value) {
  if (multiSelect_ == value) return;
  multiSelect_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::SetReadOnly(bool value) {
  if (readOnly_ == value) return;
  readOnly_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::SetHideSelection(bool value) {
  if (hideSelection_ == value) return;
  hideSelection_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::SetShowColumnHeaders(bool value) {
  if (showColumnHeaders_ == value) return;
  showColumnHeaders_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::SetBorderStyle(TFormBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::SetRowSelect(bool value) {
  if (rowSelect_ == value) return;
  rowSelect_ = value;
  ApplyExtendedStyles();
}

void TCustomListView::SetGridLines(bool value) {
  if (gridLines_ == value) return;
  gridLines_ = value;
  ApplyExtendedStyles();
}

void TCustomListView::SetFullDrag(bool value) {
  if (fullDrag_ == value) return;
  fullDrag_ = value;
  ApplyExtendedStyles();
}

void TCustomListView::SetColumnClick(bool value) {
  if (columnClick_ == value) return;
  columnClick_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::SetCheckboxes(bool value) {
  if (checkboxes_ == value) return;
  if (HandleAllocated() && checkboxes_) SaveItemStates();  // the check marks leave the window
  checkboxes_ = value;
  if (!HandleAllocated()) return;
  ApplyExtendedStyles();
  if (!value) return Invalidate();
  fillingWindow_ = true;
  for (TListItem* item : items_->items_) item->SetChecked(item->checked_);
  fillingWindow_ = false;
}

void TCustomListView::SetSmallImages(TCustomImageList* value) {
  if (smallImages_ == value) return;
  if (smallImages_) smallImages_->RemoveFreeNotification(this);
  smallImages_ = value;
  if (smallImages_) smallImages_->FreeNotification(this);
  ApplyImageLists();
}

void TCustomListView::SetLargeImages(TCustomImageList* value) {
  if (largeImages_ == value) return;
  if (largeImages_) largeImages_->RemoveFreeNotification(this);
  largeImages_ = value;
  if (largeImages_) largeImages_->FreeNotification(this);
  ApplyImageLists();
}

void TCustomListView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == smallImages_) SetSmallImages(nullptr);
  if (component == largeImages_) SetLargeImages(nullptr);
}

// ---------------------------------------------------------------------------
// The window

void TCustomListView::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_LISTVIEWA);
  static const DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  params.Style |= kViewStyles[viewStyle_] | LVS_SHAREIMAGELISTS | WS_CLIPCHILDREN;
  if (!multiSelect_) params.Style |= LVS_SINGLESEL;
  if (!readOnly_) params.Style |= LVS_EDITLABELS;
  if (!hideSelection_) params.Style |= LVS_SHOWSELALWAYS;
  if (!showColumnHeaders_) params.Style |= LVS_NOCOLUMNHEADER;
  if (!columnClick_) params.Style |= LVS_NOSORTHEADER;
  if (ownerDraw_ && viewStyle_ == vsReport) params.Style |= LVS_OWNERDRAWFIXED;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomListView::CreateWnd() {
  TWinControl::CreateWnd();
  fillingWindow_ = true;
  try {
    ApplyExtendedStyles();
    ApplyColors();
    ApplyImageLists();
    nativeColumns_ = 0;
    RebuildColumns();
    ::SendMessageA(Handle(), LVM_SETITEMCOUNT, items_->Count(), 0);
    for (int i = 0; i < items_->Count(); ++i) InsertNativeItem(i);
  } catch (...) {
    fillingWindow_ = false;
    throw;
  }
  fillingWindow_ = false;
}

void TCustomListView::DestroyWnd() {
  SaveItemStates();
  SaveColumnWidths();
  nativeColumns_ = 0;
  TWinControl::DestroyWnd();
}

void TCustomListView::ApplyExtendedStyles() {
  if (!HandleAllocated()) return;
  DWORD styles = 0;
  if (rowSelect_) styles |= LVS_EX_FULLROWSELECT;
  if (checkboxes_) styles |= LVS_EX_CHECKBOXES;
  if (gridLines_) styles |= LVS_EX_GRIDLINES;
  if (fullDrag_) styles |= LVS_EX_HEADERDRAGDROP;
  const DWORD mask = LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP;
  ::SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, mask, styles);
}

void TCustomListView::ApplyColors() {
  if (!HandleAllocated()) return;
  const COLORREF back = ColorToRGB(Color());
  ::SendMessageA(Handle(), LVM_SETBKCOLOR, 0, back);
  ::SendMessageA(Handle(), LVM_SETTEXTBKCOLOR, 0, back);
  ::SendMessageA(Handle(), LVM_SETTEXTCOLOR, 0, ColorToRGB(Font()->Color()));
}

void TCustomListView::ApplyImageLists() {
  if (!HandleAllocated()) return;
  ::SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(smallImages_ ? smallImages_->Handle() : nullptr));
  ::SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(largeImages_ ? largeImages_->Handle() : nullptr));
}

void TCustomListView::CMColorChanged(TMessage& message) {
  TWinControl::CMColorChanged(message);
  ApplyColors();
  Invalidate();
}

void TCustomListView::CMFontChanged(TMessage& message) {
  TWinControl::CMFontChanged(message);
  ApplyColors();
}

// ---------------------------------------------------------------------------
// Columns in the window

namespace {

LVCOLUMNA NativeColumn(const TListColumn* column, int index, String& text) {
  static const int kFormats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
  text = column->Caption();
  LVCOLUMNA lvc = {};
  lvc.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  lvc.fmt = kFormats[column->Alignment()];
  lvc.cx = column->Width();
  lvc.pszText = text.data();
  lvc.iSubItem = index;
  if (column->ImageIndex() >= 0) {
    lvc.mask |= LVCF_IMAGE;
    lvc.fmt |= LVCFMT_IMAGE;
    lvc.iImage = column->ImageIndex();
  }
  return lvc;
}

}  // namespace

void TCustomListView::RebuildColumns() {
  if (!HandleAllocated()) return;
  HWND window = Handle();
  // Column 0 cannot always be deleted: it is kept and set anew.
  while (nativeColumns_ > 1) ::SendMessageA(window, LVM_DELETECOLUMN, --nativeColumns_, 0);
  if (columns_->Count() == 0 && nativeColumns_ == 1) {
    if (::SendMessageA(window, LVM_DELETECOLUMN, 0, 0)) nativeColumns_ = 0;
  }
  for (int i = 0; i < columns_->Count(); ++i) {
    String text;
    LVCOLUMNA lvc = NativeColumn(columns_->Items(i), i, text);
    if (i < nativeColumns_) {
      ::SendMessageA(window, LVM_SETCOLUMNA, i, reinterpret_cast<LPARAM>(&lvc));
    } else {
      ::SendMessageA(window, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&lvc));
      ++nativeColumns_;
    }
  }
  Invalidate();
}

void TCustomListView::UpdateColumn(int index) {
  if (index >= nativeColumns_) return RebuildColumns();
  String text;
  LVCOLUMNA lvc = NativeColumn(columns_->Items(index), index, text);
  ::SendMessageA(Handle(), LVM_SETCOLUMNA, index, reinterpret_cast<LPARAM>(&lvc));
}

void TCustomListView::SaveColumnWidths() {
  if (!HandleAllocated()) return;
  for (int i = 0; i < nativeColumns_ && i < columns_->Count(); ++i) {
    int width = static_cast<int>(::SendMessageA(Handle(), LVM_GETCOLUMNWIDTH, i, 0));
    columns_->Items(i)->width_ = width;
  }
}

void TCustomListView::WMNotify(TMessage& message) {
  TWinControl::WMNotify(message);
  // A column the user resized keeps its width through any later change.
  auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  if (header->hwndFrom != HeaderHandle()) return;
  switch (header->code) {
    case HDN_ITEMCHANGEDA: case HDN_ITEMCHANGEDW: case HDN_ENDTRACKA: case HDN_ENDTRACKW:
      if (!fillingWindow_) SaveColumnWidths();
      break;
    default: break;
  }
}

HWND TCustomListView::HeaderHandle() const {
  if (!HandleAllocated()) return nullptr;
  return reinterpret_cast<HWND>(::SendMessageA(const_cast<TCustomListView*>(this)->Handle(), LVM_GETHEADER, 0, 0));
}

// ---------------------------------------------------------------------------
// Items in the window

void TCustomListView::InsertNativeItem(int index) {
  TListItem* item = items_->items_[index];
  HWND window = Handle();
  LVITEMA lvi = {};
  lvi.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
  lvi.iItem = index;
  lvi.pszText = LPSTR_TEXTCALLBACKA;
  lvi.iImage = I_IMAGECALLBACK;
  lvi.lParam = reinterpret_cast<LPARAM>(item);
  lvi.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  lvi.state = (item->selected_ ? LVIS_SELECTED : 0) | (item->focused_ ? LVIS_FOCUSED : 0);
  if (checkboxes_) {
    lvi.stateMask |= LVIS_STATEIMAGEMASK;
    lvi.state |= INDEXTOSTATEIMAGEMASK(item->checked_ ? 2 : 1);
  }
  const bool filling = fillingWindow_;
  fillingWindow_ = true;
  int at = static_cast<int>(::SendMessageA(window, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lvi)));
  if (at >= 0) {
    for (int column = 1; column < nativeColumns_; ++column) {
      LVITEMA sub = {};
      sub.iSubItem = column;
      sub.pszText = LPSTR_TEXTCALLBACKA;
      ::SendMessageA(window, LVM_SETITEMTEXTA, at, reinterpret_cast<LPARAM>(&sub));
    }
    // Some versions ignore the state on insertion.
    if (lvi.state) {
      LVITEMA state = {};
      state.state = lvi.state;
      state.stateMask = lvi.stateMask;
      ::SendMessageA(window, LVM_SETITEMSTATE, at, reinterpret_cast<LPARAM>(&state));
    }
  }
  fillingWindow_ = filling;
}

void TCustomListView::UpdateItem(int index) {
  if (!HandleAllocated() || index < 0) return;
  ::SendMessageA(Handle(), LVM_UPDATE, index, 0);
}

void TCustomListView::SaveItemStates() {
  if (!HandleAllocated()) return;
  for (int i = 0; i < items_->Count(); ++i) {
    TListItem* item = items_->items_[i];
    UINT state = static_cast<UINT>(
        ::SendMessageA(Handle(), LVM_GETITEMSTATE, i, LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK));
    item->selected_ = (state & LVIS_SELECTED) != 0;
    item->focused_ = (state & LVIS_FOCUSED) != 0;
    if (checkboxes_) item->checked_ = ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
  }
}

// ---------------------------------------------------------------------------
// Selection, hit testing, scrolling

TListItem* TCustomListView::Selected() const { return GetNextItem(nullptr, sdAll, isSelected); }

void TCustomListView::SetSelected(TListItem* item) {
  ClearSelection();
  if (item) item->SetSelected(true);
}

int TCustomListView::SelCount() const {
  if (HandleAllocated())
    return static_cast<int>(::SendMessageA(const_cast<TCustomListView*>(this)->Handle(), LVM_GETSELECTEDCOUNT, 0, 0));
  int count = 0;
  for (TListItem* item : items_->items_) count += item->selected_ ? 1 : 0;
  return count;
}

void TCustomListView::ClearSelection() {
  if (!HandleAllocated()) {
    for (TListItem* item : items_->items_) item->selected_ = false;
    return;
  }
  LVITEMA lvi = {};
  lvi.stateMask = LVIS_SELECTED;
  ::SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&lvi));
}

void TCustomListView::SelectAll() {
  if (!multiSelect_) return;
  if (!HandleAllocated()) {
    for (TListItem* item : items_->items_) item->selected_ = true;
    return;
  }
  LVITEMA lvi = {};
  lvi.state = LVIS_SELECTED;
  lvi.stateMask = LVIS_SELECTED;
  ::SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&lvi));
}

TListItem* TCustomListView::ItemFocused() const { return GetNextItem(nullptr, sdAll, isFocused); }

void TCustomListView::SetItemFocused(TListItem* item) {
  if (item) return item->SetFocused(true);
  if (TListItem* focused = ItemFocused()) focused->SetFocused(false);
}

TListItem* TCustomListView::GetNextItem(TListItem* start, TSearchDirection direction, TItemStates states) const {
  const int from = start ? start->Index() : -1;
  if (!HandleAllocated()) {
    for (int i = from + 1; i < items_->Count(); ++i) {
      TListItem* item = items_->items_[i];
      if ((states & isSelected) && !item->selected_) continue;
      if ((states & isFocused) && !item->focused_) continue;
      return item;
    }
    return nullptr;
  }
  static const UINT kDirections[] = {LVNI_TOLEFT, LVNI_TORIGHT, LVNI_ABOVE, LVNI_BELOW, LVNI_ALL};
  UINT flags = kDirections[direction];
  if (states & isCut) flags |= LVNI_CUT;
  if (states & isDropHilited) flags |= LVNI_DROPHILITED;
  if (states & isFocused) flags |= LVNI_FOCUSED;
  if (states & isSelected) flags |= LVNI_SELECTED;
  int index = static_cast<int>(::SendMessageA(const_cast<TCustomListView*>(this)->Handle(), LVM_GETNEXTITEM,
                                              static_cast<WPARAM>(from), MAKELPARAM(flags, 0)));
  return ItemOf(index);
}

TListItem* TCustomListView::GetItemAt(int x, int y) const {
  if (!HandleAllocated()) return nullptr;
  HWND window = const_cast<TCustomListView*>(this)->Handle();
  LVHITTESTINFO info = {};
  info.pt = POINT{x, y};
  int index = static_cast<int>(::SendMessageA(window, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
  if (index >= 0 && (info.flags & LVHT_ONITEM)) return ItemOf(index);
  if (viewStyle_ != vsReport) return nullptr;
  // In report style the whole row, sub-items included, belongs to the item.
  LVHITTESTINFO sub = {};
  sub.pt = POINT{x, y};
  index = static_cast<int>(::SendMessageA(window, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&sub)));
  return index >= 0 ? ItemOf(index) : nullptr;
}

TListItem* TCustomListView::TopItem() const {
  if (!HandleAllocated()) return ItemOf(0);
  return ItemOf(static_cast<int>(::SendMessageA(const_cast<TCustomListView*>(this)->Handle(), LVM_GETTOPINDEX, 0, 0)));
}

int TCustomListView::VisibleRowCount() const {
  if (!HandleAllocated()) return 0;
  return static_cast<int>(::SendMessageA(const_cast<TCustomListView*>(this)->Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
}

void TCustomListView::Scroll(int dx, int dy) {
  if (HandleAllocated()) ::SendMessageA(Handle(), LVM_SCROLL, dx, dy);
}

// ---------------------------------------------------------------------------
// Messages and notifications

void TCustomListView::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY: return CNNotify(message);
    case CN_DRAWITEM: return CNDrawItem(message);
    case WM_LBUTTONDOWN: return WMLButtonDown(message);
    case WM_PARENTNOTIFY:
      TWinControl::Dispatch(message);
      if (LOWORD(message.WParam) == WM_CREATE) {
        char className[32] = {};
        HWND child = reinterpret_cast<HWND>(message.LParam);
        ::GetClassNameA(child, className, sizeof(className));
        if (std::strcmp(className, WC_HEADERA) == 0) HeaderCreated(child);
      }
      return;
    default: return TWinControl::Dispatch(message);
  }
}

void TCustomListView::WMLButtonDown(TMessage& message) {
  // The system's list view may follow the button in a loop of its own and take
  // the button-up message with it; the mouse-up is then reported from here.
  inButtonDown_ = true;
  clickedInButtonDown_ = false;
  try {
    TWinControl::Dispatch(message);
  } catch (...) {
    inButtonDown_ = false;
    throw;
  }
  inButtonDown_ = false;
  if (!clickedInButtonDown_ || HasState(csDestroying) || !HandleAllocated()) return;
  POINT p;
  ::GetCursorPos(&p);
  ::ScreenToClient(Handle(), &p);
  MouseUp(mbLeft, KeyboardStateToShiftState(), p.x, p.y);
}

namespace {

void CopyText(const String& text, char* buffer, int size) {
  if (!buffer || size <= 0) return;
  const size_t count = std::min(text.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
}

void CopyWideText(const String& text, wchar_t* buffer, int size) {
  if (!buffer || size <= 0) return;
  std::wstring wide(text.size() + 1, L'\0');
  int count = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), wide.data(),
                                    static_cast<int>(wide.size()));
  count = std::min(count, size - 1);
  std::memcpy(buffer, wide.data(), count * sizeof(wchar_t));
  buffer[count] = L'\0';
}

}  // namespace

void TCustomListView::CNNotify(TMessage& message) {
  auto* header = reinterpret_cast<NMHDR*>(message.LParam);
  switch (header->code) {
    case LVN_GETDISPINFOA: case LVN_GETDISPINFOW: {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
      TListItem* item = ItemOf(info->item.iItem);
      if (!item) return;
      const int sub = info->item.iSubItem;
      if (info->item.mask & LVIF_TEXT) {
        String text = sub == 0 ? item->caption_
                               : (sub - 1 < item->subItems_->Count() ? item->subItems_->Get(sub - 1) : String());
        if (header->code == LVN_GETDISPINFOA) {
          CopyText(text, info->item.pszText, info->item.cchTextMax);
        } else {
          auto* wide = reinterpret_cast<NMLVDISPINFOW*>(header);
          CopyWideText(text, wide->item.pszText, wide->item.cchTextMax);
        }
      }
      if (info->item.mask & LVIF_IMAGE) info->item.iImage = sub == 0 ? item->imageIndex_ : -1;
      return;
    }
    case LVN_ITEMCHANGED: {
      auto* change = reinterpret_cast<NMLISTVIEW*>(header);
      if (fillingWindow_ || !(change->uChanged & LVIF_STATE)) return;
      if ((change->uNewState ^ change->uOldState) & LVIS_SELECTED)
        OnSelectItem(this, ItemOf(change->iItem), (change->uNewState & LVIS_SELECTED) != 0);
      return;
    }
    case LVN_BEGINLABELEDITA: case LVN_BEGINLABELEDITW:
      message.Result = readOnly_ ? TRUE : FALSE;
      return;
    case LVN_ENDLABELEDITA: {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
      if (TListItem* item = ItemOf(info->item.iItem); item && info->item.pszText) {
        item->SetCaption(info->item.pszText);
        message.Result = TRUE;
      }
      return;
    }
    case LVN_COLUMNCLICK: {
      auto* info = reinterpret_cast<NMLISTVIEW*>(header);
      if (info->iSubItem >= 0 && info->iSubItem < columns_->Count())
        OnColumnClick(this, columns_->Items(info->iSubItem));
      return;
    }
    case NM_CLICK:
      if (inButtonDown_) clickedInButtonDown_ = true;
      Click();
      return;
    case NM_DBLCLK:
      DblClick();
      return;
    default:
      return TWinControl::Dispatch(message);
  }
}

void TCustomListView::CNDrawItem(TMessage& message) {
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
  TListItem* item = ItemOf(static_cast<int>(draw->itemID));
  message.Result = TRUE;
  if (!item) return;
  canvas_->PaintOn(draw->hDC, [&] {
    DrawItem(item, TRect(draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom),
             draw->itemState & 0xFFFF);
  });
}

void TCustomListView::DrawItem(TListItem* item, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) return OnDrawItem(this, item, rect, state);
  const bool selected = (state & odSelected) != 0;
  canvas_->Brush()->SetColor(selected ? clHighlight : Color());
  canvas_->Font()->SetColor(selected ? clHighlightText : Font()->Color());
  canvas_->FillRect(rect);
  TRect text = rect;
  text.Left += 2;
  canvas_->TextRect(text, item->Caption(), DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (state & odFocused) canvas_->DrawFocusRect(rect);
}
