// The button base's mouse tracking and the check box and radio button: state
// cycles, keyboard, accelerators, radio exclusion by parent, custom strips, the
// hot-track glyph colours and the clicks a definition does not fire.
#include <gtest/gtest.h>

#include <vector>

#include "framed/common/RzCommon_Colors.h"
#include "framed/controls/RzCheckBox.h"
#include "framed/controls/RzGlyphCache.h"
#include "framed/controls/RzPanel.h"
#include "framed/controls/RzRadioButton.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/WindowCapture.h"

namespace {

// A check box that shows what the tests look at.
class ProbeCheckBox : public TRzCheckBox {
public:
  using TRzCheckBox::TRzCheckBox;
  using TRzCheckBox::ChangeState;
  std::vector<bool> pressedLooks;  // each pressed-look change, as drawn
  int clicks = 0;
  void Click() override {
    ++clicks;
    TRzCheckBox::Click();
  }

protected:
  void UpdateDisplay() override {
    pressedLooks.push_back(ShowDownVersion());
    TRzCheckBox::UpdateDisplay();
  }
};

class FramedGlyphButton : public FramedForm {
protected:
  void Mouse(TWinControl* c, UINT msg, int x, int y) {
    c->Perform(msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
  }
};

TEST_F(FramedGlyphButton, PressDragAndReleaseSequences) {
  struct Step {
    UINT msg;
    int x, y;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::vector<bool> looks;
    TCheckBoxState state;
  };
  const Case cases[] = {
      {"press and release inside", {{WM_LBUTTONDOWN, 5, 5}, {WM_LBUTTONUP, 5, 5}}, {true, false, false}, cbChecked},
      {"drag out and release outside",
       {{WM_LBUTTONDOWN, 5, 5}, {WM_MOUSEMOVE, 300, 5}, {WM_LBUTTONUP, 300, 5}},
       {true, false, false},
       cbUnchecked},
      {"drag out and back in",
       {{WM_LBUTTONDOWN, 5, 5}, {WM_MOUSEMOVE, -4, 5}, {WM_MOUSEMOVE, 6, 6}, {WM_LBUTTONUP, 6, 6}},
       {true, false, true, false, false},
       cbChecked},
      {"moves without a press", {{WM_MOUSEMOVE, 5, 5}, {WM_LBUTTONUP, 5, 5}}, {}, cbUnchecked},
  };
  ShowForm();
  for (const Case& c : cases) {
    auto* box = Make<ProbeCheckBox>({10, 10, 120, 27});
    for (const Step& s : c.steps) Mouse(box, s.msg, s.x, s.y);
    EXPECT_EQ(box->pressedLooks, c.looks) << c.name;
    EXPECT_EQ(box->State(), c.state) << c.name;
    delete box;
  }
}

TEST_F(FramedGlyphButton, APressThatCannotTakeTheFocusDoesNothing) {
  // The form is not shown: no control on it can take the focus.
  auto* box = Make<ProbeCheckBox>({10, 10, 120, 27});
  Mouse(box, WM_LBUTTONDOWN, 5, 5);
  Mouse(box, WM_LBUTTONUP, 5, 5);
  EXPECT_TRUE(box->pressedLooks.empty());
  EXPECT_EQ(box->State(), cbUnchecked);
}

TEST_F(FramedGlyphButton, CheckBoxCyclesWithAndWithoutGrayed) {
  struct Case {
    bool allowGrayed;
    std::vector<TCheckBoxState> cycle;
  };
  const Case cases[] = {{false, {cbChecked, cbUnchecked, cbChecked}},
                        {true, {cbGrayed, cbChecked, cbUnchecked, cbGrayed}}};
  for (const Case& c : cases) {
    auto* box = Make<ProbeCheckBox>({10, 10, 120, 27});
    box->SetAllowGrayed(c.allowGrayed);
    for (size_t i = 0; i < c.cycle.size(); ++i) {
      box->ChangeState();
      EXPECT_EQ(box->State(), c.cycle[i]) << c.allowGrayed << " step " << i;
      EXPECT_EQ(box->GetChecked(), c.cycle[i] == cbChecked) << "grayed is not checked";
    }
    EXPECT_EQ(box->clicks, static_cast<int>(c.cycle.size()));
    delete box;
  }
}

TEST_F(FramedGlyphButton, SpaceTogglesOnReleaseAndEscapeCancels) {
  struct Case {
    const char* name;
    std::vector<std::pair<UINT, Word>> keys;
    TCheckBoxState state;
  };
  const Case cases[] = {
      {"space", {{WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}}, cbChecked},
      {"space, escape, release", {{WM_KEYDOWN, VK_SPACE}, {WM_KEYDOWN, VK_ESCAPE}, {WM_KEYUP, VK_SPACE}}, cbUnchecked},
      {"release alone", {{WM_KEYUP, VK_SPACE}}, cbUnchecked},
  };
  ShowForm();
  for (const Case& c : cases) {
    auto* box = Make<ProbeCheckBox>({10, 10, 120, 27});
    box->SetFocus();
    for (auto [msg, key] : c.keys) box->Perform(msg, key, 0);
    EXPECT_EQ(box->State(), c.state) << c.name;
    EXPECT_FALSE(box->ShowDownVersion()) << c.name;
    delete box;
  }
}

TEST_F(FramedGlyphButton, AcceleratorTogglesTheCheckBoxAndChecksTheRadioButton) {
  ShowForm();
  auto* box = Make<ProbeCheckBox>({10, 10, 120, 27});
  box->SetCaption("&Joint stereo");
  auto* radio = Make<TRzRadioButton>({10, 40, 120, 57});
  radio->SetCaption("&New");
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'x', 0), 0);
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'j', 0), 1);
  EXPECT_EQ(box->State(), cbChecked);
  EXPECT_EQ(radio->Perform(CM_DIALOGCHAR, 'N', 0), 1);
  EXPECT_TRUE(radio->Checked()) << "it takes the focus, which checks it";
}

