// TspSkinStdLabel: the forms' label, a platform label whose font, colour and
// charset come from the skin record "stdlabel" (or its DefaultFont without one).
// Disabled text is embossed in the skin's highlight and shadow colours.
#pragma once

#include <memory>

#include "platform/stdctrls/Label.h"
#include "skin/data/SkinData.h"

enum TspEllipsType { spetNone, spetEndEllips, spetPathEllips };

class TspSkinStdLabel : public TCustomLabel {
public:
  explicit TspSkinStdLabel(TComponent* owner);

  TspEllipsType EllipsType() const { return ellipsType_; }
  void SetEllipsType(TspEllipsType value);
  bool UseSkinFont = true;
  bool UseSkinColor = true;
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value) { defaultFont_->Assign(value); }
  TspSkinData* SkinData() const { return skinData_; }
  // Stores the container and, for one, re-reads the record (the form calls it).
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "stdlabel";

  // Looks the record up again, re-measures with AutoSize, repaints.
  void ChangeSkinData();
  void GetSkinData();
  Integer SkinRecordIndex() const { return recordIndex_; }

protected:
  void DoDrawText(TRect& rect, UINT flags) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  void DrawOnce(TCanvas* canvas, const String& text, TRect r, UINT flags);

  TspEllipsType ellipsType_ = spetNone;
  std::unique_ptr<TFont> defaultFont_;
  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  Integer recordIndex_ = -1;
  String fontName_ = "Arial";
  Integer fontHeight_ = 14;
  TFontStyles fontStyle_ = 0;
  TColor fontColor_ = 0;
};
