// The menu speed button's pictures: the flat idle look with its arrow, the
// new-style image with its hover strip, the stretched track images of the tool
// button records, and the default looks.
#include "skin/controls/SkinButtonRecord.h"
#include "skin/controls/buttons/SkinMenuSpeedButton.h"
#include "skin/draw/ParentImage.h"
#include "skin/draw/SkinGlyphs.h"

namespace {

constexpr Integer kStrip = 15;
constexpr TColor kNavy = 0x800000;
const TColor kLight = RGB(182, 189, 210), kDark = RGB(133, 147, 181);

// A button record's state composed at r's size and drawn at its corner.
void DrawResizeButton(const TspButtonRecordLook& record, TCanvas* canvas, const TRect& r, bool mouseIn, bool down) {
  if (r.Width() < 1 || r.Height() < 1) return;
  TBitmap b(r.Width(), r.Height());
  record.Compose(&b, mouseIn, mouseIn && down);
  canvas->Draw(r.Left, r.Top, &b);
}

TRect Less(const TRect& all, const TRect& strip, bool bottom) {
  return bottom ? TRect{all.Left, all.Top, all.Right, strip.Top} : TRect{all.Left, all.Top, strip.Left, all.Bottom};
}

}  // namespace

void TspSkinMenuSpeedButton::Paint() {
  if (MouseIn || Down() || MenuTracking || !Flat()) return TspSkinSpeedButton::Paint();
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  PaintFlatIdle();
}

void TspSkinMenuSpeedButton::PaintFlatIdle() {
  TCanvas* c = Canvas();
  bool record = SkinRecordIndex != -1;
  bool bottom = NewStyle() && TrackPosition() == sptpBottom;
  TRect content = record && !ToolRecordName() ? RealClientRect : Less(ClientRect(), StripRect(), bottom);
  if (record) {
    SetRecordFont(c, UseSkinFont, look.fontname, look.fontheight, look.fontstyle, DefaultFont(), SkinData());
    TspSkinColors* colours = SkinData()->SkinColors.get();
    c->Font()->SetColor(!Enabled() ? colours->cBtnShadow : UseSkinFontColor ? colours->cBtnText
                                                                            : DefaultFont()->Color());
  } else {
    SetCanvasDefaultFont(c, DefaultFont(), SkinData());
  }
  if (!Enabled()) c->Font()->SetColor(clBtnShadow);
  DrawContent(c, content, false, false, false, true);
  TRect arrow = record && !ToolRecordName() ? TRect{content.Right, content.Top, Width(), content.Bottom}
                : bottom                    ? TRect{content.Left, Height() - kStrip, content.Right, Height()}
                                            : TRect{Width() - kStrip, 0, Width(), Height()};
  if (record && !look.menumarkerflatrect.IsEmpty()) DrawMenuMarker(c, arrow, false, false, true);
  else DrawTrackArrowImage(c, arrow, record ? SkinData()->SkinColors->cBtnText : clBtnText);
}

void TspSkinMenuSpeedButton::CreateButtonImage(TBitmap* b, const TRect& r, bool aDown, bool aMouseIn) {
  b->SetSize(Width(), Height());
  if (NewStyle() && SkinDataName == "resizetoolbutton") return NewStyleImage(b, aDown, aMouseIn);
  if (SkinDataName == "toolbutton" || SkinDataName == "bigtoolbutton")
    return StretchedTrackImage(b, true, aDown, aMouseIn);
  if (SkinDataName == "resizebutton" || SkinDataName == "resizetoolbutton")
    return StretchedTrackImage(b, false, aDown, aMouseIn);
  if (MenuTracking && TrackButtonMode() && !TrackButtonRect.IsEmpty() && !look.downskinrect.IsEmpty()) {
    TspSkinSpeedButton::CreateButtonImage(b, look.activeskinrect, false, true);
    TRect piece{TrackButtonRect.Left + look.downskinrect.Left, TrackButtonRect.Top + look.downskinrect.Top,
                TrackButtonRect.Right + look.downskinrect.Left, TrackButtonRect.Bottom + look.downskinrect.Top};
    TRect at = NewTrackButtonRect();
    DrawPiece(b->Canvas(), at.Left, at.Top, SkinPicture, piece);
    return;
  }
  TspSkinSpeedButton::CreateButtonImage(b, r, aDown, aMouseIn);
}

