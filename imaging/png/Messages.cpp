#include "imaging/png/Messages.h"

namespace png {

namespace {

struct MessageRow {
  int id;
  const char* text;
};

const MessageRow kMessages[] = {
    {kNoImageData, "This \"Portable Network Graphics\" image contains no data."},
    {kExistentCriticalChunk,
     "The program tried to add a existent critical chunk to the current image which is not allowed."},
    {kInvalidImageForChunk, "It's not allowed to add a new chunk because the current image is invalid."},
    {kCouldNotLoadResource, "The png image could not be loaded from the resource ID."},
    {kOutOfMemory,
     "Some operation could not be performed because the system is out of resources. Close some windows and "
     "try again."},
    {kCannotChangeTransparent,
     "Setting bit transparency color is not allowed for png images containing alpha value for each pixel "
     "(COLOR_RGBALPHA and COLOR_GRAYSCALEALPHA)"},
    {kHeaderNotPresent, "This operation is not valid because the current image contains no valid header."},
    {kInvalidNewSize, "The new size provided for image resizing is invalid."},
    {kInvalidSpec,
     "The \"Portable Network Graphics\" could not be created because invalid image type parameters have being "
     "provided."},
    {kInvalidCrc,
     "This \"Portable Network Graphics\" image is not valid because it contains invalid pieces of data (crc "
     "error)"},
    {kInvalidIhdr,
     "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data (ihdr) "
     "might be corrupted"},
    {kMissingMultipleIdat, "This \"Portable Network Graphics\" image is invalid because it has missing image parts."},
    {kZlibError, "Could not decompress the image because it contains invalid compressed data."},
    {kInvalidPalette, "The \"Portable Network Graphics\" image contains an invalid palette."},
    {kInvalidFileHeader,
     "The file being readed is not a valid \"Portable Network Graphics\" image because it contains an invalid "
     "header. This file may be corruped, try obtaining it again."},
    {kIhdrNotFirst,
     "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n(IHDR chunk is not "
     "the first)"},
    {kNotExists, "The png file could not be loaded because it does not exists."},
    {kSizeExceeds,
     "This \"Portable Network Graphics\" image is not supported because either it's width or height exceeds the "
     "maximum size, which is 65535 pixels length."},
    {kNoPaletteEntry, "There is no such palette entry."},
    {kMissingPalette,
     "This \"Portable Network Graphics\" could not be loaded because it uses a color table which is missing."},
    {kUnknownCriticalChunk,
     "This \"Portable Network Graphics\" image contains an unknown critical part which could not be decoded."},
    {kUnknownCompression,
     "This \"Portable Network Graphics\" image is encoded with an unknown compression scheme which could not be "
     "decoded."},
    {kUnknownInterlace,
     "This \"Portable Network Graphics\" image uses an unknown interlace scheme which could not be decoded."},
    {kIncompatibleChunks, "The chunks must be compatible to be assigned."},
    {kUnexpectedEnd,
     "This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected end of the "
     "file."},
};

}  // namespace

String MessageText(int id) {
  for (const MessageRow& row : kMessages)
    if (row.id == id) return row.text;
  return String();
}

String ZlibResultText(int code) {
  switch (code) {
    case -1: return "file error (-1)";
    case -2: return "stream error (-2)";
    case -3: return "data error (-3)";
    case -4: return "insufficient memory (-4)";
    case -5: return "buffer error (-5)";
    case -6: return "incompatible version (-6)";
    default: return String();
  }
}

String Failure::Text() const {
  String text = MessageText(id);
  if (id == kZlibError) text += "\r\n Description: " + ZlibResultText(zlibCode);
  return text;
}

}  // namespace png
