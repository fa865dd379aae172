// The skinned control bases: record lookup and copies, resize modes, sizes and
// mapped rectangles, painting with the default look and alpha blending, skin
// changes, background checks, tool-bar centring and window regions.
#include <gtest/gtest.h>

#include "platform/controls/Forms.h"
#include "skin/controls/SkinCtrls.h"
#include "tests/harness/WindowCapture.h"
#include "tests/skin/SkinTestPictures.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

// A container made in code: picture 0 is a 40 x 20 piece (red with a blue client
// 10..30 x 5..15), picture 1 its mask (black with a white top-left corner).
class CodeSkin {
public:
  CodeSkin() : data(nullptr) {
    auto picture = std::make_unique<TBitmap>();
    PaintZones(*picture, 40, 20, {{{0, 0, 40, 20}, clRed}, {{10, 5, 30, 15}, clBlue}});
    auto mask = std::make_unique<TBitmap>();
    PaintZones(*mask, 40, 20, {{{0, 0, 40, 20}, clBlack}, {{0, 0, 4, 4}, clWhite}});
    data.ActivePictures.push_back(std::move(picture));
    data.ActivePictures.push_back(std::move(mask));
    Add("nine", {0, 0, 40, 20}, {10, 5}, {30, 5}, {10, 15}, {30, 15}, {10, 5, 30, 15});
    Add("strip", {0, 0, 40, 20}, {10, 0}, {30, 0}, {0, 0}, {0, 0}, {10, 0, 30, 20});
    Add("fixed", {0, 0, 40, 20}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0, 40, 20});
    data.CtrlList.push_back(std::make_unique<TspDataSkinControl>("plain"));
    data.Empty = false;
  }
  TspDataSkinCustomControl* Add(const String& name, TRect skinrect, TPoint lt, TPoint rt, TPoint lb, TPoint rb,
                                TRect client) {
    auto record = std::make_unique<TspDataSkinCustomControl>(name);
    record->pictureindex = 0;
    record->skinrect = skinrect;
    record->lefttoppoint = lt, record->righttoppoint = rt, record->leftbottompoint = lb, record->rightbottompoint = rb;
    record->clientrect = client;
    record->cursorindex = 3;
    TspDataSkinCustomControl* made = record.get();
    data.CtrlList.push_back(std::move(record));
    return made;
  }
  TspDataSkinCustomControl* Record(const String& name) {
    return dynamic_cast<TspDataSkinCustomControl*>(data.CtrlList[data.GetControlIndex(name)].get());
  }
  TspSkinData data;
};

class Windowed : public ::testing::Test {
protected:
  void SetUp() override {
    form = NewForm<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 300);
    form->SetColor(clGreen);
    form->HandleNeeded();
  }
  void TearDown() override { delete form; }
  TspSkinCustomControl* Make(const String& record, TRect bounds = {10, 10, 110, 40}) {
    auto* control = new TspSkinCustomControl(form);
    control->SetParent(form);
    control->SetBoundsRect(bounds);
    control->SkinDataName = record;
    control->SetSkinData(&skin.data);
    return control;
  }
  // The control painted into a bitmap of its size.
  TColor PaintedAt(TspSkinCustomControl* control, int x, int y) {
    TBitmap b;
    PaintZones(b, control->Width(), control->Height(), {});
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(b.Canvas()->Handle()), 0);
    return At(b, x, y);
  }
  CodeSkin skin;
  TForm* form;
};

TEST(SkinPieceGeometry, ResizeModes) {
  struct Case {
    TRect skinrect;
    TPoint rt, lb, rb;
    Integer mode;
  } cases[] = {{{0, 0, 0, 0}, {5, 5}, {5, 5}, {5, 5}, -1}, {{0, 0, 10, 0}, {5, 5}, {5, 5}, {5, 5}, -1},
               {{0, 0, 10, 10}, {0, 0}, {0, 0}, {5, 0}, 0},  {{0, 0, 10, 10}, {0, 3}, {7, 7}, {5, 0}, 2},
               {{0, 0, 10, 10}, {0, 0}, {0, 4}, {0, 0}, 3},  {{0, 0, 10, 10}, {0, 0}, {0, 0}, {5, 5}, 1}};
  for (const Case& c : cases) {
    TspSkinPiece piece;
    piece.skinrect = c.skinrect;
    piece.righttoppoint = c.rt, piece.leftbottompoint = c.lb, piece.rightbottompoint = c.rb;
    EXPECT_EQ(piece.GetResizeMode(), c.mode) << c.rt.X << "," << c.rt.Y;
  }
}

