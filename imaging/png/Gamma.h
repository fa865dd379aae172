// The gamma tables a gAMA chunk builds: the reading table and its inverse.
#pragma once

#include <cstdint>

namespace png {

void IdentityGamma(std::uint8_t* table);
// For i in 0..255: g = Round(Power(i / 255, 1 / (value / 100000 * 2.2)) * 255),
// gamma[i] = g and inverse[g] = i. A value of 0 changes nothing.
void BuildGamma(std::uint32_t value, std::uint8_t* gamma, std::uint8_t* inverse);

}  // namespace png
