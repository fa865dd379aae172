#include "platform/io/IniFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "platform/core/FileUtils.h"
#include "platform/io/RecordTable.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

const char kSettings[] =
    "; settings written by hand\r\n"
    "[Settings]\r\n"
    "  OutputPath = C:\\Out  \r\n"
    "Quoted=\"  spaced  \"\r\n"
    "Single='x'\r\n"
    "Count=12\r\n"
    "Count=99\r\n"
    "Broken=12abc\r\n"
    "Hex=$1F\r\n"
    "Ratio=23.97\r\n"
    "\r\n"
    "[settings]\r\n"
    "Count=7\r\n"
    "Extra=1\r\n"
    "\r\n"
    "[LastSettings]\r\n"
    "Format=MP3\r\n";

class IniFileTest : public testing::Test {
protected:
  String Path() { return folder.Path() + "DUZORERAVE.ini"; }
  TempProgramFolder folder;
};

}  // namespace

TEST_F(IniFileTest, ReadsAsTheProfileFunctionsDo) {
  folder.Write("DUZORERAVE.ini", kSettings);
  TIniFile ini(Path());
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {"Settings", "OutputPath", "C:\\Out"},    // blanks around name and value dropped
      {"SETTINGS", "outputpath", "C:\\Out"},    // names compare without case
      {"Settings", "Quoted", "  spaced  "},     // matching quotes removed, inner blanks kept
      {"Settings", "Single", "x"},
      {"Settings", "Count", "12"},              // first occurrence wins
      {"Settings", "Extra", "<default>"},       // a repeated section is not searched
      {"LastSettings", "Format", "MP3"},
      {"Nowhere", "Format", "<default>"},
  };
  for (const Case& c : cases) EXPECT_EQ(ini.ReadString(c.section, c.key, "<default>"), c.expected) << c.key;
}

TEST_F(IniFileTest, TypedReadsFallBackToTheDefault) {
  folder.Write("DUZORERAVE.ini", kSettings);
  TIniFile ini(Path());
  EXPECT_EQ(ini.ReadInteger("Settings", "Count", -1), 12);
  EXPECT_EQ(ini.ReadInteger("Settings", "Broken", -1), -1);
  EXPECT_EQ(ini.ReadInteger("Settings", "Hex", -1), 31);
  EXPECT_EQ(ini.ReadInteger("Settings", "Missing", 5), 5);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("Settings", "Ratio", 0), 23.97);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("Settings", "Broken", 1.5), 1.5);
  EXPECT_TRUE(ini.ReadBool("Settings", "Count", false));
  EXPECT_FALSE(ini.ReadBool("Settings", "Missing", false));
  EXPECT_TRUE(ini.ValueExists("Settings", "Ratio"));
  EXPECT_FALSE(ini.ValueExists("Settings", "Missing"));
  EXPECT_TRUE(ini.SectionExists("lastsettings"));
}

TEST_F(IniFileTest, ListsSectionsAndKeysInFileOrder) {
  folder.Write("DUZORERAVE.ini", kSettings);
  TIniFile ini(Path());
  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(list.Text(), "Settings\r\nLastSettings\r\n");
  ini.ReadSection("Settings", &list);
  EXPECT_EQ(list.Text(), "OutputPath\r\nQuoted\r\nSingle\r\nCount\r\nBroken\r\nHex\r\nRatio\r\n");
  ini.ReadSectionValues("LastSettings", &list);
  EXPECT_EQ(list.Text(), "Format=MP3\r\n");
}

TEST_F(IniFileTest, WritingOneKeyLeavesEveryOtherByteAlone) {
  folder.Write("DUZORERAVE.ini", kSettings);
  TIniFile ini(Path());
  ini.WriteString("Settings", "Ratio", "4");
  String expected = kSettings;
  expected.replace(expected.find("Ratio=23.97"), 11, "Ratio=4");
  EXPECT_EQ(folder.Read("DUZORERAVE.ini"), expected);

  ini.WriteInteger("LastSettings", "Index", 3);  // new key: after the section's last line
  expected += "Index=3\r\n";
  EXPECT_EQ(folder.Read("DUZORERAVE.ini"), expected);

  ini.WriteBool("New", "Flag", true);  // new section at the end
  expected += "[New]\r\nFlag=1\r\n";
  EXPECT_EQ(folder.Read("DUZORERAVE.ini"), expected);
}

