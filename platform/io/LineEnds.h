// Splitting text into lines quickly: the next CR or LF, looked for sixteen bytes at a
// time (SSE2, which every build of the program targets).
#pragma once

#include <emmintrin.h>

#include <cstddef>
#include <string_view>

// The position of the first CR or LF in `text` from `from` on, or the text's size.
inline std::size_t FindLineEnd(std::string_view text, std::size_t from) {
  const char* const data = text.data();
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  std::size_t at = from;
  for (; at + 16 <= text.size(); at += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
    const int ends = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
    if (ends != 0) return at + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(ends)));
  }
  while (at < text.size() && data[at] != '\r' && data[at] != '\n') ++at;
  return at;
}

// The length of the line end at `at` (the position FindLineEnd answered): 2 for
// CR LF, 1 for a lone CR or LF, 0 at the end of the text.
inline std::size_t LineEndLength(std::string_view text, std::size_t at) {
  if (at >= text.size()) return 0;
  return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
}
