// Times the bitmap library's blending runs and transfers beside the machine's own
// limit (memcpy of the same bytes) and beside the GDI calls a Windows programmer
// would use instead, all in one process so the ratios hold on a noisy machine.
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "imaging/GR32.h"
#include "imaging/GR32_Blend.h"
#include "imaging/GR32_Resamplers.h"
#include "imaging/GR32_System.h"
#include "platform/core/WinApi.h"
#include "bench/BenchSupport.h"

namespace {

double Time(const std::function<void()>& job) { return bench::SecondsPerCall(job); }

void Fill(TBitmap32& b, int w, int h, unsigned seed) {
  b.SetSize(w, h);
  for (int i = 0; i < w * h; ++i) {
    seed = seed * 1103515245u + 12345u;
    b.Bits()[i] = seed;
  }
}

// A 32-bit top-down DIB section selected into a memory DC, as GDI's target.
struct Dib {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  void* bits = nullptr;
  Dib(int w, int h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc = ::CreateCompatibleDC(nullptr);
    bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old = ::SelectObject(dc, bitmap);
  }
  ~Dib() {
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
  }
};

void Line(const char* what, double seconds, double pixels, const char* against, double otherSeconds) {
  std::printf("%-44s %9.1f Mpixel/s", what, pixels / seconds / 1e6);
  if (against) std::printf("   %5.2fx the time of %s", seconds / otherSeconds, against);
  std::printf("\n");
}

void BlendRuns() {
  const int n = 4096;
  std::vector<TColor32> src(n), dst(n), keep(n);
  unsigned seed = 7;
  for (int i = 0; i < n; ++i) {
    seed = seed * 1103515245u + 12345u;
    src[i] = seed;
    keep[i] = seed * 31 | 0xFF000000;
  }
  std::printf("Blending runs of %d pixels\n", n);
  for (bool packed : {false, true}) {
    BindBlendFunctions(packed, packed);
    const char* name = packed ? "packed" : "plain";
    char label[64];
    double blend = Time([&] { dst = keep; BlendLine(src.data(), dst.data(), n); });
    double copy = Time([&] { dst = keep; });
    std::snprintf(label, sizeof label, "BlendLine (%s)", name);
    Line(label, blend - copy, n, nullptr, 0);
    std::snprintf(label, sizeof label, "BlendLineEx (%s)", name);
    Line(label, Time([&] { dst = keep; BlendLineEx(src.data(), dst.data(), n, 200); }) - copy, n, nullptr, 0);
    std::snprintf(label, sizeof label, "CombineLine (%s)", name);
    Line(label, Time([&] { dst = keep; CombineLine(src.data(), dst.data(), n, 100); }) - copy, n, nullptr, 0);
    std::snprintf(label, sizeof label, "MergeLine (%s)", name);
    Line(label, Time([&] { dst = keep; MergeLine(src.data(), dst.data(), n); }) - copy, n, nullptr, 0);
  }
  BindBlendFunctions(HasMMX(), HasEMMX());
}

void Transfers() {
  TBitmap32 frame, target;
  Fill(frame, 720, 480, 1);
  const double framePixels = 720.0 * 480;
  std::printf("\nTransfers of a 720 x 480 frame\n");
  target.SetSize(720, 480);
  std::vector<TColor32> copy(720 * 480);
  double memcpyTime = Time([&] { std::memcpy(copy.data(), frame.Bits(), copy.size() * 4); });
  Line("memcpy of the same bytes", memcpyTime, framePixels, nullptr, 0);
  frame.SetDrawMode(dmOpaque);
  double opaque = Time([&] { frame.DrawTo(&target, 0, 0); });
  Line("BlockTransfer opaque", opaque, framePixels, "memcpy", memcpyTime);
  Dib dib(720, 480);
  double bitBlt = Time([&] { ::BitBlt(dib.dc, 0, 0, 720, 480, HDC(frame.DCHandle()), 0, 0, SRCCOPY); ::GdiFlush(); });
  Line("  GDI BitBlt into a DIB section", bitBlt, framePixels, nullptr, 0);
  std::printf("  BlockTransfer opaque takes %.2fx the time of BitBlt\n", opaque / bitBlt);
  frame.SetDrawMode(dmBlend);
  double blended = Time([&] { frame.DrawTo(&target, 0, 0); });
  Line("BlockTransfer blended", blended, framePixels, "memcpy", memcpyTime);
  BLENDFUNCTION bf{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  double alphaBlend = Time([&] {
    ::AlphaBlend(dib.dc, 0, 0, 720, 480, HDC(frame.DCHandle()), 0, 0, 720, 480, bf);
    ::GdiFlush();
  });
  Line("  GDI AlphaBlend into a DIB section", alphaBlend, framePixels, nullptr, 0);
  std::printf("  BlockTransfer blended takes %.2fx the time of AlphaBlend\n", blended / alphaBlend);
  double subPixel = Time([&] { BlockTransferX(&target, 0x8000, 0x4000, &frame, frame.BoundsRect(), dmBlend); });
  Line("BlockTransferX at (0.5, 0.25)", subPixel, framePixels, "BlockTransfer blended", blended);

  frame.SetDrawMode(dmOpaque);
  ::SetStretchBltMode(dib.dc, COLORONCOLOR);
  struct Size {
    int w, h;
  } sizes[] = {{852, 480}, {1280, 720}};
  for (const Size& s : sizes) {
    target.SetSize(s.w, s.h);
    Dib out(s.w, s.h);
    ::SetStretchBltMode(out.dc, COLORONCOLOR);
    double pixels = double(s.w) * s.h;
    char label[80];
    std::vector<TColor32> outCopy(size_t(s.w) * s.h);
    double mc = Time([&] { std::memcpy(outCopy.data(), target.Bits(), outCopy.size() * 4); });
    frame.SetResamplerClassName("TNearestResampler");
    double nearest = Time([&] { frame.DrawTo(&target, target.BoundsRect()); });
    std::snprintf(label, sizeof label, "StretchTransfer nearest to %d x %d", s.w, s.h);
    Line(label, nearest, pixels, "memcpy of the output", mc);
    double stretchBlt = Time([&] {
      ::StretchBlt(out.dc, 0, 0, s.w, s.h, HDC(frame.DCHandle()), 0, 0, 720, 480, SRCCOPY);
      ::GdiFlush();
    });
    std::snprintf(label, sizeof label, "  GDI StretchBlt to %d x %d", s.w, s.h);
    Line(label, stretchBlt, pixels, nullptr, 0);
    std::printf("  StretchTransfer nearest takes %.2fx the time of StretchBlt\n", nearest / stretchBlt);
    frame.SetResamplerClassName("TLinearResampler");
    double linear = Time([&] { frame.DrawTo(&target, target.BoundsRect()); });
    std::snprintf(label, sizeof label, "StretchTransfer linear to %d x %d", s.w, s.h);
    Line(label, linear, pixels, "StretchBlt", stretchBlt);
    frame.SetResamplerClassName("TKernelResampler");
    static_cast<TKernelResampler*>(frame.Resampler())->SetKernelClassName("TCubicKernel");
    double kernel = Time([&] { frame.DrawTo(&target, target.BoundsRect()); });
    std::snprintf(label, sizeof label, "StretchTransfer cubic kernel to %d x %d", s.w, s.h);
    Line(label, kernel, pixels, "StretchBlt", stretchBlt);
    ::SetStretchBltMode(out.dc, HALFTONE);
    double halftone = Time([&] {
      ::StretchBlt(out.dc, 0, 0, s.w, s.h, HDC(frame.DCHandle()), 0, 0, 720, 480, SRCCOPY);
      ::GdiFlush();
    });
    std::snprintf(label, sizeof label, "  GDI StretchBlt HALFTONE to %d x %d", s.w, s.h);
    Line(label, halftone, pixels, nullptr, 0);
    std::printf("  StretchTransfer cubic kernel takes %.2fx the time of HALFTONE StretchBlt\n", kernel / halftone);
  }
}

}  // namespace

int main() {
  std::printf("Bitmap library benchmark (packed routines %s by the processor)\n", HasMMX() ? "chosen" : "not chosen");
  BlendRuns();
  Transfers();
  return 0;
}