TEST(SkinPieceGeometry, SizesAndMappedRectangles) {
  TspSkinPiece piece;
  piece.skinrect = {0, 0, 40, 20};
  piece.righttoppoint = {30, 5};
  piece.clientrect = {5, 5, 35, 15};
  piece.ResizeMode = 1;
  Integer w = 100, h = 30;
  piece.CalcPieceSize(w, h, true);
  EXPECT_EQ(piece.SizedRightTop, Point(90, 5));
  EXPECT_EQ(piece.RealClientRect, Rect(5, 5, 95, 25));

  piece.lefttoppoint = {10, 8}, piece.righttoppoint = {30, 8}, piece.leftbottompoint = {10, 12};
  piece.rightbottompoint = {30, 12};
  struct Case {
    TRect from, to;
  } mode1[] = {{{32, 2, 38, 6}, {92, 2, 98, 6}}, {{2, 2, 38, 6}, {2, 2, 98, 6}}, {{12, 9, 28, 11}, {12, 9, 28, 11}},
               {{2, 2, 8, 6}, {2, 2, 8, 6}},     {{2, 14, 8, 18}, {2, 24, 8, 28}}, {{32, 14, 38, 18}, {92, 24, 98, 28}},
               {{2, 2, 38, 18}, {2, 2, 98, 28}}};
  for (const Case& c : mode1) EXPECT_EQ(piece.MapRect(c.from, 100, 30), c.to) << c.from.Left << "," << c.from.Top;

  TspSkinPiece vertical;
  vertical.skinrect = {0, 0, 10, 20};
  vertical.lefttoppoint = {0, 4}, vertical.leftbottompoint = {0, 16};
  vertical.ResizeMode = 3;
  EXPECT_EQ(vertical.MapRect(Rect(2, 17, 8, 19), 10, 50), Rect(2, 47, 8, 49));
  EXPECT_EQ(vertical.MapRect(Rect(2, 2, 8, 18), 10, 50), Rect(2, 2, 8, 48));

  TspSkinPiece strip;
  strip.skinrect = {0, 0, 40, 20};
  strip.lefttoppoint = {10, 0}, strip.righttoppoint = {30, 0};
  strip.ResizeMode = 2;
  EXPECT_EQ(strip.MapRect(Rect(32, 2, 38, 6), 100, 20), Rect(92, 2, 98, 6));
  EXPECT_EQ(strip.MapRect(Rect(5, 2, 35, 6), 100, 20), Rect(5, 2, 95, 6));
}

TEST_F(Windowed, RecordCopiesAndSizesByMode) {
  auto* nine = Make("nine");
  EXPECT_EQ(nine->SkinRecordIndex, 0);
  EXPECT_EQ(nine->ResizeMode, 1);
  EXPECT_EQ(nine->SkinPicture, skin.data.ActivePictures[0].get());
  EXPECT_EQ(nine->SkinCursorIndex, 3);
  EXPECT_EQ(nine->BoundsRect(), Rect(10, 10, 110, 40)) << "any size";
  auto* strip = Make("strip");
  EXPECT_EQ(strip->ResizeMode, 2);
  strip->SetBounds(10, 10, 150, 70);
  EXPECT_EQ(strip->Width(), 150);
  EXPECT_EQ(strip->Height(), 20) << "the piece's height";
  auto* fixed = Make("fixed");
  EXPECT_EQ(fixed->Width(), 40);
  EXPECT_EQ(fixed->Height(), 20);
  auto* none = Make("absent");
  none->SetBounds(0, 0, 77, 33);
  EXPECT_EQ(none->Width(), 77) << "without a record the size is taken";
  auto* plain = Make("plain");
  EXPECT_EQ(plain->ResizeMode, 0);
  EXPECT_EQ(plain->SkinPicture, nullptr);
}

TEST_F(Windowed, DefaultLookWithoutRecordOrPicture) {
  auto* none = Make("absent");
  EXPECT_EQ(PaintedAt(none, 50, 15), ColorToRGB(clBtnFace));
  skin.Record("nine")->pictureindex = 7;  // names no picture
  auto* nine = Make("nine");
  EXPECT_EQ(nine->SkinPicture, nullptr);
  EXPECT_EQ(PaintedAt(nine, 50, 15), ColorToRGB(clBtnFace));
  skin.Record("nine")->pictureindex = 0;
  nine->ChangeSkinData();
  EXPECT_EQ(PaintedAt(nine, 0, 0), clRed);
  EXPECT_EQ(PaintedAt(nine, 50, 15), clBlue);
}

