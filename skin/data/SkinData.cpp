#include "skin/data/SkinData.h"

#include "platform/FileUtils.h"
#include "platform/Forms.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/ResourceStrData.h"

namespace {

template <class List>
Integer IndexOfName(const List& list, const String& name, String List::value_type::element_type::*field) {
  for (size_t i = 0; i < list.size(); ++i)
    if ((*list[i]).*field == name) return static_cast<Integer>(i);
  return -1;
}

}  // namespace

TspSkinData::TspSkinData(TComponent* owner)
    : TComponent(owner),
      SkinColors(std::make_unique<TspSkinColors>()),
      PopupWindow(std::make_unique<TspDataSkinPopupWindow>()),
      HintWindow(std::make_unique<TspDataSkinHintWindow>()),
      Picture(std::make_unique<TBitmap>()),
      InActivePicture(std::make_unique<TBitmap>()),
      Mask(std::make_unique<TBitmap>()),
      RollUpPicture(std::make_unique<TBitmap>()),
      RollUpMask(std::make_unique<TBitmap>()),
      ActivePictureNames(std::make_unique<TStringList>()),
      CursorNames(std::make_unique<TStringList>()) {}

TspSkinData::~TspSkinData() {
  Empty = true;
  ClearObjects();
}

// ---- properties ----

void TspSkinData::SetSkinnableForm(bool value) {
  if (value == skinnableForm_) return;
  skinnableForm_ = value;
  if (!Designing() && !HasState(csLoading)) SendSkinDataMessage(SkinMsgSkinnableFormChanged);
}

void TspSkinData::SetResourceStrData(TspResourceStrData* value) {
  if (resourceStrData_) resourceStrData_->RemoveFreeNotification(this);
  resourceStrData_ = value;
  if (value) value->FreeNotification(this);
  if (!Designing()) SendSkinDataMessage(SkinMsgResourceStrChanged);
}

void TspSkinData::SetCompressedStoredSkin(TspCompressedStoredSkin* value) {
  if (compressedStoredSkin_) compressedStoredSkin_->RemoveFreeNotification(this);
  compressedStoredSkin_ = value;
  if (value) value->FreeNotification(this);
  if (!Designing() && value) LoadCompressedStoredSkin(value);
}

void TspSkinData::SetCompressedSkinList(TspCompressedSkinList* value) {
  if (skinList_) skinList_->RemoveFreeNotification(this);
  skinList_ = value;
  if (!value) return;
  value->FreeNotification(this);
  if (!Designing() && skinIndex_ >= 0 && skinIndex_ < value->Skins()->Count())
    LoadCompressedStoredSkin(value->Skins()->Items(skinIndex_)->StoredSkin());
}

void TspSkinData::SetCompressedSkinIndex(Integer value) {
  if (value == skinIndex_) return;
  if (!skinList_) {
    skinIndex_ = value;
    return;
  }
  if (value < 0 || value >= skinList_->Skins()->Count()) return;
  skinIndex_ = value;
  if (!Designing()) LoadCompressedStoredSkin(skinList_->Skins()->Items(value)->StoredSkin());
}

void TspSkinData::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == compressedStoredSkin_) compressedStoredSkin_ = nullptr;
  if (component == resourceStrData_) resourceStrData_ = nullptr;
  if (component == skinList_) skinList_ = nullptr;
}

// ---- lookups ----

Integer TspSkinData::GetIndex(const String& name) const { return IndexOfName(ObjectList, name, &TspDataSkinObject::IDName); }

Integer TspSkinData::GetControlIndex(const String& name) const {
  return IndexOfName(CtrlList, name, &TspDataSkinControl::RecordName);
}

Integer TspSkinData::GetAreaIndex(const String& name) const { return IndexOfName(AreaList, name, &TspDataSkinArea::IDName); }

TBitmap* TspSkinData::ActivePicture(Integer index) const {
  if (index < 0 || index >= static_cast<Integer>(ActivePictures.size())) return nullptr;
  return ActivePictures[index].get();
}

// ---- messages and states ----

void TspSkinData::SendSkinDataMessage(UINT message) {
  TCustomForm* ownerForm = dynamic_cast<TCustomForm*>(Owner());
  WPARAM self = reinterpret_cast<WPARAM>(this);
  if (ownerForm) ::SendMessageA(ownerForm->Handle(), message, self, SkinMsgLParam);
  int count = Screen.FormCount();
  for (int i = 0; i < count && i < Screen.FormCount(); ++i) {
    TCustomForm* form = Screen.Forms(i);
    if (form == ownerForm) continue;
    ::SendMessageA(form->Handle(), message, self, SkinMsgLParam);
  }
}

