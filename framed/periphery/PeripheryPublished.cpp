#include "framed/periphery/PeripheryPublished.h"

#include "framed/groups/GroupsPublished.h"

void PublishFramedPeriphery() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishFramedGroups();
}
