// The notifying persistent bases, two-dimensional maps, sampler defaults and
// TBitmap32: storage, notification, clipping, pixel access and the "Data" stream.
#include <climits>
#include <cstring>

#include "imaging/GR32.h"
#include "imaging/GR32_Blend.h"
#include "imaging/GR32_LowLevel.h"
#include "imaging/GR32_Math.h"
#include "imaging/GR32_Resamplers.h"
#include "imaging/GR32_System.h"
#include "platform/core/Math.h"
#include "platform/core/WinApi.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/published/Filer.h"

// ---------------------------------------------------------------------------
// Persistent bases

void TNotifiablePersistent::Changed() {
  if (updateCount_ == 0) OnChange(this);
}

void TNotifiablePersistent::EndUpdate() {
  Assert(updateCount_ > 0, "Unpaired TThreadPersistent.EndUpdate");
  --updateCount_;
}

void TThreadPersistent::Lock() {
  ::InterlockedIncrement(&lockCount_);
  lock_.lock();
}

void TThreadPersistent::Unlock() {
  lock_.unlock();
  ::InterlockedDecrement(&lockCount_);
}

bool TCustomMap::SetSize(Integer newWidth, Integer newHeight) {
  if (newWidth < 0) newWidth = 0;
  if (newHeight < 0) newHeight = 0;
  if (newWidth == width_ && newHeight == height_) return false;
  ChangeSize(width_, height_, newWidth, newHeight);
  Changed();
  Resized();
  return true;
}

void TCustomMap::SetSizeFrom(const TPersistent* source) {
  if (!source) {
    SetSize(0, 0);
    return;
  }
  if (auto map = dynamic_cast<const TCustomMap*>(source)) {
    SetSize(map->Width(), map->Height());
    return;
  }
  throw Exception("Can't set size from '" + source->ClassName() + "'");
}

void TCustomMap::ChangeSize(Integer& width, Integer& height, Integer newWidth, Integer newHeight) {
  width = newWidth;
  height = newHeight;
}

// ---------------------------------------------------------------------------
// Samplers

TColor32 TCustomSampler::GetSampleInt(Integer x, Integer y) { return GetSampleFixed(Fixed(x), Fixed(y)); }
TColor32 TCustomSampler::GetSampleFixed(TFixed x, TFixed y) { return GetSampleFloat(x / 65536.0f, y / 65536.0f); }
TColor32 TCustomSampler::GetSampleFloat(float x, float y) { return GetSampleFixed(Fixed(x), Fixed(y)); }
TRect TCustomSampler::GetSampleBounds() const { return {INT_MIN, INT_MIN, INT_MAX, INT_MAX}; }

float TCustomResampler::GetWidth() const { throw EAbstractError("Abstract Error"); }
void TCustomResampler::Resample(TBitmap32*, const TRect&, TRect, TBitmap32*, TRect, TDrawMode,
                                const TPixelCombineEvent&) {
  throw EAbstractError("Abstract Error");
}

// ---------------------------------------------------------------------------
// TBitmap32: construction, storage and notification

TBitmap32::TBitmap32() {
  BITMAPINFOHEADER& h = *reinterpret_cast<BITMAPINFOHEADER*>(header_.data());
  h.biSize = sizeof(BITMAPINFOHEADER);
  h.biPlanes = 1;
  h.biBitCount = 32;
  h.biCompression = BI_RGB;
  font_ = new TFont;
  font_->OnChange = TNotifyEvent(this, &TBitmap32::FontChanged);
  new TNearestResampler(this);
}

TBitmap32::~TBitmap32() {
  BeginUpdate();
  Lock();
  DeleteCanvas();
  FreeStore();
  delete font_;
  font_ = nullptr;
  delete resampler_;
  resampler_ = nullptr;
  Unlock();
}

