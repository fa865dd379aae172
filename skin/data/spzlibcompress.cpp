#include "skin/data/spzlibcompress.h"

#include <algorithm>

namespace {

const char kInvalidOperation[] = "Invalid stream operation";

int ZlibLevel(TCompressionLevel level) {
  switch (level) {
    case TCompressionLevel::clNone: return 0;
    case TCompressionLevel::clFastest: return 1;
    case TCompressionLevel::clMax: return 9;
    default: return Z_DEFAULT_COMPRESSION;
  }
}

}  // namespace

TCustomZlibStream::TCustomZlibStream(TStream& base) : BaseStream(base), BasePos(base.Position()) {}

// ---- compression ----

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& destination)
    : TCustomZlibStream(destination) {
  if (deflateInit(&Zip, ZlibLevel(level)) != Z_OK) throw ECompressionError("error");
  Zip.next_out = Buffer;
  Zip.avail_out = sizeof Buffer;
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (...) {
  }
  deflateEnd(&Zip);
}

Int64 TCompressionStream::Read(void*, Int64) { throw ECompressionError(kInvalidOperation); }

void TCompressionStream::FlushBuffer(bool whole) {
  size_t size = whole ? sizeof Buffer : sizeof Buffer - Zip.avail_out;
  if (BaseStream.Position() != BasePos) BaseStream.SetPosition(BasePos);
  if (size > 0) BaseStream.WriteBuffer(Buffer, static_cast<Int64>(size));
  BasePos = BaseStream.Position();
  Zip.next_out = Buffer;
  Zip.avail_out = sizeof Buffer;
  Progress();
}

Int64 TCompressionStream::Write(const void* buffer, Int64 count) {
  if (finished_) throw ECompressionError(kInvalidOperation);
  const Byte* in = static_cast<const Byte*>(buffer);
  Int64 left = count;
  while (left > 0) {
    uInt chunk = static_cast<uInt>(std::min<Int64>(left, 1 << 30));
    Zip.next_in = const_cast<Byte*>(in);
    Zip.avail_in = chunk;
    while (Zip.avail_in > 0) {
      if (deflate(&Zip, Z_NO_FLUSH) < 0) throw ECompressionError("error");
      if (Zip.avail_out == 0) FlushBuffer(true);
    }
    in += chunk;
    left -= chunk;
  }
  return count;
}

void TCompressionStream::Finish() {
  if (finished_) return;
  finished_ = true;
  Zip.next_in = nullptr;
  Zip.avail_in = 0;
  for (;;) {
    int result = deflate(&Zip, Z_FINISH);
    if (result < 0 && result != Z_BUF_ERROR) throw ECompressionError("error");
    if (Zip.avail_out != 0 || result == Z_STREAM_END) break;
    FlushBuffer(true);
  }
  if (Zip.avail_out < sizeof Buffer) FlushBuffer(false);
}

Int64 TCompressionStream::Seek(Int64 offset, TSeekOrigin origin) {
  if (offset == 0 && origin == soCurrent) return static_cast<Int64>(Zip.total_in);
  throw ECompressionError(kInvalidOperation);
}

double TCompressionStream::GetCompressionRate() const {
  if (Zip.total_in == 0) return 0;
  return (1.0 - double(Zip.total_out) / double(Zip.total_in)) * 100.0;
}

// ---- decompression ----

TDecompressionStream::TDecompressionStream(TStream& source) : TCustomZlibStream(source), start_(BasePos) {
  if (inflateInit(&Zip) != Z_OK) throw EDecompressionError("compression error");
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&Zip); }

Int64 TDecompressionStream::Read(void* buffer, Int64 count) {
  if (ended_ || count <= 0) return 0;
  if (BaseStream.Position() != BasePos) BaseStream.SetPosition(BasePos);
  Zip.next_out = static_cast<Byte*>(buffer);
  Zip.avail_out = static_cast<uInt>(std::min<Int64>(count, 1 << 30));
  uInt asked = Zip.avail_out;
  while (Zip.avail_out > 0) {
    if (Zip.avail_in == 0) {
      Int64 n = BaseStream.Read(Buffer, sizeof Buffer);
      if (n <= 0) throw EDecompressionError("compression error: the data ends before the stream does");
      BasePos = BaseStream.Position();
      Progress();
      Zip.next_in = Buffer;
      Zip.avail_in = static_cast<uInt>(n);
    }
    int result = inflate(&Zip, Z_NO_FLUSH);
    if (result == Z_STREAM_END) {
      ended_ = true;
      break;
    }
    if (result != Z_OK) throw EDecompressionError("compression error");
  }
  Int64 got = asked - Zip.avail_out;
  delivered_ += got;
  return got;
}

Int64 TDecompressionStream::Write(const void*, Int64) { throw EDecompressionError(kInvalidOperation); }

void TDecompressionStream::Skip(Int64 count) {
  Byte scrap[4096];
  while (count > 0) {
    Int64 got = Read(scrap, std::min<Int64>(count, sizeof scrap));
    if (got == 0) break;
    count -= got;
  }
}

Int64 TDecompressionStream::Seek(Int64 offset, TSeekOrigin origin) {
  if (offset == 0 && origin == soBeginning) {
    if (inflateReset(&Zip) != Z_OK) throw EDecompressionError("compression error");
    Zip.next_in = Buffer;
    Zip.avail_in = 0;
    BasePos = start_;
    BaseStream.SetPosition(start_);
    delivered_ = 0;
    ended_ = false;
  } else if (origin == soCurrent && offset >= 0) {
    Skip(offset);
  } else if (origin == soBeginning && offset > delivered_) {
    Skip(offset - delivered_);
  } else if (!(origin == soBeginning && offset == delivered_)) {
    throw EDecompressionError(kInvalidOperation);
  }
  return delivered_;
}

// ---- whole streams ----

void CompressStream(TStream& source, TStream& destination) {
  TCompressionStream compressor(TCompressionLevel::clMax, destination);
  source.SetPosition(0);
  Byte block[4096];
  for (;;) {
    Int64 n = source.Read(block, sizeof block);
    if (n <= 0) break;
    compressor.WriteBuffer(block, n);
  }
  compressor.Finish();
}

void DeCompressStream(TStream& destination, TStream& source, Int64 maxBytes) {
  source.SetPosition(0);
  TDecompressionStream expander(source);
  Byte block[4096];
  Int64 total = 0;
  for (;;) {
    Int64 n = expander.Read(block, sizeof block);
    if (n == 0) break;
    total += n;
    if (total > maxBytes) throw EDecompressionError("compression error: the data expands past its limit");
    destination.WriteBuffer(block, n);
  }
}
