// Text for the skinned controls: fitting a caption to a width with an ellipsis,
// the three fixed text styles, and wide text on either platform family.
#pragma once

#include <string>

#include "platform/graphics/Canvas.h"

using WideString = std::wstring;

// True on the NT family: wide text is drawn with DrawTextW there.
extern bool SP_PlatformIsUnicode;

// The longest prefix of s that fits width with "..." appended ("..." alone when
// nothing fits); s unchanged when it fits as it is.
void CorrectTextbyWidth(TCanvas* canvas, String& s, Integer width);
void CorrectTextbyWidthW(TCanvas* canvas, WideString& s, Integer width);

// DrawTextW (NT family) or DrawTextA of the text in the system code page; r is
// updated by DT_CALCRECT. Returns DrawText's result.
int SPDrawSkinText(TCanvas* canvas, const WideString& s, TRect& r, UINT flags);
Integer CalcTextWidthW(TCanvas* canvas, const WideString& s);
Integer CalcTextHeightW(TCanvas* canvas, const WideString& s);

// Single line, vertically centred, left-aligned.
void SPDrawText(TCanvas* canvas, const String& s, const TRect& r);
// Clipped to r, two pixels from the left edge, vertically centred.
void SPDrawText2(TCanvas* canvas, const String& s, const TRect& r);
void SPDrawText3(TCanvas* canvas, const String& s, const TRect& r, Integer offset);
