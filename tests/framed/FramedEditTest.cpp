// The framed edit base: face colours by state, the frame switches, the drop-down
// cycle, Enter and the replaced validation error.
#include <gtest/gtest.h>

#include <vector>

#include "framed/controls/RzEdit.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

class ProbeEdit : public TRzCustomEdit {
public:
  using TRzCustomEdit::TRzCustomEdit;
  std::vector<String> events;
  void Check() { ValidateEdit(); }

protected:
  void DropDown() override {
    events.push_back(ButtonState() == bsDown && DroppedDown() ? "drop (down)" : "drop");
    TRzCustomEdit::DropDown();
  }
  void CloseUp() override {
    events.push_back("close");
    TRzCustomEdit::CloseUp();
  }
};

using FramedEdit = FramedForm;

TEST_F(FramedEdit, FaceColourFollowsEnabledFocusAndTheUsersColour) {
  ShowForm();
  auto* edit = Make<ProbeEdit>({10, 10, 120, 31});
  auto* other = Make<ProbeEdit>({10, 40, 120, 61});
  edit->SetDisabledColor(clGray);
  edit->SetFocusColor(clYellow);
  struct Step {
    const char* name;
    std::function<void()> act;
    TColor color;
  };
  const Step steps[] = {
      {"normal", [] {}, clWindow},
      {"focused", [&] { edit->SetFocus(); }, clYellow},
      {"focus leaves", [&] { other->SetFocus(); }, clWindow},
      {"disabled", [&] { edit->SetEnabled(false); }, clGray},
      {"enabled again", [&] { edit->SetEnabled(true); }, clWindow},
      {"the user's colour", [&] { edit->SetColor(clAqua); }, clAqua},
      {"focused keeps its own colour", [&] { edit->SetFocus(); }, clYellow},
  };
  for (const Step& s : steps) {
    s.act();
    PumpMessages();
    EXPECT_EQ(edit->Color(), s.color) << s.name;
  }
}

TEST_F(FramedEdit, FocusColourMovesWithTheUsersColourWhileTheyWereTheSame) {
  auto* edit = Make<ProbeEdit>({10, 10, 120, 31});
  edit->SetColor(clAqua);
  EXPECT_EQ(edit->FocusColor(), clAqua);
  EXPECT_EQ(edit->NormalColor(), clAqua);
  edit->SetFocusColor(clYellow);
  edit->SetColor(clLime);
  EXPECT_EQ(edit->FocusColor(), clYellow) << "a differing focus colour stays";
}

TEST_F(FramedEdit, HotTrackingTurnsTheFrameOnAndFramesEverySide) {
  auto* edit = Make<ProbeEdit>({10, 10, 120, 31});
  edit->SetFrameSides(SideBit(sdBottom));
  edit->SetFrameHotTrack(true);
  EXPECT_TRUE(edit->FrameVisible());
  EXPECT_TRUE(edit->Ctl3D());
  EXPECT_EQ(edit->FrameSides(), sdAllSides);
}

TEST_F(FramedEdit, HotTrackingReadFromADefinitionKeepsTheStreamedSides) {
  ReadComponentText(form,
                    "object Form: TForm\n"
                    "  object Edit: TRzCustomEdit\n"
                    "    FrameSides = [sdBottom]\n"
                    "    FrameHotTrack = True\n"
                    "  end\n"
                    "end\n");
  auto* edit = dynamic_cast<TRzCustomEdit*>(form->FindComponent("Edit"));
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->FrameVisible());
  EXPECT_EQ(edit->FrameSides(), SideBit(sdBottom));
}

