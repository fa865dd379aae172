#include "skin/data/SkinIniFile.h"

#include "platform/io/Streams.h"

namespace {

String ReadText(const String& fileName) {
  String text;
  if (!ReadFileToString(fileName, text)) text.clear();
  return text;
}

}  // namespace

TSkinIniFile::TSkinIniFile(const String& fileName) : TSkinIniFile(ReadText(fileName), true) {}

TSkinIniFile::TSkinIniFile(const String& text, bool stripQuotes) : TDocumentIniFile(String()), stripQuotes_(stripQuotes) {
  document_.Parse(text);
}
