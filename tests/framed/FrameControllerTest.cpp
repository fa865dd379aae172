// The frame controller: pushes to a control that takes notifications and to a
// plain control through its published properties, update brackets, the
// dependent settings, saving and loading through the store, and the properties
// older versions streamed.
#include <gtest/gtest.h>

#include "framed/settings/RzCommon_FrameController.h"
#include "framed/settings/RzCommon_RegIniFile.h"
#include "platform/controls/Controls.h"
#include "platform/core/FileUtils.h"
#include "platform/published/FormDefinition.h"
#include "platform/published/ControlsPublished.h"
#include "platform/published/FormsPublished.h"
#include "platform/published/Published.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

class TNotifiedControl : public TGraphicControl, public IRzCustomFramingNotification {
public:
  explicit TNotifiedControl(TComponent* owner) : TGraphicControl(owner) {}
  void CustomFramingChanged() override { ++Changes; }
  int Changes = 0;
};

// A control with fewer framing properties than the controller has, its sides
// named in another order.
class TPlainFramed : public TGraphicControl {
public:
  explicit TPlainFramed(TComponent* owner) : TGraphicControl(owner) {}
  TColor FrameColor = clBlack;
  TSides FrameSides = 0;
  Byte FrameStyle = fsNone;
  bool FrameVisible = false;
};

const TEnumNames& ShuffledSides() {
  static const TEnumNames names{"TShuffledSides", {"sdBottom", "sdRight", "sdTop", "sdLeft"}};
  return names;
}

class FrameControllerTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    PublishControlClasses();
    PublishFrameController();
    PublishClass<TNotifiedControl, TGraphicControl>();
    PublishClass<TPlainFramed, TGraphicControl>()
        .Color("FrameColor", &TPlainFramed::FrameColor, &TPlainFramed::FrameColor, clBlack)
        .Set("FrameSides", ShuffledSides(), &TPlainFramed::FrameSides, &TPlainFramed::FrameSides, 0)
        .Enum("FrameStyle", FrameStyleNames(), &TPlainFramed::FrameStyle, &TPlainFramed::FrameStyle, fsNone)
        .Bool("FrameVisible", &TPlainFramed::FrameVisible, &TPlainFramed::FrameVisible, false);
  }
};

TEST_F(FrameControllerTest, NotifiedControlIsToldOfEveryChange) {
  TRzFrameController controller(nullptr);
  TNotifiedControl control(nullptr);
  controller.AddControl(&control);
  EXPECT_EQ(control.Changes, 1);
  controller.AddControl(&control);  // already in the list
  EXPECT_EQ(control.Changes, 1);
  controller.SetFrameColor(clRed);
  controller.SetFrameColor(clRed);  // unchanged: nothing
  EXPECT_EQ(control.Changes, 2);
  controller.RemoveControl(&control);
  controller.SetFrameStyle(fsGroove);
  EXPECT_EQ(control.Changes, 2);
}

TEST_F(FrameControllerTest, PlainControlGetsThePropertiesItHas) {
  TRzFrameController controller(nullptr);
  controller.SetColor(0x00FF00);
  controller.SetFrameColor(clRed);
  controller.SetFrameSides(SideBit(sdLeft) | SideBit(sdBottom));
  controller.SetFrameStyle(fsGroove);
  controller.SetFrameVisible(true);
  TPlainFramed control(nullptr);
  controller.AddControl(&control);
  EXPECT_EQ(control.Color(), 0x00FF00);
  EXPECT_EQ(control.FrameColor, clRed);
  EXPECT_EQ(control.FrameSides, 0b1001);  // sdBottom bit 0 and sdLeft bit 3 in the control's names
  EXPECT_EQ(control.FrameStyle, fsGroove);
  EXPECT_TRUE(control.FrameVisible);
  controller.SetFrameStyle(fsFlatBold);
  EXPECT_EQ(control.FrameStyle, fsFlatBold);
  controller.SetFlatButtons(false);  // a property the control lacks: no error
  controller.SetParentColor(true);
  EXPECT_TRUE(control.ParentColor());
  controller.RemoveControl(&control);
}

