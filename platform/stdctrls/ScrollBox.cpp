// The scroll box: ranges from the children's extent, scrolling by moving them.
#include "platform/stdctrls/ScrollBox.h"

#include <algorithm>

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
  ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  SetAutoScroll(true);
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TScrollingWinControl::CreateParams(params);
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::CreateWnd() {
  TScrollingWinControl::CreateWnd();
  UpdateScrollBars();
}

void TScrollBox::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

TSize TScrollBox::ContentSize() const {
  int right = 0, bottom = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    if (!control->Visible() || control->Align() != alNone) continue;
    right = std::max(right, control->Left() + control->Width() + position_.X);
    bottom = std::max(bottom, control->Top() + control->Height() + position_.Y);
  }
  return TSize{right, bottom};
}

void TScrollBox::AlignControls(TControl* control, TRect& rect) {
  TScrollingWinControl::AlignControls(control, rect);
  UpdateScrollBars();
}

void TScrollBox::UpdateScrollBars() {
  if (!HandleAllocated() || updating_ || !AutoScroll()) return;
  updating_ = true;
  const TSize content = ContentSize();
  RECT client;
  ::GetClientRect(Handle(), &client);
  auto apply = [&](int bar, int extent, int page) {
    SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    if (extent > page) {
      info.nMax = extent - 1;
      info.nPage = static_cast<UINT>(page);
    }
    info.nPos = bar == SB_HORZ ? position_.X : position_.Y;
    ::SetScrollInfo(Handle(), bar, &info, TRUE);
    ::ShowScrollBar(Handle(), bar, extent > page);
  };
  apply(SB_HORZ, content.cx, client.right);
  apply(SB_VERT, content.cy, client.bottom);
  // Contents that fit now need no scrolled-away part.
  const int maxX = std::max(0, static_cast<int>(content.cx - client.right));
  const int maxY = std::max(0, static_cast<int>(content.cy - client.bottom));
  updating_ = false;
  if (position_.X > maxX || position_.Y > maxY) ScrollTo(std::min(position_.X, maxX), std::min(position_.Y, maxY));
}

void TScrollBox::ScrollTo(int x, int y) {
  x = std::max(0, x);
  y = std::max(0, y);
  const int dx = position_.X - x, dy = position_.Y - y;
  if (dx == 0 && dy == 0) return;
  position_ = TPoint{x, y};
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    if (control->Align() == alNone) control->SetBounds(control->Left() + dx, control->Top() + dy, control->Width(),
                                                       control->Height());
  }
  EnableAlign();
  if (HandleAllocated()) {
    ::SetScrollPos(Handle(), SB_HORZ, x, TRUE);
    ::SetScrollPos(Handle(), SB_VERT, y, TRUE);
  }
  Invalidate();
}

void TScrollBox::ScrollInView(TControl* control) {
  if (!control || control->Parent() != this) return;
  const TRect client = ClientRect();
  int x = position_.X, y = position_.Y;
  if (control->Left() < 0) x += control->Left();
  else if (control->Left() + control->Width() > client.Right)
    x += std::min(control->Left(), control->Left() + control->Width() - client.Right);
  if (control->Top() < 0) y += control->Top();
  else if (control->Top() + control->Height() > client.Bottom)
    y += std::min(control->Top(), control->Top() + control->Height() - client.Bottom);
  ScrollTo(x, y);
}

void TScrollBox::Scroll(int bar, int code) {
  SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  ::GetScrollInfo(Handle(), bar, &info);
  int pos = bar == SB_HORZ ? position_.X : position_.Y;
  const int page = static_cast<int>(info.nPage);
  switch (code) {
    case SB_LINEUP: pos -= 8; break;
    case SB_LINEDOWN: pos += 8; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = info.nMax; break;
    default: return;
  }
  pos = std::clamp(pos, 0, std::max(0, info.nMax - page + 1));
  if (bar == SB_HORZ)
    ScrollTo(pos, position_.Y);
  else
    ScrollTo(position_.X, pos);
}

void TScrollBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_HSCROLL:
      if (message.LParam == 0) return Scroll(SB_HORZ, LOWORD(message.WParam));
      break;
    case WM_VSCROLL:
      if (message.LParam == 0) return Scroll(SB_VERT, LOWORD(message.WParam));
      break;
    case WM_SIZE:
      TScrollingWinControl::Dispatch(message);
      UpdateScrollBars();
      return;
    default:
      break;
  }
  TScrollingWinControl::Dispatch(message);
}
