// TRzCustomPanel and TRzPanel: the framed container. Its edge is drawn in the
// family's frame styles (outer and inner, on chosen sides), its face is a colour,
// a gradient or the parent's image, with an optional grid and a caption placed
// horizontally and vertically. Disabling it disables its children and enabling it
// gives each child back the state it had.
#pragma once

#include <utility>
#include <vector>

#include "framed/common/RzCommon_Types.h"
#include "framed/graphics/RzGrafx.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "platform/stdctrls/Panel.h"

enum TRzGridStyle : Byte { gsDots, gsDottedLines, gsSolidLines };

class TRzCustomPanel : public TCustomPanel, public IRzCustomFramingNotification {
public:
  explicit TRzCustomPanel(TComponent* owner);
  ~TRzCustomPanel() override;

  TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
  virtual void SetAlignmentVertical(TAlignmentVertical value);
  TFrameStyleEx BorderInner() const { return borderInner_; }
  virtual void SetBorderInner(TFrameStyleEx value);
  TFrameStyleEx BorderOuter() const { return borderOuter_; }
  virtual void SetBorderOuter(TFrameStyleEx value);
  TSides BorderSides() const { return borderSides_; }
  virtual void SetBorderSides(TSides value);
  TColor BorderColor() const { return borderColor_; }
  virtual void SetBorderColor(TColor value);
  TColor BorderHighlight() const { return borderHighlight_; }
  virtual void SetBorderHighlight(TColor value);
  TColor BorderShadow() const { return borderShadow_; }
  virtual void SetBorderShadow(TColor value);
  TColor FlatColor() const { return flatColor_; }
  virtual void SetFlatColor(TColor value);
  int FlatColorAdjustment() const { return flatColorAdjustment_; }
  virtual void SetFlatColorAdjustment(int value);
  bool UseGradients() const { return useGradients_; }
  virtual void SetUseGradients(bool value);
  TColor GradientColorStart() const { return gradientColorStart_; }
  virtual void SetGradientColorStart(TColor value);
  TColor GradientColorStop() const { return gradientColorStop_; }
  virtual void SetGradientColorStop(TColor value);
  TGradientDirection GradientDirection() const { return gradientDirection_; }
  virtual void SetGradientDirection(TGradientDirection value);
  TColor GridColor() const { return gridColor_; }
  virtual void SetGridColor(TColor value);
  TRzGridStyle GridStyle() const { return gridStyle_; }
  virtual void SetGridStyle(TRzGridStyle value);
  Word GridXSize() const { return gridXSize_; }
  virtual void SetGridXSize(Word value);
  Word GridYSize() const { return gridYSize_; }
  virtual void SetGridYSize(Word value);
  void SetGridSize(Word x, Word y) {
    SetGridXSize(x);
    SetGridYSize(y);
  }
  bool ShowGrid() const { return showGrid_; }
  virtual void SetShowGrid(bool value);
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);
  bool ThemeAware() const { return themeAware_; }
  virtual void SetThemeAware(bool value);
  TRzFrameController* FrameController() const { return frameController_; }
  virtual void SetFrameController(TRzFrameController* value);
  // Stored only: nothing docks into the panel by the mouse.
  bool ShowDockClientCaptions = true;

  void CustomFramingChanged() override;
  void SetBounds(int left, int top, int width, int height) override;
  // Moves each framed side of `rect` inward by the widths of the outer and inner
  // styles, after shrinking it by BorderWidth when asked.
  virtual void FixClientRect(TRect& rect, bool shrinkByBorder);
  virtual TRect GetControlRect() { return Rect(0, 0, Width(), Height()); }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnPaint;

protected:
  void DefineProperties(TFiler* filer) override;
  void Notification(TComponent* component, TOperation operation) override;
  void AdjustClientRect(TRect& rect) override;
  void AlignControls(TControl* control, TRect& rect) override;
  void Paint() override;
  void Dispatch(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override;
  void WMWindowPosChanged(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  virtual TPoint CursorPosition();
  virtual void DrawCaption(TRect rect);
  virtual void DrawGrid(const TRect& rect);
  virtual void MouseEnter() { OnMouseEnter(this); }
  virtual void MouseLeave() { OnMouseLeave(this); }
  // The frame changed the client area: children are laid out again, then repainted.
  void BorderChanged();
  void Changed() { Invalidate(); }

  TAlignmentVertical alignmentVertical_ = avCenter;
  TFrameStyleEx borderInner_ = fsNone;
  TFrameStyleEx borderOuter_ = fsRaised;
  TSides borderSides_ = sdAllSides;
  TColor borderColor_ = clBtnFace;
  TColor borderHighlight_ = clBtnHighlight;
  TColor borderShadow_ = clBtnShadow;
  TColor flatColor_ = clBtnShadow;
  int flatColorAdjustment_ = 30;
  bool useGradients_ = false;
  TColor gradientColorStart_ = clWhite;
  TColor gradientColorStop_ = clBtnFace;
  TGradientDirection gradientDirection_ = gdHorizontalEnd;
  TColor gridColor_ = clBtnShadow;
  TRzGridStyle gridStyle_ = gsDots;
  Word gridXSize_ = 8;
  Word gridYSize_ = 8;
  bool showGrid_ = false;
  bool transparent_ = false;
  bool themeAware_ = true;
  TRzFrameController* frameController_ = nullptr;  // borrowed, with a free notification

private:
  void SaveChildStates();
  void RestoreChildStates();
  // The children's enabled states when the panel was disabled (compared, never
  // dereferenced: a child may have gone since).
  std::vector<std::pair<const TControl*, bool>> savedChildStates_;
};

class TRzPanel : public TRzCustomPanel {
public:
  using TRzCustomPanel::TRzCustomPanel;
};
