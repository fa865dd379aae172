// The enumerations of skin records, each stored in one byte, and the skin
// library's window messages.
#pragma once

#include "platform/System.h"
#include "platform/WinApi.h"

enum TspStretchType : Byte { spstFull, spstHorz, spstVert };
enum TMorphKind : Byte { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };
enum TspInActiveEffect : Byte { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };
enum TGaugeKind : Byte { gkHorizontal, gkVertical };
enum TFramesPlacement : Byte { fpHorizontal, fpVertical };
enum TRegulatorKind : Byte { rkRound, rkHorizontal, rkVertical };
enum TStdCommand : Byte { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };

// Sent by the container to every form, wParam the container, lParam 1000.
constexpr UINT SkinMsgBeforeChange = WM_USER + 201;
constexpr UINT SkinMsgChange = WM_USER + 202;
constexpr UINT SkinMsgAfterChange = WM_USER + 203;
constexpr UINT SkinMsgResourceStrChanged = WM_USER + 250;
constexpr UINT SkinMsgSkinnableFormChanged = WM_USER + 270;
constexpr LPARAM SkinMsgLParam = 1000;
