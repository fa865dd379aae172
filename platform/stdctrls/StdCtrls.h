// The standard controls in one include: edits, memos, buttons, list boxes, combo
// boxes and labels. Units include the control they need.
#pragma once

#include "platform/controls/Forms.h"
#include "platform/stdctrls/Button.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/Edit.h"
#include "platform/stdctrls/Label.h"
#include "platform/stdctrls/ListBox.h"
#include "platform/stdctrls/Memo.h"

