// The frame sizes of one output file of a conversion: the source, the source
// unsqueezed to its display aspect, the box the picture must fill, and the output.
#pragma once

#include <cstdint>

struct ConversionSizes {
  std::int32_t SourceWidth = 0, SourceHeight = 0;
  std::int32_t UnsqueezedWidth = 0, UnsqueezedHeight = 0;
  std::int32_t BoxWidth = 0, BoxHeight = 0;
  std::int32_t OutputWidth = 0, OutputHeight = 0;
  double Ratio = 0;  // output height / unsqueezed height
  // False when the crops leave no picture or a size came out 0: nothing is encoded.
  bool Usable = false;
};

struct ConversionCrop {
  std::int32_t Left = 0, Right = 0, Top = 0, Bottom = 0;
};

// `profileWidth`/`profileHeight` 0 take the size from the source; without a video
// profile the box is 320 x 240.
ConversionSizes ComputeConversionSizes(std::int32_t sourceWidth, std::int32_t sourceHeight, double aspect,
                                       bool unsqueeze, const ConversionCrop& crop, bool hasProfile,
                                       std::int32_t profileWidth, std::int32_t profileHeight);
