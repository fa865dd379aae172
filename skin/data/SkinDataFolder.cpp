// The skin folder: reading Skin.ini with its pictures and cursors, and writing
// the description and the pictures back.
#include <set>

#include "platform/FileUtils.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinIniFile.h"
#include "skin/data/SkinTypeWords.h"

namespace {

using D = TspSkinData;

// After the keys: the mask area and the hit-test points from the corners (only
// with a mask), then the corner points pulled into the client rectangle.
void CorrectFormInfo(TObject* record) {
  auto* skin = static_cast<D*>(record);
  if (!skin->MaskName.empty()) {
    TRect& area = skin->MaskRectArea;
    const TRect& client = skin->ClientRect;
    if (area.IsEmpty()) {
      area = client;
    } else {
      area = TRect{std::min(area.Left, client.Left), std::min(area.Top, client.Top),
                   std::max(area.Right, client.Right), std::max(area.Bottom, client.Bottom)};
    }
    auto fill = [](TPoint& hitTest, const TPoint& corner) {
      if (hitTest.X == 0 || hitTest.Y == 0) hitTest = corner;
    };
    fill(skin->HitTestLeftTopPoint, skin->LeftTopPoint);
    fill(skin->HitTestRightTopPoint, skin->RightTopPoint);
    fill(skin->HitTestLeftBottomPoint, skin->LeftBottomPoint);
    fill(skin->HitTestRightBottomPoint, skin->RightBottomPoint);
  }
  if (skin->RightBottomPoint.X == skin->LeftTopPoint.X || skin->RightBottomPoint.Y == skin->LeftTopPoint.Y) return;
  const TRect& c = skin->ClientRect;
  skin->LeftTopPoint = TPoint{std::max(skin->LeftTopPoint.X, c.Left), std::max(skin->LeftTopPoint.Y, c.Top)};
  skin->RightTopPoint = TPoint{std::min(skin->RightTopPoint.X, c.Right), std::max(skin->RightTopPoint.Y, c.Top)};
  skin->LeftBottomPoint = TPoint{std::max(skin->LeftBottomPoint.X, c.Left), std::min(skin->LeftBottomPoint.Y, c.Bottom)};
  skin->RightBottomPoint =
      TPoint{std::min(skin->RightBottomPoint.X, c.Right), std::min(skin->RightBottomPoint.Y, c.Bottom)};
}

// Record list entries: "name:typeword", one record per known word, in order.
template <class Record>
void ReadRecordList(TCustomIniFile& ini, const char* section, const std::vector<SkinTypeWord<Record>>& words,
                    std::vector<std::unique_ptr<Record>>& list) {
  Integer count = ReadListCount(ini, section, "count");
  for (Integer i = 0; i < count; ++i) {
    String name, word;
    D::GetObjectTypeName(ini.ReadString(section, IntToStr(i), String()), name, word);
    const SkinTypeWord<Record>* row = FindTypeWord(words, word);
    if (!row) continue;
    list.emplace_back(row->create(name));
    list.back()->LoadFromFile(ini);
  }
}

template <class Record, class NameOf>
void WriteRecordList(TCustomIniFile& ini, const char* section, const std::vector<SkinTypeWord<Record>>& words,
                     const std::vector<std::unique_ptr<Record>>& list, NameOf nameOf) {
  ini.EraseSection(section);
  ini.WriteInteger(section, "count", static_cast<Integer>(list.size()));
  for (size_t i = 0; i < list.size(); ++i) {
    ini.WriteString(section, IntToStr(static_cast<Int64>(i)), nameOf(*list[i]) + ":" + TypeWordOf(words, list[i].get()));
    list[i]->SaveToFile(ini);
  }
}

// A stored file name stays inside the folder it is written to.
void CheckStoredName(const String& name) {
  bool rooted = name.empty() || name[0] == '\\' || name[0] == '/' || name.find(':') != String::npos;
  String wrapped = "\\" + name + "\\";
  for (char& c : wrapped)
    if (c == '/') c = '\\';
  if (rooted || wrapped.find("\\..\\") != String::npos)
    throw EFCreateError("Cannot create file \"" + name + "\": the name leaves the skin folder");
}

void SaveBitmap(TBitmap& bitmap, const String& folder, const String& name) {
  CheckStoredName(name);
  String path = folder + name;
  ForceDirectories(ExtractFilePath(path));
  bitmap.SaveToFile(path);
}

}  // namespace

