// Records read from and written to an INI section, each described once by a table
// of fields {key, member, type, default}: one reader and one writer serve every
// record, and a missing key takes the table's default.
//
//   const TRecordField<TOptions> kFields[] = {
//       RecordText("Folder", &TOptions::Folder, "C:\\"),
//       RecordFlag("Shutdown", &TOptions::Shutdown, false),
//   };
//   ReadRecord(ini, "Options", options, kFields);
#pragma once

#include <cstdint>
#include <span>

#include "platform/io/IniFiles.h"

// How a field is kept in the record and written in the file.
enum class TRecordFieldType {
  kIndex,   // std::uint8_t (a choice of a list), a decimal number
  kFlag,    // bool, "1" or "0"; any other number reads as true, text as the default
  kInt,     // std::int32_t, a decimal number
  kDouble,  // double, '.' as the decimal separator
  kText,    // String, as it stands
};

// A field's value on its way between the record and the file.
struct TRecordValue {
  double Number = 0;
  String Text;
};

// One type's reading and writing, shared by every record.
TRecordValue ReadRecordValue(TCustomIniFile& ini, const String& section, const char* key, TRecordFieldType type,
                             const TRecordValue& defaultValue);
String RecordValueText(TRecordFieldType type, const TRecordValue& value);

template <class R>
struct TRecordField {
  const char* Key;
  TRecordFieldType Type;
  std::uint8_t R::*Index = nullptr;
  bool R::*Flag = nullptr;
  std::int32_t R::*Int = nullptr;
  double R::*Real = nullptr;
  String R::*Text = nullptr;
  double NumberDefault = 0;  // of every type but kText
  String TextDefault;        // of kText
  bool Compared = true;      // whether SameRecord compares it

  TRecordValue Default() const { return {NumberDefault, TextDefault}; }

  TRecordValue Get(const R& record) const {
    TRecordValue value;
    switch (Type) {
      case TRecordFieldType::kIndex: value.Number = record.*Index; break;
      case TRecordFieldType::kFlag: value.Number = record.*Flag ? 1 : 0; break;
      case TRecordFieldType::kInt: value.Number = record.*Int; break;
      case TRecordFieldType::kDouble: value.Number = record.*Real; break;
      case TRecordFieldType::kText: value.Text = record.*Text; break;
    }
    return value;
  }
  void Set(R& record, const TRecordValue& value) const {
    switch (Type) {
      case TRecordFieldType::kIndex: record.*Index = static_cast<std::uint8_t>(static_cast<std::int64_t>(value.Number)); break;
      case TRecordFieldType::kFlag: record.*Flag = value.Number != 0; break;
      case TRecordFieldType::kInt: record.*Int = static_cast<std::int32_t>(value.Number); break;
      case TRecordFieldType::kDouble: record.*Real = value.Number; break;
      case TRecordFieldType::kText: record.*Text = value.Text; break;
    }
  }
  bool Same(const R& a, const R& b) const {
    switch (Type) {
      case TRecordFieldType::kIndex: return a.*Index == b.*Index;
      case TRecordFieldType::kFlag: return a.*Flag == b.*Flag;
      case TRecordFieldType::kInt: return a.*Int == b.*Int;
      case TRecordFieldType::kDouble: return a.*Real == b.*Real;
      case TRecordFieldType::kText: return a.*Text == b.*Text;
    }
    return false;
  }
};

// The rows of a table. A member of a derived class `P` may stand in a table of its
// base `R` (the record is then always a `P`).
template <class R, class P>
TRecordField<R> RecordIndex(const char* key, std::uint8_t P::*member, int defaultValue, bool compared = true) {
  TRecordField<R> row{key, TRecordFieldType::kIndex};
  row.Index = static_cast<std::uint8_t R::*>(member);
  row.NumberDefault = defaultValue;
  row.Compared = compared;
  return row;
}
template <class R, class P>
TRecordField<R> RecordFlag(const char* key, bool P::*member, bool defaultValue, bool compared = true) {
  TRecordField<R> row{key, TRecordFieldType::kFlag};
  row.Flag = static_cast<bool R::*>(member);
  row.NumberDefault = defaultValue ? 1 : 0;
  row.Compared = compared;
  return row;
}
template <class R, class P>
TRecordField<R> RecordInt(const char* key, std::int32_t P::*member, std::int32_t defaultValue,
                              bool compared = true) {
  TRecordField<R> row{key, TRecordFieldType::kInt};
  row.Int = static_cast<std::int32_t R::*>(member);
  row.NumberDefault = defaultValue;
  row.Compared = compared;
  return row;
}
template <class R, class P>
TRecordField<R> RecordDouble(const char* key, double P::*member, double defaultValue, bool compared = true) {
  TRecordField<R> row{key, TRecordFieldType::kDouble};
  row.Real = static_cast<double R::*>(member);
  row.NumberDefault = defaultValue;
  row.Compared = compared;
  return row;
}
template <class R, class P>
TRecordField<R> RecordText(const char* key, String P::*member, const String& defaultValue, bool compared = true) {
  TRecordField<R> row{key, TRecordFieldType::kText};
  row.Text = static_cast<String R::*>(member);
  row.TextDefault = defaultValue;
  row.Compared = compared;
  return row;
}

// The reader: every field from its key in `section`, the default where it is missing,
// all from the file as it was at the first read (one batch).
template <class R>
void ReadRecord(TCustomIniFile& ini, const String& section, R& record, std::span<const TRecordField<R>> fields) {
  TCustomIniFile::TReadBatch batch(ini);
  for (const TRecordField<R>& field : fields)
    field.Set(record, ReadRecordValue(ini, section, field.Key, field.Type, field.Default()));
}

// The writer: hands each field's key and text to `put`, in table order.
template <class R, class Put>
void WriteRecord(const R& record, std::span<const TRecordField<R>> fields, Put put) {
  for (const TRecordField<R>& field : fields) put(field.Key, RecordValueText(field.Type, field.Get(record)));
}

// The writer into an INI file's section.
template <class R>
void WriteRecord(TCustomIniFile& ini, const String& section, const R& record, std::span<const TRecordField<R>> fields) {
  WriteRecord(record, fields, [&](const char* key, const String& text) { ini.WriteString(section, key, text); });
}

// Every field to its default, from another record, and compared.
template <class R>
void ResetRecord(R& record, std::span<const TRecordField<R>> fields) {
  for (const TRecordField<R>& field : fields) field.Set(record, field.Default());
}
template <class R>
void CopyRecord(R& target, const R& source, std::span<const TRecordField<R>> fields) {
  for (const TRecordField<R>& field : fields) field.Set(target, field.Get(source));
}
template <class R>
bool SameRecord(const R& a, const R& b, std::span<const TRecordField<R>> fields) {
  for (const TRecordField<R>& field : fields)
    if (field.Compared && !field.Same(a, b)) return false;
  return true;
}
