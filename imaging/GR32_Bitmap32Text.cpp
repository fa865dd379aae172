// TBitmap32: text. Textout lets the platform write into the device context;
// RenderText draws white on black into a temporary bitmap, turns the coverage
// into alpha (optionally averaged down from an enlarged rendering) and blends it.
#include <string>

#include "imaging/GR32.h"
#include "imaging/GR32_LowLevel.h"
#include "platform/core/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"

namespace {

// The 8 x 8 platform bitmap whose canvas measures text for bitmaps without a
// device context of their own; made on first use and kept for the run.
TCanvas* MeasuringCanvas() {
  static TBitmap* bitmap = [] {
    auto* made = new TBitmap;
    made->SetSize(8, 8);
    return made;
  }();
  return bitmap->Canvas();
}

template <class F>
void WithCanvasLock(TCanvas* canvas, F body) {
  canvas->Lock();
  try {
    body();
  } catch (...) {
    canvas->Unlock();
    throw;
  }
  canvas->Unlock();
}

// The platform's narrow and wide text calls, chosen by the text's type.
BOOL ExtentOf(HDC dc, const String& text, SIZE* size) {
  return ::GetTextExtentPoint32A(dc, text.data(), int(text.size()), size);
}
BOOL ExtentOf(HDC dc, const std::wstring& text, SIZE* size) {
  return ::GetTextExtentPoint32W(dc, text.data(), int(text.size()), size);
}
void TextOutOf(HDC dc, Integer x, Integer y, UINT options, const RECT* clip, const String& text) {
  ::ExtTextOutA(dc, x, y, options, clip, text.data(), UINT(text.size()), nullptr);
}
void TextOutOf(HDC dc, Integer x, Integer y, UINT options, const RECT* clip, const std::wstring& text) {
  ::ExtTextOutW(dc, x, y, options, clip, text.data(), UINT(text.size()), nullptr);
}
void DrawTextOf(HDC dc, const String& text, RECT* r, UINT flags) {
  ::DrawTextA(dc, text.data(), int(text.size()), r, flags);
}
void DrawTextOf(HDC dc, const std::wstring& text, RECT* r, UINT flags) {
  ::DrawTextW(dc, text.data(), int(text.size()), r, flags);
}

// The size of the text in `font` measured on the shared canvas, under its lock.
template <class Text>
TSize ExtentOnMeasuringCanvas(HFONT font, const Text& text) {
  TSize size{0, 0};
  TCanvas* canvas = MeasuringCanvas();
  WithCanvasLock(canvas, [&] {
    const HDC dc = canvas->Handle();
    const HGDIOBJ old = ::SelectObject(dc, font);
    SIZE s{};
    if (ExtentOf(dc, text, &s)) size = TSize{s.cx, s.cy};
    ::SelectObject(dc, old);
  });
  return size;
}

// Gives the font a new handle of the same face and size with the output quality
// (4 antialiased, 3 not, 0 the default), no width, escapement or orientation.
void RecreateWithQuality(TFont* font, BYTE quality) {
  LOGFONTA logFont = font->LogFont();
  logFont.lfWidth = 0;
  logFont.lfEscapement = 0;
  logFont.lfOrientation = 0;
  logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logFont.lfQuality = quality;
  font->SetHandle(::CreateFontIndirectA(&logFont));
}

String WithBlank(const String& text) { return text + ' '; }
std::wstring WithBlank(const std::wstring& text) { return text + L' '; }

}  // namespace

void TBitmap32::UpdateFont() {
  const HDC dc = HDC(DCHandle());
  if (!dc) return;
  if (!selectedFont_) {
    selectedFontRef_ = font_->SharedHandle();
    selectedFont_ = selectedFontRef_.get();
  }
  ::SelectObject(dc, HGDIOBJ(selectedFont_));
  ::SetTextColor(dc, COLORREF(ColorToRGB(font_->Color())));
  ::SetBkMode(dc, TRANSPARENT);
}

namespace {

template <class Text>
TSize ExtentOf(TBitmap32& bitmap, const Text& text) {
  bitmap.UpdateFont();
  const HDC dc = HDC(bitmap.DCHandle());
  if (!dc) return ExtentOnMeasuringCanvas(bitmap.Font()->Handle(), text);
  SIZE s{};
  if (!ExtentOf(dc, text, &s)) return TSize{0, 0};
  return TSize{s.cx, s.cy};
}

template <class Text>
void TextoutAt(TBitmap32& bitmap, Integer x, Integer y, const TRect* clip, const Text& text) {
  bitmap.UpdateFont();
  if (!bitmap.MeasuringMode()) {
    RECT r{};
    if (clip) r = RECT{clip->Left, clip->Top, clip->Right, clip->Bottom};
    TextOutOf(HDC(bitmap.DCHandle()), x, y, clip ? ETO_CLIPPED : 0, clip ? &r : nullptr, text);
    ::GdiFlush();
  }
  const TSize extent = ExtentOf(bitmap, text);
  bitmap.Changed(TRect{x, y, x + extent.cx + 1, y + extent.cy + 1}, AREAINFO_RECT);
}

template <class Text>
void TextoutIn(TBitmap32& bitmap, TRect dstRect, Cardinal flags, const Text& text) {
  bitmap.UpdateFont();
  if (!bitmap.MeasuringMode()) {
    RECT r{dstRect.Left, dstRect.Top, dstRect.Right, dstRect.Bottom};
    DrawTextOf(HDC(bitmap.DCHandle()), text, &r, flags);
    ::GdiFlush();
    dstRect = TRect{r.left, r.top, r.right, r.bottom};
  }
  bitmap.Changed(dstRect, AREAINFO_RECT);
}

}  // namespace

