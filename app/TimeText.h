// The time text of the title tree and the progress displays.
#pragma once

#include "platform/core/System.h"

// "hh:mm:ss " with at least two digits each and a trailing blank; hours do not wrap
// at 24 (100 hours give "100:00:00 ").
String FormatSecondsHMS(unsigned seconds);
