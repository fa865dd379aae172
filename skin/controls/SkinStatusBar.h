// TspSkinStatusBar: a skinned panel at the bottom of a window with an optional
// size grip at its right end; the skinned form hides the grip while its window
// is maximized (SetShowGrip).
#pragma once

#include "skin/controls/SkinPanel.h"

class TspSkinStatusBar : public TspSkinPanel {
public:
  explicit TspSkinStatusBar(TComponent* owner);

  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);
  bool ShowGrip() const { return showGrip_; }
  void SetShowGrip(bool value);
  TRect GetGripRect();
  bool GripShown() const { return sizeGrip_ && showGrip_; }

  void GetSkinData() override;
  void SetSkinData(TspSkinData* value) override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  static void DrawDefaultGripper(const TRect& r, TCanvas* canvas, TColor shadow, TColor light);

  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = 0xFF00FF;

protected:
  void AdjustClientRect(TRect& rect) override;
  void Dispatch(TMessage& message) override;

private:
  bool sizeGrip_ = false;
  bool showGrip_ = true;
};
