// Window regions from rectangles: a region from one rectangle, and a region made
// of many rectangles in one call (the RGNDATA form that mask scanning produces).
#pragma once

#include <vector>

#include "platform/core/Geometry.h"
#include "platform/core/WinApi.h"

// A new region (owned by the caller); nullptr when the system refuses it.
HRGN CreateRectRegion(const TRect& rect);
// The union of the rectangles, made with ExtCreateRegion from one RGNDATA block;
// an empty list gives an empty region. Owned by the caller.
HRGN CreateRegionFromRects(const std::vector<TRect>& rects);
// The rectangles a region is made of (GetRegionData).
std::vector<TRect> RegionRects(HRGN region);
