// Whole-bitmap pixel operations: copying chosen channels, grey-scale and alpha
// conversions, a lookup table, a chroma key, channel inversion and bit masks
// combined with the pixels by XOR, AND or OR.
#pragma once

#include "imaging/GR32.h"

enum TLogicalOperator : Byte { loXOR, loAND, loOR };

// In place: every pixel := pixel op mask.
using TLogicalMaskLine = void (*)(TColor32* line, TColor32 mask, Integer count);
// From source to destination: dst[i] := src[i] op mask.
using TLogicalMaskLineEx = void (*)(const TColor32* src, TColor32* dst, Integer count, TColor32 mask);

// Indexed by TLogicalOperator; filled once at start-up.
extern TLogicalMaskLine MASK_ROW[3];
extern TLogicalMaskLineEx MASK_ROW_COPY[3];

// The two-bitmap routines come in three families with identical results: one
// pixel at a time, two pixels per 64-bit word, and four per 128-bit register.
enum TMaskRowFamily { mrPlain, mrPacked64, mrPacked128 };
// Binds the two-bitmap table to a family; start-up binds by the processor.
void BindMaskRowFunctions(TMaskRowFamily family);

// Channel set (bit values of TColor32Components) -> 32-bit mask.
TColor32 CreateBitmask(TColor32Components components);

void CopyComponents(TBitmap32* dst, TBitmap32* src, TColor32Components components);
void CopyComponents(TBitmap32* dst, Integer dstX, Integer dstY, TBitmap32* src, TRect srcRect,
                    TColor32Components components);
void AlphaToGrayscale(TBitmap32* dst, TBitmap32* src);
void IntensityToAlpha(TBitmap32* dst, TBitmap32* src);
void ColorToGrayscale(TBitmap32* dst, TBitmap32* src, bool preserveAlpha = false);
void ApplyLUT(TBitmap32* dst, TBitmap32* src, const Byte (&lut)[256], bool preserveAlpha = false);
void ChromaKey(TBitmap32* bitmap, TColor32 trColor);
void Invert(TBitmap32* dst, TBitmap32* src, TColor32Components components);
// The first argument is read and the second written: the reverse of the others.
void InvertRGB(TBitmap32* src, TBitmap32* dst);
void ApplyBitmask(TBitmap32* dst, Integer dstX, Integer dstY, TBitmap32* src, TRect srcRect, TColor32 bitmask,
                  TLogicalOperator op);
void ApplyBitmask(TBitmap32* bitmap, TRect rect, TColor32 bitmask, TLogicalOperator op);
