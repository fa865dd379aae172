#include "platform/graphics/ImageSize.h"

#include <limits>

Int64 CheckedProduct(Int64 a, Int64 b) {
  if (a < 0 || b < 0) return -1;
  if (a != 0 && b > std::numeric_limits<Int64>::max() / a) return -1;
  return a * b;
}

String ImageSizeProblem(Int64 width, Int64 height, Int64 bytes, Int64 pixelsPerByte, const ImageLimits& limits) {
  Int64 pixels = CheckedProduct(width, height);
  if (pixels < 0 || pixels > limits.MaxPixels) return "the image is too large";
  Int64 held = CheckedProduct(bytes, pixelsPerByte);
  if (held >= 0 && pixels > held) return "the data is too short for the image";
  return String();
}
