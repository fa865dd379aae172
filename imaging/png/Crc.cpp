#include "imaging/png/Crc.h"

#include <zlib.h>

#include <algorithm>

namespace {

struct CrcTable {
  std::uint32_t entries[256];
  CrcTable() {
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entries[n] = c;
    }
  }
};

const std::uint32_t* Table() {
  static const CrcTable table;  // built on the first call, shared by the process
  return table.entries;
}

}  // namespace

std::uint32_t update_crc(std::uint32_t crc, const void* buffer, std::size_t length) {
  // zlib inverts the register before and after; the PNG register is kept as it is.
  uLong sum = ~crc & 0xFFFFFFFFu;
  const auto* p = static_cast<const Bytef*>(buffer);
  while (length > 0) {
    const uInt piece = uInt(std::min<std::size_t>(length, 1u << 30));
    sum = crc32(sum, p, piece);
    p += piece;
    length -= piece;
  }
  return ~std::uint32_t(sum);
}

std::uint32_t png::UpdateCrcReference(std::uint32_t crc, const void* buffer, std::size_t length) {
  const std::uint32_t* table = Table();
  const auto* p = static_cast<const std::uint8_t*>(buffer);
  for (std::size_t i = 0; i < length; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}

std::uint32_t png::ChunkCrc(const char* name, const void* data, std::size_t size) {
  return ~update_crc(update_crc(0xFFFFFFFFu, name, 4), data, size);
}
