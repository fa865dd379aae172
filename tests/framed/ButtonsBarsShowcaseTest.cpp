// One definition that holds every button, bar and form component of the family
// with settings of its own: read, shown, captured to look at, and written back
// as it was read; and the splitter's cursors with their sizes and hot spots.
#include <gtest/gtest.h>

#include "framed/bars/RzSizePanel.h"
#include "framed/bars/RzSpacer.h"
#include "framed/bars/RzSplitter.h"
#include "framed/bars/RzStatusBar.h"
#include "framed/bars/RzToolbar.h"
#include "framed/buttons/RzBitBtn.h"
#include "framed/buttons/RzButton.h"
#include "framed/buttons/RzMenuButton.h"
#include "framed/buttons/RzMenuToolbarButton.h"
#include "framed/buttons/RzRapidFireButton.h"
#include "framed/buttons/RzShapeButton.h"
#include "framed/buttons/RzSpinner.h"
#include "framed/buttons/RzToolButton.h"
#include "framed/buttons/RzToolbarButton.h"
#include "framed/forms/RzFormShape.h"
#include "framed/forms/RzFormState.h"
#include "framed/startup/RzButton_Kinds.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/WindowCapture.h"

namespace {

#include "tests/framed/ButtonsBarsShowcase.inc"

String WithoutCarriageReturns(const String& text) {
  String out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

template <class T>
T* Find(TForm* form, const char* name) {
  return dynamic_cast<T*>(form->FindComponent(name));
}

TEST(ButtonsBarsShowcase, IsReadShownAndWrittenBackAsItWas) {
  PublishFramedControls();
  StartButtonKinds();
  TForm* form = NewForm<TForm>(nullptr);
  ReadComponentText(form, kShowcase);
  auto* ok = Find<TRzBitBtn>(form, "Ok");
  auto* bar = Find<TRzToolbar>(form, "Tools");
  auto* split = Find<TRzSplitter>(form, "Split");
  auto* status = Find<TRzStatusBar>(form, "Status");
  ASSERT_TRUE(ok && bar && split && status);
  ASSERT_TRUE(Find<TRzButton>(form, "Push") && Find<TRzMenuButton>(form, "Drop") && Find<TRzSpinner>(form, "Count"));
  ASSERT_TRUE(Find<TRzShapeButton>(form, "Shape") && Find<TRzRapidFireButton>(form, "Faster"));
  ASSERT_TRUE(Find<TRzSizePanel>(form, "Side") && Find<TRzFormState>(form, "State") && Find<TRzFormShape>(form, "Outline"));
  EXPECT_EQ(ok->GetKind(), bkOK);
  EXPECT_EQ(ok->Caption(), "Fine") << "a caption of its own survives the kind";
  EXPECT_EQ(bar->ToolbarControls()->Count(), 5);
  EXPECT_EQ(Find<TRzToolbarButton>(form, "Hidden")->SavedCaption(), "Later");
  EXPECT_EQ(Find<TControl>(form, "Notes")->Parent(), split->Pane(2));
  EXPECT_FALSE(Find<TRzShapeButton>(form, "Shape")->BitmapUp()->Empty());
  EXPECT_EQ(WithoutCarriageReturns(WriteComponentText(form)), kShowcase);

  SystemCallsGuard calls;
  calls.AnswerMessageBoxes(IDOK);
  form->Show();
  ::SetForegroundWindow(form->Handle());
  PumpMessages();
  form->Update();
  const CapturedPixels shot = CaptureWindow(form->Handle());
  shot.SaveBmp("framed_buttons_bars_showcase.bmp");
  EXPECT_GT(shot.Width, 600);
  delete form;
}

// Properties of older versions are read and dropped, or translated.
TEST(ButtonsBarsShowcase, OldPropertiesAreReadAndDropped) {
  PublishFramedControls();
  const char* text = R"(object F: TForm
  object Flat: TRzButton
    FrameFlat = True
  end
  object Spin: TRzSpinner
    NumGlyphsMinus = 2
    NumGlyphsPlus = 2
    Flat = True
  end
  object Split: TRzSplitter
    PositionMin = 10
    PositionMax = 90
  end
end
)";
  TForm* form = NewForm<TForm>(nullptr);
  ASSERT_NO_THROW(ReadComponentText(form, text));
  EXPECT_TRUE(Find<TRzButton>(form, "Flat")->HotTrack()) << "FrameFlat becomes HotTrack";
  const String written = WriteComponentText(form);
  for (const char* old : {"FrameFlat", "NumGlyphs", "Flat =", "PositionMin", "PositionMax"})
    EXPECT_EQ(written.find(old), String::npos) << old;
  delete form;
}

TEST(ButtonsBarsShowcase, SplitCursorsLoadWithTheirHotSpots) {
  struct Case {
    const char* name;
    DWORD x, y;
  };
  for (const Case c : {Case{"RZSPLIT_HORZ", 8, 8}, Case{"RZSPLIT_VERT", 8, 8}, Case{"RZSPLIT_HORZHOTSPOT", 0, 0},
                       Case{"RZSPLIT_VERTHOTSPOT", 0, 0}}) {
    HCURSOR cursor = ::LoadCursorA(::GetModuleHandleA(nullptr), c.name);
    ASSERT_NE(cursor, nullptr) << c.name;
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(cursor, &info));
    EXPECT_EQ(info.xHotspot, c.x) << c.name;
    EXPECT_EQ(info.yHotspot, c.y) << c.name;
    BITMAP mask{};
    ::GetObjectA(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(mask.bmWidth, 32) << c.name;
    EXPECT_EQ(mask.bmHeight, info.hbmColor ? 32 : 64) << c.name;
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyCursor(cursor);
  }
}

}  // namespace
