#include "skin/draw/SkinMask.h"

#include <algorithm>
#include <cstring>

#include "platform/graphics/Regions.h"
#include "skin/draw/ByteMask.h"
#include "skin/draw/Dib24.h"
#include "skin/draw/PieceCopier.h"
#include "skin/draw/SkinRects.h"

namespace {

// Appends the runs of one row; `black(x)` tells whether pixel x is black.
template <class IsBlack>
void ScanRow(Integer width, Integer y, TPoint offset, std::vector<TRect>& runs, IsBlack black) {
  Integer x = 0;
  while (x < width) {
    if (!black(x)) {
      ++x;
      continue;
    }
    Integer end = x + 1;
    while (end < width && black(end)) ++end;
    runs.push_back(TRect{x + offset.X, y + offset.Y, end + offset.X, y + offset.Y + 1});
    x = end;
  }
}

// A 32-bit mask is scanned in its own memory; any other format through a 24-bit copy.
void ScanDirect(TBitmap* mask, TPoint offset, std::vector<TRect>& runs) {
  const Byte* top = static_cast<const Byte*>(mask->ScanLine(0));  // rows run downwards in memory
  for (Integer y = 0; y < mask->Height(); ++y) {
    const auto* row = reinterpret_cast<const Cardinal*>(top - Int64(y) * mask->ScanLineSize());
    ScanRow(mask->Width(), y, offset, runs, [row](Integer x) { return (row[x] & 0xFFFFFF) == 0; });
  }
}

void ScanCopy(TBitmap* mask, TPoint offset, std::vector<TRect>& runs) {
  // The scanner's private 24-bit copy, kept between scans so that its memory is reused.
  thread_local TspDib24 pixels(0, 0);
  if (!pixels.Read(mask->Handle())) return;
  for (Integer y = 0; y < pixels.Height(); ++y) {
    const Byte* row = pixels.Row(y);
    ScanRow(pixels.Width(), y, offset, runs, [row](Integer x) { return (row[3 * x] | row[3 * x + 1] | row[3 * x + 2]) == 0; });
  }
}

}  // namespace

bool SP_DirectMaskScan = true;

std::vector<TRect> MaskRuns(TBitmap* mask, Integer xOffset, Integer yOffset) {
  std::vector<TRect> runs;
  if (!mask || mask->Empty()) return runs;
  runs.reserve(10000);
  if (SP_DirectMaskScan && mask->BitsPerPixel() == 32) ScanDirect(mask, {xOffset, yOffset}, runs);
  else ScanCopy(mask, {xOffset, yOffset}, runs);
  return runs;
}

Integer CreateRgnFromBmp(TBitmap* Mask, Integer XOffset, Integer YOffset, std::vector<Byte>& Data) {
  if (!Mask || Mask->Empty()) return 0;
  std::vector<TRect> runs = MaskRuns(Mask, XOffset, YOffset);
  size_t size = sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT);
  Data.assign(size, 0);
  auto* data = reinterpret_cast<RGNDATA*>(Data.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(runs.size());
  data->rdh.nRgnSize = 0;
  data->rdh.rcBound = RECT{XOffset, YOffset, XOffset + Mask->Width(), YOffset + Mask->Height()};
  if (!runs.empty()) std::memcpy(data->Buffer, runs.data(), runs.size() * sizeof(RECT));
  return static_cast<Integer>(size);
}

HRGN RegionFromRuns(const std::vector<TRect>& runs) {
  // Some systems add the rectangles of one ExtCreateRegion call one by one, in
  // time that grows with the square of their count: regions of a few rows'
  // worth of runs are made apart and joined in pairs, each join of two
  // neighbouring bands costing only their size.
  constexpr size_t chunk = 128;
  if (runs.size() <= chunk) return CreateRegionFromRects(runs);
  std::vector<HRGN> parts;
  for (size_t first = 0; first < runs.size(); first += chunk) {
    size_t last = std::min(runs.size(), first + chunk);
    parts.push_back(CreateRegionFromRects(std::vector<TRect>(runs.begin() + first, runs.begin() + last)));
  }
  while (parts.size() > 1) {
    std::vector<HRGN> joined;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
      ::CombineRgn(parts[i], parts[i], parts[i + 1], RGN_OR);
      ::DeleteObject(parts[i + 1]);
      joined.push_back(parts[i]);
    }
    if (parts.size() % 2) joined.push_back(parts.back());
    parts.swap(joined);
  }
  return parts.front();
}

