#include "tools/skins/SkinValidation.h"

#include <functional>

#include "platform/SysUtils.h"
#include "skin/data/RequiredSkinRecords.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinIniFile.h"
#include "skin/data/SkinTypeWords.h"

namespace {

String RectText(const TRect& r) { return "(" + SetRect(r) + ")"; }

bool Inside(const TRect& r, int width, int height) {
  return r.Left >= 0 && r.Top >= 0 && r.Right <= width && r.Bottom <= height && r.Left <= r.Right &&
         r.Top <= r.Bottom;
}

bool Inside(const TPoint& p, int width, int height) { return p.X >= 0 && p.Y >= 0 && p.X <= width && p.Y <= height; }

void ForEachField(const SkinRecordTable& table, const std::function<void(const SkinField&)>& visit) {
  if (table.base) ForEachField(*table.base, visit);
  for (const SkinField& field : table.fields) visit(field);
}

bool IsPieceGeometry(const String& key) {
  return key == "clientrect" || key == "lefttoppoint" || key == "righttoppoint" || key == "leftbottompoint" ||
         key == "rightbottompoint";
}

class Validator {
public:
  explicit Validator(const String& iniFileName) : ini_(iniFileName), skin_(nullptr) {}

  std::vector<String> Run(const String& iniFileName) {
    try {
      if (!skin_.LoadFromFile(iniFileName)) {
        Fail("skin", "a required section (VERSION, PICTURES, FORMINFO, SKINOBJECTS, SKINCONTROLS) is missing");
        return errors_;
      }
    } catch (const Exception& e) {
      Fail("skin", "cannot be loaded: " + e.Message);
      return errors_;
    }
    CheckFrame();
    CheckWindow("POPUPWINDOW", TspDataSkinPopupWindow::RecordTable(), skin_.PopupWindow.get(),
                skin_.PopupWindow->WindowPictureIndex, skin_.PopupWindow->maskpictureindex);
    CheckWindow("HINTWINDOW", TspDataSkinHintWindow::RecordTable(), skin_.HintWindow.get(),
                skin_.HintWindow->WindowPictureIndex, skin_.HintWindow->maskpictureindex);
    CheckColors();
    for (auto& record : skin_.ObjectList) CheckObject(*record);
    for (auto& record : skin_.CtrlList) CheckControl(*record);
    CheckRequired();
    return errors_;
  }

private:
  void Fail(const String& where, const String& what) { errors_.push_back(where + ": " + what); }

  void CheckIndexes(const String& where, const SkinRecordTable& table, TObject* record) {
    Integer count = static_cast<Integer>(skin_.ActivePictures.size());
    ForEachField(table, [&](const SkinField& field) {
      if (!field.pictureIndex) return;
      Integer index = field.Of<Integer>(record);
      if (index < -1 || index >= count)
        Fail(where, String(field.key) + " " + IntToStr(index) + " is outside ActivePictures (" + IntToStr(count) +
                        " pictures)");
    });
  }

  void CheckRect(const String& where, const String& what, const TRect& r, const TBitmap* picture) {
    if (r.IsEmpty() || !picture) return;
    if (!Inside(r, picture->Width(), picture->Height()))
      Fail(where, what + " " + RectText(r) + " lies outside its picture (" + IntToStr(picture->Width()) + " x " +
                      IntToStr(picture->Height()) + ")");
  }

  // The four stretched or tiled parts between the corner points have a length.
  void CheckTiles(const String& where, const TPoint& lt, const TPoint& rt, const TPoint& lb, const TPoint& rb) {
    if (rt.X - lt.X <= 0) Fail(where, "the top piece has no width");
    if (rb.X - lb.X <= 0) Fail(where, "the bottom piece has no width");
    if (lb.Y - lt.Y <= 0) Fail(where, "the left piece has no height");
    if (rb.Y - rt.Y <= 0) Fail(where, "the right piece has no height");
  }

