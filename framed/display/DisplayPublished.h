// The published properties of the border, the LED display, the meter and the
// colour picker.
#pragma once

void PublishFramedDisplays();
