#include "skin/controls/ComboFace.h"

#include "skin/draw/SkinRects.h"

void TspComboFace::Read(const TspDataSkinComboBox& r) {
  activeSkinRect = r.activeskinrect;
  itemRect = r.itemrect;
  activeItemRect = r.activeitemrect;
  focusItemRect = IsNullRect(r.focusitemrect) ? r.itemrect : r.focusitemrect;
  itemLeftOffset = r.itemleftoffset;
  itemRightOffset = r.itemrightoffset;
  itemTextRect = r.itemtextrect;
  fontName = r.fontname;
  fontStyle = r.fontstyle;
  fontHeight = r.fontheight;
  fontColor = r.fontcolor;
  focusFontColor = r.focusfontcolor;
  activeFontColor = r.activefontcolor;
  buttonRect = r.buttonrect;
  activeButtonRect = r.activebuttonrect;
  downButtonRect = r.downbuttonrect;
  unEnabledButtonRect = r.unenabledbuttonrect;
  itemStretchEffect = r.itemstretcheffect;
  focusItemStretchEffect = r.focusitemstretcheffect;
  showFocus = r.showfocus;
  listBoxName = r.listboxname;
}

TRect TspComboFace::ButtonSource(bool enabled, bool pressed, bool mouseIn) const {
  if (!enabled && !IsNullRect(unEnabledButtonRect)) return unEnabledButtonRect;
  if (pressed && mouseIn) return downButtonRect;
  if (mouseIn) return activeButtonRect;
  return {};
}

void DefaultComboAreas(Integer width, Integer height, TRect& button, TRect& item) {
  button = {width - 19, 2, width - 2, height - 2};
  item = {2, 2, button.Left - 1, height - 2};
}

void SkinComboAreas(const TspComboFace& face, const TRect& skinRect, const TPoint& rightTop, const TRect& clientRect,
                    Integer width, TRect& button, TRect& item) {
  Integer dw = width - RectWidth(skinRect);
  button = face.buttonRect;
  if (face.buttonRect.Left >= RectWidth(skinRect) - rightTop.X)
    button = {face.buttonRect.Left + dw, face.buttonRect.Top, face.buttonRect.Right + dw, face.buttonRect.Bottom};
  item = clientRect;
  item.Right += dw;
}
