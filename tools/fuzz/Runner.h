// The fuzz runner: each parser's inputs run in a child process of this program, one
// after the other, under a per-input time and memory watch. The parent reads the
// child's log, restarts it after a crash or a hung input, saves a reproducer of
// every crash, time and memory finding and prints a table per parser.
#pragma once

#include <cstdint>
#include <string>

struct FuzzOptions {
  int Inputs = 10000;           // per parser
  std::uint64_t Seed = 1;
  int TimeLimitMs = 2000;       // per input
  std::int64_t MemoryLimit = std::int64_t(256) << 20;  // bytes, per input
  std::string Parser;           // empty: every parser
  std::string Findings = "fuzz-findings";
};

// The input number `index` of a parser: its seeds first, then seeded mutations.
std::string FuzzInput(const std::string& parser, std::uint64_t seed, int index);

// Parent: runs every parser and prints the table; 0 when nothing was found.
int RunFuzz(const FuzzOptions& options);
// Child: runs inputs [from, from + count) of one parser, logging each.
int RunFuzzChild(const FuzzOptions& options, int from, int count, const std::string& log);
// Runs one saved input and prints what the parser did.
int ReplayFuzzInput(const std::string& parser, const std::string& file);
