// TScrollBox: a framed container whose children may reach beyond its client
// area; the box then shows scroll bars, and scrolling moves the children.
#pragma once

#include "platform/controls/BorderStyle.h"
#include "platform/controls/ScrollingWinControl.h"

class TScrollBox : public TScrollingWinControl {
public:
  explicit TScrollBox(TComponent* owner);

  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  // How far the contents are scrolled, in pixels.
  int HorzPosition() const { return position_.X; }
  int VertPosition() const { return position_.Y; }
  // Scrolls the contents so that the point (x, y) of them is at the top left.
  void ScrollTo(int x, int y);
  // Scrolls as little as needed to show the control whole.
  void ScrollInView(TControl* control);
  // The size of the contents (the children's extent at the present scroll).
  TSize ContentSize() const;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& message) override;
  void AlignControls(TControl* control, TRect& rect) override;

private:
  void UpdateScrollBars();
  void Scroll(int bar, int code);
  TBorderStyle borderStyle_ = bsSingle;
  TPoint position_{0, 0};
  bool updating_ = false;
};