void CreateSkinSimplyRegion(HRGN& Rgn, TBitmap* Mask) {
  Rgn = nullptr;
  if (!Mask || Mask->Empty()) return;
  Rgn = RegionFromRuns(MaskRuns(Mask, 0, 0));
}

namespace {

bool Exact(const TspPieceCopier&) { return true; }
bool Exact(const TspByteMaskCopier& copier) { return copier.Exact(); }

struct MaskPiece {
  TPoint LT, RT, LB, RB;
  TRect Cl;
  TPoint NLT, NRT, NLB, NRB;
  TRect NCl;
  Integer MW, MH, AWidth;
};

// A side mask ch high: the strip from startY to endY of columns left..right tiled
// down, the fixed parts above and below it copied over. Answers whether every
// copy was made alike (always so for bitmaps).
template <class Picture, class Copier>
bool SideMask(const MaskPiece& m, Picture* mask, Picture* side, Integer left, Integer right, Integer startY,
              Integer endY) {
  Integer width = right - left, ch = m.NCl.Height();
  side->SetSize(width, ch);
  Copier copier(side, mask, TRect{0, 0, m.MW, m.MH});
  if (endY != startY) copier.TileY(TRect{left, startY, right, endY}, TRect{0, 0, width, ch});
  if (startY - m.Cl.Top > 0) copier.Copy({left, m.Cl.Top, right, startY}, {0, 0, width, startY - m.Cl.Top});
  if (m.Cl.Bottom - endY > 0) copier.Copy({left, endY, right, m.Cl.Bottom}, {0, ch - (m.Cl.Bottom - endY), width, ch});
  return Exact(copier);
}

// A top or bottom mask: tiles of the strip laid from `start` with their overhang
// measured against `end`, AWidth div step + 1 of them, then the two corners.
template <class Picture, class Copier>
bool RowMask(const MaskPiece& m, Picture* mask, Picture* row, Integer top, Integer bottom, Integer leftX,
             Integer rightX, Integer start, Integer end) {
  Integer height = bottom - top;
  row->SetSize(m.AWidth, height);
  Copier copier(row, mask, TRect{0, 0, m.MW, m.MH});
  Integer step = rightX - leftX;
  if (step > 0) copier.TileXTimes(TRect{leftX, top, rightX, bottom}, TRect{start, 0, end, height}, m.AWidth / step);
  copier.Copy({0, top, leftX, bottom}, {0, 0, leftX, height});
  copier.Copy({rightX, top, m.MW, bottom}, {end, 0, m.AWidth, height});
  return Exact(copier);
}

// The four border masks of a piece's mask; false when a copy could not be made alike.
template <class Picture, class Copier>
bool ComposeMasks(const MaskPiece& m, Picture* mask, Picture* top, Picture* left, Picture* right,
                  Picture* bottom) {
  Integer lw = m.Cl.Left, th = m.Cl.Top, rw = m.MW - m.Cl.Right, bh = m.MH - m.Cl.Bottom;
  Integer ch = m.NCl.Height();
  bool exact = true;
  if (lw > 0 && ch > 0) exact &= SideMask<Picture, Copier>(m, mask, left, 0, lw, m.LT.Y, m.LB.Y);
  if (rw > 0 && ch > 0) exact &= SideMask<Picture, Copier>(m, mask, right, m.MW - rw, m.MW, m.RT.Y, m.RB.Y);
  if (m.AWidth > 0 && th > 0) exact &= RowMask<Picture, Copier>(m, mask, top, 0, th, m.LT.X, m.RT.X, m.NLT.X, m.NRT.X);
  if (m.AWidth >= 1 && bh >= 1)
    exact &= RowMask<Picture, Copier>(m, mask, bottom, m.Cl.Bottom, m.MH, m.LB.X, m.RB.X, m.NLB.X, m.NRB.X);
  return exact;
}

HRGN MaskRegion(TBitmap* mask, Integer xOffset, Integer yOffset) {
  if (mask->Width() <= 0 || mask->Height() <= 0) return nullptr;
  return RegionFromRuns(MaskRuns(mask, xOffset, yOffset));
}

// Adds `part` to `into` (nullptr parts add nothing) and deletes it.
void AddRegion(HRGN& into, HRGN part) {
  if (!part) return;
  if (!into) {
    into = part;
    return;
  }
  ::CombineRgn(into, into, part, RGN_OR);
  ::DeleteObject(part);
}

}  // namespace

