// TspSkinMenuItem: one row of a menu level. It knows its rectangle and its
// hover, pressed, morph and animation state, reacts to the pointer and keys the
// level hands it, and draws itself off-screen: from the skin's menu item
// record, or in a plain default look (SkinMenuItemDraw.cpp).
#pragma once

#include <memory>

#include "platform/controls/Menus.h"
#include "platform/graphics/Bitmap.h"
#include "skin/data/WindowRecords.h"

class TspSkinPopupWindow;
class TspEffectBmp;

inline TRect MovedRect(const TRect& r, Integer dx, Integer dy) {
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

class TspSkinMenuItem : public TObject {
public:
  TspSkinMenuItem(TspSkinPopupWindow* window, TMenuItem* item, TspDataSkinMenuItem* record);
  ~TspSkinMenuItem() override;

  // A morph composes the row's normal and selected faces at its first step and
  // keeps them while it runs, so later steps only mix; off, every step composes
  // both faces anew (the reference the tests compare with).
  static bool KeepMorphFaces;

  TspSkinPopupWindow* Window;     // its level
  TspDataSkinMenuItem* SkinRecord;  // the level's item record (nullptr: default look)
  TBitmap* Picture = nullptr;       // borrowed from the skin
  double MorphKf = 0;
  TMenuItem* SourceItem;            // borrowed: the shown item
  TRect ItemRect;
  bool Hot = false;
  bool Pressed = false;
  bool Shown = true;
  bool KeyboardSelected = false;
  Integer AnimFrame = 0;
  // What the row draws from; a copy, so that a record without a valid picture is
  // mended here and not in the loaded skin other rows and levels share.
  TRect SkinRect, ActiveSkinRect;

  bool IsSeparator() const { return SourceItem->Caption() == "-"; }
  bool Selectable() const { return SourceItem->Enabled() && !IsSeparator(); }
  bool Selected() const { return Hot || Pressed; }

  void Draw(TCanvas* canvas);
  void DefaultDraw(TCanvas* canvas);
  void Redraw();
  void MouseEnter(bool byKeyboard);
  void MouseLeave();
  void MouseDown(Integer x = 0, Integer y = 0);
  virtual bool CanMorphing();
  void DoMorphing();
  void SetMorphKf(double value);
  bool EnableMorphing() const;
  bool EnableAnimation() const;
  void DrawSkinCheckImage(TCanvas* canvas, const TRect& r, bool active);
  void DrawSkinRadioImage(TCanvas* canvas, const TRect& r, bool active);
  void DrawSkinArrowImage(TCanvas* canvas, const TRect& r, bool active);

private:
  struct FaceKey;
  struct MorphFaces;
  // The faces of the row as it is now: the kept ones while they still match it.
  const MorphFaces& Faces();
  void DrawMorph(TCanvas* canvas);
  void DrawFace(TBitmap* b, bool selected, const TRect* frame);
  void DrawHeader(TCanvas* canvas, Integer width, Integer height);
  void DrawSkinMark(TCanvas* canvas, const TRect& part, const TRect& r);
  bool HasImage() const;
  void DrawImage(TCanvas* canvas, Integer x, Integer y, TColor frameColor);
  void PutRow(TCanvas* canvas, TBitmap* b);
  void PutRow(TCanvas* canvas, TspEffectBmp& row);
  void SetFont(TCanvas* canvas, bool skinFont);
  TRect AnimationFrame(Integer k) const;

  std::unique_ptr<MorphFaces> faces_;  // owned; only while a morph runs
};

// What a face is composed from besides the record: a kept face is reused only
// while all of it is unchanged.
struct TspSkinMenuItem::FaceKey {
  TRect rect;
  Cardinal background;
  String caption, name;
  TShortCut shortCut;
  bool enabled, checked, radio, hasChildren, skinFont;
  Integer imageIndex;
  TCustomImageList* images;
  const TBitmap* bitmap;
  bool operator==(const FaceKey&) const = default;
};

struct TspSkinMenuItem::MorphFaces {
  FaceKey key;
  std::unique_ptr<TspEffectBmp> normal, active;
};

// The glyphs of the default look (and of a skin without images for them), at (x, y).
void DrawMenuCheck(TCanvas* canvas, Integer x, Integer y, TColor color);
void DrawMenuArrow(TCanvas* canvas, Integer x, Integer y, TColor color);
void DrawMenuRadio(TCanvas* canvas, Integer x, Integer y, TColor color);
// The built-in glyph of a system or tray menu item name; false for any other name.
bool DrawNamedMenuGlyph(TCanvas* canvas, const String& name, Integer x, Integer y, TColor color);
// A header row: a disabled item whose caption starts and ends with "-" (longer than "-").
bool IsMenuHeaderCaption(const TMenuItem* item);
