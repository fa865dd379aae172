// Scans a list of VOB or VRO files as one title: checks that they hold an MPEG
// program stream with a picture, and describes its streams and length.
#pragma once

#include <memory>

#include "DiscEngine.h"
#include "engines/DiscEngine/SourceLayout.h"

namespace disc {

// Null when a file cannot be read, holds no MPEG picture, or the progress callback
// asked to stop.
std::unique_ptr<Source> ScanVobFiles(char** paths, int count, ScanProgressCallback progress, void* context);

}  // namespace disc
