// TspSkinLabel: a windowed label drawn on the skin record "label" (or in a
// framed default look), with its own text placement, an ellipsis and a width
// that can follow its text. The status panel builds on it.
#pragma once

#include "platform/controls/Alignments.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/SkinCtrls.h"

class TspSkinLabel : public TspSkinCustomControl {
public:
  explicit TspSkinLabel(TComponent* owner);

  TspEllipsType2 EllipsType() const { return ellipsType_; }
  void SetEllipsType(TspEllipsType2 value);
  bool UseSkinSize = true;
  bool UseSkinFontColor = true;
  TspSkinBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TspSkinBorderStyle value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSizeX() const { return autoSizeX_; }
  void SetAutoSizeX(bool value);

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void CalcSize(Integer& width, Integer& height) override;
  void SetControlRegion() override;
  // How much wider the label must be for its text (negative: narrower).
  virtual Integer CalcWidthOffset();
  void DrawLabelText(TCanvas* canvas, const TRect& r);
  void AdjustBounds();

protected:
  void CMTextChanged(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override;
  void SetRecordFontOn(TCanvas* canvas);

  String fontName_ = "Arial";
  Integer fontHeight_ = 14;
  TFontStyles fontStyle_ = 0;
  TColor fontColor_ = 0;

private:
  TspEllipsType2 ellipsType_ = spetNoneEllips;
  TspSkinBorderStyle borderStyle_ = TspSkinBorderStyle::bvFrame;
  TAlignment alignment_ = taLeftJustify;
  bool autoSizeX_ = false;
};
