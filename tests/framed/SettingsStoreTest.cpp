// The settings store: the INI file beside the executable, the registry below
// \Software\Temp\ and the title, the rebuild rule, typed values and the section
// listings of both kinds.
#include <gtest/gtest.h>

#include "framed/settings/RzCommon_RegIniFile.h"
#include "platform/core/FileUtils.h"
#include "platform/controls/Forms.h"
#include "platform/io/Streams.h"
#include "platform/core/Strings.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

const char kTitle[] = "FramedStoreTest";

// Sets the application title and removes the test's registry key afterwards.
class RegistryScope {
public:
  RegistryScope() : previous_(Application.Title()) {
    Application.SetTitle(kTitle);
    Remove();
  }
  ~RegistryScope() {
    Remove();
    Application.SetTitle(previous_);
  }
  static void Remove() {
    TRegistry registry;
    registry.DeleteKey(String("\\Software\\Temp\\") + kTitle);
  }

private:
  String previous_;
};

String ExeIniName() { return ChangeFileExt(ExtractFileName(ApplicationExeName()), ".ini"); }

TEST(SettingsStore, NewStoreWritesTheIniBesideTheExecutable) {
  TempProgramFolder folder;
  TRzRegIniFile store(nullptr);
  store.WriteInteger("Main", "Count", 3);
  EXPECT_EQ(store.Path(), folder.Path() + ExeIniName());
  EXPECT_NE(folder.Read(ExeIniName()).find("[Main]"), String::npos);
  EXPECT_NE(folder.Read(ExeIniName()).find("Count=3"), String::npos);
  EXPECT_EQ(store.ReadInteger("Main", "Count", 0), 3);
  EXPECT_EQ(store.ReadInteger("Main", "Missing", 9), 9);
}

TEST(SettingsStore, SettingAValueItHasDoesNotRebuild) {
  TempProgramFolder folder;
  TRzRegIniFile store(nullptr);
  store.SetPath(folder.Path() + "a.ini");
  store.WriteString("S", "K", "v");
  EXPECT_EQ(store.Rebuilds(), 1);
  store.SetPath(folder.Path() + "a.ini");
  store.SetPathType(ptIniFile);
  store.WriteString("S", "K", "w");
  EXPECT_EQ(store.Rebuilds(), 1);
  store.SetPath(folder.Path() + "b.ini");
  store.WriteString("S", "K", "x");
  EXPECT_EQ(store.Rebuilds(), 2);
  EXPECT_NE(folder.Read("b.ini").find("K=x"), String::npos);
}

TEST(SettingsStore, SwitchingToTheRegistryBetweenWrites) {
  TempProgramFolder folder;
  RegistryScope registry;
  TRzRegIniFile store(nullptr);
  store.WriteString("Where", "First", "ini");
  store.SetPath("");
  store.SetPathType(ptRegistry);
  store.WriteString("Where", "Second", "registry");
  EXPECT_EQ(store.Path(), String("\\Software\\Temp\\") + kTitle);
  EXPECT_EQ(folder.Read(ExeIniName()).find("Second"), String::npos);
  TRegistry check;
  ASSERT_TRUE(check.OpenKeyReadOnly(String("\\Software\\Temp\\") + kTitle + "\\Where"));
  EXPECT_EQ(check.ReadString("Second"), "registry");
  EXPECT_TRUE(store.SectionExists("Where"));
  EXPECT_TRUE(store.ValueExists("Where", "Second"));
  EXPECT_FALSE(store.ValueExists("Where", "First"));
}

