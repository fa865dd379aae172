// The image control without a window: the drawn rectangle of every scale mode,
// scale limits, the view transform and its coordinate mapping, the paint stage
// list, OnBitmapResize, PaintTo; and the paint box's back buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

#include "imaging/GR32_Image.h"
#include "platform/core/WinApi.h"

namespace {

std::unique_ptr<TImage32> MakeImage(Integer bitmapWidth, Integer bitmapHeight, Integer width, Integer height) {
  auto image = std::make_unique<TImage32>(nullptr);
  image->SetBounds(0, 0, width, height);
  image->Bitmap()->SetSize(bitmapWidth, bitmapHeight);
  return image;
}

TEST(GR32Image, DrawnRectangleOfEveryScaleMode) {
  struct Case {
    const char* what;
    Integer bw, bh, width, height;
    TScaleMode mode;
    TBitmapAlign align;
    TRect drawn;
  } cases[] = {
      {"resize, wide picture", 720, 480, 285, 204, smResize, baCenter, {0, 7, 285, 197}},
      {"resize, PAL picture", 720, 576, 285, 204, smResize, baCenter, {15, 0, 270, 204}},
      {"stretch", 720, 480, 285, 204, smStretch, baCenter, {0, 0, 285, 204}},
      {"normal, larger than the control", 720, 480, 285, 204, smNormal, baCenter, {-217, -138, 503, 342}},
      {"optimal never enlarges", 100, 50, 285, 204, smOptimal, baTopLeft, {0, 0, 100, 50}},
      {"optimal fits a larger picture", 720, 480, 285, 204, smOptimal, baTopLeft, {0, 0, 285, 190}},
      {"resize with equal ratios", 100, 100, 50, 50, smResize, baTopLeft, {0, 0, 50, 50}},
      {"a control of width 0", 720, 480, 0, 204, smStretch, baCenter, {0, 102, 0, 102}},
      {"scale 1", 40, 30, 285, 204, smScale, baTopLeft, {0, 0, 40, 30}},
      {"tiles start at the origin", 40, 30, 285, 204, smNormal, baTile, {0, 0, 40, 30}},
  };
  for (const Case& c : cases) {
    auto image = MakeImage(c.bw, c.bh, c.width, c.height);
    image->SetScaleMode(c.mode);
    image->SetBitmapAlign(c.align);
    EXPECT_EQ(image->GetBitmapRect(), c.drawn) << c.what;
  }
  auto empty = MakeImage(0, 0, 285, 204);
  EXPECT_EQ(empty->GetBitmapRect(), TRect()) << "an empty bitmap";
}

TEST(GR32Image, ScaledAndCustomPlacement) {
  auto image = MakeImage(720, 480, 285, 204);
  image->SetScaleMode(smScale);
  image->SetScale(0.25f);
  EXPECT_EQ(image->GetBitmapRect(), TRect(0, 0, 180, 120));
  image->SetScaleMode(smOptimalScaled);
  EXPECT_EQ(image->GetBitmapRect(), TRect(0, 0, 180, 120)) << "fits at its scale";
  image->SetScale(1);
  EXPECT_EQ(image->GetBitmapRect(), TRect(0, 0, 285, 190)) << "too large at its scale: fitted";
  image->SetScaleMode(smNormal);
  image->SetBitmapAlign(baCustom);
  image->SetOffsetHorz(-2.5f);
  image->SetOffsetVert(3.5f);
  EXPECT_EQ(image->GetBitmapRect(), TRect(-2, 4, 718, 484)) << "offsets round half to even";
}

TEST(GR32Image, ScaleLimits) {
  auto image = MakeImage(10, 10, 100, 100);
  int changes = 0;
  image->OnScaleChanged = TNotifyEvent::Function([&](TObject*) { ++changes; });
  image->SetScale(0);
  EXPECT_FLOAT_EQ(image->ScaleX(), 0.001f);
  EXPECT_FLOAT_EQ(image->ScaleY(), 0.001f);
  image->SetScaleY(2);
  changes = 0;
  image->SetScale(0.001f);  // equal to ScaleX: nothing changes, ScaleY stays 2
  EXPECT_EQ(changes, 0);
  EXPECT_FLOAT_EQ(image->ScaleY(), 2.0f);
}

TEST(GR32Image, ViewTransformAndCoordinateMapping) {
  auto image = MakeImage(720, 480, 285, 204);
  image->SetScaleMode(smResize);
  image->SetBitmapAlign(baCenter);
  const TViewTransform t = image->ViewTransform();
  EXPECT_EQ(t.XShift, 0);
  EXPECT_EQ(t.YShift, 7);
  EXPECT_EQ(t.XScale16, 25941);  // 285 * 65536 / 720, rounded
  EXPECT_EQ(t.YScale16, 25941);  // 190 * 65536 / 480
  EXPECT_EQ(t.XInvScale16, 165565);
  EXPECT_EQ(image->BitmapToControl(TPoint{360, 240}), (TPoint{142, 101}));
  EXPECT_EQ(image->BitmapToControl(TPoint{720, 480}), (TPoint{284, 196})) << "the 16.16 product is cut";
  EXPECT_EQ(image->ControlToBitmap(TPoint{285, 197}), (TPoint{720, 480}));
  // Left of and above the picture: negative, cut toward zero.
  EXPECT_EQ(image->ControlToBitmap(TPoint{-1, 0}), (TPoint{-2, -17}));

  image->SetBounds(0, 0, 0, 204);
  EXPECT_EQ(image->ViewTransform(), TViewTransform{}) << "nothing drawn: the identity";
  image->Bitmap()->SetSize(0, 0);
  EXPECT_EQ(image->ViewTransform(), TViewTransform{});
}

TEST(GR32Image, PaintStageList) {
  TImage32 image(nullptr);
  TPaintStages* stages = image.PaintStages();
  const Cardinal kinds[] = {PaintStageClearBackground, PaintStageControlFrame, PaintStageDrawBitmap,
                            PaintStageBitmapFrame, PaintStageDrawLayers};
  ASSERT_EQ(stages->Count(), 5);
  for (Integer i = 0; i < 5; ++i) {
    EXPECT_EQ(stages->Items(i)->StageKind, kinds[i]) << i;
    EXPECT_TRUE(stages->Items(i)->AtDesignTime) << i;
    EXPECT_EQ(stages->Items(i)->AtRunTime, i % 2 == 0) << i;
  }
  EXPECT_EQ(stages->Items(4)->StageParam, LayerOptVisible);

  struct Case {
    const char* what;
    Integer index, at;
  } inserts[] = {{"beyond the end appends", 100, 5}, {"before the start inserts first", -3, 0}};
  for (const Case& c : inserts) {
    TImage32 other(nullptr);
    PPaintStage added = other.PaintStages()->Insert(c.index);
    EXPECT_EQ(added, other.PaintStages()->Items(c.at)) << c.what;
    EXPECT_EQ(added->StageKind, 0u);
    EXPECT_TRUE(added->AtRunTime);
    EXPECT_FALSE(added->AtDesignTime);
  }
  for (Integer index : {5, -1}) {
    try {
      stages->Delete(index);
      ADD_FAILURE() << index << ": nothing raised";
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message, "Invalid stage index");
    }
  }
  EXPECT_EQ(stages->Count(), 5);
  stages->Delete(0);
  EXPECT_EQ(stages->Items(0)->StageKind, PaintStageControlFrame);
}