void TspSkinData::BeginLoad() {
  Empty = true;
  LoadingSkin = true;
  SendSkinDataMessage(SkinMsgBeforeChange);
  ClearAll();
}

void TspSkinData::EndLoad() {
  Empty = false;
  SendSkinDataMessage(SkinMsgChange);
  LoadingSkin = false;
  SendSkinDataMessage(SkinMsgAfterChange);
}

void TspSkinData::FailLoad() {
  ClearAll();
  LoadingSkin = false;
  SendSkinDataMessage(SkinMsgChange);
  SendSkinDataMessage(SkinMsgAfterChange);
}

// ---- clearing ----

void TspSkinData::ClearObjects() {
  AreaList.clear();
  ObjectList.clear();
  CtrlList.clear();
  ActivePictures.clear();
  PopupWindow->WindowPictureIndex = -1;
  HintWindow->WindowPictureIndex = -1;
  CursorNames->Clear();
  ActivePictureNames->Clear();
  SkinColors->SetColorsToDefault();
}

void TspSkinData::ClearAll() {
  ClearObjects();
  for (TBitmap* picture : {Picture.get(), InActivePicture.get(), Mask.get(), RollUpPicture.get(), RollUpMask.get()})
    picture->Assign(nullptr);
  PictureName.clear();
  InActivePictureName.clear();
  MaskName.clear();
  RollUpPictureName.clear();
  RollUpMaskName.clear();
  Empty = true;
}

// The forms hear of the change before the skin goes, as they do for a load.
void TspSkinData::ClearSkin() {
  Empty = true;
  SendSkinDataMessage(SkinMsgBeforeChange);
  ClearAll();
  SendSkinDataMessage(SkinMsgChange);
  SendSkinDataMessage(SkinMsgAfterChange);
}

// ---- editing ----

void TspSkinData::AddBitMap(const String& fileName) {
  auto bitmap = std::make_unique<TBitmap>();
  LoadSkinPicture(bitmap.get(), fileName);
  ActivePictureNames->Add(ExtractFileName(fileName));
  ActivePictures.push_back(std::move(bitmap));
}

void TspSkinData::DeleteBitMap(Integer index) {
  if (index < 0 || index >= static_cast<Integer>(ActivePictures.size())) return;
  if (index < ActivePictureNames->Count()) ActivePictureNames->Delete(index);
  ActivePictures.erase(ActivePictures.begin() + index);
  RenumberPictureIndexes(index);
}

void TspSkinData::RenumberPictureIndexes(Integer deleted) {
  auto renumber = [deleted](Integer& index) {
    if (index == deleted) index = -1;
    else if (index > deleted) --index;
  };
  ForEachPictureIndex(FormInfoTable(), this, renumber);
  ForEachPictureIndex(TspDataSkinPopupWindow::RecordTable(), PopupWindow.get(), renumber);
  ForEachPictureIndex(TspDataSkinHintWindow::RecordTable(), HintWindow.get(), renumber);
  for (auto& record : ObjectList) ForEachPictureIndex(record->Table(), record.get(), renumber);
  for (auto& record : CtrlList) ForEachPictureIndex(record->Table(), record.get(), renumber);
}

void TspSkinData::AddSkinArea(const String& name, const TRect& rect) {
  AreaList.push_back(std::make_unique<TspDataSkinArea>(name, rect));
}

void TspSkinData::GetObjectTypeName(const String& entry, String& name, String& typeWord) {
  size_t colon = entry.find(':');
  if (colon == String::npos) {
    name.clear();
    typeWord.clear();
    return;
  }
  name = entry.substr(0, colon);
  typeWord = entry.substr(colon + 1);
}

// An entry without a colon is an area with an empty name and an empty rectangle.
void TspSkinData::GetAreaNameRect(const String& entry, String& name, TRect& rect) {
  size_t colon = entry.find(':');
  if (colon == String::npos) {
    name.clear();
    rect = TRect{};
    return;
  }
  name = entry.substr(0, colon);
  rect = GetRect(entry.substr(colon + 1));
}
