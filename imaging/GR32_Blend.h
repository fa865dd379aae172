// Blending: every pixel the bitmap library mixes goes through these routine
// variables, bound once at start-up to the plain integer forms or to the packed
// (SSE2) forms by the processor's features. The two families differ where noted
// in GR32_Blend.cpp; tests bind either with BindBlendFunctions.
#pragma once

#include "imaging/GR32.h"

using TCombineReg = TColor32 (*)(TColor32 x, TColor32 y, TColor32 w);
using TCombineMem = void (*)(TColor32 f, TColor32& b, TColor32 w);
using TBlendReg = TColor32 (*)(TColor32 f, TColor32 b);
using TBlendMem = void (*)(TColor32 f, TColor32& b);
using TBlendRegEx = TColor32 (*)(TColor32 f, TColor32 b, TColor32 m);
using TBlendMemEx = void (*)(TColor32 f, TColor32& b, TColor32 m);
using TBlendLine = void (*)(const TColor32* src, TColor32* dst, Integer count);
using TBlendLineEx = void (*)(const TColor32* src, TColor32* dst, Integer count, TColor32 m);
using TCombineLine = void (*)(const TColor32* src, TColor32* dst, Integer count, TColor32 w);
using TColorOp = TColor32 (*)(TColor32 c1, TColor32 c2);
using TColorScale = TColor32 (*)(TColor32 c, TColor32 w);

extern TCombineReg CombineReg;
extern TCombineMem CombineMem;
extern TBlendReg BlendReg;
extern TBlendMem BlendMem;
extern TBlendRegEx BlendRegEx;
extern TBlendMemEx BlendMemEx;
extern TBlendLine BlendLine;
extern TBlendLineEx BlendLineEx;
extern TCombineLine CombineLine;
extern TBlendReg MergeReg;
extern TBlendMem MergeMem;
extern TBlendRegEx MergeRegEx;
extern TBlendMemEx MergeMemEx;
extern TBlendLine MergeLine;
extern TBlendLineEx MergeLineEx;
extern TColorOp ColorAdd, ColorSub, ColorDiv, ColorModulate, ColorMax, ColorMin, ColorDifference, ColorAverage,
    ColorExclusion;
extern TColorScale ColorScale;

// Tables indexed by TCombineMode: (blend form, merge form).
extern TBlendReg BLEND_REG[2];
extern TBlendMem BLEND_MEM[2];
extern TBlendRegEx BLEND_REG_EX[2];
extern TBlendMemEx BLEND_MEM_EX[2];
extern TBlendLine BLEND_LINE[2];
extern TBlendLineEx BLEND_LINE_EX[2];

extern bool MMX_ACTIVE;
// The merge tables: product[a][b] = Round(a * b / 255); quotient[a][c] = Round(c * 255 / a)
// kept to its low byte, 0 for a = 0.
extern Byte MergeProduct[256][256];
extern Byte MergeQuotient[256][256];

// Binds the packed forms (packed) or the plain ones, and the packed forms of
// ColorMax, ColorMin and ColorAverage (extendedPacked). Start-up binds by the processor.
void BindBlendFunctions(bool packed, bool extendedPacked);

// Ends packed-arithmetic use; SSE2 leaves no state to clear, so nothing is needed.
inline void EMMS() {}
TColor32 Lighten(TColor32 c, Integer amount);

// The plain and packed forms themselves, for tests that compare them.
namespace blend_plain {
TColor32 CombineReg(TColor32 x, TColor32 y, TColor32 w);
TColor32 BlendReg(TColor32 f, TColor32 b);
TColor32 BlendRegEx(TColor32 f, TColor32 b, TColor32 m);
}  // namespace blend_plain
namespace blend_packed {
TColor32 CombineReg(TColor32 x, TColor32 y, TColor32 w);
TColor32 BlendReg(TColor32 f, TColor32 b);
TColor32 BlendRegEx(TColor32 f, TColor32 b, TColor32 m);
}  // namespace blend_packed
