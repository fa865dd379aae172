// The state an owner-drawn item is drawn in: the system's ODS_* bits as the
// DRAWITEMSTRUCT carries them (odSelected = ODS_SELECTED, ...).
#pragma once

#include "platform/core/Events.h"
#include "platform/core/Geometry.h"
#include "platform/core/WinApi.h"

class TWinControl;

using TOwnerDrawState = unsigned;
constexpr TOwnerDrawState odSelected = ODS_SELECTED;
constexpr TOwnerDrawState odGrayed = ODS_GRAYED;
constexpr TOwnerDrawState odDisabled = ODS_DISABLED;
constexpr TOwnerDrawState odChecked = ODS_CHECKED;
constexpr TOwnerDrawState odFocused = ODS_FOCUS;
constexpr TOwnerDrawState odDefault = ODS_DEFAULT;
constexpr TOwnerDrawState odComboBoxEdit = ODS_COMBOBOXEDIT;

// Draws item `index` of an owner-drawn list in `rect`.
using TDrawItemEvent = TEvent<TWinControl*, int, TRect, TOwnerDrawState>;
