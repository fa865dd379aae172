// The grid window of the images menu: layout, showing, input and painting.
#include "platform/controls/Screen.h"
#include "platform/graphics/Frame3D.h"
#include "skin/data/WindowRecords.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinMask.h"
#include "skin/draw/SkinSystem.h"
#include "skin/menus/SkinHint.h"
#include "skin/menus/SkinImagesMenu.h"

TspSkinImagesMenuPopupWindow::TspSkinImagesMenuPopupWindow(TspSkinImagesMenu* menu)
    : TCustomControl(menu), Menu(menu) {
  SetVisible(false);
  ControlStyle |= csNoDesignVisible | csReplicatable;
}

TspSkinImagesMenuPopupWindow::~TspSkinImagesMenuPopupWindow() {
  UnHookApp();
  if (region_) ::DeleteObject(region_);
}

void TspSkinImagesMenuPopupWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW;
  params.WndParent = nullptr;
  params.WindowClass.style |= CS_SAVEBITS;
  if (CheckWXP()) params.WindowClass.style |= CS_DROPSHADOW;
}

TspDataSkinButtonControl* TspSkinImagesMenuPopupWindow::ButtonRecord() const {
  TspSkinData* data = Menu->SkinData();
  if (!data || data->Empty) return nullptr;
  for (const char* name : {"menuitembutton", "resizebutton"}) {
    Integer i = data->GetControlIndex(name);
    if (i == -1) continue;
    if (auto* r = dynamic_cast<TspDataSkinButtonControl*>(data->CtrlList[i].get())) return r;
  }
  return nullptr;
}

TspDataSkinControl* TspSkinImagesMenuPopupWindow::LabelRecord() const {
  TspSkinData* data = Menu->SkinData();
  if (!data || data->Empty) return nullptr;
  Integer i = data->GetControlIndex("label");
  return i == -1 ? nullptr : dynamic_cast<TspDataSkinCustomControl*>(data->CtrlList[i].get());
}

void TspSkinImagesMenuPopupWindow::DecideSkinned() {
  TspSkinData* data = Menu->SkinData();
  record_ = data && !data->Empty && data->PopupWindow && data->PopupWindow->WindowPictureIndex != -1
                ? data->PopupWindow.get()
                : nullptr;
  windowPicture_ = record_ ? data->ActivePicture(record_->WindowPictureIndex) : nullptr;
  maskPicture_ = record_ && windowPicture_ ? data->ActivePicture(record_->maskpictureindex) : nullptr;
  if (!windowPicture_) record_ = nullptr;  // a picture index beyond the list: the default look
  Skinned = record_ != nullptr;
}

// ---- layout ----

void TspSkinImagesMenuPopupWindow::AssignItemRects() {
  TCustomImageList* images = Menu->Images();
  const Integer cw = images->Width() + 10, ch = images->Height() + 10, rw = Menu->ColumnsCount() * cw;
  const Integer x0 = Skinned ? record_->ItemsRect.Left : 5, y0 = Skinned ? record_->ItemsRect.Top : 5;
  TspDataSkinControl* label = LabelRecord();
  Integer x = x0, y = y0;
  for (Integer i = 0; i < ItemCount(); ++i) {
    TspImagesMenuItem& item = *Item(i);
    if (item.Header || item.Button) {
      if (x != x0) y += ch + 1;
      Integer h = item.Header && label ? label->skinrect.Height() : ch;
      item.ItemRect = TRect{x0, y, x0 + rw, y + h};
      y += h + 1;
      x = x0;
      continue;
    }
    item.ItemRect = TRect{x, y, x + cw, y + ch};
    x += cw;
    if (x + cw > x0 + rw) {
      x = x0;
      y += ch + 1;
    }
  }
}

void TspSkinImagesMenuPopupWindow::CreateMenu() {
  DecideSkinned();
  AssignItemRects();
  const Integer rw = Menu->ColumnsCount() * (Menu->Images()->Width() + 10);
  Integer contentHeight = 0;
  if (ItemCount() > 0) contentHeight = Item(ItemCount() - 1)->ItemRect.Bottom - Item(0)->ItemRect.Top;
  if (!Skinned) {
    SetBounds(Left(), Top(), rw + 10, contentHeight + 10);
    return;
  }
  const TspDataSkinPopupWindow& k = *record_;
  const Integer pw = windowPicture_->Width(), ph = windowPicture_->Height();
  const Integer w = pw + rw - k.ItemsRect.Width(), h = ph + contentHeight - k.ItemsRect.Height();
  SetBounds(Left(), Top(), w, h);
  targetLeftTop_ = k.LeftTopPoint;
  targetRightTop_ = {w + k.RightTopPoint.X - pw, k.RightTopPoint.Y};
  targetLeftBottom_ = {k.LeftBottomPoint.X, h + k.LeftBottomPoint.Y - ph};
  targetRightBottom_ = {w + k.RightBottomPoint.X - pw, h + k.RightBottomPoint.Y - ph};
  newItemsRect_ = {k.ItemsRect.Left, k.ItemsRect.Top, w + k.ItemsRect.Right - pw, h + k.ItemsRect.Bottom - ph};
  if (!maskPicture_) return;
  HRGN region = nullptr;
  CreateSkinRegion(region, k.LeftTopPoint, k.RightTopPoint, k.LeftBottomPoint, k.RightBottomPoint, k.ItemsRect,
                   targetLeftTop_, targetRightTop_, targetLeftBottom_, targetRightBottom_, newItemsRect_, maskPicture_,
                   w, h);
  ::SetWindowRgn(Handle(), region, TRUE);
  if (region_) ::DeleteObject(region_);
  region_ = region;
}

