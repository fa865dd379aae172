// Text routines of the shell utilities that respect double-byte character sets,
// a command-line splitter, and a formatter of positional inserts (%1, %2 ...).
#pragma once

#include <vector>

#include "platform/core/Strings.h"

String EnsureTrailingCharDB(const String& s, char c);
String TrimRightDB(const String& s);
// Appends the character at `index` (0-based; two bytes for a double-byte one) and moves past it.
void CopyCharDB(size_t& index, const String& s, String& dest);
// One parameter per word or double-quoted text; empty quotes add nothing.
void ParametizeCmdLineDB(const String& cmdLine, TStrings* list);
// Fills %1 ... %n from `args`; at most 50 strings (Exception beyond).
String FormatStrPos(const String& format, const std::vector<String>& args);
