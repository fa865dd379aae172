#include "tests/skin/controls/BoxFixtures.h"

#include "skin/data/ControlRecords.h"
#include "tests/skin/SkinTestPictures.h"

namespace {

template <class R>
R* AddRecord(TspSkinData& data, const String& name) {
  auto record = std::make_unique<R>(name);
  record->pictureindex = 0;
  R* made = record.get();
  data.CtrlList.push_back(std::move(record));
  return made;
}

}  // namespace

// Picture layout (x, y): scroll bar 0..60 x 0..16 (buttons 0..16 and 44..60,
// track between, thumb piece 60..76, hot and pressed arrows at 80/96); edit
// 0..60 x 20..40 (client 4..56 x 4..16); spin edit 0..60 x 40..60; combo box
// 100..160 x 0..20; list box 100..160 x 20..60; tab frame 100..160 x 60..100
// with tabs at 160..200 x 60..80 (normal) and 160..200 x 80..100 (active);
// button 0..20 x 60..80 (hot 20..40, pressed 40..60).
BoxSkin::BoxSkin() : data(nullptr) {
  auto picture = std::make_unique<TBitmap>();
  PaintZones(*picture, 200, 100,
             {{{0, 0, 60, 16}, kFace},        {{16, 2, 44, 14}, kClient},    {{60, 0, 76, 16}, kThumb},
              {{80, 0, 96, 16}, kActive},     {{96, 0, 112, 16}, kDown},     {{0, 20, 60, 40}, kFace},
              {{4, 24, 56, 36}, kClient},     {{0, 40, 60, 60}, kFace},      {{4, 44, 40, 56}, kClient},
              {{100, 0, 160, 20}, kFace},     {{104, 4, 140, 16}, kClient},  {{100, 20, 160, 60}, kFace},
              {{104, 24, 156, 56}, kClient},  {{100, 60, 160, 100}, kFace},  {{104, 64, 156, 96}, kClient},
              {{160, 60, 200, 80}, kThumb},   {{160, 80, 200, 100}, kActiveTab}, {{0, 60, 20, 80}, kFace},
              {{20, 60, 40, 80}, kActive},    {{40, 60, 60, 80}, kDown},     {{60, 20, 100, 30}, kItem},
              {{60, 30, 100, 40}, kSelected}});
  data.ActivePictures.push_back(std::move(picture));

  for (const char* name : {"hscrollbar", "bothhscrollbar"}) {
    auto* bar = AddRecord<TspDataSkinScrollBarControl>(data, name);
    bar->skinrect = {0, 0, 60, 16};
    bar->lefttoppoint = {16, 0};
    bar->righttoppoint = {40, 0};
    bar->clientrect = {16, 0, 44, 16};
    bar->trackarea = {16, 0, 44, 16};
    bar->upbuttonrect = {44, 0, 60, 16};
    bar->downbuttonrect = {0, 0, 16, 16};
    bar->activeupbuttonrect = {80, 0, 96, 16};
    bar->activedownbuttonrect = {80, 0, 96, 16};
    bar->downupbuttonrect = {96, 0, 112, 16};
    bar->thumbrect = {60, 0, 76, 16};
  }
  auto* edit = AddRecord<TspDataSkinEditControl>(data, "edit");
  edit->skinrect = {0, 20, 60, 40};
  edit->lefttoppoint = {4, 0};
  edit->righttoppoint = {56, 0};
  edit->clientrect = {4, 4, 56, 16};
  edit->fontcolor = 0x000080;
  edit->activefontcolor = 0x800000;
  edit->disabledfontcolor = 0x808080;
  auto* spin = AddRecord<TspDataSkinSpinEditControl>(data, "spinedit");
  spin->skinrect = {0, 40, 60, 60};
  spin->lefttoppoint = {4, 0};
  spin->righttoppoint = {40, 0};
  spin->clientrect = {4, 4, 40, 16};
  spin->upbuttonrect = {44, 2, 58, 10};
  spin->downbuttonrect = {44, 10, 58, 18};
  auto* combo = AddRecord<TspDataSkinComboBox>(data, "combobox");
  combo->skinrect = {100, 0, 160, 20};
  combo->lefttoppoint = {4, 0};
  combo->righttoppoint = {40, 0};
  combo->clientrect = {4, 4, 40, 16};
  combo->buttonrect = {42, 2, 58, 18};
  combo->itemtextrect = {0, 0, 36, 12};
  combo->listboxname = "listbox";
  auto* list = AddRecord<TspDataSkinListBox>(data, "listbox");
  list->skinrect = {100, 20, 160, 60};
  list->lefttoppoint = {4, 4};
  list->righttoppoint = {56, 4};
  list->leftbottompoint = {4, 36};
  list->rightbottompoint = {56, 36};
  list->clientrect = {4, 4, 56, 36};
  list->itemrect = {60, 20, 100, 30};
  list->activeitemrect = {60, 30, 100, 40};
  list->itemtextrect = {2, 0, 38, 10};
  list->vscrollbarname = "hscrollbar";
  auto* tab = AddRecord<TspDataSkinTabControl>(data, "tab");
  tab->skinrect = {100, 60, 160, 100};
  tab->clientrect = {4, 4, 56, 36};
  tab->lefttoppoint = {4, 4};
  tab->righttoppoint = {56, 4};
  tab->leftbottompoint = {4, 36};
  tab->rightbottompoint = {56, 36};
  tab->tabrect = {160, 60, 200, 80};
  tab->activetabrect = {160, 80, 200, 100};
  tab->tableftoffset = 4;
  tab->tabrightoffset = 4;
  tab->updown = "hupdown";
  auto* button = AddRecord<TspDataSkinButtonControl>(data, "resizebutton");
  button->skinrect = {0, 60, 20, 80};
  button->activeskinrect = {20, 60, 40, 80};
  button->downskinrect = {40, 60, 60, 80};
  button->lefttoppoint = {3, 3};
  button->righttoppoint = {17, 3};
  button->leftbottompoint = {3, 17};
  button->rightbottompoint = {17, 17};
  button->clientrect = {3, 3, 17, 17};
  auto* view = AddRecord<TspDataSkinListView>(data, "listview");
  view->bgcolor = 0xE0FFFF;
  view->fontcolor = 0x400000;
  auto* updown = AddRecord<TspDataSkinUpDownControl>(data, "hupdown");
  updown->skinrect = {0, 60, 40, 80};
  updown->upbuttonrect = {20, 0, 40, 20};
  updown->downbuttonrect = {0, 0, 20, 20};
  AddRecord<TspDataSkinEditControl>(data, "notbutton")->skinrect = {0, 20, 60, 40};
  data.Empty = false;
}

UINT BoxClock::Interval(TWinControl* control, UINT id) {
  return control->HandleAllocated() ? Clock().WindowTimerInterval(control->Handle(), id) : 0;
}

void BoxClock::Tick(TWinControl* control, UINT id) { control->Perform(WM_TIMER, id, 0); }

BoxForm::BoxForm() {
  form = NewForm<TForm>(nullptr);
  form->SetBounds(0, 0, 400, 300);
  form->Show();
}

BoxForm::~BoxForm() { delete form; }
