// Further controls in one include: the bevel, the panel, the image and the splitter.
// Units include the control they need.
#pragma once

#include "platform/controls/Forms.h"
#include "platform/stdctrls/Bevel.h"
#include "platform/stdctrls/Image.h"
#include "platform/stdctrls/Panel.h"
#include "platform/stdctrls/Splitter.h"

