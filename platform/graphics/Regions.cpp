#include "platform/graphics/Regions.h"

#include <algorithm>
#include <climits>
#include <cstring>

HRGN CreateRectRegion(const TRect& rect) { return ::CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom); }

HRGN CreateRegionFromRects(const std::vector<TRect>& rects) {
  std::vector<Byte> block(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(block.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  RECT bounds = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (const TRect& r : rects) {
    bounds.left = std::min<LONG>(bounds.left, r.Left);
    bounds.top = std::min<LONG>(bounds.top, r.Top);
    bounds.right = std::max<LONG>(bounds.right, r.Right);
    bounds.bottom = std::max<LONG>(bounds.bottom, r.Bottom);
  }
  data->rdh.rcBound = rects.empty() ? RECT{0, 0, 0, 0} : bounds;
  if (!rects.empty()) std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
  return ::ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()), data);
}

std::vector<TRect> RegionRects(HRGN region) {
  DWORD size = region ? ::GetRegionData(region, 0, nullptr) : 0;
  if (!size) return {};
  std::vector<Byte> block(size);
  auto* data = reinterpret_cast<RGNDATA*>(block.data());
  if (!::GetRegionData(region, size, data)) return {};
  std::vector<TRect> rects(data->rdh.nCount);
  std::memcpy(rects.data(), data->Buffer, rects.size() * sizeof(RECT));
  return rects;
}