const SkinRecordTable& TspSkinData::FormInfoTable() {
  static const SkinRecordTable table{
      nullptr,
      {
          Key<&D::LeftTopPoint>("lefttoppoint"),
          Key<&D::RightTopPoint>("righttoppoint"),
          Key<&D::LeftBottomPoint>("leftbottompoint"),
          Key<&D::RightBottomPoint>("rightbottompoint"),
          Key<&D::ClientRect>("clientrect"),
          Key<&D::bgpictureindex>("bgpictureindex", -1),
          Key<&D::MDIBGPictureIndex>("mdibgpictureindex", -1),
          Key<&D::LeftStretch>("leftstretch"),
          Key<&D::RightStretch>("rightstretch"),
          Key<&D::TopStretch>("topstretch"),
          Key<&D::BottomStretch>("bottomstretch"),
          Key<&D::stretcheffect>("stretcheffect"),
          Key<&D::StretchType>("stretchtype"),
          Key<&D::MDIBGStretchEffect>("mdibgstretcheffect"),
          Key<&D::MDIBGStretchType>("mdibgstretchtype"),
          Key<&D::ButtonsRect>("buttonsrect"),
          Key<&D::CaptionRect>("captionrect"),
          Key<&D::ButtonsOffset>("buttonsoffset"),
          Key<&D::ButtonsInLeft>("buttonsinleft"),
          Key<&D::MaskRectArea>("maskrectarea"),
          Key<&D::HitTestLeftTopPoint>("hittestlefttoppoint"),
          Key<&D::HitTestRightTopPoint>("hittestrighttoppoint"),
          Key<&D::HitTestLeftBottomPoint>("hittestleftbottompoint"),
          Key<&D::HitTestRightBottomPoint>("hittestrightbottompoint"),
          Key<&D::RollUpLeftPoint>("rollupleftpoint"),
          Key<&D::RollUpRightPoint>("rolluprightpoint"),
          Key<&D::MainMenuRect>("mainmenurect"),
          Key<&D::IconRect>("iconrect"),
          Key<&D::MainMenuPopupUp>("mainmenupopupup"),
          Key<&D::BorderWidth>("borderwidth"),
          Key<&D::FormMinWidth>("formminwidth"),
          Key<&D::MDITabsTransparent>("mditabstransparent"),
          Key<&D::MainMenuBarTransparent>("mainmenubartransparent"),
          Key<&D::cursorindex>("cursorindex", -1),
          Key<&D::AutoRenderingInActiveImage>("autorenderinginactiveimage"),
          Key<&D::InActiveEffect>("inactiveeffect"),
          Key<&D::SizeGripArea>("sizegriparea"),
          TextKey<&D::StatusBarName>("statusbarname", ""),
      },
      {"lefttoppoint",        "righttoppoint",          "leftbottompoint",        "rightbottompoint",
       "clientrect",          "bgpictureindex",         "mdibgpictureindex",      "maskrectarea",
       "leftstretch",         "rightstretch",           "topstretch",             "bottomstretch",
       "stretcheffect",       "stretchtype",            "mdibgstretcheffect",     "mdibgstretchtype",
       "buttonsrect",         "captionrect",            "buttonsoffset",          "buttonsinleft",
       "hittestlefttoppoint", "hittestrighttoppoint",   "hittestleftbottompoint", "hittestrightbottompoint",
       "rollupleftpoint",     "rolluprightpoint",       "mainmenurect",           "iconrect",
       "mainmenupopupup",     "borderwidth",            "cursorindex",            "autorenderinginactiveimage",
       "inactiveeffect",      "formminwidth",           "sizegriparea",           "statusbarname",
       "mditabstransparent",  "mainmenubartransparent"},
      CorrectFormInfo};
  return table;
}

// ---- reading ----

bool TspSkinData::LoadFromFile(const String& fileName) {
  TSkinIniFile ini(fileName);
  if (!CheckSkinFile(ini)) return false;
  BeginLoad();
  try {
    String folder = ExtractFilePath(fileName);
    ReadVersion(ini);
    ReadPictureNames(ini);
    LoadPictures(folder);
    ReadActivePictures(ini, folder);
    ReadCursors(ini, folder);
    ReadDescription(ini);
  } catch (...) {
    FailLoad();
    throw;
  }
  EndLoad();
  return true;
}

void TspSkinData::ReadVersion(TCustomIniFile& ini) {
  SkinName = ini.ReadString("VERSION", "skinname", String());
  SkinAuthor = ini.ReadString("VERSION", "skinauthor", String());
  AuthorEMail = ini.ReadString("VERSION", "authoremail", String());
  AuthorURL = ini.ReadString("VERSION", "authorurl", String());
  SkinComments = ini.ReadString("VERSION", "skincomments", String());
}

