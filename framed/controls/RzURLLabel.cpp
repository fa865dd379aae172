#include "framed/controls/RzURLLabel.h"

#include "framed/common/RzCommon_Routines.h"
#include "platform/controls/Screen.h"
#include "platform/core/SystemCalls.h"
#include "platform/core/SysUtils.h"

namespace {

// The hand is added to the screen's cursors once; the screen owns it.
void RegisterHandCursor() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  HCURSOR hand = nullptr;
  if (RunningUnder(Win95) || RunningUnder(WinNT))
    hand = ::LoadCursorA(::GetModuleHandleA(nullptr), "RZCOMMON_HANDCURSOR");
  else
    hand = static_cast<HCURSOR>(::CopyImage(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)), IMAGE_CURSOR, 0, 0, 0));
  if (hand) Screen.SetCursors(crRzHand, hand);
}

String UpperExtension(const String& target) {
  const size_t dot = target.find_last_of('.');
  const size_t slash = target.find_last_of("\\/:");
  if (dot == String::npos || (slash != String::npos && slash > dot)) return String();
  return UpperCase(target.substr(dot));
}

}  // namespace

TRzURLLabel::TRzURLLabel(TComponent* owner) : TRzLabel(owner) {
  RegisterHandCursor();
  SetCursor(crRzHand);
  SetTextStyle(tsNormal);
  Font()->SetColor(clHighlight);
  Font()->SetStyle(fsUnderline);
}

void TRzURLLabel::UpdateFontColor() { Font()->SetColor(visited_ ? visitedColor_ : unvisitedColor_); }

void TRzURLLabel::SetVisited(bool value) {
  visited_ = value;
  UpdateFontColor();
  Invalidate();
}

void TRzURLLabel::SetUnvisitedColor(TColor value) {
  unvisitedColor_ = value;
  UpdateFontColor();
  Invalidate();
}

void TRzURLLabel::SetVisitedColor(TColor value) {
  visitedColor_ = value;
  UpdateFontColor();
  Invalidate();
}

// The shell opens the target; a failed .htm target lets the user choose a program.
void TRzURLLabel::Click() {
  TRzLabel::Click();
  const String target = Trim(URL).empty() ? Caption() : URL;
  if (Trim(target).empty()) return;
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_FLAG_DDEWAIT;
  info.lpVerb = "Open";
  info.lpFile = target.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (SystemCalls().ShellExecuteEx(&info)) {
    SetVisited(true);
  } else if (UpperExtension(target) == ".HTM") {
    SystemCalls().WinExec("RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", SW_SHOWNORMAL);
  }
}
