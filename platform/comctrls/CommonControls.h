// The common controls' window classes (comctl32), registered on first use.
#pragma once

#include "platform/core/WinApi.h"

#include <commctrl.h>

// Makes sure the common controls' window classes are registered.
void InitCommonControlClasses(DWORD classes);
