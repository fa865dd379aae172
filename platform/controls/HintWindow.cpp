#include "platform/controls/Application.h"
#include "platform/controls/HintWindow.h"

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = Application.Handle();
  params.WindowClass.style |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int maxWidth, const String& hint) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, Font()->Handle());
  RECT r = {0, 0, maxWidth, 0};
  ::DrawTextA(dc, hint.c_str(), -1, &r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  return Rect(0, 0, r.right + 6, r.bottom + 2);
}

void THintWindow::ActivateHint(const TRect& rect, const String& hint) {
  SetCaption(hint);
  SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
  HandleNeeded();
  ::SetWindowPos(Handle(), HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::Paint() {
  TRect r = ClientRect();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(r);
  r.Left += 2;
  r.Top += 1;
  Canvas()->Font()->SetColor(clInfoText);
  Canvas()->Brush()->SetStyle(bsClear);
  String text = Caption();
  Canvas()->TextRect(r, text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}
