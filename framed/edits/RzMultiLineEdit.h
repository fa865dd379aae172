// TRzMultiLineEdit: what the framed memo and rich edit share over the framing
// layer: a 1-based line and column that can be read, set and reported, a report
// of whether cutting and pasting are possible, the wheel scrolling by lines
// without moving the caret, and Enter as Tab on request.
#pragma once

#include "framed/edits/RzEditFraming.h"
#include "platform/controls/Control.h"

using TLineColChangeEvent = TEvent<TObject*, int, int>;
using TClipboardChangeEvent = TEvent<TObject*, bool, bool>;
// (Sender, shift, mouse position, handled)
using TMouseWheelUpDownEvent = TEvent<TObject*, TShiftState, TPoint, bool&>;

template <class Base>
class TRzMultiLineEdit : public TRzEditFraming<Base> {
public:
  explicit TRzMultiLineEdit(TComponent* owner);

  bool TabOnEnter = false;
  // The caret's line and column, from 1.
  virtual int GetLine();
  // Puts the caret at the start of the line and scrolls it to the top; a line
  // that does not exist leaves the caret where the window puts it.
  virtual void SetLine(int line);
  virtual int GetColumn();
  // Moves the caret within its line; a column past the line's end does nothing.
  virtual void SetColumn(int column);
  void JumpTo(int line, int column);

  TLineColChangeEvent OnLineColChange;
  TClipboardChangeEvent OnClipboardChange;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
  virtual void LineColChange();
  virtual void ClipboardChange();
  // One notch of the wheel: one line, or the system's wheel scroll lines with Ctrl.
  virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
  virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

  void CreateWnd() override;
  void Change() override;
  void Click() override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyUp(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

private:
  void ScrollLines(int lines) { Send(EM_LINESCROLL, 0, lines); }
};