void TBitmap32::FreeStore() {
  if (dc_) {
    ::SelectObject(HDC(dc_), HGDIOBJ(oldBitmap_));
    ::DeleteDC(HDC(dc_));
  }
  if (bitmapHandle_) ::DeleteObject(HGDIOBJ(bitmapHandle_));
  dc_ = nullptr;
  bitmapHandle_ = nullptr;
  oldBitmap_ = nullptr;
  bits_ = nullptr;
}

void TBitmap32::ChangeSize(Integer& width, Integer& height, Integer newWidth, Integer newHeight) {
  FontChanged(font_);
  DeleteCanvas();
  FreeStore();
  width = 0;
  height = 0;
  struct Notify {
    TBitmap32* self;
    ~Notify() { self->HandleChanged(); }
  } notify{this};
  // One negative or zero side makes the whole bitmap empty: 0 x 0.
  if (newWidth > 0 && newHeight > 0) {
    if (Int64(newWidth) * newHeight > INT_MAX / 4)
      throw EBitmapException("Can't allocate the DIB handle");
    BITMAPINFOHEADER& h = *reinterpret_cast<BITMAPINFOHEADER*>(header_.data());
    h.biWidth = newWidth;
    h.biHeight = -newHeight;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(header_.data()), DIB_RGB_COLORS,
                                        &bits, nullptr, 0);
    if (!bitmap || !bits) {
      if (bitmap) ::DeleteObject(bitmap);
      throw EBitmapException("Can't allocate the DIB handle");
    }
    HDC dc = ::CreateCompatibleDC(nullptr);
    if (!dc) {
      ::DeleteObject(bitmap);
      throw EBitmapException("Can't create compatible DC");
    }
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    if (!old) {
      ::DeleteDC(dc);
      ::DeleteObject(bitmap);
      throw EBitmapException("Can't select an object into DC");
    }
    bitmapHandle_ = bitmap;
    dc_ = dc;
    oldBitmap_ = old;
    bits_ = static_cast<TColor32*>(bits);
    width = newWidth;
    height = newHeight;
  }
  clipRect_ = TRect{0, 0, width, height};
  fixedClipRect_ = FixedRect(clipRect_);
  clipRect256_ = TRect{0, 0, width << 8, height << 8};
  clipping_ = false;
}

bool TBitmap32::SetSize(Integer newWidth, Integer newHeight) {
  if (newWidth <= 0 || newHeight <= 0) newWidth = newHeight = 0;
  return TCustomMap::SetSize(newWidth, newHeight);
}

bool TBitmap32::Empty() const { return !bitmapHandle_ || Width() == 0 || Height() == 0; }

void TBitmap32::Changed() {
  if ((UpdateCount() == 0 || measuringMode_) && OnAreaChanged) OnAreaChanged(this, BoundsRect(), AREAINFO_RECT);
  if (!measuringMode_) TNotifiablePersistent::Changed();
}

void TBitmap32::Changed(const TRect& area, Cardinal info) {
  if ((UpdateCount() == 0 || measuringMode_) && OnAreaChanged) OnAreaChanged(this, area, info);
  if (!measuringMode_) TNotifiablePersistent::Changed();
}

void TBitmap32::BeginMeasuring(const TAreaChangedEvent& callback) {
  savedAreaChanged_ = OnAreaChanged;
  OnAreaChanged = callback;
  measuringMode_ = true;
}

void TBitmap32::EndMeasuring() {
  measuringMode_ = false;
  OnAreaChanged = savedAreaChanged_;
}

void TBitmap32::SetClipRect(const TRect& value) {
  IntersectRect(clipRect_, value, BoundsRect());
  fixedClipRect_ = FixedRect(clipRect_);
  clipRect256_ = TRect{clipRect_.Left << 8, clipRect_.Top << 8, clipRect_.Right << 8, clipRect_.Bottom << 8};
  clipping_ = !(clipRect_ == BoundsRect());
}

void TBitmap32::SetDrawMode(TDrawMode value) {
  if (value == drawMode_) return;
  drawMode_ = value;
  Changed();
}

void TBitmap32::SetCombineMode(TCombineMode value) {
  if (value == combineMode_) return;
  combineMode_ = value;
  Changed();
}

