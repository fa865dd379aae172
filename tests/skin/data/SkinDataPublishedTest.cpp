// The skin data classes in form definitions: the container with its links, the
// interface strings, a stored compressed skin and a skin list, read from text;
// the container loads the stored skin when the reference is resolved.
#include <gtest/gtest.h>

#include "platform/FormDefinition.h"
#include "platform/Forms.h"
#include "platform/FormsPublished.h"
#include "platform/SysUtils.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinDataPublished.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

String Hex(TMemoryStream& stream) {
  String text;
  for (Int64 i = 0; i < stream.Size(); ++i) text += IntToHex(stream.Memory()[i], 2);
  return text;
}

}  // namespace

TEST(SkinDataPublished, DefinitionsHoldTheContainerAndItsStoredSkins) {
  PublishControlClasses();
  PublishSkinDataClasses();
  TempProgramFolder folder;
  TspCompressedStoredSkin packed(nullptr);
  packed.LoadFromIniFile(WriteMinimalSkin(folder));
  ASSERT_FALSE(packed.GetEmpty());
  TMemoryStream item;
  packed.SaveToCompressStream(item);

  String text = "object ResourceForm: TForm\r\n"
                "  object FormSkinData: TspSkinData\r\n"
                "    SkinnableForm = True\r\n"
                "    EnableSkinEffects = False\r\n"
                "    CompressedStoredSkin = Stored\r\n"
                "    ResourceStrData = Strings\r\n"
                "    SkinIndex = 0\r\n"
                "  end\r\n"
                "  object Strings: TspResourceStrData\r\n"
                "    ResStrings.Strings = (\r\n"
                "      'MI_CLOSECAPTION=Shut')\r\n"
                "    CharSet = ANSI_CHARSET\r\n"
                "  end\r\n"
                "  object Stored: TspCompressedStoredSkin\r\n"
                "    Description = 'packed'\r\n"
                "    CompressedData = {" + Hex(*packed.PackedData) + "}\r\n"
                "  end\r\n"
                "  object List: TspCompressedSkinList\r\n"
                "    Skins = <\r\n"
                "      item\r\n"
                "        Name = 'first'\r\n"
                "        Skin = {" + Hex(item) + "}\r\n"
                "      end>\r\n"
                "  end\r\n"
                "end\r\n";
  TForm form(nullptr);
  ReadComponentText(&form, text);
  auto* skin = dynamic_cast<TspSkinData*>(form.FindComponent("FormSkinData"));
  auto* strings = dynamic_cast<TspResourceStrData*>(form.FindComponent("Strings"));
  auto* stored = dynamic_cast<TspCompressedStoredSkin*>(form.FindComponent("Stored"));
  auto* list = dynamic_cast<TspCompressedSkinList*>(form.FindComponent("List"));
  ASSERT_TRUE(skin && strings && stored && list);
  EXPECT_FALSE(skin->EnableSkinEffects);
  EXPECT_EQ(skin->ResourceStrData(), strings);
  EXPECT_EQ(skin->CompressedStoredSkin(), stored);
  EXPECT_FALSE(skin->Empty) << "the stored skin was loaded when its reference was resolved";
  EXPECT_EQ(skin->SkinName, "Mini");
  EXPECT_EQ(strings->GetResStr("MI_CLOSECAPTION"), "Shut");
  EXPECT_EQ(strings->GetResStr("MI_MAXCAPTION"), "") << "a stored list replaces the defaults";
  EXPECT_EQ(strings->CharSet, 0);
  EXPECT_EQ(stored->Description, "packed");
  ASSERT_EQ(list->Skins()->Count(), 1);
  EXPECT_EQ(list->Skins()->Items(0)->Name, "first");
  EXPECT_EQ(list->Skins()->Items(0)->StoredSkin()->PackedData->Size(), packed.PackedData->Size());

  // Freeing a linked component clears the link.
  delete strings;
  EXPECT_EQ(skin->ResourceStrData(), nullptr);
}
