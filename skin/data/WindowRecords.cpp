#include "skin/data/WindowRecords.h"

namespace {

using O = TspDataSkinObject;

void MorphingOff(TObject* record) { static_cast<O*>(record)->Morphing = false; }

// An empty active image rectangle takes the value of its normal twin.
void ActiveImagesFromTwins(TObject* record) {
  auto* item = static_cast<TspDataSkinMenuItem*>(record);
  if (item->ActiveCheckImageRect.IsEmpty()) item->ActiveCheckImageRect = item->CheckImageRect;
  if (item->ActiveRadioImageRect.IsEmpty()) item->ActiveRadioImageRect = item->RadioImageRect;
  if (item->ActiveArrowImageRect.IsEmpty()) item->ActiveArrowImageRect = item->ArrowImageRect;
}

}  // namespace

const SkinRecordTable& TspDataSkinObject::RecordTable() {
  static const SkinRecordTable table{nullptr,
                                     {
                                         TextKey<&O::Hint>("hint", ""),
                                         Key<&O::RollUp>("rollup"),
                                         Key<&O::activepictureindex>("activepictureindex", -1),
                                         Key<&O::skinrectinapicture>("skinrectinapicture"),
                                         Key<&O::cursorindex>("cursorindex", -1),
                                         Key<&O::skinrect>("skinrect"),
                                         Key<&O::activeskinrect>("activeskinrect"),
                                         Key<&O::inactiveskinrect>("inactiveskinrect"),
                                         Key<&O::Morphing>("morphing"),
                                         Key<&O::MorphKind>("morphkind"),
                                     }};
  return table;
}

void TspDataSkinObject::LoadFromFile(TCustomIniFile& ini) { ReadSkinRecord(ini, IDName, Table(), this); }

void TspDataSkinObject::SaveToFile(TCustomIniFile& ini) {
  ini.EraseSection(IDName);
  WriteSkinRecord(ini, IDName, Table(), this);
}

const SkinRecordTable& TspDataUserObject::RecordTable() {
  static const SkinRecordTable table{nullptr,
                                     {
                                         Key<&O::RollUp>("rollup"),
                                         Key<&O::skinrect>("skinrect"),
                                         Key<&O::cursorindex>("cursorindex", -1),
                                     }};
  return table;
}

const SkinRecordTable& TspDataSkinGauge::RecordTable() {
  using G = TspDataSkinGauge;
  static const SkinRecordTable table{&O::RecordTable(),
                                     {
                                         Key<&G::MinValue>("minvalue"),
                                         Key<&G::MaxValue>("maxvalue"),
                                         Key<&G::Kind>("kind"),
                                     }};
  return table;
}

const SkinRecordTable& TspDataSkinFrameGaugeObject::RecordTable() {
  using G = TspDataSkinFrameGaugeObject;
  static const SkinRecordTable table{&O::RecordTable(),
                                     {
                                         Key<&G::MinValue>("minvalue"),
                                         Key<&G::MaxValue>("maxvalue"),
                                         Key<&G::countframes>("countframes"),
                                         Key<&G::FramesPlacement>("framesplacement"),
                                     }};
  return table;
}

const SkinRecordTable& TspDataSkinFrameRegulatorObject::RecordTable() {
  using R = TspDataSkinFrameRegulatorObject;
  static const SkinRecordTable table{&O::RecordTable(),
                                     {
                                         Key<&R::MinValue>("minvalue"),
                                         Key<&R::MaxValue>("maxvalue"),
                                         Key<&R::countframes>("countframes"),
                                         Key<&R::FramesPlacement>("framesplacement"),
                                         Key<&R::Kind>("kind"),
                                     }};
  return table;
}

const SkinRecordTable& TspDataSkinTrackBar::RecordTable() {
  using T = TspDataSkinTrackBar;
  static const SkinRecordTable table{&O::RecordTable(),
                                     {
                                         Key<&T::ButtonRect>("buttonrect"),
                                         Key<&T::activebuttonrect>("activebuttonrect"),
                                         Key<&T::beginpoint>("beginpoint"),
                                         Key<&T::endpoint>("endpoint"),
                                         Key<&T::MinValue>("minvalue"),
                                         Key<&T::MaxValue>("maxvalue"),
                                         Key<&T::mousedownchangevalue>("mousedownchangevalue"),
                                         Key<&T::buttontransparent>("buttontransparent"),
                                         Key<&T::buttontransparentcolor>("buttontransparentcolor"),
                                     },
                                     {},
                                     MorphingOff};
  return table;
}

