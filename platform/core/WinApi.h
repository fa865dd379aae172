// The one way into the Win32 headers. Win32 maps names such as DeleteFile and
// TextOut to their ANSI forms with macros; the component layer uses those names for
// its own routines and members, so the macros are dropped here and the layer calls
// the ANSI functions by their full names (::DeleteFileA, ::TextOutA).
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef DeleteFile
#undef CopyFile
#undef MoveFile
#undef FindFirstFile
#undef FindNextFile
#undef GetObject
#undef TextOut
#undef DrawText
#undef LoadBitmap
#undef LoadIcon
#undef LoadCursor
#undef CreateWindow
#undef SendMessage
#undef PostMessage
#undef MessageBox
#undef GetMessage
#undef DispatchMessage
#undef PeekMessage
#undef CreateFont
#undef GetClassName
#undef GetUserName
#undef LoadString
#undef FindResource
#undef CreateDialog
#undef RegisterClass
#undef UnregisterClass
#undef GetCurrentTime
#undef Yield
#undef CreateEvent
#undef StartDoc
#undef GetCharWidth
#undef GetTextMetrics
#undef EnumFonts
#undef CreateDC
#undef ShellExecute
#undef GetWindowText
#undef SetWindowText