void TBitmap32::SetWrapMode(TWrapMode value) {
  if (value == wrapMode_) return;
  wrapMode_ = value;
  Changed();
}

void TBitmap32::SetMasterAlpha(Cardinal value) {
  if (value == masterAlpha_) return;
  masterAlpha_ = value;
  Changed();
}

void TBitmap32::Clear(TColor32 fillColor) {
  if (Empty()) return;
  if (!measuringMode_) {
    if (clipping_) {
      for (Integer y = clipRect_.Top; y < clipRect_.Bottom; ++y)
        FillLongword(GetPixelPtr(clipRect_.Left, y), clipRect_.Width(), fillColor);
    } else {
      FillLongword(bits_, Width() * Height(), fillColor);
    }
  }
  Changed();
}

void TBitmap32::ResetAlpha(Byte alpha) {
  if (!measuringMode_ && bits_) {
    Byte* p = reinterpret_cast<Byte*>(bits_) + 3;
    for (Integer i = 0, n = Width() * Height(); i < n; ++i) p[i * 4] = alpha;
  }
  Changed();
}

void TBitmap32::FillRect(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value) {
  for (Integer y = y1; y < y2; ++y) FillLongword(GetPixelPtr(x1, y), x2 - x1, value);
  Changed(TRect{x1, y1, x2, y2}, AREAINFO_RECT);
}

// ---------------------------------------------------------------------------
// Pixel access

TColor32 TBitmap32::GetPixelS(Integer x, Integer y) const {
  if (x >= clipRect_.Left && x < clipRect_.Right && y >= clipRect_.Top && y < clipRect_.Bottom)
    return GetPixel(x, y);
  return OuterColor;
}

void TBitmap32::SetPixelS(Integer x, Integer y, TColor32 value) {
  if (x >= clipRect_.Left && x < clipRect_.Right && y >= clipRect_.Top && y < clipRect_.Bottom)
    SetPixel(x, y, value);
}

void TBitmap32::SetPixelT(Integer x, Integer y, TColor32 value) {
  BLEND_MEM[combineMode_](value, bits_[x + y * Width()]);
  EMMS();
}

void TBitmap32::SetPixelT(TColor32*& ptr, TColor32 value) {
  BLEND_MEM[combineMode_](value, *ptr);
  ++ptr;
  EMMS();
}

void TBitmap32::SetPixelTS(Integer x, Integer y, TColor32 value) {
  if (x >= clipRect_.Left && x < clipRect_.Right && y >= clipRect_.Top && y < clipRect_.Bottom)
    SetPixelT(x, y, value);
}

TColor32 TBitmap32::GetPixelW(Integer x, Integer y) const {
  TWrapProcEx wrap = WRAP_PROCS_EX[wrapMode_];
  return GetPixel(wrap(x, clipRect_.Left, clipRect_.Right - 1), wrap(y, clipRect_.Top, clipRect_.Bottom - 1));
}

void TBitmap32::SetPixelW(Integer x, Integer y, TColor32 value) {
  TWrapProcEx wrap = WRAP_PROCS_EX[wrapMode_];
  SetPixel(wrap(x, clipRect_.Left, clipRect_.Right - 1), wrap(y, clipRect_.Top, clipRect_.Bottom - 1), value);
}

TColor32 TBitmap32::GetPixelB(Integer x, Integer y) const {
  return GetPixel(Clamp(x, 0, Width() - 1), Clamp(y, 0, Height() - 1));
}

TColor32 TBitmap32::GET_T256(Integer x, Integer y) const {
  const TColor32* p = GetPixelPtr(x >> 8, y >> 8);
  return Interpolator(GAMMA_TABLE[(x & 255) ^ 255], GAMMA_TABLE[(y & 255) ^ 255], p, p + Width());
}

