#include "skin/controls/memos/SkinMemo2.h"

void TspSkinMemo2::ChangeSkinData() {
  FindMemoRecord();
  ApplyRecordLook();
  if (VScrollBar()) VScrollBar()->SetAlign(VScrollBar()->Align());
  if (HScrollBar()) HScrollBar()->SetAlign(HScrollBar()->Align());
  UpDateScrollRange();
}

void TspSkinMemo2::CreateParams(TCreateParams& params) {
  TspSkinMemoBase::CreateParams(params);
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
  params.Style &= ~WS_BORDER;
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

// A disabled memo draws its lines itself, into the formatting rectangle.
void TspSkinMemo2::PaintMessage(TMessage& message) {
  if (Enabled()) return TspSkinMemoBase::Dispatch(message);
  TFont font;
  DisabledFont(&font);
  RECT native{};
  ::SendMessageA(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&native));
  TRect rect{native.left, native.top, native.right, native.bottom};
  if (message.WParam != 0) return DrawDisabledMemoLines(this, reinterpret_cast<HDC>(message.WParam), rect, &font);
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(Handle(), &ps);
  DrawDisabledMemoLines(this, dc, rect, &font);
  ::EndPaint(Handle(), &ps);
}

void TspSkinMemo2::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      return PaintMessage(message);
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_SETTEXT:
    case WM_SIZE:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_LBUTTONUP:
      TspSkinMemoBase::Dispatch(message);
      return UpDateScrollRange();
    default:
      TspSkinMemoBase::Dispatch(message);
  }
}
