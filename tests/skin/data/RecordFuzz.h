// Random values for skin records, through their descriptor tables, and a
// field-by-field comparison: the write -> read round trip of every record class.
#pragma once

#include <random>

#include "skin/data/SkinRecordTable.h"

// Gives every field of the chain a random value its codec can carry (coordinates
// are never negative: the reader drops minus signs).
void FillRandom(const SkinRecordTable& table, TObject* record, std::mt19937& random);
// The keys whose values differ, joined by blanks; empty when the records are equal.
String DifferentKeys(const SkinRecordTable& table, TObject* a, TObject* b);
// Runs the reader's corrections on a record (as a read would leave it).
void Normalise(const SkinRecordTable& table, TObject* record);
