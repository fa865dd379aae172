// Runs a test once with the plain and once with the packed routine bindings of the
// bitmap library, restoring the start-up binding afterwards.
#pragma once

#include <gtest/gtest.h>

#include "imaging/GR32.h"
#include "imaging/GR32_Blend.h"
#include "imaging/GR32_MicroTiles.h"
#include "imaging/GR32_Resamplers.h"
#include "imaging/GR32_System.h"

inline void BindAll(bool packed) {
  BindBlendFunctions(packed, packed);
  BindInterpolator(packed);
  BindResamplerFunctions(packed);
  BindMicroTilesFunctions(packed);
}

class GR32Binding : public ::testing::TestWithParam<bool> {
protected:
  void SetUp() override { BindAll(GetParam()); }
  void TearDown() override {
    BindAll(HasMMX());
    BindMicroTilesFunctions(HasEMMX());
  }
  bool Packed() const { return GetParam(); }
};

#define GR32_BOTH_BINDINGS(Suite)                                                            \
  INSTANTIATE_TEST_SUITE_P(Bindings, Suite, ::testing::Values(false, true),                  \
                           [](const ::testing::TestParamInfo<bool>& info) {                  \
                             return std::string(info.param ? "Packed" : "Plain");             \
                           })

// Channel c (0 blue .. 3 alpha) of a colour.
inline int Ch(TColor32 color, int c) { return int(color >> (8 * c) & 0xFF); }
inline TColor32 FromChannels(const int v[4]) {
  return TColor32(v[0] & 0xFF) | TColor32(v[1] & 0xFF) << 8 | TColor32(v[2] & 0xFF) << 16 |
         TColor32(v[3] & 0xFF) << 24;
}
