// What every benchmark shares: where it finds the program folder and the media
// scripts/bench.sh makes (both beside the build's bench folder, wherever it runs
// from), timing by the median of several rounds, and the one line per figure that
// scripts/bench.sh reads to set our time beside the native tool's.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/core/WinApi.h"

namespace bench {

// The folder of the running benchmark program, with its trailing backslash.
inline std::string OwnFolder() {
  char path[MAX_PATH] = {};
  DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  std::size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".\\") : folder.substr(0, slash + 1);
}

inline std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return folder;
}

// The program folder: the first argument when given, else the build's VarnelRevo folder.
inline std::string ProgramFolder(int argc, char** argv) {
  return WithSlash(argc > 1 ? argv[1] : OwnFolder() + "..\\VarnelRevo");
}

// The media made at run time by scripts/bench.sh (tools/make_bench_media.sh).
inline std::string MediaFolder() { return OwnFolder() + "..\\bench-media\\"; }

// The median wall time in seconds of `rounds` runs of `run`.
template <class F>
double MedianSeconds(int rounds, F run) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    auto start = std::chrono::steady_clock::now();
    run();
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Seconds per call of `job`, after one warm-up call, over at least `minSeconds`.
template <class F>
double SecondsPerCall(F job, double minSeconds = 0.2) {
  job();
  int reps = 0;
  const auto start = std::chrono::steady_clock::now();
  double elapsed = 0;
  do {
    job();
    ++reps;
    elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  } while (elapsed < minSeconds);
  return elapsed / reps;
}

// One row of a benchmark's table: the name in a column `width` wide, the time in
// milliseconds and, with `against`, its ratio to `other` seconds.
inline void PrintRow(const char* what, double seconds, const char* against = nullptr, double other = 0,
                     int width = 58) {
  std::printf("  %-*s %9.3f ms", width, what, seconds * 1e3);
  if (against) std::printf("   %6.2fx %s", seconds / other, against);
  std::printf("\n");
}

// "time <name> <seconds>": a figure scripts/bench.sh sets beside its native run.
inline void ReportTime(const char* name, double seconds) {
  std::printf("time %s %.4f\n", name, seconds);
  std::fflush(stdout);
}

// "floor <name> <seconds> <floor seconds>": a figure beside a floor measured in the
// same program (a bare inflate under a decoder); scripts/bench.sh lists its ratio.
inline void ReportFloor(const char* name, double seconds, double floor) {
  std::printf("floor %s %.4f %.4f\n", name, seconds, floor);
  std::fflush(stdout);
}

}  // namespace bench
