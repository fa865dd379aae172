// The published properties of the tree view, the rich edit, the control bar and
// the cool bar, so form definitions can make them by class name.
#pragma once

// Safe to call more than once.
void PublishBandsAndViewsClasses();