void TspSkinData::ReadPictureNames(TCustomIniFile& ini) {
  PictureName = ini.ReadString("PICTURES", "picture", String());
  InActivePictureName = ini.ReadString("PICTURES", "inactivepicture", String());
  MaskName = ini.ReadString("PICTURES", "mask", String());
  RollUpPictureName = ini.ReadString("PICTURES", "rolluppicture", String());
  RollUpMaskName = ini.ReadString("PICTURES", "rollupmask", String());
}

void TspSkinData::LoadPictures(const String& folder) {
  std::pair<TBitmap*, const String*> pictures[] = {{Picture.get(), &PictureName},
                                                   {InActivePicture.get(), &InActivePictureName},
                                                   {Mask.get(), &MaskName},
                                                   {RollUpPicture.get(), &RollUpPictureName},
                                                   {RollUpMask.get(), &RollUpMaskName}};
  for (auto& [bitmap, name] : pictures) {
    if (name->empty()) bitmap->Assign(nullptr);
    else LoadSkinPicture(bitmap, folder + *name);
  }
}

void TspSkinData::ReadActivePictures(TCustomIniFile& ini, const String& folder) {
  int first = ActivePictureNames->Count();
  ReadStrings1(ini, "PICTURES", "activepictures", ActivePictureNames.get());
  for (int i = first; i < ActivePictureNames->Count(); ++i) {
    ActivePictures.push_back(std::make_unique<TBitmap>());
    LoadSkinPicture(ActivePictures.back().get(), folder + ActivePictureNames->Get(i));
  }
}

void TspSkinData::ReadCursors(TCustomIniFile& ini, const String& folder) {
  Integer start = ini.ReadInteger("CURSORS", "startcursorindex", 1);
  StartCursorIndex = start < 1 ? 1 : start;
  int first = CursorNames->Count();
  ReadStrings1(ini, "CURSORS", "cursors", CursorNames.get());
  for (int i = first; i < CursorNames->Count(); ++i) {
    Int64 slot = Int64(StartCursorIndex) + (i - first);
    if (slot > INT32_MAX) break;
    HCURSOR cursor = ::LoadCursorFromFileA((folder + CursorNames->Get(i)).c_str());
    Screen.SetCursors(static_cast<int>(slot), cursor);
  }
}

void TspSkinData::ReadFormInfo(TCustomIniFile& ini) { ReadSkinRecord(ini, "FORMINFO", FormInfoTable(), this); }

void TspSkinData::ReadAreas(TCustomIniFile& ini) {
  Integer count = ReadListCount(ini, "SKINAREAS", "count");
  for (Integer i = 0; i < count; ++i) {
    String name;
    TRect rect;
    GetAreaNameRect(ini.ReadString("SKINAREAS", IntToStr(i), String()), name, rect);
    AddSkinArea(name, rect);
  }
}

void TspSkinData::ReadObjects(TCustomIniFile& ini) { ReadRecordList(ini, "SKINOBJECTS", SkinObjectWords(), ObjectList); }

void TspSkinData::ReadCtrls(TCustomIniFile& ini) { ReadRecordList(ini, "SKINCONTROLS", SkinControlWords(), CtrlList); }

void TspSkinData::ReadDescription(TCustomIniFile& ini) {
  ReadFormInfo(ini);
  PopupWindow->LoadFromFile(ini);
  HintWindow->LoadFromFile(ini);
  SkinColors->LoadFromFile(ini);
  ReadAreas(ini);
  ReadObjects(ini);
  ReadCtrls(ini);
}

// ---- writing ----

void TspSkinData::SaveToFile(const String& fileName) {
  TMemIniFile ini(fileName);
  ini.Clear();
  SaveToCustomIniFile(ini);
  ini.UpdateFile();
}

void TspSkinData::WriteFormInfo(TCustomIniFile& ini) {
  ini.EraseSection("FORMINFO");
  WriteSkinRecord(ini, "FORMINFO", FormInfoTable(), this);
}

void TspSkinData::WriteActivePictures(TCustomIniFile& ini) {
  WriteStrings1(ini, "PICTURES", "activepictures", ActivePictureNames.get());
}

void TspSkinData::WriteCursors(TCustomIniFile& ini) {
  ini.EraseSection("CURSORS");
  ini.WriteInteger("CURSORS", "startcursorindex", StartCursorIndex);
  WriteStrings1(ini, "CURSORS", "cursors", CursorNames.get());
}