TEST_F(FrameControllerTest, NestedUpdatesPushOnceAtTheEnd) {
  TRzFrameController controller(nullptr);
  TNotifiedControl control(nullptr);
  controller.AddControl(&control);
  controller.BeginUpdate();
  controller.BeginUpdate();
  controller.SetFrameColor(clRed);
  controller.SetFrameStyle(fsGroove);
  controller.EndUpdate();
  EXPECT_EQ(control.Changes, 1);
  controller.EndUpdate();
  EXPECT_EQ(control.Changes, 2);
  controller.EndUpdate();  // below zero counts as zero
  EXPECT_EQ(control.Changes, 3);
  controller.SetFrameColor(clBlue);
  EXPECT_EQ(control.Changes, 4);
  controller.RemoveControl(&control);
}

TEST_F(FrameControllerTest, DependentSettings) {
  TRzFrameController controller(nullptr);
  controller.SetColor(clYellow);  // equal to FocusColor: it moves along
  EXPECT_EQ(controller.FocusColor(), clYellow);
  controller.SetFocusColor(clAqua);
  controller.SetColor(clLime);
  EXPECT_EQ(controller.FocusColor(), clAqua);
  controller.SetParentColor(true);
  controller.SetColor(clRed);
  EXPECT_FALSE(controller.ParentColor());

  controller.SetFrameSides(SideBit(sdTop));
  controller.SetFrameHotTrack(true);
  EXPECT_TRUE(controller.FrameVisible());
  EXPECT_EQ(controller.FrameSides(), sdAllSides);
}

TEST_F(FrameControllerTest, TheListComesAndGoesWithItsControls) {
  TRzFrameController controller(nullptr);
  TNotifiedControl control(nullptr);
  TComponent notAControl(nullptr);
  EXPECT_FALSE(controller.HasControlList());
  controller.AddControl(&control);
  EXPECT_TRUE(controller.HasControlList());
  controller.RemoveControl(&control);
  EXPECT_FALSE(controller.HasControlList());
  controller.AddControl(&notAControl);  // listed, but only controls are served
  EXPECT_EQ(controller.ControlCount(), 1);
  controller.RemoveControl(&notAControl);
  controller.RemoveControl(&notAControl);
  EXPECT_FALSE(controller.HasControlList());
}

TEST_F(FrameControllerTest, SaveAndLoadThroughTheIniStore) {
  TempProgramFolder folder;
  TRzRegIniFile store(nullptr);
  TRzFrameController saved(nullptr);
  saved.SetRegIniFile(&store);
  saved.SetColor(0x112233);
  saved.SetFocusColor(0x445566);
  saved.SetDisabledColor(clGray);
  saved.SetFlatButtonColor(clTeal);
  saved.SetFlatButtons(false);
  saved.SetFrameColor(clRed);
  saved.SetFrameHotColor(clBlue);
  saved.SetFrameHotStyle(fsGroove);
  saved.SetFrameHotTrack(true);
  saved.SetFrameSides(SideBit(sdLeft) | SideBit(sdRight));
  saved.SetFrameStyle(fsBump);
  saved.SetFramingPreference(fpCustomFraming);
  saved.SetParentColor(true);
  saved.Save("Framing");
  String text = folder.Read(ChangeFileExt(ExtractFileName(ApplicationExeName()), ".ini"));
  EXPECT_NE(text.find("FrameSides_Top=0"), String::npos) << text;
  EXPECT_EQ(text.find("ParentColor"), String::npos);

  TRzFrameController loaded(nullptr);
  loaded.SetRegIniFile(&store);
  TNotifiedControl control(nullptr);
  loaded.AddControl(&control);
  loaded.Load("Framing");
  EXPECT_EQ(control.Changes, 2);  // one push for the whole load
  EXPECT_EQ(loaded.Color(), 0x112233);
  EXPECT_EQ(loaded.FocusColor(), 0x445566);
  EXPECT_EQ(loaded.DisabledColor(), clGray);
  EXPECT_EQ(loaded.FlatButtonColor(), clTeal);
  EXPECT_FALSE(loaded.FlatButtons());
  EXPECT_EQ(loaded.FrameColor(), clRed);
  EXPECT_EQ(loaded.FrameHotColor(), clBlue);
  EXPECT_EQ(loaded.FrameHotStyle(), fsGroove);
  EXPECT_TRUE(loaded.FrameHotTrack());
  EXPECT_EQ(loaded.FrameSides(), SideBit(sdLeft) | SideBit(sdRight));
  EXPECT_EQ(loaded.FrameStyle(), fsBump);
  EXPECT_TRUE(loaded.FrameVisible());
  EXPECT_EQ(loaded.FramingPreference(), fpCustomFraming);
  EXPECT_FALSE(loaded.ParentColor());  // not saved
  loaded.RemoveControl(&control);
}

