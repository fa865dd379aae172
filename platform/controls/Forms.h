// Forms and the application in one include: forms and frames, the hint window,
// the screen and the application. Units include the part they need.
#pragma once

#include "platform/controls/Application.h"
#include "platform/controls/Controls.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/HintWindow.h"
#include "platform/controls/Screen.h"

