#include "imaging/png/Filters.h"

#include <cstring>

namespace png {

namespace {

bool fastUnfilter = true;

// The Paeth predictor without branches on the pixel values, which a noisy picture
// mispredicts at almost every byte: the same choice as PaethPredictor, ties included.
inline std::uint8_t PaethSelect(int left, int up, int upperLeft) {
  const int pa = up > upperLeft ? up - upperLeft : upperLeft - up;
  const int pb = left > upperLeft ? left - upperLeft : upperLeft - left;
  const int sum = left + up - 2 * upperLeft;
  const int pc = sum < 0 ? -sum : sum;
  const int nearer = pb <= pc ? up : upperLeft;
  return std::uint8_t(pa <= (pb <= pc ? pb : pc) ? left : nearer);
}

}  // namespace

void SetFastUnfilter(bool enabled) { fastUnfilter = enabled; }

void UnfilterRow(std::uint8_t type, std::uint8_t* row, const std::uint8_t* previous, std::uint32_t rowBytes,
                 std::uint32_t offset) {
  const std::uint32_t first = offset < rowBytes ? offset : rowBytes;
  if (!fastUnfilter || (type != kFilterAverage && type != kFilterPaeth)) {
    UnfilterRowPlain(type, row, previous, rowBytes, offset);
  } else if (type == kFilterAverage) {
    for (std::uint32_t i = 0; i < first; ++i) row[i] = std::uint8_t(row[i] + (previous[i] >> 1));
    for (std::uint32_t i = first; i < rowBytes; ++i)
      row[i] = std::uint8_t(row[i] + ((row[i - offset] + previous[i]) >> 1));
  } else {
    for (std::uint32_t i = 0; i < first; ++i) row[i] = std::uint8_t(row[i] + previous[i]);
    for (std::uint32_t i = first; i < rowBytes; ++i)
      row[i] = std::uint8_t(row[i] + PaethSelect(row[i - offset], previous[i], previous[i - offset]));
  }
}

void UnfilterRowPlain(std::uint8_t type, std::uint8_t* row, const std::uint8_t* previous, std::uint32_t rowBytes,
                      std::uint32_t offset) {
  switch (type) {
    case kFilterSub:
      for (std::uint32_t i = offset; i < rowBytes; ++i) row[i] = std::uint8_t(row[i] + row[i - offset]);
      break;
    case kFilterUp:
      for (std::uint32_t i = 0; i < rowBytes; ++i) row[i] = std::uint8_t(row[i] + previous[i]);
      break;
    case kFilterAverage:
      for (std::uint32_t i = 0; i < rowBytes; ++i) {
        const int left = i >= offset ? row[i - offset] : 0;
        row[i] = std::uint8_t(row[i] + ((left + previous[i]) >> 1));
      }
      break;
    case kFilterPaeth:
      for (std::uint32_t i = 0; i < offset && i < rowBytes; ++i) row[i] = std::uint8_t(row[i] + previous[i]);
      for (std::uint32_t i = offset; i < rowBytes; ++i)
        row[i] = std::uint8_t(row[i] + PaethPredictor(row[i - offset], previous[i], previous[i - offset]));
      break;
    default: break;
  }
}

RowFilterer::RowFilterer(FilterSet filters, std::uint32_t rowBytes, std::uint32_t offset)
    : filters_(filters), rowBytes_(rowBytes), offset_(offset ? offset : 1) {
  previous_.assign(rowBytes, 0);
  filtered_[0].assign(rowBytes, 0);
  for (int t = 1; t < 5; ++t)
    if (filters_ & (1u << t)) filtered_[t].assign(rowBytes, 0);
}

void RowFilterer::StartPass(std::uint32_t rowBytes) {
  rowBytes_ = rowBytes;
  std::memset(previous_.data(), 0, previous_.size());
}

namespace {

// Positions 2.. whose byte equals one of the two bytes before it.
int RepeatScore(const std::uint8_t* bytes, std::uint32_t count) {
  int score = 0;
  for (std::uint32_t i = 2; i < count; ++i)
    if (bytes[i] == bytes[i - 1] || bytes[i] == bytes[i - 2]) ++score;
  return score;
}

}  // namespace

std::uint8_t RowFilterer::Filter(const std::uint8_t* raw, const std::uint8_t*& out) {
  const std::uint32_t n = rowBytes_;
  const std::uint8_t* up = previous_.data();
  for (std::uint32_t i = 0; i < n; ++i) {
    const int left = i >= offset_ ? raw[i - offset_] : 0;
    const int upperLeft = i >= offset_ ? up[i - offset_] : 0;
    if (filters_ & FilterBit(kFilterSub)) filtered_[1][i] = std::uint8_t(raw[i] - left);
    if (filters_ & FilterBit(kFilterUp)) filtered_[2][i] = std::uint8_t(raw[i] - up[i]);
    if (filters_ & FilterBit(kFilterAverage)) filtered_[3][i] = std::uint8_t(raw[i] - ((up[i] + left) >> 1));
    if (filters_ & FilterBit(kFilterPaeth))
      filtered_[4][i] = std::uint8_t(raw[i] - PaethPredictor(left, up[i], upperLeft));
  }
  std::memcpy(filtered_[0].data(), raw, n);
  std::memcpy(previous_.data(), raw, n);

  std::uint8_t choice = kFilterNone;
  const FilterSet enabled = filters_ & 0x1F;
  if (enabled != 0 && enabled != FilterBit(kFilterNone)) {
    int best = 0;
    for (int t = 0; t < 5; ++t) {
      if (!(enabled & (1u << t))) continue;
      if (enabled == (1u << t)) {
        choice = std::uint8_t(t);
        break;
      }
      const int score = RepeatScore(filtered_[t].data(), n);
      if (score > best) {
        best = score;
        choice = std::uint8_t(t);
      }
    }
  }
  out = filtered_[choice].data();
  return choice;
}

}  // namespace png