TEST(SettingsStore, TypedValuesInBothKinds) {
  TempProgramFolder folder;
  RegistryScope registry;
  for (TRzPathType kind : {ptIniFile, ptRegistry}) {
    TRzRegIniFile store(nullptr);
    store.SetPathType(kind);
    const TDateTime date = EncodeDate(2024, 2, 29), time = EncodeTime(13, 5, 9, 0);
    store.WriteBool("T", "Bool", true);
    store.WriteInteger("T", "Int", -2147483643);
    store.WriteFloat("T", "Float", 2.5);
    store.WriteDate("T", "Date", date);
    store.WriteTime("T", "Time", time);
    store.WriteDateTime("T", "Both", date + time);
    TMemoryStream bytes;
    bytes.Write("\x0A\xFF\x00\x41", 4);
    bytes.SetPosition(0);
    store.WriteBinaryStream("T", "Bytes", bytes);

    EXPECT_TRUE(store.ReadBool("T", "Bool", false)) << kind;
    EXPECT_EQ(store.ReadInteger("T", "Int", 0), -2147483643) << kind;
    EXPECT_EQ(store.ReadFloat("T", "Float", 0), 2.5) << kind;
    EXPECT_EQ(store.ReadDate("T", "Date", 0), date) << kind;
    EXPECT_NEAR(store.ReadTime("T", "Time", 0), time, 1e-9) << kind;
    EXPECT_NEAR(store.ReadDateTime("T", "Both", 0), date + time, 1e-9) << kind;
    EXPECT_EQ(store.ReadDate("T", "Missing", 7), 7) << kind;
    TMemoryStream read;
    EXPECT_EQ(store.ReadBinaryStream("T", "Bytes", read), 4) << kind;
    EXPECT_EQ(String(reinterpret_cast<const char*>(read.Memory()), 4), String("\x0A\xFF\x00\x41", 4)) << kind;
    TStringList keys;
    store.ReadSection("T", &keys);
    EXPECT_EQ(keys.Count(), 7) << kind;
    store.DeleteKey("T", "Int");
    EXPECT_FALSE(store.ValueExists("T", "Int")) << kind;
    TStringList sections;
    store.ReadSections(&sections);
    EXPECT_GE(sections.IndexOf("T"), 0) << kind;
    store.EraseSection("T");
    EXPECT_FALSE(store.SectionExists("T")) << kind;
  }
}

TEST(SettingsStore, SectionValuesOfTheRegistryAreSortedAndTyped) {
  RegistryScope scope;
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(String("\\Software\\Temp\\") + kTitle + "\\Values", true));
    registry.WriteString("b", "text");
    registry.WriteInteger("a", 42);
    const unsigned char bytes[] = {0x0A, 0xFF};
    registry.WriteBinaryData("c", bytes, 2);
    registry.WriteString("", "unnamed");
  }
  TRzRegIniFile store(nullptr);
  store.SetPathType(ptRegistry);
  TStringList lines;
  lines.Add("stale=1");
  store.ReadSectionValues("Values", &lines);
  ASSERT_EQ(lines.Count(), 4);
  EXPECT_EQ(lines.Get(0), "Default=unnamed");
  EXPECT_EQ(lines.Get(1), "a=42");
  EXPECT_EQ(lines.Get(2), "b=text");
  EXPECT_EQ(lines.Get(3), "c=0A FF ");

  lines.Clear();
  lines.Add("stale=1");
  store.ReadSectionValues("NoSuchSection", &lines);
  EXPECT_EQ(lines.Count(), 0);
}

TEST(SettingsStore, SectionValuesOfTheIniReplaceTheList) {
  TempProgramFolder folder;
  folder.Write("s.ini", "[V]\nz=1\ny=two\n[W]\nq=3\n");
  TRzRegIniFile store(nullptr);
  store.SetPath(folder.Path() + "s.ini");
  TStringList lines;
  lines.Add("stale=1");
  store.ReadSectionValues("V", &lines);
  ASSERT_EQ(lines.Count(), 2);
  EXPECT_EQ(lines.Get(0), "z=1");
  EXPECT_EQ(lines.Get(1), "y=two");
}

TEST(SettingsStore, AccessMasks) {
  EXPECT_EQ(AccessMaskOf(RegAccessBit(keyAllAccess)), 0xF003Fu);
  EXPECT_EQ(AccessMaskOf(RegAccessBit(keyQueryValue) | RegAccessBit(keySetValue)), 0x3u);
  EXPECT_EQ(AccessMaskOf(RegAccessBit(keyRead)), 0x20019u);
  EXPECT_EQ(RootKeyOf(hkeyLocalMachine), HKEY_LOCAL_MACHINE);
}

}  // namespace
