// Small shell-side routines the windows share: the application's message box, the
// scoped wait cursor, the drop shadow, the help file's path and the user's
// documents folder.
#pragma once

#include "platform/core/System.h"

// Shows a message box with the given text, caption and Windows message-box flags
// (64 information/OK, 68 information/Yes-No, 16 error/OK) over the active window
// and returns the button pressed (6 = Yes). The box goes through the system-call
// hooks, so tests answer it.
int AppMessageBox(const String& text, const String& caption, int flags);

// Shows a cursor for the length of one operation: making it sets the screen cursor,
// destroying it sets the default arrow, whatever was shown before (guards do not nest).
class MyCursor {
public:
  static constexpr int kDefault = 0;     // the arrow
  static constexpr int kHourGlass = -11;

  explicit MyCursor(int cursor);
  ~MyCursor();
  MyCursor(const MyCursor&) = delete;
  MyCursor& operator=(const MyCursor&) = delete;
};

// The cursor the last MyCursor set or restored (kDefault before any).
int ScreenCursor();

// The window class style that gives a window a drop shadow where the system draws
// them (Windows XP and later), otherwise 0.
unsigned DropShadowClassStyle();

// The program's folder followed by "VarnelRevo.chm".
String GetHelpFileName();

// The current user's documents folder, created when missing, without a trailing
// backslash; the program's folder (without its backslash) when the shell cannot
// name one.
String GetMyDocumentsFolder();
