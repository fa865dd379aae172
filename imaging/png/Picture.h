// The picture part shared by the PNG picture and the skin engine's PNG image: the
// chunk list and its settings, reading the chunk sequence, writing, assigning,
// drawing, pixel access, transparency and the ancillary data, as a TGraphic template
// over the class's chunk set (ChunkModel.h).
//
// Besides the chunk model's members, the chunk set `S` gives:
//   S::Raise(id, zlibCode)    how a failure leaves the chunk code: the codec's
//                             exception, or png::Failure, which the quiet class's
//                             public operations catch (never returns)
//   S::Interlace, S::TransparencyMode, S::FilterSet   the class's own enum types
//   S::kKeepsUnknownCriticalChunks   false: an unregistered critical chunk ends reading
// Where S::kRaisesErrors is false, a refused operation does nothing and a query gives
// its empty result.
//
// The member bodies are in PictureImpl.h.
#pragma once

#include <memory>

#include "imaging/png/ChunkModel.h"
#include "imaging/png/Gamma.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphic.h"

namespace png {

template <class S>
class Picture : public TGraphic {
public:
  using Owner = typename S::Owner;
  using IHDR = typename S::IHDR;

  ~Picture() override;

  void Assign(const TPersistent* source) override;
  void Draw(TCanvas* canvas, const TRect& rect) override { DrawToDC(canvas->Handle(), rect); }
  bool Empty() const override { return chunks_->Count() == 0; }
  int Width() const override { return HeaderPresent() ? int(HeaderChunk()->Header.Width) : 0; }
  int Height() const override { return HeaderPresent() ? int(HeaderChunk()->Header.Height) : 0; }
  void SetWidth(int width) override { Resize(width, Height()); }
  void SetHeight(int height) override { Resize(Width(), height); }
  bool Transparent() const override { return HeaderPresent() && TransparencyMode() != 0; }
  HPALETTE Palette() override;
  void SetPalette(HPALETTE palette) override { DoSetPalette(palette, true); }
  // Writes the signature, then every chunk in list order.
  void SaveToStream(TStream& stream) override;
  // Loads an RT_RCDATA resource; one that cannot be opened is kCouldNotLoadResource
  // and leaves the picture as it is.
  void LoadFromResourceName(HINSTANCE instance, const String& name) { LoadFromResource(instance, name); }
  void LoadFromResourceID(HINSTANCE instance, int resId) { LoadFromResource(instance, resId); }

  virtual TColor GetPixels(int x, int y);
  virtual void SetPixels(int x, int y, TColor color);

  void AssignPNG(const Owner* source);
  // The picture from a bitmap: palette formats below 16 bits, RGB at 8 bits above.
  void AssignHandle(HBITMAP bitmap, bool transparent, TColor transparentColor);
  // A side below 1 or a picture too large is kInvalidNewSize.
  void Resize(Integer width, Integer height);

  bool HeaderPresent() const { return HeaderChunk() != nullptr; }
  // The header chunk; without one kHeaderNotPresent (or nullptr).
  IHDR* Header() const;
  void GetPixelInfo(Cardinal& lineSize, Cardinal& offset) const;
  void DoSetPalette(HPALETTE palette, bool updateColors);

  typename S::TransparencyMode TransparencyMode() const;
  TColor TransparentColor() const;
  // Colour types 4 and 6 refuse a transparent colour: kCannotChangeTransparent.
  void SetTransparentColor(TColor color);
  void RemoveTransparency();
  bool HasPixelInformation() const { return chunks_->template ItemFromClass<typename S::pHYs>() != nullptr; }
  typename S::pHYs* GetPixelInformation();
  void AddtEXt(const String& keyword, const String& text);
  void AddzTXt(const String& keyword, const String& text);
  // Draws at the physical size of pHYs on the screen; a pHYs of 0 pixels per unit
  // draws at pixel size.
  void DrawUsingPixelInformation(TCanvas* canvas, const TPoint& point);
  // Draws on a device context, the core of Draw.
  void DrawToDC(HDC dc, const TRect& rect);
  [[noreturn]] void RaiseError(int messageId, int zlibCode = 0) const { S::Raise(messageId, zlibCode); }

  typename S::List& Chunks() const { return *chunks_; }
  TCanvas* Canvas() const { return canvas_.get(); }
  void BindCanvas(HDC dc) { canvas_->SetHandle(dc); }
  void UnbindCanvas(HDC dc);

  typename S::FilterSet Filters = 1u << 1;  // Sub
  int CompressionLevel = 7;
  Integer MaxIdatSize() const { return maxIdatSize_; }
  void SetMaxIdatSize(Integer value) { maxIdatSize_ = value < 65535 ? 65535 : value; }
  typename S::Interlace InterlaceMethod = typename S::Interlace(0);
  bool BeingCreated() const { return beingCreated_; }

  Byte GammaTable[256];
  Byte InverseGamma[256];

protected:
  Picture();
  void AssignTo(TPersistent* dest) const override;

  // Reports a refused operation: raises it, or nothing in a quiet class.
  void Refuse(int messageId, int zlibCode = 0) const {
    if constexpr (S::kRaisesErrors) S::Raise(messageId, zlibCode);
  }
  // The first chunk when it is the header, else nullptr.
  IHDR* HeaderChunk() const { return dynamic_cast<IHDR*>(chunks_->GetItem(0)); }
  // Builds a blank picture: header, palette for palette pictures, image data, end.
  // kInvalidSpec for a colour type and depth outside the standard, kInvalidNewSize
  // for a side below 1 or a picture too large.
  void BuildBlank(Cardinal colorType, Cardinal bitDepth, Integer width, Integer height);
  // Frees every chunk; the gamma tables go back to identity.
  void FreeChunks();
  // Reads signature and chunks into the (empty) list up to IEND.
  void ReadChunks(TStream& stream);
  template <class Id>
  void LoadFromResource(HINSTANCE instance, const Id& id);
  // Rows of picture row `row` (0 = top) in the bitmap, the extra and the alpha plane;
  // nullptr outside the picture or without the plane.
  Byte* ImageRow(int row) const;
  Byte* ExtraRow(int row) const;
  Byte* AlphaRow(int row) const;
  // Gives gray and RGB pictures an alpha plane (opaque), palette pictures an opaque
  // tRNS; gray below 8 bits and alpha pictures stay as they are.
  void AddAlphaChannel();
  void InitializeGamma() {
    IdentityGamma(GammaTable);
    IdentityGamma(InverseGamma);
  }

  std::unique_ptr<TCanvas> canvas_;  // owned; bound to the header's device context
  std::unique_ptr<typename S::List> chunks_;  // owned, with every chunk in it

private:
  Owner* Self() { return static_cast<Owner*>(this); }
  const Owner* Self() const { return static_cast<const Owner*>(this); }

  Integer maxIdatSize_ = 65535;
  bool beingCreated_ = false;
};

}  // namespace png
