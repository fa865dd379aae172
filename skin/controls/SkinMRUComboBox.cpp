#include "skin/controls/SkinMRUComboBox.h"

#include <algorithm>
#include <cctype>

void TspSkinMRUComboBox::AddMRUItem(const String& text) {
  if (text.empty()) return;
  TStrings* items = Items();
  auto same = [&text](const String& s) {
    return s.size() == text.size() && std::equal(s.begin(), s.end(), text.begin(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
  };
  int found = -1;
  for (int i = 0; i < items->Count(); ++i)
    if (same(items->Strings(i))) {
      found = i;
      break;
    }
  if (found == 0) return;
  String entry = found == -1 ? text : items->Strings(found);
  if (found != -1) items->Delete(found);
  items->Insert(0, entry);
}
