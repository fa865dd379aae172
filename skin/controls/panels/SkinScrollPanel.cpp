#include "skin/controls/panels/SkinScrollPanel.h"

#include <algorithm>

#include "platform/controls/Messages.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/SkinPaintMessages.h"

TspSkinScrollPanel::TspSkinScrollPanel(TComponent* owner) : TspSkinControl(owner) {
  ControlStyle |= csAcceptsControls;
  SetBounds(Left(), Top(), 150, 30);
  SkinDataName = "panel";
  arrows_.ScrollChildren = [this](Integer d) { ScrollControls(d); };
  arrows_.VisibilityChanged = [this] { ArrowsChanged(); };
}

void TspSkinScrollPanel::SetScrollType(TspScrollType value) {
  if (value == ScrollType()) return;
  arrows_.Vertical = value == TspScrollType::spstVert;
  arrows_.Reset();
  if (HandleAllocated()) RecreateWnd();
}

void TspSkinScrollPanel::SetScrollOffset(Integer value) {
  if (value >= 0) arrows_.ScrollOffset = value;
}

void TspSkinScrollPanel::SetScrollTimerInterval(Integer value) {
  if (value > 0) arrows_.ScrollTimerInterval = value;
}

void TspSkinScrollPanel::SetAutoSize(bool value) {
  TspSkinControl::SetAutoSize(value);
  if (value && !HasState(csLoading)) UpDateSize();
}

void TspSkinScrollPanel::SetPosition(Integer value) {
  if (value == arrows_.ScrollPos) return;
  arrows_.ScrollPos = value;
  GetScrollInfo();
}

void TspSkinScrollPanel::GetSkinData() {
  TspSkinControl::GetSkinData();
  Record = SkinRecordIndex == -1 ? nullptr
                                 : dynamic_cast<TspDataSkinCustomControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
}

// The children of a definition are all there now: the range is taken once.
void TspSkinScrollPanel::Loaded() {
  TspSkinControl::Loaded();
  if (AutoSize()) UpDateSize();
  GetScrollInfo();
}

void TspSkinScrollPanel::SetBounds(int left, int top, int width, int height) {
  if (AutoSize()) {
    Integer extent = 0;
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      if (!c->Visible()) continue;
      extent = std::max(extent, arrows_.Vertical ? c->Left() + c->Width() : c->Top() + c->Height());
    }
    if (extent != 0) (arrows_.Vertical ? width : height) = extent;
  }
  Integer oldWidth = Width(), oldHeight = Height();
  TspSkinControl::SetBounds(left, top, width, height);
  arrows_.GrowDelta = oldWidth != 0 && Width() > oldWidth ? Width() - oldWidth : 0;
  heightGrowDelta_ = oldHeight != 0 && Height() > oldHeight ? Height() - oldHeight : 0;
  if (Align() != alNone) GetScrollInfo();
}

void TspSkinScrollPanel::GetScrollInfo() {
  auto extent = [this] {
    Integer a = 0;
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      if (c->Visible()) a = std::max(a, arrows_.Vertical ? c->Top() + c->Height() : c->Left() + c->Width());
    }
    return a;
  };
  auto client = [this] { return arrows_.Vertical ? ClientHeight() : ClientWidth(); };
  if (arrows_.Vertical) arrows_.GrowDelta = heightGrowDelta_;
  Integer before = client();
  arrows_.TakeRange(extent(), before);
  if (client() != before) arrows_.TakeRange(extent(), client());
}

void TspSkinScrollPanel::ScrollControls(Integer d) {
  if (arrows_.Vertical) ScrollBy(0, -d);
  else ScrollBy(-d, 0);
  GetSkinData();
  if (Record && Record->stretcheffect) Repaint();
}

void TspSkinScrollPanel::ArrowsChanged() {
  if (!HandleAllocated()) return;
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  arrows_.PlaceArrows(Width(), Height());
}

void TspSkinScrollPanel::AdjustClientRect(TRect& rect) {
  Integer w = ClientWidth(), h = ClientHeight(), pos = arrows_.ScrollPos, range = arrows_.ScrollRange;
  rect = arrows_.Vertical ? TRect{0, -pos, w, -pos + std::max(range, h)}
                          : TRect{-pos, 0, -pos + std::max(range, w), h};
  TspSkinControl::AdjustClientRect(rect);
}

