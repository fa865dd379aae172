// Descriptor tables of skin records: one row per INI key ({key, field, codec,
// absent value}), in reading order, chained to the table of the record's base
// class. One reader and one writer serve every record class, the container's
// [FORMINFO] and the popup and hint windows; the rows also find every field that
// holds a picture index (its key ends in "pictureindex").
#pragma once

#include <type_traits>
#include <vector>

#include "platform/Alignments.h"
#include "platform/Geometry.h"
#include "platform/GraphicsObjects.h"
#include "platform/IniFiles.h"
#include "platform/Strings.h"
#include "skin/data/SkinCodecs.h"

enum class SkinCodec : Byte {
  Integer,     // also colours
  Boolean,
  Rect,
  Point,
  Text,
  FontStyles,
  Lines,       // a line list held in a TStringList field
  Enumeration  // a one-byte enumeration (or TAlignment) with its words
};

struct SkinField {
  const char* key;       // read under this key (letter case does not matter)
  const char* writeKey;  // written under this spelling
  SkinCodec codec;
  void* (*locate)(TObject* record);
  Integer absent = 0;             // integers, colours
  const char* absentText = "";    // strings
  const SkinEnumWords* words = nullptr;  // enumerations
  int enumSize = 1;               // bytes of an enumeration field
  bool atLeastOne = false;        // a value below 1 is stored as 1
  bool pictureIndex = false;      // an index into the container's ActivePictures

  template <class T>
  T& Of(TObject* record) const { return *static_cast<T*>(locate(record)); }
};

struct SkinRecordTable {
  const SkinRecordTable* base;      // read and written first; nullptr for a root
  std::vector<SkinField> fields;    // reading order
  std::vector<const char*> writeOrder;  // keys in writing order; empty: reading order
  void (*afterRead)(TObject* record) = nullptr;    // corrections after this table's keys
  void (*beforeWrite)(TObject* record) = nullptr;  // corrections before the section is written

  const SkinField* Find(const char* key) const;  // this table's own rows only
};

// Reads every key of the table chain (bases first) from `section` into the record.
void ReadSkinRecord(TCustomIniFile& ini, const String& section, const SkinRecordTable& table, TObject* record);
// Writes the keys of the chain (bases first); the caller erases the section first.
void WriteSkinRecord(TCustomIniFile& ini, const String& section, const SkinRecordTable& table, TObject* record);
// Calls `visit` with each picture-index field of the chain.
template <class F>
void ForEachPictureIndex(const SkinRecordTable& table, TObject* record, F visit) {
  if (table.base) ForEachPictureIndex(*table.base, record, visit);
  for (const SkinField& field : table.fields)
    if (field.pictureIndex) visit(field.Of<Integer>(record));
}

namespace skin_table_detail {

template <class M>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
  using Class = C;
  using Type = T;
};

template <auto Member>
void* Locate(TObject* record) {
  using C = typename MemberOf<decltype(Member)>::Class;
  return &(static_cast<C*>(record)->*Member);
}

constexpr bool EndsWith(const char* text, const char* tail) {
  int n = 0, m = 0;
  while (text[n]) ++n;
  while (tail[m]) ++m;
  if (m > n) return false;
  for (int i = 0; i < m; ++i)
    if (text[n - m + i] != tail[i]) return false;
  return true;
}

template <class T>
constexpr SkinCodec CodecOf() {
  if constexpr (std::is_same_v<T, bool>) return SkinCodec::Boolean;
  else if constexpr (std::is_same_v<T, Integer>) return SkinCodec::Integer;
  else if constexpr (std::is_same_v<T, TRect>) return SkinCodec::Rect;
  else if constexpr (std::is_same_v<T, TPoint>) return SkinCodec::Point;
  else if constexpr (std::is_same_v<T, String>) return SkinCodec::Text;
  else if constexpr (std::is_same_v<T, TFontStyles>) return SkinCodec::FontStyles;
  else if constexpr (std::is_same_v<T, TStringList>) return SkinCodec::Lines;
  else {
    static_assert(std::is_enum_v<T>, "a skin field is an integer, flag, rectangle, point, text, style set, "
                                     "line list or enumeration");
    return SkinCodec::Enumeration;
  }
}

template <class T>
const SkinEnumWords* WordsOf() {
  if constexpr (std::is_same_v<T, TspStretchType>) return &kStretchTypeWords;
  else if constexpr (std::is_same_v<T, TMorphKind>) return &kMorphKindWords;
  else if constexpr (std::is_same_v<T, TspInActiveEffect>) return &kInActiveEffectWords;
  else if constexpr (std::is_same_v<T, TAlignment>) return &kAlignmentWords;
  else if constexpr (std::is_same_v<T, TGaugeKind>) return &kGaugeKindWords;
  else if constexpr (std::is_same_v<T, TFramesPlacement>) return &kFramesPlacementWords;
  else if constexpr (std::is_same_v<T, TRegulatorKind>) return &kRegulatorKindWords;
  else if constexpr (std::is_same_v<T, TStdCommand>) return &kStdCommandWords;
  else return nullptr;
}

}  // namespace skin_table_detail

// A row for the field `Member`; the codec follows from the field's type.
template <auto Member>
SkinField Key(const char* key, Integer absent = 0) {
  using T = typename skin_table_detail::MemberOf<decltype(Member)>::Type;
  SkinField field{key, key, skin_table_detail::CodecOf<T>(), &skin_table_detail::Locate<Member>};
  field.absent = absent;
  field.words = skin_table_detail::WordsOf<T>();
  field.enumSize = static_cast<int>(sizeof(T));
  field.pictureIndex = skin_table_detail::EndsWith(key, "pictureindex");
  return field;
}

// A string row with its absent text.
template <auto Member>
SkinField TextKey(const char* key, const char* absentText) {
  SkinField field = Key<Member>(key);
  field.absentText = absentText;
  return field;
}

// A row whose key is written in another spelling than it is read.
inline SkinField WrittenAs(SkinField field, const char* writeKey) {
  field.writeKey = writeKey;
  return field;
}

inline SkinField AtLeastOne(SkinField field) {
  field.atLeastOne = true;
  return field;
}
