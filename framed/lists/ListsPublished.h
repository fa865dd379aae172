// The published properties of the framed list boxes: the list box, the tabbed
// list box, the check list, the edit and rank list boxes and the font list box.
#pragma once

void PublishFramedLists();
