#include <gtest/gtest.h>

#include <memory>

#include "platform/controls/ShortCuts.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/Bitmap.h"
#include "tests/harness/TempProgramFolder.h"
#include "tests/platform/published/FormTestClasses.h"

namespace {

// Every kind of property, nested widgets, a reference written before the
// component it names exists, a picture given as a file.
const char* const kEveryKind = R"(object DemoForm: TDemoForm
  Tag = 7
  object Panel: TDemoWidget
    Left = 8
    Align = daClient
    Caption = 'It''s '#13#10'open' +
      ' now'
    Visible = False
    Sides = [dsRight, dsBottom]
    Color = clWindow
    Ratio = 2.5
    ShortCut = 'Ctrl+D'
    Cursor = crHourGlass
    Buddy = Button
    Items.Strings = (
      'first'
      'second')
    Font.Name = 'Tahoma'
    Font.Style = [fsBold, fsItalic]
    Font.Color = $0000FF
    Columns = <
      item
        Caption = 'Name'
        Width = 300
      end
      item
        Caption = 'Duration'
      end>
    Picture.Data = {file 'dot.bmp'}
    Numbers = (3 1 4)
    OnClick = WidgetClick
    OnChange = WidgetChange
    // a comment line
    object Button: TDemoWidget
      Left = -3
      Color = 255
      OnClick = WidgetClick
    end
  end
  object Loose: TDemoWidget
    Buddy = DemoForm.Panel
  end
end
)";

// A 2 x 1 bitmap file, 24 bits per pixel: one red and one blue pixel.
String TwoPixelBmp() {
  TBitmap bitmap(2, 1, pf24bit);
  bitmap.Canvas()->SetPixels(0, 0, clRed);
  bitmap.Canvas()->SetPixels(1, 0, clBlue);
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return String(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

class FormReader : public testing::Test {
protected:
  void SetUp() override { TDemoWidget::Publish(); }
};

}  // namespace

TEST_F(FormReader, ReadsNestedComponentsWithPropertiesOfEveryKind) {
  TempProgramFolder folder;
  folder.Write("dot.bmp", TwoPixelBmp());
  TDemoForm form;
  ReadComponentText(&form, kEveryKind, form.bindings, TFolderFiles(folder.Path()));

  EXPECT_EQ(form.Name(), "DemoForm");
  EXPECT_EQ(form.Tag, 7);
  ASSERT_EQ(form.ComponentCount(), 3);
  ASSERT_NE(form.Panel, nullptr);
  TDemoWidget& panel = *form.Panel;
  auto* button = dynamic_cast<TDemoWidget*>(form.FindComponent("Button"));
  auto* loose = dynamic_cast<TDemoWidget*>(form.FindComponent("Loose"));
  ASSERT_NE(button, nullptr);
  ASSERT_NE(loose, nullptr);

  EXPECT_EQ(panel.Left(), 8);
  EXPECT_EQ(panel.Align(), daClient);
  EXPECT_EQ(panel.Caption(), "It's \r\nopen now");
  EXPECT_FALSE(panel.Visible);
  EXPECT_EQ(panel.Sides, (1u << dsRight) | (1u << dsBottom));
  EXPECT_EQ(panel.Color, clWindow);
  EXPECT_EQ(panel.Ratio, 2.5);
  EXPECT_EQ(panel.ShortCut, kShortCutCtrl | 'D');
  EXPECT_EQ(panel.Cursor, -11);
  EXPECT_EQ(panel.Buddy, button);
  EXPECT_EQ(panel.Items.Text(), "first\r\nsecond\r\n");
  EXPECT_EQ(panel.Font.Name(), "Tahoma");
  EXPECT_EQ(panel.Font.Style(), unsigned(fsBold | fsItalic));
  EXPECT_EQ(panel.Font.Color(), clRed);
  EXPECT_EQ(panel.Font.Height(), -11);  // not in the definition: the default stays
  ASSERT_EQ(panel.Columns.Count(), 2);
  EXPECT_EQ(static_cast<TDemoColumn*>(panel.Columns.Items(0))->Caption, "Name");
  EXPECT_EQ(static_cast<TDemoColumn*>(panel.Columns.Items(0))->Width, 300);
  EXPECT_EQ(static_cast<TDemoColumn*>(panel.Columns.Items(1))->Width, 50);
  ASSERT_NE(panel.Picture.Graphic(), nullptr);
  EXPECT_EQ(panel.Picture.Graphic()->ClassName(), "TBitmap");
  EXPECT_EQ(panel.Picture.Width(), 2);
  EXPECT_EQ(panel.Picture.Bitmap()->Canvas()->Pixels(1, 0), clBlue);
  EXPECT_EQ(panel.Numbers, (std::vector<int>{3, 1, 4}));

  // Nested as written; the owner of all is the root.
  EXPECT_EQ(button->Owner(), &form);
  EXPECT_EQ(button->Container, &panel);
  EXPECT_EQ(panel.Container, nullptr);
  EXPECT_EQ(button->Left(), -3);
  EXPECT_EQ(button->Color, clRed);
  EXPECT_EQ(loose->Buddy, &panel);

  // Events bound to the form's handlers, of both event types.
  panel.OnClick(&panel);
  button->OnClick(button);
  EXPECT_EQ(form.Clicks, (std::vector<String>{"Panel", "Button"}));
  int value = 1;
  panel.OnChange(&panel, value);
  EXPECT_EQ(value, 2);
}

TEST_F(FormReader, LoadedComesOnceAfterEveryReferenceIsResolved) {
  TDemoForm form;
  ReadComponentText(&form, R"(object DemoForm: TDemoForm
  object Panel: TDemoWidget
    Left = 1
    Buddy = Later
  end
  object Later: TDemoWidget
  end
end)",
                    form.bindings);
  EXPECT_EQ(form.Panel->ReadWhileLoading, "yes");
  EXPECT_EQ(form.Panel->LoadedLog, (std::vector<String>{"loading, buddy Later"}));
  EXPECT_FALSE(form.Panel->HasState(csLoading));
  EXPECT_FALSE(form.Panel->HasState(csReading));
  EXPECT_FALSE(form.HasState(csLoading));
}

