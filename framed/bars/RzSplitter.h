// TRzSplitter: a framed panel split into two panes by a bar the user drags. The
// bar's place is Position (pixels) or Percent, kept within margins, with one
// pane fixed on resize; dragging is live or by an outline inverted on the
// screen; a hot spot on the bar collapses one pane and restores it.
#pragma once

#include <memory>

#include "framed/bars/RzSplitBar.h"
#include "framed/controls/RzPanel.h"
#include "platform/core/Strings.h"

class TReader;
class TWriter;

class TRzSplitter;

enum TFixedPane : Byte { fpUpperLeft, fpLowerRight };
enum TSelectedPane : Byte { spUpperLeft, spLowerRight };
enum THotSpotDirection : Byte { hsdMin, hsdMax, hsdBoth };

// One of the two panes: a framed panel that lets the mouse through to the
// splitter beneath unless it is a dock site.
class TRzSplitterPane : public TRzCustomPanel {
public:
  explicit TRzSplitterPane(TComponent* owner);
  TRzSplitter* Splitter() const { return splitter_; }
  void BindSplitter(TRzSplitter* splitter) { splitter_ = splitter; }
  bool PaneVisible() const { return Visible(); }
  void SetPaneVisible(bool value);

protected:
  void Dispatch(TMessage& message) override;

private:
  TRzSplitter* splitter_ = nullptr;  // borrowed: the splitter that owns the pane
};

// The published face of a pane: its frame, colours, dock site and visibility.
class TRzPaneData : public TPersistent {
public:
  explicit TRzPaneData(TRzSplitterPane* pane) : pane_(pane) {}
  TRzSplitterPane* Pane() const { return pane_; }
  TColor BorderColor() const { return pane_->BorderColor(); }
  void SetBorderColor(TColor v) { pane_->SetBorderColor(v); }
  TFrameStyleEx BorderInner() const { return pane_->BorderInner(); }
  void SetBorderInner(TFrameStyleEx v) { pane_->SetBorderInner(v); }
  TFrameStyleEx BorderOuter() const { return pane_->BorderOuter(); }
  void SetBorderOuter(TFrameStyleEx v) { pane_->SetBorderOuter(v); }
  int BorderWidth() const { return pane_->BorderWidth(); }
  void SetBorderWidth(int v) { pane_->SetBorderWidth(v); }
  TColor Color() const { return pane_->Color(); }
  void SetColor(TColor v) { pane_->SetColor(v); }
  TColor FlatColor() const { return pane_->FlatColor(); }
  void SetFlatColor(TColor v) { pane_->SetFlatColor(v); }
  int FlatColorAdjustment() const { return pane_->FlatColorAdjustment(); }
  void SetFlatColorAdjustment(int v) { pane_->SetFlatColorAdjustment(v); }
  bool DockSite() const { return pane_->DockSite; }
  void SetDockSite(bool v) { pane_->DockSite = v; }
  bool ShowDockClientCaptions() const { return pane_->ShowDockClientCaptions; }
  void SetShowDockClientCaptions(bool v) { pane_->ShowDockClientCaptions = v; }
  bool Visible() const { return pane_->Visible(); }
  void SetVisible(bool v) { pane_->SetPaneVisible(v); }
  void CopyInto(TRzSplitterPane* pane) const;
  void Assign(const TPersistent* source) override;

private:
  TRzSplitterPane* pane_;  // borrowed
};

class TRzSplitter : public TRzCustomPanel {
public:
  explicit TRzSplitter(TComponent* owner);
  ~TRzSplitter() override;

  TRzSplitterPane* Pane(int index) const { return index == 1 ? pane1_ : pane2_; }
  TRzPaneData* UpperLeft() const { return upperLeft_.get(); }
  TRzPaneData* LowerRight() const { return lowerRight_.get(); }
  TRzPaneData* GetPaneData(int index) const { return index == 1 ? upperLeft_.get() : lowerRight_.get(); }
  void SetPaneData(int index, const TRzPaneData* value) { value->CopyInto(Pane(index)); }

