// Skins held as one zlib-compressed stream: a stored skin (form property
// "CompressedData"), a list of them (item property "Skin") and the single-file
// form (version, length, compressed bytes).
#pragma once

#include <memory>

#include "platform/Collection.h"
#include "platform/Component.h"
#include "platform/IniFiles.h"
#include "platform/Streams.h"
#include "skin/data/SkinIniFile.h"

class TspSkinData;

class TspCompressedStoredSkin : public TComponent {
public:
  explicit TspCompressedStoredSkin(TComponent* owner);

  void LoadFromSkinData(TspSkinData& skinData);   // packs a loaded skin
  // Packs a skin folder; a folder missing a required section leaves the data as it was.
  void LoadFromIniFile(const String& fileName);
  void SaveToCompressFile(const String& fileName);  // nothing when empty
  // A version above 3 gives an empty stored skin; a length that is negative or
  // past the end of the input raises EReadError with the stored skin empty.
  void LoadFromCompressFile(const String& fileName);
  void SaveToCompressStream(TStream& stream);
  void LoadFromCompressStream(TStream& stream);
  void DeCompressToStream(TMemoryStream& stream);  // appends the expanded inner stream
  bool GetEmpty() const { return PackedData->Size() == 0; }

  const String& FileName() const { return fileName_; }
  void SetFileName(const String& value);
  const String& CompressedFileName() const { return compressedFileName_; }
  void SetCompressedFileName(const String& value);
  String Description;
  std::unique_ptr<TMemoryStream> PackedData;  // owned: the compressed bytes

private:
  void ReadPacked(TStream& stream);
  String fileName_;
  String compressedFileName_;
};

class TspCompressedSkinList;

class TspSkinListItem : public TCollectionItem {
public:
  explicit TspSkinListItem(TCollection* collection);
  String DisplayName() const override { return Name; }
  TspCompressedStoredSkin* StoredSkin() const { return storedSkin_.get(); }

  String Description;
  const String& FileName() const { return fileName_; }
  void SetFileName(const String& value);
  const String& CompressedFileName() const { return compressedFileName_; }
  void SetCompressedFileName(const String& value);
  String Name;

private:
  bool Designing() const;
  std::unique_ptr<TspCompressedStoredSkin> storedSkin_;  // owned, made without an owner
  String fileName_;
  String compressedFileName_;
};

class TspSkinListItems : public TCollection {
public:
  explicit TspSkinListItems(TspCompressedSkinList* owner);
  TspSkinListItem* Items(int index) const { return static_cast<TspSkinListItem*>(TCollection::Items(index)); }
  TspSkinListItem* Add() { return static_cast<TspSkinListItem*>(TCollection::Add()); }
  TPersistent* Owner() const override;
  TspCompressedSkinList* List() const { return owner_; }

private:
  TspCompressedSkinList* owner_;  // the list that owns this collection
};

class TspCompressedSkinList : public TComponent {
public:
  explicit TspCompressedSkinList(TComponent* owner);
  TspSkinListItems* Skins() const { return skins_.get(); }
  void SetSkins(const TspSkinListItems* value) { skins_->Assign(value); }

private:
  std::unique_ptr<TspSkinListItems> skins_;  // owned
};
