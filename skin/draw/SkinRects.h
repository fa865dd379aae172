// Rectangle, point, number and date routines shared by the skin engine and the
// skinned windows.
#pragma once

#include "platform/core/DateUtils.h"
#include "platform/core/Geometry.h"
#include "platform/core/Math.h"

Integer RectWidth(const TRect& r);
Integer RectHeight(const TRect& r);
TRect NullRect();
// True when the rectangle has no positive width or no positive height.
bool IsNullRect(const TRect& r);
// True when either coordinate is 0.
bool IsNullPoint(const TPoint& p);
bool EqPoints(const TPoint& p1, const TPoint& p2);
bool EqRects(const TRect& r1, const TRect& r2);
// Right and bottom edges included.
bool PointInRect(const TRect& r, const TPoint& p);
// Both corners of r1 inside r2, whose right and bottom edges are excluded.
bool RectInRect(const TRect& r1, const TRect& r2);
// Moves r so that it is centred in bounds; returns the moved rectangle.
TRect RectToCenter(TRect& r, const TRect& bounds);
// Max and Min are the component layer's (platform/Math.h).

Integer ExtractDay(TDateTime date);
Integer ExtractMonth(TDateTime date);
Integer ExtractYear(TDateTime date);
// IsLeapYear is the component layer's (platform/DateUtils.h).
// Days of the month; 0 for a month outside 1..12.
Integer DaysPerMonth(Integer year, Integer month);
