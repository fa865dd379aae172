#include "platform/io/RecordTable.h"

#include "platform/core/SysUtils.h"

TRecordValue ReadRecordValue(TCustomIniFile& ini, const String& section, const char* key, TRecordFieldType type,
                             const TRecordValue& defaultValue) {
  TRecordValue value;
  switch (type) {
    case TRecordFieldType::kIndex:
    case TRecordFieldType::kFlag:
    case TRecordFieldType::kInt:
      value.Number = ini.ReadInteger(section, key, static_cast<Integer>(defaultValue.Number));
      break;
    case TRecordFieldType::kDouble: value.Number = ini.ReadFloat(section, key, defaultValue.Number); break;
    case TRecordFieldType::kText: value.Text = ini.ReadString(section, key, defaultValue.Text); break;
  }
  return value;
}

String RecordValueText(TRecordFieldType type, const TRecordValue& value) {
  switch (type) {
    case TRecordFieldType::kIndex:
    case TRecordFieldType::kInt: return IntToStr(static_cast<Int64>(value.Number));
    case TRecordFieldType::kFlag: return value.Number != 0 ? "1" : "0";
    case TRecordFieldType::kDouble: return FloatToStr(value.Number);
    case TRecordFieldType::kText: return value.Text;
  }
  return String();
}
