#include <gtest/gtest.h>

#include "platform/controls/ShortCuts.h"
#include "platform/core/WinApi.h"
#include "platform/published/Published.h"

namespace {

class TPubBase : public TPersistent {
public:
  int Size = 1;
  String Text;
};
class TPubDerived : public TPubBase {};
class TPubUnregistered : public TPubDerived {};  // falls back to its nearest published ancestor

namespace first {
class TPubTwin : public TPersistent {};
}  // namespace first
namespace second {
class TPubTwin : public TPersistent {};
}  // namespace second

}  // namespace

TEST(Published, DescendantsInheritPropertiesAndChangeDefaults) {
  PublishClass<TPubBase>()
      .Integer("Size", &TPubBase::Size, &TPubBase::Size, 1)
      .Str("Text", &TPubBase::Text, &TPubBase::Text, "none");
  PublishClass<TPubDerived, TPubBase>().Default("Size", 5).Hide("Text");

  TPubUnregistered object;
  const TPublishedClass* published = PublishedClassOf(&object);
  ASSERT_NE(published, nullptr);
  EXPECT_EQ(published->Name, "TPubDerived");
  ASSERT_EQ(published->Properties().size(), 1u);
  const TPropInfo* size = published->Find("size");
  ASSERT_NE(size, nullptr);
  EXPECT_EQ(size->DefaultOrdinal, 5);
  EXPECT_EQ(published->Find("Text"), nullptr);
  EXPECT_EQ(FindPublishedClass("TPubBase")->Find("Size")->DefaultOrdinal, 1);

  size->SetOrdinal(&object, 9);
  EXPECT_EQ(object.Size, 9);
  EXPECT_THROW(size->SetOrdinal(&object, Int64(1) << 40), ERangeError);
  EXPECT_EQ(object.Size, 9);
}

TEST(Published, TwoClassesOfOneNameAreRefused) {
  PublishClass<first::TPubTwin>();
  EXPECT_NO_THROW(PublishClass<first::TPubTwin>());  // the same class again is no clash
  EXPECT_THROW(PublishClass<second::TPubTwin>(), EInvalidOperation);
}

TEST(Published, ShortCutTexts) {
  struct Case {
    const char* text;
    int value;
  } cases[] = {
      {"F1", VK_F1}, {"Ctrl+D", kShortCutCtrl | 'D'}, {"Alt+P", kShortCutAlt | 'P'},
      {"Shift+Ctrl+Del", kShortCutShift | kShortCutCtrl | VK_DELETE}, {"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TextToShortCutValue(c.text), c.value);
    EXPECT_EQ(ShortCutValueToText(c.value), c.text);
  }
  for (const char* bad : {"Ctrl+", "Hyper+A", "F25", "+", "Ctrl+Nothing"}) EXPECT_EQ(TextToShortCutValue(bad), -1) << bad;
}
