// TRzCustomEdit: the base of the framed single-line edits. It paints a frame in
// the family's styles in its non-client area (a hot style while the mouse is over
// it or it has the focus), switches its face between a normal, a focus and a
// disabled colour, can keep a drop-down button column beside the text, turns
// Enter into Tab on request and lets its owner replace the mask's validation error.
#pragma once

#include <memory>

#include "framed/edits/RzEditFraming.h"
#include "platform/controls/Menus.h"
#include "platform/stdctrls/MaskEdit.h"

enum TButtonState : Byte { bsUp, bsDisabled, bsDown, bsExclusive };
using TRzValidateErrorEvent = TEvent<TObject*, String&>;

class TRzCustomEdit : public TRzEditFraming<TCustomMaskEdit> {
public:
  explicit TRzCustomEdit(TComponent* owner);
  ~TRzCustomEdit() override;

  TAlignment Alignment() const { return alignment_; }
  virtual void SetAlignment(TAlignment value);
  bool DropButtonVisible() const { return dropButtonVisible_; }
  virtual void SetDropButtonVisible(bool value);
  bool FlatButtons() const { return flatButtons_; }
  virtual void SetFlatButtons(bool value);
  TButtonState ButtonState() const { return buttonState_; }
  virtual void SetButtonState(TButtonState value);
  TColor FlatButtonColor = clBtnFace;
  bool TabOnEnter = false;
  bool FocusFlag() const { return focusFlag_; }
  bool DroppedDown() const { return droppedDown_; }

  // The drop-down / close-up cycle (with the button only).
  void DoDropDown();

  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TRzValidateErrorEvent OnValidateError;

protected:
  // The edit keeps its own focus flag, set and cleared by its focus changes.
  bool FaceFocused() const override { return focusFlag_; }
  void UpdateFrame(bool viaMouse, bool inFocus) override;
  void PaintNonClient(TMessage& message) override;
  void RepaintButton();
  virtual TRect GetEditRect() { return ClientRect(); }
  virtual String GetRightJustifiedText() { return Text(); }
  virtual void DrawButton(const TRect& rect);
  virtual void DropDown() { OnDropDown(this); }
  virtual void CloseUp() { OnCloseUp(this); }
  void MouseCancel();
  // Marks the last hit test as on the button (an edit that is all button sets it always).
  void SetButtonHit(bool hit) { buttonHit_ = hit; }

  void CreateParams(TCreateParams& params) override;
  void ValidateError() override;
  void KeyPress(char& key) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void Dispatch(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;
  void WMSetCursor(TMessage& message) override;

private:
  void WMNCCalcSize(TMessage& message);
  void WMNCHitTest(TMessage& message);
  bool ButtonMouseDown(TMessage& message);

  TAlignment alignment_ = taLeftJustify;
  bool dropButtonVisible_ = false;
  bool buttonHit_ = false;
  bool flatButtons_ = false;
  bool droppedDown_ = false;
  TButtonState buttonState_ = bsUp;
  bool focusFlag_ = false;
};
