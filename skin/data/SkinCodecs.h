// The text encodings of skin values (rectangles, points, booleans, font styles,
// enumeration words, counted and line lists), picture loading by name and the
// length-prefixed strings of skin streams. Every routine takes the abstract INI
// object, so the on-disk reader and the in-memory one share them.
#pragma once

#include "platform/Alignments.h"
#include "platform/Geometry.h"
#include "platform/GraphicsObjects.h"
#include "platform/IniFiles.h"
#include "skin/data/SkinTypes.h"

class TBitmap;
class TJPEGImage;
class TStream;

// Counted lists and record lists longer than this are read as this long, so a
// garbled count cannot make a load run for hours.
constexpr Integer kMaxSkinListCount = 10000;

// The words of one enumeration in ordinal order: a word read that matches none
// gives `fallback`; a missing key reads as the word `absent` names.
struct SkinEnumWords {
  const char* const* words;
  int count;
  int fallback;
  int absent;

  int Decode(const String& text) const;
  const char* Encode(int value) const;  // an ordinal outside the words gives the absent word
};

extern const SkinEnumWords kStretchTypeWords;
extern const SkinEnumWords kMorphKindWords;
extern const SkinEnumWords kInActiveEffectWords;
extern const SkinEnumWords kAlignmentWords;
extern const SkinEnumWords kGaugeKindWords;
extern const SkinEnumWords kFramesPlacementWords;
extern const SkinEnumWords kRegulatorKindWords;
extern const SkinEnumWords kStdCommandWords;

// Rectangle and point texts: digits only (signs and blanks dropped), fields split
// at commas, fields beyond those needed ignored; a field without digits or past
// 32 bits raises EConvertError "'%s' is not a valid integer value".
TRect GetRect(const String& text);
TPoint GetPoint(const String& text);
String SetRect(const TRect& rect);

TRect ReadRect(TCustomIniFile& ini, const String& section, const String& key);
TPoint ReadPoint(TCustomIniFile& ini, const String& section, const String& key);
bool ReadBoolean(TCustomIniFile& ini, const String& section, const String& key);  // exactly 1 is true
TFontStyles ReadFontStyles(TCustomIniFile& ini, const String& section, const String& key);
TAlignment ReadAlignment(TCustomIniFile& ini, const String& section, const String& key);
TspStretchType ReadStretchType(TCustomIniFile& ini, const String& section, const String& key);
TMorphKind ReadMorphKind(TCustomIniFile& ini, const String& section, const String& key);
TspInActiveEffect ReadInActiveEffect(TCustomIniFile& ini, const String& section, const String& key);
int ReadEnumWord(TCustomIniFile& ini, const String& section, const String& key, const SkinEnumWords& words);
// The list count of a counted or line list, clamped to 0 .. kMaxSkinListCount.
Integer ReadListCount(TCustomIniFile& ini, const String& section, const String& key);
// Append to the list, which is not emptied first.
void ReadStrings1(TCustomIniFile& ini, const String& section, const String& name, TStrings* list);
void ReadStrings(TCustomIniFile& ini, const String& section, const String& name, TStrings* list);

void WriteRect(TCustomIniFile& ini, const String& section, const String& key, const TRect& value);
void WritePoint(TCustomIniFile& ini, const String& section, const String& key, const TPoint& value);
void WriteBoolean(TCustomIniFile& ini, const String& section, const String& key, bool value);
void WriteFontStyles(TCustomIniFile& ini, const String& section, const String& key, TFontStyles value);
void WriteAlignment(TCustomIniFile& ini, const String& section, const String& key, TAlignment value);
void WriteStretchType(TCustomIniFile& ini, const String& section, const String& key, TspStretchType value);
void WriteMorphKind(TCustomIniFile& ini, const String& section, const String& key, TMorphKind value);
void WriteInActiveEffect(TCustomIniFile& ini, const String& section, const String& key, TspInActiveEffect value);
void WriteStrings1(TCustomIniFile& ini, const String& section, const String& name, const TStrings* list);
void WriteStrings(TCustomIniFile& ini, const String& section, const String& name, const TStrings* list);

// A picture name is JPEG when its extension is .jpg or .jpeg, in any letter case.
bool IsJpegFile(const String& fileName);
// Decode a JPEG picture into the bitmap, which takes the picture's size (24 bits).
void LoadFromJpegFile(TBitmap* bitmap, const String& fileName);
void LoadFromJpegStream(TBitmap* bitmap, TStream& stream);
void LoadFromJPegImage(TBitmap* bitmap, const TJPEGImage& image);
// A picture file by name: JPEG or BMP as IsJpegFile judges.
void LoadSkinPicture(TBitmap* bitmap, const String& fileName);

// A 32-bit little-endian length, then the bytes. The reader refuses a negative
// length or one past the end of the stream with EReadError.
void WriteStringToStream(const String& text, TStream& stream);
void ReadStringFromStream(String& text, TStream& stream);

// Each of VERSION, PICTURES, FORMINFO, SKINOBJECTS and SKINCONTROLS holds a key.
bool CheckSkinFile(TCustomIniFile& ini);
