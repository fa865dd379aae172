// Memos (lines over the text, the keys they keep) and mask edits (typing into
// the mask's positions, Text with or without literals, validation on leaving).
#include <gtest/gtest.h>

#include "platform/stdctrls/MaskEdit.h"
#include "platform/stdctrls/Memo.h"
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

namespace {

const char* const kMemoForm = R"(object MemoForm: TForm
  Width = 300
  Height = 200
  BorderStyle = bsNone
  object mmoNotes: TMemo
    Left = 8
    Top = 8
    Width = 200
    Height = 80
    Lines.Strings = (
      'one'
      'two')
    ScrollBars = ssVertical
    WantTabs = True
    WordWrap = False
  end
  object edtTime: TMaskEdit
    Left = 8
    Top = 100
    EditMask = '!90:00:00;1; '
    Text = '12:34:56'
  end
  object edtCode: TMaskEdit
    Left = 8
    Top = 130
    EditMask = '>LL-0000;0;_'
  end
end)";

void Type(HWND window, const String& text) {
  for (char c : text) ::SendMessageA(window, WM_CHAR, static_cast<Byte>(c), 1);
}

}  // namespace

TEST(StdMemo, LinesAreTheTextsLines) {
  auto form = ShowDefinition(kMemoForm);
  auto* memo = Find<TMemo>(form.get(), "mmoNotes");
  ASSERT_NE(memo, nullptr);
  ASSERT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Text(), "one\r\ntwo");
  memo->Lines()->Add("three");
  memo->Lines()->Delete(0);
  memo->Lines()->Insert(0, "zero");
  memo->Lines()->Put(1, "TWO");
  EXPECT_EQ(memo->Text(), "zero\r\nTWO\r\nthree");
  EXPECT_EQ(memo->Lines()->Text(), "zero\r\nTWO\r\nthree\r\n");
  EXPECT_THROW(memo->Lines()->Get(3), EStringListError);
  const LONG_PTR style = ::GetWindowLongPtrA(memo->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_TRUE(style & ES_AUTOHSCROLL) << "no word wrap";

  struct Case {
    bool wantReturns, wantTabs;
  } cases[] = {{true, true}, {false, false}};
  for (const Case& c : cases) {
    memo->SetWantReturns(c.wantReturns);
    memo->SetWantTabs(c.wantTabs);
    MSG key = {memo->Handle(), WM_KEYDOWN, VK_RETURN, 1, 0, {0, 0}};
    const LRESULT code = memo->Perform(WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&key));
    EXPECT_EQ((code & DLGC_WANTALLKEYS) != 0, c.wantReturns);
    EXPECT_EQ((code & DLGC_WANTTAB) != 0, c.wantTabs);
  }
  memo->SetSelStart(static_cast<int>(memo->Text().size()));
  Type(memo->Handle(), "\r");
  EXPECT_EQ(memo->Lines()->Count(), 3) << "Enter is no line break when the memo does not want it";
  memo->SetWantReturns(true);
  memo->SetSelStart(static_cast<int>(memo->Text().size()));
  Type(memo->Handle(), "\rfour");
  EXPECT_EQ(memo->Lines()->Get(3), "four");
  EXPECT_EQ(memo->CaretPos(), (TPoint{4, 3}));
}

TEST(StdMaskEdit, TypingFillsTheMaskAndLeavingChecksIt) {
  auto form = ShowDefinition(kMemoForm);
  auto* time = Find<TMaskEdit>(form.get(), "edtTime");
  auto* code = Find<TMaskEdit>(form.get(), "edtCode");
  ASSERT_TRUE(time && code);
  EXPECT_TRUE(time->IsMasked());
  EXPECT_EQ(time->EditText(), "12:34:56");
  EXPECT_EQ(time->Text(), "12:34:56");

  time->SetText("");
  EXPECT_EQ(time->EditText(), "  :  :  ") << "blanks in place, literals kept";
  time->SetSelStart(0);
  Type(time->Handle(), "0x945");
  EXPECT_EQ(time->EditText(), "09:45:  ") << "a letter is refused, literals are stepped over";
  EXPECT_EQ(time->SelStart(), 6);
  Type(time->Handle(), "\b\b");
  EXPECT_EQ(time->EditText(), "09:  :  ") << "backspace blanks the positions before the caret";
  EXPECT_THROW(time->ValidateEdit(), EDBEditError) << "the required seconds are blank";
  EXPECT_EQ(time->SelStart(), 3) << "the caret goes to the first blank required position";
  Type(time->Handle(), "3000");
  EXPECT_NO_THROW(time->ValidateEdit());
  EXPECT_EQ(time->Text(), "09:30:00");

  code->SetSelStart(0);
  Type(code->Handle(), "ab1234");
  EXPECT_EQ(code->EditText(), "AB-1234") << "'>' makes letters upper case";
  EXPECT_EQ(code->Text(), "AB1234") << "literals are not saved";
  code->SetText("XY98");
  EXPECT_EQ(code->EditText(), "XY-98__");
  EXPECT_THROW(code->ValidateEdit(), EDBEditError);
  code->SetEditMask("");
  EXPECT_FALSE(code->IsMasked());
  EXPECT_EQ(code->Text(), "XY98") << "without a mask the text stays";
}
