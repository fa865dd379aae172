// TScreen: the forms of the program, the active one, cursors and the work area.
// `Screen` is the program's one screen.
#pragma once

#include <map>
#include <vector>

#include "platform/controls/CustomForm.h"

class TScreen : public TComponent {
public:
  TScreen();
  ~TScreen() override;

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(index); }
  bool HasForm(const TCustomForm* form) const;
  // The active form of the application (nullptr when another program is active).
  TCustomForm* ActiveForm() const { return activeForm_; }
  TCustomForm* ActiveCustomForm() const { return activeForm_; }
  TWinControl* ActiveControl() const { return activeForm_ ? activeForm_->ActiveControl() : nullptr; }

  // The cursor of the whole application; crDefault lets each control show its own.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);
  // The cursor of a number: the standard ones (negative) and the ones added
  // (positive); an unknown number gives the arrow.
  HCURSOR Cursors(int index) const;
  // Adds or replaces a cursor (owned from now on; replaced ones are destroyed).
  void SetCursors(int index, HCURSOR cursor);

  int Width() const { return ::GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return ::GetSystemMetrics(SM_CYSCREEN); }
  TRect WorkAreaRect() const;
  int WorkAreaLeft() const { return WorkAreaRect().Left; }
  int WorkAreaTop() const { return WorkAreaRect().Top; }
  int WorkAreaWidth() const { return WorkAreaRect().Width(); }
  int WorkAreaHeight() const { return WorkAreaRect().Height(); }
  int PixelsPerInch() const { return ScreenPixelsPerInch(); }

  TNotifyEvent OnActiveFormChange;

private:
  friend class TCustomForm;
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void SetActiveForm(TCustomForm* form);

  std::vector<TCustomForm*> forms_;  // borrowed: every form registers itself
  TCustomForm* activeForm_ = nullptr;
  TCursor cursor_ = crDefault;
  std::map<int, HCURSOR> custom_;  // owned
};

extern TScreen Screen;
