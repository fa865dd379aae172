// TIcon: a Windows icon loaded from an ICO file (the entry nearest the system
// icon size) and drawn with its mask.
#pragma once

#include <vector>

#include "platform/graphics/Graphic.h"

class TIcon : public TGraphic {
public:
  TIcon();
  ~TIcon() override;

  void Draw(TCanvas* canvas, const TRect& rect) override;
  bool Empty() const override { return icon_ == nullptr; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // An icon's size comes from its picture: EInvalidGraphicOperation.
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  bool Transparent() const override { return true; }

  // An ICO file; a malformed one raises EInvalidGraphic and changes nothing.
  void LoadFromStream(TStream& stream) override;
  // Writes the ICO file the icon was loaded from, or one made from the handle.
  void SaveToStream(TStream& stream) override;

  HICON Handle() const { return icon_; }
  // Takes the icon (owned).
  void SetHandle(HICON icon);
  HICON ReleaseHandle();

  void Assign(const TPersistent* source) override;

private:
  void Take(HICON icon, std::vector<Byte> data);
  std::vector<Byte> FileFromHandle() const;

  HICON icon_ = nullptr;   // owned
  int width_ = 0;
  int height_ = 0;
  std::vector<Byte> data_;  // the ICO file, when the icon came from one
};