TEST_F(FramedEdit, OldFramePropertiesAreTranslated) {
  ReadComponentText(form,
                    "object Form: TForm\n"
                    "  object Flat: TRzCustomEdit\n"
                    "    FrameFlat = True\n"
                    "  end\n"
                    "  object Focus: TRzCustomEdit\n"
                    "    FrameFocusStyle = fsGroove\n"
                    "    FrameFlatStyle = fsFlat\n"
                    "  end\n"
                    "end\n");
  auto* flat = dynamic_cast<TRzCustomEdit*>(form->FindComponent("Flat"));
  auto* focus = dynamic_cast<TRzCustomEdit*>(form->FindComponent("Focus"));
  ASSERT_TRUE(flat && focus);
  EXPECT_TRUE(flat->FrameHotTrack());
  EXPECT_EQ(flat->FrameStyle(), fsStatus);
  EXPECT_EQ(flat->FrameHotStyle(), fsLowered);
  EXPECT_EQ(focus->FrameHotStyle(), fsGroove);
  const String written = WriteComponentText(form);
  EXPECT_EQ(written.find("FrameFlat"), String::npos);
  EXPECT_EQ(written.find("FrameFocusStyle"), String::npos);
}

TEST_F(FramedEdit, DropButtonCycleAndAltDown) {
  ShowForm();
  auto* plain = Make<ProbeEdit>({10, 10, 120, 31});
  auto* dropping = Make<ProbeEdit>({10, 40, 120, 61});
  dropping->SetDropButtonVisible(true);
  std::vector<String> outside;
  dropping->OnDropDown = TNotifyEvent::Function([&](TObject*) { outside.push_back("OnDropDown"); });
  dropping->OnCloseUp = TNotifyEvent::Function([&](TObject*) { outside.push_back("OnCloseUp"); });
  plain->SetFocus();
  plain->Perform(WM_KEYDOWN, VK_DOWN, 0x20000000);
  EXPECT_TRUE(plain->events.empty()) << "no button: Alt+Down does nothing special";
  dropping->SetFocus();
  dropping->DoDropDown();
  EXPECT_EQ(dropping->events, (std::vector<String>{"drop (down)", "close"}));
  EXPECT_EQ(outside, (std::vector<String>{"OnDropDown", "OnCloseUp"}));
  EXPECT_EQ(dropping->ButtonState(), bsUp);
  EXPECT_FALSE(dropping->DroppedDown());
  // The button column lies outside the client area; a click there drops down.
  RECT window, client;
  ::GetWindowRect(dropping->Handle(), &window);
  ::GetClientRect(dropping->Handle(), &client);
  EXPECT_LT(client.right, window.right - window.left - ::GetSystemMetrics(SM_CXVSCROLL) + 2);
}

TEST_F(FramedEdit, EnterMovesOnWithTabOnEnter) {
  ShowForm();
  auto* first = Make<ProbeEdit>({10, 10, 120, 31});
  auto* second = Make<ProbeEdit>({10, 40, 120, 61});
  first->TabOnEnter = true;
  first->SetFocus();
  first->Perform(WM_CHAR, '\r', 0);
  ASSERT_TRUE(PumpUntil([&] { return second->Focused(); }, 1000));
}

TEST_F(FramedEdit, ValidationErrorTakesTheOwnersMessage) {
  struct Case {
    const char* name;
    bool handler;
    const char* message;
    const char* raised;
  };
  const Case cases[] = {{"owner's message", true, "Enter a time", "Enter a time"},
                        {"empty message", true, "", "Invalid input value.  Use escape key to abandon changes"},
                        {"no handler", false, "", "Invalid input value.  Use escape key to abandon changes"}};
  for (const Case& c : cases) {
    auto* edit = Make<ProbeEdit>({10, 10, 120, 31});
    edit->SetEditMask("00:00;1;_");
    if (c.handler) edit->OnValidateError = TRzValidateErrorEvent::Function([&](TObject*, String& text) { text = c.message; });
    try {
      edit->Check();
      ADD_FAILURE() << c.name << ": no error";
    } catch (const EDBEditError& e) {
      EXPECT_EQ(String(e.what()), c.raised) << c.name;
    }
    delete edit;
  }
}

}  // namespace
