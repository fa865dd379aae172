// The image control on a form read from a definition, under the X server: the
// picture in each scale mode, partial repaints of a changed area in the direct
// and optimised modes, and the mouse through posted messages.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "imaging/GR32_Image.h"
#include "imaging/GR32_MicroTiles.h"
#include "platform/controls/Forms.h"
#include "platform/published/FormDefinition.h"
#include "platform/core/SysUtils.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"

namespace {

constexpr std::uint32_t kBackground = 0x3C3C3C;
constexpr std::uint32_t kGreen = 0x00C000;
constexpr std::uint32_t kRed = 0xFF0000;

// The "Data" of a 100 x 60 green picture: width, height, then the pixels.
String IdlePictureData() {
  String hex;
  auto put = [&hex](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) hex += Format("%.2X", int((v >> (8 * i)) & 0xFF));
  };
  put(100);
  put(60);
  for (int i = 0; i < 100 * 60; ++i) {
    if (i % 32 == 0) hex += "\r\n      ";
    put(0xFF000000u | kGreen);
  }
  return hex;
}

String PreviewFormText() {
  return R"(object PreviewForm: TForm
  Left = 0
  Top = 0
  Width = 320
  Height = 260
  object PreviewImage: TImage32
    Left = 0
    Top = 0
    Width = 285
    Height = 204
    Bitmap.ResamplerClassName = 'TNearestResampler'
    Bitmap.Data = {)" +
         IdlePictureData() + R"(}
    BitmapAlign = baCenter
    Color = $3C3C3C
    ParentColor = False
    Scale = 1.000000000000000000
    ScaleMode = smStretch
    OnInitStages = ImageInitStages
  end
end
)";
}

struct PreviewForm {
  std::unique_ptr<TForm> form;
  TImage32* image = nullptr;
  int initStages = 0;

  PreviewForm() {
    PublishImagingClasses();
    form = std::make_unique<TForm>(nullptr);
    TFormBindings bindings;
    bindings.Handler("ImageInitStages", this, &PreviewForm::ImageInitStages);
    ReadComponentText(form.get(), PreviewFormText(), bindings);
    image = dynamic_cast<TImage32*>(form->FindComponent("PreviewImage"));
    form->Show();
    form->Update();
    PumpMessages();
  }
  void ImageInitStages(TObject*) { ++initStages; }
  CapturedPixels Shown() {
    image->Update();
    PumpMessages();
    return CaptureClient(image->Handle());
  }
};

TEST(GR32ImageWindow, TheDefinitionGivesThePreviewsSettings) {
  PreviewForm f;
  ASSERT_NE(f.image, nullptr);
  EXPECT_EQ(f.image->BitmapAlign(), baCenter);
  EXPECT_EQ(f.image->ScaleMode(), smStretch);
  EXPECT_EQ(f.image->Color(), TColor(0x3C3C3C));
  EXPECT_EQ(f.image->Bitmap()->Width(), 100);
  EXPECT_EQ(f.image->Bitmap()->Height(), 60);
  EXPECT_EQ(f.image->Bitmap()->ResamplerClassName(), "TNearestResampler");
  EXPECT_EQ(f.initStages, 1) << "once, after the definition was read";
  EXPECT_GE(f.image->Buffer()->Width(), 285) << "the back buffer follows the size read";
  EXPECT_GE(f.image->Buffer()->Height(), 204);
  const String written = WriteComponentText(f.form.get());
  EXPECT_NE(written.find("ScaleMode = smStretch"), String::npos) << written.substr(0, 400);
  EXPECT_NE(written.find("Bitmap.Data = {"), String::npos);
}

TEST(GR32ImageWindow, ThePictureShowsWhereItsScaleModePutsIt) {
  PreviewForm f;
  struct Probe {
    int x, y;
    std::uint32_t colour;
  };
  struct Case {
    const char* mode;
    TScaleMode scaleMode;
    std::vector<Probe> probes;
  } cases[] = {
      {"stretch", smStretch, {{0, 0, kGreen}, {284, 203, kGreen}}},
      // 100 x 60 centred: (92, 72, 192, 132).
      {"normal", smNormal,
       {{0, 0, kBackground}, {91, 80, kBackground}, {92, 72, kGreen}, {191, 131, kGreen}, {192, 131, kBackground},
        {150, 132, kBackground}}},
      // Fitted by width: 285 x 171 at (0, 16).
      {"resize", smResize, {{5, 15, kBackground}, {5, 16, kGreen}, {284, 186, kGreen}, {5, 187, kBackground}}},
  };
  for (const Case& c : cases) {
    f.image->SetScaleMode(c.scaleMode);
    const CapturedPixels shown = f.Shown();
    ASSERT_EQ(shown.Width, 285);
    for (const Probe& p : c.probes) EXPECT_EQ(shown.At(p.x, p.y), p.colour) << c.mode << " at " << p.x << "," << p.y;
  }
}

