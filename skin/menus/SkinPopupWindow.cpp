// A level's life: creation, its rows and size, placement and showing.
#include "skin/menus/SkinPopupWindow.h"

#include "platform/controls/Application.h"
#include "platform/controls/ShortCuts.h"
#include "platform/core/Math.h"
#include "skin/data/ResourceStrData.h"
#include "skin/draw/SkinMask.h"
#include "skin/draw/SkinRects.h"
#include "skin/draw/SkinSystem.h"
#include "skin/draw/SkinText.h"
#include "skin/menus/SkinMenuClock.h"
#include "skin/menus/SkinMenuItem.h"

TPoint PlaceLevel(const TspLevelPlacement& p) {
  const TRect& r = p.R;
  const TRect& wa = p.WorkArea;
  const Integer half = wa.Top + wa.Height() / 2;
  const bool aside = p.Scrolling && !p.LimitedByMaxItems;
  bool moved = false;
  Integer y;
  if (aside) {
    y = wa.Top;
  } else if (p.Beside) {
    if (r.Top + p.H - p.ItemsTop <= wa.Bottom)
      y = r.Top - p.ItemsTop;
    else if (r.Top < half)
      y = wa.Bottom - p.H;
    else
      y = Max(wa.Top, r.Bottom - p.H + p.ItemsTop);
  } else if (p.PopupUp) {
    if (r.Top - p.H >= wa.Top) {
      y = r.Top - p.H;
    } else if (r.Top < half) {
      moved = r.Bottom + p.H > wa.Bottom;
      y = moved ? wa.Bottom - p.H : r.Bottom;
    } else {
      y = wa.Top;
      moved = true;
    }
  } else if (r.Bottom + p.H <= wa.Bottom) {
    y = r.Bottom;
  } else if (r.Top < half) {
    y = wa.Bottom - p.H;
    moved = true;
  } else if (r.Top - p.H >= wa.Top) {
    y = r.Top - p.H;
  } else {
    y = wa.Top;
    moved = true;
  }
  Integer x;
  if (p.Beside || aside || moved)  // beside the rectangle instead of over it
    x = r.Right + p.W + 1 <= wa.Right ? r.Right + 1 : r.Left - p.W - 1;
  else if (r.Left + p.W > wa.Right)
    x = wa.Right - p.W;
  else if (r.Left < wa.Left)
    x = wa.Left;
  else
    x = r.Left;
  return {x, y};
}

TspSkinPopupWindow::TspSkinPopupWindow(TComponent* owner, TspSkinMenu* menu, TspDataSkinPopupWindow* record)
    : TCustomControl(owner), Menu(menu) {
  SetVisible(false);
  if (record && record->WindowPictureIndex != -1 && menu->CurrentSkinData()) {
    SkinData = menu->CurrentSkinData();
    WindowPicture = SkinData->ActivePicture(record->WindowPictureIndex);
    MaskPicture = SkinData->ActivePicture(record->maskpictureindex);
    // A record whose picture is not in the list cannot frame the level.
    if (WindowPicture && !WindowPicture->Empty())
      WindowRecord = record;
    else
      SkinData = nullptr, WindowPicture = MaskPicture = nullptr;
  }
  AlphaBlend = menu->AlphaBlend;
  AlphaBlendValue = menu->AlphaBlendValue;
  AlphaBlendAnimation = menu->AlphaBlendAnimation;
  auto timer = [this](Cardinal interval, void (TspSkinPopupWindow::*handler)(TObject*)) {
    auto made = std::make_unique<TTimer>(nullptr);
    made->SetEnabled(false);
    made->SetInterval(interval);
    made->SetOnTimer(TNotifyEvent(this, handler));
    return made;
  };
  showTimer_ = timer(100, &TspSkinPopupWindow::WTProc);
  mouseTimer_ = timer(50, &TspSkinPopupWindow::TestMouse);
  morphTimer_ = timer(20, &TspSkinPopupWindow::TestMorph);
}

TspSkinPopupWindow::~TspSkinPopupWindow() {
  showTimer_->SetEnabled(false);
  mouseTimer_->SetEnabled(false);
  morphTimer_->SetEnabled(false);
  if (scrollTimerOn_ && HandleAllocated()) ::KillTimer(Handle(), 1);
  Items.clear();
  DestroyHandle();  // the window owns Region and frees it
}

void TspSkinPopupWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW;
  params.WndParent = nullptr;
  params.WindowClass.style |= CS_SAVEBITS;
  if (CheckWXP()) params.WindowClass.style |= CS_DROPSHADOW;
}

TspSkinMenuItem* TspSkinPopupWindow::ActiveItem() const {
  return ActiveIndex >= 0 && ActiveIndex < ItemCount() ? Items[ActiveIndex].get() : nullptr;
}

TspDataSkinMenuItem* TspSkinPopupWindow::FindItemRecord(TspSkinData* data, bool lowerFirst) {
  if (!data) return nullptr;
  const char* names[2] = {"MENUITEM", "menuitem"};
  if (lowerFirst) std::swap(names[0], names[1]);
  for (const char* name : names) {
    Integer index = data->GetIndex(name);
    if (index >= 0) {
      if (auto* record = dynamic_cast<TspDataSkinMenuItem*>(data->ObjectList[index].get())) return record;
    }
  }
  return nullptr;
}

// ---- rows and size ----

void TspSkinPopupWindow::BeginRows(TMenuItem* item) {
  TspDataSkinMenuItem* record = SkinData ? FindItemRecord(SkinData) : nullptr;
  TFont* font = Canvas()->Font();
  if (WindowRecord && record && Menu->UseSkinFont) {
    ItemRecord = record;
    font->SetHeight(record->FontHeight);
    font->SetStyle(record->FontStyle);
    font->SetName(record->FontName);
    font->SetCharset(Menu->DefaultMenuItemFont()->Charset());
  } else {
    ItemRecord = record;
    font->Assign(Menu->DefaultMenuItemFont());
  }
  TMenu* menu = item->GetParentMenu();
  if (menu && menu->AutoLineReduction == maAutomatic) item->RethinkLines();
  Images = menu ? menu->Images() : nullptr;
}

void TspSkinPopupWindow::AddRows(TMenuItem* item, Integer from) {
  for (Integer i = Max(0, from); i < item->Count(); ++i) {
    TMenuItem* child = item->Items(i);
    if (!child->Visible()) continue;
    if (child->Action()) child->InitiateAction();
    Items.push_back(std::make_unique<TspSkinMenuItem>(this, child, ItemRecord));
  }
}

void TspSkinPopupWindow::CreateMenu(TMenuItem* item, Integer startIndex) {
  BeginRows(item);
  AddRows(item, startIndex);
  SizeLevel();
}

void TspSkinPopupWindow::CreateMenu2(TMenuItem* item, TMenuItem* item2, Integer startIndex) {
  BeginRows(item);
  TspResourceStrData* strings = Menu->CurrentSkinData() ? Menu->CurrentSkinData()->ResourceStrData() : nullptr;
  Canvas()->Font()->SetCharset(strings ? strings->CharSet : Menu->DefaultMenuItemFont()->Charset());
  AddRows(item, startIndex);
  AddRows(item2, startIndex - item->Count());
  SizeLevel();
}

Integer TspSkinPopupWindow::PlainRowHeight() const {
  if (ItemRecord && ItemRecord->skinrect.Height() > 0) return ItemRecord->skinrect.Height();
  return Menu->DefMenuItemHeight;
}

Integer TspSkinPopupWindow::RowHeight(const TspSkinMenuItem& row) const {
  if (!row.IsSeparator()) return PlainRowHeight();
  if (ItemRecord && ItemRecord->DividerRect.Height() > 0) return ItemRecord->DividerRect.Height();
  return 4;
}

Integer TspSkinPopupWindow::FrameHeight() const {
  if (!WindowRecord) return 6;
  return WindowPicture->Height() + WindowRecord->ItemsRect.Top - WindowRecord->ItemsRect.Bottom;
}

