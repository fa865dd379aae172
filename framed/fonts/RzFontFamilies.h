// What the font combo box and the font list box share: which families a font
// chooser lists, the five glyphs that mark a family's kind, the drawing of one
// family as an item, and the recently chosen families kept on top of the list.
#pragma once

#include <memory>
#include <vector>

#include "platform/core/Strings.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FontEnumeration.h"

enum TRzFontDevice { fdScreen, fdPrinter };
enum TRzFontType { ftAll, ftTrueType, ftFixedPitch, ftPrinter };
enum TRzShowStyle { ssFontName, ssFontSample, ssFontNameAndSample, ssFontPreview };

constexpr Byte kVariablePitchBit = 0x01;  // tmPitchAndFamily: set for variable pitch
constexpr Byte kTrueTypeBit = 0x04;       // tmPitchAndFamily: set for TrueType

// Whether a family passes the chooser's filter. ftPrinter lists the families the
// device itself holds (device fonts).
bool FontFamilyListed(const TFontFamilyInfo& family, TRzFontType type, bool showSymbolFonts);

// Fills `items` with the listed families of the device: the name (at most 32
// characters) and tmPitchAndFamily as the item's object.
void LoadFontFamilies(TStrings* items, TRzFontDevice device, TRzFontType type, bool showSymbolFonts);

inline Byte PitchAndFamilyOf(TObject* object) { return static_cast<Byte>(reinterpret_cast<UINT_PTR>(object)); }
inline TObject* PitchAndFamilyObject(Byte pitchAndFamily) {
  return reinterpret_cast<TObject*>(static_cast<UINT_PTR>(pitchAndFamily));
}

// The five 12 x 12 glyphs with their olive background, loaded from the program's resources.
class TRzFontGlyphs {
public:
  TRzFontGlyphs();
  // The glyph of a family's kind; printer or device glyph for the rest by the device.
  TBitmap* For(Byte pitchAndFamily, TRzFontDevice device) const;
  TBitmap* TrueType() const { return bitmaps_[0].get(); }
  TBitmap* FixedPitch() const { return bitmaps_[1].get(); }
  TBitmap* TrueTypeFixed() const { return bitmaps_[2].get(); }
  TBitmap* Printer() const { return bitmaps_[3].get(); }
  TBitmap* Device() const { return bitmaps_[4].get(); }

private:
  std::unique_ptr<TBitmap> bitmaps_[5];  // owned
};

// One family drawn as an item: glyph in the 24-pixel gutter left of `rect`,
// then the name by the show style.
struct TRzFontItemDrawing {
  TCanvas* Canvas;             // bound to the item's device context, the control's font set
  TRect Rect;                  // the item rectangle, already moved right of the gutter
  String Name;
  Byte PitchAndFamily;
  TRzShowStyle Style;
  bool Enabled;
  TColor BackColor;            // the control's face, under the glyph
  TRzFontDevice Device;
};
void DrawFontItem(const TRzFontItemDrawing& item, const TRzFontGlyphs& glyphs);

// The recently chosen families kept above the others: entries 0..Last of the items.
struct TRzRecentFonts {
  int Last = -1;  // index of the last recent entry, -1 for none
  // Puts the selected item on top: moves its recent copy there, or inserts a
  // copy; answers the new index of the selection (0), or -1 when nothing changes.
  int Choose(TStrings* items, int selected);
  // The recent entries, kept while the list is rebuilt.
  std::vector<std::pair<String, Byte>> Saved;
  void Save(const TStrings* items);
  // Puts the saved entries back on top of a rebuilt list.
  void Restore(TStrings* items);
};
