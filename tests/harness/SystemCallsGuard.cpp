#include "tests/harness/SystemCallsGuard.h"

#include <gtest/gtest.h>

SystemCallsGuard::SystemCallsGuard() {
  TSystemCalls& calls = SystemCalls();
  calls.MessageBox = [](HWND, const String& text, const String&, UINT) {
    ADD_FAILURE() << "unexpected message box: " << text;
    return IDCANCEL;
  };
  calls.ShellExecute = [](HWND, const String& verb, const String& file, const String&, const String&, int) {
    ADD_FAILURE() << "unexpected ShellExecute " << verb << " " << file;
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(2));
  };
  calls.ExitWindowsEx = [](UINT, DWORD) {
    ADD_FAILURE() << "unexpected ExitWindowsEx";
    return FALSE;
  };
  calls.GetOpenFileName = [](OPENFILENAMEA*) {
    ADD_FAILURE() << "unexpected open dialog";
    return FALSE;
  };
  calls.GetSaveFileName = [](OPENFILENAMEA*) {
    ADD_FAILURE() << "unexpected save dialog";
    return FALSE;
  };
  calls.BrowseForFolder = [](BROWSEINFOA*) -> LPITEMIDLIST {
    ADD_FAILURE() << "unexpected folder dialog";
    return nullptr;
  };
  calls.ChooseColor = [](CHOOSECOLORA*) {
    ADD_FAILURE() << "unexpected colour dialog";
    return FALSE;
  };
  calls.ShellExecuteEx = [](SHELLEXECUTEINFOA* request) {
    ADD_FAILURE() << "unexpected ShellExecuteEx " << (request->lpFile ? request->lpFile : "");
    return FALSE;
  };
  calls.WinExec = [](const String& commandLine, UINT) {
    ADD_FAILURE() << "unexpected WinExec " << commandLine;
    return 0u;
  };
}

SystemCallsGuard::~SystemCallsGuard() { RestoreSystemCalls(); }

void SystemCallsGuard::AnswerMessageBoxes(int answer) {
  SystemCalls().MessageBox = [this, answer](HWND, const String& text, const String& caption, UINT flags) {
    Boxes.push_back({text, caption, flags});
    return answer;
  };
}
