// TspSkinColorDialog: a component whose Execute builds a skinned modal dialog
// for choosing a colour: the 48 basic colours, twelve user colours kept in
// the component, a colour wheel (hue ring around a saturation/lightness
// square), R, G, B and H, S, L fields with drop-down track bars, a swatch, and
// OK, Cancel and add-to-custom buttons. Only Color and the user colours
// carry over between calls, and only after OK.
#pragma once

#include <array>
#include <memory>

#include "platform/controls/CustomForm.h"
#include "skin/controls/colors/PSPColor.h"
#include "skin/data/SkinData.h"

class TImage;
class TspSkinColorGrid;
class TspSkinCustomColorGrid;
class TspColorViewer;
class TspSkinTrackEdit;

class TspSkinColorDialog : public TComponent {
public:
  explicit TspSkinColorDialog(TComponent* owner);
  ~TspSkinColorDialog() override;

  bool GroupBoxTransparentMode = false;
  TColor Color = 0;
  String Caption = "Set color";
  bool AlphaBlend = false;
  Byte AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  TspSkinData* CtrlSkinData() const { return ctrlSkinData_; }
  void SetCtrlSkinData(TspSkinData* value);
  String ButtonSkinDataName = "button";
  String LabelSkinDataName = "stdlabel", EditSkinDataName = "edit";  // stored only
  TFont* DefaultLabelFont() const { return labelFont_.get(); }    // owned
  TFont* DefaultButtonFont() const { return buttonFont_.get(); }  // owned
  TFont* DefaultEditFont() const { return editFont_.get(); }      // owned
  bool UseSkinFont = true;

  std::array<TColor, 12> UserColors;
  Integer UserColorCount = 0;
  // Called once the dialog is shown, with the dialog's form (a seam for tests
  // and for callers that place or drive it).
  std::function<void(TCustomForm*)> OnDialogShow;

  bool Execute();

  // While the dialog is open.
  TPSPColor WheelColor;
  TClickZonePSP ClickZone = czpspPnone;
  TspSkinColorGrid* ColorGrid = nullptr;
  TspSkinCustomColorGrid* CustomColorGrid = nullptr;
  TspColorViewer* Swatch = nullptr;
  TImage* Wheel = nullptr;
  TspSkinTrackEdit *REdit = nullptr, *GEdit = nullptr, *BEdit = nullptr;
  TspSkinTrackEdit *HEdit = nullptr, *SEdit = nullptr, *LEdit = nullptr;

  void PalettePSPMouseDown(TObject*, TMouseButton button, TShiftState, int x, int y);
  void PalettePSPMouseMove(TObject*, TShiftState shift, int x, int y);
  void PalettePSPMouseUp(TObject*, TMouseButton button, TShiftState, int x, int y);

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  void BuildDialog(TCustomForm* form);
  void InitPSPPalette();
  void DrawSquare();
  void DrawPSPPalette();
  void DrawCursor();
  void ChangeEdits();
  void RingAction(int x, int y);
  void SquareAction(int x, int y);
  void ZoneAction(int x, int y);
  void RGBEditChange(TObject*);
  void HSLEditChange(TObject*);
  void GridColorChange(TColor color);
  void ColorGridChange(TObject*);
  void CustomColorGridChange(TObject*);
  void AddCustomColorButtonClick(TObject*);
  void ForgetControls();

  TspSkinData* skinData_ = nullptr;      // borrowed, freed-notified
  TspSkinData* ctrlSkinData_ = nullptr;  // borrowed, freed-notified
  std::unique_ptr<TFont> labelFont_, buttonFont_, editFont_;
  Integer ringLeft_ = 0, squareLeft_ = 0;
  bool rgbLock_ = false, hsvLock_ = false, fromWheel_ = false;
};
