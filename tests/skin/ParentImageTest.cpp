// The parent's picture behind a control: the parent's background and face, and
// the earlier windowless siblings that overlap the control, nothing later.
#include <gtest/gtest.h>

#include "platform/controls/Forms.h"
#include "skin/draw/ParentImage.h"
#include "tests/skin/SkinTestPictures.h"

namespace {

class Face : public TCustomControl {
public:
  explicit Face(TComponent* owner) : TCustomControl(owner) { ControlStyle |= csAcceptsControls; }
  bool paintCopySeen = false;

protected:
  void Paint() override {
    paintCopySeen = HasControlState(csPaintCopy);
    Canvas()->Brush()->SetColor(clYellow);
    Canvas()->FillRect(TRect{0, 0, Width(), 10});  // a yellow band over the background
  }
};

class Swatch : public TGraphicControl {
public:
  Swatch(TComponent* owner, TColor color) : TGraphicControl(owner), color_(color) {}
  bool paintCopySeen = false;

protected:
  void Paint() override {
    paintCopySeen = HasControlState(csPaintCopy);
    Canvas()->Brush()->SetColor(color_);
    Canvas()->FillRect(ClientRect());
  }

private:
  TColor color_;
};

class ParentImage : public ::testing::Test {
protected:
  void SetUp() override {
    form = NewForm<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 200);
    parent = new Face(form);
    parent->SetParent(form);
    parent->SetBounds(10, 10, 200, 100);
    parent->SetColor(clGreen);
    earlier = Add(new Swatch(form, clRed), {20, 20, 40, 40});
    hidden = Add(new Swatch(form, clPurple), {20, 20, 40, 40});
    hidden->SetVisible(false);
    apart = Add(new Swatch(form, clNavy), {150, 60, 170, 80});
    control = Add(new Swatch(form, clAqua), {30, 5, 70, 45});
    later = Add(new Swatch(form, clBlue), {50, 20, 60, 30});
    parent->HandleNeeded();
    PaintZones(dest, 40, 40, {});
  }
  void TearDown() override { delete form; }

  Swatch* Add(Swatch* swatch, TRect bounds) {
    swatch->SetParent(parent);
    swatch->SetBoundsRect(bounds);
    return swatch;
  }

  TForm* form;
  Face* parent;
  Swatch *earlier, *hidden, *apart, *control, *later;
  TBitmap dest;
};

TEST_F(ParentImage, BackgroundFaceAndEarlierOverlappingSiblings) {
  GetParentImage(control, dest.Canvas());
  EXPECT_EQ(At(dest, 0, 0), clYellow) << "the parent's face (its band, rows 0..9)";
  EXPECT_EQ(At(dest, 0, 10), clGreen) << "the parent's background";
  EXPECT_EQ(At(dest, 9, 34), clRed) << "the earlier sibling (20..40) under the control (30..70)";
  EXPECT_EQ(At(dest, 10, 34), clGreen);
  EXPECT_EQ(At(dest, 25, 20), clGreen) << "the later sibling is not painted";
  EXPECT_TRUE(earlier->paintCopySeen);
  EXPECT_TRUE(parent->paintCopySeen);
  EXPECT_FALSE(parent->HasControlState(csPaintCopy)) << "the flag goes again";
  EXPECT_FALSE(earlier->HasControlState(csPaintCopy));
}

TEST_F(ParentImage, PartOfTheControl) {
  TBitmap part;
  PaintZones(part, 10, 10, {});
  GetParentImageRect(control, Rect(5, 25, 15, 35), part.Canvas());  // parent (35..45, 30..40)
  EXPECT_EQ(At(part, 0, 0), clRed);
  EXPECT_EQ(At(part, 4, 9), clRed);
  EXPECT_EQ(At(part, 5, 0), clGreen);
}

TEST_F(ParentImage, HookPaintsTheBackgroundOfItsParents) {
  // The hook is shared: controls that chained theirs onto it keep it after the test.
  const TspParentBackgroundPainter installed = SP_PaintParentBackground;
  SP_PaintParentBackground = [this](TWinControl* p, HDC dc) {
    if (p != parent) return false;
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    RECT all = {0, 0, 1000, 1000};
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);
    return true;
  };
  GetParentImage(control, dest.Canvas());
  SP_PaintParentBackground = installed;
  EXPECT_EQ(At(dest, 0, 0), TColor(0x030201));
  EXPECT_EQ(At(dest, 9, 34), clRed);
}

TEST_F(ParentImage, DeviceContextStateIsKept) {
  HDC dc = dest.Canvas()->Handle();
  POINT before;
  ::GetViewportOrgEx(dc, &before);
  GetParentImage(control, dest.Canvas());
  POINT after;
  ::GetViewportOrgEx(dc, &after);
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.y, before.y);
  GetParentImage(nullptr, dest.Canvas());
  Swatch orphan(nullptr, clRed);
  GetParentImage(&orphan, dest.Canvas());
}

}  // namespace
