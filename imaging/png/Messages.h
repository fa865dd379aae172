// The PNG codec's failures: message ids with their texts, and the internal failure
// the shared code throws, which each picture class turns into its own report.
#pragma once

#include "platform/core/System.h"

namespace png {

enum MessageId : int {
  kNoImageData = 65504,
  kExistentCriticalChunk = 65505,
  kInvalidImageForChunk = 65506,
  kCouldNotLoadResource = 65507,
  kOutOfMemory = 65508,
  kCannotChangeTransparent = 65509,
  kHeaderNotPresent = 65510,
  kInvalidNewSize = 65511,
  kInvalidSpec = 65512,
  kInvalidCrc = 65520,
  kInvalidIhdr = 65521,
  kMissingMultipleIdat = 65522,
  kZlibError = 65523,
  kInvalidPalette = 65524,
  kInvalidFileHeader = 65525,
  kIhdrNotFirst = 65526,
  kNotExists = 65527,
  kSizeExceeds = 65528,
  kNoPaletteEntry = 65529,
  kMissingPalette = 65530,
  kUnknownCriticalChunk = 65531,
  kUnknownCompression = 65532,
  kUnknownInterlace = 65533,
  kIncompatibleChunks = 65534,
  kUnexpectedEnd = 65535,
};

// The text of a message id; the empty text for an unknown id.
String MessageText(int id);
// zlib's result as the codec words it: "data error (-3)".
String ZlibResultText(int code);

// Thrown by the shared code; `zlibCode` is set for kZlibError.
struct Failure {
  int id;
  int zlibCode = 0;
  // The full message: the id's text, with the zlib text for kZlibError.
  String Text() const;
};

[[noreturn]] inline void Fail(int id, int zlibCode = 0) { throw Failure{id, zlibCode}; }

}  // namespace png
