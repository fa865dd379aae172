#include "platform/controls/Menus.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TMenuItem* NewItem(TComponent* owner, const String& caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  return item;
}

std::vector<String> Captions(const TMenuItem* parent) {
  std::vector<String> captions;
  for (int i = 0; i < parent->Count(); ++i) captions.push_back(parent->Items(i)->Caption());
  return captions;
}

}  // namespace

TEST(Menus, ItemTreeEdits) {
  TPopupMenu menu(nullptr);
  TMenuItem* root = menu.Items();
  TMenuItem* play = NewItem(&menu, "&Play");
  TMenuItem* stop = NewItem(&menu, "Stop");
  TMenuItem* crop = NewItem(&menu, "Crop");
  root->Add(play);
  root->Add(crop);
  root->Insert(1, stop);
  EXPECT_EQ(Captions(root), (std::vector<String>{"&Play", "Stop", "Crop"}));
  EXPECT_EQ(root->Count(), 3);
  EXPECT_EQ(root->IndexOf(crop), 2);
  EXPECT_EQ((*root)[1], stop);
  EXPECT_EQ(stop->Parent(), root);
  EXPECT_EQ(stop->MenuIndex(), 1);
  EXPECT_EQ(root->Find("play"), play) << "without the accelerator mark, ignoring case";
  EXPECT_EQ(root->Find("Split"), nullptr);
  EXPECT_EQ(stop->GetParentMenu(), &menu);

  TMenuItem* sub = NewItem(&menu, "Chapter 1");
  crop->Add(sub);
  EXPECT_EQ(sub->GetParentMenu(), &menu);

  crop->SetMenuIndex(0);
  EXPECT_EQ(Captions(root), (std::vector<String>{"Crop", "&Play", "Stop"}));

  root->Remove(stop);  // taken out, not freed
  EXPECT_EQ(stop->Parent(), nullptr);
  EXPECT_EQ(stop->GetParentMenu(), nullptr);
  root->Delete(0);
  EXPECT_EQ(Captions(root), (std::vector<String>{"&Play"}));
  EXPECT_EQ(crop->Count(), 1) << "a taken-out item keeps its own sub-items";
  root->Add(crop);

  // Errors leave the tree as it was.
  EXPECT_THROW(root->Add(play), EMenuError);
  EXPECT_THROW(root->Add(nullptr), EMenuError);
  EXPECT_THROW(crop->Items(1), EMenuError);
  EXPECT_THROW(root->Insert(5, stop), EMenuError);
  TMenuItem* cropParent = crop->Parent();
  root->Remove(crop);
  EXPECT_THROW(sub->Add(crop), EMenuError) << "an item cannot hold its own parent";
  EXPECT_EQ(cropParent, root);
  EXPECT_THROW(root->Remove(crop), EMenuError);
  root->Add(crop);
  EXPECT_EQ(Captions(root), (std::vector<String>{"&Play", "Crop"}));

  // Freeing an item takes it out of its parent; freeing a parent frees its items.
  int owned = menu.ComponentCount();
  delete play;
  EXPECT_EQ(Captions(root), (std::vector<String>{"Crop"}));
  delete crop;
  EXPECT_EQ(root->Count(), 0);
  EXPECT_EQ(menu.ComponentCount(), owned - 3) << "play, crop and its chapter are gone";
  root->Add(stop);
  root->Clear();
  EXPECT_EQ(root->Count(), 0);
  EXPECT_EQ(menu.ComponentCount(), owned - 4);
}

