// The container over a skin folder: lookups, record lists with unknown words,
// areas, the [FORMINFO] corrections, cursors, colours, named-picture editing,
// and writing the skin back (SaveToFile, StoreToDisk) so that it loads the same.
#include <gtest/gtest.h>

#include "platform/FileUtils.h"
#include "platform/Forms.h"
#include "skin/data/SkinData.h"
#include "tests/skin/data/RecordFuzz.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

// The description of two containers compared through their tables and lists.
void ExpectSameSkin(TspSkinData& a, TspSkinData& b) {
  EXPECT_EQ(DifferentKeys(TspSkinData::FormInfoTable(), &a, &b), "");
  EXPECT_EQ(DifferentKeys(TspSkinColors::RecordTable(), a.SkinColors.get(), b.SkinColors.get()), "");
  EXPECT_EQ(DifferentKeys(TspDataSkinPopupWindow::RecordTable(), a.PopupWindow.get(), b.PopupWindow.get()), "");
  EXPECT_EQ(DifferentKeys(TspDataSkinHintWindow::RecordTable(), a.HintWindow.get(), b.HintWindow.get()), "");
  ASSERT_EQ(a.ObjectList.size(), b.ObjectList.size());
  for (size_t i = 0; i < a.ObjectList.size(); ++i) {
    EXPECT_EQ(a.ObjectList[i]->ClassName(), b.ObjectList[i]->ClassName());
    EXPECT_EQ(DifferentKeys(a.ObjectList[i]->Table(), a.ObjectList[i].get(), b.ObjectList[i].get()), "")
        << a.ObjectList[i]->IDName;
  }
  ASSERT_EQ(a.CtrlList.size(), b.CtrlList.size());
  for (size_t i = 0; i < a.CtrlList.size(); ++i) {
    EXPECT_EQ(a.CtrlList[i]->ClassName(), b.CtrlList[i]->ClassName());
    EXPECT_EQ(DifferentKeys(a.CtrlList[i]->Table(), a.CtrlList[i].get(), b.CtrlList[i].get()), "")
        << a.CtrlList[i]->RecordName;
  }
  ASSERT_EQ(a.ActivePictures.size(), b.ActivePictures.size());
  for (size_t i = 0; i < a.ActivePictures.size(); ++i) {
    EXPECT_EQ(a.ActivePictures[i]->Width(), b.ActivePictures[i]->Width());
    EXPECT_EQ(a.ActivePictures[i]->Height(), b.ActivePictures[i]->Height());
  }
  EXPECT_EQ(a.Picture->Width(), b.Picture->Width());
  EXPECT_EQ(a.InActivePicture->Width(), b.InActivePicture->Width());
  EXPECT_EQ(a.RollUpMask->Width(), b.RollUpMask->Width());
  EXPECT_EQ(a.SkinName, b.SkinName);
  EXPECT_EQ(a.AreaList.size(), b.AreaList.size());
}

}  // namespace

TEST(SkinDataFolder, ListsSkipUnknownWordsAndLookupsAreExact) {
  TempProgramFolder folder;
  WriteMinimalSkin(folder);
  // The minimal skin with record lists of its own.
  String text = MinimalSkinIni();
  text.replace(text.find("[SKINOBJECTS]\r\ncount=0"), 22,
               "[SKINOBJECTS]\r\ncount=4\r\n0=one:caption\r\n1=two:cmbutton\r\n2=nocolon\r\n3=three:label");
  text.replace(text.find("[SKINCONTROLS]\r\ncount=0"), 23,
               "[SKINCONTROLS]\r\ncount=3\r\n0=button:button\r\n1=Button:panel\r\n2=button:edit");
  text += "[SKINAREAS]\r\ncount=2\r\n0=grip:-1,2,30,40\r\n1=nocolon\r\n";
  String ini = folder.Write("skin\\Skin.ini", text);

  TspSkinData skin(nullptr);
  ASSERT_TRUE(skin.LoadFromFile(ini));
  ASSERT_EQ(skin.ObjectList.size(), 2u);
  EXPECT_EQ(skin.GetIndex("one"), 0);
  EXPECT_EQ(skin.GetIndex("three"), 1);
  EXPECT_EQ(skin.GetIndex("two"), -1);
  EXPECT_EQ(skin.GetControlIndex("button"), 0);
  EXPECT_EQ(skin.GetControlIndex("Button"), 1);
  EXPECT_EQ(skin.GetControlIndex("BUTTON"), -1);
  EXPECT_EQ(skin.CtrlList[2]->RecordName, "button");
  ASSERT_EQ(skin.AreaList.size(), 2u);
  EXPECT_EQ(skin.GetAreaIndex("grip"), 0);
  EXPECT_EQ(skin.AreaList[0]->skinrect, (TRect{1, 2, 30, 40}));
  EXPECT_EQ(skin.AreaList[1]->IDName, "");

  skin.ClearAll();
  EXPECT_EQ(skin.GetIndex("one"), -1);
}

