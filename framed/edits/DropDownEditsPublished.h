// The published properties of the expand, colour and date-time edits.
#pragma once

void PublishFramedDropDownEdits();
