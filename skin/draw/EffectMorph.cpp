// The transitions of the effect bitmap: cross-fades, gradients, push and slides.
#include <cstring>
#include <vector>

#include "skin/draw/EffectMath.h"
#include "skin/draw/MorphKind.h"
#include "skin/draw/Speffbmp.h"

namespace {

void CopyPixel(Byte* to, const Byte* from) { std::memcpy(to, from, 3); }

void FadePixel(Byte* own, const Byte* other, long double t) {
  for (int c = 0; c < 3; ++c) own[c] = Fade(own[c], other[c], t);
}

long double StepOf(Int64 length, long double whenZero) { return length == 0 ? whenZero : 1.0L / length; }

long double Advance(long double t, long double step) {
  t += step;
  return t > 1 ? 1 : t;
}

}  // namespace

bool TspEffectBmp::FastMorph = true;

namespace {

template <class Blend>
void BlendRows(TspEffectBmp& picture, const TspEffectBmp& other, const Blend& blend) {
  size_t rowBytes = static_cast<size_t>(picture.Width()) * 3;
  for (Integer y = 0; y < picture.Height(); ++y) {
    Byte* own = picture.GetLine(y);
    const Byte* partner = other.GetLine(y);
    for (size_t i = 0; i < rowBytes; ++i) own[i] = blend(own[i], partner[i]);
  }
}

}  // namespace

// Every result of a cross-fade by one factor, by own * 256 + other. The last few
// factors are kept: animations step through a handful of them and alpha
// blending uses one.
class BlendLookup {
public:
  static const BlendLookup& For(long double kf) {
    thread_local BlendLookup cache[4];
    thread_local int next = 0;
    for (const BlendLookup& entry : cache)
      if (entry.ready_ && entry.kf_ == kf) return entry;
    BlendLookup& entry = cache[next];
    next = (next + 1) % 4;
    entry.Fill(kf);
    return entry;
  }
  Byte operator()(Byte own, Byte other) const { return results_[own << 8 | other]; }

private:
  void Fill(long double kf) {
    FastBlendTables blend(kf);
    results_.resize(65536);
    for (int own = 0; own < 256; ++own)
      for (int other = 0; other < 256; ++other) results_[own << 8 | other] = blend(Byte(own), Byte(other));
    kf_ = kf;
    ready_ = true;
  }
  std::vector<Byte> results_;
  long double kf_ = 0;
  bool ready_ = false;
};

void TspEffectBmp::Morph(const TspEffectBmp& other, double kf) {
  if (!SameSize(other)) return;
  long double k = ClampedFactor(kf);
  if (FastMorph) BlendRows(*this, other, BlendLookup::For(k));
  else BlendRows(*this, other, BlendTables(k));
}

void TspEffectBmp::MorphRect(const TspEffectBmp& other, double kf, const TRect& r, Integer x, Integer y) {
  BlendTables blend(ClampedFactor(kf));
  // Rows and columns whose pixel and partner pixel both lie inside their pictures.
  Int64 dx = Int64(x) - r.Left, dy = Int64(y) - r.Top;
  Int64 left = std::max<Int64>({r.Left, 0, -dx}), right = std::min<Int64>({r.Right, Width(), other.Width() - dx});
  Int64 top = std::max<Int64>({r.Top, 0, -dy}), bottom = std::min<Int64>({r.Bottom, Height(), other.Height() - dy});
  for (Int64 row = top; row < bottom; ++row) {
    for (Int64 col = left; col < right; ++col) {
      Byte* own = Pixel(static_cast<Integer>(col), static_cast<Integer>(row));
      const Byte* partner = other.Pixel(static_cast<Integer>(col + dx), static_cast<Integer>(row + dy));
      for (int c = 0; c < 3; ++c) own[c] = blend(own[c], partner[c]);
    }
  }
}

void TspEffectBmp::MorphHGrad(const TspEffectBmp& other, double kf) {
  if (!SameSize(other) || Width() == 0) return;
  Integer w = Width();
  Int64 a = NearestEven(static_cast<long double>(w) * kf);
  long double step = StepOf((w - a) / 2, 1.0L);
  Int64 c = w / 2;
  Integer left = static_cast<Integer>(std::clamp<Int64>(c - a / 2, 0, w - 1));
  Integer right = static_cast<Integer>(std::clamp<Int64>(c + a / 2, 0, w - 1));
  for (Integer y = 0; y < Height(); ++y) {
    for (Integer x = left; x <= right; ++x) CopyPixel(Pixel(x, y), other.Pixel(x, y));
    long double t = 0;
    for (Integer x = left; x >= 0; --x, t = Advance(t, step)) FadePixel(Pixel(x, y), other.Pixel(x, y), t);
    t = 0;
    for (Integer x = right; x < w; ++x, t = Advance(t, step)) FadePixel(Pixel(x, y), other.Pixel(x, y), t);
  }
}

