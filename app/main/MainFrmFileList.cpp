#include <cstring>

#include "app/main/MainFrm.h"

namespace {

char* CopyOf(const String& text) {
  char* copy = new char[text.size() + 1];
  std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

}  // namespace

int SplitFileList(const String& list, char* pieces[kMaxVOBFiles]) {
  int count = 0;
  size_t start = 0;
  while (count < kMaxVOBFiles) {
    const size_t end = list.find(';', start);
    pieces[count++] = CopyOf(list.substr(start, end == String::npos ? String::npos : end - start));
    if (end == String::npos) break;
    start = end + 1;
  }
  return count;
}

void FreeFileList(char* pieces[], int count) {
  for (int i = 0; i < count; ++i) {
    delete[] pieces[i];
    pieces[i] = nullptr;
  }
}
