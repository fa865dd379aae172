// TspSkinControlBar and TspSkinCoolBar: the platform's band containers drawn from
// a "controlbar" record: the background (the record's client part or a picture
// of the skin, stretched or tiled), optionally the record's border in the
// non-client area (SkinBevel), and each band's frame (control bar) or grip,
// image and text (cool bar).
#pragma once

#include "platform/comctrls/ControlBar.h"
#include "skin/data/SkinData.h"

// The record both bars copy, and what they draw from it.
struct TspControlBarLook {
  Integer RecordIndex = -1;
  TspDataSkinControlBar* Record = nullptr;  // borrowed from the skin
  TBitmap* Picture = nullptr;               // borrowed from the skin

  void Read(TspSkinData* data, const String& name);
  // The background over (0, 0, width, height), clipped to `clip` when given.
  void PaintBackground(TCanvas* canvas, TspSkinData* data, Integer width, Integer height, const TRect* clip) const;
  // The border in the window's non-client area of a window of width x height.
  void PaintBorder(HDC dc, Integer width, Integer height) const;
  // The client rectangle of a window rectangle with the border's margins.
  RECT ShrinkToClient(RECT window) const;
  // The bar's non-client messages (border room, border painting, the frame
  // painting requests); false for a message to pass on.
  bool NonClientMessage(TWinControl* bar, TMessage& message, bool skinBevel) const;
};

// Tells every child that its parent's background changed.
void SendParentBackgroundChanged(TWinControl* parent);

class TspSkinControlBar : public TCustomControlBar {
public:
  explicit TspSkinControlBar(TComponent* owner);

  String SkinDataName = "controlbar";
  TspSkinData* SkinData() const { return skinData_; }
  // Stores the container and re-reads the record, also for none.
  void SetSkinData(TspSkinData* value);
  void ChangeSkinData();
  bool SkinBevel() const { return skinBevel_; }
  void SetSkinBevel(bool value);
  Integer SkinRecordIndex() const { return look_.RecordIndex; }
  void GetSkinData() { look_.Read(skinData_, SkinDataName); }
  // Sends WM_CHECKPARENTBG to windowed children and performs it on the others.
  void CheckControlsBackground();

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void PaintControlFrame(TCanvas* canvas, TControl* control, const TRect& r) override;
  void WndProc(TMessage& message) override;

private:
  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  bool skinBevel_ = false;
  TspControlBarLook look_;
};

class TspSkinCoolBar : public TCoolBar {
public:
  explicit TspSkinCoolBar(TComponent* owner);

  String SkinDataName = "controlbar";
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  void ChangeSkinData();
  bool SkinBevel() const { return skinBevel_; }
  void SetSkinBevel(bool value);
  Integer SkinRecordIndex() const { return look_.RecordIndex; }
  void GetSkinData() { look_.Read(skinData_, SkinDataName); }
  void CheckControlsBackground();
  // The room left of (above) a band's control for its grip, image and text.
  Integer GetCaptionSize(TCoolBand* band);
  Integer GetCaptionFontHeight();

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void AlignControls(TControl* control, TRect& rect) override;
  void WndProc(TMessage& message) override;

private:
  void PaintBands(HDC dc);
  void DrawGrip(TCanvas* canvas, const TRect& r);

  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  bool skinBevel_ = true;
  TspControlBarLook look_;
};
