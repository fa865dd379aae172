#include "app/ProfileManager.h"

#include <memory>

#include <gtest/gtest.h>

#include "app/Myshelllib.h"
#include "app/VideoProfiles.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"
#include "platform/core/WinApi.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

String ProfileFile(const String& name, const String& format) {
  String text = "[ProfileCommon]\r\n";
  if (!name.empty()) text += "ProfileName=" + name + "\r\n";
  return text + "VideoFormat=" + format + "\r\n";
}

String Listing(const TProfileManager& manager) {
  String text;
  for (int i = 0; i < manager.GetCount(); ++i) {
    text += manager.GetProfile(i)->ProfileName + "(" + IntToStr(manager.GetProfile(i)->Kind) + ")";
  }
  return text;
}

class ProfileManagerTest : public testing::Test {
protected:
  ProfileManagerTest() { systemCalls.AnswerMessageBoxes(IDOK); }
  SystemCallsGuard systemCalls;
  String Folder() const { return folder.Path() + "Profiles\\"; }
  TempProgramFolder folder;
};

}  // namespace

TEST(CompareProfilesTest, KindFirstThenNameByteByByte) {
  struct Case {
    VideoFormatKind kind1;
    const char* name1;
    VideoFormatKind kind2;
    const char* name2;
    int expected;
  } cases[] = {
      {vfkAVI, "b", vfkAVI, "a", 1},
      {vfkAVI, "z", vfkMPEG, "0", -1},
      {vfkMOV, "a", vfkWMV, "z", 1},
      {vfkAVI, "Zeta", vfkAVI, "alpha", -1},
      {vfkAVI, "abc", vfkAVI, "abcd", -1},
      {vfkAVI, "abc", vfkAVI, "abc", 0},
      {vfkAVI, "\xE9", vfkAVI, "z", 1},  // bytes compare unsigned
  };
  for (const Case& c : cases) {
    TAVIProfile first(c.name1, "");
    TAVIProfile second(c.name2, "");
    first.Kind = c.kind1;
    second.Kind = c.kind2;
    EXPECT_EQ(CompareProfiles(&first, &second), c.expected) << c.name1 << " " << c.name2;
  }
}

TEST_F(ProfileManagerTest, LoadsKnownFormatsSortedByKindAndName) {
  folder.Write("Profiles\\1.pf", ProfileFile("b", "AVI"));
  folder.Write("Profiles\\2.pf", ProfileFile("a", "AVI"));
  folder.Write("Profiles\\3.pf", ProfileFile("0", "MPEG"));
  folder.Write("Profiles\\4.pf", ProfileFile("phone", "3gpp"));   // any case
  folder.Write("Profiles\\5.pf", ProfileFile("skipped", "DIVX"));  // unknown: skipped silently
  folder.Write("Profiles\\6.pf", ProfileFile("", "FLV"));          // no name
  folder.Write("Profiles\\7.pf", "not an ini file at all");
  folder.Write("Profiles\\notes.txt", ProfileFile("text", "AVI"));
  folder.Write("Profiles\\folder.pf\\inside.txt", "a folder named like a profile");
  TProfileManager manager(Folder());
  manager.LoadProfiles();
  EXPECT_EQ(Listing(manager), "phone(0)a(1)b(1)0(2)Unknow(7)");
  EXPECT_TRUE(systemCalls.Boxes.empty());
  EXPECT_EQ(manager.GetProfile(1)->FilePath, Folder() + "2.pf");
}

TEST_F(ProfileManagerTest, NoFolderLoadsNothing) {
  TProfileManager manager(Folder());
  manager.LoadProfiles();
  EXPECT_EQ(manager.GetCount(), 0);
  EXPECT_TRUE(systemCalls.Boxes.empty());
}

TEST_F(ProfileManagerTest, AnUnreadableFileStopsTheLoadWithAMessage) {
  String locked = folder.Write("Profiles\\locked.pf", ProfileFile("L", "AVI"));
  HANDLE lock = ::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  TProfileManager manager(Folder());
  manager.LoadProfiles();
  ::CloseHandle(lock);
  EXPECT_EQ(manager.GetCount(), 0);
  ASSERT_EQ(systemCalls.Boxes.size(), 1u);
  EXPECT_EQ(systemCalls.Boxes[0].Text, "Failed to read the Profiles file:\n" + locked);
  EXPECT_EQ(systemCalls.Boxes[0].Caption, "Varnel Revo v4.0.0");
  EXPECT_EQ(systemCalls.Boxes[0].Flags, 16u);
}

TEST_F(ProfileManagerTest, DeletingRemovesTheFileAndHandsTheProfileBack) {
  const char* names[] = {"a", "b", "c", "d", "e"};
  for (const char* name : names) folder.Write(String("Profiles\\") + name + ".pf", ProfileFile(name, "AVI"));
  TProfileManager manager(Folder());
  manager.LoadProfiles();
  ASSERT_EQ(manager.GetCount(), 5);
  std::unique_ptr<TVideoProfile> removed(manager.GetProfile(2));
  manager.DeleteProfile(2);
  EXPECT_EQ(manager.GetCount(), 4);
  EXPECT_FALSE(FileExists(Folder() + "c.pf"));
  EXPECT_EQ(removed->ProfileName, "c");
  EXPECT_EQ(Listing(manager), "a(1)b(1)d(1)e(1)");
}

TEST_F(ProfileManagerTest, AddedProfilesTakeTheirPlaceInTheOrder) {
  TProfileManager manager(Folder());
  manager.AddProfile(new TMOVProfile("m", ""));
  manager.AddProfile(new TAVIProfile("b", ""));
  manager.AddProfile(new TAVIProfile("a", ""));
  manager.AddProfile(new TWMVProfile("w", ""));
  EXPECT_EQ(Listing(manager), "a(1)b(1)w(4)m(6)");
  manager.ClearProfiles();
  EXPECT_EQ(manager.GetCount(), 0);
}
