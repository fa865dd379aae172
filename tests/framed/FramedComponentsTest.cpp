// The custom colours (their six-digit values, the store round trip, an absent
// section and bad stored values), the menu controller (item sizes, who it takes
// over, and a popup menu it draws) and the dialog component.
#include <gtest/gtest.h>

#include <vector>

#include "framed/components/RzCustomColors.h"
#include "framed/components/RzDialogComponent.h"
#include "framed/components/RzMenuController.h"
#include "platform/published/FormDefinition.h"
#include "tests/framed/FramedControlsFixture.h"
#include "tests/harness/TempProgramFolder.h"
#include "tests/harness/WindowCapture.h"

namespace {

std::vector<String> Lines(const TStrings* strings) {
  std::vector<String> lines;
  for (int i = 0; i < strings->Count(); ++i) lines.push_back(strings->Strings(i));
  return lines;
}

std::vector<String> SixteenWhite() {
  std::vector<String> lines;
  for (char c = 'A'; c <= 'P'; ++c) lines.push_back(String("Color") + c + "=FFFFFF");
  return lines;
}

TEST(FramedCustomColors, StartWithSixteenWhiteColours) {
  TRzCustomColors colors(nullptr);
  EXPECT_EQ(Lines(colors.Colors()), SixteenWhite());
  EXPECT_EQ(colors.GetColorName(0), "ColorA");
  EXPECT_EQ(colors.GetColorName(15), "ColorP");
}

TEST(FramedCustomColors, ValuesAreWrittenAsSixDigits) {
  struct Case {
    const char* value;
    const char* written;
  } cases[] = {{"ff", "0000FF"}, {"1FFFFFF", "FFFFFF"}, {"abc", "000ABC"}, {"00CC99", "00CC99"}};
  for (const Case& c : cases) {
    TRzCustomColors colors(nullptr);
    TStringList lines;
    lines.Add(String("ColorA=") + c.value);
    colors.SetColors(&lines);
    EXPECT_EQ(colors.Colors()->Strings(0), String("ColorA=") + c.written) << c.value;
  }
}

// A value that is no hexadecimal number is refused before any line is rewritten.
TEST(FramedCustomColors, ABadValueLeavesEveryLineAsItWas) {
  TRzCustomColors colors(nullptr);
  colors.Colors()->Clear();
  for (const char* line : {"ColorA=ff", "ColorB=zz", "ColorC=1"}) colors.Colors()->Add(line);
  EXPECT_THROW(colors.FixupColors(), EConvertError);
  EXPECT_EQ(Lines(colors.Colors()), (std::vector<String>{"ColorA=ff", "ColorB=zz", "ColorC=1"}));
}

class FramedCustomColorsStore : public testing::Test {
protected:
  TempProgramFolder folder;
  TRzRegIniFile store{nullptr};
  TRzCustomColors colors{nullptr};
  void SetUp() override {
    store.SetPath(folder.Path() + "colors.ini");
    colors.SetRegIniFile(&store);
  }
};

TEST_F(FramedCustomColorsStore, SaveThenLoadReproducesTheLines) {
  colors.Colors()->Put(1, "ColorB=0000FF");
  colors.Colors()->Put(15, "ColorP=123456");
  const std::vector<String> saved = Lines(colors.Colors());
  colors.Save("Custom");
  EXPECT_NE(folder.Read("colors.ini").find("ColorB=0000FF"), String::npos);
  TRzCustomColors loaded(nullptr);
  loaded.SetRegIniFile(&store);
  loaded.Load("Custom");
  EXPECT_EQ(Lines(loaded.Colors()), saved);
}

TEST_F(FramedCustomColorsStore, AnAbsentSectionChangesNothing) {
  colors.Colors()->Put(0, "ColorA=00FF00");
  const std::vector<String> before = Lines(colors.Colors());
  colors.Load("Missing");
  EXPECT_EQ(Lines(colors.Colors()), before);
}

TEST_F(FramedCustomColorsStore, ABadStoredValueKeepsItsColour) {
  folder.Write("colors.ini", "[Custom]\r\nColorA=ff00\r\nColorB=oops\r\nColorC=1ABCDEF\r\n");
  colors.Colors()->Put(1, "ColorB=C0C0C0");
  colors.Load("Custom");
  EXPECT_EQ(colors.Colors()->Strings(0), "ColorA=00FF00");
  EXPECT_EQ(colors.Colors()->Strings(1), "ColorB=C0C0C0");
  EXPECT_EQ(colors.Colors()->Strings(2), "ColorC=ABCDEF");
  EXPECT_EQ(colors.Colors()->Count(), 16);
}

TEST(FramedCustomColors, WithoutAStoreLoadAndSaveRefuse) {
  TRzCustomColors colors(nullptr);
  struct Case {
    void (TRzCustomColors::*operation)(const String&);
    const char* text;
  } cases[] = {
      {&TRzCustomColors::Load, "Cannot load Custom Colors--No TRzRegIniFile component specified"},
      {&TRzCustomColors::Save, "Cannot save Custom Colors--No TRzRegIniFile component specified"},
  };
  for (const Case& c : cases) {
    try {
      (colors.*c.operation)("Custom");
      ADD_FAILURE() << c.text;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, c.text);
    }
    EXPECT_EQ(Lines(colors.Colors()), SixteenWhite());
  }
  auto* store = new TRzRegIniFile(nullptr);
  colors.SetRegIniFile(store);
  delete store;
  EXPECT_EQ(colors.RegIniFile(), nullptr);
}

