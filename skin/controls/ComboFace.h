// The "combobox" record's pieces as the combo boxes keep them between lookups
// (the fixed and edit style combo box and the check combo box read the same
// record), with the button piece a state shows.
#pragma once

#include "skin/data/SkinData.h"

struct TspComboFace {
  TRect activeSkinRect, itemRect, activeItemRect, focusItemRect, itemTextRect;
  TRect buttonRect, activeButtonRect, downButtonRect, unEnabledButtonRect;
  Integer itemLeftOffset = 0, itemRightOffset = 0;
  String fontName = "Arial";
  TFontStyles fontStyle = 0;
  Integer fontHeight = 14;
  TColor fontColor = 0, focusFontColor = 0, activeFontColor = 0;
  bool itemStretchEffect = false, focusItemStretchEffect = false, showFocus = false;
  String listBoxName;

  // An empty focus item rect takes the item rect.
  void Read(const TspDataSkinComboBox& r);
  // The piece drawn over the face's own button for the state; empty when
  // the face's button is the one to show.
  TRect ButtonSource(bool enabled, bool pressed, bool mouseIn) const;
};

// The button and item areas of a face of `width`: the default look's, or
// the record's stretched from the skin rect's width (a button right of the
// stretched middle moves with the right edge).
void DefaultComboAreas(Integer width, Integer height, TRect& button, TRect& item);
void SkinComboAreas(const TspComboFace& face, const TRect& skinRect, const TPoint& rightTop, const TRect& clientRect,
                    Integer width, TRect& button, TRect& item);
