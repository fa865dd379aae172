#include "platform/graphics/Graphic.h"

#include <algorithm>

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed(this);
}

void TGraphic::LoadFromFile(const String& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const String& fileName) {
  TMemoryStream data;
  SaveToStream(data);
  String contents(reinterpret_cast<const char*>(data.Memory()), static_cast<size_t>(data.Size()));
  if (!WriteFileAtomically(fileName, contents)) throw EFCreateError("Cannot create file \"" + fileName + "\"");
}

void TGraphic::LoadFromClipboardFormat(Word, HANDLE, HPALETTE) {
  throw EInvalidGraphic("Unsupported clipboard format");
}

void TGraphic::SaveToClipboardFormat(Word&, HANDLE&, HPALETTE&) {
  throw EInvalidGraphic("Unsupported clipboard format");
}

bool TGraphic::Equals(TGraphic* other) {
  if (!other || typeid(*other) != typeid(*this)) return false;
  if (Empty() != other->Empty()) return false;
  if (Empty()) return true;
  TMemoryStream mine, theirs;
  WriteData(mine);
  other->WriteData(theirs);
  return mine.Size() == theirs.Size() &&
         std::equal(mine.Memory(), mine.Memory() + mine.Size(), theirs.Memory());
}

void TGraphic::SetModified(bool modified) {
  if (modified) Changed(this);
  else modified_ = false;
}

void TGraphic::Changed(TObject*) {
  modified_ = true;
  OnChange(this);
}
