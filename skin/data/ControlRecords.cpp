#include "skin/data/ControlRecords.h"

// Rows of the shared field groups, in their fixed order.
#define FONT_ROWS(C, p)                                                              \
  TextKey<&C::p##fontname>(#p "fontname", "Arial"), Key<&C::p##fontstyle>(#p "fontstyle"), \
      Key<&C::p##fontheight>(#p "fontheight", 14), Key<&C::p##fontcolor>(#p "fontcolor")
#define CORNER_ROWS(C)                                                                       \
  Key<&C::lefttoppoint>("lefttoppoint"), Key<&C::righttoppoint>("righttoppoint"),             \
      Key<&C::leftbottompoint>("leftbottompoint"), Key<&C::rightbottompoint>("rightbottompoint")
#define SPIN_ROWS(C)                                                                         \
  Key<&C::upbuttonrect>("upbuttonrect"), Key<&C::activeupbuttonrect>("activeupbuttonrect"),   \
      Key<&C::downupbuttonrect>("downupbuttonrect"), Key<&C::downbuttonrect>("downbuttonrect"), \
      Key<&C::activedownbuttonrect>("activedownbuttonrect"), Key<&C::downdownbuttonrect>("downdownbuttonrect")
#define ROW(C, name) Key<&C::name>(#name)
#define ROW_ABSENT(C, name, absent) Key<&C::name>(#name, absent)

// Defines Class::RecordTable() with the base table and the class's own rows.
#define DEFINE_TABLE(Class, Base, ...)                                        \
  const SkinRecordTable& Class::RecordTable() {                               \
    using C = Class;                                                          \
    static const SkinRecordTable table{&Base::RecordTable(), {__VA_ARGS__}}; \
    return table;                                                             \
  }

namespace {

// The up-down record keeps no corner points and no client rectangle.
void ZeroUpDownGeometry(TObject* record) {
  auto* updown = static_cast<TspDataSkinUpDownControl*>(record);
  updown->lefttoppoint = updown->righttoppoint = updown->leftbottompoint = updown->rightbottompoint = TPoint{};
  updown->clientrect = TRect{};
}

}  // namespace

const SkinRecordTable& TspDataSkinControl::RecordTable() {
  using C = TspDataSkinControl;
  static const SkinRecordTable table{nullptr,
                                     {ROW_ABSENT(C, pictureindex, -1), ROW_ABSENT(C, maskpictureindex, -1),
                                      ROW(C, skinrect), ROW_ABSENT(C, cursorindex, -1)}};
  return table;
}

void TspDataSkinControl::LoadFromFile(TCustomIniFile& ini) { ReadSkinRecord(ini, RecordName, Table(), this); }

void TspDataSkinControl::SaveToFile(TCustomIniFile& ini) {
  ini.EraseSection(RecordName);
  WriteSkinRecord(ini, RecordName, Table(), this);
}

DEFINE_TABLE(TspDataSkinCustomControl, TspDataSkinControl, CORNER_ROWS(C), ROW(C, clientrect),
             ROW(C, stretcheffect), ROW(C, leftstretch), ROW(C, topstretch), ROW(C, rightstretch),
             ROW(C, bottomstretch), ROW(C, stretchtype))

DEFINE_TABLE(TspDataSkinFrameControl, TspDataSkinControl, AtLeastOne(ROW_ABSENT(C, framescount, 1)),
             ROW(C, framesplacement))
DEFINE_TABLE(TspDataSkinFrameRegulator, TspDataSkinFrameControl, ROW(C, kind))

DEFINE_TABLE(TspDataSkinBevel, TspDataSkinControl, ROW(C, lightcolor), ROW(C, darkcolor))
DEFINE_TABLE(TspDataSkinSlider, TspDataSkinControl, ROW(C, hrulerrect), ROW(C, hthumbrect), ROW(C, vrulerrect),
             ROW(C, vthumbrect), ROW(C, edgesize), ROW(C, bgcolor), ROW(C, pointscolor))
