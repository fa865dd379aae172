// The three states of a check box, shared by every check box and check list of
// the program's control families.
#pragma once

#include "platform/core/System.h"

enum TCheckBoxState : Byte { cbUnchecked, cbChecked, cbGrayed };
