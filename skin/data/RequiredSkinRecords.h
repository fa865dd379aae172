// The skin records the program's windows ask for by name: the frame objects of
// every skinned form and the control records the forms' controls name in
// SkinDataName. The default skin generator reads this table (one row a line, as
// written below), the validator requires every row, and a test checks that the
// form definitions name no control record missing from it.
#pragma once

enum class SkinList { Objects, Controls };

struct RequiredSkinRecord {
  SkinList list;
  const char* typeWord;
  const char* name;
};

inline constexpr RequiredSkinRecord kRequiredSkinRecords[] = {
    {SkinList::Objects, "caption", "caption"},
    {SkinList::Objects, "stdbutton", "closebutton"},
    {SkinList::Objects, "stdbutton", "maxbutton"},
    {SkinList::Objects, "stdbutton", "minbutton"},
    {SkinList::Objects, "stdbutton", "sysmenubutton"},
    {SkinList::Objects, "stdbutton", "rollupbutton"},
    {SkinList::Objects, "menuitem", "menuitem"},
    {SkinList::Controls, "button", "resizebutton"},
    {SkinList::Controls, "button", "MyButton"},
    {SkinList::Controls, "button", "resizetoolbutton"},
    {SkinList::Controls, "button", "editbutton"},
    {SkinList::Controls, "panel", "panel"},
    {SkinList::Controls, "panel", "resizetoolpanel"},
    {SkinList::Controls, "panel", "toolpanel"},
    {SkinList::Controls, "panel", "groupbox"},
    {SkinList::Controls, "panel", "statusbar"},
    {SkinList::Controls, "label", "statuspanel"},
    {SkinList::Controls, "stdlabel", "stdlabel"},
    {SkinList::Controls, "bevel", "bevel"},
    {SkinList::Controls, "checkradio", "checkbox"},
    {SkinList::Controls, "checkradio", "radiobox"},
    {SkinList::Controls, "trackbar", "htrackbar"},
    {SkinList::Controls, "trackbar", "trackbar"},
    {SkinList::Controls, "gauge", "gauge"},
    {SkinList::Controls, "scrollbar", "hscrollbar"},
    {SkinList::Controls, "scrollbar", "vscrollbar"},
    {SkinList::Controls, "scrollbar", "bothhscrollbar"},
    {SkinList::Controls, "listview", "listview"},
    {SkinList::Controls, "combobox", "combobox"},
    {SkinList::Controls, "listbox", "listbox"},
    {SkinList::Controls, "edit", "edit"},
    {SkinList::Controls, "edit", "buttonedit"},
    {SkinList::Controls, "spinedit", "spinedit"},
    {SkinList::Controls, "tab", "tab"},
    {SkinList::Controls, "updown", "hupdown"},
    {SkinList::Controls, "updown", "vupdown"},
};
