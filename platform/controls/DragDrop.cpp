#include "platform/controls/DragDrop.h"

#include <cstdlib>

#include "platform/controls/Messages.h"

namespace {

struct TDragState_ {
  TControl* source = nullptr;  // borrowed; cleared by DragForgetControl
  TControl* target = nullptr;  // borrowed; the control under the pointer
  bool accepted = false;
  bool started = false;
  int threshold = 0;
  TPoint start;      // screen point of the press
  TPoint lastPoint;  // screen point of the last move
};

TDragState_ drag;

TPoint TargetPoint(TControl* target, const TPoint& screen) { return target->ScreenToClient(screen); }

void AskTarget(TControl* target, const TPoint& screen, TDragState state) {
  if (!target) return;
  const TPoint p = TargetPoint(target, screen);
  bool accept = false;
  if (static_cast<bool>(target->OnDragOver)) {
    accept = true;
    target->OnDragOver(target, drag.source, p.X, p.Y, state, accept);
  }
  if (state != dsDragLeave) drag.accepted = accept;
}

void MoveTo(const TPoint& screen) {
  drag.lastPoint = screen;
  if (!drag.started) {
    if (std::abs(screen.X - drag.start.X) < drag.threshold && std::abs(screen.Y - drag.start.Y) < drag.threshold)
      return;
    drag.started = true;
  }
  TControl* over = FindDragTarget(screen, false);
  if (over != drag.target) {
    AskTarget(drag.target, screen, dsDragLeave);
    drag.target = over;
    drag.accepted = false;
    AskTarget(over, screen, dsDragEnter);
  } else {
    AskTarget(over, screen, dsDragMove);
  }
  ::SetCursor(::LoadCursorA(nullptr, drag.accepted ? IDC_ARROW : IDC_NO));
}

}  // namespace

void BeginDrag(TControl* source, bool immediate, int threshold) {
  if (!source || drag.source) return;
  drag = TDragState_{};
  drag.source = source;
  drag.threshold = threshold >= 0 ? threshold : ::GetSystemMetrics(SM_CXDRAG);
  POINT p;
  ::GetCursorPos(&p);
  drag.start = drag.lastPoint = TPoint{p.x, p.y};
  source->SetMouseCapture(true);
  if (immediate) {
    drag.started = true;
    MoveTo(drag.start);
  }
}

void EndDrag(bool drop) {
  if (!drag.source) return;
  TDragState_ ended = drag;
  drag = TDragState_{};
  if (ended.source->MouseCapture()) ended.source->SetMouseCapture(false);
  if (!ended.started) return;  // a press that never moved far enough is no drag
  TControl* target = drop && ended.accepted ? ended.target : nullptr;
  TPoint at{0, 0};
  if (target) {
    at = TargetPoint(target, ended.lastPoint);
    target->OnDragDrop(target, ended.source, at.X, at.Y);
  } else if (ended.target) {
    AskTarget(ended.target, ended.lastPoint, dsDragLeave);
  }
  ended.source->OnEndDrag(ended.source, target, at.X, at.Y);
}

TControl* DragSource() { return drag.source; }
bool Dragging() { return drag.source && drag.started; }

bool DragTrackMessage(TControl* control, TMessage& message) {
  if (!drag.source || control != drag.source) return false;
  switch (message.Msg) {
    case WM_MOUSEMOVE: {
      TWMMouse mouse(message);
      MoveTo(control->ClientToScreen(mouse.Pos()));
      return drag.started;
    }
    case WM_LBUTTONUP: {
      TWMMouse mouse(message);
      const bool started = drag.started;
      if (started) drag.lastPoint = control->ClientToScreen(mouse.Pos());
      EndDrag(true);
      return started;  // a press without a drag is an ordinary click
    }
    case WM_KEYDOWN:
      if (message.WParam != VK_ESCAPE || !drag.started) return false;
      EndDrag(false);
      return true;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
      if (drag.started && message.Msg == WM_CAPTURECHANGED &&
          reinterpret_cast<HWND>(message.LParam) != nullptr)
        EndDrag(false);
      return false;
    default:
      return false;
  }
}

void DragForgetControl(TControl* control) {
  if (drag.target == control) drag.target = nullptr, drag.accepted = false;
  if (drag.source == control) drag = TDragState_{};
}
