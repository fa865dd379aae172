#include "platform/core/FileUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/harness/TempProgramFolder.h"

TEST(FileNames, PartsOfAPath) {
  struct Case {
    const char* name;
    const char* path;
    const char* file;
    const char* ext;
    const char* dir;
  } cases[] = {
      {"C:\\a\\b.txt", "C:\\a\\", "b.txt", ".txt", "C:\\a"},
      {"C:\\b.txt", "C:\\", "b.txt", ".txt", "C:\\"},
      {"b", "", "b", "", ""},
      {"C:\\a.d\\b", "C:\\a.d\\", "b", "", "C:\\a.d"},
      {"x/y.tar.gz", "x/", "y.tar.gz", ".gz", "x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
    EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
    EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
    EXPECT_EQ(ExtractFileDir(c.name), c.dir) << c.name;
  }
  EXPECT_EQ(ChangeFileExt("C:\\a.d\\b", ".pf"), "C:\\a.d\\b.pf");
  EXPECT_EQ(ChangeFileExt("b.txt", ""), "b");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\a"), "C:\\a\\");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\a\\"), "C:\\a\\");
  EXPECT_EQ(ExcludeTrailingBackslash("C:\\a\\"), "C:\\a");
}

TEST(FileSystem, ProgramFolderFollowsTheTestFolder) {
  TempProgramFolder folder;
  EXPECT_EQ(ProgramFolder(), folder.Path());
  EXPECT_EQ(ProgramFolder().back(), '\\');
}

TEST(FileSystem, CreateFindRenameDelete) {
  TempProgramFolder folder;
  String deep = folder.Path() + "a\\b\\c";
  ASSERT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  String file = folder.Write("a\\one.pf", "12345");
  folder.Write("a\\two.pf", "");
  folder.Write("a\\three.txt", "");
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(deep));
  EXPECT_EQ(FileSizeOf(file), 5);

  TSearchRec rec;
  std::vector<String> found;
  for (int r = FindFirst(folder.Path() + "a\\*.pf", faAnyFile, rec); r == 0; r = FindNext(rec)) found.push_back(rec.Name);
  FindClose(rec);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<String>{"one.pf", "two.pf"}));

  found.clear();
  for (int r = FindFirst(folder.Path() + "a\\*", faAnyFile & ~faDirectory, rec); r == 0; r = FindNext(rec))
    found.push_back(rec.Name);
  FindClose(rec);
  EXPECT_EQ(found.size(), 3u) << "folders are left out without faDirectory";

  EXPECT_TRUE(RenameFile(file, folder.Path() + "a\\renamed.pf"));
  EXPECT_FALSE(FileExists(file));
  EXPECT_TRUE(DeleteFile(folder.Path() + "a\\renamed.pf"));
  EXPECT_FALSE(DeleteFile(folder.Path() + "a\\renamed.pf"));
}
