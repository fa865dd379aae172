#include "imaging/sppngimage.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "imaging/png/ChunkIO.h"
#include "imaging/png/Messages.h"
#include "imaging/png/PictureImpl.h"

using namespace png;

PNG_INSTANTIATE_CHUNK_MODEL(TspPngLayerSet);
template class png::Picture<TspPngLayerSet>;

namespace {

using Registry = ChunkRegistry<TspPngLayerSet>;

const struct Startup {
  Startup() { Registry::RegisterStandard(); }
} startup;

}  // namespace

void RegisterPngLayer(const String& name, TspPngLayerFactory factory) { Registry::Register(name, factory); }

// ---------------------------------------------------------------------------
// The picture

void TspPngImage::LoadFromStream(TStream& stream) {
  ClearPngLayers();
  try {
    ReadChunks(stream);
  } catch (const Failure&) {
    // Loading ends here with the chunks read so far.
  } catch (const Exception&) {
  }
  // A header whose picture could not be built leaves nothing to draw or write, and
  // image data short by more than its last row leaves no partial picture.
  if (chunks_->Count() > 0 &&
      (!HeaderPresent() || !Header()->Store().Ready() || Header()->Store().MissingRows() > 1))
    ClearPngLayers();
  Changed(this);
}

void TspPngImage::ReadData(TStream& stream) {
  Byte prefix[4] = {};
  if (stream.Read(prefix, 4) != 4) {
    ClearPngLayers();
    Changed(this);
    return;
  }
  const Cardinal length = Cardinal(prefix[0]) | (Cardinal(prefix[1]) << 8) | (Cardinal(prefix[2]) << 16) |
                          (Cardinal(prefix[3]) << 24);
  const Int64 size = std::min<Int64>(length, Remaining(stream));
  // The picture reads only its own bytes; the definition goes on after them.
  TMemoryStream bytes;
  if (size > 0) bytes.CopyFrom(stream, size);
  bytes.SetPosition(0);
  LoadFromStream(bytes);
}

void TspPngImage::WriteData(TStream& stream) {
  TMemoryStream bytes;
  SaveToStream(bytes);
  const Cardinal length = Cardinal(bytes.Size());
  const Byte prefix[4] = {Byte(length), Byte(length >> 8), Byte(length >> 16), Byte(length >> 24)};
  stream.WriteBuffer(prefix, 4);
  if (length) stream.WriteBuffer(bytes.Memory(), length);
}
