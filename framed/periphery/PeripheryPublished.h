// Publishes the framed controls and components that no window of the program
// makes but that form definitions may hold: the check group, the further edits,
// the memo, rich and hot-key edits, the border family and the small components.
#pragma once

void PublishFramedPeriphery();
