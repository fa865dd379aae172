// Panels, bevels, images, splitters, speed buttons and scroll boxes: made from a
// form definition, drawn where their properties say, and moved or pressed by
// the mouse as the user does it.
#include <gtest/gtest.h>

#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/ScrollBox.h"
#include "platform/stdctrls/SpeedButton.h"
#include "tests/harness/WindowCapture.h"
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

namespace {

const char* const kPanelForm = R"(object PanelForm: TForm
  Left = 20
  Top = 20
  Width = 400
  Height = 240
  BorderStyle = bsNone
  Color = clWhite
  object pnlLeft: TPanel
    Width = 60
    Align = alLeft
    BevelOuter = bvRaised
    BevelWidth = 2
    Caption = ''
    Color = clYellow
    object pnlInner: TPanel
      Align = alClient
      BevelOuter = bvNone
      Color = clRed
    end
  end
  object Splitter1: TSplitter
    Left = 60
    Width = 4
    MinSize = 20
    OnMoved = SplitterMoved
  end
  object pnlClient: TPanel
    Align = alClient
    BevelOuter = bvLowered
    Caption = 'Preview'
    Color = clWhite
    object Bevel1: TBevel
      Left = 10
      Top = 10
      Width = 100
      Height = 2
      Shape = bsTopLine
    end
    object imgLogo: TImage
      Left = 10
      Top = 40
      Width = 40
      Height = 40
      Center = True
    end
    object btnA: TSpeedButton
      Left = 10
      Top = 100
      Width = 30
      Height = 25
      GroupIndex = 1
      Caption = 'A'
      OnClick = ButtonClick
    end
    object btnB: TSpeedButton
      Left = 50
      Top = 100
      Width = 30
      Height = 25
      GroupIndex = 1
      Down = True
      Caption = 'B'
      OnClick = ButtonClick
    end
    object sbList: TScrollBox
      Left = 150
      Top = 10
      Width = 100
      Height = 100
      object pnlFar: TPanel
        Left = 0
        Top = 250
        Width = 50
        Height = 30
      end
    end
  end
end)";

struct PanelForm {
  EventLog log;
  std::unique_ptr<TForm> form;
  PanelForm() {
    TFormBindings bindings;
    bindings.Handler("SplitterMoved", &log, &EventLog::Change).Handler("ButtonClick", &log, &EventLog::Click);
    form = ShowDefinition(kPanelForm, bindings);
  }
  template <class T>
  T* Get(const char* name) {
    return Find<T>(form.get(), name);
  }
};

std::uint32_t Rgb(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

}  // namespace

TEST(ExtPanel, BevelsFrameTheClientAreaAndTheChildrenAlignInside) {
  PanelForm f;
  auto* left = f.Get<TPanel>("pnlLeft");
  auto* inner = f.Get<TPanel>("pnlInner");
  ASSERT_TRUE(left && inner);
  EXPECT_EQ(left->BevelWidth(), 2);
  EXPECT_EQ(inner->BoundsRect(), TRect(2, 2, 58, left->Height() - 2)) << "the outer bevel takes 2 pixels a side";
  f.form->Repaint();
  CapturedPixels pixels = CaptureClient(left->Handle());
  EXPECT_EQ(pixels.At(0, 10), Rgb(clBtnHighlight)) << "raised: light top and left";
  EXPECT_EQ(pixels.At(59, 10), Rgb(clBtnShadow)) << "raised: dark bottom and right";
  EXPECT_EQ(pixels.At(30, 30), 0xFF0000u) << "the child fills the rest";

  auto* client = f.Get<TPanel>("pnlClient");
  CapturedPixels clientPixels = CaptureClient(client->Handle());
  EXPECT_EQ(clientPixels.At(0, 10), Rgb(clBtnShadow)) << "lowered: dark top and left";
  int text = 0;
  for (int y = client->Height() / 2 - 8; y < client->Height() / 2 + 8; ++y)
    for (int x = client->Width() / 2 - 30; x < client->Width() / 2 + 30; ++x)
      if (clientPixels.At(x, y) != 0xFFFFFFu) ++text;
  EXPECT_GT(text, 10) << "the caption is drawn in the middle";
  auto* bevel = f.Get<TBevel>("Bevel1");
  EXPECT_EQ(clientPixels.At(bevel->Left() + 50, bevel->Top()), Rgb(clBtnShadow));
  EXPECT_EQ(clientPixels.At(bevel->Left() + 50, bevel->Top() + 1), Rgb(clBtnHighlight));
}

TEST(ExtImage, ThePictureIsDrawnCentredStretchedOrSizesTheImage) {
  PanelForm f;
  auto* image = f.Get<TImage>("imgLogo");
  auto* client = f.Get<TPanel>("pnlClient");
  TBitmap bitmap(10, 10);
  bitmap.Canvas()->Brush()->SetColor(clBlue);
  bitmap.Canvas()->FillRect(TRect(0, 0, 10, 10));
  image->Picture()->SetBitmap(&bitmap);
  struct Case {
    const char* name;
    std::function<void()> set;
    TRect blue;
  } cases[] = {
      {"centred", [] {}, TRect(15, 15, 25, 25)},
      {"stretched", [&] { image->SetStretch(true); }, TRect(0, 0, 40, 40)},
      {"autosized", [&] {
         image->SetStretch(false);
         image->SetAutoSize(true);
       },
       TRect(0, 0, 10, 10)},
  };
  for (const Case& c : cases) {
    c.set();
    client->Repaint();
    CapturedPixels pixels = CaptureClient(client->Handle());
    const TRect r = c.blue;
    EXPECT_EQ(pixels.At(image->Left() + r.Left, image->Top() + r.Top), 0x0000FFu) << c.name;
    EXPECT_EQ(pixels.At(image->Left() + r.Right - 1, image->Top() + r.Bottom - 1), 0x0000FFu) << c.name;
    if (r.Left > 0) {
      EXPECT_NE(pixels.At(image->Left() + r.Left - 1, image->Top() + r.Top), 0x0000FFu) << c.name;
    }
  }
  EXPECT_EQ(image->Width(), 10);
  EXPECT_EQ(image->Height(), 10);
}

