// The bitmap library's core: 32-bit colours, fixed-point numbers, points and
// rectangles with their free routines, the notifying persistent bases, and
// TBitmap32, the top-down ARGB picture every preview frame is drawn into.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/core/Events.h"
#include "platform/core/Geometry.h"  // TPoint, TRect (Right and Bottom exclusive), Point(X, Y)
#include "platform/core/Persistent.h"
#include "platform/io/Streams.h"

class TCanvas;
class TFont;

// ---------------------------------------------------------------------------
// Value types

using TColor32 = std::uint32_t;  // blue bits 0-7, green 8-15, red 16-23, alpha 24-31
using PColor32 = TColor32*;
using TArrayOfColor32 = std::vector<TColor32>;
using TPalette32 = std::array<TColor32, 256>;
using TFixed = std::int32_t;  // 16.16, 1.0 = 65536
using TPlatformColor = std::int32_t;  // 0x00BBGGRR; negative: a system colour index in the low byte

enum TColor32Component { ccBlue, ccGreen, ccRed, ccAlpha };
using TColor32Components = Byte;  // bit values 1 blue, 2 green, 4 red, 8 alpha

constexpr TFixed FixedOne = 0x10000;
constexpr TFixed FixedHalf = 0x7FFF;

struct TFloatPoint {
  float X = 0, Y = 0;
  friend bool operator==(const TFloatPoint&, const TFloatPoint&) = default;
};
struct TFixedPoint {
  TFixed X = 0, Y = 0;
  friend bool operator==(const TFixedPoint&, const TFixedPoint&) = default;
};
struct TFloatRect {
  float Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TFloatRect&, const TFloatRect&) = default;
};
struct TFixedRect {
  TFixed Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TFixedRect&, const TFixedRect&) = default;
};

enum TRectRounding : Byte { rrClosest, rrOutside, rrInside };
enum TDrawMode : Byte { dmOpaque, dmBlend, dmCustom, dmTransparent };
enum TCombineMode : Byte { cmBlend, cmMerge };
enum TWrapMode : Byte { wmClamp, wmRepeat, wmMirror };

// Information words of an area change.
constexpr Cardinal AREAINFO_RECT = 0x80000000u;
constexpr Cardinal AREAINFO_LINE = 0x40000000u;
// A line's two end points span the area (integer, fixed and float lines), or the
// end points of a stippled clipped sub-pixel line do.
constexpr Cardinal AREAINFO_LINE_ENDS = AREAINFO_LINE | 2;
constexpr Cardinal AREAINFO_STIPPLED_LINE_ENDS = AREAINFO_LINE | 4;

using TPixelCombineEvent = TEvent<TColor32, TColor32&, TColor32>;
using TAreaChangedEvent = TEvent<TObject*, const TRect&, Cardinal>;

VARNEL_EXCEPTION(EBitmapException, Exception);
VARNEL_EXCEPTION(ESrcInvalidException, Exception);

// ---------------------------------------------------------------------------
// Colours

extern Byte GAMMA_TABLE[256];
void SetGamma(float gamma);

TColor32 Color32(TPlatformColor winColor);
TColor32 Color32(Byte r, Byte g, Byte b, Byte a = 255);
TColor32 Color32(Byte index, const TPalette32& palette);
TColor32 Gray32(Byte intensity, Byte alpha = 255);
TPlatformColor WinColor(TColor32 color);
TArrayOfColor32 ArrayOfColor32(std::initializer_list<TColor32> colors);
void Color32ToRGB(TColor32 color, Byte& r, Byte& g, Byte& b);
void Color32ToRGBA(TColor32 color, Byte& r, Byte& g, Byte& b, Byte& a);
TColor32Components Color32Components(bool r, bool g, bool b, bool a);
inline Integer RedComponent(TColor32 c) { return (c >> 16) & 0xFF; }
inline Integer GreenComponent(TColor32 c) { return (c >> 8) & 0xFF; }
inline Integer BlueComponent(TColor32 c) { return c & 0xFF; }
inline Integer AlphaComponent(TColor32 c) { return c >> 24; }
Integer Intensity(TColor32 color);
TColor32 SetAlpha(TColor32 color, Integer alpha);
// A logical palette of the 256 colours; the caller owns the returned HPALETTE.
void* WinPalette(const TPalette32& palette);

