// Small drawing and state pieces shared by the skinned standard controls: a
// piece of a skin picture drawn with transparency, record fonts with the skin's
// charset, the default 3-D frames, half-to-even rounding, and the 20 ms fade.
#pragma once

#include <functional>
#include <memory>

#include "platform/graphics/Bitmap.h"
#include "skin/controls/SkinCtrlTypes.h"
#include "skin/data/SkinData.h"
#include "skin/draw/SkinClock.h"


// Copies `r` of `picture` into a bitmap of its size; nothing for an empty or
// outside rectangle (answers false).
bool CopyPictureRect(TBitmap& into, TBitmap* picture, const TRect& r);
// Draws `r` of `picture` at (x, y) with the piece's own transparency (its
// bottom-left pixel) or, with `fixedColor` not clNone, that colour left out.
void DrawPieceTransparent(TCanvas* canvas, Integer x, Integer y, TBitmap* picture, const TRect& r,
                          TColor fixedColor = clNone);
// Draws `r` of `picture` opaque at (x, y).
void DrawPiece(TCanvas* canvas, Integer x, Integer y, TBitmap* picture, const TRect& r);

// The charset of the container's interface strings, else the default font's.
Byte SkinCharset(const TspSkinData* data, const TFont* defaultFont);
// The canvas font from a record's name, height and style (useSkinFont) or the
// default font, with the charset rule.
void SetRecordFont(TCanvas* canvas, bool useSkinFont, const String& name, Integer height, TFontStyles style,
                   const TFont* defaultFont, const TspSkinData* data);
// The canvas font := default font, charset by the rule.
void SetCanvasDefaultFont(TCanvas* canvas, const TFont* defaultFont, const TspSkinData* data);

// The client part of a piece (client relative to the piece) drawn into `target`
// of the canvas: tiled from target's corner, or with `stretch` stretched over it
// (spstFull), stretched across and repeated along it (spstHorz, spstVert).
// Nothing for a client part without width or height or outside the picture.
void FillPieceClient(TCanvas* canvas, TBitmap* picture, const TRect& piece, const TRect& client,
                     const TRect& target, bool stretch, TspStretchType stretchType);

// A 1-pixel frame of a border style on r (bvNone draws nothing).
void DrawBorderStyle(TCanvas* canvas, const TRect& r, TspSkinBorderStyle style);
void FillAndFrame(TCanvas* canvas, const TRect& r, TColor frame, TColor fill);

// Round half to even, as the controls' arithmetic rounds.
Integer RoundEven(double value);
// (value - min) / (max - min) kept within 0..1; 0 when the bounds are equal.
double Fraction(Integer value, Integer min, Integer max);

// The fade between a normal (0) and a hot (1) image: every 20 ms the factor moves
// 0.2 toward the target the owner reports; reaching the end stops the timer.
class TspMorphFade {
public:
  // `target` answers whether the hot end is wanted; `repaint` redraws the owner;
  // `enabled` whether fading applies now (record present, morphing on).
  TspMorphFade(std::function<bool()> target, std::function<void()> repaint, std::function<bool()> enabled);
  double Kf = 0;
  void Start();  // makes the timer when none runs
  void Stop();  // only disables: a tick may stop its own timer
  bool Running() const { return timer_ && timer_->Enabled(); }
  void Step();  // one tick

private:
  std::function<bool()> target_;
  std::function<void()> repaint_;
  std::function<bool()> enabled_;
  std::unique_ptr<TspClockTimer> timer_;
};
