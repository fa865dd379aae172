// Times the skin engine's per-repaint work beside the GDI call a Windows
// programmer would make instead and beside the frame budgets it must fit: skin
// composition, frame borders with their region, the mask scan, and a morph tick.
// One process, so the ratios hold on a noisy machine.
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinMask.h"
#include "skin/draw/Speffbmp.h"
#include "bench/BenchSupport.h"

namespace {

double Time(const std::function<void()>& job) { return bench::SecondsPerCall(job); }

void Row(const char* what, double seconds, const char* against = nullptr, double other = 0) {
  bench::PrintRow(what, seconds, against, other);
}

void Budget(const char* what, double seconds, double budget) {
  std::printf("  %-58s %9.1f%% of the %.1f ms budget\n", what, 100 * seconds / budget, budget * 1e3);
}

// A picture of noisy colours, so no piece is one flat colour.
void Noisy(TBitmap& b, int w, int h, unsigned seed) {
  b.SetPixelFormat(pf32bit);
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    auto* row = static_cast<unsigned*>(b.ScanLine(y));
    for (int x = 0; x < w; ++x) row[x] = (seed = seed * 1103515245u + 12345u) >> 8;
  }
}

void Composition() {
  std::printf("Composing a 100 x 60 nine-part piece to 800 x 600\n");
  TBitmap piece, dest, stretched;
  Noisy(piece, 100, 60, 1);
  stretched.SetPixelFormat(pf32bit);
  stretched.SetSize(800, 600);
  double stretchBlt = Time([&] {
    ::StretchBlt(stretched.Canvas()->Handle(), 0, 0, 800, 600, piece.Canvas()->Handle(), 0, 0, 100, 60, SRCCOPY);
  });
  Row("GDI StretchBlt of the whole piece", stretchBlt);
  for (bool stretch : {false, true}) {
    double t = Time([&] {
      CreateSkinImage({20, 15}, {80, 15}, {20, 45}, {80, 45}, {20, 15, 80, 45}, {20, 15}, {780, 15}, {20, 585},
                      {780, 585}, {20, 15, 780, 585}, &dest, &piece, {0, 0, 100, 60}, 800, 600, true, stretch,
                      stretch, stretch, stretch, stretch, spstFull);
    });
    Row(stretch ? "CreateSkinImage, edges and client stretched" : "CreateSkinImage, edges and client tiled", t,
        "the StretchBlt (goal: within 3x)", stretchBlt);
  }
}

void FrameBorders() {
  std::printf("\nA 1024 x 768 frame: border pictures and region from a 200 x 120 masked piece\n");
  TBitmap piece, mask, frame, left, top, right, bottom;
  Noisy(piece, 200, 120, 2);
  mask.SetPixelFormat(pf32bit);
  mask.SetSize(200, 120);
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(TRect{0, 0, 200, 120});
  mask.Canvas()->Brush()->SetColor(clWhite);
  for (int i = 0; i < 8; ++i) mask.Canvas()->FillRect(TRect{0, i, 8 - i, i + 1});  // rounded corners
  for (int i = 0; i < 8; ++i) mask.Canvas()->FillRect(TRect{192 + i, i, 200, i + 1});
  Noisy(frame, 1024, 768, 3);
  TBitmap screen;
  screen.SetPixelFormat(pf32bit);
  screen.SetSize(1024, 768);
  double bitBlt = Time([&] {
    ::BitBlt(screen.Canvas()->Handle(), 0, 0, 1024, 768, frame.Canvas()->Handle(), 0, 0, SRCCOPY);
  });
  Row("GDI BitBlt of the frame", bitBlt);
  double t = Time([&] {
    CreateSkinBorderImages({30, 30}, {170, 30}, {30, 90}, {170, 90}, {10, 30, 190, 110}, {30, 30}, {994, 30},
                           {30, 738}, {994, 738}, {10, 30, 1014, 758}, &left, &top, &right, &bottom, &piece,
                           {0, 0, 200, 120}, 1024, 768, false, false, false, false);
    HRGN region = nullptr;
    CreateSkinRegion(region, {30, 30}, {170, 30}, {30, 90}, {170, 90}, {10, 30, 190, 110}, {30, 30}, {994, 30},
                     {30, 738}, {994, 738}, {10, 30, 1014, 758}, &mask, 1024, 768);
    ::DeleteObject(region);
  });
  Row("CreateSkinBorderImages + CreateSkinRegion", t, "the BitBlt", bitBlt);
  Budget("  the same against a live-resize step", t, 1 / 60.0);
}

void MaskScan() {
  std::printf("\nScanning a masked 1600 x 1200 frame into a region\n");
  TBitmap mask;
  mask.SetPixelFormat(pf32bit);
  mask.SetSize(1600, 1200);
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(TRect{0, 0, 1600, 1200});
  mask.Canvas()->Brush()->SetColor(clWhite);
  for (int y = 0; y < 1200; y += 3) mask.Canvas()->FillRect(TRect{(y * 7) % 1600, y, (y * 7) % 1600 + 5, y + 1});
  for (int i = 0; i < 16; ++i) mask.Canvas()->FillRect(TRect{0, i, 16 - i, i + 1});
  std::vector<Byte> bytes(static_cast<size_t>(mask.ScanLineSize()) * 1200), copy(bytes.size());
  double memcpyTime = Time([&] { std::memcpy(copy.data(), bytes.data(), bytes.size()); });
  Row("memcpy of the mask bytes", memcpyTime);
  std::vector<TRect> runs = MaskRuns(&mask, 0, 0);
  double perRun = Time([&] {
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    for (const TRect& r : runs) {
      HRGN part = ::CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
      ::CombineRgn(region, region, part, RGN_OR);
      ::DeleteObject(part);
    }
    ::DeleteObject(region);
  });
  double scan = Time([&] {
    HRGN region = nullptr;
    CreateSkinSimplyRegion(region, &mask);
    ::DeleteObject(region);
  });
  Row("CreateSkinSimplyRegion (scan and region)", scan, "the memcpy", memcpyTime);
  Row("  one CombineRgn per run (the obvious alternative)", perRun);
  std::printf("  the scan takes %.3fx the time of CombineRgn per run (goal: below 1)\n", scan / perRun);
}

void MorphTick(int w, int h) {
  TBitmap a, b, screen;
  Noisy(a, w, h, 4);
  Noisy(b, w, h, 5);
  screen.SetPixelFormat(pf32bit);
  screen.SetSize(w, h);
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 128, 0};
  double alphaBlend = Time([&] {
    ::AlphaBlend(screen.Canvas()->Handle(), 0, 0, w, h, a.Canvas()->Handle(), 0, 0, w, h, blend);
  });
  double tick = Time([&] {
    TspEffectBmp from(a.Handle()), to(b.Handle());
    from.Morph(to, 0.4);
    from.Draw(screen.Canvas()->Handle(), 0, 0);
  });
  char label[96];
  std::snprintf(label, sizeof label, "morph tick of %d x %d (two copies, Morph, Draw)", w, h);
  Row(label, tick, "GDI AlphaBlend", alphaBlend);
  Budget("  the same against the 25 ms tick", tick, 0.025);
}

}  // namespace

int main() {
  std::printf("Skin drawing benchmark\n");
  Composition();
  FrameBorders();
  MaskScan();
  std::printf("\nMorph ticks beside GDI AlphaBlend of the same pixels\n");
  MorphTick(120, 30);
  MorphTick(1024, 30);
  return 0;
}
