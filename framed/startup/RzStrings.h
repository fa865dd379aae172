// The family's resource strings, loaded from the program's string table.
#pragma once

#include "platform/core/System.h"

// The string of `id`; empty when the table lacks it.
String LoadRzString(unsigned id);
