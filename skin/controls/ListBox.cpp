#include "skin/controls/ListBox.h"

#include "skin/controls/SkinCustomListBox.h"

TspListBox::TspListBox(TComponent* owner, TspSkinCustomListBox* ownerListBox)
    : TListBox(owner), OwnerListBox(ownerListBox) {
  SetStyle(lbOwnerDrawFixed);
  SetBorderStyle(bsNone);
  ControlStyle = csCaptureMouse | csOpaque | csDoubleClicks;
}

void TspListBox::CreateParams(TCreateParams& params) {
  TListBox::CreateParams(params);
  params.Style &= ~WS_BORDER;
  params.Style |= WS_TABSTOP;
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
  params.WindowClass.style = CS_DBLCLKS;
}

void TspListBox::CreateWnd() {
  TListBox::CreateWnd();
  if (!OwnerListBox) return;
  OwnerListBox->ListItemsReloaded();
  OwnerListBox->ListBoxCreateWnd();
}

void TspListBox::Click() {
  if (OwnerListBox) OwnerListBox->ListBoxClick();
  TListBox::Click();
}

void TspListBox::DblClick() {
  if (OwnerListBox) OwnerListBox->ListBoxDblClick();
  TListBox::DblClick();
}

void TspListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OwnerListBox) OwnerListBox->ListBoxMouseDown(button, shift, x, y);
  TListBox::MouseDown(button, shift, x, y);
}

void TspListBox::MouseMove(TShiftState shift, int x, int y) {
  if (OwnerListBox) OwnerListBox->ListBoxMouseMove(shift, x, y);
  TListBox::MouseMove(shift, x, y);
}

void TspListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OwnerListBox) OwnerListBox->ListBoxMouseUp(button, shift, x, y);
  TListBox::MouseUp(button, shift, x, y);
}

void TspListBox::KeyDown(Word& key, TShiftState shift) {
  if (OwnerListBox) {
    OwnerListBox->ListBoxKeyDown(key, shift);
    if ((key == VK_LEFT || key == VK_RIGHT) && OwnerListBox->HScrollBar()) {
      TspSkinScrollBar* bar = OwnerListBox->HScrollBar();
      OwnerListBox->HScrollBy(key == VK_LEFT ? -bar->SmallChange() : bar->SmallChange());
      key = 0;
      return;
    }
  }
  TListBox::KeyDown(key, shift);
}

// The key-up reaches the owner too, so OnListBoxKeyUp fires like its siblings.
void TspListBox::KeyUp(Word& key, TShiftState shift) {
  if (OwnerListBox) OwnerListBox->ListBoxKeyUp(key, shift);
  TListBox::KeyUp(key, shift);
}

void TspListBox::KeyPress(char& key) {
  if (OwnerListBox) OwnerListBox->ListBoxKeyPress(key);
  TListBox::KeyPress(key);
}

void TspListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OwnerListBox) OwnerListBox->DrawListItem(index, rect, state, Canvas());
}

void TspListBox::CNDrawItem(TMessage& message) {
  auto item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  message.Result = 1;
  if (!OwnerListBox || static_cast<int>(item->itemID) < 0) return;
  const int saved = ::SaveDC(item->hDC);
  TCanvas canvas;
  canvas.SetHandle(item->hDC);
  const TRect rect(item->rcItem.left, item->rcItem.top, item->rcItem.right, item->rcItem.bottom);
  OwnerListBox->DrawListItem(static_cast<int>(item->itemID), rect, item->itemState & 0xFFFF, &canvas);
  canvas.SetHandle(nullptr);
  ::RestoreDC(item->hDC, saved);
}

void TspListBox::EraseBackground(HDC dc) {
  if (!OwnerListBox) return;
  RECT client;
  ::GetClientRect(Handle(), &client);
  TRect area{client.left, client.top, client.right, client.bottom};
  int count = Count();
  if (count > 0 && Columns() == 0) {
    TRect last = ItemRect(count - 1);
    if (last.Bottom > area.Top && last.Bottom < area.Bottom) area.Top = last.Bottom;
    else if (last.Bottom >= area.Bottom) return;
  }
  OwnerListBox->PaintListBackground(dc, area);
}

void TspListBox::Wheel(TMessage& message) {
  TListBox::Dispatch(message);
  if (!OwnerListBox) return;
  bool up = static_cast<short>(HIWORD(message.WParam)) > 0;
  if (OwnerListBox->ScrollBar()) {
    ::SendMessageA(Handle(), WM_VSCROLL, up ? SB_LINEUP : SB_LINEDOWN, 0);
    OwnerListBox->UpDateScrollBar();
  } else if (TspSkinScrollBar* bar = OwnerListBox->HScrollBar()) {
    OwnerListBox->HScrollBy(up ? -bar->SmallChange() : bar->SmallChange());
  }
}

void TspListBox::Dispatch(TMessage& message) {
  if (OwnerListBox && !OwnerListBox->ListBoxWProc(message)) return;
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      message.Result = 0;  // no non-client area: the native scroll bars take no room
      return;
    case WM_ERASEBKGND:
      EraseBackground(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_MOUSEWHEEL:
      return Wheel(message);
    case CM_ENTER:
      TListBox::Dispatch(message);
      if (OwnerListBox) OwnerListBox->ListBoxEnter();
      return;
    case CM_EXIT:
      TListBox::Dispatch(message);
      if (OwnerListBox) OwnerListBox->ListBoxExit();
      return;
    case WM_SIZE: {
      Integer old = oldWidth_;
      TListBox::Dispatch(message);
      oldWidth_ = Width();
      if (HorzOffset > 0 && old != Width()) {
        HorzOffset = std::max<Integer>(0, HorzOffset + old - Width());
        Invalidate();
      }
      return;
    }
    case 0xB1C9:  // a skin frame asks for the non-client picture: there is none
      message.Result = 12851;
      return;
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
      TListBox::Dispatch(message);
      if (!OwnerListBox) return;
      OwnerListBox->ListItemsChanged(message);
      if (Items()->UpdateCount() == 0) OwnerListBox->UpDateScrollBar();
      return;
    case WM_SETREDRAW:
      TListBox::Dispatch(message);
      if (OwnerListBox && message.WParam) OwnerListBox->UpDateScrollBar();  // once, after a refill
      return;
    default:
      TListBox::Dispatch(message);
  }
}
