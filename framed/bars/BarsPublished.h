// Publishes the framed bars for form definitions: spacer, tool bar with its
// customisation window, status bar, splitter with its panes, and size panel.
#pragma once

void PublishFramedBars();
