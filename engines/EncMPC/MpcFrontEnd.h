// Runs the Musepack front end (mpcenc) as a call: encodes one WAVE file into one
// SV8 Musepack file with the given options. The front end's own exits come back as
// a failure instead of ending the process, and the caller's floating-point control
// word is left as it was.
#pragma once

#include <string>
#include <vector>

// The options as mpcenc takes them (without the program name), input and output
// last. Answers mpcenc's result: 0 on success.
int RunMpcFrontEnd(const std::vector<std::string>& arguments);
