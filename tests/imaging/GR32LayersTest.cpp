// Layers: the collection's stacking, notifications and assignment, mouse routing
// with capture, change reporting, hit tests of positioned and bitmap layers, and
// the bitmap layer's area mapping.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "imaging/GR32_Image.h"
#include "platform/controls/Forms.h"

namespace {

// What a layer and its collection report. A recorder must outlive what it
// watches (declare it first): a collection still reports while it is destroyed.
struct Recorder {
  std::vector<TLayerListNotification> notifications;
  int changes = 0, layerUpdates = 0;
  std::vector<TRect> areas;
  std::vector<const char*> calls;  // "down", "move", "up" of a layer

  void Watch(TLayerCollection& layers) {
    layers.ListNotifyEvent = TLayerListNotifyEvent::Function(
        [this](TLayerCollection*, TLayerListNotification action, TCustomLayer*, Integer) {
          notifications.push_back(action);
        });
    layers.ChangeEvent = TNotifyEvent::Function([this](TObject*) { ++changes; });
    layers.LayerUpdatedEvent = TLayerUpdateEvent::Function([this](TObject*, TCustomLayer*) { ++layerUpdates; });
    layers.AreaUpdatedEvent =
        TAreaChangedEvent::Function([this](TObject*, const TRect& r, Cardinal) { areas.push_back(r); });
  }
  void Listen(TCustomLayer* layer, std::vector<TCustomLayer*>& who) {
    layer->OnMouseDown = TMouseEvent::Function([this, layer, &who](TObject*, TMouseButton, TShiftState, int, int) {
      calls.push_back("down");
      who.push_back(layer);
    });
    layer->OnMouseMove = TMouseMoveEvent::Function([this, layer, &who](TObject*, TShiftState, int, int) {
      calls.push_back("move");
      who.push_back(layer);
    });
    layer->OnMouseUp = TMouseEvent::Function([this, layer, &who](TObject*, TMouseButton, TShiftState, int, int) {
      calls.push_back("up");
      who.push_back(layer);
    });
  }
};

TPositionedLayer* AddAt(TLayerCollection& layers, float l, float t, float r, float b) {
  auto* layer = layers.Add<TPositionedLayer>();
  layer->SetLocation(FloatRect(l, t, r, b));
  return layer;
}

TEST(GR32Layers, EmptyCollectionFindsNothingAndShowsTheControlsCursor) {
  TImage32 image(nullptr);
  image.SetCursor(crCross);
  TLayerCollection* layers = image.Layers();
  EXPECT_EQ(layers->FindLayerAtPos(5, 5, LayerOptMouseEvents), nullptr);
  EXPECT_EQ(layers->MouseDown(mbLeft, 0, 5, 5), nullptr);
  EXPECT_EQ(layers->MouseListener(), nullptr);
  EXPECT_EQ(layers->MouseUp(mbLeft, 0, 5, 5), nullptr);
  Screen.SetCursor(crDefault);
  EXPECT_EQ(layers->MouseMove(0, 5, 5), nullptr);
  EXPECT_EQ(Screen.Cursor(), crCross);
  Screen.SetCursor(crDefault);
}

TEST(GR32Layers, AddingReportsTheLayerTwiceAndChangesFoldInUpdates) {
  Recorder r;
  TLayerCollection layers(nullptr);
  r.Watch(layers);
  auto* layer = layers.Add<TPositionedLayer>();
  EXPECT_EQ(r.notifications, (std::vector<TLayerListNotification>{lnLayerAdded, lnLayerAdded}));
  r.changes = 0;
  layer->SetLocation(FloatRect(1, 1, 5, 5));
  EXPECT_EQ(r.changes, 2) << "from the layer update and from the layer's change";
  EXPECT_EQ(r.layerUpdates, 1);
  r.changes = 0;
  layers.BeginUpdate();
  layers.Add<TPositionedLayer>();
  layers.Add<TPositionedLayer>();
  layers.EndUpdate();
  EXPECT_EQ(r.changes, 1) << "additions folded into one";
  r.notifications.clear();
  layers.Insert(0, &NewLayer<TBitmapLayer>);
  EXPECT_EQ(layers.Items(0)->ClassName(), "TBitmapLayer");
  EXPECT_EQ(r.notifications.back(), lnLayerInserted);
  layers.Clear();
  EXPECT_EQ(r.notifications.back(), lnCleared);
  EXPECT_EQ(layers.Count(), 0);
  EXPECT_THROW(layers.Items(0), EListError);
  EXPECT_THROW(layers.EndUpdate(), EAssertionFailed);
}

TEST(GR32Layers, DestroyingTheCollectionReportsItsLayersAndClearingButNoChange) {
  Recorder r;
  {
    TLayerCollection layers(nullptr);
    AddAt(layers, 0, 0, 10, 10);
    AddAt(layers, 5, 5, 20, 20);
    r.Watch(layers);
  }
  EXPECT_EQ(r.notifications, (std::vector<TLayerListNotification>{lnLayerDeleted, lnLayerDeleted, lnCleared}));
  EXPECT_EQ(r.changes, 0);
}

TEST(GR32Layers, SetIndexClampsWithoutNotification) {
  struct Case {
    Integer from, to, at;
  } cases[] = {{0, 100, 2}, {2, -5, 0}, {1, 1, 1}};
  for (const Case& c : cases) {
    Recorder r;
    TLayerCollection layers(nullptr);
    for (int i = 0; i < 3; ++i) layers.Add<TPositionedLayer>();
    TCustomLayer* moved = layers.Items(c.from);
    r.Watch(layers);
    moved->SetIndex(c.to);
    EXPECT_EQ(moved->Index(), c.at) << c.to;
    EXPECT_TRUE(r.notifications.empty()) << c.to;
  }
}

TEST(GR32Layers, HidingReportsTheAreaOnce) {
  Recorder r;
  TLayerCollection layers(nullptr);
  auto* layer = AddAt(layers, 0, 0, 10, 10);
  r.Watch(layers);
  layer->SetVisible(false);
  EXPECT_EQ(r.layerUpdates, 1);
  EXPECT_FALSE(layer->ForceUpdate());
  layer->SetLocation(FloatRect(5, 5, 9, 9));
  EXPECT_EQ(r.layerUpdates, 1) << "an invisible layer reports nothing more";
}

TEST(GR32Layers, AssigningLayersIsRefusedBeforeAnythingChanges) {
  TLayerCollection source(nullptr), target(nullptr);
  AddAt(source, 0, 0, 1, 1);
  AddAt(target, 0, 0, 1, 1);
  AddAt(target, 0, 0, 2, 2);
  try {
    target.Assign(&source);
    ADD_FAILURE() << "nothing raised";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "Cannot assign a TPositionedLayer to a TPositionedLayer");
  }
  EXPECT_EQ(target.Count(), 2) << "the target keeps its layers";
  TLayerCollection empty(nullptr);
  target.Assign(&empty);
  EXPECT_EQ(target.Count(), 0);
}

