// TSpeedButton: a windowless button with a glyph and a caption, as tool bars use
// it. Buttons of one GroupIndex on one parent work as a group: one of them is
// down at a time (or none, with AllowAllUp).
#pragma once

#include <memory>

#include "platform/controls/GraphicControl.h"
#include "platform/graphics/Bitmap.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;

  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  // Only a button of a group stays down; a button of a group without AllowAllUp
  // cannot be put up by itself.
  bool Down() const { return down_; }
  void SetDown(bool value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  // A strip of NumGlyphs images side by side: up, disabled, pressed, down. The
  // colour of the bottom-left pixel is transparent.
  TBitmap* Glyph() const { return glyph_.get(); }  // owned
  void SetGlyph(const TBitmap* value);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  // -1 centres glyph and caption together.
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  TButtonState State() const { return state_; }
  void Click() override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Dispatch(TMessage& message) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;

private:
  void UpdateExclusive();
  void GlyphChanged(TObject* sender);
  void DrawGlyph(TCanvas* canvas, int x, int y, int index);

  std::unique_ptr<TBitmap> glyph_;
  bool allowAllUp_ = false;
  int groupIndex_ = 0;
  bool down_ = false;
  bool flat_ = false;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool transparent_ = true;
  TButtonState state_ = bsUp;
  bool dragging_ = false;
  bool mouseInControl_ = false;
};
