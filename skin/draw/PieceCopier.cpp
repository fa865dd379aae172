#include "skin/draw/PieceCopier.h"

#include <limits>

Integer ClampToInteger(Int64 value) {
  return static_cast<Integer>(std::clamp<Int64>(value, std::numeric_limits<Integer>::min(),
                                                std::numeric_limits<Integer>::max()));
}

TRect TspPieceCopier::InPicture(const TRect& s) const {
  return TRect{ClampToInteger(Int64(s.Left) + origin_.X), ClampToInteger(Int64(s.Top) + origin_.Y),
               ClampToInteger(Int64(s.Right) + origin_.X), ClampToInteger(Int64(s.Bottom) + origin_.Y)};
}

void TspPieceCopier::Copy(const TRect& s, const TRect& t) {
  dest_->Canvas()->CopyRect(t, source_->Canvas(), InPicture(s));
}

// Stretches straight from the picture with the mode a bitmap's own stretched
// drawing uses, which gives the pixels of drawing a copy of the piece.
void TspPieceCopier::Stretch(const TRect& s, const TRect& t) {
  if (s.Width() <= 0 || s.Height() <= 0 || s.Width() > source_->Width() || s.Height() > source_->Height()) return;
  HDC dest = dest_->Canvas()->Handle();
  TRect from = InPicture(s);
  int oldMode = ::SetStretchBltMode(dest, COLORONCOLOR);
  ::StretchBlt(dest, t.Left, t.Top, t.Width(), t.Height(), source_->Canvas()->Handle(), from.Left, from.Top,
               from.Width(), from.Height(), SRCCOPY);
  ::SetStretchBltMode(dest, oldMode);
}

void TspPieceCopier::TileX(const TRect& s, const TRect& t) {
  if (s.Width() > 0) TileXTimes(s, t, (Int64(t.Right) - t.Left) / s.Width());
}

void TspPieceCopier::TileXTimes(const TRect& s, const TRect& t, Int64 lastIndex) {
  ForEachTile(t.Left, t.Right, s.Width(), lastIndex, dest_->Width(), [&](Int64 p, Int64 length) {
    Copy(TRect{s.Left, s.Top, ClampToInteger(s.Left + length), s.Bottom},
         TRect{ClampToInteger(p), t.Top, ClampToInteger(p + length), t.Bottom});
  });
}

void TspPieceCopier::TileY(const TRect& s, const TRect& t) {
  TileSpan(t.Top, t.Bottom, s.Height(), dest_->Height(), [&](Int64 p, Int64 length) {
    Copy(TRect{s.Left, s.Top, s.Right, ClampToInteger(s.Top + length)},
         TRect{t.Left, ClampToInteger(p), t.Right, ClampToInteger(p + length)});
  });
}

void TspPieceCopier::Tile2D(const TRect& s, const TRect& t) {
  if (s.Height() <= 0) return;
  TileSpan(t.Left, t.Right, s.Width(), dest_->Width(), [&](Int64 x, Int64 width) {
    TileSpan(t.Top, t.Bottom, s.Height(), dest_->Height(), [&](Int64 y, Int64 height) {
      Copy(TRect{s.Left, s.Top, ClampToInteger(s.Left + width), ClampToInteger(s.Top + height)},
           TRect{ClampToInteger(x), ClampToInteger(y), ClampToInteger(x + width), ClampToInteger(y + height)});
    });
  });
}

void TspPieceCopier::Edge(bool stretch, bool horizontal, const TRect& s, const TRect& t) {
  if (stretch) Stretch(s, t);
  else if (horizontal) TileX(s, t);
  else TileY(s, t);
}

namespace {

// Restores the device context's state saved at construction.
class SavedDC {
public:
  explicit SavedDC(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  ~SavedDC() { ::RestoreDC(dc_, saved_); }

private:
  HDC dc_;
  int saved_;
};

}  // namespace

void TspPieceCopier::StretchClient(const TRect& s, const TRect& t, TspStretchType type, bool clip) {
  if (t.Width() <= 0 || t.Height() <= 0 || s.Width() <= 0 || s.Height() <= 0) return;
  if (type == spstFull) return Stretch(s, t);
  if (type != spstHorz && type != spstVert) return;
  HDC dc = dest_->Canvas()->Handle();
  std::unique_ptr<SavedDC> saved;
  if (clip) {
    saved = std::make_unique<SavedDC>(dc);
    ::IntersectClipRect(dc, t.Left, t.Top, t.Right, t.Bottom);
  }
  // Each strip is the piece stretched one way to the client's size, repeated the other way.
  if (type == spstHorz) {
    TileSpan(t.Left, t.Right, s.Width(), dest_->Width(), [&](Int64 x, Int64) {
      Integer left = ClampToInteger(x);
      Stretch(s, TRect{left, t.Top, ClampToInteger(x + s.Width()), t.Bottom});
    });
  } else {
    TileSpan(t.Top, t.Bottom, s.Height(), dest_->Height(), [&](Int64 y, Int64) {
      Stretch(s, TRect{t.Left, ClampToInteger(y), t.Right, ClampToInteger(y + s.Height())});
    });
  }
}
