#include "skin/controls/SkinButtonRecord.h"

#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinRects.h"

bool TspButtonRecordLook::Find(TspSkinData* data, std::initializer_list<const char*> names) {
  Record = nullptr;
  Picture = nullptr;
  if (!data || data->Empty) return false;
  for (const char* name : names) {
    Integer index = data->GetControlIndex(name);
    if (index == -1) continue;
    auto* record = dynamic_cast<TspDataSkinButtonControl*>(data->CtrlList[index].get());
    TBitmap* picture = record ? data->ActivePicture(record->pictureindex) : nullptr;
    if (!picture) continue;
    Record = record;
    Picture = picture;
    return true;
  }
  return false;
}

TRect TspButtonRecordLook::StateRect(bool hot, bool pressed) const {
  if (!Record) return {};
  TRect normal = Record->skinrect;
  TRect active = IsNullRect(Record->activeskinrect) ? normal : Record->activeskinrect;
  TRect down = IsNullRect(Record->downskinrect) ? active : Record->downskinrect;
  return pressed ? down : hot ? active : normal;
}

void TspButtonRecordLook::Compose(TBitmap* dest, bool hot, bool pressed) const {
  if (!Record || !Picture || !dest) return;
  const TspDataSkinButtonControl& r = *Record;
  TRect source = StateRect(hot, pressed);
  Integer w = dest->Width(), h = dest->Height();
  Integer dw = w - RectWidth(r.skinrect), dh = h - RectHeight(r.skinrect);
  const TRect& c = r.clientrect;
  CreateSkinImage(r.lefttoppoint, r.righttoppoint, r.leftbottompoint, r.rightbottompoint, c, r.lefttoppoint,
                  TPoint{r.righttoppoint.X + dw, r.righttoppoint.Y}, TPoint{r.leftbottompoint.X, r.leftbottompoint.Y + dh},
                  TPoint{r.rightbottompoint.X + dw, r.rightbottompoint.Y + dh},
                  TRect{c.Left, c.Top, c.Right + dw, c.Bottom + dh}, dest, Picture, source, w, h, true, r.leftstretch,
                  r.topstretch, r.rightstretch, r.bottomstretch, r.stretcheffect, r.stretchtype);
}

TColor TspButtonRecordLook::TextColor(bool hot, bool pressed, bool enabled) const {
  if (!Record) return clBtnText;
  if (!enabled) return Record->disabledfontcolor;
  return pressed ? Record->downfontcolor : hot ? Record->activefontcolor : Record->fontcolor;
}
