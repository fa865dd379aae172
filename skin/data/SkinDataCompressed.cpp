// The container's side of compressed skins: loading a stored skin and packing
// the loaded skin into a single file.
#include "platform/FileUtils.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinData.h"

namespace {

Integer ReadInt(TStream& stream) {
  Integer value = 0;
  stream.ReadBuffer(&value, 4);
  return value;
}

}  // namespace

// Which of the five pictures a stream of each version carries, in order.
void TspSkinData::ReadStoredPictures(TMemoryStream& stream, Integer version) {
  std::vector<TBitmap*> slots;
  if (version <= 0) slots = {Picture.get(), Mask.get()};
  else if (version == 1) slots = {Picture.get(), Mask.get(), RollUpPicture.get(), RollUpMask.get()};
  else if (version == 2) slots = {Picture.get(), InActivePicture.get(), Mask.get(), RollUpPicture.get(), RollUpMask.get()};
  else slots = {Picture.get(), InActivePicture.get(), Mask.get()};
  for (TBitmap* picture : slots) {
    Byte empty = 0;
    stream.ReadBuffer(&empty, 1);
    if (empty) picture->Assign(nullptr);
    else picture->LoadFromStream(stream);
  }
  Integer count = ReadInt(stream);
  if (count > stream.Size() - stream.Position())
    throw EReadError("Stream read error: " + std::to_string(count) + " pictures past the end of the data");
  for (Integer i = 0; i < count; ++i) {
    ActivePictures.push_back(std::make_unique<TBitmap>());
    ActivePictures.back()->LoadFromStream(stream);
  }
}

// The data is expanded and its version checked before anything changes, so a
// corrupt or too new stored skin leaves the current skin in place.
void TspSkinData::LoadCompressedStoredSkin(TspCompressedStoredSkin* storedSkin) {
  if (!storedSkin || storedSkin->GetEmpty()) return;
  TMemoryStream inner;
  storedSkin->DeCompressToStream(inner);
  inner.SetPosition(0);
  Integer version = ReadInt(inner);
  if (version > 3) return;
  BeginLoad();
  try {
    ReadStoredPictures(inner, version);
    Int64 rest = inner.Size() - inner.Position();
    String text(static_cast<size_t>(rest), '\0');
    if (rest > 0) inner.ReadBuffer(text.data(), rest);
    TSkinTextIniFile ini(text);
    ReadVersion(ini);
    ReadPictureNames(ini);
    ReadStrings1(ini, "PICTURES", "activepictures", ActivePictureNames.get());
    ReadDescription(ini);
  } catch (...) {
    FailLoad();
    throw;
  }
  EndLoad();
}

void TspSkinData::LoadFromCompressedFile(const String& fileName) {
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromCompressFile(fileName);
  if (!stored.GetEmpty()) LoadCompressedStoredSkin(&stored);
}

void TspSkinData::SaveToCompressedFile(const String& fileName) {
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinData(*this);
  stored.SaveToCompressFile(fileName);
}
