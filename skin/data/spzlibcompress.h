// zlib streams: TCompressionStream deflates what is written to it onto another
// stream; TDecompressionStream inflates another stream as it is read. Data moves
// in 4096-byte blocks. Malformed or truncated data raises EDecompressionError.
#pragma once

#include <zlib.h>

#include "platform/Events.h"
#include "platform/Streams.h"

VARNEL_EXCEPTION(EZlibError, Exception);
VARNEL_EXCEPTION(ECompressionError, EZlibError);
VARNEL_EXCEPTION(EDecompressionError, EZlibError);

// Scoped: the colour constants clNone and clDefault share the names.
enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

// The most bytes DeCompressStream expands by default.
constexpr Int64 kMaxExpandedBytes = Int64(256) << 20;

class TCustomZlibStream : public TStream {
public:
  TNotifyEvent OnProgress;  // after each 4096-byte block

protected:
  explicit TCustomZlibStream(TStream& base);
  void Progress() {
    if (OnProgress) OnProgress(this);
  }

  TStream& BaseStream;  // borrowed
  Int64 BasePos;        // where this stream continues in BaseStream
  z_stream Zip{};
  Byte Buffer[4096];
};

class TCompressionStream : public TCustomZlibStream {
public:
  TCompressionStream(TCompressionLevel level, TStream& destination);
  ~TCompressionStream() override;  // finishes quietly when Finish was not called

  Int64 Read(void* buffer, Int64 count) override;  // ECompressionError
  Int64 Write(const void* buffer, Int64 count) override;
  // Seek(0, soCurrent) gives the bytes taken in; any other seek raises.
  Int64 Seek(Int64 offset, TSeekOrigin origin) override;
  // Ends the zlib stream and writes what is left.
  void Finish();
  double GetCompressionRate() const;  // percent saved

private:
  void FlushBuffer(bool whole);
  bool finished_ = false;
};

class TDecompressionStream : public TCustomZlibStream {
public:
  explicit TDecompressionStream(TStream& source);
  ~TDecompressionStream() override;

  // Stops at the end of the zlib stream; input that ends before it raises.
  Int64 Read(void* buffer, Int64 count) override;
  Int64 Write(const void* buffer, Int64 count) override;  // EDecompressionError
  // To 0 from the beginning (restart) or forwards; the result is the bytes delivered.
  Int64 Seek(Int64 offset, TSeekOrigin origin) override;

private:
  void Skip(Int64 count);
  Int64 start_;
  Int64 delivered_ = 0;
  bool ended_ = false;
};

// Deflates the whole of `source` at level 9 onto `destination`.
void CompressStream(TStream& source, TStream& destination);
// Inflates the whole of `source` onto `destination`; more than `maxBytes` raises.
void DeCompressStream(TStream& destination, TStream& source, Int64 maxBytes = kMaxExpandedBytes);
