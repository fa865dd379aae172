// A 24-bit top-down device-independent picture with direct row access: the
// working picture of the mask scanner and of the effect bitmap. Pixel x of a row
// is three bytes at 3 * x: blue, green, red; rows are padded to 4 bytes. The
// pixels live in ordinary memory (GDI reads and writes them through Info), and
// the memory of pictures that went is reused, so a picture made per paint or
// animation step does not wait for fresh pages from the system.
#pragma once

#include <vector>

#include "platform/core/System.h"
#include "platform/core/WinApi.h"

class TspDib24 {
public:
  // Pixels zeroed when new; an empty picture for a size that is not positive or whose
  // pixel store would be too large.
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
  bool Empty() const { return pixels_.empty(); }
  Byte* Bits() { return pixels_.data(); }
  const Byte* Bits() const { return pixels_.data(); }
  Byte* Row(Integer y) { return pixels_.data() + Int64(y) * rowLength_; }
  const Byte* Row(Integer y) const { return pixels_.data() + Int64(y) * rowLength_; }
  // The header GDI reads the pixels with (top-down, 24 bits).
  const BITMAPINFO& Info() const { return info_; }

  // Copies the part (srcX, srcY, w, h) to (x, y) of a device context.
  void DrawPart(HDC dc, Integer x, Integer y, Integer srcX, Integer srcY, Integer w, Integer h) const;

  // Takes the bitmap's size and pixels, reusing this picture's memory; false (and
  // an empty picture) when the handle is not a bitmap or is too large.
  bool Read(HBITMAP source);

private:
  bool Create(Integer width, Integer height, bool zeroed);

  std::vector<Byte> pixels_;
  Integer width_ = 0;
  Integer height_ = 0;
  Integer rowLength_ = 0;
  BITMAPINFO info_ = {};
};

// Row length of a 24-bit picture: the smallest multiple of 4 not below width * 3.
inline Int64 Dib24RowLength(Integer width) { return (Int64(width) * 3 + 3) / 4 * 4; }
