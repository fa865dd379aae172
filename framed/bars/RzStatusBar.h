// TRzStatusBar: a framed panel for the bottom edge of a form. Its panes are
// ordinary child controls; it adds a size grip that sizes the form, a simple
// mode that hides the panes and shows one caption, and optional scaling of the
// panes' widths with its own.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "framed/controls/RzPanel.h"

class TControlCanvas;

class TRzStatusBar : public TRzCustomPanel {
public:
  explicit TRzStatusBar(TComponent* owner);
  ~TRzStatusBar() override;

  bool AutoScalePanes = false;
  bool AutoStyle = true;
  bool ShowSizeGrip() const { return showSizeGrip_; }
  virtual void SetShowSizeGrip(bool value);
  const String& SimpleCaption() const { return simpleCaption_; }
  virtual void SetSimpleCaption(const String& value);
  TFrameStyle SimpleFrameStyle() const { return simpleFrameStyle_; }
  virtual void SetSimpleFrameStyle(TFrameStyle value);
  bool SimpleStatus() const { return simpleStatus_; }
  virtual void SetSimpleStatus(bool value);

  bool SizeGripAllowed() const { return sizeGripAllowed_; }
  TRect SizeGripRect() const { return Rect(Width() - 13, 0, Width(), Height()); }
  void ValidateSizeGrip();
  virtual void AdjustStyle();

  TRect ClientRect() const override;
  void SetBorderInner(TFrameStyleEx value) override;
  void SetBorderOuter(TFrameStyleEx value) override;
  void SetBorderSides(TSides value) override;
  void Loaded() override;

protected:
  virtual void DrawSimpleStatusBorder(const TRect& r);
  void PaintSizeGrip(const TRect& r);
  void WndProc(TMessage& message) override;
  void CreateWnd() override;
  void Paint() override;
  void WMPaint(TMessage& message) override;
  void WMSetCursor(TMessage& message) override;
  void Resize() override;

private:
  bool Themed() const;
  void ScalePanes();

  std::unique_ptr<TControlCanvas> gripCanvas_;  // owned, bound to the bar
  bool simpleStatus_ = false;
  String simpleCaption_;
  TFrameStyle simpleFrameStyle_ = fsFlat;
  bool sizeGripAllowed_ = false;
  bool showSizeGrip_ = true;
  bool firstResize_ = true;
  int widthChange_ = 0;
  int previousWidth_ = 0;
  bool adjusting_ = false;
  // Each pane's visibility when simple mode began (compared, never dereferenced
  // when the pane is gone).
  std::vector<std::pair<TControl*, bool>> paneVisibility_;
};
