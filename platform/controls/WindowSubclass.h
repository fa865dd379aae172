// Taking over the window procedure of a window the program did not make as a
// control (the edit inside a combo box, the MDI client of a form): its messages
// reach a method first, which hands what it does not answer to CallPrevious. The
// old procedure is saved when the window is taken over and put back by Restore,
// by the destructor, or when the window is destroyed. Several subclasses of one
// window chain in the order they were attached and may be restored in any order.
#pragma once

#include "platform/controls/WinControl.h"

class TWindowSubclass {
public:
  TWindowSubclass() = default;
  ~TWindowSubclass() { Restore(); }
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // Takes the window over (restoring a window taken before); `handler` gets
  // every message from now on.
  void Attach(HWND window, const TWndMethod& handler);
  // Gives the window its procedure back; nothing when none is taken over.
  void Restore();
  bool Attached() const { return window_ != nullptr; }
  HWND Window() const { return window_; }

  // Runs the procedure the window had before, writing its answer into Result.
  void CallPrevious(TMessage& message);

private:
  friend struct TSubclassChain;
  HWND window_ = nullptr;  // borrowed: the window belongs to whoever made it
  TWndMethod handler_;
};
