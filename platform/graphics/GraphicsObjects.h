// The drawing tools of a canvas: TFont, TPen and TBrush. Each describes a GDI
// object by its properties and makes the handle on first request; a change of a
// property drops the handle (a canvas that still has it selected keeps it alive
// until it selects the new one) and fires OnChange.
#pragma once

#include <memory>

#include "platform/core/Events.h"
#include "platform/core/Persistent.h"
#include "platform/core/WinApi.h"
#include "platform/graphics/Colors.h"

class TBitmap;

// A GDI object handle shared between its tool and the canvases that selected it;
// the last holder deletes it.
using TSharedGdiObject = std::shared_ptr<void>;
TSharedGdiObject ShareGdiObject(HGDIOBJ handle, bool owned);

class TGraphicsObject : public TPersistent {
public:
  TNotifyEvent OnChange;

  // The handle as a shared reference, made now when there is none.
  TSharedGdiObject SharedHandle();

protected:
  virtual HGDIOBJ CreateHandle() = 0;
  // Drops the handle and fires OnChange.
  void Changed();
  // Adopts a handle (owned) so that Handle returns it until the next change.
  void AdoptHandle(HGDIOBJ handle, bool owned);
  HGDIOBJ CurrentHandle() { return SharedHandle().get(); }

private:
  TSharedGdiObject handle_;
};

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = Byte;

// The screen's pixels per logical inch (LOGPIXELSY), read once.
int ScreenPixelsPerInch();

class TFont : public TGraphicsObject {
public:
  TFont();

  // "Default" stands for the face of the system's default GUI font.
  const String& Name() const { return name_; }
  void SetName(const String& name);
  // Negative: character height; positive: cell height, in pixels.
  Integer Height() const { return height_; }
  void SetHeight(Integer height);
  // Points: -Height * 72 / PixelsPerInch, rounded.
  Integer Size() const;
  void SetSize(Integer size);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset charset);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);
  // Angle of the text line in tenths of a degree, counter-clockwise.
  Integer Orientation() const { return orientation_; }
  void SetOrientation(Integer orientation);
  Integer PixelsPerInch = ScreenPixelsPerInch();

  HFONT Handle() { return static_cast<HFONT>(CurrentHandle()); }
  // Takes the font (owned) and reads its properties from it; the colour stays.
  void SetHandle(HFONT font);
  // The LOGFONT the handle is made from.
  LOGFONTA LogFont() const;

  void Assign(const TPersistent* source) override;

protected:
  HGDIOBJ CreateHandle() override;

private:
  String name_ = "MS Sans Serif";
  Integer height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_ = 0;
  TFontCharset charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = fpDefault;
  Integer orientation_ = 0;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
// The raster operation (R2_*) of a pen mode.
int PenModeToRop2(TPenMode mode);

class TPen : public TGraphicsObject {
public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  Integer Width() const { return width_; }
  void SetWidth(Integer width);  // below 1 counts as 1
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  // How the pen combines with the pixels it draws on (SetROP2), applied by the canvas.
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode mode);

  HPEN Handle() { return static_cast<HPEN>(CurrentHandle()); }
  void Assign(const TPersistent* source) override;

protected:
  HGDIOBJ CreateHandle() override;

private:
  TColor color_ = clBlack;
  Integer width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);  // a solid colour also ends bsClear
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  // A pattern bitmap (borrowed; its pixels are copied into the brush when the
  // handle is made); nullptr for none.
  TBitmap* Bitmap() const { return bitmap_; }
  void SetBitmap(TBitmap* bitmap);

  HBRUSH Handle() { return static_cast<HBRUSH>(CurrentHandle()); }
  void Assign(const TPersistent* source) override;

protected:
  HGDIOBJ CreateHandle() override;

private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  TBitmap* bitmap_ = nullptr;
};
