#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/published/FormDefinition.h"
#include "tests/platform/published/FormTestClasses.h"

namespace {

class FormWriter : public testing::Test {
protected:
  void SetUp() override { TDemoWidget::Publish(); }
};

}  // namespace

TEST_F(FormWriter, WritesNothingThatEqualsItsDefault) {
  TDemoForm form;
  form.SetName("DemoForm");
  auto* panel = new TDemoWidget(&form);
  panel->SetName("Panel");
  const String bare = "object DemoForm: TDemoForm\r\n  object Panel: TDemoWidget\r\n  end\r\nend\r\n";
  EXPECT_EQ(WriteComponentText(&form, form.bindings), bare);

  // Values changed and set back, handlers the form did not declare and components
  // without a name are not written.
  panel->SetLeft(5);
  panel->SetLeft(0);
  panel->Font.SetName("Tahoma");
  panel->Font.SetName("MS Sans Serif");
  panel->OnClick = TNotifyEvent::Function([](TObject*) {});
  new TDemoWidget(&form);  // made in code without a name
  EXPECT_EQ(WriteComponentText(&form, form.bindings), bare);
}

// The canonical text: properties in the order they were published, the parent's
// first, then the ones the class writes itself, then the nested components.
TEST_F(FormWriter, WritesEveryKindAndReadsItBack) {
  const String text =
      "object DemoForm: TDemoForm\r\n"
      "  Tag = 7\r\n"
      "  object Panel: TDemoWidget\r\n"
      "    Tag = -1\r\n"
      "    Left = 8\r\n"
      "    Align = daClient\r\n"
      "    Caption = 'It''s '#13#10'open'\r\n"
      "    Visible = False\r\n"
      "    Sides = [dsRight, dsBottom]\r\n"
      "    Color = clWindow\r\n"
      "    Ratio = 0.1\r\n"
      "    ShortCut = 'Shift+Ctrl+F2'\r\n"
      "    Cursor = crHourGlass\r\n"
      "    Items.Strings = (\r\n"
      "      'first'\r\n"
      "      '')\r\n"
      "    Font.Charset = ANSI_CHARSET\r\n"
      "    Font.Color = $00FF8000\r\n"
      "    Font.Height = -13\r\n"
      "    Font.Name = 'Tahoma'\r\n"
      "    Font.Style = [fsBold, fsItalic]\r\n"
      "    Columns = <\r\n"
      "      item\r\n"
      "        Caption = 'Name'\r\n"
      "        Width = 300\r\n"
      "      end\r\n"
      "      item\r\n"
      "      end>\r\n"
      "    Buddy = Button\r\n"
      "    OnClick = WidgetClick\r\n"
      "    OnChange = WidgetChange\r\n"
      "    Numbers = (\r\n"
      "      3\r\n"
      "      1)\r\n"
      "    object Button: TDemoWidget\r\n"
      "      Color = $0000000C\r\n"
      "      OnClick = WidgetClick\r\n"
      "    end\r\n"
      "  end\r\n"
      "  object Second: TDemoWidget\r\n"
      "    Buddy = Panel\r\n"
      "  end\r\n"
      "end\r\n";
  TDemoForm form;
  ReadComponentText(&form, text, form.bindings);
  EXPECT_EQ(form.Panel->Font.Color(), 0xFF8000);
  EXPECT_EQ(form.Panel->Ratio, 0.1);
  EXPECT_EQ(WriteComponentText(&form, form.bindings), text);

  // Unnamed colours are written as hexadecimal numbers, system colours too.
  form.Panel->Font.SetColor(SystemColor(25));
  EXPECT_NE(WriteComponentText(&form, form.bindings).find("Font.Color = $80000019"), String::npos);
  TDemoForm again;
  ReadComponentText(&again, WriteComponentText(&form, form.bindings), again.bindings);
  EXPECT_EQ(again.Panel->Font.Color(), SystemColor(25));
}

TEST_F(FormWriter, PicturesAreWrittenAsTheirDataAndReadBack) {
  TDemoForm form;
  form.SetName("DemoForm");
  form.Panel = new TDemoWidget(&form);
  form.Panel->SetName("Panel");
  TBitmap bitmap(3, 2, pf24bit);
  bitmap.Canvas()->SetPixels(2, 1, clLime);
  form.Panel->Picture.SetBitmap(&bitmap);

  String text = WriteComponentText(&form, form.bindings);
  EXPECT_NE(text.find("    Picture.Data = {\r\n      07544269746D6170"), String::npos) << text;  // 7 "TBitmap"
  TDemoForm again;
  ReadComponentText(&again, text, again.bindings);
  ASSERT_NE(again.Panel->Picture.Graphic(), nullptr);
  EXPECT_EQ(again.Panel->Picture.Width(), 3);
  EXPECT_EQ(again.Panel->Picture.Bitmap()->Canvas()->Pixels(2, 1), clLime);
}
