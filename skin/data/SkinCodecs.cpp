#include "skin/data/SkinCodecs.h"

#include <vector>

#include "platform/Bitmap.h"
#include "platform/FileUtils.h"
#include "platform/JpegImage.h"
#include "platform/Streams.h"
#include "platform/Strings.h"
#include "platform/SysUtils.h"

namespace {

const char* const kStretchTypes[] = {"stfull", "sthorz", "stvert"};
const char* const kMorphKinds[] = {"mkdefault",   "mkgradient",   "mkleftgradient", "mkrightgradient",
                                   "mkleftslide", "mkrightslide", "mkpush"};
const char* const kInActiveEffects[] = {"iebrightness", "iedarkness",  "iegrayscale",
                                        "ienoise",      "iesplitblur", "ieinvert"};
const char* const kAlignments[] = {"taleftjustify", "tarightjustify", "tacenter"};
const char* const kGaugeKinds[] = {"gkhorizontal", "gkvertical"};
const char* const kFramesPlacements[] = {"fphorizontal", "fpvertical"};
const char* const kRegulatorKinds[] = {"rkround", "rkhorizontal", "rkvertical"};
const char* const kStdCommands[] = {"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                    "cmdefault", "cmrollup",   "cmminimizetotray"};

template <size_t N>
constexpr SkinEnumWords Words(const char* const (&words)[N], int fallback, int absent) {
  return SkinEnumWords{words, static_cast<int>(N), fallback, absent};
}

const char* const kFontStyleWords[] = {"fsbold", "fsitalic", "fsunderline", "fsstrikeout"};
const TFontStyles kFontStyleBits[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};

// The comma-separated digit fields of a rectangle or point text.
std::vector<String> DigitFields(const String& text) {
  std::vector<String> fields(1);
  for (char c : text) {
    if (c == ',') fields.emplace_back();
    else if (c >= '0' && c <= '9') fields.back() += c;
  }
  return fields;
}

Integer FieldValue(const std::vector<String>& fields, size_t index) {
  return StrToInt(index < fields.size() ? fields[index] : String());
}

}  // namespace

const SkinEnumWords kStretchTypeWords = Words(kStretchTypes, spstHorz, spstFull);
const SkinEnumWords kMorphKindWords = Words(kMorphKinds, mkDefault, mkDefault);
const SkinEnumWords kInActiveEffectWords = Words(kInActiveEffects, ieGrayScale, ieBrightness);
const SkinEnumWords kAlignmentWords = Words(kAlignments, taRightJustify, taCenter);
const SkinEnumWords kGaugeKindWords = Words(kGaugeKinds, gkVertical, gkHorizontal);
const SkinEnumWords kFramesPlacementWords = Words(kFramesPlacements, fpVertical, fpHorizontal);
const SkinEnumWords kRegulatorKindWords = Words(kRegulatorKinds, rkVertical, rkRound);
const SkinEnumWords kStdCommandWords = Words(kStdCommands, cmMinimizeToTray, cmDefault);

int SkinEnumWords::Decode(const String& text) const {
  for (int i = 0; i < count; ++i)
    if (text == words[i]) return i;
  return fallback;
}

const char* SkinEnumWords::Encode(int value) const { return words[value >= 0 && value < count ? value : absent]; }

TRect GetRect(const String& text) {
  std::vector<String> fields = DigitFields(text);
  return TRect{FieldValue(fields, 0), FieldValue(fields, 1), FieldValue(fields, 2), FieldValue(fields, 3)};
}

TPoint GetPoint(const String& text) {
  std::vector<String> fields = DigitFields(text);
  return TPoint{FieldValue(fields, 0), FieldValue(fields, 1)};
}

String SetRect(const TRect& rect) {
  return IntToStr(rect.Left) + "," + IntToStr(rect.Top) + "," + IntToStr(rect.Right) + "," + IntToStr(rect.Bottom);
}

TRect ReadRect(TCustomIniFile& ini, const String& section, const String& key) {
  return GetRect(ini.ReadString(section, key, "0,0,0,0"));
}

TPoint ReadPoint(TCustomIniFile& ini, const String& section, const String& key) {
  return GetPoint(ini.ReadString(section, key, "0,0"));
}

bool ReadBoolean(TCustomIniFile& ini, const String& section, const String& key) {
  return ini.ReadInteger(section, key, 0) == 1;
}

TFontStyles ReadFontStyles(TCustomIniFile& ini, const String& section, const String& key) {
  String text = ini.ReadString(section, key, String());
  TFontStyles styles = 0;
  for (int i = 0; i < 4; ++i)
    if (text.find(kFontStyleWords[i]) != String::npos) styles |= kFontStyleBits[i];
  return styles;
}

int ReadEnumWord(TCustomIniFile& ini, const String& section, const String& key, const SkinEnumWords& words) {
  return words.Decode(ini.ReadString(section, key, words.words[words.absent]));
}

TAlignment ReadAlignment(TCustomIniFile& ini, const String& section, const String& key) {
  return static_cast<TAlignment>(ReadEnumWord(ini, section, key, kAlignmentWords));
}

TspStretchType ReadStretchType(TCustomIniFile& ini, const String& section, const String& key) {
  return static_cast<TspStretchType>(ReadEnumWord(ini, section, key, kStretchTypeWords));
}

TMorphKind ReadMorphKind(TCustomIniFile& ini, const String& section, const String& key) {
  return static_cast<TMorphKind>(ReadEnumWord(ini, section, key, kMorphKindWords));
}

TspInActiveEffect ReadInActiveEffect(TCustomIniFile& ini, const String& section, const String& key) {
  return static_cast<TspInActiveEffect>(ReadEnumWord(ini, section, key, kInActiveEffectWords));
}

Integer ReadListCount(TCustomIniFile& ini, const String& section, const String& key) {
  Integer count = ini.ReadInteger(section, key, 0);
  if (count < 0) return 0;
  return count > kMaxSkinListCount ? kMaxSkinListCount : count;
}

void ReadStrings1(TCustomIniFile& ini, const String& section, const String& name, TStrings* list) {
  Integer count = ReadListCount(ini, section, name + "count");
  for (Integer i = 0; i < count; ++i) list->Add(ini.ReadString(section, IntToStr(i), String()));
}

void ReadStrings(TCustomIniFile& ini, const String& section, const String& name, TStrings* list) {
  Integer count = ReadListCount(ini, section, name + "linecount");
  for (Integer i = 0; i < count; ++i) list->Add(ini.ReadString(section, name + "line" + IntToStr(i), String()));
}

void WriteRect(TCustomIniFile& ini, const String& section, const String& key, const TRect& value) {
  ini.WriteString(section, key, SetRect(value));
}

void WritePoint(TCustomIniFile& ini, const String& section, const String& key, const TPoint& value) {
  ini.WriteString(section, key, IntToStr(value.X) + "," + IntToStr(value.Y));
}

void WriteBoolean(TCustomIniFile& ini, const String& section, const String& key, bool value) {
  ini.WriteInteger(section, key, value ? 1 : 0);
}

void WriteFontStyles(TCustomIniFile& ini, const String& section, const String& key, TFontStyles value) {
  String text;
  for (int i = 0; i < 4; ++i) {
    if (!(value & kFontStyleBits[i])) continue;
    if (!text.empty()) text += ",";
    text += kFontStyleWords[i];
  }
  ini.WriteString(section, key, text);
}

void WriteAlignment(TCustomIniFile& ini, const String& section, const String& key, TAlignment value) {
  ini.WriteString(section, key, kAlignmentWords.Encode(value));
}

void WriteStretchType(TCustomIniFile& ini, const String& section, const String& key, TspStretchType value) {
  ini.WriteString(section, key, kStretchTypeWords.Encode(value));
}

void WriteMorphKind(TCustomIniFile& ini, const String& section, const String& key, TMorphKind value) {
  ini.WriteString(section, key, kMorphKindWords.Encode(value));
}

void WriteInActiveEffect(TCustomIniFile& ini, const String& section, const String& key, TspInActiveEffect value) {
  ini.WriteString(section, key, kInActiveEffectWords.Encode(value));
}

void WriteStrings1(TCustomIniFile& ini, const String& section, const String& name, const TStrings* list) {
  ini.WriteInteger(section, name + "count", list->Count());
  for (int i = 0; i < list->Count(); ++i) ini.WriteString(section, IntToStr(i), list->Get(i));
}

void WriteStrings(TCustomIniFile& ini, const String& section, const String& name, const TStrings* list) {
  ini.WriteInteger(section, name + "linecount", list->Count());
  for (int i = 0; i < list->Count(); ++i) ini.WriteString(section, name + "line" + IntToStr(i), list->Get(i));
}

bool IsJpegFile(const String& fileName) {
  String extension = LowerCase(ExtractFileExt(fileName));
  return extension == ".jpg" || extension == ".jpeg";
}

void LoadFromJPegImage(TBitmap* bitmap, const TJPEGImage& image) { bitmap->Assign(&image); }

void LoadFromJpegStream(TBitmap* bitmap, TStream& stream) {
  TJPEGImage image;
  image.LoadFromStream(stream);
  LoadFromJPegImage(bitmap, image);
}

void LoadFromJpegFile(TBitmap* bitmap, const String& fileName) {
  TJPEGImage image;
  image.LoadFromFile(fileName);
  LoadFromJPegImage(bitmap, image);
}

void LoadSkinPicture(TBitmap* bitmap, const String& fileName) {
  if (IsJpegFile(fileName)) LoadFromJpegFile(bitmap, fileName);
  else bitmap->LoadFromFile(fileName);
}

void WriteStringToStream(const String& text, TStream& stream) {
  Integer length = static_cast<Integer>(text.size());
  stream.WriteBuffer(&length, 4);
  if (length > 0) stream.WriteBuffer(text.data(), length);
}

void ReadStringFromStream(String& text, TStream& stream) {
  Integer length = 0;
  stream.ReadBuffer(&length, 4);
  if (length < 0 || length > stream.Size() - stream.Position())
    throw EReadError("Stream read error: string length " + IntToStr(length) + " past the end of the stream");
  String read(static_cast<size_t>(length), '\0');
  if (length > 0) stream.ReadBuffer(read.data(), length);
  text = std::move(read);
}

bool CheckSkinFile(TCustomIniFile& ini) {
  static const char* const kRequired[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"};
  for (const char* section : kRequired) {
    TStringList keys;
    ini.ReadSection(section, &keys);
    if (keys.Count() == 0) return false;
  }
  return true;
}
