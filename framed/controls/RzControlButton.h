// TRzControlButton: a small windowless push button that other framed controls
// embed (the spin buttons are two of them): a plain face with a glyph, a spin
// arrow in one of four directions or a drop-down arrow, classic or themed, flat
// or raised. Held down it can repeat its click on the family's clock.
#pragma once

#include <memory>

#include "framed/common/RzClock.h"
#include "framed/common/RzCommon_Types.h"
#include "platform/controls/GraphicControl.h"
#include "platform/graphics/Bitmap.h"

enum TRzControlButtonStyle : Byte { cbsNone, cbsLeft, cbsUp, cbsRight, cbsDown, cbsDropDown };
using TNumGlyphs = Byte;  // 1..4

class TRzControlButton : public TGraphicControl {
public:
  explicit TRzControlButton(TComponent* owner);
  ~TRzControlButton() override;

  bool Flat() const { return flat_; }
  virtual void SetFlat(bool value);
  TBitmap* Glyph() const { return glyph_.get(); }  // owned
  virtual void SetGlyph(const TBitmap* value) { glyph_->Assign(value); }
  TNumGlyphs NumGlyphs() const { return numGlyphs_; }
  virtual void SetNumGlyphs(TNumGlyphs value);
  TRzControlButtonStyle Style() const { return style_; }
  virtual void SetStyle(TRzControlButtonStyle value);
  bool RepeatClicks = false;
  Word InitialDelay = 400;
  Word Delay = 100;

  bool Pressed() const { return pressed_; }
  bool MouseOverFlag() const { return mouseOver_; }
  // The size of one image of the glyph.
  virtual TSize GetImageSize() const;
  TPoint CursorPosition() const;
  void Click() override;
  // Re-finds the hover state after a release (flat or themed buttons only).
  void UpdateTracking();
  // Called from an OnMouseDown handler: the press that is starting does not go down.
  void AbortPress() { pressAborted_ = true; }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  // The glyph's change handler; the spin buttons put their own in its place.
  void GlyphChangedHandler(TObject* sender);

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Dispatch(TMessage& message) override;
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void DrawBtnFace(TRect& rect);
  virtual void DrawSpinButton(TRect& rect);
  virtual void DrawDropDownButton(TRect& rect);
  virtual void DrawGlyph(const TRect& rect);
  bool Active() const;

private:
  void TimerExpired(TObject* sender);
  void DrawClassicFace(TRect& rect);

  bool pressed_ = false;
  bool pressAborted_ = false;
  bool tracking_ = false;
  bool flat_ = false;
  bool mouseOver_ = false;
  std::unique_ptr<TBitmap> glyph_;
  TNumGlyphs numGlyphs_ = 1;
  std::unique_ptr<TRzTimer> repeatTimer_;  // owned, made on first use
  TRzControlButtonStyle style_ = cbsNone;
};