TEST_F(Windowed, AlphaBlendOverTheParent) {
  struct Case {
    Byte alpha;
    TColor expected;
  } cases[] = {{255, clRed}, {0, TColor(0x008000)}, {200, TColor(0x001CC8)}};  // (200, 28, 0)
  auto* fixed = Make("fixed");
  fixed->SetAlphaBlend(true);
  for (const Case& c : cases) {
    fixed->SetAlphaBlendValue(c.alpha);
    EXPECT_EQ(PaintedAt(fixed, 20, 1), c.expected) << int(c.alpha);
  }
}

class Counting : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  int checks = 0;

protected:
  void Dispatch(TMessage& message) override {
    if (message.Msg == WM_CHECKPARENTBG) ++checks;
    TGraphicControl::Dispatch(message);
  }
};

TEST_F(Windowed, BackgroundChecksReachChildrenOnlyWhenBlended) {
  auto* panel = Make("nine");
  panel->ControlStyle |= csAcceptsControls;
  auto* child = new Counting(form);
  child->SetParent(panel);
  panel->Perform(WM_CHECKPARENTBG, 0, 0);
  EXPECT_EQ(child->checks, 0);
  panel->SetAlphaBlend(true);
  panel->Perform(WM_CHECKPARENTBG, 0, 0);
  EXPECT_EQ(child->checks, 1);
}

TEST_F(Windowed, ToolBarCentresVertically) {
  auto* bar = new TspSkinCustomControl(form);
  bar->SetParent(form);
  SP_SkinToolBarClientRect = [bar](TWinControl* parent, TRect& client) {
    if (parent != bar) return false;
    client = {0, 3, 200, 29};
    return true;
  };
  auto* onBar = new TspSkinCustomControl(form);
  onBar->SetParent(bar);
  onBar->SetBounds(5, 50, 30, 20);
  EXPECT_EQ(onBar->Top(), 6);
  auto* graphic = new TspGraphicSkinCustomControl(form);
  graphic->SetParent(bar);
  graphic->SetBounds(5, 0, 30, 20);
  EXPECT_EQ(graphic->Top(), 6);
  SP_SkinToolBarClientRect = nullptr;
}

TEST_F(Windowed, SkinChangeRereadsTheRecord) {
  auto* fixed = Make("fixed");
  EXPECT_EQ(fixed->Width(), 40);
  skin.Record("fixed")->skinrect = {0, 0, 30, 10};
  fixed->BeforeChangeSkinData();
  EXPECT_EQ(fixed->SkinRecordIndex, -1);
  fixed->ChangeSkinData();
  EXPECT_EQ(fixed->Width(), 30);
  EXPECT_EQ(fixed->Height(), 10);
}

TEST_F(Windowed, DefaultSizeAndEmptyContainer) {
  auto* none = Make("absent");
  none->SetDefaultWidth(80);
  EXPECT_EQ(none->Width(), 80);
  auto* nine = Make("nine");
  nine->SetDefaultWidth(80);
  EXPECT_EQ(nine->Width(), 100) << "with a record only the value is stored";
  EXPECT_EQ(nine->DefaultWidth(), 80);
  TspSkinData empty(nullptr);
  auto* later = Make("absent");
  later->SkinDataName = "nine";
  later->SetSkinData(&empty);
  EXPECT_EQ(later->SkinData(), &empty);
  EXPECT_EQ(later->SkinRecordIndex, -1);
  EXPECT_EQ(later->DefaultFont()->Name(), "Arial");
  EXPECT_EQ(later->DefaultFont()->Height(), 14);
}

TEST_F(Windowed, FreedContainerIsForgotten) {
  auto* data = new TspSkinData(nullptr);
  auto* control = Make("nine");
  control->SetSkinData(data);
  delete data;
  EXPECT_EQ(control->SkinData(), nullptr);
  EXPECT_EQ(PaintedAt(control, 5, 5), ColorToRGB(clBtnFace));
}

