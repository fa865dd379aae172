// Replaces the system-call hooks for one test and puts the real ones back after it.
// By default every hook fails the test: a test that expects a call sets its hook.
#pragma once

#include <vector>

#include "platform/core/SystemCalls.h"

class SystemCallsGuard {
public:
  SystemCallsGuard();
  ~SystemCallsGuard();
  SystemCallsGuard(const SystemCallsGuard&) = delete;
  SystemCallsGuard& operator=(const SystemCallsGuard&) = delete;

  // Answers every message box with `answer` and records its text and caption.
  void AnswerMessageBoxes(int answer);
  struct Box {
    String Text, Caption;
    UINT Flags;
  };
  std::vector<Box> Boxes;
};
