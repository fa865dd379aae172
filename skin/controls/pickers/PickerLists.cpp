#include "skin/controls/pickers/PickerLists.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/graphics/Canvas.h"

bool FontPassesOptions(const TFontFamilyInfo& font, TspFontListOptions options) {
  auto has = [options](TspFontListOption o) { return (options & FontOption(o)) != 0; };
  if (has(foAnsiOnly) && font.CharSet != ANSI_CHARSET) return false;
  if (has(foTrueTypeOnly) && !(font.FontType & TRUETYPE_FONTTYPE)) return false;
  if (has(foFixedPitchOnly) && !(font.PitchAndFamily & FIXED_PITCH)) return false;
  if (has(foOEMFontsOnly) && font.CharSet != OEM_CHARSET) return false;
  if (has(foNoOEMFonts) && font.CharSet == OEM_CHARSET) return false;
  if (has(foNoSymbolFonts) && font.CharSet == SYMBOL_CHARSET) return false;
  if (has(foScalableOnly) && (font.FontType & RASTER_FONTTYPE)) return false;
  return true;
}

void PopulateFontList(TStrings* items, TspFontDevice device, TspFontListOptions options) {
  items->Clear();
  auto add = [&](TFontDeviceKind kind) {
    for (const TFontFamilyInfo& font : EnumerateFontFamilies(kind)) {
      if (items->IndexOf(font.Name) != -1 || !FontPassesOptions(font, options)) continue;
      int object = static_cast<int>(font.FontType) + (font.CharSet != SYMBOL_CHARSET ? kFontNotSymbol : 0);
      items->AddObject(font.Name, reinterpret_cast<TObject*>(static_cast<intptr_t>(object)));
    }
  };
  if (device == fdScreen || device == fdBoth) add(fdkScreen);
  if (device == fdPrinter || device == fdBoth) add(fdkPrinter);
}

namespace {

struct SizeCollector {
  int PixelsPerInch = 96;
  bool Scalable = false;
  std::vector<int> Sizes;
};

int CALLBACK CollectSize(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD type, LPARAM data) {
  auto* sizes = reinterpret_cast<SizeCollector*>(data);
  if (type & TRUETYPE_FONTTYPE) {
    sizes->Scalable = true;
    return 0;
  }
  double points = static_cast<double>(font->lfHeight - metrics->tmInternalLeading) * 72 / sizes->PixelsPerInch;
  int size = static_cast<int>(std::nearbyint(points));
  if (std::find(sizes->Sizes.begin(), sizes->Sizes.end(), size) == sizes->Sizes.end()) sizes->Sizes.push_back(size);
  return 1;
}

}  // namespace

std::vector<String> FontSizes(const String& family) {
  if (family.empty()) return {};
  // A family the enumeration seam reports as TrueType is scalable.
  for (const TFontFamilyInfo& font : EnumerateFontFamilies(fdkScreen))
    if (font.Name == family && (font.FontType & TRUETYPE_FONTTYPE))
      return {"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"};
  HDC dc = ::GetDC(nullptr);
  SizeCollector sizes;
  sizes.PixelsPerInch = ::GetDeviceCaps(dc, LOGPIXELSY);
  ::EnumFontFamiliesA(dc, family.c_str(), reinterpret_cast<FONTENUMPROCA>(CollectSize), reinterpret_cast<LPARAM>(&sizes));
  ::ReleaseDC(nullptr, dc);
  if (sizes.Scalable)
    return {"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"};
  std::sort(sizes.Sizes.begin(), sizes.Sizes.end());
  std::vector<String> out;
  for (int s : sizes.Sizes) out.push_back(std::to_string(s));
  return out;
}

Integer SizeTextValue(const String& text) {
  if (text.empty() || text == "-") return 0;
  for (size_t i = 0; i < text.size(); ++i)
    if (!((text[i] >= '0' && text[i] <= '9') || (text[i] == '-' && i == 0))) return 0;
  long long value = 0;
  for (char c : text) {
    if (c == '-') continue;
    value = value * 10 + (c - '0');
    if (value > 2147483647LL) return 0;  // too large for an integer: no size
  }
  return static_cast<Integer>(text[0] == '-' ? -value : value);
}

String PrettyColorName(const String& name) {
  String s = name.rfind("cl", 0) == 0 ? name.substr(2) : name;
  String out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (i > 0 && s[i] >= 'A' && s[i] <= 'Z') out += ' ';
    out += s[i];
  }
  return out;
}

void PopulateColorList(TStrings* items, TspColorBoxStyle style, const String& customName, TColor customColor) {
  auto has = [style](TspColorBoxStyles s) { return (style & ColorStyle(s)) != 0; };
  auto object = [](TColor c) { return reinterpret_cast<TObject*>(static_cast<intptr_t>(static_cast<std::uint32_t>(c))); };
  int count = 0;
  const TColorName* names = ColorNames(count);
  struct Entry {
    String Name;
    TColor Value;
    int Index;
  };
  std::vector<Entry> entries;
  for (int i = 0; i < count; ++i) entries.push_back({names[i].Name, names[i].Value, i});
  auto drop = [&](auto test) { entries.erase(std::remove_if(entries.begin(), entries.end(), test), entries.end()); };
  if (!has(spcbIncludeNone)) drop([](const Entry& e) { return e.Value == clNone; });
  if (!has(spcbIncludeDefault)) drop([](const Entry& e) { return e.Value == clDefault; });
  if (!has(spcbSystemColors)) drop([](const Entry& e) { return e.Index >= 20; });
  if (!has(spcbExtendedColors)) drop([](const Entry& e) { return e.Index >= 16 && e.Index < 20; });
  if (!has(spcbStandardColors)) drop([](const Entry& e) { return e.Index < 16; });
  items->Clear();
  if (has(spcbCustomColor)) items->AddObject(customName, object(customColor));
  for (const Entry& e : entries) items->AddObject(has(spcbPrettyNames) ? PrettyColorName(e.Name) : e.Name, object(e.Value));
}

void DrawTrueTypeMark(TCanvas* canvas, Integer x, Integer centreY) {
  auto tee = [canvas](Integer left, Integer top, TColor color) {
    canvas->Pen()->SetColor(color);
    auto line = [canvas](Integer x1, Integer y1, Integer x2, Integer y2) {
      canvas->MoveTo(x1, y1);
      canvas->LineTo(x2, y2);
    };
    line(left, top, left + 7, top);              // the bar
    line(left, top, left, top + 3);              // outer serifs
    line(left + 6, top, left + 6, top + 3);
    line(left + 1, top, left + 1, top + 2);      // inner serifs
    line(left + 5, top, left + 5, top + 2);
    line(left + 3, top, left + 3, top + 8);      // the stem, two pixels wide
    line(left + 4, top, left + 4, top + 8);
    line(left + 2, top + 8, left + 6, top + 8);  // the foot
  };
  tee(x, centreY - 7, clGray);
  tee(x + 4, centreY - 3, clBlack);
}
