// The control skin records of [SKINCONTROLS]: one class per type word, each
// field named after its key. Plain data: each record reads and writes its own
// section through its descriptor table (SkinRecordTable.h).
#pragma once

#include "platform/Colors.h"
#include "skin/data/WindowRecords.h"

// Field groups shared by several records.
#define SKIN_FONT_FIELDS(p)   \
  String p##fontname = "Arial"; \
  TFontStyles p##fontstyle = 0; \
  Integer p##fontheight = 14;   \
  TColor p##fontcolor = 0;
#define SKIN_CORNER_FIELDS \
  TPoint lefttoppoint;     \
  TPoint righttoppoint;    \
  TPoint leftbottompoint;  \
  TPoint rightbottompoint;
#define SKIN_SPIN_FIELDS \
  TRect upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect, activedownbuttonrect, downdownbuttonrect;

class TspDataSkinControl : public TObject {
public:
  explicit TspDataSkinControl(const String& name) : RecordName(name) {}
  virtual void LoadFromFile(TCustomIniFile& ini);  // the section named RecordName
  virtual void SaveToFile(TCustomIniFile& ini);    // erases the section, then writes it
  static const SkinRecordTable& RecordTable();
  virtual const SkinRecordTable& Table() const { return RecordTable(); }

  String RecordName;
  Integer pictureindex = -1;
  Integer maskpictureindex = -1;
  TRect skinrect;
  Integer cursorindex = -1;
};

// The nine-part piece geometry shared by most records.
class TspDataSkinCustomControl : public TspDataSkinControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinControl::TspDataSkinControl;
  SKIN_CORNER_FIELDS
  TRect clientrect;
  bool stretcheffect = false;
  bool leftstretch = false, topstretch = false, rightstretch = false, bottomstretch = false;
  TspStretchType stretchtype = spstFull;
};

// A control drawn from a strip of equal frames; framescount is at least 1.
class TspDataSkinFrameControl : public TspDataSkinControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinControl::TspDataSkinControl;
  Integer framescount = 1;
  TFramesPlacement framesplacement = fpHorizontal;
};

class TspDataSkinFrameGauge : public TspDataSkinFrameControl {
public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};
class TspDataSkinAnimateControl : public TspDataSkinFrameControl {
public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};
class TspDataSkinSwitchControl : public TspDataSkinFrameControl {
public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};
class TspDataSkinFrameRegulator : public TspDataSkinFrameControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
  TRegulatorKind kind = rkRound;
};

class TspDataSkinBevel : public TspDataSkinControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinControl::TspDataSkinControl;
  TColor lightcolor = 0, darkcolor = 0;
};

class TspDataSkinSlider : public TspDataSkinControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinControl::TspDataSkinControl;
  TRect hrulerrect, hthumbrect, vrulerrect, vthumbrect;
  Integer edgesize = 0;
  TColor bgcolor = 0, pointscolor = 0;
};

// The tree view, list view and rich edit records share one layout.
class TspDataSkinTreeView : public TspDataSkinControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinControl::TspDataSkinControl;
  SKIN_FONT_FIELDS()
  TColor bgcolor = 0;
};
class TspDataSkinListView : public TspDataSkinControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinControl::TspDataSkinControl;
  SKIN_FONT_FIELDS()
  TColor bgcolor = 0;
};
class TspDataSkinRichEdit : public TspDataSkinControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinControl::TspDataSkinControl;
  SKIN_FONT_FIELDS()
  TColor bgcolor = 0;
};

class TspDataSkinStdLabelControl : public TspDataSkinControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinControl::TspDataSkinControl;
  SKIN_FONT_FIELDS()
  TColor activefontcolor = 16711680;
};

class TspDataSkinMainMenuBar : public TspDataSkinControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinControl::TspDataSkinControl;
  TRect itemsrect;
  String menubaritem, closebutton, maxbutton, minbutton, sysmenubutton;  // names of window records
  TColor trackmarkcolor = 0, trackmarkactivecolor = 0;
  bool stretcheffect = false, itemtransparent = false;
};