DEFINE_TABLE(TspDataSkinTreeView, TspDataSkinControl, FONT_ROWS(C, ), ROW(C, bgcolor))
DEFINE_TABLE(TspDataSkinListView, TspDataSkinControl, FONT_ROWS(C, ), ROW(C, bgcolor))
DEFINE_TABLE(TspDataSkinRichEdit, TspDataSkinControl, FONT_ROWS(C, ), ROW(C, bgcolor))
DEFINE_TABLE(TspDataSkinStdLabelControl, TspDataSkinControl, FONT_ROWS(C, ),
             ROW_ABSENT(C, activefontcolor, 16711680))
DEFINE_TABLE(TspDataSkinMainMenuBar, TspDataSkinControl, ROW(C, itemsrect), TextKey<&C::menubaritem>("menubaritem", ""),
             TextKey<&C::closebutton>("closebutton", ""), TextKey<&C::maxbutton>("maxbutton", ""),
             TextKey<&C::minbutton>("minbutton", ""), TextKey<&C::sysmenubutton>("sysmenubutton", ""),
             ROW(C, trackmarkcolor), ROW(C, trackmarkactivecolor), ROW(C, stretcheffect), ROW(C, itemtransparent))
DEFINE_TABLE(TspDataSkinTabControl, TspDataSkinControl, ROW(C, tabrect), ROW(C, activetabrect),
             ROW(C, focustabrect), ROW(C, mouseintabrect), ROW(C, clientrect), ROW(C, tabsbgrect), CORNER_ROWS(C),
             ROW(C, tableftoffset), ROW(C, tabrightoffset), FONT_ROWS(C, ), ROW(C, activefontcolor),
             ROW(C, focusfontcolor), ROW(C, mouseinfontcolor), TextKey<&C::updown>("updown", ""),
             ROW_ABSENT(C, bgpictureindex, -1), ROW(C, tabstretcheffect), ROW(C, leftstretch), ROW(C, topstretch),
             ROW(C, rightstretch), ROW(C, bottomstretch), ROW(C, showfocus), ROW(C, focusoffsetx),
             ROW(C, focusoffsety), ROW(C, stretcheffect), ROW(C, stretchtype), ROW(C, closebuttonrect),
             ROW(C, closebuttonactiverect), ROW(C, closebuttondownrect), ROW(C, buttontransparent),
             ROW(C, buttontransparentcolor))
DEFINE_TABLE(TspDataSkinGridControl, TspDataSkinControl, ROW(C, fixedcellrect), ROW(C, selectcellrect),
             ROW(C, focuscellrect), ROW(C, fixedcellleftoffset), ROW(C, fixedcellrightoffset),
             ROW(C, fixedcelltextrect), ROW(C, cellleftoffset), ROW(C, cellrightoffset), ROW(C, celltextrect),
             ROW(C, linescolor), ROW(C, bgcolor), ROW_ABSENT(C, bgpictureindex, -1), FONT_ROWS(C, ),
             ROW(C, selectfontcolor), ROW(C, focusfontcolor), FONT_ROWS(C, fixed), ROW(C, fixedcellstretcheffect),
             ROW(C, cellstretcheffect), ROW(C, showfocus))

DEFINE_TABLE(TspDataSkinControlBar, TspDataSkinCustomControl, ROW(C, itemrect), ROW_ABSENT(C, bgpictureindex, -1),
             ROW(C, hgriprect), ROW(C, vgriprect), ROW(C, gripoffset1), ROW(C, gripoffset2),
             ROW(C, itemstretcheffect), ROW_ABSENT(C, itemoffset1, 3), ROW_ABSENT(C, itemoffset2, 3),
             ROW(C, itemtransparent), ROW(C, itemtransparentcolor), ROW(C, griptransparent),
             ROW(C, griptransparentcolor))

const SkinRecordTable& TspDataSkinUpDownControl::RecordTable() {
  using C = TspDataSkinUpDownControl;
  static const SkinRecordTable table{&TspDataSkinCustomControl::RecordTable(), {SPIN_ROWS(C)}, {},
                                     ZeroUpDownGeometry, ZeroUpDownGeometry};
  return table;
}