TSize TBitmap32::TextExtent(const String& text) { return ExtentOf(*this, text); }
TSize TBitmap32::TextExtentW(const std::wstring& text) { return ExtentOf(*this, text); }

void TBitmap32::Textout(Integer x, Integer y, const String& text) {
  const TRect clip = ClipRect();
  TextoutAt(*this, x, y, Clipping() ? &clip : nullptr, text);
}
void TBitmap32::TextoutW(Integer x, Integer y, const std::wstring& text) {
  const TRect clip = ClipRect();
  TextoutAt(*this, x, y, Clipping() ? &clip : nullptr, text);
}
void TBitmap32::Textout(Integer x, Integer y, const TRect& clipRect, const String& text) {
  TextoutAt(*this, x, y, &clipRect, text);
}
void TBitmap32::TextoutW(Integer x, Integer y, const TRect& clipRect, const std::wstring& text) {
  TextoutAt(*this, x, y, &clipRect, text);
}
void TBitmap32::Textout(TRect dstRect, Cardinal flags, const String& text) { TextoutIn(*this, dstRect, flags, text); }
void TBitmap32::TextoutW(TRect dstRect, Cardinal flags, const std::wstring& text) {
  TextoutIn(*this, dstRect, flags, text);
}

// ---------------------------------------------------------------------------
// Alpha-correct text

void TextBlueToAlpha(TBitmap32* bitmap, TColor32 color) {
  TColor32* p = bitmap->Bits();
  for (Integer i = 0, n = bitmap->Width() * bitmap->Height(); i < n; ++i)
    if (p[i] != 0) p[i] = color + (p[i] << 24);
}

void TextScaleDown(TBitmap32* dst, const TBitmap32* src, Integer n, TColor32 color) {
  const Integer block = 1 << n;
  const Integer w = std::min(dst->Width(), src->Width() >> n), h = std::min(dst->Height(), src->Height() >> n);
  for (Integer y = 0; y < h; ++y)
    for (Integer x = 0; x < w; ++x) {
      Cardinal sum = 0;
      for (Integer j = 0; j < block; ++j) {
        const TColor32* row = src->GetPixelPtr(x * block, y * block + j);
        for (Integer i = 0; i < block; ++i) sum += row[i] & 0xFF;
      }
      dst->SetPixel(x, y, color + ((sum >> n >> n) << 24));
    }
}

template <class Text>
void TBitmap32::RenderTextOf(Integer x, Integer y, const Text& text, Integer aaLevel, TColor32 color) {
  if (Empty()) return;
  const Cardinal alpha = color >> 24;
  color &= 0x00FFFFFF;
  aaLevel = Constrain(aaLevel, -1, 4);
  const Text measured = WithBlank(text);
  const BYTE quality = aaLevel == -1 ? ANTIALIASED_QUALITY : NONANTIALIASED_QUALITY;
  RecreateWithQuality(font_, quality);
  struct RestoreQuality {
    TFont* font;
    ~RestoreQuality() { RecreateWithQuality(font, DEFAULT_QUALITY); }
  } restore{font_};

  TBitmap32 b;
  if (aaLevel <= 0) {
    const TSize size = ExtentOf(*this, measured);
    b.SetSize(size.cx, size.cy);
    b.SetFont(font_);
    b.Font()->SetColor(clWhite);
    RecreateWithQuality(b.Font(), quality);
    b.Clear(0);
    TextoutAt(b, 0, 0, nullptr, text);
    TextBlueToAlpha(&b, color);
  } else {
    // The text at 2^AALevel times the height, on a bitmap whose sides are whole blocks.
    TFont enlarged;
    TSize size{0, 0};
    TCanvas* canvas = MeasuringCanvas();
    WithCanvasLock(canvas, [&] {
      canvas->SetFont(font_);
      canvas->Font()->SetHeight(font_->Height() * (1 << aaLevel));
      size = ExtentOnMeasuringCanvas(canvas->Font()->Handle(), measured);
      enlarged.Assign(canvas->Font());
    });
    TBitmap32 big;
    big.SetSize(((size.cx >> aaLevel) + 1) << aaLevel, ((size.cy >> aaLevel) + 1) << aaLevel);
    big.Clear(0);
    big.SetFont(&enlarged);
    big.Font()->SetColor(clWhite);
    RecreateWithQuality(big.Font(), quality);
    TextoutAt(big, 0, 0, nullptr, text);
    b.SetSize(big.Width() >> aaLevel, big.Height() >> aaLevel);
    TextScaleDown(&b, &big, aaLevel, color);
  }
  b.SetDrawMode(dmBlend);
  b.SetMasterAlpha(alpha);
  b.SetCombineMode(CombineMode());
  b.DrawTo(this, x, y);
}

void TBitmap32::RenderText(Integer x, Integer y, const String& text, Integer aaLevel, TColor32 color) {
  RenderTextOf(x, y, text, aaLevel, color);
}

void TBitmap32::RenderTextW(Integer x, Integer y, const std::wstring& text, Integer aaLevel, TColor32 color) {
  RenderTextOf(x, y, text, aaLevel, color);
}
