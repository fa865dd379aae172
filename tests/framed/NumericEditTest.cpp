// The numeric edit: the lenient reading of its text, the keys it takes, the
// range check on leaving (with a handler that keeps the focus), blank texts,
// pasted text and the quiet loading of a definition.
#include <gtest/gtest.h>

#include <vector>

#include "framed/edits/RzNumericEdit.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"

namespace {

using FramedNumericEdit = FramedForm;

TEST_F(FramedNumericEdit, EvaluateTextKeepsDigitsAndTheSeparator) {
  auto* edit = Make<TRzNumericEdit>({10, 10, 100, 31});
  const String longText = String(299, '0') + "7";
  struct Case {
    String text;
    Extended value;
  } cases[] = {
      {"(1,234)", -1234}, {"12-3", -123}, {"", 0},      {"abc", 0},      {"1,234.5", 1234.5},
      {"$ 12", 12},       {"-", 0},       {"1.2.3", 0}, {longText, 7},  {"+8", 8},
  };
  for (const Case& c : cases) {
    edit->SetText(c.text);
    EXPECT_EQ(edit->EvaluateText(), c.value) << c.text;
  }
}

TEST_F(FramedNumericEdit, TheValueIsShownThroughTheDisplayFormat) {
  auto* edit = Make<TRzNumericEdit>({10, 10, 100, 31});
  EXPECT_EQ(edit->Text(), "0");
  EXPECT_EQ(edit->Alignment(), taRightJustify);
  edit->SetValue(-1234);
  EXPECT_EQ(edit->Text(), "(1,234)");
  edit->SetText("1234");
  edit->SetValue(1234);
  EXPECT_EQ(edit->Text(), "1234") << "the value already shown is not formatted again";
  edit->SetIntegersOnly(false);
  edit->SetDisplayFormat("0.00");
  EXPECT_EQ(edit->Text(), "1234.00");
  edit->SetValue(2.5);
  edit->SetIntegersOnly(true);
  EXPECT_EQ(edit->GetValue(), 2) << "ties go to the even number";
  EXPECT_EQ(edit->GetIntValue(), 2);
}

TEST_F(FramedNumericEdit, KeysAreFilteredByWhereTheyGo) {
  auto* edit = Make<TRzNumericEdit>({10, 10, 100, 31});
  ShowForm();
  struct Case {
    const char* name;
    bool integersOnly;
    const char* text;
    int selStart, selLength;
    char key;
    bool valid;
  } cases[] = {
      {"separator with whole numbers only", true, "12", 2, 0, '.', false},
      {"first separator", false, "12", 2, 0, '.', true},
      {"second separator", false, "1.5", 3, 0, '.', false},
      {"separator over the selected one", false, "1.5", 1, 2, '.', true},
      {"separator over a selection without one", false, "1.5", 0, 1, '.', false},
      {"sign at the start", true, "12", 0, 0, '-', true},
      {"sign inside", true, "12", 1, 0, '-', false},
      {"second sign", true, "-12", 0, 0, '+', false},
      {"sign over the selected sign", true, "-12", 0, 2, '+', true},
      {"sign over the whole text", true, "12", 0, 2, '-', true},
      {"digit in front of a sign", true, "-12", 0, 0, '5', false},
      {"digit after the sign", true, "-12", 1, 0, '5', true},
      {"letter", true, "12", 2, 0, 'a', false},
      {"backspace", true, "12", 2, 0, '\b', true},
      {"enter", true, "12", 2, 0, '\r', false},
  };
  for (const Case& c : cases) {
    edit->SetIntegersOnly(c.integersOnly);
    edit->SetText(c.text);
    edit->SetSelStart(c.selStart);
    edit->SetSelLength(c.selLength);
    EXPECT_EQ(edit->IsValidChar(c.key), c.valid) << c.name;
  }
  // A refused key never reaches the text.
  edit->SetIntegersOnly(true);
  edit->SetText("12");
  edit->SetSelStart(2);
  edit->Perform(WM_CHAR, '.', 0);
  edit->Perform(WM_CHAR, 'x', 0);
  EXPECT_EQ(edit->Text(), "12");
}

class RangeForm : public FramedForm {
protected:
  TRzNumericEdit* edit = nullptr;
  TRzNumericEdit* other = nullptr;
  void SetUp() override {
    FramedForm::SetUp();
    edit = Make<TRzNumericEdit>({10, 10, 100, 31});
    other = Make<TRzNumericEdit>({10, 40, 100, 61});
    ShowForm();
  }
  // Types `text` into the edit and moves the focus on.
  void Leave(const String& text) {
    edit->SetFocus();
    edit->SetText(text);
    other->SetFocus();
    PumpMessages();
  }
};

TEST_F(RangeForm, LeavingCorrectsToTheNearerBound) {
  struct Case {
    const char* name;
    Extended min, max;
    bool checkRange;
    const char* typed;
    const char* shown;
  } cases[] = {
      {"no range", 0, 0, false, "20", "20"},
      {"above", 1, 10, false, "20", "10"},
      {"below", 1, 10, false, "-5", "1"},
      {"inside", 1, 10, false, "7", "7"},
      {"forced range of one value", 0, 0, true, "5", "0"},
      {"thousands", 0, 5000, false, "1234", "1,234"},
  };
  for (const Case& c : cases) {
    edit->SetMax(c.max);
    edit->SetMin(c.min);
    edit->CheckRange = c.checkRange;
    Leave(c.typed);
    EXPECT_EQ(edit->Text(), c.shown) << c.name;
    EXPECT_TRUE(other->Focused()) << c.name;
  }
}

TEST_F(RangeForm, AHandlerThatRefusesTheCorrectionKeepsTheFocus) {
  edit->SetMin(1);
  edit->SetMax(10);
  std::vector<std::pair<Extended, Extended>> errors;
  edit->OnRangeError = TRzRangeErrorEvent::Function([&](TObject*, Extended entered, Extended adjusted, bool& fix) {
    errors.emplace_back(entered, adjusted);
    fix = false;
  });
  Leave("20");
  EXPECT_EQ(errors, (std::vector<std::pair<Extended, Extended>>{{20, 10}}));
  EXPECT_EQ(edit->Text(), "20") << "left as typed";
  EXPECT_TRUE(edit->Focused());
}

TEST_F(RangeForm, BlankTexts) {
  edit->AllowBlank = true;
  edit->BlankValue = -1;
  edit->SetMin(1);
  edit->SetMax(10);
  Leave("");
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(edit->GetValue(), -1);
  edit->AllowBlank = false;
  edit->SetText("");
  EXPECT_EQ(edit->GetValue(), 1);
  EXPECT_EQ(edit->Text(), "1") << "the minimum is filled in";
}

TEST_F(RangeForm, PastedTextIsTakenAsItIsUnlessReadOnly) {
  edit->SetText("5");
  edit->SetFocus();
  edit->SelectAll();
  ASSERT_TRUE(::OpenClipboard(form->Handle()));
  ::EmptyClipboard();
  HGLOBAL data = ::GlobalAlloc(GMEM_MOVEABLE, 4);
  std::memcpy(::GlobalLock(data), "a1b", 4);
  ::GlobalUnlock(data);
  ::SetClipboardData(CF_TEXT, data);
  ::CloseClipboard();
  edit->SetReadOnly(true);
  edit->Perform(WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), "5");
  edit->SetReadOnly(false);
  edit->SelectAll();
  edit->Perform(WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), "a1b");
  EXPECT_EQ(edit->GetValue(), 1);
}

TEST_F(FramedNumericEdit, ReadingADefinitionReportsNoChange) {
  struct Probe : TComponent {
    using TComponent::TComponent;
    int changes = 0;
    void AmountChange(TObject*) { ++changes; }
  };
  Probe probe(nullptr);
  TFormBindings bindings;
  bindings.Handler("AmountChange", &probe, &Probe::AmountChange);
  ReadComponentText(form,
                    "object Form: TForm\n"
                    "  object Amount: TRzNumericEdit\n"
                    "    Max = 100000\n"
                    "    Value = 12345\n"
                    "    OnChange = AmountChange\n"
                    "  end\n"
                    "end\n",
                    bindings);
  auto* amount = dynamic_cast<TRzNumericEdit*>(form->FindComponent("Amount"));
  ASSERT_NE(amount, nullptr);
  EXPECT_EQ(amount->Text(), "12,345");
  ShowForm();
  amount->HandleNeeded();
  EXPECT_EQ(probe.changes, 0);
  amount->SetValue(7);
  EXPECT_EQ(probe.changes, 1);
}

}  // namespace
