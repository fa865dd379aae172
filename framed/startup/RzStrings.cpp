#include "framed/startup/RzStrings.h"

#include "platform/core/WinApi.h"

String LoadRzString(unsigned id) {
  char buffer[1024];
  int length = ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer, sizeof(buffer));
  return String(buffer, length > 0 ? length : 0);
}
