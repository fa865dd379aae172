// The size checks a picture decoder makes before it allocates: sizes a header
// claims multiplied without overflow, a pixel limit given as a parameter, and the
// pixels the bytes really present can hold at the format's best compression.
#pragma once

#include "platform/core/System.h"

struct ImageLimits {
  Int64 MaxPixels = Int64(64) << 20;  // about 64 megapixels
};

// a x b, or -1 when either is negative or the product passes what an Int64 holds.
Int64 CheckedProduct(Int64 a, Int64 b);

// Why `width` x `height` pixels cannot be decoded from `bytes` bytes that hold at
// most `pixelsPerByte` pixels each; empty when they can.
String ImageSizeProblem(Int64 width, Int64 height, Int64 bytes, Int64 pixelsPerByte,
                        const ImageLimits& limits = ImageLimits());
