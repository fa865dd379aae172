// Fixture of the skinned control tests: a skin container built in memory from a
// few lines per record over a generated picture in which every state rectangle
// is a solid colour of its own (so one pixel read back tells which piece was
// drawn), an off-screen render of a control, and a form to put controls on.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/controls/Forms.h"
#include "skin/data/SkinData.h"

class TestSkin {
public:
  TestSkin();
  // Adds a record of the type word ("button", "panel" ...) named `name`, read
  // from "key=value" lines (separated by new lines or ';'). pictureindex is 0
  // unless the lines say otherwise. Answers the record.
  TspDataSkinControl* Add(const String& typeWord, const String& name, const String& lines);
  template <class R>
  R* Add(const String& typeWord, const String& name, const String& lines) {
    return dynamic_cast<R*>(Add(typeWord, name, lines));
  }
  // Paints picture 0: each picture rectangle of the records, in the order added,
  // gets a colour of its own (a rectangle named again keeps its colour); its bottom-left pixel is clFuchsia, so pieces drawn
  // with the bitmap's own transparency keep their colour. Marks the skin loaded.
  TspSkinData& Finish();
  // The colour given to a record's rectangle key.
  TColor ColorOf(const String& name, const String& key) const;
  TBitmap& Picture() { return *data.ActivePictures.at(0); }

  TspSkinData data;

private:
  struct PictureZone {
    String name, key;
    TRect area;
  };
  std::vector<PictureZone> zones_;
  std::map<String, TColor> colours_;  // "name/key" -> colour
};

// The control painted off-screen into a 32-bit bitmap of its size (white first).
std::unique_ptr<TBitmap> Render(TControl* control);
TColor PixelOf(TBitmap& bitmap, int x, int y);

// A shown form of 400 x 300 with a green client area.
class FormFixture {
public:
  FormFixture();
  ~FormFixture();
  template <class C>
  C* Make(TRect bounds, TWinControl* parent = nullptr) {
    auto* control = new C(form);
    control->SetParent(parent ? parent : form);
    control->SetBoundsRect(bounds);
    return control;
  }
  TForm* form;
};
