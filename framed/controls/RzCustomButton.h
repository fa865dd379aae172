// TRzCustomButton: the owner-drawn, windowed base of the family's clickable
// controls. It turns a left press and a release inside the control into
// ChangeState, tracks the mouse for the hot look, paints 3D captions with a
// vertical alignment and can show the parent through itself. Descendants paint
// and decide what a completed click does.
#pragma once

#include "framed/common/RzCommon_Types.h"
#include "platform/controls/CustomControl.h"

class TPopupMenu;
class TControlCanvas;

class TRzCustomButton : public TCustomControl {
public:
  explicit TRzCustomButton(TComponent* owner);

  TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
  virtual void SetAlignmentVertical(TAlignmentVertical value);
  bool HotTrack() const { return hotTrack_; }
  virtual void SetHotTrack(bool value);
  TColor HighlightColor() const { return highlightColor_; }
  virtual void SetHighlightColor(TColor value);
  bool LightTextStyle() const { return lightTextStyle_; }
  virtual void SetLightTextStyle(bool value);
  TTextStyle TextStyle() const { return textStyle_; }
  virtual void SetTextStyle(TTextStyle value);
  TColor TextHighlightColor() const { return textHighlightColor_; }
  virtual void SetTextHighlightColor(TColor value);
  TColor TextShadowColor() const { return textShadowColor_; }
  virtual void SetTextShadowColor(TColor value);
  int TextShadowDepth() const { return textShadowDepth_; }
  virtual void SetTextShadowDepth(int value);
  bool ThemeAware() const { return themeAware_; }
  virtual void SetThemeAware(bool value);
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);

  // Read at the next paint.
  TColor HotTrackColor = clHighlight;
  TRzHotTrackColorType HotTrackColorType = htctComplement;

  bool MouseOverButton() const { return mouseOverButton_; }
  bool ShowDownVersion() const { return showDownVersion_; }
  bool Dragging() const { return dragging_; }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

protected:
  // What a completed click does.
  virtual void ChangeState() = 0;
  // The pressed look changed; descendants that paint a part repaint it here.
  virtual void UpdateDisplay() {}
  // The focus changed.
  virtual void RepaintDisplay() { Repaint(); }
  // The area hot tracking repaints.
  virtual TRect GetHotTrackRect() { return ClientRect(); }
  virtual void Draw3DText(TCanvas* canvas, TRect rect, UINT format);
  virtual void MouseEnter();
  virtual void MouseLeave();

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Dispatch(TMessage& message) override;
  void WMSetFocus(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void Changed() { Invalidate(); }
  bool HotTrackingShown() const;

  bool dragging_ = false;
  bool mouseOverButton_ = false;
  bool showDownVersion_ = false;

private:
  TAlignmentVertical alignmentVertical_ = avCenter;
  TColor highlightColor_ = clHighlight;
  bool lightTextStyle_ = false;
  TTextStyle textStyle_ = tsNormal;
  TColor textHighlightColor_ = clBtnHighlight;
  TColor textShadowColor_ = clBtnShadow;
  int textShadowDepth_ = 2;
  bool hotTrack_ = false;
  bool transparent_ = false;
  bool themeAware_ = true;
};

// The width a drop-down menu will take: its widest top-level caption in the
// screen's menu font, plus 56.
int EstimateMenuWidth(TControl* control, TPopupMenu* menu);
// The first monitor whose bounds hold the point, nullptr when none does.
HMONITOR FindMonitorAtPoint(const TPoint& point);
