// The shell's COM interfaces as plain abstract classes whose virtual tables match
// the COM layout, not reference counted (_NRC): a raw pointer from the shell is
// used as such an object and every AddRef and Release is called by its holder.
// Also COM's initialisation for the thread that starts the family.
#pragma once

#include "platform/core/WinApi.h"

class IUnknown_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
};

class IOleWindow_NRC : public IUnknown_NRC {
public:
  virtual HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) = 0;
  virtual HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) = 0;
};

class IMalloc_NRC : public IUnknown_NRC {
public:
  virtual void* STDMETHODCALLTYPE Alloc(SIZE_T size) = 0;
  virtual void* STDMETHODCALLTYPE Realloc(void* block, SIZE_T size) = 0;
  virtual void STDMETHODCALLTYPE Free(void* block) = 0;
  virtual SIZE_T STDMETHODCALLTYPE GetSize(void* block) = 0;
  virtual int STDMETHODCALLTYPE DidAlloc(void* block) = 0;
  virtual void STDMETHODCALLTYPE HeapMinimize() = 0;
};

// CoInitialize on the first start, CoUninitialize on the last stop.
void StartShellInterfaces();
void StopShellInterfaces();
// Whether this family's CoInitialize is in force, and what it answered.
bool ShellComInitialized();
HRESULT ShellComResult();