Integer TspSkinImagesMenuPopupWindow::GetItemFromPoint(const TPoint& p) const {
  for (Integer i = 0; i < ItemCount(); ++i) {
    const TspImagesMenuItem& item = *Item(i);
    if (!item.Header && item.ItemRect.Contains(p)) return i;
  }
  return -1;
}

// ---- showing and closing ----

void TspSkinImagesMenuPopupWindow::Show(const TRect& r) {
  CreateMenu();
  Integer x = r.Left, y = r.Bottom;
  HWND anchor = nullptr;
  if (Screen.ActiveCustomForm() && Screen.ActiveCustomForm()->HandleAllocated())
    anchor = Screen.ActiveCustomForm()->Handle();
  else if (Application.MainForm() && Application.MainForm()->Visible())
    anchor = Application.MainForm()->Handle();
  TRect work = GetMonitorWorkArea(anchor, true);
  if (y + Height() > work.Bottom) y = r.Top - Height();
  if (x + Width() > work.Right) x -= x + Width() - work.Right;
  if (x < work.Left) x = work.Left;
  if (y < work.Top) y = work.Top;
  if (CheckW2KWXP() && Menu->AlphaBlend) {
    ::SetWindowLongA(Handle(), GWL_EXSTYLE, ::GetWindowLongA(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetAlphaBlendTransparent(Handle(), Menu->AlphaBlendAnimation ? 0 : Menu->AlphaBlendValue);
  }
  SetBounds(x, y, Width(), Height());
  ::SetWindowPos(Handle(), HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  if (Menu->AlphaBlend && Menu->AlphaBlendAnimation && CheckW2KWXP()) {
    Application.ProcessMessages();
    for (Integer alpha = 0; alpha < Menu->AlphaBlendValue;) {
      DWORD start = ::GetTickCount();
      while (::GetTickCount() - start <= 5) {}
      alpha = alpha + 10 > Menu->AlphaBlendValue ? Menu->AlphaBlendValue : alpha + 10;
      SetAlphaBlendTransparent(Handle(), static_cast<Byte>(alpha));
    }
  }
  HookApp();
}

void TspSkinImagesMenuPopupWindow::Dismiss(bool hideHint) {
  if (hideHint && Menu->ShowHints) HideHint();
  if (HandleAllocated())
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  SetVisible(false);
  UnHookApp();
  if (HandleAllocated() && ::GetCapture() == Handle()) ::ReleaseCapture();
}

void TspSkinImagesMenuPopupWindow::Hide(bool chosen) {
  Dismiss();
  Menu->ProcessEvents(chosen);
}

void TspSkinImagesMenuPopupWindow::HideHint() {
  if (Menu->SkinHint()) Menu->SkinHint()->HideHint();
}

void TspSkinImagesMenuPopupWindow::HookApp() {
  savedOnMessage_ = Application.OnMessage;
  Application.OnMessage = TMessageEvent(this, &TspSkinImagesMenuPopupWindow::NewAppMessage);
  hooked_ = true;
  ::SetCapture(Handle());
}

void TspSkinImagesMenuPopupWindow::UnHookApp() {
  if (!hooked_) return;
  hooked_ = false;
  if (Application.OnMessage == TMessageEvent(this, &TspSkinImagesMenuPopupWindow::NewAppMessage))
    Application.OnMessage = savedOnMessage_;
}

// ---- input ----

void TspSkinImagesMenuPopupWindow::NewAppMessage(MSG& msg, bool& handled) {
  switch (msg.message) {
    case WM_KEYDOWN:
      ProcessKey(static_cast<Word>(msg.wParam));
      msg.message = 0;  // no control sees the key
      return;
    case 3: case 5: case 6: case 8: case 31: case 33: case 161: case 164: case 167:
    case WM_SYSKEYDOWN: case WM_SYSCHAR: case 516: case 519: case 528:
      Hide(false);
      return;
    default:
      break;
  }
  (void)handled;
}

void TspSkinImagesMenuPopupWindow::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEACTIVATE: message.Result = MA_NOACTIVATE; return;
    case WM_ERASEBKGND: message.Result = 1; return;
    default: TCustomControl::Dispatch(message);
  }
}

void TspSkinImagesMenuPopupWindow::WndProc(TMessage& message) {
  TCustomControl::WndProc(message);
  if (message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONDBLCLK) return;
  // The point of the press itself: with the capture held, a press anywhere comes here.
  POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  ::ClientToScreen(Handle(), &p);
  if (Visible() && ::WindowFromPoint(p) != Handle()) Hide(false);
}

void TspSkinImagesMenuPopupWindow::MouseDown(TMouseButton, TShiftState, int x, int y) {
  HideHint();
  MouseWentDown = true;
  PressedOnItem = GetItemFromPoint(TPoint{x, y}) != -1;
  Repaint();
}

void TspSkinImagesMenuPopupWindow::MouseUp(TMouseButton, TShiftState, int x, int y) {
  Integer index = GetItemFromPoint(TPoint{x, y});
  if (MouseWentDown && index != -1) {
    Menu->ItemIndex = index;
    return Hide(true);
  }
  if (::GetCapture() == Handle()) ::ReleaseCapture();
  ::SetCapture(Handle());
}

void TspSkinImagesMenuPopupWindow::MouseMove(TShiftState, int x, int y) { TestActive(x, y); }

void TspSkinImagesMenuPopupWindow::CMMouseLeave(TMessage&) {
  HideHint();
  HotIndex = LastHotIndex = -1;
  Repaint();
}

void TspSkinImagesMenuPopupWindow::TestActive(Integer x, Integer y) {
  HotIndex = GetItemFromPoint(TPoint{x, y});
  if (Menu->SkinHint() && HotIndex == -1) HideHint();
  if (HotIndex == LastHotIndex) return;
  LastHotIndex = HotIndex;
  Repaint();
  if (!Menu->ShowHints || HotIndex == -1 || !Menu->SkinHint()) return;
  HideHint();
  if (!Item(HotIndex)->Hint.empty()) Menu->SkinHint()->ActivateHint2(Item(HotIndex)->Hint);
}

void TspSkinImagesMenuPopupWindow::SetHot(Integer index) {
  if (index == HotIndex) return;
  HotIndex = index;
  Repaint();
}

void TspSkinImagesMenuPopupWindow::ProcessKey(Word key) {
  switch (key) {
    case VK_RETURN:
    case VK_SPACE:
      if (HotIndex != -1) Menu->ItemIndex = HotIndex;
      return Hide(true);
    case VK_ESCAPE: return Hide(false);
    case VK_LEFT: return FindLeft();
    case VK_UP: return FindUp();
    case VK_RIGHT: return FindRight();
    case VK_DOWN: return FindDown();
    default: return;
  }
}

void TspSkinImagesMenuPopupWindow::FindUp() {
  if (HotIndex == -1) return SetHot(ItemCount() - 1);
  const TRect& hot = Item(HotIndex)->ItemRect;
  for (Integer i = HotIndex - 1; i >= 0; --i) {
    const TspImagesMenuItem& item = *Item(i);
    if (item.Header) continue;
    if (item.ItemRect.Top < hot.Top && (item.Button || item.ItemRect.Left == hot.Left)) return SetHot(i);
  }
}

void TspSkinImagesMenuPopupWindow::FindDown() {
  if (HotIndex == -1) return SetHot(ItemCount() > 1 && Item(0)->Header ? 1 : 0);
  const TRect& hot = Item(HotIndex)->ItemRect;
  for (Integer i = HotIndex + 1; i < ItemCount(); ++i) {
    const TspImagesMenuItem& item = *Item(i);
    if (item.Header) continue;
    if (item.ItemRect.Top > hot.Top && (item.Button || item.ItemRect.Left == hot.Left)) return SetHot(i);
  }
}

void TspSkinImagesMenuPopupWindow::FindRight() {
  if (HotIndex == -1 || HotIndex == ItemCount() - 1) return SetHot(ItemCount() > 1 && Item(0)->Header ? 1 : 0);
  for (Integer i = HotIndex + 1; i < ItemCount(); ++i)
    if (!Item(i)->Header) return SetHot(i);
}

void TspSkinImagesMenuPopupWindow::FindLeft() {
  if (HotIndex <= 0) return SetHot(ItemCount() - 1);
  if (Item(0)->Header && ItemCount() >= 2 && HotIndex == 1) return SetHot(ItemCount() - 1);
  for (Integer i = HotIndex - 1; i >= 0; --i)
    if (!Item(i)->Header) return SetHot(i);
}
