#include "tests/harness/WindowPump.h"

#include "platform/controls/Forms.h"

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (static_cast<int>(::GetTickCount() - start) > timeoutMs) return false;
    Application.ProcessMessages();
    if (!done()) ::Sleep(1);
  }
  return true;
}

void PumpMessages() { Application.ProcessMessages(); }

void PostMouse(TControl* control, UINT msg, int x, int y, WPARAM keys) {
  TWinControl* host = dynamic_cast<TWinControl*>(control);
  if (!host) {
    x += control->Left();
    y += control->Top();
    host = control->Parent();
  }
  ::PostMessageA(host->Handle(), msg, keys, MAKELPARAM(x, y));
}

void PostClick(TControl* control, int x, int y) {
  PostMouse(control, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  PostMouse(control, WM_LBUTTONUP, x, y, 0);
}

void PostKey(HWND window, Word key) {
  ::PostMessageA(window, WM_KEYDOWN, key, 1);
  ::PostMessageA(window, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
}
