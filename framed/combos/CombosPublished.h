// The published properties of the colour, font, history and image combo boxes
// and of the colour names.
#pragma once

void PublishFramedCombos();
