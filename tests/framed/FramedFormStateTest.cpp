// Form state: the placement saved when a form closes and restored when it shows,
// through an INI store, with defaults, monitors that are gone, maximized and
// dialog forms, a missing store and failures. Form shape: the region of a
// picture's solid pixels.
#include <gtest/gtest.h>

#include <vector>

#include "framed/forms/RzFormShape.h"
#include "framed/forms/RzFormState.h"
#include "framed/settings/RzCommon_RegIniFile.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/Regions.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

class FramedFormState : public testing::Test {
protected:
  TempProgramFolder folder;
  TRzRegIniFile store{nullptr};
  std::vector<String> ran;  // the form's own handlers that ran

  void SetUp() override {
    store.SetPathType(ptIniFile);
    store.SetPath(folder.Path() + "state.ini");
  }
  // A form named MainForm with its own handlers and a chained form state.
  TForm* StatefulForm(TRzRegIniFile* withStore, TFormBorderStyle border = bsSizeable) {
    TForm* form = NewForm<TForm>(nullptr);
    form->SetName("MainForm");
    form->SetBorderStyle(border);
    form->SetBounds(50, 60, 300, 200);
    form->OnShow = TNotifyEvent::Function([this](TObject*) { ran.push_back("show"); });
    form->OnClose = TCloseEvent::Function([this](TObject*, TCloseAction&) { ran.push_back("close"); });
    auto* state = new TRzFormState(form);
    state->SetRegIniFile(withStore);
    state->ChainEvents();
    return form;
  }
  static TRect NormalRect(TForm* form) {
    WINDOWPLACEMENT p{};
    p.length = sizeof(p);
    ::GetWindowPlacement(form->Handle(), &p);
    return Rect(p.rcNormalPosition.left, p.rcNormalPosition.top, p.rcNormalPosition.right, p.rcNormalPosition.bottom);
  }
  static void ShowAndClose(TForm* form) {
    form->Show();
    PumpMessages();
    form->Close();
    PumpMessages();
  }
};

TEST_F(FramedFormState, PlacementRoundTripAndDefaults) {
  TForm* first = StatefulForm(&store);
  first->Show();
  PumpMessages();
  first->SetBounds(110, 120, 320, 240);
  first->Close();
  EXPECT_TRUE(store.ReadBool("MainFormFormState", "Saved", false));
  EXPECT_EQ(store.ReadInteger("MainFormFormState", "Left", 0), 110);
  EXPECT_EQ(store.ReadInteger("MainFormFormState", "Bottom", 0), 360);
  delete first;

  TForm* second = StatefulForm(&store);
  second->Show();
  PumpMessages();
  EXPECT_EQ(NormalRect(second), Rect(110, 120, 430, 360));
  EXPECT_EQ(ran, (std::vector<String>{"show", "close", "show"})) << "the form's own handlers still run";
  delete second;

  // A value that is no number falls back to the form's own place.
  store.WriteString("MainFormFormState", "Left", "abc");
  TForm* third = StatefulForm(&store);
  third->Show();
  PumpMessages();
  EXPECT_EQ(NormalRect(third).Left, 50);
  EXPECT_EQ(NormalRect(third).Top, 120);
  delete third;
}

TEST_F(FramedFormState, GoneMonitorMaximizedAndDialogForms) {
  store.WriteInteger("MainFormFormState", "Left", -9000);
  store.WriteInteger("MainFormFormState", "Top", -9000);
  store.WriteInteger("MainFormFormState", "Right", -8700);
  store.WriteInteger("MainFormFormState", "Bottom", -8800);
  store.WriteBool("MainFormFormState", "Saved", true);
  TForm* lost = StatefulForm(&store);
  lost->Show();
  PumpMessages();
  EXPECT_EQ(NormalRect(lost), Rect(0, 0, 300, 200)) << "at the origin with its saved size";
  delete lost;

  store.EraseSection("MainFormFormState");
  TForm* big = StatefulForm(&store);
  big->Show();
  PumpMessages();
  big->SetBounds(70, 80, 310, 210);
  big->SetWindowState(wsMaximized);
  PumpMessages();
  big->Close();
  delete big;
  EXPECT_TRUE(store.ReadBool("MainFormFormState", "Maximized", false));
  TForm* again = StatefulForm(&store);
  again->Show();
  PumpMessages();
  EXPECT_EQ(again->WindowState(), wsMaximized);
  EXPECT_EQ(NormalRect(again), Rect(70, 80, 380, 290));
  delete again;

  store.EraseSection("MainFormFormState");
  TForm* dialog = StatefulForm(&store, bsDialog);
  ShowAndClose(dialog);
  EXPECT_FALSE(store.ValueExists("MainFormFormState", "Right"));
  EXPECT_TRUE(store.ValueExists("MainFormFormState", "Left"));
  delete dialog;
}

