// Drive services of the shell utilities: refreshing the shell's drive information,
// whether a network drive is connected (netapi32 bound by name at run time,
// through a replaceable loader), and one process-wide broadcaster that hands
// device-change notices to every registered handler.
#pragma once

#include <functional>
#include <vector>

#include "platform/controls/Messages.h"
#include "platform/core/Events.h"
#include "platform/core/WinApi.h"

extern int gFlushDriveInfoSem;  // FlushDriveInfoCache does nothing while it is not 0
void FlushDriveInfoCache();
void LockFlushDriveInfoCache();
void UnlockFlushDriveInfoCache();

// The two entries of netapi32 the drive test uses.
using TNetUseGetInfo = DWORD(WINAPI*)(LPCWSTR server, LPCWSTR useName, DWORD level, BYTE** buffer);
using TNetApiBufferFree = DWORD(WINAPI*)(void* buffer);
struct TRzNetApi {
  TNetUseGetInfo NetUseGetInfo = nullptr;
  TNetApiBufferFree NetApiBufferFree = nullptr;
};
// Fills the entries and answers true, or answers false when the library is missing.
using TRzNetApiLoader = std::function<bool(TRzNetApi& api)>;
// Installs a loader (nullptr: the system's netapi32.dll); the library is tried again.
void SetNetApiLoader(TRzNetApiLoader loader);
// True without the library; else whether the drive's network use reports USE_OK.
bool IsNetworkDriveConnected(char drive);
// Frees the library when it was loaded (at the family's exit).
void ReleaseNetApi();

constexpr UINT WM_RZDEVICECHANGE = WM_USER + 100;  // 1124: the notice, after WM_DEVICECHANGE was answered
using TRzDeviceChangeMethod = TEvent<TObject*, TMessage&>;

class TRzDeviceChangeHandler : public TObject {
public:
  TRzDeviceChangeHandler();
  ~TRzDeviceChangeHandler() override;
  void Add(const TRzDeviceChangeMethod& method);
  void Remove(const TRzDeviceChangeMethod& method);
  void DeleteItem(int index);
  int Count() const { return static_cast<int>(list_.size()); }
  void BroadcastToList(TMessage& message);
  HWND Handle() const { return window_; }
  bool Active = true;

private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  std::vector<TRzDeviceChangeMethod> list_;
  HWND window_ = nullptr;  // owned: the hidden window that hears device changes
};

// The one handler of the process, made on first use.
TRzDeviceChangeHandler* RzDeviceChangeHandler();
// Frees it (at the family's exit).
void FreeRzDeviceChangeHandler();