TEST(Menus, CheckingARadioItemUnchecksTheOthersOfItsGroup) {
  TPopupMenu menu(nullptr);
  struct Row {
    const char* caption;
    bool radio;
    int group;
    bool checked;
  };
  const Row rows[] = {
      {"a", true, 1, true}, {"b", true, 1, false}, {"c", true, 2, true}, {"d", false, 1, true}, {"e", true, 1, false},
  };
  std::vector<TMenuItem*> items;
  for (const Row& row : rows) {
    TMenuItem* item = NewItem(&menu, row.caption);
    item->SetRadioItem(row.radio);
    item->SetGroupIndex(row.group);
    item->SetChecked(row.checked);
    menu.Items()->Add(item);
    items.push_back(item);
  }
  auto checked = [&] {
    String marks;
    for (TMenuItem* item : items) marks += item->Checked() ? 'x' : '-';
    return marks;
  };
  EXPECT_EQ(checked(), "x-xx-");
  items[1]->SetChecked(true);
  EXPECT_EQ(checked(), "-xxx-") << "only radio items of group 1 go off";
  items[4]->SetChecked(true);
  EXPECT_EQ(checked(), "--xxx");
  items[2]->SetGroupIndex(1);  // a checked radio item joining the group turns the others off
  EXPECT_EQ(checked(), "--xx-");
  items[3]->SetChecked(false);
  items[3]->SetChecked(true);
  EXPECT_EQ(checked(), "--xx-") << "a plain item of the group touches nobody";

  // Without radio items, group index 99 items are checked by hand, one by one.
  TMenuItem* skinA = NewItem(&menu, "Skin A");
  TMenuItem* skinB = NewItem(&menu, "Skin B");
  for (TMenuItem* item : {skinA, skinB}) {
    item->SetGroupIndex(99);
    menu.Items()->Add(item);
  }
  skinA->SetChecked(true);
  skinB->SetChecked(true);
  EXPECT_TRUE(skinA->Checked());
}

TEST(Menus, ShortCutTexts) {
  struct Case {
    TShortCut shortCut;
    const char* text;
  };
  const Case cases[] = {
      {scAlt | 'P', "Alt+P"},          {scAlt | 'N', "Alt+N"},       {scCtrl | 'D', "Ctrl+D"},
      {VK_F1, "F1"},                   {VK_F12, "F12"},              {scShift | VK_DELETE, "Shift+Del"},
      {scShift | scCtrl | 'A', "Shift+Ctrl+A"}, {scCtrl | scAlt | VK_F4, "Ctrl+Alt+F4"}, {scAlt | VK_F4, "Alt+F4"},
      {VK_RETURN, "Enter"},            {scCtrl | VK_INSERT, "Ctrl+Ins"}, {VK_ESCAPE, "Esc"},
      {scCtrl | '5', "Ctrl+5"},        {VK_BACK, "BkSp"},            {VK_NEXT, "PgDn"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
    EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
  }
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(TextToShortCut("ctrl+d"), scCtrl | 'D');
  EXPECT_EQ(TextToShortCut("Alt+Ctrl+X"), scCtrl | scAlt | 'X');
  for (const char* bad : {"", "Ctrl+", "Bogus", "Ctrl+Bogus", "Alt+PP"}) EXPECT_EQ(TextToShortCut(bad), scNone) << bad;

  EXPECT_EQ(ShortCut('D', ssCtrl), scCtrl | 'D');
  EXPECT_EQ(ShortCut('P', ssAlt | ssShift), scAlt | scShift | 'P');
  EXPECT_EQ(ShortCut(0x100, ssCtrl), scNone);
  Word key = 0;
  TShiftState shift = 0;
  ShortCutToKey(scCtrl | scAlt | 'K', key, shift);
  EXPECT_EQ(key, 'K');
  EXPECT_EQ(shift, TShiftState(ssCtrl | ssAlt));

  EXPECT_EQ(StripHotkey("&Open DVD"), "Open DVD");
  EXPECT_EQ(StripHotkey("Save && &Exit"), "Save & Exit");
  EXPECT_EQ(GetHotkey("Output &Folder:"), 'F');
  EXPECT_EQ(GetHotkey("R&&D"), 0);
  EXPECT_TRUE(IsAccel('O', "&Open DVD"));
  EXPECT_TRUE(IsAccel('o', "&Open DVD"));
  EXPECT_FALSE(IsAccel('D', "&Open DVD"));
}

TEST(Menus, RethinkLinesHidesLeadingTrailingAndDoubledSeparators) {
  TPopupMenu menu(nullptr);
  const char* captions[] = {"-", "Play", "-", "-", "Hidden", "-", "Stop", "-"};
  std::vector<TMenuItem*> items;
  for (const char* caption : captions) {
    items.push_back(NewItem(&menu, caption));
    menu.Items()->Add(items.back());
  }
  items[4]->SetVisible(false);
  EXPECT_TRUE(menu.Items()->RethinkLines());
  String shown;
  for (TMenuItem* item : items) shown += item->Visible() ? 'v' : '.';
  EXPECT_EQ(shown, ".vv...v.");
  EXPECT_FALSE(menu.Items()->RethinkLines());
}
