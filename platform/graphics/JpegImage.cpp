#include "platform/graphics/JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageSize.h"

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it jumps
// back to the decoder with the message. No C++ object with a destructor lives in
// the frames it jumps over.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// Warnings pass, except those that mean the data ended early: a truncated
// picture is refused rather than shown with a grey remainder.
void EmitMessage(j_common_ptr info, int level) {
  if (level == -1 && (info->err->msg_code == JWRN_JPEG_EOF || info->err->msg_code == JWRN_HIT_MARKER))
    (*info->err->error_exit)(info);
}

// At best each 8 x 8 block of a component costs two bits of entropy-coded data
// (one of a progressive DC scan): no JPEG byte holds more than 512 pixels.
constexpr Int64 kJpegPixelsPerByte = 512;

// Before anything the size of the picture is allocated: what the header claims must
// fit the limit and the bytes there are. False with `message` set when it does not.
bool SizeAllowed(Int64 width, Int64 height, size_t size, char* message) {
  ImageLimits limits;
  limits.MaxPixels = MaxJpegPixels;
  const String problem = ImageSizeProblem(width, height, static_cast<Int64>(size), kJpegPixelsPerByte, limits);
  if (problem.empty()) return true;
  std::snprintf(message, JMSG_LENGTH_MAX, "%s", problem.c_str());
  return false;
}

struct DecodedJpeg {
  int width = 0;
  int height = 0;
  bool grayscale = false;
  TBitmap* bitmap = nullptr;  // made by the decoder, owned by the caller
};

// Returns false with `message` set when the data is no readable JPEG picture.
bool Decode(const Byte* data, size_t size, DecodedJpeg& out, char* message) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = ErrorExit;
  errors.base.emit_message = EmitMessage;
  errors.message[0] = 0;
  JSAMPROW row = nullptr;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    std::strcpy(message, errors.message);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  if (!SizeAllowed(info.image_width, info.image_height, size, message)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  out.grayscale = info.num_components == 1;
  info.out_color_space = cmyk ? JCS_CMYK : out.grayscale ? JCS_GRAYSCALE : JCS_EXT_BGR;
  jpeg_start_decompress(&info);
  out.width = static_cast<int>(info.output_width);
  out.height = static_cast<int>(info.output_height);
  TBitmap* bitmap = out.bitmap;
  row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                   info.output_width * info.output_components, 1)[0];
  while (info.output_scanline < info.output_height) {
    int y = static_cast<int>(info.output_scanline);
    jpeg_read_scanlines(&info, &row, 1);
    if (y == 0) bitmap->SetSize(out.width, out.height);  // once the first line decoded
    Byte* target = static_cast<Byte*>(bitmap->ScanLine(y));
    for (int x = 0; x < out.width; ++x) {
      Byte* pixel = target + 3 * x;
      if (cmyk) {  // stored inverted, as Adobe writes it
        const Byte* c = row + 4 * x;
        pixel[0] = static_cast<Byte>(c[2] * c[3] / 255);
        pixel[1] = static_cast<Byte>(c[1] * c[3] / 255);
        pixel[2] = static_cast<Byte>(c[0] * c[3] / 255);
      } else if (out.grayscale) {
        pixel[0] = pixel[1] = pixel[2] = row[x];
      } else {
        std::memcpy(pixel, row + 3 * x, 3);
      }
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

bool TJPEGImage::Empty() const { return !bitmap_ || bitmap_->Empty(); }
int TJPEGImage::Width() const { return bitmap_ ? bitmap_->Width() : 0; }
int TJPEGImage::Height() const { return bitmap_ ? bitmap_->Height() : 0; }

void TJPEGImage::SetWidth(int) { throw EInvalidGraphicOperation("Cannot change the size of a JPEG image"); }
void TJPEGImage::SetHeight(int) { throw EInvalidGraphicOperation("Cannot change the size of a JPEG image"); }

void TJPEGImage::Draw(TCanvas* canvas, const TRect& rect) {
  if (bitmap_) bitmap_->Draw(canvas, rect);
}

void TJPEGImage::LoadFromBytes(std::vector<Byte> data) {
  if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8) throw EInvalidGraphic("JPEG error: not a JPEG file");
  std::unique_ptr<TBitmap> bitmap(new TBitmap(0, 0, pf24bit));
  DecodedJpeg decoded;
  decoded.bitmap = bitmap.get();
  char message[JMSG_LENGTH_MAX] = {};
  if (!Decode(data.data(), data.size(), decoded, message)) throw EInvalidGraphic(String("JPEG error: ") + message);
  data_ = std::move(data);
  bitmap_ = std::move(bitmap);
  grayscale_ = decoded.grayscale;
  Changed(this);
}

void TJPEGImage::LoadFromStream(TStream& stream) {
  Int64 size = stream.Size() - stream.Position();
  if (size < 0 || size > (Int64(1) << 30)) throw EInvalidGraphic("JPEG error: bad data length");
  std::vector<Byte> data(static_cast<size_t>(size));
  if (size && stream.Read(data.data(), size) != size) throw EInvalidGraphic("JPEG error: the file is truncated");
  LoadFromBytes(std::move(data));
}

void TJPEGImage::SaveToStream(TStream& stream) {
  if (!data_.empty()) stream.WriteBuffer(data_.data(), static_cast<Int64>(data_.size()));
}

void TJPEGImage::ReadData(TStream& stream) {
  Integer size = 0;
  if (stream.Read(&size, 4) != 4 || size < 0 || size > (1 << 30)) throw EInvalidGraphic("JPEG error: bad data length");
  std::vector<Byte> data(static_cast<size_t>(size));
  if (size && stream.Read(data.data(), size) != size) throw EInvalidGraphic("JPEG error: the file is truncated");
  if (size == 0) {
    data_.clear();
    bitmap_.reset();
    Changed(this);
    return;
  }
  LoadFromBytes(std::move(data));
}

void TJPEGImage::WriteData(TStream& stream) {
  Integer size = static_cast<Integer>(data_.size());
  stream.WriteBuffer(&size, 4);
  SaveToStream(stream);
}

void TJPEGImage::Assign(const TPersistent* source) {
  if (!source) {
    data_.clear();
    bitmap_.reset();
    Changed(this);
    return;
  }
  const TJPEGImage* other = dynamic_cast<const TJPEGImage*>(source);
  if (!other) return TGraphic::Assign(source);
  if (other == this) return;
  if (other->data_.empty()) return Assign(nullptr);
  LoadFromBytes(other->data_);
}

void TJPEGImage::AssignTo(TPersistent* dest) const {
  if (TBitmap* bitmap = dynamic_cast<TBitmap*>(dest)) {
    bitmap->Assign(bitmap_.get());
    return;
  }
  TGraphic::AssignTo(dest);
}
