// Start and stop of the framed-control family: what its units set up for the
// whole run (kind glyph cache and captions, colour names, COM on the main thread,
// the Windows and shell versions, the shell allocator) and take down at the end.
// Counted: only the first start and the last stop do the work.
#pragma once

void FramedStartup();
void FramedShutdown();
int FramedStartCount();
