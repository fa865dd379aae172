// The shared vocabulary of the framed controls: the enumerations and sets they
// publish, the frame-colour and text-alignment tables, and the library's own
// window messages.
#pragma once

#include "platform/controls/Alignments.h"
#include "platform/graphics/Colors.h"
#include "platform/core/Events.h"
#include "platform/core/WinApi.h"
#include "platform/stdctrls/CheckBoxState.h"

enum TFrameStyleEx : Byte {
  fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp, fsStatus, fsPopup,
  fsFlatBold, fsFlatRounded
};
// fsNone..fsFlatBold: the styles that have table colours.
using TFrameStyle = TFrameStyleEx;
constexpr int kFrameStyleCount = fsFlatBold + 1;

enum TSide : Byte { sdLeft, sdTop, sdRight, sdBottom };
// A set of TSide in one byte: bit 0 sdLeft, bit 1 sdTop, bit 2 sdRight, bit 3 sdBottom.
using TSides = Byte;
constexpr TSides SideBit(TSide side) { return static_cast<TSides>(1u << side); }
constexpr TSides sdAllSides = 15;
constexpr bool HasSide(TSides sides, TSide side) { return (sides & SideBit(side)) != 0; }

enum TFramingPreference : Byte { fpCustomFraming, fpXPThemes };
enum TAlignmentVertical : Byte { avTop, avCenter, avBottom };
enum TBlinkState : Byte { bsOn, bsOff };
enum TTextStyle : Byte { tsNormal, tsRaised, tsRecessed, tsShadow };
enum TOrientation : Byte { orHorizontal, orVertical };
enum TBarStyle : Byte { bsTraditional, bsLED };
enum TLineStyle : Byte { lsNone, lsFlat, lsGroove, lsBump };
enum TRzGroupBarGradientPath : Byte { gpTopToBottom, gpBottomToTop };
enum TDirection : Byte { dirUp, dirDown, dirLeft, dirRight };
enum TRzScrollStyle : Byte { scsNone, scsLeft, scsUp, scsRight, scsDown };
enum TExpandOnType : Byte { etMouseButton2Click, etFocus, etNone };
enum TRzScrollType : Byte { stNone, stRightToLeft, stLeftToRight };
enum TRzHotTrackColorType : Byte { htctComplement, htctActual };
enum TRzUIStyle : Byte { uiWindows95, uiWindowsXP };
enum TRzWindowsVersion : Byte { Win95, WinNT, Win98, WinMe, Win2000, WinXP, WinServer2003 };

using TPositiveByte = Byte;         // 1..255
using TPositiveSmallint = std::int16_t;  // 1..32767
using TPositiveInteger = Integer;   // 1..2147483647
using TUnsignedSmallint = std::int16_t;  // 0..32767

using TPositionChangingEvent = TEvent<TObject*, int, bool&>;
using TStateChangingEvent = TEvent<TObject*, int, TCheckBoxState, bool&>;
using TStateChangeEvent = TEvent<TObject*, int, TCheckBoxState>;

// Colours of the left and top lines / the right and bottom lines of each style.
extern const TColor ULFrameColor[kFrameStyleCount];
extern const TColor LRFrameColor[kFrameStyleCount];

// Format flags for DrawText and SetTextAlign, indexed by TAlignment.
extern const Word DrawTextAlignments[3];
extern const Word SetTextAlignments[3];

// The library's own window messages.
constexpr UINT CM_GETBLINKING = 0xB3E8;
constexpr UINT CM_BLINK = 0xB3E9;
constexpr UINT CM_TOOLBARSHOWCAPTIONCHANGED = 0xB3EA;
constexpr UINT CM_TOOLBARBUTTONLAYOUTCHANGED = 0xB3EB;
constexpr UINT CM_TOOLBARBUTTONSIZECHANGED = 0xB3EC;
constexpr UINT CM_HIDEPREVIEWPANEL = 0xB3ED;
constexpr UINT CM_RZBUTTONPRESSED = 0x2421;
constexpr UINT WM_CLOSEPOPUP = 0x2423;
