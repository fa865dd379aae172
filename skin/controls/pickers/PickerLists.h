// What the font and colour pickers fill their lists with: the font families
// of a device through the enumeration seam, filtered by the options,
// de-duplicated (case-insensitive) and each with its type as the item's
// object; the sizes of a family; and the named colours by style.
#pragma once

#include <vector>

#include "platform/core/Strings.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/FontEnumeration.h"

class TCanvas;

enum TspFontDevice { fdScreen, fdPrinter, fdBoth };
enum TspFontListOption { foAnsiOnly, foTrueTypeOnly, foFixedPitchOnly, foNoOEMFonts, foOEMFontsOnly, foScalableOnly, foNoSymbolFonts };
using TspFontListOptions = unsigned;  // bit n: option n
constexpr TspFontListOptions FontOption(TspFontListOption o) { return 1u << o; }

enum TspColorBoxStyles { spcbStandardColors, spcbExtendedColors, spcbSystemColors, spcbIncludeNone, spcbIncludeDefault, spcbCustomColor, spcbPrettyNames };
using TspColorBoxStyle = unsigned;  // bit n: style n
constexpr TspColorBoxStyle ColorStyle(TspColorBoxStyles s) { return 1u << s; }
constexpr TspColorBoxStyle kDefaultColorBoxStyle =
    ColorStyle(spcbStandardColors) | ColorStyle(spcbExtendedColors) | ColorStyle(spcbSystemColors);
constexpr TColor kNoColor = static_cast<TColor>(0xFF000000);

// Item object of a font entry: the font type, plus 0x100 for a non-symbol charset.
constexpr int kFontNotSymbol = 0x100;
bool FontPassesOptions(const TFontFamilyInfo& font, TspFontListOptions options);
void PopulateFontList(TStrings* items, TspFontDevice device, TspFontListOptions options);
// The sizes of a family at the screen's pixels per inch: the 16 fixed sizes
// for a scalable family, else the family's own sizes ascending.
std::vector<String> FontSizes(const String& family);
// The size text as a whole number; 0 for none, a malformed or an over-long text.
Integer SizeTextValue(const String& text);

// "clMoneyGreen" as "Money Green".
String PrettyColorName(const String& name);
// The named colours of the style; the custom entry first when it is chosen.
void PopulateColorList(TStrings* items, TspColorBoxStyle style, const String& customName, TColor customColor);

// The "TT" mark of a TrueType entry, 15 pixels wide, centred on `centreY`.
void DrawTrueTypeMark(TCanvas* canvas, Integer x, Integer centreY);
