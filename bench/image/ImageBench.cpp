// Times the road of a preview frame through a shown TImage32 (rmFull, default
// stages, centred, nearest resampler): the frame filled under its lock, assigned
// to the control's bitmap, the change with the optimiser's Reset, the buffer paint
// and the copy to the window, made synchronous. Beside it, GDI's StretchDIBits of
// the same frame into the same window rectangle, in the same process.
#include <cstdio>
#include <functional>

#include "imaging/GR32_Image.h"
#include "platform/controls/Forms.h"
#include "platform/core/WinApi.h"
#include "bench/BenchSupport.h"

namespace {

constexpr int kFrameWidth = 720, kFrameHeight = 576;
constexpr double kFrameIntervalMs = 40.0;  // PAL

// Milliseconds per call, over at least half a second.
double TimeMs(const std::function<void()>& job) { return bench::SecondsPerCall(job, 0.5) * 1000.0; }

// A moving pattern, so that every frame differs from the last.
void FillFrame(TBitmap32& frame, unsigned n) {
  frame.Lock();
  for (int y = 0; y < kFrameHeight; ++y) {
    TColor32* row = frame.GetScanLine(y);
    for (int x = 0; x < kFrameWidth; ++x) row[x] = 0xFF000000u | ((x + n) & 0xFF) << 16 | ((y + n) & 0xFF) << 8 | (n & 0xFF);
  }
  frame.Unlock();
}

void Run(TImage32* image, TForm* form, int width, int height, TScaleMode mode, const char* modeName) {
  form->SetClientWidth(width);
  form->SetClientHeight(height);
  image->SetBounds(0, 0, width, height);
  image->SetScaleMode(mode);
  TBitmap32 frame;
  frame.SetSize(kFrameWidth, kFrameHeight);
  HWND window = image->Handle();
  unsigned n = 0;
  const double frameMs = TimeMs([&] {
    FillFrame(frame, ++n);
    image->Bitmap()->Assign(&frame);
    ::UpdateWindow(window);
    ::GdiFlush();
  });
  const double resetMs = TimeMs([&] { image->RepaintOptimizer()->Reset(); });

  // GDI: the same frame drawn by StretchDIBits into the drawn rectangle from the
  // same window's paint message, made synchronous the same way, so that both
  // include the paint cycle and the window's flush to the X server.
  const TRect drawn = image->GetBitmapRect();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kFrameWidth;
  info.bmiHeader.biHeight = -kFrameHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  const TWndMethod imagePaint = image->WindowProc;
  image->WindowProc = TWndMethod::Function([&](TMessage& message) {
    if (message.Msg != WM_PAINT) return imagePaint(message);
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window, &paint);
    ::StretchDIBits(dc, drawn.Left, drawn.Top, drawn.Width(), drawn.Height(), 0, 0, kFrameWidth, kFrameHeight,
                    frame.Bits(), &info, DIB_RGB_COLORS, SRCCOPY);
    ::EndPaint(window, &paint);
  });
  const double gdiMs = TimeMs([&] {
    FillFrame(frame, ++n);
    ::InvalidateRect(window, nullptr, FALSE);
    ::UpdateWindow(window);
    ::GdiFlush();
  });
  image->WindowProc = imagePaint;
  std::printf("%4d x %-4d %-9s  %6.2f ms/frame  Reset %5.3f%%  %5.3f of the frame interval  %5.2fx StretchDIBits (%5.2f ms)\n",
              width, height, modeName, frameMs, 100.0 * resetMs / frameMs, frameMs / kFrameIntervalMs, frameMs / gdiMs,
              gdiMs);
}

}  // namespace

int main() {
  PublishImagingClasses();
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 1280, 720);
  auto* image = new TImage32(&form);
  image->SetParent(&form);
  image->SetColor(TColor(0x3C3C3C));
  image->SetBitmapAlign(baCenter);
  image->Bitmap()->SetResamplerClassName("TNearestResampler");
  form.Show();
  Application.ProcessMessages();
  std::printf("Preview frame %d x %d into a shown TImage32 (rmFull, baCenter, nearest); goal below 0.1 of %.0f ms, "
              "within 1.5x of StretchDIBits, Reset under 1%%\n",
              kFrameWidth, kFrameHeight, kFrameIntervalMs);
  const struct {
    int width, height;
  } sizes[] = {{852, 480}, {1280, 720}};
  for (const auto& s : sizes) {
    Run(image, &form, s.width, s.height, smResize, "smResize");
    Run(image, &form, s.width, s.height, smStretch, "smStretch");
  }
  return 0;
}
