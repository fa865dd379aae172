#include "platform/graphics/FontEnumeration.h"

#include "platform/graphics/PrinterDC.h"

namespace {

TFontEnumerator& Installed() {
  static TFontEnumerator enumerator;
  return enumerator;
}

int CALLBACK CollectFamily(const LOGFONTA* logFont, const TEXTMETRICA* metric, DWORD fontType, LPARAM data) {
  auto* families = reinterpret_cast<std::vector<TFontFamilyInfo>*>(data);
  TFontFamilyInfo info;
  info.Name = String(logFont->lfFaceName, ::strnlen(logFont->lfFaceName, LF_FACESIZE));
  info.CharSet = logFont->lfCharSet;
  info.PitchAndFamily = metric->tmPitchAndFamily;
  info.FontType = fontType;
  families->push_back(info);
  return 1;  // always go on
}

std::vector<TFontFamilyInfo> SystemFamilies(TFontDeviceKind device) {
  std::vector<TFontFamilyInfo> families;
  auto enumerate = [&](HDC dc) {
    ::EnumFontFamiliesA(dc, nullptr, reinterpret_cast<FONTENUMPROCA>(&CollectFamily),
                        reinterpret_cast<LPARAM>(&families));
  };
  if (device == fdkPrinter) {
    TPrinterDC printer;
    if (printer.Exists()) enumerate(printer.Handle());
    return families;
  }
  HDC screen = ::GetDC(nullptr);
  enumerate(screen);
  ::ReleaseDC(nullptr, screen);
  return families;
}

}  // namespace

std::vector<TFontFamilyInfo> EnumerateFontFamilies(TFontDeviceKind device) {
  if (Installed()) return Installed()(device);
  return SystemFamilies(device);
}

TFontEnumerationOverride::TFontEnumerationOverride(TFontEnumerator enumerator) : previous_(std::move(Installed())) {
  Installed() = std::move(enumerator);
}

TFontEnumerationOverride::~TFontEnumerationOverride() { Installed() = std::move(previous_); }
