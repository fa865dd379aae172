// A level's input: keys handed down by the form, the polled pointer, clicks,
// scrolling and the morph timer.
#include "skin/draw/SkinRects.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinPopupWindow.h"

namespace {
constexpr UINT_PTR kScrollTimer = 1;
}

bool TspSkinPopupWindow::IsSelectable(Integer index) const { return Items[index]->Selectable(); }

void TspSkinPopupWindow::SetActive(Integer index) {
  TspSkinMenuItem* old = ActiveItem();
  ActiveIndex = index;
  if (old && old != ActiveItem()) old->MouseLeave();
}

void TspSkinPopupWindow::PopupKeyDown(Word key) {
  if (!Visible() || !IsOpen()) return;
  // Accelerators first; a disabled item matches too, and its MouseDown does nothing.
  for (Integer i = 0; i < ItemCount(); ++i) {
    TspSkinMenuItem* row = Items[i].get();
    if (!Enabled() || !IsAccel(key, row->SourceItem->Caption())) continue;
    row->MouseEnter(false);
    SetActive(i);
    row->MouseDown();
    return;
  }
  const Integer levels = Menu->LevelCount();
  auto releaseTop = [this] {
    if (TspSkinPopupWindow* top = Menu->TopLevel())
      if (TspSkinMenuItem* row = top->ActiveItem()) row->Pressed = false;
  };
  switch (key) {
    case VK_RETURN:
      if (TspSkinMenuItem* row = ActiveItem()) row->MouseDown();
      return;
    case VK_ESCAPE:
      Menu->CloseMenu(levels - 1);
      releaseTop();
      return;
    case VK_LEFT:
      if (levels < 2) return;
      Menu->CloseMenu(levels - 1);
      releaseTop();
      return;
    case VK_RIGHT:
      if (TspSkinMenuItem* row = ActiveItem())
        if (row->SourceItem->Count() > 0) row->MouseDown();
      return;
    case VK_DOWN:
    case VK_UP:
      break;
    default:
      return;
  }
  const Integer n = ItemCount();
  if (n == 0) return;
  OldActiveIndex = ActiveIndex;
  const bool canMove = Scrolling && ScrollDirection == 0;
  if (key == VK_DOWN) {
    if (canMove && ActiveIndex == FirstVisible + VisibleCount - 1) ScrollDown(true);
    Integer start = ActiveIndex < 0 || ActiveIndex + 1 > n - 1 ? 0 : ActiveIndex + 1;
    for (Integer i = start; i < n; ++i) {
      if (IsSelectable(i)) {
        ActiveIndex = i;
        break;
      }
      if (canMove && i == FirstVisible + VisibleCount - 1) ScrollDown(true);
    }
  } else {
    if (canMove && ActiveIndex == FirstVisible) ScrollUp(true);
    Integer start = ActiveIndex - 1 < 0 ? n - 1 : ActiveIndex - 1;
    for (Integer i = start; i >= 0; --i) {
      if (IsSelectable(i)) {
        ActiveIndex = i;
        break;
      }
      if (canMove && i == FirstVisible) ScrollUp(true);
    }
  }
  if (ActiveIndex == OldActiveIndex) return;
  Items[ActiveIndex]->MouseEnter(true);
  if (OldActiveIndex >= 0 && OldActiveIndex < n) Items[OldActiveIndex]->MouseLeave();
}

// ---- the pointer ----

bool TspSkinPopupWindow::InWindow(const TPoint& screenPoint) {
  return HandleAllocated() && ::WindowFromPoint(POINT{screenPoint.X, screenPoint.Y}) == Handle();
}

bool TspSkinPopupWindow::GetActive(Integer x, Integer y) const {
  for (auto& row : Items)
    if (row->Shown && PointInRect(row->ItemRect, {x, y})) return true;
  return false;
}

void TspSkinPopupWindow::TestMouse(TObject*) {
  POINT cursor;
  if (!::GetCursorPos(&cursor) || !HandleAllocated()) return;
  TPoint screen{cursor.x, cursor.y};
  TPoint p = ScreenToClient(screen);
  if (p.X == LastMouseX && p.Y == LastMouseY) return;
  LastMouseX = p.X, LastMouseY = p.Y;
  if (InWindow(screen))
    TestActive(p.X, p.Y);
  else if (Scrolling && ScrollDirection != 0)
    StopScroll();
}

void TspSkinPopupWindow::TestActive(Integer x, Integer y) {
  if (!IsOpen()) return;
  if (Scrolling) {
    const TRect& r = NewItemsRect;
    const bool inUp = PointInRect({r.Left, r.Top, r.Right, r.Top + 10}, {x, y});
    const bool inDown = PointInRect({r.Left, r.Bottom - 10, r.Right, r.Bottom}, {x, y});
    if (inUp && ScrollDirection == 0 && CanScroll(1)) {
      ScrollDirection = 1;
      StartScroll();
    } else if (inDown && ScrollDirection == 0 && CanScroll(2)) {
      ScrollDirection = 2;
      StartScroll();
    } else if (ScrollDirection != 0 && !inUp && !inDown) {
      StopScroll();
    }
  }
  OldActiveIndex = ActiveIndex;
  for (Integer i = 0; i < ItemCount(); ++i) {
    if (Items[i]->Shown && PointInRect(Items[i]->ItemRect, {x, y})) {
      ActiveIndex = i;
      break;
    }
  }
  if (ActiveIndex >= ItemCount()) ActiveIndex = -1;
  if (ActiveIndex == OldActiveIndex) {
    TspSkinMenuItem* row = ActiveItem();
    if (row && row->KeyboardSelected) {
      row->KeyboardSelected = false;
      if (row->SourceItem->Count() > 0) row->MouseEnter(false);  // arms the sub-menu delay
    }
    return;
  }
  if (OldActiveIndex >= 0 && OldActiveIndex < ItemCount() && IsSelectable(OldActiveIndex))
    Items[OldActiveIndex]->MouseLeave();
  if (TspSkinMenuItem* row = ActiveItem())
    if (row->Selectable()) row->MouseEnter(false);
}

