#include "skin/data/SkinDataPublished.h"

#include "platform/Published.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"

namespace {

void ReadCompressedData(TspCompressedStoredSkin& skin, TStream& stream, const String&) {
  skin.PackedData->Clear();
  skin.PackedData->CopyFrom(stream, stream.Size() - stream.Position());
  skin.PackedData->SetPosition(0);
}

bool WriteCompressedData(TspCompressedStoredSkin& skin, TStream& stream) {
  if (skin.PackedData->Size() > 0) stream.WriteBuffer(skin.PackedData->Memory(), skin.PackedData->Size());
  return true;
}

}  // namespace

void PublishSkinDataClasses() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishCoreClasses();

  PublishClass<TspResourceStrData, TComponent>()
      .Lines("ResStrings", &TspResourceStrData::ResStrings)
      .IdentInt("CharSet", CharsetIdents(), &TspResourceStrData::CharSet, &TspResourceStrData::CharSet, 1)
      .NoDefault();

  PublishClass<TspCompressedStoredSkin, TComponent>()
      .Str("FileName", &TspCompressedStoredSkin::FileName, &TspCompressedStoredSkin::SetFileName)
      .Str("CompressedFileName", &TspCompressedStoredSkin::CompressedFileName,
           &TspCompressedStoredSkin::SetCompressedFileName)
      .Str("Description", &TspCompressedStoredSkin::Description, &TspCompressedStoredSkin::Description)
      .Binary("CompressedData", ReadCompressedData, WriteCompressedData);

  PublishClass<TspSkinListItem, TCollectionItem>()
      .Str("Description", &TspSkinListItem::Description, &TspSkinListItem::Description)
      .Str("FileName", &TspSkinListItem::FileName, &TspSkinListItem::SetFileName)
      .Str("CompressedFileName", &TspSkinListItem::CompressedFileName, &TspSkinListItem::SetCompressedFileName)
      .Str("Name", &TspSkinListItem::Name, &TspSkinListItem::Name)
      .Binary(
          "Skin",
          [](TspSkinListItem& item, TStream& stream, const String&) {
            item.StoredSkin()->LoadFromCompressStream(stream);
          },
          [](TspSkinListItem& item, TStream& stream) {
            item.StoredSkin()->SaveToCompressStream(stream);
            return true;
          });
  PublishClass<TspSkinListItems, TCollection>();

  PublishClass<TspCompressedSkinList, TComponent>().Object("Skins", &TspCompressedSkinList::Skins);

  PublishClass<TspSkinData, TComponent>()
      .Bool("SkinnableForm", &TspSkinData::SkinnableForm, &TspSkinData::SetSkinnableForm)
      .NoDefault()
      .Bool("EnableSkinEffects", &TspSkinData::EnableSkinEffects, &TspSkinData::EnableSkinEffects)
      .NoDefault()
      .Component<TspCompressedStoredSkin>("CompressedStoredSkin", &TspSkinData::CompressedStoredSkin,
                                          &TspSkinData::SetCompressedStoredSkin)
      .Component<TspResourceStrData>("ResourceStrData", &TspSkinData::ResourceStrData,
                                     &TspSkinData::SetResourceStrData)
      .Component<TspCompressedSkinList>("SkinList", &TspSkinData::SkinList, &TspSkinData::SetCompressedSkinList)
      .Integer("SkinIndex", &TspSkinData::SkinIndex, &TspSkinData::SetCompressedSkinIndex)
      .NoDefault();
}
