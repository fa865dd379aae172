// Time from starting the program until its main window first painted, in a
// program folder with the default skin, every plug-in and 50 video profiles;
// beside the same wait for a minimal one-window program (this benchmark started
// with --minimal-window), which is Wine's own cost of starting a window program.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/VideoProfiles.h"
#include "bench/BenchSupport.h"

namespace {

constexpr char kMinimalClass[] = "VarnelMinimalWindow";

LRESULT CALLBACK MinimalWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcA(window, msg, wParam, lParam);
}

int RunMinimalWindow() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = MinimalWindowProc;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMinimalClass;
  ::RegisterClassA(&windowClass);
  HWND window = ::CreateWindowExA(0, kMinimalClass, "Minimal", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 800, 580,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
  ::UpdateWindow(window);
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
  return 0;
}

struct Search {
  DWORD process;
  const char* className;
  HWND found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof(name));
  if (owner != search->process || !::IsWindowVisible(window) || std::string(name) != search->className) return TRUE;
  search->found = window;
  return FALSE;
}

// Starts the command, waits until its window of `className` is shown and painted
// (no part left to paint), closes it; the seconds until painted, -1 on failure.
double SecondsUntilPainted(const std::string& exe, const std::string& arguments, const std::string& folder,
                           const char* className) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  std::string commandLine = "\"" + exe + "\" " + arguments;
  const auto start = std::chrono::steady_clock::now();
  if (!::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
    return -1;
  double seconds = -1;
  for (int i = 0; i < 60000 && ::WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0; ++i) {
    Search search{process.dwProcessId, className, nullptr};
    ::EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
    if (search.found && !::GetUpdateRect(search.found, nullptr, FALSE)) {
      seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      ::PostMessageA(search.found, WM_CLOSE, 0, 0);
      break;
    }
    ::Sleep(1);
  }
  if (::WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return seconds;
}

// A copy of the built program folder (program, engine, plug-ins, skins) with 50
// profiles of every kind in "Profiles\".
std::string MakeProgramFolder(const std::string& built) {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "varnel-startup-bench\\";
  std::string from = built;
  from.pop_back();
  std::string command = "cmd /c rmdir /s /q \"" + folder + "\" >nul 2>&1 & xcopy /e /i /q /y \"" + from + "\" \"" +
                        folder + "\" >nul";
  std::system(command.c_str());
  ::CreateDirectoryA((folder + "Profiles").c_str(), nullptr);
  for (int i = 0; i < 50; ++i) {
    const std::string name = "Profile " + std::to_string(i);
    const std::string path = folder + "Profiles\\" + name + ".pf";
    switch (i % 4) {
      case 0: TAVIProfile(name, "").Save(path); break;
      case 1: TMP4Profile(name, "").Save(path); break;
      case 2: TWMVProfile(name, "").Save(path); break;
      default: TFLVProfile(name, "").Save(path); break;
    }
  }
  return folder;
}

// The median of five starts; -1 when any start failed.
double MedianStart(const std::string& exe, const std::string& arguments, const std::string& folder,
                   const char* className) {
  std::vector<double> times;
  for (int i = 0; i < 5; ++i) {
    double seconds = SecondsUntilPainted(exe, arguments, folder, className);
    if (seconds < 0) return -1;
    times.push_back(seconds);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--minimal-window") return RunMinimalWindow();
  const std::string folder = MakeProgramFolder(bench::ProgramFolder(argc, argv));
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  const double minimal = MedianStart(self, "--minimal-window", folder, kMinimalClass);
  const double program = MedianStart(folder + "VarnelRevo.exe", "", folder, "TMainForm");
  if (minimal < 0 || program < 0) {
    std::printf("startup: a window never painted\n");
    return 1;
  }
  std::printf("startup: main window painted after %.3f s, a minimal window after %.3f s, ratio %.1f (goal: under 1 s)\n",
              program, minimal, program / minimal);
  return 0;
}