TEST(GR32Layers, TopmostLayerTakesTheMouseUntilItsButtonsAreUp) {
  TLayerCollection layers(nullptr);
  Recorder r;
  std::vector<TCustomLayer*> who;
  TPositionedLayer* lower = AddAt(layers, 0, 0, 50, 50);
  TPositionedLayer* upper = AddAt(layers, 20, 20, 70, 70);
  r.Listen(lower, who);
  r.Listen(upper, who);
  EXPECT_EQ(layers.MouseDown(mbLeft, 0, 30, 30), upper);
  EXPECT_EQ(layers.MouseListener(), upper);
  EXPECT_EQ(layers.MouseDown(mbRight, 0, 5, 5), upper) << "the listener keeps the mouse";
  EXPECT_EQ(layers.MouseMove(0, 500, 500), upper);
  EXPECT_EQ(layers.MouseUp(mbLeft, 0, 500, 500), upper) << "released far away";
  EXPECT_EQ(layers.MouseListener(), upper) << "the right button is still held";
  EXPECT_EQ(layers.MouseUp(mbRight, 0, 500, 500), upper);
  EXPECT_EQ(layers.MouseListener(), nullptr);
  EXPECT_EQ(upper->LayerStates(), 0u);
  EXPECT_EQ(who, (std::vector<TCustomLayer*>(5, upper)));
  EXPECT_EQ(r.calls, (std::vector<const char*>{"down", "down", "move", "up", "up"}));
}

TEST(GR32Layers, NoCaptureLayerIsAnsweredButNotCalled) {
  TLayerCollection layers(nullptr);
  Recorder r;
  std::vector<TCustomLayer*> who;
  TPositionedLayer* layer = AddAt(layers, 0, 0, 50, 50);
  layer->SetLayerOptions(layer->LayerOptions() | LayerOptNoCapture);
  r.Listen(layer, who);
  EXPECT_EQ(layers.MouseDown(mbLeft, 0, 10, 10), layer);
  EXPECT_EQ(layers.MouseListener(), nullptr);
  EXPECT_TRUE(r.calls.empty());
  layer->SetMouseEvents(false);
  EXPECT_EQ(layers.FindLayerAtPos(10, 10, LayerOptMouseEvents), nullptr);
}

