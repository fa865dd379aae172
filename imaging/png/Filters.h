// The five PNG row filters: undoing them when reading, and choosing and applying
// one when writing.
#pragma once

#include <cstdint>
#include <vector>

namespace png {

enum FilterType : std::uint8_t { kFilterNone = 0, kFilterSub = 1, kFilterUp = 2, kFilterAverage = 3, kFilterPaeth = 4 };

// Bit set of filters a writer may use: bit n stands for filter type n.
using FilterSet = unsigned;
constexpr FilterSet FilterBit(FilterType type) { return 1u << type; }

// The Paeth predictor of the PNG standard (ties: left, then up, then upper left).
inline std::uint8_t PaethPredictor(int left, int up, int upperLeft) {
  const int p = left + up - upperLeft;
  const int pa = p > left ? p - left : left - p;
  const int pb = p > up ? p - up : up - p;
  const int pc = p > upperLeft ? p - upperLeft : upperLeft - p;
  if (pa <= pb && pa <= pc) return std::uint8_t(left);
  if (pb <= pc) return std::uint8_t(up);
  return std::uint8_t(upperLeft);
}

// Undoes `type` on `row` (rowBytes bytes) given the previous unfiltered row; an
// unknown type leaves the row as read. `offset` is the bytes per pixel (at least 1).
void UnfilterRow(std::uint8_t type, std::uint8_t* row, const std::uint8_t* previous, std::uint32_t rowBytes,
                 std::uint32_t offset);
// The plain version UnfilterRow's fast paths must match byte for byte.
void UnfilterRowPlain(std::uint8_t type, std::uint8_t* row, const std::uint8_t* previous, std::uint32_t rowBytes,
                      std::uint32_t offset);
// Turns UnfilterRow's fast paths off (they are on), so it runs the plain version.
void SetFastUnfilter(bool enabled);

// Chooses and applies a filter for each row a writer produces.
class RowFilterer {
public:
  RowFilterer(FilterSet filters, std::uint32_t rowBytes, std::uint32_t offset);
  // Starts a pass: the previous row becomes zero, rows are `rowBytes` long.
  void StartPass(std::uint32_t rowBytes);
  // Filters `raw`; returns the chosen type and points `out` at the filtered bytes.
  std::uint8_t Filter(const std::uint8_t* raw, const std::uint8_t*& out);

private:
  FilterSet filters_;
  std::uint32_t rowBytes_;
  std::uint32_t offset_;
  std::vector<std::uint8_t> previous_;
  std::vector<std::uint8_t> filtered_[5];  // by filter type; 0 is the unfiltered row
};

}  // namespace png
