// The tool bar: wrapping layout and its own size, text-option presets, the
// automatic frame, the containers that forbid resizing, the saved layout; its
// spacer; the tool buttons it sizes and lays out; and the tool-bar speed buttons.
#include <gtest/gtest.h>

#include <vector>

#include "framed/bars/RzSpacer.h"
#include "framed/bars/RzToolbar.h"
#include "framed/buttons/RzMenuToolbarButton.h"
#include "framed/buttons/RzToolButton.h"
#include "framed/buttons/RzToolbarButton.h"
#include "framed/common/RzClock.h"
#include "framed/settings/RzCommon_RegIniFile.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/Menus.h"
#include "platform/core/SysUtils.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/TempProgramFolder.h"

// Containers that a tool bar recognises by their class names.
class TToolbar : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
};
class TPageScroller : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
};

namespace {

class RecordingMenu : public TPopupMenu {
public:
  explicit RecordingMenu(TComponent* owner) : TPopupMenu(owner) {
    auto* item = new TMenuItem(this);
    item->SetCaption("Item");
    Items()->Add(item);
  }
  void Popup(int x, int y) override { ++popups; }
  int popups = 0;
};

class FramedToolbar : public FramedForm {
protected:
  // A bar 100 pixels wide on a frameless panel, with `count` spacers 25 x 25.
  TRzToolbar* BarOf(int count, int width = 100) {
    auto* host = Make<TRzPanel>(Rect(0, 0, width, 200));
    host->SetBorderOuter(fsNone);
    auto* bar = new TRzToolbar(form);
    bar->SetParent(host);
    for (int i = 0; i < count; ++i) {
      auto* spacer = new TRzSpacer(form);
      spacer->SetName("S" + IntToStr(++spacers));
      spacer->SetBounds(0, 0, 25, 25);
      spacer->SetParent(bar);
    }
    return bar;
  }
  int spacers = 0;
  TImageList* ImagesOf(int count) {
    auto* images = new TImageList(form);
    for (int i = 0; i < count; ++i) {
      TBitmap image(16, 16);
      image.Canvas()->Brush()->SetColor(i % 2 ? clRed : clBlue);
      image.Canvas()->FillRect(Rect(0, 0, 16, 16));
      images->Add(&image, nullptr);
    }
    return images;
  }
  static void Press(TControl* c, int x, int y) {
    c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    c->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
};

TEST_F(FramedToolbar, WrapsRowsAndSizesItselfToThem) {
  TRzToolbar* bar = BarOf(5);
  std::vector<TPoint> at;
  for (int i = 0; i < 5; ++i) at.push_back(TPoint{bar->Controls(i)->Left(), bar->Controls(i)->Top()});
  const std::vector<TPoint> expected = {{4, 2}, {29, 2}, {54, 2}, {4, 27}, {29, 27}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(at[i].X, expected[i].X) << "control " << i;
    EXPECT_EQ(at[i].Y, expected[i].Y) << "control " << i;
  }
  EXPECT_EQ(bar->Height(), 54);

  // Invisible controls take no room; an invisible first entry does not keep the
  // second from wrapping.
  bar->Controls(1)->SetVisible(false);
  bar->PositionControls();
  EXPECT_EQ(bar->Controls(3)->Left(), 54);
  EXPECT_EQ(bar->Height(), 54 - 25 + 25) << "four visible controls still need two rows";
  bar->Controls(1)->SetVisible(true);
  bar->Controls(0)->SetVisible(false);
  bar->Controls(1)->SetWidth(200);
  bar->PositionControls();
  EXPECT_EQ(bar->Controls(1)->Left(), 4) << "entry 1 wraps although entry 0 is hidden";
  EXPECT_EQ(bar->Controls(1)->Top(), 27);

  TRzToolbar* wide = BarOf(1);
  wide->Controls(0)->SetWidth(300);
  wide->PositionControls();
  EXPECT_EQ(wide->Controls(0)->Left(), 4) << "the first entry never wraps";
  EXPECT_EQ(wide->Height(), 29);
}

TEST_F(FramedToolbar, TextOptionPresetsAndCustom) {
  TRzToolbar* bar = BarOf(0);
  bar->SetOrientation(orVertical);
  bar->SetTextOptions(ttoShowTextLabels);
  EXPECT_EQ(bar->ButtonWidth(), 60);
  EXPECT_EQ(bar->ButtonHeight(), 40);
  EXPECT_TRUE(bar->ShowButtonCaptions());
  EXPECT_EQ(bar->ButtonLayout(), blGlyphTop);
  EXPECT_EQ(bar->RowHeight(), 60);
  EXPECT_EQ(bar->TextOptions(), ttoShowTextLabels);
  bar->SetButtonWidth(50);
  EXPECT_EQ(bar->TextOptions(), ttoCustom);
  bar->SetTextOptions(ttoCustom);
  EXPECT_EQ(bar->ButtonWidth(), 50);
  EXPECT_EQ(bar->ButtonHeight(), 40);
}

TEST_F(FramedToolbar, AutomaticFrameFollowsAlignUntilSetByHand) {
  TRzToolbar* bar = Make<TRzToolbar>(Rect(0, 0, 100, 32));
  bar->SetAlignProp(alLeft);
  EXPECT_EQ(bar->BorderSides(), SideBit(sdLeft));
  EXPECT_EQ(bar->Width(), 32);
  bar->SetBorderOuter(fsFlat);
  EXPECT_FALSE(bar->AutoStyle);
  bar->SetAlignProp(alBottom);
  EXPECT_EQ(bar->BorderSides(), SideBit(sdLeft));
  EXPECT_EQ(bar->BorderOuter(), fsFlat);
}

TEST_F(FramedToolbar, NamedContainersSwitchAutoResizeOff) {
  for (TWinControl* host : std::vector<TWinControl*>{Make<TToolbar>(Rect(0, 0, 100, 50)),
                                                     Make<TPageScroller>(Rect(0, 60, 100, 110))}) {
    auto* bar = new TRzToolbar(form);
    bar->SetParent(host);
    EXPECT_FALSE(bar->AutoResize()) << host->ClassName();
    bar->SetAutoResize(true);
    EXPECT_FALSE(bar->AutoResize()) << host->ClassName();
  }
}

TEST_F(FramedToolbar, LayoutIsSavedAndRestoredByName) {
  TempProgramFolder folder;
  auto* store = new TRzRegIniFile(form);
  store->SetPathType(ptIniFile);
  store->SetPath(folder.Path() + "layout.ini");
  auto makeBar = [&](const char* name, std::vector<const char*> names) {
    TRzToolbar* bar = BarOf(0);
    bar->SetName(name);
    bar->SetRegIniFile(store);
    for (const char* control : names) {
      auto* spacer = new TRzSpacer(form);
      spacer->SetName(String(name) + control);
      spacer->SetParent(bar);
    }
    return bar;
  };
  TRzToolbar* saved = makeBar("T", {"A", "B", "C"});
  saved->Controls(1)->SetVisible(false);
  saved->SaveLayout();
  EXPECT_EQ(store->ReadInteger("T", "TextOptions", -1), 0);
  EXPECT_EQ(store->ReadInteger("T", "Count", -1), 3);
  EXPECT_EQ(store->ReadString("T", "Control0", ""), "TA");
  EXPECT_EQ(store->ReadString("T", "Control1", ""), "##TB");
  EXPECT_EQ(store->ReadString("T", "Control2", ""), "TC");

  // The same names in another order come back as saved.
  TRzToolbar* restored = makeBar("U", {"C", "B", "A"});
  for (int i = 0; i < 3; ++i) {
    const String name = store->ReadString("T", "Control" + IntToStr(i), "");
    store->WriteString("U", "Control" + IntToStr(i), name.substr(0, name.size() - 2) + "U" + name.substr(name.size() - 1));
  }
  store->WriteInteger("U", "Count", 3);
  store->WriteInteger("U", "TextOptions", 1);
  restored->RestoreLayout();
  TRzToolbarControlList* list = restored->ToolbarControls();
  EXPECT_EQ(list->Items(0)->ControlName, "UA");
  EXPECT_EQ(list->Items(1)->ControlName, "UB");
  EXPECT_EQ(list->Items(2)->ControlName, "UC");
  EXPECT_FALSE(list->Items(1)->Control->Visible());
  EXPECT_EQ(restored->TextOptions(), ttoShowTextLabels);

  // A stored name that no control has is skipped; the rest still applies.
  TRzToolbar* renamed = makeBar("V", {"C", "B", "A"});
  store->WriteInteger("V", "Count", 3);
  store->WriteString("V", "Control0", "VA");
  store->WriteString("V", "Control1", "##Gone");
  store->WriteString("V", "Control2", "##VC");
  EXPECT_NO_THROW(renamed->RestoreLayout());
  EXPECT_EQ(renamed->ToolbarControls()->Items(0)->ControlName, "VA");
  EXPECT_EQ(renamed->ToolbarControls()->Items(2)->ControlName, "VC");
  EXPECT_FALSE(renamed->ToolbarControls()->Items(2)->Control->Visible());

  renamed->SetRegIniFile(nullptr);
  EXPECT_THROW(renamed->SaveLayout(), Exception);
}

TEST_F(FramedToolbar, ToolbarControlsStreamAsNames) {
  PublishFramedControls();
  const char* text = R"(object F: TForm
  object Bar: TRzToolbar
    ToolbarControls = (
      Two
      Missing
      One)
    object One: TRzSpacer
    end
    object Two: TRzSpacer
      Grooved = True
    end
  end
end
)";
  TForm* f = NewForm<TForm>(nullptr);
  ReadComponentText(f, text);
  auto* bar = dynamic_cast<TRzToolbar*>(f->FindComponent("Bar"));
  ASSERT_TRUE(bar);
  ASSERT_EQ(bar->ToolbarControls()->Count(), 2);
  EXPECT_EQ(bar->ToolbarControls()->Items(0)->ControlName, "Two");
  EXPECT_EQ(bar->ToolbarControls()->Items(1)->ControlName, "One");
  EXPECT_LT(f->FindComponent("Two") ? dynamic_cast<TControl*>(f->FindComponent("Two"))->Left() : 0,
            dynamic_cast<TControl*>(f->FindComponent("One"))->Left());
  delete f;
}

TEST_F(FramedToolbar, SpacerOrientationAndGroove) {
  auto* spacer = Make<TRzSpacer>(Rect(8, 8, 16, 33));
  spacer->SetOrientation(orVertical);
  EXPECT_EQ(spacer->Width(), 25);
  EXPECT_EQ(spacer->Height(), 8);
  const char* text = R"(object F: TForm
  object S: TRzSpacer
    Width = 30
    Height = 10
    Orientation = orVertical
  end
end
)";
  TForm* f = NewForm<TForm>(nullptr);
  ReadComponentText(f, text);
  auto* loaded = dynamic_cast<TRzSpacer*>(f->FindComponent("S"));
  EXPECT_EQ(loaded->Width(), 30) << "a spacer being loaded keeps its streamed size";
  EXPECT_EQ(loaded->Height(), 10);
  delete f;