TEST_F(FramedGlyphButton, CheckingARadioButtonUnchecksOnlyThoseOfItsParent) {
  auto* group = Make<TRzPanel>({0, 0, 200, 100});
  auto* a = Make<TRzRadioButton>({5, 5, 100, 22}, group);
  auto* b = Make<TRzRadioButton>({5, 30, 100, 47}, group);
  auto* nested = Make<TRzPanel>({110, 5, 190, 60}, group);
  auto* inner = Make<TRzRadioButton>({2, 2, 70, 19}, nested);
  auto* outside = Make<TRzRadioButton>({5, 120, 100, 137});
  int clicks = 0;
  TNotifyEvent counter = TNotifyEvent::Function([&clicks](TObject*) { ++clicks; });
  b->OnClick = counter;
  inner->SetChecked(true);
  outside->SetChecked(true);
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(inner->Checked()) << "another parent";
  EXPECT_TRUE(outside->Checked()) << "another parent";
  EXPECT_EQ(clicks, 1);
  b->SetChecked(true);
  EXPECT_EQ(clicks, 1) << "checking a checked button fires nothing";
  EXPECT_TRUE(b->TabStop()) << "the checked button is the tab stop";
  EXPECT_FALSE(a->TabStop());
}

TEST_F(FramedGlyphButton, ClickingACheckedRadioButtonKeepsItCheckedWithoutAClick) {
  ShowForm();
  auto* radio = Make<TRzRadioButton>({10, 10, 120, 27});
  int clicks = 0;
  radio->OnClick = TNotifyEvent::Function([&clicks](TObject*) { ++clicks; });
  Mouse(radio, WM_LBUTTONDOWN, 5, 5);
  Mouse(radio, WM_LBUTTONUP, 5, 5);
  EXPECT_TRUE(radio->Checked());
  Mouse(radio, WM_LBUTTONDOWN, 5, 5);
  Mouse(radio, WM_LBUTTONUP, 5, 5);
  EXPECT_TRUE(radio->Checked());
  EXPECT_EQ(clicks, 1);
}

TEST_F(FramedGlyphButton, ActionSetsTheCheckedStateWithoutAClick) {
  TAction action(form);
  action.SetChecked(true);
  auto* box = Make<ProbeCheckBox>({10, 10, 120, 27});
  box->SetAction(&action);
  EXPECT_TRUE(box->GetChecked());
  EXPECT_EQ(box->clicks, 0);
}

TEST_F(FramedGlyphButton, CustomStripSetsTheGlyphSizeAndAnEmptyStripResetsIt) {
  auto* radio = Make<TRzRadioButton>({10, 10, 120, 27});
  TBitmap strip(78, 13, pf32bit);
  radio->SetCustomGlyphs(&strip);
  EXPECT_TRUE(radio->UseCustomGlyphs());
  EXPECT_EQ(radio->GlyphWidth(), 13);
  EXPECT_EQ(radio->GlyphHeight(), 13);
  TBitmap wide(96, 16, pf32bit);
  radio->SetCustomGlyphs(&wide);
  EXPECT_EQ(radio->GlyphWidth(), 16);
  TBitmap empty;
  radio->SetCustomGlyphs(&empty);
  EXPECT_FALSE(radio->UseCustomGlyphs());
  EXPECT_EQ(radio->GlyphWidth(), 13);
  EXPECT_EQ(radio->GlyphHeight(), 13);
}

