#include "platform/graphics/GraphicsObjects.h"

#include "platform/core/SysUtils.h"
#include "platform/graphics/Bitmap.h"

TSharedGdiObject ShareGdiObject(HGDIOBJ handle, bool owned) {
  if (!owned) return TSharedGdiObject(handle, [](void*) {});
  return TSharedGdiObject(handle, [](void* object) {
    if (object) ::DeleteObject(static_cast<HGDIOBJ>(object));
  });
}

TSharedGdiObject TGraphicsObject::SharedHandle() {
  if (!handle_) {
    HGDIOBJ made = CreateHandle();
    if (!made) throw EOutOfResources("Out of system resources");
    handle_ = ShareGdiObject(made, true);
  }
  return handle_;
}

void TGraphicsObject::Changed() {
  handle_.reset();
  OnChange(this);
}

void TGraphicsObject::AdoptHandle(HGDIOBJ handle, bool owned) { handle_ = handle ? ShareGdiObject(handle, owned) : nullptr; }

// Font -----------------------------------------------------------------------

int ScreenPixelsPerInch() {
  static const int pixelsPerInch = [] {
    HDC screen = ::GetDC(nullptr);
    int value = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return pixelsPerInch;
}

TFont::TFont() = default;

void TFont::SetName(const String& name) {
  if (name.empty() || name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(Integer height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

Integer TFont::Size() const { return -::MulDiv(height_, 72, PixelsPerInch); }

void TFont::SetSize(Integer size) { SetHeight(-::MulDiv(size, PixelsPerInch, 72)); }

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  OnChange(this);  // the handle does not carry the colour
}

void TFont::SetStyle(TFontStyles style) {
  style &= fsBold | fsItalic | fsUnderline | fsStrikeOut;
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetCharset(TFontCharset charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed();
}

void TFont::SetOrientation(Integer orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  Changed();
}

LOGFONTA TFont::LogFont() const {
  LOGFONTA font = {};
  font.lfHeight = height_;
  font.lfEscapement = orientation_;
  font.lfOrientation = orientation_;
  font.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = (style_ & fsItalic) ? 1 : 0;
  font.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
  font.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
  font.lfCharSet = charset_;
  font.lfOutPrecision = orientation_ != 0 ? OUT_TT_PRECIS : OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
  String face = name_;
  if (SameText(face, "Default")) {
    LOGFONTA gui = {};
    if (::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(gui), &gui)) face = gui.lfFaceName;
  }
  face.copy(font.lfFaceName, LF_FACESIZE - 1);
  return font;
}

HGDIOBJ TFont::CreateHandle() {
  LOGFONTA font = LogFont();
  return ::CreateFontIndirectA(&font);
}

void TFont::SetHandle(HFONT font) {
  LOGFONTA info = {};
  if (font && ::GetObjectA(font, sizeof(info), &info)) {
    name_ = info.lfFaceName;
    height_ = info.lfHeight;
    style_ = (info.lfWeight >= FW_BOLD ? fsBold : 0) | (info.lfItalic ? fsItalic : 0) |
             (info.lfUnderline ? fsUnderline : 0) | (info.lfStrikeOut ? fsStrikeOut : 0);
    charset_ = info.lfCharSet;
    pitch_ = (info.lfPitchAndFamily & 3) == FIXED_PITCH ? fpFixed
             : (info.lfPitchAndFamily & 3) == VARIABLE_PITCH ? fpVariable : fpDefault;
    orientation_ = info.lfEscapement;
  }
  OnChange(this);
  AdoptHandle(font, true);
}

void TFont::Assign(const TPersistent* source) {
  const TFont* other = dynamic_cast<const TFont*>(source);
  if (!other) return TPersistent::Assign(source);
  name_ = other->name_;
  height_ = ::MulDiv(other->height_, PixelsPerInch, other->PixelsPerInch);
  color_ = other->color_;
  style_ = other->style_;
  charset_ = other->charset_;
  pitch_ = other->pitch_;
  orientation_ = other->orientation_;
  Changed();
}

// Pen ------------------------------------------------------------------------

int PenModeToRop2(TPenMode mode) {
  static const int kRop2[] = {R2_BLACK,       R2_WHITE,     R2_NOP,        R2_NOT,       R2_COPYPEN,   R2_NOTCOPYPEN,
                              R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN,
                              R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
  static_assert(sizeof(kRop2) / sizeof(kRop2[0]) == pmNotXor + 1, "one raster operation per pen mode");
  return kRop2[mode];
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(Integer width) {
  if (width < 1) width = 1;
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TPen::SetMode(TPenMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  OnChange(this);  // the mode is a state of the device context, not of the pen
}

HGDIOBJ TPen::CreateHandle() {
  static const int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  return ::CreatePen(kStyles[style_], width_, static_cast<COLORREF>(ColorToRGB(color_)));
}

void TPen::Assign(const TPersistent* source) {
  const TPen* other = dynamic_cast<const TPen*>(source);
  if (!other) return TPersistent::Assign(source);
  color_ = other->color_;
  width_ = other->width_;
  style_ = other->style_;
  mode_ = other->mode_;
  Changed();
}

// Brush ----------------------------------------------------------------------

void TBrush::SetColor(TColor color) {
  if (color == color_ && style_ != bsClear) return;
  color_ = color;
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TBrush::SetBitmap(TBitmap* bitmap) {
  bitmap_ = bitmap;
  Changed();
}

HGDIOBJ TBrush::CreateHandle() {
  if (bitmap_ && !bitmap_->Empty()) return ::CreatePatternBrush(bitmap_->Handle());
  COLORREF color = static_cast<COLORREF>(ColorToRGB(color_));
  switch (style_) {
    case bsSolid: return ::CreateSolidBrush(color);
    case bsClear: {
      LOGBRUSH hollow = {BS_HOLLOW, 0, 0};
      return ::CreateBrushIndirect(&hollow);
    }
    case bsHorizontal: return ::CreateHatchBrush(HS_HORIZONTAL, color);
    case bsVertical: return ::CreateHatchBrush(HS_VERTICAL, color);
    case bsFDiagonal: return ::CreateHatchBrush(HS_FDIAGONAL, color);
    case bsBDiagonal: return ::CreateHatchBrush(HS_BDIAGONAL, color);
    case bsCross: return ::CreateHatchBrush(HS_CROSS, color);
    case bsDiagCross: return ::CreateHatchBrush(HS_DIAGCROSS, color);
  }
  return ::CreateSolidBrush(color);
}

void TBrush::Assign(const TPersistent* source) {
  const TBrush* other = dynamic_cast<const TBrush*>(source);
  if (!other) return TPersistent::Assign(source);
  color_ = other->color_;
  style_ = other->style_;
  bitmap_ = other->bitmap_;
  Changed();
}