TEST(GR32ImageWindow, AChangedAreaIsRepaintedAlone) {
  for (TRepaintMode mode : {rmDirect, rmOptimizer}) {
    PreviewForm f;
    std::vector<TRect> clips;
    PPaintStage stage = f.image->PaintStages()->Add();
    stage->StageKind = PaintStageCustom;
    f.image->OnPaintStage =
        TPaintStageEvent::Function([&clips](TObject*, TBitmap32* dest, Cardinal) { clips.push_back(dest->ClipRect()); });
    f.image->SetScaleMode(smNormal);
    f.image->SetRepaintMode(mode);
    if (auto* optimizer = dynamic_cast<TMicroTilesRepaintOptimizer*>(f.image->RepaintOptimizer()))
      optimizer->SetAdaptiveMode(false);  // precise tiles whatever the first paints cost
    f.Shown();
    PumpUntil([] { return false; }, 50);
    clips.clear();

    f.image->Bitmap()->FillRect(20, 20, 30, 30, 0xFF000000u | kRed);
    ASSERT_TRUE(PumpUntil([&clips] { return !clips.empty(); })) << mode;
    // (20, 20, 30, 30) widened by the nearest resampler's reach of 2, at (92, 72).
    EXPECT_EQ(clips, (std::vector<TRect>{{110, 90, 124, 104}})) << mode;
    const CapturedPixels shown = f.Shown();
    EXPECT_EQ(shown.At(92 + 25, 72 + 25), kRed) << mode;
    EXPECT_EQ(shown.At(92 + 5, 72 + 5), kGreen) << mode;
    EXPECT_EQ(shown.At(5, 5), kBackground) << mode;
  }
}

// A resized buffer holds nothing yet: the first paint after it covers the whole
// view even when a changed area is listed.
TEST(GR32ImageWindow, AfterAResizeTheWholeViewIsRepainted) {
  PreviewForm f;
  std::vector<TRect> clips;
  f.image->PaintStages()->Add()->StageKind = PaintStageCustom;
  f.image->OnPaintStage =
      TPaintStageEvent::Function([&clips](TObject*, TBitmap32* dest, Cardinal) { clips.push_back(dest->ClipRect()); });
  f.image->SetScaleMode(smNormal);
  f.image->SetRepaintMode(rmDirect);
  f.Shown();
  f.image->SetBounds(0, 0, 300, 220);  // beyond the buffer's slack: a new buffer
  clips.clear();
  f.image->Bitmap()->FillRect(20, 20, 30, 30, 0xFF000000u | kRed);
  ASSERT_TRUE(PumpUntil([&clips] { return !clips.empty(); }));
  EXPECT_EQ(clips.front(), TRect(0, 0, 300, 220));
  const CapturedPixels shown = f.Shown();
  EXPECT_EQ(shown.At(299, 219), kBackground);
  EXPECT_EQ(shown.At(100 + 25, 80 + 25), kRed);
}

struct MouseRecord {
  const char* what;
  TCustomLayer* layer;
  bool captured;
};

struct MouseLog {
  std::vector<MouseRecord> records;
  void Attach(TImage32* image) {
    image->OnMouseDown =
        TImgMouseEvent::Function([this, image](TObject*, TMouseButton, TShiftState, int, int, TCustomLayer* layer) {
          records.push_back({"down", layer, image->MouseCapture()});
        });
    image->OnMouseMove = TImgMouseMoveEvent::Function([this, image](TObject*, TShiftState, int, int, TCustomLayer* layer) {
      records.push_back({"move", layer, image->MouseCapture()});
    });
    image->OnMouseUp =
        TImgMouseEvent::Function([this, image](TObject*, TMouseButton, TShiftState, int, int, TCustomLayer* layer) {
          records.push_back({"up", layer, image->MouseCapture()});
        });
  }
};

void PostDrag(TImage32* image, int x1, int y1, int x2, int y2) {
  PostMouse(image, WM_LBUTTONDOWN, x1, y1, MK_LBUTTON);
  PostMouse(image, WM_MOUSEMOVE, x2, y2, MK_LBUTTON);
  PostMouse(image, WM_LBUTTONUP, x2, y2, 0);
}

TEST(GR32ImageWindow, MouseOnAnEmptyCollectionCarriesNoLayer) {
  PreviewForm f;
  MouseLog log;
  log.Attach(f.image);
  PostDrag(f.image, 50, 50, 60, 70);
  ASSERT_TRUE(PumpUntil([&log] { return log.records.size() >= 3; }));
  ASSERT_EQ(log.records.size(), 3u);
  const char* order[] = {"down", "move", "up"};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_STREQ(log.records[i].what, order[i]);
    EXPECT_EQ(log.records[i].layer, nullptr) << order[i];
  }
  EXPECT_TRUE(log.records[0].captured) << "the left button captures the mouse";
  EXPECT_TRUE(log.records[1].captured);
  EXPECT_FALSE(f.image->MouseCapture()) << "released with the button";
}

