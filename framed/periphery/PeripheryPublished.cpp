#include "framed/periphery/PeripheryPublished.h"

#include "framed/components/ComponentsPublished.h"
#include "framed/display/DisplayPublished.h"
#include "framed/edits/EditsPublished.h"
// Pickers, popups and the edits that drop them.
#include "framed/edits/DropDownEditsPublished.h"
#include "framed/popups/PopupsPublished.h"
#include "framed/groups/GroupsPublished.h"

void PublishFramedPeriphery() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishFramedGroups();
  PublishFramedDisplays();
  PublishFramedComponents();
  PublishFramedEdits();
  // Pickers, popups and the edits that drop them.
  PublishFramedPopups();
  PublishFramedDropDownEdits();
}
