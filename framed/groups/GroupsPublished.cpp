#include "framed/groups/GroupsPublished.h"

#include "framed/controls/RzPublishedRows.h"
#include "framed/groups/RzCheckGroup.h"
#include "platform/published/Published.h"

namespace {

// What a group of items publishes besides the group box: the items, their layout
// and the settings handed to every item.
void PublishItemGroup() {
  using G = TRzCustomItemGroup;
  RzRows::ItemGroupTail(RzRows::ItemGroupHead(PublishClass<G, TRzCustomGroupBox>().Default("TabStop", Int64(0))));
}

}  // namespace

void PublishFramedGroups() {
  PublishItemGroup();
  using C = TRzCustomCheckGroup;
  PublishClass<C, TRzCustomItemGroup>()
      .Bool("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed, false)
      .Event("OnChange", &C::OnChange);
  PublishClass<TRzCheckGroup, C>();
}
