// TspSkinBevel: the platform bevel drawn in the light and dark colours of the
// skin record "bevel", optionally as a divider line centred in its bounds; in a
// skinned tool bar it centres itself vertically in the bar's skin client area.
#pragma once

#include "platform/stdctrls/Bevel.h"
#include "skin/data/SkinData.h"

class TspSkinBevel : public TBevel {
public:
  explicit TspSkinBevel(TComponent* owner);

  TspSkinData* SkinData() const { return skinData_; }
  // Stores the container (also nil) and re-reads the colours.
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "bevel";
  bool DividerMode() const { return dividerMode_; }
  void SetDividerMode(bool value);
  TColor LightColor = clBtnHighlight;
  TColor DarkColor = clBtnShadow;

  void ChangeSkinData();
  Integer SkinRecordIndex() const { return recordIndex_; }
  void SetBounds(int left, int top, int width, int height) override;

protected:
  void Paint() override;
  // A freed container is dropped, so a later paint never reads it.
  void Notification(TComponent* component, TOperation operation) override;

private:
  void BevelRect(TCanvas* canvas, const TRect& r, TColor c1, TColor c2);
  void Line(TCanvas* canvas, TColor c, int x1, int y1, int x2, int y2);

  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  Integer recordIndex_ = -1;
  bool dividerMode_ = false;
};
