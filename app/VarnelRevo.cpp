// The program's entry.
#include "app/main/Startup.h"
#include "platform/core/WinApi.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunVarnelRevo(); }