TEST_F(IniFileTest, NewKeyGoesBeforeTheBlankLineThatEndsItsSection) {
  folder.Write("a.ini", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2");
  TIniFile ini(folder.Path() + "a.ini");
  ini.WriteString("A", "z", "3");
  ini.WriteString("B", "w", "4");
  EXPECT_EQ(folder.Read("a.ini"), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n");
}

TEST_F(IniFileTest, FloatsAreWrittenWithFifteenDigitsAndAPoint) {
  TIniFile ini(Path());
  ini.WriteFloat("S", "a", 23.97);
  ini.WriteFloat("S", "b", 4);
  ini.WriteFloat("S", "c", 1.0 / 3);
  EXPECT_EQ(folder.Read("DUZORERAVE.ini"), "[S]\r\na=23.97\r\nb=4\r\nc=0.333333333333333\r\n");
}

TEST_F(IniFileTest, EraseSectionAndDeleteKey) {
  folder.Write("a.ini", "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
  TIniFile ini(folder.Path() + "a.ini");
  ini.DeleteKey("A", "x");
  EXPECT_EQ(folder.Read("a.ini"), "[A]\r\ny=2\r\n[B]\r\nz=3\r\n");
  ini.EraseSection("A");
  EXPECT_EQ(folder.Read("a.ini"), "[B]\r\nz=3\r\n");
  ini.DeleteKey("Missing", "x");
  EXPECT_EQ(folder.Read("a.ini"), "[B]\r\nz=3\r\n");
}

TEST_F(IniFileTest, AFailedWriteIsReportedAndLosesNothing) {
  folder.Write("a.ini", "[A]\r\nx=1\r\n");
  // A folder in the way of the temporary file makes the write fail.
  ASSERT_TRUE(ForceDirectories(folder.Path() + "a.ini.tmp~"));
  TIniFile ini(folder.Path() + "a.ini");
  EXPECT_THROW(ini.WriteString("A", "x", "2"), EIniFileException);
  EXPECT_EQ(folder.Read("a.ini"), "[A]\r\nx=1\r\n");
  EXPECT_THROW(TIniFile(folder.Path() + "no\\such\\folder.ini").WriteString("A", "x", "1"), EIniFileException);
}

TEST_F(IniFileTest, MemIniFileWritesOnlyOnUpdate) {
  folder.Write("a.ini", "[A]\r\nx='1'\r\n");
  TMemIniFile ini(folder.Path() + "a.ini");
  EXPECT_EQ(ini.ReadString("A", "x", ""), "'1'");  // quotes are kept in memory files
  ini.WriteString("A", "y", "2");
  EXPECT_EQ(folder.Read("a.ini"), "[A]\r\nx='1'\r\n");
  ini.UpdateFile();
  EXPECT_EQ(folder.Read("a.ini"), "[A]\r\nx='1'\r\ny=2\r\n");
}

namespace {

// ASCII text as a UTF-16LE file: FF FE, then each character and a zero byte.
String Utf16(const String& text) {
  String bytes = "\xFF\xFE";
  for (char c : text) bytes += String(1, c) + '\0';
  return bytes;
}

const String kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

// Files as editors save them and lines that are no key, read and written as the
// Windows profile functions do.
TEST_F(IniFileTest, ReadsMarksBracketLinesAndLinesWithoutEqualsAsWindowsDoes) {
  struct Case {
    const char* fault;
    String file;
    const char* section;
    const char* key;
    const char* value;    // ReadString with the default "?"
    const char* keys;     // ReadSection
    const char* values;   // ReadSectionValues
    bool exists;          // ValueExists
    const char* writeKey; // written with the value "w"
    String written;       // the file after the write
  } cases[] = {
      {"UTF-8 mark before a section", kUtf8Mark + "[s]\r\nk=v\r\n", "s", "k", "v", "k\r\n", "k=v\r\n", true, "n",
       kUtf8Mark + "[s]\r\nk=v\r\nn=w\r\n"},
      {"UTF-8 mark before a sectionless key", kUtf8Mark + "k=v\r\n[s]\r\nx=1\r\n", "", "k", "v", "k\r\n", "k=v\r\n",
       true, "k", kUtf8Mark + "k=w\r\n[s]\r\nx=1\r\n"},
      {"UTF-8 value beyond ASCII", kUtf8Mark + "[s]\r\nk=caf\xC3\xA9\r\n", "s", "k", "caf\xE9", "k\r\n",
       "k=caf\xE9\r\n", true, "\xE9t\xE9", kUtf8Mark + "[s]\r\nk=caf\xC3\xA9\r\n\xC3\xA9t\xC3\xA9=w\r\n"},
      {"UTF-16LE file", Utf16("[s]\r\nk=v\r\n"), "s", "k", "v", "k\r\n", "k=v\r\n", true, "n",
       Utf16("[s]\r\nk=v\r\nn=w\r\n")},
      {"bracket line without ']'", "[s]\r\n[x=1\r\nk=v\r\n", "s", "k", "v", "[x\r\nk\r\n", "[x=1\r\nk=v\r\n", true,
       "k", "[s]\r\n[x=1\r\nk=w\r\n"},
      {"a bare word and a '#' line among keys", "[s]\r\nword\r\n# note\r\nk=v\r\n", "s", "word", "?", "k\r\n",
       "word\r\n# note\r\nk=v\r\n", false, "k", "[s]\r\nword\r\n# note\r\nk=w\r\n"},
      {"writing a bare word's name adds a key", "[s]\r\nword\r\nk=v\r\n", "s", "word", "?", "k\r\n",
       "word\r\nk=v\r\n", false, "word", "[s]\r\nword\r\nk=v\r\nword=w\r\n"},
  };
  for (const Case& c : cases) {
    folder.Write("case.ini", c.file);
    TIniFile ini(folder.Path() + "case.ini");
    TStringList keys, values;
    ini.ReadSection(c.section, &keys);
    ini.ReadSectionValues(c.section, &values);
    EXPECT_EQ(ini.ReadString(c.section, c.key, "?"), c.value) << c.fault;
    EXPECT_EQ(keys.Text(), c.keys) << c.fault;
    EXPECT_EQ(values.Text(), c.values) << c.fault;
    EXPECT_EQ(ini.ValueExists(c.section, c.key), c.exists) << c.fault;
    ini.WriteString(c.section, c.writeKey, "w");
    EXPECT_EQ(folder.Read("case.ini"), c.written) << c.fault;
    EXPECT_EQ(ini.ReadString(c.section, c.writeKey, "?"), "w") << c.fault;
  }
}

TEST_F(IniFileTest, ReadsTheFileAgainWhenItChangedOnDisk) {
  folder.Write("a.ini", "[A]\r\nx=1\r\n");
  TIniFile ini(folder.Path() + "a.ini");
  EXPECT_EQ(ini.ReadString("A", "x", "?"), "1");
  folder.Write("a.ini", "[A]\r\nx=22\r\n");
  EXPECT_EQ(ini.ReadString("A", "x", "?"), "22");
  DeleteFile(folder.Path() + "a.ini");
  EXPECT_EQ(ini.ReadString("A", "x", "?"), "?");
}

// Steps, blank-separated: "(" opens a read batch and ")" closes the innermost,
// "rV" reads x and expects V, "dV" rewrites the file on disk with x=V, "wV" writes
// x=V through the object. Every value on disk has its own length, so its stamp
// differs even within the clock's resolution.
TEST_F(IniFileTest, ReadBatchLooksAtTheFileOnceAtItsFirstRead) {
  const struct {
    const char* what;
    const char* steps;
  } cases[] = {
      {"a change is seen after the batch", "( r1 d22 r1 r1 ) r22"},
      {"the first read of a batch looks", "r1 d22 ( r22 d333 r22 ) r333"},
      {"each batch looks again", "( r1 ) d22 ( r22 )"},
      {"only the outermost batch ends it", "( r1 ( d22 r1 ) r1 ) r22"},
      {"a nested batch inside a checked one", "( r1 d22 ( r1 ) ) r22"},
      {"own writes are seen inside", "( r1 w4444 r4444 d55555 r4444 ) r55555"},
      {"a write first in a batch", "( w22 r22 d333 r22 ) r333"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    folder.Write("a.ini", "[A]\r\nx=1\r\n");
    TIniFile ini(folder.Path() + "a.ini");
    std::vector<std::unique_ptr<TIniFile::TReadBatch>> batches;
    std::istringstream steps(c.steps);
    for (String step; steps >> step;) {
      SCOPED_TRACE(step);
      String value = step.substr(1);
      switch (step[0]) {
        case '(': batches.push_back(std::make_unique<TIniFile::TReadBatch>(ini)); break;
        case ')': batches.pop_back(); break;
        case 'r': EXPECT_EQ(ini.ReadString("A", "x", "?"), value); break;
        case 'd': folder.Write("a.ini", "[A]\r\nx=" + value + "\r\n"); break;
        case 'w': ini.WriteString("A", "x", value); break;
      }
    }
  }
}

namespace {

struct TwoNumbers {
  std::int32_t First = 0, Second = 0;
};

// Rewrites its file after the first key it reads, as another program might.
class IniFileChangedWhileRead : public TIniFile {
public:
  IniFileChangedWhileRead(const String& fileName, TempProgramFolder& folder) : TIniFile(fileName), folder_(folder) {}
  String ReadString(const String& section, const String& key, const String& defaultValue) override {
    String value = TIniFile::ReadString(section, key, defaultValue);
    if (reads_++ == 0) folder_.Write("a.ini", "[A]\r\nFirst=10\r\nSecond=20\r\n");
    return value;
  }

private:
  TempProgramFolder& folder_;
  int reads_ = 0;
};

}  // namespace

// A record's keys come from one version of the file, never half from each.
TEST_F(IniFileTest, ARecordIsReadFromOneVersionOfTheFile) {
  folder.Write("a.ini", "[A]\r\nFirst=1\r\nSecond=2\r\n");
  IniFileChangedWhileRead ini(folder.Path() + "a.ini", folder);
  const TRecordField<TwoNumbers> fields[] = {
      RecordInt<TwoNumbers>("First", &TwoNumbers::First, 0),
      RecordInt<TwoNumbers>("Second", &TwoNumbers::Second, 0),
  };
  TwoNumbers record;
  ReadRecord<TwoNumbers>(ini, "A", record, fields);
  EXPECT_EQ(record.First, 1);
  EXPECT_EQ(record.Second, 2);
  ReadRecord<TwoNumbers>(ini, "A", record, fields);
  EXPECT_EQ(record.First, 10);
  EXPECT_EQ(record.Second, 20);
}

// CR, LF and CR LF each end a line, and each line keeps its own end when written.
TEST(IniDocumentTest, KeepsEveryLineEndAsItWas) {
  const String text = "[S]\nx=1\ry=2\r\n\n[T]\r\rz=3";
  IniDocument document;
  document.Parse(text);
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {{"S", "x", "1"}, {"S", "y", "2"}, {"T", "z", "3"}};
  for (const auto& c : cases) {
    String value;
    EXPECT_TRUE(document.Find(c.section, c.key, value)) << c.key;
    EXPECT_EQ(value, c.value) << c.key;
  }
  EXPECT_EQ(document.Serialize(), text);
  document.Set("T", "w", "4");
  EXPECT_EQ(document.Serialize(), text + "\r\nw=4\r\n");
}

// Rewritten values go to the end of the document's text, which is compacted once they
// outweigh it: names, other lines and line ends must survive the move.
TEST(IniDocumentTest, ManyRewritesKeepTheOtherLinesAndTheNames) {
  const String text = "; head\n[First]\r\nkept = yes\r\n[Second]\nn=0\n";
  IniDocument document;
  document.Parse(text);
  for (int i = 1; i <= 20000; ++i) document.Set("second", "N", std::to_string(i));
  EXPECT_EQ(document.Serialize(), "; head\n[First]\r\nkept = yes\r\n[Second]\nn=20000\n");
  String value;
  EXPECT_TRUE(document.Find("FIRST", "Kept", value));
  EXPECT_EQ(value, "yes");
  EXPECT_EQ(document.Sections(), (std::vector<String>{"First", "Second"}));
  EXPECT_EQ(document.Keys("Second"), std::vector<String>{"n"});
}
