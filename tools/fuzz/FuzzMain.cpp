// varnel_fuzz: feeds seeded mutations of made-up files to every parser of untrusted
// input and reports what each did. Run by scripts/fuzz.sh (10,000 inputs a parser)
// and, for a few hundred, by the tests.
//   varnel_fuzz [--inputs N] [--seed S] [--parser NAME] [--time MS] [--memory BYTES]
//               [--findings FOLDER]
//   varnel_fuzz --replay NAME FILE      runs one saved input
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/core/FileUtils.h"
#include "tools/fuzz/Runner.h"

int main(int argc, char** argv) {
  FuzzOptions options;
  std::string child, log;
  int from = 0, count = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (arg == "--replay" && i + 2 < argc) return ReplayFuzzInput(argv[i + 1], argv[i + 2]);
    if (arg == "--inputs") options.Inputs = std::atoi(value);
    else if (arg == "--seed") options.Seed = std::strtoull(value, nullptr, 10);
    else if (arg == "--parser") options.Parser = value;
    else if (arg == "--time") options.TimeLimitMs = std::atoi(value);
    else if (arg == "--memory") options.MemoryLimit = std::strtoll(value, nullptr, 10);
    else if (arg == "--findings") options.Findings = value;
    else if (arg == "--child") child = value;
    else if (arg == "--from") from = std::atoi(value);
    else if (arg == "--count") count = std::atoi(value);
    else if (arg == "--log") log = value;
    else {
      std::fprintf(stderr, "unknown argument %s\n", arg.c_str());
      return 2;
    }
    ++i;
  }
  if (!child.empty()) {
    options.Parser = child;
    return RunFuzzChild(options, from, count, log);
  }
  return RunFuzz(options);
}