// ---- menu controller ----

using FramedMenuController = FramedForm;

const char* const kMenuForm =
    "object Form: TForm\n"
    "  object Bar: TMainMenu\n"
    "    OwnerDraw = True\n"
    "    object FileMenu: TMenuItem\n"
    "      Caption = '&File'\n"
    "    end\n"
    "  end\n"
    "  object Popup: TPopupMenu\n"
    "    OwnerDraw = True\n"
    "    object Open: TMenuItem\n"
    "      Caption = '&Open...'\n"
    "      ShortCut = 'Ctrl+O'\n"
    "      Default = True\n"
    "    end\n"
    "    object Wrap: TMenuItem\n"
    "      Caption = 'Word &wrap'\n"
    "      Checked = True\n"
    "    end\n"
    "    object Line: TMenuItem\n"
    "      Caption = '-'\n"
    "    end\n"
    "    object Gone: TMenuItem\n"
    "      Caption = 'Unavailable'\n"
    "      Enabled = False\n"
    "    end\n"
    "  end\n"
    "  object Controller: TRzMenuController\n"
    "  end\n"
    "end\n";

TEST_F(FramedMenuController, ItemsAreMeasuredByKind) {
  ReadComponentText(form, kMenuForm);
  auto* controller = dynamic_cast<TRzMenuController*>(form->FindComponent("Controller"));
  ASSERT_NE(controller, nullptr);
  EXPECT_EQ(controller->ItemCount(), 5);
  struct Case {
    const char* item;
    int width, height;
  } cases[] = {{"Open", 40 + 31, 22}, {"Line", 40 + 31, 3}, {"FileMenu", 40, 22}};
  for (const Case& c : cases) {
    auto* item = dynamic_cast<TMenuItem*>(form->FindComponent(c.item));
    ASSERT_NE(item, nullptr) << c.item;
    int width = 40, height = 0;
    item->OnMeasureItem(item, nullptr, width, height);
    EXPECT_EQ(width, c.width) << c.item;
    EXPECT_EQ(height, c.height) << c.item;
  }
}

TEST_F(FramedMenuController, ItemsThatDrawThemselvesAreLeftAlone) {
  auto* own = new TMenuItem(form);
  int ownDraws = 0;
  own->OnAdvancedDrawItem =
      TAdvancedMenuDrawItemEvent::Function([&](TObject*, TCanvas*, const TRect&, UINT) { ++ownDraws; });
  auto* plain = new TMenuItem(form);
  auto* controller = new TRzMenuController(form);
  controller->SetupMenuItems();
  EXPECT_FALSE(controller->Controls(own));
  EXPECT_TRUE(controller->Controls(plain));
  own->OnAdvancedDrawItem(own, nullptr, TRect(), 0);
  EXPECT_EQ(ownDraws, 1);
  auto* later = new TMenuItem(nullptr);
  form->InsertComponent(later);
  EXPECT_TRUE(controller->Controls(later)) << "an item the form takes at run time is taken over";
  delete later;
  EXPECT_EQ(controller->ItemCount(), 1) << "a freed item is forgotten";
  delete controller;
  EXPECT_FALSE(plain->OnAdvancedDrawItem) << "the controller's handlers leave with it";
  EXPECT_FALSE(plain->OnMeasureItem);
}

