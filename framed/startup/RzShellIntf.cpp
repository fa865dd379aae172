#include "framed/startup/RzShellIntf.h"

#include <objbase.h>

namespace {

bool initialized = false;
HRESULT result = E_FAIL;

}  // namespace

void StartShellInterfaces() {
  if (initialized) return;
  result = ::CoInitialize(nullptr);
  initialized = true;
}

void StopShellInterfaces() {
  if (!initialized) return;
  if (SUCCEEDED(result)) ::CoUninitialize();  // only a successful initialisation is balanced
  initialized = false;
  result = E_FAIL;
}

bool ShellComInitialized() { return initialized; }
HRESULT ShellComResult() { return result; }