TColor32 HSLtoRGB(float h, float s, float l);
void RGBtoHSL(TColor32 color, float& h, float& s, float& l);
TColor32 HSLtoRGB(Integer h, Integer s, Integer l);
void RGBtoHSL(TColor32 color, Byte& h, Byte& s, Byte& l);

// ---------------------------------------------------------------------------
// Fixed point, points and rectangles

TFixed Fixed(float s);
TFixed Fixed(Integer i);
TPoint Point(const TFloatPoint& p);
TPoint Point(const TFixedPoint& p);
TFloatPoint FloatPoint(float x, float y);
TFloatPoint FloatPoint(const TPoint& p);
TFloatPoint FloatPoint(const TFixedPoint& p);
TFixedPoint FixedPoint(Integer x, Integer y);
TFixedPoint FixedPoint(float x, float y);
TFixedPoint FixedPoint(const TPoint& p);
TFixedPoint FixedPoint(const TFloatPoint& p);

TRect MakeRect(Integer l, Integer t, Integer r, Integer b);
TRect MakeRect(const TFloatRect& fr, TRectRounding rounding = rrClosest);
TRect MakeRect(const TFixedRect& fxr, TRectRounding rounding = rrClosest);
TFixedRect FixedRect(TFixed l, TFixed t, TFixed r, TFixed b);
TFixedRect FixedRect(const TRect& r);
TFixedRect FixedRect(const TFloatRect& fr);
TFloatRect FloatRect(float l, float t, float r, float b);
TFloatRect FloatRect(const TRect& r);
TFloatRect FloatRect(const TFixedRect& fxr);

bool IntersectRect(TRect& dst, const TRect& r1, const TRect& r2);
bool IntersectRect(TFloatRect& dst, const TFloatRect& r1, const TFloatRect& r2);
bool UnionRect(TRect& dst, const TRect& r1, const TRect& r2);
bool UnionRect(TFloatRect& dst, const TFloatRect& r1, const TFloatRect& r2);
bool EqualRect(const TRect& r1, const TRect& r2);
bool EqualRectSize(const TRect& r1, const TRect& r2);
bool EqualRectSize(const TFloatRect& r1, const TFloatRect& r2);
void InflateRect(TRect& r, Integer dx, Integer dy);
void InflateRect(TFloatRect& r, float dx, float dy);
void OffsetRect(TRect& r, Integer dx, Integer dy);
void OffsetRect(TFloatRect& r, float dx, float dy);
bool IsRectEmpty(const TRect& r);
bool IsRectEmpty(const TFloatRect& r);
bool PtInRect(const TRect& r, const TPoint& p);

// ---------------------------------------------------------------------------
// Notifying persistent objects and two-dimensional maps

class TNotifiablePersistent : public TPersistent {
public:
  virtual void Changed();
  virtual void BeginUpdate() { ++updateCount_; }
  virtual void EndUpdate();
  Integer UpdateCount() const { return updateCount_; }

  TNotifyEvent OnChange;

private:
  Integer updateCount_ = 0;
};

class TThreadPersistent : public TNotifiablePersistent {
public:
  void Lock();
  void Unlock();
  Integer LockCount() const { return lockCount_; }

private:
  std::recursive_mutex lock_;
  volatile long lockCount_ = 0;
};

class TCustomMap : public TThreadPersistent {
public:
  Integer Width() const { return width_; }
  Integer Height() const { return height_; }
  void SetWidth(Integer value) { SetSize(value, height_); }
  void SetHeight(Integer value) { SetSize(width_, value); }
  virtual bool SetSize(Integer newWidth, Integer newHeight);
  // Takes the size of another map; nullptr empties. Other sources are refused.
  virtual void SetSizeFrom(const TPersistent* source);
  virtual void Delete() { SetSize(0, 0); }
  virtual bool Empty() const { return width_ == 0 || height_ == 0; }

