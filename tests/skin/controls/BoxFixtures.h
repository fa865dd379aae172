// Fixtures of the list and edit control tests: a container made in code whose
// picture is painted in solid zones (so one pixel tells which piece was drawn),
// with one record of each kind the controls read; a recorder of the controls'
// timers on the manual skin clock; a form to hold the controls.
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/Forms.h"
#include "skin/controls/SkinBoxTime.h"
#include "skin/data/SkinData.h"

// Zone colours of the fixture picture.
constexpr TColor kFace = 0x00C0C0;      // frames and faces
constexpr TColor kClient = 0xF0F0F0;    // client pieces
constexpr TColor kActive = 0x00A000;    // hot pieces
constexpr TColor kDown = 0x0000A0;      // pressed pieces
constexpr TColor kThumb = 0xA00000;     // scroll thumbs, tabs
constexpr TColor kActiveTab = 0xA000A0; // the active tab
constexpr TColor kItem = 0xE0E0E0;      // list items
constexpr TColor kSelected = 0x606060;  // selected list items

// The container: picture 0 (200 x 100) holds every piece; records:
// "hscrollbar"/"vscrollbar" (scroll bars), "edit", "spinedit", "combobox",
// "listbox", "tab", "resizebutton" (a button), "listview", "hupdown",
// "notbutton" (an edit record, for a header that names a record of another class).
class BoxSkin {
public:
  BoxSkin();
  TspSkinData data;
};

// The skin engine's manual clock, installed while the object lives, with the
// questions the box tests ask of a control's window timer.
class BoxClock : public TspManualSkinClockScope {
public:
  // The interval the control's timer runs at now, 0 when it is not running.
  UINT Interval(TWinControl* control, UINT id = 1);
  // Performs one tick of the control's timer at once, whatever its period.
  void Tick(TWinControl* control, UINT id = 1);
};

inline TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

// A shown form of 400 x 300 for the controls; freed at the end.
class BoxForm {
public:
  BoxForm();
  ~BoxForm();
  template <class C>
  C* Make(TRect bounds = {10, 10, 130, 30}) {
    auto* control = new C(form);
    control->SetParent(form);
    control->SetBoundsRect(bounds);
    return control;
  }
  TForm* form;
};
