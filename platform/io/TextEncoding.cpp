#include "platform/io/TextEncoding.h"

#include <windows.h>

#include <climits>
#include <string>

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";
const char kUtf16Mark[] = "\xFF\xFE";

bool StartsWith(const String& bytes, const char* mark, size_t length) { return bytes.compare(0, length, mark) == 0; }

// Texts over 2 GB are beyond the conversion calls; such files are refused elsewhere.
int CountOf(size_t size) { return size > INT_MAX / 2 ? INT_MAX / 2 : static_cast<int>(size); }

std::wstring Widen(const char* text, size_t size, UINT codePage, DWORD flags, bool& ok) {
  ok = true;
  if (size == 0) return std::wstring();
  int count = ::MultiByteToWideChar(codePage, flags, text, CountOf(size), nullptr, 0);
  if (count <= 0) {
    ok = false;
    return std::wstring();
  }
  std::wstring wide(static_cast<size_t>(count), L'\0');
  ::MultiByteToWideChar(codePage, flags, text, CountOf(size), wide.data(), count);
  return wide;
}

String Narrow(const wchar_t* text, size_t size, UINT codePage) {
  if (size == 0) return String();
  int count = ::WideCharToMultiByte(codePage, 0, text, CountOf(size), nullptr, 0, nullptr, nullptr);
  if (count <= 0) return String();
  String narrow(static_cast<size_t>(count), '\0');
  ::WideCharToMultiByte(codePage, 0, text, CountOf(size), narrow.data(), count, nullptr, nullptr);
  return narrow;
}

}  // namespace

String DecodeText(String bytes, TextEncoding& encoding) {
  if (StartsWith(bytes, kUtf16Mark, 2)) {
    encoding = TextEncoding::kUtf16Mark;
    size_t units = (bytes.size() - 2) / 2;  // an odd last byte is no character
    std::wstring wide(units, L'\0');
    for (size_t i = 0; i < units; ++i)
      wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                     static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
    return Narrow(wide.data(), wide.size(), CP_ACP);
  }
  if (StartsWith(bytes, kUtf8Mark, 3)) {
    encoding = TextEncoding::kUtf8Mark;
    bool ok;
    std::wstring wide = Widen(bytes.data() + 3, bytes.size() - 3, CP_UTF8, MB_ERR_INVALID_CHARS, ok);
    return ok ? Narrow(wide.data(), wide.size(), CP_ACP) : bytes.substr(3);
  }
  encoding = TextEncoding::kAnsi;
  return bytes;
}

String EncodeText(const String& text, TextEncoding encoding) {
  if (encoding == TextEncoding::kAnsi) return text;
  bool ok;
  std::wstring wide = Widen(text.data(), text.size(), CP_ACP, 0, ok);
  if (encoding == TextEncoding::kUtf8Mark) return kUtf8Mark + Narrow(wide.data(), wide.size(), CP_UTF8);
  String bytes(kUtf16Mark, 2);
  bytes.reserve(2 + 2 * wide.size());
  for (wchar_t unit : wide) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>((unit >> 8) & 0xFF);
  }
  return bytes;
}
