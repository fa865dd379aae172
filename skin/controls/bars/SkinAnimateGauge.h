// TspSkinAnimateGauge: a progress bar for work of unknown length. It shows no
// value; a block or a picture of the "gauge" record sweeps across its progress
// area in runs separated by AnimationPause, or a strip of frames plays there.
#pragma once

#include "skin/controls/SkinCtrls.h"
#include "skin/controls/bars/FrameRun.h"

class TspSkinAnimateGauge : public TspSkinCustomControl {
public:
  explicit TspSkinAnimateGauge(TComponent* owner);
  ~TspSkinAnimateGauge() override;

  String ProgressText() const { return progressText_; }
  void SetProgressText(const String& value);
  bool ShowProgressText() const { return showProgressText_; }
  void SetShowProgressText(bool value);
  Integer AnimationPause() const { return animationPause_; }
  void SetAnimationPause(Integer value);  // negative values are ignored

  void StartAnimation();
  void StopAnimation();
  bool AnimationRunning() const { return run_.Running(); }
  Integer AnimationFrame() const { return run_.Frame; }
  Integer AnimationFrames() const { return run_.Frames; }
  bool DefaultAnimation() const { return defaultAnimation_; }
  // The frames of a sweeping picture over the progress area: never below 1.
  Integer SweepFrameCount() const;

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void ChangeSkinData() override;
  void CalcSize(Integer& width, Integer& height) override;
  TRect NewProgressArea;

  struct Look {
    TRect progressarea, progressrect, animationskinrect;
    Integer beginoffset = 0, endoffset = 0, animationcountframes = 0, animationtimerinterval = 0;
    Integer animationbeginoffset = 0, animationendoffset = 0;
    String fontname = "Arial";
    Integer fontheight = 14;
    TFontStyles fontstyle = 0;
    TColor fontcolor = 0;
    bool progresstransparent = false, progressstretch = false;
    TColor progresstransparentcolor = 0;
  } look;

protected:
  void WMEraseBkgnd(TMessage& message) override;

private:
  void DrawProgressText(TCanvas* canvas);
  void DrawBlock(TCanvas* canvas);
  void DrawSweep(TCanvas* canvas);
  void DrawStrip(TCanvas* canvas);

  String progressText_;
  bool showProgressText_ = false;
  Integer animationPause_ = 1000;
  bool defaultAnimation_ = false;
  TspFrameRun run_;
};
