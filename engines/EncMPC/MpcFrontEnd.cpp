#include "engines/EncMPC/MpcFrontEnd.h"

#include <csetjmp>
#include <cstdint>
#include <cstdlib>

#include <mpcenc_frontend.h>

namespace {

// Set while the front end runs; its exit() jumps back here.
std::jmp_buf* g_exitJump = nullptr;
int g_exitCode = 0;

std::uint16_t X87ControlWord() {
  std::uint16_t word = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(word));
  return word;
}

void SetX87ControlWord(std::uint16_t word) { __asm__ __volatile__("fldcw %0" : : "m"(word)); }

int CallFrontEnd(int argc, char** argv) {
  std::jmp_buf jump;
  g_exitJump = &jump;
  g_exitCode = 1;
  int result;
  if (setjmp(jump) == 0)
    result = mpcenc_main(argc, argv);
  else
    result = g_exitCode != 0 ? g_exitCode : 1;
  g_exitJump = nullptr;
  return result;
}

}  // namespace

extern "C" void mpcenc_exit(int code) {
  if (!g_exitJump) std::abort();  // the front end only runs inside CallFrontEnd
  g_exitCode = code;
  std::longjmp(*g_exitJump, 1);
}

int RunMpcFrontEnd(const std::vector<std::string>& arguments) {
  std::vector<std::string> copies;
  copies.reserve(arguments.size() + 1);
  copies.push_back("mpcenc");
  copies.insert(copies.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& text : copies) argv.push_back(text.data());
  argv.push_back(nullptr);

  // The front end lowers the x87 precision for its own speed; the host keeps its.
  const std::uint16_t controlWord = X87ControlWord();
  int result = CallFrontEnd(static_cast<int>(copies.size()), argv.data());
  SetX87ControlWord(controlWord);
  return result;
}
