#include "skin/data/SkinRecordTable.h"

#include <cstring>

namespace {

void ReadField(TCustomIniFile& ini, const String& section, const SkinField& field, TObject* record) {
  switch (field.codec) {
    case SkinCodec::Integer: {
      Integer value = ini.ReadInteger(section, field.key, field.absent);
      field.Of<Integer>(record) = field.atLeastOne && value < 1 ? 1 : value;
      break;
    }
    case SkinCodec::Boolean: field.Of<bool>(record) = ReadBoolean(ini, section, field.key); break;
    case SkinCodec::Rect: field.Of<TRect>(record) = ReadRect(ini, section, field.key); break;
    case SkinCodec::Point: field.Of<TPoint>(record) = ReadPoint(ini, section, field.key); break;
    case SkinCodec::Text: field.Of<String>(record) = ini.ReadString(section, field.key, field.absentText); break;
    case SkinCodec::FontStyles: field.Of<TFontStyles>(record) = ReadFontStyles(ini, section, field.key); break;
    case SkinCodec::Lines: ReadStrings(ini, section, field.key, &field.Of<TStringList>(record)); break;
    case SkinCodec::Enumeration: {
      int value = ReadEnumWord(ini, section, field.key, *field.words);
      if (field.enumSize == 1) field.Of<Byte>(record) = static_cast<Byte>(value);
      else field.Of<TAlignment>(record) = static_cast<TAlignment>(value);
      break;
    }
  }
}

void WriteField(TCustomIniFile& ini, const String& section, const SkinField& field, TObject* record) {
  const char* key = field.writeKey;
  switch (field.codec) {
    case SkinCodec::Integer: ini.WriteInteger(section, key, field.Of<Integer>(record)); break;
    case SkinCodec::Boolean: WriteBoolean(ini, section, key, field.Of<bool>(record)); break;
    case SkinCodec::Rect: WriteRect(ini, section, key, field.Of<TRect>(record)); break;
    case SkinCodec::Point: WritePoint(ini, section, key, field.Of<TPoint>(record)); break;
    case SkinCodec::Text: ini.WriteString(section, key, field.Of<String>(record)); break;
    case SkinCodec::FontStyles: WriteFontStyles(ini, section, key, field.Of<TFontStyles>(record)); break;
    case SkinCodec::Lines: WriteStrings(ini, section, key, &field.Of<TStringList>(record)); break;
    case SkinCodec::Enumeration: {
      int value = field.enumSize == 1 ? field.Of<Byte>(record) : field.Of<TAlignment>(record);
      ini.WriteString(section, key, field.words->Encode(value));
      break;
    }
  }
}

}  // namespace

const SkinField* SkinRecordTable::Find(const char* key) const {
  for (const SkinField& field : fields)
    if (std::strcmp(field.key, key) == 0) return &field;
  return nullptr;
}

void ReadSkinRecord(TCustomIniFile& ini, const String& section, const SkinRecordTable& table, TObject* record) {
  if (table.base) ReadSkinRecord(ini, section, *table.base, record);
  for (const SkinField& field : table.fields) ReadField(ini, section, field, record);
  if (table.afterRead) table.afterRead(record);
}

void WriteSkinRecord(TCustomIniFile& ini, const String& section, const SkinRecordTable& table, TObject* record) {
  if (table.beforeWrite) table.beforeWrite(record);
  if (table.base) WriteSkinRecord(ini, section, *table.base, record);
  if (table.writeOrder.empty()) {
    for (const SkinField& field : table.fields) WriteField(ini, section, field, record);
    return;
  }
  for (const char* key : table.writeOrder) {
    const SkinField* field = table.Find(key);
    if (!field) throw EInvalidOperation(String("Skin record table has no key ") + key);
    WriteField(ini, section, *field, record);
  }
}