  auto* square = Make<TRzSpacer>(Rect(40, 8, 60, 28));
  square->SetGrooved(true);
  ShowForm();
  form->Repaint();
  EXPECT_EQ(ShownPixel(form, 40 + 9, 18), ColorToRGB(clBtnShadow)) << "a square spacer grooves down";
  EXPECT_EQ(ShownPixel(form, 40 + 10, 18), ColorToRGB(clBtnHighlight));
}

TEST_F(FramedToolbar, ToolButtonsFollowTheBar) {
  TRzToolbar* bar = BarOf(0, 400);
  bar->SetImages(ImagesOf(2));
  auto* button = new TRzToolButton(form);
  button->SetCaption("Caption");
  button->SetParent(bar);
  button->SetImageIndex(0);
  EXPECT_EQ(button->Width(), 25);
  EXPECT_FALSE(button->IsSizeStored()) << "the bar's size is not written";
  bar->SetShowButtonCaptions(true);
  bar->SetButtonWidth(40);
  TBitmap measure(1, 1);
  measure.Canvas()->SetFont(button->Font());
  const int expected = std::max(40, 16 + measure.Canvas()->TextWidth("Caption") + 12);
  EXPECT_EQ(button->Width(), expected);
  EXPECT_TRUE(button->ShowCaption());
  EXPECT_TRUE(button->IsSizeStored()) << "wider than the bar's buttons";
  button->SetToolStyle(tsDropDown);
  EXPECT_EQ(button->Width(), expected + 14);
  EXPECT_TRUE(button->UseToolbarButtonSize());

  button->SetWidthProp(90);
  EXPECT_FALSE(button->UseToolbarButtonSize());
  bar->SetButtonWidth(45);
  EXPECT_EQ(button->Width(), 90) << "an explicit width stops following";
  button->SetUseToolbarButtonSize(true);
  EXPECT_EQ(button->Width(), std::max(45, 16 + measure.Canvas()->TextWidth("Caption") + 12) + 14);
}

