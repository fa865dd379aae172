// Checks a skin folder with the real skin container: picture indexes outside the
// named pictures, rectangles outside their picture or piece, tiled pieces of no
// length, gauges whose range is empty, frame strips with too few frames, and
// missing required records, sections or colour keys. One text per fault.
#pragma once

#include <vector>

#include "platform/System.h"

std::vector<String> ValidateSkinFolder(const String& iniFileName);
