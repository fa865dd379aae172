#include "platform/core/SystemCalls.h"

namespace {

TSystemCalls RealSystemCalls() {
  TSystemCalls calls;
  calls.MessageBox = [](HWND owner, const String& text, const String& caption, UINT flags) {
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
  };
  calls.ShellExecute = [](HWND owner, const String& verb, const String& file, const String& parameters,
                          const String& folder, int show) {
    return ::ShellExecuteA(owner, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                           parameters.empty() ? nullptr : parameters.c_str(),
                           folder.empty() ? nullptr : folder.c_str(), show);
  };
  calls.ExitWindowsEx = [](UINT flags, DWORD reason) { return ::ExitWindowsEx(flags, reason); };
  calls.GetDriveType = [](const String& root) { return ::GetDriveTypeA(root.c_str()); };
  calls.GetOpenFileName = [](OPENFILENAMEA* request) { return ::GetOpenFileNameA(request); };
  calls.GetSaveFileName = [](OPENFILENAMEA* request) { return ::GetSaveFileNameA(request); };
  calls.BrowseForFolder = [](BROWSEINFOA* request) { return ::SHBrowseForFolderA(request); };
  calls.ChooseColor = [](CHOOSECOLORA* request) { return ::ChooseColorA(request); };
  calls.ShellExecuteEx = [](SHELLEXECUTEINFOA* request) { return ::ShellExecuteExA(request); };
  calls.WinExec = [](const String& commandLine, UINT show) { return ::WinExec(commandLine.c_str(), show); };
  calls.GetVolumeInformation = [](const String& root, char* name, DWORD nameSize) {
    return ::GetVolumeInformationA(root.c_str(), name, nameSize, nullptr, nullptr, nullptr, nullptr, 0);
  };
  calls.ShellNotifyIcon = [](DWORD message, PNOTIFYICONDATAA data) { return ::Shell_NotifyIconA(message, data); };
  return calls;
}

}  // namespace

TSystemCalls& SystemCalls() {
  static TSystemCalls calls = RealSystemCalls();
  return calls;
}

void RestoreSystemCalls() { SystemCalls() = RealSystemCalls(); }
