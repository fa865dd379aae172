// The window skin records: the frame objects of [SKINOBJECTS] (caption, caption
// buttons, labels, gauges, menu items and the rest), the named areas of
// [SKINAREAS] and the popup-menu and hint windows. Plain data: each record reads
// and writes its own section through its descriptor table (SkinRecordTable.h).
#pragma once

#include "platform/Colors.h"
#include "skin/data/SkinRecordTable.h"

// Declares the class's descriptor table and its virtual view.
#define SKIN_RECORD_TABLE()                        \
 public:                                           \
  static const SkinRecordTable& RecordTable();     \
  const SkinRecordTable& Table() const override { return RecordTable(); }

// A named rectangle of [SKINAREAS]; never read from a section of its own.
class TspDataSkinArea : public TObject {
public:
  TspDataSkinArea(const String& name, const TRect& rect) : IDName(name), skinrect(rect) {}
  String IDName;
  TRect skinrect;
};

class TspDataSkinObject : public TObject {
public:
  explicit TspDataSkinObject(const String& name) : IDName(name) {}
  virtual void LoadFromFile(TCustomIniFile& ini);  // the section named IDName
  virtual void SaveToFile(TCustomIniFile& ini);    // erases the section, then writes it
  static const SkinRecordTable& RecordTable();
  virtual const SkinRecordTable& Table() const { return RecordTable(); }

  String IDName;
  String Hint;
  bool skinrectinapicture = false;
  TRect skinrect;
  TRect activeskinrect;
  TRect inactiveskinrect;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
  Integer activepictureindex = -1;
  Integer cursorindex = -1;
  bool RollUp = false;
};

// Reads and writes only rollup, skinrect and cursorindex.
class TspDataUserObject : public TspDataSkinObject {
  SKIN_RECORD_TABLE()
  using TspDataSkinObject::TspDataSkinObject;
};

class TspDataSkinSwitch : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;
};

class TspDataSkinGauge : public TspDataSkinObject {
  SKIN_RECORD_TABLE()
  using TspDataSkinObject::TspDataSkinObject;
  Integer MinValue = 0;
  Integer MaxValue = 0;
  TGaugeKind Kind = gkHorizontal;
};

class TspDataSkinFrameGaugeObject : public TspDataSkinObject {
  SKIN_RECORD_TABLE()
  using TspDataSkinObject::TspDataSkinObject;
  Integer MinValue = 0;
  Integer MaxValue = 0;
  Integer countframes = 0;
  TFramesPlacement FramesPlacement = fpHorizontal;
};

class TspDataSkinFrameRegulatorObject : public TspDataSkinObject {
  SKIN_RECORD_TABLE()
  using TspDataSkinObject::TspDataSkinObject;
  Integer MinValue = 0;
  Integer MaxValue = 0;
  Integer countframes = 0;
  TFramesPlacement FramesPlacement = fpHorizontal;
  TRegulatorKind Kind = rkRound;
};

// Morphing is always off after reading.
class TspDataSkinTrackBar : public TspDataSkinObject {
  SKIN_RECORD_TABLE()
  using TspDataSkinObject::TspDataSkinObject;
  TRect ButtonRect;
  TRect activebuttonrect;
  TPoint beginpoint;
  TPoint endpoint;
  Integer MinValue = 0;
  Integer MaxValue = 0;
  bool mousedownchangevalue = false;
  bool buttontransparent = false;
  TColor buttontransparentcolor = 0;
};

// Morphing is always off after reading.
class TspDataSkinAnimate : public TspDataSkinObject {
  SKIN_RECORD_TABLE()
  using TspDataSkinObject::TspDataSkinObject;
  Integer countframes = 0;
  bool Cycle = false;
  bool ButtonStyle = false;
  Integer TimerInterval = 0;
  TStdCommand Command = cmClose;
  TRect DownSkinRect;
  TRect restorerect;
  TRect restoreactiverect;
  TRect restoredownrect;
  TRect restoreinactiverect;
};

class TspDataSkinButton : public TspDataSkinObject {
  SKIN_RECORD_TABLE()
  using TspDataSkinObject::TspDataSkinObject;
  Integer GroupIndex = -1;
  TRect downrect;
  TRect disableskinrsect;  // the key keeps this spelling
};

class TspDataSkinStdButton : public TspDataSkinButton {
  SKIN_RECORD_TABLE()
  using TspDataSkinButton::TspDataSkinButton;
  TStdCommand Command = cmClose;
  TRect restorerect;
  TRect restoreactiverect;
  TRect restoredownrect;
  TRect restoreinactiverect;
};

class TspDataSkinMainMenuBarButton : public TspDataSkinStdButton {
public:
  using TspDataSkinStdButton::TspDataSkinStdButton;
};

