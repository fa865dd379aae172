// The font families a device offers, as the system enumerates them, each with the
// flags a font chooser filters and draws by. The screen's come from the display,
// the printer's from the default printer (none when there is no printer). Tests
// install a fixed list instead, so filters and drawing run on known families.
#pragma once

#include <functional>
#include <vector>

#include "platform/core/System.h"
#include "platform/core/WinApi.h"

enum TFontDeviceKind { fdkScreen, fdkPrinter };

struct TFontFamilyInfo {
  String Name;              // the face name, at most 31 characters
  BYTE CharSet = 0;         // ANSI_CHARSET, SYMBOL_CHARSET, ...
  BYTE PitchAndFamily = 0;  // tmPitchAndFamily: bit 0 variable pitch, bit 2 TrueType
  DWORD FontType = 0;       // TRUETYPE_FONTTYPE, DEVICE_FONTTYPE, RASTER_FONTTYPE bits
};

// The families of the device in the order the system reports them.
std::vector<TFontFamilyInfo> EnumerateFontFamilies(TFontDeviceKind device);

using TFontEnumerator = std::function<std::vector<TFontFamilyInfo>(TFontDeviceKind)>;

// Replaces the enumeration for its lifetime (scopes nest; the innermost wins).
class TFontEnumerationOverride {
public:
  explicit TFontEnumerationOverride(TFontEnumerator enumerator);
  ~TFontEnumerationOverride();
  TFontEnumerationOverride(const TFontEnumerationOverride&) = delete;
  TFontEnumerationOverride& operator=(const TFontEnumerationOverride&) = delete;

private:
  TFontEnumerator previous_;
};
