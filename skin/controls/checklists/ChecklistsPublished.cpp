// The published properties of the check list box and the check combo box.
#include "platform/published/Published.h"
#include "skin/controls/Periphery2Published.h"
#include "skin/controls/checklists/SkinCheckComboBox.h"

// Published by the standard controls' registration.
const TEnumNames& AlignmentNames();

void PublishSkinChecklistsPeriphery() {
  using L = TspSkinCheckListBox;
  PublishClass<L, TspSkinCustomListBox>()
      .Hide("HorizontalExtent")
      .Bool("AllowGrayed", &L::AllowGrayed, &L::AllowGrayed, false)
      .Event("OnClickCheck", &L::OnClickCheck);
  using C = TspSkinCustomCheckComboBox;
  auto list = [](C& c) { return c.ListBox(); };
  PublishClass<C, TspSkinCustomControl>()
      .Default("TabStop", 1)
      .Bool("AlphaBlend", &C::AlphaBlend, &C::AlphaBlend, false)
      .Integer("AlphaBlendValue", &C::AlphaBlendValue, &C::AlphaBlendValue, 0)
      .Bool("AlphaBlendAnimation", &C::AlphaBlendAnimation, &C::AlphaBlendAnimation, false)
      .Bool("ListBoxUseSkinFont", [list](C& c) { return list(c)->UseSkinFont; },
            [list](C& c, bool v) { list(c)->UseSkinFont = v; }, true)
      .Bool("ListBoxUseSkinItemHeight", [list](C& c) { return list(c)->UseSkinItemHeight; },
            [list](C& c, bool v) { list(c)->UseSkinItemHeight = v; }, true)
      .Component<TCustomImageList>("Images", [list](C& c) { return list(c)->Images(); },
                                   [list](C& c, TCustomImageList* v) {
                                     list(c)->SetImages(v);
                                     c.Invalidate();
                                   })
      .Integer("ImageIndex", [list](C& c) { return list(c)->ImageIndex(); },
               [list](C& c, Integer v) {
                 list(c)->SetImageIndex(v);
                 c.Invalidate();
               }, -1)
      .Integer("ListBoxWidth", &C::ListBoxWidth, &C::ListBoxWidth, 0)
      .Str("ListBoxCaption", [list](C& c) { return list(c)->Caption(); },
           [list](C& c, const String& v) { list(c)->SetCaption(v); })
      .Bool("ListBoxCaptionMode", [list](C& c) { return list(c)->CaptionMode(); },
            [list](C& c, bool v) { list(c)->SetCaptionMode(v); }, false)
      .Enum("ListBoxCaptionAlignment", AlignmentNames(), [list](C& c) { return list(c)->Alignment(); },
            [list](C& c, TAlignment v) { list(c)->SetAlignment(v); }, taLeftJustify)
      .Object("ListBoxDefaultFont", [list](C& c) { return list(c)->DefaultFont(); })
      .Object("ListBoxDefaultCaptionFont", [list](C& c) { return list(c)->DefaultCaptionFont(); })
      .Integer("ListBoxDefaultItemHeight", [list](C& c) { return list(c)->DefaultItemHeight(); },
               [list](C& c, Integer v) { list(c)->SetDefaultItemHeight(v); }, 20)
      .Color("DefaultColor", &C::DefaultColor, &C::DefaultColor, clWindow)
      .Lines("Items", &C::Items)
      .Integer("DropDownCount", &C::DropDownCount, &C::SetDropDownCount, 8)
      .Bool("Sorted", [list](C& c) { return list(c)->Sorted(); }, [list](C& c, bool v) { list(c)->SetSorted(v); }, false)
      .Event("OnListBoxDrawItem", [list](C& c) { return list(c)->OnDrawItem; },
             [list](C& c, TspDrawSkinItemEvent v) { list(c)->OnDrawItem = v; })
      .Event("OnChange", &C::OnChange)
      .Event("OnCloseUp", &C::OnCloseUp)
      .Event("OnDropDown", &C::OnDropDown);
  PublishClass<TspSkinCheckComboBox, C>();
}
