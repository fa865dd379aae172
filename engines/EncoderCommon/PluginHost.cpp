#include "engines/EncoderCommon/PluginHost.h"

#include <algorithm>

#include "ModuleBoundary.h"
#include "platform/core/WinApi.h"

EncoderParams::EncoderParams(const EncoderParameter* pairs, std::int32_t count) {
  if (!pairs || count <= 0) return;
  count = std::min<std::int32_t>(count, kMaxEncoderParameters);
  pairs_.assign(pairs, pairs + count);
}

bool EncoderParams::Has(std::int32_t key) const {
  return std::any_of(pairs_.begin(), pairs_.end(), [key](const EncoderParameter& p) { return p.Key == key; });
}

std::int32_t EncoderParams::Get(std::int32_t key, std::int32_t fallback) const {
  for (const EncoderParameter& p : pairs_)
    if (p.Key == key) return p.Value;
  return fallback;
}

namespace {
std::string Text(const char* text) { return text ? text : ""; }
}  // namespace

TagTexts TagTexts::From(MyID3Tag* tag) {
  TagTexts t;
  if (!tag) return t;
  t.title = Text(tag->GetText1());
  t.artist = Text(tag->GetText2());
  t.album = Text(tag->GetText3());
  t.comment = Text(tag->GetText4());
  t.genre = Text(tag->GetText5());
  t.track = tag->GetNumber();
  t.year = Text(tag->GetText6());
  t.composer = Text(tag->GetText7());
  t.copyright = Text(tag->GetText8());
  t.encodedBy = Text(tag->GetText9());
  return t;
}

bool TagTexts::Empty() const {
  return title.empty() && artist.empty() && album.empty() && comment.empty() && genre.empty() &&
         year.empty() && composer.empty() && copyright.empty() && encodedBy.empty() && track <= 0;
}

std::string AnsiToUtf8(const std::string& text) {
  if (text.empty()) return text;
  int wide = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(wide), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), w.data(), wide);
  int bytes = ::WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, out.data(), bytes, nullptr, nullptr);
  return out;
}

void RequestFormat(AudioFormatRecord& format, std::uint8_t layout, int rate, int channels) {
  format.OutputBits = 16;
  format.OutputLayout = layout;
  format.OutputRate = rate;
  format.OutputChannels = channels;
}

bool BlockMatches(const AudioFormatRecord& format, std::uint8_t layout, int channels) {
  if (format.OutputBits != 16 || format.OutputLayout != layout || format.OutputChannels != channels)
    return false;
  if (format.OutputCount < 0 || (format.OutputCount > format.Capacity && format.OutputCount > 0))
    return false;
  if (format.OutputCount == 0) return true;
  if (layout == kLayoutInterleaved) return format.InterleavedBuffer != nullptr;
  if (!format.PlanarBuffers) return false;
  for (int c = 0; c < channels; ++c)
    if (!format.PlanarBuffers[c]) return false;
  return true;
}

const std::int16_t* InterleavedBlock(const AudioFormatRecord& format,
                                     std::vector<std::int16_t>& scratch) {
  if (format.OutputLayout == kLayoutInterleaved)
    return static_cast<const std::int16_t*>(format.InterleavedBuffer);
  const int channels = format.OutputChannels;
  const int frames = format.OutputCount;
  scratch.resize(static_cast<std::size_t>(frames) * channels);
  for (int c = 0; c < channels; ++c) {
    auto* plane = static_cast<const std::int16_t*>(format.PlanarBuffers[c]);
    for (int f = 0; f < frames; ++f) scratch[static_cast<std::size_t>(f) * channels + c] = plane[f];
  }
  return scratch.data();
}

void RemoveOutputFile(const char* path) {
  if (path && *path) ::DeleteFileA(path);
}

namespace {

AudioEncoderFactory factory = nullptr;
std::unique_ptr<AudioEncoder> current;  // the open output file, if any

void CloseCurrent() {
  if (!current) return;
  try {
    current->End();
  } catch (...) {
    TraceCaughtException("Encoder plug-in end");
  }
  current.reset();
}

std::int32_t VARNEL_STDCALL BeginEntry(const char* path, MyID3Tag* tag, AudioFormatRecord* format,
                                       const EncoderParameter* pairs, std::int32_t count) {
  try {
    CloseCurrent();
    if (!path || !*path || !format || !factory) return -1;
    TagTexts tags = TagTexts::From(tag);
    EncoderParams params(pairs, count);
    std::unique_ptr<AudioEncoder> encoder = factory();
    if (!encoder || !encoder->Begin(path, tags, *format, params)) return -1;
    current = std::move(encoder);
    return 0;
  } catch (...) {
    TraceCaughtException("Encoder plug-in begin");
    current.reset();
    return -1;
  }
}

std::int32_t VARNEL_STDCALL EncodeEntry(AudioFormatRecord* format) {
  try {
    if (!current || !format) return -1;
    return current->Encode(*format) ? 0 : -1;
  } catch (...) {
    TraceCaughtException("Encoder plug-in encode");
    return -1;
  }
}

void VARNEL_STDCALL EndEntry(std::uint8_t) { CloseCurrent(); }

EncoderModuleTable table = {{}, BeginEntry, EncodeEntry, EndEntry};

}  // namespace

EncoderModuleTable* EncoderModuleFor(AudioEncoderFactory f) {
  factory = f;
  return &table;
}
