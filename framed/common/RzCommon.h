// The foundation of the framed-control family in one include: types and tables,
// colour arithmetic, frame drawing, bars and arrows, the blink list and the shared
// routines.
#pragma once

#include "framed/common/RzCommon_Bars.h"
#include "framed/common/RzCommon_Blink.h"
#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/common/RzCommon_Types.h"
