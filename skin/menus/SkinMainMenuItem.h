// TspSkinMainMenuItem: one top-level item of a form's main menu drawn in the
// skinned frame's main-menu rectangle, left to right in the form's object order.
// It places itself at every draw (items that no longer fit are disabled and
// hidden), morphs between its normal and hot look, and drops its sub-menu down
// through the form's menu engine; moving the pointer along an open menu moves
// the drop-down with it.
#pragma once

#include <vector>

#include "platform/controls/Menus.h"
#include "skin/form/ActiveSkinObject.h"

class TspSkinMainMenuItem : public TspActiveSkinObject {
public:
  TspSkinMainMenuItem(TspDynamicSkinForm* form, TspDataSkinMainMenuItem* data, TMenuItem* menuItem);

  void Draw(TCanvas* canvas, bool update) override;
  void MouseDown(Integer x, Integer y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void SetDown(bool value);
  // Lets go of the other item that is down (true when there was one).
  bool SearchDown();
  // The other item that is hot loses its hover.
  void SearchActive();
  void TrackMenu();
  bool HasChildren() const { return MenuItem && MenuItem->Count() > 0; }

  TRect FormObjectRect;  // where an item below the client lies in the frame (empty otherwise)
  bool Down = false;
  bool SavedEnabled = true;  // Enabled before the item went out of the bar
  bool InBar = true;         // fits in the menu rectangle
  TMenuItem* MenuItem;       // borrowed from the form's main menu
  String FontName;
  Integer FontHeight = 0;
  TFontStyles FontStyle = 0;
  TColor unenabledfontcolor = 0, FontColor = 0, ActiveFontColor = 0, DownFontColor = 0;
  TRect TextRect, downrect;
  Integer ItemLeftOffset = 0, ItemRightOffset = 0;

private:
  void SetFont(TCanvas* canvas) const;
  // Sets ObjectRect for this draw; false when the item does not fit.
  bool Place(TCanvas* canvas, bool update);
  // The item's face from a part of its picture, with its caption.
  void DrawFace(TBitmap* b, const TRect& source, bool active);
  void Release(bool down);
};

// The main-menu items among a form's objects, in object order.
std::vector<TspSkinMainMenuItem*> MainMenuItemsOf(TspDynamicSkinForm* form);
// The items that take part in keyboard navigation: enabled and in the bar.
std::vector<TspSkinMainMenuItem*> KeyboardMainMenuItemsOf(TspDynamicSkinForm* form);
// One item for every visible top-level item of the form's main menu, from the
// skin's "MAINMENUITEM" record; nothing without the menu or the record.
void CreateFrameMainMenu(TspDynamicSkinForm* form);
