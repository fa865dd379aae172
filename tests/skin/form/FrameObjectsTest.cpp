// Frame objects: records to objects, enabling by the border icons, morphing in
// five ticks, group buttons, caption-button commands, the caption animation's
// timing, the by-name interface, the looks a skin without a named picture can
// give, and the value objects' rules and guards.
#include <gtest/gtest.h>

#include <typeinfo>

#include "skin/draw/SkinRects.h"
#include "skin/form/SkinCaptionObject.h"
#include "skin/form/SkinValueObjects.h"
#include "tests/skin/SkinTestPictures.h"
#include "tests/skin/form/FrameFixtures.h"

namespace {

template <class T>
T* Object(TspDynamicSkinForm* frame, const String& name) {
  const Integer i = frame->GetIndex(name);
  return i < 0 ? nullptr : dynamic_cast<T*>(frame->Objects()[i].get());
}

template <class R>
R* AddRecord(FrameSkin& skin, const String& name, TRect skinrect) {
  auto record = std::make_unique<R>(name);
  record->skinrect = skinrect;
  R* made = record.get();
  skin.data.ObjectList.push_back(std::move(record));
  return made;
}

}  // namespace

TEST(FrameObjects, RecordsBecomeObjectsInOrder) {
  FrameSkin skin;
  AddRecord<TspDataSkinMainMenuItem>(skin, "menuitem", {0, 30, 10, 40});
  AddRecord<TspDataSkinGauge>(skin, "gauge", {0, 30, 10, 40});
  AddRecord<TspDataSkinButton>(skin, "button", {0, 30, 10, 40});
  AddRecord<TspDataUserObject>(skin, "user", {0, 30, 10, 40});
  AddRecord<TspDataSkinSwitch>(skin, "switch", {0, 30, 10, 40});
  AddRecord<TspDataSkinTrackBar>(skin, "track", {0, 30, 10, 40});
  AddRecord<TspDataSkinLabel>(skin, "label", {0, 30, 10, 40});
  AddRecord<TspDataSkinAnimate>(skin, "animate", {0, 30, 10, 40});
  AddRecord<TspDataSkinBitLabel>(skin, "bits", {0, 30, 10, 40});
  AddRecord<TspDataSkinFrameRegulatorObject>(skin, "regulator", {0, 30, 10, 40});
  AddRecord<TspDataSkinFrameGaugeObject>(skin, "framegauge", {0, 30, 10, 40});
  FrameForm f(&skin.data);
  const std::type_info* expected[] = {
      &typeid(TspSkinCaptionObject),   &typeid(TspSkinStdButtonObject),      &typeid(TspSkinStdButtonObject),
      &typeid(TspSkinStdButtonObject), &typeid(TspSkinGaugeObject),          &typeid(TspSkinButtonObject),
      &typeid(TspUserObject),          &typeid(TspSkinSwitchObject),         &typeid(TspSkinTrackBarObject),
      &typeid(TspSkinLabelObject),     &typeid(TspSkinAnimateObject),        &typeid(TspSkinBitLabelObject),
      &typeid(TspSkinFrameRegulatorObject), &typeid(TspSkinFrameGaugeObject),
  };
  ASSERT_EQ(f.frame->Objects().size(), std::size(expected)) << "the menu item makes no object";
  for (size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(typeid(*f.frame->Objects()[i]), *expected[i]) << i;
}

// Without a skin the six default buttons exist; a skin without buttons has none.
TEST(FrameObjects, DefaultButtonsOnlyWithoutSkin) {
  FrameForm plain(nullptr);
  plain.frame->PaintNCDefault(nullptr, false);
  ASSERT_EQ(plain.frame->Objects().size(), 6u);
  EXPECT_EQ(plain.frame->Objects()[4]->IDName, "sysmenubutton");
  EXPECT_FALSE(Object<TspSkinStdButtonObject>(plain.frame, "traybutton")->Visible);

  FrameSkin skin;
  FrameForm buttons(&skin.data);
  EXPECT_EQ(buttons.frame->Objects()[1]->Hint, "Close") << "the default hint without interface strings";
  skin.data.ObjectList.resize(1);  // the caption alone
  FrameForm f(&skin.data);
  EXPECT_EQ(f.frame->Objects().size(), 1u);
}

TEST(FrameObjects, HideCaptionButtonsAndCustomButtons) {
  FrameSkin skin;
  skin.AddButton("own", cmMinimize)->skinrectinapicture = false;
  skin.AddButton("custom", cmDefault);
  FrameForm f(&skin.data);
  f.frame->HideCaptionButtons = true;
  f.frame->CheckObjects();
  auto* own = Object<TspSkinStdButtonObject>(f.frame, "own");
  EXPECT_FALSE(own->Enabled);
  EXPECT_TRUE(own->Visible) << "a button with a picture of its own stays visible";
  EXPECT_FALSE(Object<TspSkinStdButtonObject>(f.frame, "closebutton")->Visible);

  f.frame->HideCaptionButtons = false;
  f.frame->OnActivateCustomObject = TspActivateCustomObjectEvent::Function([](const String& id, bool& visible) {
    visible = id == "custom";
  });
  f.frame->CheckObjects();
  EXPECT_TRUE(Object<TspSkinStdButtonObject>(f.frame, "custom")->Visible);
}

// A morph from the normal to the active look takes five 25 ms ticks; the
// timer stops itself on the sixth.
TEST(FrameObjects, MorphInFiveTicks) {
  FrameSkin skin;
  auto* record = skin.AddButton("morpher", cmDefault);
  record->Morphing = true;
  FrameForm f(&skin.data);
  auto* button = Object<TspSkinStdButtonObject>(f.frame, "morpher");
  button->MouseEnter();
  EXPECT_TRUE(f.frame->MorphTimer()->Enabled());
  for (int tick = 1; tick <= 5; ++tick) {
    f.frame->TestMorph(nullptr);
    EXPECT_NEAR(button->MorphKf, 0.2 * tick, 1e-9);
  }
  EXPECT_EQ(button->MorphKf, 1.0);
  f.frame->TestMorph(nullptr);
  EXPECT_FALSE(f.frame->MorphTimer()->Enabled());
  // Leaving halfway morphs back from the reached factor.
  button->MouseLeave();
  f.frame->TestMorph(nullptr);
  f.frame->TestMorph(nullptr);
  button->MouseEnter();
  f.frame->TestMorph(nullptr);
  EXPECT_NEAR(button->MorphKf, 0.8, 1e-9);
}

TEST(FrameObjects, GroupButtonsReleaseOneOther) {
  FrameSkin skin;
  for (const char* name : {"a", "b", "c"}) {
    auto* r = AddRecord<TspDataSkinButton>(skin, name, {0, 30, 10, 40});
    r->GroupIndex = 1;
    r->activepictureindex = 0;
    r->downrect = {32, 0, 48, 16};
  }
  FrameForm f(&skin.data);
  auto* a = Object<TspSkinButtonObject>(f.frame, "a");
  auto* b = Object<TspSkinButtonObject>(f.frame, "b");
  auto* c = Object<TspSkinButtonObject>(f.frame, "c");
  a->MouseDown(0, 0, mbLeft);
  a->MouseUp(0, 0, mbLeft);
  EXPECT_TRUE(a->Down) << "a group button stays down";
  b->MouseDown(0, 0, mbLeft);
  EXPECT_FALSE(a->Down);
  EXPECT_TRUE(b->Down);
  EXPECT_FALSE(c->Down);
  int downs = 0;
  f.frame->OnMouseDownEvent = TspObjectMouseEvent::Function([&](const String&, Integer, Integer, TRect, TMouseButton) { ++downs; });
  b->Enabled = false;
  b->MouseDown(0, 0, mbLeft);
  EXPECT_EQ(downs, 0) << "a disabled button fires nothing";
}

// The close button releases itself before the form closes; maximize acts
// before its release.
TEST(FrameObjects, CommandOrder) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  auto press = [](TspSkinStdButtonObject* b) {
    b->Active = b->MouseOver = true;
    b->SetDown(true);
  };
  auto* close = Object<TspSkinStdButtonObject>(f.frame, "closebutton");
  bool downAtClose = true;
  int closes = 0;
  f.form->OnClose = TCloseEvent::Function([&](TObject*, TCloseAction& action) {
    downAtClose = close->Down;
    ++closes;
    action = caNone;
  });
  press(close);
  close->MouseUp(0, 0, mbLeft);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(downAtClose);

  auto* max = Object<TspSkinStdButtonObject>(f.frame, "maxbutton");
  bool downAtMaximize = false;
  f.frame->MonitorArea = [](HWND, bool) { return TRect{0, 0, 640, 480}; };
  f.frame->OnMaximize = TNotifyEvent::Function([&](TObject*) { downAtMaximize = max->Down; });
  press(max);
  max->MouseUp(0, 0, mbLeft);
  EXPECT_TRUE(downAtMaximize);
  EXPECT_EQ(f.frame->WindowState(), wsMaximized);
  EXPECT_TRUE(max->InRestoreState());
  // A release away from the button does nothing.
  max->Active = false;
  max->SetDown(true);
  max->MouseUp(0, 0, mbLeft);
  EXPECT_EQ(f.frame->WindowState(), wsMaximized);
}

