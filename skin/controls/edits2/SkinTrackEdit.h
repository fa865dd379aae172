// TspSkinTrackEdit: a skinned edit with a button holding an integer Value
// between MinValue and MaxValue (equal bounds: any value); it takes integer
// keystrokes only, steps with the arrow keys and the wheel, and drops a
// skinned track bar down under its button, kept inside the monitor's work area.
#pragma once

#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinTrackBar.h"

enum TspTrackBarPopupKind { tbpRight, tbpLeft };

class TspSkinTrackEdit;

// The drop-down: a track bar shown as a pop-up tool window that a click never activates.
class TspSkinPopupTrackBar : public TspSkinTrackBar {
public:
  TspSkinPopupTrackBar(TComponent* owner, TspSkinTrackEdit* edit);
  TspSkinTrackEdit* Edit;  // borrowed: the edit that owns it

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
};

class TspSkinTrackEdit : public TspSkinEdit {
public:
  explicit TspSkinTrackEdit(TComponent* owner);

  Integer MinValue = 0, MaxValue = 100;
  Integer Value() const { return value_; }
  void SetValue(Integer value);
  Integer Increment = 1;
  bool SupportUpDownKeys = true;
  TspTrackBarPopupKind PopupKind = tbpRight;
  Integer TrackBarWidth = 0;
  String TrackBarSkinDataName = "htrackbar";
  bool JumpWhenClick = false;
  bool TrackBarAlphaBlend = false;
  Byte TrackBarAlphaBlendValue = 0;
  bool TrackBarAlphaBlendAnimation = false;

  Integer CheckValue(Integer value) const;
  static bool IsNumText(const String& text);
  bool IsValidChar(char key) const;
  void DropDown();
  void CloseUp();
  bool IsPopupVisible() const { return trackBar_->Visible(); }
  TspSkinPopupTrackBar* TrackBar() const { return trackBar_; }  // owned (child)

protected:
  void Change() override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void Dispatch(TMessage& message) override;

private:
  void ButtonClick(TObject*);
  void TrackBarChange(TObject*);
  void Step(Integer delta);
  void WriteValueText();

  TspSkinPopupTrackBar* trackBar_;
  Integer value_ = 0;
  bool updating_ = false, rewriting_ = false;
};
