// Small rectangle helpers of the skinned tab strip.
#pragma once

#include "platform/core/Geometry.h"
#include "skin/draw/SkinRects.h"

namespace tabs_detail {

inline TRect OrElse(const TRect& r, const TRect& fallback) { return IsNullRect(r) ? fallback : r; }
inline TRect Moved(TRect r, Integer dx, Integer dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

}  // namespace tabs_detail
