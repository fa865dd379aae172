// A button record ("resizebutton", "editbutton", "resizetoolbutton" and the
// like) used by the list and edit controls to draw their small buttons, header
// sections and faces at any size: the record's state piece composed with its
// corner points moved by the size difference.
#pragma once

#include <initializer_list>

#include "skin/data/SkinData.h"

class TspButtonRecordLook {
public:
  // The first of the names that holds a button record with a picture; false
  // (and no record) when none does.
  bool Find(TspSkinData* data, std::initializer_list<const char*> names);
  bool Find(TspSkinData* data, const String& name) { return Find(data, {name.c_str()}); }
  // The piece of the state: pressed, hot, else normal (an empty one falls back
  // to the one before it).
  TRect StateRect(bool hot, bool pressed) const;
  // Composes the state piece into dest at dest's present size.
  void Compose(TBitmap* dest, bool hot, bool pressed) const;
  TColor TextColor(bool hot, bool pressed, bool enabled) const;

  TspDataSkinButtonControl* Record = nullptr;  // borrowed from the container
  TBitmap* Picture = nullptr;                  // borrowed from the container
};
