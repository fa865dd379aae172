#include "app/main/ShutDownFrm.h"

#include <memory>

#include "framed/controls/RzLabel.h"
#include "platform/core/Format.h"
#include "platform/core/SystemCalls.h"
#include "platform/core/Timer.h"
#include "platform/published/FormsPublished.h"
#include "skin/controls/SkinButton.h"

TShutDownForm::TShutDownForm(TComponent* owner) : TForm(owner) {
  DeclareFormBindings(this)
      .Field("lblInfo", lblInfo)
      .Field("btnOk", btnOk)
      .Field("btnCancel", btnCancel)
      .Field("Timer", Timer)
      .Handler("FormShow", this, &TShutDownForm::FormShow)
      .Handler("TimerTimer", this, &TShutDownForm::TimerTimer)
      .Handler("btnOkClick", this, &TShutDownForm::btnOkClick)
      .Handler("btnCancelClick", this, &TShutDownForm::btnCancelClick);
}

void TShutDownForm::FormShow(TObject*) { Timer->SetEnabled(true); }

void TShutDownForm::TimerTimer(TObject*) {
  if (count_ <= 0) return;
  if (--count_ != 0) {
    lblInfo->SetCaption(Format("System will shutdown in %d seconds", count_));
    return;
  }
  Timer->SetEnabled(false);
  Close();
  ShutDownSystem();
}

void TShutDownForm::btnOkClick(TObject*) {
  Timer->SetEnabled(false);
  count_ = 0;
  Close();
  ShutDownSystem();
}

void TShutDownForm::btnCancelClick(TObject*) {
  Timer->SetEnabled(false);
  count_ = 0;
  Close();
}

void ShowShutDownDialog() {
  std::unique_ptr<TShutDownForm> dialog(NewForm<TShutDownForm>(nullptr));
  dialog->ShowModal();
}

bool ShutDownSystem() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  ::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
  ::SetLastError(0);
  ::AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  const DWORD error = ::GetLastError();
  ::CloseHandle(token);
  if (error != 0) return false;
  return SystemCalls().ExitWindowsEx(EWX_SHUTDOWN, 0) != 0;
}
