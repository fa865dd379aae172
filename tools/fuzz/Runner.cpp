#include "tools/fuzz/Runner.h"

#include <windows.h>

#include <chrono>
#include <cstring>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "tools/fuzz/MemoryWatch.h"
#include "tools/fuzz/Mutator.h"
#include "tools/fuzz/Parsers.h"

namespace {

// What became of one input; the letters are the child's log.
enum Kind { kAccepted, kRefused, kUnexpected, kCrash, kOverTime, kOverMemory, kKindCount };
const char kLetters[] = "ARXCTM";
const char* const kTitles[] = {"accepted", "refused", "unexpected", "crash", "over time", "over memory"};

struct Tally {
  int tried = 0;
  int counts[kKindCount] = {};
  std::vector<std::pair<int, Kind>> findings;  // inputs the child itself flagged
};

std::string ReadAll(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void SaveReproducer(const FuzzOptions& options, const std::string& parser, int index, Kind kind) {
  ::CreateDirectoryA(options.Findings.c_str(), nullptr);
  std::string name = options.Findings + "\\" + parser + "-" + std::to_string(index) + "-" + kLetters[kind] + ".bin";
  std::ofstream(name, std::ios::binary) << FuzzInput(parser, options.Seed, index);
  std::printf("  %s: input %d, %s, saved as %s\n", parser.c_str(), index, kTitles[kind], name.c_str());
}

std::string ChildCommand(const FuzzOptions& options, const std::string& parser, int from, int count,
                         const std::string& log) {
  char exe[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::ostringstream command;
  command << '"' << exe << "\" --child " << parser << " --seed " << options.Seed << " --from " << from << " --count "
          << count << " --time " << options.TimeLimitMs << " --memory " << options.MemoryLimit << " --log \"" << log
          << '"';
  return command.str();
}

// Reads the log: finished inputs into the tally; the number of the one begun and
// not finished, or -1. `next` is one past the last input begun.
int ReadLog(const std::string& log, Tally& tally, int& next) {
  std::istringstream lines(ReadAll(log));
  std::string line;
  int open = -1;
  tally = Tally();
  while (std::getline(lines, line)) {
    int index = 0;
    char letter = 0;
    int fields = std::sscanf(line.c_str(), "%d %c", &index, &letter);
    if (fields < 1) continue;
    next = index + 1;
    const char* found = fields == 2 ? std::strchr(kLetters, letter) : nullptr;
    if (!found || !*found) {
      open = index;
      continue;
    }
    const Kind kind = static_cast<Kind>(found - kLetters);
    if (index == open) open = -1;
    ++tally.tried;
    ++tally.counts[kind];
    if (kind >= kUnexpected) tally.findings.emplace_back(index, kind);
  }
  return open;
}

// Runs one child from `from` until it ends or hangs; adds its findings to `total`.
int RunChild(const FuzzOptions& options, const std::string& parser, int from, Tally& total) {
  char folder[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, folder);
  const std::string log = std::string(folder) + "varnel-fuzz-" + std::to_string(::GetCurrentProcessId()) + ".log";
  ::DeleteFileA(log.c_str());
  std::string command = ChildCommand(options, parser, from, options.Inputs - from, log);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::printf("cannot start %s\n", command.c_str());
    return options.Inputs;
  }
  Tally tally;
  int next = from, lastOpen = -1;
  auto openSince = std::chrono::steady_clock::now();
  Kind ending = kCrash;
  for (;;) {
    const DWORD wait = ::WaitForSingleObject(process.hProcess, 100);
    const int open = ReadLog(log, tally, next);
    if (wait == WAIT_OBJECT_0) break;
    if (open != lastOpen) {
      lastOpen = open;
      openSince = std::chrono::steady_clock::now();
    } else if (open >= 0 && std::chrono::steady_clock::now() - openSince >
                                std::chrono::milliseconds(options.TimeLimitMs * 5 + 2000)) {
      ::TerminateProcess(process.hProcess, 3);
      ::WaitForSingleObject(process.hProcess, INFINITE);
      ending = kOverTime;
      break;
    }
  }
  DWORD code = 0;
  ::GetExitCodeProcess(process.hProcess, &code);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  const int open = ReadLog(log, tally, next);
  ::DeleteFileA(log.c_str());
  total.tried += tally.tried;
  for (int k = 0; k < kKindCount; ++k) total.counts[k] += tally.counts[k];
  for (const auto& [index, kind] : tally.findings) SaveReproducer(options, parser, index, kind);
  if (open < 0 && code == 0) return options.Inputs;
  const int failed = open >= 0 ? open : next;  // a child that died between inputs
  ++total.tried;
  ++total.counts[ending];
  SaveReproducer(options, parser, failed, ending);
  return failed + 1;
}

void PrintTable(const std::vector<std::pair<std::string, Tally>>& rows) {
  std::printf("%-15s %8s", "parser", "tried");
  for (const char* title : kTitles) std::printf(" %11s", title);
  std::printf("\n");
  for (const auto& [name, tally] : rows) {
    std::printf("%-15s %8d", name.c_str(), tally.tried);
    for (int count : tally.counts) std::printf(" %11d", count);
    std::printf("\n");
  }
}

}  // namespace

std::string FuzzInput(const std::string& parser, std::uint64_t seed, int index) {
  const FuzzParser* found = FindFuzzParser(parser);
  static std::map<std::string, std::vector<std::string>> seeds;
  auto& list = seeds[parser];
  if (list.empty()) list = found->Seeds();
  if (index < static_cast<int>(list.size())) return list[index];
  std::uint64_t mix = seed;
  for (char c : parser) mix = mix * 131 + static_cast<unsigned char>(c);
  Mutator mutator(mix * 1000003 + static_cast<std::uint64_t>(index));
  std::string input = mutator.Mutate(list[index % list.size()]);
  if (found->Repair && index % 2 == 0) found->Repair(input);  // half with checksums mended
  return input;
}

namespace {

// A crash ends the child at once with its own code, with no debugger or dialog
// holding it open; the parent sees the input it was on.
LONG WINAPI EndOnCrash(EXCEPTION_POINTERS*) {
  ::TerminateProcess(::GetCurrentProcess(), 0xC0DE);
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int RunFuzzChild(const FuzzOptions& options, int from, int count, const std::string& log) {
  const FuzzParser* parser = FindFuzzParser(options.Parser);
  if (!parser) return 2;
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  ::SetUnhandledExceptionFilter(EndOnCrash);
  FILE* out = std::fopen(log.c_str(), "ab");
  if (!out) return 2;
  for (int index = from; index < from + count; ++index) {
    const std::string input = FuzzInput(options.Parser, options.Seed, index);
    std::fprintf(out, "%d\n", index);  // begun: a crash or a hang leaves this line open
    std::fflush(out);
    memory_watch::Begin(options.MemoryLimit);
    const auto start = std::chrono::steady_clock::now();
    Kind kind;
    try {
      kind = parser->Parse(input) == ParseOutcome::kAccepted ? kAccepted : kRefused;
    } catch (...) {
      kind = kUnexpected;
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    if (memory_watch::End()) kind = kOverMemory;
    else if (elapsed.count() > options.TimeLimitMs) kind = kOverTime;
    std::fprintf(out, "%d %c %lld\n", index, kLetters[kind], static_cast<long long>(elapsed.count()));
    std::fflush(out);
  }
  std::fclose(out);
  return 0;
}

int RunFuzz(const FuzzOptions& options) {
  std::vector<std::pair<std::string, Tally>> rows;
  bool clean = true;
  for (const FuzzParser& parser : FuzzParsers()) {
    if (!options.Parser.empty() && options.Parser != parser.Name) continue;
    Tally tally;
    for (int from = 0; from < options.Inputs;) from = RunChild(options, parser.Name, from, tally);
    rows.emplace_back(parser.Name, tally);
    for (int k = kUnexpected; k < kKindCount; ++k) clean = clean && tally.counts[k] == 0;
  }
  PrintTable(rows);
  return clean ? 0 : 1;
}

int ReplayFuzzInput(const std::string& parser, const std::string& file) {
  const FuzzParser* found = FindFuzzParser(parser);
  if (!found) return 2;
  try {
    std::printf("%s\n", found->Parse(ReadAll(file)) == ParseOutcome::kAccepted ? "accepted" : "refused");
  } catch (const std::exception& e) {
    std::printf("unexpected exception: %s\n", e.what());
    return 1;
  }
  return 0;
}
