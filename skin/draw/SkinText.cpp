#include "skin/draw/SkinText.h"

#include "skin/draw/SkinRects.h"

bool SP_PlatformIsUnicode = (::GetVersion() & 0x80000000u) == 0;

namespace {

// The canvas's device context with its font and brush selected.
HDC PreparedDC(TCanvas* canvas) {
  TRect none;
  canvas->TextRect(none, String(), DT_CALCRECT);
  return canvas->Handle();
}

String ToSystemCodePage(const WideString& s) {
  if (s.empty()) return String();
  int length = ::WideCharToMultiByte(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
  String result(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, s.data(), static_cast<int>(s.size()), result.data(), length, nullptr, nullptr);
  return result;
}

template <class Text, class Measure>
void FitToWidth(Text& s, Integer width, const Text& ellipsis, Measure measure) {
  if (measure(s) <= width) return;
  if (!s.empty()) s.pop_back();
  while (!s.empty() && measure(s + ellipsis) > width) s.pop_back();
  s += ellipsis;
}

}  // namespace

void CorrectTextbyWidth(TCanvas* canvas, String& s, Integer width) {
  FitToWidth(s, width, String("..."), [canvas](const String& t) { return canvas->TextWidth(t); });
}

void CorrectTextbyWidthW(TCanvas* canvas, WideString& s, Integer width) {
  FitToWidth(s, width, WideString(L"..."), [canvas](const WideString& t) { return CalcTextWidthW(canvas, t); });
}

int SPDrawSkinText(TCanvas* canvas, const WideString& s, TRect& r, UINT flags) {
  HDC dc = PreparedDC(canvas);
  RECT* box = reinterpret_cast<RECT*>(&r);
  if (SP_PlatformIsUnicode) return ::DrawTextW(dc, s.data(), static_cast<int>(s.size()), box, flags);
  String narrow = ToSystemCodePage(s);
  return ::DrawTextA(dc, narrow.data(), static_cast<int>(narrow.size()), box, flags);
}

Integer CalcTextWidthW(TCanvas* canvas, const WideString& s) {
  TRect r;
  SPDrawSkinText(canvas, s, r, DT_CALCRECT);
  return RectWidth(r);
}

Integer CalcTextHeightW(TCanvas* canvas, const WideString& s) {
  TRect r;
  SPDrawSkinText(canvas, s, r, DT_CALCRECT);
  return RectHeight(r);
}

void SPDrawText(TCanvas* canvas, const String& s, const TRect& r) {
  if (s.empty()) return;
  TRect box = r;
  canvas->TextRect(box, s, DT_SINGLELINE | DT_VCENTER);
}

void SPDrawText3(TCanvas* canvas, const String& s, const TRect& r, Integer offset) {
  if (s.empty()) return;
  canvas->TextRect(r, r.Left + offset + 2, r.Top + RectHeight(r) / 2 - canvas->TextHeight(s) / 2, s);
}

void SPDrawText2(TCanvas* canvas, const String& s, const TRect& r) { SPDrawText3(canvas, s, r, 0); }
