#include "skin/controls/SkinURLEdit.h"

#include <algorithm>
#include <cctype>

#include "platform/controls/CustomForm.h"
#include "platform/core/SystemCalls.h"

namespace {

String Lower(String s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool StartsWith(const String& s, const char* prefix) { return Lower(s).rfind(prefix, 0) == 0; }

// A host name as typed: letters, digits, dots and dashes, at least one dot,
// optionally followed by a path.
bool LooksLikeHost(const String& s) {
  size_t end = s.find_first_of("/?#");
  String host = s.substr(0, end);
  if (host.empty() || host.find('.') == String::npos || host.front() == '.' || host.back() == '.') return false;
  return std::all_of(host.begin(), host.end(),
                     [](unsigned char c) { return std::isalnum(c) || c == '.' || c == '-' || c == ':'; });
}

}  // namespace

String TspSkinURLEdit::LinkTarget() const {
  String text = Text();
  text.erase(0, text.find_first_not_of(" \t"));
  text.erase(text.find_last_not_of(" \t") + 1);
  if (text.empty()) return String();
  if (LinkType == spltMail) {
    if (text.find('@') == String::npos) return String();
    return StartsWith(text, "mailto:") ? text : "mailto:" + text;
  }
  if (StartsWith(text, "http://") || StartsWith(text, "https://") || StartsWith(text, "mailto:")) return text;
  if (text.find("://") != String::npos || text.find(':') == 1) return String();  // other schemes, drive paths
  return LooksLikeHost(text) ? "http://" + text : String();
}

Integer TspSkinURLEdit::TextWidth() {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, Font()->Handle());
  String text = Text();
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  return size.cx;
}

void TspSkinURLEdit::LeaveLink() {
  Font()->SetStyle(Font()->Style() & ~fsUnderline);
  SetCursor(crDefault);
  overLink_ = false;
  Refresh();
}

void TspSkinURLEdit::MouseMove(TShiftState shift, int x, int y) {
  TspSkinEdit::MouseMove(shift, x, y);
  if (!Execute) return;
  bool inText = x < TextWidth();
  if (inText && !overLink_ && !mouseDown_) {
    Font()->SetStyle(Font()->Style() | fsUnderline);
    SetCursor(crHandPoint);
    overLink_ = true;
    Refresh();
  } else if (!inText && overLink_) {
    LeaveLink();
  }
}

void TspSkinURLEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinEdit::MouseDown(button, shift, x, y);
  if (button == mbLeft) mouseDown_ = true;
  if (!Execute || !overLink_ || button != mbLeft) return;
  String target = LinkTarget();
  if (target.empty()) return;
  TCustomForm* form = GetParentForm(this);
  SystemCalls().ShellExecute(form && form->HandleAllocated() ? form->Handle() : nullptr, "Open", target, String(),
                             String(), SW_SHOWNORMAL);
}

void TspSkinURLEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinEdit::MouseUp(button, shift, x, y);
  mouseDown_ = false;
}

void TspSkinURLEdit::Dispatch(TMessage& message) {
  TspSkinEdit::Dispatch(message);
  if (message.Msg == CM_MOUSELEAVE && overLink_) LeaveLink();
}
