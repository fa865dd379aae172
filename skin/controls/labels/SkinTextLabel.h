// TspSkinTextLabel: a multi-line label whose text is its Lines. Font and colour
// come from the "stdlabel" record like the standard label's; with AutoSize it is
// as wide as its widest line and as high as its lines.
#pragma once

#include <memory>

#include "platform/controls/GraphicControl.h"
#include "platform/core/Strings.h"
#include "platform/stdctrls/Label.h"
#include "skin/controls/labels/LabelLook.h"

class TspSkinTextLabel : public TGraphicControl {
public:
  explicit TspSkinTextLabel(TComponent* owner);
  ~TspSkinTextLabel() override;

  TStrings* Lines() const { return lines_.get(); }  // owned
  void SetLines(const TStrings* value) { lines_->Assign(value); }
  bool UseSkinFont = true;
  bool UseSkinColor = true;
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value) { defaultFont_->Assign(value); }
  TspSkinData* SkinData() const { return skinData_; }
  // Stores the container and, for one, re-reads the record (the form calls it).
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "stdlabel";
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  void SetAutoSize(bool value) override;

  void ChangeSkinData();
  void GetSkinData();
  Integer SkinRecordIndex() const { return look_.RecordIndex; }
  virtual String GetLabelText() const;
  void AdjustBounds();
  void Loaded() override;

protected:
  void Paint() override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void DoDrawText(TRect& r, UINT flags);

private:
  void LinesChanged(TObject*);
  void SetTextFont(TCanvas* canvas);

  std::unique_ptr<TStringList> lines_;
  std::unique_ptr<TFont> defaultFont_;
  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  TspLabelLook look_;
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool wordWrap_ = false;
};
