// The parsers of untrusted input the fuzz runner drives: each with the seeds it
// starts from (made at run time by the program's own writers or by hand here) and
// one call that reads an input as the program would.
#pragma once

#include <functional>
#include <string>
#include <vector>

enum class ParseOutcome { kAccepted, kRefused };

struct FuzzParser {
  const char* Name;
  std::function<std::vector<std::string>()> Seeds;
  // Accepted, or refused with the parser's own error (an Exception of the program,
  // or an empty result for a reader that never raises). Anything else propagates.
  std::function<ParseOutcome(const std::string& input)> Parse;
  // Mends what a mutation broke that would hide the rest from the parser (the
  // chunk checksums of a PNG); none for most formats.
  std::function<void(std::string& input)> Repair = nullptr;
};

const std::vector<FuzzParser>& FuzzParsers();
const FuzzParser* FindFuzzParser(const std::string& name);
