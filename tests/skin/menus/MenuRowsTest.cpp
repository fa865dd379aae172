// Menu rows as they are painted: the default look, a skin of solid zones and
// VARNEL; every kind of row (plain, hot, disabled, separator, header, shortcut,
// arrow, check and radio marks drawn or from the skin, an image with its
// checked frame, the system glyphs, owner drawing) checked at telling pixels.
#include <gtest/gtest.h>

#include <functional>

#include "platform/graphics/ImageList.h"
#include "skin/draw/Dib24.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/data/SkinFixtures.h"
#include "tests/skin/menus/MenuFixtures.h"

namespace {

enum Row { kPlain, kHot, kDisabled, kSeparator, kHeaderRow, kShortcut, kSub, kChecked, kRadioRow, kImage, kClose,
           kOwner, kRowCount };

class Rows : public ::testing::Test {
protected:
  void SetUp() override {
    form = NewForm<TForm>(nullptr);
    form->SetBounds(50, 50, 200, 100);
    menu = std::make_unique<TPopupMenu>(nullptr);
    images = std::make_unique<TImageList>(nullptr);
    images->SetSize(16, 16);
    TBitmap tile;
    PaintZones(tile, 16, 16, {{{0, 0, 16, 16}, clLime}});
    images->AddMasked(&tile, clFuchsia);
    menu->SetImages(images.get());
    menu->AutoLineReduction = maManual;
    TMenuItem* root = menu->Items();
    AddItem(root, "Plain");
    AddItem(root, "Hot");
    AddItem(root, "Disabled")->SetEnabled(false);
    AddItem(root, "-");
    AddItem(root, "-Header-")->SetEnabled(false);
    AddItem(root, "Shortcut")->SetShortCut(TextToShortCut("Ctrl+S"));
    AddItem(AddItem(root, "Sub"), "Leaf");
    AddItem(root, "Check")->SetChecked(true);
    TMenuItem* radio = AddItem(root, "Radio");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    TMenuItem* image = AddItem(root, "Image");
    image->SetImageIndex(0);
    image->SetChecked(true);
    AddItem(root, "&Close", "DSF_CLOSE");
    AddItem(root, "Owner")->OnDrawItem = TMenuDrawItemEvent::Function(
        [](TObject*, TCanvas* canvas, const TRect& r, bool) {
          canvas->Brush()->SetStyle(bsSolid);
          canvas->Brush()->SetColor(clOlive);
          canvas->FillRect(r);
        });
    engine = std::make_unique<FixedAreaMenu>(nullptr, form);
  }
  void TearDown() override {
    engine.reset();
    menu.reset();
    delete form;
    PumpMessages();
  }
  // Opens the menu and paints it off-screen with only the `hot` row selected.
  void Paint(TspSkinData* skin, int hot = kHot) {
    engine->Popup(nullptr, skin, 0, {300, 100, 300, 100}, menu->Items(), false);
    level = engine->TopLevel();
    ASSERT_NE(level, nullptr);
    for (auto& row : level->Items) row->Hot = row->Pressed = row->KeyboardSelected = false;
    if (hot >= 0) level->Items[hot]->Hot = true;
    picture = std::make_unique<TBitmap>();
    PaintZones(*picture, level->Width(), level->Height(), {});
    level->PaintMenu(picture->Canvas()->Handle());
  }
  TspSkinMenuItem& RowOf(int row) { return *level->Items[row]; }
  // A pixel of a row; negative x counts from the row's right edge.
  TColor At(int row, int x, int y) {
    const TRect& r = RowOf(row).ItemRect;
    return ::At(*picture, x < 0 ? r.Right + x : r.Left + x, r.Top + y);
  }
  // Whether a colour appears in a part of a row.
  bool Shows(int row, TRect part, TColor color) {
    const TRect& r = RowOf(row).ItemRect;
    if (part.Right <= 0) part.Right += r.Width();
    for (int y = part.Top; y < part.Bottom; ++y)
      for (int x = part.Left; x < part.Right; ++x)
        if (::At(*picture, r.Left + x, r.Top + y) == ColorToRGB(color)) return true;
    return false;
  }
  void Save(const String& name) { picture->SaveToFile(CaptureFolder() + name + ".bmp"); }

