// TSplitter: a bar that resizes the control beside it while it is dragged.
#pragma once

#include "platform/controls/GraphicControl.h"

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };
using TCanResizeSplitterEvent = TEvent<TObject*, int&, bool&>;

// A bar aligned beside another control (left, right, top or bottom); dragging it
// resizes that control, never below MinSize, and leaves the rest at least
// MinSize too.
class TSplitter : public TGraphicControl {
public:
  explicit TSplitter(TComponent* owner);

  int MinSize() const { return minSize_; }
  void SetMinSize(int value) { minSize_ = value < 1 ? 1 : value; }
  bool Beveled() const { return beveled_; }
  void SetBeveled(bool value);
  TResizeStyle ResizeStyle() const { return resizeStyle_; }
  void SetResizeStyle(TResizeStyle value) { resizeStyle_ = value; }
  // The control the splitter resizes now (nullptr when none lies beside it).
  TControl* FindControl() const;
  void Loaded() override;

  TCanResizeSplitterEvent OnCanResize;
  TNotifyEvent OnMoved;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // The cursor follows the direction the splitter moves in.
  void CMMouseEnter(TMessage& message) override;

private:
  // The size the control gets for a drag that has come `delta` pixels.
  int SizeFor(int delta) const;
  void UpdateCursor();
  int minSize_ = 30;
  bool beveled_ = false;
  TResizeStyle resizeStyle_ = rsPattern;
  TControl* control_ = nullptr;  // borrowed: the control being resized during a drag
  TPoint downPos_{};
  int startSize_ = 0;
  bool dragging_ = false;
};