TEST_F(FramedFormState, WithoutAStoreEveryStepSaysSo) {
  SystemCallsGuard calls;
  calls.AnswerMessageBoxes(IDOK);
  TForm* form = StatefulForm(nullptr);
  int saves = 0;
  auto* state = dynamic_cast<TRzFormState*>(form->Components(0));
  state->OnSaveState = TNotifyEvent::Function([&](TObject*) { ++saves; });
  form->OnCreate(form);  // the creation handler, as the form's creation runs it
  ShowAndClose(form);
  ASSERT_EQ(calls.Boxes.size(), 3u);
  EXPECT_EQ(calls.Boxes[0].Text, "Cannot restore Form State--No TRzRegIniFile component specified");
  EXPECT_EQ(calls.Boxes[1].Text, "Cannot restore Form State--No TRzRegIniFile component specified");
  EXPECT_EQ(calls.Boxes[2].Text, "Cannot save Form State--No TRzRegIniFile component specified");
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(ran, (std::vector<String>{"show", "close"}));
  delete form;
}

// A failure while restoring is shown like one while saving: the form still
// shows at its designed place.
TEST_F(FramedFormState, FailuresAreShownNotThrown) {
  SystemCallsGuard calls;
  calls.AnswerMessageBoxes(IDOK);
  store.WriteInteger("MainFormFormState", "Left", 150);
  TForm* form = StatefulForm(&store);
  auto* state = dynamic_cast<TRzFormState*>(form->Components(0));
  state->OnRestoreState = TNotifyEvent::Function([](TObject*) { throw EIniFileException("Store unreadable"); });
  EXPECT_NO_THROW(form->Show());
  PumpMessages();
  EXPECT_TRUE(form->Visible());
  ASSERT_EQ(calls.Boxes.size(), 1u);
  EXPECT_EQ(calls.Boxes[0].Text, "Store unreadable");
  delete form;

  TRzRegIniFile broken(nullptr);
  broken.SetPathType(ptIniFile);
  broken.SetPath(folder.Path() + "missing\\folder\\state.ini");
  TForm* unsaved = StatefulForm(&broken);
  int saves = 0;
  dynamic_cast<TRzFormState*>(unsaved->Components(0))->OnSaveState =
      TNotifyEvent::Function([&](TObject*) { ++saves; });
  unsaved->Show();
  PumpMessages();
  EXPECT_NO_THROW(unsaved->Close());
  EXPECT_EQ(saves, 1);
  EXPECT_GE(calls.Boxes.size(), 2u);
  delete unsaved;
}

TEST(FramedFormShape, RegionOfTheSolidPixels) {
  TForm* form = NewForm<TForm>(nullptr);
  TForm* ownHandler = form;
  int ownShows = 0;
  form->OnShow = TNotifyEvent::Function([&](TObject*) { ++ownShows; });
  auto* shape = new TRzFormShape(form);
  shape->SetParent(form);
  EXPECT_EQ(form->BorderStyle(), bsNone);
  TBitmap picture(20, 4);
  TCanvas* c = picture.Canvas();
  c->Brush()->SetColor(clFuchsia);
  c->FillRect(Rect(0, 0, 20, 4));
  c->Brush()->SetColor(clBlue);
  c->FillRect(Rect(2, 0, 5, 1));    // row 0: 2..4
  c->FillRect(Rect(15, 1, 20, 2));  // row 1: reaches the right edge
  c->FillRect(Rect(0, 2, 3, 3));
  c->FillRect(Rect(6, 2, 8, 3));    // row 2: two runs
  shape->Picture()->SetBitmap(&picture);
  form->SetBounds(40, 40, 20, 4);
  form->Show();
  PumpMessages();
  EXPECT_TRUE(shape->RegionMade());
  EXPECT_EQ(ownShows, 1) << "the form's own show handler runs as well";
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(ownHandler->Handle(), region), ERROR);
  const std::vector<TRect> expected = {Rect(2, 0, 5, 1), Rect(15, 1, 20, 2), Rect(0, 2, 3, 3), Rect(6, 2, 8, 3)};
  HRGN wanted = CreateRegionFromRects(expected);
  EXPECT_TRUE(::EqualRgn(region, wanted));
  ::DeleteObject(wanted);
  ::DeleteObject(region);

  TBitmap blank(5, 5);
  EXPECT_EQ(shape->GetRegionFromBitmap(&blank), nullptr) << "no solid pixel, no region";
  delete form;
}

}  // namespace