TColor32 TBitmap32::GET_TS256(Integer x, Integer y) const {
  if (x < clipRect256_.Left || y < clipRect256_.Top) return OuterColor;
  Integer rx = (clipRect_.Right - 1) << 8, by = (clipRect_.Bottom - 1) << 8;
  if (x < rx && y < by) return GET_T256(x, y);
  if (x == rx && y <= by) return GetPixel(clipRect_.Right - 1, y >> 8);
  if (x <= rx && y == by) return GetPixel(x >> 8, clipRect_.Bottom - 1);
  return OuterColor;
}

void TBitmap32::SET_T256(Integer x, Integer y, TColor32 c) {
  Cardinal fx = x & 255, fy = y & 255;
  TColor32* p = GetPixelPtr(x >> 8, y >> 8);
  Cardinal left = GAMMA_TABLE[fx ^ 255], right = GAMMA_TABLE[fx];
  Cardinal upper = GAMMA_TABLE[fy ^ 255], lower = GAMMA_TABLE[fy];
  Integer w = Width();
  TColor32* targets[4] = {p, p + 1, p + w + 1, p + w};
  Cardinal weights[4] = {left * upper, right * upper, right * lower, left * lower};
  if (combineMode_ == cmBlend) {
    Cardinal a = c >> 24;
    for (int i = 0; i < 4; ++i) CombineMem(c, *targets[i], (a * weights[i]) >> 16);
  } else {
    for (int i = 0; i < 4; ++i) CombineMem(MergeReg(c, *targets[i]), *targets[i], weights[i] >> 8);
  }
}

void TBitmap32::SET_TS256(Integer x, Integer y, TColor32 c) {
  const TRect& c256 = clipRect256_;
  if (x < c256.Left - 256 || x >= c256.Right || y < c256.Top - 256 || y >= c256.Bottom) return;
  Integer px = x >> 8, py = y >> 8;
  Cardinal fx = x & 255, fy = y & 255;
  Cardinal left = GAMMA_TABLE[fx ^ 255], right = GAMMA_TABLE[fx];
  Cardinal upper = GAMMA_TABLE[fy ^ 255], lower = GAMMA_TABLE[fy];
  struct Target {
    bool inside;
    Integer dx, dy;
    Cardinal weight;
  } targets[4] = {
      {px >= clipRect_.Left && py >= clipRect_.Top, 0, 0, left * upper},
      {px < clipRect_.Right - 1 && py >= clipRect_.Top, 1, 0, right * upper},
      {px < clipRect_.Right - 1 && py < clipRect_.Bottom - 1, 1, 1, right * lower},
      {px >= clipRect_.Left && py < clipRect_.Bottom - 1, 0, 1, left * lower},
  };
  Cardinal a = c >> 24;
  for (const Target& t : targets) {
    if (!t.inside) continue;
    TColor32& pixel = *GetPixelPtr(px + t.dx, py + t.dy);
    if (combineMode_ == cmBlend) CombineMem(c, pixel, (a * t.weight) >> 16);
    else CombineMem(MergeReg(c, pixel), pixel, t.weight >> 8);
  }
}

TColor32 TBitmap32::GetPixelX(TFixed x, TFixed y) const {
  TColor32 r = GET_T256((x + 127) >> 8, (y + 127) >> 8);
  EMMS();
  return r;
}

TColor32 TBitmap32::GetPixelXS(TFixed x, TFixed y) const {
  TColor32 r = GET_TS256((x + 127) >> 8, (y + 127) >> 8);
  EMMS();
  return r;
}

TColor32 TBitmap32::GetPixelXW(TFixed x, TFixed y) const {
  TWrapProcEx wrap = WRAP_PROCS_EX[wrapMode_];
  const TRect& c = clipRect_;
  Integer x1 = wrap(x >> 16, c.Left, c.Right - 1), x2 = wrap((x >> 16) + 1, c.Left, c.Right - 1);
  Integer y1 = wrap(y >> 16, c.Top, c.Bottom - 1), y2 = wrap((y >> 16) + 1, c.Top, c.Bottom - 1);
  Cardinal fx = (Cardinal(x) >> 8) & 255, fy = (Cardinal(y) >> 8) & 255;
  TColor32 upper = CombineReg(GetPixel(x2, y1), GetPixel(x1, y1), fx);
  TColor32 lower = CombineReg(GetPixel(x2, y2), GetPixel(x1, y2), fx);
  TColor32 r = CombineReg(lower, upper, fy);
  EMMS();
  return r;
}