  TNotifyEvent OnResize;

protected:
  virtual void ChangeSize(Integer& width, Integer& height, Integer newWidth, Integer newHeight);
  virtual void Resized() { OnResize(this); }

private:
  Integer width_ = 0;
  Integer height_ = 0;
};

// ---------------------------------------------------------------------------
// Samplers

class TBitmap32;

class TCustomSampler : public TNotifiablePersistent {
public:
  virtual TColor32 GetSampleInt(Integer x, Integer y);
  virtual TColor32 GetSampleFixed(TFixed x, TFixed y);
  virtual TColor32 GetSampleFloat(float x, float y);
  virtual void PrepareSampling() {}
  virtual void FinalizeSampling() {}
  virtual bool HasBounds() const { return false; }
  virtual TRect GetSampleBounds() const;
};

class TCustomResampler : public TCustomSampler {
public:
  virtual float GetWidth() const;
  virtual void Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, TRect srcRect,
                        TDrawMode combineOp, const TPixelCombineEvent& combineCallBack);
};

// ---------------------------------------------------------------------------
// The 32-bit bitmap

class TBitmap32 : public TCustomMap {
public:
  TBitmap32();
  ~TBitmap32() override;

  // Notification: during an update only measuring reports areas.
  void Changed() override;
  virtual void Changed(const TRect& area, Cardinal info);
  void PropertyChanged() { TNotifiablePersistent::Changed(); }
  void BeginMeasuring(const TAreaChangedEvent& callback);
  void EndMeasuring();
  bool MeasuringMode() const { return measuringMode_; }

  // One side of 0 or below empties the whole bitmap (0 x 0).
  bool SetSize(Integer newWidth, Integer newHeight) override;
  bool Empty() const override;
  TRect BoundsRect() const { return TRect{0, 0, Width(), Height()}; }
  TColor32* Bits() const { return bits_; }
  TColor32* GetScanLine(Integer y) const { return bits_ + y * Width(); }
  TColor32* GetPixelPtr(Integer x, Integer y) const { return bits_ + x + y * Width(); }
  void* Handle() const { return bitmapHandle_; }     // the DIB section (HBITMAP), or nullptr
  void* DCHandle() const { return dc_; }             // the memory DC holding it (HDC), or nullptr
  const void* BitmapInfo() const { return header_.data(); }  // BITMAPINFO of the section

  void Clear(TColor32 fillColor);
  void Clear() { Clear(0xFF000000); }
  void ResetAlpha(Byte alpha = 255);
  void FillRect(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value);

  TRect ClipRect() const { return clipRect_; }
  void SetClipRect(const TRect& value);
  void ResetClipRect() { SetClipRect(BoundsRect()); }
  bool Clipping() const { return clipping_; }

  TDrawMode DrawMode() const { return drawMode_; }
  void SetDrawMode(TDrawMode value);
  TCombineMode CombineMode() const { return combineMode_; }
  void SetCombineMode(TCombineMode value);
  TWrapMode WrapMode() const { return wrapMode_; }
  void SetWrapMode(TWrapMode value);
  Cardinal MasterAlpha() const { return masterAlpha_; }
  void SetMasterAlpha(Cardinal value);

  TColor32 OuterColor = 0;
  TColor32 PenColor = 0xFFFFFFFF;
  float StippleCounter = 0;
  TArrayOfColor32 StipplePattern;
  float StippleStep = 1.0f;
  TNotifyEvent OnHandleChanged;
  TPixelCombineEvent OnPixelCombine;
  TAreaChangedEvent OnAreaChanged;

