// The published properties of the standard controls (edits, buttons, lists,
// labels, panels, images, speed buttons, splitters, scroll boxes, gauges), so
// form definitions can make them by class name.
#pragma once

// Publishes the standard controls (and the layer's controls and forms first).
// Safe to call more than once.
void PublishStdControlClasses();
