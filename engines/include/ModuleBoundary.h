// The last stop of an exception at a module's boundary: no exception crosses it,
// but what was caught is written to the debug output with its text, so that an
// out-of-memory does not pass for a refused file without trace.
#pragma once

#include <exception>
#include <string>

#include "platform/core/WinApi.h"

// Call inside a catch block only: writes "<where>: <what was caught>".
inline void TraceCaughtException(const char* where) noexcept {
  std::string text = where;
  text += ": ";
  try {
    throw;
  } catch (const std::exception& e) {
    text += e.what();
  } catch (...) {
    text += "an exception of unknown type";
  }
  text += "\n";
  ::OutputDebugStringA(text.c_str());
}
