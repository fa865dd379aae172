// The vector map: cell and interpolated access, merging, trimmed bounds and the
// mesh file.
#include "imaging/GR32_VectorMaps.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "imaging/GR32_Math.h"
#include "imaging/GR32_OrdinalMaps.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"

TVectorMap::~TVectorMap() {
  Lock();
  SetSize(0, 0);
  Unlock();
}

void TVectorMap::ChangeSize(Integer& width, Integer& height, Integer newWidth, Integer newHeight) {
  std::vector<TFixedPoint> fresh;
  if (newWidth > 0 && newHeight > 0) {
    try {
      fresh.resize(MapCellCount(newWidth, newHeight, sizeof(TFixedPoint)));
    } catch (const std::exception&) {
      throw Exception("Can't allocate VectorMap!");
    }
  }
  vectors_.swap(fresh);
  width = newWidth;
  height = newHeight;
}

// ---- cells

TFixedPoint TVectorMap::GetFixedVectorS(Integer x, Integer y) const {
  return Inside(x, y) ? vectors_[Index(x, y)] : TFixedPoint{};
}

void TVectorMap::SetFixedVectorS(Integer x, Integer y, const TFixedPoint& v) {
  if (Inside(x, y)) vectors_[Index(x, y)] = v;
}

void TVectorMap::Clear() { std::fill(vectors_.begin(), vectors_.end(), TFixedPoint{}); }

void TVectorMap::SetVectorCombineMode(TVectorCombineMode value) {
  if (value == combineMode_) return;
  combineMode_ = value;
  Changed();
}

// ---- interpolation

namespace {

TFixedPoint Lerp(const TFixedPoint& a, const TFixedPoint& b, TFixed w) {
  return TFixedPoint{FixedCombine(w, b.X, a.X), FixedCombine(w, b.Y, a.Y)};
}

}  // namespace

TFixedPoint TVectorMap::GetFixedVectorX(TFixed x, TFixed y) const {
  const Integer i = x >> 16, j = y >> 16;
  if (!Inside(i, j)) return TFixedPoint{};
  const TFixed fx = x & 0xFFFF, fy = y & 0xFFFF;
  const Integer right = i < Width() - 1 ? i + 1 : i, lower = j < Height() - 1 ? j + 1 : j;
  const TFixedPoint top = Lerp(GetFixedVector(i, j), GetFixedVector(right, j), fx);
  const TFixedPoint bottom = Lerp(GetFixedVector(i, lower), GetFixedVector(right, lower), fx);
  return Lerp(top, bottom, fy);
}

TFixedPoint TVectorMap::GetFixedVectorXS(TFixed x, TFixed y) const {
  const Integer i = x >> 16, j = y >> 16;
  const TFixed fx = x & 0xFFFF, fy = y & 0xFFFF;
  const TFixedPoint top = Lerp(GetFixedVectorS(i, j), GetFixedVectorS(i + 1, j), fx);
  const TFixedPoint bottom = Lerp(GetFixedVectorS(i, j + 1), GetFixedVectorS(i + 1, j + 1), fx);
  return Lerp(top, bottom, fy);
}

// Each of the four cells keeps its old vector in proportion to its own weight;
// cells outside the map are left out (the last column and row have no
// neighbours to their right and below).
void TVectorMap::SetFixedVectorX(TFixed x, TFixed y, const TFixedPoint& v) {
  const Integer i = x >> 16, j = y >> 16;
  const TFixed fx = x & 0xFFFF, fy = y & 0xFFFF, ifx = fx ^ 0xFFFF, ify = fy ^ 0xFFFF;
  const struct {
    Integer dx, dy;
    TFixed w;
  } cells[4] = {{0, 0, FixedMul(ifx, ify)}, {1, 0, FixedMul(fx, ify)}, {1, 1, FixedMul(fx, fy)},
                {0, 1, FixedMul(ifx, fy)}};
  for (const auto& c : cells) {
    if (!Inside(i + c.dx, j + c.dy)) continue;
    TFixedPoint& cell = vectors_[Index(i + c.dx, j + c.dy)];
    cell = TFixedPoint{FixedCombine(c.w, cell.X, v.X), FixedCombine(c.w, cell.Y, v.Y)};
  }
}

void TVectorMap::SetFixedVectorXS(TFixed x, TFixed y, const TFixedPoint& v) {
  if (x < -0x10000 || y < -0x10000 || (x >> 16) >= Width() || (y >> 16) >= Height()) return;
  SetFixedVectorX(x, y, v);
}

// ---- merging and bounds

namespace {
// A 16.16 step of `span` over `cells` cells; a single cell has no step.
TFixed StepOver(float span, Integer cells) { return cells > 1 ? Fixed(span / float(cells - 1)) : 0; }
}  // namespace

