// The controls in one include: TControl, TWinControl, the control canvas and the
// two painting bases. Units include the part they need.
#pragma once

#include "platform/controls/Control.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/GraphicControl.h"
#include "platform/controls/WinControl.h"