  void CheckFrame() {
    const TBitmap& picture = *skin_.Picture;
    if (picture.Empty()) {
      Fail("PICTURES", "the frame picture is missing");
      return;
    }
    int w = picture.Width(), h = picture.Height();
    CheckIndexes("FORMINFO", TspSkinData::FormInfoTable(), &skin_);
    if (skin_.ClientRect.IsEmpty()) Fail("FORMINFO", "clientrect is empty");
    CheckRect("FORMINFO", "clientrect", skin_.ClientRect, &picture);
    CheckRect("FORMINFO", "captionrect", skin_.CaptionRect, &picture);
    CheckRect("FORMINFO", "buttonsrect", skin_.ButtonsRect, &picture);
    for (const TPoint* p : {&skin_.LeftTopPoint, &skin_.RightTopPoint, &skin_.LeftBottomPoint, &skin_.RightBottomPoint})
      if (!Inside(*p, w, h)) Fail("FORMINFO", "a corner point lies outside the frame picture");
    for (const TPoint* p : {&skin_.HitTestLeftTopPoint, &skin_.HitTestRightTopPoint, &skin_.HitTestLeftBottomPoint,
                            &skin_.HitTestRightBottomPoint})
      if (p->X == 0 || p->Y == 0) Fail("FORMINFO", "a hit-test point is zero");
    CheckTiles("FORMINFO", skin_.LeftTopPoint, skin_.RightTopPoint, skin_.LeftBottomPoint, skin_.RightBottomPoint);
    CheckSameSize("PICTURES", "the inactive picture", skin_.InActivePicture.get(), &picture);
    CheckSameSize("PICTURES", "the mask", skin_.Mask.get(), &picture);
    CheckSameSize("PICTURES", "the roll-up mask", skin_.RollUpMask.get(), skin_.RollUpPicture.get());
  }

  void CheckSameSize(const String& where, const String& what, const TBitmap* a, const TBitmap* b) {
    if (!a || !b || a->Empty() || b->Empty()) return;
    if (a->Width() != b->Width() || a->Height() != b->Height()) Fail(where, what + " differs in size from its picture");
  }

  void CheckWindow(const String& where, const SkinRecordTable& table, TObject* record, Integer pictureIndex,
                   Integer maskIndex) {
    CheckIndexes(where, table, record);
    TBitmap* picture = skin_.ActivePicture(pictureIndex);
    if (!picture) {
      Fail(where, "has no window picture");
      return;
    }
    ForEachField(table, [&](const SkinField& field) {
      if (field.codec == SkinCodec::Rect) CheckRect(where, field.key, field.Of<TRect>(record), picture);
      if (field.codec == SkinCodec::Point && !Inside(field.Of<TPoint>(record), picture->Width(), picture->Height()))
        Fail(where, String(field.key) + " lies outside the window picture");
    });
    auto point = [&](const char* key) { return table.Find(key)->Of<TPoint>(record); };
    CheckTiles(where, point("lefttoppoint"), point("righttoppoint"), point("leftbottompoint"), point("rightbottompoint"));
    CheckSameSize(where, "the mask picture", skin_.ActivePicture(maskIndex), picture);
  }

  void CheckColors() {
    for (const SkinField& field : TspSkinColors::RecordTable().fields)
      if (!ini_.ValueExists("SKINCOLORS", field.key)) Fail("SKINCOLORS", String("the key ") + field.key + " is missing");
  }

  void CheckObject(TspDataSkinObject& record) {
    String where = "[" + record.IDName + "]";
    CheckIndexes(where, record.Table(), &record);
    TBitmap* active = skin_.ActivePicture(record.activepictureindex);
    TBitmap* source = record.skinrectinapicture ? active : skin_.Picture.get();
    if (record.skinrectinapicture && !active) Fail(where, "takes its picture from a named picture it does not name");
    CheckRect(where, "skinrect", record.skinrect, source);
    ForEachField(record.Table(), [&](const SkinField& field) {
      if (field.codec != SkinCodec::Rect || String(field.key) == "skinrect") return;
      CheckRect(where, field.key, field.Of<TRect>(&record), active ? active : skin_.Picture.get());
    });
    CheckRange(where, record);
    CheckFrames(where, record, active);
  }

  void CheckRange(const String& where, TspDataSkinObject& record) {
    Integer min = 0, max = 1;
    if (auto* g = dynamic_cast<TspDataSkinGauge*>(&record)) min = g->MinValue, max = g->MaxValue;
    if (auto* t = dynamic_cast<TspDataSkinTrackBar*>(&record)) min = t->MinValue, max = t->MaxValue;
    if (auto* f = dynamic_cast<TspDataSkinFrameGaugeObject*>(&record)) min = f->MinValue, max = f->MaxValue;
    if (auto* f = dynamic_cast<TspDataSkinFrameRegulatorObject*>(&record)) min = f->MinValue, max = f->MaxValue;
    if (min == max) Fail(where, "MinValue equals MaxValue (" + IntToStr(min) + ")");
  }

