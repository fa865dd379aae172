// The tool bar's scroll arrows: the range of its children, the scrolled client
// rectangle, and the non-client messages of the two arrows.
#include "platform/controls/Messages.h"
#include "skin/controls/SkinToolBar.h"
#include "skin/draw/SkinImage.h"

namespace {

Integer ChildrenRight(TWinControl* parent) {
  Integer a = 0;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    if (child->Visible() && child->Left() + child->Width() > a) a = child->Left() + child->Width();
  }
  return a;
}

}  // namespace

// Taken once more when the arrows' coming or going changed the client width.
void TspSkinToolBar::GetScrollInfo() {
  Integer client = ClientWidth();
  arrows_.TakeRange(ChildrenRight(this), client);
  if (ClientWidth() != client) arrows_.TakeRange(ChildrenRight(this), ClientWidth());
}

void TspSkinToolBar::HScrollControls(Integer d) {
  ScrollBy(-d, 0);
  Repaint();
}

// The non-client area is measured again (a frame change stands in for a new window).
void TspSkinToolBar::ArrowsChanged() {
  if (!HandleAllocated() || (Parent() && Parent()->ClassName() == "TspSkinCoolBar")) return;
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  arrows_.PlaceArrows(Width(), Height());
}

void TspSkinToolBar::AdjustClientRect(TRect& rect) {
  TspSkinPanel::AdjustClientRect(rect);
  if (!(arrows_.Arrows[0].Visible && CanScroll) && !arrows_.Arrows[1].Visible) return;
  Integer w = ClientWidth(), h = ClientHeight();
  Integer top = 1, bottom = h - 1;
  if (HasRecord() && !Designing()) {
    top = RealClientRect.Top, bottom = RealClientRect.Bottom;
    if (BorderStyle() == TspSkinBorderStyle::bvNone && ResizeMode == 1) top = 0, bottom = h;
  }
  rect = TRect{-arrows_.ScrollPos, top, -arrows_.ScrollPos + std::max(arrows_.ScrollRange, w), bottom};
}

void TspSkinToolBar::CreateControlSkinImage(TBitmap* b) {
  if (!arrows_.Shown() || ResizeMode != 2 || !SkinPicture) return TspSkinPanel::CreateControlSkinImage(b);
  CreateHSkinImage3(lefttoppoint.X, skinrect.Width() - righttoppoint.X, b, SkinPicture, skinrect, Width(), Height(),
                    stretcheffect);
}

bool TspSkinToolBar::ArrowMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCHITTEST: {
      if (Designing()) return false;
      TPoint p = ScreenToClient(TPoint{static_cast<short>(LOWORD(message.LParam)),
                                       static_cast<short>(HIWORD(message.LParam))});
      LRESULT hit = arrows_.HitTest(p, ClientWidth());
      if (hit == 0) return false;
      message.Result = hit;
      return true;
    }
    case WM_NCMOUSEMOVE: arrows_.NcMouseMove(message.WParam, SkinData()); return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: return arrows_.NcButtonDown(message.WParam, SkinData());
    case WM_NCLBUTTONUP: return arrows_.NcButtonUp(message.WParam, SkinData(), ClientWidth());
    case WM_MOUSEMOVE: arrows_.ClientMouseMove(SkinData()); return false;
    default: return false;
  }
}

void TspSkinToolBar::WndProc(TMessage& message) {
  if (message.Msg == WM_WINDOWPOSCHANGING && HandleAllocated() && Align() == alNone && CanScroll) GetScrollInfo();
  if (CanScroll && ArrowMessage(message)) return;
  switch (message.Msg) {
    case WM_NCCALCSIZE:  // the panel has no border: only the arrows take room
      if (CanScroll) {
        GetSkinData();
        arrows_.ShrinkClient(*reinterpret_cast<RECT*>(message.LParam));
      }
      message.Result = 0;
      return;
    case WM_NCPAINT:
      if (CanScroll && arrows_.Shown()) {
        HDC dc = ::GetWindowDC(Handle());
        arrows_.DrawArrows(dc, SkinData());
        ::ReleaseDC(Handle(), dc);
      }
      message.Result = 0;
      return;
    case WM_SETCURSOR:
      if (LOWORD(message.LParam) == kHitFirstArrow || LOWORD(message.LParam) == kHitSecondArrow)
        message.LParam = MAKELPARAM(HTCLIENT, HIWORD(message.LParam));
      break;
    default:
      break;
  }
  TspSkinPanel::WndProc(message);
  switch (message.Msg) {
    case WM_SIZE:
      if (CanScroll && arrows_.Shown()) {
        arrows_.PlaceArrows(Width(), Height());
        ::RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      }
      break;
    case CM_MOUSELEAVE:
      if (!Designing() && CanScroll) {
        POINT p;
        ::GetCursorPos(&p);
        if (::WindowFromPoint(p) != Handle()) arrows_.MouseLeft(SkinData());
      }
      break;
    case WM_TIMER:
      if (CanScroll && message.WParam == kScrollArrowTimer) arrows_.TimerTick(ClientWidth());
      break;
    default:
      break;
  }
}
