// Edits and push buttons: made from a form definition, text and selection,
// change events from typing and from code, undo and the clipboard, the
// reflected colour message, and buttons that end a modal form.
#include <gtest/gtest.h>

#include "platform/stdctrls/StdCtrls.h"
#include "tests/harness/WindowCapture.h"
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

namespace {

const char* const kEditForm = R"(object EditForm: TForm
  Left = 40
  Top = 40
  Width = 260
  Height = 120
  BorderStyle = bsNone
  Color = clWhite
  object edtName: TEdit
    Left = 8
    Top = 8
    Width = 120
    Text = 'Varnel'
    MaxLength = 10
    OnChange = EditChange
  end
  object edtPassword: TEdit
    Left = 8
    Top = 40
    Width = 120
    PasswordChar = '*'
    CharCase = ecUpperCase
    ReadOnly = True
    AutoSelect = False
  end
end)";

struct EditForm {
  EventLog log;
  TFormBindings bindings;
  std::unique_ptr<TForm> form;
  TEdit* name = nullptr;
  TEdit* password = nullptr;

  EditForm() {
    bindings.Handler("EditChange", &log, &EventLog::Change);
    form = ShowDefinition(kEditForm, bindings);
    name = Find<TEdit>(form.get(), "edtName");
    password = Find<TEdit>(form.get(), "edtPassword");
    log.Clear();
  }
  void Type(TEdit* edit, const String& text) {
    for (char c : text) ::PostMessageA(edit->Handle(), WM_CHAR, static_cast<Byte>(c), 1);
    PumpMessages();
  }
};

// An edit that answers the reflected colour message with a brush of its own,
// as the skinned and framed edits paint their own background.
class TGreenEdit : public TEdit {
public:
  using TEdit::TEdit;
  ~TGreenEdit() override { ::DeleteObject(brush_); }
  int ColourRequests = 0;

protected:
  void CNCtlColor(TMessage& message) override {
    ++ColourRequests;
    ::SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
    message.Result = reinterpret_cast<LRESULT>(brush_);
  }

private:
  HBRUSH brush_ = ::CreateSolidBrush(RGB(0, 255, 0));
};

}  // namespace

TEST(StdEdit, TakesItsPropertiesFromTheDefinition) {
  EditForm f;
  ASSERT_TRUE(f.name && f.password);
  EXPECT_TRUE(f.name->HandleAllocated());
  EXPECT_TRUE(::IsWindowVisible(f.name->Handle()));
  EXPECT_EQ(f.name->Text(), "Varnel");
  EXPECT_EQ(f.name->MaxLength(), 10);
  EXPECT_EQ(f.password->PasswordChar(), '*');
  EXPECT_EQ(f.password->CharCase(), ecUpperCase);
  EXPECT_TRUE(f.password->ReadOnly());
  EXPECT_FALSE(f.password->AutoSelect());
  const LONG_PTR style = ::GetWindowLongPtrA(f.password->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & ES_PASSWORD);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_TRUE(style & ES_UPPERCASE);
  // AutoSize fits the height to the font, framed edits only.
  EXPECT_GT(f.name->Height(), f.name->Font()->Handle() ? 10 : 0);
  EXPECT_LT(f.name->Height(), 40);
}

TEST(StdEdit, TypingAndSettingTheTextRunOnChange) {
  EditForm f;
  f.name->SetSelStart(6);
  f.Type(f.name, " Revo");
  EXPECT_EQ(f.name->Text(), "Varnel Rev") << "MaxLength stops typing at 10 characters";
  ASSERT_FALSE(f.log.Events.empty()) << "typing runs OnChange";
  EXPECT_EQ(f.log.Events.back(), "change");
  f.log.Clear();
  f.name->SetText("DVD");
  EXPECT_EQ(f.log.Events, (std::vector<String>{"change"}));
  f.log.Clear();
  f.Type(f.password, "abc");
  EXPECT_EQ(f.password->Text(), "") << "a read-only edit refuses typing";
  f.password->SetText("secret");
  EXPECT_EQ(f.password->Text(), "SECRET") << "the password edit keeps the real text in its case";
}

