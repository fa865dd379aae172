// The client background of a skinned form and the controls placed on the
// skin's named areas.
#include <gtest/gtest.h>

#include "skin/controls/SkinCtrls.h"
#include "tests/skin/SkinTestPictures.h"
#include "tests/skin/form/FrameFixtures.h"

namespace {

// The form's background painted into a bitmap of its client size.
TColor BackgroundAt(FrameForm& f, int x, int y) {
  TBitmap paper;
  PaintZones(paper, f.form->ClientWidth(), f.form->ClientHeight(), {});
  f.form->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(paper.Canvas()->Handle()), 0);
  return At(paper, x, y);
}

}  // namespace

// The client part of the frame picture fills the client; a background
// picture index outside the named pictures counts as none.
TEST(FrameBackground, ClientPieceAndPictureIndexes) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  EXPECT_EQ(BackgroundAt(f, 150, 80), kClientColor);
  skin.data.bgpictureindex = 5;
  EXPECT_EQ(BackgroundAt(f, 150, 80), kClientColor);
  skin.data.bgpictureindex = 0;  // the button picture, tiled
  EXPECT_EQ(BackgroundAt(f, 2, 2), kButtonNormal);
  EXPECT_EQ(BackgroundAt(f, 18, 2), kButtonHover);
  skin.data.bgpictureindex = -1;
  skin.data.ClientRect = {};
  EXPECT_EQ(BackgroundAt(f, 150, 80), ColorToRGB(clBtnFace)) << "no client piece: a flat face, no logo";
}

// A logo larger than the client area is drawn at its top-left corner.
TEST(FrameBackground, LargeLogoAtTheCorner) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  TBitmap logo;
  PaintZones(logo, 400, 300, {{{0, 0, 400, 300}, clRed}, {{0, 0, 2, 2}, clBlue}});
  f.frame->SetLogoBitMap(&logo);
  EXPECT_EQ(BackgroundAt(f, 1, 1), clBlue);
}

// Areas: the last area of a name gives its rectangle, the first is linked; a
// linked control that goes is forgotten before the controls are placed again.
TEST(FrameBackground, AreasAndFreedControls) {
  FrameSkin skin;
  skin.data.AddSkinArea("panel", {30, 30, 40, 40});
  skin.data.AddSkinArea("panel", {5, 30, 15, 40});
  FrameForm f(&skin.data);
  EXPECT_EQ(f.frame->GetAreaRect("panel"), Rect(5, 30, 15, 40));
  EXPECT_EQ(f.frame->GetAreaRect("none"), Rect(0, 0, 0, 0));
  auto* kept = new TspSkinControl(f.form);
  kept->SetParent(f.form);
  auto* doomed = new TspSkinControl(f.form);
  doomed->SetParent(f.form);
  f.frame->LinkControlToArea("panel", kept);
  f.frame->LinkControlToArea("panel", doomed);
  f.frame->LinkControlToArea("none", doomed);
  EXPECT_EQ(f.frame->AreaLinkCount(), 2u);
  delete doomed;
  EXPECT_EQ(f.frame->AreaLinkCount(), 1u);
  f.frame->ControlsToAreas();
  EXPECT_EQ(kept->BoundsRect(), Rect(30, 30, 40, 40)) << "the middle of the picture is not stretched";
}
