// The visual-style element families of the framed controls: one enumeration per
// element class (DontCare 0, Root 1, then the states of each part in schema
// order) and their translation into part and state numbers. Families the framed
// controls draw name every value; the others name DontCare and Root and hold
// their further values by number.
#pragma once

#include "platform/core/System.h"

enum TThemedElement : Byte {
  teButton, teClock, teComboBox, teEdit, teExplorerBar, teHeader, teListView, teMenu, tePage, teProgress, teRebar, teScrollBar, teSpin, teStartPanel, teStatus, teTab, teTaskBand, teTaskBar, teToolBar, teToolTip, teTrackBar, teTrayNotify, teTreeview, teWindow
};
constexpr int kThemedElementCount = 24;

enum TThemedButton : int {
  tbButtonDontCare, tbButtonRoot, tbPushButtonNormal, tbPushButtonHot,
  tbPushButtonPressed, tbPushButtonDisabled, tbPushButtonDefaulted, tbRadioButtonUncheckedNormal,
  tbRadioButtonUncheckedHot, tbRadioButtonUncheckedPressed, tbRadioButtonUncheckedDisabled, tbRadioButtonCheckedNormal,
  tbRadioButtonCheckedHot, tbRadioButtonCheckedPressed, tbRadioButtonCheckedDisabled, tbCheckBoxUncheckedNormal,
  tbCheckBoxUncheckedHot, tbCheckBoxUncheckedPressed, tbCheckBoxUncheckedDisabled, tbCheckBoxCheckedNormal,
  tbCheckBoxCheckedHot, tbCheckBoxCheckedPressed, tbCheckBoxCheckedDisabled, tbCheckBoxMixedNormal,
  tbCheckBoxMixedHot, tbCheckBoxMixedPressed, tbCheckBoxMixedDisabled, tbGroupBoxNormal,
  tbGroupBoxDisabled, tbUserButton
};
enum TThemedClock : int { tcClockDontCare, tcClockRoot };  // values 2..4
enum TThemedComboBox : int {
  tcComboBoxDontCare, tcComboBoxRoot, tcDropDownButtonNormal, tcDropDownButtonHot,
  tcDropDownButtonPressed, tcDropDownButtonDisabled
};
enum TThemedEdit : int {
  teEditDontCare, teEditRoot, teEditTextNormal, teEditTextHot,
  teEditTextSelected, teEditTextDisabled, teEditTextFocused, teEditTextReadOnly,
  teEditTextAssist, teEditCaret
};
enum TThemedExplorerBar : int {
  tebExplorerBarDontCare, tebExplorerBarRoot, tebHeaderBackgroundNormal, tebHeaderBackgroundHot,
  tebHeaderBackgroundPressed, tebHeaderCloseNormal, tebHeaderCloseHot, tebHeaderClosePressed,
  tebHeaderPinNormal, tebHeaderPinHot, tebHeaderPinPressed, tebHeaderPinSelectedNormal,
  tebHeaderPinSelectedHot, tebHeaderPinSelectedPressed, tebIEBarMenuNormal, tebIEBarMenuHot,
  tebIEBarMenuPressed, tebNormalGroupBackground, tebNormalGroupCollapseNormal, tebNormalGroupCollapseHot,
  tebNormalGroupCollapsePressed, tebNormalGroupExpandNormal, tebNormalGroupExpandHot, tebNormalGroupExpandPressed,
  tebNormalGroupHead, tebSpecialGroupBackground, tebSpecialGroupCollapseSpecial, tebSpecialGroupCollapseHot,
  tebSpecialGroupCollapsePressed, tebSpecialGroupExpandSpecial, tebSpecialGroupExpandHot, tebSpecialGroupExpandPressed,
  tebSpecialGroupHead
};
enum TThemedHeader : int {
  thHeaderDontCare, thHeaderRoot, thHeaderItemNormal, thHeaderItemHot,
  thHeaderItemPressed, thHeaderItemLeftNormal, thHeaderItemLeftHot, thHeaderItemLeftPressed,
  thHeaderItemRightNormal, thHeaderItemRightHot, thHeaderItemRightPressed, thHeaderSortArrowSortedUp,
  thHeaderSortArrowSortedDown
};
enum TThemedListview : int { tlvListviewDontCare, tlvListviewRoot };  // values 2..12
enum TThemedMenu : int { tmMenuDontCare, tmMenuRoot };  // values 2..11
enum TThemedPage : int { tpPageDontCare, tpPageRoot };  // values 2..19
enum TThemedProgress : int {
  tpProgressDontCare, tpProgressRoot, tpBar, tpBarVert,
  tpChunk, tpChunkVert
};
enum TThemedRebar : int {
  trRebarDontCare, trRebarRoot, trGripper, trGripperVert,
  trBandNormal, trBandHot, trBandPressed, trBandDisabled,
  trBandChecked, trBandHotChecked, trChevronNormal, trChevronHot,
  trChevronPressed, trChevronDisabled, trChevronVertNormal, trChevronVertHot,
  trChevronVertPressed, trChevronVertDisabled
};
enum TThemedScrollBar : int {
  tsScrollBarDontCare, tsScrollBarRoot, tsArrowBtnUpNormal, tsArrowBtnUpHot,
  tsArrowBtnUpPressed, tsArrowBtnUpDisabled, tsArrowBtnDownNormal, tsArrowBtnDownHot,
  tsArrowBtnDownPressed, tsArrowBtnDownDisabled, tsArrowBtnLeftNormal, tsArrowBtnLeftHot,
  tsArrowBtnLeftPressed, tsArrowBtnLeftDisabled, tsArrowBtnRightNormal, tsArrowBtnRightHot,
  tsArrowBtnRightPressed, tsArrowBtnRightDisabled, tsThumbBtnHorzNormal, tsThumbBtnHorzHot,
  tsThumbBtnHorzPressed, tsThumbBtnHorzDisabled, tsThumbBtnVertNormal, tsThumbBtnVertHot,
  tsThumbBtnVertPressed, tsThumbBtnVertDisabled, tsLowerTrackHorzNormal, tsLowerTrackHorzHot,
  tsLowerTrackHorzPressed, tsLowerTrackHorzDisabled, tsUpperTrackHorzNormal, tsUpperTrackHorzHot,
  tsUpperTrackHorzPressed, tsUpperTrackHorzDisabled, tsLowerTrackVertNormal, tsLowerTrackVertHot,
  tsLowerTrackVertPressed, tsLowerTrackVertDisabled, tsUpperTrackVertNormal, tsUpperTrackVertHot,
  tsUpperTrackVertPressed, tsUpperTrackVertDisabled, tsGripperHorzNormal, tsGripperHorzHot,
  tsGripperHorzPressed, tsGripperHorzDisabled, tsGripperVertNormal, tsGripperVertHot,
  tsGripperVertPressed, tsGripperVertDisabled, tsSizeBoxRightAlign, tsSizeBoxLeftAlign
};
enum TThemedSpin : int {
  tsSpinDontCare, tsSpinRoot, tsUpNormal, tsUpHot,
  tsUpPressed, tsUpDisabled, tsDownNormal, tsDownHot,
  tsDownPressed, tsDownDisabled, tsUpHorzNormal, tsUpHorzHot,
  tsUpHorzPressed, tsUpHorzDisabled, tsDownHorzNormal, tsDownHorzHot,
  tsDownHorzPressed, tsDownHorzDisabled
};
enum TThemedStartPanel : int { tspStartPanelDontCare, tspStartPanelRoot };  // values 2..18
enum TThemedStatus : int {
  tsStatusDontCare, tsStatusRoot, tsPane, tsGripperPane,
  tsGripper
};
enum TThemedTab : int { ttTabDontCare, ttTabRoot };  // values 2..45
enum TThemedTaskBand : int { ttbTaskBandDontCare, ttbTaskBandRoot };  // values 2..6
enum TThemedTaskBar : int { ttbTaskBarDontCare, ttbTaskBarRoot };  // values 2..4
enum TThemedToolBar : int {
  ttbToolBarDontCare, ttbToolBarRoot, ttbButtonNormal, ttbButtonHot,
  ttbButtonPressed, ttbButtonDisabled, ttbButtonChecked, ttbButtonCheckedHot,
  ttbDropDownButtonNormal, ttbDropDownButtonHot, ttbDropDownButtonPressed, ttbDropDownButtonDisabled,
  ttbDropDownButtonChecked, ttbDropDownButtonCheckedHot, ttbSplitButtonNormal, ttbSplitButtonHot,
  ttbSplitButtonPressed, ttbSplitButtonDisabled, ttbSplitButtonChecked, ttbSplitButtonCheckedHot,
  ttbSplitButtonDropDownNormal, ttbSplitButtonDropDownHot, ttbSplitButtonDropDownPressed, ttbSplitButtonDropDownDisabled,
  ttbSplitButtonDropDownChecked, ttbSplitButtonDropDownCheckedHot, ttbSeparatorNormal, ttbSeparatorHot,
  ttbSeparatorPressed, ttbSeparatorDisabled, ttbSeparatorChecked, ttbSeparatorCheckedHot,
  ttbSeparatorVertNormal, ttbSeparatorVertHot, ttbSeparatorVertPressed, ttbSeparatorVertDisabled,
  ttbSeparatorVertChecked, ttbSeparatorVertCheckedHot
};
enum TThemedToolTip : int { tttToolTipDontCare, tttToolTipRoot };  // values 2..14
enum TThemedTrackBar : int { tkbTrackBarDontCare, tkbTrackBarRoot };  // values 2..37
enum TThemedTrayNotify : int { ttnTrayNotifyDontCare, ttnTrayNotifyRoot };  // values 2..5
enum TThemedTreeview : int { ttvTreeviewDontCare, ttvTreeviewRoot };  // values 2..11
enum TThemedWindow : int { twWindowDontCare, twWindowRoot };  // values 2..106

