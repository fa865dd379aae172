// Publishes the framed buttons for form definitions: push, bit, menu, tool-bar,
// menu tool-bar, tool, shaped and rapid-fire buttons and the spinner.
#pragma once

void PublishFramedButtons();