  // Pixel access; the suffixes are described with each family in GR32.cpp.
  TColor32 GetPixel(Integer x, Integer y) const { return bits_[x + y * Width()]; }
  void SetPixel(Integer x, Integer y, TColor32 value) { bits_[x + y * Width()] = value; }
  TColor32 GetPixelS(Integer x, Integer y) const;
  void SetPixelS(Integer x, Integer y, TColor32 value);
  void SetPixelT(Integer x, Integer y, TColor32 value);
  void SetPixelT(TColor32*& ptr, TColor32 value);
  void SetPixelTS(Integer x, Integer y, TColor32 value);
  TColor32 GetPixelW(Integer x, Integer y) const;
  void SetPixelW(Integer x, Integer y, TColor32 value);
  TColor32 GetPixelB(Integer x, Integer y) const;
  TColor32 GetPixelX(TFixed x, TFixed y) const;
  TColor32 GetPixelXS(TFixed x, TFixed y) const;
  TColor32 GetPixelXW(TFixed x, TFixed y) const;
  TColor32 GetPixelF(float x, float y) const;
  TColor32 GetPixelFS(float x, float y) const;
  TColor32 GetPixelFW(float x, float y) const;
  TColor32 GetPixelR(float x, float y);
  void SetPixelX(TFixed x, TFixed y, TColor32 value);
  void SetPixelXS(TFixed x, TFixed y, TColor32 value);
  void SetPixelXW(TFixed x, TFixed y, TColor32 value);
  void SetPixelF(float x, float y, TColor32 value);
  void SetPixelFS(float x, float y, TColor32 value);
  void SetPixelFW(float x, float y, TColor32 value);
  TColor32 GET_T256(Integer x, Integer y) const;
  TColor32 GET_TS256(Integer x, Integer y) const;
  void SET_T256(Integer x, Integer y, TColor32 c);
  void SET_TS256(Integer x, Integer y, TColor32 c);

  // Whole-picture copies.
  void Assign(const TPersistent* source) override;
  virtual void CopyMapTo(TBitmap32* dst) const;
  virtual void CopyPropertiesTo(TBitmap32* dst) const;
  bool Equal(const TBitmap32* other) const;

