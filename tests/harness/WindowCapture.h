// Captures what a window shows into a 32-bit buffer, for tests that check pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/core/System.h"
#include "platform/core/WinApi.h"

struct CapturedPixels {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;  // 0x00RRGGBB, top row first

  std::uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
  // Writes the pixels as a 32-bit BMP file, to look at by hand.
  bool SaveBmp(const String& fileName) const;
};

// The window's whole area (frame included), after it has painted.
CapturedPixels CaptureWindow(HWND window);
// Only the client area.
CapturedPixels CaptureClient(HWND window);