  // A strip of `count` frames of the skin rectangle's size from the active rectangle's corner.
  void CheckFrames(const String& where, TspDataSkinObject& record, TBitmap* active) {
    Integer count = -1, least = 1;
    if (auto* a = dynamic_cast<TspDataSkinAnimate*>(&record)) count = a->countframes;
    if (auto* f = dynamic_cast<TspDataSkinFrameGaugeObject*>(&record)) count = f->countframes, least = 2;
    if (auto* f = dynamic_cast<TspDataSkinFrameRegulatorObject*>(&record)) count = f->countframes, least = 2;
    if (count < 0) return;
    if (count < least) {
      Fail(where, "has " + IntToStr(count) + " frames, fewer than " + IntToStr(least));
      return;
    }
    if (!active) return;
    Int64 right = record.activeskinrect.Left + Int64(record.skinrect.Width()) * count;
    Int64 bottom = Int64(record.activeskinrect.Top) + record.skinrect.Height();
    if (right > active->Width() || bottom > active->Height())
      Fail(where, "the strip of " + IntToStr(count) + " frames runs past its picture");
  }

  void CheckControl(TspDataSkinControl& record) {
    String where = "[" + record.RecordName + "]";
    CheckIndexes(where, record.Table(), &record);
    TBitmap* picture = skin_.ActivePicture(record.pictureindex);
    int pieceW = record.skinrect.Width(), pieceH = record.skinrect.Height();
    ForEachField(record.Table(), [&](const SkinField& field) {
      String key = field.key;
      if (field.codec == SkinCodec::Rect) {
        const TRect& r = field.Of<TRect>(&record);
        if (IsPieceGeometry(key) && !r.IsEmpty() && !Inside(r, pieceW, pieceH))
          Fail(where, key + " " + RectText(r) + " lies outside its piece");
        else if (!IsPieceGeometry(key)) CheckRect(where, key, r, picture);
      }
      if (field.codec == SkinCodec::Point && !record.skinrect.IsEmpty() &&
          !Inside(field.Of<TPoint>(&record), pieceW, pieceH))
        Fail(where, key + " lies outside its piece");
    });
    CheckRect(where, "skinrect (in its mask picture)", record.skinrect, skin_.ActivePicture(record.maskpictureindex));
    if (auto* custom = dynamic_cast<TspDataSkinCustomControl*>(&record)) {
      if (custom->rightbottompoint.X != 0 && custom->rightbottompoint.Y != 0)
        CheckTiles(where, custom->lefttoppoint, custom->righttoppoint, custom->leftbottompoint,
                   custom->rightbottompoint);
    }
    CheckReferences(where, record);
  }

  void CheckReference(const String& where, const String& key, const String& name) {
    if (!name.empty() && skin_.GetControlIndex(name) < 0) Fail(where, key + " names the missing record " + name);
  }

  void CheckReferences(const String& where, TspDataSkinControl& record) {
    if (auto* combo = dynamic_cast<TspDataSkinComboBox*>(&record)) CheckReference(where, "listboxname", combo->listboxname);
    if (auto* tab = dynamic_cast<TspDataSkinTabControl*>(&record)) CheckReference(where, "updown", tab->updown);
    if (auto* list = dynamic_cast<TspDataSkinListBox*>(&record)) {
      CheckReference(where, "hscrollbarname", list->hscrollbarname);
      CheckReference(where, "vscrollbarname", list->vscrollbarname);
      CheckReference(where, "bothhscrollbarname", list->bothhscrollbarname);
    }
  }

  void CheckRequired() {
    for (const RequiredSkinRecord& required : kRequiredSkinRecords) {
      String word;
      if (required.list == SkinList::Objects) {
        Integer i = skin_.GetIndex(required.name);
        if (i >= 0) word = TypeWordOf(SkinObjectWords(), skin_.ObjectList[i].get());
      } else {
        Integer i = skin_.GetControlIndex(required.name);
        if (i >= 0) word = TypeWordOf(SkinControlWords(), skin_.CtrlList[i].get());
      }
      String list = required.list == SkinList::Objects ? "SKINOBJECTS" : "SKINCONTROLS";
      if (word.empty()) Fail(list, String("the required record ") + required.name + " is missing");
      else if (word != required.typeWord)
        Fail(list, String("the record ") + required.name + " is a " + word + ", not a " + required.typeWord);
    }
    for (const char* section : {"POPUPWINDOW", "HINTWINDOW", "SKINCOLORS"})
      if (!ini_.SectionExists(section)) Fail(section, "the section is missing");
  }

  TSkinIniFile ini_;
  TspSkinData skin_;
  std::vector<String> errors_;
};

}  // namespace

std::vector<String> ValidateSkinFolder(const String& iniFileName) { return Validator(iniFileName).Run(iniFileName); }