  // Platform pictures: LoadFromStream reads a bitmap file, LoadFromFile any
  // registered picture; the saved form is a 32-bit bitmap file.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;
  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName) const;

  // The "Data" property: int32 width, int32 height, then the pixels top row first.
  // A stream whose size fields are invalid, or that ends early, is refused with
  // EReadError and the bitmap is left as it was.
  virtual void ReadData(TStream* stream);
  virtual void WriteData(TStream* stream) const;

  // Transfers (the source is this bitmap).
  void Draw(Integer dstX, Integer dstY, TBitmap32* src);
  void Draw(Integer dstX, Integer dstY, const TRect& srcRect, TBitmap32* src);
  void Draw(const TRect& dstRect, const TRect& srcRect, TBitmap32* src);
  void DrawTo(TBitmap32* dst);
  void DrawTo(TBitmap32* dst, Integer dstX, Integer dstY);
  void DrawTo(TBitmap32* dst, Integer dstX, Integer dstY, const TRect& srcRect);
  void DrawTo(TBitmap32* dst, const TRect& dstRect);
  void DrawTo(TBitmap32* dst, const TRect& dstRect, const TRect& srcRect);
  // Device-context transfers always copy; hdc is an HDC.
  void DrawTo(void* hdc, Integer dstX, Integer dstY) const;
  void DrawTo(void* hdc, const TRect& dstRect, const TRect& srcRect) const;
  void Draw(const TRect& dstRect, const TRect& srcRect, void* hdc);
  // The stretched picture in tiles of 1024 x 1024; answers how many tiles went out.
  Integer TileTo(void* hdc, const TRect& dstRect, const TRect& srcRect);

  // A platform canvas on the bitmap's device context, created on first request.
  TCanvas* Canvas();
  bool CanvasAllocated() const { return canvas_ != nullptr; }
  void DeleteCanvas();
  // The font text is drawn with (owned); SetFont copies the attributes.
  TFont* Font() const { return font_; }
  void SetFont(const TFont* value);
  // Forgets the font selected into the device context, selecting the stock font back.
  void FontChanged(TObject* sender);

  // ---- Drawing. X2 and Y2 of runs and lines are inclusive, those of rectangles
  // exclusive. The plain forms write unchecked; S forms clip to ClipRect, T forms
  // blend with CombineMode, P forms take each colour from the stipple pattern, A
  // forms antialias. Lines report the rectangle of their end points.
  void HorzLine(Integer x1, Integer y, Integer x2, TColor32 value);
  void HorzLineS(Integer x1, Integer y, Integer x2, TColor32 value);
  void HorzLineT(Integer x1, Integer y, Integer x2, TColor32 value);
  void HorzLineTS(Integer x1, Integer y, Integer x2, TColor32 value);
  void HorzLineTSP(Integer x1, Integer y, Integer x2);
  void VertLine(Integer x, Integer y1, Integer y2, TColor32 value);
  void VertLineS(Integer x, Integer y1, Integer y2, TColor32 value);
  void VertLineT(Integer x, Integer y1, Integer y2, TColor32 value);
  void VertLineTS(Integer x, Integer y1, Integer y2, TColor32 value);
  void VertLineTSP(Integer x, Integer y1, Integer y2);

  void Line(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value, bool l = false);
  void LineS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value, bool l = false);
  void LineT(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value, bool l = false);
  void LineTS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value, bool l = false);
  void LineA(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value, bool l = false);
  void LineAS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value, bool l = false);
  void LineX(TFixed x1, TFixed y1, TFixed x2, TFixed y2, TColor32 value, bool l = false);
  void LineXS(TFixed x1, TFixed y1, TFixed x2, TFixed y2, TColor32 value, bool l = false);
  void LineF(float x1, float y1, float x2, float y2, TColor32 value, bool l = false);
  void LineFS(float x1, float y1, float x2, float y2, TColor32 value, bool l = false);
  void LineXP(TFixed x1, TFixed y1, TFixed x2, TFixed y2, bool l = false);
  void LineXSP(TFixed x1, TFixed y1, TFixed x2, TFixed y2, bool l = false);
  void LineFP(float x1, float y1, float x2, float y2, bool l = false);
  void LineFSP(float x1, float y1, float x2, float y2, bool l = false);

  // The pen: PenColor from the raster position, the end pixel left out.
  void MoveTo(Integer x, Integer y);
  void LineToS(Integer x, Integer y);
  void LineToTS(Integer x, Integer y);
  void LineToAS(Integer x, Integer y);
  void MoveToX(TFixed x, TFixed y);
  void LineToXS(TFixed x, TFixed y);
  void LineToXSP(TFixed x, TFixed y);
  void MoveToF(float x, float y);
  void LineToFS(float x, float y);
  void LineToFSP(float x, float y);
  TPoint RasterPos() const { return TPoint{rasterX_, rasterY_}; }
  TFixedPoint RasterPosX() const { return TFixedPoint{rasterXF_, rasterYF_}; }

  void FillRectS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value);
  void FillRectS(const TRect& r, TColor32 value);
  void FillRectT(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value);
  void FillRectTS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value);
  void FillRectTS(const TRect& r, TColor32 value);
  void FrameRectS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value);
  void FrameRectS(const TRect& r, TColor32 value);
  void FrameRectTS(Integer x1, Integer y1, Integer x2, Integer y2, TColor32 value);
  void FrameRectTS(const TRect& r, TColor32 value);
  void FrameRectTSP(Integer x1, Integer y1, Integer x2, Integer y2);
  void RaiseRectTS(Integer x1, Integer y1, Integer x2, Integer y2, Integer contrast);
  void RaiseRectTS(const TRect& r, Integer contrast);

  // The stipple pattern: SetStipple copies it and restarts the counter.
  void SetStipple(const TArrayOfColor32& value);
  void SetStipple(std::initializer_list<TColor32> value) { SetStipple(TArrayOfColor32(value)); }
  void AdvanceStippleCounter(float length);
  TColor32 GetStippleColor();

  // Whole-picture moves; a nil Dst (or this bitmap) works in place.
  void Roll(Integer dx, Integer dy, bool fillBack, TColor32 fillColor);
  void FlipHorz(TBitmap32* dst = nullptr);
  void FlipVert(TBitmap32* dst = nullptr);
  void Rotate90(TBitmap32* dst = nullptr);
  void Rotate180(TBitmap32* dst = nullptr);
  void Rotate270(TBitmap32* dst = nullptr);

  // ---- Text. The Textout forms let the platform write into the device context
  // (alpha as it leaves it); RenderText blends alpha-correct text in a colour.
  TSize TextExtent(const String& text);
  TSize TextExtentW(const std::wstring& text);
  Integer TextWidth(const String& text) { return TextExtent(text).cx; }
  Integer TextWidthW(const std::wstring& text) { return TextExtentW(text).cx; }
  Integer TextHeight(const String& text) { return TextExtent(text).cy; }
  Integer TextHeightW(const std::wstring& text) { return TextExtentW(text).cy; }
  void Textout(Integer x, Integer y, const String& text);
  void TextoutW(Integer x, Integer y, const std::wstring& text);
  void Textout(Integer x, Integer y, const TRect& clipRect, const String& text);
  void TextoutW(Integer x, Integer y, const TRect& clipRect, const std::wstring& text);
  void Textout(TRect dstRect, Cardinal flags, const String& text);
  void TextoutW(TRect dstRect, Cardinal flags, const std::wstring& text);
  // AALevel -1 draws with the platform's antialiasing, 0 without, 1..4 at 2^AALevel
  // times the size averaged down; other values are brought into -1..4.
  void RenderText(Integer x, Integer y, const String& text, Integer aaLevel, TColor32 color);
  void RenderTextW(Integer x, Integer y, const std::wstring& text, Integer aaLevel, TColor32 color);
  void UpdateFont();

  TCustomResampler* Resampler() const { return resampler_; }
  void SetResampler(TCustomResampler* value);  // takes ownership
  String ResamplerClassName() const;
  void SetResamplerClassName(const String& name);

