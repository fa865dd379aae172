// The published properties of the calendar, the time picker and the popup panel.
#pragma once

void PublishFramedPopups();
