// The published properties of the plain, mask and numeric edits, the memo, the
// rich edit and the hot-key edit.
#pragma once

void PublishFramedEdits();
