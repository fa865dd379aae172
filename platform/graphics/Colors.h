// Colours of the component layer: TColor values 0x00BBGGRR, system colours
// (top bit set, the system colour index in the low byte), the named colour
// constants and their name table.
#pragma once

#include <functional>

#include "platform/core/Exceptions.h"

using TColor = Integer;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

// True for a system colour (top bit set, or the 0xFF top byte form).
constexpr bool IsSystemColor(TColor color) { return color < 0; }

// The RGB value 0x00BBGGRR of a colour: a system colour (either form) becomes the
// current colour of its index (GetSysColor); any other value keeps its low three
// bytes, so clNone and clDefault give 0xFFFFFF and 0x000000.
TColor ColorToRGB(TColor color);

// An RGB value from its parts (the Win32 GetRValue, GetGValue and GetBValue
// take it apart).
constexpr TColor RGBColor(Byte r, Byte g, Byte b) { return r | (g << 8) | (b << 16); }

struct TColorName {
  TColor Value;
  const char* Name;
};

// The 52 named colours in list order: the 16 standard colours, the four extended
// ones (clMoneyGreen, clSkyBlue, clCream, clMedGray), then the system colours with
// clDefault and clNone in alphabetical order.
const TColorName* ColorNames(int& count);
// Calls `proc` with each name of ColorNames in order.
void GetColorValues(const std::function<void(const String&)>& proc);

// "clRed" for a named colour; false when the colour has no name.
bool ColorToIdent(TColor color, String& ident);
// The colour of a name (case-insensitive); false when unknown.
bool IdentToColor(const String& ident, TColor& color);
// The name of a named colour, else "$00BBGGRR" in hexadecimal.
String ColorToString(TColor color);
// A name or a number ("$FF00", "255"); EConvertError for anything else.
TColor StringToColor(const String& text);
