// The skinned frame: its background tiled or stretched from the skin (an index
// outside the picture list counts as none), erasing left alone without
// DrawBackground, the container handed to the frame's skinned controls through
// its rows, and the frame's procedure given back.
#include <gtest/gtest.h>

#include "platform/controls/Forms.h"
#include "platform/stdctrls/Panel.h"
#include "skin/controls/SkinBevel.h"
#include "skin/form/SkinFrame.h"
#include "tests/skin/SkinTestPictures.h"

namespace {

constexpr TColor kTileCorner = 0x0000FF, kTileBody = 0x00FF00, kClientZone = 0x808080, kOld = 0x00FFFF;

// A control of another family that takes a container.
class FakeSkinned : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  TspSkinData* skin = nullptr;
};

// A 250 x 90 frame on a form, with its skin component and a skin whose named
// picture 0 is a 100 x 40 tile (its top-left pixel marked).
struct FrameFixture {
  TspSkinData skin{nullptr};
  TForm* form = NewForm<TForm>(nullptr);
  TFrame* frame = new TFrame(form);
  TspSkinFrame* component = nullptr;
  FrameFixture() {
    frame->SetParent(form);
    frame->SetBounds(0, 0, 250, 90);
    PaintZones(*skin.Picture, 100, 60, {{{4, 25, 96, 56}, kClientZone}});
    skin.ClientRect = {4, 25, 96, 56};
    auto tile = std::make_unique<TBitmap>();
    PaintZones(*tile, 100, 40, {{{0, 0, 100, 40}, kTileBody}, {{0, 0, 1, 1}, kTileCorner}});
    skin.ActivePictures.push_back(std::move(tile));
    skin.bgpictureindex = 0;
    skin.Empty = false;
    component = new TspSkinFrame(frame);
    component->SetSkinData(&skin);
  }
  ~FrameFixture() { delete form; }
  // Erases the frame into a picture first filled with kOld.
  void Erase(TBitmap& into) {
    PaintZones(into, 250, 90, {{{0, 0, 250, 90}, kOld}});
    frame->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(into.Canvas()->Handle()), 0);
  }
};

}  // namespace

TEST(SkinnedTFrame, TheBackgroundTilesTheSkinsPictureFromTheCorner) {
  FrameFixture f;
  TBitmap b;
  f.Erase(b);
  for (int col = 0; col < 3; ++col)
    for (int row = 0; row < 3; ++row) EXPECT_EQ(At(b, col * 100, row * 40), kTileCorner) << col << "," << row;
  EXPECT_EQ(At(b, 99, 39), kTileBody);
  EXPECT_EQ(At(b, 249, 89), kTileBody);

  f.skin.stretcheffect = true;
  f.skin.StretchType = spstFull;
  f.Erase(b);
  EXPECT_EQ(At(b, 0, 0), kTileCorner);
  EXPECT_EQ(At(b, 100, 40), kTileBody) << "stretched once over the whole frame";

  f.skin.stretcheffect = false;
  f.skin.bgpictureindex = 7;  // outside the list: the client piece of the frame picture
  f.Erase(b);
  EXPECT_EQ(At(b, 0, 0), kClientZone);
  EXPECT_EQ(At(b, 249, 89), kClientZone);

  f.component->SetSkinData(nullptr);
  f.Erase(b);
  EXPECT_EQ(At(b, 10, 10), TColor(::GetSysColor(COLOR_BTNFACE)));
}

TEST(SkinnedTFrame, WithoutDrawBackgroundErasingKeepsTheOldPixels) {
  FrameFixture f;
  f.component->DrawBackground = false;
  TBitmap b;
  f.Erase(b);
  EXPECT_EQ(At(b, 0, 0), kOld);
  EXPECT_EQ(At(b, 120, 50), kOld);
}

TEST(SkinnedTFrame, TheContainerReachesRegisteredSkinnedClassesOnly) {
  TspSkinFrameSetters::Instance().Register(5, [](TComponent* component, TspSkinData* data) {
    auto* fake = dynamic_cast<FakeSkinned*>(component);
    if (!fake) return false;
    fake->skin = data;
    return true;
  });
  FrameFixture f;
  auto* fake = new FakeSkinned(f.frame);
  fake->SetParent(f.frame);
  auto* panel = new TPanel(f.frame);
  panel->SetParent(f.frame);
  auto* bevel = new TspSkinBevel(f.frame);
  bevel->SetParent(f.frame);
  TspSkinData other(nullptr);
  f.component->SetCtrlsSkinData(&other);
  EXPECT_EQ(fake->skin, &other);
  EXPECT_EQ(bevel->SkinData(), &other);
  f.component->SetCtrlsSkinData(nullptr);
  EXPECT_EQ(fake->skin, nullptr) << "nothing is handed out too";
  TspSkinFrameSetters::Instance().Unregister(5);
}

TEST(SkinnedTFrame, TheFramesProcedureComesBackWhenTheComponentGoes) {
  TForm* form = NewForm<TForm>(nullptr);
  auto* frame = new TFrame(form);
  frame->SetParent(form);
  const TWndMethod original = frame->WindowProc;
  auto* component = new TspSkinFrame(frame);
  EXPECT_FALSE(frame->WindowProc == original);
  delete component;
  EXPECT_TRUE(frame->WindowProc == original);
  delete form;
}
