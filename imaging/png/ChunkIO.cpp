#include "imaging/png/ChunkIO.h"

#include "imaging/png/ByteOrder.h"
#include "imaging/png/Crc.h"

namespace png {

void WriteChunk(TStream& stream, const char* name, const std::uint8_t* data, std::uint32_t size) {
  std::uint8_t frame[8];
  WriteBE32(frame, size);
  for (int i = 0; i < 4; ++i) frame[4 + i] = std::uint8_t(name[i]);
  stream.WriteBuffer(frame, 8);
  if (size) stream.WriteBuffer(data, size);
  std::uint8_t crc[4];
  WriteBE32(crc, ChunkCrc(name, data, size));
  stream.WriteBuffer(crc, 4);
}

std::int64_t Remaining(TStream& stream) {
  const std::int64_t left = stream.Size() - stream.Position();
  return left > 0 ? left : 0;
}

bool ReadBE32(TStream& stream, std::uint32_t& value) {
  std::uint8_t b[4];
  if (stream.Read(b, 4) != 4) return false;
  value = png::ReadBE32(b);
  return true;
}

bool ReadChunkData(TStream& stream, const char* name, std::uint32_t size, std::vector<std::uint8_t>& data) {
  if (std::int64_t(size) > Remaining(stream)) {
    stream.Seek(0, soEnd);
    data.clear();
    return false;
  }
  data.resize(size);
  if (size && stream.Read(data.data(), size) != size) return false;
  std::uint32_t stored = 0;
  if (!ReadBE32(stream, stored)) return false;
  return stored == ChunkCrc(name, data.data(), size);
}

}  // namespace png