TColor32 TBitmap32::GetPixelF(float x, float y) const {
  TColor32 r = GET_T256(Integer(Round(x * 256)), Integer(Round(y * 256)));
  EMMS();
  return r;
}

TColor32 TBitmap32::GetPixelFS(float x, float y) const {
  TColor32 r = GET_TS256(Integer(Round(x * 256)), Integer(Round(y * 256)));
  EMMS();
  return r;
}

TColor32 TBitmap32::GetPixelFW(float x, float y) const {
  return GetPixelXW(TFixed(Round(x * 65536)), TFixed(Round(y * 65536)));
}

TColor32 TBitmap32::GetPixelR(float x, float y) { return resampler_->GetSampleFloat(x, y); }

void TBitmap32::SetPixelX(TFixed x, TFixed y, TColor32 value) {
  SET_T256((x + 127) >> 8, (y + 127) >> 8, value);
  EMMS();
}

void TBitmap32::SetPixelXS(TFixed x, TFixed y, TColor32 value) {
  SET_TS256((x + 127) >> 8, (y + 127) >> 8, value);
  EMMS();
}

void TBitmap32::SetPixelXW(TFixed x, TFixed y, TColor32 value) {
  TWrapProcEx wrap = WRAP_PROCS_EX[wrapMode_];
  const TRect& c = clipRect256_;
  SET_T256(wrap((x + 127) >> 8, c.Left, c.Right - 128), wrap((y + 127) >> 8, c.Top, c.Bottom - 128), value);
  EMMS();
}

void TBitmap32::SetPixelF(float x, float y, TColor32 value) {
  SET_T256(Integer(Round(x * 256)), Integer(Round(y * 256)), value);
  EMMS();
}

void TBitmap32::SetPixelFS(float x, float y, TColor32 value) {
  SET_TS256(Integer(Round(x * 256)), Integer(Round(y * 256)), value);
  EMMS();
}

void TBitmap32::SetPixelFW(float x, float y, TColor32 value) {
  SetPixelXW(TFixed(Round(x * 65536)), TFixed(Round(y * 65536)), value);
}

// ---------------------------------------------------------------------------
// Copies and streaming

void TBitmap32::Assign(const TPersistent* source) {
  BeginUpdate();
  struct End {
    TBitmap32* self;
    ~End() {
      self->EndUpdate();
      self->Changed();
    }
  } end{this};
  if (!source) {
    SetSize(0, 0);
    return;
  }
  if (auto bitmap = dynamic_cast<const TBitmap32*>(source)) {
    bitmap->CopyMapTo(this);
    bitmap->CopyPropertiesTo(this);
    return;
  }
  if (AssignFromGraphic(source)) return;
  TCustomMap::Assign(source);
}

void TBitmap32::AssignTo(TPersistent* dest) const {
  if (!AssignToGraphic(dest)) TCustomMap::AssignTo(dest);
}

void TBitmap32::CopyMapTo(TBitmap32* dst) const {
  dst->SetSize(Width(), Height());
  if (!Empty()) MoveLongword(bits_, dst->bits_, Width() * Height());
}

void TBitmap32::CopyPropertiesTo(TBitmap32* dst) const {
  dst->SetDrawMode(drawMode_);
  dst->SetCombineMode(combineMode_);
  dst->SetWrapMode(wrapMode_);
  dst->SetMasterAlpha(masterAlpha_);
  dst->OuterColor = OuterColor;
  dst->SetResamplerClassName(ResamplerClassName());
  if (dst->resampler_ && resampler_) dst->resampler_->Assign(resampler_);
  dst->SetFont(font_);
}

