// Processor features, processor count and the performance timer of the bitmap
// library; the blending and resampling units bind their inner routines by these.
#pragma once

#include "imaging/GR32.h"

enum TCPUInstructionSet { ciMMX, ciEMMX, ciSSE, ciSSE2, ci3DNow, ci3DNowExt };
extern const Cardinal CPUISChecks[6];

bool HasInstructionSet(TCPUInstructionSet set);
inline bool HasMMX() { return HasInstructionSet(ciMMX); }
inline bool HasEMMX() { return HasInstructionSet(ciEMMX); }
inline bool HasSSE() { return HasInstructionSet(ciSSE); }
inline bool HasSSE2() { return HasInstructionSet(ciSSE2); }
inline bool Has3DNow() { return HasInstructionSet(ci3DNow); }
inline bool Has3DNowExt() { return HasInstructionSet(ci3DNowExt); }

// The answer for given identification results, so that every processor can be
// checked: family is bits 8-11 of leaf 1; maxExtended is leaf 0x80000000's answer.
bool InstructionSetOf(TCPUInstructionSet set, bool hasCpuid, Cardinal family, Cardinal standardFeatures,
                      Cardinal maxExtended, Cardinal extendedFeatures);

Integer GetProcessorCount();

class TPerfTimer : public TObject {
public:
  void Start();
  Int64 ReadValue();  // microseconds since Start
  String ReadNanoseconds();
  String ReadMilliseconds();

private:
  void Stop();
  Int64 frequency_ = 0, start_ = 0, stop_ = 0;
};

extern TPerfTimer* GlobalPerfTimer;