// An empty active image rectangle takes its normal twin read just before it.
class TspDataSkinMenuItem : public TspDataSkinObject {
  SKIN_RECORD_TABLE()
  using TspDataSkinObject::TspDataSkinObject;
  TRect DividerRect;
  Integer DividerLeftOffset = 0;
  Integer DividerRightOffset = 0;
  Integer ItemLeftOffset = 0;
  Integer ItemRightOffset = 0;
  String FontName;
  Integer FontHeight = 0;
  TFontStyles FontStyle = 0;
  TColor unenabledfontcolor = 0;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TRect TextRect;
  bool stretcheffect = false;
  bool DividerStretchEffect = false;
  bool InActiveStretchEffect = false;
  TRect animateskinrect;
  Integer framecount = 0;
  Integer AnimateInterval = 0;
  bool inactiveanimation = false;
  TRect ImageRect;
  bool UseImageColor = false;
  TColor ImageColor = 0;
  TColor ActiveImageColor = 0;
  bool InActiveTransparent = false;
  TRect CheckImageRect;
  TRect ActiveCheckImageRect;
  TRect RadioImageRect;
  TRect ActiveRadioImageRect;
  TRect ArrowImageRect;
  TRect ActiveArrowImageRect;
};

class TspDataSkinMainMenuItem : public TspDataSkinObject {
  SKIN_RECORD_TABLE()
  using TspDataSkinObject::TspDataSkinObject;
  TRect downrect;
  String FontName;
  Integer FontHeight = 0;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor DownFontColor = 0;
  TColor unenabledfontcolor = 0;  // key "unenabledfontColor"
  TRect TextRect;
  Integer ItemLeftOffset = 0;
  Integer ItemRightOffset = 0;
  bool stretcheffect = false;
  TRect animateskinrect;
  Integer framecount = 0;
  Integer AnimateInterval = 0;
  bool inactiveanimation = false;
};

class TspDataSkinMainMenuBarItem : public TspDataSkinMainMenuItem {
public:
  using TspDataSkinMainMenuItem::TspDataSkinMainMenuItem;
};

class TspDataSkinLabel : public TspDataSkinObject {
  SKIN_RECORD_TABLE()
  using TspDataSkinObject::TspDataSkinObject;
  String FontName;  // read as "fontName", written as "fontname"
  Integer FontHeight = 0;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TAlignment Alignment = taLeftJustify;
  String TextValue;
};

// Morphing is always off after reading; symbol lines are appended.
class TspDataSkinBitLabel : public TspDataSkinObject {
  SKIN_RECORD_TABLE()
  using TspDataSkinObject::TspDataSkinObject;
  TStringList Symbols;  // owned
  String TextValue;
  Integer symbolwidth = 0;
  Integer symbolheight = 0;
  bool Transparent = false;
  TColor TransparentColor = 0xFF00FF;
};

class TspDataSkinCaption : public TspDataSkinObject {
  SKIN_RECORD_TABLE()
  using TspDataSkinObject::TspDataSkinObject;
  String FontName;
  Integer FontHeight = 0;
  TFontStyles FontStyle = 0;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor ShadowColor = 0;
  TColor activeshadowcolor = 0;
  bool Shadow = false;
  TAlignment Alignment = taLeftJustify;
  TRect TextRect;
  bool DefaultCaption = false;
  TRect FrameRect;
  TRect activeframerect;
  Integer frameleftoffset = 0;
  Integer framerightoffset = 0;
  TRect frametextrect;
  bool Light = false;
  TColor LightColor = 0;
  TColor activelightcolor = 0;
  bool stretcheffect = false;
  TRect animateskinrect;
  Integer framecount = 0;
  Integer AnimateInterval = 0;
  bool inactiveanimation = false;
  bool FullFrame = false;
};

// The window of a skinned popup menu: [POPUPWINDOW].
class TspDataSkinPopupWindow : public TObject {
public:
  static const SkinRecordTable& RecordTable();
  void LoadFromFile(TCustomIniFile& ini);
  void SaveToFile(TCustomIniFile& ini);

  Integer WindowPictureIndex = -1;
  Integer maskpictureindex = -1;
  TPoint LeftTopPoint;
  TPoint RightTopPoint;
  TPoint LeftBottomPoint;
  TPoint RightBottomPoint;
  TRect ItemsRect;
  TColor ScrollMarkerColor = 0;
  TColor ScrollMarkerActiveColor = 0;
  Integer cursorindex = -1;
  bool TopStretch = false;
  bool LeftStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  bool stretcheffect = false;
  TspStretchType StretchType = spstFull;
};

// The skinned hint window: [HINTWINDOW]. Its font height is 12 before any load
// and 14 after a load of a skin without the key.
class TspDataSkinHintWindow : public TObject {
public:
  static const SkinRecordTable& RecordTable();
  void LoadFromFile(TCustomIniFile& ini);
  void SaveToFile(TCustomIniFile& ini);

  Integer WindowPictureIndex = -1;
  Integer maskpictureindex = -1;
  TPoint LeftTopPoint;
  TPoint RightTopPoint;
  TPoint LeftBottomPoint;
  TPoint RightBottomPoint;
  TRect ClientRect;
  String FontName = "Arial";
  TFontStyles FontStyle = 0;
  Integer FontHeight = 12;
  TColor FontColor = 0;
  bool TopStretch = false;
  bool LeftStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  bool stretcheffect = false;
  TspStretchType StretchType = spstFull;
};