const SkinRecordTable& TspDataSkinAnimate::RecordTable() {
  using A = TspDataSkinAnimate;
  static const SkinRecordTable table{&O::RecordTable(),
                                     {
                                         Key<&A::countframes>("countframes", 1),
                                         Key<&A::Cycle>("cycle"),
                                         Key<&A::ButtonStyle>("buttonstyle"),
                                         Key<&A::TimerInterval>("timerinterval", 50),
                                         Key<&A::Command>("command"),
                                         Key<&A::DownSkinRect>("downskinrect"),
                                         Key<&A::restorerect>("restorerect"),
                                         Key<&A::restoreactiverect>("restoreactiverect"),
                                         Key<&A::restoredownrect>("restoredownrect"),
                                         Key<&A::restoreinactiverect>("restoreinactiverect"),
                                     },
                                     {},
                                     MorphingOff};
  return table;
}

const SkinRecordTable& TspDataSkinButton::RecordTable() {
  using B = TspDataSkinButton;
  static const SkinRecordTable table{&O::RecordTable(),
                                     {
                                         Key<&B::downrect>("downrect"),
                                         Key<&B::disableskinrsect>("disableskinrsect"),
                                         Key<&B::GroupIndex>("groupindex", -1),
                                     }};
  return table;
}

const SkinRecordTable& TspDataSkinStdButton::RecordTable() {
  using S = TspDataSkinStdButton;
  static const SkinRecordTable table{&TspDataSkinButton::RecordTable(),
                                     {
                                         Key<&S::Command>("command"),
                                         Key<&S::restorerect>("restorerect"),
                                         Key<&S::restoreactiverect>("restoreactiverect"),
                                         Key<&S::restoredownrect>("restoredownrect"),
                                         Key<&S::restoreinactiverect>("restoreinactiverect"),
                                     }};
  return table;
}

const SkinRecordTable& TspDataSkinMenuItem::RecordTable() {
  using M = TspDataSkinMenuItem;
  static const SkinRecordTable table{&O::RecordTable(),
                                     {
                                         Key<&M::ItemLeftOffset>("itemleftoffset"),
                                         Key<&M::ItemRightOffset>("itemrightoffset"),
                                         Key<&M::DividerRect>("dividerrect"),
                                         Key<&M::DividerLeftOffset>("dividerleftoffset"),
                                         Key<&M::DividerRightOffset>("dividerrightoffset"),
                                         Key<&M::TextRect>("textrect"),
                                         Key<&M::ImageRect>("imagerect"),
                                         TextKey<&M::FontName>("fontname", "Arial"),
                                         Key<&M::FontHeight>("fontheight", 14),
                                         Key<&M::FontStyle>("fontstyle"),
                                         Key<&M::FontColor>("fontcolor"),
                                         Key<&M::ActiveFontColor>("activefontcolor"),
                                         Key<&M::unenabledfontcolor>("unenabledfontcolor"),
                                         Key<&M::stretcheffect>("stretcheffect"),
                                         Key<&M::InActiveStretchEffect>("inactivestretcheffect"),
                                         Key<&M::DividerStretchEffect>("dividerstretcheffect"),
                                         Key<&M::animateskinrect>("animateskinrect"),
                                         Key<&M::framecount>("framecount"),
                                         Key<&M::AnimateInterval>("animateinterval", 25),
                                         Key<&M::inactiveanimation>("inactiveanimation"),
                                         Key<&M::UseImageColor>("useimagecolor"),
                                         Key<&M::ImageColor>("imagecolor"),
                                         Key<&M::ActiveImageColor>("activeimagecolor"),
                                         Key<&M::InActiveTransparent>("inactivetransparent"),
                                         Key<&M::CheckImageRect>("checkimagerect"),
                                         Key<&M::ActiveCheckImageRect>("activecheckimagerect"),
                                         Key<&M::RadioImageRect>("radioimagerect"),
                                         Key<&M::ActiveRadioImageRect>("activeradioimagerect"),
                                         Key<&M::ArrowImageRect>("arrowimagerect"),
                                         Key<&M::ActiveArrowImageRect>("activearrowimagerect"),
                                     },
                                     {},
                                     ActiveImagesFromTwins};
  return table;
}

