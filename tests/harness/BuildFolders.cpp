#include "tests/harness/BuildFolders.h"

String BuiltProgramFolder() {
  // The build folder is a Linux path; under Wine it is reached through drive Z:.
  String path = "Z:" VARNEL_PROGRAM_DIR;
  for (char& c : path)
    if (c == '/') c = '\\';
  if (path.back() != '\\') path += '\\';
  return path;
}
