// A 24-bit top-down DIB section with direct row access: the working picture of
// the mask scanner and of the effect bitmap. Pixel x of a row is three bytes at
// 3 * x: blue, green, red; rows are padded to 4 bytes.
#pragma once

#include "platform/System.h"
#include "platform/WinApi.h"

class TspDib24 {
public:
  // Pixels uninitialised; an empty picture for a size that is not positive or
  // whose pixel store would be too large.
  TspDib24(Integer width, Integer height);
  // A copy of the bitmap's pixels (GetDIBits); empty when the handle is not a bitmap.
  explicit TspDib24(HBITMAP source);
  TspDib24(const TspDib24& other);
  TspDib24& operator=(const TspDib24&) = delete;
  ~TspDib24();

  Integer Width() const { return width_; }
  Integer Height() const { return height_; }
  Integer RowLength() const { return rowLength_; }
  Int64 Size() const { return Int64(rowLength_) * height_; }
  bool Empty() const { return bits_ == nullptr; }
  Byte* Bits() const { return bits_; }
  Byte* Row(Integer y) const { return bits_ + Int64(y) * rowLength_; }
  HBITMAP Section() const { return section_; }
  const BITMAPINFO& Info() const { return info_; }

private:
  void Create(Integer width, Integer height);

  HBITMAP section_ = nullptr;  // owned
  Byte* bits_ = nullptr;       // the section's pixels
  Integer width_ = 0;
  Integer height_ = 0;
  Integer rowLength_ = 0;
  BITMAPINFO info_ = {};
};
