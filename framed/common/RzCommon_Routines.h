// Services many framed controls share that draw no frames: geometry (centring,
// the desktop's client area, monitor work areas), font and string routines, the
// Windows version test, adding a glyph to an image list, naming new components,
// the design-time notification and the reader that drops obsolete properties.
#pragma once

#include <functional>

#include "framed/common/RzCommon_Types.h"
#include "platform/published/Reader.h"
#include "platform/core/Geometry.h"
#include "platform/graphics/GraphicsObjects.h"

class TComponent;
class TControl;
class TWinControl;
class TCustomForm;
class TBitmap;
class TCustomImageList;

// Geometry.
TRect CenterRect(const TRect& r, int width, int height);
// The desktop rectangle less a task bar lying along one of its edges.
TRect DesktopClientRect(const TRect& desktop, const TRect* taskBar);
TRect GetDesktopClientRect();
// Where GetDesktopClientRect finds the task bar: true with its rectangle when there
// is one. Tests replace it; an empty function puts the system's lookup back.
using TTrayWindowLookup = std::function<bool(TRect& taskBar)>;
void SetTrayWindowLookup(TTrayWindowLookup lookup);
TRect GetActiveWorkArea(TWinControl* control);
int GetActiveWorkAreaWidth(TWinControl* control);
int GetActiveWorkAreaHeight(TWinControl* control);
TRect GetMonitorWorkArea(HMONITOR monitor);
TRect GetMonitorBoundsRect(HMONITOR monitor);
void CenterToWindow(TControl* control, HWND window, int& left, int& top);
void CenterToForm(TControl* control, TCustomForm* form, int& left, int& top);
void CenterToMDIChild(TControl* control, TCustomForm* form, int& left, int& top);

// Fonts.
HFONT RotateFont(TFont* font, int angle);  // a new font, owned by the caller
bool IsTrueTypeFont(TFont* font);
int GetMinFontHeight(TFont* font);
int GetAvgCharWidth(TFont* font);

// Strings (positions from 1).
char LastChar(const String& s);  // #0 for an empty text
int CountChar(char c, const String& s);
String CopyEx(const String& s, int start, char c, int count);
bool RemoveChar(String& s, char c);
String CreateValidIdent(const String& ident, const String& defaultIdent);
String GetNewComponentName(TComponent* owner, const String& baseName, bool tryBaseName);

// Image lists.
void AddImageToImageList(TCustomImageList* imageList, TBitmap* glyph, bool twoImages, int& imageIndex,
                         int& disabledIndex);

// Windows version: the version record is the running system's unless given.
bool RunningUnder(TRzWindowsVersion version);
bool RunningUnder(TRzWindowsVersion version, const OSVERSIONINFOA& info);

// Tells the form designer that the control changed; there is no designer at run time.
void UpdateObjectInspector(TControl* control);

// Readers for properties older versions of the family streamed: each reads one
// value of its kind and drops it. Nothing obsolete is written.
class TRzOldPropReader {
public:
  static void ReadOldBooleanProp(TReader& reader);
  static void ReadOldEnumProp(TReader& reader);
  static void ReadOldIdentProp(TReader& reader);
  static void ReadOldIntegerProp(TReader& reader);
  static void ReadOldSetProp(TReader& reader);
  static void ReadOldStringProp(TReader& reader);
  static void WriteOldProp(TWriter&) {}
};