  TForm* form;
  std::unique_ptr<TPopupMenu> menu;
  std::unique_ptr<TImageList> images;
  std::unique_ptr<FixedAreaMenu> engine;
  TspSkinPopupWindow* level = nullptr;
  std::unique_ptr<TBitmap> picture;
};

TEST_F(Rows, DefaultLook) {
  Paint(nullptr);
  Save("menu-default");
  const TColor selection = TColor(0xD2BDB6), navy = TColor(0x800000);
  const int w = RowOf(kPlain).ItemRect.Width();
  EXPECT_EQ(::At(*picture, 0, 5), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(kPlain, 10, 1), ColorToRGB(clBtnFace));
  EXPECT_EQ(At(kPlain, -3, 1), ColorToRGB(clWindow));
  EXPECT_EQ(At(kHot, 0, 0), navy);
  EXPECT_EQ(At(kHot, -3, 1), selection);
  EXPECT_TRUE(Shows(kDisabled, {21, 0, 0, 20}, clBtnShadow));
  EXPECT_FALSE(Shows(kDisabled, {21, 0, 0, 20}, clWindowText));
  EXPECT_EQ(RowOf(kSeparator).ItemRect.Height(), 4);
  EXPECT_EQ(At(kSeparator, 25, 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(kSeparator, 5, 2), ColorToRGB(clBtnFace));
  EXPECT_TRUE(Shows(kHeaderRow, {21, 0, 0, 20}, clBtnShadow));  // the caption as it is
  EXPECT_TRUE(Shows(kShortcut, {w - 21 - 45, 0, w - 21, 20}, clWindowText));
  EXPECT_EQ(At(kSub, w - 9, 9), ColorToRGB(clWindowText));
  EXPECT_EQ(At(kChecked, 7, 12), ColorToRGB(clWindowText));
  EXPECT_EQ(At(kRadioRow, 8, 10), ColorToRGB(clWindowText));
  EXPECT_EQ(At(kImage, 12, 10), clLime);
  EXPECT_EQ(At(kImage, 3, 1), ColorToRGB(clWindowText));  // the checked frame
  EXPECT_FALSE(Shows(kImage, {5, 11, 12, 14}, clWindowText));  // no tick over the image
  EXPECT_TRUE(Shows(kClose, {4, 6, 14, 16}, clWindowText));
  EXPECT_FALSE(Shows(kOwner, {0, 0, 0, 20}, clOlive));  // owner drawing takes over skinned rows only
}

TEST_F(Rows, ZoneSkin) {
  ZoneMenuSkin skin;
  Paint(&skin.data);
  Save("menu-zones");
  const int w = RowOf(kPlain).ItemRect.Width();
  EXPECT_EQ(::At(*picture, 1, 1), kFrame);
  EXPECT_EQ(At(kPlain, 5, 2), kNormalFace);
  EXPECT_EQ(At(kHot, 5, 2), kActiveFace);
  EXPECT_TRUE(Shows(kHot, {36, 0, 0, 20}, clWhite));  // the active font colour
  EXPECT_TRUE(Shows(kDisabled, {36, 0, 0, 20}, clGray));
  EXPECT_EQ(RowOf(kSeparator).ItemRect.Height(), 4);
  EXPECT_EQ(At(kSeparator, 10, 1), kDivider);
  EXPECT_EQ(At(kHeaderRow, 3, 3), kHeader);
  EXPECT_TRUE(Shows(kHeaderRow, {0, 0, 0, 20}, clWhite));  // its caption without the dashes
  EXPECT_TRUE(Shows(kShortcut, {w - 10 - 16 - 45, 0, w - 10 - 16, 20}, clBlack));
  EXPECT_EQ(At(kSub, w - 17, 10), kArrow);
  EXPECT_EQ(At(kSub, w - 17, 3), kNormalFace);  // the mark's border is transparent
  EXPECT_EQ(At(kChecked, 30, 8), kCheck);
  EXPECT_EQ(At(kChecked, 30, 1), kNormalFace);
  EXPECT_EQ(At(kRadioRow, 30, 8), kRadio);
  EXPECT_EQ(At(kImage, 30, 10), clLime);
  EXPECT_EQ(At(kImage, 21, 1), clBlack);  // the checked frame, no check mark
  EXPECT_NE(At(kImage, 30, 8), kCheck);
  EXPECT_TRUE(Shows(kClose, {22, 6, 34, 18}, clBlack));
  EXPECT_EQ(At(kOwner, 40, 10), clOlive);
  EXPECT_EQ(At(kOwner, 5, 2), kNormalFace);
}

TEST_F(Rows, SkinCheckMarkWithoutARadioPicture) {
  ZoneMenuSkin skin;
  skin.MenuItem->RadioImageRect = skin.MenuItem->ActiveRadioImageRect = {};
  Paint(&skin.data);
  EXPECT_EQ(At(kChecked, 30, 8), kCheck);
  EXPECT_EQ(At(kRadioRow, 8 + 20 - 3, 10), clBlack);  // the drawn dot at the text area's left
}

TEST_F(Rows, CheckedSystemGlyphShowsWhateverItsChecked) {
  menu->Items()->Items(kClose)->SetChecked(true);
  ZoneMenuSkin skin;
  Paint(&skin.data);
  EXPECT_TRUE(Shows(kClose, {22, 6, 34, 18}, clBlack));
  EXPECT_NE(At(kClose, 30, 8), kCheck);
}

TEST_F(Rows, MorphMixesByKindAndFramesAnimate) {
  ZoneMenuSkin skin;
  skin.MenuItem->Morphing = true;
  struct Case {
    TMorphKind kind;
    double kf;
    int x;
    TColor expected;
  } cases[] = {
      {mkDefault, 0.4, 5, TColor(0x660099)},  // red 153, blue 102
      {mkDefault, 1.0, 5, kActiveFace},
      {mkLeftSlide, 0.5, 5, kActiveFace},  // the active face slides in from the left
  };
  for (const Case& c : cases) {
    skin.MenuItem->MorphKind = c.kind;
    Paint(&skin.data, kPlain);
    RowOf(kPlain).SetMorphKf(c.kf);
    RowOf(kPlain).Draw(picture->Canvas());
    TColor got = At(kPlain, c.x, 2);
    EXPECT_NEAR(GetRValue(got), GetRValue(c.expected), 3) << int(c.kind);
    EXPECT_NEAR(GetBValue(got), GetBValue(c.expected), 3) << int(c.kind);
    engine->CloseMenu(0);
  }
  skin.MenuItem->Morphing = false;
  skin.MenuItem->animateskinrect = {0, 80, 200, 100};
  skin.MenuItem->framecount = 2;
  Paint(&skin.data, kPlain);
  RowOf(kPlain).AnimFrame = 2;
  RowOf(kPlain).Draw(picture->Canvas());
  EXPECT_EQ(At(kPlain, 5, 2), kFrame2);
  RowOf(kPlain).AnimFrame = 1;
  RowOf(kPlain).Draw(picture->Canvas());
  EXPECT_EQ(At(kPlain, 5, 2), kFrame1);
}

// A morph keeps the faces it mixes; every step must look as if both faces were
// composed anew, also after the row changed or the level was repainted mid-way.
TEST_F(Rows, KeptMorphFacesDrawLikeFreshOnes) {
  TspSkinData varnel(nullptr);
  ASSERT_TRUE(varnel.LoadFromFile(VarnelSkinIni()));
  ZoneMenuSkin zones;
  struct Case {
    const char* name;
    TspSkinData* skin;
    TMorphKind kind;
    std::function<void()> midway;  // what changes after the second step
  } cases[] = {
      {"varnel fade", &varnel, mkDefault, nullptr},
      {"varnel push", &varnel, mkPush, nullptr},
      {"zones gradient", &zones.data, mkGradient, nullptr},
      {"caption changes", &varnel, mkDefault, [this] { menu->Items()->Items(kShortcut)->SetCaption("Renamed"); }},
      {"item disabled", &varnel, mkRightSlide, [this] { menu->Items()->Items(kChecked)->SetEnabled(false); }},
      {"check cleared", &zones.data, mkDefault, [this] { menu->Items()->Items(kChecked)->SetChecked(false); }},
      {"level repainted", &varnel, mkDefault, [this] { level->PaintMenu(picture->Canvas()->Handle()); }},
  };
  auto steps = [&](const Case& c, bool keep) {
    TspSkinMenuItem::KeepMorphFaces = keep;
    TspDataSkinMenuItem* record = TspSkinPopupWindow::FindItemRecord(c.skin);
    record->Morphing = true;
    record->MorphKind = c.kind;
    menu->Items()->Items(kShortcut)->SetCaption("Shortcut");
    menu->Items()->Items(kChecked)->SetEnabled(true);
    menu->Items()->Items(kChecked)->SetChecked(true);
    Paint(c.skin, -1);
    std::vector<Byte> pixels;
    for (int step = 1; step <= 4; ++step) {
      if (step == 3 && c.midway) c.midway();
      for (auto& row : level->Items) {
        row->Hot = true;
        row->SetMorphKf(0.2 * step);
        row->Draw(picture->Canvas());
      }
      const TspDib24 shot(picture->Handle());
      pixels.insert(pixels.end(), shot.Bits(), shot.Bits() + shot.Size());
    }
    engine->CloseMenu(0);
    record->Morphing = false;
    return pixels;
  };
  for (const Case& c : cases) {
    const std::vector<Byte> fresh = steps(c, false);
    const std::vector<Byte> kept = steps(c, true);
    EXPECT_TRUE(fresh == kept) << c.name;
  }
  TspSkinMenuItem::KeepMorphFaces = true;
}

TEST_F(Rows, MorphTimerStepsRowsToTheirTargetAndStops) {
  ZoneMenuSkin skin;
  skin.MenuItem->Morphing = true;
  Paint(&skin.data, -1);
  TspSkinMenuItem& row = RowOf(kPlain);
  row.MorphKf = 0;
  row.Hot = true;
  level->MorphTimer()->SetEnabled(true);
  for (int i = 0; i < 5; ++i) level->TestMorph();
  EXPECT_DOUBLE_EQ(row.MorphKf, 1.0);
  level->TestMorph();
  EXPECT_FALSE(level->MorphTimer()->Enabled());
  row.Hot = false;
  for (int i = 0; i < 5; ++i) level->TestMorph();
  EXPECT_DOUBLE_EQ(row.MorphKf, 0.0);
}

TEST_F(Rows, Varnel) {
  TspSkinData skin(nullptr);
  ASSERT_TRUE(skin.LoadFromFile(VarnelSkinIni()));
  Paint(&skin);
  Save("menu-varnel");
  const TColor surface = TColor(0xFFFFFF), accentLight = TColor(0xFEEADB), border = TColor(0xD6CEC9);
  const int w = RowOf(kPlain).ItemRect.Width();
  EXPECT_EQ(::At(*picture, 0, picture->Height() / 2), border);
  EXPECT_EQ(At(kPlain, -8, 2), surface);
  EXPECT_EQ(At(kHot, w / 2, 2), accentLight);
  EXPECT_TRUE(Shows(kDisabled, {28, 0, 0, 24}, TColor(0x9F958C)));  // TEXT_DISABLED
  EXPECT_TRUE(Shows(kSub, {w - 30, 0, w - 8, 24}, TColor(0x28231F)));  // the arrow in TEXT
  EXPECT_TRUE(Shows(kChecked, {4, 4, 20, 20}, TColor(0x28231F)));
  EXPECT_EQ(At(kImage, 12, 12), clLime);
}

TEST_F(Rows, OnScreenMatchesTheOffScreenPicture) {
  ZoneMenuSkin skin;
  engine->Popup(nullptr, &skin.data, 0, {300, 100, 300, 100}, menu->Items(), false);
  level = engine->TopLevel();
  ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(level->Handle()) != FALSE; }));
  PumpMessages();
  CapturedPixels shot = CaptureWindow(level->Handle());
  shot.SaveBmp(CaptureFolder() + "menu-zones-window.bmp");
  ASSERT_EQ(shot.Width, level->Width());
  const TRect& plain = level->Items[kPlain]->ItemRect;
  const TRect& first = level->Items[0]->ItemRect;
  EXPECT_EQ(shot.At(1, 1), 0x800000u);  // kFrame, maroon
  EXPECT_EQ(shot.At(first.Left + 5, first.Top + 2), 0x0000FFu);  // shown selected: the active face
  EXPECT_EQ(plain.Top, first.Top);
}

}  // namespace
