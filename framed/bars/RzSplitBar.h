// What the splitter and the size panel share: the drag outline's checkerboard
// drawn by inversion on the screen, the four sizing cursors, the grooved or
// bumped strips across a bar and the hot spot's frame.
#pragma once

#include "framed/common/RzCommon_Types.h"
#include "platform/graphics/Bitmap.h"

enum TSplitterStyle : Byte { ssStandard, ssGroove, ssBump, ssGroupBar };

// An 8 x 8 checkerboard: white, with every pixel whose x + y is odd black.
void CreateMaskBitmap(TBitmap* bitmap);
// Inverts `screenRect` on the screen's device context through the mask's
// pattern; a second call at the same place restores the screen.
void DrawMaskOnScreen(TBitmap* mask, const TRect& screenRect);

// The four cursors of the resources RZSPLIT_HORZ, RZSPLIT_HORZHOTSPOT,
// RZSPLIT_VERT and RZSPLIT_VERTHOTSPOT, loaded from the program; destroyed with
// the object.
class TRzSplitCursors {
public:
  TRzSplitCursors();
  ~TRzSplitCursors();
  TRzSplitCursors(const TRzSplitCursors&) = delete;
  TRzSplitCursors& operator=(const TRzSplitCursors&) = delete;
  // The cursor over a bar: `vertical` for a bar lying across (panes stacked).
  HCURSOR For(bool vertical, bool overHotSpot) const;

private:
  HCURSOR horz_, horzHotSpot_, vert_, vertHotSpot_;
};

// Two 3-pixel strips across the middle of `bar`, grooved or bumped; `across`
// for a bar lying across (strips along its length run horizontally).
void DrawBarStrips(TCanvas* canvas, const TRect& bar, bool across, TSplitterStyle style);
