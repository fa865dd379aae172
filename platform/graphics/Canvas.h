// TCanvas: drawing on a device context with a font, a pen and a brush. A canvas
// is bound to any DC through SetHandle (and unbound with nullptr, which puts the
// DC's stock objects back); descendants make their DC on first use (CreateHandle).
#pragma once

#include <memory>
#include <vector>

#include "platform/core/Geometry.h"
#include "platform/graphics/GraphicsObjects.h"

class TGraphic;

// Raster operations of CopyRect and of a bitmap's Draw.
using TCopyMode = DWORD;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

// Text-style flags of TextRect: the DrawText flags (DT_CENTER, DT_VCENTER,
// DT_SINGLELINE, DT_WORDBREAK, DT_CALCRECT, DT_END_ELLIPSIS, DT_NOPREFIX, ...).
using TTextFormat = UINT;

class TCanvas : public TPersistent {
public:
  TCanvas();
  ~TCanvas() override;

  // The device context; a canvas without one asks CreateHandle and raises
  // EInvalidOperation "Canvas does not allow drawing" when it still has none.
  HDC Handle();
  // Binds the canvas to `dc` (not owned); nullptr unbinds it.
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return handle_ != nullptr; }

  TFont* Font() const { return font_.get(); }  // owned, like the pen and the brush
  TPen* Pen() const { return pen_.get(); }
  TBrush* Brush() const { return brush_.get(); }
  void SetFont(const TFont* font) { font_->Assign(font); }
  void SetPen(const TPen* pen) { pen_->Assign(pen); }
  void SetBrush(const TBrush* brush) { brush_->Assign(brush); }

  TCopyMode CopyMode = cmSrcCopy;

  // A canvas used from several threads is locked around each use.
  void Lock();
  void Unlock();
  bool TryLock();
  int LockCount() const { return lockCount_; }

  TPoint PenPos();
  void SetPenPos(const TPoint& position) { MoveTo(position.X, position.Y); }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(const std::vector<TPoint>& points);
  void Polygon(const std::vector<TPoint>& points);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  // With the brush.
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  // The dotted focus frame, drawn by xor: a second call takes it away.
  void DrawFocusRect(const TRect& rect);

  // Text in the font's colour; the background is the brush's colour when the
  // brush is solid, and stays as it was otherwise. TextOut moves the pen position to the end of the text.
  void TextOut(int x, int y, const String& text);
  // Text at (x, y) clipped to `rect`, which is filled first when the brush is solid.
  void TextRect(const TRect& rect, int x, int y, const String& text);
  // DrawText into `rect` with the flags; with DT_CALCRECT `rect` receives the
  // size the text needs and nothing is drawn. Returns the text's height.
  int TextRect(TRect& rect, const String& text, TTextFormat format);
  TSize TextExtent(const String& text);
  int TextWidth(const String& text) { return TextExtent(text).cx; }
  int TextHeight(const String& text) { return TextExtent(text).cy; }

  // Draws a graphic at its own size / scaled into `rect`; nothing for nullptr or
  // an empty graphic.
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& rect, TGraphic* graphic);
  // Copies `source` of another canvas into `dest` (stretching when the sizes
  // differ) with CopyMode.
  void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);

  TColor Pixels(int x, int y);  // clNone outside the device's area
  void SetPixels(int x, int y, TColor color);
  TRect ClipRect();

  // Puts the stock objects back into the DC, so that the next drawing call selects
  // the font, pen and brush anew.
  void Refresh();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  void Assign(const TPersistent* source) override;

protected:
  // Descendants that own a DC make it here (and bind it with SetHandle).
  virtual void CreateHandle() {}
  virtual void Changing();
  virtual void Changed();

  enum : unsigned { csHandleValid = 1, csFontValid = 2, csPenValid = 4, csBrushValid = 8 };
  // Makes sure the DC exists and has the current tools selected.
  void RequiredState(unsigned state);

private:
  void Deselect();

  HDC handle_ = nullptr;  // borrowed, or owned by a descendant
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  TSharedGdiObject selectedFont_;  // kept alive while selected into handle_
  TSharedGdiObject selectedPen_;
  TSharedGdiObject selectedBrush_;
  CRITICAL_SECTION lock_;
  int lockCount_ = 0;
};
