// TCustomPanel and TPanel: a container with an outer and an inner bevel, a border
// and a caption.
#pragma once

#include "platform/controls/Alignments.h"
#include "platform/controls/BorderStyle.h"
#include "platform/controls/CustomControl.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

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
  // Kept and streamed: an embedded object's in-place activation does not exist here.
  bool Locked = false;

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