const SkinRecordTable& TspDataSkinMainMenuItem::RecordTable() {
  using M = TspDataSkinMainMenuItem;
  static const SkinRecordTable table{&O::RecordTable(),
                                     {
                                         Key<&M::ItemLeftOffset>("itemleftoffset"),
                                         Key<&M::ItemRightOffset>("itemrightoffset"),
                                         Key<&M::downrect>("downrect"),
                                         Key<&M::TextRect>("textrect"),
                                         TextKey<&M::FontName>("fontname", "Arial"),
                                         Key<&M::FontHeight>("fontheight", 14),
                                         Key<&M::FontStyle>("fontstyle"),
                                         Key<&M::FontColor>("fontcolor"),
                                         Key<&M::ActiveFontColor>("activefontcolor"),
                                         Key<&M::DownFontColor>("downfontcolor"),
                                         Key<&M::unenabledfontcolor>("unenabledfontColor"),
                                         Key<&M::stretcheffect>("stretcheffect"),
                                         Key<&M::animateskinrect>("animateskinrect"),
                                         Key<&M::framecount>("framecount"),
                                         Key<&M::AnimateInterval>("animateinterval", 25),
                                         Key<&M::inactiveanimation>("inactiveanimation"),
                                     }};
  return table;
}

const SkinRecordTable& TspDataSkinLabel::RecordTable() {
  using L = TspDataSkinLabel;
  static const SkinRecordTable table{&O::RecordTable(),
                                     {
                                         WrittenAs(TextKey<&L::FontName>("fontName", "Arial"), "fontname"),
                                         Key<&L::FontHeight>("fontheight", 14),
                                         Key<&L::FontStyle>("fontstyle"),
                                         Key<&L::FontColor>("fontcolor"),
                                         Key<&L::ActiveFontColor>("activefontcolor"),
                                         Key<&L::Alignment>("alignment"),
                                         TextKey<&L::TextValue>("textvalue", ""),
                                     }};
  return table;
}

const SkinRecordTable& TspDataSkinBitLabel::RecordTable() {
  using B = TspDataSkinBitLabel;
  static const SkinRecordTable table{&O::RecordTable(),
                                     {
                                         Key<&B::Symbols>("symbols"),
                                         TextKey<&B::TextValue>("textvalue", ""),
                                         Key<&B::symbolwidth>("symbolwidth"),
                                         Key<&B::symbolheight>("symbolheight"),
                                         Key<&B::Transparent>("transparent"),
                                         Key<&B::TransparentColor>("transparentcolor", 0xFF00FF),
                                     },
                                     {},
                                     MorphingOff};
  return table;
}

const SkinRecordTable& TspDataSkinCaption::RecordTable() {
  using C = TspDataSkinCaption;
  static const SkinRecordTable table{
      &O::RecordTable(),
      {
          Key<&C::DefaultCaption>("defaultcaption"),
          Key<&C::TextRect>("textrect"),
          TextKey<&C::FontName>("fontname", "Arial"),
          Key<&C::FontHeight>("fontheight", 14),
          Key<&C::FontStyle>("fontstyle"),
          Key<&C::FontColor>("fontcolor"),
          Key<&C::ActiveFontColor>("activefontcolor"),
          Key<&C::Alignment>("alignment"),
          Key<&C::Shadow>("shadow"),
          Key<&C::ShadowColor>("shadowcolor"),
          Key<&C::Light>("light"),
          Key<&C::LightColor>("lightcolor"),
          Key<&C::activelightcolor>("activelightcolor"),
          Key<&C::activeshadowcolor>("activeshadowcolor"),
          Key<&C::FrameRect>("framerect"),
          Key<&C::activeframerect>("activeframerect"),
          Key<&C::frametextrect>("frametextrect"),
          Key<&C::frameleftoffset>("frameleftoffset"),
          Key<&C::framerightoffset>("framerightoffset"),
          Key<&C::stretcheffect>("stretcheffect"),
          Key<&C::animateskinrect>("animateskinrect"),
          Key<&C::framecount>("framecount"),
          Key<&C::AnimateInterval>("animateinterval", 25),
          Key<&C::inactiveanimation>("inactiveanimation"),
          Key<&C::FullFrame>("fullframe"),
      },
      {"defaultcaption", "textrect", "fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor",
       "alignment", "light", "lightcolor", "activelightcolor", "shadow", "shadowcolor", "activeshadowcolor",
       "framerect", "activeframerect", "frametextrect", "frameleftoffset", "framerightoffset", "stretcheffect",
       "animateskinrect", "framecount", "animateinterval", "inactiveanimation", "fullframe"}};
  return table;
}