TEST_F(FramedToolbar, DropDownToolButtonRows) {
  TManualClockScope clock;
  auto* button = Make<TRzToolButton>(Rect(8, 8, 33, 33));
  button->SetGroupIndex(2);
  button->SetToolStyle(tsDropDown);
  EXPECT_EQ(button->Width(), 39);
  EXPECT_EQ(button->GroupIndex(), 0);
  button->SetGroupIndex(3);
  EXPECT_EQ(button->GroupIndex(), 0);

  auto* menu = new RecordingMenu(form);
  button->SetDropDownMenu(menu);
  int clicks = 0;
  ShowForm();
  clock.Clock().Advance(1000);
  Press(button, 5, 5);
  EXPECT_EQ(menu->popups, 1) << "without OnClick any press opens the menu";
  EXPECT_EQ(clicks, 0);

  button->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  clock.Clock().Advance(1000);
  Press(button, 5, 5);
  EXPECT_EQ(menu->popups, 1);
  EXPECT_EQ(clicks, 1) << "with OnClick a press outside the arrow clicks";
  Press(button, 35, 5);
  EXPECT_EQ(menu->popups, 2);
  clock.Clock().Advance(50);
  Press(button, 35, 5);
  EXPECT_EQ(menu->popups, 2) << "a press within 100 ms closed the menu";
  EXPECT_EQ(clicks, 1);
}

