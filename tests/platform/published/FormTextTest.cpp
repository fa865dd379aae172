#include <gtest/gtest.h>

#include "platform/published/FormText.h"

namespace {

TFormValue ValueOf(const String& text) {
  TFormObject object = ParseFormText("object A: TA\n  P = " + text + "\nend", "test");
  EXPECT_EQ(object.Properties.size(), 1u);
  return object.Properties.at(0).Value;
}

}  // namespace

TEST(FormText, ReadsStringsNumbersAndSets) {
  struct Case {
    const char* text;
    TFormValueKind kind;
    const char* string;
    Int64 integer;
  } cases[] = {
      {"'a''b'", vkString, "a'b", 0},
      {"''", vkString, "", 0},
      {"#65#66", vkString, "AB", 0},
      {"'x'#13#10'y'", vkString, "x\r\ny", 0},
      {"'a' +\n    'b' + #33", vkString, "ab!", 0},
      {"$FF", vkInteger, "", 255},
      {"-$10", vkInteger, "", -16},
      {"-12", vkInteger, "", -12},
      {"+7", vkInteger, "", 7},
      {"9223372036854775807", vkInteger, "", INT64_MAX},
      {"ResourceForm.FormSkinData", vkIdent, "ResourceForm.FormSkinData", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TFormValue value = ValueOf(c.text);
    EXPECT_EQ(value.Kind, c.kind);
    if (c.kind == vkInteger) EXPECT_EQ(value.Integer, c.integer);
    else EXPECT_EQ(value.Text, c.string);
  }
  EXPECT_EQ(ValueOf("1.5e2").Float, 150.0);
  EXPECT_EQ(ValueOf("[]").Names.size(), 0u);
  EXPECT_EQ(ValueOf("[ a , b ]").Names, (std::vector<String>{"a", "b"}));
  EXPECT_EQ(ValueOf("{ 00 ff\n 7A }").Bytes, String("\x00\xFF\x7A", 3));
}

TEST(FormText, RefusesMalformedTextWithItsLine) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"object A: TA\nend\nend", "test, line 3: text after the last 'end'"},
      {"object A TA\nend", "line 1: ':' expected"},
      {"object A: TA\n P = #300\nend", "line 2: character code above 255"},
      {"object A: TA\n P = 99999999999999999999\nend", "line 2: number out of range"},
      {"object A: TA\n P = {0A0}\nend", "odd number of hexadecimal digits"},
      {"object A: TA\n P = {file ''}\nend", "file name expected"},
      {"object A: TA\n P = [a b]\nend", "',' expected"},
      {"object A: TA\n P = ('a'\nend", "line 3: ')' expected"},
      {"object A: TA\n P = 'a' +\nend", "string expected after '+'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ParseFormText(c.text, "test");
      ADD_FAILURE() << "no error";
    } catch (const EFormDefinitionError& e) {
      EXPECT_NE(e.Message.find(c.message), String::npos) << e.Message;
    }
  }
  // Deep nesting ends in an error, not in a stack overflow.
  String deep = "object A: TA\n P = " + String(100000, '(') + "\nend";
  EXPECT_THROW(ParseFormText(deep, "test"), EFormDefinitionError);
}

TEST(FormText, EveryByteOfAStringIsWrittenSoThatItReadsBack) {
  String all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  TFormObject object;
  object.Name = "A";
  object.ClassName = "TA";
  object.Properties.push_back({"P", TFormValue::OfString(all), 0});
  EXPECT_EQ(ParseFormText(PrintFormText(object), "test").Properties.at(0).Value.Text, all);
  EXPECT_EQ(QuoteFormString("it's"), "'it''s'");
  EXPECT_EQ(QuoteFormString("a\tb"), "'a'#9'b'");
}