void TVectorMap::Merge(Integer dstLeft, Integer dstTop, TVectorMap* src, TRect srcRect) {
  if (!src || src->Empty()) throw Exception("Src is empty!");
  if (Empty()) throw Exception("Base is empty!");
  IntersectRect(srcRect, srcRect, src->BoundsRect());
  TRect dstRect;
  IntersectRect(dstRect, TRect{dstLeft, dstTop, dstLeft + srcRect.Width(), dstTop + srcRect.Height()}, BoundsRect());
  if (dstRect.Width() <= 0 || dstRect.Height() <= 0) return;
  // A cut on the left or top moves the source start by as much.
  const Integer sx0 = srcRect.Left + dstRect.Left - dstLeft, sy0 = srcRect.Top + dstRect.Top - dstTop;
  const TFixed stepX = StepOver(2, dstRect.Width()), stepY = StepOver(2, dstRect.Height());
  TFixedPoint progress{-0x10000, -0x10000};
  for (Integer y = dstRect.Top; y < dstRect.Bottom; ++y, progress.Y += stepY) {
    progress.X = -0x10000;
    for (Integer x = dstRect.Left; x < dstRect.Right; ++x, progress.X += stepX) {
      const TFixedPoint s = src->GetFixedVector(sx0 + x - dstRect.Left, sy0 + y - dstRect.Top);
      TFixedPoint& base = vectors_[Index(x, y)];
      switch (src->VectorCombineMode()) {
        case vcmAdd: base = TFixedPoint{base.X + s.X, base.Y + s.Y}; break;
        case vcmReplace: base = s; break;
        default: src->OnVectorCombine(s, progress, base); break;
      }
    }
  }
}

TRect TVectorMap::GetTrimmedBounds() const {
  TRect r{Width(), Height(), -1, -1};
  for (Integer y = 0; y < Height(); ++y)
    for (Integer x = 0; x < Width(); ++x) {
      const TFixedPoint& v = vectors_[Index(x, y)];
      if (v.X == 0 && v.Y == 0) continue;
      r.Left = std::min(r.Left, x);
      r.Top = std::min(r.Top, y);
      r.Right = std::max(r.Right, x);
      r.Bottom = std::max(r.Bottom, y);
    }
  if (r.Right < 0) return TRect{};
  return TRect{r.Left, r.Top, r.Right + 1, r.Bottom + 1};
}

// ---- the mesh file

namespace {

constexpr char kMeshMagic[] = "yfqLhseM";
constexpr Integer kMeshHeaderSize = 24;
const char* const kBadFormat = "Bad format - Photoshop .msh expected!";

// A float of the file as 16.16, rounded; values no 16.16 number can hold are
// brought to the nearest one, and what is not a number becomes 0.
TFixed FixedFromFile(float v) {
  if (!std::isfinite(v)) return 0;
  const double scaled = std::nearbyint(double(v) * 65536.0);
  if (scaled > 2147483647.0) return 2147483647;
  if (scaled < -2147483648.0) return TFixed(-2147483647 - 1);
  return TFixed(scaled);
}

}  // namespace

void TVectorMap::LoadFromStream(TStream& stream) {
  Byte header[kMeshHeaderSize];
  if (stream.Read(header, kMeshHeaderSize) != kMeshHeaderSize) throw Exception(kBadFormat);
  if (!SameText(String(reinterpret_cast<const char*>(header + 4), 8), kMeshMagic)) throw Exception(kBadFormat);
  std::int32_t w, h;
  std::memcpy(&w, header + 16, 4);
  std::memcpy(&h, header + 20, 4);
  if (w < 0 || h < 0) throw Exception(kBadFormat);
  const Int64 cells = Int64(w) * h;  // below 2^62
  const Int64 remaining = stream.Size() - stream.Position();
  if (cells > remaining / 8) throw Exception(kBadFormat);
  const Int64 bytes = cells * 8;
  std::vector<float> floats(size_t(bytes / 4));
  if (bytes > 0 && stream.Read(floats.data(), bytes) != bytes) throw Exception(kBadFormat);
  SetSize(w, h);
  for (size_t i = 0; i < vectors_.size(); ++i)
    vectors_[i] = TFixedPoint{FixedFromFile(floats[2 * i]), FixedFromFile(floats[2 * i + 1])};
}

// The vectors are converted into a buffer of their own: the map keeps them exactly.
void TVectorMap::SaveToStream(TStream& stream) const {
  const std::int32_t head[2] = {33554432, 0};
  const std::int32_t sizes[3] = {2, Width(), Height()};
  stream.WriteBuffer(&head[0], 4);
  stream.WriteBuffer(kMeshMagic, 8);
  stream.WriteBuffer(sizes, 12);
  std::vector<float> floats(vectors_.size() * 2);
  for (size_t i = 0; i < vectors_.size(); ++i) {
    floats[2 * i] = float(vectors_[i].X / 65536.0);
    floats[2 * i + 1] = float(vectors_[i].Y / 65536.0);
  }
  if (!floats.empty()) stream.WriteBuffer(floats.data(), Int64(floats.size()) * 4);
  const std::int32_t tail[2] = {0, 0};
  stream.WriteBuffer(tail, 8);
}

void TVectorMap::LoadFromFile(const String& fileName) {
  if (!FileExists(fileName)) throw Exception("File not found!");
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TVectorMap::SaveToFile(const String& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}
