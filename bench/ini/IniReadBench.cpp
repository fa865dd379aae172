// Reading an INI file of 20,000 keys (every key read through TIniFile in one read
// batch, as ReadRecord reads a record's keys, so the file's time stamp is looked at
// once; and the file parsed once with every section listed) and parsing a language
// file of 50,000 keys, beside reading the same bytes into memory; and each at twice
// the size. Goals: within 5x of the plain read, and linear growth (2N within 2.2x
// of N). Also shown, without a goal: the keys read one at a time outside a batch,
// each looking at the stamp.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

#include "app/LangFile.h"
#include "platform/core/FileUtils.h"
#include "platform/io/IniFiles.h"
#include "platform/io/Streams.h"

namespace {

using Clock = std::chrono::steady_clock;

template <class F>
double BestSeconds(int rounds, F run) {
  double best = 1e9;
  for (int i = 0; i < rounds; ++i) {
    Clock::time_point start = Clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

// `keys` keys in sections of 50, each "KeyN=value of key N".
String MakeText(int keys) {
  String text;
  for (int i = 0; i < keys; ++i) {
    if (i % 50 == 0) text += "[Section" + std::to_string(i / 50) + "]\r\n";
    text += "Key" + std::to_string(i) + "=value of key " + std::to_string(i) + "\r\n";
  }
  return text;
}

String WriteFile(const String& name, int keys) {
  String path = IncludeTrailingBackslash(ProgramFolder()) + name;
  WriteFileAtomically(path, MakeText(keys));
  return path;
}

double PlainRead(const String& path) {
  return BestSeconds(5, [&] {
    String text;
    ReadFileToString(path, text);
  });
}

// The section and key names a reader asks for, made before the clock starts: a
// caller names its keys with literals, not by formatting numbers.
struct Names {
  std::vector<String> sections, keys;
  explicit Names(int count) {
    for (int i = 0; i < count; ++i) {
      sections.push_back("Section" + std::to_string(i / 50));
      keys.push_back("Key" + std::to_string(i));
    }
  }
};

double IniRead(const String& path, int keys, bool batched) {
  const Names names(keys);
  const String none;
  return BestSeconds(3, [&] {
    TIniFile ini(path);
    std::optional<TIniFile::TReadBatch> batch;
    if (batched) batch.emplace(ini);
    for (int i = 0; i < keys; ++i) ini.ReadString(names.sections[i], names.keys[i], none);
  });
}

// The file parsed once and every section listed, without a look-up per key.
double IniParse(const String& path) {
  return BestSeconds(3, [&] {
    TMemIniFile ini(path);
    TStringList sections, values;
    ini.ReadSections(&sections);
    for (int i = 0; i < sections.Count(); ++i) ini.ReadSectionValues(sections[i], &values);
  });
}

double LangRead(const String& path) {
  return BestSeconds(3, [&] {
    LangFile file;
    file.LoadFromFile(path);
  });
}

void Report(const char* what, int keys, double seconds, double floor, double half, bool goals) {
  std::printf("%-16s %6d keys %8.2f ms   plain read %6.2f ms   ratio %5.2fx%s", what, keys, seconds * 1e3,
              floor * 1e3, seconds / floor, goals ? " (goal 5x)" : "");
  if (half > 0) std::printf("   growth for 2N %.2fx%s", seconds / half, goals ? " (goal 2.2x)" : "");
  std::printf("\n");
}

}  // namespace

int main() {
  const struct {
    const char* what;
    int keys;
    int kind;  // 0 key by key in a batch, 1 parsed and listed, 2 language file, 3 key by key alone
  } runs[] = {{"INI keys", 20000, 0},
              {"INI sections", 20000, 1},
              {"language file", 50000, 2},
              {"INI keys alone", 20000, 3}};
  for (const auto& run : runs) {
    double half = 0;
    for (int keys : {run.keys, 2 * run.keys}) {
      String path = WriteFile("bench-ini.ini", keys);
      double seconds = run.kind == 2   ? LangRead(path)
                       : run.kind == 1 ? IniParse(path)
                                       : IniRead(path, keys, run.kind == 0);
      Report(run.what, keys, seconds, PlainRead(path), keys == run.keys ? 0 : half, run.kind != 3);
      half = seconds;
      DeleteFile(path);
    }
  }
  return 0;
}
