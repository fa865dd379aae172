// THotKeyControl and THotKey: the key-combination entry over the common controls'
// "msctls_hotkey32". The user presses a combination and the control shows it
// ("Ctrl + Alt + K"); HotKey reads it back as a shortcut. Combinations listed in
// InvalidKeys get the Modifiers added by the window itself.
#pragma once

#include "platform/controls/ShortCuts.h"
#include "platform/controls/WinControl.h"

// Combinations of modifier keys the control refuses (bit (1 << value) of THKInvalidKeys).
enum THKInvalidKey : unsigned { hcNone, hcShift, hcCtrl, hcAlt, hcShiftCtrl, hcShiftAlt, hcCtrlAlt, hcShiftCtrlAlt };
using THKInvalidKeys = unsigned;
// Modifiers added to a refused combination (bit (1 << value) of THKModifiers).
enum THKModifier : unsigned { hkShift, hkCtrl, hkAlt, hkExt };
using THKModifiers = unsigned;

class THotKeyControl : public TWinControl {
public:
  explicit THotKeyControl(TComponent* owner);
  ~THotKeyControl() override;

  // The combination shown, read from the window while it exists.
  TShortCut HotKey();
  void SetHotKey(TShortCut value);
  THKInvalidKeys InvalidKeys() const { return invalidKeys_; }
  void SetInvalidKeys(THKInvalidKeys value);
  THKModifiers Modifiers() const { return modifiers_; }
  void SetModifiers(THKModifiers value);

  // The user changed the combination.
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  virtual void Change() { OnChange(this); }

private:
  void ApplyRules();
  void CtlColor(TMessage& message);

  TShortCut hotKey_ = scAlt | 'A';
  THKInvalidKeys invalidKeys_ = (1u << hcNone) | (1u << hcShift);
  THKModifiers modifiers_ = 1u << hkAlt;
  HBRUSH brush_ = nullptr;  // owned: the background the window paints with
  TColor brushColor_ = clNone;
};

class THotKey : public THotKeyControl {
public:
  using THotKeyControl::THotKeyControl;
};
