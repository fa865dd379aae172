// TspSkinData: the one object that holds a loaded skin (pictures, named
// pictures, window and control records, areas, frame description, colours and
// cursors), loads it from a skin folder or a compressed stored skin, writes it
// back, and tells every form about a change through three window messages.
#pragma once

#include <memory>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Component.h"
#include "skin/data/ControlRecords.h"
#include "skin/data/SkinColors.h"
#include "skin/data/WindowRecords.h"

class TspCompressedStoredSkin;
class TspCompressedSkinList;
class TspResourceStrData;
class TMemoryStream;

class TspSkinData : public TComponent {
public:
  explicit TspSkinData(TComponent* owner);
  ~TspSkinData() override;

  // Published properties.
  bool SkinnableForm() const { return skinnableForm_; }
  void SetSkinnableForm(bool value);
  bool EnableSkinEffects = true;
  TspCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
  void SetCompressedStoredSkin(TspCompressedStoredSkin* value);
  TspResourceStrData* ResourceStrData() const { return resourceStrData_; }
  void SetResourceStrData(TspResourceStrData* value);
  TspCompressedSkinList* SkinList() const { return skinList_; }
  void SetCompressedSkinList(TspCompressedSkinList* value);
  Integer SkinIndex() const { return skinIndex_; }
  void SetCompressedSkinIndex(Integer value);

  // Loads Skin.ini of a folder. False, with nothing changed and no message, when
  // a required section is missing. A picture or value that cannot be read leaves
  // the container without a skin (both change messages sent) and raises.
  bool LoadFromFile(const String& fileName);
  // Loads a stored skin; an empty one, or one of a version above 3, changes nothing.
  void LoadCompressedStoredSkin(TspCompressedStoredSkin* storedSkin);
  void LoadFromCompressedFile(const String& fileName);
  void SaveToCompressedFile(const String& fileName);
  void SaveToFile(const String& fileName);
  void SaveToCustomIniFile(TCustomIniFile& ini);
  // Writes skin.ini and every picture in BMP form; JPEG names become .bmp names.
  void StoreToDisk(const String& folder);

  void ClearSkin();    // removes the skin and tells the forms
  void ClearAll();     // removes the skin, no message
  void ClearObjects(); // records, areas, named pictures, cursor names; system colours

  Integer GetIndex(const String& name) const;
  Integer GetControlIndex(const String& name) const;
  Integer GetAreaIndex(const String& name) const;
  // The named picture of an index; nullptr for -1 or an index outside the list.
  TBitmap* ActivePicture(Integer index) const;

  void SendSkinDataMessage(UINT message);
  void AddBitMap(const String& fileName);
  // Removes one named picture; indexes held by records are renumbered (the
  // deleted index becomes -1, later ones move down by one).
  void DeleteBitMap(Integer index);
  void AddSkinArea(const String& name, const TRect& rect);
  static void GetObjectTypeName(const String& entry, String& name, String& typeWord);
  static void GetAreaNameRect(const String& entry, String& name, TRect& rect);

  // Section readers and writers.
  void ReadFormInfo(TCustomIniFile& ini);
  void WriteFormInfo(TCustomIniFile& ini);
  void ReadActivePictures(TCustomIniFile& ini, const String& folder);
  void WriteActivePictures(TCustomIniFile& ini);
  void ReadCursors(TCustomIniFile& ini, const String& folder);
  void WriteCursors(TCustomIniFile& ini);
  void ReadAreas(TCustomIniFile& ini);
  void WriteAreas(TCustomIniFile& ini);
  void ReadObjects(TCustomIniFile& ini);
  void WriteObjects(TCustomIniFile& ini);
  void ReadCtrls(TCustomIniFile& ini);
  void WriteCtrls(TCustomIniFile& ini);
  static const SkinRecordTable& FormInfoTable();

  // Public state, filled by a load.
  std::unique_ptr<TspSkinColors> SkinColors;
  TRect SizeGripArea;
  String StatusBarName;
  TRect ButtonsRect;
  TRect CaptionRect;
  Integer ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  bool AutoRenderingInActiveImage = false;
  TspInActiveEffect InActiveEffect = ieBrightness;
  Integer StartCursorIndex = 1;
  Integer cursorindex = -1;
  std::unique_ptr<TspDataSkinPopupWindow> PopupWindow;
  std::unique_ptr<TspDataSkinHintWindow> HintWindow;
  bool Empty = true;
  std::unique_ptr<TBitmap> Picture, InActivePicture, Mask, RollUpPicture, RollUpMask;
  std::vector<std::unique_ptr<TBitmap>> ActivePictures;
  String PictureName, InActivePictureName, MaskName, RollUpPictureName, RollUpMaskName;
  std::unique_ptr<TStringList> ActivePictureNames;
  std::unique_ptr<TStringList> CursorNames;
  std::vector<std::unique_ptr<TspDataSkinObject>> ObjectList;
  std::vector<std::unique_ptr<TspDataSkinArea>> AreaList;
  std::vector<std::unique_ptr<TspDataSkinControl>> CtrlList;
  TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  Integer bgpictureindex = -1;
  Integer MDIBGPictureIndex = -1;
  TRect MainMenuRect;
  TRect IconRect;
  bool MainMenuPopupUp = false;
  TRect MaskRectArea;
  TPoint HitTestLeftTopPoint, HitTestRightTopPoint, HitTestLeftBottomPoint, HitTestRightBottomPoint;
  TRect ClientRect;
  Integer BorderWidth = 0;
  Integer FormMinWidth = 0;
  bool MDITabsTransparent = false, MainMenuBarTransparent = false;
  bool TopStretch = false, LeftStretch = false, RightStretch = false, BottomStretch = false;
  bool stretcheffect = false;
  TspStretchType StretchType = spstFull;
  bool MDIBGStretchEffect = false;
  TspStretchType MDIBGStretchType = spstFull;
  TPoint RollUpLeftPoint, RollUpRightPoint;
  String SkinName, SkinAuthor, AuthorURL, AuthorEMail, SkinComments;
  bool LoadingSkin = false;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TspCompressedStoredSkin;
  void BeginLoad();
  void EndLoad();
  // After an error during a load: no skin, LoadingSkin cleared, both change messages.
  void FailLoad();
  void ReadDescription(TCustomIniFile& ini);  // [FORMINFO] to [SKINCONTROLS]
  void ReadVersion(TCustomIniFile& ini);
  void ReadPictureNames(TCustomIniFile& ini);
  void LoadPictures(const String& folder);
  void ReadStoredPictures(TMemoryStream& stream, Integer version);
  void RenumberPictureIndexes(Integer deleted);
  bool Designing() const { return HasState(csDesigning); }

  bool skinnableForm_ = true;
  TspCompressedStoredSkin* compressedStoredSkin_ = nullptr;  // borrowed, freed-notified
  TspResourceStrData* resourceStrData_ = nullptr;            // borrowed, freed-notified
  TspCompressedSkinList* skinList_ = nullptr;                // borrowed, freed-notified
  Integer skinIndex_ = 0;
};
