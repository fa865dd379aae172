#include "framed/fonts/RzFontFamilies.h"

#include <set>

#include "framed/controls/RzControlSupport.h"
#include "framed/graphics/RzGrafx.h"

bool FontFamilyListed(const TFontFamilyInfo& family, TRzFontType type, bool showSymbolFonts) {
  if (!showSymbolFonts && family.CharSet == SYMBOL_CHARSET) return false;
  switch (type) {
    case ftTrueType: return (family.PitchAndFamily & kTrueTypeBit) != 0;
    case ftFixedPitch: return (family.PitchAndFamily & kVariablePitchBit) == 0;
    case ftPrinter: return (family.FontType & DEVICE_FONTTYPE) != 0;
    case ftAll: return true;
  }
  return true;
}

// A family the system reports once per character set is listed once.
void LoadFontFamilies(TStrings* items, TRzFontDevice device, TRzFontType type, bool showSymbolFonts) {
  std::set<String> listed;
  for (const TFontFamilyInfo& family : EnumerateFontFamilies(device == fdPrinter ? fdkPrinter : fdkScreen)) {
    const String name = family.Name.substr(0, 32);
    if (FontFamilyListed(family, type, showSymbolFonts) && listed.insert(name).second)
      items->AddObject(name, PitchAndFamilyObject(family.PitchAndFamily));
  }
}

// ---- glyphs ----

TRzFontGlyphs::TRzFontGlyphs() {
  static const char* const kNames[] = {"RZCMBOBX_TRUETYPE", "RZCMBOBX_FIXEDPITCH", "RZCMBOBX_TRUETYPEFIXED",
                                       "RZCMBOBX_PRINTER", "RZCMBOBX_DEVICE"};
  for (int i = 0; i < 5; ++i) {
    bitmaps_[i] = std::make_unique<TBitmap>();
    bitmaps_[i]->LoadFromResourceName(::GetModuleHandleA(nullptr), kNames[i]);
  }
}

TBitmap* TRzFontGlyphs::For(Byte pitchAndFamily, TRzFontDevice device) const {
  const bool trueType = (pitchAndFamily & kTrueTypeBit) != 0;
  const bool fixed = (pitchAndFamily & kVariablePitchBit) == 0;
  if (trueType && fixed) return TrueTypeFixed();
  if (trueType) return TrueType();
  if (fixed) return FixedPitch();
  return device == fdPrinter ? Printer() : Device();
}

// ---- drawing ----

void DrawFontItem(const TRzFontItemDrawing& item, const TRzFontGlyphs& glyphs) {
  TCanvas* canvas = item.Canvas;
  const TRect& r = item.Rect;
  canvas->FillRect(r);
  TBitmap work;
  work.SetSize(12, 12);
  work.Canvas()->Brush()->SetColor(item.BackColor);
  work.Canvas()->FillRect(TRect(0, 0, 12, 12));
  TBitmap* glyph = glyphs.For(item.PitchAndFamily, item.Device);
  if (glyph && !glyph->Empty())
    DrawFullTransparentBitmap(work.Canvas(), glyph, TRect(0, 0, 12, 12), TRect(0, 0, 12, 12), clOlive);
  canvas->Draw(r.Left - 20, r.Top + (r.Height() - 12) / 2, &work);

  if (!item.Enabled) canvas->Font()->SetColor(clBtnShadow);
  const int offset = (r.Height() - canvas->TextHeight("Yy")) / 2;
  canvas->Brush()->SetStyle(bsClear);
  switch (item.Style) {
    case ssFontName:
    case ssFontPreview: canvas->TextRect(r, r.Left + 2, r.Top + offset, item.Name); break;
    case ssFontSample:
      canvas->Font()->SetName(item.Name);
      canvas->TextRect(r, r.Left + 2, r.Top + offset, item.Name);
      break;
    case ssFontNameAndSample: {
      const int m = r.Left + r.Width() / 2;
      canvas->TextRect(TRect(r.Left, r.Top, m - 4, r.Bottom), r.Left + 2, r.Top + offset, item.Name);
      canvas->Pen()->SetColor(item.Enabled ? clWindowText : clBtnShadow);
      canvas->MoveTo(m - 2, r.Top);
      canvas->LineTo(m - 2, r.Bottom);
      canvas->Font()->SetName(item.Name);
      canvas->TextRect(TRect(m, r.Top, r.Right, r.Bottom), m + 2, r.Top + offset, item.Name);
      break;
    }
  }
  canvas->Brush()->SetStyle(bsSolid);
}

// ---- recent fonts ----

int TRzRecentFonts::Choose(TStrings* items, int selected) {
  if (selected <= 0 || selected >= items->Count()) return -1;
  const String name = items->Strings(selected);
  for (int i = 0; i <= Last && i < items->Count(); ++i) {
    if (items->Strings(i) == name) {
      items->Move(i, 0);
      return 0;
    }
  }
  items->InsertObject(0, name, items->Objects(selected));
  if (selected > Last) ++Last;
  return 0;
}

void TRzRecentFonts::Save(const TStrings* items) {
  Saved.clear();
  for (int i = 0; i <= Last && i < items->Count(); ++i)
    Saved.emplace_back(items->Strings(i), PitchAndFamilyOf(items->Objects(i)));
}

void TRzRecentFonts::Restore(TStrings* items) {
  for (size_t i = 0; i < Saved.size(); ++i)
    items->InsertObject(static_cast<int>(i), Saved[i].first, PitchAndFamilyObject(Saved[i].second));
  Last = static_cast<int>(Saved.size()) - 1;
  Saved.clear();
}
