#include "tests/skin/data/RecordFuzz.h"

namespace {

Integer Coordinate(std::mt19937& random) { return std::uniform_int_distribution<Integer>(0, 5000)(random); }

void FillField(const SkinField& field, TObject* record, std::mt19937& random) {
  switch (field.codec) {
    case SkinCodec::Integer: {
      Integer value = static_cast<Integer>(random());
      field.Of<Integer>(record) = field.atLeastOne && value < 1 ? 1 + (value & 0xFFFF) : value;
      break;
    }
    case SkinCodec::Boolean: field.Of<bool>(record) = random() & 1; break;
    case SkinCodec::Rect: {
      Integer left = Coordinate(random), top = Coordinate(random);
      field.Of<TRect>(record) = TRect{left, top, left + 1 + Coordinate(random), top + 1 + Coordinate(random)};
      break;
    }
    case SkinCodec::Point: field.Of<TPoint>(record) = TPoint{Coordinate(random), Coordinate(random)}; break;
    case SkinCodec::Text: {
      String text;
      for (int n = random() % 12; n > 0; --n) text += static_cast<char>('a' + random() % 26);
      field.Of<String>(record) = text;
      break;
    }
    case SkinCodec::FontStyles: field.Of<TFontStyles>(record) = random() % 16; break;
    case SkinCodec::Lines: {
      TStringList& lines = field.Of<TStringList>(record);
      lines.Clear();
      for (int n = random() % 4; n > 0; --n) lines.Add("line" + std::to_string(random() % 100));
      break;
    }
    case SkinCodec::Enumeration: {
      int value = static_cast<int>(random() % field.words->count);
      if (field.enumSize == 1) field.Of<Byte>(record) = static_cast<Byte>(value);
      else field.Of<TAlignment>(record) = static_cast<TAlignment>(value);
      break;
    }
  }
}

bool SameField(const SkinField& field, TObject* a, TObject* b) {
  switch (field.codec) {
    case SkinCodec::Integer: return field.Of<Integer>(a) == field.Of<Integer>(b);
    case SkinCodec::Boolean: return field.Of<bool>(a) == field.Of<bool>(b);
    case SkinCodec::Rect: return field.Of<TRect>(a) == field.Of<TRect>(b);
    case SkinCodec::Point: return field.Of<TPoint>(a) == field.Of<TPoint>(b);
    case SkinCodec::Text: return field.Of<String>(a) == field.Of<String>(b);
    case SkinCodec::FontStyles: return field.Of<TFontStyles>(a) == field.Of<TFontStyles>(b);
    case SkinCodec::Lines: return field.Of<TStringList>(a).Equals(field.Of<TStringList>(b));
    case SkinCodec::Enumeration:
      return field.enumSize == 1 ? field.Of<Byte>(a) == field.Of<Byte>(b)
                                 : field.Of<TAlignment>(a) == field.Of<TAlignment>(b);
  }
  return false;
}

}  // namespace

void FillRandom(const SkinRecordTable& table, TObject* record, std::mt19937& random) {
  if (table.base) FillRandom(*table.base, record, random);
  for (const SkinField& field : table.fields) FillField(field, record, random);
}

String DifferentKeys(const SkinRecordTable& table, TObject* a, TObject* b) {
  String keys = table.base ? DifferentKeys(*table.base, a, b) : String();
  for (const SkinField& field : table.fields)
    if (!SameField(field, a, b)) keys += String(keys.empty() ? "" : " ") + field.key;
  return keys;
}

void Normalise(const SkinRecordTable& table, TObject* record) {
  if (table.base) Normalise(*table.base, record);
  if (table.afterRead) table.afterRead(record);
}
