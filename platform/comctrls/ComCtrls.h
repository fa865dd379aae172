// The common controls of the component layer, over comctl32: the list view, the
// page and tab controls, the header control and the track bar.
#pragma once

#include "platform/comctrls/HeaderControl.h"
#include "platform/comctrls/HotKey.h"
#include "platform/comctrls/ListView.h"
#include "platform/comctrls/PageControl.h"
#include "platform/comctrls/RichEdit.h"
#include "platform/comctrls/TrackBar.h"
#include "platform/controls/Forms.h"