TEST_F(FramedToolbar, OnlyAButtonWithAnImageShiftsWhenPressed) {
  auto* plain = Make<TRzToolButton>(Rect(8, 8, 68, 33));
  auto* pictured = Make<TRzToolButton>(Rect(80, 8, 140, 33));
  pictured->SetImages(ImagesOf(1));
  pictured->SetImageIndex(0);
  for (TRzToolButton* b : {plain, pictured}) {
    b->SetThemeAware(false);
    b->SetCaption("Go");
    b->SetShowCaption(true);
  }
  ShowForm();
  const TRect plainUp = plain->GetCaptionRect(), picturedUp = pictured->GetCaptionRect();
  const TRect imageUp = pictured->GetImageRect();
  for (TRzToolButton* b : {plain, pictured}) b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(plain->GetCaptionRect(), plainUp);
  EXPECT_EQ(pictured->GetCaptionRect().Left, picturedUp.Left + 1);
  EXPECT_EQ(pictured->GetCaptionRect().Top, picturedUp.Top + 1);
  EXPECT_EQ(pictured->GetImageRect().Left, imageUp.Left + 1);
  for (TRzToolButton* b : {plain, pictured}) b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(FramedToolbar, SpeedButtonHotGlyphAndParkedCaption) {
  auto* button = Make<TRzToolbarButton>(Rect(8, 8, 48, 33));
  button->SetName("Opener");
  button->SetCaption("");
  TBitmap empty;
  button->SetHotGlyph(&empty);
  EXPECT_TRUE(button->UseHotGlyph);
  TBitmap normal(16, 16);
  button->SetGlyph(&normal);
  button->Perform(CM_MOUSEENTER);
  EXPECT_TRUE(button->Glyph()->Empty()) << "the empty hot glyph is shown";
  button->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(button->Glyph()->Width(), 16);

  TBitmap strip(48, 16);
  button->SetHotGlyph(&strip);
  EXPECT_EQ(button->HotNumGlyphs(), 3);
  button->SetEnabled(false);
  button->Perform(CM_MOUSEENTER);
  EXPECT_EQ(button->Glyph()->Width(), 16) << "a disabled button never swaps";
  button->Perform(CM_MOUSELEAVE);

  // Hiding parks the caption; a caption set meanwhile is the one shown later.
  button->SetCaption("Open");
  button->SetShowCaption(false);
  EXPECT_EQ(button->Caption(), "");
  EXPECT_EQ(button->SavedCaption(), "Open");
  const String text = WriteComponentText(form);
  EXPECT_NE(text.find("SaveCaption = 'Open'"), String::npos);
  button->SetCaption("Save");
  EXPECT_EQ(button->Caption(), "");
  button->SetShowCaption(true);
  EXPECT_EQ(button->Caption(), "Save");
}

TEST_F(FramedToolbar, SpeedButtonKeepsItsCaptionFromAnAction) {
  auto* list = new TActionList(form);
  auto* action = new TAction(form);
  action->SetActionList(list);
  action->SetCaption("From action");
  action->SetHint("Hint");
  auto* button = Make<TRzToolbarButton>(Rect(8, 8, 48, 33));
  button->SetCaption("Own");
  button->IgnoreActionCaption = true;
  button->SetAction(action);
  EXPECT_EQ(button->Caption(), "Own");
  EXPECT_EQ(button->Hint(), "Hint");
}

TEST_F(FramedToolbar, MenuSpeedButtonOpensFromItsArrowPart) {
  TManualClockScope clock;
  auto* menu = new RecordingMenu(form);
  auto* button = Make<TRzMenuToolbarButton>(Rect(8, 8, 48, 33));
  button->SetDropDownMenu(menu);
  int clicks = 0;
  button->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  ShowForm();
  clock.Clock().Advance(1000);
  Press(button, 10, 5);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(menu->popups, 0);
  Press(button, 30, 5);
  EXPECT_EQ(menu->popups, 1);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
