// The colour picker's table: 40 standard colours and 30 system colours, each with
// its name from the family's string table, loaded at start-up.
#pragma once

#include "framed/common/RzResourceIds.h"
#include "platform/graphics/Colors.h"

struct TRzColorEntry {
  TColor Color;
  String Name;
};
extern TRzColorEntry ColorPickerColors[kRzColorNameCount];

void StartColorNames();
void StopColorNames();