DEFINE_TABLE(TspDataSkinComboBox, TspDataSkinCustomControl, ROW(C, itemrect), ROW(C, activeitemrect),
             ROW(C, focusitemrect), ROW(C, itemleftoffset), ROW(C, itemrightoffset), ROW(C, itemtextrect),
             FONT_ROWS(C, ), ROW(C, focusfontcolor), ROW(C, activefontcolor), ROW(C, buttonrect),
             ROW(C, activebuttonrect), ROW(C, downbuttonrect), ROW(C, unenabledbuttonrect),
             ROW(C, itemstretcheffect), ROW(C, focusitemstretcheffect), ROW(C, activeskinrect), ROW(C, showfocus),
             TextKey<&C::listboxname>("listboxname", ""))
DEFINE_TABLE(TspDataSkinListBox, TspDataSkinCustomControl, ROW(C, itemrect), ROW(C, activeitemrect),
             ROW(C, focusitemrect), ROW(C, itemleftoffset), ROW(C, itemrightoffset), ROW(C, itemtextrect),
             FONT_ROWS(C, ), ROW(C, activefontcolor), ROW(C, focusfontcolor), ROW(C, captionrect),
             FONT_ROWS(C, caption), SPIN_ROWS(C), ROW(C, checkbuttonrect), ROW(C, activecheckbuttonrect),
             ROW(C, downcheckbuttonrect), TextKey<&C::hscrollbarname>("hscrollbarname", "hscrollbar"),
             TextKey<&C::vscrollbarname>("vscrollbarname", "vscrollbar"),
             TextKey<&C::bothhscrollbarname>("bothhscrollbarname", "bothhscrollbar"), ROW(C, showfocus))
DEFINE_TABLE(TspDataSkinCheckListBox, TspDataSkinListBox, ROW(C, uncheckimagerect), ROW(C, checkimagerect),
             ROW(C, itemcheckrect))
DEFINE_TABLE(TspDataSkinScrollBarControl, TspDataSkinCustomControl, ROW(C, trackarea), SPIN_ROWS(C),
             ROW(C, thumbrect), ROW(C, activethumbrect), ROW(C, downthumbrect), ROW(C, thumboffset1),
             ROW(C, thumboffset2), ROW(C, glyphrect), ROW(C, activeglyphrect), ROW(C, downglyphrect),
             ROW(C, glyphtransparent), ROW(C, glyphtransparentcolor), ROW(C, thumbtransparent),
             ROW(C, thumbtransparentcolor), ROW(C, thumbstretcheffect), ROW(C, thumbminsize),
             ROW(C, thumbminpagesize))
DEFINE_TABLE(TspDataSkinSpinEditControl, TspDataSkinCustomControl, ROW(C, activeskinrect), FONT_ROWS(C, ),
             ROW(C, activefontcolor), ROW(C, disabledfontcolor), SPIN_ROWS(C))
DEFINE_TABLE(TspDataSkinEditControl, TspDataSkinCustomControl, ROW(C, activeskinrect), FONT_ROWS(C, ),
             ROW(C, disabledfontcolor), ROW(C, activefontcolor), ROW(C, buttonrect), ROW(C, activebuttonrect),
             ROW(C, downbuttonrect), ROW(C, unenabledbuttonrect))
DEFINE_TABLE(TspDataSkinMemoControl, TspDataSkinEditControl, ROW(C, bgcolor), ROW(C, activebgcolor))
DEFINE_TABLE(TspDataSkinLabelControl, TspDataSkinCustomControl, FONT_ROWS(C, ))
DEFINE_TABLE(TspDataSkinBitLabelControl, TspDataSkinCustomControl, ROW(C, skintextrect), ROW(C, symbolwidth),
             ROW(C, symbolheight), ROW(C, symbols))
DEFINE_TABLE(TspDataSkinTrackBarControl, TspDataSkinCustomControl, ROW(C, activeskinrect), ROW(C, trackarea),
             ROW(C, buttonrect), ROW(C, activebuttonrect), ROW(C, vertical), ROW(C, buttontransparent),
             ROW(C, buttontransparentcolor))
DEFINE_TABLE(TspDataSkinSplitterControl, TspDataSkinCustomControl, ROW(C, gripperrect), ROW(C, grippertransparent),
             ROW(C, grippertransparentcolor))
