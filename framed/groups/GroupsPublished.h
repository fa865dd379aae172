// The published properties of the item groups' shared part and the check group.
#pragma once

void PublishFramedGroups();