// framecount 4 and AnimateInterval 100: a frame every fourth tick, from 1 up
// to 5; the timer stops when nothing moves.
TEST(FrameObjects, CaptionAnimationTiming) {
  FrameSkin skin;
  auto* caption = dynamic_cast<TspDataSkinCaption*>(skin.data.ObjectList[0].get());
  caption->activepictureindex = 0;
  caption->animateskinrect = {0, 0, 48, 12};
  caption->framecount = 4;
  caption->AnimateInterval = 100;
  FrameForm f(&skin.data);
  f.Activate();
  ASSERT_TRUE(f.frame->FormActive());
  auto* object = f.frame->FirstCaption();
  ASSERT_TRUE(object->EnableAnimation());
  object->AnimationFrame = 1;
  object->AnimationTime = 25;
  object->Active = true;
  f.frame->AnimateTimer()->SetEnabled(true);
  std::vector<Integer> frames;
  for (int tick = 1; tick <= 16; ++tick) {
    f.frame->TestAnimate(nullptr);
    frames.push_back(object->AnimationFrame);
  }
  EXPECT_EQ(frames, (std::vector<Integer>{1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5}));
  for (int tick = 17; tick <= 19; ++tick) f.frame->TestAnimate(nullptr);
  EXPECT_TRUE(f.frame->AnimateTimer()->Enabled());
  f.frame->TestAnimate(nullptr);
  EXPECT_FALSE(f.frame->AnimateTimer()->Enabled());
}

