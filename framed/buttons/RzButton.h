// TRzButton: the framed push button. It clicks like the platform's button
// (Default answers Enter, Cancel answers Escape, ModalResult goes to the form),
// can join sticky groups (GroupIndex, Down, AllowAllUp) and draws itself themed,
// hot-tracked flat, or classic, with a hatch over a button held down in a group.
#pragma once

#include "framed/controls/RzCustomButton.h"
#include "platform/controls/ModalResult.h"

class TBitmap;

class TRzButton : public TRzCustomButton {
public:
  explicit TRzButton(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  virtual void SetAlignment(TAlignment value);
  bool AllowAllUp() const { return allowAllUp_; }
  virtual void SetAllowAllUp(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  bool Default() const { return default_; }
  virtual void SetDefault(bool value);
  bool Down() const { return down_; }
  virtual void SetDown(bool value);
  int GroupIndex() const { return groupIndex_; }
  virtual void SetGroupIndex(int value);
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  bool ShowDownPattern() const { return showDownPattern_; }
  virtual void SetShowDownPattern(bool value);
  bool ShowFocusRect() const { return showFocusRect_; }
  virtual void SetShowFocusRect(bool value);
  bool DropDownOnEnter = true;

  void SetHotTrack(bool value) override;
  void Click() override;

  // What the button is doing now.
  bool Active() const { return active_; }
  bool Clicking() const { return clicking_; }
  bool KeyboardClick() const { return keyboardClick_; }
  bool Exclusive() const { return buttonState_ == bsExclusiveState; }

  // The 8 x 8 hatch of a button held down: Color with every other pixel silver,
  // or gray when Color is silver.
  void CreateBrushPattern(TBitmap* bitmap);

protected:
  enum TState_ : Byte { bsUpState, bsExclusiveState };

  virtual TRect GetCaptionRect();
  virtual void DrawButtonFace();
  void DefineProperties(TFiler* filer) override;
  void CreateWnd() override;
  void Paint() override;
  void UpdateDisplay() override { Invalidate(); }
  void ChangeState() override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyUp(Word& key, TShiftState shift) override;
  void WMKillFocus(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void CMDialogKey(TMessage& message) override;
  void CMDialogChar(TMessage& message) override;
  void CMFocusChanged(TMessage& message) override;
  bool Themed() const;
  bool Pressed() const { return down_ || showDownVersion_; }

private:
  void UpdateExclusive();
  void ButtonPressed(TMessage& message);
  void PaintHotTrack(TRect& r);
  void PaintClassic(TRect& r);

  TAlignment alignment_ = taCenter;
  bool clicking_ = false;
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
  bool spacePressed_ = false;
  bool allowAllUp_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  bool showDownPattern_ = true;
  bool showFocusRect_ = true;
  TState_ buttonState_ = bsUpState;
  bool keyboardClick_ = false;
};