void TspSkinMenuSpeedButton::StretchedTrackImage(TBitmap* b, bool stretching, bool aDown, bool aMouseIn) {
  const TRect normal = skinrect, hot = look.activeskinrect, pressedPiece = look.downskinrect;
  const bool pressed = aDown && aMouseIn;
  TCanvas* c = b->Canvas();
  if (Flat() && !pressed && !aMouseIn && !MenuTracking) {
    GetParentImage(this, c);  // the normal state of a flat button shows its parent
  } else if (TrackButtonMode()) {
    TRect mainState = MenuTracking ? hot : pressed ? pressedPiece : aMouseIn ? hot : normal;
    TRect trackState = MenuTracking || pressed ? pressedPiece : aMouseIn ? hot : normal;
    TBitmap main, track;
    ComposeButtonPart(*this, stretching, &main, mainState, Width() - kStrip, Height());
    ComposeButtonPart(*this, stretching, &track, trackState, kStrip, Height());
    c->Draw(0, 0, &main);
    c->Draw(Width() - kStrip, 0, &track);
  } else {
    TBitmap whole;
    ComposeButtonPart(*this, stretching, &whole, pressed ? pressedPiece : aMouseIn ? hot : normal, Width(), Height());
    c->Draw(0, 0, &whole);
  }
  SetCaptionFont(c, pressed, aMouseIn);
  TColor captionColour = c->Font()->Color();
  TRect content{clientrect.Left, clientrect.Top, clientrect.Right + Width() - skinrect.Width() - kStrip,
                clientrect.Bottom + Height() - skinrect.Height()};
  DrawContent(c, content, pressed, aMouseIn, pressed);
  TRect marker = pressed || MenuTracking ? TRect{Width() - 13, 2, Width(), Height()}
                                         : TRect{Width() - kStrip, 0, Width(), Height()};
  if (ArrowMode) DrawArrowImage(c, marker, captionColour, ArrowKind);
  else if (look.menumarkerrect.IsEmpty()) DrawTrackArrowImage(c, marker, MenuTracking ? look.downfontcolor : captionColour);
  else DrawMenuMarker(c, marker, aMouseIn, MenuTracking || pressed, false);
}

void TspSkinMenuSpeedButton::NewStyleImage(TBitmap* b, bool aDown, bool aMouseIn) {
  TspButtonRecordLook button, strip;
  if (!button.Find(SkinData(), {"resizetoolbutton", "resizebutton"})) return NewStyleDefaultLook(b);
  const bool bottom = TrackPosition() == sptpBottom;
  const TRect stripRect = StripRect(), all{0, 0, Width(), Height()};
  const bool split = TrackButtonMode() && aMouseIn;
  TRect main = split ? Less(all, stripRect, bottom) : all;
  bool stripRecord = split && strip.Find(SkinData(), bottom ? "htracktoolbutton" : "vtracktoolbutton");
  if (stripRecord) main = all;
  if (split && !stripRecord) strip = button;
  const bool pressed = aDown && aMouseIn && !(TrackButtonMode() && MenuTracking);
  TCanvas* c = b->Canvas();
  DrawResizeButton(button, c, main, aMouseIn, pressed);
  if (split) DrawResizeButton(strip, c, stripRect, aMouseIn, MenuTracking);
  SetCaptionFont(c, pressed, aMouseIn);
  TColor captionColour = c->Font()->Color();
  DrawContent(c, Less(all, stripRect, bottom), pressed, aMouseIn, pressed, true);
  TRect arrow = stripRect;
  if (aDown && aMouseIn && (!TrackButtonMode() || MenuTracking))
    arrow = TRect{arrow.Left + 1, arrow.Top + 1, arrow.Right + 1, arrow.Bottom + 1};
  if (!look.menumarkerrect.IsEmpty()) DrawMenuMarker(c, arrow, aMouseIn, MenuTracking || (aDown && aMouseIn), false);
  else DrawTrackArrowImage(c, arrow, MenuTracking ? look.downfontcolor : captionColour);
}

