// The program's entry: for now a plain main window with the program's caption.
#include "framed/startup/FramedStartup.h"
#include "platform/core/WinApi.h"

namespace {

const char kCaption[] = "Varnel Revo Version 4.0.0";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  FramedStartup();
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "TMainForm";
  ::RegisterClassA(&windowClass);
  HWND window = ::CreateWindowExA(0, "TMainForm", kCaption, WS_OVERLAPPEDWINDOW, 100, 100, 640, 480, nullptr,
                                  nullptr, instance, nullptr);
  ::ShowWindow(window, show);
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  FramedShutdown();
  return 0;
}
