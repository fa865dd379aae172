#include "tests/harness/WindowCapture.h"

#include <cstdio>

namespace {

void PumpPendingMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

CapturedPixels CaptureFromDC(HDC source, int width, int height) {
  CapturedPixels captured;
  if (width <= 0 || height <= 0) return captured;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = ::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) return captured;
  HDC memory = ::CreateCompatibleDC(source);
  HGDIOBJ old = ::SelectObject(memory, dib);
  ::BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  ::GdiFlush();
  captured.Width = width;
  captured.Height = height;
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  captured.Pixels.assign(pixels, pixels + static_cast<size_t>(width) * height);
  for (auto& pixel : captured.Pixels) pixel &= 0x00FFFFFF;
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  ::DeleteObject(dib);
  return captured;
}

}  // namespace

CapturedPixels CaptureWindow(HWND window) {
  ::UpdateWindow(window);
  PumpPendingMessages();
  RECT bounds;
  ::GetWindowRect(window, &bounds);
  HDC dc = ::GetWindowDC(window);
  CapturedPixels captured = CaptureFromDC(dc, bounds.right - bounds.left, bounds.bottom - bounds.top);
  ::ReleaseDC(window, dc);
  return captured;
}

CapturedPixels CaptureClient(HWND window) {
  ::UpdateWindow(window);
  PumpPendingMessages();
  RECT client;
  ::GetClientRect(window, &client);
  HDC dc = ::GetDC(window);
  CapturedPixels captured = CaptureFromDC(dc, client.right, client.bottom);
  ::ReleaseDC(window, dc);
  return captured;
}

bool CapturedPixels::SaveBmp(const String& fileName) const {
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  const DWORD imageSize = static_cast<DWORD>(Pixels.size() * 4);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + imageSize;
  info.biSize = sizeof(info);
  info.biWidth = Width;
  info.biHeight = -Height;
  info.biPlanes = 1;
  info.biBitCount = 32;
  info.biCompression = BI_RGB;
  FILE* out = std::fopen(fileName.c_str(), "wb");
  if (!out) return false;
  bool ok = std::fwrite(&file, sizeof(file), 1, out) == 1 && std::fwrite(&info, sizeof(info), 1, out) == 1 &&
            std::fwrite(Pixels.data(), 1, imageSize, out) == imageSize;
  return std::fclose(out) == 0 && ok;
}