void CreateSkinMask(TPoint LTPoint, TPoint RTPoint, TPoint LBPoint, TPoint RBPoint, TRect ClRect,
                    TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint, TRect NewClRect,
                    TBitmap* Mask, TBitmap* TopMask, TBitmap* LeftMask, TBitmap* RightMask, TBitmap* BottomMask,
                    Integer AWidth, Integer) {
  if (!Mask || Mask->Empty() || !TopMask || !LeftMask || !RightMask || !BottomMask) return;
  MaskPiece m{LTPoint, RTPoint, LBPoint, RBPoint, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
              NewClRect, Mask->Width(), Mask->Height(), AWidth};
  ComposeMasks<TBitmap, TspPieceCopier>(m, Mask, TopMask, LeftMask, RightMask, BottomMask);
}

bool SP_ByteMaskRegions = true;

namespace {

// The region through byte masks; nullptr with `composed` false when a part could
// not be composed alike.
HRGN ByteMaskRegion(const MaskPiece& m, TBitmap* mask, bool& composed) {
  thread_local TspByteMask source, top, left, right, bottom;
  composed = false;
  if (!source.Read(mask)) return nullptr;
  for (TspByteMask* part : {&top, &left, &right, &bottom}) part->SetSize(0, 0);
  if (!ComposeMasks<TspByteMask, TspByteMaskCopier>(m, &source, &top, &left, &right, &bottom)) return nullptr;
  composed = true;
  std::vector<TRect> rects{m.NCl};
  top.AddRuns(0, 0, rects);
  bottom.AddRuns(0, m.NCl.Bottom, rects);
  left.AddRuns(0, m.NCl.Top, rects);
  right.AddRuns(m.NCl.Right, m.NCl.Top, rects);
  return RegionFromRuns(rects);
}

}  // namespace

void CreateSkinRegion(HRGN& Rgn, TPoint LTPoint, TPoint RTPoint, TPoint LBPoint, TPoint RBPoint, TRect ClRect,
                      TPoint NewLTPoint, TPoint NewRTPoint, TPoint NewLBPoint, TPoint NewRBPoint, TRect NewClRect,
                      TBitmap* Mask, Integer AWidth, Integer AHeight) {
  Rgn = nullptr;
  if (NewRTPoint.X < NewLTPoint.X || NewLBPoint.Y < NewLTPoint.Y || IsNullRect(NewClRect)) return;
  if (SP_ByteMaskRegions && Mask && !Mask->Empty()) {
    MaskPiece m{LTPoint, RTPoint, LBPoint, RBPoint, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                NewClRect, Mask->Width(), Mask->Height(), AWidth};
    bool composed = false;
    Rgn = ByteMaskRegion(m, Mask, composed);
    if (composed) return;
  }
  TBitmap top, left, right, bottom;
  CreateSkinMask(LTPoint, RTPoint, LBPoint, RBPoint, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                 NewClRect, Mask, &top, &left, &right, &bottom, AWidth, AHeight);
  Rgn = CreateRectRegion(NewClRect);
  AddRegion(Rgn, MaskRegion(&top, 0, 0));
  AddRegion(Rgn, MaskRegion(&bottom, 0, NewClRect.Bottom));
  AddRegion(Rgn, MaskRegion(&left, 0, NewClRect.Top));
  AddRegion(Rgn, MaskRegion(&right, NewClRect.Right, NewClRect.Top));
}