class TspDataSkinTabControl : public TspDataSkinControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinControl::TspDataSkinControl;
  TRect tabrect, activetabrect, focustabrect, mouseintabrect, clientrect, tabsbgrect;
  SKIN_CORNER_FIELDS
  Integer tableftoffset = 0, tabrightoffset = 0;
  SKIN_FONT_FIELDS()
  TColor activefontcolor = 0, focusfontcolor = 0, mouseinfontcolor = 0;
  String updown;  // the up-down record that scrolls the tabs
  Integer bgpictureindex = -1;
  bool tabstretcheffect = false, leftstretch = false, topstretch = false, rightstretch = false,
       bottomstretch = false, showfocus = false;
  Integer focusoffsetx = 0, focusoffsety = 0;
  bool stretcheffect = false;
  TspStretchType stretchtype = spstFull;
  TRect closebuttonrect, closebuttonactiverect, closebuttondownrect;
  bool buttontransparent = false;
  TColor buttontransparentcolor = 0;
};

class TspDataSkinGridControl : public TspDataSkinControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinControl::TspDataSkinControl;
  TRect fixedcellrect, selectcellrect, focuscellrect;
  Integer fixedcellleftoffset = 0, fixedcellrightoffset = 0;
  TRect fixedcelltextrect;
  Integer cellleftoffset = 0, cellrightoffset = 0;
  TRect celltextrect;
  TColor linescolor = 0, bgcolor = 0;
  Integer bgpictureindex = -1;
  SKIN_FONT_FIELDS()
  TColor selectfontcolor = 0, focusfontcolor = 0;
  SKIN_FONT_FIELDS(fixed)
  bool fixedcellstretcheffect = false, cellstretcheffect = false, showfocus = false;
};

class TspDataSkinControlBar : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  TRect itemrect;
  Integer bgpictureindex = -1;
  TRect hgriprect, vgriprect;
  Integer gripoffset1 = 0, gripoffset2 = 0;
  bool itemstretcheffect = false;
  Integer itemoffset1 = 3, itemoffset2 = 3;
  bool itemtransparent = false;
  TColor itemtransparentcolor = 0;
  bool griptransparent = false;
  TColor griptransparentcolor = 0;
};

// Its corner points and client rectangle are always zero, read or written.
class TspDataSkinUpDownControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  SKIN_SPIN_FIELDS
};

class TspDataSkinComboBox : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  TRect itemrect, activeitemrect, focusitemrect;
  Integer itemleftoffset = 0, itemrightoffset = 0;
  TRect itemtextrect;
  SKIN_FONT_FIELDS()
  TColor focusfontcolor = 0, activefontcolor = 0;
  TRect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
  bool itemstretcheffect = false, focusitemstretcheffect = false;
  TRect activeskinrect;
  bool showfocus = false;
  String listboxname;  // the list-box record of the drop-down list
};

class TspDataSkinListBox : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  TRect itemrect, activeitemrect, focusitemrect;
  Integer itemleftoffset = 0, itemrightoffset = 0;
  TRect itemtextrect;
  SKIN_FONT_FIELDS()
  TColor activefontcolor = 0, focusfontcolor = 0;
  TRect captionrect;
  SKIN_FONT_FIELDS(caption)
  SKIN_SPIN_FIELDS
  TRect checkbuttonrect, activecheckbuttonrect, downcheckbuttonrect;
  String hscrollbarname = "hscrollbar", vscrollbarname = "vscrollbar", bothhscrollbarname = "bothhscrollbar";
  bool showfocus = false;
};

class TspDataSkinCheckListBox : public TspDataSkinListBox {
  SKIN_RECORD_TABLE()
  using TspDataSkinListBox::TspDataSkinListBox;
  TRect uncheckimagerect, checkimagerect, itemcheckrect;
};

class TspDataSkinScrollBarControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  TRect trackarea;
  SKIN_SPIN_FIELDS
  TRect thumbrect, activethumbrect, downthumbrect;
  Integer thumboffset1 = 0, thumboffset2 = 0;
  TRect glyphrect, activeglyphrect, downglyphrect;
  bool glyphtransparent = false;
  TColor glyphtransparentcolor = 0;
  bool thumbtransparent = false;
  TColor thumbtransparentcolor = 0;
  bool thumbstretcheffect = false;
  Integer thumbminsize = 0, thumbminpagesize = 0;
};

class TspDataSkinSpinEditControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  TRect activeskinrect;
  SKIN_FONT_FIELDS()
  TColor activefontcolor = 0, disabledfontcolor = 0;
  SKIN_SPIN_FIELDS
};

class TspDataSkinEditControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  TRect activeskinrect;
  SKIN_FONT_FIELDS()
  TColor disabledfontcolor = 0, activefontcolor = 0;
  TRect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
};

class TspDataSkinMemoControl : public TspDataSkinEditControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinEditControl::TspDataSkinEditControl;
  TColor bgcolor = 0, activebgcolor = 0;
};

class TspDataSkinLabelControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  SKIN_FONT_FIELDS()
};

// Symbol lines are appended to `symbols`, which reading does not empty.
class TspDataSkinBitLabelControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  TRect skintextrect;
  Integer symbolwidth = 0, symbolheight = 0;
  TStringList symbols;  // owned
};

class TspDataSkinTrackBarControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  TRect activeskinrect, trackarea, buttonrect, activebuttonrect;
  bool vertical = false, buttontransparent = false;
  TColor buttontransparentcolor = 0;
};

class TspDataSkinSplitterControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  TRect gripperrect;
  bool grippertransparent = false;
  TColor grippertransparentcolor = 0;
};

class TspDataSkinGaugeControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  TRect progressarea, progressrect;
  bool progresstransparent = false;
  TColor progresstransparentcolor = 0;
  bool progressstretch = false, vertical = false;
  Integer beginoffset = 0, endoffset = 0;
  SKIN_FONT_FIELDS()
  TRect animationskinrect;
  Integer animationcountframes = 0, animationtimerinterval = 0;
  TRect progressanimationskinrect;
  Integer progressanimationcountframes = 0, progressanimationtimerinterval = 0, animationbeginoffset = 0,
          animationendoffset = 0;
};

class TspDataSkinButtonControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  SKIN_FONT_FIELDS()
  TColor activefontcolor = 0, downfontcolor = 0, disabledfontcolor = 0;
  bool morphing = false;
  TMorphKind morphkind = mkDefault;
  TRect activeskinrect, downskinrect, disabledskinrect, focusedskinrect, animateskinrect;
  Integer framecount = 0;
  Integer animateinterval = 25;
  bool showfocus = false;
  TRect menumarkerflatrect, menumarkerrect, menumarkeractiverect, menumarkerdownrect;
  TColor menumarkertransparentcolor = 0;
};

class TspDataSkinMenuButtonControl : public TspDataSkinButtonControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinButtonControl::TspDataSkinButtonControl;
  TRect trackbuttonrect;
};

class TspDataSkinCheckRadioControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  SKIN_FONT_FIELDS()
  TColor activefontcolor = 0, unenabledfontcolor = 0;
  bool morphing = false;
  TMorphKind morphkind = mkDefault;
  TRect activeskinrect, checkimagearea, textarea, checkimagerect, uncheckimagerect, activecheckimagerect,
      activeuncheckimagerect, unenabledcheckimagerect, unenableduncheckimagerect, grayedcheckimagerect,
      activegrayedcheckimagerect;
  TColor framefontcolor = 0;
};

class TspDataSkinScrollBoxControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  Integer bgpictureindex = -1;
};

class TspDataSkinPanelControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  TRect captionrect;
  TAlignment alignment = taCenter;
  SKIN_FONT_FIELDS()
  Integer bgpictureindex = -1;
  TRect checkimagerect, uncheckimagerect, markframerect, framerect;
  Integer frameleftoffset = 0, framerightoffset = 0;
  TRect frametextrect, gripperrect;
  bool grippertransparent = false;
  TColor grippertransparentcolor = 0;
};

class TspDataSkinExPanelControl : public TspDataSkinCustomControl {
  SKIN_RECORD_TABLE()
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
  TRect rollhskinrect, rollvskinrect;
  Integer rollleftoffset = 0, rollrightoffset = 0, rolltopoffset = 0, rollbottomoffset = 0;
  TRect rollvcaptionrect, rollhcaptionrect, closebuttonrect, closebuttonactiverect, closebuttondownrect,
      hrollbuttonrect, hrollbuttonactiverect, hrollbuttondownrect, hrestorebuttonrect, hrestorebuttonactiverect,
      hrestorebuttondownrect, vrollbuttonrect, vrollbuttonactiverect, vrollbuttondownrect, vrestorebuttonrect,
      vrestorebuttonactiverect, vrestorebuttondownrect, captionrect;
  SKIN_FONT_FIELDS()
  bool buttonstransparent = false;
  TColor buttonstransparentcolor = 0;
};
