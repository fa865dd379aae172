// The built program started as a process of its own, from a folder that holds
// nothing beside it: no plug-ins, skins, profiles or settings.
#include <gtest/gtest.h>

#include <vector>

#include "platform/core/FileUtils.h"
#include "platform/core/WinApi.h"
#include "tests/harness/BuildFolders.h"
#include "tests/harness/TempProgramFolder.h"
#include "tests/harness/WindowCapture.h"

namespace {

struct ProcessWindows {
  DWORD processId;
  std::vector<HWND> visible;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM param) {
  auto* windows = reinterpret_cast<ProcessWindows*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == windows->processId && ::IsWindowVisible(window)) windows->visible.push_back(window);
  return TRUE;
}

String ClassOf(HWND window) {
  char name[128] = {};
  ::GetClassNameA(window, name, sizeof(name));
  return name;
}

// Waits (pumping nothing: the windows belong to the other process) until the
// program shows its main window; null when it never does.
HWND WaitForMainWindow(DWORD processId, HANDLE process) {
  for (int i = 0; i < 600; ++i) {
    if (::WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return nullptr;
    ProcessWindows windows{processId, {}};
    ::EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows.visible)
      if (ClassOf(window) == "TMainForm") return window;
    ::Sleep(50);
  }
  return nullptr;
}

}  // namespace

TEST(ProgramProcess, StartsAloneShowsOnlyItsMainWindowAndSavesItsSettingsAtExit) {
  TempProgramFolder folder;
  const String exe = folder.Path() + "VarnelRevo.exe";
  ASSERT_TRUE(::CopyFileA((BuiltProgramFolder() + "VarnelRevo.exe").c_str(), exe.c_str(), FALSE));
  ASSERT_TRUE(::CopyFileA((BuiltProgramFolder() + "DiscEngine.dll").c_str(),
                          (folder.Path() + "DiscEngine.dll").c_str(), FALSE));

  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  String commandLine = "\"" + exe + "\"";
  ASSERT_TRUE(::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder.Path().c_str(), &startup, &process));
  HWND main = WaitForMainWindow(process.dwProcessId, process.hProcess);
  ASSERT_NE(main, nullptr) << "the main window never showed";

  char caption[128] = {};
  ::GetWindowTextA(main, caption, sizeof(caption));
  EXPECT_STREQ(caption, "Varnel Revo Version 4.0.0");
  ProcessWindows windows{process.dwProcessId, {}};
  ::EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
  std::vector<String> shown;
  for (HWND window : windows.visible) shown.push_back(ClassOf(window));
  EXPECT_EQ(shown, std::vector<String>{"TMainForm"}) << "the splash is gone and the resource form never shows";
  CaptureWindow(main).SaveBmp("program-alone.bmp");

  ::PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(::WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  ::GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  EXPECT_TRUE(FileExists(folder.Path() + "DUZORERAVE.ini")) << "closing writes the settings file";
}
