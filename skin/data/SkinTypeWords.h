// Type word <-> record class tables of [SKINOBJECTS] and [SKINCONTROLS]. Each
// table lists descendants before their bases, so the writer's first "is a" match
// is the record's own class; the reader matches words exactly.
#pragma once

#include <vector>

#include "skin/data/ControlRecords.h"
#include "skin/data/WindowRecords.h"

template <class Record>
struct SkinTypeWord {
  const char* word;
  Record* (*create)(const String& name);
  bool (*is)(const Record* record);
};

using SkinObjectWord = SkinTypeWord<TspDataSkinObject>;
using SkinControlWord = SkinTypeWord<TspDataSkinControl>;

const std::vector<SkinObjectWord>& SkinObjectWords();
const std::vector<SkinControlWord>& SkinControlWords();

// The row of an exact word, or nullptr.
template <class Record>
const SkinTypeWord<Record>* FindTypeWord(const std::vector<SkinTypeWord<Record>>& table, const String& word) {
  for (const auto& row : table)
    if (word == row.word) return &row;
  return nullptr;
}

// The word of the record's class; empty when no row matches.
template <class Record>
String TypeWordOf(const std::vector<SkinTypeWord<Record>>& table, const Record* record) {
  for (const auto& row : table)
    if (row.is(record)) return row.word;
  return String();
}