TEST(FrameObjects, ByNameDefaults) {
  FrameSkin skin;
  AddRecord<TspDataSkinSwitch>(skin, "twin", {0, 30, 10, 40});
  AddRecord<TspDataSkinButton>(skin, "twin", {0, 30, 10, 40});
  FrameForm f(&skin.data);
  EXPECT_EQ(f.frame->SwitchGetState("none"), swsOff);
  EXPECT_FALSE(f.frame->ButtonGetDown("none"));
  EXPECT_EQ(f.frame->TrackBarGetValue("none"), 0);
  EXPECT_EQ(f.frame->FrameRegulatorGetValue("none"), 0);
  f.frame->SwitchSetState("twin", swsOn);
  EXPECT_EQ(f.frame->SwitchGetState("twin"), swsOn);
  f.frame->ButtonSetDown("twin", true);
  EXPECT_FALSE(f.frame->ButtonGetDown("twin")) << "only the first object of a name is reachable";
  f.frame->SetEnabled("twin", false);
  EXPECT_FALSE(f.frame->Objects()[f.frame->GetIndex("twin")]->Enabled);
  f.frame->LabelSetText("none", "x");  // nothing to find: nothing happens
}

// An object whose skin names no valid picture shows its normal look for the
// looks that need one (down, disabled, restore, frames), and never fails.
TEST(FrameObjects, LooksWithoutANamedPicture) {
  FrameSkin skin;
  auto* down = skin.AddButton("downer", cmDefault);
  down->activepictureindex = 7;  // outside the list
  down->skinrectinapicture = false;
  down->skinrect = {20, 0, 30, 10};
  auto* animate = AddRecord<TspDataSkinAnimate>(skin, "anim", {20, 0, 30, 10});
  animate->activepictureindex = 9;
  animate->countframes = 3;
  animate->DownSkinRect = {0, 0, 10, 10};
  FrameForm f(&skin.data);
  auto* button = Object<TspSkinStdButtonObject>(f.frame, "downer");
  ASSERT_EQ(button->ActivePicture, nullptr);
  EXPECT_TRUE(IsNullRect(button->activeskinrect)) << "no active look without a picture";
  button->ObjectRect = {0, 0, 10, 10};
  button->MouseOver = button->Down = true;
  TBitmap canvas;
  PaintZones(canvas, 10, 10, {});
  button->Draw(canvas.Canvas(), true);
  EXPECT_EQ(At(canvas, 5, 5), kCaptionColor) << "the normal look from the frame picture";
  button->Enabled = false;
  button->disableskinrsect = {0, 0, 10, 10};
  EXPECT_NO_FATAL_FAILURE(button->Draw(canvas.Canvas(), true));
  auto* anim = Object<TspSkinAnimateObject>(f.frame, "anim");
  anim->ObjectRect = {0, 0, 10, 10};
  anim->Down = anim->MouseOver = anim->MenuOpened = true;
  EXPECT_NO_FATAL_FAILURE(anim->Draw(canvas.Canvas(), true));
}