TEST(GR32ImageWindow, TheTopmostLayerKeepsTheMouseUntilItsButtonIsUp) {
  PreviewForm f;
  auto* lower = f.image->Layers()->Add<TPositionedLayer>();
  lower->SetLocation(FloatRect(10, 10, 100, 100));
  auto* upper = f.image->Layers()->Add<TPositionedLayer>();
  upper->SetLocation(FloatRect(50, 50, 150, 150));
  std::vector<const char*> lowerCalls, upperCalls;
  lower->OnMouseDown = TMouseEvent::Function([&](TObject*, TMouseButton, TShiftState, int, int) { lowerCalls.push_back("down"); });
  upper->OnMouseDown = TMouseEvent::Function([&](TObject*, TMouseButton, TShiftState, int, int) { upperCalls.push_back("down"); });
  upper->OnMouseMove = TMouseMoveEvent::Function([&](TObject*, TShiftState, int, int) { upperCalls.push_back("move"); });
  upper->OnMouseUp = TMouseEvent::Function([&](TObject*, TMouseButton, TShiftState, int, int) { upperCalls.push_back("up"); });
  MouseLog log;
  log.Attach(f.image);
  PostDrag(f.image, 70, 70, 250, 190);  // released far outside both layers
  ASSERT_TRUE(PumpUntil([&log] { return log.records.size() >= 3; }));
  EXPECT_EQ(upperCalls, (std::vector<const char*>{"down", "move", "up"}));
  EXPECT_TRUE(lowerCalls.empty());
  for (const MouseRecord& r : log.records) EXPECT_EQ(r.layer, upper) << r.what;
  EXPECT_EQ(f.image->Layers()->MouseListener(), nullptr);
  EXPECT_FALSE(f.image->MouseCapture());
  Screen.SetCursor(crDefault);
}

// The paint box, which no window of the program creates: read from a definition,
// painted by its OnPaintBuffer handler, and flushed by hand.
const char* const kPaintBoxForm = R"(object BoxForm: TForm
  Left = 0
  Top = 0
  Width = 200
  Height = 160
  object Box: TPaintBox32
    Left = 0
    Top = 0
    Width = 120
    Height = 90
    Options = [pboWantArrowKeys]
    RepaintMode = rmFull
    OnPaintBuffer = BoxPaintBuffer
  end
end
)";

struct BoxPainter {
  TColor32 colour = 0xFF0000FF;
  int paints = 0;
  void BoxPaintBuffer(TObject* sender) {
    ++paints;
    auto* box = static_cast<TPaintBox32*>(sender);
    box->Buffer()->BeginUpdate();
    box->Buffer()->Clear(colour);
    box->Buffer()->EndUpdate();
  }
};

TEST(GR32ImageWindow, APaintBoxFromADefinitionPaintsAndFlushes) {
  PublishImagingClasses();
  BoxPainter painter;
  TFormBindings bindings;
  bindings.Handler("BoxPaintBuffer", &painter, &BoxPainter::BoxPaintBuffer);
  TForm form(nullptr);
  ReadComponentText(&form, kPaintBoxForm, bindings);
  auto* box = dynamic_cast<TPaintBox32*>(form.FindComponent("Box"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Options(), TPaintBoxOptions(pboWantArrowKeys));
  EXPECT_EQ(box->Perform(WM_GETDLGCODE) & DLGC_WANTARROWS, DLGC_WANTARROWS);
  form.Show();
  form.Update();
  PumpMessages();
  EXPECT_GE(painter.paints, 1);
  EXPECT_EQ(CaptureClient(box->Handle()).At(119, 89), 0x0000FFu);

  painter.colour = 0xFF00FF00;
  box->Invalidate();
  box->Update();
  EXPECT_EQ(CaptureClient(box->Handle()).At(60, 45), 0x00FF00u);

  // Drawn into the buffer and copied by hand: no paint runs.
  const int paints = painter.paints;
  box->Buffer()->FillRect(10, 10, 20, 20, 0xFFFF0000);
  box->Flush(TRect{10, 10, 20, 20});
  ::GdiFlush();
  const CapturedPixels shown = CaptureClient(box->Handle());
  EXPECT_EQ(shown.At(15, 15), 0xFF0000u);
  EXPECT_EQ(shown.At(25, 25), 0x00FF00u);
  EXPECT_EQ(painter.paints, paints);
}

}  // namespace