DEFINE_TABLE(TspDataSkinGaugeControl, TspDataSkinCustomControl, ROW(C, progressarea), ROW(C, progressrect),
             ROW(C, progresstransparent), ROW(C, progresstransparentcolor), ROW(C, progressstretch),
             ROW(C, vertical), ROW(C, beginoffset), ROW(C, endoffset), FONT_ROWS(C, ), ROW(C, animationskinrect),
             ROW(C, animationcountframes), ROW(C, animationtimerinterval), ROW(C, progressanimationskinrect),
             ROW(C, progressanimationcountframes), ROW(C, progressanimationtimerinterval),
             ROW(C, animationbeginoffset), ROW(C, animationendoffset))
DEFINE_TABLE(TspDataSkinButtonControl, TspDataSkinCustomControl, FONT_ROWS(C, ), ROW(C, activefontcolor),
             ROW(C, downfontcolor), ROW(C, disabledfontcolor), ROW(C, morphing), ROW(C, morphkind),
             ROW(C, activeskinrect), ROW(C, downskinrect), ROW(C, disabledskinrect), ROW(C, focusedskinrect),
             ROW(C, animateskinrect), ROW(C, framecount), ROW_ABSENT(C, animateinterval, 25), ROW(C, showfocus),
             ROW(C, menumarkerflatrect), ROW(C, menumarkerrect), ROW(C, menumarkeractiverect),
             ROW(C, menumarkerdownrect), ROW(C, menumarkertransparentcolor))
DEFINE_TABLE(TspDataSkinMenuButtonControl, TspDataSkinButtonControl, ROW(C, trackbuttonrect))
DEFINE_TABLE(TspDataSkinCheckRadioControl, TspDataSkinCustomControl, FONT_ROWS(C, ), ROW(C, activefontcolor),
             ROW(C, unenabledfontcolor), ROW(C, morphing), ROW(C, morphkind), ROW(C, activeskinrect),
             ROW(C, checkimagearea), ROW(C, textarea), ROW(C, checkimagerect), ROW(C, uncheckimagerect),
             ROW(C, activecheckimagerect), ROW(C, activeuncheckimagerect), ROW(C, unenabledcheckimagerect),
             ROW(C, unenableduncheckimagerect), ROW(C, grayedcheckimagerect), ROW(C, activegrayedcheckimagerect),
             ROW(C, framefontcolor))
DEFINE_TABLE(TspDataSkinScrollBoxControl, TspDataSkinCustomControl, ROW_ABSENT(C, bgpictureindex, -1))
DEFINE_TABLE(TspDataSkinPanelControl, TspDataSkinCustomControl, ROW(C, captionrect), ROW(C, alignment),
             FONT_ROWS(C, ), ROW_ABSENT(C, bgpictureindex, -1), ROW(C, checkimagerect), ROW(C, uncheckimagerect),
             ROW(C, markframerect), ROW(C, framerect), ROW(C, frameleftoffset), ROW(C, framerightoffset),
             ROW(C, frametextrect), ROW(C, gripperrect), ROW(C, grippertransparent), ROW(C, grippertransparentcolor))
DEFINE_TABLE(TspDataSkinExPanelControl, TspDataSkinCustomControl, ROW(C, rollhskinrect), ROW(C, rollvskinrect),
             ROW(C, rollleftoffset), ROW(C, rollrightoffset), ROW(C, rolltopoffset), ROW(C, rollbottomoffset),
             ROW(C, rollvcaptionrect), ROW(C, rollhcaptionrect), ROW(C, closebuttonrect),
             ROW(C, closebuttonactiverect), ROW(C, closebuttondownrect), ROW(C, hrollbuttonrect),
             ROW(C, hrollbuttonactiverect), ROW(C, hrollbuttondownrect), ROW(C, hrestorebuttonrect),
             ROW(C, hrestorebuttonactiverect), ROW(C, hrestorebuttondownrect), ROW(C, vrollbuttonrect),
             ROW(C, vrollbuttonactiverect), ROW(C, vrollbuttondownrect), ROW(C, vrestorebuttonrect),
             ROW(C, vrestorebuttonactiverect), ROW(C, vrestorebuttondownrect), ROW(C, captionrect),
             FONT_ROWS(C, ), ROW(C, buttonstransparent), ROW(C, buttonstransparentcolor))
