// What the two skinned memos share: the font and colours copied from a "memo"
// record, the attached skinned scroll bars that mirror the native scroll
// state, and the memo's context menu.
#pragma once

#include "platform/stdctrls/Memo.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/data/ControlRecords.h"
#include "skin/data/SkinData.h"

class TPopupMenu;

// The record's font and colours; `Found` is false without a usable record.
struct TspMemoLook {
  bool Found = false;
  String FontName;
  TFontStyles FontStyle = 0;
  Integer FontHeight = 14;
  TColor FontColor = 0, ActiveFontColor = 0, BGColor = 0, ActiveBGColor = 0;

  void Read(const TspDataSkinMemoControl* record);
  // The font a memo shows: the record's face with UseSkinFont, else the
  // default font; the colour is left to the caller.
  void ApplyFont(TFont* font, const TFont* defaultFont, bool useSkinFont) const;
};

// The disabled text colour: the "edit" record's, clGrayText without it.
TColor MemoDisabledFontColor(TspSkinData* data, bool hasMemoRecord);

// Copies the native scroll state of `memo` into its bars: a disabled memo
// disables them; a bar is enabled only when there is something to scroll.
void UpdateMemoScrollBars(TCustomMemo* memo, TspSkinScrollBar* vbar, TspSkinScrollBar* hbar);

// Scrolls the memo to the bar's position. Vertical positions are lines and
// travel in full 32 bits (a line scroll by the difference), not through the
// 16-bit thumb word.
void ScrollMemoToBar(TCustomMemo* memo, TspSkinScrollBar* bar, bool vertical);

// The memo's context menu, owned by `memo`: captions from the memo's own
// container (library texts otherwise; a name missing from the skin keeps the
// library text); Cut and Delete need a selection and no ReadOnly, Copy a
// selection, Paste no ReadOnly and text on the clipboard, Select All a text
// not already wholly selected.
TPopupMenu* BuildMemoContextMenu(TCustomMemo* memo, TspSkinData* data, bool readOnly);

// The lines a disabled memo shows, drawn by the control: every whole line that
// fits the text rectangle, from the first visible one, in `font`.
void DrawDisabledMemoLines(TCustomMemo* memo, HDC dc, TRect textRect, TFont* font);
