#include "skin/draw/ParentImage.h"

#include "platform/controls/Forms.h"

TspParentBackgroundPainter SP_PaintParentBackground;

namespace {

// Adds a control-state flag for the life of the object (removed on an exception too).
class StateFlag {
public:
  StateFlag(TControl* control, TControlStateFlag flag) : control_(control), flag_(flag), had_(control->HasControlState(flag)) {
    control_->ControlState |= flag_;
  }
  ~StateFlag() {
    if (!had_) control_->ControlState &= ~flag_;
  }

private:
  TControl* control_;
  TControlStateFlag flag_;
  bool had_;
};

// Saves the DC's state and moves its origin; restores it when done.
class SavedOrigin {
public:
  SavedOrigin(HDC dc, TPoint origin, TRect clip) : dc_(dc), saved_(::SaveDC(dc)) {
    ::SetViewportOrgEx(dc, origin.X, origin.Y, nullptr);
    ::IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
  }
  ~SavedOrigin() { ::RestoreDC(dc_, saved_); }

private:
  HDC dc_;
  int saved_;
};

WPARAM AsWParam(HDC dc) { return reinterpret_cast<WPARAM>(dc); }

void PaintParentFace(TWinControl* parent, HDC dc) {
  auto* form = dynamic_cast<TCustomForm*>(parent);
  if (form && form->FormStyle() == fsMDIForm) {
    if (HWND client = ::FindWindowExA(form->Handle(), nullptr, "MDICLIENT", nullptr))
      ::SendMessageA(client, WM_ERASEBKGND, AsWParam(dc), 0);
    return;
  }
  if (SP_PaintParentBackground && SP_PaintParentBackground(parent, dc)) return;
  parent->Perform(WM_ERASEBKGND, AsWParam(dc), 0);
  if (!form) parent->PaintWindow(dc);
}

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

void PaintEarlierSiblings(TControl* control, TWinControl* parent, HDC dc, TPoint shift) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* sibling = parent->Controls(i);
    if (sibling == control) break;
    if (!dynamic_cast<TGraphicControl*>(sibling) || !sibling->Visible()) continue;
    if (!Overlap(sibling->BoundsRect(), control->BoundsRect())) continue;
    StateFlag copying(sibling, csPaintCopy);
    SavedOrigin origin(dc, TPoint{sibling->Left() - shift.X, sibling->Top() - shift.Y},
                       TRect{0, 0, sibling->Width(), sibling->Height()});
    sibling->Perform(WM_PAINT, AsWParam(dc), 0);
  }
}

}  // namespace

void GetParentImageRect(TControl* control, const TRect& r, TCanvas* dest) {
  if (!control || !control->Parent() || !dest) return;
  TWinControl* parent = control->Parent();
  HDC dc = dest->Handle();
  TPoint shift{control->Left() + r.Left, control->Top() + r.Top};
  StateFlag copying(parent, csPaintCopy);
  {
    SavedOrigin origin(dc, TPoint{-shift.X, -shift.Y}, TRect{0, 0, parent->ClientWidth(), parent->ClientHeight()});
    PaintParentFace(parent, dc);
  }
  PaintEarlierSiblings(control, parent, dc, shift);
}

void GetParentImage(TControl* control, TCanvas* dest) { GetParentImageRect(control, TRect{}, dest); }