// ---- value objects ----

TEST(FrameValueObjects, TrackBarExample) {
  FrameSkin skin;
  auto* r = AddRecord<TspDataSkinTrackBar>(skin, "track", {0, 60, 120, 70});
  r->beginpoint = {10, 5};
  r->endpoint = {110, 5};
  r->MinValue = 0;
  r->MaxValue = 100;
  r->mousedownchangevalue = true;
  r->ButtonRect = {0, 0, 6, 6};
  r->activepictureindex = 0;
  FrameForm f(&skin.data);
  auto* track = Object<TspSkinTrackBarObject>(f.frame, "track");
  track->ObjectRect = {0, 60, 120, 70};
  std::vector<Integer> events;
  f.frame->OnTrackBarChangeValueEvent = TspValueEvent::Function([&](const String&, Integer v) { events.push_back(v); });
  track->MouseDown(300, 62, mbLeft);
  EXPECT_EQ(track->ButtonPos.X, 110);
  EXPECT_EQ(track->Value, 100);
  track->MouseUp(300, 62, mbLeft);
  // Drag from the button: beyond the end the button stays at its last place.
  track->MouseDown(110, 65, mbLeft);
  ASSERT_TRUE(track->Dragging);
  track->MouseMove(100, 65);
  EXPECT_EQ(track->ButtonPos.X, 100);
  EXPECT_EQ(track->Value, 90);
  track->MouseMove(140, 65);
  EXPECT_EQ(track->ButtonPos.X, 100);
  EXPECT_EQ(events, (std::vector<Integer>{100, 90}));
  f.frame->TrackBarSetValue("track", 250);
  EXPECT_EQ(f.frame->TrackBarGetValue("track"), 100) << "clamped";
}

