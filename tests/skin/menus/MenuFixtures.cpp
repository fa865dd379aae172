#include "tests/skin/menus/MenuFixtures.h"

#include "platform/core/FileUtils.h"
#include "tests/harness/BuildFolders.h"

String CaptureFolder() {
  String folder = BuiltProgramFolder() + "..\\tests\\captures\\";
  ForceDirectories(folder);
  return folder;
}
