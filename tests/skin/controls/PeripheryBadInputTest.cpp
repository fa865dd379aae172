// Skin records an untrusted skin may hold for the periphery's controls: missing
// pictures, empty rectangles, zero frames; and controls too small to show
// anything. Each draws a default or clipped look and nothing fails.
#include <gtest/gtest.h>

#include <functional>

#include "skin/controls/bars/SkinAnimateGauge.h"
#include "skin/controls/bars/SkinControlBar.h"
#include "skin/controls/bars/SkinSlider.h"
#include "skin/controls/bars/SkinSplitter.h"
#include "skin/controls/frames/FrameSkinControl.h"
#include "skin/controls/labels/SkinBitLabel.h"
#include "skin/controls/panels/SkinExPanel.h"
#include "skin/controls/panels/SkinScrollPanel.h"
#include "skin/controls/views/SkinRichEdit.h"
#include "skin/controls/views/SkinTreeView.h"
#include "skin/draw/SkinClock.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

struct Hostile {
  const char* type;
  const char* lines;
};

// Per type word: a record without a picture, one with empty rectangles, one with
// zero frames or cells.
const Hostile kRecords[] = {
    {"expanel", "pictureindex=9;skinrect=0,0,40,40;rollvskinrect=0,50,40,70"},
    {"expanel", "skinrect=0,0,0,0;captionrect=0,0,0,0;closebuttonrect=0,0,0,0;rollhskinrect=0,0,0,0"},
    {"slider", "pictureindex=9;hrulerrect=0,0,60,6;hthumbrect=0,10,22,31"},
    {"slider", "hrulerrect=0,0,0,0;hthumbrect=0,0,0,0;vrulerrect=0,0,0,0;edgesize=40"},
    {"splitter", "pictureindex=9;skinrect=0,0,6,40;gripperrect=10,0,12,14"},
    {"splitter", "skinrect=0,0,0,0;gripperrect=0,0,0,0"},
    {"controlbar", "pictureindex=9;skinrect=0,0,40,30;itemrect=50,0,90,24"},
    {"controlbar", "skinrect=0,0,0,0;clientrect=0,0,0,0;itemrect=0,0,0,0;bgpictureindex=7"},
    {"switch", "pictureindex=9;skinrect=0,0,40,20;framescount=2"},
    {"switch", "skinrect=0,0,0,0;framescount=0"},
    {"animate", "skinrect=0,0,3,3;framescount=9"},
    {"framegauge", "skinrect=0,0,10,10;framescount=0"},
    {"bitlabel", "pictureindex=9;skinrect=0,0,40,16;skintextrect=0,20,40,30;symbolwidth=8;symbolheight=10"},
    {"bitlabel", "skinrect=0,0,40,16;skintextrect=0,20,40,30;symbolwidth=0;symbolheight=0"},
    {"treeview", "pictureindex=9"},
    {"richedit", "skinrect=0,0,0,0"},
    {"gauge", "skinrect=0,0,40,16;progressarea=0,0,0,0;animationskinrect=0,20,2,30;animationcountframes=1"},
};

template <class C>
std::function<TControl*(TForm*)> Maker(TRect r) {
  return [r](TForm* form) {
    auto* c = new C(form);
    c->SetParent(form);
    c->SetBoundsRect(r);
    return static_cast<TControl*>(c);
  };
}

void SetSkin(TControl* c, TspSkinData* data, const String& name) {
  if (auto* s = dynamic_cast<TspSkinControl*>(c)) s->SkinDataName = name, s->SetSkinData(data);
  if (auto* s = dynamic_cast<TspSkinSplitter*>(c)) s->SkinDataName = name, s->SetSkinData(data);
  if (auto* s = dynamic_cast<TspSkinCustomTreeView*>(c)) s->SkinDataName = name, s->SetSkinData(data);
  if (auto* s = dynamic_cast<TspSkinRichEdit*>(c)) s->SkinDataName = name, s->SkinSupport = true, s->SetSkinData(data);
  if (auto* s = dynamic_cast<TspSkinControlBar*>(c)) s->SkinDataName = name, s->SetSkinBevel(true), s->SetSkinData(data);
}

}  // namespace

TEST(PeripheryBadInput, HostileRecordsAndTinyControlsDrawWithoutFailing) {
  TspManualSkinClockScope clock;
  TestSkin skin;
  std::vector<String> names;
  for (size_t i = 0; i < std::size(kRecords); ++i) {
    String name = "hostile" + std::to_string(i);
    skin.Add(kRecords[i].type, name, kRecords[i].lines);
    names.push_back(name);
  }
  skin.Finish();
  skin.data.EnableSkinEffects = true;
  std::vector<std::function<TControl*(TForm*)>> makers;
  for (TRect r : {TRect{0, 0, 120, 60}, TRect{0, 0, 2, 2}, TRect{0, 0, 0, 0}}) {
    makers.push_back(Maker<TspSkinExPanel>(r));
    makers.push_back(Maker<TspSkinScrollPanel>(r));
    makers.push_back(Maker<TspSkinSlider>(r));
    makers.push_back(Maker<TspSkinSplitter>(r));
    makers.push_back(Maker<TspSkinSplitterEx>(r));
    makers.push_back(Maker<TspSkinControlBar>(r));
    makers.push_back(Maker<TspSkinSwitch>(r));
    makers.push_back(Maker<TspSkinAnimate>(r));
    makers.push_back(Maker<TspSkinFrameGauge>(r));
    makers.push_back(Maker<TspSkinFrameRegulator>(r));
    makers.push_back(Maker<TspSkinBitLabel>(r));
    makers.push_back(Maker<TspSkinTreeView>(r));
    makers.push_back(Maker<TspSkinRichEdit>(r));
    makers.push_back(Maker<TspSkinAnimateGauge>(r));
  }
  FormFixture f;
  f.form->Show();
  int drawn = 0;
  for (auto& make : makers) {
    for (const String& name : names) {
      TControl* c = make(f.form);
      c->SetCaption("12:45");
      SetSkin(c, &skin.data, name);
      if (auto* g = dynamic_cast<TspSkinAnimateGauge*>(c)) g->StartAnimation();
      if (auto* s = dynamic_cast<TspSkinSwitch*>(c)) s->SetState(swOn);
      if (auto* a = dynamic_cast<TspSkinAnimate*>(c)) a->SetActive(true);
      if (auto* e = dynamic_cast<TspSkinExPanel*>(c)) e->SetRollState(true);
      clock.Clock().Advance(200);
      Render(c);
      if (auto* e = dynamic_cast<TspSkinExPanel*>(c)) e->SetRollKind(rkRollHorizontal), Render(c);
      ++drawn;
      delete c;
    }
  }
  EXPECT_EQ(drawn, static_cast<int>(makers.size() * names.size()));
}
