#include "platform/graphics/Icon.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/graphics/BmpFormat.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageSize.h"

namespace {

[[noreturn]] void InvalidIcon(const String& reason) { throw EInvalidGraphic("Icon image is not valid: " + reason); }

Word Le16(const Byte* p) { return static_cast<Word>(p[0] | (p[1] << 8)); }
Cardinal Le32(const Byte* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<Cardinal>(p[3]) << 24); }

constexpr Cardinal kMaxIconBytes = 16u << 20;

// Why the picture of an icon entry cannot be handed to the system, or nullptr: the
// system reads the rows its header promises, so they must all be there. A PNG
// entry is the system's own to check.
const char* IconImageProblem(const Byte* data, Cardinal size) {
  if (size >= 8 && std::memcmp(data, "\x89PNG\r\n\x1A\n", 8) == 0) return nullptr;
  if (size < 40) return "the picture header is truncated";
  const Cardinal headerSize = Le32(data);
  const Int64 width = static_cast<Integer>(Le32(data + 4)), height = static_cast<Integer>(Le32(data + 8));
  const int bits = Le16(data + 14);
  const Cardinal compression = Le32(data + 16), colorsUsed = Le32(data + 32);
  if (headerSize < 40 || headerSize > size) return "bad picture header";
  if (width <= 0 || height <= 0 || height % 2 != 0) return "bad picture size";
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return "bad bit count";
  if (compression != BI_RGB && compression != BI_BITFIELDS) return "unsupported compression";
  const Int64 colours = bits <= 8 ? (colorsUsed ? colorsUsed : 1u << bits) : 0;
  if (colours > (Int64(1) << bits) && bits <= 8) return "too many palette entries";
  const Int64 masks = compression == BI_BITFIELDS && headerSize == 40 ? 12 : 0;
  const Int64 rows = CheckedProduct(DibStride(width, bits) + DibStride(width, 1), height / 2);
  if (rows < 0 || headerSize + masks + 4 * colours + rows > size) return "the picture is truncated";
  return nullptr;
}

}  // namespace

TIcon::TIcon() = default;

TIcon::~TIcon() {
  if (icon_) ::DestroyIcon(icon_);
}

void TIcon::SetWidth(int) { throw EInvalidGraphicOperation("Cannot change the size of an icon"); }
void TIcon::SetHeight(int) { throw EInvalidGraphicOperation("Cannot change the size of an icon"); }

void TIcon::Draw(TCanvas* canvas, const TRect& rect) {
  if (!icon_ || !canvas) return;
  ::DrawIconEx(canvas->Handle(), rect.Left, rect.Top, icon_, rect.Width(), rect.Height(), 0, nullptr, DI_NORMAL);
}

void TIcon::Take(HICON icon, std::vector<Byte> data) {
  if (icon_) ::DestroyIcon(icon_);
  icon_ = icon;
  data_ = std::move(data);
  width_ = height_ = 0;
  ICONINFO info = {};
  if (icon_ && ::GetIconInfo(icon_, &info)) {
    BITMAP bitmap = {};
    if (info.hbmColor && ::GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap)) {
      width_ = bitmap.bmWidth;
      height_ = bitmap.bmHeight;
    } else if (info.hbmMask && ::GetObjectA(info.hbmMask, sizeof(bitmap), &bitmap)) {
      width_ = bitmap.bmWidth;
      height_ = bitmap.bmHeight / 2;
    }
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
  }
  Changed(this);
}

