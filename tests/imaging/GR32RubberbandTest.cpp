// The rubber-band layer: handles under the mouse, drags within the limits, the
// child that follows, painting, and the layer on a shown image control.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "imaging/GR32_Image.h"
#include "imaging/GR32_RubberbandLayer.h"
#include "platform/controls/Forms.h"
#include "platform/published/FormDefinition.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"

namespace {

using namespace GR32_Layers;
using BandState = GR32_Layers::TDragState;

struct Band {
  TImage32 image{nullptr};
  TRubberbandLayer* band;
  int userChanges = 0;
  Band(TFloatRect location = FloatRect(100, 100, 200, 150)) {
    image.SetBounds(0, 0, 400, 300);
    band = image.Layers()->Add<TRubberbandLayer>();
    band->SetLocation(location);
    band->OnUserChange = TNotifyEvent::Function([this](TObject*) { ++userChanges; });
  }
  void Drag(int x1, int y1, int x2, int y2) {
    band->MouseDown(mbLeft, 0, x1, y1);
    band->MouseMove(0, x2, y2);
    band->MouseUp(mbLeft, 0, x2, y2);
  }
};

TEST(GR32Rubberband, Defaults) {
  Band b;
  EXPECT_EQ(b.band->HandleSize(), 3);
  EXPECT_EQ(b.band->Handles(), TRBHandles(rhCenter | rhSides | rhCorners | rhFrame));
  EXPECT_EQ(b.band->FrameStipple(), (TArrayOfColor32{0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFF000000}));
  EXPECT_EQ(b.band->HandleFill(), 0xFFFFFFFFu);
  EXPECT_EQ(b.band->HandleFrame(), 0xFF000000u);
  EXPECT_EQ(b.band->MinWidth(), 10.0f);
  EXPECT_EQ(b.band->MaxWidth(), 0.0f);
  EXPECT_EQ(b.band->LayerOptions(), LayerOptVisible | LayerOptMouseEvents);
  b.band->SetHandleSize(0);
  EXPECT_EQ(b.band->HandleSize(), 1);
  b.band->SetHandleSize(-5);
  EXPECT_EQ(b.band->HandleSize(), 1);
  b.band->SetLayerOptions(LayerOptVisible | LayerOptNoUpdate);
  EXPECT_EQ(b.band->LayerOptions(), LayerOptVisible) << "a rubber band always reports its changes";
}

TEST(GR32Rubberband, DragStateUnderTheMouse) {
  // At (100, 100, 200, 150) the handles' reach D is 4 around (100, 100, 199, 149).
  constexpr TRBHandles kDefault = rhCenter | rhSides | rhCorners | rhFrame;
  struct Case {
    const char* what;
    TRBHandles handles;
    int x, y;
    BandState state;
  } cases[] = {
      {"bottom-left corner (the bottom is 149)", kDefault, 102, 150, dsSizeBL},
      {"top side", kDefault, 150, 96, dsSizeT},
      {"inside", kDefault, 150, 125, dsMove},
      {"far away", kDefault, 300, 300, dsNone},
      {"bottom-right corner", kDefault, 199, 149, dsSizeBR},
      {"right side", kDefault, 203, 124, dsSizeR},
      {"just beyond the reach", kDefault, 204, 124, dsNone},
      {"left side", kDefault, 97, 128, dsSizeL},
      {"bottom side", kDefault, 146, 152, dsSizeB},
      {"top-right corner", kDefault, 201, 99, dsSizeTR},
      {"top-left corner", kDefault, 98, 101, dsSizeTL},
      {"corner left out", kDefault | rhNotBRCorner, 199, 149, dsNone},
      {"side left out", kDefault | rhNotTopSide, 150, 96, dsNone},
      {"no centre", rhSides | rhCorners | rhFrame, 150, 125, dsNone},
      {"corners only, at a side", rhCenter | rhCorners, 150, 96, dsNone},
  };
  for (const Case& c : cases) {
    Band b;
    b.band->SetHandles(c.handles);
    EXPECT_EQ(b.band->GetDragState(c.x, c.y), c.state) << c.what;
    EXPECT_EQ(b.band->HitTest(c.x, c.y), c.state != dsNone) << c.what;
  }
}

TEST(GR32Rubberband, HoverCursorByDragState) {
  struct Case {
    BandState state;
    TCursor cursor;
  } cases[] = {{dsNone, crDefault}, {dsMove, crHandPoint}, {dsSizeL, crSizeWE},    {dsSizeR, crSizeWE},
               {dsSizeT, crSizeNS}, {dsSizeB, crSizeNS},   {dsSizeTL, crSizeNWSE}, {dsSizeBR, crSizeNWSE},
               {dsSizeTR, crSizeNESW}, {dsSizeBL, crSizeNESW}};
  for (const Case& c : cases) EXPECT_EQ(DragStateCursor(c.state, crHandPoint), c.cursor) << int(c.state);
  Band b;
  b.band->SetCursor(crHandPoint);
  b.band->MouseMove(0, 150, 96);
  EXPECT_EQ(b.band->DragState(), dsSizeT);
  EXPECT_EQ(Screen.Cursor(), crSizeNS);
  b.band->MouseMove(0, 150, 125);
  EXPECT_EQ(Screen.Cursor(), crHandPoint);
  Screen.SetCursor(crDefault);
}

TEST(GR32Rubberband, DragsKeepTheSizeLimits) {
  struct Case {
    const char* what;
    float maxWidth, maxHeight;
    int x1, y1, x2, y2;
    TFloatRect expected;
  } cases[] = {
      {"left edge past the right edge", 0, 0, 100, 124, 250, 124, FloatRect(190, 100, 200, 150)},
      {"right edge with a maximum below the minimum", 5, 0, 199, 124, 400, 124, FloatRect(100, 100, 400, 150)},
      {"right edge with a maximum", 150, 0, 199, 124, 400, 124, FloatRect(100, 100, 250, 150)},
      {"top edge below the bottom", 0, 0, 150, 100, 150, 300, FloatRect(100, 140, 200, 150)},
      {"corner: each edge with its own limit", 0, 80, 199, 149, 130, 500, FloatRect(100, 100, 130, 180)},
      {"corner inwards to the minimum", 0, 0, 100, 100, 400, 400, FloatRect(190, 140, 200, 150)},
      {"a move keeps the size whatever the limits", 50, 20, 150, 125, 20, 30, FloatRect(-30, 5, 70, 55)},
  };
  for (const Case& c : cases) {
    Band b;
    b.band->SetMaxWidth(c.maxWidth);
    b.band->SetMaxHeight(c.maxHeight);
    b.Drag(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(b.band->Location(), c.expected) << c.what;
    EXPECT_EQ(b.userChanges, 1) << c.what;
    EXPECT_FALSE(b.band->IsDragging()) << c.what;
  }
}

TEST(GR32Rubberband, OnlyARealChangeIsReported) {
  Band b;
  b.Drag(150, 125, 150, 125);
  EXPECT_EQ(b.userChanges, 0) << "a drag that ends where it began";

  // A press during a drag changes nothing and is not passed on.
  int downs = 0;
  b.band->OnMouseDown = TMouseEvent::Function([&downs](TObject*, TMouseButton, TShiftState, int, int) { ++downs; });
  b.band->MouseDown(mbLeft, 0, 150, 125);
  b.band->MouseDown(mbRight, 0, 199, 149);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(b.band->DragState(), dsMove);
  b.band->MouseUp(mbLeft, 0, 150, 125);
}

TEST(GR32Rubberband, ResizingHandlerHasTheLastWord) {
  Band b;
  std::vector<BandState> states;
  b.band->OnResizing = TRBResizingEvent::Function(
      [&states](TObject*, const TFloatRect& old, TFloatRect& proposed, BandState state, TShiftState) {
        states.push_back(state);
        EXPECT_EQ(old, FloatRect(100, 100, 200, 150));
        proposed.Right = float(int(proposed.Right) / 10 * 10);  // a ten-pixel grid
      });
  b.Drag(199, 124, 257, 124);
  EXPECT_EQ(b.band->Location(), FloatRect(100, 100, 250, 150));
  EXPECT_EQ(states, (std::vector<BandState>{dsSizeR}));
}

TEST(GR32Rubberband, ScaledDragsWorkInLayerCoordinates) {
  Band b(FloatRect(10, 10, 60, 40));
  b.image.Bitmap()->SetSize(400, 300);
  b.image.SetScaleMode(smScale);
  b.image.SetScale(2);
  b.band->SetScaled(true);
  EXPECT_EQ(b.band->GetAdjustedLocation(), FloatRect(20, 20, 120, 80));
  b.Drag(119, 49, 139, 49);
  EXPECT_EQ(b.band->Location(), FloatRect(10, 10, 69.5f, 40));
}

TEST(GR32Rubberband, TheChildFollowsAndMayGoFirst) {
  Band b;
  auto* child = b.image.Layers()->Add<TPositionedLayer>();
  child->SetLocation(FloatRect(5, 6, 50, 60));
  child->SetScaled(true);
  b.band->SetChildLayer(child);
  EXPECT_EQ(b.band->Location(), FloatRect(5, 6, 50, 60)) << "the band takes the child's place";
  EXPECT_TRUE(b.band->Scaled());
  b.band->SetScaled(false);
  b.Drag(27, 33, 37, 43);
  EXPECT_EQ(child->Location(), FloatRect(15, 16, 60, 70));

  delete child;
  EXPECT_EQ(b.band->ChildLayer(), nullptr) << "cleared when the child is destroyed first";
  b.Drag(37, 43, 47, 53);
  EXPECT_EQ(b.band->Location(), FloatRect(25, 26, 70, 80));

  // Destroyed the other way round, the child hears nothing afterwards.
  Band c;
  auto* second = c.image.Layers()->Add<TPositionedLayer>();
  c.band->SetChildLayer(second);
  delete c.band;
  second->SetLocation(FloatRect(1, 2, 3, 4));
  delete second;
}

TEST(GR32Rubberband, PaintsTheStippledFrameAndHandles) {
  Band b(FloatRect(10, 10, 40, 30));
  TBitmap32 buffer;
  buffer.SetSize(60, 50);
  buffer.Clear(0xFF808080);
  b.band->DoPaint(&buffer);
  // The frame runs white, white, black, black from its top-left corner.
  EXPECT_EQ(buffer.GetPixel(14, 10), 0xFFFFFFFFu);
  EXPECT_EQ(buffer.GetPixel(15, 10), 0xFFFFFFFFu);
  EXPECT_EQ(buffer.GetPixel(16, 10), 0xFF000000u);
  EXPECT_EQ(buffer.GetPixel(17, 10), 0xFF000000u);
  // A handle of size 3 at each corner: framed black, filled white.
  EXPECT_EQ(buffer.GetPixel(7, 7), 0xFF000000u);
  EXPECT_EQ(buffer.GetPixel(9, 9), 0xFFFFFFFFu);
  EXPECT_EQ(buffer.GetPixel(41, 31), 0xFFFFFFFFu) << "bottom-right handle";
  EXPECT_EQ(buffer.GetPixel(25, 11), 0xFFFFFFFFu) << "top side handle";
  EXPECT_EQ(buffer.GetPixel(3, 3), 0xFF808080u);
  b.band->SetHandles(rhFrame);
  buffer.Clear(0xFF808080);
  b.band->DoPaint(&buffer);
  EXPECT_EQ(buffer.GetPixel(9, 9), 0xFF808080u) << "no handles";
}

// ---------------------------------------------------------------------------
// On a shown image control, driven by posted messages

const char* const kBandForm = R"(object BandForm: TForm
  Left = 0
  Top = 0
  Width = 320
  Height = 240
  object Picture: TImage32
    Left = 0
    Top = 0
    Width = 300
    Height = 200
    BitmapAlign = baTopLeft
    Color = $404040
    ParentColor = False
    Scale = 1.000000000000000000
    ScaleMode = smNormal
  end
end
)";

TEST(GR32RubberbandWindow, MovedAndResizedByTheMouse) {
  PublishImagingClasses();
  TForm form(nullptr);
  ReadComponentText(&form, kBandForm, TFormBindings());
  auto* image = dynamic_cast<TImage32*>(form.FindComponent("Picture"));
  ASSERT_NE(image, nullptr);
  image->Bitmap()->SetSize(300, 200);
  image->Bitmap()->Clear(0xFF3060A0);
  auto* child = image->Layers()->Add<TPositionedLayer>();
  child->SetLocation(FloatRect(40, 40, 120, 100));
  auto* band = image->Layers()->Add<TRubberbandLayer>();
  band->SetChildLayer(child);
  band->SetMaxWidth(150);
  int userChanges = 0;
  band->OnUserChange = TNotifyEvent::Function([&userChanges](TObject*) { ++userChanges; });
  form.Show();
  form.Update();
  PumpMessages();

  // The right edge dragged far: held to the maximum width.
  PostMouse(image, WM_LBUTTONDOWN, 119, 69, MK_LBUTTON);
  PostMouse(image, WM_MOUSEMOVE, 280, 69, MK_LBUTTON);
  PostMouse(image, WM_LBUTTONUP, 280, 69, 0);
  ASSERT_TRUE(PumpUntil([&band] { return !band->IsDragging() && band->Location().Right != 120; }));
  EXPECT_EQ(band->Location(), FloatRect(40, 40, 190, 100));
  EXPECT_EQ(child->Location(), band->Location());

  // Moved by its inside.
  PostMouse(image, WM_LBUTTONDOWN, 100, 70, MK_LBUTTON);
  PostMouse(image, WM_MOUSEMOVE, 110, 90, MK_LBUTTON);
  PostMouse(image, WM_LBUTTONUP, 110, 90, 0);
  ASSERT_TRUE(PumpUntil([&band] { return band->Location().Left == 50; }));
  EXPECT_EQ(band->Location(), FloatRect(50, 60, 200, 120));
  EXPECT_EQ(child->Location(), band->Location());
  EXPECT_EQ(userChanges, 2);

  image->Repaint();
  PumpMessages();
  const CapturedPixels shown = CaptureClient(image->Handle());
  shown.SaveBmp("rubberband.bmp");
  EXPECT_EQ(shown.At(200, 120), 0xFFFFFFu) << "the bottom-right handle";
  EXPECT_EQ(shown.At(125, 90), 0x3060A0u) << "inside, the picture";

  delete child;
  EXPECT_EQ(band->ChildLayer(), nullptr);
  PostMouse(image, WM_LBUTTONDOWN, 100, 80, MK_LBUTTON);
  PostMouse(image, WM_MOUSEMOVE, 90, 80, MK_LBUTTON);
  PostMouse(image, WM_LBUTTONUP, 90, 80, 0);
  ASSERT_TRUE(PumpUntil([&band] { return band->Location().Left == 40; }));
  Screen.SetCursor(crDefault);
}

}  // namespace