TEST(GR32Image, BitmapResizeFiresOutsideAnUpdate) {
  TImage32 image(nullptr);
  int resizes = 0;
  image.OnBitmapResize = TNotifyEvent::Function([&](TObject*) { ++resizes; });
  image.Bitmap()->SetSize(20, 10);
  EXPECT_EQ(resizes, 1) << "an ordinary resize";
  image.BeginUpdate();
  image.Bitmap()->SetSize(30, 10);
  image.EndUpdate();
  EXPECT_EQ(resizes, 1) << "not while the control is being updated";
  try {
    image.EndUpdate();
    ADD_FAILURE() << "nothing raised";
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message, "Unpaired EndUpdate call");
  }
}

TEST(GR32Image, ChangesFireOnChangeOutsideUpdates) {
  TImage32 image(nullptr);
  int changes = 0;
  image.OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  TBitmap32 frame;
  frame.SetSize(8, 6);
  image.SetBitmap(&frame);
  EXPECT_EQ(changes, 1) << "one notification per assigned frame";
  image.SetBitmapAlign(baCenter);
  image.SetBitmapAlign(baCenter);
  EXPECT_EQ(changes, 3) << "the alignment notifies even when unchanged";
  image.SetScaleMode(smNormal);
  EXPECT_EQ(changes, 3) << "the same mode notifies nothing";
}

TEST(GR32Image, PaintToRunsTheRunTimeStagesOnly) {
  auto image = MakeImage(10, 10, 192, 192);
  image->Bitmap()->Clear(0xFFFF0000);
  image->SetColor(clBlue);
  image->SetScaleMode(smStretch);
  image->SetRepaintMode(rmDirect);
  TBitmap32 target;
  target.SetSize(40, 40);
  target.Clear(0xFF00FF00);
  image->PaintTo(&target, TRect{10, 10, 30, 30});
  EXPECT_EQ(target.GetPixel(10, 10), 0xFFFF0000u) << "no bitmap frame (a design-time stage)";
  EXPECT_EQ(target.GetPixel(29, 29), 0xFFFF0000u);
  EXPECT_EQ(target.GetPixel(5, 5), 0xFF0000FFu) << "the background in the control's colour";
  EXPECT_EQ(image->RepaintMode(), rmDirect);
  EXPECT_FALSE(image->PaintingToTarget());
}

