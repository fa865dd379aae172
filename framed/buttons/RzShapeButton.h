// TRzShapeButton: a button whose outline is the opaque part of a bitmap. From the
// one bitmap it makes an up and a down picture with bevel rings that follow the
// outline, draws them over its parent, and takes mouse hits only on the shape.
#pragma once

#include <memory>
#include <vector>

#include "framed/common/RzCommon_Types.h"
#include "platform/controls/GraphicControl.h"
#include "platform/graphics/Bitmap.h"
#include "platform/stdctrls/SpeedButton.h"

enum TRzCaptionPosition : Byte { cpCentered, cpXY };
enum TRzShapeBorderStyle : Byte { sbsNone, sbsSingle };

// A monochrome copy of `bitmap`: white where a pixel equals `color`, black
// elsewhere. Owned by the caller.
std::unique_ptr<TBitmap> CreateColorMask(TBitmap* bitmap, TColor color);
// A copy of the palette (nullptr for none); raises the library's messages when
// the system refuses. Owned by the caller.
HPALETTE CopyPalette(HPALETTE palette);

class TRzShapeButton : public TGraphicControl {
public:
  explicit TRzShapeButton(TComponent* owner);
  ~TRzShapeButton() override;

  void SetAutoSize(bool value) override;
  int BevelWidth() const { return bevelWidth_; }
  virtual void SetBevelWidth(int value);
  TColor BevelHighlightColor() const { return bevelHighlightColor_; }
  virtual void SetBevelHighlightColor(TColor value);
  TColor BevelShadowColor() const { return bevelShadowColor_; }
  virtual void SetBevelShadowColor(TColor value);
  TBitmap* Bitmap() const { return bitmap_.get(); }  // owned
  virtual void SetBitmap(const TBitmap* value) { bitmap_->Assign(value); }
  TBitmap* BitmapUp() const { return bitmapUp_.get(); }  // owned, made from Bitmap
  TBitmap* BitmapDown() const { return bitmapDown_.get(); }
  TRzShapeBorderStyle BorderStyle() const { return borderStyle_; }
  virtual void SetBorderStyle(TRzShapeBorderStyle value);
  TColor BorderColor() const { return borderColor_; }
  virtual void SetBorderColor(TColor value);
  bool PreciseClick = true;
  bool PreciseShowHint = true;
  TRzCaptionPosition CaptionPosition() const { return captionPosition_; }
  virtual void SetCaptionPosition(TRzCaptionPosition value);
  int CaptionX() const { return captionX_; }
  virtual void SetCaptionX(int value) { SetCaptionXY(value, captionY_); }
  int CaptionY() const { return captionY_; }
  virtual void SetCaptionY(int value) { SetCaptionXY(captionX_, value); }
  virtual void SetCaptionXY(int x, int y);

  // True on the solid part of the shape (or everywhere without a mask).
  virtual bool PtInMask(int x, int y) const;
  bool HasMask() const { return mask_ != nullptr; }
  TButtonState ButtonState() const { return state_; }

  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  void Loaded() override;

protected:
  virtual void DrawButtonText(TCanvas* canvas, const String& text, TRect r, TButtonState state);
  virtual TRect GetCaptionRect(TCanvas* canvas, const String& text);
  void DefineProperties(TFiler* filer) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void CMHitTest(TMessage& message) override;
  void Dispatch(TMessage& message) override;

private:
  void Rebuild();
  void BuildPictures();
  void BitmapChanged(TObject*) { Rebuild(); }
  void Create3DBitmap(TBitmap* source, TButtonState state, TBitmap* dest);
  TColor BevelColor(TButtonState state, bool topLeft);
  bool Inside(int x, int y) const;
  void HintAndCursorRule(int x, int y);
  void ReapplyBounds() { SetBounds(Left(), Top(), Width(), Height()); }

  int bevelWidth_ = 2;
  TColor bevelHighlightColor_ = clBtnHighlight;
  TColor bevelShadowColor_ = clBtnShadow;
  std::unique_ptr<TBitmap> bitmap_, bitmapUp_, bitmapDown_;
  TRzShapeBorderStyle borderStyle_ = sbsSingle;
  TColor borderColor_ = cl3DDkShadow;
  bool dragging_ = false;
  std::unique_ptr<TBitmap> mask_;  // black where the button is solid
  bool cursorSaved_ = false;
  TCursor savedCursor_ = crDefault;
  bool hintSaved_ = false, savedShowHint_ = false, savedParentShowHint_ = false;
  TRzCaptionPosition captionPosition_ = cpCentered;
  int captionX_ = 0, captionY_ = 0;
  TButtonState state_ = bsUp;
};
