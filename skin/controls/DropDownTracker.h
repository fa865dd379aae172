// The pointer side of a combo box's open drop-down, shared by the combo box
// and the check combo box: a press on the box (or in the list) starts
// tracking; a move over the list highlights the row under the pointer, a move
// above or below it scrolls it a row per tick of a 25 ms timer once the
// pointer has been inside; the release asks whether it was over the list.
#pragma once

#include "skin/controls/SkinCustomListBox.h"

class TspDropDownTracker {
public:
  static constexpr UINT kScrollTimer = 1;  // the owner's window timer

  explicit TspDropDownTracker(TWinControl* owner) : owner_(owner) {}
  // The drop-down, set once the owner has made it and before any other call.
  void SetList(TspSkinCustomListBox* list) { list_ = list; }

  bool Tracking = false;  // a press started it; the release ends it
  bool Entered = false;   // the pointer has been over the list since

  // A press in the list itself: the owner takes the capture, so the release
  // comes to it.
  void PressInList();
  // A move on the owner, in its client coordinates.
  void Track(int x, int y);
  // Whether a point of the owner lies inside the inner list.
  bool OverList(int x, int y) const;
  // A move over the inner list, in its coordinates: highlights that row.
  void HighlightAt(int x, int y);
  void StopScroll();
  // A tick of kScrollTimer: one row up or down.
  void ScrollStep();

private:
  void StartScroll(int mode);

  TWinControl* owner_;          // borrowed: the combo box
  TspSkinCustomListBox* list_ = nullptr;  // borrowed: its drop-down
  int mode_ = 0;                // 0 still, 1 up, 2 down
};
