#include "tests/harness/WindowCapture.h"

#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK PaintRedHalf(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return ::DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(window, &paint);
  RECT client;
  ::GetClientRect(window, &client);
  HBRUSH white = ::CreateSolidBrush(RGB(255, 255, 255));
  HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
  ::FillRect(dc, &client, white);
  RECT left = {0, 0, client.right / 2, client.bottom};
  ::FillRect(dc, &left, red);
  ::DeleteObject(white);
  ::DeleteObject(red);
  ::EndPaint(window, &paint);
  return 0;
}

}  // namespace

TEST(WindowCapture, ReadsWhatTheWindowPainted) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = PaintRedHalf;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "CaptureTestWindow";
  ::RegisterClassA(&windowClass);
  HWND window = ::CreateWindowExA(0, "CaptureTestWindow", "capture", WS_POPUP | WS_VISIBLE, 10, 10, 40, 20, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  CapturedPixels pixels = CaptureClient(window);
  ASSERT_EQ(pixels.Width, 40);
  ASSERT_EQ(pixels.Height, 20);
  EXPECT_EQ(pixels.At(5, 10), 0xFF0000u);
  EXPECT_EQ(pixels.At(35, 10), 0xFFFFFFu);
  ::DestroyWindow(window);
}
