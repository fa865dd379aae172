// The skinned menus in one include: the popup menu engine and its levels and
// rows, the skinned popup menu, the form's system and tray menus, and the
// lookup of a form's skinning component.
#pragma once

#include "skin/menus/SkinFormMenus.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuHost.h"
#include "skin/menus/SkinMenuItem.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/menus/SkinPopupWindow.h"
