// Where the build put the program folder (VarnelRevo.exe with its DLLs and data),
// as a Windows path, for tests that load the built modules.
#pragma once

#include "platform/core/System.h"

String BuiltProgramFolder();  // with its trailing backslash
