// The common controls of the component layer, over comctl32: the list view, the
// page and tab controls, the header control and the track bar.
#pragma once

#include "platform/ListView.h"
#include "platform/PageControl.h"
#include "platform/HeaderControl.h"
#include "platform/TrackBar.h"
