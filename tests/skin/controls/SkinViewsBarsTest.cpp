// The skinned tree view and rich edit with their skinned scroll bars, and the
// skinned control bar and cool bar: when the bars show and what they show,
// scrolling a tall document, the skin's font and colour, the band frames
// and the cool bar's caption room.
#include <gtest/gtest.h>

#include <richedit.h>

#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/bars/SkinControlBar.h"
#include "skin/controls/views/SkinRichEdit.h"
#include "skin/controls/views/SkinTreeView.h"
#include "skin/data/ResourceStrData.h"
#include "tests/harness/WindowPump.h"
#include "tests/harness/WindowCapture.h"
#include "tests/skin/controls/ControlFixture.h"

namespace {

class ViewTest : public ::testing::Test {
protected:
  ViewTest() {
    vbar = f.Make<TspSkinScrollBar>({200, 0, 217, 150});
    vbar->SetKind(sbVertical);
    hbar = f.Make<TspSkinScrollBar>({0, 150, 200, 167});
    f.form->Show();
  }
  FormFixture f;
  TspSkinScrollBar *vbar = nullptr, *hbar = nullptr;
};

class Box : public TCustomControl {
public:
  explicit Box(TComponent* owner) : TCustomControl(owner) {}
};

}  // namespace

TEST_F(ViewTest, TreeShowsItsBarOnlyWhenRowsOverflow) {
  auto* tree = f.Make<TspSkinTreeView>({0, 0, 200, 150});
  tree->SetVScrollBar(vbar);
  TTreeNode* root = tree->Items()->AddChild(nullptr, "Root");
  for (int i = 0; i < 30; ++i) tree->Items()->AddChild(root, "Child " + std::to_string(i));
  tree->UpDateScrollBars();
  EXPECT_FALSE(vbar->Visible());  // the children are folded: everything fits
  root->Expand(false);
  tree->UpDateScrollBars();
  ASSERT_TRUE(vbar->Visible());
  EXPECT_EQ(vbar->PageSize(), tree->VisibleCount());
  EXPECT_EQ(vbar->Max(), 30);
}

