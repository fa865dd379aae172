// Validates skin folders: skin_validator <Skin.ini>... Prints one line per
// fault and exits non-zero when any skin has one.
#include <cstdio>

#include "tools/skins/SkinValidation.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: skin_validator <Skin.ini>...\n");
    return 2;
  }
  int faults = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<String> errors = ValidateSkinFolder(argv[i]);
    for (const String& error : errors) std::printf("%s: %s\n", argv[i], error.c_str());
    if (errors.empty()) std::printf("%s: ok\n", argv[i]);
    faults += static_cast<int>(errors.size());
  }
  return faults ? 1 : 0;
}
