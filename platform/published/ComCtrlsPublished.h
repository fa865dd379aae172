// The published properties of the common controls (list view, page and tab
// controls, header control, track bar), so form definitions can make them by
// class name.
#pragma once

// Publishes the common controls (and the layer's controls and forms first).
// Safe to call more than once.
void PublishCommonControlClasses();
