#include "imaging/GR32_System.h"

#include <cpuid.h>

#include "platform/core/Math.h"
#include "platform/core/SysUtils.h"
#include "platform/core/WinApi.h"

const Cardinal CPUISChecks[6] = {0x800000, 0x400000, 0x2000000, 0x4000000, 0x80000000, 0x40000000};

bool InstructionSetOf(TCPUInstructionSet set, bool hasCpuid, Cardinal family, Cardinal standardFeatures,
                      Cardinal maxExtended, Cardinal extendedFeatures) {
  if (!hasCpuid || family < 5) return false;
  bool extended = maxExtended > 0x80000000u;
  switch (set) {
    case ciEMMX:
      if (standardFeatures & CPUISChecks[ciSSE]) return true;
      return extended && (extendedFeatures & CPUISChecks[ciEMMX]) != 0;
    case ci3DNow:
    case ci3DNowExt:
      return extended && (extendedFeatures & CPUISChecks[set]) != 0;
    default:
      return (standardFeatures & CPUISChecks[set]) != 0;
  }
}

bool HasInstructionSet(TCPUInstructionSet set) {
  static const struct Ident {
    bool hasCpuid = false;
    Cardinal family = 0, standard = 0, maxExtended = 0, extended = 0;
    Ident() {
      unsigned a, b, c, d;
      if (__get_cpuid_max(0, nullptr) < 1) return;
      hasCpuid = true;
      __cpuid(1, a, b, c, d);
      family = (a >> 8) & 0xF;
      standard = d;
      maxExtended = __get_cpuid_max(0x80000000u, nullptr);
      if (maxExtended > 0x80000000u) {
        __cpuid(0x80000001u, a, b, c, d);
        extended = d;
      }
    }
  } ident;
  return InstructionSetOf(set, ident.hasCpuid, ident.family, ident.standard, ident.maxExtended, ident.extended);
}

Integer GetProcessorCount() {
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  return Integer(info.dwNumberOfProcessors);
}

void TPerfTimer::Start() {
  LARGE_INTEGER v;
  ::QueryPerformanceCounter(&v);
  start_ = v.QuadPart;
}

void TPerfTimer::Stop() {
  LARGE_INTEGER v;
  ::QueryPerformanceCounter(&v);
  stop_ = v.QuadPart;
  ::QueryPerformanceFrequency(&v);
  frequency_ = v.QuadPart;
}

Int64 TPerfTimer::ReadValue() {
  Stop();
  if (frequency_ == 0) return 0;
  return Int64(Round(1000000.0L * (stop_ - start_) / frequency_));
}

String TPerfTimer::ReadNanoseconds() { return IntToStr(ReadValue()); }

String TPerfTimer::ReadMilliseconds() { return FloatToStr(double(ReadValue()) / 1000); }

// Start-up creates the theme nexus and then the timer; the end of the run frees
// them in the opposite order.
TThemeNexus* ThemeNexus = new TThemeNexus;
TPerfTimer* GlobalPerfTimer = new TPerfTimer;

namespace {
struct SystemFinalization {
  ~SystemFinalization() {
    delete GlobalPerfTimer;
    GlobalPerfTimer = nullptr;
    delete ThemeNexus;
    ThemeNexus = nullptr;
  }
} finalization;
}  // namespace