// A frame filled under the bitmap's lock on another thread is drawn whole: the
// draw-bitmap stage waits for the lock.
TEST(GR32Image, AFrameFilledUnderTheLockIsNeverDrawnHalfWritten) {
  auto image = MakeImage(16, 16, 16, 16);
  image->Bitmap()->Clear(0xFF000000);
  std::atomic<bool> halfWritten{false};
  std::thread writer([&] {
    image->Bitmap()->Lock();
    TColor32* bits = image->Bitmap()->Bits();  // written without notifications: no control is touched here
    std::fill(bits, bits + 16 * 8, 0xFFFFFFFFu);
    halfWritten = true;
    ::Sleep(100);
    std::fill(bits + 16 * 8, bits + 16 * 16, 0xFFFFFFFFu);
    image->Bitmap()->Unlock();
  });
  while (!halfWritten) ::Sleep(1);
  TBitmap32 target;
  target.SetSize(16, 16);
  image->PaintTo(&target, TRect{0, 0, 16, 16});
  writer.join();
  EXPECT_EQ(target.GetPixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(target.GetPixel(15, 15), 0xFFFFFFFFu) << "the lower half was written before the picture was drawn";
}

// ---------------------------------------------------------------------------
// The paint box's back buffer

// A paint box whose back buffer is 192 wide, resized to a viewport width.
Integer BufferWidthAfter(Integer viewportWidth) {
  TPaintBox32 box(nullptr);
  box.SetBufferOversize(0);   // shrinks the buffer to the 192-pixel viewport
  box.SetBufferOversize(40);  // keeps it
  EXPECT_EQ(box.Buffer()->Width(), 192);
  box.SetBounds(0, 0, viewportWidth, 192);
  return box.Buffer()->Width();
}

TEST(GR32PaintBox, BackBufferSizes) {
  struct Case {
    Integer viewport, buffer;
  } cases[] = {{193, 233}, {160, 192}, {150, 150}, {0, 1}};
  for (const Case& c : cases) EXPECT_EQ(BufferWidthAfter(c.viewport), c.buffer) << c.viewport;

  TPaintBox32 fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 192);
  EXPECT_EQ(fresh.Buffer()->Width(), 232);
  EXPECT_EQ(fresh.Buffer()->Height(), 232);
  fresh.SetBufferOversize(-5);
  EXPECT_EQ(fresh.BufferOversize(), 0);
}

TEST(GR32PaintBox, EraseAndDialogCodeMessages) {
  TPaintBox32 box(nullptr);
  EXPECT_EQ(box.Perform(WM_ERASEBKGND), 1) << "nothing is erased";
  EXPECT_EQ(box.Perform(WM_GETDLGCODE) & DLGC_WANTARROWS, 0);
  box.SetOptions(pboWantArrowKeys);
  EXPECT_EQ(box.Perform(WM_GETDLGCODE) & DLGC_WANTARROWS, DLGC_WANTARROWS);
}

TEST(GR32PaintBox, RepaintModesSwitchTheOptimiser) {
  TPaintBox32 box(nullptr);
  EXPECT_EQ(box.RepaintMode(), rmFull);
  EXPECT_FALSE(box.RepaintOptimizer()->Enabled());
  box.SetRepaintMode(rmOptimizer);
  EXPECT_TRUE(box.RepaintOptimizer()->Enabled());
  EXPECT_TRUE(static_cast<bool>(box.Buffer()->OnAreaChanged)) << "the buffer's own areas go to the optimiser";
  box.SetRepaintMode(rmDirect);
  EXPECT_FALSE(box.RepaintOptimizer()->Enabled());
  box.Buffer()->FillRect(1, 2, 3, 4, 0);
  ASSERT_EQ(box.InvalidRects()->Count(), 1);
  EXPECT_EQ(*box.InvalidRects()->Items(0), TRect(1, 2, 3, 4));

  TImage32 image(nullptr);
  image.SetRepaintMode(rmOptimizer);
  EXPECT_FALSE(static_cast<bool>(image.Buffer()->OnAreaChanged)) << "an image routes its bitmap's areas itself";
  EXPECT_TRUE(static_cast<bool>(image.Bitmap()->OnAreaChanged));
  EXPECT_FALSE(static_cast<bool>(image.Bitmap()->OnChange));
}

}  // namespace