// Equal bounds, a track without length and strips of fewer than two frames
// draw and drag without dividing by zero.
TEST(FrameValueObjects, DegenerateSkins) {
  FrameSkin skin;
  auto* track = AddRecord<TspDataSkinTrackBar>(skin, "track", {0, 60, 120, 70});
  track->MinValue = track->MaxValue = 5;
  track->beginpoint = track->endpoint = {10, 5};
  auto* gauge = AddRecord<TspDataSkinGauge>(skin, "gauge", {0, 60, 120, 70});
  gauge->MinValue = gauge->MaxValue = 3;
  auto* reg = AddRecord<TspDataSkinFrameRegulatorObject>(skin, "reg", {0, 0, 20, 20});
  reg->countframes = 1;
  reg->MaxValue = 10;
  reg->Kind = rkHorizontal;
  reg->activeskinrect = {0, 0, 20, 20};
  reg->activepictureindex = 0;
  auto* round = AddRecord<TspDataSkinFrameRegulatorObject>(skin, "round", {0, 0, 20, 20});
  round->countframes = 0;
  round->MaxValue = 10;
  auto* fg = AddRecord<TspDataSkinFrameGaugeObject>(skin, "fg", {0, 0, 20, 20});
  fg->countframes = 4;
  fg->MaxValue = 8;
  fg->activeskinrect = {0, 0, 48, 12};
  fg->activepictureindex = 0;
  FrameForm f(&skin.data);
  auto* t = Object<TspSkinTrackBarObject>(f.frame, "track");
  t->SetValue(9);
  EXPECT_EQ(t->Value, 5);
  EXPECT_EQ(t->ButtonPos, Point(10, 5));
  t->SetButtonPos(Point(12, 5));
  EXPECT_EQ(t->Value, 5);
  auto* g = Object<TspSkinGaugeObject>(f.frame, "gauge");
  EXPECT_EQ(g->CalcProgressPos(), Point(0, 0));
  auto* rg = Object<TspSkinFrameRegulatorObject>(f.frame, "reg");
  rg->ObjectRect = {0, 0, 20, 20};
  rg->MouseDown(0, 0, mbLeft);
  rg->MouseMove(25, 0);  // one frame 20 px wide: a step is 20 px
  EXPECT_EQ(rg->Value, 10);
  EXPECT_EQ(rg->CalcFrame(), 1);
  auto* rd = Object<TspSkinFrameRegulatorObject>(f.frame, "round");
  rd->ObjectRect = {0, 0, 20, 20};
  EXPECT_EQ(rd->GetRoundValue(10, 10), 0) << "the centre has no direction";
  rd->MouseDown(10, 10, mbLeft);
  rd->MouseMove(0, 10);
  EXPECT_GE(rd->Value, 0);
  // 0..8 over 4 frames steps by 2: 8 would be frame 5, the last is 4.
  auto* frameGauge = Object<TspSkinFrameGaugeObject>(f.frame, "fg");
  frameGauge->SetValue(8);
  EXPECT_EQ(frameGauge->CalcFrame(), 4);
  frameGauge->SetFrame(4);
  EXPECT_EQ(frameGauge->Frame, 4) << "the last frame is accepted";
  frameGauge->SetFrame(5);
  EXPECT_EQ(frameGauge->Frame, 4);
}

TEST(FrameValueObjects, FrameGaugeAndRegulatorExamples) {
  FrameSkin skin;
  auto* fg = AddRecord<TspDataSkinFrameGaugeObject>(skin, "fg", {0, 0, 30, 10});
  fg->countframes = 11;
  fg->MaxValue = 100;
  fg->activeskinrect = {0, 0, 330, 10};
  fg->activepictureindex = 0;
  auto* one = AddRecord<TspDataSkinFrameGaugeObject>(skin, "one", {0, 0, 30, 10});
  one->countframes = 1;
  one->MaxValue = 100;
  auto* reg = AddRecord<TspDataSkinFrameRegulatorObject>(skin, "reg", {0, 0, 30, 10});
  reg->countframes = 11;
  reg->MaxValue = 100;
  reg->Kind = rkHorizontal;
  reg->activeskinrect = {0, 0, 330, 10};
  reg->activepictureindex = 0;
  FrameForm f(&skin.data);
  f.frame->FrameGaugeSetValue("fg", 95);
  EXPECT_EQ(Object<TspSkinFrameGaugeObject>(f.frame, "fg")->CalcFrame(), 10);
  f.frame->FrameGaugeSetValue("one", 95);
  EXPECT_EQ(Object<TspSkinFrameGaugeObject>(f.frame, "one")->CalcFrame(), 1);
  auto* r = Object<TspSkinFrameRegulatorObject>(f.frame, "reg");
  r->ObjectRect = {0, 0, 30, 10};
  r->MouseDown(10, 5, mbLeft);
  r->MouseMove(12, 5);
  EXPECT_EQ(r->Value, 0);
  r->MouseMove(13, 5);
  EXPECT_EQ(r->Value, 10);
  EXPECT_EQ(r->StepSize, 3);
  EXPECT_EQ(r->CalcFrame(), 2);
  r->MouseMove(22, 5);
  EXPECT_EQ(r->Value, 20) << "one step however far";
  r->ObjectRect = {0, 0, 40, 40};
  struct Angle {
    int x, y, degrees;
  } angles[] = {{20, 40, 0}, {0, 20, 90}, {20, 0, 180}, {40, 20, 270}};
  for (const Angle& a : angles) EXPECT_EQ(r->GetRoundValue(a.x, a.y), a.degrees) << a.x << "," << a.y;
}

