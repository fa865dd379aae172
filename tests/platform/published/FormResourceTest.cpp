#include <gtest/gtest.h>

#include "platform/published/FormDefinition.h"
#include "tests/platform/published/FormTestClasses.h"

// The test program carries TDemoResourceForm's definition and its picture as
// resources (FormResources.rc), as the program carries its windows'.
TEST(FormResource, AFormReadsItsCompiledDefinitionAndPictures) {
  TDemoWidget::Publish();
  TDemoResourceForm form;
  ReadFormDefinition(&form);
  EXPECT_EQ(form.Name(), "ResourceDemo");
  auto* logo = dynamic_cast<TDemoWidget*>(form.FindComponent("Logo"));
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(logo->Caption(), "Logo");
  ASSERT_EQ(logo->Picture.Width(), 2);
  EXPECT_EQ(logo->Picture.Bitmap()->Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(logo->Picture.Bitmap()->Canvas()->Pixels(1, 1), clWhite);

  String text;
  EXPECT_TRUE(FindFormDefinition("TDemoResourceForm", text));
  EXPECT_EQ(text.rfind("object ResourceDemo: TDemoResourceForm", 0), 0u);
}

TEST(FormResource, AClassWithoutADefinitionGetsResNotFound) {
  TDemoWidget::Publish();
  TDemoForm form;
  EXPECT_THROW(ReadFormDefinition(&form, form.bindings), EResNotFound);
  String text;
  EXPECT_FALSE(FindFormDefinition("TDemoForm", text));
  EXPECT_FALSE(TResourceFiles().Read("..\\CHECKER.BMP", text));
  EXPECT_TRUE(TResourceFiles().Read("checker.bmp", text));
}
