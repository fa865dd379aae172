#include "imaging/png/Zlib.h"

#include <zlib.h>

namespace png {

bool InflateWhole(const std::uint8_t* data, std::size_t size, String& out, std::size_t limit) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return false;
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = uInt(size);
  String result;
  char buffer[256];
  int rc = Z_OK;
  bool ok = false;
  for (;;) {
    z.next_out = reinterpret_cast<Bytef*>(buffer);
    z.avail_out = sizeof(buffer);
    rc = inflate(&z, Z_NO_FLUSH);
    const std::size_t produced = sizeof(buffer) - z.avail_out;
    if (rc < 0 && rc != Z_BUF_ERROR) break;
    if (result.size() + produced > limit) break;
    result.append(buffer, produced);
    if (rc == Z_STREAM_END) {
      ok = true;
      break;
    }
    if (produced == 0) break;  // no progress: the input ended before the stream did
  }
  inflateEnd(&z);
  if (ok) out.swap(result);
  return ok;
}

bool DeflateWhole(const std::uint8_t* data, std::size_t size, int level, String& out) {
  z_stream z{};
  if (deflateInit(&z, level) != Z_OK) return false;
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = uInt(size);
  String result;
  char buffer[256];
  bool ok = false;
  for (;;) {
    z.next_out = reinterpret_cast<Bytef*>(buffer);
    z.avail_out = sizeof(buffer);
    const int rc = deflate(&z, Z_FINISH);
    if (rc < 0 && rc != Z_BUF_ERROR) break;
    result.append(buffer, sizeof(buffer) - z.avail_out);
    if (rc == Z_STREAM_END) {
      ok = true;
      break;
    }
  }
  deflateEnd(&z);
  if (ok) out.swap(result);
  return ok;
}

}  // namespace png