const SkinRecordTable& TspDataSkinPopupWindow::RecordTable() {
  using P = TspDataSkinPopupWindow;
  static const SkinRecordTable table{
      nullptr,
      {
          Key<&P::WindowPictureIndex>("windowpictureindex", -1),
          Key<&P::maskpictureindex>("maskpictureindex", -1),
          Key<&P::LeftTopPoint>("lefttoppoint"),
          Key<&P::RightTopPoint>("righttoppoint"),
          Key<&P::LeftBottomPoint>("leftbottompoint"),
          Key<&P::RightBottomPoint>("rightbottompoint"),
          Key<&P::cursorindex>("cursorindex", -1),
          Key<&P::ItemsRect>("itemsrect"),
          Key<&P::ScrollMarkerColor>("scrollmarkercolor"),
          Key<&P::ScrollMarkerActiveColor>("scrollmarkeractivecolor"),
          Key<&P::LeftStretch>("leftstretch"),
          Key<&P::RightStretch>("rightstretch"),
          Key<&P::TopStretch>("topstretch"),
          Key<&P::BottomStretch>("bottomstretch"),
          Key<&P::stretcheffect>("stretcheffect"),
          Key<&P::StretchType>("stretchtype"),
      },
      {"windowpictureindex", "maskpictureindex", "lefttoppoint", "righttoppoint", "leftbottompoint",
       "rightbottompoint", "itemsrect", "cursorindex", "scrollmarkercolor", "scrollmarkeractivecolor", "leftstretch",
       "rightstretch", "topstretch", "bottomstretch", "stretcheffect", "stretchtype"}};
  return table;
}

void TspDataSkinPopupWindow::LoadFromFile(TCustomIniFile& ini) { ReadSkinRecord(ini, "POPUPWINDOW", RecordTable(), this); }

void TspDataSkinPopupWindow::SaveToFile(TCustomIniFile& ini) {
  ini.EraseSection("POPUPWINDOW");
  WriteSkinRecord(ini, "POPUPWINDOW", RecordTable(), this);
}

const SkinRecordTable& TspDataSkinHintWindow::RecordTable() {
  using H = TspDataSkinHintWindow;
  static const SkinRecordTable table{nullptr,
                                     {
                                         Key<&H::WindowPictureIndex>("windowpictureindex", -1),
                                         Key<&H::maskpictureindex>("maskpictureindex", -1),
                                         Key<&H::LeftTopPoint>("lefttoppoint"),
                                         Key<&H::RightTopPoint>("righttoppoint"),
                                         Key<&H::LeftBottomPoint>("leftbottompoint"),
                                         Key<&H::RightBottomPoint>("rightbottompoint"),
                                         Key<&H::ClientRect>("clientrect"),
                                         TextKey<&H::FontName>("fontname", "Arial"),
                                         Key<&H::FontHeight>("fontheight", 14),
                                         Key<&H::FontStyle>("fontstyle"),
                                         Key<&H::FontColor>("fontcolor"),
                                         Key<&H::LeftStretch>("leftstretch"),
                                         Key<&H::RightStretch>("rightstretch"),
                                         Key<&H::TopStretch>("topstretch"),
                                         Key<&H::BottomStretch>("bottomstretch"),
                                         Key<&H::stretcheffect>("stretcheffect"),
                                         Key<&H::StretchType>("stretchtype"),
                                     }};
  return table;
}

void TspDataSkinHintWindow::LoadFromFile(TCustomIniFile& ini) { ReadSkinRecord(ini, "HINTWINDOW", RecordTable(), this); }

void TspDataSkinHintWindow::SaveToFile(TCustomIniFile& ini) {
  ini.EraseSection("HINTWINDOW");
  WriteSkinRecord(ini, "HINTWINDOW", RecordTable(), this);
}
