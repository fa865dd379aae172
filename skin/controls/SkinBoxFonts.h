// Font rules shared by the list and edit controls: a record's font, and the
// character set of captions (the skin's interface strings when the container
// has them, else the default font's).
#pragma once

#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"

inline TFontCharset SkinCharset(TspSkinData* data, const TFont* defaultFont) {
  if (data && data->ResourceStrData()) return data->ResourceStrData()->CharSet;
  return defaultFont ? defaultFont->Charset() : DEFAULT_CHARSET;
}

inline void SetRecordFont(TFont* font, const String& name, TFontStyles style, Integer height) {
  font->SetName(name);
  font->SetStyle(style);
  font->SetHeight(height);
}

// The record at the control's index when it is of class R, else nullptr.
template <class R>
R* RecordAs(TspSkinData* data, Integer index) {
  if (!data || data->Empty || index < 0 || index >= static_cast<Integer>(data->CtrlList.size())) return nullptr;
  return dynamic_cast<R*>(data->CtrlList[index].get());
}

// The record named `name` when it is of class R, else nullptr.
template <class R>
R* FindRecord(TspSkinData* data, const String& name, Integer* index = nullptr) {
  Integer i = data && !data->Empty ? data->GetControlIndex(name) : -1;
  R* record = RecordAs<R>(data, i);
  if (index) *index = record ? i : -1;
  return record;
}