void TIcon::LoadFromStream(TStream& stream) {
  Byte head[6];
  if (stream.Read(head, 6) != 6) InvalidIcon("the file is truncated");
  Word type = Le16(head + 2), count = Le16(head + 4);
  if (Le16(head) != 0 || type != 1 || count == 0) InvalidIcon("no icon directory");
  std::vector<Byte> file(head, head + 6);
  file.resize(6 + 16u * count);
  if (stream.Read(file.data() + 6, 16 * count) != 16 * count) InvalidIcon("the file is truncated");

  // The entry nearest the system icon size, the most colours first.
  int wanted = ::GetSystemMetrics(SM_CXICON);
  int best = -1, bestScore = 0;
  Cardinal end = static_cast<Cardinal>(file.size());
  for (int i = 0; i < count; ++i) {
    const Byte* entry = file.data() + 6 + 16 * i;
    int size = entry[0] ? entry[0] : 256;
    Cardinal bytes = Le32(entry + 8), offset = Le32(entry + 12);
    if (bytes == 0 || bytes > kMaxIconBytes || offset < file.size() || offset > kMaxIconBytes) InvalidIcon("bad entry");
    end = std::max(end, offset + bytes);
    int score = -std::abs(size - wanted) * 1000 + Le16(entry + 6);
    if (best < 0 || score > bestScore) best = i, bestScore = score;
  }
  size_t known = file.size();
  file.resize(end);
  if (stream.Read(file.data() + known, end - known) != static_cast<Int64>(end - known)) InvalidIcon("the file is truncated");

  const Byte* entry = file.data() + 6 + 16 * best;
  if (const char* problem = IconImageProblem(file.data() + Le32(entry + 12), Le32(entry + 8))) InvalidIcon(problem);
  int width = entry[0] ? entry[0] : 256, height = entry[1] ? entry[1] : 256;
  HICON icon = ::CreateIconFromResourceEx(file.data() + Le32(entry + 12), Le32(entry + 8), TRUE, 0x00030000, width,
                                          height, LR_DEFAULTCOLOR);
  if (!icon) InvalidIcon("the picture cannot be read");
  Take(icon, std::move(file));
}

std::vector<Byte> TIcon::FileFromHandle() const {
  // One 32-bit entry: the colour rows with the icon's mask rows after them.
  ICONINFO info = {};
  if (!icon_ || !::GetIconInfo(icon_, &info)) return {};
  int w = width_, h = height_;
  std::vector<Byte> colour(static_cast<size_t>(w) * h * 4);
  int maskStride = ((w + 31) / 32) * 4;
  std::vector<Byte> mask(static_cast<size_t>(maskStride) * h);
  HDC screen = ::GetDC(nullptr);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  if (info.hbmColor) ::GetDIBits(screen, info.hbmColor, 0, h, colour.data(), &bi, DIB_RGB_COLORS);
  struct { BITMAPINFOHEADER header; RGBQUAD colors[2]; } mi = {};
  mi.header = bi.bmiHeader;
  mi.header.biBitCount = 1;
  ::GetDIBits(screen, info.hbmMask, 0, h, mask.data(), reinterpret_cast<BITMAPINFO*>(&mi), DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  if (info.hbmMask) ::DeleteObject(info.hbmMask);

  BITMAPINFOHEADER header = bi.bmiHeader;
  header.biHeight = h * 2;
  header.biSizeImage = static_cast<DWORD>(colour.size() + mask.size());
  Cardinal bytes = sizeof(header) + header.biSizeImage;
  std::vector<Byte> file(6 + 16);
  file[2] = 1;
  file[4] = 1;
  file[6] = static_cast<Byte>(w >= 256 ? 0 : w);
  file[7] = static_cast<Byte>(h >= 256 ? 0 : h);
  file[10] = 1;
  file[12] = 32;
  std::memcpy(file.data() + 14, &bytes, 4);
  Cardinal offset = 22;
  std::memcpy(file.data() + 18, &offset, 4);
  const Byte* raw = reinterpret_cast<const Byte*>(&header);
  file.insert(file.end(), raw, raw + sizeof(header));
  file.insert(file.end(), colour.begin(), colour.end());
  file.insert(file.end(), mask.begin(), mask.end());
  return file;
}

void TIcon::SaveToStream(TStream& stream) {
  if (!icon_) return;
  std::vector<Byte> file = data_.empty() ? FileFromHandle() : data_;
  if (!file.empty()) stream.WriteBuffer(file.data(), static_cast<Int64>(file.size()));
}

void TIcon::SetHandle(HICON icon) { Take(icon, {}); }

HICON TIcon::ReleaseHandle() {
  HICON icon = icon_;
  icon_ = nullptr;
  width_ = height_ = 0;
  data_.clear();
  return icon;
}

void TIcon::Assign(const TPersistent* source) {
  if (!source) return Take(nullptr, {});
  const TIcon* other = dynamic_cast<const TIcon*>(source);
  if (!other) return TGraphic::Assign(source);
  if (other == this) return;
  Take(other->icon_ ? ::CopyIcon(other->icon_) : nullptr, other->data_);
}
