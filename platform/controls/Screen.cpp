#include "platform/controls/Screen.h"

TScreen::TScreen() : TComponent(nullptr) {}

TScreen::~TScreen() {
  for (auto& entry : custom_) ::DestroyCursor(entry.second);
}

bool TScreen::HasForm(const TCustomForm* form) const {
  return std::find(forms_.begin(), forms_.end(), form) != forms_.end();
}

void TScreen::AddForm(TCustomForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  if (activeForm_ == form) activeForm_ = nullptr;
}

void TScreen::SetActiveForm(TCustomForm* form) {
  if (activeForm_ == form) return;
  activeForm_ = form;
  // The active form moves to the front of the list.
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  forms_.insert(forms_.begin(), form);
  OnActiveFormChange(this);
}

void TScreen::SetCursor(TCursor value) {
  cursor_ = value;
  if (value != crDefault) {
    ::SetCursor(Cursors(value));
    return;
  }
  // Back to the controls' own cursors: the window under the mouse chooses.
  POINT p;
  ::GetCursorPos(&p);
  HWND window = ::WindowFromPoint(p);
  if (window && TWinControl::FindControl(window))
    ::SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  else
    ::SetCursor(Cursors(crArrow));
}

HCURSOR TScreen::Cursors(int index) const {
  struct StandardCursor {
    int Number;
    LPCSTR Id;
  };
  static const StandardCursor standard[] = {
      {crDefault, IDC_ARROW},   {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},     {crIBeam, IDC_IBEAM},
      {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},   {crSizeNWSE, IDC_SIZENWSE}, {crSizeWE, IDC_SIZEWE},
      {crUpArrow, IDC_UPARROW}, {crHourGlass, IDC_WAIT},    {crDrag, IDC_ARROW},      {crNoDrop, IDC_NO},
      {crHSplit, IDC_SIZEWE},   {crVSplit, IDC_SIZENS},     {crMultiDrag, IDC_ARROW}, {crSQLWait, IDC_WAIT},
      {crNo, IDC_NO},           {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},    {crHandPoint, IDC_HAND},
      {crSizeAll, IDC_SIZEALL},
  };
  if (index == crNone) return nullptr;
  auto custom = custom_.find(index);
  if (custom != custom_.end()) return custom->second;
  for (const StandardCursor& cursor : standard)
    if (cursor.Number == index) return ::LoadCursorA(nullptr, cursor.Id);
  return ::LoadCursorA(nullptr, IDC_ARROW);
}

void TScreen::SetCursors(int index, HCURSOR cursor) {
  auto it = custom_.find(index);
  if (it != custom_.end()) {
    if (it->second == cursor) return;
    ::DestroyCursor(it->second);
    custom_.erase(it);
  }
  if (cursor) custom_[index] = cursor;
}

TRect TScreen::WorkAreaRect() const {
  RECT r = {0, 0, Width(), Height()};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return Rect(r.left, r.top, r.right, r.bottom);
}