// Shows the popup for real and captures it while the system's menu loop runs:
// a first tick selects the first item, a second captures and closes the menu.
struct MenuShot {
  static inline CapturedPixels shot;
  static inline int ticks = 0;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menu = ::FindWindowA("#32768", nullptr);
    if (!menu) return;
    if (++ticks == 1) {
      ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
      return;
    }
    ::KillTimer(nullptr, id);
    shot = CaptureWindow(menu);
    ::EndMenu();
  }
};

TEST_F(FramedMenuController, APopupMenuIsDrawnWithItsGradientsAndGutter) {
  ReadComponentText(form, kMenuForm);
  ShowForm();
  auto* popup = dynamic_cast<TPopupMenu*>(form->FindComponent("Popup"));
  ASSERT_NE(popup, nullptr);
  MenuShot::ticks = 0;
  MenuShot::shot = CapturedPixels();
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 200, &MenuShot::Tick);
  popup->Popup(100, 100);
  ::KillTimer(nullptr, timer);
  const CapturedPixels& shot = MenuShot::shot;
  ASSERT_GT(shot.Width, 0) << "the menu was captured";
  shot.SaveBmp("framed_menu_controller.bmp");
  // The gutter's vertical gradient runs from white at its top to the face colour.
  const std::uint32_t face = ColorToRGB(clBtnFace);
  const std::uint32_t faceRgb = ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF);
  int white = 0, gutterFace = 0, menuWhite = 0;
  for (int y = 0; y < shot.Height; ++y) {
    white += shot.At(8, y) == 0xFFFFFFu;
    gutterFace += shot.At(8, y) == faceRgb;
    menuWhite += shot.At(shot.Width - 20, y) == 0xFFFFFFu;
  }
  EXPECT_GT(gutterFace, 0) << "the gutter's gradient reaches the face colour";
  EXPECT_GT(menuWhite, shot.Height / 3) << "the text area is the menu colour";
  EXPECT_GE(shot.Height, 22 * 3 + 3) << "three items of 22 pixels and a separator";
}

// ---- dialog component ----

TEST(FramedDialogComponent, CenterToParentSetsThePosition) {
  TRzDialogComponent dialog(nullptr);
  EXPECT_EQ(dialog.Position, poScreenCenter);
  dialog.SetCenterToParent(true);
  EXPECT_EQ(dialog.Position, poOwnerFormCenter);
  dialog.SetCenterToParent(false);
  EXPECT_EQ(dialog.Position, poScreenCenter);
  TForm* shown = NewForm<TForm>(nullptr);
  dialog.SetCenterToParent(true);
  dialog.CenterForm(shown);
  EXPECT_EQ(shown->Position(), poOwnerFormCenter);
  delete shown;
}

TEST(FramedDialogComponent, TheFontComesFromTheOwningForm) {
  TForm* owner = NewForm<TForm>(nullptr);
  owner->Font()->SetName("Arial");
  owner->Font()->SetSize(11);
  auto* onForm = new TRzDialogComponent(owner);
  TRzDialogComponent alone(nullptr);
  EXPECT_EQ(onForm->Font()->Name(), "Arial");
  EXPECT_EQ(onForm->Font()->Size(), 11);
  EXPECT_EQ(alone.Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(alone.Font()->Size(), 8);
  EXPECT_EQ(alone.CaptionOK, "OK");
  EXPECT_EQ(alone.CaptionCancel, "Cancel");
  EXPECT_EQ(alone.CaptionHelp, "&Help");
  EXPECT_EQ(alone.Width, 350);
  EXPECT_EQ(alone.Height, 300);
  delete owner;
}

}  // namespace
