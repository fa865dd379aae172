// TRzToolButton: the family's tool-bar button, a windowless control that draws an
// image-list image and an optional caption, flat, raised, themed or with a
// gradient, as a plain, sticky group or drop-down button. On a TRzToolbar it
// borrows the bar's images and, unless told otherwise, its button size, layout
// and caption display.
#pragma once

#include "framed/buttons/RzMenuDrop.h"
#include "framed/common/RzCommon_Types.h"
#include "platform/controls/GraphicControl.h"
#include "platform/graphics/ImageList.h"
#include "platform/stdctrls/SpeedButton.h"

class TPopupMenu;
class TRzToolbar;

enum TRzToolStyle : Byte { tsButton, tsDropDown };

class TRzToolButton : public TGraphicControl {
public:
  static constexpr int kArrowWidth = 14;
  // The state while the arrow part's menu is being opened.
  static constexpr int kDropped = 4;

  explicit TRzToolButton(TComponent* owner);

  bool AllowAllUp() const { return allowAllUp_; }
  virtual void SetAllowAllUp(bool value);
  bool Down() const { return down_; }
  virtual void SetDown(bool value);
  bool Flat() const { return flat_; }
  virtual void SetFlat(bool value);
  int GroupIndex() const { return groupIndex_; }
  virtual void SetGroupIndex(int value);
  int ImageIndex() const { return imageIndex_; }
  virtual void SetImageIndex(int value);
  int DownIndex() const { return downIndex_; }
  virtual void SetDownIndex(int value);
  int DisabledIndex() const { return disabledIndex_; }
  virtual void SetDisabledIndex(int value);
  int HotIndex() const { return hotIndex_; }
  virtual void SetHotIndex(int value);
  TCustomImageList* Images() const { return images_; }
  virtual void SetImages(TCustomImageList* value);
  TButtonLayout Layout() const { return layout_; }
  virtual void SetLayout(TButtonLayout value);
  TPopupMenu* DropDownMenu() const { return drop_.Menu(); }
  virtual void SetDropDownMenu(TPopupMenu* value) { drop_.SetMenu(value); }
  TRzToolStyle ToolStyle() const { return toolStyle_; }
  virtual void SetToolStyle(TRzToolStyle value);
  bool ShowCaption() const { return showCaption_; }
  virtual void SetShowCaption(bool value);
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);
  bool UseGradients() const { return useGradients_; }
  virtual void SetUseGradients(bool value);
  bool ThemeAware() const { return themeAware_; }
  virtual void SetThemeAware(bool value);
  bool GradientColorDefault() const { return gradientColorDefault_; }
  virtual void SetGradientColorDefault(bool value);
  TColor GradientColorStart() const { return gradientColorStart_; }
  virtual void SetGradientColorStart(TColor value);
  TColor GradientColorStop() const { return gradientColorStop_; }
  virtual void SetGradientColorStop(TColor value);
  TColor FrameColor() const { return frameColor_; }
  virtual void SetFrameColor(TColor value);
  bool UseToolbarButtonLayout() const { return useToolbarButtonLayout_; }
  virtual void SetUseToolbarButtonLayout(bool value);
  bool UseToolbarButtonSize() const { return useToolbarButtonSize_; }
  virtual void SetUseToolbarButtonSize(bool value);
  bool UseToolbarShowCaption() const { return useToolbarShowCaption_; }
  virtual void SetUseToolbarShowCaption(bool value);
  // Width and Height as properties: an explicit size stops following the bar.
  int GetWidth() const { return Width(); }
  virtual void SetWidthProp(int value);
  int GetHeight() const { return Height(); }
  virtual void SetHeightProp(int value);
  // Width and Height are written unless they are the bar's button size.
  bool IsSizeStored() const;

  TNotifyEvent OnDropDown;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // The image list drawn: its own, else the tool bar's.
  TCustomImageList* ImageList() const;
  int ButtonState() const { return state_; }
  bool MouseOverButton() const { return mouseOverButton_; }
  // Only the arrow part opens the menu once a click has something to do.
  bool Split() const { return static_cast<bool>(OnClick) || Action(); }

  void Click() override;
  void Loaded() override;
  void SetParent(TWinControl* parent) override;
  void ActionChange(TObject* sender, bool checkDefaults) override;
  virtual void DoDropDown();
  virtual TRect GetImageRect();
  virtual TRect GetCaptionRect();

protected:
  void RequestAlign() override;
  virtual void PickupToolbarStyles();
  virtual void DrawBtnBorder(TRect& r);
  virtual void DrawImage(const TRect& r);
  virtual void DrawArrow();
  virtual void DrawCaption(TRect r);
  virtual TSize GetImageSize() const;
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void DropDown() { OnDropDown(reinterpret_cast<TObject*>(drop_.Menu())); }
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  bool Themed() const;
  bool Hot() const;
  TRzToolbar* ParentToolbar() const;

private:
  void UpdateExclusive();
  void UpdateTracking();
  void ButtonPressed(TMessage& message);
  void ToolbarShowCaptionChanged();
  void ToolbarButtonLayoutChanged();
  void ToolbarButtonSizeChanged();
  void ApplyMinimumSize();
  void PressAsButton(bool exceptExclusive);
  bool InArrowPart(int x) const;
  TRect InsetRect() const;
  bool ShiftedWhenPressed() const;

  bool allowAllUp_ = false;
  bool down_ = false;
  bool dragging_ = false;
  bool flat_ = true;
  int groupIndex_ = 0;
  int imageIndex_ = -1, downIndex_ = -1, disabledIndex_ = -1, hotIndex_ = -1;
  TCustomImageList* images_ = nullptr;  // borrowed, with a free notification
  TButtonLayout layout_ = blGlyphLeft;
  bool mouseOverButton_ = false;
  TRzMenuDrop drop_{this};
  bool treatAsNormal_ = true;
  TRzToolStyle toolStyle_ = tsButton;
  bool showCaption_ = false;
  bool transparent_ = true;
  bool useGradients_ = false;
  bool themeAware_ = true;
  bool gradientColorDefault_ = true;
  TColor gradientColorStart_ = clBtnFace;
  TColor gradientColorStop_ = clBtnShadow;
  TColor frameColor_ = cl3DDkShadow;
  bool useToolbarButtonLayout_ = true;
  bool useToolbarButtonSize_ = true;
  bool useToolbarShowCaption_ = true;
  int state_ = bsUp;
};
