// The calls the program's windows make on the skinned controls and the events
// each answers with: one row per rule.
#include <gtest/gtest.h>

#include <functional>

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinNotebook.h"
#include "skin/controls/SkinTrackBar.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

struct Counter {
  int count = 0;
  void Hit(TObject*) { ++count; }
  TNotifyEvent Event() { return TNotifyEvent(this, &Counter::Hit); }
};

struct Rule {
  const char* what;
  // Makes the control on the form, hooks the counter, makes the calls.
  std::function<void(FormFixture&, Counter&)> run;
  int events;
};

}  // namespace

TEST(SkinEventRules, CallsFromTheWindows) {
  auto check = [](bool radio, std::vector<bool> values) {
    return [=](FormFixture& f, Counter& c) {
      auto* box = f.Make<TspSkinCheckRadioBox>({0, 0, 100, 20});
      box->SetRadio(radio);
      box->OnClick = c.Event();
      for (bool v : values) box->SetChecked(v);
    };
  };
  auto track = [](std::function<void(TspSkinTrackBar*)> calls) {
    return [=](FormFixture& f, Counter& c) {
      auto* bar = f.Make<TspSkinTrackBar>({0, 0, 100, 20});
      bar->OnChange = c.Event();
      bar->OnLastChange = c.Event();
      calls(bar);
    };
  };
  const Rule rules[] = {
      {"check box SetChecked fires on every call", check(false, {true, true, false, false}), 4},
      {"radio SetChecked(True) fires on every call", check(true, {true, true}), 2},
      {"radio SetChecked(False) fires nothing", check(true, {false, false}), 0},
      {"track bar SetValue fires on a change", track([](TspSkinTrackBar* b) { b->SetValue(60); }), 1},
      {"track bar SetValue of the same value fires nothing", track([](TspSkinTrackBar* b) { b->SetValue(50); }), 0},
      {"track bar SetValue above the bound fires once", track([](TspSkinTrackBar* b) { b->SetValue(500); b->SetValue(400); }), 1},
      {"track bar SetMaxValue below Value fires nothing", track([](TspSkinTrackBar* b) { b->SetMaxValue(10); }), 0},
      {"gauge SetValue fires nothing",
       [](FormFixture& f, Counter& c) {
         auto* gauge = f.Make<TspSkinGauge>({0, 0, 100, 20});
         gauge->OnMouseEnter = c.Event();
         gauge->SetValue(70);
         c.count += gauge->Value() == 70 ? 0 : 100;
       },
       0},
      {"button SetDown fires no click",
       [](FormFixture& f, Counter& c) {
         auto* button = f.Make<TspSkinButton>({0, 0, 75, 25});
         button->OnClick = c.Event();
         button->SetGroupIndex(10);
         button->SetDown(true);
         button->SetDown(false);
       },
       0},
      {"notebook SetPageIndex fires once per change, nothing for the current page",
       [](FormFixture& f, Counter& c) {
         auto* book = f.Make<TspSkinNotebook>({0, 0, 100, 100});
         book->Pages()->Add("Video");
         book->OnPageChanged = c.Event();
         book->SetPageIndex(0);
         book->SetPageIndex(0);
         book->SetPageIndex(1);
         book->SetPageIndex(7);
       },
       2},
  };
  for (const Rule& rule : rules) {
    FormFixture f;
    Counter c;
    rule.run(f, c);
    EXPECT_EQ(c.count, rule.events) << rule.what;
  }
}
