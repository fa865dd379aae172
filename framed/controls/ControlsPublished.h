// Publishes the framed controls the program's dialogs place, for form definitions.
#pragma once

void PublishFramedControls();