void TspSkinPopupWindow::MouseUpAt(TMouseButton button, Integer x, Integer y) {
  if (!IsOpen()) return;
  TestActive(x, y);
  TspSkinMenuItem* row = ActiveItem();
  if (button == mbLeft && row && GetActive(x, y) && !row->IsSeparator()) row->MouseDown(x, y);
}

void TspSkinPopupWindow::MouseUp(TMouseButton button, TShiftState, int x, int y) { MouseUpAt(button, x, y); }

// ---- scrolling ----

bool TspSkinPopupWindow::CanScroll(Integer direction) const {
  if (direction == 1) return FirstVisible > 0;
  return FirstVisible + VisibleCount - 1 < ItemCount() - 1;
}

void TspSkinPopupWindow::ScrollUp(bool wrap) {
  if (FirstVisible > 0)
    --FirstVisible;
  else if (wrap)
    FirstVisible = GetEndStartVisibleIndex();
  else
    return;
  CalcItemRects();
  RepaintLevel();
}

void TspSkinPopupWindow::ScrollDown(bool wrap) {
  if (CanScroll(2))
    ++FirstVisible;
  else if (wrap)
    FirstVisible = 0;
  else
    return;
  CalcItemRects();
  RepaintLevel();
}

Integer TspSkinPopupWindow::GetEndStartVisibleIndex() const {
  Integer a = NewItemsRect.Bottom - 10;
  Integer counted = 0;
  for (Integer i = ItemCount() - 1; i >= 0; --i) {
    a -= RowHeight(*Items[i]);
    if (a < 10) break;
    ++counted;
  }
  return ItemCount() - counted;
}

void TspSkinPopupWindow::StartScroll() {
  showTimer_->SetEnabled(false);
  Integer index = Menu->GetPWIndex(this);
  if (index < Menu->LevelCount() - 1) Menu->CloseMenu(index + 1);
  RepaintLevel();
  if (!HandleAllocated()) return;
  ::SetTimer(Handle(), kScrollTimer, 100, nullptr);
  scrollTimerOn_ = true;
}

void TspSkinPopupWindow::StopScroll() {
  ScrollDirection = 0;
  RepaintLevel();
  if (scrollTimerOn_ && HandleAllocated()) ::KillTimer(Handle(), kScrollTimer);
  scrollTimerOn_ = false;
}

void TspSkinPopupWindow::ScrollTimerTick() {
  if (ScrollDirection == 1) {
    if (CanScroll(1))
      ScrollUp(false);
    else
      StopScroll();
  } else if (ScrollDirection == 2) {
    if (CanScroll(2))
      ScrollDown(false);
    else
      StopScroll();
  }
}

// ---- messages ----

void TspSkinPopupWindow::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEACTIVATE:
      message.Result = MA_NOACTIVATE;  // the form keeps activation and focus
      return;
    case WM_TIMER:
      TCustomControl::Dispatch(message);
      if (message.WParam == kScrollTimer) ScrollTimerTick();
      return;
    default:
      TCustomControl::Dispatch(message);
  }
}

// ---- morphing and animation ----

void TspSkinPopupWindow::TestMorph(TObject*) {
  if (!WindowRecord) {
    morphTimer_->SetEnabled(false);
    return;
  }
  bool changed = false;
  for (auto& item : Items) {
    TspSkinMenuItem& row = *item;
    if (row.EnableMorphing() && row.CanMorphing()) {
      row.DoMorphing();
      changed = true;
    } else if (row.EnableAnimation()) {
      if (row.Hot && row.AnimFrame <= row.SkinRecord->framecount) {
        ++row.AnimFrame;
        DrawRow(&row);
        changed = true;
      } else if (!row.Hot && row.AnimFrame > 0) {
        --row.AnimFrame;
        DrawRow(&row);
        changed = true;
      }
    }
  }
  if (!changed) morphTimer_->SetEnabled(false);
}

void TspSkinPopupWindow::UpDatePW() {
  Integer index = Menu->GetPWIndex(this);
  if (index < Menu->LevelCount() - 1) Menu->CloseMenu(index + 1);
  for (auto& row : Items) {
    if (!row->Pressed) continue;
    row->Pressed = false;
    if (row->EnableAnimation() && !row->SkinRecord->inactiveanimation) {
      row->AnimFrame = 0;
      DrawRow(row.get());
    } else {
      row->Redraw();
    }
  }
}