bool TBitmap32::Equal(const TBitmap32* other) const {
  if (!other) return false;
  if (Empty() || other->Empty()) return Empty() && other->Empty();
  // The 32-bit bitmap files the two would save differ exactly when class, size or pixels do.
  return typeid(*this) == typeid(*other) && Width() == other->Width() && Height() == other->Height() &&
         std::memcmp(bits_, other->bits_, std::size_t(Width()) * Height() * 4) == 0;
}

void TBitmap32::ReadData(TStream* stream) {
  struct End {
    TBitmap32* self;
    ~End() { self->Changed(); }
  } end{this};
  Integer size[2];
  if (stream->Read(size, 8) != 8) throw EReadError("Bitmap data is truncated");
  Integer w = size[0], h = size[1];
  if (w < 0 || h < 0 || (w == 0) != (h == 0)) throw EReadError("Bitmap data has an invalid size");
  if (Int64(w) * h > INT_MAX / 4) throw EReadError("Bitmap data is too large");
  Int64 bytes = Int64(w) * h * 4;
  Int64 remaining = stream->Size() - stream->Position();
  if (remaining < bytes) throw EReadError("Bitmap data is truncated");
  SetSize(w, h);
  if (bytes > 0) stream->ReadBuffer(bits_, bytes);
}

void TBitmap32::WriteData(TStream* stream) const {
  Integer size[2] = {Width(), Height()};
  stream->WriteBuffer(size, 8);
  if (bits_) stream->WriteBuffer(bits_, Int64(Width()) * Height() * 4);
}

// ---------------------------------------------------------------------------
// Resampler

void TBitmap32::SetResampler(TCustomResampler* value) {
  if (!value || value == resampler_) return;
  delete resampler_;
  resampler_ = value;
  Changed();
}

String TBitmap32::ResamplerClassName() const { return resampler_ ? resampler_->ClassName() : String(); }

void TBitmap32::SetResamplerClassName(const String& name) {
  if (name.empty() || (resampler_ && resampler_->ClassName() == name)) return;
  if (!ResamplerList) return;
  if (auto ref = ResamplerList->Find(name)) ref->Create(this);
}

// ---------------------------------------------------------------------------
// Interpolators

namespace {

TColor32 PlainInterpolator(Cardinal wx, Cardinal wy, const TColor32* upper, const TColor32* lower) {
  wx = std::min<Cardinal>(wx, 255);
  wy = std::min<Cardinal>(wy, 255);
  TColor32 u = CombineReg(upper[0], upper[1], wx);
  TColor32 l = CombineReg(lower[0], lower[1], wx);
  return CombineReg(u, l, wy);
}

// Per channel: ((a - b) * w + b * 256) shr 8, no rounding term.
TColor32 PackedInterpolator(Cardinal wx, Cardinal wy, const TColor32* upper, const TColor32* lower) {
  TColor32 r = 0;
  for (int s = 0; s < 32; s += 8) {
    Integer ul = upper[0] >> s & 0xFF, ur = upper[1] >> s & 0xFF;
    Integer ll = lower[0] >> s & 0xFF, lr = lower[1] >> s & 0xFF;
    Integer u = ((ul - ur) * Integer(wx) + ur * 256) >> 8;
    Integer l = ((ll - lr) * Integer(wx) + lr * 256) >> 8;
    Integer v = ((u - l) * Integer(wy) + l * 256) >> 8;
    r |= Cardinal(v & 0xFF) << s;
  }
  return r;
}

}  // namespace

TInterpolator Interpolator = &PlainInterpolator;

void BindInterpolator(bool packed) { Interpolator = packed ? &PackedInterpolator : &PlainInterpolator; }

namespace {
struct BitmapStartup {
  BitmapStartup() {
    BindInterpolator(HasMMX() || Has3DNow());
    SetGamma(0.7f);
  }
} bitmapStartup;
}  // namespace

void TBitmap32::DefineProperties(TFiler* filer) {
  filer->DefineBinaryProperty(
      "Data", [this](TStream& stream) { ReadData(&stream); }, [this](TStream& stream) { WriteData(&stream); },
      !Empty());
}