TEST_F(Windowed, MaskRegionsBelongToTheWindow) {
  skin.Record("nine")->maskpictureindex = 1;
  auto* masked = Make("nine");
  masked->HandleNeeded();
  masked->ChangeSkinData();
  ASSERT_NE(masked->RegionHandle, nullptr);
  HRGN copy = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(masked->Handle(), copy), ERROR);
  EXPECT_FALSE(::PtInRegion(copy, 0, 0)) << "the mask's white corner is cut";
  EXPECT_TRUE(::PtInRegion(copy, 5, 5));
  ::DeleteObject(copy);
  DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 100; ++i) masked->SetBounds(10, 10, 100 + i % 7, 40 + i % 5);
  EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before + 1);
  delete masked;
  EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before);
  skin.Record("nine")->maskpictureindex = -1;
}

TEST_F(Windowed, NoMaskRemovesTheRegion) {
  skin.Record("nine")->maskpictureindex = 1;
  auto* masked = Make("nine");
  masked->HandleNeeded();
  masked->ChangeSkinData();
  ASSERT_NE(masked->RegionHandle, nullptr);
  skin.Record("nine")->maskpictureindex = -1;
  masked->ChangeSkinData();
  EXPECT_EQ(masked->RegionHandle, nullptr);
  HRGN copy = ::CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(::GetWindowRgn(masked->Handle(), copy), ERROR);
  ::DeleteObject(copy);
}

class Pages : public TspNotebookPages {
public:
  std::vector<TWinControl*> pages;
  int PageCount() const override { return static_cast<int>(pages.size()); }
  TWinControl* Page(int index) const override { return pages[index]; }
};

TEST_F(Windowed, NotebookPagesGetTheirWindows) {
  Pages notebook;
  for (int i = 0; i < 3; ++i) {
    auto* page = new TspSkinCustomControl(form);
    page->SetParent(form);
    notebook.pages.push_back(page);
  }
  NotebookHandlesNeeded(nullptr);
  NotebookHandlesNeeded(&notebook);
  for (TWinControl* page : notebook.pages) {
    EXPECT_TRUE(page->HandleAllocated());
    EXPECT_FALSE(page->AlignDisabled());
  }
}

TEST(GraphicSkinControls, FollowTheSameProtocol) {
  CodeSkin skin;
  TForm* form = NewForm<TForm>(nullptr);
  auto* strip = new TspGraphicSkinCustomControl(form);
  strip->SetParent(form);
  strip->SkinDataName = "strip";
  strip->SetSkinData(&skin.data);
  strip->SetBounds(0, 0, 90, 50);
  EXPECT_EQ(strip->Height(), 20);
  EXPECT_EQ(strip->GetNewRect(Rect(32, 2, 38, 6)), Rect(82, 2, 88, 6));
  strip->Perform(WM_CHECKPARENTBG, 0, 0);  // nothing without AlphaBlend
  delete form;
}

// The VARNEL skin's "panel" (border path) and "resizebutton" (full path) on a
// form, captured for a look (skin-controls.bmp in the test folder).
TEST(SkinControlsCapture, VarnelPanelAndButton) {
  TspSkinData data(nullptr);
  ASSERT_TRUE(data.LoadFromFile(VarnelSkinIni()));
  TForm* form = NewForm<TForm>(nullptr);
  form->SetBounds(0, 0, 320, 200);
  auto* panel = new TspSkinCustomControl(form);
  panel->PaintByBorders = true;
  panel->SetParent(form);
  panel->SkinDataName = "panel";
  panel->SetSkinData(&data);
  panel->SetBounds(10, 10, 300, 120);
  auto* button = new TspSkinCustomControl(form);
  button->SetParent(form);
  button->SkinDataName = "resizebutton";
  button->SetSkinData(&data);
  button->SetBounds(20, 140, 120, 30);
  form->Show();
  form->Update();
  CapturedPixels shot = CaptureClient(form->Handle());
  shot.SaveBmp("skin-controls.bmp");
  ASSERT_EQ(shot.Width, form->ClientWidth());
  // The panel's border and client come from the picture, not the default grey.
  TBitmap* picture = data.ActivePicture(0);
  const TRect piece = data.CtrlList[data.GetControlIndex("panel")]->skinrect;
  TColor border = picture->Canvas()->Pixels(piece.Left, piece.Top);
  TColor client = picture->Canvas()->Pixels(piece.Left + 20, piece.Top + 20);
  auto rgb = [](TColor c) { return std::uint32_t((c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF)); };
  EXPECT_EQ(shot.At(10, 10), rgb(border));
  EXPECT_EQ(shot.At(150, 70), rgb(client));
  delete form;
}

}  // namespace

