// TspSkinGauge: a skinned progress bar that fills the part of its progress area
// matching Value between MinValue and MaxValue, writes a text and the percentage
// over it, and can run a strip of frames from the skin over the filled part.
#pragma once

#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/controls/bars/FrameRun.h"

using TspGaugePaintEvent = TEvent<TCanvas*, TRect, TRect>;

class TspSkinGauge : public TspSkinCustomControl {
public:
  explicit TspSkinGauge(TComponent* owner);
  ~TspSkinGauge() override;

  Integer MinValue() const { return minValue_; }
  void SetMinValue(Integer value);
  Integer MaxValue() const { return maxValue_; }
  void SetMaxValue(Integer value);
  Integer Value() const { return value_; }
  // Clamps; fires nothing; repaints only on a change.
  void SetValue(Integer value);
  bool Vertical() const { return vertical_; }
  void SetVertical(bool value);
  bool ShowPercent() const { return showPercent_; }
  void SetShowPercent(bool value);
  bool ShowProgressText() const { return showProgressText_; }
  void SetShowProgressText(bool value);
  String ProgressText() const { return progressText_; }
  void SetProgressText(const String& value);
  bool TextAlphaBlend() const { return textAlphaBlend_; }
  void SetTextAlphaBlend(bool value);
  Byte TextAlphaBlendValue() const { return textAlphaBlendValue_; }
  void SetTextAlphaBlendValue(Byte value);
  bool UseSkinSize = true;
  Integer ProgressAnimationPause() const { return animationPause_; }
  void SetProgressAnimationPause(Integer value);
  TspGaugePaintEvent OnGaugePaint;

  // The filled part of r.
  TRect CalcProgressRect(const TRect& r) const;
  Integer Percent() const;
  String GaugeText() const;
  void StartProgressAnimation();
  void StopProgressAnimation();
  bool AnimationRunning() const { return run_.Running(); }
  Integer AnimationFrame() const { return run_.Frame; }

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void ChangeSkinData() override;
  void CalcSize(Integer& width, Integer& height) override;
  TRect NewProgressArea;

  struct Look {
    TRect progressarea, progressrect, progressanimationskinrect;
    Integer beginoffset = 0, endoffset = 0, progressanimationcountframes = 0, progressanimationtimerinterval = 0;
    String fontname = "Arial";
    Integer fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    bool progresstransparent = false, progressstretch = false;
    TColor progresstransparentcolor = 0;
  } look;

protected:
  void Paint() override;
  void WMEraseBkgnd(TMessage& message) override;

private:
  void DrawProgressText(TCanvas* canvas);
  void DrawFill(TCanvas* canvas, const TRect& p);
  TRect FrameRect(Integer k) const;

  Integer minValue_ = 0, maxValue_ = 100, value_ = 50;
  bool vertical_ = false;
  bool showPercent_ = false, showProgressText_ = false;
  String progressText_;
  bool textAlphaBlend_ = false;
  Byte textAlphaBlendValue_ = 200;
  Integer animationPause_ = 1000;
  TspFrameRun run_;
};