TEST(GR32Layers, ScaledLayerFollowsTheImagesViewport) {
  // A 50 x 50 bitmap drawn at twice its size from (10, 20).
  TImage32 image(nullptr);
  image.SetBounds(0, 0, 300, 300);
  image.Bitmap()->SetSize(50, 50);
  image.SetScaleMode(smScale);
  image.SetScale(2);
  image.SetBitmapAlign(baCustom);
  image.SetOffsetHorz(10);
  image.SetOffsetVert(20);
  auto* layer = image.Layers()->Add<TPositionedLayer>();
  layer->SetScaled(true);
  EXPECT_EQ(layer->GetAdjustedLocation(), FloatRect(10, 20, 138, 148));
  EXPECT_TRUE(layer->HitTest(137, 147));
  EXPECT_FALSE(layer->HitTest(138, 148));
  EXPECT_FALSE(layer->HitTest(9, 30));
}

TEST(GR32Layers, BitmapLayerHitByAlphaAndAreaMapping) {
  Recorder r;
  TLayerCollection layers(nullptr);
  r.Watch(layers);
  auto* layer = layers.Add<TBitmapLayer>();
  layer->Bitmap()->SetSize(10, 10);
  layer->Bitmap()->Clear(0xFF102030);
  layer->Bitmap()->SetPixel(3, 3, 0x00FFFFFF);  // fully transparent
  layer->SetLocation(FloatRect(10, 10, 30, 30));  // twice the bitmap's size
  EXPECT_TRUE(layer->HitTest(16, 16));
  layer->SetHitByAlpha(true);
  EXPECT_FALSE(layer->HitTest(16, 16)) << "over the transparent pixel";
  EXPECT_TRUE(layer->HitTest(20, 20));
  EXPECT_FALSE(layer->HitTest(31, 20)) << "outside the rectangle";

  r.areas.clear();
  layer->Bitmap()->FillRect(2, 2, 4, 4, 0xFF000000);
  // Bitmap (2, 2, 4, 4) covers (14, 14, 18, 18), widened by the resampler's reach.
  EXPECT_EQ(r.areas, (std::vector<TRect>{{12, 12, 20, 20}}));
  layer->SetLayerOptions(layer->LayerOptions() | LayerOptNoUpdate);
  layer->Bitmap()->FillRect(2, 2, 4, 4, 0xFF000000);
  EXPECT_EQ(r.areas.size(), 1u) << "no report with LayerOptNoUpdate";
}

TEST(GR32Layers, BitmapLayerPaintsIntoTheBufferCroppedToThePicture) {
  TImage32 image(nullptr);
  image.SetBounds(0, 0, 100, 100);
  image.Bitmap()->SetSize(40, 40);  // drawn at (0, 0, 40, 40)
  auto* layer = image.Layers()->Add<TBitmapLayer>();
  layer->Bitmap()->SetSize(4, 4);
  layer->Bitmap()->Clear(0xFFFF0000);
  layer->SetLocation(FloatRect(30, 30, 50, 50));
  TBitmap32 buffer;
  buffer.SetSize(100, 100);
  buffer.Clear(0xFF000000);
  layer->DoPaint(&buffer);
  EXPECT_EQ(buffer.GetPixel(45, 45), 0xFFFF0000u);
  buffer.Clear(0xFF000000);
  layer->SetCropped(true);
  layer->DoPaint(&buffer);
  EXPECT_EQ(buffer.GetPixel(35, 35), 0xFFFF0000u);
  EXPECT_EQ(buffer.GetPixel(45, 45), 0xFF000000u) << "cut at the picture's edge";
}

TEST(GR32Layers, FreeNotificationsReachListenersOnDestruction) {
  struct TWatcher : TPositionedLayer {
    using TPositionedLayer::TPositionedLayer;
    std::vector<TCustomLayer*> gone;
    void Notification(TCustomLayer* layer) override { gone.push_back(layer); }
  };
  TLayerCollection layers(nullptr);
  auto* watcher = layers.Add<TWatcher>();
  TCustomLayer* watched = layers.Add<TPositionedLayer>();
  watched->AddNotification(watcher);
  watched->AddNotification(watcher);
  delete watched;
  EXPECT_EQ(watcher->gone, (std::vector<TCustomLayer*>{watched}));
  EXPECT_EQ(layers.Count(), 1);
}

}  // namespace