// A gauge at its minimum draws nothing into a full frame paint and its empty
// look when drawn alone; an active label without its own look and with equal
// colours draws nothing.
TEST(FrameValueObjects, GaugeAndLabelDrawing) {
  FrameSkin skin;
  auto* gauge = AddRecord<TspDataSkinGauge>(skin, "gauge", {0, 0, 10, 10});
  gauge->MaxValue = 10;
  gauge->activepictureindex = 0;
  gauge->activeskinrect = {16, 0, 26, 10};
  auto* label = AddRecord<TspDataSkinLabel>(skin, "label", {0, 0, 10, 10});
  label->FontColor = label->ActiveFontColor = clBlack;
  FrameForm f(&skin.data);
  auto* g = Object<TspSkinGaugeObject>(f.frame, "gauge");
  g->ObjectRect = {0, 0, 10, 10};
  TBitmap paper;
  PaintZones(paper, 10, 10, {});
  g->Draw(paper.Canvas(), false);
  EXPECT_EQ(At(paper, 5, 5), clWhite);
  g->Draw(paper.Canvas(), true);
  EXPECT_EQ(At(paper, 5, 5), kCaptionColor);
  g->SimplySetValue(5);
  g->Draw(paper.Canvas(), false);
  EXPECT_EQ(At(paper, 2, 5), kButtonHover) << "filled from the left";
  EXPECT_EQ(At(paper, 7, 5), kCaptionColor);
  auto* l = Object<TspSkinLabelObject>(f.frame, "label");
  l->ObjectRect = {0, 0, 10, 10};
  l->Active = true;
  PaintZones(paper, 10, 10, {});
  l->Draw(paper.Canvas(), true);
  EXPECT_EQ(At(paper, 5, 5), clWhite);
}

// ---- caption ----

TEST(FrameCaption, TextAreaStretchClassAndText) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  f.form->SetCaption("Title");
  auto* caption = f.frame->FirstCaption();
  EXPECT_EQ(caption->ObjectRect, Rect(10, 0, 150, 24));
  EXPECT_EQ(caption->StretchClass(), 1) << "the top band";
  EXPECT_EQ(caption->TextArea(), Rect(0, 0, 140, 24)) << "the text area grows with the caption";
  EXPECT_EQ(caption->CaptionText(), "Title");
  caption->FrameRect = {0, 0, 30, 20};
  caption->frametextrect = {5, 3, 25, 17};
  EXPECT_EQ(caption->TextArea(), Rect(5, 3, 135, 24));
  caption->ObjectRect = caption->skinrect;
  EXPECT_EQ(caption->StretchClass(), 0);
}

// Light and shadow: the text three times (light up-left, shadow down-right,
// then the text); a caption too long for its area ends in an ellipsis.
TEST(FrameCaption, LightShadowAndEllipsis) {
  FrameSkin skin;
  auto* record = dynamic_cast<TspDataSkinCaption*>(skin.data.ObjectList[0].get());
  record->Light = record->Shadow = true;
  record->LightColor = record->activelightcolor = clWhite;
  record->ShadowColor = record->activeshadowcolor = clBlack;
  record->FontColor = record->ActiveFontColor = clRed;
  record->FontHeight = 20;
  record->FontStyle = fsBold;
  FrameForm f(&skin.data);
  f.form->SetCaption("I");
  auto* caption = f.frame->FirstCaption();
  TBitmap paper;
  PaintZones(paper, 200, 30, {{{0, 0, 200, 30}, clBlue}});
  caption->Draw(paper.Canvas(), false);
  bool red = false, white = false, black = false;
  for (int y = 0; y < 24; ++y)
    for (int x = 10; x < 40; ++x) {
      const TColor c = At(paper, x, y);
      red |= c == clRed, white |= c == clWhite, black |= c == clBlack;
    }
  EXPECT_TRUE(red && white && black);
  f.form->SetCaption(String(200, 'W'));
  PaintZones(paper, 200, 30, {{{0, 0, 200, 30}, clBlue}});
  caption->Draw(paper.Canvas(), false);
  for (int y = 0; y < 24; ++y)
    for (int x = 152; x < 200; ++x) ASSERT_EQ(At(paper, x, y), clBlue) << "nothing past the text area";
}