TEST_F(FormReader, HandlersDetachedAndReattachedBehave) {
  TDemoForm form;
  ReadComponentText(&form, R"(object DemoForm: TDemoForm
  object Panel: TDemoWidget
    OnClick = WidgetClick
  end
end)",
                    form.bindings);
  TDemoWidget& panel = *form.Panel;
  TNotifyEvent bound = panel.OnClick;
  EXPECT_EQ(bound, TNotifyEvent(&form, &TDemoForm::WidgetClick));

  panel.OnClick = nullptr;  // detached: a change goes unhandled
  panel.OnClick(&panel);
  EXPECT_TRUE(form.Clicks.empty());

  panel.OnClick = bound;  // attached again
  panel.OnClick(&panel);
  EXPECT_EQ(form.Clicks, (std::vector<String>{"Panel"}));

  // The handler is found by its name too.
  const TMethodValue* handler = form.bindings.FindHandler("widgetclick");
  ASSERT_NE(handler, nullptr);
  ASSERT_NE(handler->As<TNotifyEvent>(), nullptr);
  EXPECT_EQ(*handler->As<TNotifyEvent>(), bound);
  EXPECT_EQ(handler->As<TChangeEvent>(), nullptr);
}

TEST_F(FormReader, OldPropertiesAreReadAndDropped) {
  TDemoForm form;
  ReadComponentText(&form, R"(object DemoForm: TDemoForm
  object Panel: TDemoWidget
    FrameSides = [sdLeft, sdTop]
    FrameFlat = True
    Left = 4
  end
end)",
                    form.bindings);
  EXPECT_EQ(form.Panel->Left(), 4);
}

TEST_F(FormReader, ReferencesReachComponentsOfOtherRoots) {
  auto* resources = new TDemoResourceForm;
  ReadComponentText(resources, R"(object ResourceForm: TDemoResourceForm
  object FormSkinData: TDemoWidget
  end
end)");
  EXPECT_EQ(FindGlobalRoot("resourceform"), resources);

  TDemoForm form;
  ReadComponentText(&form, R"(object DemoForm: TDemoForm
  object Panel: TDemoWidget
    Buddy = ResourceForm.FormSkinData
  end
end)",
                    form.bindings);
  EXPECT_EQ(form.Panel->Buddy, resources->FindComponent("FormSkinData"));
  EXPECT_EQ(WriteComponentText(&form, form.bindings),
            "object DemoForm: TDemoForm\r\n"
            "  object Panel: TDemoWidget\r\n"
            "    Buddy = ResourceForm.FormSkinData\r\n"
            "  end\r\n"
            "end\r\n");

  delete resources;  // a destroyed root is no longer found
  EXPECT_EQ(FindGlobalRoot("ResourceForm"), nullptr);
  TDemoForm other;
  EXPECT_THROW(ReadComponentText(&other, R"(object DemoForm: TDemoForm
  object Panel: TDemoWidget
    Buddy = ResourceForm.FormSkinData
  end
end)",
                                 other.bindings),
               EFormDefinitionError);
}