// The bar's position picks the first shown row by its place among the rows, not
// through the 16-bit thumb message.
TEST_F(ViewTest, TreeScrollsToTheRowOfTheBarsPosition) {
  auto* tree = f.Make<TspSkinTreeView>({0, 0, 200, 150});
  tree->SetVScrollBar(vbar);
  for (int i = 0; i < 300; ++i) tree->Items()->AddChild(nullptr, "Row " + std::to_string(i));
  tree->UpDateScrollBars();
  ASSERT_TRUE(vbar->Visible());
  vbar->SetPosition(250);
  auto first = reinterpret_cast<HTREEITEM>(::SendMessageA(tree->Handle(), TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
  EXPECT_EQ(tree->Items()->FindItem(first), tree->Items()->Root(250));
  EXPECT_EQ(::GetScrollPos(tree->Handle(), SB_VERT), 250);
}

TEST_F(ViewTest, RichEditBarsDisabledWithoutTextAndScrollingATallDocument) {
  auto* edit = f.Make<TspSkinRichEdit>({0, 0, 200, 150});
  edit->SetVScrollBar(vbar);
  edit->SetHScrollBar(hbar);
  edit->UpDateScrollBars();
  EXPECT_FALSE(vbar->Enabled());
  EXPECT_TRUE(vbar->Visible());  // disabled, not hidden
  String text;
  for (int i = 0; i < 6000; ++i) text += "Line " + std::to_string(i) + "\r\n";
  edit->SetText(text);
  edit->UpDateScrollBars();
  ASSERT_TRUE(vbar->Enabled());
  // A document taller than 16 bits of pixels: the edit scales its range into
  // 16 bits and the bar follows it in the same units, past the signed half.
  EXPECT_EQ(vbar->Max(), 65535);
  vbar->SetPosition(60000);
  POINT at{};
  ::SendMessageA(edit->Handle(), EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&at));
  EXPECT_EQ(at.y, 60000);
  EXPECT_EQ(::GetScrollPos(edit->Handle(), SB_VERT), 60000);
  // The up arrow scrolls a line at a time and stops at the last page.
  edit->UpDateScrollBars();
  Integer before = vbar->Position();
  vbar->OnUpButtonClick(vbar);
  EXPECT_GT(vbar->Position(), before);
  for (int i = 0; i < 6000 && vbar->Position() != before; ++i) {
    before = vbar->Position();
    vbar->OnUpButtonClick(vbar);
  }
  EXPECT_EQ(vbar->Position(), vbar->Max() - vbar->PageSize() + 1);
}

TEST_F(ViewTest, RichEditKeepsItsLookWithoutSkinSupportButTakesTheCharset) {
  TestSkin skin;
  skin.Add("richedit", "richedit", "fontheight=30;fontcolor=255;bgcolor=65280");
  skin.Finish();
  TspResourceStrData strings(nullptr);
  strings.CharSet = RUSSIAN_CHARSET;
  skin.data.SetResourceStrData(&strings);
  auto* edit = f.Make<TspSkinRichEdit>({0, 0, 200, 150});
  edit->Font()->SetColor(clNavy);
  edit->SetSkinData(&skin.data);
  EXPECT_EQ(edit->Font()->Color(), clNavy);
  EXPECT_EQ(edit->Color(), clWindow);
  EXPECT_EQ(edit->Font()->Charset(), RUSSIAN_CHARSET);
  edit->SkinSupport = true;
  edit->ChangeSkinData();
  EXPECT_EQ(edit->Font()->Color(), clRed);
  EXPECT_EQ(edit->Color(), clLime);
  skin.data.SetResourceStrData(nullptr);
}

namespace {

const char* kControlBar =
    "skinrect=0,0,40,30;lefttoppoint=3,3;righttoppoint=37,3;leftbottompoint=3,27;rightbottompoint=37,27;"
    "clientrect=3,3,37,27;itemrect=50,0,90,24";

}  // namespace

TEST(SkinControlBar, TiledBackgroundAndBandFramesWithoutABorder) {
  TestSkin skin;
  skin.Add("controlbar", "controlbar", kControlBar);
  skin.Finish();
  FormFixture f;
  auto* bar = f.Make<TspSkinControlBar>({0, 0, 300, 60});
  auto* band = new Box(f.form);
  band->SetBounds(20, 10, 80, 22);
  band->SetParent(bar);
  bar->SetSkinData(&skin.data);
  f.form->Show();
  EXPECT_EQ(bar->ClientWidth(), 300);  // no SkinBevel: no non-client area at all
  auto image = Render(bar);
  EXPECT_EQ(PixelOf(*image, 250, 50), skin.ColorOf("controlbar", "skinrect"));  // the client part, tiled
  TRect r = TCustomControlBar::BandRect(band);
  EXPECT_EQ(PixelOf(*image, r.Left + 5, r.Top + 8), skin.ColorOf("controlbar", "itemrect"));
  bar->SetSkinBevel(true);
  EXPECT_EQ(bar->ClientWidth(), 300 - 6);
}

TEST(SkinCoolBar, CaptionRoomTable) {
  TestSkin skin;
  skin.Add("controlbar", "controlbar", kControlBar);
  skin.Finish();
  FormFixture f;
  auto* bar = f.Make<TspSkinCoolBar>({0, 0, 300, 60});
  TCustomImageList images(nullptr);
  images.SetSize(16, 16);
  TBitmap picture(16, 16);
  images.Add(&picture, nullptr);
  TBitmap measure(1, 1);
  measure.Canvas()->SetFont(bar->Font());
  const Integer grip = 4 + (GetComCtlVersion() >= 0x40047 ? 5 : 8);
  const Integer text = measure.Canvas()->TextWidth("Tools");
  struct Case {
    const char* name;
    bool showText, fixed, withImages;
    Integer imageIndex;
    Integer size;
  } cases[] = {
      {"text and grip", true, false, false, -1, text + 4 + grip},
      {"text hidden", false, false, false, -1, grip},
      {"fixed size: no grip", true, true, false, -1, text + 4},
      {"image from the list", true, false, true, 0, text + 2 + 16 + 4 + grip},
      {"image index without a list", false, false, false, 0, 4 + grip},
  };
  TCoolBand* band = bar->Bands()->Add();
  band->SetText("Tools");
  for (const Case& c : cases) {
    bar->SetShowText(c.showText);
    band->SetFixedSize(c.fixed);
    band->SetImageIndex(c.imageIndex);
    bar->SetImages(c.withImages ? &images : nullptr);
    EXPECT_EQ(bar->GetCaptionSize(band), c.size) << c.name;
  }
  EXPECT_EQ(bar->GetCaptionSize(nullptr), 0);
  band->SetVisible(false);
  EXPECT_EQ(bar->GetCaptionSize(band), 0);
  bar->SetImages(nullptr);
}

TEST(SkinCoolBar, ABandWithoutAControlIsSkippedWhenPainting) {
  TestSkin skin;
  skin.Add("controlbar", "controlbar", kControlBar);
  skin.Finish();
  FormFixture f;
  auto* bar = f.Make<TspSkinCoolBar>({0, 0, 300, 60});
  bar->Bands()->Add()->SetText("Empty");
  auto* box = new Box(f.form);
  box->SetBounds(0, 0, 100, 22);
  box->SetParent(bar);
  TCoolBand* full = bar->Bands()->Add();
  full->SetText("Full");
  full->SetControl(box);
  bar->SetSkinData(&skin.data);
  f.form->Show();
  PumpMessages();
  CapturedPixels shot = CaptureClient(bar->Handle());
  EXPECT_GT(shot.Width, 0);  // painted without a control for the first band
}
