// Bitmaps of a module's resources loaded with some of their colours replaced: a
// palette bitmap's colour table is rewritten before its pixels are made, so one
// drawn glyph serves any colour scheme.
#pragma once

#include "platform/graphics/Colors.h"
#include "platform/core/WinApi.h"

// Loads the bitmap resource `name` of `instance` as a device-independent section
// in which every colour-table entry equal to oldColors[i] (as RGB) becomes
// newColors[i] (system colours resolved), the first matching pair winning.
// Bitmaps without a colour table come back unchanged. nullptr when the resource
// is missing or malformed; the caller owns the bitmap.
HBITMAP CreateMappedRes(HINSTANCE instance, const char* name, const TColor* oldColors, const TColor* newColors,
                        int count);
