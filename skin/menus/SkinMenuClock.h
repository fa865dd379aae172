// The tick count the menu and hint fade-ins step by: GetTickCount, replaceable
// so tests can run a fade to its end (including a wrap of the count) at once.
#pragma once

#include "platform/core/WinApi.h"

inline DWORD SystemMenuTick() { return ::GetTickCount(); }
inline DWORD (*SP_MenuTickCount)() = SystemMenuTick;
