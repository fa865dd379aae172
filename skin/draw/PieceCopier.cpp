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

TBitmap* TspPieceCopier::PieceBitmap(const TRect& s) {
  auto* piece = new TBitmap;
  if (s.Width() > 0 && s.Height() > 0 && s.Width() <= source_->Width() && s.Height() <= source_->Height()) {
    piece->SetSize(s.Width(), s.Height());
    piece->Canvas()->CopyRect(TRect{0, 0, s.Width(), s.Height()}, source_->Canvas(), InPicture(s));
  }
  return piece;
}

void TspPieceCopier::Stretch(const TRect& s, const TRect& t) {
  std::unique_ptr<TBitmap> piece(PieceBitmap(s));
  dest_->Canvas()->StretchDraw(t, piece.get());
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
  std::unique_ptr<TBitmap> piece(PieceBitmap(s));
  if (t.Width() <= 0 || t.Height() <= 0) return;
  if (type == spstFull) return dest_->Canvas()->StretchDraw(t, piece.get());
  if ((type != spstHorz && type != spstVert) || piece->Empty()) return;
  bool horizontal = type == spstHorz;
  TBitmap strip(horizontal ? piece->Width() : t.Width(), horizontal ? t.Height() : piece->Height());
  strip.Canvas()->StretchDraw(TRect{0, 0, strip.Width(), strip.Height()}, piece.get());
  HDC dc = dest_->Canvas()->Handle();
  std::unique_ptr<SavedDC> saved;
  if (clip) {
    saved = std::make_unique<SavedDC>(dc);
    ::IntersectClipRect(dc, t.Left, t.Top, t.Right, t.Bottom);
  }
  if (horizontal) {
    TileSpan(t.Left, t.Right, piece->Width(), dest_->Width(),
             [&](Int64 x, Int64) { dest_->Canvas()->Draw(ClampToInteger(x), t.Top, &strip); });
  } else {
    TileSpan(t.Top, t.Bottom, piece->Height(), dest_->Height(),
             [&](Int64 y, Int64) { dest_->Canvas()->Draw(t.Left, ClampToInteger(y), &strip); });
  }
}