TEST(SkinDataFolder, FormInfoCorrections) {
  struct Case {
    const char* keys;
    bool masked;
    TPoint hitTestLeftTop;
    TRect maskArea;
    TPoint leftTop;
  } cases[] = {
      // No mask: hit-test points as read; corners pulled into the client rectangle.
      {"lefttoppoint=1,1\r\nrightbottompoint=39,29\r\n", false, {0, 0}, {0, 0, 0, 0}, {2, 10}},
      // A mask: zero hit-test points take the corners, the mask area covers the client.
      {"lefttoppoint=1,1\r\nrightbottompoint=39,29\r\n", true, {1, 1}, {2, 10, 38, 28}, {2, 10}},
      {"lefttoppoint=1,1\r\nrightbottompoint=39,29\r\nhittestlefttoppoint=3,4\r\nmaskrectarea=0,12,10,14\r\n",
       true, {3, 4}, {0, 10, 38, 28}, {2, 10}},
      // Same X for both corners: nothing is pulled.
      {"lefttoppoint=5,5\r\nrightbottompoint=5,40\r\n", false, {0, 0}, {0, 0, 0, 0}, {5, 5}},
  };
  for (const Case& c : cases) {
    TempProgramFolder folder;
    String text = MinimalSkinIni();
    text.insert(text.find("clientrect"), c.keys);
    if (c.masked) text.insert(text.find("activepicturescount"), "mask=frame.bmp\r\n");
    folder.Write("skin\\frame.bmp", BmpBytes(40, 30));
    folder.Write("skin\\parts.bmp", BmpBytes(20, 20));
    TspSkinData skin(nullptr);
    ASSERT_TRUE(skin.LoadFromFile(folder.Write("skin\\Skin.ini", text))) << c.keys;
    EXPECT_EQ(skin.HitTestLeftTopPoint, c.hitTestLeftTop) << c.keys;
    EXPECT_EQ(skin.MaskRectArea, c.maskArea) << c.keys;
    EXPECT_EQ(skin.LeftTopPoint, c.leftTop) << c.keys;
  }
}

TEST(SkinDataFolder, ColoursCursorsAndDefaults) {
  TspSkinData skin(nullptr);
  EXPECT_EQ(skin.SkinColors->cBtnFace, 0) << "after construction";
  EXPECT_EQ(skin.StartCursorIndex, 1);
  EXPECT_EQ(skin.InActiveEffect, ieBrightness);
  TempProgramFolder folder;
  ASSERT_TRUE(skin.LoadFromFile(
      WriteMinimalSkin(folder, "[SKINCOLORS]\r\ncbtnface=255\r\n[CURSORS]\r\nstartcursorindex=-3\r\n")));
  EXPECT_EQ(skin.SkinColors->cBtnFace, 255);
  EXPECT_EQ(skin.SkinColors->cBtnText, 0) << "a missing colour key is black, not the system colour";
  EXPECT_EQ(skin.StartCursorIndex, 1);
  skin.ClearAll();
  EXPECT_EQ(skin.SkinColors->cBtnText, clBtnText);
}

TEST(SkinDataFolder, CursorFilesGoIntoTheScreensSlots) {
  TspSkinData skin(nullptr);
  ASSERT_TRUE(skin.LoadFromFile(StressSkinIni()));
  ASSERT_EQ(skin.CursorNames->Count(), 1);
  EXPECT_NE(Screen.Cursors(skin.StartCursorIndex), Screen.Cursors(-2)) << "the skin's cursor, not the arrow";
}