protected:
  void ChangeSize(Integer& width, Integer& height, Integer newWidth, Integer newHeight) override;
  virtual void HandleChanged();
  void CanvasChanged(TObject*) { Changed(); }
  void AssignTo(TPersistent* dest) const override;
  // Streams the pixels as the binary property "Data" (ReadData / WriteData).
  void DefineProperties(TFiler* filer) override;

private:
  // From a platform bitmap, graphic or picture holder; false for other sources.
  bool AssignFromGraphic(const TPersistent* source);
  // Into a platform bitmap or picture holder; false for other targets.
  bool AssignToGraphic(TPersistent* dest) const;
  void FreeStore();
  TColor32* bits_ = nullptr;
  TRect clipRect_;
  TFixedRect fixedClipRect_;
  TRect clipRect256_;
  bool clipping_ = false;
  TDrawMode drawMode_ = dmOpaque;
  TCombineMode combineMode_ = cmBlend;
  TWrapMode wrapMode_ = wmClamp;
  void* bitmapHandle_ = nullptr;
  void* dc_ = nullptr;
  void* oldBitmap_ = nullptr;
  std::array<Byte, 44> header_{};  // BITMAPINFOHEADER and one colour entry
  Cardinal masterAlpha_ = 255;
  TAreaChangedEvent savedAreaChanged_;
  bool measuringMode_ = false;
  TCustomResampler* resampler_ = nullptr;  // owned
  TCanvas* canvas_ = nullptr;              // owned, shares dc_
  TFont* font_ = nullptr;                  // owned
  void* selectedFont_ = nullptr;           // the HFONT selected into dc_ for text, or nullptr
  std::shared_ptr<void> selectedFontRef_;  // keeps that font alive while it is selected
  Integer rasterX_ = 0, rasterY_ = 0;
  TFixed rasterXF_ = 0, rasterYF_ = 0;

  template <class Text>
  void RenderTextOf(Integer x, Integer y, const Text& text, Integer aaLevel, TColor32 color);
};

// Text rendering helpers: the mean coverage of 2^N x 2^N blocks of dst's blue
// channel as alpha of the colour, and the blue channel itself as alpha.
void TextScaleDown(TBitmap32* dst, const TBitmap32* src, Integer n, TColor32 color);
void TextBlueToAlpha(TBitmap32* bitmap, TColor32 color);

// The sub-pixel reader: (WX, WY, upper-left pixel, lower-left pixel), bound at start-up.
using TInterpolator = TColor32 (*)(Cardinal wx, Cardinal wy, const TColor32* upper, const TColor32* lower);
extern TInterpolator Interpolator;
// Binds the packed or the plain interpolator; start-up binds it by the processor.
void BindInterpolator(bool packed);