TEST_F(FrameControllerTest, LoadingAnEmptySectionGivesTheLoadDefaults) {
  TempProgramFolder folder;
  TRzRegIniFile store(nullptr);
  TRzFrameController controller(nullptr);
  controller.SetRegIniFile(&store);
  controller.SetFrameStyle(fsGroove);
  controller.Load("Nothing");
  EXPECT_EQ(controller.DisabledColor(), clWindow);  // not the property's default clBtnFace
  EXPECT_EQ(controller.FrameStyle(), fsFlat);
  EXPECT_EQ(controller.FrameSides(), sdAllSides);
  EXPECT_EQ(controller.FramingPreference(), fpXPThemes);
}

TEST_F(FrameControllerTest, NoStoreNoSaveOrLoad) {
  TRzFrameController controller(nullptr);
  try {
    controller.Save("S");
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Cannot save Custom Framing settings--No TRzRegIniFile component specified");
  }
  try {
    controller.Load("S");
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Cannot load Custom Framing settings--No TRzRegIniFile component specified");
  }
}

TEST_F(FrameControllerTest, ARemovedStoreIsForgotten) {
  TRzFrameController controller(nullptr);
  auto* store = new TRzRegIniFile(nullptr);
  controller.SetRegIniFile(store);
  delete store;
  EXPECT_EQ(controller.RegIniFile(), nullptr);
}

TEST_F(FrameControllerTest, AssignCopiesAndPushesOnce) {
  TRzFrameController source(nullptr), target(nullptr);
  source.SetFrameColor(clRed);
  source.SetParentColor(true);
  TNotifiedControl control(nullptr);
  target.AddControl(&control);
  target.Assign(&source);
  EXPECT_EQ(target.FrameColor(), clRed);
  EXPECT_TRUE(target.ParentColor());
  EXPECT_EQ(control.Changes, 2);
  target.RemoveControl(&control);
}

// A form that holds a controller, as definitions of older versions stored it.
class TControllerHolder : public TComponent {
public:
  explicit TControllerHolder(TComponent* owner) : TComponent(owner) {}
};

TEST_F(FrameControllerTest, OlderStreamedPropertiesAreTranslated) {
  PublishClass<TControllerHolder, TComponent>();
  TControllerHolder holder(nullptr);
  ReadComponentText(&holder,
                    "object Holder: TControllerHolder\n"
                    "  object Frames: TRzFrameController\n"
                    "    FrameFlatStyle = fsGroove\n"
                    "    FrameFlat = True\n"
                    "    FrameColor = clRed\n"
                    "  end\n"
                    "  object Focus: TRzFrameController\n"
                    "    FrameFocusStyle = fsBump\n"
                    "  end\n"
                    "end");
  auto* frames = dynamic_cast<TRzFrameController*>(holder.FindComponent("Frames"));
  ASSERT_NE(frames, nullptr);
  EXPECT_TRUE(frames->FrameHotTrack());
  EXPECT_EQ(frames->FrameStyle(), fsStatus);
  EXPECT_EQ(frames->FrameHotStyle(), fsLowered);
  EXPECT_EQ(frames->FrameColor(), clRed);
  auto* focus = dynamic_cast<TRzFrameController*>(holder.FindComponent("Focus"));
  ASSERT_NE(focus, nullptr);
  EXPECT_EQ(focus->FrameHotStyle(), fsBump);
}

}  // namespace
