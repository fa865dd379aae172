// The state an owner-drawn item is drawn in: the system's ODS_* bits as the
// DRAWITEMSTRUCT carries them (odSelected = ODS_SELECTED, ...).
#pragma once

#include "platform/core/WinApi.h"

using TOwnerDrawState = unsigned;
constexpr TOwnerDrawState odSelected = ODS_SELECTED;
constexpr TOwnerDrawState odGrayed = ODS_GRAYED;
constexpr TOwnerDrawState odDisabled = ODS_DISABLED;
constexpr TOwnerDrawState odChecked = ODS_CHECKED;
constexpr TOwnerDrawState odFocused = ODS_FOCUS;
constexpr TOwnerDrawState odDefault = ODS_DEFAULT;
constexpr TOwnerDrawState odComboBoxEdit = ODS_COMBOBOXEDIT;