void TspSkinScrollPanel::Paint() {
  GetSkinData();
  TBitmap* picture = Record ? SkinData()->ActivePicture(Record->pictureindex) : nullptr;
  if (!Record || !picture) {  // a record without a picture paints the plain face
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(clBtnFace);
    Canvas()->FillRect(ClientRect());
    return;
  }
  if (ClientWidth() < 1 || ClientHeight() < 1) return;
  FillPieceClient(Canvas(), picture, Record->skinrect, Record->clientrect, TRect{0, 0, Width(), Height()},
                  Record->stretcheffect, Record->stretchtype);
}

void TspSkinScrollPanel::KeyDown(Word& key, TShiftState shift) {
  TspSkinControl::KeyDown(key, shift);
  if (!CanFocused) return;
  if (key == VK_LEFT || key == VK_UP) ButtonClick(0);
  else if (key == VK_RIGHT || key == VK_DOWN) ButtonClick(1);
}

bool TspSkinScrollPanel::TakeFocus(TMessage&) {
  if (!CanFocused || Designing() || Focused()) return true;
  takingFocus_ = true;
  if (CanFocus()) SetFocus();
  takingFocus_ = false;
  return Focused();
}

bool TspSkinScrollPanel::ArrowMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCHITTEST: {
      if (Designing()) return false;
      TPoint p = ScreenToClient(TPoint{static_cast<short>(LOWORD(message.LParam)),
                                       static_cast<short>(HIWORD(message.LParam))});
      LRESULT hit = arrows_.HitTest(p, arrows_.Vertical ? ClientHeight() : ClientWidth());
      if (hit == 0) return false;
      message.Result = hit;
      return true;
    }
    case WM_NCMOUSEMOVE: arrows_.NcMouseMove(message.WParam, SkinData()); return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      arrows_.NcButtonDown(message.WParam, SkinData());
      return !TakeFocus(message);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return !TakeFocus(message);  // a click the focus did not reach is dropped
    case WM_NCLBUTTONUP: return arrows_.NcButtonUp(message.WParam, SkinData(), ClientWidth());
    case WM_MOUSEMOVE: arrows_.ClientMouseMove(SkinData()); return false;
    case WM_MOUSEWHEEL:
      if (!CanFocused || !Focused()) return false;
      ButtonClick(static_cast<short>(HIWORD(message.WParam)) > 0 ? 0 : 1);
      return true;
    case CM_WANTSPECIALKEY:
      if (!CanFocused) return false;
      if (message.WParam == VK_LEFT || message.WParam == VK_RIGHT || message.WParam == VK_UP ||
          message.WParam == VK_DOWN) {
        message.Result = 1;
        return true;
      }
      return false;
    case CM_SENCPAINT:
      message.Result = message.WParam != 0 && arrows_.Shown() ? 12851 : 0;
      if (message.Result) arrows_.DrawArrows(reinterpret_cast<HDC>(message.WParam), SkinData());
      return true;
    case CM_BENCPAINT:
      if (message.LParam != 16802) return false;
      if (message.WParam != 0 && arrows_.Shown()) arrows_.DrawArrows(reinterpret_cast<HDC>(message.WParam), SkinData());
      message.Result = 16802;
      return true;
    default: return false;
  }
}

void TspSkinScrollPanel::WndProc(TMessage& message) {
  if (message.Msg == WM_WINDOWPOSCHANGING && HandleAllocated() && Align() == alNone) GetScrollInfo();
  if (ArrowMessage(message)) return;
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      GetSkinData();
      arrows_.ShrinkClient(*reinterpret_cast<RECT*>(message.LParam));
      message.Result = 0;
      return;
    case WM_NCPAINT:
      if (arrows_.Shown()) {
        HDC dc = ::GetWindowDC(Handle());
        arrows_.DrawArrows(dc, SkinData());
        ::ReleaseDC(Handle(), dc);
      }
      break;
    case WM_SETCURSOR:
      if (LOWORD(message.LParam) == kHitFirstArrow || LOWORD(message.LParam) == kHitSecondArrow)
        message.LParam = MAKELPARAM(HTCLIENT, HIWORD(message.LParam));
      break;
    default: break;
  }
  TspSkinControl::WndProc(message);
  switch (message.Msg) {
    case WM_SIZE:
      arrows_.PlaceArrows(Width(), Height());
      if (arrows_.Arrows[0].Visible) ::RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      break;
    case CM_MOUSELEAVE:
      if (!Designing()) {
        POINT p;
        ::GetCursorPos(&p);
        if (::WindowFromPoint(p) != Handle()) arrows_.MouseLeft(SkinData());
      }
      break;
    case WM_TIMER:
      if (message.WParam == kScrollArrowTimer) arrows_.TimerTick(ClientWidth());
      break;
    default: break;
  }
}
