#include "imaging/png/Gamma.h"

#include <cmath>

namespace png {

void IdentityGamma(std::uint8_t* table) {
  for (int i = 0; i < 256; ++i) table[i] = std::uint8_t(i);
}

void BuildGamma(std::uint32_t value, std::uint8_t* gamma, std::uint8_t* inverse) {
  if (value == 0) return;
  const double exponent = 1.0 / ((value / 100000.0) * 2.2);
  for (int i = 0; i < 256; ++i) {
    const double base = i / 255.0;
    double power = 1.0;
    if (exponent != 0) power = base == 0 ? 0.0 : std::pow(base, exponent);
    double g = std::nearbyint(power * 255.0);
    if (g < 0) g = 0;
    if (g > 255) g = 255;
    gamma[i] = std::uint8_t(g);
    inverse[std::uint8_t(g)] = std::uint8_t(i);
  }
}

}  // namespace png