TEST(SkinDataFolder, DeletingANamedPictureRenumbersTheRecords) {
  TempProgramFolder folder;
  folder.Write("skin\\b.bmp", BmpBytes(4, 4));
  String text = MinimalSkinIni(
      "[POPUPWINDOW]\r\nwindowpictureindex=1\r\nmaskpictureindex=0\r\n"
      "[c]\r\npictureindex=1\r\nmaskpictureindex=0\r\n[t]\r\nbgpictureindex=2\r\n");
  text.replace(text.find("activepicturescount=1\r\n0=parts.bmp"), 34,
               "activepicturescount=3\r\n0=parts.bmp\r\n1=b.bmp\r\n2=parts.bmp");
  text.replace(text.find("[SKINCONTROLS]\r\ncount=0"), 23, "[SKINCONTROLS]\r\ncount=2\r\n0=c:button\r\n1=t:tab");
  text.insert(text.find("clientrect"), "bgpictureindex=2\r\n");
  folder.Write("skin\\frame.bmp", BmpBytes(40, 30));
  folder.Write("skin\\parts.bmp", BmpBytes(20, 20));
  TspSkinData skin(nullptr);
  ASSERT_TRUE(skin.LoadFromFile(folder.Write("skin\\Skin.ini", text)));
  skin.DeleteBitMap(0);
  EXPECT_EQ(skin.ActivePictureNames->Text(), "b.bmp\r\nparts.bmp\r\n");
  EXPECT_EQ(skin.PopupWindow->WindowPictureIndex, 0);
  EXPECT_EQ(skin.PopupWindow->maskpictureindex, -1);
  EXPECT_EQ(skin.CtrlList[0]->pictureindex, 0);
  EXPECT_EQ(skin.CtrlList[0]->maskpictureindex, -1);
  EXPECT_EQ(static_cast<TspDataSkinTabControl*>(skin.CtrlList[1].get())->bgpictureindex, 1);
  EXPECT_EQ(skin.bgpictureindex, 1);
  EXPECT_EQ(skin.ActivePicture(1)->Width(), 20);
  EXPECT_EQ(skin.ActivePicture(2), nullptr);
  EXPECT_EQ(skin.ActivePicture(-1), nullptr);

  skin.AddBitMap(folder.Path() + "skin\\b.bmp");
  EXPECT_EQ(skin.ActivePictureNames->Get(2), "b.bmp");
  EXPECT_EQ(skin.ActivePicture(2)->Width(), 4);
}

TEST(SkinDataFolder, WrittenSkinsLoadTheSame) {
  for (const String& source : {VarnelSkinIni(), StressSkinIni()}) {
    TspSkinData skin(nullptr);
    ASSERT_TRUE(skin.LoadFromFile(source)) << source;

    // The description alone, beside the original pictures.
    TempProgramFolder folder;
    CopyFolder(ExtractFilePath(source), folder.Path());
    skin.SaveToFile(folder.Path() + "Skin.ini");
    TspSkinData described(nullptr);
    ASSERT_TRUE(described.LoadFromFile(folder.Path() + "Skin.ini"));
    ExpectSameSkin(skin, described);

    // Stored to disk: pictures in BMP form, JPEG names turned into .bmp names.
    TempProgramFolder stored;
    skin.StoreToDisk(stored.Path() + "copy\\");
    TspSkinData reloaded(nullptr);
    ASSERT_TRUE(reloaded.LoadFromFile(stored.Path() + "copy\\skin.ini")) << source;
    ExpectSameSkin(skin, reloaded);
  }
  TspSkinData stress(nullptr);
  ASSERT_TRUE(stress.LoadFromFile(StressSkinIni()));
  int jpeg = stress.ActivePictureNames->IndexOf("backdrop.jpg");
  ASSERT_GE(jpeg, 0);
  EXPECT_GT(stress.ActivePictures[jpeg]->Width(), 0);
  TempProgramFolder stored;
  stress.StoreToDisk(stored.Path());
  EXPECT_TRUE(FileExists(stored.Path() + "backdrop.bmp"));
  EXPECT_FALSE(FileExists(stored.Path() + "backdrop.jpg"));
}

TEST(SkinDataFolder, StoredNamesStayInsideTheFolder) {
  TspSkinData skin(nullptr);
  TempProgramFolder folder;
  ASSERT_TRUE(skin.LoadFromFile(WriteMinimalSkin(folder)));
  skin.ActivePictureNames->Put(0, "..\\..\\escape.bmp");
  EXPECT_THROW(skin.StoreToDisk(folder.Path() + "out\\"), EFCreateError);
  EXPECT_FALSE(FileExists(folder.Path() + "escape.bmp"));
}