  TOrientation Orientation() const { return orientation_; }
  virtual void SetOrientation(TOrientation value);
  TSelectedPane SelectedPane() const { return selectedPane_; }
  virtual void SetSelectedPane(TSelectedPane value) { selectedPane_ = value; }
  int Position() const { return position_; }
  virtual void SetPosition(int value);
  virtual void SetLockedPosition(int value);
  int MarginMin() const { return marginMin_; }
  virtual void SetMarginMin(int value);
  int MarginMax() const { return marginMax_; }
  virtual void SetMarginMax(int value);
  bool UsePercent() const { return usePercent_; }
  virtual void SetUsePercent(bool value);
  int Percent() const { return percent_; }
  virtual void SetPercent(int value);
  int PercentMin() const { return percentMin_; }
  virtual void SetPercentMin(int value);
  int PercentMax() const { return percentMax_; }
  virtual void SetPercentMax(int value);
  TFixedPane FixedPane() const { return fixedPane_; }
  virtual void SetFixedPane(TFixedPane value);
  int SplitterWidth() const { return splitterWidth_; }
  virtual void SetSplitterWidth(int value);
  TSplitterStyle SplitterStyle() const { return splitterStyle_; }
  virtual void SetSplitterStyle(TSplitterStyle value);
  bool RealTimeDrag = false;
  bool LockBar = false;
  bool HotSpotVisible() const { return hotSpotVisible_; }
  virtual void SetHotSpotVisible(bool value);
  TColor HotSpotHighlight() const { return hotSpotHighlight_; }
  virtual void SetHotSpotHighlight(TColor value);
  THotSpotDirection HotSpotDirection() const { return hotSpotDirection_; }
  virtual void SetHotSpotDirection(THotSpotDirection value);
  int HotSpotSizePercent() const { return hotSpotSizePercent_; }
  virtual void SetHotSpotSizePercent(int value);
  bool HotSpotIgnoreMargins = true;
  bool HotSpotClosed() const { return hotSpotClosed_; }
  bool HotSpotClosedToMin() const { return hotSpotClosedToMin_; }
  bool HotSpotClosedToMax() const { return hotSpotClosedToMax_; }
  int HotSpotPosition() const { return hotSpotPosition_; }
  int GradientColorAdjustment() const { return gradientColorAdjustment_; }
  virtual void SetGradientColorAdjustment(int value);
  TRzGroupBarGradientPath GradientPath() const { return gradientPath_; }
  virtual void SetGradientPath(TRzGroupBarGradientPath value);
  int BorderWidthProp() const { return BorderWidth(); }
  void SetBorderWidthProp(int value);
  bool ParentColorProp() const { return ParentColor(); }
  virtual void SetParentColorProp(bool value);

  TNotifyEvent OnChange;
  TPositionChangingEvent OnChanging;
  TNotifyEvent OnHotSpotClick;
  TGetSiteInfoEvent OnULGetSiteInfo, OnLRGetSiteInfo;
  TDockOverEvent OnULDockOver, OnLRDockOver;
  TDockDropEvent OnULDockDrop, OnLRDockDrop;
  TUnDockEvent OnULUnDock, OnLRUnDock;

  TRect BarRect() const { return bar_; }
  TRect HotSpotRect() const { return hotSpot_; }
  bool Dragging() const { return dragging_; }
  int LastDrawnPosition() const { return lastDrawn_; }
  void CloseHotSpot() { CloseHotSpot(hotSpotDirection_ == hsdMin); }
  void CloseHotSpot(bool toMin);
  void RestoreHotSpot();
  virtual void ResetHotSpot();
  virtual void ResizePanes();
  virtual int GetBorderOffset();
  // The screen rectangle the drag outline covers at `pos`.
  TRect MaskRect(int pos);