void TspEffectBmp::MorphVGrad(const TspEffectBmp& other, double kf) {
  if (!SameSize(other) || Height() == 0) return;
  Integer h = Height();
  Int64 a = NearestEven(static_cast<long double>(h) * kf);
  long double step = StepOf(((h - 1) - a) / 2, 0.0L);
  Integer top = static_cast<Integer>(std::clamp<Int64>(h / 2 - a / 2, 0, h - 1));
  Integer bottom = static_cast<Integer>(std::clamp<Int64>(h / 2 + a / 2, 0, h - 1));
  size_t rowBytes = static_cast<size_t>(Width()) * 3;
  for (Integer y = top; y <= bottom; ++y) std::memcpy(GetLine(y), other.GetLine(y), rowBytes);
  auto fadeRow = [&](Integer y, long double t) {
    for (Integer x = 0; x < Width(); ++x) FadePixel(Pixel(x, y), other.Pixel(x, y), t);
  };
  long double t = 0;
  for (Integer y = top; y >= 0; --y, t = Advance(t, step)) fadeRow(y, t);
  t = 0;
  for (Integer y = bottom; y < h; ++y, t = Advance(t, step)) fadeRow(y, t);
}

void TspEffectBmp::MorphGrad(const TspEffectBmp& other, double kf) {
  if (Width() < Height()) MorphVGrad(other, kf);
  else MorphHGrad(other, kf);
}

void TspEffectBmp::MorphLeftGrad(const TspEffectBmp& other, double kf) {
  if (!SameSize(other)) return;
  Integer w = Width();
  Integer n = std::min(std::max(NearestEven(static_cast<long double>(w) * kf), 1), w - 1);
  long double step = StepOf(n, 1.0L);
  for (Integer y = 0; y < Height(); ++y) {
    long double t = 0;
    for (Integer x = 0; x <= n; ++x, t = Advance(t, step)) FadePixel(Pixel(x, y), other.Pixel(x, y), t);
  }
}

void TspEffectBmp::MorphRightGrad(const TspEffectBmp& other, double kf) {
  if (!SameSize(other) || Width() == 0) return;
  Integer w = Width();
  Integer s = static_cast<Integer>(std::clamp<Int64>(w - Int64(NearestEven(static_cast<long double>(w) * kf)), 0, w - 1));
  long double step = StepOf(w - s, 1.0L);
  for (Integer y = 0; y < Height(); ++y) {
    long double t = 0;
    for (Integer x = w - 1; x >= s; --x, t = Advance(t, step)) FadePixel(Pixel(x, y), other.Pixel(x, y), t);
  }
}

void TspEffectBmp::MorphPush(const TspEffectBmp& other, double kf) {
  if (!SameSize(other) || Width() == 0) return;
  Integer w = Width();
  Integer n = std::clamp(NearestEven(static_cast<long double>(w) * kf), 0, w - 1);
  for (Integer y = 0; y < Height(); ++y) {
    for (Integer x = w - 1; x >= n; --x) CopyPixel(Pixel(x, y), Pixel(std::max(x - n - 1, 0), y));
    for (Integer x = 0; x <= n; ++x) CopyPixel(Pixel(x, y), other.Pixel(std::min(w - n - 1 + x, w - 1), y));
  }
}

void TspEffectBmp::MorphLeftSlide(const TspEffectBmp& other, double kf) {
  if (!SameSize(other)) return;
  Integer w = Width();
  Integer n = std::min(std::max(NearestEven(static_cast<long double>(w) * kf), 1), w - 1);
  for (Integer y = 0; y < Height(); ++y)
    for (Integer x = 0; x < n; ++x) CopyPixel(Pixel(x, y), other.Pixel(w - n + x, y));
}

void TspEffectBmp::MorphRightSlide(const TspEffectBmp& other, double kf) {
  if (!SameSize(other)) return;
  Integer w = Width();
  Integer n = std::min(std::max(NearestEven(static_cast<long double>(w) * kf), 1), w - 1);
  for (Integer y = 0; y < Height(); ++y)
    for (Integer x = w - n; x < w; ++x) CopyPixel(Pixel(x, y), other.Pixel(x - (w - n), y));
}

void MorphByKind(TspEffectBmp& from, const TspEffectBmp& to, double kf, TMorphKind kind) {
  switch (kind) {
    case mkGradient: return from.MorphGrad(to, kf);
    case mkLeftGradient: return from.MorphLeftGrad(to, kf);
    case mkRightGradient: return from.MorphRightGrad(to, kf);
    case mkLeftSlide: return from.MorphLeftSlide(to, kf);
    case mkRightSlide: return from.MorphRightSlide(to, kf);
    case mkPush: return from.MorphPush(to, kf);
    default: return from.Morph(to, kf);
  }
}