void TspSkinPopupWindow::SizeLevel() {
  FirstVisible = 0;
  VisibleCount = ItemCount();
  Scrolling = LimitedByMaxItems = false;
  ImageColumnWidth = Images ? Images->Width() + 5 : 16;
  TBitmap scratch;
  scratch.SetSize(1, 1);
  scratch.Canvas()->SetFont(Canvas()->Font());
  Integer textWidth = 0;
  for (auto& row : Items) {
    String text = row->SourceItem->Caption();
    if (row->SourceItem->ShortCut() != scNone) text += "  " + ShortCutToText(row->SourceItem->ShortCut());
    WideString wide(text.begin(), text.end());
    TRect r{0, 0, 0, 0};
    SPDrawSkinText(scratch.Canvas(), wide, r, DT_CALCRECT);
    textWidth = Max(textWidth, r.Width() + 2);
  }
  Integer w = textWidth + ImageColumnWidth + 16;
  if (!WindowRecord) {
    w += 10;
  } else {
    const TRect& items = WindowRecord->ItemsRect;
    w += WindowPicture->Width() + items.Left - items.Right;
    if (ItemRecord)
      w += ItemRecord->TextRect.Left + (ItemRecord->skinrect.Width() - ItemRecord->TextRect.Right);
    else
      w += 4;  // the default rows' own margins inside the skin's frame
  }
  Integer h = 0;
  const Integer frame = FrameHeight();
  if (Menu->MaxMenuItemsInWindow > 0 && Menu->MaxMenuItemsInWindow < ItemCount()) {
    h = Menu->MaxMenuItemsInWindow * PlainRowHeight() + frame + 20;
    Scrolling = LimitedByMaxItems = true;
  } else {
    for (auto& row : Items) h += RowHeight(*row);
    h += frame;
  }
  if (h > Menu->WorkArea.Height()) {
    h = Menu->WorkArea.Height();
    Scrolling = true;
  }
  SetBounds(Left(), Top(), w, h);
  if (WindowRecord) {
    const TspDataSkinPopupWindow& k = *WindowRecord;
    const Integer pw = WindowPicture->Width(), ph = WindowPicture->Height();
    TargetLeftTop = k.LeftTopPoint;
    TargetRightTop = {w + k.RightTopPoint.X - pw, k.RightTopPoint.Y};
    TargetLeftBottom = {k.LeftBottomPoint.X, h + k.LeftBottomPoint.Y - ph};
    TargetRightBottom = {w + k.RightBottomPoint.X - pw, h + k.RightBottomPoint.Y - ph};
    NewItemsRect = {k.ItemsRect.Left, k.ItemsRect.Top, w + k.ItemsRect.Right - pw, h + k.ItemsRect.Bottom - ph};
  } else {
    NewItemsRect = {3, 3, w - 3, h - 3};
  }
  CalcItemRects();
  if (MaskPicture) SetMenuWindowRegion();
}

void TspSkinPopupWindow::CalcItemRects() {
  Integer y = NewItemsRect.Top + (Scrolling ? 10 : 0);
  const Integer bottom = NewItemsRect.Bottom - (Scrolling ? 10 : 0);
  VisibleCount = 0;
  for (Integer i = FirstVisible; i < ItemCount(); ++i) {
    TspSkinMenuItem& row = *Items[i];
    const Integer height = RowHeight(row);
    row.ItemRect = {NewItemsRect.Left, y, NewItemsRect.Right, y + height};
    y += height;
    if (y > bottom) break;
    row.Shown = true;
    ++VisibleCount;
  }
  if (!Scrolling) return;
  for (Integer i = 0; i < ItemCount(); ++i)
    if (i < FirstVisible || i >= FirstVisible + VisibleCount) Items[i]->Shown = false;
}

void TspSkinPopupWindow::SetMenuWindowRegion() {
  const TspDataSkinPopupWindow& k = *WindowRecord;
  HRGN region = nullptr;
  CreateSkinRegion(region, k.LeftTopPoint, k.RightTopPoint, k.LeftBottomPoint, k.RightBottomPoint, k.ItemsRect,
                   TargetLeftTop, TargetRightTop, TargetLeftBottom, TargetRightBottom, NewItemsRect, MaskPicture,
                   Width(), Height());
  // The window owns the region it is given, and frees the one it had.
  ::SetWindowRgn(Handle(), region, TRUE);
  Region = region;
}

// ---- showing ----