  void SetBorderInner(TFrameStyleEx value) override;
  void SetBorderOuter(TFrameStyleEx value) override;
  void SetBorderSides(TSides value) override;
  void SetTransparent(bool value) override;
  TRect ClientRect() const override;
  void Loaded() override;

protected:
  virtual void CheckPosition(int& value);
  virtual void UpdateManualPosition(int value);
  virtual void UpdateFixedSize();
  virtual void UpdateHotSpotRect();
  virtual void DrawMask(int pos);
  virtual void DrawHotSpot(bool highlight, TPoint p);
  virtual void DrawSplitterBar();
  virtual void Change() { OnChange(this); }
  virtual bool CanChange(int newPos);
  virtual void HotSpotClick() { OnHotSpotClick(this); }
  void DefineProperties(TFiler* filer) override;
  void AlignControls(TControl* control, TRect& rect) override;
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void Resize() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void WMSetCursor(TMessage& message) override;
  void Dispatch(TMessage& message) override;

private:
  int Size() const { return orientation_ == orHorizontal ? Width() : Height(); }
  int UsableExtent() const { return Size() - splitterWidth_ / 2; }
  bool Collapsed() const { return hotSpotClosed_; }
  void HotSpotHighlightStep(const TPoint& p, bool onlyWhenPlain);
  void ReleaseHotSpot(int x, int y);
  void BindPaneEvents(TRzSplitterPane* pane, int index);
  void ReadNames(TReader& reader, TStringList* names);
  void WriteNames(TWriter& writer, TRzSplitterPane* pane);
  void PlaceNamedControls(TRzSplitterPane* pane, TStringList* names);

  // Splitters inside their Loaded: while any is, no splitter aligns its controls.
  static inline int loadingSplitters_ = 0;
  TOrientation orientation_ = orHorizontal;
  std::unique_ptr<TRzPaneData> upperLeft_, lowerRight_;
  TRzSplitterPane* pane1_ = nullptr;  // owned through the component tree
  TRzSplitterPane* pane2_ = nullptr;
  std::unique_ptr<TStringList> names1_, names2_;
  TSelectedPane selectedPane_ = spUpperLeft;
  int position_ = 100;
  int marginMin_ = 0, marginMax_ = 0;
  bool usePercent_ = false;
  int percent_ = 50, percentMin_ = 0, percentMax_ = 100;
  TFixedPane fixedPane_ = fpUpperLeft;
  int fixedSize_ = 0;
  bool resizing_ = false;
  int splitterWidth_ = 4;
  TSplitterStyle splitterStyle_ = ssStandard;
  TRect bar_;
  int dragStart_ = 0;
  TRzSplitCursors cursors_;
  bool dragging_ = false;
  int grabOffset_ = 0;
  int manualPosition_ = 0;
  int lastDrawn_ = 0;
  TBitmap mask_;
  bool hotSpotDrawnPlain_ = true;
  bool hotSpotVisible_ = false;
  TColor hotSpotHighlight_ = clWindow;
  TRect hotSpot_;
  THotSpotDirection hotSpotDirection_ = hsdMin;
  bool hotSpotClosed_ = false, hotSpotClosedToMin_ = false, hotSpotClosedToMax_ = false;
  bool hotSpotPressed_ = false;
  int hotSpotPosition_ = 100;
  int hotSpotSizePercent_ = 40;
  int gradientColorAdjustment_ = 30;
  TRzGroupBarGradientPath gradientPath_ = gpTopToBottom;
};

// Draws the hot spot of a bar (shared with the size panel): frame, fill (half
// of it highlighted for a two-way spot), divider, the two arrows and the grip
// dots. `arrowTowardsFirst` gives each arrow's direction.
struct THotSpotLook {
  bool across;            // the bar lies across (panes stacked)
  bool twoWay;            // hsdBoth while open: divider and split highlight
  bool highlight;
  bool highlightAll;
  bool firstHalf;         // with twoWay: which half is highlighted
  TColor highlightColor;
  bool arrow1TowardsFirst, arrow2TowardsFirst;
  int arrowInset = 8;     // distance of each arrow from the spot's ends
};
void PaintHotSpot(TCanvas* canvas, const TRect& spot, const THotSpotLook& look);
