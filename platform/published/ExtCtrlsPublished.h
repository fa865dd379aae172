// The published properties of the bevel, panel, image, splitter, mask edit,
// speed button, scroll box and gauge.
#pragma once

// Safe to call more than once.
void PublishExtControlClasses();
