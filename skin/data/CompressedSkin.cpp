#include "skin/data/CompressedSkin.h"

#include "platform/FileUtils.h"
#include "platform/SysUtils.h"
#include "skin/data/SkinData.h"
#include "skin/data/spzlibcompress.h"

namespace {

const Integer kWrittenVersion = 2;
const Integer kNewestVersion = 3;

void WriteInt(TStream& stream, Integer value) { stream.WriteBuffer(&value, 4); }

Integer ReadInt(TStream& stream) {
  Integer value = 0;
  stream.ReadBuffer(&value, 4);
  return value;
}

void WriteSlot(TStream& stream, TBitmap& bitmap) {
  Byte empty = bitmap.Empty() ? 1 : 0;
  stream.WriteBuffer(&empty, 1);
  if (!empty) bitmap.SaveToStream(stream);
}

}  // namespace

TspCompressedStoredSkin::TspCompressedStoredSkin(TComponent* owner)
    : TComponent(owner), PackedData(std::make_unique<TMemoryStream>()) {}

void TspCompressedStoredSkin::LoadFromSkinData(TspSkinData& skinData) {
  PackedData->Clear();
  TMemoryStream inner;
  WriteInt(inner, kWrittenVersion);
  for (TBitmap* picture : {skinData.Picture.get(), skinData.InActivePicture.get(), skinData.Mask.get(),
                           skinData.RollUpPicture.get(), skinData.RollUpMask.get()})
    WriteSlot(inner, *picture);
  WriteInt(inner, static_cast<Integer>(skinData.ActivePictures.size()));
  for (auto& picture : skinData.ActivePictures) picture->SaveToStream(inner);
  TSkinTextIniFile ini;
  skinData.SaveToCustomIniFile(ini);
  String text = ini.Text();
  inner.WriteBuffer(text.data(), static_cast<Int64>(text.size()));
  CompressStream(inner, *PackedData);
}

void TspCompressedStoredSkin::LoadFromIniFile(const String& fileName) {
  String text;
  if (!ReadFileToString(fileName, text)) text.clear();
  TSkinTextIniFile ini(text);
  if (!CheckSkinFile(ini)) return;
  String folder = ExtractFilePath(fileName);
  PackedData->Clear();
  TMemoryStream inner;
  WriteInt(inner, kWrittenVersion);
  for (const char* key : {"picture", "inactivepicture", "mask", "rolluppicture", "rollupmask"}) {
    TBitmap bitmap;
    String name = ini.ReadString("PICTURES", key, String());
    if (!name.empty()) LoadSkinPicture(&bitmap, folder + name);
    WriteSlot(inner, bitmap);
  }
  TStringList names;
  ReadStrings1(ini, "PICTURES", "activepictures", &names);
  WriteInt(inner, names.Count());
  for (int i = 0; i < names.Count(); ++i) {
    TBitmap bitmap;
    LoadSkinPicture(&bitmap, folder + names[i]);
    bitmap.SaveToStream(inner);
  }
  inner.WriteBuffer(text.data(), static_cast<Int64>(text.size()));
  CompressStream(inner, *PackedData);
}

void TspCompressedStoredSkin::SaveToCompressFile(const String& fileName) {
  if (GetEmpty()) return;
  TFileStream file(fileName, fmCreate);
  SaveToCompressStream(file);
}

void TspCompressedStoredSkin::SaveToCompressStream(TStream& stream) {
  WriteInt(stream, kWrittenVersion);
  WriteInt(stream, static_cast<Integer>(PackedData->Size()));
  if (PackedData->Size() > 0) stream.WriteBuffer(PackedData->Memory(), PackedData->Size());
}

void TspCompressedStoredSkin::ReadPacked(TStream& stream) {
  PackedData->Clear();
  if (ReadInt(stream) > kNewestVersion) return;
  Integer length = ReadInt(stream);
  if (length < 0 || length > stream.Size() - stream.Position())
    throw EReadError("Stream read error: compressed length " + IntToStr(length) + " past the end of the data");
  if (length > 0) PackedData->CopyFrom(stream, length);
  PackedData->SetPosition(0);
}

void TspCompressedStoredSkin::LoadFromCompressFile(const String& fileName) {
  PackedData->Clear();
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  ReadPacked(file);
}

void TspCompressedStoredSkin::LoadFromCompressStream(TStream& stream) {
  PackedData->Clear();
  stream.SetPosition(0);
  ReadPacked(stream);
}

void TspCompressedStoredSkin::DeCompressToStream(TMemoryStream& stream) { DeCompressStream(stream, *PackedData); }

void TspCompressedStoredSkin::SetFileName(const String& value) {
  if (HasState(csDesigning) && !HasState(csLoading)) {
    LoadFromIniFile(value);
    fileName_ = ExtractFileName(value);
    return;
  }
  fileName_ = value;
}

void TspCompressedStoredSkin::SetCompressedFileName(const String& value) {
  if (HasState(csDesigning) && !HasState(csLoading)) {
    LoadFromCompressFile(value);
    compressedFileName_ = ExtractFileName(value);
    return;
  }
  compressedFileName_ = value;
}

// ---- the list ----

TspSkinListItem::TspSkinListItem(TCollection* collection)
    : TCollectionItem(collection), storedSkin_(std::make_unique<TspCompressedStoredSkin>(nullptr)) {
  Name = "spSkin" + IntToStr(collection ? collection->Count() - 1 : 0);
}

bool TspSkinListItem::Designing() const {
  auto* items = dynamic_cast<TspSkinListItems*>(Collection());
  TspCompressedSkinList* list = items ? items->List() : nullptr;
  return list && list->HasState(csDesigning) && !list->HasState(csLoading);
}

void TspSkinListItem::SetFileName(const String& value) {
  if (Designing()) {
    storedSkin_->LoadFromIniFile(value);
    fileName_ = ExtractFileName(value);
    return;
  }
  fileName_ = value;
}

void TspSkinListItem::SetCompressedFileName(const String& value) {
  if (Designing()) {
    storedSkin_->LoadFromCompressFile(value);
    compressedFileName_ = ExtractFileName(value);
    return;
  }
  compressedFileName_ = value;
}

TspSkinListItems::TspSkinListItems(TspCompressedSkinList* owner)
    : TCollection(CollectionItemClass<TspSkinListItem>()), owner_(owner) {}

TPersistent* TspSkinListItems::Owner() const { return owner_; }

TspCompressedSkinList::TspCompressedSkinList(TComponent* owner)
    : TComponent(owner), skins_(std::make_unique<TspSkinListItems>(this)) {}
