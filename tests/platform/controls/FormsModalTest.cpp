// Forms: two-phase creation, the modal loop and its result, closing, release,
// and exceptions that reach the message loop.
#include <gtest/gtest.h>

#include "platform/controls/Forms.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/WindowPump.h"

namespace {

// A button as the dialogs have them: a click closes a modal form with its
// ModalResult; Enter clicks the default button and Escape the cancel button.
class TestButton : public TCustomControl {
public:
  explicit TestButton(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
  }
  TModalResult ModalResult = mrNone;
  bool Default = false;
  bool Cancel = false;

  void Click() override {
    TCustomControl::Click();
    if (ModalResult != mrNone) GetParentForm(this)->SetModalResult(ModalResult);
  }

protected:
  void Dispatch(TMessage& message) override {
    if (message.Msg == CM_DIALOGKEY) {
      const auto key = static_cast<Word>(message.WParam);
      if ((key == VK_RETURN && Default) || (key == VK_ESCAPE && Cancel)) {
        Click();
        message.Result = 1;
        return;
      }
    }
    TCustomControl::Dispatch(message);
  }
};

struct Dialog {
  TForm* form;
  TestButton* ok;
  TestButton* cancel;
  TestButton* plain;
};

Dialog MakeDialog() {
  Dialog d{};
  d.form = NewForm<TForm>(nullptr);
  d.form->SetBorderStyle(bsDialog);
  d.form->SetClientWidth(240);
  d.form->SetClientHeight(80);
  auto button = [&](int left, TModalResult result) {
    auto b = new TestButton(d.form);
    b->SetLeft(left);
    b->ModalResult = result;
    b->SetParent(d.form);
    return b;
  };
  d.plain = button(0, mrNone);
  d.ok = button(80, mrOk);
  d.cancel = button(160, mrCancel);
  d.ok->Default = true;
  d.cancel->Cancel = true;
  d.form->HandleNeeded();
  return d;
}

struct Recorder : TObject {
  std::vector<String> events;
  void FormCreate(TObject*) { events.push_back("create"); }
  void FormShow(TObject*) { events.push_back("show"); }
  void FormClose(TObject*, TCloseAction& action) { events.push_back("close"); }
  void FormDestroy(TObject*) { events.push_back("destroy"); }
  void Throw(TObject*) { throw EConvertError("'abc' is not a valid integer value"); }
};

}  // namespace

TEST(FormsModal, ShowModalAnswersTheResultOfTheButtonThatClosedIt) {
  struct Case {
    const char* name;
    std::function<void(Dialog&)> act;
    TModalResult expected;
  } cases[] = {
      {"click OK", [](Dialog& d) { PostClick(d.ok); }, mrOk},
      {"click Cancel", [](Dialog& d) { PostClick(d.cancel); }, mrCancel},
      {"Enter on a plain button", [](Dialog& d) { PostKey(d.plain->Handle(), VK_RETURN); }, mrOk},
      {"Escape", [](Dialog& d) { PostKey(d.plain->Handle(), VK_ESCAPE); }, mrCancel},
      {"the window closed", [](Dialog& d) { ::PostMessageA(d.form->Handle(), WM_CLOSE, 0, 0); }, mrCancel},
  };
  for (const Case& c : cases) {
    Dialog d = MakeDialog();
    c.act(d);
    EXPECT_EQ(d.form->ShowModal(), c.expected) << c.name;
    EXPECT_FALSE(d.form->Visible()) << c.name;
    EXPECT_FALSE(d.form->Modal()) << c.name;
    delete d.form;
  }
}

TEST(FormsModal, AModalFormWaitsForItsCloseQueryAndDisablesTheOtherForms) {
  Dialog owner = MakeDialog();
  owner.form->Show();
  Dialog d = MakeDialog();
  std::vector<String> queries;
  d.form->OnCloseQuery = TCloseQueryEvent::Function([&](TObject*, bool& canClose) {
    EXPECT_FALSE(::IsWindowEnabled(owner.form->Handle())) << "the other form waits";
    queries.push_back("query");
    // The first close is refused, and another click is on its way.
    canClose = queries.size() > 1;
    if (!canClose) PostClick(d.ok);
  });
  PostClick(d.ok);
  EXPECT_EQ(d.form->ShowModal(), mrOk);
  EXPECT_EQ(queries, (std::vector<String>{"query", "query"}));
  EXPECT_TRUE(::IsWindowEnabled(owner.form->Handle()));
  EXPECT_THROW(owner.form->ShowModal(), EInvalidOperation) << "a visible form cannot be made modal";
  delete d.form;
  delete owner.form;
}

TEST(FormsModal, AnExceptionInAHandlerIsShownAndTheLoopGoesOn) {
  SystemCallsGuard guard;
  guard.AnswerMessageBoxes(IDOK);
  const String title = Application.Title();
  Application.SetTitle("Varnel Revo v4.0.0");
  Dialog d = MakeDialog();
  Recorder recorder;
  d.plain->OnClick = TNotifyEvent(&recorder, &Recorder::Throw);
  PostClick(d.plain);
  PostClick(d.plain);
  PostClick(d.ok);
  EXPECT_EQ(d.form->ShowModal(), mrOk);
  ASSERT_EQ(guard.Boxes.size(), 2u);
  EXPECT_EQ(guard.Boxes[0].Text, "'abc' is not a valid integer value.");
  EXPECT_EQ(guard.Boxes[0].Caption, "Varnel Revo v4.0.0");
  EXPECT_EQ(guard.Boxes[0].Flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));

  // EAbort unwinds silently.
  d.plain->OnClick = TNotifyEvent::Function([](TObject*) { Abort(); });
  PostClick(d.plain);
  PostClick(d.cancel);
  EXPECT_EQ(d.form->ShowModal(), mrCancel);
  EXPECT_EQ(guard.Boxes.size(), 2u);
  Application.SetTitle(title);
  delete d.form;
}

TEST(FormsModal, CreationRunsInTwoPhasesAndReleaseFreesTheFormLater) {
  Recorder recorder;
  TCustomForm* loaded = nullptr;
  FormDefinitionLoader = [&](TCustomForm* form) {
    loaded = form;
    // The definition binds the handlers before OnCreate runs.
    form->OnCreate = TNotifyEvent(&recorder, &Recorder::FormCreate);
    form->OnShow = TNotifyEvent(&recorder, &Recorder::FormShow);
    form->OnClose = TCloseEvent(&recorder, &Recorder::FormClose);
    form->OnDestroy = TNotifyEvent(&recorder, &Recorder::FormDestroy);
  };
  TForm* form = nullptr;
  Application.CreateForm(form);
  FormDefinitionLoader = nullptr;
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(loaded, form);
  EXPECT_EQ(Application.MainForm(), form);
  EXPECT_EQ(form->Owner(), &Application);
  EXPECT_TRUE(Screen.HasForm(form));

  form->Show();
  form->Release();
  EXPECT_TRUE(Screen.HasForm(form)) << "release waits for the message loop";
  EXPECT_TRUE(PumpUntil([&] { return !Screen.HasForm(form); }));
  EXPECT_EQ(Application.MainForm(), nullptr);
  EXPECT_EQ(recorder.events, (std::vector<String>{"create", "show", "destroy"}));
  EXPECT_FALSE(Application.Terminated());
}

