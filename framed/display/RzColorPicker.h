// TRzColorPicker: a framed colour grid of the kind a drop-down colour button
// shows: forty standard colours in five rows of eight, optionally the thirty
// system colours below a separator, and rows for no colour, a default colour and
// a custom colour with a button that opens the colour dialog. A cell lights up
// under the mouse, shows its colour's name as a hint and selects on a click.
#pragma once

#include <memory>

#include "framed/components/RzCustomColors.h"
#include "framed/display/RzBorder.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/HintWindow.h"

// Special cell indices of the picker.
constexpr int kPickNoColor = -1;       // the "None" row, and any point that hits nothing
constexpr int kPickCustomSwatch = -2;  // the custom colour's swatch
constexpr int kPickCustomButton = -3;  // the "More Colors..." button
constexpr int kPickDefault = -4;       // the default colour's row
constexpr int kPickNothing = -5;       // the separator or an empty cell: never selected
constexpr int kPickNoHotCell = -6;

class TRzColorPicker : public TRzBorder {
public:
  explicit TRzColorPicker(TComponent* owner);
  ~TRzColorPicker() override;

  TColor CustomColor() const { return customColor_; }
  virtual void SetCustomColor(TColor value);
  TColor DefaultColor() const { return defaultColor_; }
  virtual void SetDefaultColor(TColor value);
  TRzCustomColors* CustomColors() const { return customColors_; }
  virtual void SetCustomColors(TRzCustomColors* value);
  TColorDialogOptions ColorDlgOptions = ColorDialogOption(cdFullOpen);
  const String& CustomColorCaption() const { return customColorCaption_; }
  virtual void SetCustomColorCaption(const String& value) { SetCaptionText(customColorCaption_, value); }
  const String& NoColorCaption() const { return noColorCaption_; }
  virtual void SetNoColorCaption(const String& value) { SetCaptionText(noColorCaption_, value); }
  const String& DefaultColorCaption() const { return defaultColorCaption_; }
  virtual void SetDefaultColorCaption(const String& value) { SetCaptionText(defaultColorCaption_, value); }
  bool ShowCustomColor() const { return showCustomColor_; }
  virtual void SetShowCustomColor(bool value) { SetShow(showCustomColor_, value); }
  bool ShowNoColor() const { return showNoColor_; }
  virtual void SetShowNoColor(bool value) { SetShow(showNoColor_, value); }
  bool ShowDefaultColor() const { return showDefaultColor_; }
  virtual void SetShowDefaultColor(bool value) { SetShow(showDefaultColor_, value); }
  bool ShowSystemColors() const { return showSystemColors_; }
  virtual void SetShowSystemColors(bool value) { SetShow(showSystemColors_, value); }
  bool ShowColorHints = true;
  int SelColorIndex() const { return selColorIndex_; }
  // A change (and choosing the custom swatch again) repaints and fires OnChange;
  // the custom swatch fires OnClick too.
  virtual void SetSelColorIndex(int value);
  int HighlightColorIndex() const { return highlightColorIndex_; }
  virtual void SetHighlightColorIndex(int value);
  virtual TColor GetSelectedColor() const;
  virtual void SetSelectedColor(TColor value);
  TColor ThemeBorderColor() const { return themeBorderColor_; }
  // Shows the colour dialog; on OK the dialog's colour becomes the custom colour
  // and is selected, and its user colours go back to CustomColors.
  virtual void PickCustomColor();

  // The cell under a point of the control (a table index or a special index).
  int HitTest(int x, int y) const;
  // The rectangle of a table cell in the control's coordinates; empty for others.
  TRect GetCellRect(int index) const;
  // The height of the "None", default and custom rows.
  int Margin() const;
  void UpdateBounds();
  THintWindow* HintWindow() const { return hintWindow_.get(); }

  void Loaded() override;
  void SetBounds(int left, int top, int width, int height) override;

  TNotifyEvent OnChange;

protected:
  virtual void ColorChanged() { OnChange(this); }
  bool CanAutoSize(int& width, int& height) override;
  TColor InteriorColor() const override { return Color(); }
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void CMFontChanged(TMessage& message) override;

private:
  struct TLayout;
  TLayout Layout() const;
  void ApplyThemedLook();
  void SetCaptionText(String& field, const String& value);
  void SetShow(bool& field, bool value);
  void DoHint(int x, int y);
  void ReleaseHintWindow();
  void PaintCells(TCanvas* canvas, const TLayout& layout);
  void PaintRows(TCanvas* canvas, const TLayout& layout);
  void Decorate(TCanvas* canvas, const TRect& cell, bool selected, bool hot, bool soft);
  void PaintSwatch(TCanvas* canvas, const TRect& cell, TColor color);
  void PaintButton(TCanvas* canvas, const TRect& area, const String& caption);

  TColor customColor_ = clWhite;
  TColor defaultColor_ = clHighlight;
  TRzCustomColors* customColors_ = nullptr;  // borrowed, with a free notification
  String customColorCaption_, noColorCaption_, defaultColorCaption_;
  bool showCustomColor_ = false;
  bool showNoColor_ = false;
  bool showDefaultColor_ = false;
  bool showSystemColors_ = false;
  int selColorIndex_ = kPickNoColor;
  int highlightColorIndex_ = kPickNoHotCell;
  TColor themeBorderColor_ = clBtnShadow;
  std::unique_ptr<THintWindow> hintWindow_;  // made on first use
};
