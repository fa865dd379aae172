#include "framed/periphery/PeripheryPublished.h"

#include "framed/bars/BarsPublished.h"
#include "framed/buttons/ButtonsPublished.h"
#include "framed/combos/CombosPublished.h"
#include "framed/components/ComponentsPublished.h"
#include "framed/display/DisplayPublished.h"
#include "framed/edits/DropDownEditsPublished.h"
#include "framed/edits/EditsPublished.h"
#include "framed/forms/FormsPublished.h"
#include "framed/groups/GroupsPublished.h"
#include "framed/lists/ListsPublished.h"
#include "framed/popups/PopupsPublished.h"

void PublishFramedPeriphery() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishFramedGroups();
  PublishFramedDisplays();
  PublishFramedComponents();
  PublishFramedEdits();
  PublishFramedPopups();  // pickers and popups, then the edits that drop them
  PublishFramedDropDownEdits();
  PublishFramedLists();
  PublishFramedCombos();
  PublishFramedButtons();
  PublishFramedBars();
  PublishFramedForms();
}
