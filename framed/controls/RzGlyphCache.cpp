#include "framed/controls/RzGlyphCache.h"

#include <map>
#include <memory>
#include <tuple>

#include "platform/graphics/MappedBitmap.h"

namespace {

using TGlyphKey = std::tuple<String, std::vector<TColor>, std::vector<TColor>>;

// A bounded cache: a program has a handful of colour sets, a runaway caller
// (colours that change on every paint) only loses the sharing.
constexpr size_t kMaxGlyphs = 256;

std::map<TGlyphKey, std::unique_ptr<TBitmap>>& Glyphs() {
  static std::map<TGlyphKey, std::unique_ptr<TBitmap>> glyphs;
  return glyphs;
}

int loads = 0;

std::vector<TColor> AsRGB(const std::vector<TColor>& colors) {
  std::vector<TColor> rgb;
  rgb.reserve(colors.size());
  for (TColor c : colors) rgb.push_back(ColorToRGB(c));
  return rgb;
}

}  // namespace

TBitmap* MappedGlyph(const char* name, const std::vector<TColor>& oldColors, const std::vector<TColor>& newColors) {
  TGlyphKey key{String(name), AsRGB(oldColors), AsRGB(newColors)};
  auto& glyphs = Glyphs();
  auto found = glyphs.find(key);
  if (found != glyphs.end()) return found->second.get();
  const int count = static_cast<int>(std::min(oldColors.size(), newColors.size()));
  HBITMAP mapped = CreateMappedRes(::GetModuleHandleA(nullptr), name, std::get<1>(key).data(),
                                   std::get<2>(key).data(), count);
  if (!mapped) return nullptr;
  auto glyph = std::make_unique<TBitmap>();
  glyph->SetHandle(mapped);  // copies and frees the section
  glyph->SetPixelFormat(pf32bit);
  ++loads;
  if (glyphs.size() >= kMaxGlyphs) glyphs.clear();
  return glyphs.emplace(std::move(key), std::move(glyph)).first->second.get();
}

void ClearGlyphCache() { Glyphs().clear(); }

int GlyphCacheLoads() { return loads; }