void TspSkinPopupWindow::Show(const TRect& r, TMenuItem* item, Integer startIndex, bool beside, bool popupUp) {
  const bool fresh = Menu->FreshOpen;
  if (CheckW2KWXP() && Menu->AlphaBlend && Menu->AlphaBlendAnimation && fresh) Application.ProcessMessages();
  CreateMenu(item, startIndex);
  TPoint at = PlaceLevel({r, Width(), Height(), Menu->WorkArea, NewItemsRect.Top, beside, popupUp, Scrolling,
                          LimitedByMaxItems});
  ShowX = at.X, ShowY = at.Y;
  FinishShow(fresh);
}

void TspSkinPopupWindow::Show2(const TRect& r, TMenuItem* item, TMenuItem* item2, Integer startIndex, bool beside,
                               bool popupUp) {
  const bool fresh = Menu->FreshOpen;
  if (CheckW2KWXP() && Menu->AlphaBlend && Menu->AlphaBlendAnimation && fresh) Application.ProcessMessages();
  CreateMenu2(item, item2, startIndex);
  TPoint at = PlaceLevel({r, Width(), Height(), Menu->WorkArea, NewItemsRect.Top, beside, popupUp, Scrolling,
                          LimitedByMaxItems});
  ShowX = at.X, ShowY = at.Y;
  FinishShow(fresh);
}

void TspSkinPopupWindow::ShowAt() {
  if (WindowRecord && WindowRecord->cursorindex != -1)
    SetCursor(static_cast<TCursor>(SkinData->StartCursorIndex + WindowRecord->cursorindex));
  SetBounds(ShowX, ShowY, Width(), Height());
  ::SetWindowPos(Handle(), HWND_TOPMOST, ShowX, ShowY, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
}

void TspSkinPopupWindow::FinishShow(bool fresh) {
  if (AlphaBlend && !CheckW2KWXP()) {  // translucency emulated over a screen shot
    showTimer_->SetEnabled(true);
    return;
  }
  const bool fade = CheckW2KWXP() && Menu->AlphaBlend && Menu->AlphaBlendAnimation && fresh;
  if (CheckW2KWXP() && Menu->AlphaBlend) {
    HWND h = Handle();
    ::SetWindowLongPtrA(h, GWL_EXSTYLE, ::GetWindowLongPtrA(h, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetAlphaBlendTransparent(h, fade ? 0 : Menu->AlphaBlendValue);
  }
  ShowAt();
  if (fade) FadeIn();
  mouseTimer_->SetEnabled(true);
  SelectFirst(false);
}

void TspSkinPopupWindow::FadeIn() {
  // Ends for every target (0 included) and across a wrap of the tick count.
  const Integer target = Menu->AlphaBlendValue;
  Integer alpha = 0;
  DWORD last = 0;
  do {
    DWORD now = SP_MenuTickCount();
    if (now - last > 5) {
      last = now;
      alpha = Min(alpha + 10, target);
      SetAlphaBlendTransparent(Handle(), static_cast<Byte>(alpha));
    }
  } while (alpha < target);
}

void TspSkinPopupWindow::SelectFirst(bool anyItem) {
  ActiveIndex = -1;
  for (Integer i = 0; i < ItemCount(); ++i) {
    if (!anyItem && !Items[i]->Selectable()) continue;
    Items[i]->KeyboardSelected = true;
    ActiveIndex = i;
    Items[i]->MouseEnter(true);
    return;
  }
}

void TspSkinPopupWindow::WTProc(TObject*) {
  showTimer_->SetEnabled(false);
  ScreenShot = std::make_unique<TBitmap>();
  ScreenShot->SetPixelFormat(pf24bit);
  ScreenShot->SetSize(Width() + 1, Height() + 1);
  GetScreenImage(ShowX, ShowY, ScreenShot.get());
  BackgroundEffect = std::make_unique<TspEffectBmp>(ScreenShot->Handle());
  ShowAt();
  mouseTimer_->SetEnabled(true);
  SelectFirst(true);
}

void TspSkinPopupWindow::HideLevel() {
  if (HandleAllocated())
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  mouseTimer_->SetEnabled(false);
  SetVisible(false);
}
