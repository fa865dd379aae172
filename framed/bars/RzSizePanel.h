// TRzSizePanel: a framed panel against one edge of its parent with a size bar
// along its inner edge; dragging the bar sizes the panel itself, live or with an
// outline, within margins measured against the space its parent leaves free. A
// hot spot on the bar collapses the panel to the bar and restores it.
#pragma once

#include "framed/bars/RzSplitBar.h"
#include "framed/controls/RzPanel.h"

class TRzCustomSizePanel : public TRzCustomPanel {
public:
  explicit TRzCustomSizePanel(TComponent* owner);

  TAlign GetAlign() const { return Align(); }
  virtual void SetAlignProp(TAlign value);
  int MarginMin() const { return marginMin_; }
  virtual void SetMarginMin(int value);
  int MarginMax() const { return marginMax_; }
  virtual void SetMarginMax(int value);
  bool LockBar = false;
  bool RealTimeDrag = false;
  bool HotSpotIgnoreMargins = false;
  int SizeBarWidth() const { return sizeBarWidth_; }
  virtual void SetSizeBarWidth(int value);
  TSplitterStyle SizeBarStyle() const { return sizeBarStyle_; }
  virtual void SetSizeBarStyle(TSplitterStyle value);
  bool HotSpotVisible() const { return hotSpotVisible_; }
  virtual void SetHotSpotVisible(bool value);
  TColor HotSpotHighlight() const { return hotSpotHighlight_; }
  virtual void SetHotSpotHighlight(TColor value);
  int HotSpotSizePercent() const { return hotSpotSizePercent_; }
  virtual void SetHotSpotSizePercent(int value);
  TSide Side() const { return side_; }
  virtual void SetSide(TSide value);
  int GradientColorAdjustment() const { return gradientColorAdjustment_; }
  virtual void SetGradientColorAdjustment(int value);
  TRzGroupBarGradientPath GradientPath() const { return gradientPath_; }
  virtual void SetGradientPath(TRzGroupBarGradientPath value);
  bool HotSpotClosed() const { return hotSpotClosed_; }
  int HotSpotPosition() const { return hotSpotPosition_; }
  TNotifyEvent OnHotSpotClick;

  // The edge the panel sits on (sdLeft .. sdBottom), or -1 for alClient.
  int Edge() const;
  bool HotSpotTopBottom() const { return Edge() == sdTop || Edge() == sdBottom; }
  virtual TRect GetSizeBarRect();
  TRect HotSpotRect() const { return hotSpot_; }
  // The parent's client area less what its other edge-aligned children take.
  virtual TRect GetParentWorkingRect();
  virtual int GetMarginExtent();
  virtual void CheckPosition(int& e);
  void CloseHotSpot();
  void RestoreHotSpot();
  virtual void ResetHotSpot() { hotSpotClosed_ = false; }
  bool Dragging() const { return dragging_; }
  int LastDrawnEdge() const { return lastDrawn_; }
  TRect MaskRect(int e);

  TRect ClientRect() const override;
  TRect GetControlRect() override;
  void FixClientRect(TRect& rect, bool shrinkByBorder) override;

protected:
  virtual void DrawMask(int e);
  virtual void UpdateHotSpotRect(const TRect& bar);
  virtual void DrawHotSpot(bool highlight);
  virtual void DrawSizeBar();
  virtual void HotSpotClick() { OnHotSpotClick(this); }
  void DefineProperties(TFiler* filer) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void WMSetCursor(TMessage& message) override;
  void WMWindowPosChanged(TMessage& message) override;
  void Dispatch(TMessage& message) override;

private:
  bool TopOrLeft() const { return Edge() == sdTop || Edge() == sdLeft; }
  void SetMovingSize(int size);
  void HighlightStep(const TPoint& p);
  void ApplyEdge(int e, bool live);

  int marginMin_ = 0, marginMax_ = 0;
  TRzSplitCursors cursors_;
  int sizeBarWidth_ = 4;
  TSplitterStyle sizeBarStyle_ = ssStandard;
  bool dragging_ = false;
  bool hotSpotDrawnPlain_ = true;
  bool hotSpotVisible_ = false;
  TColor hotSpotHighlight_ = clWindow;
  TRect hotSpot_;
  bool hotSpotClosed_ = false;
  bool hotSpotPressed_ = false;
  int hotSpotPosition_ = 100;
  TSide side_ = sdLeft;
  int hotSpotSizePercent_ = 40;
  int dragStart_ = 0;
  int widthAtPress_ = 0, heightAtPress_ = 0;
  int grabOffset_ = 0;
  int lastDrawn_ = 0;
  TBitmap mask_;
  int gradientColorAdjustment_ = 30;
  TRzGroupBarGradientPath gradientPath_ = gpTopToBottom;
};

class TRzSizePanel : public TRzCustomSizePanel {
public:
  using TRzCustomSizePanel::TRzCustomSizePanel;
};