struct TThemedElementDetails {
  TThemedElement Element = teButton;
  Integer Part = 0;
  Integer State = 0;
};

// The part and state of a value of the element's enumeration: each family's values
// from 2 on fall into runs, one per part; DontCare, Root and values outside the
// runs give part 0 and state value + 1.
TThemedElementDetails ElementDetails(TThemedElement element, int value);
// The number of values from 2 on of each family.
int ThemedElementValueCount(TThemedElement element);
// The visual-styles class name of the element ("button").
const wchar_t* ThemedElementClassName(TThemedElement element);

inline TThemedElementDetails GetElementDetails(TThemedButton value) { return ElementDetails(teButton, value); }
inline TThemedElementDetails GetElementDetails(TThemedClock value) { return ElementDetails(teClock, value); }
inline TThemedElementDetails GetElementDetails(TThemedComboBox value) { return ElementDetails(teComboBox, value); }
inline TThemedElementDetails GetElementDetails(TThemedEdit value) { return ElementDetails(teEdit, value); }
inline TThemedElementDetails GetElementDetails(TThemedExplorerBar value) { return ElementDetails(teExplorerBar, value); }
inline TThemedElementDetails GetElementDetails(TThemedHeader value) { return ElementDetails(teHeader, value); }
inline TThemedElementDetails GetElementDetails(TThemedListview value) { return ElementDetails(teListView, value); }
inline TThemedElementDetails GetElementDetails(TThemedMenu value) { return ElementDetails(teMenu, value); }
inline TThemedElementDetails GetElementDetails(TThemedPage value) { return ElementDetails(tePage, value); }
inline TThemedElementDetails GetElementDetails(TThemedProgress value) { return ElementDetails(teProgress, value); }
inline TThemedElementDetails GetElementDetails(TThemedRebar value) { return ElementDetails(teRebar, value); }
inline TThemedElementDetails GetElementDetails(TThemedScrollBar value) { return ElementDetails(teScrollBar, value); }
inline TThemedElementDetails GetElementDetails(TThemedSpin value) { return ElementDetails(teSpin, value); }
inline TThemedElementDetails GetElementDetails(TThemedStartPanel value) { return ElementDetails(teStartPanel, value); }
inline TThemedElementDetails GetElementDetails(TThemedStatus value) { return ElementDetails(teStatus, value); }
inline TThemedElementDetails GetElementDetails(TThemedTab value) { return ElementDetails(teTab, value); }
inline TThemedElementDetails GetElementDetails(TThemedTaskBand value) { return ElementDetails(teTaskBand, value); }
inline TThemedElementDetails GetElementDetails(TThemedTaskBar value) { return ElementDetails(teTaskBar, value); }
inline TThemedElementDetails GetElementDetails(TThemedToolBar value) { return ElementDetails(teToolBar, value); }
inline TThemedElementDetails GetElementDetails(TThemedToolTip value) { return ElementDetails(teToolTip, value); }
inline TThemedElementDetails GetElementDetails(TThemedTrackBar value) { return ElementDetails(teTrackBar, value); }
inline TThemedElementDetails GetElementDetails(TThemedTrayNotify value) { return ElementDetails(teTrayNotify, value); }
inline TThemedElementDetails GetElementDetails(TThemedTreeview value) { return ElementDetails(teTreeview, value); }
inline TThemedElementDetails GetElementDetails(TThemedWindow value) { return ElementDetails(teWindow, value); }