TEST(ExtSplitter, DraggingResizesTheControlBesideItWithinMinSize) {
  PanelForm f;
  auto* splitter = f.Get<TSplitter>("Splitter1");
  auto* left = f.Get<TPanel>("pnlLeft");
  ASSERT_EQ(splitter->FindControl(), left);
  EXPECT_EQ(splitter->Cursor(), crHSplit);
  struct Case {
    int move;
    int width;
  } cases[] = {{30, 90}, {-200, 20}};
  for (const Case& c : cases) {
    f.log.Clear();
    const int start = splitter->Left();
    PostMouse(splitter, WM_LBUTTONDOWN, 1, 10, MK_LBUTTON);
    PostMouse(splitter, WM_MOUSEMOVE, 1 + c.move, 10, MK_LBUTTON);
    PostMouse(splitter, WM_LBUTTONUP, 1 + c.move, 10, 0);
    EXPECT_TRUE(PumpUntil([&] { return !f.log.Events.empty(); }));
    EXPECT_EQ(left->Width(), c.width) << "moved " << c.move << " from " << start;
    EXPECT_EQ(splitter->Left(), c.width) << "the splitter follows the control";
  }
}

TEST(ExtSpeedButton, ButtonsOfAGroupAreDownOneAtATime) {
  PanelForm f;
  auto* a = f.Get<TSpeedButton>("btnA");
  auto* b = f.Get<TSpeedButton>("btnB");
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
  PostClick(a, 5, 5);
  EXPECT_TRUE(PumpUntil([&] { return f.log.Events.size() == 1; }));
  EXPECT_TRUE(a->Down());
  EXPECT_FALSE(b->Down()) << "the other button of the group goes up";
  PostClick(a, 5, 5);
  EXPECT_TRUE(PumpUntil([&] { return f.log.Events.size() == 2; }));
  EXPECT_TRUE(a->Down()) << "without AllowAllUp one button stays down";
  a->SetAllowAllUp(true);
  EXPECT_TRUE(b->AllowAllUp()) << "the group shares AllowAllUp";
  a->SetDown(false);
  EXPECT_FALSE(a->Down());
  b->SetGroupIndex(0);
  b->SetDown(true);
  EXPECT_FALSE(b->Down()) << "a button of no group never stays down";
}

TEST(ExtScrollBox, ChildrenBeyondTheBoxScrollIntoView) {
  PanelForm f;
  auto* box = f.Get<TScrollBox>("sbList");
  auto* distant = f.Get<TPanel>("pnlFar");
  ASSERT_TRUE(box && distant);
  EXPECT_EQ(box->ContentSize().cy, 280);
  EXPECT_TRUE(::GetWindowLongPtrA(box->Handle(), GWL_STYLE) & WS_VSCROLL) << "the contents are taller than the box";
  EXPECT_FALSE(::GetWindowLongPtrA(box->Handle(), GWL_STYLE) & WS_HSCROLL);
  box->ScrollInView(distant);
  EXPECT_GE(distant->Top(), 0);
  EXPECT_LE(distant->Top() + distant->Height(), box->ClientHeight());
  ::SendMessageA(box->Handle(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(distant->Top(), 250);
  EXPECT_EQ(box->VertPosition(), 0);
}

TEST(ExtSpeedButton, TheGlyphIsDrawnWithItsBottomLeftColourTransparent) {
  PanelForm f;
  auto* a = f.Get<TSpeedButton>("btnA");
  a->SetCaption("");
  a->SetTransparent(false);
  a->SetGroupIndex(0);
  a->SetBounds(10, 100, 40, 40);
  // Two 16 x 16 images: green with a red square, and green with a blue one.
  TBitmap glyph(32, 16);
  glyph.Canvas()->Brush()->SetColor(clLime);
  glyph.Canvas()->FillRect(TRect(0, 0, 32, 16));
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(TRect(4, 4, 12, 12));
  glyph.Canvas()->Brush()->SetColor(clBlue);
  glyph.Canvas()->FillRect(TRect(20, 4, 28, 12));
  a->SetGlyph(&glyph);
  EXPECT_EQ(a->NumGlyphs(), 2) << "a strip of square images tells its count";
  auto* client = f.Get<TPanel>("pnlClient");
  client->Repaint();
  CapturedPixels pixels = CaptureClient(client->Handle());
  const int x = a->Left() + 12, y = a->Top() + 12;  // the glyph's top left, centred
  EXPECT_EQ(pixels.At(x + 8, y + 8), 0xFF0000u) << "the glyph's own colours";
  EXPECT_EQ(pixels.At(x + 1, y + 1), Rgb(clBtnFace)) << "its bottom-left colour lets the face show";
  a->SetEnabled(false);
  client->Repaint();
  pixels = CaptureClient(client->Handle());
  EXPECT_EQ(pixels.At(x + 8, y + 8), 0x0000FFu) << "the second image shows while disabled";
}
