#include "imaging/png/Filters.h"

#include <emmintrin.h>

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

// Sums each byte with the bytes Shift, 2 Shift, ... before it in the vector: the Sub
// filter undone inside 16 bytes for pixels of Shift bytes.
template <int Shift>
inline __m128i PrefixSum(__m128i x) {
  x = _mm_add_epi8(x, _mm_slli_si128(x, Shift));
  if constexpr (Shift * 2 < 16) return PrefixSum<Shift * 2>(x);
  return x;
}

// The last pixel of `x` (Bytes bytes) repeated over the whole vector.
template <int Bytes>
inline __m128i LastPixel(__m128i x) {
  if constexpr (Bytes == 8) return _mm_unpackhi_epi64(x, x);
  if constexpr (Bytes == 4) return _mm_shuffle_epi32(x, 0xFF);
  if constexpr (Bytes == 1) x = _mm_unpackhi_epi8(x, x);
  return _mm_shuffle_epi32(_mm_shufflehi_epi16(x, 0xFF), 0xFF);
}

// The Sub filter undone 16 bytes at a time: each byte depends on the one a pixel
// before it, a chain of additions the plain loop runs one byte after another.
template <int Bytes>
void UnfilterSubPacked(std::uint8_t* row, std::uint32_t rowBytes) {
  __m128i left = _mm_setzero_si128();
  std::uint32_t i = 0;
  for (; i + 16 <= rowBytes; i += 16) {
    __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
    x = _mm_add_epi8(PrefixSum<Bytes>(x), left);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), x);
    left = LastPixel<Bytes>(x);
  }
  for (; i < rowBytes; ++i) row[i] = std::uint8_t(row[i] + (i >= Bytes ? row[i - Bytes] : 0));
}

// False for pixel sizes that do not divide 16 bytes, which the plain loop takes.
bool UnfilterSubFast(std::uint8_t* row, std::uint32_t rowBytes, std::uint32_t offset) {
  switch (offset) {
    case 1: UnfilterSubPacked<1>(row, rowBytes); return true;
    case 2: UnfilterSubPacked<2>(row, rowBytes); return true;
    case 4: UnfilterSubPacked<4>(row, rowBytes); return true;
    case 8: UnfilterSubPacked<8>(row, rowBytes); return true;
    default: return false;
  }
}

}  // namespace

void SetFastUnfilter(bool enabled) { fastUnfilter = enabled; }

void UnfilterRow(std::uint8_t type, std::uint8_t* row, const std::uint8_t* previous, std::uint32_t rowBytes,
                 std::uint32_t offset) {
  if (fastUnfilter && type == kFilterSub && UnfilterSubFast(row, rowBytes, offset)) return;
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