#include "platform/published/FormDefinition.h"
#include "platform/published/ControlsPublished.h"
#include "platform/published/FormsPublished.h"

namespace {

TEST(SkinControlsPublished, BasesAreReadFromADefinition) {
  PublishControlClasses();
  PublishSkinControlClasses();
  String text = "object Form: TForm\r\n"
                "  object Skin: TspSkinData\r\n"
                "  end\r\n"
                "  object Panel: TspSkinCustomControl\r\n"
                "    Left = 4\r\n"
                "    Top = 5\r\n"
                "    Width = 90\r\n"
                "    Height = 40\r\n"
                "    HintTitle = 'Title'\r\n"
                "    HintImageIndex = 2\r\n"
                "    DrawDefault = False\r\n"
                "    SkinData = Skin\r\n"
                "    AreaName = 'area'\r\n"
                "    SkinDataName = 'panel'\r\n"
                "    AlphaBlend = True\r\n"
                "    AlphaBlendValue = 120\r\n"
                "    UseSkinCursor = True\r\n"
                "    DefaultFont.Name = 'Tahoma'\r\n"
                "    UseSkinFont = False\r\n"
                "    DefaultWidth = 70\r\n"
                "    DefaultHeight = 0\r\n"
                "  end\r\n"
                "  object Button: TspGraphicSkinCustomControl\r\n"
                "    SkinData = Skin\r\n"
                "    SkinDataName = 'resizebutton'\r\n"
                "    DefaultHeight = 21\r\n"
                "  end\r\n"
                "end\r\n";
  TForm form(nullptr);
  ReadComponentText(&form, text);
  auto* skin = dynamic_cast<TspSkinData*>(form.FindComponent("Skin"));
  auto* panel = dynamic_cast<TspSkinCustomControl*>(form.FindComponent("Panel"));
  auto* button = dynamic_cast<TspGraphicSkinCustomControl*>(form.FindComponent("Button"));
  ASSERT_TRUE(skin && panel && button);
  EXPECT_EQ(panel->SkinData(), skin);
  EXPECT_EQ(panel->SkinDataName, "panel");
  EXPECT_EQ(panel->HintTitle, "Title");
  EXPECT_EQ(panel->HintImageIndex, 2);
  EXPECT_FALSE(panel->DrawDefault);
  EXPECT_EQ(panel->AreaName, "area");
  EXPECT_TRUE(panel->AlphaBlend());
  EXPECT_EQ(panel->AlphaBlendValue(), 120);
  EXPECT_TRUE(panel->UseSkinCursor);
  EXPECT_EQ(panel->DefaultFont()->Name(), "Tahoma");
  EXPECT_FALSE(panel->UseSkinFont);
  EXPECT_EQ(panel->Width(), 70) << "no record: the default width applies at once";
  EXPECT_EQ(button->SkinDataName, "resizebutton");
  EXPECT_EQ(button->Height(), 21);
}

}  // namespace

namespace {

TEST_F(Windowed, UntrustedRecordsPaintWithoutHarm) {
  struct Case {
    const char* name;
    TRect skinrect;
    TPoint rb;
    TRect client;
  } cases[] = {{"huge", {0, 0, 100000, 100000}, {0, 0}, {0, 0, 0, 0}},
               {"outside", {5000, 5000, 5040, 5020}, {30, 15}, {10, 5, 30, 15}},
               {"reversed", {40, 20, 0, 0}, {30, 15}, {10, 5, 30, 15}},
               {"no client", {0, 0, 40, 20}, {30, 15}, {10, 5, 10, 5}},
               {"negative points", {0, 0, 40, 20}, {-30, -15}, {-10, -5, 300, 150}}};
  for (const Case& c : cases) {
    skin.Add(c.name, c.skinrect, {10, 5}, {30, 5}, {10, 15}, c.rb, c.client)->maskpictureindex = 1;
    auto* control = Make(c.name, {0, 0, 60, 30});
    control->PaintByBorders = true;
    control->HandleNeeded();
    control->ChangeSkinData();
    control->SetBounds(0, 0, 70, 35);
    PaintedAt(control, 0, 0);
    control->PaintByBorders = false;
    control->SetAlphaBlend(true);
    PaintedAt(control, 0, 0);
    SUCCEED() << c.name;
  }
}

}  // namespace
