#include "framed/startup/RzBorder_ColorNames.h"

#include "framed/startup/RzStrings.h"

TRzColorEntry ColorPickerColors[kRzColorNameCount];

namespace {

constexpr TColor kStandardColors[40] = {
    0x000000, 0x003399, 0x003333, 0x003300, 0x663300, 0x800000, 0x993333, 0x333333,
    0x000080, 0x0066FF, 0x008080, 0x008000, 0x808000, 0xFF0000, 0x996666, 0x808080,
    0x0000FF, 0x0099FF, 0x00CC99, 0x669933, 0x999933, 0xFF6633, 0x800080, 0x999999,
    0xFF00FF, 0x00CCFF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFFCC00, 0x663399, 0xC0C0C0,
    0xCC99FF, 0x99CCFF, 0x99FFFF, 0xCCFFCC, 0xFFFFCC, 0xFFCC99, 0xFF99CC, 0xFFFFFF};

// System colours 0..24 and 26..30: 25 is not offered.
TColor SystemEntry(int index) { return SystemColor(index < 25 ? index : index + 1); }

}  // namespace

void StartColorNames() {
  for (int i = 0; i < kRzColorNameCount; ++i) {
    ColorPickerColors[i].Color = i < 40 ? kStandardColors[i] : SystemEntry(i - 40);
    ColorPickerColors[i].Name = LoadRzString(sRzColorNamesFirst + i);
  }
}

void StopColorNames() {
  for (TRzColorEntry& entry : ColorPickerColors) entry.Name.clear();
}
