#include "framed/shell/RzShellDrives.h"

#include <lm.h>
#include <shlobj.h>

#include <memory>

#include "framed/shell/RzShellInterfaces.h"
#include "platform/core/Exceptions.h"

int gFlushDriveInfoSem = 0;

namespace {

enum TNetState { nsNotTried, nsUnavailable, nsLoaded };
TNetState netState = nsNotTried;
TRzNetApi netApi;
HMODULE netLibrary = nullptr;
TRzNetApiLoader netLoader;

bool SystemNetApi(TRzNetApi& api) {
  netLibrary = ::LoadLibraryA("netapi32.dll");
  if (!netLibrary) return false;
  api.NetUseGetInfo = reinterpret_cast<TNetUseGetInfo>(::GetProcAddress(netLibrary, "NetUseGetInfo"));
  api.NetApiBufferFree = reinterpret_cast<TNetApiBufferFree>(::GetProcAddress(netLibrary, "NetApiBufferFree"));
  return api.NetUseGetInfo && api.NetApiBufferFree;
}

void Check(HRESULT result) {
  if (FAILED(result)) throw EOSError("OLE error " + std::to_string(static_cast<unsigned long>(result)));
}

std::unique_ptr<TRzDeviceChangeHandler> deviceChangeHandler;
const char* const kHandlerClass = "TRzDeviceChangeWindow";

}  // namespace

void LockFlushDriveInfoCache() { ++gFlushDriveInfoSem; }
void UnlockFlushDriveInfoCache() { --gFlushDriveInfoSem; }

// Asking My Computer to validate its items makes the shell refresh its drive cache.
void FlushDriveInfoCache() {
  if (gFlushDriveInfoSem != 0) return;
  LPITEMIDLIST drives = nullptr;
  Check(::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives));
  IShellFolder* desktop = nullptr;
  HRESULT result = ::SHGetDesktopFolder(&desktop);
  IShellFolder_NRC* folder = nullptr;
  if (SUCCEEDED(result))
    result = reinterpret_cast<IShellFolder_NRC*>(desktop)->BindToObject(drives, nullptr, RzShellIds::IID_IShellFolder,
                                                                       reinterpret_cast<void**>(&folder));
  if (desktop) desktop->Release();
  ::CoTaskMemFree(drives);
  Check(result);
  ULONG attributes = SFGAO_VALIDATE;
  folder->GetAttributesOf(0, nullptr, &attributes);
  folder->Release();
}

void SetNetApiLoader(TRzNetApiLoader loader) {
  ReleaseNetApi();
  netLoader = std::move(loader);
}

void ReleaseNetApi() {
  if (netLibrary) ::FreeLibrary(netLibrary);
  netLibrary = nullptr;
  netApi = TRzNetApi();
  netState = nsNotTried;
}

bool IsNetworkDriveConnected(char drive) {
  if (netState == nsNotTried) {
    TRzNetApi api;
    const bool loaded = netLoader ? netLoader(api) : SystemNetApi(api);
    netState = loaded ? nsLoaded : nsUnavailable;
    if (loaded) netApi = api;
  }
  if (netState != nsLoaded) return true;
  const wchar_t name[] = {static_cast<wchar_t>(static_cast<unsigned char>(drive)), L':', 0};
  BYTE* buffer = nullptr;
  if (netApi.NetUseGetInfo(nullptr, name, 1, &buffer) != 0) return false;
  const bool ok = buffer && reinterpret_cast<USE_INFO_1*>(buffer)->ui1_status == USE_OK;
  if (buffer) netApi.NetApiBufferFree(buffer);
  return ok;
}

// ---- the device-change broadcaster ----

TRzDeviceChangeHandler::TRzDeviceChangeHandler() {
  WNDCLASSA wc{};
  if (!::GetClassInfoA(::GetModuleHandleA(nullptr), kHandlerClass, &wc)) {
    wc.lpfnWndProc = WindowProcedure;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kHandlerClass;
    ::RegisterClassA(&wc);
  }
  window_ = ::CreateWindowExA(WS_EX_TOOLWINDOW, kHandlerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              ::GetModuleHandleA(nullptr), nullptr);
  ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TRzDeviceChangeHandler::~TRzDeviceChangeHandler() {
  list_.clear();
  if (window_) ::DestroyWindow(window_);
}

void TRzDeviceChangeHandler::Add(const TRzDeviceChangeMethod& method) { list_.push_back(method); }

void TRzDeviceChangeHandler::Remove(const TRzDeviceChangeMethod& method) {
  for (size_t i = 0; i < list_.size(); ++i)
    if (list_[i] == method) return DeleteItem(static_cast<int>(i));
}

void TRzDeviceChangeHandler::DeleteItem(int index) { list_.erase(list_.begin() + index); }

void TRzDeviceChangeHandler::BroadcastToList(TMessage& message) {
  if (!Active) return;
  // A handler may remove itself: the list is walked as it stood.
  const std::vector<TRzDeviceChangeMethod> handlers = list_;
  for (const TRzDeviceChangeMethod& h : handlers) h(this, message);
}

// The notice is posted on, so handlers run after the system's message was answered.
LRESULT CALLBACK TRzDeviceChangeHandler::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TRzDeviceChangeHandler*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (msg == WM_DEVICECHANGE) {
    ::PostMessageA(window, WM_RZDEVICECHANGE, wParam, lParam);
  } else if (msg == WM_RZDEVICECHANGE && self) {
    TMessage message{};
    message.Msg = WM_RZDEVICECHANGE;
    message.WParam = wParam;
    message.LParam = lParam;
    try {
      self->BroadcastToList(message);
    } catch (...) {
    }
    return 0;
  }
  return ::DefWindowProcA(window, msg, wParam, lParam);
}

TRzDeviceChangeHandler* RzDeviceChangeHandler() {
  if (!deviceChangeHandler) deviceChangeHandler = std::make_unique<TRzDeviceChangeHandler>();
  return deviceChangeHandler.get();
}

void FreeRzDeviceChangeHandler() { deviceChangeHandler.reset(); }
