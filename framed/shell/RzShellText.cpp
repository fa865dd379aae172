#include "framed/shell/RzShellText.h"

#include "platform/core/Exceptions.h"
#include "platform/core/WinApi.h"

namespace {

bool IsLead(char c) { return ::IsDBCSLeadByte(static_cast<BYTE>(c)) != 0; }

// Whether the last byte of `s` is the second byte of a double-byte character.
bool EndsInDoubleByte(const String& s) {
  bool trail = false;
  for (size_t i = 0; i < s.size(); ++i) {
    trail = false;
    if (IsLead(s[i]) && i + 1 < s.size()) {
      ++i;
      trail = true;
    }
  }
  return trail;
}

}  // namespace

String EnsureTrailingCharDB(const String& s, char c) {
  if (s.empty()) return s;
  if (EndsInDoubleByte(s)) return s + c;
  return s.back() == c ? s : s + c;
}

String TrimRightDB(const String& s) {
  size_t keep = 0;  // the end of the last character that is no blank
  for (size_t i = 0; i < s.size();) {
    if (IsLead(s[i]) && i + 1 < s.size()) {
      i += 2;
      keep = i;
    } else {
      if (static_cast<unsigned char>(s[i]) > 32) keep = i + 1;
      ++i;
    }
  }
  return s.substr(0, keep);
}

void CopyCharDB(size_t& index, const String& s, String& dest) {
  if (index >= s.size()) return;
  const size_t n = IsLead(s[index]) && index + 1 < s.size() ? 2 : 1;
  dest.append(s, index, n);
  index += n;
}

void ParametizeCmdLineDB(const String& cmdLine, TStrings* list) {
  enum { Between, InWord, InQuotes } state = Between;
  String p;
  auto finish = [&] {
    const String trimmed = TrimRightDB(p);
    if (!trimmed.empty()) list->Add(trimmed);
    p.clear();
  };
  for (size_t i = 0; i < cmdLine.size();) {
    const char c = cmdLine[i];
    const bool doubleByte = IsLead(c) && i + 1 < cmdLine.size();
    switch (state) {
      case Between:
        if (doubleByte) {
          CopyCharDB(i, cmdLine, p);
          state = InWord;
        } else if (c == ' ' || c == '\t') {
          ++i;
        } else if (c == '"') {
          p.clear();
          state = InQuotes;
          ++i;
        } else {
          CopyCharDB(i, cmdLine, p);
          state = InWord;
        }
        break;
      case InWord:
        if (doubleByte || (c != ' ' && c != '\t' && c != '"')) {
          CopyCharDB(i, cmdLine, p);
        } else {
          finish();
          state = c == '"' ? InQuotes : Between;
          ++i;
        }
        break;
      case InQuotes:
        if (doubleByte || c != '"') {
          CopyCharDB(i, cmdLine, p);
        } else {
          finish();
          state = Between;
          ++i;
        }
        break;
    }
  }
  finish();
}

String FormatStrPos(const String& format, const std::vector<String>& args) {
  if (args.size() > 50) throw Exception("FormatStrPos: Too many substitution strings");
  if (format.empty()) return String();
  std::vector<const char*> pointers;
  for (const String& a : args) pointers.push_back(a.c_str());
  pointers.push_back(nullptr);
  char* buffer = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, format.c_str(), 0, 0,
      reinterpret_cast<LPSTR>(&buffer), 256, reinterpret_cast<va_list*>(const_cast<char**>(pointers.data())));
  String result = length && buffer ? String(buffer, length) : String();
  if (buffer) ::LocalFree(buffer);
  return result;
}
