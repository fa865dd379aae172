// Skin-frame painting requests that the skinned form sends and several skinned
// controls answer; kept once so both sides can be included together.
#pragma once

#include "platform/core/WinApi.h"

constexpr UINT CM_SEPAINT = 0xB1C8;
constexpr UINT CM_SENCPAINT = 0xB1C9;
constexpr UINT CM_BENCPAINT = 0xBC4B;