void TspSkinData::WriteAreas(TCustomIniFile& ini) {
  ini.EraseSection("SKINAREAS");
  ini.WriteInteger("SKINAREAS", "count", static_cast<Integer>(AreaList.size()));
  for (size_t i = 0; i < AreaList.size(); ++i)
    ini.WriteString("SKINAREAS", IntToStr(static_cast<Int64>(i)), AreaList[i]->IDName + ":" + SetRect(AreaList[i]->skinrect));
}

void TspSkinData::WriteObjects(TCustomIniFile& ini) {
  WriteRecordList(ini, "SKINOBJECTS", SkinObjectWords(), ObjectList, [](auto& r) { return r.IDName; });
}

void TspSkinData::WriteCtrls(TCustomIniFile& ini) {
  WriteRecordList(ini, "SKINCONTROLS", SkinControlWords(), CtrlList, [](auto& r) { return r.RecordName; });
}

void TspSkinData::SaveToCustomIniFile(TCustomIniFile& ini) {
  ini.EraseSection("VERSION");
  ini.WriteInteger("VERSION", "ver", 2);
  ini.WriteString("VERSION", "skinname", SkinName);
  ini.WriteString("VERSION", "skinauthor", SkinAuthor);
  ini.WriteString("VERSION", "authoremail", AuthorEMail);
  ini.WriteString("VERSION", "authorurl", AuthorURL);
  ini.WriteString("VERSION", "skincomments", SkinComments);
  ini.EraseSection("PICTURES");
  ini.WriteString("PICTURES", "picture", PictureName);
  ini.WriteString("PICTURES", "inactivepicture", InActivePictureName);
  ini.WriteString("PICTURES", "mask", MaskName);
  ini.WriteString("PICTURES", "rolluppicture", RollUpPictureName);
  ini.WriteString("PICTURES", "rollupmask", RollUpMaskName);
  WriteActivePictures(ini);
  WriteCursors(ini);
  WriteFormInfo(ini);
  PopupWindow->SaveToFile(ini);
  HintWindow->SaveToFile(ini);
  WriteAreas(ini);
  ini.EraseSection("SKINCOLORS");
  SkinColors->SaveToFile(ini);
  WriteObjects(ini);
  WriteCtrls(ini);
}

// Pictures are written in BMP form; a JPEG name would then name BMP data that
// cannot be read back, so such a picture is stored under its .bmp name (or, when
// that name is taken, under its name with ".bmp" added) and the INI says so.
void TspSkinData::StoreToDisk(const String& folder) {
  std::set<String> taken;
  for (const String* name : {&PictureName, &InActivePictureName, &MaskName, &RollUpPictureName, &RollUpMaskName})
    taken.insert(LowerCase(*name));
  for (int i = 0; i < ActivePictureNames->Count(); ++i) taken.insert(LowerCase(ActivePictureNames->Get(i)));
  auto storedName = [&taken](const String& name) {
    if (!IsJpegFile(name)) return name;
    String renamed = ChangeFileExt(name, ".bmp");
    return taken.count(LowerCase(renamed)) ? name + ".bmp" : renamed;
  };

  ForceDirectories(folder);
  TMemIniFile ini(folder + "skin.ini");
  ini.Clear();
  SaveToCustomIniFile(ini);
  const char* keys[] = {"picture", "inactivepicture", "mask", "rolluppicture", "rollupmask"};
  const String* names[] = {&PictureName, &InActivePictureName, &MaskName, &RollUpPictureName, &RollUpMaskName};
  TBitmap* pictures[] = {Picture.get(), InActivePicture.get(), Mask.get(), RollUpPicture.get(), RollUpMask.get()};
  for (int i = 0; i < 5; ++i) ini.WriteString("PICTURES", keys[i], storedName(*names[i]));
  for (int i = 0; i < ActivePictureNames->Count(); ++i)
    ini.WriteString("PICTURES", IntToStr(i), storedName(ActivePictureNames->Get(i)));
  ini.UpdateFile();

  for (int i = 0; i < 5; ++i)
    if (!pictures[i]->Empty() && !names[i]->empty()) SaveBitmap(*pictures[i], folder, storedName(*names[i]));
  int count = std::min(static_cast<int>(ActivePictures.size()), ActivePictureNames->Count());
  for (int i = 0; i < count; ++i) SaveBitmap(*ActivePictures[i], folder, storedName(ActivePictureNames->Get(i)));
}
