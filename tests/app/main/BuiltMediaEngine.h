// The media engine of the program folder, bound for one test in place of the
// library the program would load beside itself (which the engine's loader would
// look for beside the tests). It counts the frame scalers and colour converters
// alive, so a test sees what a window left unreleased.
#pragma once

#include "platform/core/WinApi.h"

class BuiltMediaEngine {
public:
  BuiltMediaEngine();
  ~BuiltMediaEngine();
  BuiltMediaEngine(const BuiltMediaEngine&) = delete;
  BuiltMediaEngine& operator=(const BuiltMediaEngine&) = delete;

  // Made and not yet released, since this object was made.
  static int LiveScalers();
  static int LiveConverters();

private:
  HMODULE library_;
};