// Each bad definition gives EFormDefinitionError with a message that says where,
// and the components created before the fault are gone again.
TEST_F(FormReader, BadDefinitionsAreRefusedWithThePlaceNamed) {
  struct Case {
    const char* body;      // the lines inside "object DemoForm: TDemoForm ... end"
    const char* message;   // expected in the error text
  } cases[] = {
      {"object Panel: TDemoWidget\n Captoin = 'x'\nend",
       "TDemoForm, line 3: DemoForm.Panel.Captoin: unknown property \"Captoin\" of TDemoWidget"},
      {"object Panel: TDemoWidget\n Font.Colour = clRed\nend", "DemoForm.Panel.Font.Colour: unknown property"},
      {"object Panel: TDemoWidget\nend\nobject Extra: TDemoButton\nend", "DemoForm.Extra: class TDemoButton is not registered"},
      {"object Panel: TDemoWidget\n Align = alClient\nend", "alClient is not a value of TDemoAlign"},
      {"object Panel: TDemoWidget\n Sides = [dsLeft, dsMiddle]\nend", "dsMiddle is not a value of TDemoSides"},
      {"object Panel: TDemoWidget\n Left = 'eight'\nend", "Panel.Left: an integer expected, not a string"},
      {"object Panel: TDemoWidget\n Left = 4294967296\nend", "Panel.Left: Value 4294967296 is out of range"},
      {"object Panel: TDemoWidget\n Visible = Yes\nend", "True or False expected"},
      {"object Panel: TDemoWidget\n Color = clRose\nend", "unknown identifier clRose"},
      {"object Panel: TDemoWidget\n ShortCut = 'Ctrl+Nothing'\nend", "'Ctrl+Nothing' is no shortcut"},
      {"object Panel: TDemoWidget\n OnClick = WidgetClik\nend", "handler WidgetClik is not declared by TDemoForm"},
      {"object Panel: TDemoWidget\n OnClick = WidgetChange\nend", "handler WidgetChange does not fit"},
      {"object Panel: TDemoWidget\n Buddy = Nobody\nend", "DemoForm.Panel.Buddy: component Nobody does not exist"},
      {"object Panel: TDemoWidget\n Buddy = DemoForm\nend", "DemoForm is a TDemoForm, not a TDemoWidget"},
      {"object Panel: TDemoWidget\n Picture.Data = {file 'missing.png'}\nend", "file 'missing.png' not found"},
      {"object Panel: TDemoWidget\n Picture.Data = {0102}\nend", "Panel.Picture.Data:"},
      {"object Panel: TDemoWidget\n Numbers = 5\nend", "a list expected, not an integer"},
      {"object Panel: TDemoWidget\n Columns = <item Wide = 3 end>\nend", "Panel.Columns[0].Wide: unknown property"},
      {"object Panel: TDemoWidget\nend\nobject Panel: TDemoWidget\nend", "two components of that name"},
      {"object Panel: TDemoWidget\nend\nobject 1abc: TDemoWidget\nend", "line 4: component name expected"},
      {"object Panel: TDemoWidget\n Left = \nend", "line 4: value expected"},
      {"object Panel: TDemoWidget\n Caption = 'open\nend", "line 3: unterminated string"},
      {"object Panel: TDemoWidget\n Left = 1", "'end' expected"},
      {"object Loose: TDemoWidget\nend", "DemoForm.Panel: the form's field Panel has no component in the definition"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    TDemoForm form;
    String text = String("object DemoForm: TDemoForm\n") + c.body + "\nend\n";
    try {
      ReadComponentText(&form, text, form.bindings);
      ADD_FAILURE() << "no error";
    } catch (const EFormDefinitionError& e) {
      EXPECT_NE(e.Message.find(c.message), String::npos) << e.Message;
    }
    EXPECT_EQ(form.ComponentCount(), 0);
    EXPECT_EQ(form.Panel, nullptr);
    EXPECT_FALSE(form.HasState(csLoading));
  }
}

TEST_F(FormReader, AFieldOfAnotherClassIsRefused) {
  TDemoForm form;
  TDemoResourceForm* wrong = nullptr;
  TFormBindings bindings;
  bindings.Field("Panel", wrong);
  try {
    ReadComponentText(&form, "object DemoForm: TDemoForm\n object Panel: TDemoWidget\n end\nend", bindings);
    ADD_FAILURE() << "no error";
  } catch (const EFormDefinitionError& e) {
    EXPECT_NE(e.Message.find("DemoForm.Panel: is a TDemoWidget, but the field holds a TDemoResourceForm"),
              String::npos)
        << e.Message;
  }
  EXPECT_EQ(wrong, nullptr);
  EXPECT_EQ(form.ComponentCount(), 0);
}

TEST_F(FormReader, ADefinitionOfAnotherClassIsRefused) {
  TDemoResourceForm form;
  EXPECT_THROW(ReadComponentText(&form, "object DemoForm: TDemoForm\nend"), EFormDefinitionError);
  EXPECT_EQ(form.Name(), "");
}

TEST_F(FormReader, SecondFormOfAClassUnderOneOwnerGetsANameOfItsOwn) {
  TComponent owner(nullptr);
  const char* text = "object DemoForm: TDemoForm\n object Panel: TDemoWidget\n end\nend";
  auto* first = new TDemoForm(&owner);
  ReadComponentText(first, text, first->bindings);
  auto* second = new TDemoForm(&owner);
  ReadComponentText(second, text, second->bindings);
  EXPECT_EQ(first->Name(), "DemoForm");
  EXPECT_EQ(second->Name(), "DemoForm_1");
  EXPECT_NE(second->Panel, first->Panel);
  EXPECT_EQ(second->Panel->Owner(), second);
}
