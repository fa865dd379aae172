// TspSkinCheckRadioBox: a check box (three states) or, with Radio, a radio
// button, drawn from the skin record "checkbox" or "radiobox" or in a built-in
// look. Boxes that share a non-zero GroupIndex under one parent uncheck each
// other. Setting Checked from code runs OnClick as a click would.
#pragma once

#include "platform/stdctrls/CheckBoxState.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/SkinCtrls.h"

class TspSkinCheckRadioBox : public TspSkinCustomControl {
public:
  explicit TspSkinCheckRadioBox(TComponent* owner);
  ~TspSkinCheckRadioBox() override;

  bool Checked() const { return checked_; }
  // Runs on every call: the state, a repaint, the group, then OnClick (a check
  // box always, a radio button only when checked).
  void SetChecked(bool value);
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState value);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value);
  bool Radio() const { return radio_; }
  void SetRadio(bool value);
  Integer GroupIndex = 0;
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer value);
  bool UseSkinFontColor = true;
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value);
  TNotifyEvent OnClick;  // the box's own event

  // The user's toggle: a check box flips, an unchecked radio button checks.
  void SetCheckState();
  void UnCheckAll();
  bool IsFocused();
  bool EnableMorphing() const;
  double MorphKf() const { return fade_.Kf; }
  bool MouseIn = false;

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void ChangeSkinData() override;
  void CheckParentBackground() override;
  void CalcSize(Integer& width, Integer& height) override;
  TRect NewCheckImageRect, NewTextArea;

  struct Look {
    String fontname = "Arial";
    Integer fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0, activefontcolor = 0, unenabledfontcolor = 0, framefontcolor = 0;
    bool morphing = false;
    TMorphKind morphkind = mkDefault;
    TRect activeskinrect, checkimagearea, textarea, checkimagerect, uncheckimagerect, activecheckimagerect,
        activeuncheckimagerect, unenabledcheckimagerect, unenableduncheckimagerect, grayedcheckimagerect,
        activegrayedcheckimagerect;
  } look;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;
  void Paint() override;
  void ActionChange(TObject* sender, bool checkDefaults) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void CMDialogChar(TMessage& message) override;
  void CMTextChanged(TMessage& message) override;
  void WMSetFocus(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override;
  void WMMove(TMessage& message) override;

private:
  void ReDrawControl();
  void CreateImage(TBitmap* b, const TRect& r, bool active);
  void DrawGlyph(TCanvas* canvas, Integer x, Integer y);
  TRect GlyphRect() const;
  void DrawDefaultBox(TCanvas* canvas, Integer h);
  void PaintFlat();
  void DrawFlatText(TCanvas* canvas, Integer left);

  bool checked_ = false;
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  bool radio_ = false;
  bool flat_ = true;
  bool wordWrap_ = false;
  TCustomImageList* images_ = nullptr;  // borrowed, freed-notified
  Integer imageIndex_ = 0;
  bool canFocused_ = true;
  bool clicksDisabled_ = false;
  TspMorphFade fade_;
};
