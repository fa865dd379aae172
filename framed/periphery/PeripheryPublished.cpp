#include "framed/periphery/PeripheryPublished.h"

#include "framed/bars/BarsPublished.h"
#include "framed/buttons/ButtonsPublished.h"
#include "framed/components/ComponentsPublished.h"
#include "framed/display/DisplayPublished.h"
#include "framed/edits/EditsPublished.h"
#include "framed/forms/FormsPublished.h"
#include "framed/groups/GroupsPublished.h"
#include "framed/lists/ListsPublished.h"

void PublishFramedPeriphery() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishFramedGroups();
  PublishFramedDisplays();
  PublishFramedComponents();
  PublishFramedEdits();
  PublishFramedLists();
  PublishFramedButtons();
  PublishFramedBars();
  PublishFramedForms();
}
