#include "skin/draw/SkinRects.h"

Integer RectWidth(const TRect& r) { return r.Right - r.Left; }
Integer RectHeight(const TRect& r) { return r.Bottom - r.Top; }
TRect NullRect() { return TRect{}; }
bool IsNullRect(const TRect& r) { return RectWidth(r) <= 0 || RectHeight(r) <= 0; }
bool IsNullPoint(const TPoint& p) { return p.X == 0 || p.Y == 0; }
bool EqPoints(const TPoint& p1, const TPoint& p2) { return p1 == p2; }
bool EqRects(const TRect& r1, const TRect& r2) { return r1 == r2; }

bool PointInRect(const TRect& r, const TPoint& p) {
  return r.Left <= p.X && p.X <= r.Right && r.Top <= p.Y && p.Y <= r.Bottom;
}

bool RectInRect(const TRect& r1, const TRect& r2) {
  return r2.Contains(r1.TopLeft()) && r2.Contains(r1.BottomRight());
}

TRect RectToCenter(TRect& r, const TRect& bounds) {
  Integer w = RectWidth(r), h = RectHeight(r);
  Integer left = (RectWidth(bounds) - w) / 2 + bounds.Left;
  Integer top = (RectHeight(bounds) - h) / 2 + bounds.Top;
  r = TRect{left, top, left + w, top + h};
  return r;
}

namespace {
struct DateParts {
  Word year = 0, month = 0, day = 0;
};
DateParts Decode(TDateTime date) {
  DateParts parts;
  DecodeDate(date, parts.year, parts.month, parts.day);
  return parts;
}
}  // namespace

Integer ExtractDay(TDateTime date) { return Decode(date).day; }
Integer ExtractMonth(TDateTime date) { return Decode(date).month; }
Integer ExtractYear(TDateTime date) { return Decode(date).year; }

Integer DaysPerMonth(Integer year, Integer month) {
  static constexpr Integer days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}
