// The published properties of the skinned standard controls (buttons, labels,
// bevel, panels, status and tool bars, notebook, check and radio boxes, track
// bar, gauge), so form definitions create them; also the skin-change rows of the
// std label and the bevel, which have no skinned base.
#pragma once

// Safe to call more than once.
void PublishSkinStdControlClasses();

// The order of the two rows in the skin-change table: the positions at which a
// form tests for these classes when its skin changes.
constexpr int kStdLabelSkinChangeRow = 8;
constexpr int kBevelSkinChangeRow = 14;
