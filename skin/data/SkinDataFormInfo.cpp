// [FORMINFO]: the frame description's descriptor table and the corrections
// made after reading it.
#include <algorithm>

#include "skin/data/SkinData.h"

namespace {

using D = TspSkinData;

// After the keys: the mask area and the hit-test points from the corners (only
// with a mask), then the corner points pulled into the client rectangle.
void CorrectFormInfo(TObject* record) {
  auto* skin = static_cast<D*>(record);
  if (!skin->MaskName.empty()) {
    TRect& area = skin->MaskRectArea;
    const TRect& client = skin->ClientRect;
    if (area.IsEmpty()) {
      area = client;
    } else {
      area = TRect{std::min(area.Left, client.Left), std::min(area.Top, client.Top),
                   std::max(area.Right, client.Right), std::max(area.Bottom, client.Bottom)};
    }
    auto fill = [](TPoint& hitTest, const TPoint& corner) {
      if (hitTest.X == 0 || hitTest.Y == 0) hitTest = corner;
    };
    fill(skin->HitTestLeftTopPoint, skin->LeftTopPoint);
    fill(skin->HitTestRightTopPoint, skin->RightTopPoint);
    fill(skin->HitTestLeftBottomPoint, skin->LeftBottomPoint);
    fill(skin->HitTestRightBottomPoint, skin->RightBottomPoint);
  }
  if (skin->RightBottomPoint.X == skin->LeftTopPoint.X || skin->RightBottomPoint.Y == skin->LeftTopPoint.Y) return;
  const TRect& c = skin->ClientRect;
  skin->LeftTopPoint = TPoint{std::max(skin->LeftTopPoint.X, c.Left), std::max(skin->LeftTopPoint.Y, c.Top)};
  skin->RightTopPoint = TPoint{std::min(skin->RightTopPoint.X, c.Right), std::max(skin->RightTopPoint.Y, c.Top)};
  skin->LeftBottomPoint = TPoint{std::max(skin->LeftBottomPoint.X, c.Left), std::min(skin->LeftBottomPoint.Y, c.Bottom)};
  skin->RightBottomPoint =
      TPoint{std::min(skin->RightBottomPoint.X, c.Right), std::min(skin->RightBottomPoint.Y, c.Bottom)};
}

}  // namespace

const SkinRecordTable& TspSkinData::FormInfoTable() {
  static const SkinRecordTable table{
      nullptr,
      {
          Key<&D::LeftTopPoint>("lefttoppoint"),
          Key<&D::RightTopPoint>("righttoppoint"),
          Key<&D::LeftBottomPoint>("leftbottompoint"),
          Key<&D::RightBottomPoint>("rightbottompoint"),
          Key<&D::ClientRect>("clientrect"),
          Key<&D::bgpictureindex>("bgpictureindex", -1),
          Key<&D::MDIBGPictureIndex>("mdibgpictureindex", -1),
          Key<&D::LeftStretch>("leftstretch"),
          Key<&D::RightStretch>("rightstretch"),
          Key<&D::TopStretch>("topstretch"),
          Key<&D::BottomStretch>("bottomstretch"),
          Key<&D::stretcheffect>("stretcheffect"),
          Key<&D::StretchType>("stretchtype"),
          Key<&D::MDIBGStretchEffect>("mdibgstretcheffect"),
          Key<&D::MDIBGStretchType>("mdibgstretchtype"),
          Key<&D::ButtonsRect>("buttonsrect"),
          Key<&D::CaptionRect>("captionrect"),
          Key<&D::ButtonsOffset>("buttonsoffset"),
          Key<&D::ButtonsInLeft>("buttonsinleft"),
          Key<&D::MaskRectArea>("maskrectarea"),
          Key<&D::HitTestLeftTopPoint>("hittestlefttoppoint"),
          Key<&D::HitTestRightTopPoint>("hittestrighttoppoint"),
          Key<&D::HitTestLeftBottomPoint>("hittestleftbottompoint"),
          Key<&D::HitTestRightBottomPoint>("hittestrightbottompoint"),
          Key<&D::RollUpLeftPoint>("rollupleftpoint"),
          Key<&D::RollUpRightPoint>("rolluprightpoint"),
          Key<&D::MainMenuRect>("mainmenurect"),
          Key<&D::IconRect>("iconrect"),
          Key<&D::MainMenuPopupUp>("mainmenupopupup"),
          Key<&D::BorderWidth>("borderwidth"),
          Key<&D::FormMinWidth>("formminwidth"),
          Key<&D::MDITabsTransparent>("mditabstransparent"),
          Key<&D::MainMenuBarTransparent>("mainmenubartransparent"),
          Key<&D::cursorindex>("cursorindex", -1),
          Key<&D::AutoRenderingInActiveImage>("autorenderinginactiveimage"),
          Key<&D::InActiveEffect>("inactiveeffect"),
          Key<&D::SizeGripArea>("sizegriparea"),
          TextKey<&D::StatusBarName>("statusbarname", ""),
      },
      {"lefttoppoint",        "righttoppoint",          "leftbottompoint",        "rightbottompoint",
       "clientrect",          "bgpictureindex",         "mdibgpictureindex",      "maskrectarea",
       "leftstretch",         "rightstretch",           "topstretch",             "bottomstretch",
       "stretcheffect",       "stretchtype",            "mdibgstretcheffect",     "mdibgstretchtype",
       "buttonsrect",         "captionrect",            "buttonsoffset",          "buttonsinleft",
       "hittestlefttoppoint", "hittestrighttoppoint",   "hittestleftbottompoint", "hittestrightbottompoint",
       "rollupleftpoint",     "rolluprightpoint",       "mainmenurect",           "iconrect",
       "mainmenupopupup",     "borderwidth",            "cursorindex",            "autorenderinginactiveimage",
       "inactiveeffect",      "formminwidth",           "sizegriparea",           "statusbarname",
       "mditabstransparent",  "mainmenubartransparent"},
      CorrectFormInfo};
  return table;
}

void TspSkinData::ReadFormInfo(TCustomIniFile& ini) { ReadSkinRecord(ini, "FORMINFO", FormInfoTable(), this); }

void TspSkinData::WriteFormInfo(TCustomIniFile& ini) {
  ini.EraseSection("FORMINFO");
  WriteSkinRecord(ini, "FORMINFO", FormInfoTable(), this);
}
