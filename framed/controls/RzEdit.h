// TRzCustomEdit: the base of the framed single-line edits. It paints a frame in
// the family's styles in its non-client area (a hot style while the mouse is over
// it or it has the focus), switches its face between a normal, a focus and a
// disabled colour, can keep a drop-down button column beside the text, turns
// Enter into Tab on request and lets its owner replace the mask's validation error.
#pragma once

#include <memory>

#include "framed/common/RzCommon_Types.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Menus.h"
#include "platform/stdctrls/MaskEdit.h"

enum TButtonState : Byte { bsUp, bsDisabled, bsDown, bsExclusive };
using TRzValidateErrorEvent = TEvent<TObject*, String&>;

class TRzCustomEdit : public TCustomMaskEdit {
public:
  explicit TRzCustomEdit(TComponent* owner);
  ~TRzCustomEdit() override;

  TAlignment Alignment() const { return alignment_; }
  virtual void SetAlignment(TAlignment value);
  TColor DisabledColor() const { return disabledColor_; }
  virtual void SetDisabledColor(TColor value);
  TColor FocusColor() const { return focusColor_; }
  virtual void SetFocusColor(TColor value);
  TColor NormalColor() const { return normalColor_; }
  TColor FrameColor() const { return frameColor_; }
  virtual void SetFrameColor(TColor value);
  TColor FrameHotColor() const { return frameHotColor_; }
  virtual void SetFrameHotColor(TColor value);
  bool FrameHotTrack() const { return frameHotTrack_; }
  virtual void SetFrameHotTrack(bool value);
  TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
  virtual void SetFrameHotStyle(TFrameStyle value);
  TSides FrameSides() const { return frameSides_; }
  virtual void SetFrameSides(TSides value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  virtual void SetFrameStyle(TFrameStyle value);
  bool FrameVisible() const { return frameVisible_; }
  virtual void SetFrameVisible(bool value);
  TFramingPreference FramingPreference() const { return framingPreference_; }
  virtual void SetFramingPreference(TFramingPreference value);
  TRzFrameController* FrameController() const { return frameController_; }
  virtual void SetFrameController(TRzFrameController* value);
  bool DropButtonVisible() const { return dropButtonVisible_; }
  virtual void SetDropButtonVisible(bool value);
  bool FlatButtons() const { return flatButtons_; }
  virtual void SetFlatButtons(bool value);
  TButtonState ButtonState() const { return buttonState_; }
  virtual void SetButtonState(TButtonState value);
  TColor FlatButtonColor = clBtnFace;
  bool TabOnEnter = false;
  // The frame draws in its hot style: hot tracking while focused or under the mouse.
  bool FrameHot() const { return frameHotTrack_ && (focusFlag_ || mouseOver_); }
  bool FocusFlag() const { return focusFlag_; }
  bool MouseOver() const { return mouseOver_; }
  bool DroppedDown() const { return droppedDown_; }

  virtual bool UseThemes() const;
  void Loaded() override;
  // The drop-down / close-up cycle (with the button only).
  void DoDropDown();

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TRzValidateErrorEvent OnValidateError;

protected:
  virtual void UpdateColors();
  virtual void UpdateFrame(bool viaMouse, bool inFocus);
  virtual void RepaintFrame();
  void RepaintButton();
  virtual TRect GetEditRect() { return ClientRect(); }
  virtual String GetRightJustifiedText() { return Text(); }
  virtual void DrawButton(const TRect& rect);
  virtual void MouseEnter() { OnMouseEnter(this); }
  virtual void MouseLeave() { OnMouseLeave(this); }
  virtual void DropDown() { OnDropDown(this); }
  virtual void CloseUp() { OnCloseUp(this); }
  void MouseCancel();

  void DefineProperties(TFiler* filer) override;
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void ValidateError() override;
  void KeyPress(char& key) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void Dispatch(TMessage& message) override;
  void CMEnter(TMessage& message) override;
  void CMExit(TMessage& message) override;
  void CMColorChanged(TMessage& message) override;
  void CMParentColorChanged(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;
  void WMSetCursor(TMessage& message) override;

  std::unique_ptr<TControlCanvas> frameCanvas_;  // owned, bound to the edit

private:
  void WMNCPaint(TMessage& message);
  void WMNCCalcSize(TMessage& message);
  void WMNCHitTest(TMessage& message);
  bool ButtonMouseDown(TMessage& message);
  void TakeUserColor();

  TAlignment alignment_ = taLeftJustify;
  bool updatingColors_ = false;
  TColor disabledColor_ = clBtnFace;
  TColor focusColor_ = clWindow;
  TColor normalColor_ = clWindow;
  TColor frameColor_ = clBtnShadow;
  TColor frameHotColor_ = clBtnShadow;
  TRzFrameController* frameController_ = nullptr;  // borrowed, with a free notification
  bool frameHotTrack_ = false;
  TFrameStyle frameHotStyle_ = fsFlatBold;
  TSides frameSides_ = sdAllSides;
  TFrameStyle frameStyle_ = fsFlat;
  TFramingPreference framingPreference_ = fpXPThemes;
  bool dropButtonVisible_ = false;
  bool buttonHit_ = false;
  bool flatButtons_ = false;
  bool droppedDown_ = false;
  TButtonState buttonState_ = bsUp;
  bool focusFlag_ = false;
  bool mouseOver_ = false;
  bool frameVisible_ = false;
};
