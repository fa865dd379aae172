// Two effect labels drawn over their parent's picture: TspSkinWaveLabel bends
// its caption by a sine wave, TspSkinShadowLabel gives it a soft shadow. Both
// take their colour from the "stdlabel" record with UseSkinColor.
#pragma once

#include "platform/stdctrls/Label.h"
#include "skin/controls/SkinCtrls.h"

class TspSkinWaveLabel : public TspGraphicSkinControl {
public:
  explicit TspSkinWaveLabel(TComponent* owner);

  Integer XDiv() const { return xDiv_; }
  void SetXDiv(Integer value);
  Integer YDiv() const { return yDiv_; }
  void SetYDiv(Integer value);
  Integer RatioVal() const { return ratio_; }
  void SetRatioVal(Integer value);
  bool Antialiasing() const { return antialiasing_; }
  void SetAntialiasing(bool value);
  bool UseSkinColor = true;
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

protected:
  void Paint() override;
  void Dispatch(TMessage& message) override;

private:
  Integer xDiv_ = 20, yDiv_ = 20, ratio_ = 5;
  bool antialiasing_ = true;
  TAlignment alignment_ = taCenter;
};

class TspSkinShadowLabel : public TspGraphicSkinControl {
public:
  explicit TspSkinShadowLabel(TComponent* owner);

  void SetAutoSize(bool value) override;
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool UseSkinColor = true;

  virtual String GetLabelText() const { return Caption(); }
  void AdjustBounds();
  void Loaded() override;

protected:
  void Paint() override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual void DoDrawText(TCanvas* canvas, TRect& r, UINT flags);

private:
  UINT Flags() const;

  TTextLayout layout_ = tlTop;
  TAlignment alignment_ = taLeftJustify;
  TWinControl* focusControl_ = nullptr;  // borrowed, freed-notified
  bool showAccelChar_ = true;
  bool wordWrap_ = false;
};

// The colour of an effect label: the "stdlabel" record's with useSkinColor, else the font's.
TColor EffectLabelColor(const TspGraphicSkinControl* label, bool useSkinColor);
