// The built program started as a process of its own, from a folder that holds
// nothing beside it: no plug-ins, skins, profiles or settings.
#include <gtest/gtest.h>

#include <vector>

#include "platform/core/FileUtils.h"
#include "platform/core/Strings.h"
#include "platform/io/IniFiles.h"
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

BOOL CALLBACK CollectText(HWND window, LPARAM param) {
  char text[256] = {};
  ::GetWindowTextA(window, text, sizeof(text));
  if (text[0]) reinterpret_cast<std::vector<String>*>(param)->push_back(ClassOf(window) + ": " + text);
  return TRUE;
}

// The texts of the main window and of every window inside it.
std::vector<String> TextsOf(HWND main) {
  std::vector<String> texts;
  CollectText(main, reinterpret_cast<LPARAM>(&texts));
  ::EnumChildWindows(main, CollectText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

// The built program and its disc engine, alone in a temporary folder.
struct ProgramRun {
  TempProgramFolder folder;
  PROCESS_INFORMATION process = {};

  ProgramRun() {
    const String exe = folder.Path() + "VarnelRevo.exe";
    EXPECT_TRUE(::CopyFileA((BuiltProgramFolder() + "VarnelRevo.exe").c_str(), exe.c_str(), FALSE));
    EXPECT_TRUE(::CopyFileA((BuiltProgramFolder() + "DiscEngine.dll").c_str(),
                            (folder.Path() + "DiscEngine.dll").c_str(), FALSE));
  }
  // Starts the program; its main window, or null when it never shows.
  HWND Start() {
    const String exe = folder.Path() + "VarnelRevo.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    String commandLine = "\"" + exe + "\"";
    if (!::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.Path().c_str(), &startup, &process))
      return nullptr;
    return WaitForMainWindow(process.dwProcessId, process.hProcess);
  }
  // Closes the main window; the program's exit code.
  DWORD Close(HWND main) {
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return exitCode;
  }
};

}  // namespace

TEST(ProgramProcess, StartsAloneShowsOnlyItsMainWindowAndSavesItsSettingsAtExit) {
  ProgramRun run;
  HWND main = run.Start();
  ASSERT_NE(main, nullptr) << "the main window never showed";

  char caption[128] = {};
  ::GetWindowTextA(main, caption, sizeof(caption));
  EXPECT_STREQ(caption, "Varnel Revo Version 4.0.0");
  ProcessWindows windows{run.process.dwProcessId, {}};
  ::EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
  std::vector<String> shown;
  for (HWND window : windows.visible) shown.push_back(ClassOf(window));
  EXPECT_EQ(shown, std::vector<String>{"TMainForm"}) << "the splash is gone and the resource form never shows";
  CaptureWindow(main).SaveBmp("program-alone.bmp");

  EXPECT_EQ(run.Close(main), 0u);
  EXPECT_TRUE(FileExists(run.folder.Path() + "DUZORERAVE.ini")) << "closing writes the settings file";
}

// The main window's texts are its own: a chosen language file changes none of
// them, and the program writes the chosen language back as it found it.
TEST(ProgramProcess, AChosenLanguageChangesNoTextOfTheMainWindow) {
  std::vector<String> plain;
  {
    ProgramRun run;
    HWND main = run.Start();
    ASSERT_NE(main, nullptr);
    plain = TextsOf(main);
    run.Close(main);
  }
  ProgramRun run;
  const String lang = run.folder.Path() + "Lang\\";
  ForceDirectories(lang);
  TStringList file;
  file.SetText("[GENERAL]\r\nname=Pseudo\r\n[MAIN_FORM]\r\n00=XX\r\n01=XX\r\n[MAINFORM]\r\n00=XX\r\n"
               "[WAITSCAN_FORM]\r\n00=XX\r\n");
  file.SaveToFile(lang + "Pseudo.ini");
  TStringList settings;
  settings.SetText("[Settings]\r\nLangIndex=0\r\n");
  settings.SaveToFile(run.folder.Path() + "DUZORERAVE.ini");

  HWND main = run.Start();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(TextsOf(main), plain);
  EXPECT_EQ(run.Close(main), 0u);
  TIniFile written(run.folder.Path() + "DUZORERAVE.ini");
  EXPECT_EQ(written.ReadInteger("Settings", "LangIndex", -1), 0);
}