class FramedClickCounter : public FramedForm {
public:
  void Clicked(TObject*) { ++clicks; }
  int clicks = 0;
};

TEST_F(FramedClickCounter, ReadingADefinitionFiresNoClicks) {
  TFormBindings bindings;
  bindings.Handler("chkClick", static_cast<FramedClickCounter*>(this), &FramedClickCounter::Clicked);
  ReadComponentText(form,
                    "object Form: TForm\n"
                    "  object chkJoint: TRzCheckBox\n"
                    "    State = cbChecked\n"
                    "    OnClick = chkClick\n"
                    "  end\n"
                    "  object rbNew: TRzRadioButton\n"
                    "    Checked = True\n"
                    "    OnClick = chkClick\n"
                    "  end\n"
                    "end\n",
                    bindings);
  auto* box = dynamic_cast<TRzCheckBox*>(form->FindComponent("chkJoint"));
  auto* radio = dynamic_cast<TRzRadioButton*>(form->FindComponent("rbNew"));
  ASSERT_TRUE(box && radio);
  EXPECT_TRUE(box->GetChecked());
  EXPECT_TRUE(radio->GetChecked());
  EXPECT_EQ(clicks, 0);
  box->SetChecked(false);
  EXPECT_EQ(clicks, 1) << "after loading, a change clicks";
}

// The program's colours of the dialogs' check boxes and radio buttons.
constexpr TColor kFrame = 8409372, kHighlight = 2203937, kHotTrack = 3983359;

template <class B>
B* ProgramColoured(B* button) {
  button->SetHotTrack(true);
  button->HotTrackColorType = htctActual;
  button->SetFrameColor(kFrame);
  button->SetHighlightColor(kHighlight);
  button->HotTrackColor = kHotTrack;
  return button;
}

TEST_F(FramedGlyphButton, HotTrackedCheckBoxRecoloursItsGlyphWhenTheMouseIsOver) {
  ShowForm();
  auto* box = ProgramColoured(Make<TRzCheckBox>({10, 10, 120, 27}));
  box->SetChecked(true);
  box->Repaint();
  // Glyph at (0, 2): face (5, 5), frame (5, 0), hot ring (5, 1) and (5, 11), check (3, 6).
  auto glyph = [&](int x, int y) { return ShownPixel(box, x, y + 2); };
  EXPECT_EQ(glyph(5, 0), kFrame);
  EXPECT_EQ(glyph(3, 6), kHighlight);
  EXPECT_EQ(glyph(5, 1), ColorToRGB(clWindow)) << "not hot: the ring is the window colour";
  PostMouse(box, WM_MOUSEMOVE, 40, 8);
  ASSERT_TRUE(PumpUntil([&] { return box->MouseOverButton(); }));
  box->Update();
  EXPECT_EQ(glyph(5, 5), ColorToRGB(clWindow));
  EXPECT_EQ(glyph(5, 0), kFrame);
  EXPECT_EQ(glyph(3, 6), kHighlight);
  EXPECT_EQ(glyph(5, 1), DarkerColor(kHotTrack, 30)) << "upper-left ring: hot2";
  EXPECT_EQ(glyph(5, 11), LighterColor(kHotTrack, 30)) << "lower-right ring: hot1";
}

TEST_F(FramedGlyphButton, HotGlyphsAreRecolouredOncePerColourSet) {
  ShowForm();
  std::vector<TRzCheckBox*> boxes;
  for (int i = 0; i < 6; ++i) boxes.push_back(ProgramColoured(Make<TRzCheckBox>({10, 10 + 20 * i, 120, 27 + 20 * i})));
  for (TRzCheckBox* box : boxes) box->Repaint();
  const int loads = GlyphCacheLoads();
  for (int round = 0; round < 3; ++round)
    for (TRzCheckBox* box : boxes) box->Repaint();
  EXPECT_EQ(GlyphCacheLoads(), loads) << "repaints reuse the recoloured glyph";
  boxes[0]->SetFrameColor(clRed);
  boxes[0]->Repaint();
  EXPECT_EQ(GlyphCacheLoads(), loads + 1) << "another colour set is another glyph";
}

}  // namespace
