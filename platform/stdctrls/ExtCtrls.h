// Further controls: the bevel (lines and boxes), the panel (a container with
// bevels and a caption), the image (a picture in a rectangle) and the splitter
// (a bar that resizes the control beside it).
#pragma once

#include <memory>

#include "platform/controls/Alignments.h"
#include "platform/graphics/Picture.h"
#include "platform/stdctrls/StdCtrls.h"

enum TBevelStyle { bsLowered, bsRaised };
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Draws a 3-D frame of `width` pixels just inside `rect` (top and left in
// `topLeft`, bottom and right in `bottomRight`) and shrinks `rect` by it.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width);

class TBevel : public TGraphicControl {
public:
  explicit TBevel(TComponent* owner);
  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape value);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle value);

protected:
  void Paint() override;

private:
  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};

class TCustomPanel : public TCustomControl {
public:
  explicit TCustomPanel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  // Repaints the whole panel on a resize (a centred caption moves).
  bool FullRepaint = true;

protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(TRect& rect) override;
  void Paint() override;
  void Dispatch(TMessage& message) override;
  // The width the bevels and the border take on each side.
  int FrameWidth() const;

private:
  void FrameChanged();
  TAlignment alignment_ = taCenter;
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TBorderStyle borderStyle_ = bsNone;
};

class TPanel : public TCustomPanel {
public:
  using TCustomPanel::TCustomPanel;
};

class TImage : public TGraphicControl {
public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return picture_.get(); }  // owned
  void SetPicture(const TPicture* value) { picture_->Assign(value); }
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // The rectangle the picture is drawn in.
  TRect DestRect() const;

protected:
  void Paint() override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;

private:
  void PictureChanged(TObject* sender);
  std::unique_ptr<TPicture> picture_;
  bool center_ = false;
  bool stretch_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
};

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
