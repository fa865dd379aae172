// TRzToolbar: a framed panel that lays out its controls itself, in rows or
// columns that wrap, sizes itself to them when docked to an edge, drives the
// size, layout and captions of its tool buttons, saves and restores the order
// and visibility of its controls, and opens its customisation window.
#pragma once

#include <memory>

#include "framed/bars/RzCustomizeCaptions.h"
#include "framed/bars/RzToolbarControls.h"
#include "framed/controls/RzPanel.h"
#include "platform/graphics/ImageList.h"
#include "platform/stdctrls/SpeedButton.h"

class TRzRegIniFile;

// A control on a tool bar asks the bar to lay out again whenever it changes size,
// as the bar places every child itself.
void RequestToolbarLayout(TControl* control);

enum TRzToolbarTextOptions : Byte { ttoNoTextLabels, ttoShowTextLabels, ttoSelectiveTextOnRight, ttoCustom };

class TRzToolbar : public TRzCustomPanel {
public:
  explicit TRzToolbar(TComponent* owner);
  ~TRzToolbar() override;

  TAlign GetAlign() const { return Align(); }
  virtual void SetAlignProp(TAlign value);
  bool AutoResize() const { return autoResize_; }
  virtual void SetAutoResize(bool value);
  bool AutoStyle = true;
  TBitmap* Background() const { return background_.get(); }  // owned
  void SetBackground(const TBitmap* value) { background_->Assign(value); }
  TCustomImageList* Images() const { return images_; }
  virtual void SetImages(TCustomImageList* value);
  int Margin() const { return margin_; }
  virtual void SetMargin(int value);
  int TopMargin() const { return topMargin_; }
  virtual void SetTopMargin(int value);
  TOrientation Orientation() const { return orientation_; }
  virtual void SetOrientation(TOrientation value);
  int RowHeight() const { return rowHeight_; }
  virtual void SetRowHeight(int value);
  bool ShowButtonCaptions() const { return showButtonCaptions_; }
  virtual void SetShowButtonCaptions(bool value);
  TButtonLayout ButtonLayout() const { return buttonLayout_; }
  virtual void SetButtonLayout(TButtonLayout value);
  int ButtonWidth() const { return buttonWidth_; }
  virtual void SetButtonWidth(int value);
  int ButtonHeight() const { return buttonHeight_; }
  virtual void SetButtonHeight(int value);
  bool ShowDivider() const { return showDivider_; }
  virtual void SetShowDivider(bool value);
  TRzToolbarTextOptions TextOptions() const { return textOptions_; }
  virtual void SetTextOptions(TRzToolbarTextOptions value);
  bool WrapControls() const { return wrapControls_; }
  virtual void SetWrapControls(bool value);
  TRzCustomizeCaptions* CustomizeCaptions() const { return customizeCaptions_.get(); }  // owned
  void SetCustomizeCaptions(const TRzCustomizeCaptions* value) { customizeCaptions_->Assign(value); }
  TRzRegIniFile* RegIniFile() const { return regIniFile_; }
  virtual void SetRegIniFile(TRzRegIniFile* value);
  TNotifyEvent OnVisibleChanged;

  TRzToolbarControlList* ToolbarControls() const { return toolbarControls_.get(); }  // owned

  void SetBorderInner(TFrameStyleEx value) override;
  void SetBorderOuter(TFrameStyleEx value) override;
  void SetBorderSides(TSides value) override;
  void SetParent(TWinControl* parent) override;
  void Loaded() override;

  virtual void PositionControls();
  virtual void UpdateButtonSize(int newWidth, int newHeight, bool showCaption);
  virtual int CalculateRowHeight(int row) { return rowHeight_; }
  virtual void AdjustStyle(TAlign value);
  // Order, visibility and text options in the settings store, in the section of
  // the bar's name. Without a store both raise the library's message.
  void SaveLayout();
  void RestoreLayout();
  // Shows the customisation window modally and applies every change at once.
  void Customize(bool showTextOptions = true);

protected:
  virtual void PositionControl(int index, int row, int& offset);
  virtual void CheckAutoResize(bool& value);
  virtual void VisibleChanged() { OnVisibleChanged(this); }
  void DefineProperties(TFiler* filer) override;
  void Notification(TComponent* component, TOperation operation) override;
  void AlignControls(TControl* control, TRect& rect) override;
  void Paint() override;
  void DrawCaption(TRect) override {}
  void CMVisibleChanged(TMessage& message) override;

private:
  void BackgroundChanged(TObject*) { Invalidate(); }
  void NotifyChildren(UINT message);
  void TileBackground();
  void AskParentToRealign();
  void SyncWithChildren();

  bool autoResize_ = false;
  std::unique_ptr<TBitmap> background_;
  TCustomImageList* images_ = nullptr;  // borrowed, with a free notification
  TOrientation orientation_ = orHorizontal;
  int rowHeight_ = 25;
  bool showDivider_ = true;
  bool showButtonCaptions_ = false;
  TButtonLayout buttonLayout_ = blGlyphLeft;
  int buttonWidth_ = 25;
  int buttonHeight_ = 25;
  TRzToolbarTextOptions textOptions_ = ttoNoTextLabels;
  bool updatingTextOptions_ = false;
  bool wrapControls_ = true;
  std::unique_ptr<TRzCustomizeCaptions> customizeCaptions_;
  TRzRegIniFile* regIniFile_ = nullptr;  // borrowed, with a free notification
  std::unique_ptr<TRzToolbarControlList> toolbarControls_;
  int margin_ = 4;
  int topMargin_ = 2;
  int rowPitch_ = 25;
  bool positioning_ = false;  // a child moved by the layout asks for no second one
};
