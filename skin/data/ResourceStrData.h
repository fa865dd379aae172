// TspResourceStrData: the skin library's interface texts (system-menu captions,
// frame-button hints, message-box buttons, dialog texts) as NAME=text lines that
// a program can replace as a whole, and the character set of skinned text.
#pragma once

#include <memory>

#include "platform/Component.h"
#include "platform/Strings.h"

class TspResourceStrData : public TComponent {
public:
  explicit TspResourceStrData(TComponent* owner);

  // Appends the default lines (the constructor is its only caller).
  void Init();
  // The text after the first "=" of the first line whose name matches without
  // regard to letter case; empty when there is none.
  String GetResStr(const String& name) const;
  TStrings* ResStrings() const { return resStrings_.get(); }
  void SetResStrs(const TStrings* value);  // replaces the lines by a copy

  Byte CharSet = 1;  // DEFAULT_CHARSET

private:
  std::unique_ptr<TStringList> resStrings_;  // owned
};