void TspSkinMenuSpeedButton::CreateControlDefaultImage(TBitmap* b) {
  if (NewStyle()) return NewStyleDefaultLook(b);
  DefaultLook(b);
}

void TspSkinMenuSpeedButton::DefaultLook(TBitmap* b) {
  TCanvas* c = b->Canvas();
  const Integer w = Width(), h = Height();
  const bool pressed = Down() && MouseIn;
  const TRect main{0, 0, w - kStrip, h}, track{w - kStrip, 0, w, h}, all{0, 0, w, h};
  if (TrackButtonMode()) {
    TColor mainFill = MenuTracking ? kLight : pressed ? kDark : MouseIn ? kLight : clBtnFace;
    TColor trackFill = MenuTracking || pressed ? kDark : MouseIn ? kLight : clBtnFace;
    TColor frame = MenuTracking || MouseIn ? kNavy : clBtnShadow;
    FillAndFrame(c, main, frame, mainFill);
    FillAndFrame(c, track, frame, trackFill);
  } else if (pressed) {
    FillAndFrame(c, all, kNavy, kDark);
  } else {
    FillAndFrame(c, all, MouseIn ? kNavy : clBtnShadow, MouseIn ? kLight : clBtnFace);
  }
  SetCanvasDefaultFont(c, DefaultFont(), SkinData());
  if (!Enabled()) c->Font()->SetColor(clBtnShadow);
  bool offset = pressed && !(TrackButtonMode() && MenuTracking);
  DrawContent(c, main, Down(), MouseIn, offset);
  TRect marker = pressed || MenuTracking ? TRect{w - 13, 2, w, h} : track;
  if (ArrowMode) DrawArrowImage(c, marker, clBtnText, ArrowKind);
  else DrawTrackArrowImage(c, marker, clBtnText);
}

void TspSkinMenuSpeedButton::NewStyleDefaultLook(TBitmap* b) {
  TCanvas* c = b->Canvas();
  const bool bottom = TrackPosition() == sptpBottom;
  const TRect all{0, 0, Width(), Height()}, stripRect = StripRect();
  const bool pressed = Down() && MouseIn;
  const bool split = TrackButtonMode() && MouseIn;
  TRect main = split ? Less(all, stripRect, bottom) : all;
  bool pressedLook = false;
  if (split) {
    if (MenuTracking) {
      FillAndFrame(c, main, kNavy, kLight);
      FillAndFrame(c, stripRect, kNavy, kDark);
    } else if (pressed) {
      FillAndFrame(c, main, kNavy, kDark);
      FillAndFrame(c, stripRect, kNavy, kLight);
      pressedLook = true;
    } else {
      FillAndFrame(c, main, kNavy, kLight);
      FillAndFrame(c, stripRect, kNavy, kLight);
    }
  } else if (pressed) {
    FillAndFrame(c, all, kNavy, kDark);
    pressedLook = true;
  } else if (MouseIn) {
    FillAndFrame(c, all, kNavy, kLight);
  } else {
    FillAndFrame(c, all, Flat() ? clBtnFace : clBtnShadow, clBtnFace);
  }
  SetCanvasDefaultFont(c, DefaultFont(), SkinData());
  if (!Enabled()) c->Font()->SetColor(clBtnShadow);
  DrawContent(c, Less(all, stripRect, bottom), Down(), MouseIn, pressedLook);
  TRect arrow = stripRect;
  if (pressed && (!TrackButtonMode() || MenuTracking))
    arrow = TRect{arrow.Left + 2, arrow.Top + 2, arrow.Right + 2, arrow.Bottom + 2};
  DrawTrackArrowImage(c, arrow, clBtnText);
}
