#include "framed/components/RzCustomColors.h"

#include <vector>

#include "framed/common/RzResourceIds.h"
#include "framed/startup/RzStrings.h"
#include "platform/core/SysUtils.h"

namespace {

String LibraryText(unsigned id, const char* fallback) {
  const String text = LoadRzString(id);
  return text.empty() ? String(fallback) : text;
}

// The six-digit form of a value, or false when it is not hexadecimal.
bool TryColorText(const String& value, String& text) {
  Integer number = 0;
  if (!TryStrToInt("$" + value, number)) return false;
  text = IntToHex(number & 0xFFFFFF, 6);
  return true;
}

}  // namespace

TRzCustomColors::TRzCustomColors(TComponent* owner) : TComponent(owner), colors_(std::make_unique<TStringList>()) {
  InitColors();
}

TRzCustomColors::~TRzCustomColors() = default;

void TRzCustomColors::InitColors() {
  for (char c = 'A'; c <= 'P'; ++c) colors_->Add(String("Color") + c + "=FFFFFF");
}

void TRzCustomColors::SetColors(const TStrings* value) {
  colors_->Assign(value);
  FixupColors();
}

void TRzCustomColors::SetRegIniFile(TRzRegIniFile* value) {
  if (regIniFile_ == value) return;
  if (regIniFile_) regIniFile_->RemoveFreeNotification(this);
  regIniFile_ = value;
  if (regIniFile_) regIniFile_->FreeNotification(this);
}

void TRzCustomColors::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == regIniFile_) regIniFile_ = nullptr;
}

void TRzCustomColors::FixupColors() {
  std::vector<String> texts(static_cast<size_t>(colors_->Count()));
  for (int i = 0; i < colors_->Count(); ++i) {
    const String value = colors_->ValueFromIndex(i);
    if (!TryColorText(value, texts[static_cast<size_t>(i)]))
      throw EConvertError("'$" + value + "' is not a valid integer value");
  }
  for (int i = 0; i < colors_->Count(); ++i)
    colors_->Put(i, colors_->Names(i) + "=" + texts[static_cast<size_t>(i)]);
}

void TRzCustomColors::Load(const String& section) {
  if (!regIniFile_)
    throw Exception(LibraryText(sRzCannotLoadCustomColors,
                                "Cannot load Custom Colors--No TRzRegIniFile component specified"));
  if (!regIniFile_->SectionExists(section)) return;
  TStringList stored;
  regIniFile_->ReadSectionValues(section, &stored);
  for (int i = 0; i < stored.Count(); ++i) {
    String text;
    if (!TryColorText(stored.ValueFromIndex(i), text)) continue;
    const String name = stored.Names(i);
    if (name.empty()) continue;
    bool found = false;
    for (int j = 0; j < colors_->Count() && !found; ++j)
      if (SameText(colors_->Names(j), name)) {
        colors_->Put(j, colors_->Names(j) + "=" + text);
        found = true;
      }
    if (!found) colors_->Add(name + "=" + text);
  }
}

void TRzCustomColors::Save(const String& section) {
  if (!regIniFile_)
    throw Exception(LibraryText(sRzCannotSaveCustomColors,
                                "Cannot save Custom Colors--No TRzRegIniFile component specified"));
  for (int i = 0; i < colors_->Count(); ++i)
    regIniFile_->WriteString(section, colors_->Names(i), colors_->ValueFromIndex(i));
}