TEST(StdEdit, SelectionUndoAndClipboard) {
  EditForm f;
  f.name->SetMaxLength(0);
  f.name->SetText("Varnel Revo");
  f.name->SetSelStart(7);
  f.name->SetSelLength(4);
  EXPECT_EQ(f.name->SelStart(), 7);
  EXPECT_EQ(f.name->SelLength(), 4);
  EXPECT_EQ(f.name->SelText(), "Revo");
  f.name->SetSelText("Disc");
  EXPECT_EQ(f.name->Text(), "Varnel Disc");
  EXPECT_TRUE(f.name->CanUndo());
  f.name->Undo();
  EXPECT_EQ(f.name->Text(), "Varnel Revo");

  f.name->SelectAll();
  EXPECT_EQ(f.name->SelLength(), 11);
  f.name->SetSelStart(0);
  f.name->SetSelLength(6);
  f.name->CutToClipboard();
  EXPECT_EQ(f.name->Text(), " Revo");
  f.name->SetSelStart(5);
  f.name->PasteFromClipboard();
  EXPECT_EQ(f.name->Text(), " RevoVarnel");
  f.name->SelectAll();
  f.name->ClearSelection();
  EXPECT_EQ(f.name->Text(), "");

  // A change of CharCase converts the text the edit holds.
  f.name->SetText("Mixed");
  f.name->SetCharCase(ecLowerCase);
  EXPECT_EQ(f.name->Text(), "mixed");
  EXPECT_EQ(f.name->MaxLength(), 0);
  f.name->SetMaxLength(3);
  f.name->SetCharCase(ecNormal);
  EXPECT_EQ(f.name->MaxLength(), 3) << "settings outlive the re-created window";
  EXPECT_EQ(::SendMessageA(f.name->Handle(), EM_GETLIMITTEXT, 0, 0), 3);
}

TEST(StdEdit, TheReflectedColourMessagePaintsTheBackground) {
  auto form = ShowDefinition(R"(object F: TForm
  Width = 200
  Height = 80
  BorderStyle = bsNone
  Color = clWhite
  object edtRed: TEdit
    Left = 0
    Top = 0
    Width = 90
    BorderStyle = bsNone
    Color = clRed
  end
end)");
  auto* red = Find<TEdit>(form.get(), "edtRed");
  auto* green = new TGreenEdit(form.get());
  green->SetBorderStyle(bsNone);
  green->SetBounds(100, 0, 90, 20);
  green->SetParent(form.get());
  form->Repaint();
  PumpMessages();
  CapturedPixels pixels = CaptureClient(form->Handle());
  EXPECT_EQ(pixels.At(red->Left() + 80, 10), 0xFF0000u) << "the edit's Color fills its background";
  EXPECT_EQ(pixels.At(green->Left() + 80, 10), 0x00FF00u) << "a descendant's brush fills it instead";
  EXPECT_GT(green->ColourRequests, 0);
}

TEST(StdButton, AClickGivesTheFormItsModalResultAndRunsOnClick) {
  PublishStdControlClasses();
  EventLog log;
  TFormBindings bindings;
  bindings.Handler("OkClick", &log, &EventLog::Click);
  struct Case {
    const char* name;
    std::function<void(TForm&)> act;
    TModalResult expected;
    std::vector<String> events;
  } cases[] = {
      {"OK clicked", [](TForm& f) { ::PostMessageA(Find<TButton>(&f, "btnOK")->Handle(), BM_CLICK, 0, 0); }, mrOk,
       {"click"}},
      {"Enter in the edit clicks the default button",
       [](TForm& f) { PostKey(Find<TEdit>(&f, "edtName")->Handle(), VK_RETURN); }, mrOk, {"click"}},
      {"Escape clicks the cancel button", [](TForm& f) { PostKey(Find<TEdit>(&f, "edtName")->Handle(), VK_ESCAPE); },
       mrCancel, {}},
  };
  for (const Case& c : cases) {
    log.Clear();
    TForm form(nullptr);
    ReadComponentText(&form, R"(object Dialog: TForm
  Width = 260
  Height = 100
  BorderStyle = bsDialog
  ActiveControl = edtName
  object edtName: TEdit
    Left = 8
    Top = 8
  end
  object btnOK: TButton
    Left = 8
    Top = 40
    Caption = 'OK'
    Default = True
    ModalResult = 1
    OnClick = OkClick
  end
  object btnCancel: TButton
    Left = 100
    Top = 40
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
  end
end)",
                      bindings);
    auto* ok = Find<TButton>(&form, "btnOK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->Caption(), "OK");
    EXPECT_TRUE(ok->Default());
    form.HandleNeeded();
    c.act(form);
    EXPECT_EQ(form.ShowModal(), c.expected) << c.name;
    EXPECT_EQ(log.Events, c.events) << c.name;
  }
}
