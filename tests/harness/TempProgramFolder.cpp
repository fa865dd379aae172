#include "tests/harness/TempProgramFolder.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/core/FileUtils.h"
#include "platform/core/WinApi.h"

namespace fs = std::filesystem;

TempProgramFolder::TempProgramFolder() {
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  static int counter = 0;
  String base = IncludeTrailingBackslash(temp) + "varnel-test-" + std::to_string(::GetCurrentProcessId()) +
                "-" + std::to_string(++counter);
  fs::remove_all(base);
  fs::create_directories(base);
  path_ = IncludeTrailingBackslash(base);
  previous_ = ProgramFolder();
  SetProgramFolder(path_);
}

TempProgramFolder::~TempProgramFolder() {
  SetProgramFolder(previous_);
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

String TempProgramFolder::Write(const String& relativePath, const String& content) const {
  String full = path_ + relativePath;
  fs::create_directories(fs::path(full).parent_path());
  std::ofstream out(full, std::ios::binary);
  out << content;
  return full;
}

String TempProgramFolder::Read(const String& relativePath) const {
  std::ifstream in(path_ + relativePath, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
