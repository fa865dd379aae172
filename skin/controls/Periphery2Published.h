// The published properties of the second set of skinned controls no window of
// the program creates (memos, password and numeric edits, tab control, scroll
// box, date and time edits, check lists, colour controls, calendar, font and
// colour lists), so form definitions create them; also their skin-change rows.
#pragma once

// Safe to call more than once.
void PublishSkinPeriphery2ControlClasses();

// One registration per area.
void PublishSkinMemosPeriphery();
void PublishSkinEdits2Periphery();
void PublishSkinTabsPeriphery();
void PublishSkinBoxesPeriphery();
void PublishSkinChecklistsPeriphery();
void PublishSkinColorsPeriphery();
void PublishSkinCalendarsPeriphery();
void PublishSkinPickersPeriphery();
void RegisterSkinPeriphery2SkinChange();
